// Menu 101 and accelerator table 101, the draft and page-help labels and the greyed menu bar.
#include "menus_window_fixture.h"

namespace menus_main_menu_test {

using menus_test::Menus_Commands;
using menus_test::Menus_Item_Text;
using menus_test::Menus_Item_Texts;
using menus_test::MenusWindowTest;

TEST_F(MenusWindowTest, MenuBarHoldsTheTenMenusWithTheirCommands) {
    EXPECT_EQ(Menus_Item_Texts(hMenu),
              (std::vector<std::string>{"&Game", "&Team", "&Players", "&Budget", "&News", "Pla&y",
                                        "&History", "&League", "&Tools", "&Help"}));
    // The positions the code relabels by, and a command of each menu where the code looks for it.
    EXPECT_EQ(Menus_Item_Text(Get_Main_Submenu(MAIN_MENU_PLAYERS), ID_PLAYERS_COLLEGE_DRAFT),
              "College &Draft...\tCtrl+C");
    EXPECT_EQ(Menus_Item_Text(Get_Main_Submenu(MAIN_MENU_TOOLS), ID_TOOLS_FANTASY_DRAFT),
              "&Fantasy Draft...");
    EXPECT_EQ(Menus_Item_Text(Get_Main_Submenu(MAIN_MENU_PLAY), ID_PLAY_ONE_WEEK),
              "One &Week\tCtrl+1");
    EXPECT_EQ(Menus_Item_Text(hMenu, ID_HELP_PAGE), "&Help on News Page");
    EXPECT_EQ(Menus_Item_Text(hMenu, ID_GAME_EXIT), "E&xit");
    EXPECT_EQ(Get_Main_Submenu(10), nullptr);
}

class MenusAcceleratorTest : public MenusWindowTest {
protected:
    HACCEL hAccel = nullptr;
    void SetUp() override {
        MenusWindowTest::SetUp();
        hAccel = LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(IDR_MAIN_ACCELERATORS));
        ASSERT_NE(hAccel, nullptr);
    }
    // The command a key gives with the modifiers held; 0 when the table lets it pass.
    int Command_Of(std::vector<UINT> aModifiers, UINT uKey) {
        for (UINT u : aModifiers)
            Test_Hold_Key(u, true);
        bool bAlt = false;
        for (UINT u : aModifiers)
            bAlt = bAlt || u == VK_MENU;
        MSG msg = {hWnd, bAlt ? (UINT)WM_SYSKEYDOWN : (UINT)WM_KEYDOWN, uKey, 0, 0, {0, 0}};
        Menus_Commands().clear();
        TranslateAcceleratorA(hWnd, hAccel, &msg);
        for (UINT u : aModifiers)
            Test_Hold_Key(u, false);
        return Menus_Commands().empty() ? 0 : LOWORD(Menus_Commands().back());
    }
};

TEST_F(MenusAcceleratorTest, KeysSendTheirCommands) {
    struct KEY_CASE {
        std::vector<UINT> aModifiers;
        UINT uKey;
        int nCommand;
    };
    const UINT C = VK_CONTROL;
    const KEY_CASE kCases[] = {
        {{C}, 'S', ID_GAME_SAVE},
        {{C}, 'N', ID_GAME_NEW},
        {{C}, 'T', ID_PLAYERS_TRADES},
        {{C}, 'C', ID_PLAYERS_COLLEGE_DRAFT},
        {{C}, 'P', ID_PLAYERS_COLLEGE_DRAFT},  // not the playbook the menu shows it for
        {{C}, '1', ID_PLAY_ONE_WEEK},
        {{C}, '4', ID_PLAY_ONE_MONTH},
        {{C}, '8', ID_PLAY_HALF_SEASON},
        {{C}, '9', 0},  // shown in the menu, but no key
        {{C}, '0', ID_PLAY_REST_OF_SEASON},
        {{C}, 'Q', ID_PLAY_FINISH_QUARTER},
        {{}, VK_F1, ID_HELP_CONTENTS},
        {{}, VK_F2, ID_NEWS_STANDINGS},
        {{}, VK_F3, ID_NEWS_FINANCES},
        {{}, VK_F5, ID_NEWS_GAMES},
        {{}, '1', ID_GAME_KEY_PLAY_FIRST},
        {{}, '9', ID_GAME_KEY_PLAY_FIRST + 8},
        {{}, '0', ID_GAME_KEY_PLAY_LAST},
        {{}, 'A', ID_GAME_KEY_PAGE_FIRST},
        {{}, 'F', ID_GAME_KEY_PAGE_LAST},
        {{}, 'G', 0},
        {{}, 'T', ID_GAME_KEY_TIMEOUT},
        {{}, VK_RETURN, ID_GAME_KEY_ENTER},
        {{}, VK_SPACE, ID_GAME_KEY_SPACE},
        {{C}, VK_F1, ID_DEBUG_KEY_FIRST},
        {{C}, VK_F6, ID_DEBUG_KEY_FIRST + 5},
        {{C}, VK_F12, ID_DEBUG_KEY_LAST},
        {{C, VK_SHIFT, VK_MENU}, 'T', ID_TOOLS_DEBUG_TIMING},
    };
    for (const KEY_CASE& c : kCases)
        EXPECT_EQ(Command_Of(c.aModifiers, c.uKey), c.nCommand)
            << "key " << c.uKey << " with " << c.aModifiers.size() << " modifiers";
}

