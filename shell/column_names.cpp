// The header texts of the columns the user chooses on the Calendar, Leaders, Finances and
// Standings pages.

#include "database/database.h"
#include "shell/shell.h"

#define COLUMN_TEAM_TITLES 2
#define COLUMN_CAP_ROOM 17

static const char* const kTeamStatColumns[] = {
    "Total\nYards",      "Yards\nAllowed",       "Passing\nYards", "Rushing\nYards",
    "Pass\nDefense",     "Rush\nDefense",        "Turnovers",      "Takeaways",
    "Turnover\n+/-",     "Time of\nPossession",  "Yards/Play",     "Yards/Play\nAllowed",
    "Third\nDown",       "Fourth\nDown",         "Sacks",          "Sacks\nAllowed",
    "Red Zone\nScoring", "Red Zone\nTouchdowns", "Point\nSpread",  "Over/Under",
};

static const char* const kPlayerLeaderColumns[] = {
    "Passing Attempts",
    "Completions",
    "Pass Yards",
    "Completion %",
    "Pass TDs",
    "Yards/Attempt",
    "QB Rating",
    "Passing/Game",
    "Kick Return Avg.",
    "Kick Return TDs",
    "Rushes",
    "Rush Yards",
    "Rushing TDs",
    "Yards/Rush",
    "Receptions",
    "Receiving Yards",
    "Receiving TDs",
    "Yards/Recept",
    "Catch Rate",
    "Punt Return Avg.",
    "Punt Return TDs",
    "Tackles (Solo + Asst)",
    "Passes Defended",
    "Fumbles Forced",
    "Sacks",
    "Interceptions",
    "Field Goals",
    "Field Goal %",
    "Punt Average",
    "Cap Impact",
};

static const char* const kTeamInfoColumns[] = {
    "Rating",         "SB Wins",         "%s Titles",    "Playoffs",
    "Loyalty",        "Attendance",      "Ticket Price", "Avg. Salary",
    "Payroll",        "Avg. Age",        "Contract",     "Revenue",
    "Expenses",       "Profit",          "Franchise",    "Cash",
    "Liquidity",      "Cap Room",        "Medical",      "Scouting",
    "Bonus",          "Broadcast",       "Concessions",  "Proj. Revenue",
    "Quarterbacks",   "Running Backs",   "Tight Ends",   "Receivers",
    "Off. Line",      "Def. Line",       "Linebackers",  "Cornerbacks",
    "Safeties",       "Return Teams",    "Kickers",      "Punters",
    "Proj. Expenses", "Proj. Profit",    "Avg. Bonus",   "Tickets",
    "Medical Budget", "Scouting Budget", "Attendance",   "Road Attendance",
    "Overhead",       "Road Attendance", "Power Rank",   "Offense",
    "Defense",        "Overall",
};

static const char* const kStandingsColumns[STANDINGS_COLUMN_COUNT] = {
    "Last 3",         "Last 5",         "Streak",         "Home Record",    "Away Record",
    "Div. Record",    "Conf. Record",   "Points Scored",  "Points Allowed", "Total Yards",
    "Yards Allowed",  "Passing / Game", "Rushing / Game", "Pass Allowed",   "Rush Allowed",
    "Turnovers",      "Takeaways",      "Turnover\n+/-",  "Offense Rank",   "Defense Rank",
    "Passing Rank",   "Rushing Rank",   "Pass Def. Rank", "Rush Def. Rank", "Yards / Play",
    "Third Down",     "Sacks / Game",   "Sacked / Game",  "Rushes / Game",  "Passes / Game",
    "Yards / Rush",   "Yards / Pass",   "Plays / Game",   "Completion %",   "Interceptions",
    "Fum. Forced",    "Knockdowns",     "Fourth Down",    "Possession",     "Record (vs. Spread)",
    "Running Game",   "Passing Game",   "Run Defense",    "Pass Defense",   "Special Teams",
    "Offensive Line", "Rush Blocking",  "Pass Blocking",
};

static_assert(sizeof kTeamStatColumns / sizeof kTeamStatColumns[0] == 20);
static_assert(sizeof kPlayerLeaderColumns / sizeof kPlayerLeaderColumns[0] == 30);
static_assert(sizeof kTeamInfoColumns / sizeof kTeamInfoColumns[0] == 50);

// The list's text at the index (taken unsigned), or "".
template <int N>
static void Copy_Column_Name(char* szOut, int nSize, const char* const (&aszNames)[N], int nIndex) {
    safe_strncpy(szOut, (unsigned)nIndex < (unsigned)N ? aszNames[nIndex] : "", nSize);
}

void Get_Team_Stat_Column_Name(char* szOut, int nSize, int nIndex) {
    Copy_Column_Name(szOut, nSize, kTeamStatColumns, nIndex);
}

void Get_Player_Leader_Column_Name(char* szOut, int nSize, int nIndex) {
    Copy_Column_Name(szOut, nSize, kPlayerLeaderColumns, nIndex);
}

// The titles column names the league the pages show; the cap column becomes the payroll budget
// in a league without a salary cap.
void Get_Team_Info_Column_Name(char* szOut, int nSize, int nIndex) {
    if (nIndex == COLUMN_TEAM_TITLES) {
        char szLeague[TEXT_BUFFER_SIZE] = "";
        Get_League_Name(Get_User_Preference(PREF_LEAGUE_SHOWN), szLeague, sizeof szLeague);
        Format_String(szOut, nSize, "%s Titles", szLeague);
    } else if (nIndex == COLUMN_CAP_ROOM && Get_Universe_Stat(UNIVERSE_SALARY_CAP) <= 0) {
        safe_strncpy(szOut, "Payroll Budget", nSize);
    } else {
        Copy_Column_Name(szOut, nSize, kTeamInfoColumns, nIndex);
    }
}

void Get_Standings_Column_Name(char* szOut, int nSize, int nIndex) {
    Copy_Column_Name(szOut, nSize, kStandingsColumns, nIndex);
}

void Fill_Standings_Column_Combo(HWND hCombo) {
    for (int n = 0; n < STANDINGS_COLUMN_COUNT; n++)
        SendMessageA(hCombo, CB_INSERTSTRING, (WPARAM)n, (LPARAM)kStandingsColumns[n]);
}
