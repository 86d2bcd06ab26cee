// Team unit strengths and their league ranks, on fixture teams given flat ratings.
#include <gtest/gtest.h>

#include <math.h>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "personnel/personnel.h"

namespace {

class UnitRatingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
    }

    static void Flatten_Team(int nTeam, float fValue) {
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
            for (int nRating = 0; nRating < RATING_COUNT; nRating++)
                Set_Player_Rating(nTeam, nSlot, fValue, nRating);
    }

    static int Pos(int nTeam, int nPosition, int n) {
        return (int)Compute_Position_Rating(nTeam, Get_Team_Position_Player(nTeam, nPosition, n),
                                            nPosition);
    }

    static int Rush(int nTeam, int nPosition, int n) {
        return (int)Get_Player_Rating(nTeam, Get_Team_Position_Player(nTeam, nPosition, n),
                                      RATING_RUSHING);
    }
};

TEST_F(UnitRatingsTest, RunningDividesByTheEraOfTheSeason) {
    Flatten_Team(2, 60.0f);
    int nLinePos = (Pos(2, POS_C, 0) + Pos(2, POS_T, 0) + Pos(2, POS_T, 1) + Pos(2, POS_G, 0) +
                    Pos(2, POS_G, 1)) /
                   5;
    int nRush = Rush(2, POS_RB, 0);
    int nBase = Pos(2, POS_RB, 0) + nRush + nLinePos + 3 * 60;  // the line's blocking is 3 x 60
    struct {
        int nYear, nSum, nDivisor;
    } kCases[] = {
        {2000, nBase, 6}, {1999, nBase + nRush, 7}, {1984, nBase + nRush + Rush(2, POS_FB, 0), 8}};
    for (const auto& c : kCases) {
        gSeasonNumber = c.nYear - gUniverseStats[UNIVERSE_FIRST_YEAR];
        EXPECT_EQ(Rate_Running_Unit(2), c.nSum * 12 / c.nDivisor - 217) << c.nYear;
    }
    // A mobile quarterback adds half of what his run skill has above 75.
    gSeasonNumber = 2000 - gUniverseStats[UNIVERSE_FIRST_YEAR];
    int nQb = Get_Team_Position_Player(2, POS_QB, 0);
    for (int nRating : {RATING_POWER, RATING_SPEED, RATING_QUICKNESS, RATING_VISION, RATING_HANDS,
                        RATING_MOBILITY})
        Set_Player_Rating(2, nQb, 85.0f, nRating);
    int nBonus = (int)((Rush(2, POS_QB, 0) - 75) * 0.5f);
    EXPECT_GT(nBonus, 0);
    EXPECT_EQ(Rate_Running_Unit(2), (nBase + nBonus) * 12 / 6 - 217);
}

TEST_F(UnitRatingsTest, OtherUnitsOfAFlatTeam) {
    Flatten_Team(5, 60.0f);
    int nDefPos =
        (Pos(5, POS_DE, 0) + Pos(5, POS_DE, 1) + Pos(5, POS_DT, 0) + Pos(5, POS_DT, 1)) / 2;
    int nLbPos =
        (Pos(5, POS_LB, 0) + Pos(5, POS_LB, 1) + Pos(5, POS_LB, 2) + Pos(5, POS_LB, 3)) / 2;
    EXPECT_EQ(Rate_Run_Defense_Unit(5), (8 * 60 + 60 + nDefPos + nLbPos) * 12 / 13 - 102);
    int nCover = 120 + Pos(5, POS_CB, 0) + Pos(5, POS_CB, 1) + Pos(5, POS_S, 0) + Pos(5, POS_S, 1);
    EXPECT_EQ(Rate_Pass_Defense_Unit(5), (nCover + 60 + 120 + 120) * 10 / 11 - 35);
    EXPECT_EQ(Get_Team_Unit_Rating(5, UNIT_PASS_DEFENSE), Rate_Pass_Defense_Unit(5));
    EXPECT_EQ(Get_Team_Unit_Rating(5, 9), Rate_Running_Unit(5));
    EXPECT_EQ(Get_Team_Offense_Strength(5), 7 * Rate_Passing_Unit(5) + 3 * Rate_Running_Unit(5));
}

TEST_F(UnitRatingsTest, NanRatingIsRepairedAndStored) {
    int nLinebacker = Get_Team_Position_Player(3, POS_LB, 0);
    Set_Player_Rating(3, nLinebacker, NAN, RATING_RUN_DEFENSE);
    Rate_Run_Defense_Unit(3);
    EXPECT_FLOAT_EQ(Get_Player_Rating(3, nLinebacker, RATING_RUN_DEFENSE),
                    fmaxf(Get_Rating_Target_Mean(RATING_RUN_DEFENSE), RATING_FLOOR));
}

TEST_F(UnitRatingsTest, StrongestTeamRanksFirstAndEqualTeamsShareARank) {
    Flatten_Team(7, 95.0f);
    EXPECT_EQ(Get_Team_Offense_Rank(7), 0);
    EXPECT_EQ(Get_Team_Defense_Rank(7), 0);
    EXPECT_EQ(Get_Team_Overall_Rank(7), 0);
    EXPECT_EQ(Get_Team_Stat_Rank(7, UNIT_STAT_PASSING), 0);
    Flatten_Team(8, 30.0f);
    Flatten_Team(9, 30.0f);
    EXPECT_EQ(Get_Team_Overall_Rank(8), Get_Team_Overall_Rank(9));
    EXPECT_EQ(Get_Team_Overall_Rank(8), FIXTURE_TEAM_COUNT - 2);
    // A win and a scored margin lift the power score over the bare strength.
    int nPower = Get_Team_Power_Score(8);
    EXPECT_EQ(nPower - Get_Team_Overall_Strength(8),
              15 * 2 * (Get_Team_Wins(8) - Get_Team_Losses(8)) +
                  2 * (Sum_Team_Points(8, 1) - Sum_Team_Points(8, 0)) +
                  15 * (Count_Team_Recent_Results(8, 5, RECENT_WINS) +
                        Count_Team_Recent_Results(8, 3, RECENT_WINS) +
                        Count_Team_Recent_Results(8, 1, RECENT_WINS) -
                        Count_Team_Recent_Results(8, 5, RECENT_LOSSES) -
                        Count_Team_Recent_Results(8, 3, RECENT_LOSSES) -
                        Count_Team_Recent_Results(8, 1, RECENT_LOSSES)));
}

TEST_F(UnitRatingsTest, TeamsOutOfUseRateZero) {
    Set_Team_Stat(33, TEAM_CONTROL, CONTROL_NOT_IN_USE);
    for (int nTeam : {33, -1, 41}) {
        EXPECT_EQ(Get_Team_Overall_Strength(nTeam), 0) << nTeam;
        EXPECT_EQ(Get_Team_Power_Score(nTeam), 0) << nTeam;
        EXPECT_EQ(Get_Team_Power_Rank(nTeam), 0) << nTeam;
    }
    EXPECT_EQ(Get_Team_Stat_Rank(8, 39), 0);
    EXPECT_EQ(Get_Team_Stat_Rank(8, 45), 0);
}

}  // namespace
