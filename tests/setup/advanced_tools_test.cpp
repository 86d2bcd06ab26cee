// Advanced Tools and Choose Export Folder.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "common/dialog_steps.h"
#include "common/text_files.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

namespace {

#define AT_CLEAR_INJURIES 13
#define AT_CLEAR_OUTPUT 18
#define AT_IMPORT_PLAYBOOKS 15
#define AT_LOAD_RATINGS 16
#define AT_CLEAR_LEADERS 19
#define AT_EXPORT_RATINGS 23
#define SORTABLE_STATS_POSITION_PREFERENCE 87
#define EF_PATH 1409
#define EF_FOLDERS 1413

class AdvancedToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
    }

    static void Press(int nButton) {
        Test_Script_Dialog(IDD_ADVANCED_TOOLS, [&](HWND hDlg) {
            Test_Click_Control(hDlg, nButton);
            Test_Click_Control(hDlg, IDOK);
        });
        Do_Dialog(NULL, IDD_ADVANCED_TOOLS, 0);
    }
};

TEST_F(AdvancedToolsTest, ClearInjuriesCountsTheHealedAndSaysWhenNoneWere) {
    Set_Player_Vital_Stat(2, 3, VITAL_INJURY_WEEKS, 4);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_INJURY_WEEKS, 1);
    Set_Player_Vital_Stat(2, 3, VITAL_INJURY, 7);
    Press(AT_CLEAR_INJURIES);
    EXPECT_EQ(Count_Shown_With_Text("Injuries removed for 2 players."), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(2, 3, VITAL_INJURY_WEEKS), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(2, 3, VITAL_INJURY), 7);  // the code stays
    Press(AT_CLEAR_INJURIES);
    EXPECT_EQ(Count_Shown_With_Text("No injured players were found."), 1);
}

TEST_F(AdvancedToolsTest, ClearOutputFolderAsksFirstAndKeepsFolders) {
    Platform_Make_Directory("Output");
    Platform_Make_Directory("Output/Ratings");
    for (int nAnswer : {IDNO, IDYES}) {
        Write_Text_File("Output/Box-21-001.htm", "<html></html>");
        Test_Answer_Message_Box_With_Caption("Clear Output Folder", nAnswer);
        Press(AT_CLEAR_OUTPUT);
        struct stat info;
        EXPECT_EQ(stat("Output/Box-21-001.htm", &info) == 0, nAnswer == IDNO);
        EXPECT_EQ(stat("Output/Ratings", &info), 0);
    }
}

TEST_F(AdvancedToolsTest, ClearAllTimeLeadersAsksFirst) {
    RECORD_BOOK_ROW row = {};
    safe_strncpy(row.szLastName, "Leader", (int)sizeof row.szLastName);
    row.nValue = 5000;
    for (int nAnswer : {IDNO, IDYES}) {
        Set_Record_Book_Row(0, 0, 0, &row);
        Test_Answer_Message_Box_With_Caption("Clear All-Time Leaders", nAnswer);
        Press(AT_CLEAR_LEADERS);
        EXPECT_EQ(Get_Record_Book_Row(0, 0, 0)->nValue, nAnswer == IDNO ? 5000 : 0);
    }
}

