// The database builder from the Advanced Tools, which asks before it replaces the game in
// progress, and the developer tools' two batch exports of the ratings CSV over built universes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>
#include <string>

#include "common/text_files.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "setup/setup.h"
#include "tools/tools.h"

namespace {

int Count_Shown(const std::string& stPart) {
    int nCount = 0;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        nCount += shown.stText.find(stPart) != std::string::npos;
    return nCount;
}

// "No" keeps the game without a build; "Yes" goes on to the build, which here lacks its league
// files and so changes nothing either.
TEST(UniverseBuild, TheGameInProgressIsReplacedOnlyWhenTheUserAgrees) {
    for (int nAnswer : {IDNO, IDYES}) {
        SCOPED_TRACE(nAnswer);
        Test_Reset_Platform();
        Build_Fixture_League();
        gDatabaseLoaded = 1;
        Mark_League_Unchanged();
        Test_Answer_Message_Box_With_Caption("Create Database", nAnswer);
        std::string stBefore((const char*)&gSavedState, sizeof(SAVED_STATE));
        EXPECT_EQ(Run_Database_Build(DATABASE_BUILD_MODERN, MODERN_UNIVERSE_YEAR), 0);
        EXPECT_TRUE(stBefore == std::string((const char*)&gSavedState, sizeof(SAVED_STATE)));
        EXPECT_EQ(Count_Shown("replaces the game in progress"), 1);
        EXPECT_EQ(Count_Shown("no 2021 database was built"), nAnswer == IDYES ? 1 : 0);
    }
}

// The row of the ratings file that belongs to a player id; empty when there is none.
std::string Find_Row(const std::string& stFile, const std::string& stId) {
    std::istringstream text(Read_Text_File(stFile));
    for (std::string stLine; std::getline(text, stLine);) {
        if (stLine.compare(0, stId.size() + 1, stId + ",") == 0)
            return stLine;
    }
    return "";
}

TEST(RatingsBatchExports, EverySeasonAsBuiltAndTheSeasonBeforeFromItsStatistics) {
    Test_Reset_Platform();
    Build_Fixture_League();
    int nLineman = -1;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM && nLineman < 0; nSlot++) {
        if (Is_Player_Slot_Used(0, nSlot) &&
            Get_Player_Vital_Stat_Raw(0, nSlot, VITAL_POSITION) == POS_G)
            nLineman = nSlot;
    }
    ASSERT_GE(nLineman, 0);
    Set_Player_Ostrel_ID(0, 0, "Passer01");
    Set_Player_Ostrel_ID(0, nLineman, "Guard01");
    mkdir("databases", 0755);
    char szPath[IMPORT_PATH_SIZE];
    Get_Built_Universe_Path(FIXTURE_FIRST_YEAR, szPath, sizeof(szPath));
    ASSERT_EQ(Save_Game_File(szPath, NULL), SAVE_OK);

    EXPECT_EQ(Export_Every_Season_Player_Ratings(), 1);
    std::string stBuilt =
        "Output/Ratings/" + std::to_string(FIXTURE_FIRST_YEAR) + "_Player_Ratings.csv";
    std::string stGuard = Find_Row(stBuilt, "Guard01");
    EXPECT_NE(stGuard, "");
    EXPECT_NE(Find_Row(stBuilt, "Passer01"), "");

    EXPECT_EQ(Export_Replay_Mode_Player_Ratings(), 1);
    std::string stReplay =
        "Output/Ratings/" + std::to_string(FIXTURE_FIRST_YEAR - 1) + "_Player_Ratings.csv";
    EXPECT_EQ(Find_Row(stReplay, "Guard01"), stGuard);  // linemen as loaded
    EXPECT_NE(Find_Row(stReplay, "Passer01"), "");
    EXPECT_EQ(Count_Shown("Export_Every_Season_Player_Ratings() completed."), 1);
    EXPECT_EQ(Count_Shown("Export_Replay_Mode_Player_Ratings(1951-2019) completed."), 1);
}

}  // namespace
