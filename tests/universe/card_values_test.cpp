// The card values over the default universe: the salary tiers spread over the range the
// thresholds describe, so a league's cards are not all priced alike.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "database/database.h"
#include "reports/reports.h"
#include "shell/shell.h"

namespace {

#define MIN_SALARY_TIERS 5

TEST(CardValuesTest, SalaryTiersSpreadOverTheDefaultUniverse) {
    std::string stPath = std::string(VANTO_GAME_DIR) + "/Databases/Universe-2019.dat";
    ASSERT_NE(Load_Universe(stPath.c_str()), 0);
    std::map<int, int> tiers;
    std::map<int, int> positionsPriced;  // position -> players above tier 2
    For_Each_League_Player([&](int nTeam, int nSlot) {
        int nTier = Get_Gridiron_Salary(nTeam, nSlot);
        tiers[nTier]++;
        if (nTier > 2)
            positionsPriced[Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)]++;
    });
    for (const auto& tier : tiers)
        std::printf("tier %2d: %d players\n", tier.first, tier.second);
    EXPECT_GE((int)tiers.size(), MIN_SALARY_TIERS);
    // Every position but the kickers has players above the floor tiers.
    EXPECT_EQ((int)positionsPriced.size(), POSITION_COUNT - 2);
}

}  // namespace
