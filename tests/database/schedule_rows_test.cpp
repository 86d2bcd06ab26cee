// The schedule rows' checked access, the opponent queries and the calendar's play-by-play flag.
#include "database_test_fixture.h"

class ScheduleRowsTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        for (int nTeam = 0; nTeam < 4; nTeam++) {
            Add_Team(nTeam, "City", "Team");
            Clear_Scheduled_Games(nTeam);
        }
        Test_Clear_Debug_Output();
    }

    static void Put_Game(int nWeek, int nVisitor, int nHome) {
        Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT, nVisitor + 1);
        Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT, -1 - nHome);
    }

    static bool Debug_Output_Has(const char* szText) {
        return Test_Get_Debug_Output().find(szText) != std::string::npos;
    }
};

TEST_F(ScheduleRowsTest, BothTeamsShareTheHomeRowsFlag) {
    Put_Game(2, 0, 3);  // team 0 plays at team 3
    EXPECT_EQ(Get_Calendar_PBP_Flag(0, 2), 0);
    Set_Calendar_PBP_Flag(2, 0, 1);  // set through the visitor
    EXPECT_EQ(Get_Team_Schedule_Stat(3, 2, SCHEDULE_PLAY_BY_PLAY), 1);
    EXPECT_EQ(Get_Team_Schedule_Stat(0, 2, SCHEDULE_PLAY_BY_PLAY), 0);
    EXPECT_EQ(Get_Calendar_PBP_Flag(0, 2), 1);
    EXPECT_EQ(Get_Calendar_PBP_Flag(3, 2), 1);

    Toggle_Calendar_PBP_Flag(3, 2);
    EXPECT_EQ(Get_Calendar_PBP_Flag(0, 2), 0);
    Set_Team_Schedule_Stat(3, 2, SCHEDULE_PLAY_BY_PLAY, 7);
    Toggle_Calendar_PBP_Flag(0, 2);
    EXPECT_EQ(Get_Calendar_PBP_Flag(3, 2), 0);  // any value but 0 toggles to 0

    Set_Calendar_PBP_Flag(5, 1, 1);  // a bye: nothing is written
    EXPECT_EQ(Get_Team_Schedule_Stat(1, 5, SCHEDULE_PLAY_BY_PLAY), 0);
    Set_Team_Schedule_Stat(FREE_AGENT_TEAM, 5, SCHEDULE_PLAY_BY_PLAY, 1);
    EXPECT_EQ(Get_Calendar_PBP_Flag(FREE_AGENT_TEAM, 5), 1);  // its own row
    EXPECT_EQ(Last_Error(), "");

    Toggle_Calendar_PBP_Flag(41, 2);
    EXPECT_EQ(Last_Error(), "Invalid nTeam in Toggle_Calendar_PBP_Flag(41,2)");
    Toggle_Calendar_PBP_Flag(0, 22);
    EXPECT_EQ(Last_Error(), "Invalid nWeek in Toggle_Calendar_PBP_Flag(0,22)");
}

TEST_F(ScheduleRowsTest, BadRowIndexesAreLoggedAndReadZero) {
    Set_Team_Schedule_Stat(1, 21, SCHEDULE_KICKOFF, 1630);
    EXPECT_EQ(Get_Team_Schedule_Stat(1, 21, SCHEDULE_KICKOFF), 1630);
    EXPECT_EQ(Get_Team_Schedule_Stat(1, 22, SCHEDULE_KICKOFF), 0);
    EXPECT_TRUE(Debug_Output_Has("Invalid nWeek in Get_Team_Schedule_Stat(1,22,2)"));
    EXPECT_EQ(Get_Team_Schedule_Stat(41, 0, SCHEDULE_KICKOFF), 0);
    EXPECT_TRUE(Debug_Output_Has("Invalid nTeam in Get_Team_Schedule_Stat(41,0,2)"));
    Set_Team_Schedule_Stat(2, -1, SCHEDULE_KICKOFF, 5);
    EXPECT_TRUE(Debug_Output_Has("Invalid nWeek in Set_Team_Schedule_Stat(2,-1,2,5)"));
    Set_Team_Schedule_Stat(41, 0, SCHEDULE_KICKOFF, 5);
    EXPECT_TRUE(Debug_Output_Has("Invalid nTeam in Set_Team_Schedule_Stat(41,0,2)"));
    Set_Team_Schedule_Stat(NO_TEAM, 0, SCHEDULE_KICKOFF, 5);
    EXPECT_TRUE(Debug_Output_Has("Invalid nTeam in Set_Team_Schedule_Stat(-128,0,2)"));
    EXPECT_EQ(Last_Error(), "");  // logged, not reported

    EXPECT_EQ(Game_Scheduled_Today(36, 0), 0);
    EXPECT_EQ(Last_Error(), "Invalid nTeam in Game_Scheduled_Today(36,0)");
    EXPECT_EQ(Game_Scheduled_Today(0, 22), 0);
    EXPECT_EQ(Last_Error(), "Invalid date in Game_Scheduled_Today(0,22)");
}

