// The fixture league every subsystem's tests build on: its shape, its players and its lookups.
#include <set>
#include <vector>

#include "fixtures/fixture_league.h"
#include "player_test_fixture.h"

class FixtureTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        Build_Fixture_League();
    }
};

TEST_F(FixtureTest, BuildsTheSameBlockEveryTime) {
    const uint8_t* pBlock = reinterpret_cast<const uint8_t*>(&gSavedState);
    std::vector<uint8_t> first(pBlock, pBlock + sizeof(gSavedState));
    Build_Fixture_League();
    EXPECT_EQ(memcmp(first.data(), pBlock, sizeof(gSavedState)), 0);
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(FixtureTest, LeagueShape) {
    EXPECT_EQ(Count_Active_Teams(), FIXTURE_TEAM_COUNT);
    EXPECT_EQ(Count_Active_Leagues(), 2);
    EXPECT_EQ(Count_Cities(), FIXTURE_TEAM_COUNT);
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++)
        EXPECT_EQ(Count_Division_Teams(nDivision), 4);
    EXPECT_EQ(Get_User_Team(), FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Get_Season_Year(), FIXTURE_FIRST_YEAR);
    std::set<std::string> names;
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
        char szAbbreviation[TEAM_STRING_SIZE];
        Get_Team_String(szAbbreviation, sizeof(szAbbreviation), nTeam, TEAM_ABBREVIATION);
        names.insert(szAbbreviation);
        char szCity[CITY_NAME_SIZE];
        Get_City_Name(Get_Team_Stat(nTeam, TEAM_CITY_INDEX), szCity, sizeof(szCity));
        Get_Team_String(szAbbreviation, sizeof(szAbbreviation), nTeam, TEAM_CITY);
        EXPECT_STREQ(szCity, szAbbreviation);
        EXPECT_EQ(Find_Free_Player_Slot(nTeam), FIXTURE_ROSTER_SIZE);
    }
    EXPECT_EQ(names.size(), (size_t)FIXTURE_TEAM_COUNT);
    EXPECT_EQ(Find_Free_Player_Slot(FREE_AGENT_TEAM), FIXTURE_FREE_AGENT_COUNT);
}

TEST_F(FixtureTest, PlayersAreUniqueAndEveryPositionIsManned) {
    EXPECT_TRUE(Sanity_Check_Player_IDs());
    std::set<std::string> fullNames;
    int nPlayers = 0;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        int anCounts[POSITION_COUNT] = {};
        for (int nSlot = 0; nSlot < Find_Free_Player_Slot(nTeam); nSlot++) {
            char szName[PLAYER_NAME_TEXT_SIZE];
            Get_Player_Full_Name_Plain(nTeam, nSlot, szName, sizeof(szName));
            fullNames.insert(szName);
            anCounts[Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)]++;
            EXPECT_EQ(Get_Player_ID(nTeam, nSlot), Fixture_Player_Id(nTeam, nSlot));
            EXPECT_GE(Get_Player_Age(nTeam, nSlot), 22);
            EXPECT_LE(Get_Player_Age(nTeam, nSlot), 33);
            nPlayers++;
        }
        if (nTeam >= FIXTURE_TEAM_COUNT)
            continue;
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
            EXPECT_GE(anCounts[nPosition], 1) << nTeam << " " << nPosition;
    }
    EXPECT_EQ(nPlayers, FIXTURE_TEAM_COUNT * FIXTURE_ROSTER_SIZE + FIXTURE_FREE_AGENT_COUNT);
    EXPECT_EQ((int)fullNames.size(), nPlayers);
}

TEST_F(FixtureTest, LookupsFindEveryPlayer) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < Find_Free_Player_Slot(nTeam); nSlot++) {
            char szName[PLAYER_NAME_TEXT_SIZE];
            Get_Player_Full_Name_Plain(nTeam, nSlot, szName, sizeof(szName));
            int nFoundTeam = NO_TEAM, nFoundSlot = NO_PLAYER;
            ASSERT_TRUE(Get_Player_By_ID(&nFoundTeam, &nFoundSlot, Get_Player_ID(nTeam, nSlot)));
            EXPECT_EQ(Pack_Player_Ref(nFoundTeam, nFoundSlot), Pack_Player_Ref(nTeam, nSlot));
            ASSERT_TRUE(Get_Player_By_Ostrel_ID(&nFoundTeam, &nFoundSlot,
                                                Get_Player_Ostrel_ID(nTeam, nSlot)));
            EXPECT_EQ(Pack_Player_Ref(nFoundTeam, nFoundSlot), Pack_Player_Ref(nTeam, nSlot));
            ASSERT_TRUE(Get_Player_By_Name(&nFoundTeam, &nFoundSlot, szName));
            EXPECT_EQ(Pack_Player_Ref(nFoundTeam, nFoundSlot), Pack_Player_Ref(nTeam, nSlot));
        }
    }
}

TEST_F(FixtureTest, StartersRateAboveTheirBackups) {
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++) {
        int nStarter = 0;
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
            float fOverall = Get_Player_Overall_Rating(nTeam, nSlot);
            EXPECT_GE(fOverall, 50.0f);
            EXPECT_LE(fOverall, 99.0f);
            if (Fixture_Slot_Position(nSlot) != Fixture_Slot_Position(nStarter))
                nStarter = nSlot;
            else if (nSlot != nStarter) {
                EXPECT_GT(Get_Player_Overall_Rating(nTeam, nStarter), fOverall)
                    << nTeam << " " << nSlot;
            }
        }
    }
}

TEST_F(FixtureTest, CareerLines) {
    EXPECT_EQ(Count_NFL_Seasons(0, 0), 2);
    EXPECT_EQ(Count_NFL_Seasons(0, 3), 1);  // traded during his one season
    EXPECT_EQ(Get_Player_Main_Team_In_Year(0, 3, FIXTURE_FIRST_YEAR - 1), 0);
    EXPECT_EQ(Get_Player_Main_Team_In_Year(FREE_AGENT_TEAM, 0, FIXTURE_FIRST_YEAR - 1), 5);
    EXPECT_EQ(Count_NFL_Seasons(0, 1), 0);
    EXPECT_EQ(Get_Season_Line_Stat(Get_Player_Season_Line(31, 0, 1), 0), 15 + 31 % 3);
}
