// A team's financial values: the checked reader and writer of the 80 stored ints, the league
// average, the neutral values of General Manager Mode, the derived values and the league ranks.
#include <stdint.h>
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"
#include "database/finance_internal.h"

#define STORED_FINANCIAL_STATS TEAM_FINANCIAL_STAT_COUNT
#define FANTASY_DRAFT_UNDER_WAY 1

// The per-season values cleared at the season change.
static const int kSeasonFinancialStats[] = {10, 14, 15, 19, 22, 29, 36, 51, 54, 57, 60, 63, 70, 72};

// ---- shared helpers ----------------------------------------------------------------------------

int Get_Season_Game_Count(void) {
    return Get_Universe_Stat(UNIVERSE_SEASON_GAMES);
}

int Is_Owner_Mode(void) {
    return gOwnerMode == 1;
}

int Is_Postseason_Week(void) {
    return gCurrentWeek >= Get_Regular_Season_Week_Count();
}

int Get_Stored_Financial_Stat(int nTeam, int nStat) {
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nStat < 0 || nStat >= STORED_FINANCIAL_STATS)
        return 0;
    return gTeams[nTeam].anFinancialStats[nStat];
}

void Add_Team_Financial_Stat(int nTeam, int nStat, int nAmount) {
    Set_Team_Financial_Stat(nTeam, nStat, Get_Stored_Financial_Stat(nTeam, nStat) + nAmount);
}

void Set_Team_Cash(int nTeam, int64_t nCash) {
    if (nCash < MIN_TEAM_CASH)
        nCash = MIN_TEAM_CASH;
    if (nCash > MAX_TEAM_CASH)
        nCash = MAX_TEAM_CASH;
    Set_Team_Financial_Stat(nTeam, FIN_CASH, (int)nCash);
}

// a x k / b rounded half up; when a is not a multiple of b and the two differ in sign the
// truncated quotient is lowered by one. 0 for b = 0.
static int Round_Ratio(int64_t a, int64_t b, int64_t k) {
    if (b == 0)
        return 0;
    int64_t q = (a * k + b / 2) / b;
    if (a % b != 0 && (a < 0) != (b < 0))
        q--;
    return (int)q;
}

// ---- player sums -------------------------------------------------------------------------------

// The vital stat of the team's players; during a fantasy draft of every player drafted to it.
// Returns how many values were written.
static int Collect_Team_Player_Values(int nTeam, int nVital, int* anValues) {
    int nCount = 0;
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= FANTASY_DRAFT_UNDER_WAY) {
        for (int nOwner = 0; nOwner < TOTAL_NUMBER_OF_TEAMS; nOwner++) {
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
                if (Is_Player_Slot_Used(nOwner, nSlot) &&
                    Get_Player_Vital_Stat(nOwner, nSlot, VITAL_DRAFTED_TO) == nTeam)
                    anValues[nCount++] = Get_Player_Vital_Stat(nOwner, nSlot, nVital);
            }
        }
        return nCount;
    }
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot))
            anValues[nCount++] = Get_Player_Vital_Stat(nTeam, nSlot, nVital);
    }
    return nCount;
}

static int Compare_Descending(const void* pA, const void* pB) {
    int a = *(const int*)pA;
    int b = *(const int*)pB;
    return (a < b) - (a > b);
}

// The sum of the vital stat over the team's players; nLargest > 0 keeps only that many of the
// largest values (outside a fantasy draft).
static int Sum_Team_Player_Values(int nTeam, int nVital, int nLargest) {
    int anValues[TOTAL_NUMBER_OF_TEAMS * PLAYERS_PER_TEAM];
    int nCount = Collect_Team_Player_Values(nTeam, nVital, anValues);
    if (nLargest > 0 && Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) < FANTASY_DRAFT_UNDER_WAY &&
        nCount > nLargest) {
        qsort(anValues, nCount, sizeof(anValues[0]), Compare_Descending);
        nCount = nLargest;
    }
    int64_t nSum = 0;
    for (int i = 0; i < nCount; i++)
        nSum += anValues[i];
    return (int)nSum;
}

