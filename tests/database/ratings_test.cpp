// Player ratings: the repair on read, the bounds of the accessors, the composites and the value
// of a player at a position.
#include <math.h>

#include "database_test_fixture.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

class RatingsTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Add_Team(0, "Boston", "Bulldogs");
    }

    // A player on team 0 with every rating at fValue.
    static void Add_Rated_Player(int nSlot, int nPosition, float fValue) {
        Add_Player(0, nSlot, 100 + nSlot, nPosition);
        for (int nRating = 0; nRating < RATING_COUNT; nRating++)
            Set_Player_Rating(0, nSlot, fValue, nRating);
    }

    static float Stored(int nSlot, int nRating) {
        return gTeams[0].aPlayers[nSlot].afRatings[nRating];
    }
};

TEST_F(RatingsTest, BadStoredValuesAreRepairedAndWrittenBack) {
    struct CASE {
        int nRating;
        float fStored;
        float fExpected;
    };
    const CASE kCases[] = {
        {RATING_ACCURACY, NAN, 75.0f},  {RATING_PASS_BLOCKING, NAN, 78.0f},
        {RATING_SPEED, NAN, 70.0f},     {RATING_PUNT_DISTANCE, NAN, 75.0f},
        {RATING_TACKLING, 5.0f, 20.0f}, {RATING_POWER, -3.0f, 20.0f},
        {RATING_HANDS, 20.0f, 20.0f},   {RATING_VISION, 64.5f, 64.5f},
    };
    Add_Rated_Player(0, POS_WR, 60.0f);
    for (const CASE& c : kCases) {
        Set_Player_Rating(0, 0, c.fStored, c.nRating);
        EXPECT_EQ(Get_Player_Rating(0, 0, c.nRating), c.fExpected) << "rating " << c.nRating;
        EXPECT_EQ(Stored(0, c.nRating), c.fExpected) << "rating " << c.nRating;
    }
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(RatingsTest, BadIndexesReadTheFloorAndUnknownIdsReport) {
    Add_Rated_Player(0, POS_QB, 80.0f);
    EXPECT_EQ(Get_Player_Rating(41, 0, RATING_SPEED), 20.0f);
    EXPECT_EQ(Get_Player_Rating(-1, 0, RATING_SPEED), 20.0f);
    EXPECT_EQ(Get_Player_Rating(0, 100, RATING_SPEED), 20.0f);
    EXPECT_EQ(Get_Player_Rating(0, 0, -1), 20.0f);
    EXPECT_EQ(Last_Error(), "");

    EXPECT_EQ(Get_Player_Rating(0, 0, 31), 0.0f);
    EXPECT_EQ(Last_Error(), "Unrecognized nRating in Get_Player_Rating(0,0,[31])");
}

TEST_F(RatingsTest, HugeValuesAreReportedButStored) {
    Add_Rated_Player(0, POS_QB, 80.0f);
    Set_Player_Rating(0, 0, 1500.0f, RATING_DISTANCE);
    EXPECT_EQ(Last_Error(), "fValue out of bounds in Set_Player_Rating(0,0,3,[1500.000000])");
    EXPECT_EQ(Stored(0, RATING_DISTANCE), 1500.0f);

    Clear_Errors();
    SAVED_STATE* pBefore = new SAVED_STATE(gSavedState);
    Set_Player_Rating(41, 0, 50.0f, RATING_DISTANCE);
    Set_Player_Rating(0, 100, 50.0f, RATING_DISTANCE);
    Set_Player_Rating(0, 0, 50.0f, RATING_COUNT);
    EXPECT_EQ(memcmp(pBefore, &gSavedState, sizeof(SAVED_STATE)), 0);
    EXPECT_EQ(Last_Error(), "");
    delete pBefore;
}

// Health and Durability outside 0..120 are answered from the predicted grades, and the record
// keeps what it holds; inside the range, and for any other rating, the record answers.
TEST_F(RatingsTest, HealthOutsideItsRangeIsAnsweredFromTheGrades) {
    Add_Rated_Player(0, POS_QB, 80.0f);
    const float fHealth = Get_Player_Base_Rating(0, 0, RATING_HEALTH);
    const float fDurability = Get_Player_Base_Rating(0, 0, RATING_DURABILITY);
    const struct {
        int nRating;
        float fStored, fRead;
    } kCases[] = {
        {RATING_HEALTH, 150.0f, fHealth},         {RATING_HEALTH, 120.5f, fHealth},
        {RATING_HEALTH, 120.0f, 120.0f},          {RATING_DURABILITY, 110.0f, 110.0f},
        {RATING_DURABILITY, 121.0f, fDurability}, {RATING_SPEED, 150.0f, 150.0f},
    };
    for (const auto& c : kCases) {
        Set_Player_Rating(0, 0, c.fStored, c.nRating);
        EXPECT_EQ(Get_Player_Rating(0, 0, c.nRating), c.fRead) << c.nRating << " " << c.fStored;
        EXPECT_EQ(Stored(0, c.nRating), c.fStored);
    }
}

TEST_F(RatingsTest, CompositesWeighTheirRatings) {
    for (int nSlot = 0; nSlot < 2; nSlot++) {
        Add_Rated_Player(nSlot, nSlot == 0 ? POS_QB : POS_RB, 50.0f);
        Set_Player_Rating(0, nSlot, 60.0f, RATING_POWER);
        Set_Player_Rating(0, nSlot, 80.0f, RATING_SPEED);
        Set_Player_Rating(0, nSlot, 70.0f, RATING_QUICKNESS);
        Set_Player_Rating(0, nSlot, 90.0f, RATING_VISION);
        Set_Player_Rating(0, nSlot, 40.0f, RATING_MOBILITY);
        Set_Player_Rating(0, nSlot, 30.0f, RATING_RECEIVING);
        Set_Player_Rating(0, nSlot, 20.0f, RATING_PASS_BLOCKING);
    }
    // 12 + 16 + 17.5 + 22.5 + 5; the quarterback's is averaged with Mobility 40.
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 1, RATING_RUSHING), 73.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, RATING_RUSHING), 56.5f);
    // 0.1 x (70 + 80 + 60 + 90 + 50 + 50) + 0.4 x 30
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 1, RATING_RECEIVING_SKILL), 52.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 1, RATING_PASSING), 50.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 1, RATING_BLOCKING), 35.0f);
}

