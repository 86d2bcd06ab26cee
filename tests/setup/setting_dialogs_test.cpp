// The page columns' stat choosers and the Other Team dialog, driven headless through their
// controls.
#include <gtest/gtest.h>
#include <string.h>

#include "database/database.h"
#include "fixtures/fixture_league.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define SETTING_FIRST_CHOICE 1242
#define SETTING_TEAM_LIST 1132

class SettingDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gAllTeamsComputer = 0;
        gUserTeam = FIXTURE_HUMAN_TEAM;
        gDialogTeam = FIXTURE_HUMAN_TEAM;
    }
};

TEST_F(SettingDialogsTest, ChooserOffersEveryColumnAndStoresTheOnePicked) {
    struct CASE {
        int idDialog, nPreference, nEmpty, nChoices;
        int nPick;             // -1: Cancel
        const char* szLabel;  // the picked button's text
    };
    const CASE aCases[] = {
        {IDD_CHOOSE_STAT, PREF_STANDINGS_COLUMNS + 2, 48, 48, 17, "Turnover +/-"},
        {IDD_LEADER_HEADING, PREF_LEADER_CATEGORIES + 1, 30, 30, 29, "Cap Impact"},
        {IDD_CHOOSE_STAT_B, PREF_FINANCES_COLUMNS, 50, 50, 49, "Overall"},
        {IDD_CHOOSE_STAT_C, PREF_CALENDAR_COLUMNS + 4, 20, 20, 0, "Total Yards"},
        {IDD_CHOOSE_STAT_C, PREF_CALENDAR_COLUMNS + 4, 20, 20, -1, NULL},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << "template " << c.idDialog << " pick " << c.nPick);
        Set_User_Preference(c.nPreference, 3);
        bool bLastThere = false, bOneMoreThere = true;
        std::string stLabel;
        Test_Script_Dialog(c.idDialog, [&](HWND hDlg) {
            bLastThere = GetDlgItem(hDlg, SETTING_FIRST_CHOICE + c.nChoices - 1) != NULL;
            bOneMoreThere = GetDlgItem(hDlg, SETTING_FIRST_CHOICE + c.nChoices) != NULL;
            if (c.nPick >= 0)
                stLabel = Test_Control_Text(hDlg, SETTING_FIRST_CHOICE + c.nPick);
            EXPECT_TRUE(Test_Click_Control(hDlg, c.nPick < 0 ? IDCANCEL
                                                              : SETTING_FIRST_CHOICE + c.nPick));
        });
        int bChosen = Choose_Page_Column(NULL, c.nPreference, c.nEmpty, c.idDialog);
        EXPECT_TRUE(bLastThere);
        EXPECT_FALSE(bOneMoreThere);
        EXPECT_EQ(bChosen, c.nPick >= 0);
        EXPECT_EQ(Get_User_Preference(c.nPreference), c.nPick < 0 ? 3 : c.nPick);
        if (c.szLabel) {
            EXPECT_EQ(stLabel, c.szLabel);
        }
    }
}

TEST_F(SettingDialogsTest, SalaryColumnReadsSalaryBudgetWithoutACap) {
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, 0);
    std::string stLabel;
    Test_Script_Dialog(IDD_CHOOSE_STAT_B, [&](HWND hDlg) {
        stLabel = Test_Control_Text(hDlg, SETTING_FIRST_CHOICE + 17);
        Test_Click_Control(hDlg, IDCANCEL);
    });
    Choose_Page_Column(NULL, PREF_FINANCES_COLUMNS, 50, IDD_CHOOSE_STAT_B);
    EXPECT_EQ(stLabel, "Salary Budget");
}

// A human team becomes the user's team as well; a computer team only the dialog team; Cancel
// changes neither.
TEST_F(SettingDialogsTest, OtherTeamSetsTheDialogTeamAndFollowsHumanTeamsOnly) {
    const int nComputerTeam = 5, nHumanTeam = 7;
    Set_Team_Stat(nHumanTeam, TEAM_CONTROL, CONTROL_HUMAN);
    Set_Team_Stat(nComputerTeam, TEAM_CONTROL, CONTROL_COMPUTER);
    struct CASE {
        int nRow, bCancel, nDialogTeam, nUserTeam;
    };
    const CASE aCases[] = {
        {nComputerTeam, 0, nComputerTeam, FIXTURE_HUMAN_TEAM},
        {nHumanTeam, 0, nHumanTeam, nHumanTeam},
        {nComputerTeam, 1, FIXTURE_HUMAN_TEAM, FIXTURE_HUMAN_TEAM},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << "row " << c.nRow << " cancel " << c.bCancel);
        gDialogTeam = gUserTeam = FIXTURE_HUMAN_TEAM;
        int nSelectedAtOpening = -1;
        Test_Script_Dialog(IDD_OTHER_TEAM, [&](HWND hDlg) {
            nSelectedAtOpening =
                (int)SendDlgItemMessageA(hDlg, SETTING_TEAM_LIST, LB_GETCURSEL, 0, 0);
            EXPECT_TRUE(Test_Choose_Row(hDlg, SETTING_TEAM_LIST, c.nRow));
            EXPECT_TRUE(Test_Click_Control(hDlg, c.bCancel ? IDCANCEL : IDOK));
        });
        EXPECT_EQ(Open_Dialog(NULL, IDD_OTHER_TEAM), 1);
        EXPECT_EQ(nSelectedAtOpening, FIXTURE_HUMAN_TEAM);
        EXPECT_EQ(gDialogTeam, c.nDialogTeam);
        EXPECT_EQ(gUserTeam, c.nUserTeam);
    }
}

}  // namespace
