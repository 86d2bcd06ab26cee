// The random schedule: weeks, byes and games for even and odd leagues, and the weighted draws.
#include "season_test_fixture.h"

struct RANDOM_CASE {
    int nTeams;
    int nGames;
    int nYear;
    int nWeeks;      // weeks the rows use
    int nEmptyWeek;  // the whole league's bye week, -1 none
};

// Every team gets its games and at most one bye; the two rows of every game agree.
TEST_F(SeasonTest, RandomScheduleGivesEveryTeamItsGamesAndByes) {
    static const RANDOM_CASE kCases[] = {
        {24, 16, 1989, 16, -1}, {24, 16, 1990, 17, 8},  {32, 17, 2022, 18, 9},
        {29, 16, 1995, 17, -1}, {27, 14, 1985, 14, -1}, {7, 6, 1995, 7, -1},
    };
    for (const RANDOM_CASE& c : kCases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << c.nTeams << " teams in " << c.nYear);
        Set_League(c.nYear, c.nGames);
        Keep_Teams(c.nTeams);
        int nAttempts = 1;  // an attempt may fail; the driver makes up to 1,000
        while (!Generate_Random_Schedule() && nAttempts < 1000)
            nAttempts++;
        ASSERT_LT(nAttempts, 1000);
        int anGames[FIXTURE_TEAM_COUNT];
        Expect_Rows_Agree(c.nTeams, c.nWeeks, anGames);
        int nFullSeason = 0;
        for (int nTeam = 0; nTeam < c.nTeams; nTeam++) {
            int nByes = c.nWeeks - anGames[nTeam] - (c.nEmptyWeek >= 0 ? 1 : 0);
            EXPECT_TRUE(nByes == 0 || nByes == 1) << "team " << nTeam << ": " << anGames[nTeam];
            nFullSeason += nByes == 0;
            if (c.nTeams % 2 == 0 || c.nWeeks > c.nGames) {
                EXPECT_EQ(anGames[nTeam], c.nGames) << "team " << nTeam;
            }
            if (c.nEmptyWeek >= 0) {
                EXPECT_FALSE(Game_Scheduled_Today(nTeam, c.nEmptyWeek));
            }
        }
        if (c.nTeams == 27) {
            EXPECT_EQ(nFullSeason, 1);  // 26 byes for 27 teams
        }
        EXPECT_EQ(Find_First_Postseason_Week(), c.nWeeks);
        EXPECT_EQ(Last_Error(), "");
    }
}

TEST(RandomSchedule, OddLeaguesSitTeamsOutByThePlan) {
    int anByes[SCHEDULE_WEEKS] = {};
    ASSERT_EQ(Plan_Odd_League_Byes(29, 17, anByes), 1);
    for (int k = 0; k < 17; k++)
        EXPECT_EQ(anByes[k], k >= 5 && k <= 10 ? 3 : 1) << "week " << k;
    ASSERT_EQ(Plan_Odd_League_Byes(27, 14, anByes), 1);
    int nTotal = 0;
    for (int k = 0; k < 14; k++)
        nTotal += anByes[k];
    EXPECT_EQ(nTotal, 26);
    EXPECT_EQ(Plan_Odd_League_Byes(15, 17, anByes), 0);  // more byes than teams
    EXPECT_EQ(Plan_Odd_League_Byes(1, 17, anByes), 0);
}

TEST_F(SeasonTest, LeaguesWithoutASchedulePlanFailTheAttemptAtOnce) {
    Set_League(1995, 16);
    Keep_Teams(15);
    EXPECT_EQ(Generate_Random_Schedule(), 0);
    Keep_Teams(1);
    EXPECT_EQ(Generate_Random_Schedule(), 0);
    EXPECT_EQ(Find_First_Postseason_Week(), 0);
}

// A division rival with more home than away games passes the balance tests, which look at the
// candidate's away surplus only.
TEST_F(SeasonTest, VisitorsAreRejectedForTheirAwaySurplusOnly) {
    Set_League(2010, 16);
    for (int nWeek = 0; nWeek < 4; nWeek++)
        Schedule_Game(1, 8 + nWeek, nWeek, 0);  // team 1 has four home games
    for (int n = 0; n < 200; n++)
        ASSERT_FALSE(Is_Visitor_Rejected(1, 0));
    for (int nWeek = 0; nWeek < 4; nWeek++)
        Schedule_Game(12 + nWeek, 2, nWeek, 1);  // team 2 has four away games
    int nRejected = 0;
    for (int n = 0; n < 200; n++)
        nRejected += Is_Visitor_Rejected(2, 0);
    EXPECT_GT(nRejected, 150);  // rejected unless three tests in a row let it pass
}
