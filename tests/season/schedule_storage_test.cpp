// Putting games into the rows, their weekdays and kickoffs, and the calendar queries.
#include "season_test_fixture.h"

#define MONDAY 0
#define THURSDAY 3
#define SATURDAY 5
#define SUNDAY 6

struct DAY_TIME_CASE {
    int nTeams;
    int nGames;
    int nWeek;
    int nSlot;
    int nWeekday;
    int nKickoff;
};

TEST_F(SeasonTest, GamesTakeTheirWeekdayAndKickoffFromTheirWeekAndSlot) {
    static const DAY_TIME_CASE kCases[] = {
        {32, 16, 0, 0, THURSDAY, 2030},
        {32, 16, 0, 14, MONDAY, 1910},
        {32, 16, 11, 1, THURSDAY, 1630},
        {32, 16, 16, 13, SUNDAY, 1625},
        {32, 16, 4, 15, SUNDAY, 1300},  // a position this bye week leaves empty
        {32, 16, 2, 99, SUNDAY, 1300},  // outside the week's positions
        {32, 16, 17, 1, SATURDAY, 1300},
        {32, 16, 17, 2, SUNDAY, 1630},
        {32, 16, 18, 0, SUNDAY, 1630},
        {31, 16, 0, 12, MONDAY, 1910},  // below 32 teams the slot moves on by two
        {31, 16, 15, 14, SATURDAY, 1630},
        {32, 12, 12, 1, SATURDAY, 1300},  // the day of week 14, the kickoff of week 12
        {32, 12, 15, 0, SUNDAY, 1300},    // two weeks on is past the template
    };
    for (const DAY_TIME_CASE& c : kCases) {
        SetUp();
        Set_League(2021, c.nGames);
        Keep_Teams(c.nTeams);
        ASSERT_EQ(Schedule_Game(5, 9, c.nWeek, c.nSlot), 1);
        SCOPED_TRACE(testing::Message() << "week " << c.nWeek << " slot " << c.nSlot);
        EXPECT_EQ(Row(5, c.nWeek, SCHEDULE_OPPONENT), 10);
        EXPECT_EQ(Row(9, c.nWeek, SCHEDULE_OPPONENT), -6);
        for (int nTeam : {5, 9}) {
            EXPECT_EQ(Row(nTeam, c.nWeek, SCHEDULE_WEEKDAY), c.nWeekday);
            EXPECT_EQ(Row(nTeam, c.nWeek, SCHEDULE_KICKOFF), c.nKickoff);
        }
    }
}

TEST_F(SeasonTest, ScheduleGameRefusesClashesAndBadArguments) {
    Set_League(2021, 18);
    ASSERT_EQ(Schedule_Game(1, 2, 3, 4), 1);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), 17);  // stored back capped

    EXPECT_EQ(Schedule_Game(1, 7, 3, 5), 0);  // the home team already plays
    EXPECT_EQ(Schedule_Game(7, 2, 3, 5), 0);  // the visitor already plays
    EXPECT_EQ(Schedule_Game(7, 7, 3, 5), 0);  // a team cannot meet itself
    EXPECT_EQ(Row(1, 3, SCHEDULE_OPPONENT), 3);
    EXPECT_EQ(Row(7, 3, SCHEDULE_OPPONENT), 0);
    EXPECT_EQ(Schedule_Game(NO_TEAM, 2, 4, 0), 0);
    EXPECT_EQ(Last_Error(), "");

    Set_Team_Stat(30, TEAM_CONTROL, CONTROL_NOT_IN_USE);
    EXPECT_EQ(Schedule_Game(30, 2, 4, 1), 0);
    EXPECT_EQ(Last_Error(), "Invalid TNUM in Schedule_Game([30],2,4,1)");
    EXPECT_EQ(Schedule_Game(2, FREE_AGENT_TEAM, 4, 1), 0);
    EXPECT_EQ(Last_Error(), "Invalid TNUM in Schedule_Game(2,[36],4,1)");
    EXPECT_EQ(Schedule_Game(2, 3, 22, 1), 0);
    EXPECT_EQ(Last_Error(), "Invalid nWeek in Schedule_Game(2,3,22,1)");

    // The matchup form takes ((visitor x home) mod 37) mod 16 as its slot: 20 x 10 gives 15.
    Set_Team_Stat(30, TEAM_CONTROL, CONTROL_COMPUTER);
    ASSERT_EQ(Schedule_Matchup(20, 10, 0), 1);
    EXPECT_EQ(Row(10, 0, SCHEDULE_WEEKDAY), MONDAY);
    EXPECT_EQ(Row(10, 0, SCHEDULE_KICKOFF), 2220);
}

