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
#include "reports/reports.h"

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
