// Team finances: the financial accessors, money rules, market and prices, the books of a played
// game, the weekly league payment, fan support and the season's finish, on known figures.
#include <algorithm>
#include <functional>

#include "database_test_fixture.h"

#define BASE_CASH 22812500

class FinanceTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Set_Universe_Stat(UNIVERSE_SEASON_GAMES, 17);
        Set_Universe_Stat(UNIVERSE_INFLATION, 1000);
        gOwnerMode = 1;
        gPostseasonWeeks[0] = 18;
        gCurrentWeek = 3;
        gDraftRound = NO_DRAFT_ROUND;
        Seed_Random(12345);
    }

    // A computer-run team alone in its own city: 1,000,000 people, 5,000,000 in the region, an
    // income of 30,000, a 70,000-seat stadium rated 1000, fan support 1000 and the base cash.
    static void Add_Market_Team(int nTeam, int nCity, int nLongitude, int nLatitude) {
        Add_Team(nTeam, "City", "Team");
        Set_Team_Stat(nTeam, TEAM_CITY_INDEX, nCity);
        Set_City_Stat(nCity, CITY_POPULATION, 1000000);
        Set_City_Stat(nCity, CITY_REGION_POPULATION, 5000000);
        Set_City_Stat(nCity, CITY_INCOME, 30000);
        Set_City_Stat(nCity, CITY_LONGITUDE, nLongitude);
        Set_City_Stat(nCity, CITY_LATITUDE, nLatitude);
        Set_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY, 70000);
        for (int nStat : {STADIUM_CONVENIENCE, STADIUM_COMFORT, STADIUM_SIGHT_LINES})
            Set_Team_Stadium_Stat(nTeam, nStat, 1000);
        Set_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT, 1000);
        Set_Team_Financial_Stat(nTeam, FIN_CASH, BASE_CASH);
    }

    // A player under contract: salary in thousands, no bonus, two years.
    static void Add_Paid_Player(int nTeam, int nSlot, int nSalary, int nBonus = 0) {
        PLAYER* pPlayer = Add_Player(nTeam, nSlot, 1000 * (nTeam + 1) + nSlot + 1, POS_WR);
        pPlayer->anVitalStats[VITAL_SALARY] = nSalary;
        pPlayer->anVitalStats[VITAL_SIGNING_BONUS] = nBonus;
        pPlayer->anVitalStats[VITAL_CONTRACT_LENGTH] = 2;
        pPlayer->anVitalStats[VITAL_CONTRACT_YEARS_LEFT] = 2;
    }

    static int Fin(int nTeam, int nStat) {
        return Get_Team_Financial_Stat(nTeam, nStat);
    }

    // Stores a played game of visitor and home team with its attendance in game record 0.
    static GAME* Played_Game(int nVisitor, int nHome, int nAttendance) {
        GAME* pGame = &gGames[0];
        pGame->anTeams[0] = (int8_t)nVisitor;
        pGame->anTeams[1] = (int8_t)nHome;
        pGame->anInfoInts[GAME_INFO_ATTENDANCE] = nAttendance;
        return pGame;
    }
};

// ---- money rules -------------------------------------------------------------------------------

TEST_F(FinanceTest, PriceStepsFollowTheValuesSize) {
    struct {
        int nValue, nStep;
    } kSteps[] = {{0, 1},    {15, 1},    {16, 2},     {20, 2},     {35, 2},    {36, 5},
                  {75, 5},   {76, 10},   {150, 10},   {151, 25},   {375, 25},  {376, 50},
                  {750, 50}, {751, 100}, {1000, 100}, {1500, 100}, {1501, 200}};
    for (const auto& step : kSteps)
        EXPECT_EQ(Get_Price_Step(step.nValue), step.nStep) << step.nValue;

    EXPECT_EQ(Get_Base_Team_Cash(), BASE_CASH);
    EXPECT_EQ(Get_Money_Step_Thousands(), 100000);
    EXPECT_EQ(Round_To_Price_Step(1049), 1000);
    EXPECT_EQ(Round_To_Price_Step(1050), 1100);

    Set_Universe_Stat(UNIVERSE_INFLATION, 1600);
    EXPECT_EQ(Get_Base_Team_Cash(), 36500000);
    EXPECT_EQ(Apply_Inflation(333), 533);  // 532.8
    EXPECT_EQ(Round_To_Price_Step(1099), 1000);
}

