// The player an event credits: the frequency estimates of a defender and a lineman, and the
// weighted choice of a sacker over a fixed sequence of draws.
#include "engine/play_test_fixture.h"

namespace {

#define PRO_DIVE 0
#define PRO_852 31            // a pass
#define FOUR_THREE_CONTAIN 3  // DE DT DT DE rush, LBs zone / contain / zone, CBs man, Ss deep

class EventPlayerTest : public PlayTest {};

struct ESTIMATE_CASE {
    int nStat, nExpected;
};

TEST_F(EventPlayerTest, AMiddleLinebackerRatedSeventyEverywhere) {
    int nSlot = Get_Team_Position_Player(TEST_VISITOR, POS_LB, 0);
    Rate_Player(TEST_VISITOR, nSlot, 70.0f);
    Set_Player_Byte_Stat(TEST_VISITOR, nSlot, BYTE_EXPANDED_POSITION, ROLE_MLB);
    const ESTIMATE_CASE kCases[] = {
        {2, 57},  // round(1.3 x (30 + 0 + 7 + 7))
        {3, 15},  // (30 + 30) / 4
        {4, 9},   // 30 x 30 / 100
        {5, 58},  // 2 x (9 + 10 + 10)
        {6, 4},   // round(0.4 x 10)
        {7, 92},  // 35 x round(35 x 30 / 20) / 10, halved
        {8, 6},   // (140 + 70 + 70 - 160) / 20
    };
    for (const ESTIMATE_CASE& c : kCases)
        EXPECT_EQ(Estimate_Player_Stat_Frequency(TEST_VISITOR, nSlot, c.nStat), c.nExpected)
            << "stat " << c.nStat;
    // Pass Rush of 20 or of 40 gives no sacks.
    for (float fRush : {20.0f, 40.0f}) {
        Set_Player_Rating(TEST_VISITOR, nSlot, fRush, RATING_PASS_RUSH);
        EXPECT_EQ(Estimate_Player_Stat_Frequency(TEST_VISITOR, nSlot, 4), 0);
    }
    Clear_Errors();
    EXPECT_EQ(Estimate_Player_Stat_Frequency(TEST_VISITOR, nSlot, 12), -1);
    EXPECT_EQ(Last_Error(),
              "Unhandled stat in Estimate_Player_Stat_Frequency(TNUM nTeam, INDEX "
              "nPlayer, int nStat)");
}

TEST_F(EventPlayerTest, AnOffensiveLinemanByHisBlockingAndDiscipline) {
    int nSlot = Get_Team_Position_Player(TEST_HOME, POS_G, 0);
    Set_Player_Rating(TEST_HOME, nSlot, 80.0f, RATING_PASS_BLOCKING);
    Set_Player_Rating(TEST_HOME, nSlot, 110.0f, RATING_DISCIPLINE);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(TEST_HOME, nSlot, 4), 25);
    EXPECT_EQ(Estimate_Player_Stat_Frequency(TEST_HOME, nSlot, 10), 1);
}

// Sack weights of the 4-3 Contain at 70 everywhere: the ends 9 x 3, the tackles int(1.5 x 9) x 3,
// the contain linebacker 10 x 9; zone and man defenders none. Running sums 27, 66, 105, 132, 222.
TEST_F(EventPlayerTest, ASackerIsDrawnByWeightAndNeverFromCoverage) {
    Call_Play(PRO_852, FOUR_THREE_CONTAIN);
    Rate_Side(VISITOR_SIDE, 70.0f);
    const struct {
        double u;
        int nSpot;
    } kDraws[] = {{0.1, 0}, {0.25, 1}, {0.45, 2}, {0.55, 3}, {0.6, 5}, {0.999, 5}};
    for (const auto& d : kDraws) {
        Queue_Draws({d.u});
        EXPECT_EQ(Choose_Game_Event_Player(pGame, GROUP_DEFENCE, 4, 0),
                  pGame->aabOnField[VISITOR_SIDE][d.nSpot])
            << d.u;
    }
}

// Every player of the side weighs the same for an event of any player.
TEST_F(EventPlayerTest, AnyPlayerOfTheSideWithEqualWeight) {
    Call_Play(PRO_DIVE, FOUR_THREE_CONTAIN);
    for (int nSpot : {0, 4, 10}) {
        Queue_Draws({(nSpot + 0.5) / FORMATION_SPOTS});
        EXPECT_EQ(Choose_Game_Event_Player(pGame, GROUP_SKILL, EVENT_ANY_PLAYER, 0),
                  pGame->aabOnField[HOME_SIDE][nSpot]);
    }
}

}  // namespace
