// The default universe started as a new game in the installation folder, headless: the Standings
// page with the season timeline on its button bar, saved as a picture, each of the bar's five
// boxes drawn where its hit test finds it, and the live score box drawn over the page's own
// picture.
#include <string>
#include <vector>

#include "engine/engine.h"
#include "pages/pages.h"
#include "universe_window_fixture.h"

namespace {

#define SCREENSHOT_BOX_MIDDLE 67
#define SCREENSHOT_OUTLINE_ROW 8  // the middle of the outline's top edge, in bar pixels

struct SCREENSHOT {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint32_t> auPixels;
    uint32_t At(int x, int y) const {
        return auPixels[(size_t)y * nWidth + x];
    }
};

int Is_Timeline_Yellow(uint32_t uPixel) {
    int r = (uPixel >> 16) & 0xFF, g = (uPixel >> 8) & 0xFF, b = uPixel & 0xFF;
    return r > 200 && g > 200 && b < 100;
}

class UniverseScreenshotTest : public UniverseWindowTest {
protected:
    void SetUp() override {
        UniverseWindowTest::SetUp();
        ASSERT_NE(gButtonBar, nullptr);
        ASSERT_EQ(gCurrentPage, STANDINGS_PAGE);
    }

    // The main window's client area, saved in the case's folder and read back.
    SCREENSHOT Take(const std::string& stName) {
        SCREENSHOT shot;
        std::string stPicture = Save_Window_Picture(stName);
        EXPECT_TRUE(Test_Read_Png(stPicture, &shot.nWidth, &shot.nHeight, &shot.auPixels));
        return shot;
    }
};

TEST_F(UniverseScreenshotTest, StandingsPageShowsTheTimelineWhereItIsHit) {
    SCREENSHOT shot = Take("standings-timeline.png");
    RECT rcBar;
    GetWindowRect(gButtonBar, &rcBar);
    MapWindowPoints(NULL, gMainWindow, (POINT*)&rcBar, 2);
    for (int k = 0; k < 5; k++) {
        int x = Get_Timeline_Box_Left(k) + SCREENSHOT_BOX_MIDDLE;
        int y = rcBar.top + SCREENSHOT_OUTLINE_ROW;
        ASSERT_LT(x, shot.nWidth);
        ASSERT_LT(y, shot.nHeight);
        EXPECT_TRUE(Is_Timeline_Yellow(shot.At(x, y))) << "box " << k << " at " << x << "," << y;
        EXPECT_EQ(Find_Timeline_Box(x, SCREENSHOT_OUTLINE_ROW + 12), k);
    }
    EXPECT_EQ(Get_Recent_Errors()[0], 0) << Get_Recent_Errors();
}

TEST_F(UniverseScreenshotTest, FourthBoxPlaysFourWeeksAfterOneQuestion) {
    ASSERT_EQ(gCurrentWeek, 0);
    Take("standings-timeline.png");  // the bar laid out as it is shown
    Test_Clear_Transcript();
    // The question comes in the skinned message box: its first button is Yes.
    Test_Script_Dialog(IDD_USER_MESSAGE, [](HWND hDlg) {
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_MESSAGE_BUTTON1, BN_CLICKED), 0);
    });
    int x = Get_Timeline_Box_Left(3) + SCREENSHOT_BOX_MIDDLE;
    SendMessageA(gButtonBar, WM_LBUTTONDOWN, 0, MAKELPARAM(x, SCREENSHOT_OUTLINE_ROW + 12));
    EXPECT_EQ(gCurrentWeek, 4);
    EXPECT_EQ(gSkipPregameDialog, 0);
    int nQuestions = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nQuestions += shown.stText.find("Simulate") != std::string::npos;
    EXPECT_EQ(nQuestions, 1);
    ASSERT_FALSE(Test_Get_Transcript().empty());
    EXPECT_NE(Test_Get_Transcript().front().stText.find("Simulate the next 4 weeks?"),
              std::string::npos);
    Take("standings-after-four-weeks.png");
}

TEST_F(UniverseScreenshotTest, ScoreBoxIsDrawnOverThePagesOwnPicture) {
    GAME game;
    memset(&game, 0, sizeof game);
    game.anTeams[VISITOR_SIDE] = 1;
    game.anTeams[HOME_SIDE] = 2;
    game.anScores[VISITOR_SIDE] = 21;
    game.anScores[HOME_SIDE] = 14;
    // One score over another leaves nothing of the first ...
    Draw_Live_Score_Box(&game);
    game.anScores[VISITOR_SIDE] = 7;
    Draw_Live_Score_Box(&game);
    SCREENSHOT over = Take("score-box.png");
    // ... so it matches the same score drawn once over a freshly painted page.
    gLastPaintedPage = -1;
    InvalidateRect(gMainWindow, NULL, FALSE);
    UpdateWindow(gMainWindow);
    Draw_Live_Score_Box(&game);
    SCREENSHOT fresh = Take("score-box-fresh.png");

    RECT rcBox = {668, 25, 760, 54};
    Scale_Design_Rect(&rcBox);
    int nDiffering = 0;
    for (int y = rcBox.top; y < rcBox.bottom; y++) {
        for (int x = rcBox.left; x < rcBox.right; x++)
            nDiffering += over.At(x, y) != fresh.At(x, y);
    }
    EXPECT_EQ(nDiffering, 0);
}

}  // namespace
