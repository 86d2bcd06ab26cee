// Popup menus: a scripted choice, the dismissed default, the posted command without
// TPM_RETURNCMD, and the transcript.
#include "menu_window_fixture.h"

namespace menu_popup_test {

class MenuPopupTest : public MenuWindowTest {
protected:
    HMENU hPopup = nullptr;
    void SetUp() override {
        MenuWindowTest::SetUp();
        hPopup = GetSubMenu(hBar, 0);  // File
    }
};

TEST_F(MenuPopupTest, TheScriptChoosesOnceAndTheDefaultDismisses) {
    HMENU hSeen = nullptr;
    Test_Script_Popup_Menu([&](HMENU hMenu) {
        hSeen = hMenu;
        return ID_TEST_RECENT_1;  // in a submenu
    });
    EXPECT_EQ(TrackPopupMenu(hPopup, TPM_RETURNCMD, 10, 10, 0, hWnd, nullptr), ID_TEST_RECENT_1);
    EXPECT_EQ(hSeen, hPopup);
    EXPECT_TRUE(Commands().empty()) << "TPM_RETURNCMD sends nothing";
    EXPECT_EQ(TrackPopupMenuEx(hPopup, TPM_RETURNCMD, 10, 10, hWnd, nullptr), 0)
        << "the script was used up";

    const std::vector<TEST_SHOWN>& shown = Test_Get_Transcript();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].nKind, TEST_SHOWN_POPUP_MENU);
    EXPECT_TRUE(shown[0].bScripted);
    EXPECT_EQ(shown[0].nResult, ID_TEST_RECENT_1);
    EXPECT_EQ(shown[0].stText, "&Open...\tCtrl+O\n&Save\tCtrl+S\n-\n&Recent\nE&xit\n");
    EXPECT_FALSE(shown[1].bScripted);
    EXPECT_EQ(shown[1].nResult, 0);
}

TEST_F(MenuPopupTest, WithoutReturnCmdTheChoiceIsPosted) {
    Test_Script_Popup_Menu([](HMENU) { return ID_TEST_OPEN; });
    EXPECT_TRUE(TrackPopupMenu(hPopup, TPM_RIGHTBUTTON, 0, 0, 0, hWnd, nullptr));
    EXPECT_TRUE(Commands().empty()) << "posted, not sent";
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(msg.wParam, MAKEWPARAM(ID_TEST_OPEN, 0));
    // The window prepared the menu first.
    EXPECT_EQ(Received()[1].uMsg, static_cast<UINT>(WM_INITMENUPOPUP));
    EXPECT_EQ(Received()[1].wParam, reinterpret_cast<WPARAM>(hPopup));
}

TEST_F(MenuPopupTest, AGrayedOrUnknownChoiceDismisses) {
    const int kChoices[] = {ID_TEST_SAVE, 4242};
    for (int nChoice : kChoices) {
        Test_Script_Popup_Menu([=](HMENU) { return nChoice; });
        EXPECT_EQ(TrackPopupMenu(hPopup, TPM_RETURNCMD, 0, 0, 0, hWnd, nullptr), 0) << nChoice;
    }
    EXPECT_FALSE(
        TrackPopupMenu(reinterpret_cast<HMENU>(this), TPM_RETURNCMD, 0, 0, 0, hWnd, nullptr));
}

TEST_F(MenuPopupTest, StrictModeReportsAnUnscriptedPopup) {
    int nReported = 0;
    Test_Set_Strict(true, [&](const TEST_SHOWN& shown) {
        EXPECT_EQ(shown.nKind, TEST_SHOWN_POPUP_MENU);
        nReported++;
    });
    TrackPopupMenu(hPopup, TPM_RETURNCMD, 0, 0, 0, hWnd, nullptr);
    EXPECT_EQ(nReported, 1);
}

}  // namespace menu_popup_test
