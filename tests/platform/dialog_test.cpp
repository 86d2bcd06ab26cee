// Modal dialogs headless: the template's window and controls, WM_INITDIALOG with its lParam,
// scripts, the end value, nesting, the IDCANCEL fallback, strict mode and the transcript.
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Two templates of the program's resource script with OK (1) and Cancel (2) buttons.
const int kOuterTemplate = 111;
const int kInnerTemplate = 103;
const int kMissingTemplate = 4242;
const int kHelpButton = 9;  // the outer template's Help button

struct DIALOG_LOG {
    LPARAM lInit = 0;
    std::string stCaption;
    int nInitCount = 0;
    bool bSawDestroy = false;
    INT_PTR nInnerResult = 0;
};

DIALOG_LOG gLog;

// Ends with the command's id on OK/Cancel; command 100 opens the inner dialog; command 101 ends
// from inside WM_INITDIALOG's follow-up by posting a message.
INT_PTR Test_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: {
        gLog.lInit = lParam;
        gLog.nInitCount++;
        char szCaption[64];
        GetWindowTextA(hDlg, szCaption, sizeof(szCaption));
        gLog.stCaption = szCaption;
        if (lParam == 99)
            PostMessageA(hDlg, WM_COMMAND, IDOK, 0);  // ends itself from the queue
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, LOWORD(wParam));
            return TRUE;
        }
        if (LOWORD(wParam) == 100) {
            gLog.nInnerResult =
                DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kInnerTemplate), hDlg,
                                Test_Dialog_Proc, 7);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY: gLog.bSawDestroy = true; return FALSE;
    }
    return FALSE;
}

INT_PTR Run_Dialog(int nTemplate, LPARAM lParam) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nTemplate), nullptr,
                           Test_Dialog_Proc, lParam);
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        gLog = DIALOG_LOG();
    }
    void TearDown() override {
        Test_Reset_Platform();
    }
};