TEST_F(SeasonTest, ClearingEmptiesTheRowsOfEveryLeagueTeam) {
    Schedule_Game(0, 1, 0, 0);
    Schedule_Game(30, 31, 5, 0);
    Keep_Teams(30);  // 30 and 31 leave the count of active teams with their games in the rows
    Set_Team_Stat(31, TEAM_CONTROL, CONTROL_COMPUTER);
    Clear_All_Schedules();
    for (int nTeam : {0, 1, 30, 31}) {
        for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++) {
            EXPECT_EQ(Row(nTeam, nWeek, SCHEDULE_OPPONENT), 0);
            EXPECT_EQ(Row(nTeam, nWeek, SCHEDULE_GAME_INDEX), NO_GAME_INDEX);
            EXPECT_EQ(Row(nTeam, nWeek, SCHEDULE_KICKOFF), 0);
        }
    }
    EXPECT_EQ(Find_First_Postseason_Week(), 0);  // no game anywhere
}

TEST_F(SeasonTest, CalendarQueriesFollowTheRows) {
    Schedule_Game(3, 4, 2, 0);
    Schedule_Game(6, 3, 4, 0);
    Schedule_Game(8, 9, 16, 0);
    EXPECT_EQ(Find_First_Postseason_Week(), 17);
    EXPECT_EQ(Get_Last_Opponent(3, 3), 4);  // a bye in week 3: the week before
    EXPECT_EQ(Get_Last_Opponent(3, 30), 6);
    EXPECT_EQ(Get_Last_Opponent(3, 1), NO_TEAM);
    EXPECT_EQ(Get_Last_Opponent(4, 2), 3);

    gPostseasonWeeks[0] = 16;
    struct {
        int nWeek, nProgress, nPhase;
    } kWeeks[] = {
        {0, 0, 0}, {2, 125, 0}, {3, 188, 1}, {8, 500, 1}, {14, 875, 2}, {OFF_SEASON_WEEK, 1000, 2},
    };
    for (auto& c : kWeeks) {
        gCurrentWeek = c.nWeek;
        EXPECT_EQ(Get_Season_Progress(), c.nProgress) << c.nWeek;
        EXPECT_EQ(Get_Season_Phase(), c.nPhase) << c.nWeek;
    }
    EXPECT_EQ(Get_First_Postseason_Week(), 16);

    EXPECT_EQ(Get_Schedule_Day_Of_Week(1), 4);  // day 1 is a Friday
    EXPECT_EQ(Get_Schedule_Day_Of_Week(10), SUNDAY);
    EXPECT_EQ(Get_Schedule_Day_Of_Week(0), SUNDAY);

    struct {
        int nDay, nMonth, nDayOfMonth;
    } kDays[] = {
        {0, 0, 0}, {31, 1, 0}, {58, 1, 27}, {59, 2, 0}, {364, 11, 30}, {365, 0, 0}, {-1, 11, 30},
    };
    for (auto& c : kDays) {
        EXPECT_EQ(Get_Month_Of_Day(c.nDay), c.nMonth) << c.nDay;
        EXPECT_EQ(Get_Day_Of_Month(c.nDay), c.nDayOfMonth) << c.nDay;
    }
    EXPECT_EQ(Get_Days_Before_Month(0), 0);
    EXPECT_EQ(Get_Days_Before_Month(2), 59);
    EXPECT_EQ(Get_Days_Before_Month(12), 365);

    EXPECT_TRUE(Is_First_Season_Or_Year(1900));
    gSeasonNumber = 2;
    EXPECT_TRUE(Is_First_Season_Or_Year(FIXTURE_FIRST_YEAR + 2));
    EXPECT_FALSE(Is_First_Season_Or_Year(FIXTURE_FIRST_YEAR));
}
