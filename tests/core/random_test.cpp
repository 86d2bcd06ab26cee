#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>

#include "core/core.h"

namespace {

// The state word that tempers to 0xFFFFFFFF; a zero word tempers to 0.
const uint32_t kUntemperedLargest = 0x12dd9bb3u;

// Loads a state whose next outputs are 0xFFFFFFFF (true) or 0 (false), in order. With the
// words 0..396 zero, regeneration turns word k into word k + 397 for the first 227 words.
void Set_Next_Outputs(std::initializer_list<bool> largest) {
    uint32_t words[MT_STATE_WORDS] = {};
    int k = 0;
    for (bool bLargest : largest)
        words[397 + k++] = bLargest ? kUntemperedLargest : 0u;
    Set_Random_State(words);
}

struct REFERENCE_OUTPUT {
    uint32_t uSeed;
    int nDraw;  // 1-based
    uint32_t uOutput;
};

// Outputs of the 1998 reference generator (sgenrand seeding, genrand).
const REFERENCE_OUTPUT kReference[] = {
    {4357, 1, 0xaae64ac3u},     {4357, 2, 0x5e7c47dau},    {4357, 624, 0x23219742u},
    {4357, 625, 0x3e44719du},   {4357, 1000, 0x3d6e7a47u}, {12345, 1, 0xd00d52b0u},
    {12345, 2, 0x2124971du},    {12345, 624, 0x95114656u}, {12345, 625, 0x8c965b19u},
    {12345, 1000, 0xd3f2d8a0u},
};

TEST(RandomTest, MatchesReferenceGenerator) {
    for (const REFERENCE_OUTPUT& ref : kReference) {
        Seed_Random(ref.uSeed);
        uint32_t uOutput = 0;
        for (int k = 0; k < ref.nDraw; k++)
            uOutput = Random_Number();
        EXPECT_EQ(uOutput, ref.uOutput) << "seed " << ref.uSeed << " draw " << ref.nDraw;
    }
}

TEST(RandomTest, DrawingBeforeSeedingUsesDefaultSeed) {
    gMtIndex = 625;
    uint32_t unseeded[700];
    for (uint32_t& u : unseeded)
        u = Random_Number();
    Seed_Random(DEFAULT_RANDOM_SEED);
    for (int k = 0; k < 700; k++)
        ASSERT_EQ(Random_Number(), unseeded[k]) << "draw " << k;
}

TEST(RandomTest, EachHelperTakesItsOutputs) {
    Seed_Random(12345);
    Random_Below(10);
    Random_Range(1, 6);
    Random_Float(1.0f);
    Random_Unit();
    Random_Spread(1000, 50);          // two outputs
    Random_Spread_Float(1.0f, 0.1f);  // two outputs
    uint32_t uNext = Random_Number();
    Seed_Random(12345);
    for (int k = 0; k < 8; k++)
        Random_Number();
    EXPECT_EQ(uNext, Random_Number());
}

TEST(RandomTest, LargestOutputStaysInRange) {
    Set_Next_Outputs({true});
    EXPECT_EQ(Random_Number(), 0xFFFFFFFFu);

    Set_Next_Outputs({true});
    EXPECT_EQ(Random_Unit(), 1.0);
    for (int n : {1, 2, 7, 1000, INT_MAX}) {
        Set_Next_Outputs({true});
        EXPECT_EQ(Random_Below(n), n - 1) << n;
    }
    Set_Next_Outputs({true});
    EXPECT_EQ(Random_Range(-3, 4), 4);
    Set_Next_Outputs({true});
    EXPECT_EQ(Random_Range(INT_MIN, INT_MAX), INT_MAX);
    Set_Next_Outputs({true});
    EXPECT_EQ(Random_Float(2.5f), 2.5f);
}

TEST(RandomTest, SmallestOutputGivesLowEnd) {
    Set_Next_Outputs({false});
    EXPECT_EQ(Random_Number(), 0u);
    Set_Next_Outputs({false});
    EXPECT_EQ(Random_Below(1000), 0);
    Set_Next_Outputs({false});
    EXPECT_EQ(Random_Range(-3, 4), -3);
    Set_Next_Outputs({false});
    EXPECT_EQ(Random_Float(2.5f), 0.0f);
}

TEST(RandomTest, DegenerateArgumentsGiveFixedResults) {
    Seed_Random(4357);
    for (int k = 0; k < 1000; k++) {
        ASSERT_EQ(Random_Below(1), 0);
        ASSERT_EQ(Random_Below(0), 0);
        ASSERT_EQ(Random_Range(5, 5), 5);
        ASSERT_EQ(Random_Float(-2.0f), 0.0f);
        ASSERT_EQ(Random_Float(0.0f), 0.0f);
        ASSERT_EQ(Random_Spread(1234, 0), 1234);
    }
}

TEST(RandomTest, DrawsStayWithinBounds) {
    Seed_Random(12345);
    int nSeen[7] = {};
    for (int k = 0; k < 10000; k++) {
        int nBelow = Random_Below(7);
        ASSERT_GE(nBelow, 0);
        ASSERT_LT(nBelow, 7);
        nSeen[nBelow]++;
        int nRange = Random_Range(-2, 2);
        ASSERT_GE(nRange, -2);
        ASSERT_LE(nRange, 2);
        float fFloat = Random_Float(3.0f);
        ASSERT_GE(fFloat, 0.0f);
        ASSERT_LE(fFloat, 3.0f);
    }
    for (int nCount : nSeen)
        EXPECT_GT(nCount, 1000);
}

TEST(RandomTest, SpreadScalesByTwoFactors) {
    // 1000 * 1.05 * 1.05 = 1102.5 and 1000 * 0.95 * 0.95 = 902.5, both rounded away from zero.
    Set_Next_Outputs({true, true});
    EXPECT_EQ(Random_Spread(1000, 50), 1103);
    Set_Next_Outputs({false, false});
    EXPECT_EQ(Random_Spread(1000, 50), 903);
    Set_Next_Outputs({false, false});
    EXPECT_EQ(Random_Spread(-1000, 50), -903);

    Seed_Random(4357);
    for (int k = 0; k < 5000; k++) {
        int nValue = Random_Spread(1000, 50);
        ASSERT_GE(nValue, 903);
        ASSERT_LE(nValue, 1103);
    }
}

}  // namespace
