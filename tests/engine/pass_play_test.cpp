// Passes: each outcome applied (completion, touchdown, try, incompletion, knock-down,
// interception, sack, safety, sack fumble) and the outcome draw at its ends and on a try.
#include "engine/play_test_fixture.h"

namespace {

#define PRO_852 31  // primary: the tight end in spot 4 on route 5 "(5) Flag"
#define FLAG_ROUTE 5
#define PRIMARY_SPOT 4
#define PRO_262_HOVER 20  // primary: the first wide receiver, in spot 5
#define HOVER_PRIMARY_SPOT 5
#define FOUR_THREE_CONTAIN 3
#define DEFENCE_TOTALS 1
#define PASSER_TOTALS 3
#define STAT_PASSES_DEFENSED 6
#define STAT_INTERCEPTIONS 7
#define STAT_PASSING_TDS 6
#define HIGH 0.9999

class PassPlayTest : public PlayTest {
protected:
    void Set_Up_Pass(int nDown, int nYardLine) {
        Set_Situation(nDown, 10, nYardLine, 0, 0, 0);
        Call_Play(PRO_852, FOUR_THREE_CONTAIN);
        Rate_Side(VISITOR_SIDE, 70.0f);
        Rate_Side(HOME_SIDE, 70.0f);
    }

    uint8_t Receiver() {
        return pGame->aabOnField[HOME_SIDE][PRIMARY_SPOT];
    }
    int Receiver_Id() {
        return Get_Player_ID(TEST_HOME, Receiver());
    }
    int Passer_Id() {
        return Get_Player_ID(TEST_HOME, pGame->aabOnField[HOME_SIDE][0]);
    }
    int Result() {
        return Get_Play_Result(&pGame->currentPlay);
    }

    int Totals(int nTeam, int nCategory, int nStat) {
        return Get_Team_Totals_Stat(nTeam, nCategory, SEASON_CURRENT, nStat);
    }

    // A pass caught 5 yards out that goes for 12.
    void Apply(int nOutcome, std::initializer_list<double> draws) {
        Queue_Draws(draws);
        Implement_Pass_Result(pGame, Receiver(), nOutcome, FLAG_ROUTE, 5, 12);
    }
};

TEST_F(PassPlayTest, ACompletionGainsTheTotalAndCreditsBothEnds) {
    Set_Up_Pass(FIRST_DOWN, 60);
    Apply(PASS_COMPLETE, {HIGH, Below(3, 6)});
    EXPECT_EQ(Result(), RESULT_COMPLETE);
    EXPECT_EQ(pGame->nPlayYards, 12);
    EXPECT_EQ(pGame->nPlaySeconds, 12 / 5 + 3 + 5);
    EXPECT_EQ(pGame->currentPlay.nPlayer1, Receiver_Id());
    EXPECT_EQ(pGame->currentPlay.nPlayer2, Passer_Id());
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][7], 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][8], 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][9], 12);
    EXPECT_EQ(pGame->nFlags & GAME_FLAG_OUT_OF_BOUNDS, 0);
}

TEST_F(PassPlayTest, ACompletionPastTheGoalLineScoresAndOnATryIsGood) {
    int nTouchdowns = Totals(TEST_HOME, PASSER_TOTALS, STAT_PASSING_TDS);
    Set_Up_Pass(FIRST_DOWN, 8);
    Apply(PASS_COMPLETE, {HIGH});
    EXPECT_EQ(Result(), RESULT_TOUCHDOWN_PASS);
    EXPECT_EQ(pGame->nPlayYards, 8);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][9], 8);  // passing yards stop at the goal line
    EXPECT_EQ(Totals(TEST_HOME, PASSER_TOTALS, STAT_PASSING_TDS), nTouchdowns + 1);

    Set_Up_Pass(CONVERSION_ATTEMPT, 2);
    Apply(PASS_COMPLETE, {HIGH});
    EXPECT_EQ(Result(), RESULT_TWO_POINT_GOOD);
}

