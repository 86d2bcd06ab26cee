// Kicks at fixed draws: field goals by distance band with the miss spot, the kicked try, punts with
// a return, a coffin corner and a touchback, kickoffs with a return and a touchback, and the
// return breakaway, and who recovers an onside kick.
#include "engine/play_test_fixture.h"

namespace {

#define NORMAL_KICKOFF 0
#define ONSIDE_KICKOFF 2
#define FIELD_GOAL_CALL HARD_CODED_FIELD_GOAL_PLAY
#define PUNT_CALL HARD_CODED_PUNT_PLAY
#define FOUR_THREE_CONTAIN 3
#define HIGH 0.9999
#define STAT_LONGEST_FIELD_GOAL 18

class KickPlayTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        gUniverseStats[UNIVERSE_FIRST_YEAR] = 2016;
        gSeasonNumber = 0;
        gKickoffLocation = 1;
        gKickoffTouchbackLine = 0;
        gMissedFieldGoalSpot = 0;
        gExtraPointLine = 0;
    }

    void Line_Up(int nDown, int nCall, int nYardLine) {
        Set_Situation(nDown, 10, nYardLine, 0, 0, 0);
        pGame->nPossession = TEST_HOME;
        pGame->nPlaySeconds = 0;
        Call_Play(nCall, FOUR_THREE_CONTAIN);
        Rate_Side(VISITOR_SIDE, 70.0f);
        Rate_Side(HOME_SIDE, 70.0f);
    }

    int Spot_Id(int bSide, int nSpot) {
        return Get_Player_ID(pGame->anTeams[bSide], pGame->aabOnField[bSide][nSpot]);
    }

    int Kicker_Stat(int nStat) {
        return Get_Player_Stat(TEST_HOME, pGame->aabOnField[HOME_SIDE][1], SEASON_CURRENT, nStat);
    }
};

// A kicker rated 70 has range 53; indoors in 2016 the era factor is 1. Chances: 30 yards 0.9655,
// 50 yards 0.7415, 57 yards (beyond range) 0.3.
TEST_F(KickPlayTest, FieldGoalsByDistanceBand) {
    struct Case {
        int nYardLine;
        double u;
        bool bMade;
        int nBandStat;
    } cases[] = {
        {13, 0.96, true, 12},  {13, 0.97, false, 12}, {33, 0.74, true, 16},
        {33, 0.75, false, 16}, {40, 0.29, true, 16},  {40, 0.31, false, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nYardLine);
        Line_Up(FOURTH_DOWN, FIELD_GOAL_CALL, c.nYardLine);
        int nTried = Kicker_Stat(c.nBandStat);
        int nMade = Kicker_Stat(c.nBandStat + 1);
        Queue_Draws({0.0, c.u});
        Kick_Field_Goal(pGame);
        EXPECT_EQ(pGame->nPlaySeconds, 5);
        EXPECT_EQ(pGame->currentPlay.nYard1, c.nYardLine + 17);
        EXPECT_EQ(pGame->currentPlay.nPlayer1, Spot_Id(HOME_SIDE, 1));
        EXPECT_EQ(Kicker_Stat(c.nBandStat), nTried + 1);
        EXPECT_EQ(Kicker_Stat(c.nBandStat + 1), nMade + (c.bMade ? 1 : 0));
        EXPECT_EQ(pGame->anScores[HOME_SIDE], c.bMade ? 3 : 0);
        EXPECT_EQ(Get_Play_Result(&pGame->currentPlay),
                  c.bMade ? RESULT_FIELD_GOAL_GOOD : RESULT_FIELD_GOAL_MISSED);
        EXPECT_EQ(pGame->nPossession, c.bMade ? TEST_HOME : TEST_VISITOR);
        EXPECT_EQ(pGame->nPlayYards, 0);
    }
    EXPECT_GE(Kicker_Stat(STAT_LONGEST_FIELD_GOAL), 57);
}

// After a miss the other team starts at the spot of the kick, at its 20 or at the line of
// scrimmage, never behind its 20.
TEST_F(KickPlayTest, AMissedFieldGoalGivesTheBallAtTheSetSpot) {
    struct Case {
        int nSpot;
        int nYardLine;
        int nNewLine;
    } cases[] = {{0, 40, 53}, {1, 40, 60}, {2, 40, 80}, {0, 10, 80}, {1, 10, 80}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nSpot * 100 + c.nYardLine);
        gMissedFieldGoalSpot = c.nSpot;
        Line_Up(FOURTH_DOWN, FIELD_GOAL_CALL, c.nYardLine);
        Queue_Draws({0.0, HIGH});
        Kick_Field_Goal(pGame);
        EXPECT_EQ(pGame->nYardLine, c.nNewLine);
        Advance_Down_And_Distance(pGame);
        EXPECT_EQ(pGame->nFlags & GAME_FLAG_DOWN_MASK, FIRST_DOWN);
        EXPECT_EQ(pGame->nPossession, TEST_VISITOR);
    }
}

