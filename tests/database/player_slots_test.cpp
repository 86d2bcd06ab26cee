// Whole player records: clearing, copying, swapping, removing and compacting.
#include <vector>

#include "player_test_fixture.h"

static std::vector<int> Roster_Ids(int nTeam) {
    std::vector<int> ids;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        ids.push_back(Get_Player_ID(nTeam, nSlot));
    return ids;
}

TEST_F(PlayerTest, ClearPlayerLeavesAnEmptySlotWithoutLines) {
    Put_Player(0, 4, 11);
    Set_Player_Rating(0, 4, 80.0f, RATING_SPEED);
    Add_Player_Season_Line(0, 4, kYear, 0);
    ASSERT_TRUE(Clear_Player(0, 4));
    EXPECT_FALSE(Is_Player_Slot_Used(0, 4));
    PLAYER expected;
    memset(&expected, 0, sizeof(expected));
    for (int n = 0; n < SEASON_LINK_COUNT; n++)
        expected.anSeasonLinks[n] = -1;
    expected.nCurrentSeasonLine = -1;
    EXPECT_EQ(memcmp(&gTeams[0].aPlayers[4], &expected, sizeof(PLAYER)), 0);
}

TEST_F(PlayerTest, ClearPlayerRefusesBadIndexes) {
    Put_Player(0, 0, 11);
    struct {
        int nTeam, nSlot;
        const char* szError;
    } cases[] = {
        {NO_TEAM, 0, "'NO_TEAM' passed to Clear_Player(-128,0)"},
        {0, NO_PLAYER, "'NO_PLAYER' passed to Clear_Player(0,-1)"},
        {41, 0, "nTeam out of bounds in Clear_Player(41,0)"},
        {-5, 0, "nTeam out of bounds in Clear_Player(-5,0)"},
        {0, 100, "nPlayer out of bounds in Clear_Player(0,100)"},
        {0, -5, "nPlayer out of bounds in Clear_Player(0,-5)"},
    };
    for (const auto& c : cases) {
        Clear_Errors();
        EXPECT_FALSE(Clear_Player(c.nTeam, c.nSlot));
        EXPECT_EQ(Last_Error(), c.szError);
    }
    EXPECT_EQ(Get_Player_ID(0, 0), 11);
}

TEST_F(PlayerTest, CopiesRefuseNegativeIndexes) {
    Put_Player(0, 0, 11);
    struct {
        int nDstTeam, nDstSlot, nSrcTeam, nSrcSlot;
        const char* szError;
    } cases[] = {
        {-1, 0, 0, 0, "Negative destination in Copy_Player()"},
        {1, -1, 0, 0, "Negative destination in Copy_Player()"},
        {1, 0, 0, -3, "Negative source in Copy_Player()"},
        {1, 0, 0, 0, ""},
    };
    for (const auto& c : cases) {
        Clear_Errors();
        Copy_Player(c.nDstTeam, c.nDstSlot, c.nSrcTeam, c.nSrcSlot);
        EXPECT_EQ(Last_Error(), c.szError);
    }
    EXPECT_EQ(Get_Player_ID(1, 0), 11);

    PLAYER buffer;
    Copy_Player_To_Memory(-1, 0, &buffer);
    EXPECT_EQ(Last_Error(), "Negative source in Copy_Player_To_Memory()");
    Copy_Player_From_Memory(0, -1, &buffer);
    EXPECT_EQ(Last_Error(), "Negative destination in Copy_Player_From_Memory()");
    Copy_Player_To_Memory(0, 0, &buffer);
    Copy_Player_From_Memory(1, 7, &buffer);
    EXPECT_EQ(memcmp(&gTeams[1].aPlayers[7], &gTeams[0].aPlayers[0], sizeof(PLAYER)), 0);
}

TEST_F(PlayerTest, SwapChecksArgumentsInOrder) {
    Fill_Roster(0, 2, 11);
    struct {
        int nTeamA, nSlotA, nTeamB, nSlotB;
        const char* szError;
    } cases[] = {
        {41, -1, 0, 0, "Invalid Team in Swap_Players(41,-1,0,0)"},
        {0, 0, -1, 100, "Negative Team in Swap_Players(0,0,-1,100)"},
        {0, 100, 0, -1, "Invalid Slot in Swap_Players(0,100,0,-1)"},
        {0, 0, 0, -1, "Negative Slot in Swap_Players(0,0,0,-1)"},
    };
    for (const auto& c : cases) {
        Clear_Errors();
        EXPECT_FALSE(Swap_Players(c.nTeamA, c.nSlotA, c.nTeamB, c.nSlotB));
        EXPECT_EQ(Last_Error(), c.szError);
    }
    EXPECT_EQ(Get_Player_ID(0, 0), 11);
}

TEST_F(PlayerTest, SwapMovesReturnerMarksWithinOneTeam) {
    Fill_Roster(0, 6, 11);
    Fill_Roster(1, 6, 21);
    Set_Team_Returner(0, KICK_RETURNER, 2);
    Set_Team_Returner(0, PUNT_RETURNER, 5);
    Set_Team_Returner(1, KICK_RETURNER, 2);
    ASSERT_TRUE(Swap_Players(0, 2, 0, 5));
    EXPECT_EQ(Get_Player_ID(0, 2), 16);
    EXPECT_EQ(Get_Player_ID(0, 5), 13);
    EXPECT_EQ(gTeams[0].abReturners[KICK_RETURNER], 5);
    EXPECT_EQ(gTeams[0].abReturners[PUNT_RETURNER], 2);

    ASSERT_TRUE(Swap_Players(0, 5, 1, 2));  // between teams the marks stay
    EXPECT_EQ(Get_Player_ID(1, 2), 13);
    EXPECT_EQ(gTeams[0].abReturners[KICK_RETURNER], 5);
    EXPECT_EQ(gTeams[1].abReturners[KICK_RETURNER], 2);
}

