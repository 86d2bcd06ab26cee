// A team's financial values: the checked reader and writer of the 80 stored ints, the league
// average, the neutral values of General Manager Mode, the derived values and the league ranks.
#include <stdint.h>
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"
#include "database/finance_internal.h"
#include "database/records_internal.h"

#define STORED_FINANCIAL_STATS TEAM_FINANCIAL_STAT_COUNT

// The per-season values cleared at the season change.
static const int kSeasonFinancialStats[] = {FIN_LEAGUE_PAYMENTS,  FIN_GATE_REVENUE,
                                            FIN_HOME_ATTENDANCE,  FIN_ROAD_ATTENDANCE,
                                            FIN_FOOD_NET,         FIN_BEVERAGE_NET,
                                            FIN_SOUVENIR_NET,     FIN_CITY_COSTS,
                                            FIN_PAYROLL_COSTS,    FIN_OPERATING_COSTS,
                                            FIN_SPENDING_A_TOTAL, FIN_SPENDING_B_TOTAL,
                                            FIN_HOME_GAMES,       FIN_GAMES};

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

// The sum of the values; nLargest > 0 keeps only that many of the largest (outside a fantasy
// draft).
static int Sum_Largest_Values(int* anValues, int nCount, int nLargest) {
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

// The sum of the vital stat over the team's players; nLargest > 0 keeps only that many of the
// largest values (outside a fantasy draft).
static int Sum_Team_Player_Values(int nTeam, int nVital, int nLargest) {
    int anValues[TOTAL_NUMBER_OF_TEAMS * PLAYERS_PER_TEAM];
    int nCount = Collect_Team_Player_Values(nTeam, nVital, anValues);
    return Sum_Largest_Values(anValues, nCount, nLargest);
}

int Get_Team_Payroll_With_Impact(int nTeam, int nImpact) {
    int anValues[TOTAL_NUMBER_OF_TEAMS * PLAYERS_PER_TEAM + 1];
    int nCount = Collect_Team_Player_Values(nTeam, VITAL_CAP_IMPACT, anValues);
    anValues[nCount++] = nImpact;
    return Sum_Largest_Values(anValues, nCount, PAYROLL_SLOTS);
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
    return Saturate_To_Int(nTotal);
}

// Sums and differences of stored money are taken in 64 bits: stored values may be near the limits.
static int64_t Compute_Derived_Financial_Stat(int nTeam, int nStat) {
#define V(n) ((int64_t)Get_Team_Financial_Stat(nTeam, (n)))
    int G = Get_Season_Game_Count();
    switch (nStat) {
    case FIN_LAST_CITY_COST: {
        int nValue = gTeams[nTeam].anFinancialStats[FIN_LAST_CITY_COST];
        return nValue ? nValue : Get_Team_City_Income_Value(nTeam);
    }
    case FIN_LAST_PAYROLL_COST: {
        int nValue = gTeams[nTeam].anFinancialStats[FIN_LAST_PAYROLL_COST];
        return nValue ? nValue : Get_Team_Payroll_Per_Game(nTeam);
    }
    case FIN_EXPENSES: return V(FIN_OTHER_COSTS) + V(FIN_OPERATING_COSTS);
    case FIN_LAST_EXPENSES: return V(FIN_PROJECTED_OTHER_COSTS) + V(FIN_PROJECTED_OPERATING_COSTS);
    case FIN_REVENUE:
        return V(FIN_GATE_REVENUE) + V(FIN_LEAGUE_PAYMENTS) + V(FIN_FOOD_NET) +
               V(FIN_BEVERAGE_NET) + V(FIN_SOUVENIR_NET);
    case FIN_LAST_REVENUE:
        return V(FIN_PROJECTED_GATE) + V(FIN_PROJECTED_LEAGUE_PAYMENTS) + V(FIN_FOOD_PROJECTION) +
               V(FIN_BEVERAGE_PROJECTION) + V(FIN_SOUVENIR_PROJECTION);
    case FIN_PROFIT: return V(FIN_REVENUE) - V(FIN_EXPENSES);
    case FIN_LAST_PROFIT: return V(FIN_LAST_REVENUE) - V(FIN_LAST_EXPENSES);
    case FIN_OTHER_COSTS:
        return V(FIN_CITY_COSTS) + V(FIN_PAYROLL_COSTS) + V(FIN_SPENDING_A_TOTAL) +
               V(FIN_SPENDING_B_TOTAL);
    case FIN_PROJECTED_OTHER_COSTS:
        return V(FIN_PROJECTED_CITY_COSTS) + V(FIN_PROJECTED_PAYROLL_COSTS) +
               V(FIN_PROJECTED_SPENDING_A) + V(FIN_PROJECTED_SPENDING_B);
    case FIN_PRORATED_BONUSES: return Sum_Team_Player_Values(nTeam, VITAL_PRORATED_BONUS, 0);
    case FIN_PAYROLL: return Sum_Team_Player_Values(nTeam, VITAL_CAP_IMPACT, PAYROLL_SLOTS);
    case FIN_CAP_ROOM: return Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000 - V(FIN_PAYROLL);
    case FIN_CITY_AND_OPERATING_COSTS: return V(FIN_CITY_COSTS) + V(FIN_OPERATING_COSTS);
    case FIN_AVERAGE_HOME_ATTENDANCE:
        return V(FIN_HOME_GAMES) >= 1 ? V(FIN_HOME_ATTENDANCE) / V(FIN_HOME_GAMES)
                                      : V(FIN_HOME_ATTENDANCE);
    case FIN_AVERAGE_ROAD_ATTENDANCE: {
        int nRoadGames = V(FIN_GAMES) - V(FIN_HOME_GAMES);
        return nRoadGames >= 1 ? V(FIN_ROAD_ATTENDANCE) / nRoadGames : V(FIN_ROAD_ATTENDANCE);
    }
    case FIN_AVERAGE_SALARY: return (int)(Sum_Payroll_Slots(nTeam, VITAL_SALARY) / PAYROLL_SLOTS);
    case FIN_AVERAGE_AGE: return Round_Ratio(Sum_Payroll_Slots(nTeam, -1), PAYROLL_SLOTS, 10);
    case FIN_AVERAGE_YEARS_LEFT:
        return Round_Ratio(Sum_Payroll_Slots(nTeam, VITAL_CONTRACT_YEARS_LEFT), PAYROLL_SLOTS, 10);
    case FIN_CASH_TO_REVENUE:
        return Round_Ratio(V(FIN_CASH) / 1000, V(FIN_PROJECTED_REVENUE), 1000);
    case FIN_CASH_RATIO: return Max_Int(0, Round_Ratio(V(FIN_CASH), Get_Base_Team_Cash(), 1000));
    case FIN_PAYROLL_RATIO:
        return Round_Ratio(V(FIN_PAYROLL), Apply_Inflation(BASE_PAYROLL_THOUSANDS), 1000);
    case FIN_REVENUE_RATIO:
        return Round_Ratio(V(FIN_PROJECTED_REVENUE), Apply_Inflation(BASE_REVENUE_PROJECTION),
                           1000);
    case FIN_REVENUE_FORECAST: {
        int g = Get_Team_Games_Played(nTeam);
        return g == 0 ? V(FIN_LAST_REVENUE) : Mul_Div(V(FIN_REVENUE), G, g);
    }
    case FIN_EXPENSES_FORECAST: return Forecast_Season_Expenses(nTeam);
    case FIN_PROFIT_FORECAST: return V(FIN_REVENUE_FORECAST) - V(FIN_EXPENSES_FORECAST);
    case FIN_AVERAGE_BONUS:
        return (int)(Sum_Payroll_Slots(nTeam, VITAL_SIGNING_BONUS) / PAYROLL_SLOTS);
    case FIN_CONCESSIONS_LAST_NET:
        return V(FIN_SOUVENIR_LAST_NET) + V(FIN_FOOD_LAST_NET) + V(FIN_BEVERAGE_LAST_NET);
    case FIN_CONCESSIONS_NET: return V(FIN_SOUVENIR_NET) + V(FIN_FOOD_NET) + V(FIN_BEVERAGE_NET);
    case FIN_CONCESSIONS_PROJECTION:
        return V(FIN_SOUVENIR_PROJECTION) + V(FIN_FOOD_PROJECTION) + V(FIN_BEVERAGE_PROJECTION);
    case FIN_SEASON_SPENDING_B: return V(FIN_SPENDING_B) * G;
    case FIN_SEASON_SPENDING_A: return V(FIN_SPENDING_A) * G;
    default: return 0;
    }
#undef V
}

static int Get_Derived_Financial_Stat(int nTeam, int nStat) {
    return Saturate_To_Int(Compute_Derived_Financial_Stat(nTeam, nStat));
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
        if (nStat == FIN_FAN_SUPPORT || nStat == FIN_SCOUTING_LEVEL || nStat == FIN_MEDICAL_LEVEL ||
            nStat == FIN_NEUTRAL_LEVEL)
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
