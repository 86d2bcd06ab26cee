// The computer's depth charts: starters by offensive set and defensive scheme, the fullback slot's
// preferences, the linebacker swap, injured starters, the reserve order and the returners.
#include "new_player_test_support.h"

#define TEST_TEAM 3  // computer-run
#define IN_SEASON_WEEK 3
#define FIRST_POSTSEASON_WEEK 19
#define FIRST_QB_SLOT 0
#define FIRST_FB_SLOT 7
#define FIRST_TE_SLOT 9
#define FIRST_T_SLOT 18
#define FIRST_LB_SLOT 36

class DepthChartTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        gCurrentWeek = IN_SEASON_WEEK;
        gPostseasonWeeks[0] = FIRST_POSTSEASON_WEEK;  // the season is under way
        gCommissionerMode = 0;
        gAllTeamsComputer = 0;
    }

    static int Position_At(int nSlot) {
        return Get_Player_Vital_Stat(TEST_TEAM, nSlot, VITAL_POSITION);
    }

    // The slot now holding the fixture player first put in nFixtureSlot.
    static int Slot_Of(int nFixtureSlot) {
        int nId = Fixture_Player_Id(TEST_TEAM, nFixtureSlot);
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Get_Player_ID(TEST_TEAM, nSlot) == nId)
                return nSlot;
        }
        return -1;
    }
};

TEST_F(DepthChartTest, StartersFollowTheOffensiveSetAndDefensiveScheme) {
    const int kOffence[4][11] = {
        {POS_QB, POS_RB, POS_FB, POS_TE, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T},
        {POS_QB, POS_RB, POS_TE, POS_WR, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T},
        {POS_QB, POS_RB, POS_TE, POS_TE, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T},
        {POS_QB, POS_RB, POS_RB, POS_TE, POS_WR, POS_WR, POS_T, POS_G, POS_C, POS_G, POS_T},
    };
    const int kDefence[2][11] = {
        {POS_DE, POS_DT, POS_DT, POS_DE, POS_LB, POS_LB, POS_LB, POS_CB, POS_CB, POS_S, POS_S},
        {POS_DE, POS_DT, POS_DE, POS_LB, POS_LB, POS_LB, POS_LB, POS_CB, POS_CB, POS_S, POS_S},
    };
    for (int nSet = 0; nSet < 4; nSet++) {
        int nScheme = nSet % 2;
        SCOPED_TRACE(testing::Message() << "set " << nSet << ", scheme " << nScheme);
        Set_Team_Stat(TEST_TEAM, TEAM_OFFENSIVE_SYSTEM, nSet);
        Set_Team_Stat(TEST_TEAM, TEAM_DEFENSIVE_SCHEME, nScheme);
        Set_Team_Depth_Chart(TEST_TEAM);
        for (int n = 0; n < 11; n++) {
            EXPECT_EQ(Position_At(n), kOffence[nSet][n]) << "offence slot " << n;
            EXPECT_EQ(Position_At(Find_Or_Create_Team_Unit_Player(TEST_TEAM, UNIT_DEFENCE) + n),
                      kDefence[nScheme][n])
                << "defence slot " << n;
        }
        int nKickers = Find_Or_Create_Team_Unit_Player(TEST_TEAM, UNIT_KICKERS);
        EXPECT_EQ(Position_At(nKickers), POS_K);
        EXPECT_EQ(Position_At(nKickers + 1), POS_P);
        EXPECT_EQ(Count_Players(TEST_TEAM, ALL_ROSTERS), FIXTURE_ROSTER_SIZE);
    }
    // The best quarterback starts; a team not in use reads the first rows.
    EXPECT_EQ(Slot_Of(FIRST_QB_SLOT), 0);
    EXPECT_EQ(Get_Depth_Chart_Slot_Position(FIXTURE_TEAM_COUNT, UNIT_OFFENCE, 2), POS_FB);
    EXPECT_EQ(Get_Depth_Chart_Slot_Position(FIXTURE_TEAM_COUNT, UNIT_DEFENCE, 3), POS_DE);
}

