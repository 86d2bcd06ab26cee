// The season database builder: a league of one season year made from the import files, saved as
// that year's universe database.
#include <stdio.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "tools/tools.h"

#define FIRST_BUILD_YEAR 1951
#define LAST_BUILD_YEAR 2021
#define LAST_HISTORICAL_YEAR 2020
#define FIRST_CAP_YEAR 2015
#define FIRST_SCHEME_YEAR 2016
#define LAST_SCHEME_YEAR 2018
#define FIRST_RUNNING_QB_YEAR 2013
#define LAST_RUNNING_QB_YEAR 2015
#define BUILD_PROGRESS_STEPS 100
#define SEASON_LINE_WEIGHT_2021 25
#define SEASON_LINE_WEIGHT 51
#define ALL_POSITIONS 15
#define PREF_BUILT_UNIVERSE 53
#define PREF_START_LEVEL 24
#define PREF_CURRENT_LEVEL 25
#define PREF_NEW_GAME_PENDING 42
#define PREF_SHOW_INTRO 90
#define PREF_SHOW_TIPS 91
#define SCHEME_TEAMS 32
#define RUNNING_QB_PLAYBOOK "Running QB"
#define RUN_PASS_EVEN 10  // the run/pass balance of a team that favours neither

// ---- the teams' schemes and playbooks -----------------------------------------------------------

// Each team's defence of 2016, 2017 and 2018: 1 the 3-4, 0 the 4-3.
static const int8_t kTeamSchemes[SCHEME_TEAMS][3] = {
    {1, 1, 0}, {0, 0, 0}, {1, 1, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 1}, {0, 0, 0}, {1, 1, 0},
    {0, 0, 0}, {0, 0, 1}, {0, 0, 0}, {1, 1, 1}, {1, 1, 1}, {1, 1, 0}, {0, 0, 0}, {1, 1, 1},
    {1, 1, 0}, {0, 0, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {1, 1, 0}, {0, 0, 1}, {1, 1, 1},
    {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {1, 1, 0}, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {1, 1, 1}};

static const int kRunningQuarterbackTeams[] = {4, 28, 27, 31};

int Get_Team_Scheme_For_Year(int nTeam, int nYear) {
    if (nTeam < 0 || nTeam >= SCHEME_TEAMS || nYear < FIRST_SCHEME_YEAR)
        return 0;
    return kTeamSchemes[nTeam][Min_Int(nYear, LAST_SCHEME_YEAR) - FIRST_SCHEME_YEAR];
}

int Import_Playbooks(int bReport) {
    int nTeams = Count_Active_Teams();
    if (bReport)
        Open_Progress_Window("Loading Playbooks...", 2 * nTeams);
    int anLoaded[2] = {0, 0};
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        char szName[TEAM_STRING_SIZE] = "";
        if (nTeam <= 37)
            Get_Team_String(szName, sizeof(szName), nTeam, TEAM_NICKNAME);
        char szYearName[TEAM_STRING_SIZE + 8];
        Format_String(szYearName, sizeof(szYearName), "%d-%s", Get_Season_Year(), szName);
        for (int nFlag = PLAYBOOK_FILE_OFFENCE; nFlag <= PLAYBOOK_FILE_DEFENCE; nFlag++) {
            anLoaded[nFlag] += Read_Playbook_File(nTeam, nFlag, szYearName) ||
                               Read_Playbook_File(nTeam, nFlag, szName);
            if (bReport)
                Step_Progress_Window(1);
        }
    }
    if (bReport) {
        Close_Progress_Window();
        Show_Message_Box("Import Playbooks",
                         "%d Offensive Playbooks loaded.\n\n%d Defensive Playbooks loaded.",
                         anLoaded[0], anLoaded[1]);
    }
    return anLoaded[0] + anLoaded[1];
}

void Set_Team_Schemes_And_Playbooks(void) {
    int nYear = Get_Season_Year();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Set_Team_Default_Playbook(nTeam);
    }
    Assign_Default_Playbooks();
    Step_Progress_Window(1);
    if (nYear > LAST_RUNNING_QB_YEAR) {
        for (int nTeam = 0; nTeam < SCHEME_TEAMS; nTeam++) {
            if (!Is_Team_Active(nTeam))
                continue;
            int bThreeFour = Get_Team_Scheme_For_Year(nTeam, nYear);
            Read_Playbook_File(nTeam, PLAYBOOK_FILE_DEFENCE, bThreeFour ? "3-4" : "4-3");
            Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, bThreeFour);
        }
        Step_Progress_Window(1);
    }
    if (nYear >= FIRST_RUNNING_QB_YEAR && nYear <= LAST_RUNNING_QB_YEAR) {
        for (int nTeam : kRunningQuarterbackTeams) {
            if (Is_Team_Active(nTeam))
                Read_Playbook_File(nTeam, PLAYBOOK_FILE_OFFENCE, RUNNING_QB_PLAYBOOK);
        }
    }
    Import_Playbooks(0);
    Step_Progress_Window(1);
}

