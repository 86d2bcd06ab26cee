// The Special Teams dialog: the kickers and punters in order and the kick and punt returners.
#include "database/database.h"
#include "dialogs/depth_chart_internal.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define KICK_RETURNER_COMBO 1028
#define PUNT_RETURNER_COMBO 1029
#define KICK_RETURNER_SCOUTING 1042
#define PUNT_RETURNER_SCOUTING 1087
#define KICKER_SPOTS 2
#define RETURNER_TEXT_SIZE 256

static const int kKickerTabStops[] = {113, 142, 169, 192};

// The kicker unit follows the offence and the defence; counted, never created, after opening.
static int Get_Kicker_First_Slot(int nTeam) {
    return Count_Team_Unit_Players(nTeam, UNIT_OFFENCE) + Count_Team_Unit_Players(nTeam, UNIT_DEFENCE);
}

int Count_Special_Team_Returners(int nTeam) {
    int nCount = 0;
    int nPlayers = Find_Free_Player_Slot(nTeam);
    for (int nSlot = 0; nSlot < nPlayers; nSlot++) {
        if (Is_Returning_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)))
            nCount++;
    }
    return nCount;
}

int Get_Eligible_Returner(int nTeam, int n) {
    int nFound = -1, nLast = -1;
    int nPlayers = Find_Free_Player_Slot(nTeam);
    for (int nSlot = 0; nSlot < nPlayers; nSlot++) {
        if (!Is_Returning_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)))
            continue;
        nLast = nSlot;
        if (++nFound == n)
            return nSlot;
    }
    if (nLast < 0) {
        Show_Message_Box("Assertion Failure", "Error in Get_Eligible_Returner()");
        return 0;
    }
    return nLast;
}

int Find_Returner_Index(int nTeam, int nSlot) {
    int nIndex = 0;
    int nPlayers = Find_Free_Player_Slot(nTeam);
    for (int n = 0; n < nPlayers; n++) {
        if (!Is_Returning_Position(Get_Player_Vital_Stat(nTeam, n, VITAL_POSITION)))
            continue;
        if (n == nSlot)
            return nIndex;
        nIndex++;
    }
    return 0;
}

void Format_Returner_Item(int nTeam, int nSlot, char* szOut, int nSize, int nKind) {
    char szName[RETURNER_TEXT_SIZE], szPosition[16], szReturns[RETURNER_TEXT_SIZE] = "";
    Get_Player_Last_First_Name(nTeam, nSlot, szName, sizeof szName);
    Append_Injury_Status(szName, sizeof szName, nTeam, nSlot);
    Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), szPosition,
                              sizeof szPosition);
    int bKick = nKind == KICK_RETURNER;
    int nReturns = Get_Player_Stat(nTeam, nSlot, gStatPeriod,
                                   bKick ? STAT_KICK_RETURNS : STAT_PUNT_RETURNS);
    int nAverage = Get_Player_Stat(nTeam, nSlot, gStatPeriod,
                                   bKick ? STAT_KICK_RETURN_AVERAGE : STAT_PUNT_RETURN_AVERAGE);
    if (nReturns != 0)
        Format_String(szReturns, sizeof szReturns, "%d %s Returns - %d.%d Yard Avg.", nReturns,
                      bKick ? "Kick" : "Punt", nAverage / 10, nAverage % 10);
    Format_String(szOut, nSize, "%s (%s) %s", szName, szPosition, szReturns);
}

static void Fill_Returner_Combo(HWND hDlg, int nTeam, int nComboId, int nKind) {
    HWND hCombo = GetDlgItem(hDlg, nComboId);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    int nPlayers = Find_Free_Player_Slot(nTeam);
    for (int nSlot = 0; nSlot < nPlayers; nSlot++) {
        if (!Is_Returning_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)))
            continue;
        char szItem[RETURNER_TEXT_SIZE];
        Format_Returner_Item(nTeam, nSlot, szItem, sizeof szItem, nKind);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szItem);
    }
    if (Count_Special_Team_Returners(nTeam) > 0)
        SendMessageA(hCombo, CB_SETCURSEL,
                     Find_Returner_Index(nTeam, Get_Team_Returner(nTeam, nKind)), 0);
}

