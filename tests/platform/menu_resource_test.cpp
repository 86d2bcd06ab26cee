// MENU and ACCELERATORS in the resource compiler (the generated tables and the errors with their
// lines), and LoadMenuA / LoadAcceleratorsA on the program's compiled test resources.
#include "platform/test_api.h"
#include "resource_compiler_fixture.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace menu_resource_test {

TEST_F(ResourceCompilerTest, CompilesMenusAndAcceleratorTables) {
    Write("ids.h", "#define IDM_MAIN 7\n#define ID_OPEN 101\n#define ID_DEEP 102\n");
    const char* szScript =
        "#include \"ids.h\"\n"
        "IDM_MAIN MENU DISCARDABLE\n"
        "BEGIN\n"
        "    POPUP \"&File\"\n"
        "    BEGIN\n"
        "        MENUITEM \"&Open...\\tCtrl+O\", ID_OPEN\n"
        "        MENUITEM SEPARATOR\n"
        "        POPUP \"&More\", GRAYED\n"
        "        {\n"
        "            POPUP \"Deeper\" { MENUITEM \"&Deep\", ID_DEEP, CHECKED INACTIVE }\n"
        "        }\n"
        "        MENUITEM \"Column\", 103, MENUBREAK, MENUBARBREAK\n"
        "    END\n"
        "    MENUITEM \"&Help\", 104, HELP\n"
        "END\n"
        "3 ACCELERATORS\n"
        "BEGIN\n"
        "    \"o\", ID_OPEN, VIRTKEY, CONTROL, NOINVERT\n"
        "    VK_F5, 110, VIRTKEY\n"
        "    VK_OEM_2, 111, VIRTKEY, SHIFT\n"
        "    \"^c\", 112\n"
        "    \"a\", 113, ALT\n"
        "    65, 114, ASCII\n"
        "END\n"
        "2 ACCELERATORS { VK_RETURN, 120, VIRTKEY, ALT }\n";
    ASSERT_EQ(Compile(szScript), 0) << stErrors;

    // The items in script order with their depth; popups carry MF_POPUP (0x10).
    const char* kItems[] = {
        "{\"&File\", 0, 0x0010u, 0}",    "{\"&Open...\\011Ctrl+O\", 101, 0x0000u, 1}",
        "{\"\", 0, 0x0800u, 1}",         "{\"&More\", 0, 0x0011u, 1}",
        "{\"Deeper\", 0, 0x0010u, 2}",   "{\"&Deep\", 102, 0x000Au, 3}",
        "{\"Column\", 103, 0x0060u, 1}", "{\"&Help\", 104, 0x4000u, 0}",
    };
    size_t nAt = 0;
    for (const char* szItem : kItems) {
        size_t nFound = stOutput.find(szItem, nAt);
        EXPECT_NE(nFound, std::string::npos) << szItem << "\n" << stOutput;
        nAt = nFound == std::string::npos ? nAt : nFound;
    }
    EXPECT_NE(stOutput.find("{7, kMenuItems7, 8}"), std::string::npos);

    // Letters of VIRTKEY entries are upper case; "^c" is control-C; ALT alone fits a character.
    const char* kEntries[] = {"{0x0B, 0x004F, 101}", "{0x01, 0x0074, 110}", "{0x05, 0x00BF, 111}",
                              "{0x00, 0x0003, 112}", "{0x10, 0x0061, 113}", "{0x00, 0x0041, 114}",
                              "{0x11, 0x000D, 120}"};
    for (const char* szEntry : kEntries)
        EXPECT_NE(stOutput.find(szEntry), std::string::npos) << szEntry << "\n" << stOutput;
    // Tables sorted by id for the look-up.
    size_t nSecond = stOutput.find("{2, kAccel2, 1}");
    EXPECT_NE(nSecond, std::string::npos);
    EXPECT_LT(nSecond, stOutput.find("{3, kAccel3, 6}"));
    EXPECT_NE(
        stOutput.find("gResourceTables = {nullptr, 0, nullptr, 0, kMenus, 1, kAccelTables, 2}"),
        std::string::npos);
}

