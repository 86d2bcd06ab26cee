// The Hall of Fame, History and View Encyclopedia dialogs on the fixture league, driven headless.
#include <gtest/gtest.h>
#include <string.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/dialog_steps.h"
#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

namespace {

#define FAME_LIST 1210
#define FAME_SCOUTING 1045
#define HISTORY_LIST 1274
#define HISTORY_AVERAGE_FIRST 1376
#define ENCYCLOPEDIA_FOLDER_EDIT 1409
#define ENCYCLOPEDIA_DESIGNS 1028
#define ENCYCLOPEDIA_VIEW 1412
#define ENCYCLOPEDIA_BROWSE 1410
#define EXPORT_FOLDER_PATH 1409

std::vector<std::string> List_Rows(HWND hDlg, int nId) {
    std::vector<std::string> aRows;
    int nCount = (int)SendDlgItemMessageA(hDlg, nId, LB_GETCOUNT, 0, 0);
    for (int n = 0; n < nCount; n++) {
        char szRow[256] = "";
        SendDlgItemMessageA(hDlg, nId, LB_GETTEXT, (WPARAM)n, (LPARAM)szRow);
        aRows.push_back(szRow);
    }
    return aRows;
}

class LeagueHistoryDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gDialogTeam = 0;
    }
};

TEST_F(LeagueHistoryDialogsTest, HallOfFameListsOnlyEarlierInductions) {
    gSeasonNumber = 3;
    int nYear = FIXTURE_FIRST_YEAR + gSeasonNumber;
    Copy_Player(HALL_OF_FAME_TEAM, 0, 0, 0);
    Copy_Player(HALL_OF_FAME_TEAM, 1, 0, 1);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_HALL_OF_FAME_YEAR, nYear - 1);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VITAL_POTENTIAL, 87);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 1, VITAL_HALL_OF_FAME_YEAR, nYear);  // not yet
    std::vector<std::string> aRows;
    bool bScoutingBefore = true, bScoutingAfter = false;
    Test_Script_Dialog(IDD_HALL_OF_FAME, [&](HWND hDlg) {
        aRows = List_Rows(hDlg, FAME_LIST);
        bScoutingBefore = IsWindowEnabled(GetDlgItem(hDlg, FAME_SCOUTING));
        Test_Choose_Row(hDlg, FAME_LIST, 0);
        bScoutingAfter = IsWindowEnabled(GetDlgItem(hDlg, FAME_SCOUTING));
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(NULL, IDD_HALL_OF_FAME);
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(HALL_OF_FAME_TEAM, 0, szName, sizeof szName);
    ASSERT_EQ(aRows.size(), 1u);
    EXPECT_EQ(aRows[0], std::string(szName) + "\tQB\t" + std::to_string(nYear - 1) + "\t87%\t");
    EXPECT_FALSE(bScoutingBefore);
    EXPECT_TRUE(bScoutingAfter);
}

TEST_F(LeagueHistoryDialogsTest, HistoryShowsEachSeasonAndItsAverages) {
    gSeasonNumber = 2;
    struct {
        int nAttendance, nProfit, nWins, nLosses, nTies, nPlace, nFinish;
    } const kSeasons[] = {{61000, -1500000, 10, 6, 0, 2, 5}, {65000, 2500000, 12, 4, 1, 0, 8}};
    for (int n = 0; n < 2; n++) {
        Set_Team_Yearly_Int(0, n, YEARLY_FINANCE_A, kSeasons[n].nAttendance);
        Set_Team_Yearly_Int(0, n, YEARLY_FINANCE_B, kSeasons[n].nProfit);
        Set_Team_Yearly_Int(0, n, YEARLY_LEAGUE_PLACE, kSeasons[n].nPlace);
        Set_Team_Yearly_Int(0, n, YEARLY_FINISH, kSeasons[n].nFinish);
        Set_Team_Yearly_Char(0, n, YEARLY_WINS, kSeasons[n].nWins);
        Set_Team_Yearly_Char(0, n, YEARLY_LOSSES, kSeasons[n].nLosses);
        Set_Team_Yearly_Char(0, n, YEARLY_TIES, kSeasons[n].nTies);
    }
    std::vector<std::string> aRows, aAverages;
    Test_Script_Dialog(IDD_HISTORY, [&](HWND hDlg) {
        aRows = List_Rows(hDlg, HISTORY_LIST);
        for (int n = 0; n < 4; n++)
            aAverages.push_back(Test_Control_Text(hDlg, HISTORY_AVERAGE_FIRST + n));
    });
    Open_Dialog(NULL, IDD_HISTORY);
    char szDivision[64] = "";
    Get_Division_Name(Get_Team_Division(0), szDivision, sizeof szDivision);
    ASSERT_EQ(aRows.size(), 2u);
    EXPECT_EQ(aRows[0], std::to_string(FIXTURE_FIRST_YEAR) +
                            "\t61,000\t-1,500,000\t10-6\t3rd\t1st (" + szDivision + ")");
    EXPECT_EQ(aRows[1], std::to_string(FIXTURE_FIRST_YEAR + 1) +
                            "\t65,000\t2,500,000\t12-4-1\t1st\tSuper Bowl Champion");
    EXPECT_EQ(aAverages, (std::vector<std::string>{"Attendance: 63,000", "Profit: $500,000",
                                                   "Record: 11-5", "Rank: 2nd"}));

    gSeasonNumber = 0;
    Test_Script_Dialog(IDD_HISTORY, [&](HWND hDlg) {
        aRows = List_Rows(hDlg, HISTORY_LIST);
        aAverages.assign(1, Test_Control_Text(hDlg, HISTORY_AVERAGE_FIRST + 2));
    });
    Open_Dialog(NULL, IDD_HISTORY);
    EXPECT_TRUE(aRows.empty());
    EXPECT_EQ(aAverages[0], "Record: n/a");
}

TEST_F(LeagueHistoryDialogsTest, EncyclopediaFolderIsCheckedSavedAndOpened) {
    std::filesystem::create_directories("input");
    {
        std::ofstream settings("input/settings.ini");
        settings << "My Export Folder\nstyles.css\n";
    }
    char szFolder[256], szDesign[256];
    Read_Encyclopedia_Settings(szFolder, sizeof szFolder, szDesign, sizeof szDesign);
    EXPECT_STREQ(szFolder, "My Export Folder");  // a name with blanks survives
    EXPECT_STREQ(szDesign, "styles.css");

    Test_Answer_Message_Box_With_Text("Output directory name too long.", IDOK);
    EXPECT_FALSE(Save_Encyclopedia_Settings(std::string(101, 'x').c_str(), "styles.css"));
    EXPECT_TRUE(Save_Encyclopedia_Settings(std::string(100, 'x').c_str(), "styles.css"));
    Test_Answer_Message_Box_With_Text("You must choose output dir.", IDOK);
    EXPECT_FALSE(Save_Encyclopedia_Settings("", "styles.css"));

    std::filesystem::create_directories("Pages Here");
    std::ofstream("Pages Here/index.htm") << "<html></html>";
    std::string stFolder, stDesign;
    Test_Script_Dialog(IDD_VIEW_ENCYCLOPEDIA, [&](HWND hDlg) {
        stFolder = Test_Control_Text(hDlg, ENCYCLOPEDIA_FOLDER_EDIT);
        stDesign = Test_Control_Text(hDlg, ENCYCLOPEDIA_DESIGNS);
        SetDlgItemTextA(hDlg, ENCYCLOPEDIA_FOLDER_EDIT, "Pages Here");
        EXPECT_TRUE(Test_Click_Control(hDlg, ENCYCLOPEDIA_VIEW));
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(NULL, IDD_VIEW_ENCYCLOPEDIA);
    EXPECT_EQ(stFolder, std::string(100, 'x'));
    EXPECT_EQ(stDesign, ".css not found!");  // this folder has no style sheets
    ASSERT_FALSE(Test_Get_Shell_Opens().empty());
    std::string stOpened = Test_Get_Shell_Opens().back().stFile;
    EXPECT_EQ(stOpened.substr(stOpened.size() - strlen("Pages Here/index.htm")),
              "Pages Here/index.htm");
    Read_Encyclopedia_Settings(szFolder, sizeof szFolder, szDesign, sizeof szDesign);
    EXPECT_STREQ(szFolder, "Pages Here");

    // Browse puts the folder chosen into the box; a cancelled choice leaves the box as it was.
    std::vector<std::string> aShown;
    for (int idButton : {IDCANCEL, IDOK}) {
        Test_Script_Dialog(IDD_VIEW_ENCYCLOPEDIA, [&](HWND hDlg) {
            Test_Click_Control(hDlg, ENCYCLOPEDIA_BROWSE);
            aShown.push_back(Test_Control_Text(hDlg, ENCYCLOPEDIA_FOLDER_EDIT));
            Test_Click_Control(hDlg, IDOK);
        });
        Test_Script_Dialog(IDD_CHOOSE_EXPORT_FOLDER, [&](HWND hDlg) {
            Replace_Box_Text(hDlg, EXPORT_FOLDER_PATH, "/tmp/chosen pages");
            Test_Click_Control(hDlg, idButton);
        });
        Open_Dialog(NULL, IDD_VIEW_ENCYCLOPEDIA);
    }
    EXPECT_EQ(aShown, (std::vector<std::string>{"Pages Here", "/tmp/chosen pages"}));
}

}  // namespace
