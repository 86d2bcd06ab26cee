// The universe tool: builds the default universe databases from our own data with the game's own
// functions. It runs in the installation folder, reads Cities.txt, Input/ and names/ there and
// writes Databases/Universe-2019.dat and databases/universe-2021.dat under the folder given as
// its argument (the installation folder when none is given). The generator is seeded with 12345
// before each file, so every machine builds the same bytes.
//
//     universe_tool [output folder]
#include <stdio.h>
#include <string.h>
#include <time.h>

#include "core/core.h"
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "setup/setup.h"
#include "tools/tools.h"

#define PATH_SIZE 1024
#define DEFAULT_UNIVERSE_YEAR 2019
#define NEW_GAME_UNIVERSE_YEAR 2021
#define DEFAULT_SKIN "earth"
#define ROOKIE_AGE 22

// Starters of each position in a depth chart, QB .. P.
static const int kPositionStarters[POSITION_COUNT] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};

// The quality of a team's players by depth (70 - 11 x quality is the highest overall allowed):
// starters, the first backup and everyone deeper, each drawn within a band around its centre.
#define STARTER_QUALITY -0.3f
#define BACKUP_QUALITY 0.4f
#define RESERVE_QUALITY 0.9f
#define QUALITY_BAND 1.0f
#define QUALITY_BAND_STEPS 100

// The free agents of each position, QB .. P, and the range of their qualities.
static const int kFreeAgentCounts[POSITION_COUNT] = {4, 4, 2, 6, 10, 6, 6, 4, 6, 4, 10, 6, 6, 2, 2};
#define BEST_FREE_AGENT_QUALITY 0.3f
#define WORST_FREE_AGENT_QUALITY 1.2f

// ---- roster steps -------------------------------------------------------------------------------

static float Get_Depth_Quality(int nPosition, int nDepth) {
    int nStarters = kPositionStarters[nPosition];
    float fCentre = RESERVE_QUALITY;
    if (nDepth < nStarters)
        fCentre = STARTER_QUALITY;
    else if (nDepth == nStarters)
        fCentre = BACKUP_QUALITY;
    float fOffset = (float)Draw_Random(QUALITY_BAND_STEPS + 1) / QUALITY_BAND_STEPS - 0.5f;
    return fCentre + QUALITY_BAND * fOffset;
}

// Every position gets its new-team count of players, better at the top of the depth chart;
// Fill_New_Team_Roster then sets up the team around them.
static void Fill_Team_Roster_By_Depth(int nTeam) {
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        for (int nDepth = 0; nDepth < Get_New_Team_Position_Count(nPosition); nDepth++)
            Create_Player_Of_Quality(nTeam, Find_Free_Player_Slot(nTeam),
                                     Get_Depth_Quality(nPosition, nDepth), nPosition);
    }
    Fill_New_Team_Roster(nTeam);
}

static void Fill_League_Rosters(void) {
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Fill_Team_Roster_By_Depth(nTeam);
}

// A veteran has played every season since he was a rookie of 22.
static int Set_Veteran_Experience(int nTeam, int nSlot) {
    int nSeasons = Max_Int(0, Get_Player_Age(nTeam, nSlot) - ROOKIE_AGE);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, nSeasons);
    return nSeasons;
}

// Each player's past: his college years and his seasons in the league so far. The generator
// writes experience + 5 seasons, so it runs with one season less than he has played.
static void Add_Career_Histories(void) {
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nSeasons = Set_Veteran_Experience(nTeam, nSlot);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, nSeasons - 1);
            Generate_Player_Career_History(nTeam, nSlot, 0);
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, nSeasons);
        }
    }
}

// Unsigned veterans of every position, from useful backups to long shots.
static void Fill_Free_Agent_Pool(void) {
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        int nCount = kFreeAgentCounts[nPosition];
        for (int n = 0; n < nCount; n++) {
            int nSlot = Find_Free_Player_Slot(FREE_AGENT_TEAM);
            float fQuality =
                BEST_FREE_AGENT_QUALITY +
                (WORST_FREE_AGENT_QUALITY - BEST_FREE_AGENT_QUALITY) * n / (nCount - 1);
            Create_Player_Of_Quality(FREE_AGENT_TEAM, nSlot, fQuality, nPosition);
            if (Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot))
                Set_Veteran_Experience(FREE_AGENT_TEAM, nSlot);
        }
    }
}

