// The money rules of a team's market: inflation and price steps, the league's wealth and weekly
// revenue, market size, projected revenue, ticket and concession prices, spending levels,
// operating costs, season projections and the set-up of a new team's or a new game's books.
#include <stdint.h>
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"
#include "database/finance_internal.h"

#define MIN_WEALTH_INDEX 500
#define MAX_WEALTH_INDEX 2000
#define NEIGHBOUR_DISTANCE 2000  // thousandths of a degree, latitude plus longitude
#define NEIGHBOUR_WEIGHT 500
#define COMPETITION_BASE 1500
#define MARKET_POPULATION_BONUS 3500000
#define MARKET_SIZE_FACTOR 70
#define STADIUM_PREMIUM_TYPE 2  // stadium stat 1: earns 10 % more
#define STADIUM_PREMIUM 1100
#define LARGE_CASH 100000000
#define OPERATING_REVENUE_FACTOR 20
#define OPERATING_STADIUM_FACTOR 30
#define SQUARE_ROOT_LIMIT 1000000000

// ---- money -------------------------------------------------------------------------------------

int Apply_Inflation(int nValue) {
    return Mul_Div(nValue, Get_Universe_Stat(UNIVERSE_INFLATION), PER_MILLE);
}

int Get_Base_Team_Cash(void) {
    return Apply_Inflation(BASE_TEAM_CASH);
}

int Get_Price_Step(int nValue) {
    if (nValue > 1500)
        return 200;
    if (nValue > 750)
        return 100;
    if (nValue > 375)
        return 50;
    if (nValue > 150)
        return 25;
    if (nValue > 75)
        return 10;
    if (nValue >= 36)
        return 5;
    if (nValue >= 16)
        return 2;
    return 1;
}

static int Get_Money_Step(void) {
    return Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION));
}

// Stores an amount rounded down to the money step.
static void Set_Money_Stat(int nTeam, int nStat, int nAmount) {
    Set_Team_Financial_Stat(nTeam, nStat, Round_Down_To_Multiple(nAmount, Get_Money_Step()));
}

static int Get_Small_Price_Step(void) {
    return Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION) / 4);
}

int Get_Money_Step_Thousands(void) {
    return Get_Money_Step() * 1000;
}

int Round_To_Price_Step(int nValue) {
    return Round_To_Multiple(nValue, Get_Money_Step());
}

int Get_Team_Payroll_Budget(int nTeam) {
    int64_t nCash = Get_Team_Financial_Stat(nTeam, FIN_CASH);
    int64_t nRevenue = Get_Team_Financial_Stat(nTeam, FIN_REVENUE_FORECAST);
    int64_t nBudget =
        (nCash - Get_Base_Team_Cash()) / 4 + (nRevenue + Apply_Inflation(BASE_LEAGUE_REVENUE)) / 2;
    return (int)nBudget;
}

int Get_Team_Spending_Limit(int nTeam) {
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    return nCap != 0 ? nCap : Get_Team_Payroll_Budget(nTeam);
}

int Get_Team_City_Income_Value(int nTeam) {
    return Apply_Inflation(20 * Get_Team_City_Stat(nTeam, CITY_INCOME) + 500000);
}

int Get_Team_Payroll_Per_Game(int nTeam) {
    int nGames = Get_Season_Game_Count();
    int64_t nSum = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot))
            nSum += Mul_Div(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY), 1000, nGames);
    }
    return (int)nSum;
}

int Is_Human_Run_Team(int nTeam) {
    return Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN && !gAllTeamsComputer;
}

// ---- league wealth and revenue -----------------------------------------------------------------

int Compute_League_Wealth_Index(void) {
    if (!Is_Owner_Mode())
        return PER_MILLE;
    if (Count_Active_Teams() <= 0)
        return 0;
    int nAverageCash = Get_Team_Financial_Stat(LEAGUE_AVERAGE_TEAM, FIN_CASH);
    int nWealth = Mul_Div(nAverageCash, PER_MILLE, Get_Base_Team_Cash());
    nWealth = Clamp(nWealth, MIN_WEALTH_INDEX, MAX_WEALTH_INDEX);
    Set_Universe_Stat(UNIVERSE_WEALTH, nWealth);
    return nWealth;
}

