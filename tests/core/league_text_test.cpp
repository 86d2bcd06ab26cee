// League texts and rules that read the league: team labels and names, week names, rank grades
// and the trading deadline.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_teams.h"
#include "platform/test_api.h"

class LeagueTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Reset_League(2000);
    }

    // An empty league whose seasons start in the year, with 17 regular-season weeks.
    static void Reset_League(int nFirstYear) {
        Clear_League_Database();
        gUniverseStats[UNIVERSE_FIRST_YEAR] = nFirstYear;
        const int kPostseason[POSTSEASON_WEEK_COUNT] = {17, 18, 19, 20, 21, 22};
        memcpy(gPostseasonWeeks, kPostseason, sizeof(kPostseason));
    }

    // Two teams in each of the given divisions.
    static void Build_League(std::initializer_list<int> divisions) {
        int nTeam = 0;
        for (int nDivision : divisions) {
            Add_Team(nTeam++, "City", "Team", nDivision);
            Add_Team(nTeam++, "City", "Team", nDivision);
        }
    }

    template <typename FUNCTION>
    static std::string Text_Of(FUNCTION function, int n) {
        char sz[TEXT_BUFFER_SIZE] = "untouched";
        function(n, sz, sizeof(sz));
        return sz;
    }
};

TEST_F(LeagueTextTest, TeamLabelsAndNames) {
    Add_Team(0, "Boston", "Bulldogs", 0);
    Add_Team(1, "Washington", "Football Team", 0);
    gDraftRound = 2;
    EXPECT_EQ(Text_Of(Get_Team_Label, 0), "Boston Bulldogs");
    EXPECT_EQ(Text_Of(Get_Team_Label, 36), "Free Agent");
    EXPECT_EQ(Text_Of(Get_Team_Label, 37), "Hall Of Fame Inductee");
    EXPECT_EQ(Text_Of(Get_Team_Label, 39), "Third Round Draft Pick");
    EXPECT_EQ(Text_Of(Get_Team_Label, 5), "");
    EXPECT_EQ(Text_Of(Get_Team_Label, 41), "");
    EXPECT_EQ(Text_Of(Get_Team_City, 36), "Free Agent");
    EXPECT_EQ(Text_Of(Get_Team_City, 255), "NFL Average");
    EXPECT_EQ(Text_Of(Get_Team_City, 37), "");
    EXPECT_EQ(Text_Of(Get_Team_Nickname, 0), "Bulldogs");
    EXPECT_EQ(Text_Of(Get_Team_Nickname, 38), "");
    EXPECT_EQ(Text_Of(Get_Team_Short_Name, 0), "Bulldogs");
    EXPECT_EQ(Text_Of(Get_Team_Short_Name, 1), "Washington");
    EXPECT_EQ(Text_Of(Get_Team_Short_Name, 40), "");
}

TEST_F(LeagueTextTest, ManagerFacesTurnOverAfterFifteenSeasons) {
    EXPECT_EQ(Text_Of(Get_Manager_Face_File, 5), "dialogs/faces/gm19.jpg");
    gSeasonNumber = 40;
    EXPECT_EQ(Text_Of(Get_Manager_Face_File, 5), "dialogs/faces/gm10.jpg");
}

TEST_F(LeagueTextTest, WeekNames) {
    Build_League({0, 1, 2, 3, 4, 5, 6, 7});
    gUniverseStats[WILD_CARD_TEAMS] = 2;
    const struct {
        int nWeek;
        const char *szName, *szShort;
    } kWeeks[] = {
        {0, "Week 1", "Week 1"},
        {16, "Week 17", "Week 17"},
        {17, "Wild Card", "Wild Card"},
        {18, "Division Round", "Division"},
        {19, "Conference Championship", "Conference"},
        {20, "Super Bowl", "Super Bowl"},
        {21, "Offseason", "Offseason"},
        {OFF_SEASON_WEEK, "Offseason", "Offseason"},
    };
    for (const auto& week : kWeeks) {
        EXPECT_EQ(Text_Of(Get_Week_Name, week.nWeek), week.szName) << week.nWeek;
        EXPECT_EQ(Text_Of(Get_Week_Short_Name, week.nWeek), week.szShort) << week.nWeek;
    }
    gCurrentWeek = 3;
    EXPECT_EQ(Text_Of(Get_Week_Name, -1), "Week 4");
}

TEST_F(LeagueTextTest, EarlySeasonsPlayTitleGames) {
    Reset_League(1969);
    Build_League({0, 4});
    EXPECT_EQ(Text_Of(Get_Week_Name, 19), "Title Games");
    Reset_League(1969);
    Build_League({0});
    EXPECT_EQ(Text_Of(Get_Week_Name, 19), "Title Game");
}

TEST_F(LeagueTextTest, RoundsASmallFieldSkipsAreByeWeeks) {
    const struct {
        std::initializer_list<int> divisions;
        int nWildCards;
        const char *szWildCard, *szDivision, *szConference;
    } kFields[] = {
        {{0, 1, 2, 3}, 0, "Bye Week", "Division", "Conference"},
        {{0, 1}, 0, "Bye Week", "Bye Week", "Conference"},
        {{0}, 0, "Bye Week", "Bye Week", "Bye Week"},
        {{0, 1, 2, 4}, 2, "Wild Card", "Division", "Conference"},
    };
    for (const auto& field : kFields) {
        Reset_League(2000);
        Build_League(field.divisions);
        gUniverseStats[WILD_CARD_TEAMS] = field.nWildCards;
        EXPECT_EQ(Text_Of(Get_Week_Short_Name, 17), field.szWildCard);
        EXPECT_EQ(Text_Of(Get_Week_Short_Name, 18), field.szDivision);
        EXPECT_EQ(Text_Of(Get_Week_Short_Name, 19), field.szConference);
        EXPECT_EQ(Text_Of(Get_Week_Name, 17), "Wild Card");  // the long names never say bye
    }
}

TEST_F(LeagueTextTest, RankGradesSpreadOverTheLeague) {
    for (int nTeam = 0; nTeam < 32; nTeam++)
        Add_Team(nTeam, "City", "Team", nTeam / 8);
    const int kGrades[][2] = {{0, 13}, {15, 7}, {16, 7}, {31, 1}, {40, 0}};
    for (const auto& grade : kGrades)
        EXPECT_EQ(Get_Rank_Grade(grade[0]), grade[1]) << grade[0];
}

TEST_F(LeagueTextTest, TradesStopAfterWeekElevenUntilTheChampionIsDecided) {
    Build_League({0, 4});
    gSuperBowl = 1;
    memset(gPlayoffSlots, NO_TEAM, sizeof(gPlayoffSlots));
    const int kWeeks[][2] = {{0, 1}, {11, 1}, {12, 0}, {20, 0}, {OFF_SEASON_WEEK, 1}};
    for (const auto& week : kWeeks) {
        gCurrentWeek = week[0];
        EXPECT_EQ(Are_Trades_Allowed(), week[1]) << week[0];
    }
    gCurrentWeek = 21;
    EXPECT_EQ(Are_Trades_Allowed(), 0);
    gPlayoffSlots[30] = 2;
    EXPECT_EQ(Are_Trades_Allowed(), 1);
    gCurrentWeek = 12;
    gPlayoffSlots[30] = NO_TEAM;
    gCommissionerMode = 1;
    EXPECT_EQ(Are_Trades_Allowed(), 1);
}
