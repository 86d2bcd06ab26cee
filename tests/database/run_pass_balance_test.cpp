// The computer's run/pass balance from its teams' passing and running strength, and the scheme
// check that fits a team's defence to its roster.
#include "database_test_fixture.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"

namespace {

TEST(RunPassBalance, StepsOfSixtyBeyondTheEvenBand) {
    const int kCases[][2] = {{0, 10},   {119, 10},  {-119, 10}, {120, 11}, {179, 11}, {180, 12},
                             {660, 20}, {5000, 20}, {-120, 9},  {-660, 0}, {-5000, 0}};
    for (const auto& c : kCases)
        EXPECT_EQ(Get_Run_Pass_Balance_For_Edge(c[0]), c[1]) << c[0];
}

class RunPassBalanceTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Build_Fixture_League();
    }
};

// A team whose quarterback and receivers are far better than the league's leans to the pass;
// the human team keeps its setting.
TEST_F(RunPassBalanceTest, StrongPassersLeanToThePass) {
    const int nTeam = 5;
    Set_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_RUN_PASS_BALANCE, 4);
    int nBefore = Get_Team_Pass_Run_Edge(nTeam);
    for (int nPosition : {POS_QB, POS_WR}) {
        for (int n = 0; n < 3; n++) {
            uint8_t nSlot = Get_Team_Uninjured_Position_Player(nTeam, nPosition, n);
            for (int nRating : {RATING_ACCURACY, RATING_DISTANCE, RATING_CONTROL, RATING_RED_ZONE,
                                RATING_RECEIVING, RATING_HANDS})
                Set_Player_Rating(nTeam, nSlot, 99.0f, nRating);
        }
    }
    EXPECT_GT(Get_Team_Pass_Run_Edge(nTeam), nBefore + 200);
    Set_Computer_Run_Pass_Balance();
    EXPECT_GT(Get_Team_Stat(nTeam, TEAM_RUN_PASS_BALANCE), 10);
    EXPECT_EQ(Get_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_RUN_PASS_BALANCE), 4);
}

// A roster with many good linebackers and few tackles plays the 3-4, and the reverse the 4-3.
TEST_F(RunPassBalanceTest, SchemeFollowsTheRoster) {
    const int nTeam = 6;
    Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, 0);
    for (int n = Count_Team_Position_Players(nTeam, POS_DT) - 1; n >= 1; n--)
        Set_Player_Vital_Stat(nTeam, Get_Team_Position_Player(nTeam, POS_DT, n), VITAL_POSITION,
                              POS_DE);
    Check_Team_Defensive_Scheme(nTeam);
    EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME), 1);
}

}  // namespace
