// A top-level window that records the menu messages and commands it gets, with the test menu
// (IDR_TEST_MENU) as its menu bar, for the menu, popup and accelerator tests.
#pragma once

#include "platform/test_api.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace menu_window_fixture {

struct MENU_MESSAGE {
    UINT uMsg;
    WPARAM wParam;
    LPARAM lParam;
};

inline std::vector<MENU_MESSAGE>& Received() {
    static std::vector<MENU_MESSAGE> aReceived;
    return aReceived;
}

inline LRESULT Menu_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_COMMAND:
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: Received().push_back({uMsg, wParam, lParam}); return 0;
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

class MenuWindowTest : public ::testing::Test {
protected:
    HWND hWnd = nullptr;
    HMENU hBar = nullptr;

    void SetUp() override {
        Test_Reset_Platform();
        Received().clear();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Menu_Window_Proc;
        wc.lpszClassName = "MenuTestWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
        hWnd = CreateWindowExA(0, "MenuTestWindow", "menus", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                               nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(hWnd, nullptr);
        hBar = LoadMenuA(nullptr, MAKEINTRESOURCEA(IDR_TEST_MENU));
        ASSERT_NE(hBar, nullptr);
        ASSERT_TRUE(SetMenu(hWnd, hBar));
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    // The commands the window got: LOWORD is the id, HIWORD 0 from menus and 1 from accelerators.
    std::vector<WPARAM> Commands() const {
        std::vector<WPARAM> a;
        for (const MENU_MESSAGE& m : Received())
            if (m.uMsg == WM_COMMAND)
                a.push_back(m.wParam);
        return a;
    }
    std::vector<UINT> Messages() const {
        std::vector<UINT> a;
        for (const MENU_MESSAGE& m : Received())
            a.push_back(m.uMsg);
        return a;
    }
};

}  // namespace menu_window_fixture

using menu_window_fixture::MenuWindowTest;
using menu_window_fixture::Received;
