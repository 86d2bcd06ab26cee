// The repairs a league gets after a load: the corrupted season counter of old files, the red-zone
// blend, the speed repair, the weekly counter and the first season of shown statistics.
#include <math.h>

#include "saved_game_fixture.h"
#include "tools/tools.h"

class RepairsTest : public SavedGameTest {
protected:
    void SetUp() override {
        SavedGameTest::SetUp();
        Set_Universe_Stat(UNIVERSE_FIRST_YEAR, 2021);
        Add_Team(0, "Ashford", "Comets");
    }

    typedef std::vector<std::pair<int, float>> RATINGS;

    static void Put_Ratings(int nSlot, int nId, int nPosition, const RATINGS& ratings) {
        Add_Player(0, nSlot, nId, nPosition);
        for (int nRating = 0; nRating < RATING_COUNT; nRating++)
            Set_Player_Rating(0, nSlot, 50.0f, nRating);
        for (const auto& rating : ratings)
            Set_Player_Rating(0, nSlot, rating.second, rating.first);
    }
};

// Only a week whose calendar day wraps round to day 100 counts as corrupted, and only a season
// with games started is handed over.
TEST_F(RepairsTest, SeasonCounterIsRepairedOnlyForTheWrappedWeek) {
    const struct {
        int nWeek;
        int nStarts;
        bool bNotice;
    } kCases[] = {{17, 3, false},
                  {OFF_SEASON_WEEK, 3, false},
                  {-1840700291, 0, false},
                  {-1840700291, 3, true}};
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.nWeek);
        Add_Player(0, 0, 11, POS_QB)->aanSeasonStats[SEASON_CURRENT][1] = test.nStarts;
        gCurrentWeek = test.nWeek;
        Test_Clear_Transcript();
        Repair_Corrupted_Season_Counter();
        // The hand-over that follows the notice has its own boxes on this small league.
        std::vector<std::string> boxes = Boxes();
        if (!test.bNotice) {
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes[0],
                  "Converting Game From Previous Version|"
                  "Incrementing Season in corrupted game file.");
    }
}

// Rating 5 of backs, tight ends and receivers becomes their blend of floored ratings, unless the
// blend is below 20; other positions keep theirs.
TEST_F(RepairsTest, RedZoneBlendOfOldFiles) {
    const struct {
        int nPosition;
        RATINGS ratings;
        float fRedZone;
    } kCases[] = {
        {POS_RB,
         {{RATING_SPEED, 80},
          {RATING_POWER, 70},
          {RATING_RECEIVING, 60},
          {RATING_QUICKNESS, 75},
          {RATING_HANDS, 50},
          {RATING_VISION, 40}},
         92.0f},
        {POS_RB,  // a blend below 20 leaves the rating alone
         {{RATING_SPEED, 20},
          {RATING_POWER, 20},
          {RATING_RECEIVING, 20},
          {RATING_QUICKNESS, 20},
          {RATING_HANDS, 90},
          {RATING_VISION, 90}},
         50.0f},
        {POS_FB, {{RATING_SPEED, 60}, {RATING_RECEIVING, 10}}, 49.0f},  // Receiving floored to 20
        {POS_TE,
         {{RATING_RECEIVING, 80}, {RATING_QUICKNESS, NAN}},
         0.65f * 80 + 0.35f * Get_Rating_Target_Mean(RATING_QUICKNESS)},
        {POS_WR, {{RATING_RECEIVING, 90}, {RATING_QUICKNESS, 60}, {RATING_VISION, 40}}, 74.0f},
        {POS_QB, {{RATING_RECEIVING, 90}}, 50.0f},
    };
    int nSlot = 0;
    for (const auto& test : kCases) {
        Put_Ratings(nSlot, 20 + nSlot, test.nPosition, test.ratings);
        nSlot++;
    }
    Apply_Red_Zone_Blend();
    nSlot = 0;
    for (const auto& test : kCases) {
        SCOPED_TRACE(nSlot);
        EXPECT_NEAR(Get_Player_Rating(0, nSlot, RATING_RED_ZONE), test.fRedZone, 0.001f);
        nSlot++;
    }
}

