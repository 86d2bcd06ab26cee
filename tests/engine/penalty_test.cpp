// Penalties at fixed draws: when no flag can come, each kind's enforcement near a goal line (half
// the distance, the ball at the 1, the automatic first down, the replayed down), a disciplined line
// avoiding a flag, and the statistics charged.
#include "engine/play_test_fixture.h"

namespace {

#define PRO_DIVE 0
#define PRO_852 31  // a pass to the tight end on a flag route of 8..12 yards
#define FOUR_THREE_CONTAIN 3
#define HIGH 0.9999
#define STAT_PENALTIES 10
#define STAT_PENALTY_YARDS 11

class PenaltyTest : public PlayTest {
protected:
    void Line_Up(int nCall, int nDown, int nYardLine, int nClock, int nToGo = 10) {
        Set_Situation(nDown, nToGo, nYardLine, nClock, 0, 0);
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

// Each flag from its draws: the kind, the yards enforced, and the spot and down after it. Every
// step of the chain takes a draw; HIGH fails a step, 0.0 passes it, and a discipline draw of HIGH
// lets the flag fly. Offensive fouls replay the down.
TEST_F(PenaltyTest, EnforcementNearTheGoalLines) {
    struct Case {
        const char* szName;
        int nCall;
        int nDown;
        int nToGo;
        int nYardLine;
        std::initializer_list<double> draws;
        int nKind;
        int nYards;
        int nLineAfter;
        int nDownAfter;
        int nToGoAfter;
    } cases[] = {
        {"encroachment", PRO_DIVE, FIRST_DOWN, 10, 60, {0.0}, 0, 5, 55, FIRST_DOWN, 5},
        {"encroachment at the 4 on third and 3: 2 yards, no first down",
         PRO_DIVE,
         THIRD_DOWN,
         3,
         4,
         {0.0},
         0,
         2,
         2,
         THIRD_DOWN,
         1},
        {"roughness at the 20: half the distance, a first down",
         PRO_DIVE,
         FIRST_DOWN,
         10,
         20,
         {HIGH, HIGH, HIGH, 0.0},
         5,
         10,
         10,
         FIRST_DOWN,
         10},
        {"interference reaching the goal line: at the 1",
         PRO_852,
         FIRST_DOWN,
         10,
         12,
         {HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, 0.0, HIGH},
         6,
         11,
         1,
         FIRST_DOWN,
         1},
        {"interference of 12 at the 15: half the distance",
         PRO_852,
         FIRST_DOWN,
         10,
         15,
         {HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, 0.0, HIGH},
         6,
         7,
         8,
         FIRST_DOWN,
         8},
        {"illegal contact at the 7 on third down: 3 yards, first and goal",
         PRO_852,
         THIRD_DOWN,
         7,
         7,
         {HIGH, HIGH, HIGH, HIGH, 0.0, 0.0, HIGH},
         1,
         3,
         4,
         FIRST_DOWN,
         4},
        {"defensive holding at the 1 on third down: no yard to give, still a first down",
         PRO_DIVE,
         THIRD_DOWN,
         1,
         1,
         {HIGH, 0.0},
         2,
         0,
         1,
         FIRST_DOWN,
         1},
        {"roughing the passer at the 25 on second down: 12 yards",
         PRO_852,
         SECOND_DOWN,
         10,
         25,
         {HIGH, HIGH, 0.0},
         3,
         12,
         13,
         FIRST_DOWN,
         10},
        {"offsides at the own 5: 2 yards, second down again",
         PRO_DIVE,
         SECOND_DOWN,
         10,
         95,
         {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, HIGH},
         7,
         -2,
         97,
         SECOND_DOWN,
         12},
        {"false start at the own 9 on third down: 4 yards",
         PRO_852,
         THIRD_DOWN,
         3,
         91,
         {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, HIGH},
         8,
         -4,
         95,
         THIRD_DOWN,
         7},
        {"offensive interference at the own 12: 6 yards",
         PRO_852,
         SECOND_DOWN,
         10,
         88,
         {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0},
         10,
         -6,
         94,
         SECOND_DOWN,
         16},
        {"holding at the own 8: half the distance",
         PRO_DIVE,
         FIRST_DOWN,
         10,
         92,
         {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0, HIGH},
         11,
         -4,
         96,
         FIRST_DOWN,
         14},
        {"clipping at the own 20: 10 yards",
         PRO_DIVE,
         FIRST_DOWN,
         10,
         80,
         {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0},
         13,
         -10,
         90,
         FIRST_DOWN,
         20},
        {"block in the back at the own 15: 7 yards",
         PRO_852,
         SECOND_DOWN,
         5,
         85,
         {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0},
         14,
         -7,
         92,
         SECOND_DOWN,
         12},
        {"offensive roughness at the own 1: nothing to give",
         PRO_DIVE,
         FIRST_DOWN,
         10,
         99,
         {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, 0.0},
         15,
         0,
         99,
         FIRST_DOWN,
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        Line_Up(c.nCall, c.nDown, c.nYardLine, 0, c.nToGo);
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
        EXPECT_EQ(pGame->nFlags & GAME_FLAG_DOWN_MASK, c.nDownAfter);
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
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_PENALTIES], 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_PENALTY_YARDS], 4);
    EXPECT_EQ(pGame->aanTeamTotals[VISITOR_SIDE][GAME_TOTAL_PENALTIES], 0);
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
