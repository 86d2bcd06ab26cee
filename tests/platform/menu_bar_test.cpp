// The menu bar of a window with the test menu (File, Edit, Help): its layout, the mouse and the
// keys that open drop-downs and choose from them, and what the window is told on the way.
#include "menu_window_fixture.h"

#include <string>

namespace menu_bar_test {

class MenuBarTest : public MenuWindowTest {
protected:
    RECT Bar_Item(int nPos) {
        RECT rc = {0, 0, 0, 0};
        EXPECT_TRUE(Test_Get_Menu_Bar_Item_Rect(hWnd, nPos, &rc)) << nPos;
        return rc;
    }
    RECT Open_Item(int nLevel, int nPos) {
        RECT rc = {0, 0, 0, 0};
        EXPECT_TRUE(Test_Get_Open_Menu_Item_Rect(nLevel, nPos, &rc)) << nLevel << "/" << nPos;
        return rc;
    }
    bool Mouse(UINT uMsg, const RECT& rc) {
        return Test_Menu_Mouse(hWnd, uMsg, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }
    void Click(const RECT& rc) {
        Mouse(WM_LBUTTONDOWN, rc);
        Mouse(WM_LBUTTONUP, rc);
    }
    void Key(WPARAM wKey) {
        Test_Menu_Key(hWnd, WM_KEYDOWN, wKey);
        Test_Menu_Key(hWnd, WM_KEYUP, wKey);
    }
    HMENU File() {
        return GetSubMenu(hBar, 0);
    }
    HMENU Edit() {
        return GetSubMenu(hBar, 1);
    }
};

TEST_F(MenuBarTest, ItemsRunLeftToRightWithHelpAtTheRightEnd) {
    RECT rcFile = Bar_Item(0), rcEdit = Bar_Item(1), rcHelp = Bar_Item(2);
    EXPECT_EQ(rcFile.bottom - rcFile.top, GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(rcEdit.top, rcFile.top);
    EXPECT_EQ(rcEdit.left, rcFile.right) << "one after the other";
    // HELP sits at the right end of the bar, which ends inside the window's frame.
    EXPECT_LE(rcHelp.right, 640);
    EXPECT_GE(rcHelp.right, 640 - 8);
    EXPECT_GT(rcHelp.left, rcEdit.right);
    RECT rc;
    EXPECT_FALSE(Test_Get_Menu_Bar_Item_Rect(hWnd, 3, &rc));
}

TEST_F(MenuBarTest, AMnemonicsAmpersandTakesNoRoom) {
    struct WIDTH_CASE {
        const char* szA;
        const char* szB;
        bool bSameWidth;
    };
    const WIDTH_CASE kCases[] = {
        {"&File", "File", true},
        {"Fil&e", "File", true},
        {"&&File", "&File", false},  // "&&" shows one '&'
        {"&Open\tCtrl+O", "&Open", true},
    };
    for (const WIDTH_CASE& c : kCases) {
        HMENU hTwo = CreateMenu();
        AppendMenuA(hTwo, MF_STRING, 1, c.szA);
        AppendMenuA(hTwo, MF_STRING, 2, c.szB);
        ASSERT_TRUE(SetMenu(hWnd, hTwo));
        RECT rcA = Bar_Item(0), rcB = Bar_Item(1);
        EXPECT_GT(rcA.right - rcA.left, 16) << c.szA;
        EXPECT_EQ(rcA.right - rcA.left == rcB.right - rcB.left, c.bSameWidth) << c.szA;
    }
}

TEST_F(MenuBarTest, ClickOpensADropDownAndAnItemSendsItsCommand) {
    EXPECT_TRUE(Mouse(WM_LBUTTONDOWN, Bar_Item(0)));
    TEST_MENU_LOOP loop = Test_Get_Menu_Loop();
    EXPECT_EQ(loop.hTop, hWnd);
    ASSERT_EQ(loop.aOpen.size(), 1u);
    EXPECT_EQ(loop.aOpen[0], File());
    // The window is told before the drop-down opens: the bar, then the popup and its position.
    ASSERT_EQ(Messages(), (std::vector<UINT>{WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP}));
    EXPECT_EQ(Received()[1].wParam, reinterpret_cast<WPARAM>(hBar));
    EXPECT_EQ(Received()[2].wParam, reinterpret_cast<WPARAM>(File()));
    EXPECT_EQ(LOWORD(Received()[2].lParam), 0);
    // The drop-down hangs below its bar item.
    RECT rcOpen = Open_Item(0, 0);
    EXPECT_EQ(rcOpen.left, Bar_Item(0).left);
    EXPECT_EQ(rcOpen.top, Bar_Item(0).bottom);

    Mouse(WM_LBUTTONUP, Bar_Item(0));
    EXPECT_EQ(Test_Get_Menu_Loop().aOpen.size(), 1u) << "releasing on the bar keeps it open";
    Click(Open_Item(0, 4));  // E&xit
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(ID_TEST_EXIT, 0)}));
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, nullptr);
    EXPECT_EQ(Received().back().uMsg, WM_COMMAND) << "the loop ends before the command";
}

