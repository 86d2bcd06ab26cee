// The league's structure rules, the stadium value and new teams.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "core/core.h"
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "fixtures/fixture_teams.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"

namespace {

class LeagueRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Clear_League_Database();
    }

    // A team whose city is named after its number ("City 100", ...).
    static void Add_Numbered_Team(int nTeam, int nDivision) {
        Add_Team(nTeam, ("City " + std::to_string(100 + nTeam)).c_str(), "Team", nDivision);
    }

    // Teams in the given divisions, numbered from 0.
    static void Add_Teams(std::initializer_list<int> divisions) {
        int nTeam = 0;
        for (int nDivision : divisions)
            Add_Numbered_Team(nTeam++, nDivision);
    }

    // The text of the only box shown since the last clear; "" when none or several were shown.
    static std::string Shown_Text() {
        const std::vector<TEST_SHOWN>& shown = Test_Get_Transcript();
        std::string stText = shown.size() == 1 ? shown[0].stText : "";
        Test_Clear_Transcript();
        return stText;
    }
};

TEST_F(LeagueRulesTest, SeasonGames) {
    struct {
        int nEntered, nKept;
        const char* szNotice;
    } const kCases[] = {
        {16, 16, ""},
        {17, 17, ""},
        {15, 14,
         "The number of games per season must be even.\n\n'Games per season' has been set to 14."},
        {5, 4,
         "The number of games per season must be even.\n\n'Games per season' has been set to 4."},
        {18, 17,
         "The schedule must have no more than 17 games per team.\n\n'Games per season' has been "
         "set to 17."},
        {2, 4,
         "The schedule must have at least 4 games per team.\n\n'Games per season' has been set to "
         "4."},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Check_Season_Games(c.nEntered), c.nKept) << c.nEntered;
        EXPECT_EQ(Shown_Text(), c.szNotice) << c.nEntered;
    }
}

TEST_F(LeagueRulesTest, WildCardsFollowTheDivisionCount) {
    Add_Teams({0, 1, 2, 4, 5, 6, 7});  // three divisions in league 0, four in league 1
    EXPECT_EQ(Check_Wild_Card_Teams(0), 1);
    EXPECT_EQ(Shown_Text(), "Conferences with 3 divisions must have at least 1 wild card team.");
    EXPECT_EQ(Check_Wild_Card_Teams(5), 4);
    EXPECT_EQ(Shown_Text(),
              "Conferences with 3 divisions cannot have more than 4 wild card teams.");
    EXPECT_EQ(Check_Wild_Card_Teams(3), 3);
    EXPECT_EQ(Shown_Text(), "");
    EXPECT_EQ(Get_Shown_Wild_Card_Teams(9), 4);  // no more than the league holds
}

// Three divisions could seed five wild cards; the league keeps four, and the notice says so.
TEST_F(LeagueRulesTest, WildCardsStayWithinWhatTheLeagueHolds) {
    Add_Teams({0, 1, 2});
    EXPECT_EQ(Check_Wild_Card_Teams(5), MAX_WILD_CARD_TEAMS);
    EXPECT_EQ(Shown_Text(),
              "Conferences with 3 divisions cannot have more than 4 wild card teams.");
    EXPECT_EQ(Check_Wild_Card_Teams(4), 4);
    EXPECT_EQ(Shown_Text(), "");
}

TEST_F(LeagueRulesTest, SmallLeaguesHaveNoWildCards) {
    Add_Teams({0, 1, 4});
    EXPECT_EQ(Get_Shown_Wild_Card_Teams(3), 0);
    EXPECT_EQ(Check_Wild_Card_Teams(2), 0);
    EXPECT_EQ(Shown_Text(), "Conferences with 2 divisions cannot have more than 0 wild card team.");
}