TEST_F(PassPlayTest, IncompleteAndKnockedDownStopTheClock) {
    int nDefensed = Totals(TEST_VISITOR, DEFENCE_TOTALS, STAT_PASSES_DEFENSED);
    Set_Up_Pass(SECOND_DOWN, 60);
    Apply(PASS_INCOMPLETE, {Below(0, 5)});
    EXPECT_EQ(Result(), RESULT_INCOMPLETE);
    EXPECT_EQ(pGame->nPlayYards, 0);
    EXPECT_EQ(pGame->nPlaySeconds, 12 / 10 + 4);
    EXPECT_NE(pGame->nFlags & GAME_FLAG_TIMEOUT_STOP, 0);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][7], 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][8], 0);

    Set_Up_Pass(SECOND_DOWN, 60);
    Apply(PASS_KNOCKED_DOWN, {});
    EXPECT_EQ(Result(), RESULT_KNOCKED_DOWN);
    EXPECT_EQ(pGame->currentPlay.nPlayer2, Receiver_Id());
    EXPECT_EQ(Totals(TEST_VISITOR, DEFENCE_TOTALS, STAT_PASSES_DEFENSED), nDefensed + 1);
}

// No return: the ball stays at the catch point, 5 yards past the line of scrimmage.
TEST_F(PassPlayTest, AnInterceptionChangesPossession) {
    int nInterceptions = Totals(TEST_VISITOR, DEFENCE_TOTALS, STAT_INTERCEPTIONS);
    Set_Up_Pass(THIRD_DOWN, 60);
    Apply(PASS_INTERCEPTED, {0.5, 0.5, 0.0, 0.0, 0.0});
    EXPECT_EQ(Result(), RESULT_INTERCEPTED);
    EXPECT_EQ(pGame->nPossession, TEST_VISITOR);
    EXPECT_EQ(pGame->nYardLine, 40);
    EXPECT_EQ(pGame->nPlayYards, -5);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][10], 1);
    EXPECT_EQ(Totals(TEST_VISITOR, DEFENCE_TOTALS, STAT_INTERCEPTIONS), nInterceptions + 1);
}

// The loss is the smaller of 5 + a draw and half of that plus the total.
TEST_F(PassPlayTest, ASackLosesYardsAndFromTheThreeIsASafety) {
    Set_Up_Pass(SECOND_DOWN, 60);
    Apply(PASS_SACKED, {Below(0, 5)});
    EXPECT_EQ(Result(), RESULT_SACK);
    EXPECT_EQ(pGame->nPlayYards, -5);
    EXPECT_EQ(pGame->currentPlay.nPlayer1, Passer_Id());
    EXPECT_EQ(pGame->aanTeamTotals[VISITOR_SIDE][11], 1);

    Set_Up_Pass(SECOND_DOWN, 97);
    Apply(PASS_SACKED, {Below(0, 5)});
    EXPECT_EQ(Result(), RESULT_SAFETY);
    EXPECT_EQ(pGame->nPlayYards, -3);

    // A sack fumble is a sack too: in the sack total and the net passing yards.
    Set_Up_Pass(SECOND_DOWN, 60);
    int nSacks = pGame->aanTeamTotals[VISITOR_SIDE][11];
    int nPassingYards = pGame->aanTeamTotals[HOME_SIDE][9];
    Apply(PASS_SACK_FUMBLE, {Below(0, 5), 0.5, 0.5, 0.5, HIGH, 0.0, 0.0, 0.0});
    EXPECT_EQ(Result(), RESULT_FUMBLE_LOST);
    EXPECT_EQ(pGame->nPossession, TEST_VISITOR);
    EXPECT_EQ(pGame->nPlayYards, 5);  // the ball is recovered where the passer went down
    EXPECT_EQ(pGame->aanTeamTotals[VISITOR_SIDE][11], nSacks + 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][9], nPassingYards - 5);
}

