// The Offense, Defense and Special Teams dialogs driven headless on the fixture league.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "fixtures/fixture_league.h"
#include "personnel/personnel.h"
#include "platform/test_api.h"
#include "resources/resource.h"
#include "shell/shell.h"

namespace {

#define DC_TEAM FIXTURE_HUMAN_TEAM
#define DC_STARTERS 1079
#define DC_RESERVES 1030
#define DC_SWAP 1036
#define DC_AUTO_SORT 1225
#define DC_STARTER_UP 1086
#define DC_STARTER_SCOUTING 1084
#define DC_RELEASE 1044
#define DC_LABELS 1447
#define DC_PERSONNEL 1458
#define DC_BALANCE 1445
#define DC_SCHEME 1439
#define DC_KICK_RETURNER 1028
#define DC_OFFENSE_BUTTON 1081
#define DC_MISMATCH "Warning: Position Mismatch"

class DepthChartsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        Build_Fixture_League();
        gAllTeamsComputer = 0;
        gCommissionerMode = 0;
        gUserTeam = gDialogTeam = DC_TEAM;
        Set_Team_Stat(DC_TEAM, TEAM_CONTROL, CONTROL_HUMAN);
        Set_Team_Stat(DC_TEAM, TEAM_DEFENSIVE_SCHEME, 0);
        Set_Team_Stat(DC_TEAM, TEAM_OFFENSIVE_SYSTEM, 0);
    }

    static int Position(int nSlot) { return Get_Player_Vital_Stat(DC_TEAM, nSlot, VITAL_POSITION); }

    static int Count_Mismatch_Boxes() {
        int nCount = 0;
        for (const TEST_SHOWN& shown : Test_Get_Transcript())
            nCount += shown.stCaption == DC_MISMATCH;
        return nCount;
    }
};

// Swap exchanges the chosen starter and reserve; Auto-Sort then puts at every starter spot a
// player of the position the spot wants, for both units.
TEST_F(DepthChartsTest, SwapAndAutoSortLeaveALegalLineup) {
    struct CASE {
        int idDialog, nUnit;
    };
    for (const CASE& c : {CASE{IDD_OFFENSE, UNIT_OFFENCE}, CASE{IDD_DEFENSE, UNIT_DEFENCE}}) {
        SCOPED_TRACE(c.idDialog);
        Sort_Roster_By_Position(DC_TEAM);
        int nFirst = c.nUnit == UNIT_OFFENCE ? 0 : Count_Team_Unit_Players(DC_TEAM, UNIT_OFFENCE);
        int nStarterId = Get_Player_ID(DC_TEAM, nFirst + 2);
        int nReserveId = Get_Player_ID(DC_TEAM, nFirst + 11 + 3);
        bool bSwapped = false;
        Test_Script_Dialog(c.idDialog, [&](HWND hDlg) {
            EXPECT_EQ(SendDlgItemMessageA(hDlg, DC_STARTERS, LB_GETCOUNT, 0, 0), 11);
            Test_Choose_Row(hDlg, DC_STARTERS, 2);
            Test_Choose_Row(hDlg, DC_RESERVES, 3);
            Test_Click_Control(hDlg, DC_SWAP);
            bSwapped = Get_Player_ID(DC_TEAM, nFirst + 2) == nReserveId &&
                       Get_Player_ID(DC_TEAM, nFirst + 14) == nStarterId;
            Test_Click_Control(hDlg, DC_AUTO_SORT);
            Test_Press_Key(hDlg, VK_ESCAPE);
        });
        Open_Dialog(NULL, c.idDialog);
        EXPECT_TRUE(bSwapped);
        for (int nSpot = 0; nSpot < 11; nSpot++) {
            SCOPED_TRACE(nSpot);
            EXPECT_EQ(Position(nFirst + nSpot),
                      Get_Depth_Chart_Slot_Position(DC_TEAM, c.nUnit, nSpot));
        }
    }
}