TEST_F(RatingsTest, PositionValuesOfTheWorkedExamples) {
    Add_Rated_Player(0, POS_QB, 99.0f);  // raw 107.74, squeezed to 98.87
    Add_Rated_Player(1, POS_QB, 50.0f);  // raw 46, pulled up to 58
    Add_Rated_Player(2, POS_CB, 20.0f);
    Set_Player_Rating(0, 2, 90.0f,
                      RATING_PASS_COVERAGE);  // (0.65 x 8100 + 0.26 x 400 + 3900) / 125
    EXPECT_FLOAT_EQ(Compute_Position_Rating(0, 0, POS_QB), 98.87f);
    EXPECT_FLOAT_EQ(Get_Player_Overall_Rating(0, 1), 58.0f);
    EXPECT_FLOAT_EQ(Get_Player_Overall_Rating(0, 2), 74.152f);
    EXPECT_FLOAT_EQ(Compute_Position_Rating(0, 0, 15), 35.0f);
    EXPECT_FLOAT_EQ(Compute_Position_Rating(41, 0, POS_K), 40.5f);  // every rating reads 20
}

// Ratings stored far below the floor read as the floor, so no overall needs a broken-overall
// repair (below 25) wherever it is read.
TEST_F(RatingsTest, NoOverallFallsBelowThirtyFive) {
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        Add_Rated_Player(0, nPosition, -500.0f);
        EXPECT_GE(Get_Player_Overall_Rating(0, 0), 35.0f) << nPosition;
    }
}