int Get_League_Wealth_Index(void) {
    if (!Is_Owner_Mode())
        return PER_MILLE;
    int nWealth = Get_Universe_Stat(UNIVERSE_WEALTH);
    if (nWealth < MIN_WEALTH_INDEX || nWealth > MAX_WEALTH_INDEX)
        nWealth = Compute_League_Wealth_Index();
    return nWealth;
}

int Compute_Weekly_League_Revenue(void) {
    int nGames = Max_Int(1, Get_Season_Game_Count());
    int nShare = BASE_LEAGUE_REVENUE / nGames + BASE_WEEKLY_REVENUE_BONUS;
    nShare = Mul_Div(nShare, PER_MILLE, Compute_League_Wealth_Index());
    nShare = Mul_Div(nShare, 100 + Get_Universe_Stat(UNIVERSE_REVENUE_SETTING), 100);
    int nRevenue = Apply_Inflation(nShare);
    Set_Universe_Stat(UNIVERSE_LEAGUE_REVENUE, nRevenue);
    return nRevenue;
}

// ---- the market --------------------------------------------------------------------------------

static int Has_City(int nTeam) {
    int nCity = Get_Team_Stat(nTeam, TEAM_CITY_INDEX);
    return nCity >= 0 && nCity < CITY_COUNT;
}

// Latitude plus longitude difference between two teams' cities.
static int64_t Get_City_Distance(int nTeamA, int nTeamB) {
    int64_t nLatitude = (int64_t)Get_Team_City_Stat(nTeamA, CITY_LATITUDE) -
                        Get_Team_City_Stat(nTeamB, CITY_LATITUDE);
    int64_t nLongitude = (int64_t)Get_Team_City_Stat(nTeamA, CITY_LONGITUDE) -
                         Get_Team_City_Stat(nTeamB, CITY_LONGITUDE);
    return llabs(nLatitude) + llabs(nLongitude);
}

int Get_Team_Competition_Factor(int nTeam) {
    int nCrowding = 0;
    int nTeams = Count_Active_Teams();
    for (int nOther = 0; nOther < nTeams && Has_City(nTeam); nOther++) {
        if (nOther == nTeam || !Has_City(nOther))
            continue;
        int64_t nDistance = Get_City_Distance(nTeam, nOther);
        if (nDistance < NEIGHBOUR_DISTANCE)
            nCrowding +=
                Mul_Div(NEIGHBOUR_DISTANCE - (int)nDistance, NEIGHBOUR_WEIGHT, NEIGHBOUR_DISTANCE);
    }
    return Mul_Div(COMPETITION_BASE, PER_MILLE, COMPETITION_BASE + nCrowding);
}

int Get_Team_Market_Size(int nTeam) {
    int64_t nPeople = (int64_t)Get_Team_City_Stat(nTeam, CITY_POPULATION) +
                      Get_Team_City_Stat(nTeam, CITY_REGION_POPULATION) + MARKET_POPULATION_BONUS;
    nPeople /= 2;
    if (nPeople > SQUARE_ROOT_LIMIT)
        nPeople = SQUARE_ROOT_LIMIT;
    if (nPeople < -SQUARE_ROOT_LIMIT)
        nPeople = -SQUARE_ROOT_LIMIT;
    int nRoot = Signed_Root((int)nPeople);
    return Mul_Div(nRoot * MARKET_SIZE_FACTOR, Get_Team_Competition_Factor(nTeam), PER_MILLE);
}

static int Has_Premium_Stadium(int nTeam) {
    return Get_Team_Stadium_Stat(nTeam, STADIUM_STRUCTURE) == STADIUM_PREMIUM_TYPE;
}