// The ratings written by Export Player Ratings and read back by Load Player Ratings from the
// season's Simulation file: an edited rating returns to the exported one.
TEST_F(AdvancedToolsTest, RatingsExportAndLoadRunTheirTools) {
    Set_User_Preference(SORTABLE_STATS_POSITION_PREFERENCE, POS_ANY);  // every player
    float fSpeed = Get_Player_Rating(2, 3, RATING_SPEED);
    Press(AT_EXPORT_RATINGS);
    char szExport[260];
    Get_Player_Ratings_CSV_Path(Get_Season_Year(), szExport, (int)sizeof szExport);
    std::string stCsv = Read_Text_File(szExport);
    ASSERT_FALSE(stCsv.empty());
    EXPECT_EQ(Count_Shown_With_Caption("Export Player Ratings"), 1);

    Platform_Make_Directory("Input");
    Platform_Make_Directory("Input/Ratings");
    Platform_Make_Directory("Input/Ratings/Simulation");
    Write_Text_File(
        "Input/Ratings/Simulation/" + std::to_string(Get_Season_Year()) + "_Player_Ratings.csv",
        stCsv);
    Set_Player_Rating(2, 3, fSpeed - 20.0f, RATING_SPEED);
    Press(AT_LOAD_RATINGS);
    EXPECT_EQ(Count_Shown_With_Caption("Load Player Ratings"), 1);
    EXPECT_NEAR(Get_Player_Rating(2, 3, RATING_SPEED), fSpeed, 0.5f);
}

TEST_F(AdvancedToolsTest, ImportPlaybooksReportsWhatItLoaded) {
    Press(AT_IMPORT_PLAYBOOKS);
    EXPECT_EQ(Count_Shown_With_Text("0 Offensive Playbooks loaded.\n\n0 Defensive Playbooks "
                                    "loaded."),
              1);
}

TEST_F(AdvancedToolsTest, FolderPathsOfEntries) {
    safe_strncpy(gBrowseFolder, "/srv/games/data", (int)sizeof gBrowseFolder);
    char szPath[EXPORT_FOLDER_SIZE];
    Build_Folder_Path("..", szPath, (int)sizeof szPath);
    EXPECT_STREQ(szPath, "/srv/games");
    Build_Folder_Path("pages", szPath, (int)sizeof szPath);
    EXPECT_STREQ(szPath, "/srv/games/data/pages");
    safe_strncpy(gBrowseFolder, "/srv", (int)sizeof gBrowseFolder);
    Build_Folder_Path("..", szPath, (int)sizeof szPath);
    EXPECT_STREQ(szPath, "/");
}

TEST_F(AdvancedToolsTest, ExportFolderClickShowsThePathAndOkTakesTheBox) {
    Platform_Make_Directory("encyclopedia");
    char szHere[EXPORT_FOLDER_SIZE];
    ASSERT_TRUE(getcwd(szHere, sizeof szHere));
    safe_strncpy(gEncyclopediaFolder, "/kept", (int)sizeof gEncyclopediaFolder);
    std::string stShown;
    Test_Script_Dialog(IDD_CHOOSE_EXPORT_FOLDER, [&](HWND hDlg) {
        int nRow = (int)SendDlgItemMessageA(hDlg, EF_FOLDERS, LB_FINDSTRINGEXACT, (WPARAM)-1,
                                            (LPARAM) "encyclopedia");
        ASSERT_GE(nRow, 0);
        Test_Choose_Row(hDlg, EF_FOLDERS, nRow);
        stShown = Test_Control_Text(hDlg, EF_PATH);
        SetDlgItemTextA(hDlg, EF_PATH, "");
        Test_Click_Control(hDlg, IDOK);  // an empty box keeps the folder
    });
    Do_Dialog(NULL, IDD_CHOOSE_EXPORT_FOLDER, 0);
    EXPECT_EQ(stShown, std::string(szHere) + "/encyclopedia");
    EXPECT_STREQ(gBrowseFolder, szHere);  // a single click does not browse
    EXPECT_STREQ(gEncyclopediaFolder, "/kept");
    Test_Script_Dialog(IDD_CHOOSE_EXPORT_FOLDER, [&](HWND hDlg) {
        Replace_Box_Text(hDlg, EF_PATH, "/tmp/pages");
        Test_Click_Control(hDlg, IDOK);
    });
    Do_Dialog(NULL, IDD_CHOOSE_EXPORT_FOLDER, 0);
    EXPECT_STREQ(gEncyclopediaFolder, "/tmp/pages");
}

}  // namespace
