// The drawing layer's tests: a main window of a chosen size, no fonts or back buffer left over
// from an earlier case, and the errors reported in between.
#pragma once

#include <gtest/gtest.h>
#include <string.h>

#include "database/database.h"
#include "platform/test_api.h"
#include "shell/shell.h"

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Free_App_Fonts(1);
        gMainWindowDC = NULL;
        Destroy_Back_Buffer();
        gMainWindow = NULL;
        gCurrentPage = 0;  // no news page: the page area is the whole client
        gShowNewsTicker = 0;
        gDarkText = 0;
        safe_strncpy(gSkinName, "earth", sizeof(gSkinName));
        Clear_Errors();
    }

    void TearDown() override {
        Free_App_Fonts(1);
        Destroy_Back_Buffer();
        if (gMainWindow)
            DestroyWindow(gMainWindow);
        gMainWindow = NULL;
        gCurrentPage = 0;
    }

    // A borderless main window, so that its outer and client sizes are the same.
    static HWND Make_Main_Window(int nWidth, int nHeight) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = Get_App_Instance();
        wc.lpszClassName = "DrawingTestWindow";
        UnregisterClassA(wc.lpszClassName, wc.hInstance);
        RegisterClassA(&wc);
        gMainWindow = CreateWindowExA(0, wc.lpszClassName, "Main", WS_POPUP, 0, 0, nWidth, nHeight,
                                      NULL, NULL, wc.hInstance, NULL);
        return gMainWindow;
    }

    static void Resize_Main_Window(int nWidth, int nHeight) {
        MoveWindow(gMainWindow, 0, 0, nWidth, nHeight, FALSE);
    }

    static void Clear_Errors() {
        memset(gRecentErrors, 0, sizeof(gRecentErrors));
    }

    static bool Error_Reported(const char* szText) {
        return strstr(gRecentErrors, szText) != NULL;
    }
};
