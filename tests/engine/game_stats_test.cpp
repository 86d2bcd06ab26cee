// Crediting a play's statistics to a player, both teams and the game's counters.
#include "engine/game_test_fixture.h"

namespace {

class GameStatsTest : public GameTest {
protected:
    int nRunner = NO_PLAYER;  // a running back of the home team

    void SetUp() override {
        GameTest::SetUp();
        Snapshot_Game_Player_Ids(pGame);
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE && nRunner == NO_PLAYER; nSlot++)
            if (Fixture_Slot_Position(nSlot) == POS_RB)
                nRunner = nSlot;
    }

    int Season(int nStat) const {
        return Get_Player_Stat(GAME_TEST_HOME, nRunner, 0, nStat);
    }
    int Totals(int nTeam, int nCategory, int nStat) const {
        return Get_Team_Totals_Stat(nTeam, nCategory, SEASON_CURRENT, nStat);
    }
    int Counter(int nCounter) const {
        return Get_Game_Player_Counter(pGame, HOME_SIDE, nRunner, nCounter);
    }
};

struct CREDIT_CASE {
    const char* szName;
    int nWeek, nDown, nCall, nInjuryWeeks;
    int bSeason, bTotals, bCounter;
};

// Rushing yards (statistic 8) go to the season, both teams' totals and game counter 1.
TEST_F(GameStatsTest, WhatACreditReaches) {
    const CREDIT_CASE kCases[] = {
        {"a regular-season run", GAME_TEST_WEEK, FIRST_DOWN, 3, 0, 1, 1, 1},
        {"a playoff run", GAME_TEST_FIRST_POSTSEASON_WEEK, FIRST_DOWN, 3, 0, 0, 1, 1},
        {"a two-point try", GAME_TEST_WEEK, CONVERSION_ATTEMPT, 3, 0, 0, 0, 0},
        {"an injured runner", GAME_TEST_WEEK, FIRST_DOWN, 3, 2, 0, 1, 0},
    };
    for (const CREDIT_CASE& c : kCases) {
        SCOPED_TRACE(c.szName);
        gCurrentWeek = c.nWeek;
        Set_Down(c.nDown);
        pGame->currentPlay.nOffensiveCall = (int8_t)c.nCall;
        Set_Player_Vital_Stat(GAME_TEST_HOME, nRunner, VITAL_INJURY_WEEKS, c.nInjuryWeeks);
        int nSeason = Season(8), nOwn = Totals(GAME_TEST_HOME, 0, 8);
        int nOpponent = Totals(GAME_TEST_VISITOR, 4, 8), nCounter = Counter(1);

        Credit_Player_Game_Event(GAME_TEST_HOME, pGame, nRunner, GROUP_SKILL, 8, 7);

        EXPECT_EQ(Season(8) - nSeason, c.bSeason * 7);
        EXPECT_EQ(Totals(GAME_TEST_HOME, 0, 8) - nOwn, c.bTotals * 7);
        EXPECT_EQ(Totals(GAME_TEST_VISITOR, 4, 8) - nOpponent, c.bTotals * 7);
        EXPECT_EQ(Counter(1) - nCounter, c.bCounter * 7);
    }
}

TEST_F(GameStatsTest, AWrongGroupOrSideCreditsNothing) {
    Credit_Player_Game_Event(GAME_TEST_HOME, pGame, nRunner, GROUP_DEFENCE, 2, 1);
    EXPECT_EQ(Season(2), 0);
    Increment_Game_Team_Total(pGame, 2, 5, 1);
    EXPECT_NE(std::string(gRecentErrors).find("Invalid bTeam passed to Increment_Game_Team_Total"),
              std::string::npos);
}

TEST_F(GameStatsTest, KickedTryCountsForTheKicker) {
    int nKicker = FIXTURE_ROSTER_SIZE - 2;
    ASSERT_EQ(Fixture_Slot_Position(nKicker), POS_K);
    Set_Down(CONVERSION_ATTEMPT);
    pGame->currentPlay.nOffensiveCall = HARD_CODED_FIELD_GOAL_PLAY;
    Credit_Player_Game_Event(GAME_TEST_HOME, pGame, nKicker, GROUP_KICKERS, 9, 1);
    EXPECT_EQ(Get_Player_Stat(GAME_TEST_HOME, nKicker, 0, 9), 1);
    EXPECT_EQ(pGame->aaanPlayerCounters[HOME_SIDE][nKicker][1], 1);
}

// A solo sack is two halves and a tackle; a shared one a half and an assist each.
TEST_F(GameStatsTest, SacksSplitIntoHalves) {
    Set_Game_Lineups(pGame);
    Set_Default_Formations(pGame);
    int nQuarterback = 0;
    ASSERT_EQ(Fixture_Slot_Position(nQuarterback), POS_QB);
    int anSeen[2] = {0, 0};
    for (int i = 0; i < 30; i++) {
        int anBefore[3] = {0, 0, 0};
        int anAfter[3] = {0, 0, 0};
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
            for (int k = 0; k < 3; k++)
                anBefore[k] += Get_Player_Stat(GAME_TEST_VISITOR, nSlot, 0, 2 + k);
        pGame->nPlayYards = -6;
        Credit_Sack(pGame, nQuarterback);
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
            for (int k = 0; k < 3; k++)
                anAfter[k] += Get_Player_Stat(GAME_TEST_VISITOR, nSlot, 0, 2 + k);
        int nTackles = anAfter[0] - anBefore[0], nAssists = anAfter[1] - anBefore[1];
        EXPECT_EQ(anAfter[2] - anBefore[2], 2);
        EXPECT_TRUE((nTackles == 1 && nAssists == 0) || (nTackles == 0 && nAssists == 2));
        anSeen[nAssists == 2]++;
    }
    EXPECT_GT(anSeen[0], 0);
    EXPECT_GT(anSeen[1], 0);
    EXPECT_EQ(pGame->aanTeamTotals[VISITOR_SIDE][11], 30);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][9], -180);
    EXPECT_EQ(Get_Player_Stat(GAME_TEST_HOME, nQuarterback, 0, 15), 180);
}

TEST_F(GameStatsTest, GameScoreWeighsTheCounters) {
    const int kCounters[5] = {30, 20, 250, 2, 1};
    for (int c = 0; c < 5; c++)
        pGame->aaanPlayerCounters[HOME_SIDE][0][c] = (int16_t)kCounters[c];
    EXPECT_EQ(Get_Player_Game_Score(pGame, HOME_SIDE, 0), 355);
    EXPECT_EQ(Get_Player_Game_Score(pGame, 2, 0), 0);
    EXPECT_EQ(Get_Player_Game_Score(pGame, HOME_SIDE, GAME_ROSTER_SLOTS), 0);
}

}  // namespace
