// A player's contract demand by the years and bonus offered: extra years cost a young player
// 2 % of salary a year per year under 27, the bonus spread over more years comes back, a bonus
// above his asking comes off the salary grown 12 % a year, and the salary is rounded up to $5,000
// but never below the league minimum.
#include "personnel/value_test_support.h"

class ContractDemandTest : public PersonnelValueTest {
protected:
    static constexpr int kWorth = 6250;

    // The salary he asks for nYears with nBonus offered (0: his asking bonus).
    static int Asked_Salary(int nSlot, int nYears, int nBonus) {
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SIGNING_BONUS, nBonus);
        Calculate_Contract_Demand(FREE_AGENT_TEAM, nSlot, kWorth);
        return Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SALARY);
    }

    static int Round_Up_To_Five(int64_t n) {
        return (int)((n + 4) - (n + 4) % 5);
    }
};

TEST_F(ContractDemandTest, SalaryByAgeYearsAndBonus) {
    struct {
        int nAge;
        int nExtraYears;  // beyond the years he wants
        int nExtraBonus;  // thousands above his asking bonus
        int nFactor;      // per mille on the salary: (extra years x years under 27 + 50) x 20
        int nBonusOff;    // the extra bonus grown 12 % a year over the contract, per year
    } kCases[] = {
        {30, 0, 0, 1000, 0},
        {30, 2, 0, 1000, 0},      // 27 or older: only the bonus spread changes the salary
        {24, 2, 0, 1120, 0},      // three years under 27, two extra years: +12 %
        {22, 3, 0, 1300, 0},      // five years under 27, three extra years: +30 %
        {24, 0, 1000, 1000, -1},  // the extra bonus grown over the contract comes off
    };
    for (const auto& c : kCases) {
        int nSlot = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_WR, c.nAge, 4, 70.f);
        int nFair = Get_Fair_Salary(FREE_AGENT_TEAM, nSlot, kWorth);
        int nAsking = Get_Salary_Demand(FREE_AGENT_TEAM, nSlot, kWorth);
        int nWanted = Get_Desired_Contract_Years(FREE_AGENT_TEAM, nSlot);
        ASSERT_GT(nAsking, 0);
        int nYears = nWanted + c.nExtraYears;
        int64_t nExpected = ((int64_t)nFair * c.nFactor + 500) / 1000;
        if (c.nExtraYears > 0)
            nExpected += nAsking / nWanted - nAsking / nYears;
        if (c.nBonusOff) {
            int64_t nGrown = c.nExtraBonus;
            for (int n = 0; n < nYears; n++)
                nGrown = (nGrown * 1120 + 500) / 1000;
            nExpected -= nGrown / nYears;
        }
        EXPECT_EQ(Asked_Salary(nSlot, nYears, nAsking + c.nExtraBonus), Round_Up_To_Five(nExpected))
            << "age " << c.nAge << " extra years " << c.nExtraYears;
        EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SIGNING_BONUS),
                  nAsking + c.nExtraBonus);
    }
}

TEST_F(ContractDemandTest, BonusNeverBelowAskingAndSalaryNeverBelowMinimum) {
    int nSlot = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_WR, 26, 4, 70.f);
    int nAsking = Get_Salary_Demand(FREE_AGENT_TEAM, nSlot, kWorth);
    Asked_Salary(nSlot, 2, 1);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SIGNING_BONUS), nAsking);

    EXPECT_EQ(Asked_Salary(nSlot, 2, nAsking + 500000),
              Get_Player_Minimum_Salary(FREE_AGENT_TEAM, nSlot));
    int nSalary = Asked_Salary(nSlot, 3, nAsking + 300);
    EXPECT_EQ(nSalary % 5, 0);
    EXPECT_GT(nSalary, Get_Player_Minimum_Salary(FREE_AGENT_TEAM, nSlot));
}

TEST_F(ContractDemandTest, NoYearsOfferedCountsAsOne) {
    int nSlot = Add_Test_Player(FREE_AGENT_TEAM, TEST_FREE_AGENT_SLOT, POS_WR, 30, 4, 70.f);
    EXPECT_EQ(Asked_Salary(nSlot, 0, 0), Asked_Salary(nSlot, 1, 0));
}