TEST_F(FinanceTest, WeeklyLeagueRevenueFromGamesWealthAndSetting) {
    Add_Market_Team(0, 0, 0, 0);
    struct {
        int nGames, nSetting, nCashTimesBase, nRevenue;
    } kCases[] = {
        {17, 0, 1, 11105294},   // 182,500,000 / 17 + 370,000
        {17, 10, 1, 12215823},  // a tenth more
        {17, 0, 2, 5552647},    // a league twice as rich gets half
        {0, 0, 1, 182870000},   // no games counts as one
        {20, 0, 1, 11105294},   // more than 17 games read as 17
    };
    for (const auto& c : kCases) {
        Set_Universe_Stat(UNIVERSE_SEASON_GAMES, c.nGames);
        Set_Universe_Stat(UNIVERSE_REVENUE_SETTING, c.nSetting);
        Set_Team_Financial_Stat(0, FIN_CASH, c.nCashTimesBase * BASE_CASH);
        EXPECT_EQ(Compute_Weekly_League_Revenue(), c.nRevenue) << c.nGames << "," << c.nSetting;
        EXPECT_EQ(Get_Universe_Stat(UNIVERSE_LEAGUE_REVENUE), c.nRevenue);
    }
}

TEST_F(FinanceTest, WealthIndexFollowsTheAverageCashWithinItsLimits) {
    EXPECT_EQ(Compute_League_Wealth_Index(), 0);  // no team yet: nothing stored
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_WEALTH), 0);

    Add_Market_Team(0, 0, 0, 0);
    Add_Market_Team(1, 1, 90000, 0);
    struct {
        int nCash0, nCash1, nWealth;
    } kCases[] = {
        {BASE_CASH, 2 * BASE_CASH, 1500},
        {BASE_CASH * 10, BASE_CASH * 10, 2000},
        {-BASE_CASH, 0, 500},
    };
    for (const auto& c : kCases) {
        Set_Team_Financial_Stat(0, FIN_CASH, c.nCash0);
        Set_Team_Financial_Stat(1, FIN_CASH, c.nCash1);
        EXPECT_EQ(Compute_League_Wealth_Index(), c.nWealth);
        EXPECT_EQ(Get_League_Wealth_Index(), c.nWealth);
    }
    // An index outside its limits is recomputed on reading.
    Set_Universe_Stat(UNIVERSE_WEALTH, 3000);
    EXPECT_EQ(Get_League_Wealth_Index(), 500);

    gOwnerMode = 0;
    Set_Universe_Stat(UNIVERSE_WEALTH, 700);
    EXPECT_EQ(Compute_League_Wealth_Index(), 1000);
    EXPECT_EQ(Get_League_Wealth_Index(), 1000);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_WEALTH), 700);
}

// ---- the accessors -----------------------------------------------------------------------------

TEST_F(FinanceTest, SetterHoldsCashAndFanSupportInTheirRanges) {
    Add_Market_Team(0, 0, 0, 0);
    struct {
        int nStat, nValue, nStored;
    } kCases[] = {
        {FIN_CASH, 2000000000, 1000000000},
        {FIN_CASH, -200000000, -100000000},
        {FIN_CASH, -5, -5},
        {FIN_FAN_SUPPORT, 1400, 1300},
        {FIN_FAN_SUPPORT, 0, 700},
        {FIN_FAN_SUPPORT, 1234, 1234},
        {FIN_TICKET_PRICE, -3, -3},
    };
    for (const auto& c : kCases) {
        Set_Team_Financial_Stat(0, c.nStat, c.nValue);
        EXPECT_EQ(gTeams[0].anFinancialStats[c.nStat], c.nStored) << c.nStat << "," << c.nValue;
    }
    EXPECT_EQ(Last_Error(), "");

    Set_Team_Financial_Stat(NO_TEAM, FIN_CASH, 5);
    EXPECT_EQ(Last_Error(), "");
    Set_Team_Financial_Stat(37, FIN_CASH, 5);
    EXPECT_EQ(Last_Error(), "nTeam out of bounds in Set_Team_Financial_Stat(37,68,5)");
    EXPECT_EQ(gTeams[37].anFinancialStats[FIN_CASH], 0);
    Set_Team_Financial_Stat(36, FIN_CASH, 5);
    EXPECT_EQ(Fin(36, FIN_CASH), 5);
    EXPECT_EQ(Fin(NO_TEAM, FIN_CASH), 0);
}

