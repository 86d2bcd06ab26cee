// The betting lines: the spread's shaping and half-point rounding, the lines of fixture teams of
// chosen unit strengths, and a stored line that outlives a change of strength.
#include <gtest/gtest.h>

#include <string.h>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"

namespace {

class BettingLinesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
    }

    // Every offensive player of the team at one value, every defender at another.
    static void Set_Unit_Values(int nTeam, float fOffence, float fDefence) {
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
            int nUnit = Get_Position_Unit(Fixture_Slot_Position(nSlot));
            float fValue = nUnit == UNIT_OFFENCE ? fOffence : nUnit == UNIT_DEFENCE ? fDefence : 60.0f;
            for (int nRating = 0; nRating < RATING_COUNT; nRating++)
                Set_Player_Rating(nTeam, nSlot, fValue, nRating);
        }
    }
};

TEST(BettingLinesRounding, HalfPointsAlikeOnBothSidesAndLargeSpreadsCompressed) {
    struct {
        int nRaw, nShaped;
    } kCases[] = {
        {0, 0},     {2, 0},     {3, 5},      {27, 25},   {28, 30},    {-27, -25}, {-28, -30},
        {-30, -30},  // a 3-point home favourite stays -3
        {-26, -25}, {-32, -30}, {95, 95},    {96, 95},   {100, 100},  {-100, -100},
        {500, 210}, {-500, -210},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Shape_Point_Spread(c.nRaw), c.nShaped) << c.nRaw;
}

TEST_F(BettingLinesTest, LinesFollowTheUnitStrengths) {
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        Set_Unit_Values(nTeam, 60.0f, 60.0f);
    int nBase = (int)(Get_Season_Scoring_Base() * 2 * 10);
    // Equal teams: the home team by its 2.7 points, the league's scoring as the total.
    EXPECT_EQ(Compute_Point_Spread(1, 2), -25);
    EXPECT_EQ(Compute_Over_Under(1, 2), Round_To_Half_Point(nBase));

    // Two teams of the best offences and the worst defences: ranks 0 and 30 of 32.
    Set_Unit_Values(1, 95.0f, 30.0f);
    Set_Unit_Values(2, 95.0f, 30.0f);
    ASSERT_EQ(Get_Team_Offense_Rank(1), 0);
    ASSERT_EQ(Get_Team_Defense_Rank(2), 30);
    // a = 31, b = -29: m = (31000 + 16) / 33 = 939, k = (-29000 + 16) / 33 - 1 = -879.
    int nOver = Compute_Over_Under(1, 2);
    EXPECT_EQ(nOver, Round_To_Half_Point(Mul_Div(nBase, 7939, 6121)));
    EXPECT_GT(nOver, nBase);
    EXPECT_EQ(nOver % 5, 0);

    // A strong visitor is favoured; the same pairing the other way round favours him at home by
    // more, and no spread passes 29.5 points.
    Set_Unit_Values(3, 95.0f, 95.0f);
    Set_Unit_Values(4, 30.0f, 30.0f);
    int nAway = Compute_Point_Spread(3, 4);
    int nHome = Compute_Point_Spread(4, 3);
    EXPECT_GT(nAway, 0);
    EXPECT_LT(nHome, -nAway);
    EXPECT_LE(-nHome, 295);
    EXPECT_EQ(nAway % 5, 0);
}

TEST_F(BettingLinesTest, StoredLinesOutliveStrengthsAndFormatTheFavourite) {
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        Set_Unit_Values(nTeam, 60.0f, 60.0f);
    Set_Team_String(1, 0, "VIS");
    Set_Team_String(2, 0, "HOM");
    GAME game;
    memset(&game, 0, sizeof game);
    char sz[64];
    // No record, or one not yet set up: the pairing's line now.
    Format_Point_Spread(NULL, 1, 2, sz, sizeof sz);
    EXPECT_STREQ(sz, "-2.5 (HOM)");
    Set_Game_Info(&game, GAME_INFO_YEAR, 2021);
    Set_Game_Info(&game, GAME_INFO_POINT_SPREAD, GAME_INFO_OFFSET + 30);
    Set_Game_Info(&game, GAME_INFO_OVER_UNDER, GAME_INFO_OFFSET + 445);
    Set_Unit_Values(2, 20.0f, 20.0f);
    struct {
        int nStored;
        const char* szText;
    } kCases[] = {{30, "-3 (VIS)"}, {-35, "-3.5 (HOM)"}, {0, "Pick'em"}, {-100, "-10 (HOM)"}};
    for (const auto& c : kCases) {
        Set_Game_Info(&game, GAME_INFO_POINT_SPREAD, GAME_INFO_OFFSET + c.nStored);
        Format_Point_Spread(&game, 1, 2, sz, sizeof sz);
        EXPECT_STREQ(sz, c.szText);
    }
    EXPECT_EQ(Get_Game_Over_Under(&game, 1, 2), 445);
    // A set-up game without a stored line gets the line now and keeps its record untouched.
    Set_Game_Info(&game, GAME_INFO_POINT_SPREAD, 0);
    EXPECT_EQ(Get_Game_Point_Spread(&game, 1, 2), Compute_Point_Spread(1, 2));
    EXPECT_EQ(Get_Game_Info(&game, GAME_INFO_POINT_SPREAD), 0);
}

}  // namespace
