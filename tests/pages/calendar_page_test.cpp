// The Calendar page on the fixture league: the 20 statistics columns of a stored game, the lines
// of a game not yet played, and the rows the mouse finds.
#include <gtest/gtest.h>

#include <string.h>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "pages/pages.h"
#include "platform/test_api.h"

namespace {

#define CALENDAR_TEAM 1
#define CALENDAR_OPPONENT 5
#define PLAYED_WEEK 2
#define COMING_WEEK 6
#define PLAYED_GAME_INDEX 3

class CalendarPageTest : public ::testing::Test {
protected:
    GAME* m_pGame = nullptr;

    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        Set_Team_String(CALENDAR_TEAM, 0, "VIS");
        gCurrentWeek = 4;
        gDialogTeam = CALENDAR_TEAM;
        Schedule(PLAYED_WEEK, -(CALENDAR_OPPONENT + 1), PLAYED_GAME_INDEX);  // away at 5
        Schedule(COMING_WEEK, CALENDAR_OPPONENT + 1, NO_GAME_INDEX);
        m_pGame = Get_Game_Record(PLAYED_GAME_INDEX);
        memset(m_pGame, 0, sizeof *m_pGame);
        m_pGame->anTeams[VISITOR_SIDE] = CALENDAR_TEAM;
        m_pGame->anTeams[HOME_SIDE] = CALENDAR_OPPONENT;
        m_pGame->anScores[VISITOR_SIDE] = 24;
        m_pGame->anScores[HOME_SIDE] = 17;
        m_pGame->nClock = 3600;
        Set_Game_Info(m_pGame, GAME_INFO_YEAR, FIXTURE_FIRST_YEAR);
        Set_Game_Info(m_pGame, GAME_INFO_POINT_SPREAD, GAME_INFO_OFFSET + 35);
        Set_Game_Info(m_pGame, GAME_INFO_OVER_UNDER, GAME_INFO_OFFSET + 445);
        // Totals by index: rushes, rushing and passing yards, pass attempts, turnovers, sacks
        // made, third and fourth downs tried and made, possession seconds.
        const int kTotals[] = {5, 6, 9, 7, 10, 11, 14, 15, 16, 17, 18};
        const int kVisitor[] = {30, 120, 210, 35, 1, 2, 12, 5, 2, 1, 1925};
        const int kHome[] = {20, 80, 150, 30, 3, 4, 10, 4, 0, 0, 1675};
        for (size_t n = 0; n < sizeof kTotals / sizeof kTotals[0]; n++) {
            m_pGame->aanTeamTotals[VISITOR_SIDE][kTotals[n]] = (int16_t)kVisitor[n];
            m_pGame->aanTeamTotals[HOME_SIDE][kTotals[n]] = (int16_t)kHome[n];
        }
        m_pGame->aabTeamStats[VISITOR_SIDE][1] = 4;  // red-zone trips, touchdowns, field goals
        m_pGame->aabTeamStats[VISITOR_SIDE][2] = 2;
        m_pGame->aabTeamStats[VISITOR_SIDE][3] = 1;
    }

    static void Schedule(int nWeek, int nCode, int nIndex) {
        Set_Team_Schedule_Stat(CALENDAR_TEAM, nWeek, SCHEDULE_OPPONENT, nCode);
        Set_Team_Schedule_Stat(CALENDAR_TEAM, nWeek, SCHEDULE_GAME_INDEX, nIndex);
    }

    static std::string Cell(int nWeek, int nColumn) {
        char sz[64];
        Get_Calendar_Stat_Text(CALENDAR_TEAM, nWeek, nColumn, sz, sizeof sz);
        return sz;
    }
};