TEST_F(KickPlayTest, DistanceByGoalPostEraAndTheLimitOfEffectiveDistance) {
    Line_Up(FOURTH_DOWN, FIELD_GOAL_CALL, 33);
    EXPECT_EQ(Get_Field_Goal_Distance(pGame), 50);
    gUniverseStats[UNIVERSE_FIRST_YEAR] = 1973;
    EXPECT_EQ(Get_Field_Goal_Distance(pGame), 40);
    gUniverseStats[UNIVERSE_FIRST_YEAR] = 2016;
    // 68 yards beyond a 20 mph headwind's reach of effective 70 never succeeds.
    Line_Up(FOURTH_DOWN, FIELD_GOAL_CALL, 51);
    pGame->anInfo[GAME_INFO_WIND_SPEED] = 20;
    pGame->anInfo[GAME_INFO_WIND_ANGLE] = 0;
    ASSERT_LT(Get_Kick_Weather_Factor(pGame), 68.0f / 70.0f);
    Queue_Draws({0.0, 0.0});
    Kick_Field_Goal(pGame);
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_FIELD_GOAL_MISSED);
}

// From the 2 a 95-rated kicker indoors makes it with 1 - 70/95 x 0.004; from the 30 a 70-rated
// one with 0.77.
TEST_F(KickPlayTest, KickedTriesByLineAndAccuracy) {
    struct Case {
        int nLineSetting;
        float fAccuracy;
        double fChance;
    } cases[] = {{0, 95.0f, 1.0 - 70.0 / 95.0 * 0.004}, {4, 70.0f, 0.77}, {9, 70.0f, 0.996}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLineSetting);
        gExtraPointLine = c.nLineSetting;
        Line_Up(CONVERSION_ATTEMPT, FIELD_GOAL_CALL, 2);
        int nKicker = pGame->aabOnField[HOME_SIDE][1];
        Set_Player_Rating(TEST_HOME, nKicker, c.fAccuracy, RATING_FG_ACCURACY);
        EXPECT_NEAR(Get_Extra_Point_Chance(pGame, TEST_HOME, nKicker), c.fChance, 1e-5);
        for (double u : {c.fChance - 0.001, c.fChance + 0.001}) {
            pGame->anScores[HOME_SIDE] = 0;
            Queue_Draws({u});
            Kick_Extra_Point(pGame);
            EXPECT_EQ(pGame->nYardLine, Get_Extra_Point_Line());
            bool bGood = u < c.fChance;
            EXPECT_EQ(Get_Play_Result(&pGame->currentPlay),
                      bGood ? RESULT_EXTRA_POINT_GOOD : RESULT_EXTRA_POINT_MISSED);
            EXPECT_EQ(pGame->anScores[HOME_SIDE], bGood ? 1 : 0);
        }
    }
}

// Middle spreads: a punt of n yards from the 60, no fair catch, a short return and its tackle.
TEST_F(KickPlayTest, APuntIsReturnedAndTackled) {
    Line_Up(FOURTH_DOWN, PUNT_CALL, 60);
    Queue_Draws({0.5, 0.5, HIGH, 0.9, 0.5, 0.5, HIGH, 0.0, 0.5});
    Punt(pGame);
    int n = pGame->currentPlay.nYard1;
    int nReturn = pGame->nPlayYards;
    EXPECT_GT(n, 40);
    EXPECT_LT(n, 50);
    EXPECT_GT(nReturn, 0);
    EXPECT_EQ(pGame->currentPlay.nYard2, nReturn);
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_PUNT_RETURNED);
    EXPECT_EQ(pGame->nPossession, TEST_VISITOR);
    EXPECT_EQ(pGame->nYardLine, 100 - (60 - n));
    EXPECT_EQ(pGame->currentPlay.nPlayer1, Spot_Id(VISITOR_SIDE, 0));
    EXPECT_EQ(pGame->currentPlay.nPlayer2, Spot_Id(HOME_SIDE, 0));
    EXPECT_EQ(pGame->aabTeamStats[HOME_SIDE][6], 1);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][1], n);
    EXPECT_EQ(pGame->aabTeamStats[VISITOR_SIDE][4], 1);
    EXPECT_EQ(pGame->aanTeamTotals[VISITOR_SIDE][2], nReturn);
    Advance_Down_And_Distance(pGame);
    EXPECT_EQ(pGame->nYardLine, 100 - (60 - n) - nReturn);
    EXPECT_EQ(pGame->nFlags & GAME_FLAG_DOWN_MASK, FIRST_DOWN);
}

