// The upgrade steps that bring a league read from a file of an older version up to date. Each
// step is guarded by a version threshold; files below 2180 and files from 2180 on have a chain
// each.
#include <string.h>

#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "shell/shell.h"
#include "tools/tools.h"

#define OVERTIME_YEAR 2013
#define SHORT_PLAYER_HEIGHT 48  // inches; shorter is a damaged record
#define WEIGHT_PER_INCH 10
#define NEW_LEAGUE_NAME_YEAR 1970
#define LEAGUE_NAME_TEXT_SIZE 4
#define DRAFT_CLASS_YEAR 2021
#define PHOTO_PROGRESS_STEPS 75
#define CORRUPTED_DAY_OF_YEAR 100
#define FIRST_DAY_OF_SEASON 249

// ---- the season counter of files below 1803 -----------------------------------------------------

// Old files could hold a week whose calendar day wraps round to day 100; when games were already
// started in that season it is over and is handed over to the next.
void Repair_Corrupted_Season_Counter(void) {
    if (gCurrentWeek == OFF_SEASON_WEEK)
        return;
    uint32_t uDay = (uint32_t)gCurrentWeek * 7u + FIRST_DAY_OF_SEASON;
    if (uDay != CORRUPTED_DAY_OF_YEAR)
        return;
    int nStarts = 0;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            nStarts += Get_Player_Stat(nTeam, nSlot, SEASON_CURRENT, STAT_STARTS);
    }
    if (nStarts > 0) {
        Show_Message_Box("Converting Game From Previous Version",
                         "Incrementing Season in corrupted game file.");
        Process_Off_Season();
    }
}

// ---- the steps of old files ---------------------------------------------------------------------

static int Is_Regular_Season_Over(void) {
    return gCurrentWeek >= Get_Postseason_Week(0);
}

static void Reset_Draft_Pool_After_Season(void) {
    if (Is_Regular_Season_Over() && !Is_College_Draft_On())
        Reset_Draft_Pool();
}

static void Set_Modern_Overtime_Rule(void) {
    if (Get_Season_Year() > OVERTIME_YEAR)
        gOvertimeRule = 1;
}

static void Recalculate_All_Ratings(void) {
    Calculate_All_Player_Ratings();
    Repair_Missing_Ratings();
    Normalize_Player_Ratings();
}

static void Repair_Player_Height(int nTeam, int nSlot) {
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT) >= SHORT_PLAYER_HEIGHT)
        return;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (!Is_Position_Code_Valid(nPosition))
        return;
    int nExtraWeight =
        Get_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT) - Get_Position_Mean_Weight(nPosition);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT,
                          Get_Position_Mean_Height(nPosition) + nExtraWeight / WEIGHT_PER_INCH);
}

static void Repair_Player_Heights(void) {
    For_Each_Roster_Player(Repair_Player_Height);
}

static void Update_League_Finances(void) {
    Compute_League_Wealth_Index();
    Compute_Weekly_League_Revenue();
}

static void Load_Fantasy_Draft_If_Running(void) {
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= 1)
        Load_Fantasy_Draft_State();
}

static void Install_Photos_And_Logos(void) {
    Open_Progress_Window("Downloading Player Photos and Team Logos", PHOTO_PROGRESS_STEPS);
    Install_Player_Photos();
    Install_Team_Logos();
    Close_Progress_Window();
}

static void Set_Old_Overtime_Period_Length(void) {
    Set_Overtime_Period_Length();
}

static void Set_Kickoff_And_Missed_Field_Goal_Spots(void) {
    Set_Kickoff_Location();
    Set_Missed_Field_Goal_Spot();
}

// Each league name becomes its first letter and "FC", or "FL" before 1970.
static void Rebuild_League_Names(void) {
    const char* szFormat = Get_Season_Year() >= NEW_LEAGUE_NAME_YEAR ? "%cFC" : "%cFL";
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        if (!gLeagueNames[nLeague][0])
            continue;
        char szName[LEAGUE_NAME_TEXT_SIZE];
        Format_String(szName, sizeof(szName), szFormat, gLeagueNames[nLeague][0]);
        Set_League_Abbreviation(nLeague, szName);
    }
}

