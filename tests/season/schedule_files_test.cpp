// Schedules read from the CSV files of past seasons, and the converter that writes those files.
#include <stdio.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/text_files.h"
#include "personnel/personnel.h"
#include "season_test_fixture.h"

class ScheduleFilesTest : public SeasonTest {
protected:
    void SetUp() override {
        SeasonTest::SetUp();
        std::filesystem::create_directories("Input/Schedules");
    }

    static std::string Name(int nTeam) {
        char szCity[64], szNickname[64];
        Get_Team_String(szCity, sizeof szCity, nTeam, TEAM_CITY);
        Get_Team_String(szNickname, sizeof szNickname, nTeam, TEAM_NICKNAME);
        return std::string(szCity) + " " + szNickname;
    }

    // A round of games among four teams in each of three weeks, from week nFirstWeek (from 1).
    static std::string Round_Robin(const int* anTeams, int nFirstWeek, int nSkipGame = -1) {
        static const int kPairs[3][2][2] = {{{0, 1}, {2, 3}}, {{0, 2}, {1, 3}}, {{0, 3}, {1, 2}}};
        std::string stText;
        int nGame = 0;
        for (int nWeek = 0; nWeek < 3; nWeek++) {
            for (const auto& pair : kPairs[nWeek]) {
                if (nGame++ == nSkipGame)
                    continue;
                stText += std::to_string(nFirstWeek + nWeek) + "," + Name(anTeams[pair[0]]) + "," +
                          Name(anTeams[pair[1]]) + ",Sun,Sep 9\n";
            }
        }
        return stText;
    }

    // Eight teams: 0..3 in the first league's division 0, 4..7 in the second league's division 4.
    static void Keep_Two_Small_Leagues() {
        Keep_Teams(8);
        for (int nTeam = 4; nTeam < 8; nTeam++)
            Set_Team_Stat(nTeam, TEAM_DIVISION, 4);
    }
};

TEST_F(ScheduleFilesTest, TeamsAreFoundByFullNameNicknameOrPseudoName) {
    EXPECT_EQ(Get_Team_From_Name("ashford foxes"), 1);
    EXPECT_EQ(Get_Team_From_Name("Ashford,Foxes"), 1);
    EXPECT_EQ(Get_Team_From_Name("Old Town Foxes"), 1);
    EXPECT_EQ(Get_Team_From_Name("Free Agents"), FREE_AGENT_TEAM);
    EXPECT_EQ(Get_Team_From_Name("Retired"), RETIRED_TEAM);
    EXPECT_EQ(Get_Team_From_Name("Ashford Gulls"), NO_TEAM);
    EXPECT_EQ(Get_Team_From_Name(""), NO_TEAM);
}