TEST_F(FinanceTest, GeneralManagerModeShowsNeutralValues) {
    Add_Market_Team(0, 0, 0, 0);
    for (int nStat : {FIN_FAN_SUPPORT, FIN_SCOUTING_LEVEL, FIN_MEDICAL_LEVEL, FIN_NEUTRAL_LEVEL})
        Set_Team_Financial_Stat(0, nStat, 1250);
    Set_Team_Financial_Stat(0, FIN_CASH, 5);
    gOwnerMode = 0;
    for (int nStat : {FIN_FAN_SUPPORT, FIN_SCOUTING_LEVEL, FIN_MEDICAL_LEVEL, FIN_NEUTRAL_LEVEL})
        EXPECT_EQ(Fin(0, nStat), 1000) << nStat;
    EXPECT_EQ(Fin(0, FIN_CASH), BASE_CASH);
    EXPECT_EQ(Fin(LEAGUE_AVERAGE_TEAM, FIN_CASH), BASE_CASH);
    EXPECT_EQ(Fin(0, FIN_CASH_RATIO), 1000);
    gOwnerMode = 1;
    EXPECT_EQ(Fin(0, FIN_CASH), 5);
}

TEST_F(FinanceTest, LeagueAverageAndRanksOverTheActiveTeams) {
    int kCash[] = {300, 100, 300, 200};
    for (int nTeam = 0; nTeam < 4; nTeam++) {
        Add_Market_Team(nTeam, nTeam, 50000 * nTeam, 0);
        Set_Team_Financial_Stat(nTeam, FIN_CASH, kCash[nTeam]);
    }
    Set_Team_Financial_Stat(36, FIN_CASH, 1000000);  // the free agents are not in the league
    EXPECT_EQ(Fin(LEAGUE_AVERAGE_TEAM, FIN_CASH), 225);
    EXPECT_EQ(Fin(-1, FIN_CASH), 225);
    // Ties count half: the two leaders share rank 1, below them come 2 and 3.
    int kRanks[] = {1, 3, 1, 2};
    for (int nTeam = 0; nTeam < 4; nTeam++)
        EXPECT_EQ(Get_Team_Financial_Rank(nTeam, FIN_CASH), kRanks[nTeam]) << nTeam;
}

TEST_F(FinanceTest, PayrollCountsOnlyThe51LargestCapCharges) {
    Add_Market_Team(0, 0, 0, 0);
    for (int nSlot = 0; nSlot < 60; nSlot++)
        Add_Paid_Player(0, nSlot, 2001 + nSlot, 100);
    // Cap charges 2051..2110 (salary plus half the bonus); the 51 largest are 2060..2110.
    EXPECT_EQ(Fin(0, FIN_PAYROLL), 51 * 2085);
    EXPECT_EQ(Fin(0, 88), 60 * 50);
    // Slots 0..50 average: salary 2026, bonus 100 a player, contract years 2.0 in tenths.
    EXPECT_EQ(Fin(0, 94), 2026);
    EXPECT_EQ(Fin(0, 104), 100);
    EXPECT_EQ(Fin(0, 96), 20);

    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 200000000);
    EXPECT_EQ(Fin(0, FIN_CAP_ROOM), 200000 - 51 * 2085);
}