// A long roll from the 35: an accurate punter downs it inside the 10 (never fair-caught there);
// an inaccurate one kicks it into the end zone.
TEST_F(KickPlayTest, APuntThatWouldReachTheEndZone) {
    Line_Up(FOURTH_DOWN, PUNT_CALL, 35);
    Set_Player_Rating(TEST_HOME, pGame->aabOnField[HOME_SIDE][0], 95.0f, RATING_PUNT_ACCURACY);
    Queue_Draws({0.5, 0.5, 0.0, HIGH, 0.5, Below(4, 9), 0.0, 0.5, 0.5, HIGH});
    Punt(pGame);
    EXPECT_EQ(pGame->currentPlay.nYard1, 30);
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_PUNT_RETURNED);
    EXPECT_GT(pGame->nPlayYards, 0);  // the fair-catch draw of 0 still brings a return

    Line_Up(FOURTH_DOWN, PUNT_CALL, 35);
    Set_Player_Rating(TEST_HOME, pGame->aabOnField[HOME_SIDE][0], 20.0f, RATING_PUNT_ACCURACY);
    Queue_Draws({0.5, 0.5, 0.0, HIGH, 0.5});
    Punt(pGame);
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_PUNT_TOUCHBACK);
    EXPECT_EQ(pGame->currentPlay.nYard1, 35);
    EXPECT_EQ(pGame->nYardLine, 80);  // the receiving team's own 20
    EXPECT_EQ(pGame->nPossession, TEST_VISITOR);
    EXPECT_NE(pGame->nFlags & GAME_FLAG_TIMEOUT_STOP, 0);
}

// From the 35 a kick of 66 yards or more is a touchback at the 25 or the 20 by the setting.
TEST_F(KickPlayTest, KickoffTouchbacks) {
    for (int nLineSetting : {0, 1}) {
        gKickoffTouchbackLine = nLineSetting;
        Line_Up(KICKOFF, NORMAL_KICKOFF, Get_Kickoff_Yard_Line());
        Queue_Draws({Below(8, 15), Below(8, 15), 0.0});
        Kick_Off(pGame);
        EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_KICKOFF_TOUCHBACK);
        EXPECT_EQ(pGame->nYardLine, nLineSetting == 1 ? 75 : 80);
        EXPECT_EQ(pGame->nPlayYards, 0);
        EXPECT_EQ(pGame->nPossession, TEST_VISITOR);
        EXPECT_EQ(pGame->nPlaySeconds, 5);
    }
}

// A 50-yard kick to the 15; rated 70, the returner brings it back floor(15.28) = 15 yards.
TEST_F(KickPlayTest, AKickoffIsReturnedAndTackled) {
    Line_Up(KICKOFF, NORMAL_KICKOFF, Get_Kickoff_Yard_Line());
    Queue_Draws({0.0, 0.0, 0.5, 0.5, HIGH, 0.5, 0.0});
    Kick_Off(pGame);
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_KICKOFF_RETURNED);
    EXPECT_EQ(pGame->nPossession, TEST_VISITOR);
    EXPECT_EQ(pGame->nYardLine, 85);
    EXPECT_EQ(pGame->nPlayYards, 15);
    EXPECT_EQ(pGame->currentPlay.nYard1, 15);
    EXPECT_EQ(pGame->currentPlay.nYard2, 70);
    EXPECT_EQ(pGame->nPlaySeconds, 15 / 7 + 7);
    EXPECT_EQ(pGame->currentPlay.nPlayer1, Spot_Id(VISITOR_SIDE, 0));
    EXPECT_EQ(pGame->aabTeamStats[VISITOR_SIDE][5], 1);
    EXPECT_EQ(pGame->aanTeamTotals[VISITOR_SIDE][3], 15);
    Advance_Down_And_Distance(pGame);
    EXPECT_EQ(pGame->nYardLine, 70);
    EXPECT_EQ(pGame->nFlags & GAME_FLAG_DOWN_MASK, FIRST_DOWN);
}

