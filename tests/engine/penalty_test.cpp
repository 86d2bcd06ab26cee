// Penalties at fixed draws: when no flag can come, each kind's enforcement near a goal line (half
// the distance, the ball at the 1, the automatic first down), a disciplined line avoiding a flag,
// and the statistics charged.
#include "engine/play_test_fixture.h"

namespace {

#define PRO_DIVE 0
#define PRO_852 31  // a pass to the tight end on a flag route of 8..12 yards
#define FOUR_THREE_CONTAIN 3
#define HIGH 0.9999
#define STAT_PENALTIES 10
#define STAT_PENALTY_YARDS 11
#define TOTAL_PENALTIES 12
#define TOTAL_PENALTY_YARDS 13

class PenaltyTest : public PlayTest {
protected:
    void Line_Up(int nCall, int nDown, int nYardLine, int nClock) {
        Set_Situation(nDown, 10, nYardLine, nClock, 0, 0);
        Call_Play(nCall, FOUR_THREE_CONTAIN);
        Rate_Side(VISITOR_SIDE, 70.0f);
        Rate_Side(HOME_SIDE, 70.0f);
        pGame->nPlaySeconds = 0;
    }

    int Line_Stat(int nStat) {
        int nSum = 0;
        for (int nSpot = 6; nSpot <= 10; nSpot++)
            nSum += Get_Player_Stat(TEST_HOME, pGame->aabOnField[HOME_SIDE][nSpot], SEASON_CURRENT,
                                    nStat);
        return nSum;
    }
};

TEST_F(PenaltyTest, NoFlagWithoutAScrimmageDownOrTime) {
    struct Case {
        int nCall;
        int nDown;
        int nClock;
    } cases[] = {
        {PRO_DIVE, FOURTH_DOWN, 0},
        {PRO_DIVE, CONVERSION_ATTEMPT, 0},
        {PRO_DIVE, KICKOFF, 0},
        {PRO_DIVE, FIRST_DOWN, 1800 - 119},
        {PRO_852, SECOND_DOWN, 3600 - 119},
        {HARD_CODED_PUNT_PLAY, THIRD_DOWN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nDown * 10000 + c.nClock);
        Line_Up(c.nCall, c.nDown, 60, c.nClock);
        Queue_Draws({0.0});
        EXPECT_EQ(Check_For_Penalty(pGame), 0);
        EXPECT_EQ(gMtIndex, 0);  // not a draw taken
    }
}

// Each flag from its draws: the kind, the yards enforced, and the down after it.
TEST_F(PenaltyTest, EnforcementNearTheGoalLines) {
    struct Case {
        const char* szName;
        int nCall;
        int nYardLine;
        std::initializer_list<double> draws;
        int nKind;
        int nYards;
        int nLineAfter;
        int nToGoAfter;
    } cases[] = {
        {"encroachment", PRO_DIVE, 60, {0.0}, 0, 5, 55, 5},
        {"roughness at the 20: half the distance, a first down",
         PRO_DIVE,
         20,
         {HIGH, HIGH, HIGH, 0.0},
         5,
         10,
         10,
         10},
        {"interference reaching the goal line: at the 1",
         PRO_852,
         12,
         {HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, 0.0, HIGH},
         6,
         11,
         1,
         1},
        {"holding at the own 8: half the distance",
         PRO_DIVE,
         92,
         {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, HIGH},
         11,
         -4,
         96,
         14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Line_Up(c.nCall, FIRST_DOWN, c.nYardLine, 0);
        Queue_Draws(c.draws);
        ASSERT_EQ(Check_For_Penalty(pGame), 1);
        EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_PENALTY);
        EXPECT_EQ(pGame->currentPlay.nYard2, c.nKind);
        EXPECT_EQ(pGame->nPlayYards, c.nYards);
        EXPECT_EQ(pGame->currentPlay.nYard1, c.nYards < 0 ? -c.nYards : c.nYards);
        EXPECT_GE(pGame->nPlaySeconds, 5);
        EXPECT_LE(pGame->nPlaySeconds, 9);
        Advance_Down_And_Distance(pGame);
        EXPECT_EQ(pGame->nYardLine, c.nLineAfter);
        EXPECT_EQ(pGame->nYardsToGo, c.nToGoAfter);
        EXPECT_EQ(pGame->nFlags & GAME_FLAG_DOWN_MASK, FIRST_DOWN);
        EXPECT_EQ(pGame->nPossession, TEST_HOME);
    }
}

// A line of Discipline 70 (factor 1) avoids an offsides flag when the draw is below one half.
TEST_F(PenaltyTest, ADisciplinedLineAvoidsTheFlag) {
    Line_Up(PRO_DIVE, FIRST_DOWN, 60, 0);
    EXPECT_FLOAT_EQ(Get_Line_Discipline_Strength(pGame), 1.0f);
    Queue_Draws({HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, 0.49});
    EXPECT_EQ(Check_For_Penalty(pGame), 0);
    Queue_Draws({HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, 0.51});
    EXPECT_EQ(Check_For_Penalty(pGame), 1);
    EXPECT_EQ(pGame->currentPlay.nYard2, 7);
}

TEST_F(PenaltyTest, TheLinemanAndTheTeamAreCharged) {
    Line_Up(PRO_DIVE, FIRST_DOWN, 92, 0);
    int nFlags = Line_Stat(STAT_PENALTIES);
    int nYards = Line_Stat(STAT_PENALTY_YARDS);
    Queue_Draws({HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, HIGH});
    ASSERT_EQ(Check_For_Penalty(pGame), 1);
    EXPECT_EQ(Line_Stat(STAT_PENALTIES), nFlags + 1);
    EXPECT_EQ(Line_Stat(STAT_PENALTY_YARDS), nYards + 4);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][TOTAL_PENALTIES], 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][TOTAL_PENALTY_YARDS], 4);
    EXPECT_EQ(pGame->aanTeamTotals[VISITOR_SIDE][TOTAL_PENALTIES], 0);
    EXPECT_NE(pGame->currentPlay.nPlayer1, -1);
}

TEST_F(PenaltyTest, NamesByKind) {
    char st[PENALTY_NAME_SIZE];
    Get_Penalty_Name(15, st, sizeof st);
    EXPECT_STREQ(st, "Unnecessary Roughness");
    Get_Penalty_Name(10, st, sizeof st);
    EXPECT_STREQ(st, "Offensive Pass Interference");
    Get_Penalty_Name(16, st, sizeof st);
    EXPECT_STREQ(st, "");
}

}  // namespace
