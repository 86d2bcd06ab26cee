// The formation table, the formation lineups and the players on the field.
#include "engine_test_fixture.h"
#include "personnel/personnel.h"

#define KICKER_SLOT 51
#define FIRST_RB_SLOT 3
#define THIRD_WR_SLOT 14

TEST_F(EngineTest, SpotTableShape) {
    static const int kLine[5][2] = {{POS_T, 1}, {POS_G, 1}, {POS_C, 1}, {POS_G, 2}, {POS_T, 2}};
    for (int nFormation = 0; nFormation < FORMATION_COUNT; nFormation++) {
        for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
            const FORMATION_SPOT& spot = FORMATION_SPOT_TABLE[nFormation][nSpot];
            EXPECT_TRUE(spot.nPosition >= 0 && spot.nPosition <= FORMATION_RETURNER) << nFormation;
            EXPECT_TRUE(spot.nDepth >= 1 && spot.nDepth <= 6) << nFormation << "/" << nSpot;
            EXPECT_TRUE(spot.x >= -25 && spot.x <= 25 && spot.y >= -10 && spot.y <= 15);
        }
        if (nFormation >= FIRST_DEFENSIVE_FORMATION)
            continue;
        for (int n = 0; n < 5; n++) {  // every offence lines up left tackle to right tackle
            const FORMATION_SPOT& spot = FORMATION_SPOT_TABLE[nFormation][6 + n];
            EXPECT_EQ(spot.nPosition, kLine[n][0]) << nFormation;
            EXPECT_EQ(spot.nDepth, kLine[n][1]) << nFormation;
            EXPECT_EQ(spot.y, 0.0) << nFormation;
        }
    }
    const struct {
        int nFormation, nSpot, nPosition, nDepth;
        double x, y;
    } kSamples[] = {
        {0, 1, POS_RB, 1, -0.01, -5},
        {18, 2, POS_RB, 2, -3.4, -3.31},
        {21, 0, POS_RB, 2, 0, -1.6},
        {29, 10, POS_S, 2, 2, 7},
        {40, 6, POS_TE, 2, 13.25, -2},
        {42, 1, POS_K, 1, -1.6, -8.8},
        {44, 0, FORMATION_RETURNER, 1, 0, 14},
        {46, 0, FORMATION_RETURNER, 2, -6, 2},
        {47, 0, POS_DE, 3, -6, 2},
    };
    for (const auto& sample : kSamples) {
        EXPECT_EQ(Get_Formation_Spot_Position(sample.nFormation, sample.nSpot, SPOT_FIELD_POSITION),
                  sample.nPosition);
        EXPECT_EQ(Get_Formation_Spot_Position(sample.nFormation, sample.nSpot, SPOT_FIELD_DEPTH),
                  sample.nDepth - 1);
        double x, y;
        Get_Formation_Coordinate(sample.nFormation, sample.nSpot, &x, &y);
        EXPECT_EQ(x, sample.x) << sample.nFormation;
        EXPECT_EQ(y, sample.y) << sample.nFormation;
    }
}

TEST_F(EngineTest, FormationNamesCoordinatesAndStarters) {
    char szName[FORMATION_NAME_SIZE];
    const struct {
        int nFormation;
        const char* szName;
    } kNames[] = {{-5, "'I' Formation"}, {21, "Wildcat"}, {22, "4-3"},
                  {38, "Goal Line"},     {39, ""},        {60, ""}};
    for (const auto& name : kNames) {
        Get_Formation_Name(name.nFormation, szName, sizeof(szName));
        EXPECT_STREQ(szName, name.szName);
    }
    double x = 1, y = 1;
    Get_Formation_Coordinate(48, 0, &x, &y);
    EXPECT_EQ(Last_Error(), "Invalid nFormation in Get_Formation_Coordinate(48,0)");
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);

    EXPECT_TRUE(Is_Shotgun_Formation(8) && Is_Shotgun_Formation(21) && Is_Shotgun_Formation(43));
    EXPECT_FALSE(Is_Shotgun_Formation(3) || Is_Shotgun_Formation(13) || Is_Shotgun_Formation(44));

    EXPECT_EQ(Get_Position_Starter_Count(TEST_HOME, POS_LB), 3);
    EXPECT_EQ(Get_Position_Starter_Count(TEST_HOME, POS_K), 0);
    Set_Team_Stat(TEST_HOME, TEAM_DEFENSIVE_SCHEME, 1);
    EXPECT_EQ(Get_Position_Starter_Count(TEST_HOME, POS_LB), 4);
    EXPECT_EQ(Get_Position_Starter_Count(TEST_HOME, POS_DT), 1);
    EXPECT_EQ(Get_Position_Starter_Count(TEST_HOME, 15), 0);
}

