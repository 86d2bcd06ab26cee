// Player value: a season's production in money, the career production score, potential, and
// the predicted season line's modifiers and consistency rules.
#include "personnel/value_test_support.h"

#include <math.h>

class PlayerValueTest : public PersonnelValueTest {
protected:
    // A free agent with the given stats of one season kind.
    static int Add_Stat_Player(int nOffset, int nPosition, int nExperience, float fRating,
                               int nSeason, std::initializer_list<std::pair<int, int>> stats) {
        int nSlot = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + nOffset, nPosition,
                                    22 + nExperience, nExperience, fRating);
        for (const auto& stat : stats)
            Set_Player_Stat(FREE_AGENT_TEAM, nSlot, nSeason, stat.first, stat.second);
        return nSlot;
    }
};

// ---- a season's production ---------------------------------------------------------------------

TEST_F(PlayerValueTest, SeasonProductionInThousands) {
    struct {
        const char* szWhat;
        int nPosition;
        float fRating;
        int nSeason;
        std::initializer_list<std::pair<int, int>> stats;
        int nExpected;
    } kCases[] = {
        // 2,525,000: above 1,500,000 counts in full less 1,000,000.
        {"tackle", POS_DT, 60, SEASON_PREVIOUS, {{7, 1}, {2, 40}, {3, 20}, {4, 5}, {6, 2}}, 1525},
        {"linebacker",
         POS_LB,
         60,
         SEASON_PREVIOUS,
         {{7, 1}, {2, 40}, {3, 20}, {4, 5}, {6, 2}},
         1100},
        {"backup linebacker", POS_LB, 60, SEASON_PREVIOUS, {{2, 10}}, 83},  // a third below it
        {"a third rounded", POS_LB, 60, SEASON_PREVIOUS, {{2, 10}, {4, 1}}, 117},  // 350 / 3
        {"half an assist", POS_LB, 60, SEASON_PREVIOUS, {{2, 10}, {3, 1}}, 92},    // 275 / 3
        {"punter", POS_P, 60, SEASON_PREVIOUS, {{2, 60}, {3, 2700}}, 150},
        {"kicker",
         POS_K,
         60,
         SEASON_PREVIOUS,
         {{10, 10}, {11, 10}, {12, 10}, {13, 9}, {14, 10}, {15, 8}, {16, 5}, {17, 3}},
         135},
        {"guard predicted", POS_G, 80, SEASON_PREDICTED, {{0, 8}, {1, 8}}, 1363},  // 2362.5
        {"guard half a season", POS_G, 80, SEASON_PREVIOUS, {{0, 8}, {1, 8}}, 529},
        {"guard with a fraction of discipline",
         POS_G,
         80.4f,
         SEASON_PREDICTED,
         {},
         1391},  // r 802.4
        {"weak guard", POS_G, 40, SEASON_PREVIOUS, {{0, 16}, {1, 16}}, 0},
        {"receiver of 2 yards", POS_WR, 50, SEASON_PREVIOUS, {{11, 2}}, 2},  // 4400 + 500 x 1
        {"running back",
         POS_RB,
         50,
         SEASON_PREVIOUS,
         {{8, 1200}, {9, 10}, {10, 40}, {11, 300}, {12, 2}},
         2420},
        {"blocking fullback",
         POS_FB,
         80,
         SEASON_PREVIOUS,
         {{8, 1200}, {9, 10}, {10, 40}, {11, 300}, {12, 2}},
         2880},
    };
    int nOffset = 0;
    for (const auto& c : kCases) {
        int nSlot = Add_Stat_Player(nOffset++, c.nPosition, 4, c.fRating, c.nSeason, c.stats);
        EXPECT_EQ(Get_Player_Stat_Value(FREE_AGENT_TEAM, nSlot, c.nSeason), c.nExpected)
            << c.szWhat;
    }
}

