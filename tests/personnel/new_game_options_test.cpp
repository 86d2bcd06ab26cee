// The new-game options over the fixture league: the shuffle mixes the league teams' and free
// agents' players only, and equal markets give every city and team the same footing.
#include "personnel/value_test_support.h"

#include <vector>

class NewGameOptionsTest : public PersonnelValueTest {
protected:
    void SetUp() override {
        Copy_Data_Files();
        PersonnelValueTest::SetUp();
        Seed_Random(FIXED_RANDOM_SEED);
    }

    static std::vector<int> Roster_Ids(int nTeam) {
        std::vector<int> anIds;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            anIds.push_back(Get_Player_ID(nTeam, nSlot));
        return anIds;
    }

    static int Count_Players(int nFirst, int nLast) {
        int nCount = 0;
        for (int nTeam = nFirst; nTeam <= nLast; nTeam++) {
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
                nCount += Is_Valid_Team(nTeam) && Is_Player_Slot_Used(nTeam, nSlot);
        }
        return nCount;
    }
};

TEST_F(NewGameOptionsTest, ShuffleLeavesTheHallOfFameAndDraftPoolsAlone) {
    Add_Test_Player(HALL_OF_FAME_TEAM, 0, POS_QB, 60, 15, 70.0f);
    Add_Test_Player(FIRST_DRAFT_POOL_TEAM, 0, POS_WR, 21, 0, 55.0f);
    std::vector<std::vector<int>> aKept;
    for (int nTeam = HALL_OF_FAME_TEAM; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++)
        aKept.push_back(Roster_Ids(nTeam));
    std::vector<int> anTeamZero = Roster_Ids(0);
    int nLeagueAndPool = Count_Players(0, FREE_AGENT_TEAM);

    Shuffle_Players_Pass();

    for (int nTeam = HALL_OF_FAME_TEAM; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++)
        EXPECT_EQ(Roster_Ids(nTeam), aKept[nTeam - HALL_OF_FAME_TEAM]) << nTeam;
    EXPECT_EQ(Count_Players(0, FREE_AGENT_TEAM), nLeagueAndPool);
    EXPECT_NE(Roster_Ids(0), anTeamZero);  // the league's players did move
    EXPECT_LT(Count_Players(FREE_AGENT_TEAM, FREE_AGENT_TEAM), FIXTURE_FREE_AGENT_COUNT);
}

TEST_F(NewGameOptionsTest, EqualMarketsGiveEveryCityAndTeamTheSameFooting) {
    Equalize_Cities();
    Equalize_Team_Finances();
    EXPECT_EQ(Get_City_Stat(3, 0), 1000000);
    EXPECT_EQ(Get_City_Stat(3, 5), 3 * 4000 + 70000);
    EXPECT_EQ(Get_City_Stat(12, 6), 2 * 2000 + 25000);
    for (int nTeam : {0, 17, 31}) {
        EXPECT_EQ(Get_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT), 1000);
        EXPECT_EQ(Get_Team_Financial_Stat(nTeam, FIN_CASH), Get_Base_Team_Cash());
    }
}
