// The page mouse: client points mapped to the design space, the page-tab strip, the team logo
// resting while a game is watched, and the column chooser of the Finances page with its notice.
#include <filesystem>
#include <string>
#include <vector>

#include "bars_test_fixture.h"
#include "fixtures/fixture_league.h"
#include "resources/resource.h"

namespace {

#define PAGE_MOUSE_WIDTH 1024
#define PAGE_MOUSE_HEIGHT 712  // a page area of 676 above the button bar
#define PAGE_MOUSE_CHOICE_BUTTON 1242
#define PAGE_MOUSE_LOGO_SIDE 96

// Client pixels of a design point in the test window (x by 1024 / 768, y by 676 / 507).
int Page_Mouse_Client_X(int x) {
    return Mul_Div(x, PAGE_MOUSE_WIDTH, DESIGN_WIDTH);
}
int Page_Mouse_Client_Y(int y) {
    return Mul_Div(y, PAGE_MOUSE_HEIGHT - BUTTON_BAR_HEIGHT, DESIGN_HEIGHT);
}

class PageMouseTest : public ::testing::Test {
protected:
    GAME m_game;

    void SetUp() override {
        Reset_Bars_And_Pages_State();
        Build_Fixture_League();
        Init_Bitmap_Cache();
        gShowNewsTicker = 0;
        gCurrentWeek = 3;
        gCurrentPage = STANDINGS_PAGE;
        gAdvanceInProgress = 0;
        gSimulationRunning = 0;
        gOwnerMode = 0;
        gUserTeam = FIXTURE_HUMAN_TEAM;
        memset(&m_game, 0, sizeof m_game);
        Create_Test_Main_Window(DefWindowProcA, PAGE_MOUSE_WIDTH, PAGE_MOUSE_HEIGHT);
        Create_Button_Bar();
    }

    void TearDown() override {
        gLiveGame = NULL;
        gAdvanceInProgress = 0;
        gSimulationRunning = 0;
        Destroy_Button_Bar();
        if (gMainWindow)
            DestroyWindow(gMainWindow);
        gMainWindow = NULL;
    }

    // A move or a left click at a design point, sent as the main window gets it.
    static void Mouse_At(UINT uMsg, int x, int y) {
        On_Page_Mouse(gMainWindow, uMsg, Page_Mouse_Client_X(x), Page_Mouse_Client_Y(y));
    }

    // The live game of a running advance that the user watches play by play.
    void Watch_A_Game() {
        m_game.anTeams[VISITOR_SIDE] = 1;
        m_game.anTeams[HOME_SIDE] = FIXTURE_HUMAN_TEAM;
        Set_Team_Schedule_Stat(FIXTURE_HUMAN_TEAM, gCurrentWeek, SCHEDULE_OPPONENT, 1 + 1);
        Set_Team_Schedule_Stat(1, gCurrentWeek, SCHEDULE_OPPONENT, -(FIXTURE_HUMAN_TEAM + 1));
        Set_Calendar_PBP_Flag(gCurrentWeek, FIXTURE_HUMAN_TEAM, 1);
        gAdvanceInProgress = 1;
        gSimulationRunning = 1;
        gLiveGame = &m_game;
        ASSERT_TRUE(Is_Page_Game_Watched());
    }

    // The user's logo drawn above the bar into a scratch picture; its rectangle is remembered.
    static void Draw_User_Logo() {
        char szLogo[256];
        Get_Team_Logo_File(szLogo, sizeof szLogo, FIXTURE_HUMAN_TEAM);
        std::string stPath(szLogo);
        for (char& ch : stPath) {
            if (ch == '\\')
                ch = '/';
        }
        std::filesystem::create_directories(std::filesystem::path(stPath).parent_path());
        std::vector<unsigned char> abRows(PAGE_MOUSE_LOGO_SIDE * PAGE_MOUSE_LOGO_SIDE * 3, 200);
        ASSERT_EQ(Save_PNG_File(abRows.data(), stPath.c_str(), 24, PAGE_MOUSE_LOGO_SIDE,
                                PAGE_MOUSE_LOGO_SIDE),
                  1);
        HDC hdc = CreateCompatibleDC(NULL);
        HBITMAP hBitmap = CreateCompatibleBitmap(hdc, PAGE_MOUSE_WIDTH, PAGE_MOUSE_HEIGHT);
        HGDIOBJ hOld = SelectObject(hdc, hBitmap);
        Draw_Team_Logo_Above_Bar(hdc);
        SelectObject(hdc, hOld);
        DeleteObject(hBitmap);
        DeleteDC(hdc);
    }