TEST_F(FinanceTest, DerivedSeasonFiguresCombineTheStoredOnes) {
    Add_Market_Team(0, 0, 0, 0);
    struct {
        int nStat, nValue;
    } kStored[] = {{10, 1000}, {14, 200}, {22, 30},  {29, 40}, {36, 50},  {51, 7}, {54, 11},
                   {57, 13},   {60, 17},  {63, 19},  {16, 2},  {11, 3},   {23, 5}, {37, 1},
                   {15, 900},  {70, 4},   {19, 500}, {72, 9},  {62, 100}, {59, 10}};
    for (const auto& s : kStored)
        Set_Team_Financial_Stat(0, s.nStat, s.nValue);
    EXPECT_EQ(Fin(0, FIN_REVENUE), 1320);
    EXPECT_EQ(Fin(0, 86), 7 + 11 + 19 + 17);
    EXPECT_EQ(Fin(0, FIN_EXPENSES), 54 + 13);
    EXPECT_EQ(Fin(0, FIN_PROFIT), 1320 - 67);
    EXPECT_EQ(Fin(0, 92), 225);  // home attendance per home game
    EXPECT_EQ(Fin(0, 93), 100);  // road attendance per road game
    EXPECT_EQ(Fin(0, 108), 1700);
    EXPECT_EQ(Fin(0, 109), 170);
    // No games played yet: the revenue forecast is last season's revenue.
    EXPECT_EQ(Fin(0, FIN_REVENUE_FORECAST), Fin(0, FIN_LAST_REVENUE));
    EXPECT_EQ(Fin(0, FIN_LAST_REVENUE), 2 + 3 + 5 + 1);
    // An unset last-game city cost reads the city's value.
    EXPECT_EQ(Fin(0, FIN_LAST_CITY_COST), Get_Team_City_Income_Value(0));
    EXPECT_EQ(Get_Team_City_Income_Value(0), 20 * 30000 + 500000);
}

TEST_F(FinanceTest, ClearingTheSeasonLeavesLastSeasonsFigures) {
    Add_Market_Team(0, 0, 0, 0);
    for (int nStat = 0; nStat < TEAM_FINANCIAL_STAT_COUNT; nStat++)
        gTeams[0].anFinancialStats[nStat] = nStat + 1;
    Clear_Previous_Financial_Stats(0);
    const int kCleared[] = {10, 14, 15, 19, 22, 29, 36, 51, 54, 57, 60, 63, 70, 72};
    for (int nStat = 0; nStat < TEAM_FINANCIAL_STAT_COUNT; nStat++) {
        bool bCleared = std::count(std::begin(kCleared), std::end(kCleared), nStat) > 0;
        EXPECT_EQ(gTeams[0].anFinancialStats[nStat], bCleared ? 0 : nStat + 1) << nStat;
    }
    Clear_Previous_Financial_Stats(37);
    EXPECT_EQ(Last_Error(), "nTeam out of bounds in Clear_Previous_Financial_Stats");
}

// ---- market and prices -------------------------------------------------------------------------

TEST_F(FinanceTest, CompetitionFactorFallsWithNeighboursNearby) {
    Add_Market_Team(0, 0, 80000, 40000);
    Add_Market_Team(1, 1, 0, 0);
    EXPECT_EQ(Get_Team_Competition_Factor(0), 1000);

    struct {
        int nLongitude, nLatitude, nFactor;
    } kCases[] = {
        {80000, 40000, 750},   // the same city
        {80600, 39600, 857},   // 1000 away: 1500 / 1750
        {81000, 41000, 1000},  // 2000 away is no neighbour
        {81999, 40000, 1000},  // 1999: a crowding of 0
    };
    for (const auto& c : kCases) {
        Set_City_Stat(1, CITY_LONGITUDE, c.nLongitude);
        Set_City_Stat(1, CITY_LATITUDE, c.nLatitude);
        EXPECT_EQ(Get_Team_Competition_Factor(0), c.nFactor) << c.nLongitude;
        EXPECT_EQ(Get_Team_Competition_Factor(1), c.nFactor);
    }
}

TEST_F(FinanceTest, MarketRevenueAndPricesOnKnownFigures) {
    Add_Market_Team(0, 0, 0, 0);
    Set_Universe_Stat(UNIVERSE_WEALTH, 1000);
    EXPECT_EQ(Get_Team_Market_Size(0), 152530);  // round(sqrt(4,750,000)) x 70
    EXPECT_EQ(Update_Team_Projected_Revenue(0), 1794348);
    EXPECT_EQ(Fin(0, FIN_PROJECTED_REVENUE), 1794348);
    EXPECT_EQ(Fin(0, FIN_REVENUE_RATIO), 936);

    // A computer team with no payroll asks twice the city's price of 120 dollars.
    EXPECT_EQ(Get_Team_Market_Ticket_Price(0), 24000);
    Set_Team_Prices(0);
    EXPECT_EQ(Fin(0, FIN_TICKET_PRICE), 12000);
    EXPECT_EQ(Fin(0, FIN_BEVERAGE_PRICE), 1425);
    EXPECT_EQ(Fin(0, FIN_FOOD_PRICE), 1800);
    EXPECT_EQ(Fin(0, FIN_SOUVENIR_PRICE), 2400);
    EXPECT_EQ(Fin(0, FIN_SPENDING_A), 112300);
    EXPECT_EQ(Fin(0, FIN_SPENDING_B), 166700);

    // A human owner on difficulty 2 charges 90 % of the city's price.
    Set_Team_Stat(0, TEAM_CONTROL, CONTROL_HUMAN);
    gDifficulty = 2;
    EXPECT_EQ(Get_Team_Market_Ticket_Price(0), 10800);
    // A premium stadium earns a tenth more.
    Set_Team_Stadium_Stat(0, STADIUM_STRUCTURE, 2);
    EXPECT_EQ(Get_Team_Market_Ticket_Price(0), 11880);
    EXPECT_EQ(Update_Team_Projected_Revenue(0), 1973783);
}

