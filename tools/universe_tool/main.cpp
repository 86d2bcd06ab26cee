// The universe tool: builds the default universe databases by playing them. It makes the
// fictional league from our own data at FIRST_PLAYED_YEAR, then plays whole seasons with the
// game's engine and season cycle, every team run by the computer, to the kickoff of 2019, saves
// Databases/Universe-2019.dat as a new league whose first season is that one, plays on to 2021
// and saves databases/universe-2021.dat with its draft pool. It runs in the installation folder,
// reads Cities.txt, Input/ and names/ there and writes the files, and a report of the 2019
// league, under the folder given as its argument (the installation folder when none is given).
// The generator is seeded once with FIXED_RANDOM_SEED, so every machine builds the same bytes.
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
#include "reports/reports.h"
#include "season/season.h"
#include "setup/setup.h"
#include "tools/tools.h"
#include "tools/universe_tool/league_report.h"

#define PATH_SIZE 1024
#define DEFAULT_UNIVERSE_YEAR 2019
#define NEW_GAME_UNIVERSE_YEAR 2021
#define FIRST_PLAYED_YEAR 2011  // eight seasons before the default universe
#define REPORT_FILE_NAME "Databases/universe-report.txt"
#define DEFAULT_SKIN "earth"
#define CAP_MOVE_ROUNDS 5
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

// A veteran has played every season since he was a rookie of 22; the league keeps no lines of
// the seasons before the first one it plays.
static int Set_Veteran_Experience(int nTeam, int nSlot) {
    int nSeasons = Max_Int(0, Get_Player_Age(nTeam, nSlot) - ROOKIE_AGE);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, nSeasons);
    return nSeasons;
}

static void Set_League_Experience(void) {
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Set_Veteran_Experience(nTeam, nSlot);
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

// The fictional league of the first season nYear, as the builder makes a new one: the frame of
// the default year's files, rosters by depth, free agents, contracts, depth charts, a schedule.
// 1 when built, else 0 with the reason on stderr.
static int Build_First_League(int nYear) {
    Clear_League_Database();
    Reset_Tables_Outside_League();
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, DEFAULT_UNIVERSE_YEAR);
    if (Read_Cities_File(CITIES_FILE_NAME) <= 0) {
        fprintf(stderr, "universe_tool: no cities in %s\n", CITIES_FILE_NAME);
        return 0;
    }
    Import_League_File();
    Import_Teams_File();
    Sort_Teams_By_Name();
    if (Count_Active_Teams() == 0) {
        fprintf(stderr, "universe_tool: the %d league has no teams\n", DEFAULT_UNIVERSE_YEAR);
        return 0;
    }
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear);
    Update_Inflation_Factor();
    Init_Imported_League();
    Load_Draft_Talent();
    Load_Draft_Strategy();
    Fill_League_Rosters();
    Set_League_Experience();
    Fill_Free_Agent_Pool();
    Normalize_Player_Ratings();
    Reset_All_Playbooks();
    Set_Computer_Run_Pass_Balance();
    Recalculate_Contracts();
    Set_All_Depth_Charts(0);  // every team's depth chart and returners from its final ratings
    Create_Season_Schedule();
    gCommissionerMode = 0;  // held on for the build; the computer manager runs the seasons
    return 1;
}

// Whole seasons played to the kickoff of the season of nYear; 1 when it was reached.
static int Play_Seasons_To(int nYear) {
    Simulate_Seasons(nYear - Get_Season_Year());
    if (Get_Season_Year() != nYear || gCurrentWeek != 0) {
        fprintf(stderr, "universe_tool: the seasons stopped before the kickoff of %d\n", nYear);
        return 0;
    }
    return 1;
}

// A team over the cap at the kickoff makes the computer manager's weekly moves, which release
// players for the cap down to its release floor, until it is under the cap or the moves change
// nothing; then every depth chart is set.
static void Release_Teams_To_Cap(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        for (int nRound = 0; nRound < CAP_MOVE_ROUNDS; nRound++) {
            if (!Is_Team_Active(nTeam) || !Is_Team_Over_Cap(nTeam))
                break;
            int nPlayers = Count_Players(nTeam, ALL_ROSTERS);
            int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
            Make_Team_Roster_Moves(nTeam);
            if (Count_Players(nTeam, ALL_ROSTERS) == nPlayers &&
                Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) == nPayroll)
                break;
        }
    }
    Set_Computer_Depth_Charts(0);
}