TEST_F(DialogTest, ScriptDrivesTheDialogAndItsControls) {
    std::string stReadBack;
    HWND hSeen = nullptr;
    Test_Script_Dialog(kOuterTemplate, [&](HWND hDlg) {
        hSeen = hDlg;
        EXPECT_TRUE(IsWindowVisible(hDlg));
        HWND hOk = GetDlgItem(hDlg, IDOK);
        ASSERT_NE(hOk, nullptr);
        EXPECT_EQ(GetDlgCtrlID(hOk), IDOK);
        EXPECT_EQ(GetParent(hOk), hDlg);
        char szText[32];
        EXPECT_EQ(GetDlgItemTextA(hDlg, IDOK, szText, sizeof(szText)), 5u);
        EXPECT_STREQ(szText, "&Done");
        EXPECT_TRUE(SetDlgItemTextA(hDlg, kHelpButton, "Close"));
        SendDlgItemMessageA(hDlg, kHelpButton, WM_GETTEXT, sizeof(szText),
                            reinterpret_cast<LPARAM>(szText));
        stReadBack = szText;
        EXPECT_EQ(GetDlgItemTextA(hDlg, 9999, szText, sizeof(szText)), 0u);
        EXPECT_STREQ(szText, "");
        SetWindowTextA(hDlg, "Trades 2019");
        SetWindowLongPtrA(hDlg, DWLP_USER, 77);
        EXPECT_EQ(GetWindowLongPtrA(hDlg, DWLP_USER), 77);
        SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(Run_Dialog(kOuterTemplate, 1234), IDOK);
    EXPECT_EQ(gLog.lInit, 1234);
    EXPECT_EQ(gLog.stCaption, "Trades");
    EXPECT_EQ(stReadBack, "Close");
    EXPECT_TRUE(gLog.bSawDestroy);
    EXPECT_FALSE(IsWindow(hSeen));

    const auto& transcript = Test_Get_Transcript();
    ASSERT_EQ(transcript.size(), 1u);
    EXPECT_EQ(transcript[0].nKind, TEST_SHOWN_DIALOG);
    EXPECT_EQ(transcript[0].nTemplateId, kOuterTemplate);
    EXPECT_EQ(transcript[0].stCaption, "Trades 2019");  // as shown, not as in the template
    EXPECT_EQ(transcript[0].lParam, 1234);
    EXPECT_EQ(transcript[0].nResult, IDOK);
    EXPECT_TRUE(transcript[0].bScripted);
}

TEST_F(DialogTest, EndDialogValueIsReturnedAsGiven) {
    Test_Script_Dialog(kOuterTemplate, [](HWND hDlg) { EndDialog(hDlg, 31337); });
    EXPECT_EQ(Run_Dialog(kOuterTemplate, 0), 31337);
}

TEST_F(DialogTest, UnscriptedOrLeftOpenEndsWithCancel) {
    EXPECT_EQ(Run_Dialog(kOuterTemplate, 0), IDCANCEL);
    Test_Script_Dialog(kOuterTemplate, [](HWND hDlg) { SetDlgItemTextA(hDlg, IDOK, "x"); });
    EXPECT_EQ(Run_Dialog(kOuterTemplate, 0), IDCANCEL);
    // Scripts are used once: the third run has none.
    EXPECT_EQ(Run_Dialog(kOuterTemplate, 0), IDCANCEL);
    const auto& transcript = Test_Get_Transcript();
    ASSERT_EQ(transcript.size(), 3u);
    EXPECT_FALSE(transcript[0].bScripted);
    EXPECT_TRUE(transcript[1].bScripted);
    EXPECT_FALSE(transcript[2].bScripted);
}

TEST_F(DialogTest, PostedMessagesAreHandledBeforeTheDialogGivesUp) {
    EXPECT_EQ(Run_Dialog(kOuterTemplate, 99), IDOK);
}

TEST_F(DialogTest, MissingTemplateReturnsMinusOneAndShowsNothing) {
    EXPECT_EQ(Run_Dialog(kMissingTemplate, 0), -1);
    EXPECT_EQ(DialogBoxParamA(nullptr, "NAMED", nullptr, Test_Dialog_Proc, 0), -1);
    EXPECT_EQ(gLog.nInitCount, 0);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(DialogTest, NestedDialogRunsInsideTheOuterOne) {
    LPARAM lInnerInit = 0;
    Test_Script_Dialog(kInnerTemplate, [&](HWND hDlg) {
        lInnerInit = gLog.lInit;
        EXPECT_NE(GetParent(hDlg), nullptr);  // owned by the outer dialog
        EndDialog(hDlg, IDOK);
    });
    Test_Script_Dialog(kOuterTemplate, [](HWND hDlg) {
        SendMessageA(hDlg, WM_COMMAND, 100, 0);  // opens the inner dialog
        EXPECT_TRUE(IsWindow(hDlg));             // the outer one is still up
        SendMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(Run_Dialog(kOuterTemplate, 5), IDCANCEL);
    EXPECT_EQ(lInnerInit, 7);
    EXPECT_EQ(gLog.nInnerResult, IDOK);

    // The transcript lists them in the order they were shown, each with its own result.
    const auto& transcript = Test_Get_Transcript();
    ASSERT_EQ(transcript.size(), 2u);
    EXPECT_EQ(transcript[0].nTemplateId, kOuterTemplate);
    EXPECT_EQ(transcript[0].nResult, IDCANCEL);
    EXPECT_EQ(transcript[1].nTemplateId, kInnerTemplate);
    EXPECT_EQ(transcript[1].nResult, IDOK);
}

TEST_F(DialogTest, CloseBoxMeansCancel) {
    Test_Script_Dialog(kOuterTemplate, [](HWND hDlg) {
        SendMessageA(hDlg, WM_CLOSE, 0, 0);
        // Ended through the Cancel command (hidden), not destroyed on the spot.
        EXPECT_TRUE(IsWindow(hDlg));
        EXPECT_FALSE(IsWindowVisible(hDlg));
    });
    EXPECT_EQ(Run_Dialog(kOuterTemplate, 0), IDCANCEL);
}

TEST_F(DialogTest, StrictModeReportsUnscriptedDialogs) {
    std::vector<int> aReported;
    Test_Set_Strict(true, [&](const TEST_SHOWN& shown) { aReported.push_back(shown.nTemplateId); });
    Test_Script_Dialog(kOuterTemplate, [](HWND hDlg) { EndDialog(hDlg, IDOK); });
    Run_Dialog(kOuterTemplate, 0);
    Run_Dialog(kInnerTemplate, 0);
    EXPECT_EQ(aReported, (std::vector<int>{kInnerTemplate}));
}

TEST_F(DialogTest, EndDialogNeedsARunningModalDialog) {
    EXPECT_FALSE(EndDialog(nullptr, IDOK));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "Plain";
    RegisterClassA(&wc);
    HWND hWnd = CreateWindowExA(0, "Plain", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(EndDialog(hWnd, IDOK));
}

}  // namespace
