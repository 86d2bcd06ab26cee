// Team needs: the raw measures of a position, the league averages and the squeeze of the per-mille
// ratio into 400..2000.
#include "new_player_test_support.h"

#define TEST_TEAM 3
#define KICKER_SLOT 51
#define PUNTER_SLOT 52

class TeamNeedsTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        gCommissionerMode = 0;
        for (int n = 0; n < NEED_KIND_COUNT * POSITION_COUNT; n++)
            Set_User_Preference((int)PREF_STARTER_NEED_AVERAGES + n, 0);
    }
};

// A position without players: starter and depth need 2000, age need 4000 before the squeeze.
TEST_F(TeamNeedsTest, RawMeasuresOfShortAndThinPositions) {
    EXPECT_EQ(Get_Position_Starter_Need(TEST_TEAM, POS_K), 1200);  // a kicker and no backup
    EXPECT_EQ(Get_Position_Depth_Need(TEST_TEAM, POS_P), 1700);    // no room behind the starter
    Delete_Player(TEST_TEAM, KICKER_SLOT);
    EXPECT_EQ(Get_Position_Starter_Need(TEST_TEAM, POS_K), 2000);
    EXPECT_EQ(Get_Position_Depth_Need(TEST_TEAM, POS_K), 2000);
    EXPECT_EQ(Get_Position_Age_Need(TEST_TEAM, POS_K), 4000);
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        for (int nNeed : {Get_Position_Starter_Need(TEST_TEAM, nPosition),
                          Get_Position_Depth_Need(TEST_TEAM, nPosition)}) {
            EXPECT_GE(nNeed, 400) << "position " << nPosition;
            EXPECT_LE(nNeed, 2000) << "position " << nPosition;
        }
    }
}

TEST_F(TeamNeedsTest, RatioToTheAverageIsSqueezed) {
    Delete_Player(TEST_TEAM, KICKER_SLOT);  // raw starter need 2000
    struct CASE {
        int nAverage;
        int nExpected;
    };
    const CASE kCases[] = {
        {1000, 1700},  // twice the average: 1400 + 600 / 2
        {2000, 1000},  // the average itself
        {2500, 800},   // the low end of the unsqueezed band
        {4000, 650},   // 500: 400 + 250
        {8000, 525},   // 250: 400 + 125
        {500, 2000},   // four times the average: capped
        {1250, 1500},  // 1600: 1400 + 100
    };
    for (const CASE& c : kCases) {
        Set_User_Preference((int)PREF_STARTER_NEED_AVERAGES + POS_K, c.nAverage);
        TEAM_NEEDS needs;
        Get_Team_Needs(TEST_TEAM, needs);
        EXPECT_EQ(needs[NEED_STARTER][POS_K], c.nExpected) << "average " << c.nAverage;
    }
    // Raw 4000 of the age measure against an average of 2000 also comes out at 1700.
    Set_User_Preference((int)PREF_AGE_NEED_AVERAGES + POS_K, 2000);
    TEAM_NEEDS needs;
    Get_Team_Needs(TEST_TEAM, needs);
    EXPECT_EQ(needs[NEED_AGE][POS_K], 1700);
}

// Averages still 0 are computed over the teams in use on the first call and stored.
TEST_F(TeamNeedsTest, AveragesAreComputedWhenMissing) {
    TEAM_NEEDS needs;
    Get_Team_Needs(TEST_TEAM, needs);
    int nSum = 0;
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        nSum += Get_Position_Depth_Need(nTeam, POS_WR);
    EXPECT_EQ(Get_User_Preference((int)PREF_DEPTH_NEED_AVERAGES + POS_WR),
              nSum / FIXTURE_TEAM_COUNT);
    for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++) {
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
            EXPECT_NE(Get_User_Preference((int)PREF_STARTER_NEED_AVERAGES + nKind * POSITION_COUNT +
                                          nPosition),
                      0);
            EXPECT_GE(needs[nKind][nPosition], 400);
            EXPECT_LE(needs[nKind][nPosition], 2000);
        }
    }
}

// The evaluation reads ratings free of scouting error and leaves the mode as it found it.
TEST_F(TeamNeedsTest, CommissionerModeIsRestored) {
    for (int nMode : {0, 1}) {
        gCommissionerMode = nMode;
        TEAM_NEEDS needs;
        Get_Team_Needs(TEST_TEAM, needs);
        Average_Position_Needs(POS_QB);
        EXPECT_EQ(gCommissionerMode, nMode);
    }
}

// Wins make a team want quality, losses youth.
TEST_F(TeamNeedsTest, RecordMovesStarterAndAgeNeeds) {
    gCurrentWeek = 3;
    gPostseasonWeeks[0] = 19;
    int nStarter = Get_Position_Starter_Need(TEST_TEAM, POS_QB);
    int nAge = Get_Position_Age_Need(TEST_TEAM, POS_QB);
    for (int n = 0; n < 4; n++)
        Add_Team_Loss(TEST_TEAM, 1);
    EXPECT_EQ(Get_Team_Record_Need_Factor(TEST_TEAM), 200);
    EXPECT_LE(Get_Position_Starter_Need(TEST_TEAM, POS_QB), nStarter);
    EXPECT_GE(Get_Position_Age_Need(TEST_TEAM, POS_QB), nAge);
    EXPECT_EQ(Normalize_Worth_By_Position(1750, POS_QB), 1000);
    EXPECT_EQ(Normalize_Worth_By_Position(-40, POS_DT), 0);
}
