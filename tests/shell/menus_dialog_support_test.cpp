// The dialogs' shared routines: centring, the colour messages, the sizing limits and the release
// question.
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "menus_window_fixture.h"

namespace menus_dialog_support_test {

class MenusDialogSupportTest : public ::testing::Test {
protected:
    RECT rcWork = {0, 0, 0, 0};
    void SetUp() override {
        Test_Reset_Platform();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "MenusSupportWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
        ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0));
    }
    void TearDown() override {
        Delete_Dialog_Brushes();
        Test_Reset_Platform();
    }
    HWND Popup(int x, int y, int nWidth, int nHeight) {
        return CreateWindowExA(0, "MenusSupportWindow", "", WS_POPUP, x, y, nWidth, nHeight,
                               nullptr, nullptr, nullptr, nullptr);
    }
};

TEST_F(MenusDialogSupportTest, WindowIsCentredOnItsOwnerInsideTheWorkArea) {
    HWND hOwner = Popup(rcWork.left + 100, rcWork.top + 100, 400, 300);
    HWND hDialog = Popup(0, 0, 200, 100);
    Center_Window(hDialog, hOwner);
    RECT rc;
    GetWindowRect(hDialog, &rc);
    EXPECT_EQ(rc.left, rcWork.left + 200);
    EXPECT_EQ(rc.top, rcWork.top + 200);
    EXPECT_EQ(rc.right - rc.left, 200) << "the size stays";

    // An owner at the bottom-right corner: the dialog stops at the work area's edges.
    MoveWindow(hOwner, rcWork.right - 100, rcWork.bottom - 50, 400, 300, FALSE);
    Center_Window(hDialog, hOwner);
    GetWindowRect(hDialog, &rc);
    EXPECT_EQ(rc.right, rcWork.right);
    EXPECT_EQ(rc.bottom, rcWork.bottom);
    // And at the top-left, partly off the screen.
    MoveWindow(hOwner, rcWork.left - 300, rcWork.top - 250, 400, 300, FALSE);
    Center_Window(hDialog, hOwner);
    GetWindowRect(hDialog, &rc);
    EXPECT_EQ(rc.left, rcWork.left);
    EXPECT_EQ(rc.top, rcWork.top);
}

TEST_F(MenusDialogSupportTest, ColourMessagesUseTheSkinBrushExceptForEditsAndCombos) {
    HWND hDlg = Popup(0, 0, 300, 200);
    HWND hEdit =
        CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 0, 50, 20, hDlg, nullptr, nullptr, nullptr);
    HWND hLabel =
        CreateWindowExA(0, "Static", "", WS_CHILD, 0, 30, 50, 20, hDlg, nullptr, nullptr, nullptr);
    ASSERT_NE(hEdit, nullptr);
    ASSERT_NE(hLabel, nullptr);
    HDC hdc = GetDC(hDlg);
    EXPECT_EQ(On_Dialog_Ctl_Color(WM_CTLCOLORDLG, hDlg, hDlg, hdc), nullptr) << "no brush yet";

    ASSERT_EQ(Create_Dialog_Brushes(), 1);
    EXPECT_EQ(On_Dialog_Ctl_Color(WM_CTLCOLORDLG, hDlg, hDlg, hdc), gDialogBrush);
    EXPECT_EQ(On_Dialog_Ctl_Color(WM_CTLCOLORSCROLLBAR, hDlg, hLabel, hdc), gDialogBrush);
    EXPECT_EQ(On_Dialog_Ctl_Color(WM_CTLCOLORSTATIC, hDlg, hEdit, hdc), nullptr);
    EXPECT_EQ(On_Dialog_Ctl_Color(WM_CTLCOLORSTATIC, hDlg, hLabel, hdc), gDialogBrush);
    EXPECT_EQ(GetBkMode(hdc), TRANSPARENT);
    EXPECT_EQ(GetBkColor(hdc), Get_Skin_Dialog_Colour());
    EXPECT_EQ(On_Dialog_Ctl_Color(WM_CTLCOLORBTN, hDlg, hLabel, hdc), nullptr);
    ReleaseDC(hDlg, hdc);
}

TEST_F(MenusDialogSupportTest, CaptionGainsTheSeasonAndTheDialogTeam) {
    Build_Fixture_League();
    gSeasonNumber = 2;
    gDialogTeam = 5;
    HWND hDlg = Popup(0, 0, 100, 100);
    SetWindowTextA(hDlg, "Expenses");
    Add_Season_To_Caption(hDlg);
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(5, szLabel, sizeof(szLabel));
    char szCaption[256];
    GetWindowTextA(hDlg, szCaption, sizeof(szCaption));
    EXPECT_EQ(std::string(szCaption),
              "Expenses (" + std::to_string(FIXTURE_FIRST_YEAR + 2) + " " + szLabel + ")");
    gSeasonNumber = 0;
}