// ---- files --------------------------------------------------------------------------------------

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

// The league made a new one in its current season, then saved; 1 when saved.
static int Save_Universe(const char* szPath, int bFillDraftPool) {
    // A new league of the year: its cap, the default playbooks with the model teams' systems.
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, Get_Season_Salary_Cap(Get_Season_Year()));
    Update_Inflation_Factor();
    // The seasons played drift the league's rating means and spreads; they go back to their
    // targets before the computer sets its teams from the ratings.
    Normalize_Player_Ratings();
    Reset_All_Playbooks();
    Set_Computer_Run_Pass_Balance();
    Release_Teams_To_Cap();
    int nDropped = Rebase_League_To_Current_Season();
    if (bFillDraftPool)
        Fill_Draft_Pool();
    gCommissionerMode = 0;
    Set_User_Preference(PREF_LIST_POSITION, POS_ANY);  // the player lists show every position
    Set_Skin_Name(DEFAULT_SKIN);
    if (Save_Game_File(szPath, NULL) != SAVE_OK) {
        fprintf(stderr, "universe_tool: could not write %s: %s\n", szPath,
                Get_Save_Failure_Reason());
        return 0;
    }
    printf(
        "%s: the league of %d, %d teams, %ld bytes; the team rows of the %d seasons played "
        "before it were cleared\n",
        szPath, Get_Season_Year(), Count_Active_Teams(), Get_File_Size(szPath), nDropped);
    return 1;
}

// ---- the program --------------------------------------------------------------------------------

int main(int argc, char** argv) {
    const char* szFolder = argc > 1 ? argv[1] : ".";
    char szDatabases[PATH_SIZE];
    Format_String(szDatabases, sizeof(szDatabases), "%s/Databases", szFolder);
    if (!Platform_Make_Directory(szDatabases)) {
        fprintf(stderr, "universe_tool: cannot make the folder %s\n", szDatabases);
        return 1;
    }
    char szDefaultFile[PATH_SIZE], szNewGameFile[PATH_SIZE], szNewGameName[PATH_SIZE];
    char szReportFile[PATH_SIZE];
    Format_String(szNewGameName, sizeof(szNewGameName), UNIVERSE_FILE_FORMAT,
                  NEW_GAME_UNIVERSE_YEAR);
    Format_String(szDefaultFile, sizeof(szDefaultFile), "%s/%s", szFolder,
                  DEFAULT_UNIVERSE_FILE_NAME);
    Format_String(szNewGameFile, sizeof(szNewGameFile), "%s/%s", szFolder, szNewGameName);
    Format_String(szReportFile, sizeof(szReportFile), "%s/%s", szFolder, REPORT_FILE_NAME);

    // The scheme playbooks the computer's teams load when they change their defensive scheme.
    if (!Write_Scheme_Playbook_Files()) {
        fprintf(stderr, "universe_tool: cannot write the playbooks\n");
        return 1;
    }
    double fStart = Get_Seconds();
    Install_Report_Writers();
    Seed_Random(FIXED_RANDOM_SEED);
    Set_Game_Texts_Kept(0);  // no box score or recap for the games of the past
    if (!Build_First_League(FIRST_PLAYED_YEAR))
        return 1;
    Start_Season(0);
    if (!Play_Seasons_To(DEFAULT_UNIVERSE_YEAR) || !Save_Universe(szDefaultFile, 0) ||
        !Write_League_Report(szReportFile))
        return 1;
    if (!Play_Seasons_To(NEW_GAME_UNIVERSE_YEAR) || !Save_Universe(szNewGameFile, 1))
        return 1;
    printf("universe_tool: %d seasons played from %d in %.2f s\n",
           NEW_GAME_UNIVERSE_YEAR - FIRST_PLAYED_YEAR, FIRST_PLAYED_YEAR, Get_Seconds() - fStart);
    return 0;
}
