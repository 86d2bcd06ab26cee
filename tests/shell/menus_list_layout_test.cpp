// A resizable list dialog: recorded, fitted to its list, and the size grip's hit test.
#include "menus_window_fixture.h"

#include <functional>

namespace menus_list_layout_test {

#define MENUS_LIST_ID 500

INT_PTR Menus_Layout_Dialog_Proc(HWND, UINT uMsg, WPARAM, LPARAM) {
    return uMsg == WM_INITDIALOG;
}

int Menus_Height(const RECT& rc) {
    return rc.bottom - rc.top;
}

RECT Menus_Client_Rect_Of(HWND hDlg, int nId) {
    RECT rc;
    Get_Dlg_Item_Client_Rect(hDlg, nId, &rc);
    return rc;
}

// Runs the checks on the Sortable Stats template with a list box added, while it is open.
void Menus_Run_Layout_Dialog(std::function<void(HWND)> checks) {
    Test_Reset_Platform();
    Test_Script_Dialog(IDD_SORTABLE_STATS, [&](HWND hDlg) {
        HWND hList =
            CreateWindowExA(0, "ListBox", "", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, 10, 10,
                            200, 60, hDlg, (HMENU)(INT_PTR)MENUS_LIST_ID, nullptr, nullptr);
        ASSERT_NE(hList, nullptr);
        checks(hDlg);
        EndDialog(hDlg, IDOK);
    });
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_SORTABLE_STATS), nullptr,
                    Menus_Layout_Dialog_Proc, 0);
    Test_Reset_Platform();
}

TEST(MenusListLayoutTest, FittedDialogGrowsWithItsListAndMovesTheButtonsDown) {
    Menus_Run_Layout_Dialog([](HWND hDlg) {
        LIST_DIALOG_LAYOUT layout;
        Layout_List_Dialog(hDlg, &layout, LIST_LAYOUT_RESET);
        int nLine = layout.rcLineUnits.bottom;
        ASSERT_GT(nLine, 0);
        layout.nControls = 2;
        layout.anControlIds[0] = IDOK;
        layout.anControlIds[1] = IDCANCEL;
        layout.nListId = MENUS_LIST_ID;
        Layout_List_Dialog(hDlg, &layout, LIST_LAYOUT_RECORD);
        RECT rcWork, rcWindow;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
        GetWindowRect(hDlg, &rcWindow);
        EXPECT_EQ(rcWindow.left, rcWork.left);
        EXPECT_EQ(rcWindow.top, rcWork.top);
        RECT rcOk = Menus_Client_Rect_Of(hDlg, IDOK);

        // Ten more items than the list shows: the dialog grows by ten lines.
        int nVisible = 60 / nLine;
        for (int n = 0; n < nVisible + 10; n++)
            SendMessageA(GetDlgItem(hDlg, MENUS_LIST_ID), LB_ADDSTRING, 0, (LPARAM) "row");
        Layout_List_Dialog(hDlg, &layout, LIST_LAYOUT_FIT_LIST);
        GetWindowRect(hDlg, &rcWindow);
        int dy = Menus_Height(rcWindow) - Menus_Height(layout.rcInitial);
        EXPECT_EQ(dy, 10 * nLine);
        EXPECT_EQ(Menus_Client_Rect_Of(hDlg, IDOK).top, rcOk.top + dy);
        EXPECT_EQ(Menus_Height(Menus_Client_Rect_Of(hDlg, MENUS_LIST_ID)), 60 + dy);

        // Far more items than the screen holds: the dialog stops at the work area's height.
        for (int n = 0; n < 2000; n++)
            SendMessageA(GetDlgItem(hDlg, MENUS_LIST_ID), LB_ADDSTRING, 0, (LPARAM) "row");
        Layout_List_Dialog(hDlg, &layout, LIST_LAYOUT_FIT_LIST);
        GetWindowRect(hDlg, &rcWindow);
        EXPECT_EQ(Menus_Height(rcWindow), Menus_Height(rcWork));

        // Remembered and restored.
        Layout_List_Dialog(hDlg, &layout, LIST_LAYOUT_REMEMBER);
        MoveWindow(hDlg, 5, 5, 300, 200, FALSE);
        Layout_List_Dialog(hDlg, &layout, LIST_LAYOUT_RESTORE);
        GetWindowRect(hDlg, &rcWindow);
        EXPECT_EQ(rcWindow.top, layout.rcRemembered.top);
        EXPECT_EQ(Menus_Height(rcWindow), Menus_Height(rcWork));
    });
}

