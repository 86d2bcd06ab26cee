// The fantasy draft's dialogs: Start Fantasy Draft's order choices and the first round by cash,
// the order list's filters set anew, and the Fantasy Draft Order list filtered by position.
#include "personnel/new_player_test_support.h"

#include <string>

#include "common/user_waits.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

class FantasyDraftDialogsTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        Allow_User_Waits();
        gAllTeamsComputer = 0;
        Set_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS, 1);
        for (int nTeam = 0; nTeam < FIXTURE_TEAM_COUNT; nTeam++)
            Set_Team_Financial_Stat(nTeam, FIN_CASH, 1000000 * ((nTeam * 7) % FIXTURE_TEAM_COUNT));
        Set_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_CASH, 900000000);  // picks last
        gOwnerMode = 1;
        gFantasyOrderTeamFilter = 3;
        gFantasyOrderPositionFilter = 2;
    }

    void TearDown() override {
        End_Fantasy_Draft();
    }
};

TEST_F(FantasyDraftDialogsTest, StartByCashWithTheSnakeThenFilterThePicks) {
    Test_Script_Dialog(IDD_START_FANTASY_DRAFT, [](HWND hDlg) {
        EXPECT_EQ(Read_Fantasy_First_Round_Order(hDlg), 1);
        EXPECT_EQ(Read_Fantasy_Later_Round_Order(hDlg), 7);
        Test_Click_Control(hDlg, IDC_FANTASY_FIRST_CASH);
        Test_Click_Control(hDlg, IDC_FANTASY_LATER_SNAKE);
        Test_Click_Control(hDlg, IDC_FANTASY_ANNOUNCE);  // announcements off
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(NULL, IDD_START_FANTASY_DRAFT);
    ASSERT_EQ(Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT), 1);
    EXPECT_EQ(Get_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS), 0);
    EXPECT_EQ(Get_Fantasy_Draft_Kind(0), 2);
    EXPECT_EQ(Get_Fantasy_Draft_Kind(1), 5);
    EXPECT_EQ(gFantasyOrderTeamFilter, FIXTURE_TEAM_COUNT);
    EXPECT_EQ(gFantasyOrderPositionFilter, POSITION_COUNT);
    for (int nPlace = 1; nPlace < FIXTURE_TEAM_COUNT; nPlace++)
        EXPECT_LE(Get_Team_Financial_Stat(Get_Fantasy_Order_Team(0, nPlace - 1), FIN_CASH),
                  Get_Team_Financial_Stat(Get_Fantasy_Order_Team(0, nPlace), FIN_CASH));
    // The snake: round 2 starts with the last team of round 1.
    EXPECT_EQ(Get_Fantasy_Order_Team(1, 0), Get_Fantasy_Order_Team(0, FIXTURE_TEAM_COUNT - 1));

    int nMade = Get_Fantasy_Draft_Round() * FIXTURE_TEAM_COUNT + Get_Fantasy_Draft_Place();
    ASSERT_GT(nMade, 0);  // the computer picked up to the person's turn
    int nAnyRows = 0, nQuarterbackRows = 0;
    std::string stFirstRow;
    Test_Script_Dialog(IDD_FANTASY_DRAFT_ORDER, [&](HWND hDlg) {
        nAnyRows = (int)SendDlgItemMessageA(hDlg, IDC_FANTASY_PICK_LIST, LB_GETCOUNT, 0, 0);
        SendDlgItemMessageA(hDlg, IDC_POSITION_COMBO, CB_SETCURSEL, 0, 0);
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_POSITION_COMBO, CBN_SELCHANGE),
                     (LPARAM)GetDlgItem(hDlg, IDC_POSITION_COMBO));
        nQuarterbackRows = (int)SendDlgItemMessageA(hDlg, IDC_FANTASY_PICK_LIST, LB_GETCOUNT, 0, 0);
        char szRow[256] = "";
        SendDlgItemMessageA(hDlg, IDC_FANTASY_PICK_LIST, LB_GETTEXT, 0, (LPARAM)szRow);
        stFirstRow = szRow;
    });
    Open_Dialog(NULL, IDD_FANTASY_DRAFT_ORDER);
    EXPECT_EQ(nAnyRows, FIXTURE_TEAM_COUNT * 65);
    int nQuarterbacks = 0;
    for (int nPick = 0; nPick < nMade; nPick++) {
        int nTeam = NO_TEAM, nSlot = NO_PLAYER;
        int nId =
            Get_Fantasy_Draft_Pick_Player(nPick / FIXTURE_TEAM_COUNT, nPick % FIXTURE_TEAM_COUNT);
        if (Get_Player_By_ID(&nTeam, &nSlot, nId))
            nQuarterbacks += Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) == POS_QB;
    }
    EXPECT_EQ(nQuarterbackRows, nQuarterbacks);  // future picks have no position to show
    if (nQuarterbacks > 0) {
        EXPECT_NE(stFirstRow.find("\tQB\t"), std::string::npos) << stFirstRow;
    }
}

}  // namespace
