// A league file (league and division names) from elsewhere, read into the fixture league.
#include "core/core.h"
#include "database/database.h"
#include "fuzz/fuzz_support.h"
#include "tools/tools.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Fuzz_Reset_League();
    Fuzz_Write_Season_File("input/stats/leagues/%d_league.csv", pData, nSize);
    Import_League_File();
    Clear_Unused_League_Names();
    Fuzz_Use_League();
    return 0;
}
