// The fixture of the core tests: a fresh platform with a fixed clock, the core's state back to
// its start-up values, and small file helpers. Tests run in a scratch folder.
#pragma once

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "core/core.h"
#include "pages/pages.h"
#include "platform/test_api.h"
#include "shell/shell.h"

class CoreTest : public ::testing::Test {
protected:
    static constexpr time_t kNow = 1700000000;

    void SetUp() override {
        Test_Reset_Platform();
        Test_Use_Virtual_Clock(kNow, 0);
        gCommandLineFlags = 0;
        gAskEnterDebugger = 1;
        memset(gRecentErrors, 0, sizeof gRecentErrors);
        gMainWindowDC = NULL;
        gMessageBoxOpen = 0;
        gLineTooLongShown = 0;
        remove("debug.txt");
    }

    void TearDown() override {
        gMainWindowDC = NULL;
        gMainWindow = NULL;
    }

    // A visible top-level window with the given procedure, made the main window.
    static HWND Create_Main_Window(WNDPROC pProc) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = pProc;
        wc.hInstance = Get_App_Instance();
        wc.lpszClassName = "CoreTestWindow";
        UnregisterClassA(wc.lpszClassName, wc.hInstance);
        if (!RegisterClassA(&wc))
            return NULL;
        gMainWindow = CreateWindowExA(0, wc.lpszClassName, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      0, 0, 640, 480, NULL, NULL, wc.hInstance, NULL);
        return gMainWindow;
    }

    // Any non-null value makes the messages take the skinned dialog.
    static void Pretend_Back_Buffer_Exists() {
        gMainWindowDC = (HDC)0x1;
    }

    static std::string Read_File(const char* szPath) {
        std::string stText;
        FILE* pFile = fopen(szPath, "rb");
        if (!pFile)
            return stText;
        int ch;
        while ((ch = fgetc(pFile)) != EOF)
            stText += (char)ch;
        fclose(pFile);
        return stText;
    }

    static void Write_File(const char* szPath, const std::string& stText) {
        FILE* pFile = fopen(szPath, "wb");
        ASSERT_NE(pFile, nullptr);
        fwrite(stText.data(), 1, stText.size(), pFile);
        fclose(pFile);
    }

    static std::vector<TEST_SHOWN> Shown_Boxes() {
        std::vector<TEST_SHOWN> boxes;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            if (shown.nKind == TEST_SHOWN_MESSAGE_BOX)
                boxes.push_back(shown);
        return boxes;
    }

    static std::vector<TEST_SHOWN> Shown_Dialogs() {
        std::vector<TEST_SHOWN> dialogs;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            if (shown.nKind == TEST_SHOWN_DIALOG)
                dialogs.push_back(shown);
        return dialogs;
    }
};
