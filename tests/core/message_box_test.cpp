// Message boxes: the skinned dialog once the back buffer exists, the system box before it and
// while a skinned box is up, and the button captions the skinned dialog receives.

#include "core_test_fixture.h"
#include "resources/resource.h"

namespace {

class MessageBoxTest : public CoreTest {};

// What the skinned dialog showed, read while it was up.
struct SHOWN_BUTTONS {
    std::string stCaption;
    std::string astButtons[3];  // the caption of each button shown, "" when hidden
    int nMessageBoxOpen = -1;
};

const int kButtonIds[3] = {IDC_MESSAGE_BUTTON1, IDC_MESSAGE_BUTTON2, IDC_MESSAGE_BUTTON3};

// Scripts the skinned dialog: records what it shows, then presses button nPress (0..2), or
// leaves it open (-1), which closes it as cancelled.
void Script_Skinned_Dialog(SHOWN_BUTTONS* pShown, int nPress) {
    Test_Script_Dialog(IDD_USER_MESSAGE, [pShown, nPress](HWND hDlg) {
        char szText[256];
        GetWindowTextA(hDlg, szText, sizeof szText);
        pShown->stCaption = szText;
        for (int i = 0; i < 3; i++) {
            HWND hButton = GetDlgItem(hDlg, kButtonIds[i]);
            szText[0] = 0;
            if (hButton && IsWindowVisible(hButton))
                GetWindowTextA(hButton, szText, sizeof szText);
            pShown->astButtons[i] = szText;
        }
        pShown->nMessageBoxOpen = gMessageBoxOpen;
        if (nPress >= 0)
            SendMessageA(hDlg, WM_COMMAND, (WPARAM)kButtonIds[nPress], 0);
    });
}

TEST_F(MessageBoxTest, SkinnedDialogButtonsAndAnswersByBoxType) {
    struct CASE {
        UINT uType;
        int nPress;  // button pressed, -1 closes the dialog
        int nExpected;
        const char* aszButtons[3];
    } const aCases[] = {
        {MB_OK | MB_ICONINFORMATION | MB_TASKMODAL, 0, IDOK, {"&OK", "", ""}},
        {MB_OK, -1, IDOK, {"&OK", "", ""}},
        {MB_OKCANCEL, 0, IDOK, {"&OK", "&Cancel", ""}},
        {MB_OKCANCEL, 1, IDCANCEL, {"&OK", "&Cancel", ""}},
        {MB_OKCANCEL, -1, IDCANCEL, {"&OK", "&Cancel", ""}},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, 0, IDYES, {"&Yes", "&No", "&Cancel"}},
        {MB_YESNOCANCEL, 1, IDNO, {"&Yes", "&No", "&Cancel"}},
        {MB_YESNOCANCEL, 2, IDCANCEL, {"&Yes", "&No", "&Cancel"}},
        {MB_YESNO | MB_ICONQUESTION, 0, IDYES, {"&Yes", "&No", ""}},
        {MB_YESNO, 1, IDNO, {"&Yes", "&No", ""}},
        {MB_YESNO, -1, IDNO, {"&Yes", "&No", ""}},
    };
    Pretend_Back_Buffer_Exists();
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << "type " << c.uType << " press " << c.nPress);
        Test_Clear_Transcript();
        SHOWN_BUTTONS shown;
        Script_Skinned_Dialog(&shown, c.nPress);

        EXPECT_EQ(Do_Message_Box("Sign him?", "Contract", c.uType), c.nExpected);

        ASSERT_EQ(Shown_Dialogs().size(), 1u);
        EXPECT_TRUE(Shown_Boxes().empty());
        EXPECT_EQ(shown.stCaption, "Contract");
        for (int i = 0; i < 3; i++)
            EXPECT_EQ(shown.astButtons[i], c.aszButtons[i]) << i;
        EXPECT_EQ(shown.nMessageBoxOpen, 1);
        EXPECT_EQ(gMessageBoxOpen, 0);
    }
}

// An OK command answers like the first button.
TEST_F(MessageBoxTest, OkCommandAnswersLikeTheFirstButton) {
    Pretend_Back_Buffer_Exists();
    for (UINT uType : {MB_YESNO, MB_OKCANCEL}) {
        Test_Script_Dialog(IDD_USER_MESSAGE,
                           [](HWND hDlg) { SendMessageA(hDlg, WM_COMMAND, IDOK, 0); });
        EXPECT_EQ(Do_Message_Box("Sign him?", "Contract", uType), uType == MB_YESNO ? IDYES : IDOK);
    }
}

