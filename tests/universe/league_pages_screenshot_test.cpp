// The Standings and Finances pages of the default universe after eight played weeks, saved as
// pictures in two skins at the reference size and at a larger window, with no error reported.
#include <string>

#include "pages/pages.h"
#include "season/season.h"
#include "universe_window_fixture.h"

namespace {

#define PLAYED_WEEKS 8

struct PAGE_SHOT {
    int nPage;
    const char* szName;
};

class LeaguePagesScreenshotTest : public UniverseWindowTest {};

TEST_F(LeaguePagesScreenshotTest, PagesAfterHalfASeason) {
    gRunTargetWeek = PLAYED_WEEKS;
    Advance_Weeks(PLAYED_WEEKS);
    ASSERT_EQ(gCurrentWeek, PLAYED_WEEKS);
    static const PAGE_SHOT kPages[] = {{STANDINGS_PAGE, "standings"}, {FINANCES_PAGE, "finances"}};
    static const char* const kSkins[] = {"earth", "ice"};
    static const SIZE kWindows[] = {{1024, 676}, {1440, 951}};
    memset(gRecentErrors, 0, sizeof gRecentErrors);
    for (const SIZE& window : kWindows) {
        RECT rcFrame = {0, 0, window.cx, window.cy};
        AdjustWindowRectEx(&rcFrame, (DWORD)GetWindowLongPtrA(gMainWindow, GWL_STYLE), TRUE,
                           (DWORD)GetWindowLongPtrA(gMainWindow, GWL_EXSTYLE));
        SetWindowPos(gMainWindow, NULL, 0, 0, rcFrame.right - rcFrame.left,
                     rcFrame.bottom - rcFrame.top, SWP_NOMOVE | SWP_NOZORDER);
        for (const char* szSkin : kSkins) {
            Set_Skin_Name(szSkin);
            for (const PAGE_SHOT& page : kPages) {
                Show_News_Page(page.nPage);
                RECT rcClient;
                GetClientRect(gMainWindow, &rcClient);
                Save_Window_Picture(std::string(page.szName) + "-" + szSkin + "-" +
                     std::to_string(rcClient.right) + "x" + std::to_string(rcClient.bottom) +
                     ".png");
            }
        }
    }
    EXPECT_EQ(Get_Recent_Errors()[0], 0) << Get_Recent_Errors();
}

}  // namespace
