// The texts of the Finances page's 50 columns for a team or the league average: money,
// attendance, franchise history, the grades of the position units and the team's ranks.
#include <stdlib.h>

#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"

#define EN_DASH "\x96"
#define CHAMPION_FINISH 7  // finish codes above: the championship won
#define FINALIST_FINISH 6
#define PLAYOFF_FINISH 3
#define UNIT_GRADE_FLOOR 3
#define TEAM_GRADE_FLOOR 2
#define UNIT_GRADE_HALF 500
#define TEAM_GRADE_BASE 1100
#define RANK_SPREAD 200

// How a column shows one financial stat.
enum MONEY_FORM {
    FORM_DOLLARS,        // Format_Money_Dollars
    FORM_THOUSANDS,      // Format_Money
    FORM_COMMAS,         // Format_With_Commas
    FORM_MILLIONS_2,     // thousands as "$%d.%02dM", the remainder in tens
    FORM_MILLIONS_1,     // thousands as "$%d.%dM", the remainder in hundreds
    FORM_TENTHS,         // "%d.%d"
    FORM_SIGNED_TENTHS,  // "%d.%d", "-%d.%d" below 0
    FORM_PERCENT_TENTHS  // "%d.%d%%", "-%d.%d%%" below 0
};

typedef struct MONEY_COLUMN {
    int nColumn;
    int nStat;
    int nForm;
    int bDashUnderFantasy;
} MONEY_COLUMN;

static const MONEY_COLUMN kMoneyColumns[] = {
    {7, FIN_AVERAGE_SALARY, FORM_MILLIONS_2, 1},
    {8, FIN_PAYROLL, FORM_MILLIONS_1, 0},
    {9, FIN_AVERAGE_AGE, FORM_TENTHS, 1},
    {10, FIN_AVERAGE_YEARS_LEFT, FORM_TENTHS, 1},
    {11, FIN_REVENUE, FORM_DOLLARS, 0},
    {12, FIN_EXPENSES, FORM_DOLLARS, 0},
    {13, FIN_PROFIT, FORM_DOLLARS, 0},
    {14, FIN_PROJECTED_REVENUE, FORM_THOUSANDS, 0},
    {15, FIN_CASH, FORM_DOLLARS, 0},
    {16, FIN_CASH_TO_REVENUE, FORM_PERCENT_TENTHS, 0},
    {20, FIN_REVENUE_INDEX, FORM_SIGNED_TENTHS, 0},
    {21, FIN_LEAGUE_PAYMENTS, FORM_DOLLARS, 0},
    {22, FIN_CONCESSIONS_NET, FORM_DOLLARS, 0},
    {23, FIN_REVENUE_FORECAST, FORM_DOLLARS, 0},
    {36, FIN_EXPENSES_FORECAST, FORM_DOLLARS, 0},
    {37, FIN_PROFIT_FORECAST, FORM_DOLLARS, 0},
    {38, FIN_AVERAGE_BONUS, FORM_MILLIONS_2, 1},
    {39, FIN_GATE_REVENUE, FORM_DOLLARS, 0},
    {40, FIN_SEASON_SPENDING_B, FORM_DOLLARS, 0},
    {41, FIN_SEASON_SPENDING_A, FORM_DOLLARS, 0},
    {42, FIN_HOME_ATTENDANCE, FORM_COMMAS, 0},
    {43, FIN_ROAD_ATTENDANCE, FORM_COMMAS, 0},
    {44, FIN_CITY_AND_OPERATING_COSTS, FORM_DOLLARS, 0},
    {45, FIN_AVERAGE_ROAD_ATTENDANCE, FORM_COMMAS, 0},
};

static void Format_Money_Form(int nValue, int nForm, char* szOut, int nSize) {
    const char* szSign = nValue < 0 ? "-" : "";
    int nAbs = abs(nValue);
    switch (nForm) {
    case FORM_DOLLARS: Format_Money_Dollars(nValue, szOut, nSize); break;
    case FORM_THOUSANDS: Format_Money(nValue, szOut, nSize); break;
    case FORM_COMMAS: Format_With_Commas(nValue, szOut, nSize); break;
    case FORM_MILLIONS_2:
        Format_String(szOut, nSize, "$%d.%02dM", nValue / 1000, nValue % 1000 / 10);
        break;
    case FORM_MILLIONS_1:
        Format_String(szOut, nSize, "$%d.%dM", nValue / 1000, nValue % 1000 / 100);
        break;
    case FORM_TENTHS: Format_String(szOut, nSize, "%d.%d", nValue / 10, nValue % 10); break;
    case FORM_SIGNED_TENTHS:
        Format_String(szOut, nSize, "%s%d.%d", szSign, nAbs / 10, nAbs % 10);
        break;
    default: Format_String(szOut, nSize, "%s%d.%d%%", szSign, nAbs / 10, nAbs % 10);
    }
}

