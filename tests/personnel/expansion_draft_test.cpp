// The expansion draft on the fixture league with its last team emptied as the new team: starters
// and protected rosters stay, the passes take each position's share, the new roster stops at 70,
// lost players lower a team's offer, before 1970 only the new team's league gives, and the CSV
// record and the human team's notice.
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "common/user_waits.h"
#include "new_player_test_support.h"

#define NEW_TEAM (FIXTURE_TEAM_COUNT - 1)
#define EXPANSION_ROSTER_LIMIT 70

class ExpansionDraftTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        Set_Computer_Depth_Charts(0);
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            Clear_Player(NEW_TEAM, nSlot);
        Set_Team_Stat(NEW_TEAM, TEAM_CONTROL, CONTROL_EXPANSION);
        gExcludeUserFromExpansion = 0;
        memset(gExpansionTakenCounts, 0, sizeof gExpansionTakenCounts);
        Test_Clear_Transcript();
    }

    void TearDown() override {
        gExcludeUserFromExpansion = 0;
    }

    static std::set<int> Team_Ids(int nTeam) {
        std::set<int> ids;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                ids.insert(Get_Player_ID(nTeam, nSlot));
        }
        return ids;
    }

    // The depth-chart starters: 11 of the offence, 11 of the defence, 2 kickers.
    static std::set<int> Starter_Ids(int nTeam) {
        std::set<int> ids;
        const int anCounts[UNIT_COUNT] = {11, 11, 2};
        for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++) {
            for (int n = 0; n < anCounts[nUnit]; n++) {
                int nSlot = Get_N_Team_Unit_Player(nUnit, nTeam, n);
                if (nSlot != NO_SLOT_BYTE)
                    ids.insert(Get_Player_ID(nTeam, nSlot));
            }
        }
        return ids;
    }

    static std::vector<std::string> Read_Csv() {
        std::ifstream file("Output/Expansion-Draft-" + std::to_string(TEST_SEASON_YEAR + 1) +
                           ".csv");
        std::vector<std::string> lines;
        for (std::string stLine; std::getline(file, stLine);)
            lines.push_back(stLine);
        return lines;
    }
};

TEST_F(ExpansionDraftTest, TakesEachPositionsShareAndNoStarter) {
    std::vector<std::set<int>> starters(FIXTURE_TEAM_COUNT);
    std::set<int> before;
    for (int nTeam = 0; nTeam < NEW_TEAM; nTeam++) {
        starters[nTeam] = Starter_Ids(nTeam);
        std::set<int> ids = Team_Ids(nTeam);
        before.insert(ids.begin(), ids.end());
    }

    Run_Expansion_Draft();

    // The fixture's kickers are all starters; every other position has reserves to give.
    const int anExpected[POSITION_COUNT] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 0, 0};
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
        EXPECT_EQ(Count_Players(NEW_TEAM, nPosition), anExpected[nPosition]) << nPosition;

    std::set<int> after = Team_Ids(NEW_TEAM);
    int nLost = 0;
    for (int nTeam = 0; nTeam < NEW_TEAM; nTeam++) {
        std::set<int> ids = Team_Ids(nTeam);
        for (int nId : starters[nTeam])
            EXPECT_TRUE(ids.count(nId)) << "starter " << nId << " left team " << nTeam;
        for (int nId : ids)
            EXPECT_FALSE(after.count(nId)) << "player " << nId << " on two rosters";
        after.insert(ids.begin(), ids.end());
        nLost += gExpansionTakenCounts[nTeam];
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(nLost, Count_Players(NEW_TEAM, ALL_ROSTERS));
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(NEW_TEAM, nSlot)) {
            EXPECT_EQ(Get_Player_Vital_Stat(NEW_TEAM, nSlot, VITAL_EXPANSION_PROTECTED), 1);
        }
    }

    std::vector<std::string> lines = Read_Csv();
    ASSERT_EQ((int)lines.size(), nLost + 1);
    EXPECT_EQ(lines[0], "Drafted By,Player,Position,Age,Previous Team");
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(NEW_TEAM, szLabel, sizeof szLabel);
    char szName[128], szPosition[POSITION_NAME_SIZE], szLine[512];
    Get_Player_Full_Name(NEW_TEAM, 0, szName, sizeof szName);
    Get_Position_Abbreviation(Get_Player_Vital_Stat(NEW_TEAM, 0, VITAL_POSITION), szPosition,
                              sizeof szPosition);
    Format_String(szLine, sizeof szLine, "%s,%s,%s,%d,", szLabel, szName, szPosition,
                  Get_Player_Age(NEW_TEAM, 0));
    EXPECT_EQ(lines[1].rfind(szLine, 0), 0u) << lines[1];
}

