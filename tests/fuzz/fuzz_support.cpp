#include "fuzz/fuzz_support.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"

// Players per team whose values are read after each input: enough to reach every code path,
// few enough to keep an input fast.
#define USED_PLAYERS_PER_TEAM 3
#define FUZZ_PATH_SIZE 256

static SAVED_STATE* gpFixtureState = nullptr;

static void Fuzz_Start(void) {
    const char* szTemp = getenv("TMPDIR");
    std::string stFolder =
        std::string(szTemp && szTemp[0] ? szTemp : "/tmp") + "/vanto_fuzz.XXXXXX";
    if (!mkdtemp(stFolder.data()) || chdir(stFolder.c_str()) != 0) {
        perror("fuzz: scratch folder");
        abort();
    }
    Test_Reset_Platform();
    Build_Fixture_League();
    gpFixtureState = new SAVED_STATE(gSavedState);
}

void Fuzz_Reset_League(void) {
    // The player lookups are left as the fixture built them: the text readers touch no player
    // they find, and a load rebuilds them.
    gSavedState = *gpFixtureState;
    Test_Clear_Transcript();
    Test_Clear_Debug_Output();
    remove("debug.txt");
}

void Fuzz_Write_File(const char* szPath, const uint8_t* pData, size_t nSize) {
    std::string stPath = szPath;
    for (size_t n = stPath.find('/'); n != std::string::npos; n = stPath.find('/', n + 1))
        mkdir(stPath.substr(0, n).c_str(), 0755);
    FILE* pFile = fopen(szPath, "wb");
    if (!pFile) {
        perror(szPath);
        abort();
    }
    fwrite(pData, 1, nSize, pFile);
    fclose(pFile);
}

void Fuzz_Write_Season_File(const char* szFormat, const uint8_t* pData, size_t nSize) {
    char szPath[FUZZ_PATH_SIZE];
    snprintf(szPath, sizeof szPath, szFormat, FIXTURE_FIRST_YEAR);
    Fuzz_Write_File(szPath, pData, nSize);
}

void Fuzz_Use_League(void) {
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        char szName[CITY_NAME_SIZE];
        Get_City_Name(Get_Team_Stat(nTeam, TEAM_CITY_INDEX), szName, sizeof(szName));
        Get_Team_League(nTeam);
        Set_Team_Season_Projections(nTeam);
        for (int nSlot = 0; nSlot < USED_PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            Get_Player_Age(nTeam, nSlot);
            Get_Player_Worth(nTeam, nSlot);
            Get_Player_Potential(nTeam, nSlot);
        }
    }
}

// libFuzzer calls this once before the first input. The corpus folders and input files named on
// the command line are made absolute first, as the target then runs in its scratch folder.
extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv) {
    for (int n = 1; n < *pArgc; n++) {
        char* szArgument = (*pArgv)[n];
        char* szAbsolute = szArgument[0] != '-' ? realpath(szArgument, nullptr) : nullptr;
        if (szAbsolute)
            (*pArgv)[n] = szAbsolute;  // kept for the whole run
    }
    Fuzz_Start();
    return 0;
}