TEST_F(LeagueRulesTest, InflationAndCashLimits) {
    EXPECT_EQ(Check_Inflation_Factor(3000), 3000);
    EXPECT_EQ(Check_Inflation_Factor(4500), 3000);
    EXPECT_EQ(Shown_Text(),
              "Inflation Factor cannot be higher than 3000. It is being set to 3000.");
    EXPECT_EQ(Check_Team_Cash(2000000000), MAX_TEAM_CASH);
    EXPECT_EQ(Shown_Text(), "No team may have more than $1,000,000,000.");
    EXPECT_EQ(Check_Team_Cash(-50000000), -50000000);
    EXPECT_EQ(Shown_Text(), "");
    EXPECT_EQ(Check_Team_Cash(-500000000), MIN_TEAM_CASH);  // the notice names the kept limit
    EXPECT_EQ(Shown_Text(), "No team may be in debt for more than $100,000,000.");
}

// A chosen grade is the grade shown afterwards.
TEST_F(LeagueRulesTest, FanLoyaltyGrades) {
    EXPECT_EQ(Get_Fan_Loyalty_Grade(1000), 8);
    EXPECT_EQ(Get_Fan_Loyalty_Grade(100), 0);
    EXPECT_EQ(Get_Fan_Loyalty_Grade(2000), 12);
    for (int nItem = 0; nItem < 13; nItem++)
        EXPECT_EQ(Get_Fan_Loyalty_Grade(Get_Grade_Fan_Loyalty(nItem)), nItem) << nItem;
}

TEST_F(LeagueRulesTest, StartYearChangeAsksFirst) {
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2019);
    gSeasonNumber = 2;
    Test_Answer_Message_Box(IDCANCEL);
    EXPECT_EQ(Change_Start_Year(2005), 0);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_FIRST_YEAR), 2019);
    Test_Answer_Message_Box(IDOK);
    EXPECT_EQ(Change_Start_Year(2005), 1);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_FIRST_YEAR), 2005);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_INFLATION), 597);  // the 2007 cap, 109,000,000
    EXPECT_EQ(gSeasonNumber, 0);
}

TEST_F(LeagueRulesTest, OversizedDivisionIsRefused) {
    for (int nTeam = 0; nTeam < 14; nTeam++)
        Add_Numbered_Team(nTeam, 2);
    EXPECT_EQ(Close_Up_League_Structure(), 0);
    EXPECT_EQ(Shown_Text(), "No division may have more than 13 teams.");
    Set_Team_Stat(13, TEAM_DIVISION, 4);
    EXPECT_EQ(Close_Up_League_Structure(), 1);
}

TEST_F(LeagueRulesTest, EmptyDivisionsAndLeaguesCloseUp) {
    Add_Teams({1, 1, 3, 5});
    Set_Division_Name(0, "Gone");
    Set_Division_Name(1, "Second");
    Set_Division_Name(3, "Fourth");
    EXPECT_EQ(Close_Up_League_Structure(), 1);
    char szName[DIVISION_NAME_SIZE];
    Get_Division_Name(0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Second");
    Get_Division_Name(1, szName, sizeof(szName));
    EXPECT_STREQ(szName, "");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_DIVISION), 0);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_DIVISION), 2);  // one pass: 3 moves to 2 after 1 moved to 0

    Clear_League_Database();
    Add_Teams({4, 6});
    Set_League_Abbreviation(1, "Second");
    EXPECT_EQ(Close_Up_League_Structure(), 1);
    char szLeague[LEAGUE_NAME_SIZE];
    Get_League_Name(0, szLeague, sizeof(szLeague));
    EXPECT_STREQ(szLeague, "Second");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_DIVISION), 0);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_DIVISION), 1);
}

TEST_F(LeagueRulesTest, StadiumValue) {
    Add_Numbered_Team(0, 0);
    Set_Default_City_Stats(0);  // 1,000,000 people earning 25,000
    Set_Team_Stadium_Stat(0, STADIUM_CAPACITY, 55000);
    for (int nStat : {STADIUM_CONVENIENCE, STADIUM_COMFORT, STADIUM_SIGHT_LINES})
        Set_Team_Stadium_Stat(0, nStat, 1000);
    EXPECT_EQ(Compute_Stadium_Value(0), 165000000);
    Set_Team_Stadium_Stat(0, STADIUM_SURFACE, STADIUM_ARTIFICIAL_TURF);
    Set_Team_Stadium_Stat(0, STADIUM_STRUCTURE, STADIUM_CONVERTIBLE);
    EXPECT_EQ(Compute_Stadium_Value(0), 233000000);  // 155,000,000 x 1.5 = 232,500,000
    // A big, rich city: the value stops at what the stadium stat can hold.
    Set_City_Stat(0, CITY_POPULATION, 9000000);
    Set_City_Stat(0, CITY_INCOME, 80000);
    EXPECT_EQ(Compute_Stadium_Value(0), 2147000000);
}