// The branches of the market rules on one team of known figures: a market ticket price of
// 24,000 at the base cash, a projected revenue of 1,794,348 and an operating cost of 4,365,409.
TEST_F(FinanceTest, MarketRulesAtTheirLimits) {
    auto Ticket_Price = [] { return Get_Team_Market_Ticket_Price(0); };
    auto Cash = [](int nCash) { return [nCash] { Set_Team_Financial_Stat(0, FIN_CASH, nCash); }; };
    auto Projected = [](int nStat) {
        return [nStat] {
            Set_Team_Season_Projections(0);
            return Fin(0, nStat);
        };
    };
    auto Prices_Set = [] {
        Update_All_Team_Prices(0);
        return Fin(0, FIN_TICKET_PRICE);
    };
    auto Nothing = [] {};
    auto Ticket_12000 = [] { Set_Team_Financial_Stat(0, FIN_TICKET_PRICE, 12000); };
    const struct {
        const char* szWhat;
        std::function<void()> prepare;
        std::function<int()> value;
        int nExpected;
    } kCases[] = {
        {"price, cash 125,000,000", Cash(125000000), Ticket_Price, 19200},  // x 100M / cash
        {"price, cash 250,000,000", Cash(250000000), Ticket_Price, 9600},
        {"price, cash 1.5 bases in debt", Cash(-BASE_CASH * 3 / 2), Ticket_Price, 36000},
        {"price, cash 3 bases in debt", Cash(-BASE_CASH * 3), Ticket_Price, 72000},
        {"price, cash 100,000,000", Cash(100000000), Ticket_Price, 24000},
        {"operating cost, cash 40 x revenue", Cash(40 * 1794348),
         [] { return Get_Team_Operating_Cost(0); }, 2 * 4365409},
        // Gate 11,600 x 526,400 / 100, a quarter of it x 17,000 / 10,000 = 25,951,520.
        {"food projection", Ticket_12000, Projected(FIN_FOOD_PROJECTION), 9083032},
        {"beverage projection", Ticket_12000, Projected(FIN_BEVERAGE_PROJECTION), 11678184},
        {"souvenir projection", Ticket_12000, Projected(FIN_SOUVENIR_PROJECTION), 5190304},
        // A quarter of the cash above the base (truncated) and half of no revenue yet plus
        // 182,500,000.
        {"payroll budget", Cash(BASE_CASH + 4000003), [] { return Get_Team_Payroll_Budget(0); },
         92250000},
        {"spending limit without a cap", Cash(BASE_CASH + 4000003),
         [] { return Get_Team_Spending_Limit(0); }, 92250000},
        {"spending limit under a cap", [] { Set_Universe_Stat(UNIVERSE_SALARY_CAP, 200000000); },
         [] { return Get_Team_Spending_Limit(0); }, 200000000},
        {"prices set", Nothing, Prices_Set, 12000},
        {"prices left in Commissioner Mode", [] { gCommissionerMode = 1; }, Prices_Set, 777},
    };
    for (const auto& c : kCases) {
        SetUp();  // a fresh league for every case
        Add_Market_Team(0, 0, 0, 0);
        Set_Universe_Stat(UNIVERSE_WEALTH, 1000);
        Set_Team_Financial_Stat(0, FIN_TICKET_PRICE, 777);
        c.prepare();
        EXPECT_EQ(c.value(), c.nExpected) << c.szWhat;
    }
}