// The fullback slot takes any fullback first, then a tight end who is not the best one.
TEST_F(DepthChartTest, FullbackSlotPrefersFullbacksThenSpareTightEnds) {
    // Both fullbacks hurt: a tenth of their score, but a fullback still starts there.
    Set_Player_Vital_Stat(TEST_TEAM, FIRST_FB_SLOT, VITAL_INJURY_WEEKS, 2);
    Set_Player_Vital_Stat(TEST_TEAM, FIRST_FB_SLOT + 1, VITAL_INJURY_WEEKS, 2);
    Set_Team_Depth_Chart(TEST_TEAM);
    EXPECT_EQ(Position_At(2), POS_FB);

    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
        if (Get_Player_Vital_Stat(TEST_TEAM, nSlot, VITAL_POSITION) == POS_FB)
            Set_Player_Vital_Stat(TEST_TEAM, nSlot, VITAL_POSITION, POS_WR);
    }
    Set_Team_Depth_Chart(TEST_TEAM);
    EXPECT_EQ(Position_At(2), POS_TE);
    EXPECT_EQ(Position_At(3), POS_TE);
    EXPECT_EQ(Find_Best_Tight_End(TEST_TEAM), 3);  // the best tight end plays tight end

    // With no fullback slot the fullback is a reserve.
    Build_Fixture_League();
    Set_Team_Stat(TEST_TEAM, TEAM_OFFENSIVE_SYSTEM, 1);
    Set_Team_Depth_Chart(TEST_TEAM);
    EXPECT_GE(Slot_Of(FIRST_FB_SLOT), 11);
    EXPECT_GE(Slot_Of(FIRST_FB_SLOT + 1), 11);
}

TEST_F(DepthChartTest, FirstLinebackerWithTheHigherRunKeyGivesWay) {
    // The best linebacker gets the higher Run Defense - Pass Rush / 3: he starts second.
    Set_Player_Rating(TEST_TEAM, FIRST_LB_SLOT, 95.0f, RATING_RUN_DEFENSE);
    Set_Player_Rating(TEST_TEAM, FIRST_LB_SLOT, 30.0f, RATING_PASS_RUSH);
    Set_Player_Rating(TEST_TEAM, FIRST_LB_SLOT + 1, 60.0f, RATING_RUN_DEFENSE);
    Set_Player_Rating(TEST_TEAM, FIRST_LB_SLOT + 1, 99.0f, RATING_PASS_RUSH);
    Set_Team_Depth_Chart(TEST_TEAM);
    int nFirstLinebacker = Find_Or_Create_Team_Unit_Player(TEST_TEAM, UNIT_DEFENCE) + 4;
    EXPECT_EQ(Slot_Of(FIRST_LB_SLOT), nFirstLinebacker + 1);
    EXPECT_EQ(Slot_Of(FIRST_LB_SLOT + 1), nFirstLinebacker);
}

TEST_F(DepthChartTest, InjuredStarterSitsUnlessKept) {
    Set_Player_Vital_Stat(TEST_TEAM, FIRST_QB_SLOT, VITAL_INJURY_WEEKS, 3);
    Set_Team_Depth_Chart(TEST_TEAM);
    EXPECT_EQ(Slot_Of(FIRST_QB_SLOT + 1), 0);
    EXPECT_EQ(Slot_Of(FIRST_QB_SLOT), 12);  // the last reserve quarterback, at a tenth of his score
    Reset_Team_Depth_Chart(TEST_TEAM, 1);
    EXPECT_EQ(Slot_Of(FIRST_QB_SLOT), 0);
}

// Reserves run by position code, then by score; an empty unit gets a created player.
TEST_F(DepthChartTest, ReservesAreOrderedAndEmptyUnitsFilled) {
    Set_Team_Depth_Chart(TEST_TEAM);
    for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++) {
        int nLast = Find_Team_Unit_Last_Player(TEST_TEAM, nUnit);
        for (int nSlot = Get_Unit_First_Reserve_Slot(TEST_TEAM, nUnit); nSlot < nLast; nSlot++) {
            int nPosition = Position_At(nSlot);
            ASSERT_LE(nPosition, Position_At(nSlot + 1)) << "slot " << nSlot;
            if (nPosition == Position_At(nSlot + 1)) {
                EXPECT_GE(Get_Player_Depth_Chart_Score(TEST_TEAM, nSlot, nPosition, 0),
                          Get_Player_Depth_Chart_Score(TEST_TEAM, nSlot + 1, nPosition, 0))
                    << "slot " << nSlot;
            }
        }
    }

    for (int nSlot = Find_Free_Player_Slot(TEST_TEAM) - 1; nSlot >= 11; nSlot--)
        Delete_Player(TEST_TEAM, nSlot);
    Set_Team_Depth_Chart(TEST_TEAM);
    EXPECT_EQ(Count_Team_Unit_Players(TEST_TEAM, UNIT_DEFENCE), 1);
    EXPECT_EQ(Count_Team_Unit_Players(TEST_TEAM, UNIT_KICKERS), 1);
}