static int Is_Fantasy_League(void) {
    return Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) > 0;
}

// Past seasons with a finish above the code, and what the team won before the first season.
static int Count_Finishes_Above(int nTeam, int nCode, int nBefore) {
    int nCount = nBefore;
    for (int nSeason = 0; nSeason < gSeasonNumber; nSeason++)
        nCount += Get_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINISH) > nCode;
    return nCount;
}

static void Format_Grade(int nGrade, char* szOut, int nSize) {
    Get_Letter_Grade(nGrade, szOut, nSize);
}

// The offence's or the defence's grade: its units' indexes weighed, less its strength rank.
static int Get_Side_Grade(int nTeam, int bDefence) {
    static const int kOffenceWeights[] = {7, 2, 2, 4, 5};  // units 0..4, of 20
    static const int kDefenceWeights[] = {3, 3, 2, 2};     // units 5..8, of 10
    const int* pnWeights = bDefence ? kDefenceWeights : kOffenceWeights;
    int nUnits = bDefence ? 4 : 5, nFirst = bDefence ? 5 : 0, nWhole = bDefence ? 10 : 20;
    int nSum = 0;
    for (int n = 0; n < nUnits; n++)
        nSum += pnWeights[n] * Get_Team_Unit_Index(nTeam, nFirst + n);
    int nIndex = nSum / nWhole;
    int nTeams = Count_Active_Teams();
    int nRank = bDefence ? Get_Team_Defense_Rank(nTeam) : Get_Team_Offense_Rank(nTeam);
    int nRankPart = nTeams > 1 ? Round_Ratio(nRank, nTeams - 1, RANK_SPREAD) : 0;
    return Max_Int(TEAM_GRADE_FLOOR,
                   Get_Rating_Grade((2 * nIndex - nRankPart + TEAM_GRADE_BASE) / 3));
}

// The unit grades and the team's ranks, which the league-average row shows as a dash.
static int Is_Team_Grade_Column(int nColumn) {
    return (nColumn >= FINANCE_UNIT_GRADES && nColumn < FINANCE_UNIT_GRADES + TEAM_UNIT_COUNT) ||
           (nColumn >= FINANCE_POWER_RANK && nColumn <= FINANCE_OVERALL);
}

static void Format_Team_Grade_Column(int nTeam, int nColumn, char* szOut, int nSize) {
    switch (nColumn) {
    case FINANCE_POWER_RANK:
        Format_String(szOut, nSize, "%d", Get_Team_Power_Rank(nTeam) + 1);
        break;
    case FINANCE_OFFENSE: Format_Grade(Get_Side_Grade(nTeam, 0), szOut, nSize); break;
    case FINANCE_DEFENSE: Format_Grade(Get_Side_Grade(nTeam, 1), szOut, nSize); break;
    case FINANCE_OVERALL:
        Format_Grade(Max_Int(TEAM_GRADE_FLOOR, Get_Rank_Grade(Get_Team_Overall_Rank(nTeam))),
                     szOut, nSize);
        break;
    default: {
        int nIndex = Get_Team_Unit_Index(nTeam, nColumn - FINANCE_UNIT_GRADES);
        Format_Grade(Max_Int(UNIT_GRADE_FLOOR, Get_Rating_Grade(nIndex / 2 + UNIT_GRADE_HALF)),
                     szOut, nSize);
    }
    }
}