static void Fill_Kicker_List(HWND hDlg, int nTeam) {
    Fill_Unit_List(GetDlgItem(hDlg, DEPTH_STARTERS), nTeam, UNIT_KICKERS,
                   Get_Kicker_First_Slot(nTeam), PLAYERS_PER_TEAM, 0);
}

static void Update_Special_Teams_Buttons(HWND hDlg) {
    int nTeam = Get_Dialog_Team();
    int bEdit = Has_Depth_Chart_Editing_Right(nTeam);
    int nRow = Get_List_Selection(hDlg, DEPTH_STARTERS);
    int nRows = (int)SendDlgItemMessageA(hDlg, DEPTH_STARTERS, LB_GETCOUNT, 0, 0);
    int nSlot = Get_Kicker_First_Slot(nTeam) + nRow;
    int bSpare = nRow >= 0 && Count_Team_Position_Players(
                                  nTeam, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)) >= 2;
    EnableWindow(GetDlgItem(hDlg, DEPTH_STARTER_UP), nRow > 0 && bEdit);
    EnableWindow(GetDlgItem(hDlg, DEPTH_STARTER_DOWN), nRow >= 0 && nRow + 1 < nRows && bEdit);
    EnableWindow(GetDlgItem(hDlg, DEPTH_STARTER_SCOUTING), nRow >= 0);
    EnableWindow(GetDlgItem(hDlg, DEPTH_RELEASE),
                 nRow >= 0 && bEdit && bSpare && Is_Above_Roster_Floor(nTeam));
    EnableWindow(GetDlgItem(hDlg, DEPTH_AUTO_SORT),
                 bEdit && Count_Team_Unit_Players(nTeam, UNIT_KICKERS) >= KICKER_SPOTS);
}

void Refill_Special_Teams_Dialog(HWND hDlg) {
    int nTeam = Get_Dialog_Team();
    Fill_Team_List(hDlg);
    Fill_Stat_Period_Combo(hDlg);
    Set_List_Tab_Stops(hDlg, DEPTH_STARTERS, kKickerTabStops, 4);
    Fill_Kicker_List(hDlg, nTeam);
    Fill_Returner_Combo(hDlg, nTeam, KICK_RETURNER_COMBO, KICK_RETURNER);
    Fill_Returner_Combo(hDlg, nTeam, PUNT_RETURNER_COMBO, PUNT_RETURNER);
    Update_Special_Teams_Buttons(hDlg);
}

// Without the editing right the combo goes back to the current returner.
static void Choose_Returner(HWND hDlg, int nTeam, int nComboId, int nKind) {
    int nIndex = (int)SendDlgItemMessageA(hDlg, nComboId, CB_GETCURSEL, 0, 0);
    if (Has_Depth_Chart_Editing_Right(nTeam) && nIndex >= 0)
        Set_Team_Returner(nTeam, nKind, Get_Eligible_Returner(nTeam, nIndex));
    Refill_Special_Teams_Dialog(hDlg);
}

static void Move_Kicker(HWND hDlg, int nTeam, int nRow, int nNewRow) {
    int nFirst = Get_Kicker_First_Slot(nTeam);
    Swap_Players(nTeam, nFirst + nRow, nTeam, nFirst + nNewRow);
    Fill_Kicker_List(hDlg, nTeam);
    SendDlgItemMessageA(hDlg, DEPTH_STARTERS, LB_SETCURSEL, nNewRow, 0);
}

static void Scout_Kicker(HWND hDlg, int nTeam, int nRow) {
    if (nRow < 0)
        return;
    int nSlot = Get_Kicker_First_Slot(nTeam) + nRow;
    int nId = Get_Player_ID(nTeam, nSlot);
    uint32_t nBefore = Get_Player_Record_Checksum(nId);
    Open_Scouting_Report(nTeam, nSlot, hDlg, NULL);
    if (Get_Player_Record_Checksum(nId) != nBefore)
        Refill_Special_Teams_Dialog(hDlg);
}