static void Apply_Old_Rookie_Contract_Options(void) {
    Apply_Rookie_Contract_Options(0);
}

static void Reset_First_Draft_Class_And_Birth_Dates(void) {
    if (gSeasonNumber == 0 && Get_Universe_Stat(UNIVERSE_FIRST_YEAR) == DRAFT_CLASS_YEAR &&
        !Is_College_Draft_On())
        Reset_Draft_Pool();
    Reset_Implausible_Birth_Dates();
}

// ---- the steps of files from 2180 ---------------------------------------------------------------

static void End_Old_Draft(void) {
    gDraftRound = NO_DRAFT_ROUND;
}

static void Clear_Retired_Setting(void) {
    Set_User_Preference(PREF_RETIRED_SETTING, 0);
}

static void Reset_Defensive_Schemes_And_Balance(void) {
    Set_Default_Defensive_Schemes();
    Reset_Run_Pass_Balance();
}

// Old files marked the unplayed weeks with game index 0 instead of "none".
static void Repair_Future_Game_Indexes(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        for (int nWeek = Max_Int(gCurrentWeek, 0); nWeek < SCHEDULE_WEEKS; nWeek++) {
            if (Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_GAME_INDEX) == 0)
                Set_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_GAME_INDEX, NO_GAME_INDEX);
        }
    }
}

static void Compute_Draft_Order_After_Season(void) {
    if (Is_Regular_Season_Over())
        Compute_Draft_Order();
}

static void Apply_Season_Rules_And_Weather(void) {
    Apply_Season_Rules();
    Copy_Old_Game_Weather();
}

static void Allow_Roster_Auto_Fill(void) {
    gAutoFillRosters = 1;
}

static void Set_Overtime_Rules_And_Skin(void) {
    Set_Overtime_Rules();
    Set_Skin_Name("earth");
}

static void Convert_Players_And_Ratings(void) {
    Convert_Old_Player_Fields();
    Recalculate_All_Ratings();
}

// ---- the chains ---------------------------------------------------------------------------------

// Which versions a step runs for, by its threshold.
enum UPGRADE_GUARD { BELOW = 0, AT_MOST, ALWAYS };

typedef struct UPGRADE_STEP {
    int nThreshold;
    UPGRADE_GUARD nGuard;
    void (*pfnStep)(void);
} UPGRADE_STEP;

static const UPGRADE_STEP kChainBelow2180[] = {
    {SAVE_VERSION_OVERTIME_RULE, AT_MOST, Set_Modern_Overtime_Rule},
    {SAVE_VERSION_RATINGS_RECALCULATED, BELOW, Recalculate_All_Ratings},
    {SAVE_VERSION_HEIGHT_REPAIR, BELOW, Repair_Player_Heights},
    {SAVE_VERSION_LEAGUE_WEALTH, BELOW, Update_League_Finances},
    {SAVE_VERSION_FANTASY_DRAFT_STATE, BELOW, Load_Fantasy_Draft_If_Running},
    {SAVE_VERSION_RATINGS_NORMALIZED, AT_MOST, Normalize_Player_Ratings},
    {SAVE_VERSION_OVERTIME_LENGTH, BELOW, Set_Old_Overtime_Period_Length},
    {SAVE_VERSION_LIST_COLUMNS, AT_MOST, Reset_Listview_Column_Preferences},
    {SAVE_VERSION_RED_ZONE_BLEND, BELOW, Apply_Red_Zone_Blend},
    {SAVE_VERSION_EXPANDED_POSITIONS, BELOW, Reset_Expanded_Position_Bytes},
    {SAVE_VERSION_PHOTOS_AND_LOGOS, BELOW, Install_Photos_And_Logos},
    {SAVE_VERSION_KICKOFF_SPOTS, BELOW, Set_Kickoff_And_Missed_Field_Goal_Spots},
    {SAVE_VERSION_LEAGUE_NAMES, AT_MOST, Rebuild_League_Names},
    {SAVE_VERSION_SEASON_COUNTER, BELOW, Repair_Corrupted_Season_Counter},
    {SAVE_VERSION_ROOKIE_OPTIONS, AT_MOST, Apply_Old_Rookie_Contract_Options},
    {SAVE_VERSION_BIRTH_DATES, BELOW, Reset_First_Draft_Class_And_Birth_Dates},
};