TEST_F(MenusAcceleratorTest, AltSlashAndAltQuestionMarkOpenAbout) {
    for (char ch : {'/', '?'}) {
        MSG msg = {hWnd, WM_SYSCHAR, (WPARAM)ch, 1 << 29, 0, {0, 0}};
        Menus_Commands().clear();
        EXPECT_NE(TranslateAcceleratorA(hWnd, hAccel, &msg), 0) << ch;
        ASSERT_EQ(Menus_Commands().size(), 1u);
        EXPECT_EQ(LOWORD(Menus_Commands()[0]), ID_HELP_ABOUT);
    }
}

TEST_F(MenusWindowTest, DraftItemsFollowTheFantasyDraft) {
    Set_Draft_Menu_Items(1);
    EXPECT_EQ(Menus_Item_Text(hMenu, ID_TOOLS_FANTASY_DRAFT), "&End Fantasy Draft...");
    EXPECT_EQ(Menus_Item_Text(hMenu, ID_PLAYERS_COLLEGE_DRAFT), "&Draft Picks...\tCtrl+P");
    Set_Draft_Menu_Items(0);
    EXPECT_EQ(Menus_Item_Text(hMenu, ID_TOOLS_FANTASY_DRAFT), "&Fantasy Draft...");
    EXPECT_EQ(Menus_Item_Text(hMenu, ID_PLAYERS_COLLEGE_DRAFT), "College &Draft...\tCtrl+C");
}

TEST_F(MenusWindowTest, PageHelpItemNamesTheShownPage) {
    const struct {
        int nPage;
        const char* szText;
    } kCases[] = {
        {ID_NEWS_STANDINGS, "&Help on Standings Page"},
        {ID_NEWS_FINANCES, "&Help on Financial Page"},
        {ID_NEWS_HALL_OF_FAME_TABS, "&Help on Vanto Hall Of Fame"},
        {ID_NEWS_GAMES, "&Help on Games Page"},
        {12345, "&Help on Games Page"},  // a page without a label keeps the last one
    };
    for (const auto& c : kCases) {
        Set_Page_Help_Menu_Item(c.nPage);
        EXPECT_EQ(Menus_Item_Text(hMenu, ID_HELP_PAGE), c.szText) << c.nPage;
    }
}

TEST_F(MenusWindowTest, WholeMenuBarGreysAndComesBack) {
    Enable_Main_Menu(0);
    for (UINT u = 0; u < 10; u++)
        EXPECT_TRUE(GetMenuState(hMenu, u, MF_BYPOSITION) & MF_GRAYED) << u;
    Enable_Main_Menu(1);
    for (UINT u = 0; u < 10; u++)
        EXPECT_FALSE(GetMenuState(hMenu, u, MF_BYPOSITION) & MF_GRAYED) << u;
}

TEST(MenusNoWindowTest, MenuCallsWithoutAMainWindowDoNothing) {
    gMainWindow = nullptr;
    Set_Draft_Menu_Items(1);
    Set_Page_Help_Menu_Item(ID_NEWS_GAMES);
    Enable_Main_Menu(0);
    Build_Play_Menu();
    Set_Game_Menu(nullptr);
    Update_Main_Window_Title();
    EXPECT_EQ(Get_Main_Submenu(MAIN_MENU_PLAY), nullptr);
}

}  // namespace menus_main_menu_test
