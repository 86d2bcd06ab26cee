// The fixture of the start-up tests: a fresh headless platform on a fixed clock and the shell's
// start-up state as a new process has it. Each case runs in a folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "common/text_files.h"
#include "database/database.h"
#include "platform/test_api.h"
#include "shell/shell.h"

class StartupTest : public ::testing::Test {
protected:
    static constexpr time_t kNow = 1700000000;

    void SetUp() override {
        Test_Reset_Platform();
        Test_Use_Virtual_Clock(kNow, 5000);
        gCommandLineFlags = 0;
        gCommandLineFlagNames[0] = 0;
        memset(gRecentErrors, 0, sizeof gRecentErrors);
        gMainWindow = NULL;
        gMainWindowDC = NULL;
    }

    void TearDown() override {
        gCommandLineFlags = 0;
        gMainWindow = NULL;
        Test_Reset_Platform();
    }

    // Start-up, the loop and shut-down as the program runs them.
    static int Run_Startup(const char* szCommandLine) {
        char szLine[TEXT_BUFFER_SIZE];
        safe_strncpy(szLine, szCommandLine, sizeof szLine);
        return WinMain(Get_App_Instance(), NULL, szLine, SW_SHOWNORMAL);
    }

    static bool Contains(const std::string& stText, const std::string& stPart) {
        return stText.find(stPart) != std::string::npos;
    }
};
