// The rules of an edited play: roles and routes a position may take, and the repairs of a play
// after one of its assignments changed.
#include "engine_test_fixture.h"

namespace {

#define OUTSIDE_RUSH 1
#define INSIDE_RUSH 2
#define CORNER_BLITZ 3
#define SHORT_ZONE 9
#define BUMP_AND_RUN 12
#define MAN_TO_MAN 13
#define SCREEN_ROUTE 11  // a backfield route: no wide receiver's
#define CHAIR_ROUTE 15   // the first downfield route above it
#define GO_ROUTE 9       // the first one below it (10, "Seam", is no receiver's either)
#define RUN_BLOCK_ROUTE 41
#define PASS_BLOCK_ROUTE 39

// A formation and spot 1..5 that a position fills; false when none does.
bool Find_Receiver_Spot(int nPosition, int* pFormation, int* pSpot) {
    for (int nFormation = 0; nFormation < FIRST_DEFENSIVE_FORMATION; nFormation++)
        for (int nSpot = 1; nSpot <= PLAY_RECEIVERS; nSpot++)
            if (Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_POSITION) == nPosition) {
                *pFormation = nFormation;
                *pSpot = nSpot;
                return true;
            }
    return false;
}

// A role the position may not take and what it becomes; -1 for a position that takes every role.
int Forbidden_Role_Of(int nPosition, int* pReplacement) {
    struct RULE {
        int nPosition, nRole, nReplacement;
    } const kRules[] = {{POS_DE, CORNER_BLITZ, INSIDE_RUSH},
                        {POS_DT, MAN_TO_MAN, SHORT_ZONE},
                        {POS_LB, BUMP_AND_RUN, SHORT_ZONE},
                        {POS_CB, INSIDE_RUSH, CORNER_BLITZ},
                        {POS_S, CORNER_BLITZ, OUTSIDE_RUSH}};
    for (const RULE& rule : kRules)
        if (rule.nPosition == nPosition) {
            *pReplacement = rule.nReplacement;
            return rule.nRole;
        }
    return -1;
}

TEST_F(EngineTest, DefensiveRolesByPosition) {
    struct CASE {
        int nPosition, nRole, nExpected;
    } const kCases[] = {
        {POS_DE, CORNER_BLITZ, INSIDE_RUSH},
        {POS_DT, CORNER_BLITZ, INSIDE_RUSH},
        {POS_DT, BUMP_AND_RUN, SHORT_ZONE},
        {POS_DT, MAN_TO_MAN, SHORT_ZONE},
        {POS_LB, BUMP_AND_RUN, SHORT_ZONE},
        {POS_LB, MAN_TO_MAN, SHORT_ZONE},
        {POS_CB, OUTSIDE_RUSH, CORNER_BLITZ},
        {POS_CB, INSIDE_RUSH, CORNER_BLITZ},
        {POS_S, CORNER_BLITZ, OUTSIDE_RUSH},
        // What a position may take stays; other positions take everything.
        {POS_CB, MAN_TO_MAN, MAN_TO_MAN},
        {POS_S, BUMP_AND_RUN, BUMP_AND_RUN},
        {POS_DE, MAN_TO_MAN, MAN_TO_MAN},
        {POS_WR, CORNER_BLITZ, CORNER_BLITZ},
    };
    for (const CASE& c : kCases)
        EXPECT_EQ(Fix_Defensive_Role(c.nPosition, c.nRole), c.nExpected)
            << c.nPosition << " " << c.nRole;
}

