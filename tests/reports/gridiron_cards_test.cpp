// The card game: franchise lookups by year, the helmet files, the values and salary tiers at
// their fixed points, the play table's fields and bonuses.
#include <gtest/gtest.h>

#include <string.h>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "reports/reports.h"

namespace {

class GridironCardsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
    }

    static void Set_Year(int nYear) {
        gUniverseStats[UNIVERSE_FIRST_YEAR] = nYear - gSeasonNumber;
    }

    static int First_Slot_Of(int nPosition) {
        for (int nSlot = 1; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
            if (Fixture_Slot_Position(nSlot) == nPosition)
                return nSlot;
        return -1;
    }
};

TEST_F(GridironCardsTest, FranchiseIndexFollowsMovedTeamsByYear) {
    struct CASE {
        const char* szAbbreviation;
        int nYear;
        int nFranchise;
    } const kCases[] = {
        {"oak", 2000, 16}, {"OAK", 2000, 16}, {"LAR", 2020, 16}, {"BAL", 1983, 13},
        {"BAL", 1984, 2},  {"STL", 1987, 0},  {"STL", 1988, 26}, {"PHX", 1990, 0},
        {"ARZ", 2020, 0},  {"was", 2020, 31}, {"XYZ", 2020, 26}, {"", 2020, 26},
    };
    for (const CASE& c : kCases) {
        Set_Year(c.nYear);
        EXPECT_EQ(Get_Franchise_Index(c.szAbbreviation), c.nFranchise)
            << c.szAbbreviation << " " << c.nYear;
    }
}

TEST_F(GridironCardsTest, HelmetPathNamesTheFranchiseAndFacing) {
    Set_Team_String(3, TEAM_ABBREVIATION, "SF");
    char szPath[128];
    Get_Helmet_Image_Path(szPath, sizeof(szPath), 3, 1);
    EXPECT_STREQ(szPath, "Gridiron//Helmets//Helmet-27a.png");
    Get_Helmet_Image_Path(szPath, sizeof(szPath), 3, 0);
    EXPECT_STREQ(szPath, "Gridiron//Helmets//Helmet-27.png");
}

// With every term 0 each position has its fixed floor value.
TEST_F(GridironCardsTest, ZeroTermsGiveEachPositionItsFloorValue) {
    const int anTerms[LAST_GRIDIRON_SKILL - FIRST_GRIDIRON_SKILL + 1] = {};
    struct CASE {
        int nPosition;
        int nValue;
    } const kCases[] = {{POS_QB, 721}, {POS_RB, 1600}, {POS_TE, 1600}, {POS_WR, 1121},
                        {POS_G, 1024}, {POS_DE, 536},  {POS_LB, 536},  {POS_CB, 543},
                        {POS_K, 1600}, {POS_P, 1600}};
    for (const CASE& c : kCases)
        EXPECT_EQ(Get_Gridiron_Value_From_Terms(c.nPosition, anTerms), c.nValue) << c.nPosition;
}

TEST_F(GridironCardsTest, SalaryTierByThresholdFirstSlotFloorAndCap) {
    struct CASE {
        int nPosition;
        int nValue;
        int bFirstSlot;
        int nTier;
    } const kCases[] = {
        {POS_QB, 1999, 0, 0},  {POS_QB, 2000, 0, 2},  {POS_QB, 8600, 0, 10},
        {POS_QB, 30000, 0, 20}, {POS_WR, 30000, 0, 15}, {POS_T, 12000, 0, 12},
        {POS_LB, 100, 1, 2},   {POS_K, 90000, 1, 0},  {POS_P, 1600, 0, 0},
    };
    for (const CASE& c : kCases)
        EXPECT_EQ(Get_Gridiron_Salary_Tier(c.nPosition, c.nValue, c.bFirstSlot), c.nTier)
            << c.nPosition << " " << c.nValue;
}