TEST_F(RatingsTest, SpecialistsAreValuedTowardSeventyFive) {
    Add_Rated_Player(0, POS_C, 99.0f);
    Set_Player_Byte_Stat(0, 0, BYTE_EXPANDED_POSITION, ROLE_LS);
    EXPECT_FLOAT_EQ(Compute_Position_Rating(0, 0, 15), 60.0f);  // (0 + 150) / 3, then squeezed
    Set_Player_Byte_Stat(0, 0, BYTE_EXPANDED_POSITION, ROLE_ST);
    EXPECT_NEAR(Compute_Position_Rating(0, 0, POS_QB), 85.9133f, 1e-4);  // (107.74 + 150) / 3
}

TEST_F(RatingsTest, AFullbackBetterAsARunningBackTakesThatValueSqueezedAgain) {
    Add_Rated_Player(0, POS_FB, 99.0f);
    Set_Player_Rating(0, 0, 20.0f, RATING_PASS_BLOCKING);
    Set_Player_Rating(0, 0, 20.0f, RATING_RUN_BLOCKING);
    float fAsBack = Compute_Position_Rating(0, 0, POS_RB);
    ASSERT_GT(fAsBack, 90.0f);
    EXPECT_FLOAT_EQ(Get_Player_Overall_Rating(0, 0), (fAsBack + 90.0f) * 0.5f);
}

TEST_F(RatingsTest, LiftedRatingsOnlyWhereTheyMatter) {
    Add_Rated_Player(0, POS_QB, 30.0f);
    Add_Rated_Player(1, POS_WR, 30.0f);
    EXPECT_FLOAT_EQ(Get_Lifted_Rating(0, 0, RATING_ACCURACY), 50.0f);
    EXPECT_FLOAT_EQ(Get_Lifted_Rating(0, 1, RATING_ACCURACY), 30.0f);
    EXPECT_FLOAT_EQ(Get_Lifted_Rating(0, 1, RATING_RECEIVING), 50.0f);
    Set_Player_Rating(0, 1, 60.0f, RATING_RECEIVING);
    EXPECT_FLOAT_EQ(Get_Lifted_Rating(0, 1, RATING_RECEIVING), 60.0f);
}

TEST_F(RatingsTest, ScalingReachesTheTargetAndLeavesSpeedAlone) {
    Add_Rated_Player(0, POS_WR, 60.0f);
    Set_Player_Rating(0, 0, 55.0f, RATING_SPEED);
    Scale_Player_Ratings_To_Overall(0, 0, 85.0f);
    EXPECT_NEAR(Get_Player_Overall_Rating(0, 0) / 85.0f, 1.0f, 0.006f);
    EXPECT_EQ(Stored(0, RATING_SPEED), 55.0f);
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        EXPECT_GE(Stored(0, nRating), 20.0f);
        EXPECT_LE(Stored(0, nRating), 99.0f);
    }

    float fBefore = Get_Player_Overall_Rating(0, 0);
    Scale_Player_Ratings_To_Overall(0, 0, 96.0f);
    Scale_Player_Ratings_To_Overall(0, 0, 49.0f);
    EXPECT_EQ(Get_Player_Overall_Rating(0, 0), fBefore);
}

TEST_F(RatingsTest, RepairAfterLoadFixesTheBlockingSpeedAndPowerOfRosteredPlayers) {
    Add_Rated_Player(0, POS_G, 60.0f);
    Set_Player_Rating(0, 0, NAN, RATING_RUN_BLOCKING);
    Set_Player_Rating(0, 0, 3.0f, RATING_SPEED);
    Set_Player_Rating(0, 0, NAN, RATING_ACCURACY);
    Repair_Missing_Ratings();
    EXPECT_EQ(Stored(0, RATING_RUN_BLOCKING), 78.0f);
    EXPECT_EQ(Stored(0, RATING_SPEED), 20.0f);
    EXPECT_TRUE(isnan(Stored(0, RATING_ACCURACY)));
}