// The outcome draw: 0 is incomplete, 1 knocked down; on a try no interception at any draw.
TEST_F(PassPlayTest, TheOutcomeDrawAtItsEndsAndOnATry) {
    Set_Up_Pass(FIRST_DOWN, 60);
    Queue_Draws({0.0});
    EXPECT_EQ(Get_Pass_Outcome(pGame, Receiver(), 8.0f, 12.0f, 1), PASS_INCOMPLETE);
    Queue_Draws({1.0});
    EXPECT_EQ(Get_Pass_Outcome(pGame, Receiver(), 8.0f, 12.0f, 1), PASS_KNOCKED_DOWN);

    Set_Up_Pass(CONVERSION_ATTEMPT, 2);
    for (int k = 0; k <= 100; k++) {
        Queue_Draws({k / 100.0, HIGH});
        EXPECT_NE(Get_Pass_Outcome(pGame, Receiver(), 2.0f, 3.0f, 1), PASS_INTERCEPTED) << k;
    }
}

// The interception weight is held between a hundredth and a half of the incompletion weight. A
// sweep of the first draw over 0..1 gives each outcome its share of the summed weights, so the
// interceptions to the incompletions show where it was held.
TEST_F(PassPlayTest, TheInterceptionWeightIsHeldByTheIncompletionWeight) {
    const struct {
        const char* szCase;
        int nDown;
        float fDefence, fControl, fCatch, fTotal, fShare;
    } kCases[] = {
        {"a deep throw on fourth down keeps 1 / C: the floor", FOURTH_DOWN, 70, 70, 30, 35, 0.01f},
        {"a wild passer against ball hawks: the ceiling", FIRST_DOWN, 99, 1, 8, 12, 0.5f},
    };
    const int kDraws = 4000;
    for (const auto& c : kCases) {
        Set_Up_Pass(c.nDown, 60);
        Rate_Side(VISITOR_SIDE, c.fDefence);
        Set_Player_Rating(TEST_HOME, pGame->aabOnField[HOME_SIDE][0], c.fControl, RATING_CONTROL);
        int anOutcomes[PASS_SACK_FUMBLE + 1] = {};
        for (int k = 0; k < kDraws; k++) {
            Queue_Draws({(k + 0.5) / kDraws, HIGH});
            anOutcomes[Get_Pass_Outcome(pGame, Receiver(), c.fCatch, c.fTotal, 1)]++;
        }
        EXPECT_NEAR(anOutcomes[PASS_INTERCEPTED], c.fShare * anOutcomes[PASS_INCOMPLETE], 2)
            << c.szCase;
    }
}

// The ball goes to the primary when the draw of 0..99 is at most his chance: h below 56 is the
// chance, from 56 on (h + 55) / 2. The tight end of Pro 852 rated 70 throughout has h = 70 - 70 +
// 25; the wide receiver of Pro 262 Hover, first at his depth against single coverage, rated 88.2
// has h = 88 - 70 + 35 + 3 = 56 and the chance 55.
TEST_F(PassPlayTest, TheDrawThrowsToThePrimaryUpToHisChance) {
    const struct {
        int nCall, nSpot;
        float fRating;
        int nDraw, bPrimary;
    } kCases[] = {
        {PRO_852, PRIMARY_SPOT, 70, 0, 1},
        {PRO_852, PRIMARY_SPOT, 70, 25, 1},
        {PRO_852, PRIMARY_SPOT, 70, 26, 0},
        {PRO_262_HOVER, HOVER_PRIMARY_SPOT, 88.2f, 55, 1},
        {PRO_262_HOVER, HOVER_PRIMARY_SPOT, 88.2f, 56, 0},
    };
    for (const auto& c : kCases) {
        Set_Up_Pass(FIRST_DOWN, 60);
        Call_Play(c.nCall, FOUR_THREE_CONTAIN);
        Rate_Player(TEST_HOME, pGame->aabOnField[HOME_SIDE][c.nSpot], c.fRating);
        int bPrimary = -1;
        Queue_Draws({Below(c.nDraw, 100)});
        int nTarget = Choose_Pass_Target(pGame, &bPrimary);
        EXPECT_EQ(bPrimary, c.bPrimary) << "call " << c.nCall << ", draw " << c.nDraw;
        if (c.bPrimary) {
            EXPECT_EQ(nTarget, c.nSpot - 1);
        }
    }
}

}  // namespace
