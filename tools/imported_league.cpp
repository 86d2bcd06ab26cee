// The league-wide defaults of a newly built universe: calendar, draft state, the season's rules
// and cap, and the settings a new league starts with.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "tools/tools.h"

#define FIRST_NAMES_FILE "names\\first.txt"
#define LAST_NAMES_FILE "names\\last.txt"

// User preferences a new league starts with, as (entry, value); their readers give them meaning.
static const int kFirstPreferences[][2] = {{PREF_NEW_LEAGUE_SETTING, 0},
                                           {PREF_NEW_LEAGUE_LEVEL, 3}};
static const int kLeaguePreferences[][2] = {
    {PREF_LEAGUE_SETTINGS_FIRST, 50},     {PREF_LEAGUE_SETTINGS_FIRST + 1, 50},
    {PREF_LEAGUE_SETTINGS_FIRST + 2, 50}, {PREF_LEAGUE_SETTINGS_FIRST + 3, 50},
    {PREF_LEAGUE_SETTINGS_FIRST + 4, 50}, {PREF_LEAGUE_SETTINGS_FIRST + 5, 50},
    {PREF_LEAGUE_AMOUNT, 20000}};
// Automatic standings, awards and finances text output.
static const int kOutputPreferences[][2] = {
    {PREF_STANDINGS_OUTPUT, 1}, {PREF_AWARDS_OUTPUT, 1}, {PREF_FINANCES_OUTPUT, 1}};

static void Set_Preferences(const int (*pEntries)[2], int nCount) {
    for (int i = 0; i < nCount; i++)
        Set_User_Preference(pEntries[i][0], pEntries[i][1]);
}
#define SET_PREFERENCES(aEntries) Set_Preferences(aEntries, sizeof(aEntries) / sizeof(aEntries[0]))

void Init_Imported_League(void) {
    gSeasonNumber = 0;
    int nYear = Get_Season_Year();
    gCurrentWeek = 0;
    gSelectedGame = -1;
    SET_PREFERENCES(kFirstPreferences);
    Reset_Listview_Column_Preferences();

    gDraftRound = NO_DRAFT_ROUND;
    gDraftPick = Count_Active_Teams();

    gOvertimeGames = nYear > 1973;
    gPlayoffOvertimeRule =
        nYear >= 2010 ? OVERTIME_SIX_POINT_THRESHOLD_NO_TIES : OVERTIME_SUDDEN_DEATH_NO_TIES;
    gOvertimeRule = nYear > 2012 ? OVERTIME_SIX_POINT_THRESHOLD : OVERTIME_SUDDEN_DEATH;

    Reset_Draft_Pick_Ownership();
    gSimulationRunning = 0;
    gResumeAdvance = 0;
    SET_PREFERENCES(kLeaguePreferences);
    gCommissionerMode = 1;  // the computer manager keeps out while the league is built

    Set_User_Preference(PREF_FIRST_NAME_LINES, Count_File_Lines(FIRST_NAMES_FILE));
    Set_User_Preference(PREF_LAST_NAME_LINES, Count_File_Lines(LAST_NAMES_FILE));

    Set_Universe_Stat(UNIVERSE_FANTASY_DRAFT, 0);
    Set_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS, 0);
    Set_Universe_Stat(UNIVERSE_KEEP_RATINGS, 0);
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, Get_Season_Salary_Cap(nYear));

    gSuperBowl = nYear >= 1966;
    gNoSameDivisionDivisionalRound = nYear < 1990;
    Apply_Season_Rules();

    gDarkText = 1;
    SET_PREFERENCES(kOutputPreferences);
    Update_Standings();
    Project_Draft_Order();
    Set_All_Players_Vital_6();
}