TEST_F(FinanceTest, NewTeamGetsItsSpendingCostsAndCash) {
    Add_Market_Team(0, 0, 0, 0);
    Initialize_Team_Finances(0);
    EXPECT_EQ(Fin(0, FIN_MEDICAL_LEVEL), 667);
    EXPECT_EQ(Fin(0, FIN_SCOUTING_LEVEL), 936);
    EXPECT_EQ(Fin(0, FIN_OPERATING_COST), 4365409);  // (20 x 1,794,348 + 30 x 1,277,500) / 17
    EXPECT_EQ(Fin(0, FIN_CASH), 5 * 1794348 + BASE_CASH / 2);

    // A poor team spends less: with no cash, 550 per mille.
    Set_Team_Financial_Stat(0, FIN_CASH, 0);
    EXPECT_EQ(Get_Team_Operating_Cost(0), Mul_Div(4365409, 550, 1000));
    Set_Universe_Stat(UNIVERSE_SEASON_GAMES, 0);
    EXPECT_EQ(Get_Team_Operating_Cost(0), 0);
}

TEST_F(FinanceTest, NewGameRanksTheProjectedRevenues) {
    gOwnerMode = 0;  // the league's wealth stays 1000
    Add_Market_Team(0, 0, 0, 0);
    Add_Market_Team(1, 1, 100000, 0);
    Add_Market_Team(2, 2, 200000, 0);
    Set_City_Stat(1, CITY_INCOME, 45000);
    Set_City_Stat(2, CITY_INCOME, 20000);
    Reset_All_Team_Finances();
    EXPECT_EQ(Fin(2, FIN_REVENUE_INDEX), 100);
    EXPECT_EQ(Fin(1, FIN_REVENUE_INDEX), -100);
    EXPECT_GT(Fin(0, FIN_REVENUE_INDEX), -100);
    EXPECT_LT(Fin(0, FIN_REVENUE_INDEX), 100);
    for (int nTeam = 0; nTeam < 3; nTeam++) {
        EXPECT_GT(Fin(nTeam, FIN_TICKET_PRICE), 0);
        EXPECT_EQ(Fin(nTeam, FIN_SEASON_GAMES), 17);
        EXPECT_EQ(Fin(nTeam, FIN_SEASON_HOME_GAMES), 8);
        EXPECT_EQ(Fin(nTeam, FIN_PROJECTED_LEAGUE_PAYMENTS), 17 * 11105294);
        // 8 home games of 70,000 x (1000 / 5 + 740) / 1000 = 65,800 fans.
        EXPECT_EQ(Fin(nTeam, FIN_PROJECTED_ATTENDANCE), 8 * 65800);
    }
}

// ---- a played game -----------------------------------------------------------------------------

TEST_F(FinanceTest, GateIsSharedAndTheBooksBalanceTheCash) {
    Add_Market_Team(0, 0, 0, 0);
    Add_Market_Team(1, 1, 100000, 0);
    Add_Paid_Player(0, 0, 1700);
    Add_Paid_Player(1, 0, 3400);
    Set_Team_Prices(0);
    Set_Team_Prices(1);
    Set_Team_Financial_Stat(1, FIN_TICKET_PRICE, 100);
    Record_Game_Gate_Revenue(Played_Game(0, 1, 1000001));

    EXPECT_EQ(Fin(1, FIN_LAST_GATE), 1000001);
    EXPECT_EQ(Fin(1, FIN_GATE_REVENUE), 660001);
    EXPECT_EQ(Fin(0, FIN_GATE_REVENUE), 340000);
    EXPECT_EQ(Fin(1, FIN_LAST_ATTENDANCE), 1000001);
    EXPECT_EQ(Fin(1, FIN_HOME_ATTENDANCE), 1000001);
    EXPECT_EQ(Fin(0, FIN_ROAD_ATTENDANCE), 1000001);
    EXPECT_EQ(Fin(0, FIN_LAST_PAYROLL_COST), 100000);
    EXPECT_EQ(Fin(1, FIN_PAYROLL_COSTS), 200000);
    EXPECT_EQ(Fin(1, FIN_HOME_GAMES), 1);
    EXPECT_EQ(Fin(1, FIN_GAMES), 1);
    EXPECT_EQ(Fin(0, FIN_HOME_GAMES), 0);
    EXPECT_EQ(Fin(0, FIN_GAMES), 1);

    for (int nTeam = 0; nTeam < 2; nTeam++) {
        int nConcessions = nTeam == 1 ? Fin(1, 105) : 0;
        int nCosts = Fin(nTeam, FIN_LAST_CITY_COST) + Fin(nTeam, FIN_LAST_PAYROLL_COST) +
                     Fin(nTeam, FIN_OPERATING_COST) + Fin(nTeam, FIN_SPENDING_B) +
                     Fin(nTeam, FIN_SPENDING_A);
        EXPECT_EQ(Fin(nTeam, FIN_CASH) - BASE_CASH,
                  Fin(nTeam, FIN_GATE_REVENUE) + nConcessions - nCosts)
            << nTeam;
        EXPECT_EQ(Fin(nTeam, FIN_REVENUE) - Fin(nTeam, FIN_EXPENSES),
                  Fin(nTeam, FIN_CASH) - BASE_CASH);
    }
}