// A kick of 10 + 3 + 4 yards from the 35 to the 48; three draws in four give the ball to the
// receiving team, which starts at its own 52. The recovering player comes from a fresh draw.
TEST_F(KickPlayTest, OnsideKickRecoveries) {
    struct Case {
        std::initializer_list<double> draws;
        bool bReceivingTeam;
    } cases[] = {
        // The kick, the recovery, the player named, the narration (receiving team only), the
        // recovering player and the seconds.
        {{Below(3, 8), Below(4, 8), Below(1, 4), 0.5, 0.5, Below(4, 11), Below(2, 4)}, true},
        {{Below(3, 8), Below(4, 8), Below(3, 4), 0.5, 0.0, Below(4, 11), Below(2, 4)}, true},
        {{Below(3, 8), Below(4, 8), Below(0, 4), 0.5, Below(4, 11), Below(2, 4)}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draws.begin()[2]);  // the recovery draw
        Line_Up(KICKOFF, ONSIDE_KICKOFF, Get_Kickoff_Yard_Line());
        Queue_Draws(c.draws);
        Onside_Kick(pGame);
        int bSide = c.bReceivingTeam ? VISITOR_SIDE : HOME_SIDE;
        EXPECT_EQ(Get_Play_Result(&pGame->currentPlay),
                  c.bReceivingTeam ? RESULT_ONSIDE_RECEIVING_TEAM : RESULT_ONSIDE_KICKING_TEAM);
        EXPECT_EQ(pGame->nPossession, pGame->anTeams[bSide]);
        EXPECT_EQ(pGame->nYardLine, c.bReceivingTeam ? 52 : 48);
        EXPECT_EQ(pGame->currentPlay.nYard2, pGame->nYardLine);
        EXPECT_EQ(pGame->currentPlay.nPlayer1, Spot_Id(bSide, 4));
        EXPECT_EQ(pGame->currentPlay.nYard1, 0);
        EXPECT_EQ(pGame->nPlayYards, 0);
        EXPECT_EQ(pGame->nPlaySeconds, 9);
        EXPECT_NE(pGame->nFlags & GAME_FLAG_TIMEOUT_STOP, 0);
        Advance_Down_And_Distance(pGame);
        EXPECT_EQ(pGame->nFlags & GAME_FLAG_DOWN_MASK, FIRST_DOWN);
        EXPECT_EQ(pGame->nYardLine, c.bReceivingTeam ? 52 : 48);
        EXPECT_EQ(pGame->nPossession, pGame->anTeams[bSide]);
    }
}

// With no defender on the kicking unit every spot weighs the same; the redraw while the kicker
// comes up ends after a bounded number of draws.
TEST_F(KickPlayTest, TheKickoffTacklerRedrawEnds) {
    Line_Up(KICKOFF, NORMAL_KICKOFF, Get_Kickoff_Yard_Line());
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++)
        Set_Player_Vital_Stat(TEST_HOME, pGame->aabOnField[HOME_SIDE][nSpot], VITAL_POSITION,
                              POS_K);
    Queue_Draws({0.0, 0.0, 0.5, 0.5, HIGH, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                 0.0, 0.0, 0.0, 0.0, 0.0,  0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    Kick_Off(pGame);
    EXPECT_EQ(Get_Play_Result(&pGame->currentPlay), RESULT_KICKOFF_RETURNED);
    EXPECT_LT(gMtIndex, 5 + 20);
}

// The breakaway draw of 0 sends a fast returner all the way; at Speed 59 never.
TEST_F(KickPlayTest, OnlyAFastReturnerBreaksAway) {
    Line_Up(KICKOFF, NORMAL_KICKOFF, Get_Kickoff_Yard_Line());
    int nReturner = pGame->aabOnField[VISITOR_SIDE][0];
    for (float fSpeed : {59.0f, 60.0f}) {
        Set_Player_Rating(TEST_VISITOR, nReturner, fSpeed, RATING_SPEED);
        Queue_Draws({0.5, 0.5, 0.0});
        int nKick = Get_Kick_Return_Yards(TEST_VISITOR, nReturner, 0);
        Queue_Draws({0.5, 0.5, 0.0});
        int nPunt = Get_Punt_Return_Yards(TEST_VISITOR, nReturner, 45);
        EXPECT_EQ(nKick == KICK_RETURN_ALL_THE_WAY, fSpeed >= 60.0f);
        EXPECT_EQ(nPunt == KICK_RETURN_ALL_THE_WAY, fSpeed >= 60.0f);
    }
}

}  // namespace