TEST_F(ScheduleFilesTest, CsvRowsBecomeGamesAndBadRowsAreDropped) {
    Set_League(1995, 16);
    Write_Text_File("Input/Schedules/test.csv",
               "Week,Away_Team,Home_Team,Day,Date\n"
               "3," +
                   Name(1) + "," + Name(2) +
                   ",Sun,Sep 17\n"
                   "1," +
                   Name(20) + "," + Name(10) +
                   ",Mon,Sep 4\n"  // slot (200 mod 37) mod 16 = 15
                   "19," +
                   Name(3) + "," + Name(4) +
                   ",Sun,Jan 7\n"  // past week 18
                   "2,Nowhere Gulls," +
                   Name(4) +
                   ",Sun,Sep 10\n"  // unknown team
                   "3," +
                   Name(5) + "," + Name(1) +
                   ",Sun,Sep 17\n"  // team 1 already plays
                   "4," +
                   Name(6) + "," + Name(7));  // no newline at the end
    Read_Schedule_CSV("Input/Schedules/test.csv");
    EXPECT_EQ(Row(2, 2, SCHEDULE_OPPONENT), 2);  // team 2 hosts team 1 in week index 2
    EXPECT_EQ(Row(1, 2, SCHEDULE_OPPONENT), -3);
    EXPECT_EQ(Row(10, 0, SCHEDULE_OPPONENT), 21);
    EXPECT_EQ(Row(10, 0, SCHEDULE_WEEKDAY), 0);  // template week 0, position 15: Monday
    EXPECT_EQ(Row(10, 0, SCHEDULE_KICKOFF), 2220);
    EXPECT_EQ(Row(4, 1, SCHEDULE_OPPONENT), 0);
    EXPECT_EQ(Row(5, 2, SCHEDULE_OPPONENT), 0);
    EXPECT_EQ(Row(7, 3, SCHEDULE_OPPONENT), 7);
    EXPECT_EQ(Find_First_Postseason_Week(), 4);
    Read_Schedule_CSV("Input/Schedules/missing.csv");  // no file: nothing happens
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(ScheduleFilesTest, TwoLeaguesFilesMakeOneSeasonAndAnUnevenYearFallsBack) {
    static const int kFirst[4] = {0, 1, 2, 3};
    static const int kSecond[4] = {4, 5, 6, 7};
    Keep_Two_Small_Leagues();
    Set_League(1965, 12);
    // 1965: the first league's file lacks one game; 1964's files fit, the leagues play 6 and 3.
    Write_Text_File("Input/Schedules/1965-NFL.csv",
               "Week,Away_Team,Home_Team,Day,Date\n" + Round_Robin(kFirst, 1, 4));
    Write_Text_File("Input/Schedules/1965-AFL.csv",
               "Week,Away_Team,Home_Team,Day,Date\n" + Round_Robin(kSecond, 1));
    Write_Text_File("Input/Schedules/1964-NFL.csv", "Week,Away_Team,Home_Team,Day,Date\n" +
                                                   Round_Robin(kFirst, 1) + Round_Robin(kFirst, 4));
    Write_Text_File("Input/Schedules/1964-AFL.csv",
               "Week,Away_Team,Home_Team,Day,Date\n" + Round_Robin(kSecond, 2));
    ASSERT_EQ(Read_Schedule_Files(), 1);
    for (int nTeam : kFirst)
        EXPECT_EQ(Count_Team_Home_Games(nTeam) + Count_Team_Away_Games(nTeam), 6);
    for (int nTeam : kSecond) {
        EXPECT_EQ(Count_Team_Home_Games(nTeam) + Count_Team_Away_Games(nTeam), 3);
        EXPECT_FALSE(Game_Scheduled_Today(nTeam, 0));  // 1964's second league starts in week 2
    }

    // The driver takes the files in their era and sets the postseason after their last week.
    ASSERT_EQ(Create_Season_Schedule(), 1);
    EXPECT_EQ(gPostseasonWeeks[0], 6);
}

// Team 0 comes first in its league with no game: it must not be left out of the comparison.
TEST_F(ScheduleFilesTest, ATeamWithoutGamesUnbalancesTheSchedule) {
    static const int kSecond[4] = {4, 5, 6, 7};
    Keep_Two_Small_Leagues();
    Set_League(1950, 12);
    Write_Text_File("Input/Schedules/second.csv",
               "Week,Away_Team,Home_Team,Day,Date\n" + Round_Robin(kSecond, 1));
    Read_Schedule_CSV("Input/Schedules/second.csv");  // three games a team
    Schedule_Game(1, 2, 0, 0);
    Schedule_Game(2, 3, 1, 0);
    Schedule_Game(3, 1, 2, 0);  // teams 1..3 play two games each, team 0 none
    EXPECT_FALSE(Is_Schedule_Balanced());
    Schedule_Game(0, 1, 3, 0);
    Schedule_Game(2, 0, 4, 0);
    EXPECT_FALSE(Is_Schedule_Balanced());  // 1 and 2 have three, 0 two, 3 two
    Schedule_Game(0, 3, 5, 0);
    EXPECT_TRUE(Is_Schedule_Balanced());  // three games a team in both leagues
}

TEST_F(ScheduleFilesTest, ConverterWritesAwayTeamThenHomeTeamOfEachGameLine) {
    Write_Text_File("Input/Schedules/1999-NFL.txt",
               "Week,Day,Date,Time,Team,At,Team\n"
               "1,Sun,Sep 12,1:00,Aces,@,Bears\n"
               "1,Mon,Sep 13,9:00,Colts,,Dukes\n"
               "Week,Day,Date,Time,Team,At,Team\n"
               "WildCard,Sat,Jan 8,1:00,Aces,@,Dukes\n"
               "2,Sun,Sep 19,1:00,Bears,@,Colts");
    Write_Text_File("Input/Schedules/1999-NFL.csv", "old\n");
    ASSERT_EQ(Write_Schedule_CSV("1999-NFL"), 1);
    EXPECT_EQ(Read_Text_File("Input/Schedules/1999-NFL.csv"),
              "Week,Away_Team,Home_Team,Day,Date\n"
              "1,Aces,Bears,Sun,Sep 12\n"
              "1,Dukes,Colts,Mon,Sep 13\n"
              "2,Bears,Colts,Sun,Sep 19\n");

    Write_Text_File("Input/Schedules/1998-NFL.csv", "kept\n");
    EXPECT_EQ(Write_Schedule_CSV("1998-NFL"), 0);  // no text file: the old CSV stays
    EXPECT_EQ(Read_Text_File("Input/Schedules/1998-NFL.csv"), "kept\n");
}