TEST_F(FinanceTest, PostseasonGateIsDoubledAndOnlyTheCityIsPaid) {
    Add_Market_Team(0, 0, 0, 0);
    Add_Market_Team(1, 1, 100000, 0);
    Add_Paid_Player(0, 0, 1700);
    Set_Team_Prices(1);
    Set_Team_Financial_Stat(1, FIN_TICKET_PRICE, 5000);
    gCurrentWeek = 18;  // the first postseason week
    Record_Game_Gate_Revenue(Played_Game(0, 1, 60000));

    EXPECT_EQ(Fin(1, FIN_LAST_GATE), 6000000);
    EXPECT_EQ(Fin(0, FIN_GATE_REVENUE), 2040000);
    for (int nStat :
         {FIN_PAYROLL_COSTS, FIN_OPERATING_COSTS, FIN_SPENDING_A_TOTAL, FIN_SPENDING_B_TOTAL})
        EXPECT_EQ(Fin(0, nStat), 0) << nStat;
    EXPECT_EQ(Fin(0, FIN_CASH), BASE_CASH + 2040000 - (20 * 30000 + 500000));
}

TEST_F(FinanceTest, EachConcessionItemKeepsItsOwnNet) {
    Add_Market_Team(0, 0, 0, 0);
    Add_Market_Team(1, 1, 100000, 0);
    Set_Team_Prices(1);
    // Food and souvenirs priced beyond any buyer: only beverages sell.
    Set_Team_Financial_Stat(1, FIN_FOOD_PRICE, 1000000);
    Set_Team_Financial_Stat(1, FIN_SOUVENIR_PRICE, 1000000);
    int nNet = Record_Game_Concessions(1, Played_Game(0, 1, 60000));
    EXPECT_GT(nNet, 0);
    EXPECT_EQ(Fin(1, FIN_BEVERAGE_LAST_NET), nNet);
    EXPECT_EQ(Fin(1, FIN_BEVERAGE_NET), nNet);
    EXPECT_EQ(Fin(1, FIN_FOOD_LAST_NET), 0);
    EXPECT_EQ(Fin(1, FIN_SOUVENIR_NET), 0);
    Record_Game_Concessions(1, Played_Game(0, 1, 60000));
    EXPECT_EQ(Fin(1, FIN_BEVERAGE_NET), 2 * nNet);
}

TEST_F(FinanceTest, WeeklyLeaguePaymentOnlyInTheRegularSeason) {
    Add_Market_Team(0, 0, 0, 0);
    Add_Market_Team(1, 1, 100000, 0);
    Compute_Weekly_League_Revenue();
    gCurrentWeek = 17;
    Pay_Weekly_League_Revenue();
    for (int nTeam = 0; nTeam < 2; nTeam++) {
        EXPECT_EQ(Fin(nTeam, FIN_WEEK_LEAGUE_PAYMENT), 11105294);
        EXPECT_EQ(Fin(nTeam, FIN_LEAGUE_PAYMENTS), 11105294);
        EXPECT_EQ(Fin(nTeam, FIN_CASH), BASE_CASH + 11105294);
    }
    gCurrentWeek = 18;
    Pay_Weekly_League_Revenue();
    EXPECT_EQ(Fin(0, FIN_LEAGUE_PAYMENTS), 11105294);
}

// ---- fan support and the season's finish -------------------------------------------------------