// Every spot of a full roster's formations is filled from the depth chart.
TEST_F(EngineTest, LineupsFillFromTheDepthChart) {
    ASSERT_EQ(Fill_Team_Formation_Lineups(TEST_HOME, LINEUP_MODE_STARTERS), 1);
    const int32_t(*aanLineups)[FORMATION_SPOTS] = gTeams[TEST_HOME].aanFormationLineups;
    EXPECT_EQ(aanLineups[FORMATION_PRO_SET][0], Fixture_Player_Id(TEST_HOME, 0));  // QB1
    EXPECT_EQ(aanLineups[FORMATION_PRO_SET][1], Fixture_Player_Id(TEST_HOME, FIRST_RB_SLOT));
    EXPECT_EQ(aanLineups[FORMATION_FIELD_GOAL][1], Fixture_Player_Id(TEST_HOME, KICKER_SLOT));
    EXPECT_EQ(aanLineups[FORMATION_KICKOFF_RETURN][0],
              Fixture_Player_Id(TEST_HOME, Get_Team_Returner(TEST_HOME, KICK_RETURNER)));
    EXPECT_EQ(Get_Formation_Lineup_Entry(FORMATION_PRO_SET, TEST_HOME, 0), 1);
    EXPECT_TRUE(Is_In_Formation_Lineup(TEST_HOME, FORMATION_PRO_SET, 0));
    EXPECT_FALSE(Is_In_Formation_Lineup(TEST_HOME, FORMATION_PRO_SET, 1));

    // Resting the starter brings the backup quarterback on at scrimmage only.
    ASSERT_EQ(Fill_Team_Formation_Lineups(TEST_HOME, LINEUP_MODE_REST_QB), 1);
    EXPECT_EQ(aanLineups[FORMATION_PRO_SET][0], Fixture_Player_Id(TEST_HOME, 1));
    EXPECT_EQ(aanLineups[FORMATION_4_3][0], Fixture_Player_Id(TEST_HOME, 28));

    // An injured starter gives way to the next player of his position.
    Set_Player_Vital_Stat(TEST_HOME, 0, VITAL_INJURY_WEEKS, 3);
    Fill_Team_Formation_Lineups(TEST_HOME, LINEUP_MODE_STARTERS);
    EXPECT_EQ(aanLineups[FORMATION_PRO_SET][0], Fixture_Player_Id(TEST_HOME, 1));
}

// With both returners hurt the third wide receiver returns kicks.
TEST_F(EngineTest, InjuredReturnersHandToTheThirdReceiver) {
    Set_Team_Returner(TEST_HOME, KICK_RETURNER, FIRST_RB_SLOT);
    Set_Team_Returner(TEST_HOME, PUNT_RETURNER, FIRST_RB_SLOT);
    ASSERT_EQ(Get_Available_Position_Player(TEST_HOME, FORMATION_RETURNER, KICK_RETURNER),
              FIRST_RB_SLOT);
    Set_Player_Vital_Stat(TEST_HOME, FIRST_RB_SLOT, VITAL_INJURY_WEEKS, 2);
    EXPECT_EQ(Get_Available_Position_Player(TEST_HOME, FORMATION_RETURNER, KICK_RETURNER),
              THIRD_WR_SLOT);
    EXPECT_EQ(Get_Available_Position_Player(TEST_HOME, POS_QB, 3), NO_SLOT_BYTE);
    EXPECT_EQ(Get_Team_Position_Player_Checked(TEST_HOME, POS_K, 1), NO_SLOT_BYTE);
}

