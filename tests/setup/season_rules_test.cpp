// Season rules by year, the salary cap and inflation, career curves, and the contract
// recalculation that brings every payroll just under the cap.
#include <gtest/gtest.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "fixtures/fixture_teams.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "season/season.h"
#include "setup/setup.h"

namespace {

class SeasonRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Clear_League_Database();
        memset(gRecentErrors, 0, sizeof gRecentErrors);
    }

    static void Set_Season(int nFirstYear, int nSeasonNumber) {
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, nFirstYear);
        gSeasonNumber = nSeasonNumber;
    }
};

TEST_F(SeasonRulesTest, SalaryCapByYear) {
    struct {
        int nYear;
        int nCap;
    } const kCases[] = {
        {1951, 5980523},  // 4 % less a year before 1994, rounded at every step
        {1993, 33216000},  {1994, 34600000},  {2009, 128000000}, {2010, 128000000},
        {2020, 198200000}, {2021, 182500000}, {2022, 187975000},  // 3 % of the 2021 cap a year after it
        {2051, 346750000}, {2060, 346750000},                     // growth stops after 30 years
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Get_Season_Salary_Cap(c.nYear), c.nCap) << c.nYear;
    EXPECT_STREQ(gRecentErrors, "");
    Get_Season_Salary_Cap(1900);  // far below a million
    EXPECT_NE(strstr(gRecentErrors, "Get_Season_Salary_Cap(1900) returned"), nullptr);
}

TEST_F(SeasonRulesTest, RulesFollowTheSeasonYear) {
    struct {
        int nYear, nGames, nWildCards, nOvertimeGames, nOvertimeRule, nPlayoffOvertime;
        int nTwoPoint, nExtraPointLine, nTouchbackLine, nOvertimeLength, nKickoff, nMissedFieldGoal;
    } const kCases[] = {
        {1960, 12, 0, 0, 0, 2, 0, 0, 0, 15, 2, 2}, {1961, 14, 0, 0, 0, 2, 0, 0, 0, 15, 2, 2},
        {1970, 14, 1, 0, 0, 2, 0, 0, 0, 15, 2, 2}, {1974, 14, 1, 1, 0, 2, 0, 0, 0, 15, 1, 1},
        {1978, 16, 2, 1, 0, 2, 0, 0, 0, 15, 1, 1}, {1990, 16, 3, 1, 0, 2, 0, 0, 0, 15, 1, 1},
        {1994, 16, 3, 1, 0, 2, 1, 0, 0, 15, 0, 0}, {2002, 16, 2, 1, 0, 2, 1, 0, 0, 15, 0, 0},
        {2010, 16, 2, 1, 0, 3, 1, 0, 0, 15, 0, 0}, {2011, 16, 2, 1, 0, 3, 1, 0, 0, 15, 1, 0},
        {2013, 16, 2, 1, 1, 3, 1, 0, 0, 15, 1, 0}, {2015, 16, 2, 1, 1, 3, 1, 1, 0, 15, 1, 0},
        {2016, 16, 2, 1, 1, 3, 1, 1, 1, 15, 1, 0}, {2017, 16, 2, 1, 1, 3, 1, 1, 1, 10, 1, 0},
        {2020, 16, 3, 1, 1, 3, 1, 1, 1, 10, 1, 0}, {2021, 17, 3, 1, 1, 3, 1, 1, 1, 10, 1, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nYear);
        Set_Season(c.nYear, 0);
        Apply_Season_Rules();
        EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), c.nGames);
        EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), c.nWildCards);
        EXPECT_EQ(gOvertimeGames, c.nOvertimeGames);
        EXPECT_EQ(gOvertimeRule, c.nOvertimeRule);
        EXPECT_EQ(gPlayoffOvertimeRule, c.nPlayoffOvertime);
        EXPECT_EQ(gTwoPointConversions, c.nTwoPoint);
        EXPECT_EQ(gExtraPointLine, c.nExtraPointLine);
        EXPECT_EQ(gKickoffTouchbackLine, c.nTouchbackLine);
        EXPECT_EQ(gOvertimePeriodLength, c.nOvertimeLength);
        EXPECT_EQ(gKickoffLocation, c.nKickoff);
        EXPECT_EQ(gMissedFieldGoalSpot, c.nMissedFieldGoal);
        EXPECT_EQ(gSuperBowl, c.nYear >= 1966);
        EXPECT_EQ(gNoSameDivisionDivisionalRound, c.nYear < 1990);
    }
}

TEST_F(SeasonRulesTest, GamesPerSeasonAbove17AreCutBeforeTheYearIsApplied) {
    Set_Season(2019, 0);
    gUniverseStats[UNIVERSE_SEASON_GAMES] = 18;
    Update_Season_Games();
    EXPECT_EQ(gUniverseStats[UNIVERSE_SEASON_GAMES], 16);
}

// A year's rule that would leave a league it cannot play is refused with a notice.
TEST_F(SeasonRulesTest, RulesThatWouldBreakTheLeagueAreNotApplied) {
    Build_Fixture_League();
    for (int nTeam = 12; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_NOT_IN_USE);  // one conference of 3 divisions
    Set_Season(1969, 0);  // no wild cards until 1970
    Set_Universe_Stat(WILD_CARD_TEAMS, 1);
    Update_Wild_Card_Teams();
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 1);
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_NE(Test_Get_Transcript()[0].stText.find("3 teams cannot make a bracket"),
              std::string::npos);

    Set_Season(1970, 0);
    Update_Wild_Card_Teams();
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 1);
    EXPECT_EQ(Test_Get_Transcript().size(), 1u);
}