// One starter at a wrong spot warns when the dialog is left; a right lineup does not.
TEST_F(DepthChartsTest, MismatchWarningForOneWrongPosition) {
    struct CASE {
        int idDialog;
        bool bWrong;
        int nExit;  // the button that leaves
        const char* szText;
    };
    const CASE aCases[] = {
        {IDD_OFFENSE, true, IDOK, "unsuitable starting player at Quarterback"},
        {IDD_OFFENSE, false, IDOK, NULL},
        {IDD_DEFENSE, true, IDOK, "One or more of your defensive starters"},
        {IDD_DEFENSE, false, IDOK, NULL},
        {IDD_SPECIAL_TEAMS, true, IDOK, NULL},  // DONE does not check
        {IDD_SPECIAL_TEAMS, true, DC_OFFENSE_BUTTON, "Your kicker and/or punter"},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(testing::Message() << c.idDialog << " wrong " << c.bWrong << " exit " << c.nExit);
        Build_Fixture_League();
        Set_Team_Stat(DC_TEAM, TEAM_CONTROL, CONTROL_HUMAN);
        Sort_Roster_By_Position(DC_TEAM);
        for (int nUnit = UNIT_OFFENCE; nUnit <= UNIT_KICKERS; nUnit++)
            Fill_Depth_Chart_Unit(nUnit, DC_TEAM, 0);
        int nDefence = Count_Team_Unit_Players(DC_TEAM, UNIT_OFFENCE);
        int nKickers = nDefence + Count_Team_Unit_Players(DC_TEAM, UNIT_DEFENCE);
        if (c.bWrong) {
            if (c.idDialog == IDD_OFFENSE)
                Swap_Players(DC_TEAM, 0, DC_TEAM, 20);  // a tackle at the quarterback spot
            else if (c.idDialog == IDD_DEFENSE)
                Set_Player_Vital_Stat(DC_TEAM, nDefence, VITAL_POSITION, POS_LB);
            else
                Swap_Players(DC_TEAM, nKickers, DC_TEAM, nKickers + 1);
        }
        Test_Clear_Transcript();
        Test_Answer_Message_Box_With_Caption(DC_MISMATCH, IDOK);
        Test_Script_Dialog(c.idDialog, [&](HWND hDlg) { Test_Click_Control(hDlg, c.nExit); });
        Open_Dialog(NULL, c.idDialog);
        EXPECT_EQ(Count_Mismatch_Boxes(), c.szText ? 1 : 0);
        for (const TEST_SHOWN& shown : Test_Get_Transcript()) {
            if (shown.stCaption == DC_MISMATCH && c.szText) {
                EXPECT_NE(shown.stText.find(c.szText), std::string::npos) << shown.stText;
            }
        }
    }
}

// Without the editing right only Scouting and the choosers work.
TEST_F(DepthChartsTest, ComputerTeamIsReadOnly) {
    Set_Team_Stat(DC_TEAM, TEAM_CONTROL, CONTROL_COMPUTER);
    for (int idDialog : {IDD_OFFENSE, IDD_DEFENSE}) {
        SCOPED_TRACE(idDialog);
        Test_Script_Dialog(idDialog, [&](HWND hDlg) {
            Test_Choose_Row(hDlg, DC_STARTERS, 1);
            Test_Choose_Row(hDlg, DC_RESERVES, 1);
            for (int nId : {DC_STARTER_UP, DC_SWAP, DC_RELEASE, DC_AUTO_SORT,
                            idDialog == IDD_OFFENSE ? DC_PERSONNEL : DC_SCHEME})
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, nId))) << nId;
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDlg, DC_STARTER_SCOUTING)));
        });
        Open_Dialog(NULL, idDialog);
    }
}

// The personnel and balance combos store their team stats; a stored 7 shows the last labels.
TEST_F(DepthChartsTest, PersonnelAndBalanceAreStored) {
    Set_Team_Stat(DC_TEAM, TEAM_OFFENSIVE_SYSTEM, 7);
    std::string stLabels, stChanged;
    Test_Script_Dialog(IDD_OFFENSE, [&](HWND hDlg) {
        stLabels = Test_Control_Text(hDlg, DC_LABELS);
        Test_Choose_Row(hDlg, DC_PERSONNEL, 1);
        stChanged = Test_Control_Text(hDlg, DC_LABELS);
        Test_Choose_Row(hDlg, DC_BALANCE, 0);
    });
    Open_Dialog(NULL, IDD_OFFENSE);
    EXPECT_EQ(stLabels, "QB\nRB\nRB\nTE\nWR\nWR\nLT\nLG\nC\nRG\nRT");
    EXPECT_EQ(stChanged, "QB\nRB\nTE\nWR\nWR\nWR\nLT\nLG\nC\nRG\nRT");
    EXPECT_EQ(Get_Team_Stat(DC_TEAM, TEAM_OFFENSIVE_SYSTEM), 1);
    EXPECT_EQ(Get_Team_Stat(DC_TEAM, TEAM_RUN_PASS_BALANCE), 0);
}

