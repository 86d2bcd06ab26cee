// A main window with menu 101 for the menu tests, its WM_COMMAND messages kept.
#pragma once

#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace menus_test {

inline std::vector<WPARAM>& Menus_Commands() {
    static std::vector<WPARAM> aCommands;
    return aCommands;
}

inline LRESULT Menus_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_COMMAND)
        Menus_Commands().push_back(wParam);
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// Texts of a menu's items, separators as "-".
inline std::vector<std::string> Menus_Item_Texts(HMENU hMenu) {
    std::vector<std::string> aTexts;
    for (int n = 0; n < GetMenuItemCount(hMenu); n++) {
        char szText[128] = "";
        if (!GetSubMenu(hMenu, n) && (GetMenuState(hMenu, (UINT)n, MF_BYPOSITION) & MF_SEPARATOR))
            aTexts.push_back("-");
        else if (GetMenuStringA(hMenu, (UINT)n, szText, sizeof(szText), MF_BYPOSITION) >= 0)
            aTexts.push_back(szText);
    }
    return aTexts;
}

inline std::string Menus_Item_Text(HMENU hMenu, UINT uId) {
    char szText[128] = "";
    GetMenuStringA(hMenu, uId, szText, sizeof(szText), MF_BYCOMMAND);
    return szText;
}

class MenusWindowTest : public ::testing::Test {
protected:
    HWND hWnd = nullptr;
    HMENU hMenu = nullptr;

    void SetUp() override {
        Test_Reset_Platform();
        Menus_Commands().clear();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Menus_Window_Proc;
        wc.lpszClassName = "MenusTestWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
        hMenu = LoadMenuA(nullptr, MAKEINTRESOURCEA(IDR_MAIN_MENU));
        ASSERT_NE(hMenu, nullptr);
        hWnd = CreateWindowExA(0, "MenusTestWindow", "Football Vanto", WS_OVERLAPPEDWINDOW, 0, 0,
                               1040, 760, nullptr, hMenu, nullptr, nullptr);
        ASSERT_NE(hWnd, nullptr);
        gMainWindow = hWnd;
    }
    void TearDown() override {
        gMainWindow = nullptr;
        Test_Reset_Platform();
    }
};

}  // namespace menus_test
