// Who runs a team: a person, the computer, or nobody for a team slot not in use, and the
// computer running every team while the season simulator plays.
#include "database_test_fixture.h"

namespace {

class TeamControlTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        gAllTeamsComputer = 0;
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
            Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_NOT_IN_USE);
        Set_Team_Stat(0, TEAM_CONTROL, CONTROL_HUMAN);
        Set_Team_Stat(1, TEAM_CONTROL, CONTROL_COMPUTER);
        Set_Team_Stat(3, TEAM_CONTROL, CONTROL_HUMAN);
    }
};

TEST_F(TeamControlTest, EachTeamIsHumanOrComputerOrNeither) {
    struct CASE {
        int nTeam;
        int bAllComputer;
        int bHuman, bComputer;
    };
    const CASE aCases[] = {
        {0, 0, 1, 0},
        {1, 0, 0, 1},
        {2, 0, 0, 0},  // not in use: neither
        {0, 1, 0, 1},
        {1, 1, 0, 1},
        {2, 1, 0, 0},  // the simulator runs every team in use
        {FREE_AGENT_TEAM, 0, 0, 0},
        {-1, 0, 0, 0},
    };
    for (const CASE& c : aCases) {
        gAllTeamsComputer = c.bAllComputer;
        EXPECT_EQ(Is_Human_Team(c.nTeam), c.bHuman) << c.nTeam << " " << c.bAllComputer;
        EXPECT_EQ(Is_Computer_Team(c.nTeam), c.bComputer) << c.nTeam << " " << c.bAllComputer;
    }
}

TEST_F(TeamControlTest, SeveralHumanTeamsNeedTwoAndNoSimulator) {
    EXPECT_TRUE(Has_Several_Human_Teams());
    gAllTeamsComputer = 1;
    EXPECT_FALSE(Has_Several_Human_Teams());
    gAllTeamsComputer = 0;
    Set_Team_Stat(3, TEAM_CONTROL, CONTROL_COMPUTER);
    EXPECT_FALSE(Has_Several_Human_Teams());
}

}  // namespace
