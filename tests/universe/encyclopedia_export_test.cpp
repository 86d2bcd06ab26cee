// The default universe exported as the HTML encyclopedia: every page parses and every link
// names a file of the export.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "database/database.h"
#include "platform/test_api.h"
#include "shell/shell.h"
#include "reports/reports.h"
#include "resources/resource.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define FAME_LIST 1210

TEST(EncyclopediaExport, TheDefaultUniverseExportsLinkedPages) {
    Test_Reset_Platform();
    std::string sHere = std::filesystem::current_path().string();
    std::string sRoot = sHere + "/encyclopedia";
    std::filesystem::remove_all(sRoot);
    ASSERT_EQ(chdir(VANTO_GAME_DIR), 0);
    ASSERT_NE(Load_Universe("Databases/Universe-2019.dat"), 0);
    Set_Encyclopedia_Export(sRoot.c_str(), "styles.css");
    EXPECT_FALSE(Encyclopedia_Pages_Exist());
    auto start = std::chrono::steady_clock::now();
    int nPages = Write_HTML_Encyclopedia();
    double fSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(Encyclopedia_Pages_Exist());
    ASSERT_EQ(chdir(sHere.c_str()), 0);
    printf("%d pages in %.2f s\n", nPages, fSeconds);
    EXPECT_GT(nPages, 1000);
    const char* szSource = getenv("VANTO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr);
    std::string sCheck =
        "python3 " + std::string(szSource) + "/scripts/check_encyclopedia.py '" + sRoot + "'";
    EXPECT_EQ(system(sCheck.c_str()), 0);
}

// Three seasons played to their finals, then exported and checked; the league's dialogs are
// pictured and the pages stay in the case's folder for a browser.
TEST(EncyclopediaExport, ThreePlayedSeasonsExportLinkedPages) {
    Test_Reset_Platform();
    std::filesystem::copy(std::string(VANTO_GAME_DIR) + "/names", "names",
                          std::filesystem::copy_options::overwrite_existing |
                              std::filesystem::copy_options::recursive);
    std::filesystem::create_directories("Input");
    for (const char* szFile : {"DraftStrategy.txt", "DraftTalent.txt"})
        std::filesystem::copy_file(std::string(VANTO_GAME_DIR) + "/Input/" + szFile,
                                   std::string("Input/") + szFile,
                                   std::filesystem::copy_options::overwrite_existing);
    ASSERT_NE(Load_Universe((std::string(VANTO_GAME_DIR) + "/Databases/Universe-2019.dat").c_str()),
              0);
    Seed_Random(FIXED_RANDOM_SEED);
    gAllTeamsComputer = 1;
    Start_Season(0);
    for (int nYear = 0; nYear < 3; nYear++) {
        for (int nAdvance = 0; nAdvance < 2 && !Is_Season_Complete(); nAdvance++)
            Advance_Weeks(22);
        ASSERT_TRUE(Is_Season_Complete());
        if (nYear < 2)
            Simulate_Seasons(1);
    }
    std::string sHere = std::filesystem::current_path().string();
    std::string sRoot = sHere + "/encyclopedia";
    ASSERT_EQ(chdir(VANTO_GAME_DIR), 0);
    Set_Encyclopedia_Export(sRoot.c_str(), "styles.css");
    auto start = std::chrono::steady_clock::now();
    int nPages = Write_HTML_Encyclopedia();
    double fSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The league's history in its dialogs, pictured beside the pages.
    gDialogTeam = 0;
    for (auto [idDialog, szName] :
         {std::pair{IDD_HALL_OF_FAME, "hall-of-fame"}, std::pair{IDD_HISTORY, "history"},
          std::pair{IDD_VIEW_ENCYCLOPEDIA, "view-encyclopedia"}}) {
        std::string sPicture = sHere + "/" + szName + ".png";
        bool bSaved = false;
        const int nDialog = idDialog;  // a structured binding can't be captured
        Test_Script_Dialog(nDialog, [&](HWND hDlg) {
            bSaved = Test_Snapshot_Dialog(hDlg, sPicture);
            if (nDialog == IDD_HALL_OF_FAME)
                printf("Hall of Fame rows: %d\n",
                       (int)SendDlgItemMessageA(hDlg, FAME_LIST, LB_GETCOUNT, 0, 0));
            Test_Click_Control(hDlg, IDOK);
        });
        Open_Dialog(NULL, idDialog);
        EXPECT_TRUE(bSaved) << sPicture;
    }
    ASSERT_EQ(chdir(sHere.c_str()), 0);
    printf("season %d week %d: %d pages in %.2f s under %s\n", gSeasonNumber, gCurrentWeek, nPages,
           fSeconds, sRoot.c_str());
    const char* szSource = getenv("VANTO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr);
    std::string sCheck =
        "python3 " + std::string(szSource) + "/scripts/check_encyclopedia.py '" + sRoot + "'";
    EXPECT_EQ(system(sCheck.c_str()), 0);
}