// The cap moves only upward, only for a league that has one, and only by 2 % or more.
TEST_F(SeasonRulesTest, SalaryCapUpdates) {
    struct {
        int nFirstYear, nCurrent, nExpected;
    } const kCases[] = {
        {1993, 0, 0},                  // a league without a cap keeps none
        {1993, 1000000, 34600000},     // a jump of double or more takes the year's cap whole
        {2019, 180000000, 198200000},  // 2020: a plain raise
        {2020, 198200000, 198200000},  // 2021: the cap never falls
        {2019, 195000000, 195000000},  // 2020: 3,200,000 is below 2 % of the cap
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nCurrent);
        Set_Season(c.nFirstYear, 1);
        Set_Universe_Stat(UNIVERSE_SALARY_CAP, c.nCurrent);
        Set_Universe_Stat(UNIVERSE_INFLATION, 1000);
        Update_Salary_Cap();
        EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SALARY_CAP), c.nExpected);
    }
}

// In Owner Mode the raise follows the league's wealth, and the cap is rounded to the price step.
TEST_F(SeasonRulesTest, OwnerModeScalesTheCapRaiseByWealth) {
    Set_Season(2019, 1);
    gOwnerMode = 1;
    Set_Universe_Stat(UNIVERSE_WEALTH, 750);
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 180000000);
    Set_Universe_Stat(UNIVERSE_INFLATION, 1000);
    Update_Salary_Cap();
    // 180,000,000 + 18,200,000 x 0.75 = 193,650,000, rounded half up to a 100,000 step.
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SALARY_CAP), 193700000);
    gOwnerMode = 0;
}

TEST_F(SeasonRulesTest, InflationFactorIsTheCapPerMilleOfTheBase) {
    Set_Season(2019, 0);
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 91250000);
    Update_Inflation_Factor();
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_INFLATION), 500);
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);  // no cap: the year's cap
    Update_Inflation_Factor();
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_INFLATION), 1031);  // 188,200,000 / 182,500,000
}

// The leagues swap once, when 1970 is reached by playing, not when a league starts in 1970.
TEST_F(SeasonRulesTest, LeaguesSwapWhen1970IsReached) {
    Add_Team(0, "City", "Team", 1);
    Add_Team(1, "City", "Team", 6);
    Set_Season(1970, 0);
    Apply_Season_Rules();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_DIVISION), 1);
    Set_Season(1969, 1);
    Apply_Season_Rules();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_DIVISION), 5);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_DIVISION), 2);
    Set_Season(1969, 2);
    Apply_Season_Rules();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_DIVISION), 5);
}

// The two playoff rules a user may set keep their values except in the year that changes them.
TEST_F(SeasonRulesTest, PlayoffRulesKeepTheUsersChoiceBetweenTheirYears) {
    Set_Season(1980, 3);
    gSuperBowl = 0;
    gNoSameDivisionDivisionalRound = 1;
    Apply_Season_Rules();
    EXPECT_EQ(gSuperBowl, 0);
    EXPECT_EQ(gNoSameDivisionDivisionalRound, 1);
    Set_Season(1980, 10);
    Apply_Season_Rules();
    EXPECT_EQ(gNoSameDivisionDivisionalRound, 0);
}

TEST_F(SeasonRulesTest, CareerCurvesAreReset) {
    Add_Team(0, "City", "Team", 0);
    gTeams[0].aPlayers[0].anVitalStats[VITAL_PLAYER_ID] = 11;
    gTeams[0].aPlayers[0].anVitalStats[VITAL_POSITION] = POS_QB;
    gTeams[FREE_AGENT_TEAM].aPlayers[0].anVitalStats[VITAL_PLAYER_ID] = 12;
    gTeams[FREE_AGENT_TEAM].aPlayers[0].anVitalStats[VITAL_POSITION] = POS_RB;
    gTeams[5].aPlayers[0].anVitalStats[VITAL_PLAYER_ID] = 13;  // a team not in use
    Set_Season(2021, 0);
    Reset_Player_Career_Curves();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_PRIME_END), 35);  // 32 + 71 / 20
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_PRIME_START), 25);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_DECLINE_RATE), 100);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_GROWTH_RATE), 100);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_PRIME_END), 27);
    EXPECT_EQ(gTeams[5].aPlayers[0].anVitalStats[VITAL_PRIME_END], 0);
}

TEST_F(SeasonRulesTest, AllTeamsGoToTheComputer) {
    Add_Team(0, "City", "Team", 0);
    Add_Team(1, "City", "Team", 0);
    Set_Team_Stat(1, TEAM_CONTROL, CONTROL_HUMAN);
    EXPECT_EQ(Set_All_Teams_Computer(), 2);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_CONTROL), CONTROL_COMPUTER);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_CONTROL), CONTROL_NOT_IN_USE);
    EXPECT_EQ(gActiveTeamCount, 2);
}

// ---- contract recalculation ------------------------------------------------------------------

class ContractRecalculationTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
    }
};

TEST_F(ContractRecalculationTest, PayrollsLandBetween92And97PerCentOfTheCap) {
    Recalculate_Contracts();
    int64_t nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        int64_t nPayroll = (int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000;
        EXPECT_GE(nPayroll, nCap * 915 / 1000) << nTeam;
        EXPECT_LE(nPayroll, nCap * 975 / 1000) << nTeam;
    }
}

TEST_F(ContractRecalculationTest, WithoutACapOnlyTheInitialContractsAreGiven) {
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);
    Seed_Random(FIXED_RANDOM_SEED);
    Assign_All_Initial_Contracts();
    int nPayroll = Get_Team_Financial_Stat(3, FIN_PAYROLL);
    Build_Fixture_League();
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);
    Seed_Random(FIXED_RANDOM_SEED);
    Recalculate_Contracts();
    EXPECT_EQ(Get_Team_Financial_Stat(3, FIN_PAYROLL), nPayroll);
}

}  // namespace