// Every defender of every defensive formation, not only the first five: a role his position may
// not take is replaced, and the other defenders keep theirs.
TEST_F(EngineTest, ValidationFixesEveryDefender) {
    const int nPlay = 4;
    DEFENSIVE_PLAY* pPlay = Get_Editable_Defensive_Play(TEST_HOME, nPlay);
    ASSERT_TRUE(pPlay != NULL);
    int nLateSpots = 0;
    for (int nFormation = FIRST_DEFENSIVE_FORMATION; nFormation < FIRST_SPECIAL_FORMATION;
         nFormation++) {
        for (int nDefender = 0; nDefender < PLAY_DEFENDERS; nDefender++) {
            int nPosition = Get_Formation_Spot_Position(nFormation, nDefender, SPOT_FIELD_POSITION);
            int nReplacement = -1;
            int nBad = Forbidden_Role_Of(nPosition, &nReplacement);
            if (nBad < 0)
                continue;
            SCOPED_TRACE(testing::Message()
                         << "formation " << nFormation << " defender " << nDefender);
            pPlay->nFormation = nFormation;
            for (int n = 0; n < PLAY_DEFENDERS; n++)
                pPlay->anRoles[n] = DEEP_ZONE_ROLE;  // every position may drop deep
            pPlay->anRoles[nDefender] = nBad;
            Validate_Play_Assignments(TEST_HOME, PLAYBOOK_SIDE_DEFENCE, nPlay, 1);
            for (int n = 0; n < PLAY_DEFENDERS; n++)
                EXPECT_EQ(pPlay->anRoles[n], n == nDefender ? nReplacement : DEEP_ZONE_ROLE) << n;
            nLateSpots += nDefender >= 5;
        }
    }
    EXPECT_GT(nLateSpots, 0);
}

// "[Not Available]" lands on the next route the position may run in the direction of the pick.
TEST_F(EngineTest, RoutesFollowThePositionInTheStepsDirection) {
    EXPECT_EQ(Adjust_Route_For_Position(POS_WR, SCREEN_ROUTE, 1), CHAIR_ROUTE);
    EXPECT_EQ(Adjust_Route_For_Position(POS_WR, SCREEN_ROUTE, -1), GO_ROUTE);
    EXPECT_EQ(Adjust_Route_For_Position(POS_WR, 0, -1), 0);
    EXPECT_EQ(Adjust_Route_For_Position(POS_TE, PASS_BLOCK_ROUTE, 1), RUN_BLOCK_ROUTE);
    EXPECT_EQ(Adjust_Route_For_Position(POS_RB, RUN_BLOCK_ROUTE, 1), 42);
    EXPECT_EQ(Adjust_Route_For_Position(POS_QB, RUN_BLOCK_ROUTE, 1), RUN_BLOCK_ROUTE);
    EXPECT_FALSE(Can_Position_Run_Route(POS_WR, SCREEN_ROUTE));
    EXPECT_TRUE(Can_Position_Run_Route(POS_RB, SCREEN_ROUTE));
}

class PlayValidationTest : public EngineTest {
protected:
    const int nPlay = 12;
    OFFENSIVE_PLAY* pPlay = NULL;

    void SetUp() override {
        EngineTest::SetUp();
        pPlay = Get_Editable_Offensive_Play(TEST_HOME, nPlay);
        ASSERT_TRUE(pPlay != NULL);
        pPlay->nFormation = FORMATION_PRO_SET;
        for (int n = 0; n < PLAY_RECEIVERS; n++)
            pPlay->anRoutes[n] = 0;
    }
    void Validate(int nStep) {
        Validate_Play_Assignments(TEST_HOME, PLAYBOOK_SIDE_OFFENCE, nPlay, nStep);
    }
};