// Speed below 40 of a QB, RB, FB, TE or WR becomes its whole part plus 30 (plus 40 for a WR).
TEST_F(RepairsTest, SlowBallCarriersAreSpedUp) {
    const struct {
        int nPosition;
        float fSpeed;
        float fRepaired;
    } kCases[] = {{POS_QB, 35.7f, 65.0f},
                  {POS_WR, 39.9f, 79.0f},
                  {POS_TE, 40.0f, 40.0f},
                  {POS_RB, 5.0f, 50.0f},
                  {POS_CB, 30.0f, 30.0f}};
    int nSlot = 0;
    for (const auto& test : kCases) {
        Put_Ratings(nSlot, 40 + nSlot, test.nPosition, {{RATING_SPEED, test.fSpeed}});
        nSlot++;
    }
    Repair_Player_Speed();
    nSlot = 0;
    for (const auto& test : kCases) {
        SCOPED_TRACE(nSlot);
        EXPECT_FLOAT_EQ(gTeams[0].aPlayers[nSlot].afRatings[RATING_SPEED], test.fRepaired);
        nSlot++;
    }
}

// Preference 237 becomes the first season year when fewer than one receiver in ten has receiving
// history; the weekly counter of every rostered player becomes 22.
TEST_F(RepairsTest, StatisticsYearAndWeeklyCounter) {
    const struct {
        int nWithHistory;
        int nPreference;
    } kCases[] = {{1, 2021}, {2, 1950}};
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.nWithHistory);
        for (int nSlot = 0; nSlot < 20; nSlot++)
            Add_Player(0, nSlot, 60 + nSlot, POS_WR)->aanSeasonStats[SEASON_CAREER][6] =
                nSlot < test.nWithHistory ? 12 : 0;
        Add_Player(FREE_AGENT_TEAM, 0, 99, POS_K);
        Set_User_Preference(237, 1950);
        Set_Statistics_First_Year();
        EXPECT_EQ(Get_User_Preference(237), test.nPreference);
    }
    Set_All_Players_Vital_6();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 19, VITAL_WEEKLY_COUNTER), 22);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_WEEKLY_COUNTER), 22);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 20, VITAL_WEEKLY_COUNTER), 0);  // an empty slot
}

// The clean-ups of every load and of loads below 1400: players with a position code outside
// 0..14, and returners who are blockers as well, leave their rosters, which close up.
TEST_F(RepairsTest, InvalidPlayersAreRemovedAndRostersCloseUp) {
    const struct {
        int nPosition;
        float fKickReturns;
        float fRunBlocking;
        bool bTwoWay;
    } kCases[] = {
        {POS_RB, 71.9f, 71.0f, true},
        {POS_RB, 70.9f, 90.0f, false},  // 70 is not above 70
        {POS_WR, NAN, 80.0f, false},    // not a number counts 20
        {POS_CB, 80.0f, 30.0f, false},
    };
    int nSlot = 0;
    for (const auto& test : kCases) {
        RATINGS ratings = {{RATING_KICK_RETURNS, test.fKickReturns},
                           {RATING_RUN_BLOCKING, test.fRunBlocking},
                           {RATING_PUNT_RETURNS, 20.0f},
                           {RATING_PASS_BLOCKING, 20.0f}};
        Put_Ratings(nSlot, 80 + nSlot, test.nPosition, ratings);
        nSlot++;
    }
    Add_Player(0, 4, 90, ROLE_LT);
    Add_Player(0, 5, 91, -1);
    Add_Player(0, 6, 92, POS_P);

    Remove_Invalid_Position_Players();
    Remove_Two_Way_Specialists();
    const int kIds[] = {81, 82, 83, 92, 0};
    for (int n = 0; n < 5; n++)
        EXPECT_EQ(Get_Player_ID(0, n), kIds[n]) << "slot " << n;
}
