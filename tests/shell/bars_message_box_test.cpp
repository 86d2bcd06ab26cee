// The skinned message box laid out at run time: buttons at least twice their labels, the row
// centred with equal gaps, the dialog sized to the text, the text painted in place of its
// hidden control.
#include <string>
#include <vector>

#include "bars_test_fixture.h"
#include "resources/resource.h"

namespace {

class BarsMessageBoxTest : public BarsTest {
protected:
    static RECT Main_Client_On_Screen() {
        RECT rc;
        GetClientRect(gMainWindow, &rc);
        MapWindowPoints(gMainWindow, NULL, (POINT*)&rc, 2);
        return rc;
    }
};

const int kBarsMessageButtonIds[3] = {IDC_MESSAGE_BUTTON1, IDC_MESSAGE_BUTTON2,
                                      IDC_MESSAGE_BUTTON3};

// What the dialog looked like once laid out, in its client coordinates.
struct BARS_SHOWN_BOX {
    std::vector<RECT> aButtons;
    std::vector<int> anLabelWidths;
    int nDestroyed = 0;
    RECT rcClient = {};
    RECT rcText = {};
    bool bTextVisible = true;
    std::string stCaption;
    RECT rcWindow = {};
};

RECT Bars_Child_Rect(HWND hDlg, HWND hChild) {
    RECT rc;
    GetWindowRect(hChild, &rc);
    MapWindowPoints(NULL, hDlg, (POINT*)&rc, 2);
    return rc;
}

int Bars_Label_Width(HWND hButton) {
    char szLabel[128];
    GetWindowTextA(hButton, szLabel, sizeof szLabel);
    HDC hdc = GetDC(hButton);
    HGDIOBJ hOld = SelectObject(hdc, (HFONT)SendMessageA(hButton, WM_GETFONT, 0, 0));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(hdc, szLabel, (int)strlen(szLabel), &size);
    SelectObject(hdc, hOld);
    ReleaseDC(hButton, hdc);
    return size.cx;
}

BARS_SHOWN_BOX Bars_Show_Box(const char* szText, const char* szB1, const char* szB2,
                             const char* szB3, int nPress, INT_PTR* pnResult) {
    BARS_SHOWN_BOX shown;
    Test_Script_Dialog(IDD_USER_MESSAGE, [&shown, nPress](HWND hDlg) {
        for (int id : kBarsMessageButtonIds) {
            HWND hButton = GetDlgItem(hDlg, id);
            if (!hButton) {
                shown.nDestroyed++;
                continue;
            }
            shown.aButtons.push_back(Bars_Child_Rect(hDlg, hButton));
            shown.anLabelWidths.push_back(Bars_Label_Width(hButton));
        }
        GetClientRect(hDlg, &shown.rcClient);
        GetWindowRect(hDlg, &shown.rcWindow);
        HWND hText = GetDlgItem(hDlg, IDC_MESSAGE_TEXT);
        shown.rcText = Bars_Child_Rect(hDlg, hText);
        shown.bTextVisible = IsWindowVisible(hText);
        char szCaption[128];
        GetWindowTextA(hDlg, szCaption, sizeof szCaption);
        shown.stCaption = szCaption;
        if (nPress >= 0)
            SendMessageA(hDlg, WM_COMMAND, (WPARAM)kBarsMessageButtonIds[nPress], 0);
    });
    USER_MESSAGE message = {"Contract", szText, "", {szB1, szB2, szB3}};
    *pnResult = Do_Dialog(NULL, IDD_USER_MESSAGE, (LPARAM)&message);
    return shown;
}

TEST_F(BarsMessageBoxTest, OneTwoAndThreeButtonsCentredWithEqualGaps) {
    // Wide enough that no box meets the window's edge.
    Create_Test_Main_Window(DefWindowProcA, 1024, 700);
    struct CASE {
        const char* aszButtons[3];
        int nPress;
        INT_PTR nResult;
    } const aCases[] = {
        {{"&OK", "", ""}, 0, IDYES},
        {{"&Yes", "&No", ""}, 1, IDNO},
        {{"&Yes", "&No", "&Cancel"}, 2, IDCANCEL},
        {{"&Renew every contract of the team now", "&No", "&Cancel"}, 0, IDYES},
        {{"&OK", "", "&Cancel"}, -1, IDCANCEL},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.aszButtons[0]);
        INT_PTR nResult = 0;
        BARS_SHOWN_BOX shown = Bars_Show_Box("Sign him?", c.aszButtons[0], c.aszButtons[1],
                                             c.aszButtons[2], c.nPress, &nResult);
        EXPECT_EQ(nResult, c.nResult);
        EXPECT_EQ(shown.stCaption, "Contract");
        int nWanted = 0;
        for (const char* szLabel : c.aszButtons)
            nWanted += szLabel[0] ? 1 : 0;
        ASSERT_EQ((int)shown.aButtons.size(), nWanted);
        EXPECT_EQ(shown.nDestroyed, 3 - nWanted);

        const std::vector<RECT>& a = shown.aButtons;
        int nLeftMargin = a.front().left;
        int nRightMargin = shown.rcClient.right - a.back().right;
        EXPECT_NEAR(nLeftMargin, nRightMargin, 1);
        EXPECT_GE(nLeftMargin, 0);
        for (size_t i = 0; i < a.size(); i++) {
            EXPECT_GE(a[i].right - a[i].left, 2 * shown.anLabelWidths[i]) << i;
            EXPECT_EQ(a[i].top, a.front().top);
            EXPECT_GE(a[i].top, shown.rcText.bottom);
            if (i > 0) {
                EXPECT_EQ(a[i].left - a[i - 1].right, a[1].left - a[0].right);
            }
        }
        if (a.size() > 1) {
            EXPECT_GT(a[1].left - a[0].right, 0);
        }
        EXPECT_FALSE(shown.bTextVisible);
    }
}

