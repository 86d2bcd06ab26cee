// Menu objects: building, changing and reading items by position and by command (which searches
// submenus), what goes with a menu when it is destroyed, and the window's menu.
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <string>

namespace menu_objects_test {

// A bar with File: &New (10), a separator, &Print (11, grayed), &More -> [Deep (20)].
class MenuObjectsTest : public ::testing::Test {
protected:
    HMENU hBar = nullptr, hFile = nullptr, hMore = nullptr;

    void SetUp() override {
        Test_Reset_Platform();
        hBar = CreateMenu();
        hFile = CreatePopupMenu();
        hMore = CreatePopupMenu();
        ASSERT_TRUE(AppendMenuA(hMore, MF_STRING, 20, "Deep"));
        ASSERT_TRUE(AppendMenuA(hFile, MF_STRING, 10, "&New"));
        ASSERT_TRUE(AppendMenuA(hFile, MF_SEPARATOR, 0, nullptr));
        ASSERT_TRUE(AppendMenuA(hFile, MF_STRING | MF_GRAYED, 11, "&Print"));
        ASSERT_TRUE(AppendMenuA(hFile, MF_POPUP, reinterpret_cast<UINT_PTR>(hMore), "&More"));
        ASSERT_TRUE(AppendMenuA(hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "&File"));
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    // The bar's height as its items show it; 0 without a bar.
    static int Bar_Height(HWND hWnd) {
        RECT rc;
        return Test_Get_Menu_Bar_Item_Rect(hWnd, 0, &rc) ? rc.bottom - rc.top : 0;
    }

    std::string Text(HMENU hMenu, UINT uItem, UINT uFlags) {
        char sz[32] = "?";
        GetMenuStringA(hMenu, uItem, sz, sizeof(sz), uFlags);
        return sz;
    }
};

TEST_F(MenuObjectsTest, EnableAndCheckReturnThePreviousStateOrMinusOne) {
    struct STATE_CASE {
        bool bCheck;  // CheckMenuItem, else EnableMenuItem
        HMENU* phMenu;
        UINT uItem;
        UINT uFlags;
        LONG nPrevious;
        UINT uStateAfter;  // GetMenuState of the item, by the same flags
    };
    const STATE_CASE kCases[] = {
        // By command the search reaches the submenu's submenu.
        {false, &hBar, 20, MF_BYCOMMAND | MF_GRAYED, MF_ENABLED, MF_GRAYED},
        {false, &hBar, 20, MF_BYCOMMAND | MF_ENABLED, MF_GRAYED, MF_ENABLED},
        {false, &hFile, 2, MF_BYPOSITION | MF_DISABLED, MF_GRAYED, MF_DISABLED},
        {false, &hFile, 2, MF_BYPOSITION | MF_ENABLED, MF_DISABLED, MF_ENABLED},
        {true, &hBar, 10, MF_BYCOMMAND | MF_CHECKED, MF_UNCHECKED, MF_CHECKED},
        {true, &hFile, 0, MF_BYPOSITION | MF_UNCHECKED, MF_CHECKED, MF_UNCHECKED},
        // No such item: -1 and nothing changes.
        {false, &hBar, 99, MF_BYCOMMAND | MF_GRAYED, -1, static_cast<UINT>(-1)},
        {false, &hFile, 4, MF_BYPOSITION | MF_GRAYED, -1, static_cast<UINT>(-1)},
        {true, &hBar, 1, MF_BYPOSITION | MF_CHECKED, -1, static_cast<UINT>(-1)},
    };
    for (const STATE_CASE& c : kCases) {
        LONG nPrevious = c.bCheck ? static_cast<LONG>(CheckMenuItem(*c.phMenu, c.uItem, c.uFlags))
                                  : EnableMenuItem(*c.phMenu, c.uItem, c.uFlags);
        EXPECT_EQ(nPrevious, c.nPrevious) << c.uItem;
        EXPECT_EQ(GetMenuState(*c.phMenu, c.uItem, c.uFlags & MF_BYPOSITION), c.uStateAfter)
            << c.uItem;
    }
}

TEST_F(MenuObjectsTest, ReadsItemsAndSubmenus) {
    EXPECT_EQ(GetMenuItemCount(hFile), 4);
    EXPECT_EQ(GetSubMenu(hBar, 0), hFile);
    EXPECT_EQ(GetSubMenu(hFile, 3), hMore);
    EXPECT_EQ(GetSubMenu(hFile, 0), nullptr) << "a command has no submenu";
    EXPECT_EQ(GetSubMenu(hFile, 9), nullptr);
    EXPECT_EQ(GetMenuItemID(hFile, 0), 10u);
    EXPECT_EQ(GetMenuItemID(hFile, 3), static_cast<UINT>(-1)) << "a popup item has no command";
    EXPECT_EQ(Text(hBar, 20, MF_BYCOMMAND), "Deep");
    EXPECT_EQ(GetMenuStringA(hFile, 0, nullptr, 0, MF_BYPOSITION), 4);
    char sz[3];
    EXPECT_EQ(GetMenuStringA(hFile, 0, sz, sizeof(sz), MF_BYPOSITION), 2);
    EXPECT_STREQ(sz, "&N");
    EXPECT_EQ(GetMenuItemCount(reinterpret_cast<HMENU>(sz)), -1) << "not a menu";
}

TEST_F(MenuObjectsTest, ModifyInsertDeleteAndRemove) {
    // Modify keeps the place; a popup item made a command destroys its submenu.
    EXPECT_TRUE(ModifyMenuA(hBar, 10, MF_BYCOMMAND | MF_STRING | MF_CHECKED, 12, "&Open"));
    EXPECT_EQ(GetMenuItemID(hFile, 0), 12u);
    EXPECT_EQ(Text(hFile, 0, MF_BYPOSITION), "&Open");
    EXPECT_EQ(GetMenuState(hFile, 0, MF_BYPOSITION), static_cast<UINT>(MF_CHECKED));
    EXPECT_TRUE(ModifyMenuA(hFile, 3, MF_BYPOSITION | MF_STRING, 13, "Flat"));
    EXPECT_EQ(GetMenuItemCount(hMore), -1);
    EXPECT_FALSE(ModifyMenuA(hFile, 10, MF_BYCOMMAND, 14, "gone"));

    // Insert by command goes before that item in the menu that holds it; by position past the end
    // appends.
    EXPECT_TRUE(InsertMenuA(hBar, 11, MF_BYCOMMAND | MF_STRING, 15, "Before print"));
    EXPECT_EQ(GetMenuItemID(hFile, 2), 15u);
    EXPECT_EQ(GetMenuItemID(hFile, 3), 11u);
    EXPECT_TRUE(InsertMenuA(hFile, 100, MF_BYPOSITION | MF_STRING, 16, "Last"));
    EXPECT_EQ(GetMenuItemID(hFile, 5), 16u);

    // Remove keeps a submenu alive, Delete destroys it.
    HMENU hSub = CreatePopupMenu();
    AppendMenuA(hSub, MF_STRING, 30, "x");
    ASSERT_TRUE(AppendMenuA(hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), "&Sub"));
    EXPECT_TRUE(RemoveMenu(hBar, 1, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(hSub), 1);
    ASSERT_TRUE(AppendMenuA(hBar, MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), "&Sub"));
    EXPECT_TRUE(DeleteMenu(hBar, 1, MF_BYPOSITION));
    EXPECT_EQ(GetMenuItemCount(hSub), -1);
    EXPECT_TRUE(DeleteMenu(hBar, 15, MF_BYCOMMAND));
    EXPECT_EQ(GetMenuState(hBar, 15, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_FALSE(DeleteMenu(hBar, 15, MF_BYCOMMAND));
}

TEST_F(MenuObjectsTest, RefusesSubmenusThatAreNotMenusOrWouldHoldThemselves) {
    EXPECT_FALSE(AppendMenuA(hMore, MF_POPUP, reinterpret_cast<UINT_PTR>(hBar), "loop"));
    EXPECT_FALSE(AppendMenuA(hFile, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "self"));
    EXPECT_FALSE(AppendMenuA(hFile, MF_POPUP, 12345, "not a menu"));
    EXPECT_FALSE(AppendMenuA(reinterpret_cast<HMENU>(&hBar), MF_STRING, 1, "not a menu"));
    EXPECT_EQ(GetMenuItemCount(hMore), 1);
}

TEST_F(MenuObjectsTest, ItemInfoReadsAndWritesTheMaskedFields) {
    char szText[16] = {};
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE;
    mii.dwTypeData = szText;
    mii.cch = sizeof(szText);
    ASSERT_TRUE(GetMenuItemInfoA(hFile, 2, TRUE, &mii));
    EXPECT_STREQ(szText, "&Print");
    EXPECT_EQ(mii.cch, 6u);
    EXPECT_EQ(mii.wID, 11u);
    EXPECT_EQ(mii.fState, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(mii.hSubMenu, nullptr);
    mii.dwTypeData = nullptr;
    ASSERT_TRUE(GetMenuItemInfoA(hBar, 0, TRUE, &mii));
    EXPECT_EQ(mii.hSubMenu, hFile);
    EXPECT_EQ(mii.cch, 5u) << "with no buffer, the length";

    MENUITEMINFOA set = {};
    set.cbSize = sizeof(set);
    set.fMask = MIIM_STRING | MIIM_STATE;
    set.dwTypeData = const_cast<LPSTR>("&Print all");
    set.fState = MFS_CHECKED;
    EXPECT_TRUE(SetMenuItemInfoA(hBar, 11, FALSE, &set));
    EXPECT_EQ(Text(hFile, 2, MF_BYPOSITION), "&Print all");
    EXPECT_EQ(GetMenuState(hFile, 2, MF_BYPOSITION), static_cast<UINT>(MF_CHECKED));
    EXPECT_FALSE(SetMenuItemInfoA(hBar, 77, FALSE, &set));

    set.fMask = MIIM_STRING | MIIM_ID | MIIM_FTYPE;
    set.fType = MFT_STRING;
    set.wID = 17;
    set.dwTypeData = const_cast<LPSTR>("First");
    EXPECT_TRUE(InsertMenuItemA(hFile, 0, TRUE, &set));
    EXPECT_EQ(GetMenuItemID(hFile, 0), 17u);
    EXPECT_EQ(GetMenuItemID(hFile, 1), 10u);
}

TEST_F(MenuObjectsTest, AWindowsMenuGoesWithTheWindow) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "MenuOwner";
    ASSERT_NE(RegisterClassA(&wc), 0u);
    HWND hTop = CreateWindowExA(0, "MenuOwner", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                nullptr, nullptr, nullptr);
    HWND hChild = CreateWindowExA(0, "MenuOwner", "", WS_CHILD, 0, 0, 30, 20, hTop, nullptr,
                                  nullptr, nullptr);
    EXPECT_EQ(Bar_Height(hTop), 0);
    ASSERT_TRUE(SetMenu(hTop, hBar));
    EXPECT_EQ(GetMenu(hTop), hBar);
    EXPECT_EQ(Bar_Height(hTop), GetSystemMetrics(SM_CYMENU));
    EXPECT_FALSE(SetMenu(hChild, hFile)) << "a child window has no menu bar";
    EXPECT_FALSE(SetMenu(hTop, reinterpret_cast<HMENU>(&wc)));
    EXPECT_EQ(GetMenu(hTop), hBar);

    // Destroying the bar takes it off the window.
    DestroyMenu(hBar);
    EXPECT_EQ(GetMenu(hTop), nullptr);
    EXPECT_EQ(Bar_Height(hTop), 0);

    // A destroyed window has no menu.
    HMENU hOther = CreateMenu();
    ASSERT_TRUE(SetMenu(hTop, hOther));
    DestroyWindow(hTop);
    EXPECT_EQ(GetMenu(hTop), nullptr);
}

}  // namespace menu_objects_test