// The sum over roster slots 0..50; an empty slot adds 0. nVital < 0 sums the exact ages.
static int64_t Sum_Payroll_Slots(int nTeam, int nVital) {
    int64_t nSum = 0;
    for (int nSlot = 0; nSlot < PAYROLL_SLOTS; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        nSum += nVital < 0 ? Get_Player_Exact_Age(nTeam, nSlot)
                           : Get_Player_Vital_Stat(nTeam, nSlot, nVital);
    }
    return nSum;
}

// ---- derived values ----------------------------------------------------------------------------

static int Forecast_Season_Expenses(int nTeam) {
    int G = Get_Season_Game_Count();
    int g = Get_Team_Games_Played(nTeam);
    int e, f;
    if (g > 0) {
        e = Mul_Div(Get_Team_Financial_Stat(nTeam, FIN_CITY_COSTS), G, g);
        f = Mul_Div(Get_Team_Financial_Stat(nTeam, FIN_OPERATING_COSTS), G, g);
    } else {
        e = Get_Team_Financial_Stat(nTeam, FIN_LAST_CITY_COST);
        f = Get_Team_Financial_Stat(nTeam, FIN_OPERATING_COST);
    }
    int64_t nPerGame = (int64_t)Get_Team_Payroll_Per_Game(nTeam) +
                       Get_Team_Financial_Stat(nTeam, FIN_SPENDING_B) +
                       Get_Team_Financial_Stat(nTeam, FIN_SPENDING_A);
    int64_t nTotal = (int64_t)f + e + Get_Team_Financial_Stat(nTeam, FIN_PAYROLL_COSTS) +
                     Get_Team_Financial_Stat(nTeam, FIN_SPENDING_B_TOTAL) +
                     Get_Team_Financial_Stat(nTeam, FIN_SPENDING_A_TOTAL) + (G - g) * nPerGame;
    return (int)nTotal;
}

static int Get_Derived_Financial_Stat(int nTeam, int nStat) {
#define V(n) Get_Team_Financial_Stat(nTeam, (n))
    int G = Get_Season_Game_Count();
    switch (nStat) {
    case 50: {
        int nValue = gTeams[nTeam].anFinancialStats[50];
        return nValue ? nValue : Get_Team_City_Income_Value(nTeam);
    }
    case 53: {
        int nValue = gTeams[nTeam].anFinancialStats[53];
        return nValue ? nValue : Get_Team_Payroll_Per_Game(nTeam);
    }
    case 80: return V(86) + V(57);
    case 81: return V(87) + V(58);
    case 82: return V(14) + V(10) + V(22) + V(29) + V(36);
    case 83: return V(16) + V(11) + V(23) + V(30) + V(37);
    case 84: return V(82) - V(80);
    case 85: return V(83) - V(81);
    case 86: return V(51) + V(54) + V(60) + V(63);
    case 87: return V(52) + V(55) + V(61) + V(64);
    case 88: return Sum_Team_Player_Values(nTeam, VITAL_PRORATED_BONUS, 0);
    case 89: return Sum_Team_Player_Values(nTeam, VITAL_CAP_IMPACT, PAYROLL_SLOTS);
    case 90: return Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000 - V(89);
    case 91: return V(51) + V(57);
    case 92: return V(70) >= 1 ? V(15) / V(70) : V(15);
    case 93: {
        int nRoadGames = V(72) - V(70);
        return nRoadGames >= 1 ? V(19) / nRoadGames : V(19);
    }
    case 94: return (int)(Sum_Payroll_Slots(nTeam, VITAL_SALARY) / PAYROLL_SLOTS);
    case 95: return Round_Ratio(Sum_Payroll_Slots(nTeam, -1), PAYROLL_SLOTS, 10);
    case 96:
        return Round_Ratio(Sum_Payroll_Slots(nTeam, VITAL_CONTRACT_YEARS_LEFT), PAYROLL_SLOTS, 10);
    case 97: return Round_Ratio(V(68) / 1000, V(69), 1000);
    case 98: return Max_Int(0, Round_Ratio(V(68), Get_Base_Team_Cash(), 1000));
    case 99: return Round_Ratio(V(89), Apply_Inflation(BASE_PAYROLL_THOUSANDS), 1000);
    case 100: return Round_Ratio(V(69), Apply_Inflation(BASE_REVENUE_PROJECTION), 1000);
    case 101: {
        int g = Get_Team_Games_Played(nTeam);
        return g == 0 ? V(83) : Mul_Div(V(82), G, g);
    }
    case 102: return Forecast_Season_Expenses(nTeam);
    case 103: return V(101) - V(102);
    case 104: return (int)(Sum_Payroll_Slots(nTeam, VITAL_SIGNING_BONUS) / PAYROLL_SLOTS);
    case 105: return V(35) + V(21) + V(28);
    case 106: return V(36) + V(22) + V(29);
    case 107: return V(37) + V(23) + V(30);
    case 108: return V(62) * G;
    case 109: return V(59) * G;
    default: return 0;
    }
#undef V
}

