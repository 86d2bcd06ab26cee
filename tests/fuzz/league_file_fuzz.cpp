// A league file (league and division names) from elsewhere, read into the fixture league.
#include "core/core.h"
#include "database/database.h"
#include "fuzz/fuzz_support.h"
#include "fixtures/fixture_league.h"
#include "tools/tools.h"

#include <stdio.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Fuzz_Reset_League();
    char szPath[64];
    snprintf(szPath, sizeof szPath, "input/stats/leagues/%d_league.csv", FIXTURE_FIRST_YEAR);
    Fuzz_Write_File(szPath, pData, nSize);
    Import_League_File();
    Clear_Unused_League_Names();
    Fuzz_Use_League();
    return 0;
}
