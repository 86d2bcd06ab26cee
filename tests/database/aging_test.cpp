// Aging: the fraction that moves all ratings, the yearly change of growing and declining
// players, the yearly step inside the prime, the pull-back of very high ratings and the peak
// ages of the positions.
#include <math.h>

#include "personnel/new_player_test_support.h"

#define AGING_TEAM 0
#define AGING_SLOT 60

class AgingTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        Make_Player(AGING_TEAM, AGING_SLOT, POS_WR, 26, 60.0f);
    }

    static float Rating(int nRating) {
        return Stored_Rating(AGING_TEAM, AGING_SLOT, nRating);
    }
    static void Set_Rating(int nRating, float fValue) {
        Set_Player_Rating(AGING_TEAM, AGING_SLOT, fValue, nRating);
    }
    static void Set_Age(int nAge) {
        Set_Player_Vital_Stat(AGING_TEAM, AGING_SLOT, VITAL_BIRTH_DATE,
                              (Get_Season_Year() - nAge) * 10000 + 101);
    }

    // The generator's next output, taken without disturbing the caller's sequence.
    static uint32_t Peek_Random() {
        uint32_t anState[MT_STATE_WORDS];
        memcpy(anState, gMtState, sizeof anState);
        int nIndex = gMtIndex;
        uint32_t u = Random_Number();
        memcpy(gMtState, anState, sizeof anState);
        gMtIndex = nIndex;
        return u;
    }
};

