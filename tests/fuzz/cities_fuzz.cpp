// A Cities.txt from elsewhere, imported into the fixture league, whose teams then read their
// cities.
#include "core/core.h"
#include "database/database.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Fuzz_Reset_League();
    Fuzz_Write_File(CITIES_FILE_NAME, pData, nSize);
    Read_Cities_File(CITIES_FILE_NAME);
    Fuzz_Use_League();
    return 0;
}
