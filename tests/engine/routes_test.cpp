// The pass route table, its queries, and the players picked by route and role.
#include "engine_test_fixture.h"

TEST_F(EngineTest, RouteTableShape) {
    for (int nRoute = 0; nRoute < PASS_ROUTE_COUNT; nRoute++) {
        const PASS_ROUTE& route = gPassRoutes[nRoute];
        EXPECT_TRUE(route.szName != NULL && route.szName[0]) << nRoute;
        EXPECT_LE(route.nMinDepth, route.nMaxDepth) << nRoute;
        EXPECT_TRUE(route.nKind >= ROUTE_KIND_DOWNFIELD && route.nKind <= ROUTE_KIND_DELAYED);
    }
    char szName[PASS_ROUTE_NAME_SIZE];
    Get_Pass_Route_Name(48, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Rollout");
    Get_Pass_Route_Name(49, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Rollout");
    Get_Pass_Route_Name(0, szName, sizeof(szName));
    EXPECT_STREQ(szName, "(0) Hitch");
    ROUTE_POINT point = Get_Pass_Route_Point(46, 3);
    EXPECT_EQ(point.x, -22);
    EXPECT_EQ(point.y, -2);
    EXPECT_EQ(Get_Route_Kind(41), ROUTE_KIND_RUN_BLOCK);
}

// Depths: the average rounds half up and truncates towards 0; the two reverse tricks run from
// their deeper end.
TEST_F(EngineTest, RouteDepthBounds) {
    const struct {
        int nRoute, nMin, nMax, nAverage;
    } kCases[] = {
        {9, 22, 40, 31},  {11, -4, -1, -2}, {46, -10, -8, -8},
        {47, -6, -4, -4}, {54, 0, 0, 0},    {6, 10, 13, 12},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Get_Route_Min_Depth(c.nRoute), c.nMin) << c.nRoute;
        EXPECT_EQ(Get_Route_Max_Depth(c.nRoute), c.nMax) << c.nRoute;
        EXPECT_EQ(Get_Route_Average_Depth(c.nRoute), c.nAverage) << c.nRoute;
    }
    EXPECT_EQ(Get_Route_Average_Depth(57), 0);
    EXPECT_EQ(Get_Route_Average_Depth(-1), 0);
}

TEST_F(EngineTest, ReceivingRoutesAndSegments) {
    EXPECT_EQ(Valid_Receiving_Route(55), 1);
    EXPECT_EQ(Valid_Receiving_Route(11), 1);
    EXPECT_EQ(Valid_Receiving_Route(37), 0);
    EXPECT_EQ(Valid_Receiving_Route(54), 0);
    EXPECT_EQ(Last_Error(), "");
    EXPECT_EQ(Valid_Receiving_Route(52), 0);
    EXPECT_EQ(Last_Error(), "Unhandled nPassRoute in Valid_Receiving_Route([52])");

    Clear_Errors();
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(31, 0), ROUTE_NEW_PATH | ROUTE_HITCH);
    EXPECT_EQ(Get_Pass_Route_Segment_Flag(30, 1), ROUTE_NEW_PATH);
    EXPECT_EQ(Last_Error(), "");
    EXPECT_TRUE(Has_Arrow_Flag(Get_Pass_Route_Segment_Flag(46, 3)));
    EXPECT_FALSE(Has_Arrow_Flag(ROUTE_BLOCK | ROUTE_HITCH));

    ROUTE_POINT start, end;
    Get_Route_Segment_Ends(0, 3, &start, &end);  // "(3) Out": up seven yards ...
    EXPECT_EQ(start.x, 0);
    EXPECT_EQ(end.y, 7);
    Get_Route_Segment_Ends(1, 3, &start, &end);  // ... then nine across
    EXPECT_EQ(start.y, 7);
    EXPECT_EQ(end.x, 9);
    Get_Route_Segment_Ends(2, 3, &start, &end);  // an unused segment stays at its start
    EXPECT_EQ(end.x, start.x);
    EXPECT_EQ(end.y, start.y);

    EXPECT_EQ(Get_Hole_Lateral_Offset(0), 1);
    EXPECT_EQ(Get_Hole_Lateral_Offset(9), -9);
    EXPECT_EQ(Get_Hole_Lateral_Offset(10), 0);
    EXPECT_TRUE(Offensive_Play_Has_Lead_Block(DEFAULT_PLAYBOOK, 1));
    EXPECT_TRUE(Is_Play_Action_Play(DEFAULT_PLAYBOOK, 24));
    EXPECT_FALSE(Is_Read_Option_Play(DEFAULT_PLAYBOOK, 24));
    EXPECT_TRUE(Is_End_Around_Play(DEFAULT_PLAYBOOK, 52));
}

// The players a route or a role picks come from the side's on-field spots.
TEST_F(EngineTest, PlayersPickedByRouteAndRole) {
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        pGame->aabOnField[HOME_SIDE][nSpot] = (uint8_t)(10 + nSpot);
        pGame->aabOnField[VISITOR_SIDE][nSpot] = (uint8_t)(30 + nSpot);
    }
    pGame->currentPlay.nOffensiveCall = 24;  // receiver 0 runs "Play Action"
    pGame->currentPlay.nDefensiveCall = 2;   // rushers on spots 0..3 and the corner on 7
    EXPECT_EQ(Find_Play_Action_Back(pGame), 11);
    EXPECT_EQ(Find_Defensive_Play_Action_Player(pGame), NO_SLOT_BYTE);
    Seed_Random(FIXED_RANDOM_SEED);
    for (int n = 0; n < 20; n++) {
        uint8_t nRusher = Pick_Random_Rusher(pGame);
        EXPECT_TRUE((nRusher >= 30 && nRusher <= 33) || nRusher == 37) << (int)nRusher;
        EXPECT_EQ(Pick_Pass_Blocker(pGame), NO_SLOT_BYTE);  // nobody blocks on play 24
    }

    // Receiver 4 pass-blocks on play 31 ("Pro 852" routes 39 39 8 5 2 block with receivers 0, 1).
    Set_Offensive_Play_Route(TEST_HOME, 31, 4, ROUTE_PASS_BLOCK);
    pGame->currentPlay.nOffensiveCall = 31;
    for (int n = 0; n < 20; n++) {
        uint8_t nBlocker = Pick_Pass_Blocker(pGame);
        EXPECT_TRUE(nBlocker == 11 || nBlocker == 15) << (int)nBlocker;
    }
    pGame->currentPlay.nDefensiveCall = 24;  // "4-Deep Zone": rushers on spots 0..2 only
    for (int n = 0; n < 20; n++)
        EXPECT_LE(Pick_Random_Rusher(pGame), 32);
}

// The hole of an end around follows the side of its ball carrier.
TEST_F(EngineTest, RunHoleOfTheCall) {
    pGame->currentPlay.nOffensiveCall = 0;
    EXPECT_EQ(Get_Play_Run_Hole(pGame), 1);
    pGame->currentPlay.nOffensiveCall = 52;  // receiver 2 in Pro Set stands at x = -12
    pGame->anFormations[HOME_SIDE] = FORMATION_PRO_SET;
    EXPECT_EQ(Get_Play_Run_Hole(pGame), 8);
    pGame->anFormations[HOME_SIDE] = 14;  // "Trips Strong" puts him right
    EXPECT_EQ(Get_Play_Run_Hole(pGame), 9);
}