TEST_F(AgingTest, NegativeWeightedFractionFollowsTheWeights) {
    Modify_Player_Ratings(AGING_TEAM, AGING_SLOT, -0.1f, 1);
    EXPECT_FLOAT_EQ(Rating(RATING_HEALTH), 48.0f);    // weight 2.0
    EXPECT_FLOAT_EQ(Rating(RATING_VISION), 58.8f);    // weight 0.2
    EXPECT_FLOAT_EQ(Rating(RATING_DISTANCE), 52.8f);  // weight 1.2
    Modify_Player_Ratings(AGING_TEAM, AGING_SLOT, -0.5f, 0);
    EXPECT_FLOAT_EQ(Rating(RATING_HEALTH), 24.0f);
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(AgingTest, PositiveFractionGrowsOwnRatingsTowardTheTop) {
    Set_Rating(RATING_RECEIVING, 70.0f);
    Modify_Player_Ratings(AGING_TEAM, AGING_SLOT, 0.1f, 0);
    EXPECT_FLOAT_EQ(Rating(RATING_RECEIVING), 77.0f);  // a receiver's own: 7 x 29 / 29
    EXPECT_FLOAT_EQ(Rating(RATING_SPEED), 60.0f + 7.0f * 39.0f / 29.0f);
    EXPECT_FLOAT_EQ(Rating(RATING_TACKLING), 67.0f);  // not his: the whole 7 points

    Make_Player(AGING_TEAM, AGING_SLOT, POS_WR, 26, 60.0f);
    Modify_Player_Ratings(AGING_TEAM, AGING_SLOT, 0.1f, 1);
    EXPECT_FLOAT_EQ(Rating(RATING_SPEED), 60.0f);  // weighted growth leaves speed alone
}

TEST_F(AgingTest, OversizedFractionIsReportedAndApplied) {
    Modify_Player_Ratings(AGING_TEAM, AGING_SLOT, -1.5f, 0);
    EXPECT_EQ(Last_Error(),
              "fAdjustment too large in Modify_Player_Ratings(0, 60, [-1.500000], FALSE)");
    EXPECT_FLOAT_EQ(Rating(RATING_HANDS), -30.0f);
}

TEST_F(AgingTest, YearlyChangeByCareerStage) {
    struct CASE {
        int nAge;
        int nGrowthRate;
        int nDeclineRate;
        int nAgingSetting;
        float fExpected;
    };
    // Prime 25..30; a receiver peaks at 29, so the decline counts from (29 + 30) / 2 = 29.5.
    const CASE kCases[] = {
        {22, 100, 100, 0, 2.0f},   {22, 150, 100, 0, 3.0f},    {27, 100, 100, 0, 0.0f},
        {30, 100, 100, 0, 0.0f},   {31, 100, 100, 0, -1.5f},   {34, 100, 100, 0, -4.5f},
        {34, 100, 200, 0, -2.25f}, {34, 100, 100, 50, -6.75f},
    };
    for (const CASE& c : kCases) {
        Set_Age(c.nAge);
        Set_Player_Vital_Stat(AGING_TEAM, AGING_SLOT, VITAL_GROWTH_RATE, c.nGrowthRate);
        Set_Player_Vital_Stat(AGING_TEAM, AGING_SLOT, VITAL_DECLINE_RATE, c.nDeclineRate);
        Set_Universe_Stat(UNIVERSE_AGING, c.nAgingSetting);
        EXPECT_FLOAT_EQ(Get_Yearly_Aging_Change(AGING_TEAM, AGING_SLOT, 0), c.fExpected) << "age " << c.nAge;
    }
    // The random part lies within +-2 points.
    Set_Age(27);
    float fChange = Get_Yearly_Aging_Change(AGING_TEAM, AGING_SLOT, 1);
    EXPECT_GT(fChange, -2.0f);
    EXPECT_LT(fChange, 2.0f);
}

TEST_F(AgingTest, AYearInsideThePrimeCostsOnlySpeed) {
    Age_Player_Ratings(AGING_TEAM, AGING_SLOT, 1);
    for (int nRating = 0; nRating < RATING_COUNT; nRating++)
        EXPECT_FLOAT_EQ(Rating(nRating), nRating == RATING_SPEED ? 58.7f : 60.0f) << nRating;

    Make_Player(AGING_TEAM, AGING_SLOT, POS_WR, 25, 60.0f);
    Age_Player_Ratings(AGING_TEAM, AGING_SLOT, 1);
    EXPECT_FLOAT_EQ(Rating(RATING_SPEED), 60.0f);  // not yet past 25
}

TEST_F(AgingTest, HighRatingsAreFoldedAndPulledBack) {
    Set_Rating(RATING_HANDS, 105.0f);
    Set_Rating(RATING_VISION, 120.0f);
    Set_Rating(RATING_POWER, 85.0f);
    Age_Player_Ratings(AGING_TEAM, AGING_SLOT, 0);
    // 105 folds to 93 and loses 100 / 400 x 8^4 / 41666.7.
    EXPECT_NEAR(Rating(RATING_HANDS), 93.0f - 0.25f * 4096.0f / 41666.7f, 1e-4);
    EXPECT_FLOAT_EQ(Rating(RATING_VISION), 120.0f);  // its fold, 78, is not above 85
    EXPECT_FLOAT_EQ(Rating(RATING_POWER), 85.0f);

    // Past 30 the loss doubles.
    Make_Player(AGING_TEAM, AGING_SLOT, POS_WR, 31, 60.0f);
    Set_Player_Vital_Stat(AGING_TEAM, AGING_SLOT, VITAL_PRIME_END, 33);
    Set_Rating(RATING_HANDS, 95.0f);
    Age_Player_Ratings(AGING_TEAM, AGING_SLOT, 0);
    EXPECT_NEAR(Rating(RATING_HANDS), 95.0f - 2.0f * 0.25f * 10000.0f / 41666.7f, 1e-4);
}

TEST_F(AgingTest, ProjectionDrawsNoRandomNumbers) {
    Set_Age(22);
    Set_Rating(RATING_RECEIVING, 92.0f);
    uint32_t uNext = Peek_Random();
    Age_Player_Ratings(AGING_TEAM, AGING_SLOT, 0);
    float fFirst = Rating(RATING_RECEIVING);
    EXPECT_EQ(Peek_Random(), uNext);

    Make_Player(AGING_TEAM, AGING_SLOT, POS_WR, 22, 60.0f);
    Set_Rating(RATING_RECEIVING, 92.0f);
    Age_Player_Ratings(AGING_TEAM, AGING_SLOT, 0);
    EXPECT_EQ(Rating(RATING_RECEIVING), fFirst);
    EXPECT_EQ(Peek_Random(), uNext);
}

TEST_F(AgingTest, PeakAgesByPositionAndQuarterbackEra) {
    struct CASE {
        int nYear;
        int nPosition;
        int nPeak;
    };
    const CASE kCases[] = {
        {2022, POS_RB, 27}, {2022, POS_G, 30},  {2022, POS_K, 35},  {2022, 20, 35},
        {1969, POS_QB, 32}, {1970, POS_QB, 33}, {1990, POS_QB, 34}, {2022, POS_QB, 35},
        {1930, POS_QB, 32}, {2022, -3, 32},
    };
    for (const CASE& c : kCases) {
        Set_Season_Year(c.nYear);
        EXPECT_EQ(Get_Position_Peak_Age(c.nPosition), c.nPeak)
            << c.nYear << " position " << c.nPosition;
    }
    EXPECT_FLOAT_EQ(Get_Rating_Aging_Weight(RATING_KICK_RETURNS), 1.5f);
}
