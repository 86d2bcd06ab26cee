// Runs at fixed draws: a short gain and its tackle, a lost fumble, a touchdown, a safety, the
// kneel-down, no fumble on a try, and the fumble factor.
#include <vector>

#include "engine/play_test_fixture.h"

namespace {

#define PRO_DIVE 0  // the running back behind the fullback, hole 1: a run up the middle
#define FOUR_THREE_CONTAIN 3
#define DEFENCE_TOTALS 1
#define OFFENCE_TOTALS 0
#define STAT_TACKLES 2
#define STAT_RUSHING_TDS 9
#define TEAM_STAT_FUMBLES 7
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
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_RUSHES], 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][6], 4);
    EXPECT_EQ(Totals(TEST_VISITOR, DEFENCE_TOTALS, STAT_TACKLES), nTackles + 1);
    EXPECT_EQ(pGame->nPossession, TEST_HOME);
}

// Ball security: the defence's fumble-forcing strength is 1 at ratings of 70 and 1/3 at 20, half of
// it is the unit value; Hands are floored and read at most 100; the footing divides 110.
TEST_F(RunPlayTest, FumbleFactorByHandsStrengthAndFooting) {
    struct Case {
        float fDefence;
        float fHands;
        int nRain;
        int nDegrees;
        int nFactor;
    } cases[] = {
        {70.0f, 70.0f, -1, 0, 54},    // indoors: 1.025
        {70.0f, 45.0f, -1, 0, 63},    // looser hands
        {70.0f, 99.7f, -1, 0, 35},    // read as 99
        {70.0f, 100.0f, -1, 0, 33},   // the surest hands
        {70.0f, 110.0f, -1, 0, 33},   // read as 100
        {20.0f, 70.0f, -1, 0, 18},    // strength 1/3
        {70.0f, 70.0f, 100, 30, 57},  // weather kind 1: 0.975
        {70.0f, 70.0f, 100, 50, 55},  // weather kind 2: 1.0
        {70.0f, 70.0f, 120, 70, 58},  // weather kind 3: 0.95
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fDefence << " " << c.fHands << " " << c.nRain);
        Set_Situation(FIRST_DOWN, 10, 60, 0, 0, 0);
        Call_Play(PRO_DIVE, FOUR_THREE_CONTAIN);
        Rate_Side(VISITOR_SIDE, c.fDefence);
        int nCarrier = pGame->aabOnField[HOME_SIDE][1];
        Set_Player_Rating(TEST_HOME, nCarrier, c.fHands, RATING_HANDS);
        pGame->anInfo[GAME_INFO_WIND_SPEED] = c.nRain < 0 ? -1 : 0;
        pGame->anInfo[GAME_INFO_PRECIPITATION] = c.nRain;
        pGame->anInfo[GAME_INFO_TEMPERATURE] = c.nDegrees;
        EXPECT_EQ(Get_Fumble_Factor(pGame, nCarrier), c.nFactor);
    }
}

// The fumble draw comes first; 5 yards before the fumble, a return of nothing.
TEST_F(RunPlayTest, ALostFumbleGivesTheBallAway) {
    Run(PRO_DIVE, SECOND_DOWN, 60, {0.0, Below(5, 10), Below(5, 10), 0.5, 0.5, 0.5, 0.0, 0.0, 0.0});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_FUMBLE_RECOVERED);
    EXPECT_EQ(pGame->nPossession, TEST_VISITOR);
    EXPECT_EQ(pGame->nYardLine, 40);
    EXPECT_EQ(pGame->nPlayYards, -5);  // the ball stays where the carrier lost it
    EXPECT_EQ(pGame->nFlags & GAME_FLAG_POSSESSION_CHANGED, GAME_FLAG_TURNOVER);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_TURNOVERS], 1);
    EXPECT_EQ(pGame->aabTeamStats[HOME_SIDE][TEAM_STAT_FUMBLES_LOST], 1);
    EXPECT_EQ(pGame->currentPlay.nPlayer2, Carrier_Id());
}