// ---- the reader and the writer -----------------------------------------------------------------

static int Is_League_Average_Team(int nTeam) {
    return nTeam == LEAGUE_AVERAGE_TEAM || nTeam == -1;
}

static int Get_League_Average_Financial_Stat(int nStat) {
    int nTeams = Count_Active_Teams();
    if (nTeams <= 0)
        return 0;
    int64_t nSum = 0;
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        nSum += Get_Team_Financial_Stat(nTeam, nStat);
    return (int)(nSum / nTeams);
}

int Get_Team_Financial_Stat(int nTeam, int nStat) {
    if (nTeam == NO_TEAM)
        return 0;
    if (!Is_Owner_Mode()) {
        if (nStat == FIN_FAN_SUPPORT || nStat == FIN_SCOUTING_LEVEL ||
            nStat == FIN_MEDICAL_LEVEL || nStat == FIN_NEUTRAL_LEVEL)
            return PER_MILLE;
        if (nStat == FIN_CASH)
            return Get_Base_Team_Cash();
    }
    if (Is_League_Average_Team(nTeam))
        return Get_League_Average_Financial_Stat(nStat);
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nStat < 0 || nStat >= FINANCIAL_STAT_COUNT)
        return 0;
    if (nStat < STORED_FINANCIAL_STATS && nStat != FIN_LAST_CITY_COST &&
        nStat != FIN_LAST_PAYROLL_COST)
        return gTeams[nTeam].anFinancialStats[nStat];
    return Get_Derived_Financial_Stat(nTeam, nStat);
}

void Set_Team_Financial_Stat(int nTeam, int nStat, int nValue) {
    if (nTeam == NO_TEAM)
        return;
    if (nTeam < 0 || nTeam > FREE_AGENT_TEAM) {
        Report_Error("nTeam out of bounds in Set_Team_Financial_Stat(%d,%d,%d)", nTeam, nStat,
                     nValue);
        return;
    }
    if (nStat < 0 || nStat >= STORED_FINANCIAL_STATS) {
        Report_Error("nStat out of bounds in Set_Team_Financial_Stat(%d,%d,%d)", nTeam, nStat,
                     nValue);
        return;
    }
    if (nStat == FIN_CASH)
        nValue = Clamp(nValue, MIN_TEAM_CASH, MAX_TEAM_CASH);
    else if (nStat == FIN_FAN_SUPPORT)
        nValue = Clamp(nValue, MIN_FAN_SUPPORT, MAX_FAN_SUPPORT);
    gTeams[nTeam].anFinancialStats[nStat] = nValue;
}

int Get_Team_Ticket_Price(int nTeam) {
    return Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE);
}

// Half the count of the active teams above (2 each) and level with (1 each) the team: 0 = best.
int Get_Team_Financial_Rank(int nTeam, int nStat) {
    int nValue = Get_Team_Financial_Stat(nTeam, nStat);
    int nTeams = Count_Active_Teams();
    int nScore = 0;
    for (int nOther = 0; nOther < nTeams; nOther++) {
        int nOtherValue = Get_Team_Financial_Stat(nOther, nStat);
        if (nOtherValue > nValue)
            nScore += 2;
        else if (nOtherValue == nValue)
            nScore += 1;
    }
    return nScore / 2;
}

void Clear_Previous_Financial_Stats(int nTeam) {
    if (nTeam < 0 || nTeam > FREE_AGENT_TEAM) {
        Report_Error("nTeam out of bounds in Clear_Previous_Financial_Stats");
        return;
    }
    for (int nStat : kSeasonFinancialStats)
        gTeams[nTeam].anFinancialStats[nStat] = 0;
}