// ---- the build ----------------------------------------------------------------------------------

static void Clear_Current_Season_Stats(int nTeam, int nSlot) {
    Clear_Player_Season_Stats(nTeam, nSlot, SEASON_CURRENT);
}

// The league cleared for the build; the cities and the base year stay.
static void Clear_League_Keeping_Cities(int nYear) {
    static CITY aCities[CITY_COUNT];
    memcpy(aCities, gCities, sizeof(aCities));
    Clear_League_Database();
    memcpy(gCities, aCities, sizeof(aCities));
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear);
}

// The players: rosters, the players file, their seasons and contracts, ratings from the
// statistics fitted to age and draft slot, then a prepared ratings file where there is one.
// 1 when a ratings file set the ratings.
static int Build_Season_Players(int nYear) {
    Load_Rosters_File(nYear);
    Import_Players_File();
    Remove_Unfit_Imported_Players();
    Step_Progress_Window(1);
    Fix_Imported_Names();
    Step_Progress_Window(1);
    Import_Seasons_File();
    if (nYear < FIRST_CAP_YEAR)
        Step_Progress_Window(7);
    else
        Import_Salaries_File();
    Raise_Salaries_To_Minimum();
    Step_Progress_Window(1);
    Reset_Player_Career_Curves();
    Complete_All_Predicted_Stats(nYear == LAST_BUILD_YEAR ? SEASON_LINE_WEIGHT_2021
                                                          : SEASON_LINE_WEIGHT);
    Step_Progress_Window(1);
    Calculate_All_Player_Ratings();
    Age_Imported_Players();
    Step_Progress_Window(1);
    if (nYear == LAST_BUILD_YEAR)
        Set_Drafted_Rookie_Ratings();
    Adjust_Flagged_Player_Overall();
    Step_Progress_Window(1);
    int bRatingsLoaded = Load_Season_Player_Ratings(0);
    Import_Combine_Results();
    Step_Progress_Window(5);
    Erase_Future_Season_Lines();
    Rebuild_Career_Totals();
    Fill_Missing_Kicker_Stats();
    Step_Progress_Window(1);
    Derive_All_Lineman_Stats();
    Set_Experience_From_Seasons();
    Fix_Contract_Minimums();
    For_Each_Roster_Player(Clear_Current_Season_Stats);
    Step_Progress_Window(1);
    Sort_All_Player_Season_Links();
    Step_Progress_Window(1);
    return bRatingsLoaded;
}

// Every franchise's run/pass balance even, before the computer sets its teams' own.
static void Reset_Run_Pass_Balances(void) {
    for (int nTeam = 0; nTeam < SCHEME_TEAMS; nTeam++)
        Set_Team_Stat(nTeam, TEAM_RUN_PASS_BALANCE, RUN_PASS_EVEN);
}