// ---- one universe -------------------------------------------------------------------------------

// The name tables and the lookup hashes live outside the league block: each build starts them
// afresh so that a file depends on nothing but the seed and the data.
static void Reset_Tables_Outside_League(void) {
    memset(gFirstNames, 0, sizeof(gFirstNames));
    memset(gLastNames, 0, sizeof(gLastNames));
    gFirstNameFileLines = 0;
    gLastNameFileLines = 0;
    Rebuild_Player_ID_Hash();
    Rebuild_Ostrel_ID_Hash();
    Rebuild_Player_Name_Hash();
}

// Builds the league of the first season nYear and saves it; 1 when it was saved, else 0 with the
// reason on stderr.
static int Build_Universe(int nYear, int bFillDraftPool, const char* szPath) {
    Seed_Random(FIXED_RANDOM_SEED);
    Clear_League_Database();
    Reset_Tables_Outside_League();
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear);
    Update_Inflation_Factor();
    if (Read_Cities_File(CITIES_FILE_NAME) <= 0) {
        fprintf(stderr, "universe_tool: no cities in %s\n", CITIES_FILE_NAME);
        return 0;
    }
    Import_League_File();
    Import_Teams_File();
    Sort_Teams_By_Name();
    Init_Imported_League();
    Load_Draft_Talent();
    Load_Draft_Strategy();
    Fill_League_Rosters();
    Add_Career_Histories();
    Fill_Free_Agent_Pool();
    if (bFillDraftPool)
        Fill_Draft_Pool();
    Normalize_Player_Ratings();
    Reset_All_Playbooks();
    Set_Computer_Run_Pass_Balance();
    Recalculate_Contracts();
    Set_All_Depth_Charts(0);  // every team's depth chart and returners from its final ratings
    Create_Season_Schedule();
    gCommissionerMode = 0;  // held on for the build; a new league starts with it off
    Set_Skin_Name(DEFAULT_SKIN);
    if (Save_Game_File(szPath, NULL) != SAVE_OK) {
        fprintf(stderr, "universe_tool: could not write %s\n", szPath);
        return 0;
    }
    return 1;
}

// ---- the program --------------------------------------------------------------------------------

static double Get_Seconds(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

static long Get_File_Size(const char* szPath) {
    FILE* pFile = Platform_Open_File(szPath, "rb");
    if (pFile == NULL)
        return -1;
    fseek(pFile, 0, SEEK_END);
    long nSize = ftell(pFile);
    fclose(pFile);
    return nSize;
}

// Builds one file and says how long it took and how big it is; 1 on success.
static int Make_Universe_File(int nYear, int bFillDraftPool, const char* szFolder,
                              const char* szName) {
    char szPath[PATH_SIZE];
    Format_String(szPath, sizeof(szPath), "%s/%s", szFolder, szName);
    double fStart = Get_Seconds();
    if (!Build_Universe(nYear, bFillDraftPool, szPath))
        return 0;
    if (Count_Active_Teams() == 0) {
        fprintf(stderr, "universe_tool: the %d league has no teams\n", nYear);
        return 0;
    }
    printf("%s: %d teams, %ld bytes, %.2f s\n", szPath, Count_Active_Teams(), Get_File_Size(szPath),
           Get_Seconds() - fStart);
    return 1;
}

int main(int argc, char** argv) {
    const char* szFolder = argc > 1 ? argv[1] : ".";
    char szDatabases[PATH_SIZE];
    Format_String(szDatabases, sizeof(szDatabases), "%s/Databases", szFolder);
    if (!Platform_Make_Directory(szDatabases)) {
        fprintf(stderr, "universe_tool: cannot make the folder %s\n", szDatabases);
        return 1;
    }
    char szNewGameFile[PATH_SIZE];
    Format_String(szNewGameFile, sizeof(szNewGameFile), UNIVERSE_FILE_FORMAT,
                  NEW_GAME_UNIVERSE_YEAR);
    if (!Make_Universe_File(DEFAULT_UNIVERSE_YEAR, 0, szFolder, DEFAULT_UNIVERSE_FILE_NAME) ||
        !Make_Universe_File(NEW_GAME_UNIVERSE_YEAR, 1, szFolder, szNewGameFile))
        return 1;
    return 0;
}