TEST_F(LeagueRulesTest, NewTeamIsSetUp) {
    Add_Teams({0, 1});
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2021);
    Set_Universe_Stat(UNIVERSE_INFLATION, 1000);
    Set_Default_City_Stats(0);
    Set_Team_Stat(2, TEAM_CITY_INDEX, 0);
    EXPECT_EQ(Add_New_Team(0), 2);
    char szText[TEAM_STRING_SIZE];
    Get_Team_String(szText, sizeof(szText), 2, TEAM_NICKNAME);
    EXPECT_STREQ(szText, "Team]");
    Get_Team_String(szText, sizeof(szText), 2, TEAM_CITY);
    EXPECT_STREQ(szText, "[Empty");
    Get_Team_String(szText, sizeof(szText), 2, TEAM_ABBREVIATION);
    EXPECT_STREQ(szText, "XXX");
    EXPECT_EQ(Get_Team_Stat(2, TEAM_CONTROL), CONTROL_COMPUTER);
    EXPECT_EQ(Get_Team_Stadium_Stat(2, STADIUM_CAPACITY), 55000);
    EXPECT_EQ(Get_Team_Stadium_Stat(2, STADIUM_YEAR_BUILT), 2021);
    EXPECT_EQ(Get_Team_Stadium_Stat(2, STADIUM_VALUE), 165000000);
    EXPECT_EQ(Get_Team_Stat(2, TEAM_RUN_PASS_BALANCE), 10);
    EXPECT_EQ(Count_Players(2, ALL_ROSTERS), 0);
    for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
        EXPECT_EQ(Get_Draft_Pick_Owner(1, nRound, 2), 2);
}

TEST_F(LeagueRulesTest, NoRoomForA37thTeam) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        Add_Numbered_Team(nTeam, nTeam % 8);
    EXPECT_EQ(Add_New_Team(1), -1);
}

// A new roster has at least the new-team count of every position, 57 players in all.
TEST_F(LeagueRulesTest, NewTeamRosterCoversEveryPosition) {
    Build_Fixture_League();
    Seed_Random(FIXED_RANDOM_SEED);
    int nTeam = Add_New_Team(1);
    ASSERT_EQ(nTeam, FIXTURE_TEAM_COUNT);
    EXPECT_EQ(Count_Players(nTeam, ALL_ROSTERS), 57);
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        EXPECT_EQ(Count_Team_Position_Players(nTeam, nPosition),
                  Get_New_Team_Position_Count(nPosition));
    // A roster that already has players only gets what it lacks.
    Delete_Player(nTeam, 0);
    Fill_New_Team_Roster(nTeam);
    EXPECT_EQ(Count_Players(nTeam, ALL_ROSTERS), 57);
}

// A full roster gets no new players, but the team is still set up: here, its returners chosen.
TEST_F(LeagueRulesTest, FullRosterIsStillSetUp) {
    Add_Numbered_Team(0, 0);
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        gTeams[0].aPlayers[nSlot].anVitalStats[VITAL_PLAYER_ID] = nSlot + 1;
        gTeams[0].aPlayers[nSlot].anVitalStats[VITAL_POSITION] = POS_WR;
    }
    Set_Team_Returner(0, KICK_RETURNER, NO_SLOT_BYTE);
    Fill_New_Team_Roster(0);
    EXPECT_EQ(Count_Players(0, ALL_ROSTERS), PLAYERS_PER_TEAM);
    // Equal return ratings: the first receiver behind the offensive starters.
    EXPECT_EQ(gTeams[0].abReturners[KICK_RETURNER], 11);
}

}  // namespace