// The league as a new game of its year: team 0 run by the user, every other by the computer.
static void Set_Built_League_Control(void) {
    Set_User_Preference(PREF_SHOW_TIPS, 1);
    Set_User_Preference(PREF_SHOW_INTRO, 1);
    gDialogTeam = 0;
    Set_User_Preference(PREF_NEW_GAME_PENDING, 1);
    Set_Team_Stat(0, TEAM_CONTROL, CONTROL_HUMAN);
    gUserTeam = 0;
    Set_User_Preference(PREF_START_LEVEL, 0);
    Set_User_Preference(PREF_CURRENT_LEVEL, 0);
    Set_All_Players_Vital_6();
}

int Build_Season_Database(void) {
    int nYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    char szCaption[64];
    Format_String(szCaption, sizeof(szCaption), "Building %d Database...", nYear);
    int bProgress = Open_Progress_Window(szCaption, BUILD_PROGRESS_STEPS);
    Step_Progress_Window(1);
    Clear_League_Keeping_Cities(nYear);
    Update_League_Averages();
    Step_Progress_Window(1);
    Import_League_File();
    Step_Progress_Window(1);
    Import_Teams_File();
    Step_Progress_Window(1);
    Sort_Teams_By_Name();
    Step_Progress_Window(1);
    if (Count_Active_Teams() == 0) {
        if (bProgress)
            Close_Progress_Window();
        return BUILD_NO_TEAMS;
    }
    Init_Imported_League();
    Step_Progress_Window(10);

    int bRatingsLoaded = Build_Season_Players(nYear);
    if (Count_Players(ALL_ROSTERS, ALL_ROSTERS) == 0) {
        if (bProgress)
            Close_Progress_Window();
        return BUILD_NO_PLAYERS;
    }
    Reset_Current_Season_Line_Cache();
    Import_Team_Records_File();
    Step_Progress_Window(1);
    if (!bRatingsLoaded)
        Normalize_Player_Ratings();
    Set_All_Depth_Charts(0);
    Fit_Team_Strengths();
    if (!bRatingsLoaded && nYear == LAST_BUILD_YEAR)
        Set_Drafted_Rookie_Ratings();
    Create_Season_Schedule();
    Set_Built_League_Control();
    Set_Team_Schemes_And_Playbooks();
    Set_Default_Defensive_Schemes();
    Reset_Run_Pass_Balances();
    Apply_Rookie_Contract_Options(1);
    if (nYear < FIRST_CAP_YEAR) {
        Fit_All_Payrolls_To_Cap();
        Step_Progress_Window(1);
    }
    Import_Cap_Room_File();
    Step_Progress_Window(1);
    if (bProgress)
        Close_Progress_Window();
    return BUILD_OK;
}

// ---- one universe -------------------------------------------------------------------------------

static void Start_Roster_Match_Reports(void) {
    Platform_Make_Directory("output");
    Platform_Remove_File(ROSTER_DOUBLES_PATH);
    Append_Format_To_File(ROSTER_DOUBLES_PATH, "Names found twice in game database:\n\n");
    Platform_Remove_File(ROSTER_UNKNOWNS_PATH);
    Append_Format_To_File(ROSTER_UNKNOWNS_PATH, "Names not found in game database:\n\n");
}

// The league and teams files are what a league is made of: without them nothing is built.
static int Has_League_Frame_Files(int nYear) {
    const char* const aszFormats[] = {LEAGUE_FILE_FORMAT, TEAMS_FILE_FORMAT};
    for (const char* szFormat : aszFormats) {
        char szPath[IMPORT_PATH_SIZE];
        Format_String(szPath, sizeof(szPath), szFormat, nYear);
        if (!File_Exists(szPath)) {
            Show_Message_Box("Database Not Built",
                             "%s is missing, so no %d database was built. The universe files "
                             "are unchanged.",
                             szPath, nYear);
            return 0;
        }
    }
    return 1;
}

