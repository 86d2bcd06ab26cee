// The dialog manager's keyboard on a modeless dialog driven through IsDialogMessageA: the focus
// WM_INITDIALOG gives, Tab order, the arrows within a group, Enter, Escape and the close box,
// mnemonics and WM_NEXTDLGCTL; and the control-level test driving on the same dialog.
#include "dialog_test_controls.h"
#include "platform/test_api.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct KEYBOARD_DIALOG_LOG {
    INT_PTR nInitAnswer = TRUE;
    HWND hSuggestedFocus = nullptr;
    std::vector<int> aCommands;
};

KEYBOARD_DIALOG_LOG gKeyboardLog;

INT_PTR Keyboard_Dialog_Proc(HWND /*hDlg*/, UINT uMsg, WPARAM wParam, LPARAM /*lParam*/) {
    if (uMsg == WM_INITDIALOG) {
        gKeyboardLog.hSuggestedFocus = reinterpret_cast<HWND>(wParam);
        return gKeyboardLog.nInitAnswer;
    }
    if (uMsg == WM_COMMAND) {
        gKeyboardLog.aCommands.push_back(LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

class DialogKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Register_Dialog_Test_Control();
        gKeyboardLog = KEYBOARD_DIALOG_LOG();
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    void Open(INT_PTR nInitAnswer = TRUE) {
        gKeyboardLog.nInitAnswer = nInitAnswer;
        m_hDlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_KEYBOARD),
                                    nullptr, Keyboard_Dialog_Proc, 0);
        ASSERT_NE(m_hDlg, nullptr);
        ShowWindow(m_hDlg, SW_SHOW);
    }
    HWND Item(int nId) const {
        return GetDlgItem(m_hDlg, nId);
    }
    void Focus(int nId) {
        SetFocus(Item(nId));
    }
    int Focused_Id() const {
        return GetDlgCtrlID(GetFocus());
    }
    void Press(UINT uKey, bool bAlt = false, bool bShift = false) {
        Test_Press_Key(m_hDlg, uKey, bAlt, false, bShift);
    }

    HWND m_hDlg = nullptr;
};

TEST_F(DialogKeyboardTest, InitDialogAnswerDecidesTheFirstFocus) {
    Open(TRUE);
    EXPECT_EQ(gKeyboardLog.hSuggestedFocus, Item(IDC_TEST_EDIT));
    EXPECT_EQ(GetFocus(), Item(IDC_TEST_EDIT));
    EXPECT_EQ(Dialog_Test_Controls().selectAllCount[Item(IDC_TEST_EDIT)], 1);
    DestroyWindow(m_hDlg);

    SetFocus(nullptr);
    Open(FALSE);
    EXPECT_EQ(gKeyboardLog.hSuggestedFocus, Item(IDC_TEST_EDIT));
    EXPECT_NE(GetFocus(), Item(IDC_TEST_EDIT));
}

TEST_F(DialogKeyboardTest, TabVisitsUsableTabStopsInTemplateOrder) {
    Open();
    // Green and Blue have no tab stop, Off is disabled.
    const int kForward[] = {IDC_TEST_RED, IDC_TEST_APPLY, IDC_TEST_SAVE, IDCANCEL, IDC_TEST_EDIT};
    for (int nId : kForward) {
        Press(VK_TAB);
        EXPECT_EQ(Focused_Id(), nId);
    }
    const int kBack[] = {IDCANCEL, IDC_TEST_SAVE, IDC_TEST_APPLY};
    for (int nId : kBack) {
        Press(VK_TAB, false, true);
        EXPECT_EQ(Focused_Id(), nId);
    }
    ShowWindow(Item(IDC_TEST_SAVE), SW_HIDE);
    Press(VK_TAB);
    EXPECT_EQ(Focused_Id(), IDCANCEL);
    Press(VK_TAB);
    EXPECT_EQ(Dialog_Test_Controls().selectAllCount[Item(IDC_TEST_EDIT)], 3);  // each arrival
    EXPECT_TRUE(gKeyboardLog.aCommands.empty());
}

