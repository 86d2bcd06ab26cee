// Pictures of the roster, contract and finance dialogs filled over the default universe: the
// three player lists, the Contract Offer, Find Players after a search, the finance dialogs, the
// fantasy draft's start, and once a fantasy draft waits for the person, its order and the roster
// list that drafts.
#include <string>
#include <vector>

#include "common/user_waits.h"
#include "dialogs/dialogs.h"
#include "personnel/personnel.h"
#include "universe/universe_window_fixture.h"

namespace {

class ContractsGalleryTest : public UniverseWindowTest {
protected:
    // Opens the dialog, lets the action fill it, and keeps its picture.
    void Picture_Dialog(int idDialog, int idTemplate, const std::string& stName,
                        std::function<void(HWND)> fill = nullptr) {
        std::string stPicture = m_stHere + "/" + stName;
        bool bTaken = false;
        Test_Script_Dialog(idTemplate, [&](HWND hDlg) {
            if (fill)
                fill(hDlg);
            bTaken = Test_Snapshot_Dialog(hDlg, stPicture);
        });
        Open_Dialog(gMainWindow, idDialog);
        EXPECT_TRUE(bTaken) << stName;
        std::printf("%s\n", stPicture.c_str());
    }
};

TEST_F(ContractsGalleryTest, FilledDialogs) {
    gOwnerMode = 1;
    Picture_Dialog(IDD_SORTABLE_STATS, IDD_SORTABLE_STATS, "sortable-stats.png",
                   [](HWND hDlg) { Test_Choose_Row(hDlg, IDC_PLAYER_LIST, 2); });
    Picture_Dialog(IDD_COLLEGE_DRAFT, IDD_SORTABLE_STATS, "college-draft-list.png");
    std::string stOffer = m_stHere + "/contract-offer.png";
    Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
        Test_Click_Control(hDlg, IDC_OFFER_MORE_YEARS);
        Test_Click_Control(hDlg, IDC_OFFER_BIGGER_BONUS);
        EXPECT_TRUE(Test_Snapshot_Dialog(hDlg, stOffer));
        Test_Click_Control(hDlg, IDC_OFFER_DECLINE);
    });
    Picture_Dialog(IDD_FREE_AGENTS, IDD_SORTABLE_STATS, "free-agents.png", [](HWND hDlg) {
        Test_Choose_Row(hDlg, IDC_PLAYER_LIST, 0);
        Test_Click_Control(hDlg, IDC_LIST_ACTION);
    });
    std::printf("%s\n", stOffer.c_str());
    Picture_Dialog(IDD_FIND_PLAYERS, IDD_FIND_PLAYERS, "find-players.png", [](HWND hDlg) {
        SendDlgItemMessageA(hDlg, IDC_POSITION_COMBO, CB_SETCURSEL, 0, 0);
        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_POSITION_COMBO, CBN_SELCHANGE),
                     (LPARAM)GetDlgItem(hDlg, IDC_POSITION_COMBO));
        SetDlgItemInt(hDlg, IDC_FIND_OVERALL, 60, FALSE);
        Test_Click_Control(hDlg, IDC_FIND_SEARCH);
        Test_Choose_Row(hDlg, IDC_PLAYER_LIST, 0);
    });
    Picture_Dialog(IDD_EXPENSES, IDD_EXPENSES, "expenses.png");
    Picture_Dialog(IDD_CONCESSIONS, IDD_CONCESSIONS, "concessions.png");
    Picture_Dialog(IDD_TICKETS, IDD_TICKETS, "tickets.png");
    Picture_Dialog(IDD_START_FANTASY_DRAFT, IDD_START_FANTASY_DRAFT, "start-fantasy-draft.png");
}

// The fantasy draft started from its dialog runs the computer's picks up to the person's turn;
// the order shows the picks made and the roster list drafts.
TEST_F(ContractsGalleryTest, FantasyDraftDialogsFilled) {
    Allow_User_Waits();
    Test_Script_Dialog(IDD_START_FANTASY_DRAFT, [](HWND hDlg) {
        Test_Click_Control(hDlg, IDC_FANTASY_ANNOUNCE);  // no box for every pick
        Test_Click_Control(hDlg, IDOK);
    });
    Open_Dialog(gMainWindow, IDD_START_FANTASY_DRAFT);
    ASSERT_EQ(Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT), 1);
    ASSERT_GT(Get_Fantasy_Draft_Round() * Count_Active_Teams() + Get_Fantasy_Draft_Place(), 0);
    Picture_Dialog(IDD_FANTASY_DRAFT_ORDER, IDD_FANTASY_DRAFT_ORDER, "fantasy-draft-order.png");
    std::string stButton;
    bool bDraftOn = false;
    Picture_Dialog(IDD_SORTABLE_STATS, IDD_SORTABLE_STATS, "fantasy-draft-roster-list.png",
                   [&](HWND hDlg) {
                       HWND hCombo = GetDlgItem(hDlg, IDC_TEAM_COMBO);
                       int nItem = (int)SendMessageA(hCombo, CB_FINDSTRINGEXACT, (WPARAM)-1,
                                                     (LPARAM) "Undrafted Players");
                       ASSERT_GE(nItem, 0);
                       SendMessageA(hCombo, CB_SETCURSEL, nItem, 0);
                       SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_TEAM_COMBO, CBN_SELCHANGE),
                                    (LPARAM)hCombo);
                       Test_Choose_Row(hDlg, IDC_PLAYER_LIST, 0);
                       stButton = Test_Control_Text(hDlg, IDC_LIST_ACTION);
                       bDraftOn = IsWindowEnabled(GetDlgItem(hDlg, IDC_LIST_ACTION)) != 0;
                   });
    EXPECT_EQ(stButton, "Draft");
    EXPECT_TRUE(bDraftOn);
    End_Fantasy_Draft();
}

}  // namespace