TEST_F(BarsMessageBoxTest, LongTextMakesTheDialogTallerAndTheButtonsMoveDown) {
    INT_PTR nResult;
    BARS_SHOWN_BOX shortBox = Bars_Show_Box("Sign him?", "&OK", "", "", 0, &nResult);
    std::string stLong;
    for (int i = 0; i < 120; i++)
        stLong += "contract ";
    BARS_SHOWN_BOX longBox = Bars_Show_Box(stLong.c_str(), "&OK", "", "", 0, &nResult);

    int nShortText = shortBox.rcText.bottom - shortBox.rcText.top;
    int nLongText = longBox.rcText.bottom - longBox.rcText.top;
    EXPECT_GT(nLongText, 2 * nShortText);
    EXPECT_EQ(longBox.rcClient.bottom - shortBox.rcClient.bottom, nLongText - nShortText);
    EXPECT_EQ(longBox.aButtons[0].top - shortBox.aButtons[0].top, nLongText - nShortText);
    // The wrapped text keeps within the widest block and the dialog holds it.
    EXPECT_LE(longBox.rcText.right - longBox.rcText.left, Scale_Design_X_To_Window(682) + 1);
    EXPECT_LE(longBox.rcText.right, longBox.rcClient.right);

    // The dialog is centred over the main window and stays inside it.
    RECT rcMain;
    GetWindowRect(gMainWindow, &rcMain);
    EXPECT_NEAR(longBox.rcWindow.left - rcMain.left, rcMain.right - longBox.rcWindow.right, 1);
    EXPECT_GE(longBox.rcWindow.top, rcMain.top);
    EXPECT_LE(longBox.rcWindow.bottom, rcMain.bottom);
}

// In a window narrower than the box would be, the box keeps inside the client area: the text
// wraps and the buttons narrow towards their labels.
TEST_F(BarsMessageBoxTest, ABoxNeverPassesTheMainWindowsClientArea) {
    Create_Test_Main_Window(DefWindowProcA, 640, 400);
    INT_PTR nResult;
    BARS_SHOWN_BOX shown = Bars_Show_Box(
        "You are currently in 'General Manager Mode'; all budget items are controlled "
        "automatically.\n\nTo access the Budget Menu, turn on Owner Mode.",
        "&OK", "&Read About Owner Mode", "&Turn On Owner Mode", 0, &nResult);
    RECT rcArea = Main_Client_On_Screen();
    EXPECT_GE(shown.rcWindow.left, rcArea.left);
    EXPECT_LE(shown.rcWindow.right, rcArea.right);
    EXPECT_GE(shown.rcWindow.top, rcArea.top);
    EXPECT_LE(shown.rcWindow.bottom, rcArea.bottom);
    ASSERT_EQ(shown.aButtons.size(), 3u);
    for (size_t i = 0; i < shown.aButtons.size(); i++) {
        EXPECT_GE(shown.aButtons[i].right - shown.aButtons[i].left, shown.anLabelWidths[i]) << i;
        EXPECT_LE(shown.aButtons[i].right, shown.rcClient.right) << i;
    }
    EXPECT_LE(shown.rcText.right, shown.rcClient.right);
}

// Measured numbers straight through the layout: the second button widened to twice its label,
// the dialog narrowed to what the buttons need, the row centred in the new client width. The
// first button keeps its own width, wider than twice its label, and the row still fits.
TEST_F(BarsMessageBoxTest, LayoutWidensButtonsAndSizesTheDialog) {
    MESSAGE_LAYOUT layout = {};
    layout.nGap = 8;
    layout.nButtons = 2;
    layout.arcButtons[0] = {40, 100, 115, 121};
    layout.arcButtons[1] = {130, 100, 205, 121};
    layout.anLabelWidths[0] = 20;
    layout.anLabelWidths[1] = 50;
    layout.nTextWidth = 100;
    layout.nTextHeight = 20;
    layout.rcText = {15, 15, 315, 75};
    layout.nDialogWidth = 336;
    layout.nDialogHeight = 170;
    layout.nFrameWidth = 6;
    Layout_Message_Box(&layout);

    // Needed: 3 gaps + 75 + 2 x 50 = 199, wider than the text's 101.
    EXPECT_EQ(layout.nDialogWidth, 336 - 300 + 199);
    EXPECT_EQ(layout.nDialogHeight, 170 + 21 - 60);
    EXPECT_EQ(layout.rcText.right - layout.rcText.left, 199);
    EXPECT_EQ(layout.rcText.bottom - layout.rcText.top, 21);
    const RECT& a = layout.arcButtons[0];
    const RECT& b = layout.arcButtons[1];
    EXPECT_EQ(a.right - a.left, 75);
    EXPECT_EQ(b.right - b.left, 100);
    EXPECT_EQ(b.left - a.right, 8);
    EXPECT_EQ(a.left, (235 - 6 - (75 + 8 + 100)) / 2);
    EXPECT_EQ(a.top, 100 - 39);
    EXPECT_EQ(b.bottom, 121 - 39);
}

TEST_F(BarsMessageBoxTest, TextWithALineBreakIsLeftAlignedElseCentred) {
    EXPECT_EQ(Get_Message_Text_Format("Sign him?"), (UINT)(DT_WORDBREAK | DT_CENTER));
    EXPECT_EQ(Get_Message_Text_Format("Two lines.\nThe second."), (UINT)DT_WORDBREAK);
}

}  // namespace