// While a modal box runs over the window (its owner disabled), neither a click on the bar nor
// Alt, F10 or Alt+mnemonic opens its menus; enabled again, they open.
TEST_F(MenuBarTest, ADisabledWindowKeepsItsMenusShut) {
    EnableWindow(hWnd, FALSE);
    EXPECT_TRUE(Mouse(WM_LBUTTONDOWN, Bar_Item(0))) << "the click is used up";
    Mouse(WM_LBUTTONUP, Bar_Item(0));
    EXPECT_FALSE(Test_Menu_Key(hWnd, WM_SYSKEYDOWN, 'E'));
    EXPECT_FALSE(Test_Menu_Key(hWnd, WM_KEYDOWN, VK_F10));
    Test_Menu_Key(hWnd, WM_SYSKEYDOWN, VK_MENU);
    EXPECT_FALSE(Test_Menu_Key(hWnd, WM_SYSKEYUP, VK_MENU));
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, nullptr);
    EXPECT_TRUE(Messages().empty());

    EnableWindow(hWnd, TRUE);
    EXPECT_TRUE(Mouse(WM_LBUTTONDOWN, Bar_Item(0)));
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, hWnd);
}

TEST_F(MenuBarTest, DisabledItemsAndSeparatorsDoNothing) {
    Click(Bar_Item(0));
    Click(Open_Item(0, 1));  // &Save, grayed
    Click(Open_Item(0, 2));  // the separator
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(Test_Get_Menu_Loop().aOpen.size(), 1u);
    // A command disabled by the program is refused the same way.
    EnableMenuItem(hBar, ID_TEST_OPEN, MF_BYCOMMAND | MF_GRAYED);
    Click(Open_Item(0, 0));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(MenuBarTest, MovingAcrossTheBarSwitchesAndAClickElsewhereCloses) {
    EXPECT_FALSE(Mouse(WM_MOUSEMOVE, Bar_Item(1))) << "nothing is open yet";
    Mouse(WM_LBUTTONDOWN, Bar_Item(0));
    Mouse(WM_MOUSEMOVE, Bar_Item(1));
    TEST_MENU_LOOP loop = Test_Get_Menu_Loop();
    EXPECT_EQ(loop.nBarItem, 1);
    ASSERT_EQ(loop.aOpen.size(), 1u);
    EXPECT_EQ(loop.aOpen[0], Edit());
    EXPECT_EQ(LOWORD(Received().back().lParam), 1) << "WM_INITMENUPOPUP names Edit's position";

    EXPECT_TRUE(Test_Menu_Mouse(hWnd, WM_LBUTTONDOWN, 600, 400));
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, nullptr);
    EXPECT_EQ(Received().back().uMsg, WM_EXITMENULOOP);
    EXPECT_FALSE(Test_Menu_Mouse(hWnd, WM_LBUTTONDOWN, 600, 400)) << "the window's own click";
    EXPECT_TRUE(Commands().empty());

    // A press in another window ends the loop there.
    Click(Bar_Item(0));
    HWND hOther = CreateWindowExA(0, "MenuTestWindow", "other", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(Test_Menu_Mouse(hOther, WM_LBUTTONDOWN, 50, 50));
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, nullptr);

    // A second click on the open item closes it.
    Click(Bar_Item(0));
    Mouse(WM_LBUTTONDOWN, Bar_Item(0));
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, nullptr);
}

TEST_F(MenuBarTest, SubmenusOpenBesideTheirItem) {
    Click(Bar_Item(0));
    Mouse(WM_LBUTTONDOWN, Open_Item(0, 3));  // &Recent
    TEST_MENU_LOOP loop = Test_Get_Menu_Loop();
    ASSERT_EQ(loop.aOpen.size(), 2u);
    EXPECT_EQ(Open_Item(1, 0).left, Open_Item(0, 3).right);
    EXPECT_EQ(Open_Item(1, 0).top, Open_Item(0, 3).top);
    Click(Open_Item(1, 1));
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(ID_TEST_RECENT_2, 0)}));
}

TEST_F(MenuBarTest, AMenuBreakStartsANewColumn) {
    HMENU hColumns = CreatePopupMenu();
    AppendMenuA(hColumns, MF_STRING, 1, "One");
    AppendMenuA(hColumns, MF_STRING, 2, "Two");
    AppendMenuA(hColumns, MF_STRING | MF_MENUBREAK, 3, "Three, a longer one");
    AppendMenuA(hColumns, MF_STRING, 4, "Four");
    AppendMenuA(hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hColumns), "&Columns");
    Click(Bar_Item(3));
    RECT rcOne = Open_Item(0, 0), rcTwo = Open_Item(0, 1), rcThree = Open_Item(0, 2),
         rcFour = Open_Item(0, 3);
    EXPECT_EQ(rcTwo.top, rcOne.bottom);
    EXPECT_EQ(rcThree.left, rcOne.right);
    EXPECT_EQ(rcThree.top, rcOne.top);
    EXPECT_EQ(rcFour.top, rcThree.bottom);
    EXPECT_GT(rcThree.right - rcThree.left, rcOne.right - rcOne.left) << "each column its width";
    Click(rcFour);
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(4, 0)}));
}