// Skills follow the ratings by position, and better ratings make a dearer card.
TEST_F(GridironCardsTest, SkillsReadRatingsByPositionAndRaiseTheValue) {
    int nKicker = First_Slot_Of(POS_K);
    int nReceiver = First_Slot_Of(POS_WR);
    int nGuard = First_Slot_Of(POS_G);
    ASSERT_GE(nKicker, 0);
    EXPECT_EQ(Get_Gridiron_Value(0, nKicker), 1600);
    EXPECT_EQ(Get_Gridiron_Salary(0, nKicker), 0);
    EXPECT_EQ(Get_Gridiron_Skill(0, nKicker, 399), 0);
    EXPECT_EQ(Get_Gridiron_Skill(0, nKicker, 411), 0);

    Set_Player_Rating(0, nGuard, 90.0f, RATING_PASS_BLOCKING);
    EXPECT_EQ(Get_Gridiron_Skill(0, nGuard, GRIDIRON_PASS_BLOCKING), 90);
    Set_Player_Rating(0, nGuard, 60.0f, RATING_POWER);
    EXPECT_EQ(Get_Gridiron_Skill(0, nGuard, GRIDIRON_GOAL_LINE), 15);  // 60 / 3.8, truncated

    Set_Player_Rating(0, nReceiver, 50.0f, RATING_RECEIVING);
    int nBefore = Get_Gridiron_Value(0, nReceiver);
    Set_Player_Rating(0, nReceiver, 90.0f, RATING_RECEIVING);
    EXPECT_EQ(Get_Gridiron_Skill(0, nReceiver, GRIDIRON_RECEIVING), 90);
    EXPECT_GT(Get_Gridiron_Value(0, nReceiver), nBefore);
    EXPECT_EQ(Get_Player_Stat(0, nReceiver, SEASON_CURRENT, GRIDIRON_VALUE),
              Get_Gridiron_Value(0, nReceiver));
}

TEST_F(GridironCardsTest, PlayTableFieldsAndTheirBytes) {
    EXPECT_EQ(Get_Gridiron_Play_Field(0, GRIDIRON_PLAY_TYPE_FIELD), GRIDIRON_INSIDE_RUN);
    EXPECT_EQ(Get_Gridiron_Play_Field(0, 0), 1);  // stored 7
    EXPECT_EQ(Get_Gridiron_Play_Field(2, 0), 0);  // stored 3
    EXPECT_EQ(Get_Gridiron_Play_Field(20, 5), -1);
    EXPECT_EQ(Get_Gridiron_Play_Field(53, 4), 410);
    EXPECT_EQ(Get_Gridiron_Play_Field(53, 7), 0);
    EXPECT_EQ(Get_Gridiron_Play_Field(54, 1), 0);

    EXPECT_EQ(Decode_Gridiron_Play_Field(3, Encode_Gridiron_Play_Field(3, 407)), 407);
    EXPECT_EQ(Encode_Gridiron_Play_Field(4, 0), 4);
    EXPECT_EQ(Decode_Gridiron_Play_Field(4, 4), -1);
    EXPECT_EQ(Decode_Gridiron_Play_Field(1, Encode_Gridiron_Play_Field(1, 406)), 406);
    EXPECT_EQ(Encode_Gridiron_Play_Field(5, -1), 7);
    EXPECT_EQ(Decode_Gridiron_Play_Field(6, 5), 5);

    Set_Play_Gridiron_Field(0, 10, 3, 407);
    Set_Play_Gridiron_Field(0, 10, 4, 0);
    Set_Play_Gridiron_Field(0, 10, GRIDIRON_PLAY_TYPE_FIELD, GRIDIRON_LONG_PASS);
    EXPECT_EQ(Get_Play_Gridiron_Field(0, 10, 3), 407);
    EXPECT_EQ(Get_Play_Gridiron_Field(0, 10, 4), -1);
    EXPECT_EQ(Get_Play_Gridiron_Field(0, 10, GRIDIRON_PLAY_TYPE_FIELD), GRIDIRON_LONG_PASS);
    EXPECT_EQ(Get_Play_Gridiron_Field(0, 54, 3), -1);
}

TEST_F(GridironCardsTest, BonusesCountEachSkillOfThePair) {
    EXPECT_EQ(Get_Gridiron_Offense_Bonus(GRIDIRON_LONG_PASS, 406, 405), 5);
    EXPECT_EQ(Get_Gridiron_Offense_Bonus(GRIDIRON_LONG_PASS, 400, 400), 1);
    EXPECT_EQ(Get_Gridiron_Offense_Bonus(GRIDIRON_INSIDE_RUN, 403, 401), 3);
    EXPECT_EQ(Get_Gridiron_Defense_Bonus(GRIDIRON_SHORT_PASS, 409, 410), 7);
    EXPECT_EQ(Get_Gridiron_Defense_Bonus(4, 409, 410), 0);
    EXPECT_STREQ(Get_Gridiron_Stat_Name(412), "Value");
    EXPECT_STREQ(Get_Gridiron_Stat_Name(413), "");
    EXPECT_STREQ(Get_Gridiron_Play_Type_Name(3), "Long Pass");
    EXPECT_STREQ(Get_Gridiron_Play_Type_Name(4), "");
}

}  // namespace
