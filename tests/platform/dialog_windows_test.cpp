// Dialog windows: modal loops nested three deep, a modeless dialog beside a modal one, a template
// naming its own window class, colours asked of the dialog procedure and DWLP_MSGRESULT answers.
#include "dialog_test_controls.h"
#include "platform/test_api.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <vector>

namespace {

struct WINDOWS_LOG {
    std::vector<int> aEnded;  // the depth of each dialog as it ended
    std::vector<INT_PTR> aInnerResults;
    std::vector<UINT> aClassMessages;  // what the own class's procedure saw
    int nSizeMessages = 0;
    HBRUSH hDialogBrush = nullptr;
    HBRUSH hStaticBrush = nullptr;
};

WINDOWS_LOG gWindowsLog;

// lParam is the depth; Apply opens the next one deeper, IDOK / IDCANCEL end with 100 + depth /
// IDCANCEL.
INT_PTR Nesting_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_INITDIALOG) {
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        return TRUE;
    }
    if (uMsg != WM_COMMAND)
        return FALSE;
    int nDepth = static_cast<int>(GetWindowLongPtrA(hDlg, DWLP_USER));
    switch (LOWORD(wParam)) {
    case IDC_TEST_APPLY:
        gWindowsLog.aInnerResults.push_back(DialogBoxParamA(GetModuleHandleA(nullptr),
                                                            MAKEINTRESOURCEA(IDD_TEST_KEYBOARD),
                                                            hDlg, Nesting_Dialog_Proc, nDepth + 1));
        return TRUE;
    case IDOK:
    case IDCANCEL:
        gWindowsLog.aEnded.push_back(nDepth);
        EndDialog(hDlg, LOWORD(wParam) == IDOK ? 100 + nDepth : IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// Colours: red behind the dialog, blue behind statics with yellow text; WM_NOTIFY answers 1234.
INT_PTR Colour_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM /*lParam*/) {
    switch (uMsg) {
    case WM_INITDIALOG: return TRUE;
    case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(gWindowsLog.hDialogBrush);
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 0));
        return reinterpret_cast<INT_PTR>(gWindowsLog.hStaticBrush);
    case WM_NOTIFY: SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 1234); return TRUE;
    }
    return FALSE;
}

INT_PTR Plain_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM /*lParam*/) {
    if (uMsg == WM_INITDIALOG)
        return TRUE;
    if (uMsg == WM_SIZE)
        gWindowsLog.nSizeMessages++;
    if (uMsg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(hDlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

LRESULT Own_Class_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    gWindowsLog.aClassMessages.push_back(uMsg);
    return DefDlgProcA(hWnd, uMsg, wParam, lParam);
}

class DialogWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Register_Dialog_Test_Control();
        gWindowsLog = WINDOWS_LOG();
    }
    void TearDown() override {
        Test_Reset_Platform();
    }
};

TEST_F(DialogWindowsTest, NestedModalLoopsEndInnermostFirst) {
    // Each script runs in the dialog opened next: the outer two open a deeper one, then end.
    for (int i = 0; i < 2; i++)
        Test_Script_Dialog(IDD_TEST_KEYBOARD, [](HWND hDlg) {
            Test_Click_Control(hDlg, IDC_TEST_APPLY);
            EXPECT_TRUE(IsWindow(hDlg));
            // Back from the inner dialog, the focus is where it was.
            EXPECT_EQ(GetActiveWindow(), hDlg);
            EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_TEST_EDIT));
            Test_Click_Control(hDlg, IDC_TEST_SAVE);  // not an end
            SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
        });
    // The innermost ends from the keyboard, through the running dialog's loop.
    Test_Script_Dialog(IDD_TEST_KEYBOARD, [](HWND) { Test_Send_Key(nullptr, VK_ESCAPE); });
    INT_PTR nOuter = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_KEYBOARD),
                                     nullptr, Nesting_Dialog_Proc, 1);
    EXPECT_EQ(nOuter, 101);
    EXPECT_EQ(gWindowsLog.aEnded, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(gWindowsLog.aInnerResults, (std::vector<INT_PTR>{IDCANCEL, 102}));
    ASSERT_EQ(Test_Get_Transcript().size(), 3u);
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        EXPECT_TRUE(shown.bScripted);
}

