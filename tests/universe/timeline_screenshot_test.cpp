// The default universe started as a new game in the installation folder, headless: the Standings
// page with the season timeline on its button bar, saved as a picture, and each of the bar's five
// boxes drawn where its hit test finds it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "database/database.h"
#include "pages/pages.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define SCREENSHOT_BOX_MIDDLE 67
#define SCREENSHOT_OUTLINE_ROW 8  // the middle of the outline's top edge, in bar pixels

int Is_Timeline_Yellow(uint32_t uPixel) {
    int r = (uPixel >> 16) & 0xFF, g = (uPixel >> 8) & 0xFF, b = uPixel & 0xFF;
    return r > 200 && g > 200 && b < 100;
}

TEST(UniverseScreenshot, StandingsPageShowsTheTimelineWhereItIsHit) {
    Test_Reset_Platform();
    std::string stHere = std::filesystem::current_path().string();
    ASSERT_EQ(chdir(VANTO_GAME_DIR), 0);
    HINSTANCE hInstance = Get_App_Instance();
    Init_Bitmap_Cache();
    ASSERT_NE(Register_Main_Window_Class(hInstance), 0u);
    ASSERT_NE(Create_Main_Window(hInstance, SW_SHOW), nullptr);
    Create_Dialog_Brushes();
    ASSERT_NE(Load_Universe("Databases/Universe-2019.dat"), 0);
    Seed_Random(FIXED_RANDOM_SEED);
    Test_Script_Dialog(IDD_NEW_GAME, [](HWND hDlg) {
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Open_Dialog(gMainWindow, IDD_NEW_GAME);
    ASSERT_NE(gButtonBar, nullptr);
    ASSERT_EQ(gCurrentPage, STANDINGS_PAGE);

    std::string stPicture = stHere + "/standings-timeline.png";
    ASSERT_TRUE(Test_Snapshot_Window(gMainWindow, false, stPicture));
    std::printf("The Standings page with the timeline: %s\n", stPicture.c_str());
    int nWidth = 0, nHeight = 0;
    std::vector<uint32_t> auPixels;
    ASSERT_TRUE(Test_Read_Png(stPicture, &nWidth, &nHeight, &auPixels));
    RECT rcBar;
    GetWindowRect(gButtonBar, &rcBar);
    MapWindowPoints(NULL, gMainWindow, (POINT*)&rcBar, 2);
    for (int k = 0; k < 5; k++) {
        int x = Get_Timeline_Box_Left(k) + SCREENSHOT_BOX_MIDDLE;
        int y = rcBar.top + SCREENSHOT_OUTLINE_ROW;
        ASSERT_LT(x, nWidth);
        ASSERT_LT(y, nHeight);
        EXPECT_TRUE(Is_Timeline_Yellow(auPixels[(size_t)y * nWidth + x]))
            << "box " << k << " at " << x << "," << y;
        EXPECT_EQ(Find_Timeline_Box(x, SCREENSHOT_OUTLINE_ROW + 12), k);
    }
    EXPECT_EQ(Get_Recent_Errors()[0], 0) << Get_Recent_Errors();

    Free_Application_Resources();
    ASSERT_EQ(chdir(stHere.c_str()), 0);
}

}  // namespace