// A computer team's returner combo snaps back; the last kicker cannot be released.
TEST_F(DepthChartsTest, SpecialTeamsReturnersAndLastKicker) {
    int nReturners = Count_Special_Team_Returners(DC_TEAM);
    EXPECT_EQ(Get_Eligible_Returner(DC_TEAM, 99), Get_Eligible_Returner(DC_TEAM, nReturners - 1));
    Set_Team_Stat(DC_TEAM, TEAM_CONTROL, CONTROL_COMPUTER);
    int nBefore = Get_Team_Returner(DC_TEAM, KICK_RETURNER);
    int nShown = -1;
    bool bReleaseEnabled = true;
    Test_Script_Dialog(IDD_SPECIAL_TEAMS, [&](HWND hDlg) {
        Test_Choose_Row(hDlg, DC_KICK_RETURNER, nReturners - 1);
        nShown = Test_Control_Selection(hDlg, DC_KICK_RETURNER);
        Test_Choose_Row(hDlg, DC_STARTERS, 0);
        bReleaseEnabled = IsWindowEnabled(GetDlgItem(hDlg, DC_RELEASE));
    });
    Open_Dialog(NULL, IDD_SPECIAL_TEAMS);
    EXPECT_EQ(Get_Team_Returner(DC_TEAM, KICK_RETURNER), nBefore);
    EXPECT_EQ(nShown, Find_Returner_Index(DC_TEAM, nBefore));
    EXPECT_FALSE(bReleaseEnabled);

    Set_Team_Stat(DC_TEAM, TEAM_CONTROL, CONTROL_HUMAN);
    Test_Script_Dialog(IDD_SPECIAL_TEAMS, [&](HWND hDlg) {
        Test_Choose_Row(hDlg, DC_KICK_RETURNER, nReturners - 1);
    });
    Open_Dialog(NULL, IDD_SPECIAL_TEAMS);
    EXPECT_EQ(Get_Team_Returner(DC_TEAM, KICK_RETURNER),
              Get_Eligible_Returner(DC_TEAM, nReturners - 1));
}

// A team without kickers gets one kicker-unit player as the dialog opens, and no more after.
TEST_F(DepthChartsTest, SpecialTeamsCreatesAKickerOnceAtOpening) {
    for (int nSlot = 0; nSlot < FIXTURE_ROSTER_SIZE; nSlot++) {
        int nPosition = Position(nSlot);
        if (nPosition == POS_K || nPosition == POS_P)
            Set_Player_Vital_Stat(DC_TEAM, nSlot, VITAL_POSITION, POS_LB);
    }
    int nBefore = Find_Free_Player_Slot(DC_TEAM);
    int nAfterOpening = -1;
    Test_Script_Dialog(IDD_SPECIAL_TEAMS, [&](HWND hDlg) {
        nAfterOpening = Find_Free_Player_Slot(DC_TEAM);
        for (int n = 0; n < 3; n++) {
            InvalidateRect(hDlg, NULL, TRUE);
            UpdateWindow(hDlg);
            Refresh_Depth_Chart_Dialog(hDlg, NULL, "Special Teams");
        }
    });
    Open_Dialog(NULL, IDD_SPECIAL_TEAMS);
    EXPECT_EQ(nAfterOpening, nBefore + 1);
    EXPECT_EQ(Find_Free_Player_Slot(DC_TEAM), nBefore + 1);
    EXPECT_EQ(Count_Team_Unit_Players(DC_TEAM, UNIT_KICKERS), 1);
}

}  // namespace