// A list dialog disables itself and opens an offer owned by the (disabled) main window; the
// offer places itself while it starts, which activates it. Back from it, the list dialog is
// the active window again.
INT_PTR Self_Placing_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM /*lParam*/) {
    if (uMsg == WM_INITDIALOG) {
        SetWindowPos(hDlg, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;
    }
    if (uMsg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

TEST_F(DialogWindowsTest, TheWindowActiveBeforeAModalDialogIsActiveAfterIt) {
    HWND hMain = CreateWindowExA(0, "DialogTestControl", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hMain, nullptr);
    HWND hList = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_KEYBOARD),
                                    hMain, Plain_Dialog_Proc, 0);
    ASSERT_NE(hList, nullptr);
    ShowWindow(hList, SW_SHOW);
    SetActiveWindow(hList);
    EnableWindow(hMain, FALSE);
    EnableWindow(hList, FALSE);
    Test_Script_Dialog(IDD_TEST_KEYBOARD, [](HWND) { Test_Send_Key(nullptr, VK_ESCAPE); });
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_KEYBOARD), hMain,
                    Self_Placing_Dialog_Proc, 0);
    EnableWindow(hList, TRUE);
    EXPECT_EQ(GetActiveWindow(), hList);
}

TEST_F(DialogWindowsTest, ModelessDialogWorksBesideAModalOne) {
    HWND hModeless =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_KEYBOARD), nullptr,
                           Plain_Dialog_Proc, 0);
    ASSERT_NE(hModeless, nullptr);
    ShowWindow(hModeless, SW_SHOW);
    HWND hModal = nullptr;
    Test_Script_Dialog(IDD_ABOUT, [&](HWND hDlg) {
        hModal = hDlg;
        SetFocus(GetDlgItem(hModeless, IDC_TEST_EDIT));
        Test_Press_Key(hModeless, VK_TAB);
        EXPECT_EQ(GetFocus(), GetDlgItem(hModeless, IDC_TEST_RED));
        EXPECT_TRUE(IsWindowVisible(hDlg));
        EndDialog(hDlg, IDOK);
    });
    EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), nullptr,
                              Plain_Dialog_Proc, 0),
              IDOK);
    EXPECT_FALSE(IsWindow(hModal));
    // Ending a modeless dialog hides it; only DestroyWindow removes it.
    Test_Press_Key(hModeless, VK_ESCAPE);
    EXPECT_TRUE(IsWindow(hModeless));
    EXPECT_FALSE(IsWindowVisible(hModeless));
    EXPECT_EQ(Test_Get_Transcript().size(), 1u);
    DestroyWindow(hModeless);
}

TEST_F(DialogWindowsTest, TemplateClassMakesTheDialogWindow) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Own_Class_Proc;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.lpszClassName = "DialogTestWindow";
    ASSERT_NE(RegisterClassA(&wc), 0u);
    Test_Script_Dialog(IDD_TEST_OWN_CLASS, [](HWND hDlg) {
        char szClass[64];
        EXPECT_GT(GetClassNameA(hDlg, szClass, sizeof(szClass)), 0);
        EXPECT_STREQ(szClass, "DialogTestWindow");
        RECT rc;
        GetWindowRect(hDlg, &rc);
        SetWindowPos(hDlg, nullptr, 0, 0, rc.right - rc.left + 40, rc.bottom - rc.top + 20,
                     SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_GT(gWindowsLog.nSizeMessages, 0);
        Test_Press_Key(hDlg, VK_RETURN);  // the focused default button: IDOK
    });
    EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_OWN_CLASS),
                              nullptr, Plain_Dialog_Proc, 0),
              IDOK);
    const std::vector<UINT>& seen = gWindowsLog.aClassMessages;
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_INITDIALOG), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_SIZE), seen.end());
}

