// The pages' tests: a fresh headless platform, an empty league and a main window whose paints go
// through Paint_News_Page.
#pragma once

#include <string>

#include "shell/bars_test_fixture.h"

class PagesTest : public ::testing::Test {
protected:
    static constexpr int kClientWidth = 1024;
    static constexpr int kClientHeight = 676;
    static inline const HDC kPretendBackBuffer = (HDC)0x1;

    void SetUp() override {
        Reset_Bars_And_Pages_State();
        Use_Earth_Skin();
        Create_Pages_Main_Window(kClientWidth, kClientHeight);
    }

    void TearDown() override {
        if (gMainWindowDC && gMainWindowDC != kPretendBackBuffer)
            Destroy_Back_Buffer();
        if (gMainWindow)
            DestroyWindow(gMainWindow);
        gMainWindow = NULL;
        gMainWindowDC = NULL;
        gDatabaseLoaded = 0;
    }

    static LRESULT Pages_Test_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
        if (uMsg == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(hWnd, &ps);
            Paint_News_Page(hdc, &ps);
            EndPaint(hWnd, &ps);
            return 0;
        }
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }

    static void Create_Pages_Main_Window(int nWidth, int nHeight) {
        Create_Test_Main_Window(Pages_Test_Window_Proc, nWidth, nHeight);
    }

    // The page pictures are the skin's: "skins\earth\...".
    static void Use_Earth_Skin() {
        safe_strncpy(gSkinName, "earth", sizeof gSkinName);
    }

    // Any non-null handle stands for the back buffer: the page logic takes the buffered path.
    static void Pretend_Page_Back_Buffer() {
        gMainWindowDC = kPretendBackBuffer;
    }

    // One WM_PAINT of the whole window; returns the background the painter chose, "" when the
    // paint only copied the back buffer.
    static std::string Paint_Once() {
        gPageBackgroundName[0] = 0;
        InvalidateRect(gMainWindow, NULL, FALSE);
        UpdateWindow(gMainWindow);
        return gPageBackgroundName;
    }
};