TEST_F(ExpansionDraftTest, TheHumanTeamIsToldItsLossesOrKeepsItsRosterWhenExcluded) {
    Allow_User_Waits();
    std::set<int> human = Team_Ids(FIXTURE_HUMAN_TEAM);
    Run_Expansion_Draft();
    ASSERT_GT(gExpansionTakenCounts[FIXTURE_HUMAN_TEAM], 0);
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_EQ(Test_Get_Transcript()[0].stCaption, "Expansion Draft Complete");
    EXPECT_NE(Test_Get_Transcript()[0].stText.find("were taken in the Expansion Draft"),
              std::string::npos);

    SetUp();
    gExcludeUserFromExpansion = 1;
    Run_Expansion_Draft();
    EXPECT_EQ(Team_Ids(FIXTURE_HUMAN_TEAM), human);
    EXPECT_EQ(gExpansionTakenCounts[FIXTURE_HUMAN_TEAM], 0);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(ExpansionDraftTest, TheNewRosterStopsAtSeventy) {
    // Fill the new team to two below the limit with free players from the last old team.
    int nFilled = 0;
    for (int nTeam = NEW_TEAM - 1; nFilled < EXPANSION_ROSTER_LIMIT - 2; nTeam--) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM && nFilled < EXPANSION_ROSTER_LIMIT - 2;
             nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            Swap_Players(NEW_TEAM, Get_First_Empty_Player_Slot(NEW_TEAM), nTeam, nSlot);
            nFilled++;
        }
    }
    Set_Computer_Depth_Charts(0);
    Run_Expansion_Draft();
    EXPECT_EQ(Count_Players(NEW_TEAM, ALL_ROSTERS), EXPANSION_ROSTER_LIMIT);
    EXPECT_EQ((int)Read_Csv().size(), 3);
}

TEST_F(ExpansionDraftTest, ATeamThatLostTwoOffersItsNextAtAThird) {
    // Two equal candidates, one on each of two teams of different leagues: the first team wins
    // the tie until it has lost two players.
    auto league = [](int nTeam) { return Get_Team_Division(nTeam) / DIVISIONS_PER_LEAGUE; };
    const int nSlot = FIXTURE_ROSTER_SIZE - 3;
    int nTeamA = 1, nTeamB;
    while (league(nTeamA) == league(NEW_TEAM))
        nTeamA++;
    for (nTeamB = nTeamA + 1; league(nTeamB) != league(NEW_TEAM); nTeamB++) {
    }
    ASSERT_LT(nTeamB, NEW_TEAM);
    for (int nTeam = 0; nTeam < NEW_TEAM; nTeam++) {
        for (int n = 0; n < PLAYERS_PER_TEAM; n++) {
            if (Is_Player_Slot_Used(nTeam, n))
                Set_Player_Vital_Stat(nTeam, n, VITAL_EXPANSION_PROTECTED, 1);
        }
    }
    int nPosition = Get_Player_Vital_Stat(nTeamA, nSlot, VITAL_POSITION);
    ASSERT_EQ(Get_Player_Trade_Value(nTeamA, nSlot), Get_Player_Trade_Value(nTeamB, nSlot));
    Set_Player_Vital_Stat(nTeamA, nSlot, VITAL_EXPANSION_PROTECTED, 0);
    Set_Player_Vital_Stat(nTeamB, nSlot, VITAL_EXPANSION_PROTECTED, 0);

    int nTeam = -1, nFound = -1;
    ASSERT_TRUE(Choose_Expansion_Draft_Player(NEW_TEAM, &nTeam, &nFound, nPosition));
    EXPECT_EQ(nTeam, nTeamA);
    EXPECT_EQ(nFound, nSlot);
    gExpansionTakenCounts[nTeamA] = 2;
    ASSERT_TRUE(Choose_Expansion_Draft_Player(NEW_TEAM, &nTeam, &nFound, nPosition));
    EXPECT_EQ(nTeam, nTeamB);
    EXPECT_FALSE(
        Choose_Expansion_Draft_Player(NEW_TEAM, &nTeam, &nFound, (nPosition + 1) % POSITION_COUNT));

    // Before 1970 only the new team's own league gives players.
    gExpansionTakenCounts[nTeamA] = 0;
    Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 1968);
    Set_Season_Year(1969);
    ASSERT_TRUE(Choose_Expansion_Draft_Player(NEW_TEAM, &nTeam, &nFound, nPosition));
    EXPECT_EQ(nTeam, nTeamB);
}
