// Rating statistics and normalisation: which players count, the shift to the target mean, the
// rescaling to the target spread and the pull of every value into range.
#include <math.h>

#include "database/database_test_fixture.h"
#include "personnel/personnel.h"

class NormalisationTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Add_Team(0, "Boston", "Bulldogs");
    }

    // The next free slot of a team gets a player of the position with the given Pass Blocking.
    static int Add_Blocker(int nTeam, int nPosition, float fPassBlocking) {
        int nSlot = 0;
        while (Player_Id(nTeam, nSlot) != 0)
            nSlot++;
        Add_Player(nTeam, nSlot, 1000 * (nTeam + 1) + nSlot, nPosition);
        Set_Player_Rating(nTeam, nSlot, fPassBlocking, RATING_PASS_BLOCKING);
        return nSlot;
    }

    static float Pass_Blocking(int nTeam, int nSlot) {
        return gTeams[nTeam].aPlayers[nSlot].afRatings[RATING_PASS_BLOCKING];
    }

    // Where a player added to a league team is after the depth chart the normalisation sets.
    static int Slot_Of_Added(int nTeam, int nAddedSlot) {
        int nId = 1000 * (nTeam + 1) + nAddedSlot;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Player_Id(nTeam, nSlot) == nId)
                return nSlot;
        }
        return -1;
    }
};

TEST_F(NormalisationTest, RatingsApplyToTheirPositionGroups) {
    struct CASE {
        int nPosition;
        int nRating;
        int bApplies;
    };
    const CASE kCases[] = {
        {POS_CB, RATING_KICK_RETURNS, 1}, {POS_S, RATING_PUNT_RETURNS, 1},
        {POS_LB, RATING_KICK_RETURNS, 0}, {POS_WR, RATING_RECEIVING, 1},
        {POS_RB, RATING_RECEIVING, 0},    {POS_QB, RATING_ACCURACY, 1},
        {POS_RB, RATING_ACCURACY, 0},     {POS_QB, RATING_POWER, 0},
        {POS_K, RATING_FG_DISTANCE, 1},   {POS_P, RATING_FG_DISTANCE, 0},
        {POS_P, RATING_PUNT_ACCURACY, 1}, {POS_C, RATING_DISCIPLINE, 1},
        {POS_DT, RATING_SPEED, 1},        {POS_S, RATING_TACKLING, 1},
    };
    for (const CASE& c : kCases)
        EXPECT_EQ(Rating_Applies_To_Position(c.nPosition, c.nRating), c.bApplies)
            << "position " << c.nPosition << ", rating " << c.nRating;
    EXPECT_FLOAT_EQ(Get_Rating_Target_Spread(RATING_RUN_DEFENSE), 11.5f);
    EXPECT_FLOAT_EQ(Get_Rating_Target_Spread(RATING_TACKLING), 12.8f);
    EXPECT_FLOAT_EQ(Get_Rating_Target_Spread(RATING_PUNT_DISTANCE), 7.0f);
}

TEST_F(NormalisationTest, MeanAndSpreadCountTheRegularPlayersOfLeagueTeams) {
    Add_Blocker(0, POS_T, 60.0f);
    Add_Blocker(0, POS_QB, 10.0f);  // the rating does not matter for him
    Add_Blocker(0, POS_T, 70.0f);
    Add_Blocker(0, POS_T, 80.0f);
    Add_Blocker(0, POS_T, 95.0f);  // a fourth tackle is beyond the usual three
    Add_Blocker(FREE_AGENT_TEAM, POS_T, 20.0f);
    Add_Blocker(1, POS_T, 20.0f);  // team 1 is not in use
    EXPECT_FLOAT_EQ(Get_Rating_Mean(RATING_PASS_BLOCKING), 70.0f);
    EXPECT_FLOAT_EQ(Get_Rating_Spread(RATING_PASS_BLOCKING), 20.0f / 3.0f);
    EXPECT_EQ(Get_Rating_Mean(RATING_FG_ACCURACY), 0.0f);  // no kicker
    EXPECT_EQ(Get_Rating_Spread(RATING_FG_ACCURACY), 0.0f);
}

