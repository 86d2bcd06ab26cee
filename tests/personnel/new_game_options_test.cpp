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

// Fictional players: new names, every team at least at its minimum roster, one career line a
// year, and games within the season's games.
TEST_F(NewGameOptionsTest, FictionalPlayersLeaveNoRealRecord) {
    char szBefore[TEXT_BUFFER_SIZE], szAfter[TEXT_BUFFER_SIZE];
    Get_Player_Full_Name(3, 0, szBefore, sizeof szBefore);
    int nId = Get_Player_ID(3, 0);
    Create_Fictional_Players();
    int nTeam, nSlot;
    Rebuild_Player_ID_Hash();
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nId));
    Get_Player_Full_Name(nTeam, nSlot, szAfter, sizeof szAfter);
    EXPECT_STRNE(szBefore, szAfter);
    static const int kMinimum[POSITION_COUNT] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};
    int nGames = Get_Universe_Stat(UNIVERSE_SEASON_GAMES);
    for (int t = 0; t < FIXTURE_TEAM_COUNT; t++) {
        int anCount[POSITION_COUNT] = {0};
        for (int s = 0; s < PLAYERS_PER_TEAM; s++) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            anCount[Get_Player_Vital_Stat(t, s, VITAL_POSITION)]++;
            int nPreviousYear = 0;
            for (int n = 0; n < SEASON_LINK_COUNT; n++) {
                int nLine = Get_Player_Season_Line(t, s, n);
                if (nLine < 0)
                    continue;
                EXPECT_NE(Get_Season_Line_Year(nLine), nPreviousYear) << t << "," << s;
                nPreviousYear = Get_Season_Line_Year(nLine);
                EXPECT_LE(Get_Season_Line_Stat(nLine, 0), nGames);
                EXPECT_LE(Get_Season_Line_Stat(nLine, 1), Get_Season_Line_Stat(nLine, 0));
            }
        }
        for (int p = 0; p < POSITION_COUNT; p++)
            EXPECT_GE(anCount[p], kMinimum[p]) << "team " << t << " position " << p;
    }
}