TEST_F(DialogKeyboardTest, ArrowsMoveWithinTheGroupAndClickRadioButtons) {
    Open();
    Focus(IDC_TEST_RED);
    const struct {
        UINT uKey;
        int nFocus;
    } kSteps[] = {{VK_DOWN, IDC_TEST_GREEN},
                  {VK_RIGHT, IDC_TEST_BLUE},
                  {VK_DOWN, IDC_TEST_RED},  // wraps inside the group
                  {VK_UP, IDC_TEST_BLUE}};
    std::vector<int> aExpected;
    for (const auto& step : kSteps) {
        Press(step.uKey);
        EXPECT_EQ(Focused_Id(), step.nFocus);
        aExpected.push_back(step.nFocus);
    }
    EXPECT_EQ(gKeyboardLog.aCommands, aExpected);
    EXPECT_TRUE(Dialog_Test_Controls().checked[Item(IDC_TEST_GREEN)]);

    // An edit keeps the arrows.
    Focus(IDC_TEST_EDIT);
    Press(VK_DOWN);
    EXPECT_EQ(Focused_Id(), IDC_TEST_EDIT);
}

TEST_F(DialogKeyboardTest, EnterPressesTheFocusedOrDefaultButton) {
    Open();
    EXPECT_EQ(SendMessageA(m_hDlg, DM_GETDEFID, 0, 0), 0);
    Focus(IDC_TEST_EDIT);
    Press(VK_RETURN);  // no default set: IDOK
    Focus(IDC_TEST_APPLY);
    Press(VK_RETURN);  // a focused push button is pressed itself
    SendMessageA(m_hDlg, DM_SETDEFID, IDC_TEST_SAVE, 0);
    EXPECT_EQ(SendMessageA(m_hDlg, DM_GETDEFID, 0, 0), MAKELONG(IDC_TEST_SAVE, DC_HASDEFID));
    Focus(IDC_TEST_EDIT);
    Press(VK_RETURN);
    SendMessageA(m_hDlg, DM_SETDEFID, IDC_TEST_OFF, 0);
    Press(VK_RETURN);  // a disabled default does nothing
    EXPECT_EQ(gKeyboardLog.aCommands, (std::vector<int>{IDOK, IDC_TEST_APPLY, IDC_TEST_SAVE}));
}

TEST_F(DialogKeyboardTest, EscapeAndTheCloseBoxMeanCancel) {
    Open();
    Press(VK_ESCAPE);
    SendMessageA(m_hDlg, WM_CLOSE, 0, 0);
    SendMessageA(m_hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(gKeyboardLog.aCommands, (std::vector<int>{IDCANCEL, IDCANCEL, IDCANCEL}));
    EXPECT_TRUE(IsWindow(m_hDlg));  // the dialog procedure decides what Cancel does

    EnableWindow(Item(IDCANCEL), FALSE);
    Press(VK_ESCAPE);
    SendMessageA(m_hDlg, WM_CLOSE, 0, 0);
    EXPECT_EQ(gKeyboardLog.aCommands.size(), 3u);
}

// A notes box takes Enter as a new line, but Escape still cancels and Tab still moves on.
TEST_F(DialogKeyboardTest, MultiLineEditTakingEnterLeavesEscapeAndTabToTheDialog) {
    Open();
    const int kNotes = 900;
    HWND hNotes = CreateWindowExA(0, "EDIT", "a", WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                                  ES_MULTILINE | ES_WANTRETURN, 10, 10, 100, 40, m_hDlg,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNotes)),
                                  nullptr, nullptr);
    ASSERT_NE(hNotes, nullptr);
    SetFocus(hNotes);
    SendMessageA(hNotes, EM_SETSEL, 1, 1);
    Press(VK_RETURN);
    EXPECT_EQ(Test_Control_Text(m_hDlg, kNotes), "a\r\n");
    auto Dialog_Commands = [] {
        std::vector<int> aButtons;
        for (int nId : gKeyboardLog.aCommands)
            if (nId == IDOK || nId == IDCANCEL) aButtons.push_back(nId);
        return aButtons;
    };
    EXPECT_TRUE(Dialog_Commands().empty());  // Enter pressed no button
    Press(VK_ESCAPE);
    EXPECT_EQ(Dialog_Commands(), (std::vector<int>{IDCANCEL}));
    Press(VK_TAB);
    EXPECT_EQ(Focused_Id(), IDC_TEST_EDIT);  // the notes box is last: Tab wraps to the first
}

// Two buttons with one mnemonic: each press moves the focus to the next, none is clicked.
TEST_F(DialogKeyboardTest, ASharedMnemonicOnlyMovesTheFocus) {
    Open();
    SetWindowTextA(Item(IDCANCEL), "&Stop");
    Focus(IDC_TEST_RED);
    Press('S', true);
    EXPECT_EQ(Focused_Id(), IDC_TEST_SAVE);
    Press('S', true);
    EXPECT_EQ(Focused_Id(), IDCANCEL);
    Press('S', true);
    EXPECT_EQ(Focused_Id(), IDC_TEST_SAVE);
    EXPECT_TRUE(gKeyboardLog.aCommands.empty());
}

