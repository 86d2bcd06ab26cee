// The news pages after half a season of the default universe, headless: each page repainted
// leaves the league and the random generator as they were, and pictures of the pages in two
// skins at two window sizes.
#include <string.h>

#include "engine/engine.h"
#include "pages/pages.h"
#include "universe_window_fixture.h"

namespace {

#define HALF_SEASON_WEEKS 8

struct NEWS_PAGE_SHOT {
    int nPage;
    const char* szName;
};

const NEWS_PAGE_SHOT kNewsPages[] = {{CALENDAR_PAGE, "calendar"}, {PLAYOFFS_PAGE, "playoffs"}};

class NewsPagesTest : public UniverseScreenshotTest {
protected:
    void SetUp() override {
        UniverseScreenshotTest::SetUp();
        Test_Script_Dialog(IDD_USER_MESSAGE, [](HWND hDlg) {
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_MESSAGE_BUTTON1, BN_CLICKED), 0);
        });
        Play_To_Timeline_Week(gCurrentWeek, HALF_SEASON_WEEKS);
        ASSERT_EQ(gCurrentWeek, HALF_SEASON_WEEKS);
        gDialogTeam = Get_User_Team();
    }

    static void Repaint(int nPage) {
        Show_News_Page(nPage);
        gLastPaintedPage = -1;
        InvalidateRect(gMainWindow, NULL, FALSE);
        UpdateWindow(gMainWindow);
    }
};

TEST_F(NewsPagesTest, RepaintingLeavesTheLeagueAndTheGeneratorAlone) {
    std::vector<char> before(sizeof gSavedState);
    for (const NEWS_PAGE_SHOT& page : kNewsPages) {
        Repaint(page.nPage);  // the page switch may set up what the page shows
        memcpy(before.data(), &gSavedState, sizeof gSavedState);
        uint64_t nDraws = Count_Random_Draws();
        Repaint(page.nPage);
        EXPECT_EQ(memcmp(before.data(), &gSavedState, sizeof gSavedState), 0) << page.szName;
        EXPECT_EQ(Count_Random_Draws(), nDraws) << page.szName;
    }
    EXPECT_EQ(Get_Recent_Errors()[0], 0) << Get_Recent_Errors();
}

TEST_F(NewsPagesTest, PicturesInTwoSkinsAtTwoSizes) {
    RECT frame, client;
    GetWindowRect(gMainWindow, &frame);
    GetClientRect(gMainWindow, &client);
    int nFrameWidth = (frame.right - frame.left) - client.right;
    int nFrameHeight = (frame.bottom - frame.top) - client.bottom;
    const SIZE kClients[] = {{1024, 676}, {1440, 950}};
    for (const char* szSkin : {"earth", "ice"}) {
        safe_strncpy(gSkinName, szSkin, sizeof gSkinName);
        for (const SIZE& size : kClients) {
            MoveWindow(gMainWindow, frame.left, frame.top, size.cx + nFrameWidth,
                       size.cy + nFrameHeight, TRUE);
            for (const NEWS_PAGE_SHOT& page : kNewsPages) {
                Repaint(page.nPage);
                SCREENSHOT shot = Take(std::string(page.szName) + "-" + szSkin + "-" +
                                       std::to_string(size.cx) + ".png");
                EXPECT_EQ(shot.nWidth, size.cx);
            }
        }
    }
    EXPECT_EQ(Get_Recent_Errors()[0], 0) << Get_Recent_Errors();
}

}  // namespace