TEST_F(PlayerTest, RemovingSlotZeroOfAFullTeamMovesEveryoneUp) {
    Fill_Roster(0, PLAYERS_PER_TEAM, 100);
    Remove_Player_Slot(0, 0);
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM - 1; nSlot++)
        ASSERT_EQ(Get_Player_ID(0, nSlot), 101 + nSlot);
    EXPECT_FALSE(Is_Player_Slot_Used(0, 99));
    EXPECT_EQ(Get_Player_Season_Line(0, 99, 0), -1);
    EXPECT_EQ(Find_Free_Player_Slot(0), 99);
}

TEST_F(PlayerTest, DeletePlayerFreesHisLinesAndClosesTheGap) {
    Fill_Roster(0, 4, 11);
    int nLine = Add_Player_Season_Line(0, 1, kYear, 0);
    Set_Season_Line_Stat(nLine, 0, 9);
    Delete_Player(0, 1);
    EXPECT_EQ(Roster_Ids(0)[1], 13);
    EXPECT_EQ(Roster_Ids(0)[3], 0);
    EXPECT_EQ(Get_Season_Line_Year(nLine), 0);
    EXPECT_TRUE(Is_Season_Line_Blank(nLine));

    nLine = Add_Player_Season_Line(0, 0, kYear, 0);
    Delete_Player_In_Place(0, 0);
    EXPECT_FALSE(Is_Player_Slot_Used(0, 0));
    EXPECT_EQ(Get_Player_ID(0, 1), 13);
    EXPECT_EQ(Get_Season_Line_Year(nLine), 0);
}

TEST_F(PlayerTest, CompactingKeepsTheOrderAndLeavesUnusedTeamsAlone) {
    Fill_Roster(0, 10, 11);
    for (int nSlot : {0, 3, 4, 8})
        Clear_Player(0, nSlot);
    Compact_Team_Roster(0);
    std::vector<int> ids = Roster_Ids(0);
    EXPECT_EQ(std::vector<int>(ids.begin(), ids.begin() + 7),
              (std::vector<int>{12, 13, 16, 17, 18, 20, 0}));

    Fill_Roster(5, 3, 51);  // team 5 is not in use
    Clear_Player(5, 0);
    Compact_Team_Roster(5);
    EXPECT_EQ(Get_Player_ID(5, 0), 0);
    EXPECT_EQ(Get_Player_ID(5, 1), 52);
}

TEST_F(PlayerTest, DeletingAllLeaguePlayersKeepsThePseudoTeams) {
    Fill_Roster(0, 3, 11);
    Fill_Roster(FREE_AGENT_TEAM, 2, 91);
    Delete_All_League_Players();
    EXPECT_EQ(Find_Free_Player_Slot(0), 0);
    EXPECT_EQ(Find_Free_Player_Slot(FREE_AGENT_TEAM), 2);
}

static std::vector<GAME*> sRefilledGames;

static void Note_Lineup_Refill(GAME* pGame) {
    sRefilledGames.push_back(pGame);
}

// A swap refills the live game's lineups only when it touches one of its teams and a team of the
// game is shown play by play.
TEST_F(PlayerTest, SwapRefillsTheLineupsOfTheShownLiveGame) {
    Add_Team(2, "Carrick", "Owls");
    for (int nTeam = 0; nTeam < 3; nTeam++)
        Fill_Roster(nTeam, 2, 100 * (nTeam + 1));
    static GAME game;
    memset(&game, 0, sizeof(game));
    game.anTeams[VISITOR_SIDE] = 0;
    game.anTeams[HOME_SIDE] = 1;
    Set_Team_Schedule_Stat(1, gCurrentWeek, SCHEDULE_OPPONENT, 1);  // the home team holds the flag
    Set_Live_Lineup_Refill(Note_Lineup_Refill);
    struct {
        int nTeam;
        int bLive;
        int bShown;
        size_t nRefills;
    } cases[] = {
        {0, 1, 1, 1}, {1, 1, 1, 1}, {2, 1, 1, 0}, {0, 1, 0, 0}, {0, 0, 1, 0},
    };
    for (const auto& c : cases) {
        sRefilledGames.clear();
        gLiveGame = c.bLive ? &game : NULL;
        Set_Calendar_PBP_Flag(gCurrentWeek, 1, c.bShown);
        ASSERT_EQ(Get_Calendar_PBP_Flag(1, gCurrentWeek) != 0, c.bShown != 0);
        ASSERT_TRUE(Swap_Players(c.nTeam, 0, c.nTeam, 1));
        EXPECT_EQ(sRefilledGames.size(), c.nRefills) << c.nTeam << c.bLive << c.bShown;
        if (c.nRefills > 0) {
            EXPECT_EQ(sRefilledGames[0], &game);
        }
    }
    gLiveGame = NULL;
    Set_Live_Lineup_Refill(NULL);
}
