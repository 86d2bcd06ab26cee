// The default universe started as a new game in the installation folder with its main window,
// headless, and pictures of the window saved in the case's folder.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "database/database.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

// The default universe loaded with the main window, headless; no game started yet.
class UniverseLoadedWindowTest : public ::testing::Test {
protected:
    std::string m_stHere;

    void SetUp() override {
        Test_Reset_Platform();
        m_stHere = std::filesystem::current_path().string();
        ASSERT_EQ(chdir(VANTO_GAME_DIR), 0);
        HINSTANCE hInstance = Get_App_Instance();
        Init_Bitmap_Cache();
        ASSERT_NE(Register_Main_Window_Class(hInstance), 0u);
        ASSERT_NE(Create_Main_Window(hInstance, SW_SHOW), nullptr);
        Create_Dialog_Brushes();
        ASSERT_NE(Load_Universe("Databases/Universe-2019.dat"), 0);
        Seed_Random(FIXED_RANDOM_SEED);
    }

    void TearDown() override {
        Free_Application_Resources();
        ASSERT_EQ(chdir(m_stHere.c_str()), 0);
    }

    // The main window's client area saved as a picture in the case's folder; its path.
    std::string Save_Window_Picture(const std::string& stName) {
        std::string stPicture = m_stHere + "/" + stName;
        EXPECT_TRUE(Test_Snapshot_Window(gMainWindow, false, stPicture));
        std::printf("%s\n", stPicture.c_str());
        return stPicture;
    }
};

// The loaded universe's season started as a new game with the New Game dialog's other defaults.
class UniverseWindowTest : public UniverseLoadedWindowTest {
protected:
    void SetUp() override {
        UniverseLoadedWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        std::string stYear = std::to_string(Get_Season_Year());
        Test_Script_Dialog(IDD_NEW_GAME, [stYear](HWND hDlg) {
            HWND hSeason = GetDlgItem(hDlg, IDC_NEW_GAME_SEASON);
            int nRow = (int)SendMessageA(hSeason, CB_FINDSTRINGEXACT, (WPARAM)-1,
                                         (LPARAM)stYear.c_str());
            EXPECT_TRUE(Test_Choose_Row(hDlg, IDC_NEW_GAME_SEASON, nRow));
            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        Open_Dialog(gMainWindow, IDD_NEW_GAME);
    }
};
