// Runs at fixed draws: a short gain and its tackle, a lost fumble, a touchdown, a safety, the
// kneel-down, and no fumble on a try.
#include <vector>

#include "engine/play_test_fixture.h"

namespace {

#define PRO_DIVE 0  // the running back behind the fullback, hole 1: a run up the middle
#define FOUR_THREE_CONTAIN 3
#define DEFENCE_TOTALS 1
#define OFFENCE_TOTALS 0
#define STAT_TACKLES 2
#define STAT_RUSHING_TDS 9
#define TOTAL_TURNOVERS 10
#define TEAM_STAT_FUMBLES_LOST 8
#define HIGH 0.9999

class RunPlayTest : public PlayTest {
protected:
    void Run(int nCall, int nDown, int nYardLine, std::initializer_list<double> draws) {
        Set_Situation(nDown, 10, nYardLine, 0, 0, 0);
        Call_Play(nCall, FOUR_THREE_CONTAIN);
        Rate_Side(VISITOR_SIDE, 70.0f);
        Rate_Side(HOME_SIDE, 70.0f);
        Queue_Draws(draws);
        Run_Scrimmage_Play(pGame);
    }

    int Totals(int nTeam, int nCategory, int nStat) {
        return Get_Team_Totals_Stat(nTeam, nCategory, SEASON_CURRENT, nStat);
    }

    int Carrier_Id() {
        return Get_Player_ID(TEST_HOME, pGame->aabOnField[HOME_SIDE][1]);
    }
};

// Against league-mean ratings, with the dive meeting the 4-3 contain at the floor of the
// run-defence multiplier, the run gains 4 yards in 6 + 2 seconds.
TEST_F(RunPlayTest, AShortGainIsTackledByOneDefender) {
    int nTackles = Totals(TEST_VISITOR, DEFENCE_TOTALS, STAT_TACKLES);
    Run(PRO_DIVE, FIRST_DOWN, 60, {HIGH});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_PLAIN_RUN);
    EXPECT_EQ(pGame->nPlayYards, 4);
    EXPECT_EQ(pGame->currentPlay.nYard1, 4);
    EXPECT_EQ(pGame->nPlaySeconds, 8);
    EXPECT_EQ(pGame->currentPlay.nPlayer1, Carrier_Id());
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][5], 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][6], 4);
    EXPECT_EQ(Totals(TEST_VISITOR, DEFENCE_TOTALS, STAT_TACKLES), nTackles + 1);
    EXPECT_EQ(pGame->nPossession, TEST_HOME);
}

// The fumble draw comes first; 5 yards before the fumble, a return of nothing.
TEST_F(RunPlayTest, ALostFumbleGivesTheBallAway) {
    Run(PRO_DIVE, SECOND_DOWN, 60, {0.0, Below(5, 10), Below(5, 10), 0.5, 0.5, 0.5, 0.0, 0.0, 0.0});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_FUMBLE_RECOVERED);
    EXPECT_EQ(pGame->nPossession, TEST_VISITOR);
    EXPECT_EQ(pGame->nYardLine, 40);
    EXPECT_EQ(pGame->nPlayYards, -5);  // the ball stays where the carrier lost it
    EXPECT_EQ(pGame->nFlags & GAME_FLAG_POSSESSION_CHANGED, GAME_FLAG_TURNOVER);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][TOTAL_TURNOVERS], 1);
    EXPECT_EQ(pGame->aabTeamStats[HOME_SIDE][TEAM_STAT_FUMBLES_LOST], 1);
    EXPECT_EQ(pGame->currentPlay.nPlayer2, Carrier_Id());
}

TEST_F(RunPlayTest, HighDrawsScoreFromTheOne) {
    int nTouchdowns = Totals(TEST_HOME, OFFENCE_TOTALS, STAT_RUSHING_TDS);
    Run(PRO_DIVE, FIRST_DOWN, 1, {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_TOUCHDOWN_RUN);
    EXPECT_EQ(pGame->nPlayYards, 1);
    EXPECT_NE(pGame->nFlags & GAME_FLAG_TIMEOUT_STOP, 0);
    EXPECT_EQ(Totals(TEST_HOME, OFFENCE_TOTALS, STAT_RUSHING_TDS), nTouchdowns + 1);
}

// A 2-yard loss from the own 1: (3 + 0 - 27 - 10 + 5) / 10.
TEST_F(RunPlayTest, ALossBehindTheOwnGoalLineIsASafety) {
    Run(PRO_DIVE, FIRST_DOWN, 99, {HIGH, 0.0, 0.0, 0.0, 0.0, HIGH, HIGH, HIGH});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_SAFETY);
    EXPECT_EQ(pGame->nPlayYards, -1);
}

TEST_F(RunPlayTest, AKneelDownLosesAYardOrIsASafetyFromTheOne) {
    Run(KNEEL_DOWN_PLAY, SECOND_DOWN, 50, {Below(2, 3)});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_PLAIN_RUN);
    EXPECT_EQ(pGame->nPlayYards, -1);
    EXPECT_EQ(pGame->nPlaySeconds, 9);

    Run(KNEEL_DOWN_PLAY, SECOND_DOWN, 99, {});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_SAFETY);
    EXPECT_EQ(pGame->nPlayYards, -1);
}

TEST_F(RunPlayTest, NoFumbleIsLostOnATry) {
    Run(PRO_DIVE, CONVERSION_ATTEMPT, 2, {0.0, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_TWO_POINT_GOOD);
    EXPECT_EQ(pGame->nPossession, TEST_HOME);
}

}  // namespace
