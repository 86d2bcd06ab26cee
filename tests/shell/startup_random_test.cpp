#include <gtest/gtest.h>

#include "platform/test_api.h"
#include "shell/shell.h"

namespace {

uint32_t First_Output_For_Seed(uint32_t uSeed) {
    Seed_Random(uSeed);
    return Random_Number();
}

TEST(StartupRandomTest, FixedSeedWhenNotRandom) {
    gCommandLineFlags = IS_NOT_RANDOM;
    Seed_Startup_Random();
    EXPECT_EQ(Random_Number(), 0xd00d52b0u);  // first output of seed 12345
    gCommandLineFlags = 0;
}

TEST(StartupRandomTest, OtherwiseTimeXorTickCount) {
    Test_Reset_Platform();
    Test_Use_Virtual_Clock(1700000000, 123456);
    gCommandLineFlags = 0;
    Seed_Startup_Random();
    uint32_t uFirst = Random_Number();
    EXPECT_EQ(uFirst, First_Output_For_Seed(1700000000u ^ 123456u));
    Test_Reset_Platform();
}

}  // namespace
