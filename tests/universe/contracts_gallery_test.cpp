// Pictures of the roster, contract and finance dialogs filled over the default universe: the
// three player lists, the Contract Offer, Find Players after a search, the finance dialogs and
// the fantasy draft's start.
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
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

}  // namespace
