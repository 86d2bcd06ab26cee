// The news pages of the default universe after eight played weeks: a repaint of each leaves the
// league and the random generator as they were, and each page (the Leaders page in three of its
// views) is saved as a picture in two skins at the reference size and at a larger window, with no
// error reported.
#include <string.h>

#include <string>
#include <vector>

#include "pages/pages.h"
#include "season/season.h"
#include "universe_window_fixture.h"

namespace {

#define PLAYED_WEEKS 8

#define DRAFT_ROUND_SHOWN_PREFERENCE 38

struct PAGE_SHOT {
    int nPage;
    const char* szName;
    int nLeadersKind;  // the Leaders page's view
    int nExpanded;     // the Leaders page's expanded all-time list, 0 none
};

const PAGE_SHOT kPages[] = {{STANDINGS_PAGE, "standings", 0, 0},
                            {FINANCES_PAGE, "finances", 0, 0},
                            {CALENDAR_PAGE, "calendar", 0, 0},
                            {PLAYOFFS_PAGE, "playoffs", 0, 0},
                            {LEADERS_PAGE, "leaders", LEADERS_BOTH_LEAGUES, 0},
                            {LEADERS_PAGE, "leaders-all-time", LEADERS_ALL_TIME, 0},
                            {LEADERS_PAGE, "leaders-expanded", LEADERS_ALL_TIME, 2},
                            {DRAFT_PAGE, "draft", 0, 0},
                            {HALL_OF_FAME_PAGE, "hall-of-fame", 0, 0}};

class LeaguePagesScreenshotTest : public UniverseWindowTest {
protected:
    void SetUp() override {
        UniverseWindowTest::SetUp();
        gRunTargetWeek = PLAYED_WEEKS;
        Advance_Weeks(PLAYED_WEEKS);
        ASSERT_EQ(gCurrentWeek, PLAYED_WEEKS);
        gDialogTeam = Get_User_Team();
        Set_User_Preference(DRAFT_ROUND_SHOWN_PREFERENCE, 1);
        memset(gRecentErrors, 0, sizeof gRecentErrors);
    }

    static void Show(const PAGE_SHOT& page) {
        if (page.nPage == LEADERS_PAGE) {
            Set_User_Preference(PREF_LEADER_KIND, page.nLeadersKind);
            Set_Leaders_View_Byte(LEADER_VIEW_EXPANDED, page.nExpanded);
        }
        Show_News_Page(page.nPage);
    }

    static void Repaint(const PAGE_SHOT& page) {
        Show(page);
        gLastPaintedPage = -1;
        InvalidateRect(gMainWindow, NULL, FALSE);
        UpdateWindow(gMainWindow);
    }
};

TEST_F(LeaguePagesScreenshotTest, RepaintingLeavesTheLeagueAndTheGeneratorAlone) {
    std::vector<char> before(sizeof gSavedState);
    for (const PAGE_SHOT& page : kPages) {
        Repaint(page);  // the page switch may set up what the page shows
        memcpy(before.data(), &gSavedState, sizeof gSavedState);
        uint64_t nDraws = Count_Random_Draws();
        Repaint(page);
        EXPECT_EQ(memcmp(before.data(), &gSavedState, sizeof gSavedState), 0) << page.szName;
        EXPECT_EQ(Count_Random_Draws(), nDraws) << page.szName;
    }
    EXPECT_EQ(Get_Recent_Errors()[0], 0) << Get_Recent_Errors();
}

TEST_F(LeaguePagesScreenshotTest, PagesAfterHalfASeason) {
    static const char* const kSkins[] = {"earth", "ice"};
    static const SIZE kWindows[] = {{1024, 676}, {1440, 951}};
    for (const SIZE& window : kWindows) {
        RECT rcFrame = {0, 0, window.cx, window.cy};
        AdjustWindowRectEx(&rcFrame, (DWORD)GetWindowLongPtrA(gMainWindow, GWL_STYLE), TRUE,
                           (DWORD)GetWindowLongPtrA(gMainWindow, GWL_EXSTYLE));
        SetWindowPos(gMainWindow, NULL, 0, 0, rcFrame.right - rcFrame.left,
                     rcFrame.bottom - rcFrame.top, SWP_NOMOVE | SWP_NOZORDER);
        for (const char* szSkin : kSkins) {
            Set_Skin_Name(szSkin);
            for (const PAGE_SHOT& page : kPages) {
                Show(page);
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
