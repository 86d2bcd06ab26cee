// The user preferences a new game starts with.
#include "database/database.h"

#define AVERAGE_AGE_COLUMN_YEAR 1966

template <int N>
static void Set_Preferences(int nFirst, const int (&anValues)[N]) {
    for (int n = 0; n < N; n++)
        Set_User_Preference(nFirst + n, anValues[n]);
}

// The page columns, the shown period and the skin; the user's team, the manager's name, the season
// rules and the save name stay as they are.
// STAND-IN(database): sets the user's team, manager name, season rules and save name as well.
void Set_New_Game_Defaults(void) {
    static const int kStandingsColumns[] = {2, 0, 5, 7, 8};
    static const int kFinancesColumns[] = {46, 8, 17, 47, 48, 49, 2};
    static const int kLeadersCategories[] = {2, 11, 15, 24};
    static const int kCalendarColumns[] = {18, 2, 3, 4, 5};
    Set_Preferences(PREF_STANDINGS_COLUMNS, kStandingsColumns);
    Set_Preferences(PREF_FINANCES_COLUMNS, kFinancesColumns);
    Set_User_Preference(PREF_FINANCES_LAST_COLUMN,
                        Get_Season_Year() < AVERAGE_AGE_COLUMN_YEAR ? 9 : 1);
    Set_Preferences(PREF_LEADER_CATEGORIES, kLeadersCategories);
    Set_User_Preference(PREF_LEADER_VIEW, 0);
    Set_Preferences(PREF_CALENDAR_COLUMNS, kCalendarColumns);
    gShowNewsTicker = 1;
    gStatPeriod = 1;
    gScoutSlot = 0;
    gSelectedGame = -1;
    gTextDisplaySpeed = 300;
    Set_Skin_Name("earth");
}
