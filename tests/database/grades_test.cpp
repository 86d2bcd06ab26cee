// Derived player grades: the scouting step and the clamp, the kicking grades of other positions,
// the projected peak, the games-per-season write-back, and the summaries of non-returners.
#include "player_test_fixture.h"

namespace {

class GradesTest : public PlayerTest {
protected:
    void SetUp() override {
        PlayerTest::SetUp();
        gCommissionerMode = 1;  // no scouting error: a grade reads as computed
        Put_Player(0, 0, 101, POS_QB);
        Put_Player(0, 1, 102, POS_K);
        Put_Player(0, 2, 103, POS_LB);
        Set_Age(0, 28);
        Set_Age(1, 28);
        Set_Age(2, 28);
    }

    static void Set_Age(int nSlot, int nAge) {
        Set_Player_Vital_Stat(0, nSlot, VITAL_BIRTH_DATE, (kYear - nAge) * 10000 + 101);
    }

    static int Grade(int nSlot, int nStat, int nSeason = SEASON_CURRENT) {
        return Get_Player_Stat(0, nSlot, nSeason, nStat);
    }
};

TEST_F(GradesTest, EveryGradeIsClampedToTheScale) {
    EXPECT_EQ(Grade(0, 214), 20);
    EXPECT_EQ(Grade(0, 224), 20);
    Set_Player_Stat(0, 2, SEASON_CURRENT, 0, 10);
    Set_Player_Stat(0, 2, SEASON_CURRENT, 1, 5);
    EXPECT_EQ(Grade(2, 208), 70);  // fewer than 21 games and starts
    Set_Player_Stat(0, 2, SEASON_CURRENT, 0, 16);
    EXPECT_EQ(Grade(2, 208), 2 * 21 + 30);
    Set_Player_Stat(0, 2, SEASON_CURRENT, 0, 40);
    EXPECT_EQ(Grade(2, 208), 99);
    for (int nStat = 200; nStat <= 233; nStat++) {
        for (int nSlot = 0; nSlot < 3; nSlot++) {
            int nValue = Grade(nSlot, nStat, SEASON_PREDICTED);
            EXPECT_GE(nValue, 20) << nStat << " slot " << nSlot;
            EXPECT_LE(nValue, 99) << nStat << " slot " << nSlot;
        }
    }
}

// A defender without games or starts would divide by zero: the term is 0 and the grade 20.
TEST_F(GradesTest, DefenderWithoutGamesHasTheLowestBallSecurity) {
    EXPECT_EQ(Grade(2, 207), 20);
}

TEST_F(GradesTest, KickingGradesOfOtherPositionsAreTwentyAndNotCached) {
    Enable_Derived_Stat_Cache();
    for (int nStat = 220; nStat <= 223; nStat++) {
        EXPECT_EQ(Grade(0, nStat, SEASON_PREDICTED), 20) << nStat;
        EXPECT_EQ(gDerivedStatCache2[0][0][nStat - FIRST_GRADE_STAT], 0) << nStat;
    }
    EXPECT_EQ(Grade(1, 223, SEASON_PREDICTED), 40);  // a kicker without kicks: 60 / 2 + 10
    EXPECT_NE(gDerivedStatCache2[0][1][223 - FIRST_GRADE_STAT], 0);
    Disable_Derived_Stat_Cache();
}

TEST_F(GradesTest, PeakOfAnOlderPlayerIsHisPredictedOverall) {
    EXPECT_EQ(Grade(0, 226), Grade(0, 225, SEASON_PREDICTED));
}

TEST_F(GradesTest, GamesPerSeasonAbove17IsWrittenBack) {
    Set_Universe_Stat(UNIVERSE_SEASON_GAMES, 18);
    Grade(0, 233);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_SEASON_GAMES), 17);
}

TEST_F(GradesTest, ReturnSummariesOfAQuarterbackAreZero) {
    Set_Player_Stat(0, 0, SEASON_CURRENT, 15, 20);
    Set_Player_Stat(0, 0, SEASON_CURRENT, 18, 20);
    for (int nStat = 300; nStat <= 303; nStat++)
        EXPECT_EQ(Grade(0, nStat), 0) << nStat;
}

TEST_F(GradesTest, CompressionHalvesTheDistanceBeyondTheMiddle) {
    EXPECT_FLOAT_EQ(Compress_Rating_Scale(100.0f), 95.0f);
    EXPECT_FLOAT_EQ(Compress_Rating_Scale(80.0f), 80.0f);
    EXPECT_FLOAT_EQ(Compress_Rating_Scale(50.0f), 60.0f);
}

}  // namespace
