// A teams file from elsewhere, read into an empty league that has the fixture's cities, as the
// universe tool does; the new teams are then sorted and used.
#include "core/core.h"
#include "database/database.h"
#include "fuzz/fuzz_support.h"
#include "fixtures/fixture_league.h"
#include "tools/tools.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Fuzz_Reset_League();
    CITY aCities[CITY_COUNT];
    memcpy(aCities, gCities, sizeof aCities);
    int nInflation = Get_Universe_Stat(UNIVERSE_INFLATION);
    Clear_League_Database();
    memcpy(gCities, aCities, sizeof aCities);
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, FIXTURE_FIRST_YEAR);
    Set_Universe_Stat(UNIVERSE_INFLATION, nInflation);

    Fuzz_Write_Season_File("input/stats/%d_teams.csv", pData, nSize);
    Import_Teams_File();
    Sort_Teams_By_Name();
    Fuzz_Use_League();
    return 0;
}
