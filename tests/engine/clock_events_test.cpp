// The clock after a play at the period edges (two-minute warning, quarter and half ends) and the
// timeouts the computer calls.
#include "engine/game_test_fixture.h"

namespace {

struct CLOCK_EDGE_CASE {
    const char* szName;
    int nClockAfterPlay, nPlaySeconds, nFormation, nWindAngle;
    int nClock, bStopped, nPossessionTaken, nWindAngleAfter;
};

TEST_F(GameTest, ClockStopsAtTheTwoMinuteWarningAndQuarterEnds) {
    const CLOCK_EDGE_CASE kCases[] = {
        {"2:05 left, 7-second play", 1682, 7, FORMATION_PRO_SET, 90, 1680, 1, 2, 90},
        {"fourth quarter warning", 3485, 10, FORMATION_PRO_SET, 90, 3480, 1, 5, 90},
        {"ends at exactly 2:00", 1680, 7, FORMATION_PRO_SET, 90, 1680, 1, 0, 90},
        {"starts at exactly 2:00", 1687, 7, FORMATION_PRO_SET, 90, 1687, 0, 0, 90},
        {"already inside two minutes", 1700, 10, FORMATION_PRO_SET, 90, 1700, 0, 0, 90},
        {"end of first quarter", 905, 12, FORMATION_PRO_SET, 90, 900, 1, 5, 270},
        {"end of third quarter indoors", 2710, 30, FORMATION_PRO_SET, -1, 2700, 1, 10, -1},
        {"quarter ends on an extra point", 903, 5, FORMATION_EXTRA_POINT, 90, 900, 1, 3, 90},
        {"inside the quarter", 500, 30, FORMATION_PRO_SET, 90, 500, 0, 0, 90},
    };
    for (const CLOCK_EDGE_CASE& c : kCases) {
        SCOPED_TRACE(c.szName);
        Reset_Game();
        Set_Down(SECOND_DOWN);
        pGame->nClock = (int16_t)c.nClockAfterPlay;
        pGame->nPlaySeconds = (int8_t)c.nPlaySeconds;
        pGame->anFormations[HOME_SIDE] = c.nFormation;
        pGame->anInfo[GAME_INFO_WIND_ANGLE] = (int16_t)c.nWindAngle;
        pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_POSSESSION_SECONDS] = 100;
        Update_Game_Clock(pGame);
        EXPECT_EQ(pGame->nClock, c.nClock);
        EXPECT_EQ((pGame->nFlags & GAME_FLAG_TIMEOUT_STOP) != 0, c.bStopped);
        EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_POSSESSION_SECONDS],
                  100 - c.nPossessionTaken);
        EXPECT_EQ(pGame->anInfo[GAME_INFO_WIND_ANGLE], c.nWindAngleAfter);
    }
}

TEST_F(GameTest, APlayPastTheHalfOpensTheSecondHalfWithAKickoff) {
    Set_Down(THIRD_DOWN);
    pGame->nClock = 1805;
    pGame->nPlaySeconds = 20;
    pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_POSSESSION_SECONDS] = 100;
    Update_Game_Clock(pGame);
    EXPECT_EQ(pGame->nClock, 1800);
    EXPECT_EQ(pGame->aanTeamTotals[HOME_SIDE][GAME_TOTAL_POSSESSION_SECONDS], 95);
    EXPECT_EQ(Down(), KICKOFF);
}

struct TIMEOUT_CASE {
    const char* szName;
    int nClock, nOffenceScore, nDefenceScore, nFlags;
    int nOffenceTimeoutsAfter, nDefenceTimeoutsAfter, bCalled;
};

// The home team has the ball; both sides start with three timeouts.
TEST_F(GameTest, TimeoutsAtThePeriodEdges) {
    const TIMEOUT_CASE kCases[] = {
        {"trailing offence, 1:59 left in the half", 1681, 0, 7, 0, 2, 3, 1},
        {"trailing offence, 2:01 left in the half", 1679, 0, 7, 0, 3, 3, 0},
        {"leading offence in the fourth: the defence calls", 3481, 7, 0, 0, 3, 2, 1},
        {"a leading offence still calls in the first half", 1750, 7, 0, 0, 2, 3, 1},
        {"clock already stopped", 1750, 0, 7, GAME_FLAG_TIMEOUT_STOP, 3, 3, 0},
        {"level in the fourth, 1:59 left", 3481, 0, 0, 0, 2, 3, 1},
    };
    for (const TIMEOUT_CASE& c : kCases) {
        SCOPED_TRACE(c.szName);
        Reset_Game();
        pGame->anTimeouts[VISITOR_SIDE] = pGame->anTimeouts[HOME_SIDE] = 3;
        pGame->nClock = (int16_t)c.nClock;
        pGame->nFlags = c.nFlags;
        pGame->anScores[HOME_SIDE] = c.nOffenceScore;
        pGame->anScores[VISITOR_SIDE] = c.nDefenceScore;
        EXPECT_EQ(Check_For_Timeout(pGame), c.bCalled);
        EXPECT_EQ(pGame->anTimeouts[HOME_SIDE], c.nOffenceTimeoutsAfter);
        EXPECT_EQ(pGame->anTimeouts[VISITOR_SIDE], c.nDefenceTimeoutsAfter);
    }
    // A called timeout stops the clock before the snap.
    Reset_Game();
    pGame->anTimeouts[HOME_SIDE] = 3;
    pGame->nClock = 1700;
    Set_Play_Runoff(pGame);
    EXPECT_EQ(pGame->nPlaySeconds, 0);
}

TEST_F(GameTest, OutOfBoundsStopsTheClockLateInTheFourthQuarter) {
    pGame->nClock = 3600 - 299;
    Set_Out_Of_Bounds(pGame);
    EXPECT_NE(pGame->nFlags & GAME_FLAG_TIMEOUT_STOP, 0);
    Reset_Game();
    pGame->nClock = 3600 - 301;
    Set_Out_Of_Bounds(pGame);
    EXPECT_EQ(pGame->nFlags & GAME_FLAG_TIMEOUT_STOP, 0);
    Set_Play_Runoff(pGame);
    EXPECT_EQ(pGame->nPlaySeconds, 14);
}

}  // namespace
