// Unit strengths of known line-ups: the defence's strengths at league-mean and floor ratings, the
// offensive line's blocking, the skill positions' home, postseason and difficulty adjustments,
// and the soft limit itself.
#include <math.h>

#include "engine/play_test_fixture.h"

namespace {

#define PRO_DIVE 0
#define FOUR_THREE_CONTAIN 3

class UnitStrengthTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        Call_Play(PRO_DIVE, FOUR_THREE_CONTAIN);
    }
};

TEST_F(UnitStrengthTest, QueuedDrawsComeOutInOrder) {
    Queue_Draws({0.25, Below(7, 10), Below(0, 3)});
    EXPECT_NEAR(Random_Unit(), 0.25, 1e-9);
    EXPECT_EQ(Random_Below(10), 7);
    EXPECT_EQ(Random_Below(3), 0);
    EXPECT_EQ(Random_Below(10), 5);  // the filler
}

TEST_F(UnitStrengthTest, SoftLimitPullsHalfwayBackThenClamps) {
    EXPECT_FLOAT_EQ(Soft_Limit(1.0f, 0.7042254f, 1.42f), 1.0f);
    EXPECT_NEAR(Soft_Limit(1.3f, 0.7518797f, 1.33f), (sqrtf(1.33f) + 1.3f) / 2, 1e-6);
    EXPECT_NEAR(Soft_Limit(0.8f, 0.7042254f, 1.42f), (sqrtf(0.7042254f) + 0.8f) / 2, 1e-6);
    EXPECT_FLOAT_EQ(Soft_Limit(2.0f, 0.7042254f, 1.42f), 1.42f);
    EXPECT_FLOAT_EQ(Soft_Limit(-1.0f, 0.5f, 2.0f), 0.5f);
}

TEST_F(UnitStrengthTest, ADefenceAtTheLeagueMeanIsOneAndAtTheFloorItsLowerLimits) {
    Rate_Side(VISITOR_SIDE, 70.0f);
    EXPECT_NEAR(Get_Run_Defense_Strength(pGame), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Tackling_Strength(pGame), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Pass_Coverage_Strength(pGame), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Pass_Rush_Strength(pGame), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Ball_Hawking_Strength(pGame), 1.0f, 1e-5);
    EXPECT_NEAR(Get_Fumble_Forcing_Strength(pGame), 1.0f, 1e-5);

    Rate_Side(VISITOR_SIDE, 20.0f);
    EXPECT_NEAR(Get_Run_Defense_Strength(pGame), 1.0f / 1.42f, 1e-5);
    EXPECT_NEAR(Get_Tackling_Strength(pGame), 1.0f / 1.42f, 1e-5);
    EXPECT_NEAR(Get_Pass_Coverage_Strength(pGame), 1.0f / 1.42f, 1e-5);
    EXPECT_FLOAT_EQ(Get_Pass_Rush_Strength(pGame), 0.5f);
    EXPECT_FLOAT_EQ(Get_Ball_Hawking_Strength(pGame), 0.4f);
    EXPECT_NEAR(Get_Fumble_Forcing_Strength(pGame), 1.0f / 3.0f, 1e-5);

    // Empty spots are skipped and the value stays inside its limits.
    Rate_Side(VISITOR_SIDE, 70.0f);
    for (int nSpot = 0; nSpot < 5; nSpot++)
        pGame->aabOnField[VISITOR_SIDE][nSpot] = NO_SLOT_BYTE;
    EXPECT_NEAR(Get_Pass_Coverage_Strength(pGame), 1.0f / 1.42f, 1e-5);
}

TEST_F(UnitStrengthTest, TheOffensiveLineAndBacksByTheirSpots) {
    Rate_Side(HOME_SIDE, 60.0f);
    // (60 + 60 + 3 x (1.3 x 60 - 24) + (60 + 60) / 2) / 430, pulled halfway to sqrt(1 / 1.42).
    float fRoot = sqrtf(1.0f / 1.42f);
    EXPECT_NEAR(Get_Run_Blocking_Strength(pGame), (fRoot + 342.0f / 430.0f) / 2, 1e-5);
    // (2 x (1.4 x 60 - 32) + 3 x 60 + 60 / 2) / 375.
    EXPECT_NEAR(Get_Pass_Protection_Strength(pGame), (fRoot + 314.0f / 375.0f) / 2, 1e-5);
    EXPECT_NEAR(Get_Line_Discipline_Strength(pGame), 300.0f / 350.0f, 1e-5);
    EXPECT_NEAR(Get_Receiving_Corps_Strength(pGame), 0.96f, 1e-5);
    EXPECT_NEAR(Get_Backfield_Running_Strength(pGame), 0.98f, 1e-5);

    // Three backs of 80 on the field (quarterback, running back, fullback) add 0.01 each.
    Rate_Side(HOME_SIDE, 80.0f);
    EXPECT_NEAR(Get_Backfield_Running_Strength(pGame), 0.98f + 3 * 0.01f, 1e-5);
}

struct SKILL_CASE {
    const char* szName;
    int nWeek, bHomeOffence, bHumanHome, bHumanVisitor, nDifficulty;
    float fExpected;
};

TEST_F(UnitStrengthTest, SkillPositionsWithHomeFieldAndDifficulty) {
    const SKILL_CASE kCases[] = {
        {"home offence, regular season", 5, 1, 0, 0, 2, 0.97f + 0.05f},
        {"visiting offence", 5, 0, 0, 0, 2, 0.97f - 0.05f},
        {"home offence, postseason", 18, 1, 0, 0, 2, 0.97f + 0.1f},
        {"human offence at difficulty 2", 5, 1, 1, 0, 2, 0.97f + 0.05f - 0.1f},
        {"human defence at difficulty 2", 5, 0, 1, 0, 2, 0.97f - 0.05f + 0.1f},
        {"two human teams: both steps, which cancel", 5, 1, 1, 1, 2, 0.97f + 0.05f},
    };
    gAllTeamsComputer = 0;
    for (const SKILL_CASE& c : kCases) {
        SCOPED_TRACE(c.szName);
        gCurrentWeek = c.nWeek;
        gDifficulty = c.nDifficulty;
        pGame->nPossession = (int8_t)(c.bHomeOffence ? TEST_HOME : TEST_VISITOR);
        Set_Team_Stat(TEST_HOME, TEAM_CONTROL, CONTROL_COMPUTER);
        Set_Team_Stat(TEST_VISITOR, TEAM_CONTROL, CONTROL_COMPUTER);
        if (c.bHumanHome)
            Set_Team_Stat(TEST_HOME, TEAM_CONTROL, CONTROL_HUMAN);
        if (c.bHumanVisitor)
            Set_Team_Stat(TEST_VISITOR, TEAM_CONTROL, CONTROL_HUMAN);
        Call_Play(PRO_DIVE, FOUR_THREE_CONTAIN);
        Rate_Side(Get_Offensive_Side(pGame), 60.0f);
        EXPECT_NEAR(Get_Skill_Position_Strength(pGame), c.fExpected, 1e-5);
    }
}

}  // namespace