int Clamp_Build_Year(int nYear) {
    return Clamp(nYear, FIRST_BUILD_YEAR, LAST_BUILD_YEAR);
}

void Get_Built_Universe_Path(int nYear, char* szPath, int nSize) {
    Format_String(szPath, nSize, UNIVERSE_FILE_FORMAT, nYear);
}

// The build from the default universe to the saved file; the league in memory is the built one
// after BUILD_OK, anything in between after a failure.
static int Build_And_Save_Universe(int nYear) {
    Start_Roster_Match_Reports();
    int nVersion;
    if (!Read_Game_File(DEFAULT_UNIVERSE_FILE_NAME, &nVersion)) {
        Show_Message_Box("Database Not Built",
                         "%s could not be read, so no %d database was built. The universe files "
                         "are unchanged.",
                         DEFAULT_UNIVERSE_FILE_NAME, nYear);
        return BUILD_NO_BASE_UNIVERSE;
    }
    Set_User_Preference(PREF_LIST_POSITION, ALL_POSITIONS);
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nYear);
    Update_Inflation_Factor();
    int nBuilt = Build_Season_Database();
    if (nBuilt != BUILD_OK) {
        Show_Message_Box("Database Not Built",
                         "The %d import files made no %s, so no %d database was built. The "
                         "universe files are unchanged.",
                         nYear, nBuilt == BUILD_NO_TEAMS ? "team" : "player", nYear);
        return nBuilt;
    }
    Remove_Invalid_Position_Players();
    Load_All_Time_Leaders();
    Rebuild_Player_ID_Hash();
    Rebuild_Ostrel_ID_Hash();
    Rebuild_Player_Name_Hash();
    Update_Record_Book(RECORD_BOOK_CAREER | RECORD_BOOK_RESET_ELIGIBILITY);
    Import_Personnel_File();
    Set_All_Depth_Charts(0);
    Set_Computer_Run_Pass_Balance();
    Write_Draft_Class_Database();
    Set_User_Preference(PREF_BUILT_UNIVERSE, 1);
    gCommissionerMode = 0;  // held on for the build; the computer manager runs its teams
    char szPath[IMPORT_PATH_SIZE];
    Get_Built_Universe_Path(nYear, szPath, sizeof(szPath));
    if (Save_Game_File(szPath, NULL) != SAVE_OK) {
        Show_Message_Box("Database Not Built", "The %d database was not saved: %s", nYear,
                         Get_Save_Failure_Reason());
        return BUILD_NOT_SAVED;
    }
    Export_Player_Ratings_CSV(ALL_POSITIONS, nYear);
    return BUILD_OK;
}

// A build that fails leaves the league in memory as it was before, as well as the files.
int Create_Universe_For_Year(int nYear) {
    nYear = Clamp_Build_Year(nYear);
    if (!Has_League_Frame_Files(nYear))
        return BUILD_NO_LEAGUE_FILES;
    SAVED_STATE* pBefore = Take_League_Snapshot();
    if (pBefore == NULL) {
        Show_Message_Box("Database Not Built",
                         "There is not enough memory to keep the game in progress while the %d "
                         "database is built.",
                         nYear);
        return BUILD_NO_MEMORY;
    }
    int nBuilt = Build_And_Save_Universe(nYear);
    if (nBuilt != BUILD_OK)
        Restore_League_Snapshot(pBefore);
    Free_League_Snapshot(pBefore);
    return nBuilt;
}

int Create_Historical_Universes(int nFirstYear, int nLastYear) {
    int nBuilt = 0;
    for (int nYear = nFirstYear; nYear <= nLastYear; nYear++)
        nBuilt += Create_Universe_For_Year(nYear) == BUILD_OK;
    Write_Historical_Stats_File();
    return nBuilt;
}

int Create_All_Historical_Universes(void) {
    return Create_Historical_Universes(FIRST_BUILD_YEAR, LAST_HISTORICAL_YEAR);
}