    // Whether a box or dialog with the caption was shown, and the text it held.
    static bool Was_Shown(const std::string& stCaption, std::string* pText) {
        for (const TEST_SHOWN& shown : Test_Get_Transcript()) {
            if (shown.stCaption == stCaption) {
                *pText = shown.stText;
                return true;
            }
        }
        return false;
    }
};

TEST_F(PageMouseTest, ClientPointsMapToTheDesignSpace) {
    struct CASE {
        int x, y, nDesignX, nDesignY;
    };
    const CASE aCases[] = {
        {0, 0, 0, 0}, {1024, 0, 768, 0}, {512, 338, 384, 254}, {600, 627, 450, 470}};
    for (const CASE& c : aCases) {
        int x = c.x, y = c.y;
        Map_Page_Point_To_Design(gMainWindow, &x, &y);
        EXPECT_EQ(x, c.nDesignX) << c.x;
        EXPECT_EQ(y, c.nDesignY) << c.y;
    }
    // The right edge of the client is the design space's edge, outside every hot spot.
    On_Page_Mouse(gMainWindow, WM_MOUSEMOVE, 1024, 627);
    EXPECT_EQ(Get_Page_Hover_Code(), 0);
    On_Page_Mouse(gMainWindow, WM_LBUTTONDOWN, 1024, 627);
    EXPECT_EQ(gCurrentPage, STANDINGS_PAGE);
    // The tab strip under the pointer gives the hand.
    On_Page_Mouse(gMainWindow, WM_MOUSEMOVE, 600, 627);
    EXPECT_EQ(Get_Page_Hover_Code(), 1);
}

TEST_F(PageMouseTest, TabStripShowsThePageUnderTheClick) {
    struct CASE {
        int x;
        int nPage;
    };
    const CASE aCases[] = {{30, CALENDAR_PAGE},  {104, CALENDAR_PAGE}, {105, STANDINGS_PAGE},
                           {200, FINANCES_PAGE}, {300, LEADERS_PAGE},  {400, GAMES_PAGE},
                           {450, PLAYOFFS_PAGE}, {500, DRAFT_PAGE},    {552, DRAFT_PAGE}};
    for (const CASE& c : aCases) {
        gCurrentPage = HALL_OF_FAME_PAGE;
        Mouse_At(WM_LBUTTONDOWN, c.x, 470);
        EXPECT_EQ(gCurrentPage, c.nPage) << c.x;
    }
    gCurrentPage = STANDINGS_PAGE;
    EXPECT_EQ(Click_Page_Tab(553, 470), 0);
    EXPECT_EQ(Click_Page_Tab(450, 493), 0);
    EXPECT_EQ(gCurrentPage, STANDINGS_PAGE);
}

TEST_F(PageMouseTest, AWatchedGameRestsTheTabsAndTheLogo) {
    Draw_User_Logo();
    RECT rect;
    Get_Team_Logo_Rect(&rect);
    EXPECT_EQ(rect.right, PAGE_MOUSE_WIDTH - 8);
    EXPECT_EQ(rect.bottom, PAGE_MOUSE_HEIGHT - Get_Bars_Height());
    int xLogo = (rect.left + rect.right) / 2, yLogo = (rect.top + rect.bottom) / 2;
    int x = xLogo, y = yLogo;
    Map_Page_Point_To_Design(gMainWindow, &x, &y);
    EXPECT_EQ(Is_Team_Logo_Point(x, y), 1);

    // The logo opens the user's team's player list.
    gDialogTeam = 5;
    On_Page_Mouse(gMainWindow, WM_LBUTTONDOWN, xLogo, yLogo);
    ASSERT_FALSE(Test_Get_Transcript().empty());
    EXPECT_EQ(Test_Get_Transcript().back().nTemplateId, IDD_SORTABLE_STATS);
    EXPECT_EQ(gDialogTeam, FIXTURE_HUMAN_TEAM);

    Watch_A_Game();
    Test_Clear_Transcript();
    EXPECT_EQ(Is_Team_Logo_Point(x, y), 0);
    EXPECT_EQ(Is_Page_Tab_Strip_Point(450, 470), 0);
    On_Page_Mouse(gMainWindow, WM_MOUSEMOVE, xLogo, yLogo);
    EXPECT_EQ(Get_Page_Hover_Code(), 0);
    Mouse_At(WM_MOUSEMOVE, 450, 470);
    EXPECT_EQ(Get_Page_Hover_Code(), 0);
    On_Page_Mouse(gMainWindow, WM_LBUTTONDOWN, xLogo, yLogo);
    Mouse_At(WM_LBUTTONDOWN, 450, 470);
    EXPECT_EQ(gCurrentPage, STANDINGS_PAGE);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(PageMouseTest, FinancesColumnChooserKeepsAChoiceAndRestoresOnCancel) {
    struct CASE {
        int nChoice;  // -1: Cancel
        int bOwnerMode;
        const char* szNote;  // the start of the notice, or null for none
    };
    const CASE aCases[] = {
        {-1, 0, NULL},
        {15, 0, "Note: Cash management is not required"},
        {18, 0, "Note: All Medical Staffs are identical"},
        {19, 0, "Note: All Scouting Staffs are identical"},
        {15, 1, NULL},
        {8, 0, NULL},
    };
    gCurrentPage = FINANCES_PAGE;
    const int nColumn = PREF_FINANCES_COLUMNS + 1;  // the second tab
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << "choice " << c.nChoice << " owner " << c.bOwnerMode);
        gOwnerMode = c.bOwnerMode;
        Set_User_Preference(nColumn, 17);
        Test_Clear_Transcript();
        int nShownMeanwhile = -1, nChosenPreference = -1;
        Test_Script_Dialog(IDD_CHOOSE_STAT_B, [&](HWND hDlg) {
            nShownMeanwhile = Get_User_Preference(nColumn);
            nChosenPreference = Get_User_Preference(PREF_CHOSEN_COLUMN);
            int nId = c.nChoice < 0 ? IDCANCEL : PAGE_MOUSE_CHOICE_BUTTON + c.nChoice;
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), 0);
        });
        EXPECT_EQ(Is_Finances_Page_Hot_Spot(240, 80), 1);
        Mouse_At(WM_LBUTTONDOWN, 240, 80);
        EXPECT_EQ(nShownMeanwhile, 50);  // the column stands empty while the chooser is open
        EXPECT_EQ(nChosenPreference, nColumn);
        EXPECT_EQ(Get_User_Preference(nColumn), c.nChoice < 0 ? 17 : c.nChoice);
        std::string stText;
        bool bNotice = Was_Shown("General Manager Mode", &stText);
        EXPECT_EQ(bNotice, c.szNote != NULL);
        if (bNotice && c.szNote) {
            EXPECT_EQ(stText.rfind(c.szNote, 0), 0u) << stText;
        }
    }
}

}  // namespace