static const UPGRADE_STEP kChainFrom2180[] = {
    {SAVE_VERSION_RECORD_BOOK, BELOW, Clear_Record_Book},
    {SAVE_VERSION_DRAFT_ROUND, BELOW, End_Old_Draft},
    {SAVE_VERSION_RETIRED_SETTING, BELOW, Clear_Retired_Setting},
    {SAVE_VERSION_WEEKLY_COUNTER, BELOW, Set_All_Players_Vital_6},
    {SAVE_VERSION_PLAYBOOKS, AT_MOST, Reset_All_Playbooks},
    {SAVE_VERSION_DEFENSIVE_SCHEMES, BELOW, Reset_Defensive_Schemes_And_Balance},
    {SAVE_VERSION_POSITION_CODES, BELOW, Convert_Old_Position_Codes},
    {SAVE_VERSION_FUTURE_GAME_INDEXES, BELOW, Repair_Future_Game_Indexes},
    {SAVE_VERSION_DRAFT_ORDER, BELOW, Compute_Draft_Order_After_Season},
    {SAVE_VERSION_SEASON_RULES, BELOW, Apply_Season_Rules_And_Weather},
    {SAVE_VERSION_TWO_POINT_RULE, BELOW, Set_Two_Point_Conversions},
    {SAVE_VERSION_AUTO_FILL_ROSTERS, BELOW, Allow_Roster_Auto_Fill},
    {SAVE_VERSION_SALARY_REPAIR, BELOW, Repair_Corrupt_Salaries},
    {SAVE_VERSION_OVERTIME_RULES, BELOW, Set_Overtime_Rules_And_Skin},
    {0, ALWAYS, Convert_Players_And_Ratings},
};

#define COUNT_OF(a) ((int)(sizeof(a) / sizeof((a)[0])))

static void Run_Chain(const UPGRADE_STEP* pSteps, int nCount, int nVersion) {
    for (int n = 0; n < nCount; n++) {
        const UPGRADE_STEP* pStep = &pSteps[n];
        int bRuns = pStep->nGuard == ALWAYS || nVersion < pStep->nThreshold ||
                    (pStep->nGuard == AT_MOST && nVersion == pStep->nThreshold);
        if (bRuns)
            pStep->pfnStep();
    }
}

void Run_New_Game_Defaults_Upgrade(int nVersion) {
    if (nVersion >= SAVE_VERSION_FIRST_THOUSANDS && nVersion <= SAVE_VERSION_NEW_GAME_DEFAULTS)
        Set_New_Game_Defaults();
}

void Run_Roster_Upgrades(int nVersion) {
    if (nVersion < SAVE_VERSION_TWO_WAY_PLAYERS)
        Remove_Two_Way_Specialists();
    if (nVersion >= SAVE_VERSION_FIRST_THOUSANDS && nVersion <= SAVE_VERSION_DRAFT_POOL_RESET)
        Reset_Draft_Pool_After_Season();
}

void Run_Version_Upgrade_Chain(int nVersion) {
    if (nVersion < SAVE_VERSION_FIRST_THOUSANDS)
        Run_Chain(kChainBelow2180, COUNT_OF(kChainBelow2180), nVersion);
    else
        Run_Chain(kChainFrom2180, COUNT_OF(kChainFrom2180), nVersion);
}
