// The preferences a new game starts with: the pages' columns, the ticker and the period shown,
// the user's team and manager, the season rules, the skin and the save name.

#include "database/database.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define AVERAGE_AGE_BEFORE_YEAR 1966  // the first season with a title game to count
#define FINANCES_AVERAGE_AGE 9
#define FINANCES_TITLE_WINS 1
#define NEW_GAME_TEXT_SPEED 300

template <int N>
static void Set_Preference_Run(int nFirst, const int (&anValues)[N]) {
    for (int n = 0; n < N; n++)
        Set_User_Preference(nFirst + n, anValues[n]);
}

static void Set_Page_Column_Defaults(void) {
    static const int kStandingsColumns[] = {2, 0, 5, 7, 8};
    static const int kFinancesColumns[] = {46, 8, 17, 47, 48, 49, 2};
    static const int kLeadersCategories[] = {2, 11, 15, 24};
    static const int kCalendarColumns[] = {18, 2, 3, 4, 5};
    Set_Preference_Run(PREF_STANDINGS_COLUMNS, kStandingsColumns);
    Set_Preference_Run(PREF_FINANCES_COLUMNS, kFinancesColumns);
    Set_User_Preference(PREF_FINANCES_LAST_COLUMN, Get_Season_Year() < AVERAGE_AGE_BEFORE_YEAR
                                                       ? FINANCES_AVERAGE_AGE
                                                       : FINANCES_TITLE_WINS);
    Set_Preference_Run(PREF_LEADER_CATEGORIES, kLeadersCategories);
    Set_User_Preference(PREF_LEADER_VIEW, 0);
    Set_Preference_Run(PREF_CALENDAR_COLUMNS, kCalendarColumns);
}

// The first human-run team is the one the dialogs show and, when a person runs it, the user's.
// Its league is the one the pages show, and its manager's name is the game's.
static void Set_User_Team_Defaults(void) {
    int nTeam = Get_Human_Team(0);
    gDialogTeam = nTeam;
    if (Is_Team_Active(nTeam) && !gAllTeamsComputer &&
        Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN)
        gUserTeam = nTeam;
    Set_User_Preference(PREF_LEAGUE_SHOWN, Get_Team_League(nTeam));
    if (!Is_Valid_Team(nTeam))
        return;
    char szManager[TEAM_STRING_SIZE];
    Get_Team_String(szManager, sizeof szManager, nTeam, TEAM_MANAGER_NAME);
    Store_Manager_Name_In_Fame_File(szManager);
    Set_Manager_Name(szManager);
}

void Set_New_Game_Defaults(void) {
    Set_Page_Column_Defaults();
    gShowNewsTicker = 1;
    gStatPeriod = 1;
    gScoutSlot = 0;
    Set_User_Team_Defaults();
    gSelectedGame = -1;
    gTextDisplaySpeed = NEW_GAME_TEXT_SPEED;
    Apply_Season_Rules();
    Set_Skin_Name("earth");
    char szDescription[TEXT_BUFFER_SIZE];
    Format_Saved_Game_Description(szDescription, sizeof szDescription);
    Set_Saved_Game_Name(szDescription);
}