TEST_F(MenuBarTest, AltMnemonicDownAndEnterChoose) {
    EXPECT_TRUE(Test_Menu_Key(hWnd, WM_SYSKEYDOWN, 'E'));  // Alt+E
    TEST_MENU_LOOP loop = Test_Get_Menu_Loop();
    ASSERT_EQ(loop.aOpen.size(), 1u);
    EXPECT_EQ(loop.aOpen[0], Edit());
    EXPECT_EQ(loop.aSelected[0], 0) << "opened from the keyboard, the first item is highlighted";
    Key(VK_DOWN);  // skips &Paste (disabled) to &Find
    EXPECT_EQ(Test_Get_Menu_Loop().aSelected[0], 2);
    Key(VK_DOWN);  // wraps to &Copy
    EXPECT_EQ(Test_Get_Menu_Loop().aSelected[0], 0);
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(ID_TEST_FIND, 0)}));
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, nullptr);
}

TEST_F(MenuBarTest, KeysMoveAcrossMenusAndEscapeClosesOneLevel) {
    // Alt pressed and released alone highlights the first bar item.
    EXPECT_FALSE(Test_Menu_Key(hWnd, WM_SYSKEYDOWN, VK_MENU));
    EXPECT_TRUE(Test_Menu_Key(hWnd, WM_SYSKEYUP, VK_MENU));
    TEST_MENU_LOOP loop = Test_Get_Menu_Loop();
    EXPECT_EQ(loop.nBarItem, 0);
    EXPECT_TRUE(loop.aOpen.empty());

    Key(VK_LEFT);  // wraps to Help
    EXPECT_EQ(Test_Get_Menu_Loop().nBarItem, 2);
    Key(VK_DOWN);  // opens Help
    EXPECT_EQ(Test_Get_Menu_Loop().aOpen.size(), 1u);
    Key(VK_RIGHT);  // to File, open
    loop = Test_Get_Menu_Loop();
    ASSERT_EQ(loop.aOpen.size(), 1u);
    EXPECT_EQ(loop.aOpen[0], File());

    // The mnemonic of a submenu opens it; Escape closes one level at a time.
    EXPECT_TRUE(Test_Menu_Key(hWnd, WM_KEYDOWN, 'R'));
    EXPECT_EQ(Test_Get_Menu_Loop().aOpen.size(), 2u);
    Key(VK_ESCAPE);
    EXPECT_EQ(Test_Get_Menu_Loop().aOpen.size(), 1u);
    Key(VK_ESCAPE);
    loop = Test_Get_Menu_Loop();
    EXPECT_TRUE(loop.aOpen.empty());
    EXPECT_EQ(loop.nBarItem, 0) << "the bar item stays highlighted";
    Key(VK_ESCAPE);
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, nullptr);
    EXPECT_TRUE(Commands().empty());

    // Alt with another key is not Alt alone; F10 is.
    Test_Menu_Key(hWnd, WM_SYSKEYDOWN, VK_MENU);
    Test_Menu_Key(hWnd, WM_SYSKEYDOWN, 'Q');
    EXPECT_FALSE(Test_Menu_Key(hWnd, WM_SYSKEYUP, VK_MENU));
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, nullptr);
    EXPECT_TRUE(Test_Menu_Key(hWnd, WM_SYSKEYDOWN, VK_F10));
    EXPECT_EQ(Test_Get_Menu_Loop().nBarItem, 0);
}

TEST_F(MenuBarTest, AMnemonicOnAnItemChoosesIt) {
    Test_Menu_Key(hWnd, WM_SYSKEYDOWN, 'F');
    EXPECT_TRUE(Test_Menu_Key(hWnd, WM_CHAR, 'o')) << "characters are used up, not chosen";
    EXPECT_TRUE(Commands().empty());
    Key('X');
    EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(ID_TEST_EXIT, 0)}));
    EXPECT_FALSE(Test_Menu_Key(hWnd, WM_SYSKEYDOWN, 'Z')) << "no bar item has z";
    EXPECT_FALSE(Test_Menu_Key(hWnd, WM_KEYDOWN, 'F')) << "without Alt, F is the window's";
}

TEST_F(MenuBarTest, TheLoopEndsWithItsWindowOrMenu) {
    Click(Bar_Item(0));
    ASSERT_EQ(Test_Get_Menu_Loop().hTop, hWnd);
    DestroyMenu(hBar);
    EXPECT_EQ(Test_Get_Menu_Loop().hTop, nullptr);
    EXPECT_FALSE(Test_Menu_Key(hWnd, WM_SYSKEYDOWN, 'F'));
}

}  // namespace menu_bar_test