TEST_F(DialogKeyboardTest, MnemonicsReachTheirControls) {
    const struct {
        const char* szCase;
        int nFocusBefore;
        UINT uKey;
        bool bAlt;
        int nFocusAfter;
        int nCommand;  // 0: none
    } kCases[] = {
        {"a label passes the focus on", IDC_TEST_APPLY, 'N', true, IDC_TEST_EDIT, 0},
        {"a radio button gets the focus and a click", IDC_TEST_APPLY, 'G', true, IDC_TEST_GREEN,
         IDC_TEST_GREEN},
        {"a push button is clicked in place", IDC_TEST_RED, 'S', true, IDC_TEST_RED, IDC_TEST_SAVE},
        {"a plain letter works from a button", IDC_TEST_APPLY, 'B', false, IDC_TEST_BLUE,
         IDC_TEST_BLUE},
        {"a plain letter is typed into an edit", IDC_TEST_EDIT, 'G', false, IDC_TEST_EDIT, 0},
        {"a letter no control has does nothing", IDC_TEST_APPLY, 'Q', true, IDC_TEST_APPLY, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.szCase);
        SetUp();
        Open();
        Focus(c.nFocusBefore);
        Press(c.uKey, c.bAlt);
        EXPECT_EQ(Focused_Id(), c.nFocusAfter);
        std::vector<int> aExpected;
        if (c.nCommand)
            aExpected.push_back(c.nCommand);
        EXPECT_EQ(gKeyboardLog.aCommands, aExpected);
    }
    EXPECT_EQ(Dialog_Test_Controls().typed[Item(IDC_TEST_EDIT)], "");
    Focus(IDC_TEST_EDIT);
    Press('G');
    EXPECT_EQ(Dialog_Test_Controls().typed[Item(IDC_TEST_EDIT)], "g");

    // "&&" is a plain ampersand, not a mnemonic.
    SetWindowTextA(Item(IDC_TEST_APPLY), "R&&D &Pepper");
    SetWindowTextA(Item(IDC_TEST_SAVE), "R&&D");
    Press('D', true);
    Press('P', true);
    EXPECT_EQ(gKeyboardLog.aCommands, std::vector<int>{IDC_TEST_APPLY});
}

TEST_F(DialogKeyboardTest, NextDialogControlMessageMovesTheFocus) {
    Open();
    SendMessageA(m_hDlg, WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(Focused_Id(), IDC_TEST_RED);
    SendMessageA(m_hDlg, WM_NEXTDLGCTL, 1, FALSE);
    EXPECT_EQ(Focused_Id(), IDC_TEST_EDIT);
    SendMessageA(m_hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_TEST_SAVE)), TRUE);
    EXPECT_EQ(Focused_Id(), IDC_TEST_SAVE);
    EXPECT_EQ(GetNextDlgGroupItem(m_hDlg, Item(IDC_TEST_BLUE), FALSE), Item(IDC_TEST_RED));
    EXPECT_EQ(GetNextDlgTabItem(m_hDlg, Item(IDC_TEST_EDIT), TRUE), Item(IDCANCEL));
}

TEST_F(DialogKeyboardTest, ControlLevelDrivingClicksTypesAndReads) {
    Open();
    EXPECT_TRUE(Test_Click_Control(m_hDlg, IDC_TEST_APPLY));
    EXPECT_FALSE(Test_Click_Control(m_hDlg, 4242));
    EXPECT_TRUE(Test_Type_Into(m_hDlg, IDC_TEST_EDIT, "Go 49ers"));
    EXPECT_EQ(Dialog_Test_Controls().typed[Item(IDC_TEST_EDIT)], "Go 49ers");
    EXPECT_EQ(GetFocus(), Item(IDC_TEST_EDIT));
    EXPECT_EQ(Test_Control_Text(m_hDlg, IDC_TEST_GREEN), "&Green");
    EXPECT_EQ(Test_Control_Text(m_hDlg, 4242), "");
    // Not a list, a combo or a list view.
    EXPECT_FALSE(Test_Choose_Row(m_hDlg, IDC_TEST_RED, 0));
    EXPECT_EQ(Test_Control_Selection(m_hDlg, IDC_TEST_RED), -1);
    EXPECT_EQ(gKeyboardLog.aCommands, std::vector<int>{IDC_TEST_APPLY});
}

}  // namespace
