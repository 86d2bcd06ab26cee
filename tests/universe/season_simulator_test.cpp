// The season simulator over the default universe: the league comes back byte for byte after the
// run, nothing is asked or auto-saved on the way, and the tallies add up to the seasons played.
#include <gtest/gtest.h>

#include <string.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "database/database.h"
#include "platform/test_api.h"
#include "season/season.h"
#include "shell/shell.h"
#include "tools/tools.h"

namespace {

// The sanitizer build, about 15 times slower, simulates a few; the plain build the whole 20.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SIMULATED_SEASONS 3
#endif
#endif
#ifndef SIMULATED_SEASONS
#define SIMULATED_SEASONS 20
#endif

TEST(SeasonSimulatorUniverse, LeagueIsUnchangedAndTalliesAddUp) {
    Test_Reset_Platform();
    std::filesystem::copy(std::string(VANTO_GAME_DIR) + "/names", "names",
                          std::filesystem::copy_options::overwrite_existing |
                              std::filesystem::copy_options::recursive);
    ASSERT_NE(Load_Universe((std::string(VANTO_GAME_DIR) + "/Databases/Universe-2019.dat").c_str()),
              0);
    Seed_Random(FIXED_RANDOM_SEED);
    Start_Season(0);
    Advance_Weeks(2);  // a season under way
    // Both would stop an attended advance: the simulator's weeks ask nothing and save nothing.
    gAutoSave = 1;
    gCommissionerMode = 1;
    Test_Set_Strict(true, [](const TEST_SHOWN& shown) {
        ADD_FAILURE() << "unexpected " << shown.stCaption << ": " << shown.stText;
    });
    std::unique_ptr<SAVED_STATE> pBefore(new SAVED_STATE);
    memcpy(pBefore.get(), &gSavedState, sizeof(SAVED_STATE));

    auto tStart = std::chrono::steady_clock::now();
    Run_Season_Simulator(SIMULATED_SEASONS);
    double fSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count();
    std::printf("%d seasons simulated in %.1f s (%.2f s a season)\n", SIMULATED_SEASONS, fSeconds,
                fSeconds / SIMULATED_SEASONS);

    EXPECT_EQ(memcmp(pBefore.get(), &gSavedState, sizeof(SAVED_STATE)), 0);
    EXPECT_FALSE(std::filesystem::exists("[Auto Save].vnt"));
    int nSeason = -1, nTarget = -1;
    EXPECT_EQ(Get_Season_Simulator_Progress(&nSeason, &nTarget), 0);

    SIMULATOR_RECORD record;
    ASSERT_EQ(Read_Simulator_Data(&record), SIMULATOR_READ_WHOLE);
    EXPECT_EQ(record.nSeasons, SIMULATED_SEASONS);
    int nTitles = 0, nDivisionWins = 0, nPlayoffTeams = 0, nWins = 0, nLosses = 0;
    int nScored = 0, nAllowed = 0;
    for (int nTeam = 0; nTeam < SIMULATOR_TEAM_COUNT; nTeam++) {
        nTitles += record.aanFinishes[nTeam][8];
        nDivisionWins += record.aanFinishes[nTeam][5];
        nPlayoffTeams += record.aanFinishes[nTeam][4];
        nWins += record.anWins[nTeam];
        nLosses += record.anLosses[nTeam];
        nScored += record.anPointsScored[nTeam];
        nAllowed += record.anPointsAllowed[nTeam];
    }
    EXPECT_EQ(nTitles, SIMULATED_SEASONS);
    EXPECT_EQ(nDivisionWins, 8 * SIMULATED_SEASONS);
    EXPECT_GT(nPlayoffTeams, nDivisionWins);
    EXPECT_GT(nWins, 0);
    EXPECT_EQ(nWins, nLosses);  // a tie counts for neither side
    EXPECT_EQ(nScored, nAllowed);
    EXPECT_TRUE(std::filesystem::exists(SIMULATOR_TEXT_FILE));
    EXPECT_TRUE(std::filesystem::exists(SIMULATOR_CSV_FILE));
}

}  // namespace
