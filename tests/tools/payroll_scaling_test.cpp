// Payroll scaling: a team's salaries and bonuses move until its payroll meets a target.
#include <gtest/gtest.h>

#include "core/core.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "tools/tools.h"

namespace {

class PayrollScalingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
    }

    static int64_t Payroll_Dollars(int nTeam) {
        return (int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000;
    }

    static int Minimum_Salary(int nTeam, int nSlot) {
        return Get_League_Minimum_Salary(
            Max_Int(0, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE)));
    }
};

TEST_F(PayrollScalingTest, PayrollMeetsItsTarget) {
    for (int nPercent : {70, 130}) {
        Build_Fixture_League();
        int64_t nStart = Payroll_Dollars(4);
        int nTarget = (int)(nStart * nPercent / 100);
        int nRatio = Fit_Team_Payroll(4, nTarget);
        EXPECT_NEAR(nRatio, nPercent * 10, 2) << nPercent;
        EXPECT_NEAR((double)Payroll_Dollars(4), nTarget, nTarget * 0.005) << nPercent;
        for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++)
            EXPECT_GE(Get_Player_Vital_Stat(4, nSlot, VITAL_SALARY), Minimum_Salary(4, nSlot));
    }
}

TEST_F(PayrollScalingTest, ATeamAtItsTargetIsLeftAlone) {
    int64_t nPayroll = Payroll_Dollars(2);
    int nSalary = Get_Player_Vital_Stat(2, 0, VITAL_SALARY);
    EXPECT_EQ(Fit_Team_Payroll(2, (int)nPayroll), 1000);
    EXPECT_EQ(Payroll_Dollars(2), nPayroll);
    EXPECT_EQ(Get_Player_Vital_Stat(2, 0, VITAL_SALARY), nSalary);
}

// Salaries at the league minimum stay there, and none is pushed below it.
TEST_F(PayrollScalingTest, MinimumSalariesHold) {
    int nMinimum = Minimum_Salary(6, 10);
    Set_Player_Vital_Stat(6, 10, VITAL_SALARY, nMinimum);
    Set_Player_Vital_Stat(6, 10, VITAL_SIGNING_BONUS, 500);
    Fit_Team_Payroll(6, (int)(Payroll_Dollars(6) * 2));
    EXPECT_EQ(Get_Player_Vital_Stat(6, 10, VITAL_SALARY), nMinimum);
    EXPECT_EQ(Get_Player_Vital_Stat(6, 10, VITAL_SIGNING_BONUS), 500);
    Fit_Team_Payroll(6, 1000);
    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
        EXPECT_EQ(Get_Player_Vital_Stat(6, nSlot, VITAL_SALARY), Minimum_Salary(6, nSlot));
    }
}

// An empty payroll gives the ratio 0 rather than a division by zero.
TEST_F(PayrollScalingTest, EmptyPayrollGivesRatioZero) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        Clear_Player(9, nSlot);
    EXPECT_EQ(Fit_Team_Payroll(9, 100000000), 0);
    EXPECT_EQ(Fit_Team_Payroll(LEAGUE_TEAM_COUNT - 1, 100000000), 0);  // a team not in use
}

TEST_F(PayrollScalingTest, AllTeamsScaleToOneTarget) {
    int nTarget = 150000000;
    int nAverage = Scale_All_Team_Payrolls(nTarget);
    int64_t nRatioSum = 0;
    Build_Fixture_League();
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        nRatioSum += Fit_Team_Payroll(nTeam, nTarget);
    EXPECT_EQ(nAverage, (int)(nRatioSum / FIXTURE_TEAM_COUNT));
    for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
        EXPECT_NEAR((double)Payroll_Dollars(nTeam), nTarget, nTarget * 0.005) << nTeam;
}

}  // namespace
