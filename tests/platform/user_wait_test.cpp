// A wait for the person: refused headless, recorded, and reported in strict mode.
#include "platform/test_api.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

#include "common/user_waits.h"

namespace {

TEST(UserWaitTest, HeadlessRefusesAndStrictModeReports) {
    Test_Reset_Platform();
    Allow_User_Waits();
    EXPECT_FALSE(Platform_Begin_User_Wait("next play"));
    ASSERT_EQ(Test_Get_Transcript().size(), 1u);
    EXPECT_EQ(Test_Get_Transcript()[0].nKind, TEST_SHOWN_USER_WAIT);
    EXPECT_EQ(Test_Get_Transcript()[0].stText, "next play");

    std::string stReported;
    Test_Set_Strict(true, [&](const TEST_SHOWN& shown) { stReported = shown.stText; });
    EXPECT_FALSE(Platform_Begin_User_Wait("play calls"));
    EXPECT_EQ(stReported, "play calls");
    Test_Reset_Platform();
}

TEST(UserWaitTest, AnUnexpectedWaitFailsTheTest) {
    Test_Reset_Platform();
    EXPECT_NONFATAL_FAILURE(Platform_Begin_User_Wait("next play"),
                            "the game waited for the user: next play");
}

}  // namespace