TEST_F(PlayerValueTest, CareerProductionScoreByPositionGroup) {
    struct {
        const char* szWhat;
        int nPosition, nExperience;
        std::initializer_list<std::pair<int, int>> stats;
        int nExpected;
    } kCases[] = {
        // 1000 x 2.2 + 500 x 3 + 60 x 10 + 100 x 2 + 60 x 1 = 4560, / 600.
        {"back", POS_RB, 5, {{8, 1000}, {11, 500}, {9, 10}, {12, 2}, {16, 1}}, 7},
        {"long career", POS_RB, 15, {{8, 1000}, {11, 500}, {9, 10}, {12, 2}, {16, 1}}, 6},
        {"tight end", POS_TE, 5, {{8, 1000}, {11, 500}, {9, 10}, {12, 2}, {16, 1}}, 9},
        // Career value 27,125 thousands x 165 %, / 920.
        {"linebacker", POS_LB, 10, {{7, 10}, {2, 800}, {3, 300}, {4, 20}, {6, 5}}, 48},
        {"old linebacker", POS_LB, 14, {{7, 10}, {2, 800}, {3, 300}, {4, 20}, {6, 5}}, 44},
        {"kicker",
         POS_K,
         8,
         {{10, 100}, {11, 100}, {12, 100}, {13, 90}, {14, 100}, {15, 80}, {16, 50}, {17, 30}},
         21},
        // m = 13,300 x (700 + 400 - 100) / 1000; o = m - 2800 - 250.
        {"guard", POS_G, 7, {{0, 100}, {1, 90}, {7, 100}, {8, 400}, {4, 10}}, 25},
        {"centre", POS_C, 7, {{0, 100}, {1, 90}, {7, 100}, {8, 400}, {4, 10}}, 28},
    };
    int nOffset = 0;
    for (const auto& c : kCases) {
        int nSlot =
            Add_Stat_Player(nOffset++, c.nPosition, c.nExperience, 60.0f, SEASON_CAREER, c.stats);
        EXPECT_EQ(Get_Player_Production_Score(FREE_AGENT_TEAM, nSlot), c.nExpected) << c.szWhat;
    }
    Set_Player_Byte_Stat(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, BYTE_RINGS, 2);
    EXPECT_EQ(Get_Player_Production_With_Honours(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT), 7 + 6);
    EXPECT_FALSE(Has_Career_Games(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT));
    EXPECT_TRUE(Has_Career_Games(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 6));
}

// ---- potential ---------------------------------------------------------------------------------

TEST_F(PlayerValueTest, PotentialProjectsGrowthWithoutChangingTheRatingsOrDrawing) {
    int nSlot = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_WR, 21, 0, 60.0f);
    Set_Player_Rating(FREE_AGENT_TEAM, nSlot, 17.5f, RATING_PUNT_ACCURACY);  // kept as stored
    float fOverall = Get_Player_Overall_Rating(FREE_AGENT_TEAM, nSlot);
    PLAYER before;
    Copy_Player_To_Memory(FREE_AGENT_TEAM, nSlot, &before);

    float fPotential = Get_Player_Potential(FREE_AGENT_TEAM, nSlot);
    uint32_t uNext = Random_Number();

    EXPECT_GT(fPotential, truncf(fOverall));
    EXPECT_EQ(fPotential, truncf(fPotential));
    PLAYER after;
    Copy_Player_To_Memory(FREE_AGENT_TEAM, nSlot, &after);
    EXPECT_EQ(memcmp(before.afRatings, after.afRatings, sizeof before.afRatings), 0);
    Seed_Random(FIXED_RANDOM_SEED);
    EXPECT_EQ(uNext, Random_Number());

    // Past the start of his prime the potential is his overall.
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_PRIME_START, 21);
    EXPECT_EQ(Get_Player_Potential(FREE_AGENT_TEAM, nSlot), truncf(fOverall));
    EXPECT_EQ(Get_Player_Potential(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT + 1), 0.0f);
}

// ---- modifiers of the predicted line -----------------------------------------------------------

TEST_F(PlayerValueTest, ModifierMovesAStatByItsShareOfTheFullSeason) {
    struct {
        const char* szWhat;
        int nPosition, nStat, nCurrent, nModifier, nEffect, nExpected;
    } kCases[] = {
        {"rush yards +10 %", POS_RB, 8, 1000, 100, 2, 1144},     // + 1440 x 10 %
        {"more than half lost", POS_RB, 8, 1000, -600, 2, 400},  // x (1000 - 600) / 1000
        {"2 is below half of 5", POS_RB, 9, 5, -300, 2, 4},      // 5 x 700 / 1000, rounded
        {"fraction above half", POS_RB, 9, 5, 55, 2, 6},         // + 0.55 rounds up
        {"fraction below half", POS_RB, 9, 5, 45, 2, 5},
        {"quarterback row", POS_QB, 4, 10, 100, 3, 8},  // 8 x -200 % x 10 %
        {"games untouched by kind 3", POS_RB, 0, 16, 500, 3, 16},
    };
    for (const auto& c : kCases) {
        int nSlot =
            Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, c.nPosition, 25, 3, 60.0f);
        Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREDICTED, c.nStat, c.nCurrent);
        Modify_Predicted_Player_Stats(FREE_AGENT_TEAM, nSlot, SEASON_PREDICTED, c.nStat,
                                      c.nModifier, c.nEffect, 0);
        EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nSlot, c.nStat), c.nExpected) << c.szWhat;
    }

    // An oversized modifier is logged and applied all the same.
    Test_Clear_Debug_Output();
    Set_Player_Stat(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, SEASON_PREDICTED, 8, 100);
    Modify_Predicted_Player_Stats(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, SEASON_PREDICTED, 8, 960,
                                  2, 0);
    EXPECT_NE(Test_Get_Debug_Output().find(
                  "Modifier too large in Modify_Predicted_Player_Stats(36,6,3,8,960)"),
              std::string::npos);
    EXPECT_EQ(Predicted(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, 8), 100 + 1382);  // RB: 1440 x 96 %
}

