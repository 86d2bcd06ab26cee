// The Leaders and Draft pages of the default universe after eight played weeks, saved as pictures
// in two skins at the reference size and at a larger window, with no error reported: the leaders
// of the season, the record book with its expanded list, and the coming draft's pick owners.
#include <string>

#include "pages/pages.h"
#include "season/season.h"
#include "universe_window_fixture.h"

namespace {

#define LEADERS_PLAYED_WEEKS 8
#define DRAFT_ROUND_SHOWN_PREFERENCE 38

struct LEADERS_DRAFT_SHOT {
    const char* szName;
    int nPage;
    int nLeadersKind;
    int nExpanded;  // the expanded all-time list, 0 none
};

class LeadersDraftScreenshotTest : public UniverseWindowTest {
protected:
    static void Size_Main_Window(SIZE client) {
        RECT rcFrame = {0, 0, client.cx, client.cy};
        AdjustWindowRectEx(&rcFrame, (DWORD)GetWindowLongPtrA(gMainWindow, GWL_STYLE), TRUE,
                           (DWORD)GetWindowLongPtrA(gMainWindow, GWL_EXSTYLE));
        SetWindowPos(gMainWindow, NULL, 0, 0, rcFrame.right - rcFrame.left,
                     rcFrame.bottom - rcFrame.top, SWP_NOMOVE | SWP_NOZORDER);
    }
};

TEST_F(LeadersDraftScreenshotTest, PagesAfterHalfASeason) {
    gRunTargetWeek = LEADERS_PLAYED_WEEKS;
    Advance_Weeks(LEADERS_PLAYED_WEEKS);
    ASSERT_EQ(gCurrentWeek, LEADERS_PLAYED_WEEKS);
    static const LEADERS_DRAFT_SHOT kShots[] = {
        {"leaders", LEADERS_PAGE, LEADERS_BOTH_LEAGUES, 0},
        {"leaders-all-time", LEADERS_PAGE, LEADERS_ALL_TIME, 0},
        {"leaders-expanded", LEADERS_PAGE, LEADERS_ALL_TIME, 2},
        {"draft", DRAFT_PAGE, 0, 0},
    };
    static const char* const kSkins[] = {"earth", "ice"};
    static const SIZE kWindows[] = {{1024, 676}, {1440, 951}};
    memset(gRecentErrors, 0, sizeof gRecentErrors);
    for (const SIZE& window : kWindows) {
        Size_Main_Window(window);
        for (const char* szSkin : kSkins) {
            Set_Skin_Name(szSkin);
            for (const LEADERS_DRAFT_SHOT& shot : kShots) {
                Set_User_Preference(PREF_LEADER_KIND, shot.nLeadersKind);
                Set_Leaders_View_Byte(LEADER_VIEW_EXPANDED, shot.nExpanded);
                Set_User_Preference(DRAFT_ROUND_SHOWN_PREFERENCE, 1);
                Show_News_Page(shot.nPage);
                RECT rcClient;
                GetClientRect(gMainWindow, &rcClient);
                Save_Window_Picture(std::string(shot.szName) + "-" + szSkin + "-" +
                                    std::to_string(rcClient.right) + "x" +
                                    std::to_string(rcClient.bottom) + ".png");
            }
        }
    }
    EXPECT_EQ(Get_Recent_Errors()[0], 0) << Get_Recent_Errors();
}

}  // namespace