// Switching to Offense or Defense warns a human team of a kicker or punter at the other's spot.
static void Leave_Special_Teams(HWND hDlg, int nTeam, int idDialog) {
    int nFirst = Get_Kicker_First_Slot(nTeam);
    int bMismatch = 0;
    for (int nSpot = 0; nSpot < KICKER_SPOTS; nSpot++) {
        int nSlot = nFirst + nSpot;
        bMismatch |= nSlot < PLAYERS_PER_TEAM && Get_Player_ID(nTeam, nSlot) != 0 &&
                     Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) !=
                         Get_Depth_Chart_Slot_Position(nTeam, UNIT_KICKERS, nSpot);
    }
    if (Is_Human_Team(nTeam) && bMismatch)
        Show_Position_Mismatch_Warning(
            "Your kicker and/or punter do not have the correct position designation.\n\nYou may "
            "need to change the player's position for him to be used as you intend.",
            IDD_SPECIAL_TEAMS);
    EndDialog(hDlg, 1);
    Open_Dialog(GetParent(hDlg), idDialog);
}

static INT_PTR On_Special_Teams_Command(HWND hDlg, int nId, int nCode) {
    int nTeam = Get_Dialog_Team();
    int nRow = Get_List_Selection(hDlg, DEPTH_STARTERS);
    if (On_Depth_Chart_Team_Command(hDlg, nId, nCode, "Special Teams"))
        return TRUE;
    switch (nId) {
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
    case DEPTH_OFFENSE: Leave_Special_Teams(hDlg, nTeam, IDD_OFFENSE); return TRUE;
    case DEPTH_DEFENSE: Leave_Special_Teams(hDlg, nTeam, IDD_DEFENSE); return TRUE;
    case DEPTH_HELP: Show_Help_Topic(IDD_SPECIAL_TEAMS); return TRUE;
    case KICK_RETURNER_COMBO:
    case PUNT_RETURNER_COMBO:
        if (nCode == CBN_SELCHANGE)
            Choose_Returner(hDlg, nTeam, nId,
                            nId == KICK_RETURNER_COMBO ? KICK_RETURNER : PUNT_RETURNER);
        else if (nCode == CBN_CLOSEUP)
            Redraw_Window(hDlg);
        return TRUE;
    case KICK_RETURNER_SCOUTING:
    case PUNT_RETURNER_SCOUTING:
        Open_Scouting_Report(nTeam,
                             Get_Team_Returner(nTeam, nId == KICK_RETURNER_SCOUTING ? KICK_RETURNER
                                                                                   : PUNT_RETURNER),
                             hDlg, NULL);
        Refill_Special_Teams_Dialog(hDlg);
        return TRUE;
    case DEPTH_STARTERS:
        if (nCode == LBN_DBLCLK)
            Scout_Kicker(hDlg, nTeam, nRow);
        break;
    case DEPTH_STARTER_SCOUTING: Scout_Kicker(hDlg, nTeam, nRow); break;
    case DEPTH_STARTER_UP:
        if (nRow > 0)
            Move_Kicker(hDlg, nTeam, nRow, nRow - 1);
        break;
    case DEPTH_STARTER_DOWN:
        if (nRow >= 0)
            Move_Kicker(hDlg, nTeam, nRow, nRow + 1);
        break;
    case DEPTH_RELEASE:
        if (nRow >= 0 && Confirm_Release_Player(nTeam, Get_Kicker_First_Slot(nTeam) + nRow)) {
            Fill_Kicker_List(hDlg, nTeam);
            SendDlgItemMessageA(hDlg, DEPTH_STARTERS, LB_SETCURSEL, nRow, 0);
        }
        break;
    case DEPTH_AUTO_SORT:
        Fill_Depth_Chart_Unit(UNIT_KICKERS, nTeam, 0);
        Sort_Depth_Chart_Unit(nTeam, UNIT_KICKERS);
        Choose_Team_Returners(nTeam);
        Refill_Special_Teams_Dialog(hDlg);
        break;
    default: return FALSE;
    }
    Update_Special_Teams_Buttons(hDlg);
    return TRUE;
}

// A team without a kicker or punter gets one here, once, as the dialog opens.
static void Init_Special_Teams_Dialog(HWND hDlg) {
    Init_Depth_Chart_Fonts(hDlg);
    int nTeam = Get_Dialog_Team();
    Sort_Roster_By_Position(nTeam);
    Find_Or_Create_Team_Unit_Player(nTeam, UNIT_KICKERS);
    Center_Window(hDlg, GetParent(hDlg));
    Refresh_Depth_Chart_Dialog(hDlg, NULL, "Special Teams");
}

INT_PTR Special_Teams_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Special_Teams_Dialog(hDlg); return TRUE;
    case WM_PAINT: Paint_Team_Helmet(hDlg); return TRUE;
    case WM_COMMAND: return On_Special_Teams_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