// The line's sides follow the players' roles: a right tackle put on the left moves right.
TEST_F(DepthChartTest, LineRolesPickTheirSide) {
    Set_Player_Byte_Stat(TEST_TEAM, FIRST_T_SLOT, BYTE_EXPANDED_POSITION, ROLE_RT);
    Set_Team_Depth_Chart(TEST_TEAM);
    EXPECT_EQ(Slot_Of(FIRST_T_SLOT), 10);
    EXPECT_EQ(Position_At(6), POS_T);
}

TEST_F(DepthChartTest, ReturnersAreTheBestReturnMenAndFallBackToSlotFive) {
    Set_Team_Depth_Chart(TEST_TEAM);
    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
        Set_Player_Rating(TEST_TEAM, nSlot, 20.0f, RATING_KICK_RETURNS);
        Set_Player_Rating(TEST_TEAM, nSlot, 40.0f, RATING_SPEED);
        Set_Player_Rating(TEST_TEAM, nSlot, 40.0f, RATING_QUICKNESS);
    }
    // The starting running back's 99 counts three quarters: (495 + 120) x 0.75 < 400 + 120.
    Set_Player_Rating(TEST_TEAM, 1, 99.0f, RATING_KICK_RETURNS);
    int nCorner = Get_Team_Position_Player(TEST_TEAM, POS_CB, 3);
    Set_Player_Rating(TEST_TEAM, nCorner, 80.0f, RATING_KICK_RETURNS);
    EXPECT_EQ(Choose_Team_Returner(TEST_TEAM, KICK_RETURNER), nCorner);
    EXPECT_EQ(Get_Team_Returner(TEST_TEAM, KICK_RETURNER), nCorner);
    Set_Player_Rating(TEST_TEAM, nCorner, 60.0f, RATING_KICK_RETURNS);
    EXPECT_EQ(Choose_Team_Returner(TEST_TEAM, KICK_RETURNER), 1);

    // A stored returner who plays a returning position stays; a quarterback does not.
    Set_Team_Returner(TEST_TEAM, KICK_RETURNER, nCorner);
    Set_Team_Returner(TEST_TEAM, PUNT_RETURNER, 0);
    Check_Team_Returners(TEST_TEAM);
    EXPECT_EQ(Get_Team_Returner(TEST_TEAM, KICK_RETURNER), nCorner);
    EXPECT_TRUE(Is_Returner_Position(TEST_TEAM, Get_Team_Returner(TEST_TEAM, PUNT_RETURNER)));

    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
        Set_Player_Vital_Stat(TEST_TEAM, nSlot, VITAL_POSITION, POS_G);
    EXPECT_EQ(Choose_Team_Returner(TEST_TEAM, PUNT_RETURNER), 5);
}

// A human-run team's scores are scaled alike, so its starters are the ones the computer picks.
TEST_F(DepthChartTest, HumanTeamJitterKeepsTheOrder) {
    Set_Team_Depth_Chart(FIXTURE_HUMAN_TEAM);
    int anHuman[FIXTURE_ROSTER_SIZE];
    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
        anHuman[nSlot] = Get_Player_ID(FIXTURE_HUMAN_TEAM, nSlot);
    Build_Fixture_League();
    gAllTeamsComputer = 1;
    Set_Team_Depth_Chart(FIXTURE_HUMAN_TEAM);
    for (int nSlot = 0; nSlot < 24; nSlot++)
        EXPECT_EQ(Get_Player_ID(FIXTURE_HUMAN_TEAM, nSlot), anHuman[nSlot]) << "slot " << nSlot;
}

// The weekly run leaves human-run teams and everyone in Commissioner Mode alone.
TEST_F(DepthChartTest, ComputerDepthChartsSkipHumanTeamsAndCommissionerMode) {
    Set_Player_Vital_Stat(TEST_TEAM, FIRST_QB_SLOT, VITAL_INJURY_WEEKS, 3);
    Set_Player_Vital_Stat(FIXTURE_HUMAN_TEAM, FIRST_QB_SLOT, VITAL_INJURY_WEEKS, 3);
    gCommissionerMode = 1;
    Set_Computer_Depth_Charts(0);
    EXPECT_EQ(Slot_Of(FIRST_QB_SLOT), 0);
    gCommissionerMode = 0;
    Set_Computer_Depth_Charts(0);
    EXPECT_EQ(Slot_Of(FIRST_QB_SLOT), 12);
    EXPECT_EQ(Get_Player_ID(FIXTURE_HUMAN_TEAM, 0), Fixture_Player_Id(FIXTURE_HUMAN_TEAM, 0));
}