TEST_F(ScheduleRowsTest, OpponentsAndHomeAndAwayCounts) {
    Put_Game(0, 0, 1);  // team 0 at team 1
    Put_Game(1, 1, 0);
    Put_Game(2, 2, 0);
    Put_Game(17, 0, 2);                     // the last week the counts read
    Put_Game(18, 3, 0);                     // beyond them
    EXPECT_EQ(Get_Team_Opponent(1, 0), 0);  // an away code of -1 is team 0
    EXPECT_EQ(Get_Team_Opponent(0, 0), 1);
    EXPECT_EQ(Get_Team_Opponent(0, 3), NO_TEAM);
    EXPECT_EQ(Get_Team_Opponent(0, 22), NO_TEAM);
    EXPECT_EQ(Get_Team_Home_Away(0, 0), 2);
    EXPECT_EQ(Get_Team_Home_Away(0, 1), 1);
    EXPECT_EQ(Get_Team_Home_Away(0, 3), 0);
    EXPECT_EQ(Count_Team_Home_Games(0), 2);
    EXPECT_EQ(Count_Team_Away_Games(0), 2);
    EXPECT_EQ(Count_Team_Home_Games_Against(0, 1), 1);
    EXPECT_EQ(Count_Team_Away_Games_At(0, 2), 1);
    EXPECT_EQ(Count_Team_Games_Against(0, 2), 2);
    EXPECT_EQ(Count_Team_Weeks_With_Game(0, 18), 4);
    EXPECT_EQ(Count_Team_Weeks_With_Game(0, 30), 5);
    EXPECT_EQ(Game_Scheduled_Today(3, 18), 1);
}

TEST_F(ScheduleRowsTest, ClearingGamesAndWholeSchedules) {
    Put_Game(4, 1, 2);
    Set_Team_Schedule_Stat(2, 4, SCHEDULE_GAME_INDEX, 12);
    EXPECT_EQ(Clear_Scheduled_Game(1, 2, 4), 1);
    EXPECT_EQ(Get_Team_Opponent(1, 4), NO_TEAM);
    EXPECT_EQ(Get_Team_Opponent(2, 4), NO_TEAM);
    EXPECT_EQ(Get_Team_Schedule_Stat(2, 4, SCHEDULE_GAME_INDEX), 12);  // only the code is cleared

    Put_Game(4, 1, 2);
    Set_Team_Schedule_Stat(2, 4, SCHEDULE_KICKOFF, 1630);
    Clear_Scheduled_Games(2);
    for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++) {
        const int32_t* pRow = gTeams[2].aanSchedule[nWeek];
        EXPECT_EQ(pRow[SCHEDULE_OPPONENT], 0);
        EXPECT_EQ(pRow[SCHEDULE_KICKOFF], 0);
        EXPECT_EQ(pRow[SCHEDULE_GAME_INDEX], NO_GAME_INDEX);
    }
    EXPECT_EQ(Last_Error(), "");

    EXPECT_EQ(Clear_Scheduled_Game(1, 37, 4), 0);
    EXPECT_EQ(Last_Error(), "nTeam out of bounds in Clear_Scheduled_Game(1,37,4)");
    EXPECT_EQ(Clear_Scheduled_Game(1, 2, 22), 0);
    EXPECT_EQ(Last_Error(), "Invalid date in Clear_Scheduled_Game(1,2,22)");
    Clear_Scheduled_Games(37);
    EXPECT_EQ(Last_Error(), "nTeam out of bounds in Clear_Scheduled_Games(37,0,22)");
}