// Dialogs are seen only inside the main window: a long list's dialog and a centred one stay
// within its client area, caption included.
TEST(MenusListLayoutTest, DialogsStayInsideTheShownMainWindow) {
    Menus_Run_Layout_Dialog([](HWND hDlg) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "LayoutMainWindow";
        RegisterClassA(&wc);
        gMainWindow = CreateWindowExA(0, "LayoutMainWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      30, 20, 800, 560, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(gMainWindow, nullptr);
        RECT rcClient;
        GetClientRect(gMainWindow, &rcClient);
        MapWindowPoints(gMainWindow, NULL, (POINT*)&rcClient, 2);
        auto Expect_Inside = [&](const char* szWhen) {
            RECT rc;
            GetWindowRect(hDlg, &rc);
            EXPECT_GE(rc.top, rcClient.top) << szWhen;
            EXPECT_LE(rc.bottom, rcClient.bottom) << szWhen;
            EXPECT_GE(rc.left, rcClient.left) << szWhen;
        };
        LIST_DIALOG_LAYOUT layout;
        Layout_List_Dialog(hDlg, &layout, LIST_LAYOUT_RESET);
        layout.nControls = 1;
        layout.anControlIds[0] = IDOK;
        layout.nListId = MENUS_LIST_ID;
        Layout_List_Dialog(hDlg, &layout, LIST_LAYOUT_RECORD);
        for (int n = 0; n < 2000; n++)
            SendMessageA(GetDlgItem(hDlg, MENUS_LIST_ID), LB_ADDSTRING, 0, (LPARAM) "row");
        Layout_List_Dialog(hDlg, &layout, LIST_LAYOUT_FIT_LIST);
        Expect_Inside("fitted to its list");
        Center_Window(hDlg, gMainWindow);
        Expect_Inside("centred");
        DestroyWindow(gMainWindow);
        gMainWindow = nullptr;
    });
}

TEST(MenusListLayoutTest, SizeGripAnswersOnlyInTheBottomRightCorner) {
    Menus_Run_Layout_Dialog([](HWND hDlg) {
        RECT rcGrip;
        Get_Size_Grip_Rect(hDlg, &rcGrip);
        POINT ptIn = {rcGrip.right - 1, rcGrip.bottom - 1};
        POINT ptOut = {rcGrip.left - 1, rcGrip.bottom - 1};
        ClientToScreen(hDlg, &ptIn);
        ClientToScreen(hDlg, &ptOut);
        SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 0);
        EXPECT_EQ(Hit_Test_Size_Grip(hDlg, MAKELPARAM(ptOut.x, ptOut.y)), 0);
        EXPECT_EQ(GetWindowLongPtrA(hDlg, DWLP_MSGRESULT), 0);
        EXPECT_EQ(Hit_Test_Size_Grip(hDlg, MAKELPARAM(ptIn.x, ptIn.y)), 1);
        EXPECT_EQ(GetWindowLongPtrA(hDlg, DWLP_MSGRESULT), HTBOTTOMRIGHT);
    });
}

TEST(MenusDialogFontTest, ChildrenGetOneBoldFontOfTheDialogsAscent) {
    Menus_Run_Layout_Dialog([](HWND hDlg) {
        Set_Dialog_Font(hDlg);
        HFONT hFont = (HFONT)SendMessageA(GetDlgItem(hDlg, IDOK), WM_GETFONT, 0, 0);
        ASSERT_NE(hFont, nullptr);
        EXPECT_EQ((HFONT)SendMessageA(GetDlgItem(hDlg, MENUS_LIST_ID), WM_GETFONT, 0, 0), hFont);
        LOGFONTA font;
        ASSERT_NE(GetObjectA(hFont, sizeof(font), &font), 0);
        EXPECT_EQ(font.lfWeight, 700);
        EXPECT_STREQ(font.lfFaceName, "Ariel");
        EXPECT_LT(font.lfHeight, 0);
        Set_Dialog_Font(hDlg);  // the same size again: the same font
        EXPECT_EQ((HFONT)SendMessageA(GetDlgItem(hDlg, IDOK), WM_GETFONT, 0, 0), hFont);
    });
}

}  // namespace menus_list_layout_test