// A scramble draws its run kind first, even on a rollout or option call whose kind is fixed: the
// third draw, not the second, decides the fumble.
TEST_F(RunPlayTest, AScrambleOnARolloutStillDrawsItsRunKind) {
    int nRollout = -1;
    for (int nCall = 0; nCall < TEAM_OFFENSIVE_PLAY_COUNT && nRollout < 0; nCall++)
        if (Is_Rollout_Or_Option_Play(TEST_HOME, nCall))
            nRollout = nCall;
    ASSERT_GE(nRollout, 0);
    Set_Situation(SECOND_DOWN, 10, 60, 0, 0, 0);
    Call_Play(nRollout, FOUR_THREE_CONTAIN);
    Rate_Side(VISITOR_SIDE, 70.0f);
    Rate_Side(HOME_SIDE, 70.0f);
    Queue_Draws({0.0, HIGH, 0.0, Below(5, 10), Below(5, 10), 0.5, 0.5, 0.5, 0.0, 0.0, 0.0});
    Resolve_Run_Play(pGame, 1);
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_FUMBLE_RECOVERED);
}

// A fumble the offence keeps is the carrier's fumble statistic, not a turnover; seeds are run
// until one comes up.
TEST_F(RunPlayTest, AFumbleTheOffenceKeepsIsTheCarriers) {
    int nKept = 0;
    for (uint32_t uSeed = 1; uSeed < 20000 && nKept == 0; uSeed++) {
        pGame->nPossession = TEST_HOME;
        Set_Situation(FIRST_DOWN, 10, 60, 0, 0, 0);
        Call_Play(PRO_DIVE, FOUR_THREE_CONTAIN);
        int nCarrier = pGame->aabOnField[HOME_SIDE][1];
        int nFumbles = Get_Player_Stat(TEST_HOME, nCarrier, SEASON_CURRENT, OFF_FUMBLES_LOST);
        int nTeamFumbles = pGame->aabTeamStats[HOME_SIDE][TEAM_STAT_FUMBLES];
        int nTurnovers = pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_TURNOVERS];
        Seed_Random(uSeed);
        Run_Scrimmage_Play(pGame);
        if (pGame->nPossession != TEST_HOME ||
            pGame->aabTeamStats[HOME_SIDE][TEAM_STAT_FUMBLES] == nTeamFumbles)
            continue;
        nKept++;
        EXPECT_EQ(Get_Player_Stat(TEST_HOME, nCarrier, SEASON_CURRENT, OFF_FUMBLES_LOST),
                  nFumbles + 1);
        EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_TURNOVERS], nTurnovers);
    }
    EXPECT_EQ(nKept, 1);
}

TEST_F(RunPlayTest, HighDrawsScoreFromTheOne) {
    int nTouchdowns = Totals(TEST_HOME, OFFENCE_TOTALS, STAT_RUSHING_TDS);
    Run(PRO_DIVE, FIRST_DOWN, 1, {HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH, HIGH});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_TOUCHDOWN_RUN);
    EXPECT_EQ(pGame->nPlayYards, 1);
    EXPECT_NE(pGame->nFlags & GAME_FLAG_TIMEOUT_STOP, 0);
    EXPECT_EQ(Totals(TEST_HOME, OFFENCE_TOTALS, STAT_RUSHING_TDS), nTouchdowns + 1);
}

// A 2-yard loss from the own 1: (3 + 0 - 27 - 10 + 5) / 10. The carry is the carrier's, not the
// team's game rushing total (the box score shows no run for a safety).
TEST_F(RunPlayTest, ALossBehindTheOwnGoalLineIsASafety) {
    Call_Play(PRO_DIVE, FOUR_THREE_CONTAIN);
    int nCarrier = pGame->aabOnField[HOME_SIDE][1];
    int nRushes = Get_Player_Stat(TEST_HOME, nCarrier, SEASON_CURRENT, 7);
    Run(PRO_DIVE, FIRST_DOWN, 99, {HIGH, 0.0, 0.0, 0.0, 0.0, HIGH, HIGH, HIGH});
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_SAFETY);
    EXPECT_EQ(pGame->nPlayYards, -1);
    EXPECT_EQ(Get_Player_Stat(TEST_HOME, nCarrier, SEASON_CURRENT, 7), nRushes + 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_RUSHES], 0);
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
