// The Offense dialog: the offensive starters by the team's starting personnel, the reserves,
// the personnel and the run/pass balance.
#include <string>

#include "database/database.h"
#include "dialogs/depth_chart_internal.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define OFFENSE_PERSONNEL_COMBO 1458
#define OFFENSE_BALANCE_COMBO 1445
#define PERSONNEL_COUNT 4
#define BALANCE_COUNT 21
#define BALANCE_EVEN 10
#define MISMATCH_FIT 850  // per mille

static const char* const kPersonnelNames[PERSONNEL_COUNT] = {"Traditional", "3 Wideouts",
                                                             "2 Tight Ends", "2 Running Backs"};
static const char* const kPersonnelLabels[PERSONNEL_COUNT] = {
    "QB\nRB\nFB\nTE\nWR\nWR\nLT\nLG\nC\nRG\nRT", "QB\nRB\nTE\nWR\nWR\nWR\nLT\nLG\nC\nRG\nRT",
    "QB\nRB\nTE\nTE\nWR\nWR\nLT\nLG\nC\nRG\nRT", "QB\nRB\nRB\nTE\nWR\nWR\nLT\nLG\nC\nRG\nRT"};

static int Get_Shown_Personnel(int nTeam) {
    return Clamp(Get_Team_Stat(nTeam, TEAM_OFFENSIVE_SYSTEM), 0, PERSONNEL_COUNT - 1);
}

// "+100% Rush" .. "Balanced" .. "+100% Pass"; the item index is the stored balance.
static void Format_Balance_Item(int nItem, char* szOut, int nSize) {
    if (nItem == BALANCE_EVEN)
        safe_strncpy(szOut, "Balanced", nSize);
    else if (nItem < BALANCE_EVEN)
        Format_String(szOut, nSize, "+%d%% Rush", (BALANCE_EVEN - nItem) * 10);
    else
        Format_String(szOut, nSize, "+%d%% Pass", (nItem - BALANCE_EVEN) * 10);
}

static void Fill_Offense_Extras(HWND hDlg, int nTeam, int bEdit) {
    SetDlgItemTextA(hDlg, DEPTH_SPOT_LABELS, kPersonnelLabels[Get_Shown_Personnel(nTeam)]);
    HWND hPersonnel = GetDlgItem(hDlg, OFFENSE_PERSONNEL_COMBO);
    SendMessageA(hPersonnel, CB_RESETCONTENT, 0, 0);
    for (const char* szName : kPersonnelNames)
        SendMessageA(hPersonnel, CB_ADDSTRING, 0, (LPARAM)szName);
    SendMessageA(hPersonnel, CB_SETCURSEL, Get_Shown_Personnel(nTeam), 0);
    EnableWindow(hPersonnel, bEdit ? TRUE : FALSE);
    HWND hBalance = GetDlgItem(hDlg, OFFENSE_BALANCE_COMBO);
    SendMessageA(hBalance, CB_RESETCONTENT, 0, 0);
    for (int nItem = 0; nItem < BALANCE_COUNT; nItem++) {
        char szItem[32];
        Format_Balance_Item(nItem, szItem, sizeof szItem);
        SendMessageA(hBalance, CB_ADDSTRING, 0, (LPARAM)szItem);
    }
    SendMessageA(hBalance, CB_SETCURSEL, Get_Team_Stat(nTeam, TEAM_RUN_PASS_BALANCE), 0);
    EnableWindow(hBalance, bEdit ? TRUE : FALSE);
}

// A changed choice is stored in the team stat the combo shows.
static int Store_Combo_Choice(HWND hDlg, int nTeam, int nComboId, int nStat) {
    int nChoice = (int)SendDlgItemMessageA(hDlg, nComboId, CB_GETCURSEL, 0, 0);
    if (nChoice < 0 || nChoice == Get_Team_Stat(nTeam, nStat))
        return 0;
    Set_Team_Stat(nTeam, nStat, nChoice);
    return 1;
}

static int On_Offense_Extra_Command(HWND hDlg, int nTeam, int nId, int nCode) {
    if (nId != OFFENSE_PERSONNEL_COMBO && nId != OFFENSE_BALANCE_COMBO)
        return 0;
    if (nCode == CBN_CLOSEUP)
        Redraw_Window(hDlg);
    if (nCode != CBN_SELCHANGE)
        return 1;
    if (nId == OFFENSE_PERSONNEL_COMBO) {
        Store_Combo_Choice(hDlg, nTeam, nId, TEAM_OFFENSIVE_SYSTEM);
        SetDlgItemTextA(hDlg, DEPTH_SPOT_LABELS, kPersonnelLabels[Get_Shown_Personnel(nTeam)]);
    } else {
        Store_Combo_Choice(hDlg, nTeam, nId, TEAM_RUN_PASS_BALANCE);
    }
    return 1;
}

int Find_Offense_Position_Mismatch(int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return -1;
    for (int nSpot = 0; nSpot < STARTER_COUNT; nSpot++) {
        if (Get_Player_ID(nTeam, nSpot) == 0)
            continue;
        int nWanted = Get_Depth_Chart_Slot_Position(nTeam, UNIT_OFFENCE, nSpot);
        if (Get_Position_Switch_Fit(nTeam, nSpot, nWanted) < MISMATCH_FIT)
            return nWanted;
    }
    return -1;
}

static int Format_Offense_Mismatch(int nTeam, char* szText, int nSize) {
    int nWanted = Find_Offense_Position_Mismatch(nTeam);
    if (nWanted < 0)
        return 0;
    char szNickname[TEXT_BUFFER_SIZE], szPosition[TEXT_BUFFER_SIZE];
    Get_Team_String(szNickname, sizeof szNickname, nTeam, TEAM_NICKNAME);
    Get_Position_Name(nWanted, szPosition, sizeof szPosition);
    Format_String(szText, nSize,
                  "The %s have an unsuitable starting player at %s.\n\nYou may need to change the "
                  "player's position for him to be used as you intend.",
                  szNickname, szPosition);
    return 1;
}

static LIST_DIALOG_LAYOUT gOffenseLayout;
static const int kOffenseBottomControls[] = {
    DEPTH_BOTTOM_LABEL,   OFFENSE_PERSONNEL_COMBO, DEPTH_SECOND_BOTTOM_LABEL,
    OFFENSE_BALANCE_COMBO, DEPTH_CONTRACTS_NOTE,   DEPTH_SPECIAL_TEAMS,
    DEPTH_DEFENSE,         IDOK,                   DEPTH_HELP};

static const UNIT_CHART kOffenseChart = {
    UNIT_OFFENCE,        "Offense",
    IDD_OFFENSE,         DEPTH_DEFENSE,
    IDD_DEFENSE,         0,
    Fill_Offense_Extras, On_Offense_Extra_Command,
    Format_Offense_Mismatch, &gOffenseLayout,
    kOffenseBottomControls, (int)(sizeof kOffenseBottomControls / sizeof kOffenseBottomControls[0]),
};

void Refill_Offense_Dialog(HWND hDlg) {
    Refill_Unit_Chart(hDlg, &kOffenseChart);
}

INT_PTR Offense_Depth_Chart_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Run_Unit_Chart_Message(&kOffenseChart, hDlg, uMsg, wParam, lParam);
}