// A sweep or end around keeps its side and goes at least outside; a negative hole becomes 2.
TEST_F(PlayValidationTest, RunPlaysGoToTheirHoleAndTheCarrierRunsHisRoute) {
    struct CASE {
        int nType, nHole, nCarrier, nExpectedHole, nExpectedRoute;
    } const kCases[] = {
        {PLAY_SWEEP, 2, 2, 6, ROUTE_RUSH}, {PLAY_SWEEP, 3, 2, 7, ROUTE_RUSH},
        {PLAY_SWEEP, 8, 2, 8, ROUTE_RUSH}, {PLAY_END_AROUND, 4, 6, 6, ROUTE_REVERSE},
        {PLAY_DIVE, -1, 1, 2, -1},         {PLAY_SWEEP, -1, 2, 7, ROUTE_RUSH},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.nType << " hole " << c.nHole);
        pPlay->nType = c.nType;
        pPlay->nHole = c.nHole;
        pPlay->nPrimaryPlayer = c.nCarrier;
        Validate(1);
        EXPECT_EQ(pPlay->nHole, c.nExpectedHole);
        if (c.nExpectedRoute >= 0) {
            EXPECT_EQ(pPlay->anRoutes[c.nCarrier - 2], c.nExpectedRoute);
        }
    }
}

// Five blocks: the receiver the search starts at gets a slant and a receiver stays primary; a
// quarterback left primary of a pass is replaced by the receiver found.
TEST_F(PlayValidationTest, PassPlaysKeepAReceiverPrimary) {
    struct CASE {
        int nPrimary, nCatchable;  // the one receiver with a catchable route, -1 for none
        int nExpectedPrimary, nSlanted;
    } const kCases[] = {
        {4, -1, 4, 2},                 // receiver 2 primary, all blocks: he runs the slant
        {3, -1, 3, 1}, {1, -1, 4, 2},  // the quarterback: receiver 2 runs it and becomes primary
        {0, 3, 5, -1},                 // nobody: the first catchable route from receiver 2 on
        {6, 1, 3, -1},                 // the search wraps from receiver 4 to receiver 1
        {5, 3, 5, -1},                 // the primary has one: nothing changes
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(testing::Message()
                     << "primary " << c.nPrimary << " catchable " << c.nCatchable);
        pPlay->nType = PLAY_PASS;
        pPlay->nPrimaryPlayer = c.nPrimary;
        for (int n = 0; n < PLAY_RECEIVERS; n++)
            pPlay->anRoutes[n] = n == c.nCatchable ? 0 : 42;  // "Downfield Block"
        Validate(1);
        EXPECT_EQ(pPlay->nPrimaryPlayer, c.nExpectedPrimary);
        for (int n = 0; n < PLAY_RECEIVERS; n++)
            EXPECT_EQ(pPlay->anRoutes[n], n == c.nSlanted     ? ROUTE_SLANT
                                          : n == c.nCatchable ? 0
                                                              : 42)
                << n;
    }
}

// A wide receiver's pick of a route he may not run moves by the direction of the pick; the fixed
// plays are never written.
TEST_F(PlayValidationTest, ReceiverRoutesFitTheirSpotsAndFixedPlaysStay) {
    int nFormation = 0, nSpot = 0;
    ASSERT_TRUE(Find_Receiver_Spot(POS_WR, &nFormation, &nSpot));
    pPlay->nFormation = nFormation;
    pPlay->nType = PLAY_PASS;
    pPlay->nPrimaryPlayer = nSpot + 1;
    for (int nStep : {1, -1}) {
        pPlay->anRoutes[nSpot - 1] = SCREEN_ROUTE;
        Validate(nStep);
        EXPECT_EQ(pPlay->anRoutes[nSpot - 1], nStep > 0 ? CHAIR_ROUTE : GO_ROUTE);
    }
    EXPECT_TRUE(Get_Editable_Offensive_Play(TEST_HOME, TEAM_OFFENSIVE_PLAY_COUNT) == NULL);
    OFFENSIVE_PLAY fixed = *Get_Offensive_Play(TEST_HOME, KNEEL_DOWN_PLAY);
    Validate_Play_Assignments(TEST_HOME, PLAYBOOK_SIDE_OFFENCE, KNEEL_DOWN_PLAY, 1);
    EXPECT_EQ(memcmp(&fixed, Get_Offensive_Play(TEST_HOME, KNEEL_DOWN_PLAY), sizeof fixed), 0);
}

}  // namespace