TEST_F(MessageBoxTest, OtherBoxTypesShowNothingAndAnswerOk) {
    Pretend_Back_Buffer_Exists();
    EXPECT_EQ(Do_Message_Box("Retry?", "Disk", MB_RETRYCANCEL), IDOK);
    EXPECT_EQ(Do_Message_Box("Abort?", "Disk", MB_ABORTRETRYIGNORE), IDOK);
    EXPECT_TRUE(Test_Get_Transcript().empty());
    EXPECT_EQ(gMessageBoxOpen, 0);
}

TEST_F(MessageBoxTest, SystemBoxBeforeTheBackBufferExists) {
    const UINT uType = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_TASKMODAL;
    Test_Answer_Message_Box(IDNO);
    EXPECT_EQ(Do_Message_Box("Go for two?", "Point After Touchdown", uType), IDNO);

    Test_Answer_Message_Box(IDOK);
    EXPECT_EQ(Show_Message_Box("Loader", "Read %d teams", 32), IDOK);

    ASSERT_EQ(Shown_Boxes().size(), 2u);
    EXPECT_EQ(Shown_Boxes()[0].stText, "Go for two?");
    EXPECT_EQ(Shown_Boxes()[0].stCaption, "Point After Touchdown");
    EXPECT_EQ(Shown_Boxes()[0].uType, uType);
    EXPECT_EQ(Shown_Boxes()[1].stText, "Read 32 teams");
    EXPECT_EQ(Shown_Boxes()[1].uType, 0x2040u);
    EXPECT_TRUE(Shown_Dialogs().empty());
}

TEST_F(MessageBoxTest, SystemBoxWhileASkinnedBoxIsUp) {
    Pretend_Back_Buffer_Exists();
    int nInnerAnswer = 0;
    Test_Script_Dialog(IDD_USER_MESSAGE, [&nInnerAnswer](HWND hDlg) {
        Test_Answer_Message_Box(IDCANCEL);
        nInnerAnswer = Do_Message_Box("Inner", "Nested", MB_OKCANCEL | MB_ICONWARNING);
        SendMessageA(hDlg, WM_COMMAND, IDC_MESSAGE_BUTTON1, 0);
    });

    EXPECT_EQ(Do_Message_Box("Outer", "Skinned", MB_OK), IDOK);

    EXPECT_EQ(nInnerAnswer, IDCANCEL);
    ASSERT_EQ(Shown_Boxes().size(), 1u);
    EXPECT_EQ(Shown_Boxes()[0].stText, "Inner");
    EXPECT_EQ(Shown_Boxes()[0].uType, (UINT)(MB_OKCANCEL | MB_ICONWARNING));
    EXPECT_EQ(gMessageBoxOpen, 0);
}

TEST_F(MessageBoxTest, UserMessageFallsBackToSystemBoxByCaptionsGiven) {
    struct CASE {
        const char* szButton2;
        const char* szButton3;
        UINT uExpectedType;
    } const aCases[] = {
        {"No", "Cancel", MB_YESNOCANCEL}, {"No", "", MB_YESNO},
        {"No", nullptr, MB_YESNO},        {"", "Cancel", MB_OKCANCEL},
        {nullptr, "Cancel", MB_OKCANCEL}, {"", "", MB_OK},
        {nullptr, nullptr, MB_OK},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << "type " << c.uExpectedType);
        Test_Clear_Transcript();
        Test_Answer_Message_Box(IDNO);
        EXPECT_EQ(User_Message_Dialog("Caption", "Text", nullptr, "Yes", c.szButton2, c.szButton3),
                  IDNO);
        ASSERT_EQ(Shown_Boxes().size(), 1u);
        EXPECT_EQ(Shown_Boxes()[0].uType, c.uExpectedType);
        EXPECT_EQ(Shown_Boxes()[0].stText, "Text");
    }
    EXPECT_STREQ(gRecentErrors, "");
}

TEST_F(MessageBoxTest, MissingFirstButtonIsReportedAndTheDialogStillShown) {
    Pretend_Back_Buffer_Exists();
    SHOWN_BUTTONS shown;
    Script_Skinned_Dialog(&shown, 1);

    EXPECT_EQ(User_Message_Dialog(nullptr, "Text", nullptr, nullptr, "&No", nullptr), IDNO);

    EXPECT_STREQ(gRecentErrors,
                 "1700000000 ERROR: Missing string [stOK] in call to User_Message_Dialog()\n");
    EXPECT_EQ(Shown_Dialogs().size(), 1u);
    EXPECT_EQ(shown.stCaption, "");
    EXPECT_EQ(shown.astButtons[0], "");
    EXPECT_EQ(shown.astButtons[1], "&No");
}

}  // namespace