TEST_F(FinanceTest, FanSupportAfterTheSeason) {
    Add_Market_Team(0, 0, 0, 0);
    struct {
        int nOldFans, nWins, nPlayoffWins, nFinish, nNewFans;
    } kCases[] = {
        {1000, 0, 0, 0, 893},    // the index is at least 571
        {1000, 9, 0, 4, 1023},   // index 890 + 0 + 200
        {1000, 12, 2, 7, 1175},  // index 1186 + 164 + 350
        {1300, 17, 4, 8, 1300},  // index 1750, the fans at most 1300
        {700, 0, 0, 0, 700},     // 525 + 143 is raised to 700
    };
    for (const auto& c : kCases) {
        Set_Team_Financial_Stat(0, FIN_FAN_SUPPORT, c.nOldFans);
        Set_Team_Yearly_Char(0, 0, YEARLY_WINS, c.nWins);
        Set_Team_Yearly_Char(0, 0, YEARLY_PLAYOFF_WINS, c.nPlayoffWins);
        Set_Team_Yearly_Int(0, 0, YEARLY_FINISH, c.nFinish);
        Update_Team_Fan_Support(0);
        EXPECT_EQ(Fin(0, FIN_FAN_SUPPORT), c.nNewFans) << c.nOldFans << "," << c.nWins;
    }
}

TEST_F(FinanceTest, PricesMoveFanSupportOnlyWithinItsRange) {
    Add_Market_Team(0, 0, 0, 0);
    Set_Team_Financial_Stat(0, FIN_TICKET_PRICE, 0);  // free seats: the fans always warm
    Set_Team_Financial_Stat(0, FIN_FAN_SUPPORT, 1298);
    for (int i = 0; i < 5; i++)
        Adjust_Fan_Support_For_Price(0);
    EXPECT_EQ(Fin(0, FIN_FAN_SUPPORT), 1300);

    Set_Team_Financial_Stat(0, FIN_TICKET_PRICE, 50000);  // four times what the city can pay
    Set_Team_Financial_Stat(0, FIN_FAN_SUPPORT, 702);
    for (int i = 0; i < 5; i++)
        Adjust_Fan_Support_For_Price(0);
    EXPECT_EQ(Fin(0, FIN_FAN_SUPPORT), 700);
    Lower_Fan_Support(0);
    EXPECT_EQ(Fin(0, FIN_FAN_SUPPORT), 700);
    Raise_Fan_Support(0);
    EXPECT_EQ(Fin(0, FIN_FAN_SUPPORT), 701);
}

TEST_F(FinanceTest, SeasonFinishFromPlayoffSlotAndDivisionPlace) {
    const int nTeam = 5;
    for (int n = 0; n <= nTeam; n++)
        Add_Market_Team(n, n, 100000 * n, 0);
    struct {
        int nSlot, nPlace, nFinish;
    } kCases[] = {
        {30, 1, 8}, {29, 1, 7}, {28, 0, 7}, {27, 2, 6}, {1, 3, 6},  {0, 0, 5},
        {0, 1, 4},  {-1, 0, 5}, {-1, 1, 3}, {-1, 2, 2}, {-1, 3, 1}, {-1, 4, 0},
    };
    for (const auto& c : kCases) {
        memset(gPlayoffSlots, NO_TEAM, sizeof gPlayoffSlots);
        memset(gDivisionStandings, NO_TEAM, sizeof gDivisionStandings);
        if (c.nSlot >= 0)
            gPlayoffSlots[c.nSlot] = nTeam;
        gDivisionStandings[0][c.nPlace] = nTeam;
        EXPECT_EQ(Record_Team_Season_Finish(nTeam), c.nFinish) << c.nSlot << "," << c.nPlace;
        EXPECT_EQ(Get_Team_Yearly_Char(nTeam, 0, YEARLY_DIVISION_PLACE), c.nPlace);
    }

    // A team in no standings row: its place byte is refused by the writer and stays as it was.
    memset(gDivisionStandings, NO_TEAM, sizeof gDivisionStandings);
    memset(gPlayoffSlots, NO_TEAM, sizeof gPlayoffSlots);
    Clear_Errors();
    EXPECT_EQ(Record_Team_Season_Finish(nTeam), 0);
    EXPECT_EQ(Last_Error(), "cValue out of bounds in Set_Team_Yearly_Char()");
    EXPECT_EQ(Get_Team_Yearly_Char(nTeam, 0, YEARLY_DIVISION_PLACE), 4);
}
