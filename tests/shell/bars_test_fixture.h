// The bars' tests: a fresh headless platform on the virtual clock and a main window of a fixed
// client size, with the bars' and the ticker's state back to its start.
#pragma once

#include <gtest/gtest.h>
#include <string.h>

#include "database/database.h"
#include "pages/pages.h"
#include "platform/test_api.h"
#include "shell/shell.h"

// A visible top-level window of the client size with the procedure, made the main window.
inline HWND Create_Test_Main_Window(WNDPROC pProc, int nClientWidth, int nClientHeight) {
    if (gMainWindow)
        DestroyWindow(gMainWindow);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = pProc;
    wc.hInstance = Get_App_Instance();
    wc.lpszClassName = "BarsPagesTestWindow";
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
    RegisterClassA(&wc);
    RECT rc = {0, 0, nClientWidth, nClientHeight};
    AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
    gMainWindow =
        CreateWindowExA(0, wc.lpszClassName, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                        rc.right - rc.left, rc.bottom - rc.top, NULL, NULL, wc.hInstance, NULL);
    return gMainWindow;
}

// A fresh headless platform on the virtual clock, an empty league, no bars, ticker stopped.
inline void Reset_Bars_And_Pages_State() {
    Test_Reset_Platform();
    Test_Use_Virtual_Clock(1700000000, 0);
    Clear_League_Database();
    gDatabaseLoaded = 0;
    gMainWindowDC = NULL;
    gButtonBar = gNewsBar = NULL;
    gNewsBarHeight = 0;
    gLiveGame = NULL;
    gLastPaintedPage = -1;
    gPageBackgroundName[0] = 0;
    Stop_News_Ticker();
}

class BarsTest : public ::testing::Test {
protected:
    static constexpr int kClientWidth = 400;
    static constexpr int kClientHeight = 300;

    void SetUp() override {
        Reset_Bars_And_Pages_State();
        Create_Bars_Main_Window();
    }

    void TearDown() override {
        Destroy_Button_Bar();
        Close_Progress_Window();
        if (gMainWindow)
            DestroyWindow(gMainWindow);
        gMainWindow = NULL;
        gMainWindowDC = NULL;
    }

    static void Create_Bars_Main_Window() {
        Create_Test_Main_Window(DefWindowProcA, kClientWidth, kClientHeight);
    }

    // A child's top edge in the main window's client coordinates.
    static int Bar_Top(HWND hBar) {
        RECT rc;
        GetWindowRect(hBar, &rc);
        MapWindowPoints(NULL, gMainWindow, (POINT*)&rc, 2);
        return rc.top;
    }
};