TEST_F(CalendarPageTest, EveryColumnOfAPlayedAwayGame) {
    const char* kTexts[CALENDAR_COLUMN_COUNT] = {
        "330",        "230",       "210",       "120",       "150", "80",        "1",
        "3",          "+2",        "32:05",     "4.8",       "4.4", "42% (5/12)", "50% (1/2)",
        "2",          "4",         "75% (3/4)", "50% (2/4)", "-3.5 (VIS)", "44.5"};
    for (int nColumn = 0; nColumn < CALENDAR_COLUMN_COUNT; nColumn++)
        EXPECT_EQ(Cell(PLAYED_WEEK, nColumn), kTexts[nColumn]) << nColumn;
    // The same game seen from the home side.
    char sz[64];
    Set_Team_Schedule_Stat(CALENDAR_OPPONENT, PLAYED_WEEK, SCHEDULE_OPPONENT, CALENDAR_TEAM + 1);
    Set_Team_Schedule_Stat(CALENDAR_OPPONENT, PLAYED_WEEK, SCHEDULE_GAME_INDEX, PLAYED_GAME_INDEX);
    Get_Calendar_Stat_Text(CALENDAR_OPPONENT, PLAYED_WEEK, CALENDAR_TURNOVER_MARGIN, sz, sizeof sz);
    EXPECT_STREQ(sz, "-2");
    Get_Calendar_Stat_Text(CALENDAR_OPPONENT, PLAYED_WEEK, CALENDAR_FOURTH_DOWN, sz, sizeof sz);
    EXPECT_STREQ(sz, "0% (0/0)");
    EXPECT_EQ(Cell(PLAYED_WEEK, CALENDAR_COLUMN_COUNT), "");
}

TEST_F(CalendarPageTest, AComingGameShowsOnlyItsLinesAndAByeWeekNothing) {
    for (int nColumn = 0; nColumn < CALENDAR_POINT_SPREAD; nColumn++)
        EXPECT_EQ(Cell(COMING_WEEK, nColumn), "") << nColumn;
    EXPECT_FALSE(Cell(COMING_WEEK, CALENDAR_POINT_SPREAD).empty());
    EXPECT_FALSE(Cell(COMING_WEEK, CALENDAR_OVER_UNDER).empty());
    EXPECT_EQ(Cell(COMING_WEEK + 1, CALENDAR_POINT_SPREAD), "");
    CALENDAR_GAME game;
    ASSERT_TRUE(Find_Calendar_Game(CALENDAR_TEAM, PLAYED_WEEK, &game));
    EXPECT_TRUE(game.bPlayed);
    EXPECT_FALSE(game.bHome);
    ASSERT_TRUE(Find_Calendar_Game(CALENDAR_TEAM, COMING_WEEK, &game));
    EXPECT_FALSE(game.bSetUp);
    EXPECT_EQ(game.nHome, CALENDAR_TEAM);
}

TEST_F(CalendarPageTest, RowsWithAGameAreTheHotSpots) {
    int yPlayed = Get_Calendar_Week_Top(PLAYED_WEEK) + 8;
    EXPECT_EQ(Get_Calendar_Week_At_Point(300, yPlayed), PLAYED_WEEK);
    EXPECT_EQ(Get_Calendar_Week_At_Point(300, Get_Calendar_Week_Top(COMING_WEEK)), COMING_WEEK);
    EXPECT_EQ(Get_Calendar_Week_At_Point(300, Get_Calendar_Week_Top(PLAYED_WEEK + 1)), -1);
    EXPECT_EQ(Get_Calendar_Week_At_Point(640, yPlayed), -1);  // right of the rows
    EXPECT_NE(Is_Calendar_Page_Hot_Spot(300, yPlayed), 0);
    EXPECT_NE(Is_Calendar_Page_Hot_Spot(400, 80), 0);  // a column tab
    EXPECT_EQ(Is_Calendar_Page_Hot_Spot(700, yPlayed), 0);
    // The postseason rows sit 3 units lower.
    gPostseasonWeeks[0] = 18;
    EXPECT_EQ(Get_Calendar_Week_Top(18) - Get_Calendar_Week_Top(17), 19);
}

}  // namespace