TEST_F(DialogWindowsTest, ColoursAndAnswersComeFromTheDialogProcedure) {
    gWindowsLog.hDialogBrush = CreateSolidBrush(RGB(200, 0, 0));
    gWindowsLog.hStaticBrush = CreateSolidBrush(RGB(0, 0, 200));
    HWND hDlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_KEYBOARD),
                                   nullptr, Colour_Dialog_Proc, 0);
    ASSERT_NE(hDlg, nullptr);
    ShowWindow(hDlg, SW_SHOW);
    HWND hLabel = GetDlgItem(hDlg, IDC_TEST_LABEL);
    HDC hdc = GetDC(hLabel);
    // A stale message result must not replace a colour answer.
    SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 77);
    EXPECT_EQ(SendMessageA(hDlg, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc),
                           reinterpret_cast<LPARAM>(hLabel)),
              reinterpret_cast<LRESULT>(gWindowsLog.hStaticBrush));
    EXPECT_EQ(GetTextColor(hdc), RGB(255, 255, 0));
    // What the procedure leaves gets the system's colours.
    const struct {
        UINT uMsg;
        int nColour;
    } kDefaults[] = {{WM_CTLCOLORBTN, COLOR_BTNFACE}, {WM_CTLCOLOREDIT, COLOR_WINDOW}};
    for (const auto& d : kDefaults) {
        EXPECT_EQ(SendMessageA(hDlg, d.uMsg, reinterpret_cast<WPARAM>(hdc),
                               reinterpret_cast<LPARAM>(hLabel)),
                  reinterpret_cast<LRESULT>(GetSysColorBrush(d.nColour)));
        EXPECT_EQ(GetBkColor(hdc), GetSysColor(d.nColour));
    }
    ReleaseDC(hLabel, hdc);
    EXPECT_EQ(SendMessageA(hDlg, WM_NOTIFY, IDC_TEST_LABEL, 0), 1234);

    // The background is erased with the dialog's brush.
    ASSERT_TRUE(Test_Snapshot_Window(hDlg, false, "dialog.png"));
    int nWidth = 0, nHeight = 0;
    std::vector<uint32_t> aPixels;
    ASSERT_TRUE(Test_Read_Png("dialog.png", &nWidth, &nHeight, &aPixels));
    ASSERT_GT(nWidth * nHeight, 0);
    EXPECT_EQ(aPixels[static_cast<size_t>(nHeight - 2) * nWidth + 2], 0xC80000u);
    DestroyWindow(hDlg);
}

TEST_F(DialogWindowsTest, TemplatePositionIsFromTheOwnerOrCentredOnIt) {
    HWND hOwner = CreateWindowExA(0, "DialogTestControl", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                  80, 600, 400, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hOwner, nullptr);
    POINT ptClient = {0, 0};
    ClientToScreen(hOwner, &ptClient);
    RECT rcOwner;
    GetWindowRect(hOwner, &rcOwner);

    // IDD_TEST_KEYBOARD sits at (0, 0) of the owner's client area.
    HWND hPlaced =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_KEYBOARD), hOwner,
                           Plain_Dialog_Proc, 0);
    ASSERT_NE(hPlaced, nullptr);
    RECT rc;
    GetWindowRect(hPlaced, &rc);
    EXPECT_EQ(rc.left, ptClient.x);
    EXPECT_EQ(rc.top, ptClient.y);

    // IDD_TEST_OWN_CLASS has DS_CENTER.
    HWND hCentred =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_OWN_CLASS), hOwner,
                           Plain_Dialog_Proc, 0);
    ASSERT_NE(hCentred, nullptr);
    GetWindowRect(hCentred, &rc);
    EXPECT_LE(abs((rc.left + rc.right) - (rcOwner.left + rcOwner.right)), 1);
    EXPECT_LE(abs((rc.top + rc.bottom) - (rcOwner.top + rcOwner.bottom)), 1);
}

TEST_F(DialogWindowsTest, ItemNumbersReadAndWrite) {
    HWND hDlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_KEYBOARD),
                                   nullptr, Plain_Dialog_Proc, 0);
    ASSERT_NE(hDlg, nullptr);
    const struct {
        const char* szText;
        BOOL bSigned;
        UINT uValue;
        BOOL bTranslated;
    } kCases[] = {
        {"42", FALSE, 42, TRUE},        {" -7 ", TRUE, static_cast<UINT>(-7), TRUE},
        {"-7", FALSE, 0, FALSE},        {"12a", TRUE, 0, FALSE},
        {"", TRUE, 0, FALSE},           {"4294967295", FALSE, 4294967295u, TRUE},
        {"2147483648", TRUE, 0, FALSE},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.szText);
        SetDlgItemTextA(hDlg, IDC_TEST_EDIT, c.szText);
        BOOL bTranslated = !c.bTranslated;
        EXPECT_EQ(GetDlgItemInt(hDlg, IDC_TEST_EDIT, &bTranslated, c.bSigned), c.uValue);
        EXPECT_EQ(bTranslated, c.bTranslated);
    }
    SetDlgItemInt(hDlg, IDC_TEST_EDIT, static_cast<UINT>(-5), TRUE);
    EXPECT_EQ(Test_Control_Text(hDlg, IDC_TEST_EDIT), "-5");
    SetDlgItemInt(hDlg, IDC_TEST_EDIT, 4294967295u, FALSE);
    EXPECT_EQ(Test_Control_Text(hDlg, IDC_TEST_EDIT), "4294967295");
}

}  // namespace