int Update_Team_Projected_Revenue(int nTeam) {
    int nMarket = Get_Team_Market_Size(nTeam);
    int nIncome = Get_Team_City_Stat(nTeam, CITY_INCOME);
    int nFans = Get_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT);
    int nStadium = Get_Team_Stadium_Rating(nTeam);

    int nMarketLevel = Mul_Div(nMarket, PER_MILLE, BASE_MARKET_SIZE) + 500;
    int nIncomeLevel = Mul_Div(nIncome, PER_MILLE, BASE_PER_CAPITA_INCOME) + 500;
    int nRevenue = Mul_Div(nMarketLevel, BASE_STADIUM_REVENUE, 1500);
    nRevenue = Mul_Div(nRevenue, nIncomeLevel, 1500);
    nRevenue = Mul_Div(nRevenue, nFans, PER_MILLE);
    nRevenue = Mul_Div(nRevenue, nStadium + 500, 1500);
    if (Has_Premium_Stadium(nTeam))
        nRevenue = Mul_Div(nRevenue, STADIUM_PREMIUM, PER_MILLE);

    int nProjected = Apply_Inflation(nRevenue + Get_Team_Roster_Trade_Value(nTeam) / 1000);
    Set_Team_Financial_Stat(nTeam, FIN_PROJECTED_REVENUE, nProjected);
    return nProjected;
}

int Get_Team_Market_Ticket_Price(int nTeam) {
    int nIncome = Get_Team_City_Stat(nTeam, CITY_INCOME);
    int nPrice = Mul_Div(Mul_Div(nIncome, 10000, BASE_PER_CAPITA_INCOME),
                         Get_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT), PER_MILLE);
    if (Has_Premium_Stadium(nTeam))
        nPrice = Mul_Div(nPrice, STADIUM_PREMIUM, PER_MILLE);
    int bHuman = Is_Human_Run_Team(nTeam);
    if (bHuman)
        nPrice = Mul_Div(nPrice, 1100 - 100 * gDifficulty, PER_MILLE);

    // Very rich teams charge less, deeply indebted ones more.
    int nCash = Get_Team_Financial_Stat(nTeam, FIN_CASH);
    int nBaseCash = Get_Base_Team_Cash();
    if (nCash > LARGE_CASH)
        nPrice = Mul_Div(nPrice, Mul_Div(LARGE_CASH, PER_MILLE, nCash), PER_MILLE);
    else if (nCash < -nBaseCash)
        nPrice = Mul_Div(nPrice, Mul_Div(nCash, PER_MILLE, -nBaseCash), PER_MILLE);

    // A computer team with a cheap roster asks more.
    if (!bHuman) {
        int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
        int nCheap = Apply_Inflation(BASE_CHEAP_PAYROLL) / 1000;
        if (nPayroll < nCheap)
            nPrice = Mul_Div(nPrice, Mul_Div(2 * nCheap, PER_MILLE, nPayroll + nCheap), PER_MILLE);
    }

    nPrice = Mul_Div(nPrice, PER_MILLE, Get_League_Wealth_Index());
    nPrice = Mul_Div(nPrice, 100 + Get_Universe_Stat(UNIVERSE_REVENUE_SETTING), 100);
    return Max_Int(1, Apply_Inflation(nPrice));
}

// ---- prices and spending -----------------------------------------------------------------------

// The level of spending B that the payroll calls for, per mille.
static int Get_Spending_B_Level(int nTeam) {
    int nPayrollRatio = Mul_Div(Get_Team_Financial_Stat(nTeam, FIN_PAYROLL), PER_MILLE,
                                Apply_Inflation(BASE_PAYROLL_THOUSANDS));
    return Mul_Div(nPayrollRatio + 2000, PER_MILLE, 3000);
}

void Set_Team_Spending_A(int nTeam) {
    int nRevenueRatio = Get_Team_Financial_Stat(nTeam, FIN_REVENUE_RATIO);
    int nSpending = Mul_Div(nRevenueRatio, BASE_SPENDING_A, PER_MILLE);
    Set_Money_Stat(nTeam, FIN_SPENDING_A, Apply_Inflation(nSpending));
}

void Set_Team_Spending_B(int nTeam) {
    int nSpending = Mul_Div(Get_Spending_B_Level(nTeam), BASE_SPENDING_B, PER_MILLE);
    Set_Money_Stat(nTeam, FIN_SPENDING_B, Apply_Inflation(nSpending));
}

