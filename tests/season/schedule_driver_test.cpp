// The schedule driver: its choice of source, the postseason weeks and leagues it cannot schedule.
#include "season_test_fixture.h"

struct SOURCE_CASE {
    int nTeams;
    int nGames;
    int nYear;
    int bUnevenDivisions;
    int nSource;
};

TEST_F(SeasonTest, DriverChoosesTheFixedScheduleByLeagueSizeGamesAndYear) {
    static const SOURCE_CASE kCases[] = {
        {32, 17, 2022, 0, SCHEDULE_SOURCE_32_TEAMS_17_GAMES},
        {32, 18, 2022, 0, SCHEDULE_SOURCE_32_TEAMS_17_GAMES},  // capped at 17
        {32, 16, 2010, 0, SCHEDULE_SOURCE_32_TEAMS},
        {32, 16, 2010, 1, SCHEDULE_SOURCE_RANDOM},
        {32, 17, 2022, 1, SCHEDULE_SOURCE_RANDOM},
        {32, 14, 2010, 0, SCHEDULE_SOURCE_RANDOM},
        {31, 16, 2001, 0, SCHEDULE_SOURCE_31_TEAMS},
        {30, 16, 1998, 0, SCHEDULE_SOURCE_30_TEAMS},
        {28, 16, 1990, 0, SCHEDULE_SOURCE_28_TEAMS_BYES},
        {28, 16, 1989, 0, SCHEDULE_SOURCE_28_TEAMS},
        {28, 15, 1989, 0, SCHEDULE_SOURCE_RANDOM},
        {28, 14, 1976, 0, SCHEDULE_SOURCE_28_TEAMS_14_GAMES},
        {26, 14, 1972, 0, SCHEDULE_SOURCE_26_TEAMS},
        {26, 16, 1972, 0, SCHEDULE_SOURCE_RANDOM},
        {12, 12, 1959, 0, SCHEDULE_SOURCE_12_TEAMS},
        {24, 16, 1990, 0, SCHEDULE_SOURCE_RANDOM},
    };
    for (const SOURCE_CASE& c : kCases) {
        SetUp();
        Set_League(c.nYear, c.nGames);
        Keep_Teams(c.nTeams);
        if (c.bUnevenDivisions)
            Set_Team_Stat(0, TEAM_DIVISION, 1);
        EXPECT_EQ(Get_Fixed_Schedule_Source(), c.nSource)
            << c.nTeams << " teams, " << c.nGames << " games in " << c.nYear;
    }
}

TEST_F(SeasonTest, ScheduleFilesAreTriedOnlyInTheirEra) {
    struct {
        int nYear, nGames, bTried;
    } kCases[] = {
        {1960, 14, 0}, {1960, 12, 1}, {1977, 16, 0}, {1977, 14, 1}, {1978, 16, 1},
        {2000, 17, 1}, {2000, 18, 1}, {2001, 16, 0}, {1990, 11, 0},
    };
    for (const auto& c : kCases) {
        Set_League(c.nYear, c.nGames);
        EXPECT_EQ(Should_Read_Schedule_Files(), c.bTried) << c.nYear << ", " << c.nGames;
        EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), Min_Int(c.nGames, 17));
    }
}

TEST_F(SeasonTest, DriverSetsThePostseasonWeeksAfterTheLastGame) {
    struct {
        int nTeams, nGames, nYear, nFirstPostseasonWeek;
    } kCases[] = {
        {32, 17, 2022, 18},
        {32, 16, 2010, 17},
        {29, 16, 1995, 17},
        {24, 16, 1989, 16},
    };
    for (const auto& c : kCases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << c.nTeams << " teams in " << c.nYear);
        Set_League(c.nYear, c.nGames);
        Keep_Teams(c.nTeams);
        ASSERT_EQ(Create_Season_Schedule(), 1);
        int anGames[FIXTURE_TEAM_COUNT];
        Expect_Rows_Agree(c.nTeams, c.nFirstPostseasonWeek, anGames);
        for (int nTeam = 0; nTeam < c.nTeams; nTeam++)
            EXPECT_EQ(anGames[nTeam], c.nGames) << "team " << nTeam;
        for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
            EXPECT_EQ(gPostseasonWeeks[n], c.nFirstPostseasonWeek + n);
        EXPECT_TRUE(Test_Get_Transcript().empty());
    }
}

// A league that cannot be scheduled gets a message, and its rows and postseason weeks stay.
TEST_F(SeasonTest, DriverLeavesTheSeasonAloneWhenNoScheduleCanBeMade) {
    struct {
        int nTeams;
        int nWildCards;
        const char* szText;
    } kCases[] = {
        {1, 3, "at least two teams"},
        {15, 3,
         "Unable to generate a season schedule for this league. Try moving or erasing teams "
         "in the League Editor."},  // 17 weeks of byes for 15 teams
        {12, 0, "3 teams cannot make a bracket"},  // three division winners, no wild card
    };
    for (const auto& c : kCases) {
        SetUp();
        Set_League(1995, 16);
        Set_Universe_Stat(WILD_CARD_TEAMS, c.nWildCards);
        Schedule_Game(0, 1, 3, 0);
        for (int n = 0; n < POSTSEASON_WEEK_COUNT; n++)
            gPostseasonWeeks[n] = 4 + n;
        Keep_Teams(c.nTeams);
        EXPECT_EQ(Create_Season_Schedule(), 0);
        ASSERT_EQ(Test_Get_Transcript().size(), 1u);
        EXPECT_EQ(Test_Get_Transcript()[0].stCaption, "Season Schedule");
        EXPECT_NE(Test_Get_Transcript()[0].stText.find(c.szText), std::string::npos)
            << Test_Get_Transcript()[0].stText;
        EXPECT_EQ(Row(0, 3, SCHEDULE_OPPONENT), 2);
        EXPECT_EQ(Row(1, 3, SCHEDULE_OPPONENT), -1);
        EXPECT_EQ(gPostseasonWeeks[0], 4);
        EXPECT_EQ(gPostseasonWeeks[5], 9);
    }
}