TEST_F(NormalisationTest, EqualValuesAreOnlyShifted) {
    for (int n = 0; n < 3; n++)
        Add_Blocker(0, POS_G, 70.0f);
    int nFreeAgent = Add_Blocker(FREE_AGENT_TEAM, POS_G, 70.0f);
    int nProspect = Add_Blocker(FIRST_DRAFT_POOL_TEAM, POS_G, 70.0f);
    Set_Player_Rating(0, 0, 5.0f, RATING_HEALTH);
    Normalize_Player_Ratings();
    for (int nSlot = 0; nSlot < 3; nSlot++)
        EXPECT_FLOAT_EQ(Pass_Blocking(0, nSlot), 78.0f);
    EXPECT_FLOAT_EQ(Pass_Blocking(FREE_AGENT_TEAM, nFreeAgent), 78.0f);
    EXPECT_FLOAT_EQ(Pass_Blocking(FIRST_DRAFT_POOL_TEAM, nProspect), 70.0f);
    EXPECT_EQ(gTeams[0].aPlayers[0].afRatings[RATING_HEALTH], 5.0f);
}

TEST_F(NormalisationTest, SpreadIsRescaledAroundTheTargetMean) {
    Add_Blocker(0, POS_T, 60.0f);
    Add_Blocker(0, POS_T, 70.0f);
    Add_Blocker(0, POS_T, 80.0f);
    int nFourth = Add_Blocker(0, POS_T, 55.0f);  // the depth chart puts him fourth: not counted
    int nFreeAgent = Add_Blocker(FREE_AGENT_TEAM, POS_T, 95.0f);
    Normalize_Player_Ratings();
    EXPECT_FLOAT_EQ(Get_Rating_Mean(RATING_PASS_BLOCKING), 78.0f);
    EXPECT_NEAR(Get_Rating_Spread(RATING_PASS_BLOCKING), 7.0f, 1e-4);
    EXPECT_NEAR(Pass_Blocking(0, Slot_Of_Added(0, 0)), 67.5f, 1e-4);
    EXPECT_NEAR(Pass_Blocking(0, Slot_Of_Added(0, nFourth)), 62.25f, 1e-4);
    // 95 + 8 = 103, spread to 104.25, pulled to 99.6 and limited.
    EXPECT_EQ(Pass_Blocking(FREE_AGENT_TEAM, nFreeAgent), 99.0f);
}

TEST_F(NormalisationTest, DraftPoolValuesArePulledIntoRange) {
    struct CASE {
        float fStored;
        float fExpected;
    };
    const CASE kCases[] = {{97.0f, 96.0f},   {10.0f, 15.0f}, {150.0f, 99.0f}, {-150.0f, 60.0f},
                           {1500.0f, 60.0f}, {NAN, 60.0f},   {50.0f, 50.0f},  {-30.0f, 1.0f}};
    for (const CASE& c : kCases)
        Add_Blocker(LAST_DRAFT_POOL_TEAM, POS_C, c.fStored);
    Clear_Errors();
    Normalize_Player_Ratings();
    for (int n = 0; n < (int)(sizeof kCases / sizeof kCases[0]); n++)
        EXPECT_EQ(Pass_Blocking(LAST_DRAFT_POOL_TEAM, n), kCases[n].fExpected)
            << "stored " << kCases[n].fStored;
    EXPECT_EQ(Last_Error(), "");
}

TEST_F(NormalisationTest, ARatingNoPlayerCountsForIsOnlyPulled) {
    Add_Blocker(0, POS_G, 70.0f);   // no kicker: nobody counts for FG Accuracy
    Add_Blocker(0, POS_DE, 70.0f);  // every unit has a player, so the depth chart creates none
    Add_Blocker(0, POS_P, 70.0f);
    int nFreeAgent = Add_Blocker(FREE_AGENT_TEAM, POS_G, 70.0f);
    Set_Player_Rating(0, 0, 50.0f, RATING_FG_ACCURACY);
    Set_Player_Rating(FREE_AGENT_TEAM, nFreeAgent, 97.0f, RATING_FG_ACCURACY);
    Normalize_Player_Ratings();
    EXPECT_EQ(gTeams[0].aPlayers[Slot_Of_Added(0, 0)].afRatings[RATING_FG_ACCURACY], 50.0f);
    EXPECT_EQ(gTeams[FREE_AGENT_TEAM].aPlayers[nFreeAgent].afRatings[RATING_FG_ACCURACY], 96.0f);
}
