// The Defense dialog: the defensive starters by the team's scheme, the reserves and the scheme.
#include "database/database.h"
#include "dialogs/depth_chart_internal.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define DEFENSE_SCHEME_COMBO 1439
#define SCHEME_COUNT 2

static const char* const kSchemeNames[SCHEME_COUNT] = {"4-3", "3-4"};
static const char* const kSchemeLabels[SCHEME_COUNT] = {
    "DE\nDT\nDT\nDE\nOLB\nMLB\nOLB\nCB\nCB\nS\nS", "DE\nNT\nDE\nOLB\nILB\nILB\nOLB\nCB\nCB\nS\nS"};

static void Fill_Defense_Extras(HWND hDlg, int nTeam, int bEdit) {
    int nScheme = Clamp(Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME), 0, SCHEME_COUNT - 1);
    SetDlgItemTextA(hDlg, DEPTH_SPOT_LABELS, kSchemeLabels[nScheme]);
    HWND hScheme = GetDlgItem(hDlg, DEFENSE_SCHEME_COMBO);
    SendMessageA(hScheme, CB_RESETCONTENT, 0, 0);
    for (const char* szName : kSchemeNames)
        SendMessageA(hScheme, CB_ADDSTRING, 0, (LPARAM)szName);
    SendMessageA(hScheme, CB_SETCURSEL, nScheme, 0);
    EnableWindow(hScheme, bEdit ? TRUE : FALSE);
}

// A new scheme also checks the playbook and re-sorts the unit; the whole dialog is redone.
static int On_Defense_Extra_Command(HWND hDlg, int nTeam, int nId, int nCode) {
    if (nId != DEFENSE_SCHEME_COMBO)
        return 0;
    if (nCode == CBN_CLOSEUP)
        Redraw_Window(hDlg);
    if (nCode != CBN_SELCHANGE)
        return 1;
    int nChoice = (int)SendDlgItemMessageA(hDlg, DEFENSE_SCHEME_COMBO, CB_GETCURSEL, 0, 0);
    if (nChoice >= 0 && nChoice != Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME))
        Set_Team_Defensive_Scheme(nTeam, nChoice);
    Refill_Defense_Dialog(hDlg);
    return 1;
}

int Find_Defense_Position_Mismatch(int nTeam) {
    int nFirst = Find_Or_Create_Team_Unit_Player(nTeam, UNIT_DEFENCE);
    for (int nSpot = 0; nSpot < STARTER_COUNT && nFirst + nSpot < PLAYERS_PER_TEAM; nSpot++) {
        int nSlot = nFirst + nSpot;
        if (Get_Player_ID(nTeam, nSlot) != 0 &&
            Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) !=
                Get_Depth_Chart_Slot_Position(nTeam, UNIT_DEFENCE, nSpot))
            return 1;
    }
    return 0;
}

static int Format_Defense_Mismatch(int nTeam, char* szText, int nSize) {
    if (!Find_Defense_Position_Mismatch(nTeam))
        return 0;
    safe_strncpy(szText,
                 "One or more of your defensive starters does not have the correct position "
                 "designation.\n\nYou may need to change the player's position for him to be used "
                 "as you intend.",
                 nSize);
    return 1;
}

static LIST_DIALOG_LAYOUT gDefenseLayout;
static const int kDefenseBottomControls[] = {DEPTH_BOTTOM_LABEL,   DEFENSE_SCHEME_COMBO,
                                             DEPTH_CONTRACTS_NOTE, DEPTH_SPECIAL_TEAMS,
                                             DEPTH_OFFENSE,        IDOK,
                                             DEPTH_HELP};

static const UNIT_CHART kDefenseChart = {
    UNIT_DEFENCE,        "Defense",
    IDD_DEFENSE,         DEPTH_OFFENSE,
    IDD_OFFENSE,         1,
    Fill_Defense_Extras, On_Defense_Extra_Command,
    Format_Defense_Mismatch, &gDefenseLayout,
    kDefenseBottomControls, (int)(sizeof kDefenseBottomControls / sizeof kDefenseBottomControls[0]),
};

void Refill_Defense_Dialog(HWND hDlg) {
    Refill_Unit_Chart(hDlg, &kDefenseChart);
}

INT_PTR Defense_Depth_Chart_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Run_Unit_Chart_Message(&kDefenseChart, hDlg, uMsg, wParam, lParam);
}
