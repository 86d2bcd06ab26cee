// A saved game from elsewhere, loaded over the fixture league, then a week of it played by the
// computer, saved and loaded again: what the load let through must hold up in play, and the file
// saved after play must load, with nothing mended a second time. The week is cut to one game so
// that an input stays quick.
#include <stdio.h>
#include <stdlib.h>

#include <fstream>
#include <string>

#include "core/core.h"
#include "database/database.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/saved_game_mutator.h"
#include "season/season.h"
#include "shell/shell.h"

#define FUZZ_GAME_FILE "fuzz.vnt"
#define FUZZ_PLAYED_FILE "fuzz_played.vnt"
#define DEBUG_LOG_FILE "debug.txt"

// The first game of the week stays; every other team has a bye. A regular-season week without a
// game gets one between the first two teams.
static void Keep_One_Game_This_Week(void) {
    int nWeek = gCurrentWeek;
    if (nWeek < 0 || nWeek >= SCHEDULE_WEEKS || nWeek >= Get_First_Playoff_Week())
        return;
    int nTeams = Count_Active_Teams();
    int nHome = -1;
    for (int nTeam = 0; nTeam < nTeams && nHome < 0; nTeam++) {
        if (Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT) > 0)
            nHome = nTeam;
    }
    int nVisitor = nHome >= 0 ? Get_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT) - 1 : 1;
    nHome = nHome >= 0 ? nHome : 0;
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (nTeam != nHome && nTeam != nVisitor)
            Set_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT, 0);
    }
    if (nTeams < 2)
        return;
    Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT, nVisitor + 1);
    Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT, -1 - nHome);
}

// The repairs the load of a file logged ("Loading <path>: ..."), "" when none.
static std::string Logged_Repairs(const char* szPath) {
    std::ifstream log(DEBUG_LOG_FILE);
    std::string stLine, stRepairs;
    std::string stMark = std::string("Loading ") + szPath + ": ";
    while (std::getline(log, stLine)) {
        if (stLine.find(stMark) != std::string::npos)
            stRepairs += stLine + "\n";
    }
    return stRepairs;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    Fuzz_Reset_League();
    Fuzz_Write_File(FUZZ_GAME_FILE, pData, nSize);
    if (!Load_Game_File(FUZZ_GAME_FILE))
        return 0;
    gAllTeamsComputer = 1;
    Keep_One_Game_This_Week();
    Advance_Weeks(1);
    if (Save_Game_File(FUZZ_PLAYED_FILE, NULL) != SAVE_OK)
        return 0;  // a save may fail for the disk; it says why
    remove(DEBUG_LOG_FILE);
    if (!Load_Game_File(FUZZ_PLAYED_FILE)) {
        fprintf(stderr, "played_game: the file saved after a week does not load\n");
        abort();
    }
    std::string stRepairs = Logged_Repairs(FUZZ_PLAYED_FILE);
    if (!stRepairs.empty()) {
        fprintf(stderr, "played_game: the file saved after a week was mended again:\n%s",
                stRepairs.c_str());
        abort();
    }
    Fuzz_Use_League();
    return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* pData, size_t nSize, size_t nMaxSize,
                                          unsigned int uSeed) {
    return Mutate_Saved_Game(pData, nSize, nMaxSize, uSeed);
}
