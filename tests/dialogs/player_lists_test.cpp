// The player lists driven headless: a release stops at the roster floor, a free agent signs
// after a counter-offer, a full roster is told before any money moves, and the person's college
// draft pick lets the draft go on.
#include "personnel/new_player_test_support.h"

#include <string>

#include "resources/resource.h"
#include "shell/shell.h"

namespace {

class PlayerListsTest : public NewPlayerTest {
protected:
    void SetUp() override {
        NewPlayerTest::SetUp();
        gAllTeamsComputer = 0;
        Set_Team_Stat(FIXTURE_HUMAN_TEAM, TEAM_CONTROL, CONTROL_HUMAN);
        gUserTeam = FIXTURE_HUMAN_TEAM;
        gDialogTeam = FIXTURE_HUMAN_TEAM;
        gDraftRound = DRAFT_ROUNDS;  // no draft under way
        gCommissionerMode = 0;
        Set_Universe_Stat(UNIVERSE_SALARY_CAP, 400000000);
    }

    static int Players(int nTeam) {
        return Find_Free_Player_Slot(nTeam);
    }

    // Releases the team's last players down to nCount.
    static void Trim_Roster(int nTeam, int nCount) {
        while (Players(nTeam) > nCount)
            Release_Player_To_Free_Agents(nTeam, Players(nTeam) - 1);
    }

    // The selected row's player id, after choosing the row.
    static int Choose_Player(HWND hDlg, int nRow) {
        EXPECT_TRUE(Test_Choose_Row(hDlg, IDC_PLAYER_LIST, nRow));
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = nRow;
        SendDlgItemMessageA(hDlg, IDC_PLAYER_LIST, LVM_GETITEMA, 0, (LPARAM)&item);
        return Get_Player_ID((int)item.lParam / 100, (int)item.lParam % 100);
    }

    static bool Enabled(HWND hDlg, int nId) {
        return IsWindowEnabled(GetDlgItem(hDlg, nId)) != 0;
    }

    // The college draft opened and run by the computer up to the person's first pick; his
    // place in the round.
    static int Draft_Up_To_The_Person() {
        Fill_Draft_Pool();
        Grade_Draft_Pool();
        Load_Draft_Strategy();
        Reset_Draft_Pick_Ownership();
        Compute_Draft_Order();
        gDraftRound = 0;
        gDraftPick = 0;
        Start_College_Draft_File();
        int nPlace = Get_Team_Draft_Position(FIXTURE_HUMAN_TEAM);
        Run_College_Draft();
        return nPlace;
    }

    static int Count_Shown(int nTemplateId) {
        int nCount = 0;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            nCount += shown.nKind == TEST_SHOWN_DIALOG && shown.nTemplateId == nTemplateId;
        return nCount;
    }
};

TEST_F(PlayerListsTest, ReleaseStopsAtTheRosterFloor) {
    Trim_Roster(FIXTURE_HUMAN_TEAM, ROSTER_FLOOR + 1);
    bool bReleaseAtFloor = true;
    std::string stNote, stCaption;
    Test_Answer_Message_Box_With_Caption("Release Player?", IDYES);
    Test_Script_Dialog(IDD_SORTABLE_STATS, [&](HWND hDlg) {
        char szCaption[128];
        GetWindowTextA(hDlg, szCaption, sizeof szCaption);
        stCaption = szCaption;
        Choose_Player(hDlg, 0);
        EXPECT_TRUE(Enabled(hDlg, IDC_LIST_ACTION));
        Test_Click_Control(hDlg, IDC_LIST_ACTION);
        Choose_Player(hDlg, 0);
        bReleaseAtFloor = Enabled(hDlg, IDC_LIST_ACTION);
        stNote = Test_Control_Text(hDlg, IDC_LIST_ROSTER_NOTE);
    });
    Open_Dialog(NULL, IDD_SORTABLE_STATS);
    EXPECT_EQ(Players(FIXTURE_HUMAN_TEAM), ROSTER_FLOOR);
    EXPECT_FALSE(bReleaseAtFloor);
    EXPECT_EQ(stNote, "This team is at the minimum of 51 players on the roster.");
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(FIXTURE_HUMAN_TEAM, szLabel, sizeof szLabel);
    EXPECT_EQ(stCaption, std::string("Sortable Stats: ") + szLabel);
}

TEST_F(PlayerListsTest, FreeAgentSignsAfterACounterOffer) {
    int nBefore = Players(FIXTURE_HUMAN_TEAM);
    int nFreeAgents = 0;  // the pool is replenished as the list opens
    int nId = 0, nYearsAsked = 0;
    std::string stCount;
    Test_Script_Dialog(IDD_SORTABLE_STATS, [&](HWND hDlg) {
        EXPECT_EQ(Test_Control_Text(hDlg, IDC_LIST_ACTION), "Sign");
        nFreeAgents = Players(FREE_AGENT_TEAM);
        nId = Choose_Player(hDlg, 0);
        Test_Click_Control(hDlg, IDC_LIST_ACTION);
        stCount = Test_Control_Text(hDlg, IDC_LIST_ROSTER_NOTE);
    });
    Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
        nYearsAsked = Get_Player_Vital_Stat(gScoutTeam, gScoutSlot, VITAL_CONTRACT_YEARS_LEFT);
        Test_Click_Control(hDlg, IDC_OFFER_MORE_YEARS);
        Test_Click_Control(hDlg, IDC_OFFER_ACCEPT);
    });
    Open_Dialog(NULL, IDD_FREE_AGENTS);
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nId));
    EXPECT_EQ(nTeam, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT), nYearsAsked + 1);
    EXPECT_EQ(Players(FIXTURE_HUMAN_TEAM), nBefore + 1);
    EXPECT_EQ(Players(FREE_AGENT_TEAM), nFreeAgents - 1);
    char szLabel[TEAM_LABEL_SIZE];
    Get_Team_Label(FIXTURE_HUMAN_TEAM, szLabel, sizeof szLabel);
    EXPECT_EQ(stCount, std::string("The ") + szLabel + " have " + std::to_string(nBefore + 1) +
                           " roster players, out of a maximum of 100.");
}