TEST_F(PlayerValueTest, ZeroModifierLeavesTheLineAndTheGeneratorAlone) {
    int nSlot = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_WR, 25, 3, 60.0f);
    Add_Base_Predicted_Line(FREE_AGENT_TEAM, nSlot, 1000);
    PLAYER before;
    Copy_Player_To_Memory(FREE_AGENT_TEAM, nSlot, &before);
    Modify_Predicted_Line_Random(FREE_AGENT_TEAM, nSlot, 0, 2);
    Modify_And_Fix_Predicted_Line(FREE_AGENT_TEAM, nSlot, 0, 2);
    PLAYER after;
    Copy_Player_To_Memory(FREE_AGENT_TEAM, nSlot, &after);
    EXPECT_EQ(memcmp(&before, &after, sizeof before), 0);
    uint32_t uNext = Random_Number();
    Seed_Random(FIXED_RANDOM_SEED);
    EXPECT_EQ(uNext, Random_Number());

    // A random line draws once per stat.
    Seed_Random(FIXED_RANDOM_SEED);
    Modify_Predicted_Line_Random(FREE_AGENT_TEAM, nSlot, 100, 2);
    uNext = Random_Number();
    Seed_Random(FIXED_RANDOM_SEED);
    for (int n = 0; n < SEASON_STAT_STORED; n++)
        Random_Number();
    EXPECT_EQ(uNext, Random_Number());
}

// ---- consistency of the predicted line ---------------------------------------------------------

TEST_F(PlayerValueTest, FixKeepsThePredictedLineConsistent) {
    struct {
        const char* szWhat;
        int nPosition;
        std::initializer_list<std::pair<int, int>> stats;
        std::initializer_list<std::pair<int, int>> expected;
    } kCases[] = {
        {"passer above 15 yards a catch", POS_QB, {{3, 300}, {5, 5000}}, {{5, 4500}}},
        {"passer below 8 yards a catch", POS_QB, {{3, 300}, {5, 2000}}, {{5, 2400}}},
        {"passer in range", POS_QB, {{3, 300}, {5, 3000}, {7, 5}}, {{5, 3000}, {7, 15}}},
        {"kicker with many kickoffs", POS_K, {{2, 100}, {3, 6000}}, {{2, 80}}},
        {"kicker with few kickoffs", POS_K, {{2, 10}, {3, 600}}, {{2, 30}}},
        {"punter's average at most punts / 2 + 40.0",
         POS_P,
         {{2, 70}, {3, 3150}},
         {{2, 70}, {3, 3045}}},
        {"back with too few carries",
         POS_RB,
         {{7, 100}, {8, 1000}, {10, 20}, {11, 200}},
         {{7, 167}, {8, 1000}}},
        {"rusher capped", POS_WR, {{7, 100}, {8, 2000}, {10, 20}, {11, 200}}, {{8, 1750}}},
        {"tight end with few catches",
         POS_TE,
         {{10, 10}, {11, 100}, {6, 50}, {5, 10}},
         {{10, 13}, {11, 130}, {6, 65}, {5, 8}}},
        {"returns need a return", POS_CB, {{15, 100}, {18, 40}}, {{14, 1}, {17, 1}}},
        {"lineman floors",
         POS_T,
         {{5, 5}, {6, 90}, {7, 100}, {8, 100}},
         {{5, 20}, {6, 90}, {8, 300}}},
    };
    for (const auto& c : kCases) {
        int nSlot =
            Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, c.nPosition, 25, 3, 60.0f);
        for (const auto& stat : c.stats)
            Set_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREDICTED, stat.first, stat.second);
        Fix_Predicted_Stat_Line(FREE_AGENT_TEAM, nSlot);
        for (const auto& stat : c.expected)
            EXPECT_EQ(Predicted(FREE_AGENT_TEAM, nSlot, stat.first), stat.second)
                << c.szWhat << ", stat " << stat.first;
    }
}