// A roster too small to fill a formation leaves the spots it cannot fill empty.
TEST_F(EngineTest, ShortRosterLeavesSpotsEmpty) {
    for (int nSlot = 5; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
        Clear_Player(TEST_HOME, nSlot);
    EXPECT_EQ(Fill_Formation_Lineup(FORMATION_PRO_SET, TEST_HOME, LINEUP_MODE_STARTERS), 0);
    EXPECT_EQ(Fill_Team_Formation_Lineups(TEST_HOME, LINEUP_MODE_STARTERS), 0);
    EXPECT_EQ(gTeams[TEST_HOME].aanFormationLineups[FORMATION_PRO_SET][10], LINEUP_EMPTY);
    EXPECT_EQ(Fill_Team_Formation_Lineups(50, LINEUP_MODE_STARTERS), 0);
}

// The players on the field come from the lineup; a player who has left the team leaves his
// spot empty and his record untouched.
TEST_F(EngineTest, OnFieldPlayersFollowTheLineup) {
    Fill_Team_Formation_Lineups(TEST_HOME, LINEUP_MODE_STARTERS);
    Fill_Team_Formation_Lineups(TEST_VISITOR, LINEUP_MODE_STARTERS);
    int nStranger = Fixture_Player_Id(5, 0);
    Set_Formation_Lineup_Entry(FORMATION_PRO_SET, TEST_HOME, 2, nStranger);
    Set_Default_Formations(pGame);
    EXPECT_EQ(pGame->anFormations[HOME_SIDE], FORMATION_PRO_SET);
    EXPECT_EQ(pGame->anFormations[VISITOR_SIDE], FORMATION_4_3);
    EXPECT_EQ(pGame->aabOnField[HOME_SIDE][0], 0);
    EXPECT_EQ(pGame->aabOnField[HOME_SIDE][2], NO_SLOT_BYTE);
    EXPECT_EQ(pGame->aabOnField[VISITOR_SIDE][0], 28);  // DE1
    EXPECT_EQ(Get_Player_Vital_Stat(TEST_HOME, 0, VITAL_ON_FIELD), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(5, 0, VITAL_ON_FIELD), 0);
    EXPECT_EQ(Get_Formation_Lineup_Player(FORMATION_PRO_SET, TEST_HOME, 2),
              (PLAYER_REF)(TEST_HOME | (NO_SLOT_BYTE << 8)));

    Set_Team_Stat(TEST_VISITOR, TEAM_DEFENSIVE_SCHEME, 1);
    Set_Default_Formations(pGame);
    EXPECT_EQ(pGame->anFormations[VISITOR_SIDE], FORMATION_3_4);
}

// A roster beyond the game record's 80 slots dresses only its first 80: a starter in slot 85
// gives way to the best player below it, and a lineup that names him leaves his spot empty.
TEST_F(EngineTest, OnlyTheSlotsTheGameListsTakeTheField) {
    const int kFarSlot = GAME_ROSTER_SLOTS + 5;
    ASSERT_EQ(Swap_Players(TEST_HOME, 0, TEST_HOME, kFarSlot), 1);  // QB1 to slot 85
    Fill_Team_Formation_Lineups(TEST_HOME, LINEUP_MODE_STARTERS);
    int nFarId = Get_Player_ID(TEST_HOME, kFarSlot);
    for (int nFormation = 0; nFormation < FORMATION_COUNT; nFormation++)
        for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++)
            ASSERT_NE(gTeams[TEST_HOME].aanFormationLineups[nFormation][nSpot], nFarId)
                << nFormation << "/" << nSpot;
    EXPECT_EQ(gTeams[TEST_HOME].aanFormationLineups[FORMATION_PRO_SET][0],
              Fixture_Player_Id(TEST_HOME, 1));  // QB2

    Set_Formation_Lineup_Entry(FORMATION_PRO_SET, TEST_HOME, 0, nFarId);
    Set_Default_Formations(pGame);
    EXPECT_EQ(pGame->aabOnField[HOME_SIDE][0], NO_SLOT_BYTE);
    EXPECT_EQ(Get_Player_Vital_Stat(TEST_HOME, kFarSlot, VITAL_ON_FIELD), 0);
}

// The formations the two calls line up in.
TEST_F(EngineTest, PlayFormationsFollowTheCalls) {
    const struct {
        int nDown, nCall, nDefensiveCall, nOffence, nDefence;
    } kCases[] = {
        {KICKOFF, 0, -1, FORMATION_KICKOFF, FORMATION_KICKOFF_RETURN},
        {FREE_KICK, 12, -1, FORMATION_ONSIDE_KICK, FORMATION_KICKOFF_RETURN},  // 12 is 2
        {KICKOFF, 3, -1, FORMATION_ONSIDE_KICK, FORMATION_KICKOFF_RETURN},     // surprise onside
        {CONVERSION_ATTEMPT, HARD_CODED_FIELD_GOAL_PLAY, 4, FORMATION_EXTRA_POINT,
         FORMATION_FIELD_GOAL_BLOCK},
        {CONVERSION_ATTEMPT, 5, 4, 7, FORMATION_4_4},
        {THIRD_DOWN, 0, 2, FORMATION_PRO_SET, FORMATION_3_4},
        {FOURTH_DOWN, HARD_CODED_PUNT_PLAY, 2, FORMATION_PUNT, FORMATION_PUNT_RETURN},
        {FOURTH_DOWN, HARD_CODED_FIELD_GOAL_PLAY, 2, FORMATION_FIELD_GOAL,
         FORMATION_FIELD_GOAL_BLOCK},
    };
    for (const auto& c : kCases) {
        pGame->nFlags = c.nDown;
        pGame->currentPlay.nOffensiveCall = (int8_t)c.nCall;
        pGame->currentPlay.nDefensiveCall = (int8_t)c.nDefensiveCall;
        Set_Play_Formations(pGame);
        EXPECT_EQ(pGame->anFormations[HOME_SIDE], c.nOffence) << c.nDown << "/" << c.nCall;
        EXPECT_EQ(pGame->anFormations[VISITOR_SIDE], c.nDefence) << c.nDown << "/" << c.nCall;
    }
}

// The surplus position of a roster and the player it can spare.
TEST_F(EngineTest, SurplusPositionAndPlayer) {
    EXPECT_EQ(Find_Team_Surplus_Position(TEST_HOME), POS_WR);  // 6 of 6 beats 4 of 4
    Set_Player_Vital_Stat(TEST_HOME, 15, VITAL_POSITION, POS_TE);
    EXPECT_EQ(Find_Team_Surplus_Position(TEST_HOME), POS_CB);  // 5 of 5 beats RB's 4 of 4
    uint8_t nSlot = Find_Least_Valuable_Surplus_Player(TEST_HOME);
    EXPECT_EQ(Get_Player_Vital_Stat(TEST_HOME, nSlot, VITAL_POSITION), POS_CB);
    EXPECT_EQ(Find_Least_Valuable_Surplus_Player(45), NO_SLOT_BYTE);
}