void Set_Team_Spending_Levels(int nTeam) {
    Set_Team_Financial_Stat(nTeam, FIN_MEDICAL_LEVEL, Get_Spending_B_Level(nTeam));
    Set_Team_Spending_B(nTeam);
    int nRevenueRatio = Get_Team_Financial_Stat(nTeam, FIN_REVENUE_RATIO);
    Set_Team_Financial_Stat(nTeam, FIN_SCOUTING_LEVEL, nRevenueRatio);
    Set_Team_Spending_A(nTeam);
}

void Set_Team_Prices(int nTeam) {
    int nMarket = Get_Team_Market_Ticket_Price(nTeam);
    int nCashRatio = Get_Team_Financial_Stat(nTeam, FIN_CASH_RATIO);
    if (nCashRatio < PER_MILLE)
        nMarket = Mul_Div(nMarket, 11000 - nCashRatio, 10000);

    int nTicket = Mul_Div(nMarket, 500, PER_MILLE);
    int nBase = Apply_Inflation(BASE_TICKET_PRICE);
    if (nTicket < nBase)
        nTicket = (nTicket + 4 * nBase) / 5;
    nTicket = Max_Int(nTicket, nBase / 2);
    Set_Money_Stat(nTeam, FIN_TICKET_PRICE, nTicket);

    int nWorth = Mul_Div(nTicket, PER_MILLE, 5000);
    int nStep = Get_Small_Price_Step();
    Set_Team_Financial_Stat(nTeam, FIN_BEVERAGE_PRICE,
                            Round_Down_To_Multiple(Mul_Div(nWorth, 600, PER_MILLE), nStep));
    Set_Team_Financial_Stat(nTeam, FIN_FOOD_PRICE,
                            Round_Down_To_Multiple(Mul_Div(nWorth, 750, PER_MILLE), nStep));
    Set_Team_Financial_Stat(nTeam, FIN_SOUVENIR_PRICE, Round_Down_To_Multiple(nWorth, nStep));

    Set_Team_Spending_A(nTeam);
    Set_Team_Spending_B(nTeam);
}

void Update_All_Team_Prices(int bSkipHuman) {
    if (gCommissionerMode)
        return;
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (bSkipHuman && Is_Human_Run_Team(nTeam))
            continue;
        Set_Team_Prices(nTeam);
    }
}

// ---- costs and projections ---------------------------------------------------------------------

int Get_Team_Operating_Cost(int nTeam) {
    int nGames = Get_Season_Game_Count();
    if (nGames <= 0)
        return 0;
    int64_t nRevenue = (int64_t)OPERATING_REVENUE_FACTOR * Update_Team_Projected_Revenue(nTeam);
    int64_t nStadium = (int64_t)OPERATING_STADIUM_FACTOR * Apply_Inflation(BASE_STADIUM_REVENUE);
    int nCash = Get_Team_Financial_Stat(nTeam, FIN_CASH);
    int nBaseCash = Get_Base_Team_Cash();
    int nCost = (int)((nRevenue + nStadium) / nGames);

    // A poor team spends less; a human team less so on the harder levels.
    if (nCash < nBaseCash) {
        int nLevel = Mul_Div(nCash + nBaseCash, 900, 2 * nBaseCash);
        int nFactor = nLevel < 0 ? 100 : nLevel + 100;
        if (Is_Human_Run_Team(nTeam))
            nFactor = (gDifficulty * PER_MILLE + (3 - gDifficulty) * nFactor) / 3;
        nCost = Mul_Div(nCost, nFactor, PER_MILLE);
    }
    // A team with more cash than twenty times its revenue spends in proportion.
    if (nRevenue > 0 && nRevenue < nCash)
        nCost = Mul_Div(nCost, Mul_Div(nCash, PER_MILLE, (int)nRevenue), PER_MILLE);
    return nCost;
}

// A per-game amount over a number of games, held at the int limits.
static int Times_Games(int nPerGame, int nGames) {
    return Saturate_To_Int((int64_t)nPerGame * nGames);
}