TEST_F(PlayerListsTest, AFullRosterIsToldBeforeAnyOffer) {
    while (Players(FIXTURE_HUMAN_TEAM) < PLAYERS_PER_TEAM)
        Copy_Player(FIXTURE_HUMAN_TEAM, Players(FIXTURE_HUMAN_TEAM), FIXTURE_HUMAN_TEAM, 0);
    Test_Script_Dialog(IDD_SORTABLE_STATS, [&](HWND hDlg) {
        Choose_Player(hDlg, 0);
        Test_Click_Control(hDlg, IDC_LIST_ACTION);
    });
    Open_Dialog(NULL, IDD_FREE_AGENTS);
    EXPECT_EQ(Count_Shown(IDD_CONTRACT_OFFER), 0);
    bool bTold = false;
    for (const TEST_SHOWN& shown : Test_Get_Transcript())
        bTold |= shown.stCaption == "Too Many Players";
    EXPECT_TRUE(bTold);
    EXPECT_EQ(Players(FIXTURE_HUMAN_TEAM), PLAYERS_PER_TEAM);
}

TEST_F(PlayerListsTest, ThePersonsDraftPickAndTheDraftGoesOn) {
    int nPlace = Draft_Up_To_The_Person();
    ASSERT_EQ(gDraftPick, nPlace);
    int nBefore = Players(FIXTURE_HUMAN_TEAM);
    int nId = 0;
    bool bDraftWhileOn = false;
    Test_Script_Dialog(IDD_SORTABLE_STATS, [&](HWND hDlg) {
        EXPECT_EQ(Test_Control_Text(hDlg, IDC_LIST_ACTION), "Draft");
        nId = Choose_Player(hDlg, 0);
        bDraftWhileOn = Enabled(hDlg, IDC_LIST_ACTION);
        Test_Click_Control(hDlg, IDC_LIST_ACTION);
    });
    Test_Script_Dialog(IDD_CONTRACT_OFFER,
                       [&](HWND hDlg) { Test_Click_Control(hDlg, IDC_OFFER_ACCEPT); });
    Open_Dialog(NULL, IDD_COLLEGE_DRAFT);
    EXPECT_TRUE(bDraftWhileOn);
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nId));
    EXPECT_EQ(nTeam, FIXTURE_HUMAN_TEAM);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK) % 1000, nPlace + 1);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT), 4);
    EXPECT_EQ(Players(FIXTURE_HUMAN_TEAM), nBefore + 1);
    // The computer made the picks up to the person's next one.
    EXPECT_EQ(gDraftRound, 1);
    EXPECT_EQ(gDraftPick, nPlace);
}

// A prospect the user cannot pay for: Yes closes the offer unsigned and opens the Trading Block
// with the user's first pick on the offer; No keeps the offer open with Accept off. Either way
// the prospect stays in the pool and the pick stays on the clock.
TEST_F(PlayerListsTest, AProspectTheUserCannotPayForOffersTheTradingBlock) {
    int nPlace = Draft_Up_To_The_Person();
    ASSERT_EQ(gDraftPick, nPlace);
    gOwnerMode = 1;  // cash counts only in Owner Mode
    Set_Team_Financial_Stat(FIXTURE_HUMAN_TEAM, FIN_CASH, 0);
    for (int nAnswer : {IDYES, IDNO}) {
        SCOPED_TRACE(nAnswer == IDYES ? "Yes" : "No");
        Test_Reset_Platform();
        int nPool = Count_Draft_Pool_Players();
        int nId = 0, nBlockOpened = 0, nFirstItem = -1;
        bool bAcceptOn = true;
        Test_Answer_Message_Box_With_Caption("Can't Sign Any Players", nAnswer);
        Test_Script_Dialog(IDD_SORTABLE_STATS, [&](HWND hDlg) {
            nId = Choose_Player(hDlg, 0);
            Test_Click_Control(hDlg, IDC_LIST_ACTION);
        });
        if (nAnswer == IDYES) {
            Test_Script_Dialog(IDD_TRADING_BLOCK, [&](HWND hDlg) {
                nBlockOpened++;
                nFirstItem = gTradeOffer.aabItems[0][0];
                EndDialog(hDlg, 1);
            });
        } else {
            Test_Script_Dialog(IDD_CONTRACT_OFFER, [&](HWND hDlg) {
                bAcceptOn = Enabled(hDlg, IDC_OFFER_ACCEPT);
                Test_Click_Control(hDlg, IDC_OFFER_DECLINE);
            });
        }
        Open_Dialog(NULL, IDD_COLLEGE_DRAFT);
        int nTeam = NO_TEAM, nSlot = NO_PLAYER;
        ASSERT_TRUE(Get_Player_By_ID(&nTeam, &nSlot, nId));
        EXPECT_TRUE(Is_Draft_Pool_Team(nTeam));
        EXPECT_EQ(Count_Draft_Pool_Players(), nPool);
        EXPECT_EQ(gDraftPick, nPlace);
        if (nAnswer == IDYES) {
            EXPECT_EQ(nBlockOpened, 1);
            EXPECT_EQ(nFirstItem, Players(FIXTURE_HUMAN_TEAM));
        } else {
            EXPECT_FALSE(bAcceptOn);
        }
    }
}

}  // namespace
