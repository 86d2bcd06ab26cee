// The popup menu's loop as TrackPopupMenu runs it on a display: where the popup opens, and the
// keys and mouse that move through it, choose from it and dismiss it.
#include "menu_window_fixture.h"

namespace {

class PopupLoopTest : public MenuWindowTest {
protected:
    HMENU hFile = nullptr;  // Open, Save (grayed), separator, Recent >, Exit

    void SetUp() override {
        MenuWindowTest::SetUp();
        hFile = GetSubMenu(hBar, 0);
        ASSERT_NE(hFile, nullptr);
    }
    // What the display shows of the window, in its surface (the window sits at 0,0 on the
    // screen): the menu bar and the client area.
    RECT Shown() const {
        RECT rc;
        GetClientRect(hWnd, &rc);
        POINT pt = {0, 0};
        ClientToScreen(hWnd, &pt);
        return {pt.x, pt.y - GetSystemMetrics(SM_CYMENU), pt.x + rc.right, pt.y + rc.bottom};
    }
    RECT Item(int nLevel, int nPos) const {
        RECT rc = {};
        EXPECT_TRUE(Test_Get_Open_Menu_Item_Rect(nLevel, nPos, &rc));
        return rc;
    }
    // The whole first level of the File popup.
    RECT Popup_Rect() const {
        RECT rcFirst = Item(0, 0), rcLast = Item(0, 4);
        return {rcFirst.left, rcFirst.top, rcFirst.right, rcLast.bottom};
    }
    void Open(POINT pt, UINT uFlags = 0) {
        ASSERT_TRUE(Test_Begin_Popup_Loop(hFile, uFlags | TPM_RETURNCMD, pt, hWnd));
    }
    void Key(WPARAM wKey) {
        Test_Menu_Key(hWnd, WM_KEYDOWN, wKey);
    }
    void Mouse(UINT uMsg, const RECT& rc) {
        Test_Menu_Mouse(hWnd, uMsg, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }
    bool Running() const {
        return Test_Get_Menu_Loop().hTop != nullptr;
    }
};

TEST_F(PopupLoopTest, OpensAtThePointAlignedAndKeptInsideTheShownArea) {
    Open({0, 0});
    RECT rcPopup = Popup_Rect();
    LONG w = rcPopup.right - rcPopup.left, h = rcPopup.bottom - rcPopup.top;
    RECT b = Shown();
    struct CASE {
        POINT pt;
        UINT uFlags;
        LONG x, y;
    };
    const CASE kCases[] = {
        {{b.left + 10, b.top + 10}, 0, b.left + 10, b.top + 10},
        // No room on the right or below: the popup ends at the point instead.
        {{b.right - 5, b.top + 10}, 0, b.right - 5 - w, b.top + 10},
        {{b.left + 10, b.bottom - 5}, 0, b.left + 10, b.bottom - 5 - h},
        {{b.left + 200, b.top + 200},
         TPM_RIGHTALIGN | TPM_BOTTOMALIGN,
         b.left + 200 - w,
         b.top + 200 - h},
        {{b.left + 200, b.top + 200},
         TPM_CENTERALIGN | TPM_VCENTERALIGN,
         b.left + 200 - w / 2,
         b.top + 200 - h / 2},
        // Outside the window, or aligned past its edge: pushed back inside.
        {{b.left - 50, b.top - 50}, 0, b.left, b.top},
        {{b.left + 5, b.top + 5}, TPM_RIGHTALIGN, b.left, b.top + 5},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(testing::Message()
                     << "at " << c.pt.x << "," << c.pt.y << " flags " << c.uFlags);
        Key(VK_ESCAPE);
        ASSERT_FALSE(Running());
        Open(c.pt, c.uFlags);
        RECT rc = Popup_Rect();
        EXPECT_EQ(rc.left, c.x);
        EXPECT_EQ(rc.top, c.y);
    }
}

TEST_F(PopupLoopTest, KeysMoveOverChoosableItemsAndCascadeIntoTheSubmenu) {
    Open({50, 80});
    Key(VK_DOWN);
    Key(VK_DOWN);  // past the grayed item and the separator
    EXPECT_EQ(Test_Get_Menu_Loop().aSelected, (std::vector<int>{3}));
    Key(VK_LEFT);  // the first level has no bar to move along
    Key(VK_RIGHT);
    TEST_MENU_LOOP loop = Test_Get_Menu_Loop();
    ASSERT_EQ(loop.aOpen.size(), 2u);
    EXPECT_EQ(loop.aSelected[1], 0);
    EXPECT_EQ(Item(1, 0).left, Item(0, 3).right);  // beside its item
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(Running());
    EXPECT_EQ(Test_Popup_Loop_Choice(), ID_TEST_RECENT_2);
    EXPECT_TRUE(Commands().empty());  // TrackPopupMenu hands the command on, not the loop
}

TEST_F(PopupLoopTest, EscapeClosesTheSubmenuThenDismissesAndMnemonicsChoose) {
    Open({50, 80});
    Key('R');  // opens Recent
    ASSERT_EQ(Test_Get_Menu_Loop().aOpen.size(), 2u);
    Key(VK_ESCAPE);
    EXPECT_EQ(Test_Get_Menu_Loop().aOpen.size(), 1u);
    Key(VK_ESCAPE);
    EXPECT_FALSE(Running());
    EXPECT_EQ(Test_Popup_Loop_Choice(), 0);

    Open({50, 80});
    Key('S');  // Save is grayed
    EXPECT_TRUE(Running());
    Key('X');
    EXPECT_FALSE(Running());
    EXPECT_EQ(Test_Popup_Loop_Choice(), ID_TEST_EXIT);
}

TEST_F(PopupLoopTest, SubmenuWithNoRoomOnTheRightOpensOnTheLeft) {
    RECT b = Shown();
    Open({b.right - 1, b.top + 10});
    Key('R');
    ASSERT_EQ(Test_Get_Menu_Loop().aOpen.size(), 2u);
    EXPECT_EQ(Item(1, 0).right, Item(0, 3).left);
}

TEST_F(PopupLoopTest, MouseChoosesOnReleaseOnceItMovedAndAPressOutsideDismisses) {
    Open({50, 80});
    RECT rcOpen = Item(0, 0);
    // The release of the click that opened the popup, with the pointer still where it was.
    Test_Menu_Mouse(hWnd, WM_LBUTTONUP, 50, 80);
    EXPECT_TRUE(Running());
    Mouse(WM_MOUSEMOVE, Item(0, 1));  // grayed: nothing is highlighted
    EXPECT_EQ(Test_Get_Menu_Loop().aSelected, (std::vector<int>{-1}));
    Mouse(WM_LBUTTONUP, Item(0, 1));
    EXPECT_TRUE(Running());
    Mouse(WM_MOUSEMOVE, rcOpen);
    Mouse(WM_LBUTTONUP, rcOpen);
    EXPECT_FALSE(Running());
    EXPECT_EQ(Test_Popup_Loop_Choice(), ID_TEST_OPEN);

    Open({50, 80});
    Test_Menu_Mouse(hWnd, WM_LBUTTONDOWN, 400, 400);
    EXPECT_FALSE(Running());
    EXPECT_EQ(Test_Popup_Loop_Choice(), 0);
}

TEST_F(PopupLoopTest, RightButtonChoosesOnlyWithTpmRightButton) {
    for (UINT uFlags : {0u, static_cast<UINT>(TPM_RIGHTBUTTON)}) {
        SCOPED_TRACE(uFlags);
        Open({50, 80}, uFlags);
        RECT rcExit = Item(0, 4);
        Mouse(WM_MOUSEMOVE, rcExit);
        Mouse(WM_RBUTTONUP, rcExit);
        EXPECT_EQ(Running(), uFlags == 0);
        EXPECT_EQ(Test_Popup_Loop_Choice(), uFlags ? ID_TEST_EXIT : 0);
        Key(VK_ESCAPE);
    }
}

TEST_F(PopupLoopTest, KeysReachThePopupWhereverTheFocusIs) {
    HWND hOther = CreateWindowExA(0, "MenuTestWindow", "other", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hOther, nullptr);
    Open({50, 80});
    EXPECT_TRUE(Test_Menu_Key(hOther, WM_KEYDOWN, 'X'));
    EXPECT_EQ(Test_Popup_Loop_Choice(), ID_TEST_EXIT);
}

}  // namespace