void Set_Team_Season_Projections(int nTeam) {
#define SET(nStat, nValue) Set_Team_Financial_Stat(nTeam, (nStat), (nValue))
    int nGames = Get_Season_Game_Count();
    int nCapacity = Get_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY);
    int nFans = Get_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT);

    int nCrowd = Min_Int(nCapacity, Mul_Div(nCapacity, nFans / 5 + 740, PER_MILLE));
    int nAttendance = Times_Games(nCrowd, nGames / 2);
    SET(FIN_PROJECTED_ATTENDANCE, nAttendance);

    int nTicket = Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE);
    int nGatePrice = Round_To_Price_Step(nTicket - nTicket / 33);
    int nGate = Mul_Div(nGatePrice, nAttendance, 100);
    SET(FIN_PROJECTED_GATE, nGate);

    int nBase = Apply_Inflation(BASE_TICKET_PRICE);
    int nConcessions = Mul_Div(Mul_Div(nGate, 25, 100),
                               nBase + Get_Team_Market_Ticket_Price(nTeam) / 2, 2 * nBase);
    SET(FIN_FOOD_PROJECTION, Mul_Div(nConcessions, 35, 100));
    SET(FIN_BEVERAGE_PROJECTION, Mul_Div(nConcessions, 45, 100));
    SET(FIN_SOUVENIR_PROJECTION, Mul_Div(nConcessions, 20, 100));

    SET(FIN_PROJECTED_LEAGUE_PAYMENTS, Times_Games(Compute_Weekly_League_Revenue(), nGames));
    SET(FIN_PROJECTED_PAYROLL_COSTS, Times_Games(Get_Team_Payroll_Per_Game(nTeam), nGames));
    SET(FIN_PROJECTED_OPERATING_COSTS, Times_Games(Get_Team_Operating_Cost(nTeam), nGames));
    SET(FIN_PROJECTED_CITY_COSTS, Times_Games(Get_Team_City_Stat(nTeam, CITY_INCOME), nGames * 2));
    int nSpendingA = Get_Team_Financial_Stat(nTeam, FIN_SPENDING_A);
    int nSpendingB = Get_Team_Financial_Stat(nTeam, FIN_SPENDING_B);
    SET(FIN_PROJECTED_SPENDING_A, Times_Games(nSpendingA, nGames));
    SET(FIN_PROJECTED_SPENDING_B, Times_Games(nSpendingB, nGames));
    SET(FIN_SEASON_HOME_GAMES, nGames / 2);
    SET(FIN_SEASON_GAMES, nGames);
#undef SET
}

// Ranks the teams' projected revenue on a square-root scale: 100 the smallest, -100 the largest.
void Set_Team_Revenue_Index(void) {
    int anRoots[LEAGUE_TEAM_COUNT];
    int nTeams = Min_Int(Count_Active_Teams(), LEAGUE_TEAM_COUNT);
    if (nTeams <= 0)
        return;
    int64_t nSum = 0;
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        anRoots[nTeam] = Signed_Root(Update_Team_Projected_Revenue(nTeam));
        nSum += anRoots[nTeam];
    }
    int nLow = (int)(nSum / nTeams);
    int nHigh = nLow;
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        nLow = Min_Int(nLow, anRoots[nTeam]);
        nHigh = Max_Int(nHigh, anRoots[nTeam]);
    }
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        int nIndex = nHigh == nLow ? 100 : 100 - Mul_Div(anRoots[nTeam] - nLow, 200, nHigh - nLow);
        Set_Team_Financial_Stat(nTeam, FIN_REVENUE_INDEX, nIndex);
    }
}

// ---- set-up ------------------------------------------------------------------------------------

void Initialize_Team_Finances(int nTeam) {
    int nRevenue = Update_Team_Projected_Revenue(nTeam);
    Set_Team_Spending_Levels(nTeam);
    Set_Team_Financial_Stat(nTeam, FIN_OPERATING_COST, Get_Team_Operating_Cost(nTeam));
    Set_Team_Cash(nTeam, 5 * (int64_t)nRevenue + Get_Base_Team_Cash() / 2);
}

void Reset_All_Team_Finances(void) {
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Initialize_Team_Finances(nTeam);
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Set_Team_Prices(nTeam);
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Set_Team_Season_Projections(nTeam);
    Set_Team_Revenue_Index();
}