TEST(MenusSizingTest, SizingRectKeepsTheMinimumOnTheDraggedEdges) {
    const RECT rcMinimum = {0, 0, 300, 200};
    const struct {
        RECT rcDragged;
        int nEdge;
        int nFlags;
        RECT rcExpected;
    } kCases[] = {
        // Without flags both sides stay at the minimum, whichever way the drag went.
        {{10, 10, 500, 400}, WMSZ_BOTTOMRIGHT, 0, {10, 10, 310, 210}},
        {{10, 10, 500, 400}, WMSZ_TOPLEFT, 0, {200, 200, 500, 400}},
        // Flag 1 lets the height grow, flag 2 the width; a smaller one is brought back up.
        {{10, 10, 500, 400}, WMSZ_BOTTOM, SIZING_GROW_HEIGHT, {10, 10, 310, 400}},
        {{10, 10, 500, 100}, WMSZ_TOP, SIZING_GROW_HEIGHT, {10, -100, 310, 100}},
        {{10, 10, 500, 400}, WMSZ_RIGHT, SIZING_GROW_WIDTH, {10, 10, 500, 210}},
        {{10, 10, 100, 400},
         WMSZ_LEFT,
         SIZING_GROW_WIDTH | SIZING_GROW_HEIGHT,
         {-200, 10, 100, 400}},
    };
    for (const auto& c : kCases) {
        RECT rc = c.rcDragged;
        Clamp_Sizing_Rect(&rc, &rcMinimum, c.nEdge, c.nFlags);
        EXPECT_EQ(rc.left, c.rcExpected.left) << c.nEdge << "/" << c.nFlags;
        EXPECT_EQ(rc.top, c.rcExpected.top) << c.nEdge << "/" << c.nFlags;
        EXPECT_EQ(rc.right, c.rcExpected.right) << c.nEdge << "/" << c.nFlags;
        EXPECT_EQ(rc.bottom, c.rcExpected.bottom) << c.nEdge << "/" << c.nFlags;
    }
    Clamp_Sizing_Rect(nullptr, &rcMinimum, WMSZ_LEFT, 0);  // nothing to clamp
}

TEST(MenusReleaseTest, PlayerIsReleasedOnlyOnYes) {
    Test_Reset_Platform();
    Build_Fixture_League();
    int nId = Fixture_Player_Id(3, 10);
    Test_Answer_Message_Box_With_Caption("Release Player?", IDNO);
    EXPECT_EQ(Confirm_Release_Player(3, 10), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(3, 10, VITAL_PLAYER_ID), nId);
    Test_Answer_Message_Box_With_Caption("Release Player?", IDYES);
    EXPECT_EQ(Confirm_Release_Player(3, 10), 1);
    int nTeam = 0, nSlot = 0;
    ASSERT_EQ(Find_Player_ID_Split(&nTeam, &nSlot, nId), 1);
    EXPECT_EQ(nTeam, FREE_AGENT_TEAM);
    int nAsked = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript()) {
        if (shown.stCaption != "Release Player?")
            continue;
        nAsked++;
        EXPECT_EQ(shown.uType, 0x42044u);
        EXPECT_EQ(shown.stText.rfind("Are you sure you want to release ", 0), 0u);
    }
    EXPECT_EQ(nAsked, 2);
    // An empty slot asks nothing.
    size_t nShown = Test_Get_Transcript().size();
    EXPECT_EQ(Confirm_Release_Player(3, 99), 0);
    EXPECT_EQ(Test_Get_Transcript().size(), nShown);
    Test_Reset_Platform();
}

}  // namespace menus_dialog_support_test

namespace menus_cursor_test {

TEST(MenusCursorTest, KindsChooseTheirCursors) {
    Test_Reset_Platform();
    EXPECT_EQ(Load_App_Cursors(nullptr), 1);
    const struct {
        int nKind;
        HCURSOR hExpected;
    } kCases[] = {
        {0, LoadCursorA(nullptr, IDC_ARROW)}, {4, LoadCursorA(nullptr, IDC_WAIT)},
        {9, LoadCursorA(nullptr, IDC_ARROW)}, {-1, LoadCursorA(nullptr, IDC_ARROW)},
        {1, LoadCursorA(nullptr, IDC_HAND)},  // no cursor resources: the hand
    };
    for (const auto& c : kCases) {
        Set_App_Cursor(c.nKind);
        EXPECT_EQ(GetCursor(), c.hExpected) << c.nKind;
    }
    Test_Reset_Platform();
}

}  // namespace menus_cursor_test