TEST_F(ResourceCompilerTest, MenuAndAcceleratorErrorsNameTheLine) {
    struct ERROR_CASE {
        const char* szScript;
        const char* szExpected;
    };
    const ERROR_CASE kCases[] = {
        {"1 MENU\nBEGIN\n  POPUP \"&File\"\n  BEGIN\n    MENUITM \"x\", 1\n  END\nEND\n",
         "test.rc:5: error: expected MENUITEM, POPUP or END, found 'MENUITM'"},
        {"1 MENU\nBEGIN\n  MENUITEM \"x\", 1, DIMMED\nEND\n",
         "test.rc:3: error: expected a menu option"},
        {"1 MENU\nBEGIN\n  MENUITEM \"x\", ID_MISSING\nEND\n",
         "test.rc:3: error: unknown name 'ID_MISSING'"},
        {"1 MENU\nBEGIN\n  POPUP \"a\"\n  BEGIN\n",
         "error: expected MENUITEM, POPUP or END, found the end"},
        {"1 MENU BEGIN END\n\n1 MENU BEGIN END\n",
         "test.rc:3: error: menu 1 is defined twice (first on line 1)"},
        {"Main MENU BEGIN END\n", "test.rc:1: error: menu name 'Main' is not a number"},
        {"1 ACCELERATORS\nBEGIN\n  \"O\", 1, VIRTKEY, CTRL\nEND\n",
         "test.rc:3: error: expected an accelerator option"},
        {"1 ACCELERATORS\nBEGIN\n\n  VK_F5, 1\nEND\n",
         "test.rc:4: error: 'VK_F5' is a virtual key: add VIRTKEY"},
        {"1 ACCELERATORS\nBEGIN\n  \"a\", 1, CONTROL\nEND\n",
         "test.rc:3: error: SHIFT and CONTROL need VIRTKEY"},
        {"1 ACCELERATORS\nBEGIN\n  \"^C\", 1, VIRTKEY\nEND\n",
         "test.rc:3: error: a ^ control character cannot be a VIRTKEY"},
        {"1 ACCELERATORS\nBEGIN\n  \"ab\", 1\nEND\n",
         "test.rc:3: error: accelerator key \"ab\" must be one character"},
        {"1 ACCELERATORS\nBEGIN\n  VK_F13, 1, VIRTKEY\nEND\n",
         "test.rc:3: error: unknown name 'VK_F13'"},
    };
    for (const ERROR_CASE& c : kCases) {
        EXPECT_EQ(Compile(c.szScript), 1) << c.szScript;
        EXPECT_NE(stErrors.find(c.szExpected), std::string::npos)
            << "script:\n"
            << c.szScript << "\nmessage: " << stErrors;
    }
}

// ---- the program's compiled test menu and accelerators ---------------------------------------------

class ProgramMenuResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
    }
    void TearDown() override {
        Test_Reset_Platform();
    }
};

std::string Item_Text(HMENU hMenu, int nPos) {
    char szText[64];
    GetMenuStringA(hMenu, static_cast<UINT>(nPos), szText, sizeof(szText), MF_BYPOSITION);
    return szText;
}

TEST_F(ProgramMenuResourcesTest, LoadMenuBuildsTheNestedPopups) {
    HMENU hMenu = LoadMenuA(nullptr, MAKEINTRESOURCEA(IDR_TEST_MENU));
    ASSERT_NE(hMenu, nullptr);
    ASSERT_EQ(GetMenuItemCount(hMenu), 3);
    EXPECT_EQ(Item_Text(hMenu, 0), "&File");
    EXPECT_EQ(Item_Text(hMenu, 2), "&Help");
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(hMenu, 2, TRUE, &mii));
    EXPECT_EQ(mii.fType, static_cast<UINT>(MFT_RIGHTJUSTIFY)) << "HELP";

    HMENU hFile = GetSubMenu(hMenu, 0);
    ASSERT_EQ(GetMenuItemCount(hFile), 5);
    EXPECT_EQ(GetMenuItemID(hFile, 0), static_cast<UINT>(ID_TEST_OPEN));
    EXPECT_EQ(Item_Text(hFile, 0), "&Open...\tCtrl+O");
    EXPECT_EQ(GetMenuState(hFile, ID_TEST_SAVE, MF_BYCOMMAND), static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(GetMenuState(hFile, 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuItemID(hFile, 4), static_cast<UINT>(ID_TEST_EXIT));

    HMENU hRecent = GetSubMenu(hFile, 3);
    ASSERT_NE(hRecent, nullptr);
    EXPECT_EQ(GetMenuItemCount(hRecent), 2);
    // The popup item's state: its item count in the high byte.
    EXPECT_EQ(GetMenuState(hFile, 3, MF_BYPOSITION), static_cast<UINT>((2 << 8) | MF_POPUP));
    EXPECT_EQ(GetMenuState(hMenu, ID_TEST_RECENT_2, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));

    EXPECT_EQ(LoadMenuA(nullptr, MAKEINTRESOURCEA(999)), nullptr);
    EXPECT_EQ(LoadMenuA(nullptr, "IDR_TEST_MENU"), nullptr);
    EXPECT_TRUE(DestroyMenu(hMenu));
    EXPECT_EQ(GetMenuItemCount(hRecent), -1) << "submenus go with their menu";
}

TEST_F(ProgramMenuResourcesTest, LoadAcceleratorsGivesOneTablePerResource) {
    HACCEL hAccel = LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(IDR_TEST_ACCELERATORS));
    EXPECT_NE(hAccel, nullptr);
    EXPECT_EQ(LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(IDR_TEST_ACCELERATORS)), hAccel);
    EXPECT_EQ(LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(998)), nullptr);
}

}  // namespace menu_resource_test