// The franchise's history: a team's own count, or the league's mean for the average row.
static void Format_History_Column(int nTeam, int nColumn, char* szOut, int nSize) {
    int bAverage = nTeam == LEAGUE_AVERAGE_TEAM;
    int nValue;
    if (nColumn == FINANCE_RATING) {
        int nTenths = Get_Team_History_Stat(bAverage ? ALL_TEAMS_AVERAGE : nTeam, HISTORY_SUCCESS);
        Format_String(szOut, nSize, "%d.%d", nTenths / 10, abs(nTenths % 10));
        return;
    }
    if (nColumn == FINANCE_TITLES)
        nValue = bAverage ? Get_Team_History_Stat(ALL_TEAMS_AVERAGE, HISTORY_TITLES)
                          : Count_Finishes_Above(nTeam, CHAMPION_FINISH,
                                                 Get_Team_Stat(nTeam, TEAM_PRE_TITLE_GAMES));
    else if (nColumn == FINANCE_LEAGUE_TITLES)
        nValue = bAverage ? Get_Team_History_Stat(ALL_TEAMS_AVERAGE, HISTORY_FINALS)
                          : Count_Finishes_Above(nTeam, FINALIST_FINISH,
                                                 Get_Team_Stat(nTeam, TEAM_PRE_TITLES));
    else
        nValue = bAverage ? Get_Team_History_Stat(ALL_TEAMS_AVERAGE, HISTORY_PLAYOFF_SEASONS)
                          : Count_Finishes_Above(nTeam, PLAYOFF_FINISH, 0);
    Format_String(szOut, nSize, "%d", nValue);
}

static const MONEY_COLUMN* Find_Money_Column(int nColumn) {
    for (const MONEY_COLUMN& column : kMoneyColumns) {
        if (column.nColumn == nColumn)
            return &column;
    }
    return NULL;
}

int Get_Team_Info_Cell_Text(int nColumn, int nTeam, char* szOut, int nSize) {
    szOut[0] = 0;
    int bAverage = nTeam == LEAGUE_AVERAGE_TEAM;
    if (!bAverage && !Is_Team_Active(nTeam))
        return 0;
    const MONEY_COLUMN* pMoney = Find_Money_Column(nColumn);
    if (pMoney != NULL) {
        if (pMoney->bDashUnderFantasy && Is_Fantasy_League())
            safe_strncpy(szOut, EN_DASH, nSize);
        else
            Format_Money_Form(Get_Team_Financial_Stat(nTeam, pMoney->nStat), pMoney->nForm, szOut,
                              nSize);
        return 1;
    }
    if (Is_Team_Grade_Column(nColumn)) {
        if (bAverage)
            safe_strncpy(szOut, EN_DASH, nSize);
        else
            Format_Team_Grade_Column(nTeam, nColumn, szOut, nSize);
        return 1;
    }
    switch (nColumn) {
    case FINANCE_RATING:
    case FINANCE_TITLES:
    case FINANCE_LEAGUE_TITLES:
    case FINANCE_PLAYOFFS: Format_History_Column(nTeam, nColumn, szOut, nSize); return 1;
    case FINANCE_LOYALTY:
        Format_Grade(Get_Rating_Grade(Get_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT)), szOut,
                     nSize);
        return 1;
    case FINANCE_ATTENDANCE: {
        int nAttendance = Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_HOME_ATTENDANCE);
        if (nAttendance > 0)
            Format_With_Commas(nAttendance, szOut, nSize);
        else
            safe_strncpy(szOut, "n/a", nSize);
        return 1;
    }
    case FINANCE_TICKET_PRICE: {
        int nCents = Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE);
        Format_String(szOut, nSize, "$%d.%02d", nCents / 100, nCents % 100);
        return 1;
    }
    case FINANCE_CAP_ROOM:
        if (Get_Universe_Stat(UNIVERSE_SALARY_CAP) <= 0)
            Format_Money_Dollars(Get_Team_Payroll_Budget(nTeam), szOut, nSize);
        else
            Format_Money_Dollars(Get_Team_Financial_Stat(nTeam, FIN_CAP_ROOM) * 1000, szOut,
                                 nSize);
        return 1;
    case FINANCE_MEDICAL:
    case FINANCE_SCOUTING: {
        int nStat = nColumn == FINANCE_MEDICAL ? FIN_MEDICAL_LEVEL : FIN_SCOUTING_LEVEL;
        Format_Grade(Get_Rank_Grade(Get_Team_Financial_Rank(nTeam, nStat)), szOut, nSize);
        return 1;
    }
    default: return 0;
    }
}
