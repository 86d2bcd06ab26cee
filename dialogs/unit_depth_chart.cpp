// The Offense and Defense dialogs' common working: the starters and reserves of one unit, moved
// by Up, Down and Swap, released, scouted and sorted by the computer.
#include "database/database.h"
#include "dialogs/depth_chart_internal.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define DEPTH_MESSAGE_SIZE 512

static const int kUnitTabStops[] = {112, 139, 166, 189};

int Get_Unit_First_Slot(int nTeam, int nUnit) {
    return nUnit == UNIT_OFFENCE ? 0 : Count_Team_Unit_Players(nTeam, UNIT_OFFENCE);
}

static void Fill_Unit_Lists(HWND hDlg, const UNIT_CHART* pChart) {
    int nTeam = Get_Dialog_Team();
    int nFirst = Get_Unit_First_Slot(nTeam, pChart->nUnit);
    Fill_Unit_List(GetDlgItem(hDlg, DEPTH_STARTERS), nTeam, pChart->nUnit, nFirst, STARTER_COUNT,
                   pChart->bDefenceRating);
    Fill_Unit_List(GetDlgItem(hDlg, DEPTH_RESERVES), nTeam, pChart->nUnit, nFirst + STARTER_COUNT,
                   PLAYERS_PER_TEAM, pChart->bDefenceRating);
}

static int Count_List_Rows(HWND hDlg, int nListId) {
    return (int)SendDlgItemMessageA(hDlg, nListId, LB_GETCOUNT, 0, 0);
}

static void Enable_Control(HWND hDlg, int nId, int bEnable) {
    EnableWindow(GetDlgItem(hDlg, nId), bEnable ? TRUE : FALSE);
}

static void Update_Unit_Chart_Buttons(HWND hDlg, const UNIT_CHART* pChart) {
    int nTeam = Get_Dialog_Team();
    int bEdit = Has_Depth_Chart_Editing_Right(nTeam);
    int nStarter = Get_List_Selection(hDlg, DEPTH_STARTERS);
    int nReserve = Get_List_Selection(hDlg, DEPTH_RESERVES);
    int nStarters = Count_List_Rows(hDlg, DEPTH_STARTERS);
    int nReserves = Count_List_Rows(hDlg, DEPTH_RESERVES);
    Enable_Control(hDlg, DEPTH_STARTER_UP, nStarter > 0 && bEdit);
    Enable_Control(hDlg, DEPTH_STARTER_DOWN, nStarter >= 0 && nStarter + 1 < nStarters && bEdit);
    Enable_Control(hDlg, DEPTH_STARTER_SCOUTING, nStarter >= 0);
    Enable_Control(hDlg, DEPTH_RESERVE_UP, nReserve > 0 && bEdit);
    Enable_Control(hDlg, DEPTH_RESERVE_DOWN, nReserve >= 0 && nReserve + 1 < nReserves && bEdit);
    Enable_Control(hDlg, DEPTH_RESERVE_SCOUTING, nReserve >= 0);
    Enable_Control(hDlg, DEPTH_SWAP, nStarter >= 0 && nReserve >= 0 && bEdit);
    Enable_Control(hDlg, DEPTH_RELEASE, nReserve >= 0 && bEdit && Is_Above_Roster_Floor(nTeam));
    Enable_Control(hDlg, DEPTH_AUTO_SORT,
                   bEdit && Count_Team_Unit_Players(nTeam, pChart->nUnit) >= STARTER_COUNT);
    Set_Contracts_Note(hDlg, nTeam);
}

void Refill_Unit_Chart(HWND hDlg, const UNIT_CHART* pChart) {
    int nTeam = Get_Dialog_Team();
    Fill_Team_List(hDlg);
    Fill_Stat_Period_Combo(hDlg);
    pChart->pFillExtras(hDlg, nTeam, Has_Depth_Chart_Editing_Right(nTeam));
    Set_List_Tab_Stops(hDlg, DEPTH_STARTERS, kUnitTabStops, 4);
    Set_List_Tab_Stops(hDlg, DEPTH_RESERVES, kUnitTabStops, 4);
    Fill_Unit_Lists(hDlg, pChart);
    Update_Unit_Chart_Buttons(hDlg, pChart);
}

// Exchanges two slots and lets the selection of the list follow the player.
static void Move_Player(HWND hDlg, const UNIT_CHART* pChart, int nListId, int nSlot, int nOther,
                        int nNewRow) {
    Swap_Players(Get_Dialog_Team(), nSlot, Get_Dialog_Team(), nOther);
    Fill_Unit_Lists(hDlg, pChart);
    SendDlgItemMessageA(hDlg, nListId, LB_SETCURSEL, nNewRow, 0);
}

static void Swap_Starter_And_Reserve(HWND hDlg, const UNIT_CHART* pChart, int nFirst) {
    int nStarter = Get_List_Selection(hDlg, DEPTH_STARTERS);
    int nReserve = Get_List_Selection(hDlg, DEPTH_RESERVES);
    if (nStarter < 0 || nReserve < 0)
        return;
    Swap_Players(Get_Dialog_Team(), nFirst + nStarter, Get_Dialog_Team(),
                 nFirst + STARTER_COUNT + nReserve);
    SendDlgItemMessageA(hDlg, DEPTH_STARTERS, LB_SETCURSEL, -1, 0);
    SendDlgItemMessageA(hDlg, DEPTH_RESERVES, LB_SETCURSEL, -1, 0);
    Fill_Unit_Lists(hDlg, pChart);
}

static void Release_Reserve(HWND hDlg, const UNIT_CHART* pChart, int nFirst) {
    int nReserve = Get_List_Selection(hDlg, DEPTH_RESERVES);
    if (nReserve < 0 || !Confirm_Release_Player(Get_Dialog_Team(), nFirst + STARTER_COUNT + nReserve))
        return;
    Fill_Unit_Lists(hDlg, pChart);
    SendDlgItemMessageA(hDlg, DEPTH_RESERVES, LB_SETCURSEL, nReserve, 0);
}

static void Scout_Row(HWND hDlg, const UNIT_CHART* pChart, int nListId, int nFirstOfList) {
    int nRow = Get_List_Selection(hDlg, nListId);
    if (nRow < 0)
        return;
    Open_Scouting_Report(Get_Dialog_Team(), nFirstOfList + nRow, hDlg, NULL);
    Fill_Unit_Lists(hDlg, pChart);
}

// DONE and the sister dialogs' buttons: a human team hears of a starter at the wrong spot first.
static void Leave_Unit_Chart(HWND hDlg, const UNIT_CHART* pChart, int nId) {
    int nTeam = Get_Dialog_Team();
    char szText[DEPTH_MESSAGE_SIZE];
    if (Is_Human_Team(nTeam) && pChart->pFindMismatch(nTeam, szText, sizeof szText))
        Show_Position_Mismatch_Warning(szText, pChart->idTemplate);
    EndDialog(hDlg, 1);
    if (nId == pChart->idOtherUnitButton)
        Open_Dialog(GetParent(hDlg), pChart->idOtherUnitDialog);
    else if (nId == DEPTH_SPECIAL_TEAMS)
        Open_Dialog(GetParent(hDlg), IDD_SPECIAL_TEAMS);
}

static void On_Unit_Chart_List(HWND hDlg, const UNIT_CHART* pChart, int nId, int nCode,
                               int nFirst) {
    if (nCode == LBN_DBLCLK)
        Scout_Row(hDlg, pChart, nId, nId == DEPTH_STARTERS ? nFirst : nFirst + STARTER_COUNT);
}

static INT_PTR On_Unit_Chart_Command(HWND hDlg, const UNIT_CHART* pChart, int nId, int nCode) {
    int nTeam = Get_Dialog_Team();
    int nFirst = Get_Unit_First_Slot(nTeam, pChart->nUnit);
    int nStarter = Get_List_Selection(hDlg, DEPTH_STARTERS);
    int nReserve = Get_List_Selection(hDlg, DEPTH_RESERVES);
    int nReserveFirst = nFirst + STARTER_COUNT;
    if (nId == IDOK || nId == DEPTH_SPECIAL_TEAMS || nId == pChart->idOtherUnitButton) {
        Leave_Unit_Chart(hDlg, pChart, nId);
        return TRUE;
    }
    if (On_Depth_Chart_Team_Command(hDlg, nId, nCode, pChart->szCaption))
        return TRUE;
    if (pChart->pOnExtraCommand(hDlg, nTeam, nId, nCode)) {
        Update_Unit_Chart_Buttons(hDlg, pChart);
        return TRUE;
    }
    switch (nId) {
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
    case DEPTH_HELP: Show_Help_Topic(pChart->idTemplate); return TRUE;
    case DEPTH_STARTERS:
    case DEPTH_RESERVES: On_Unit_Chart_List(hDlg, pChart, nId, nCode, nFirst); break;
    case DEPTH_SWAP: Swap_Starter_And_Reserve(hDlg, pChart, nFirst); break;
    case DEPTH_STARTER_UP:
        if (nStarter > 0)
            Move_Player(hDlg, pChart, DEPTH_STARTERS, nFirst + nStarter, nFirst + nStarter - 1,
                        nStarter - 1);
        break;
    case DEPTH_STARTER_DOWN:
        if (nStarter >= 0)
            Move_Player(hDlg, pChart, DEPTH_STARTERS, nFirst + nStarter, nFirst + nStarter + 1,
                        nStarter + 1);
        break;
    case DEPTH_RESERVE_UP:
        if (nReserve > 0)
            Move_Player(hDlg, pChart, DEPTH_RESERVES, nReserveFirst + nReserve,
                        nReserveFirst + nReserve - 1, nReserve - 1);
        break;
    case DEPTH_RESERVE_DOWN:
        if (nReserve >= 0)
            Move_Player(hDlg, pChart, DEPTH_RESERVES, nReserveFirst + nReserve,
                        nReserveFirst + nReserve + 1, nReserve + 1);
        break;
    case DEPTH_RELEASE: Release_Reserve(hDlg, pChart, nFirst); break;
    case DEPTH_STARTER_SCOUTING: Scout_Row(hDlg, pChart, DEPTH_STARTERS, nFirst); break;
    case DEPTH_RESERVE_SCOUTING: Scout_Row(hDlg, pChart, DEPTH_RESERVES, nReserveFirst); break;
    case DEPTH_AUTO_SORT:
        Fill_Depth_Chart_Unit(pChart->nUnit, nTeam, 0);
        Sort_Depth_Chart_Unit(nTeam, pChart->nUnit);
        Fill_Unit_Lists(hDlg, pChart);
        break;
    default: return FALSE;
    }
    Update_Unit_Chart_Buttons(hDlg, pChart);
    return TRUE;
}

// The layout is reset at the first opening in a run, recorded from the template, and the dialog
// grows to show the reserves before it is centred.
static void Init_Unit_Chart(HWND hDlg, const UNIT_CHART* pChart) {
    Init_Depth_Chart_Fonts(hDlg);
    Sort_Roster_By_Position(Get_Dialog_Team());
    LIST_DIALOG_LAYOUT* pLayout = pChart->pLayout;
    if (pLayout->rcLineUnits.bottom == 0)
        Layout_List_Dialog(hDlg, pLayout, LIST_LAYOUT_RESET);
    pLayout->nListId = DEPTH_RESERVES;
    pLayout->nControls = Min_Int(pChart->nBottomControls, LIST_LAYOUT_CONTROLS);
    for (int n = 0; n < pLayout->nControls; n++)
        pLayout->anControlIds[n] = pChart->pnBottomControls[n];
    Layout_List_Dialog(hDlg, pLayout, LIST_LAYOUT_RECORD);
    Refresh_Depth_Chart_Dialog(hDlg, pLayout, pChart->szCaption);
    Center_Window(hDlg, GetParent(hDlg));
}

INT_PTR Run_Unit_Chart_Message(const UNIT_CHART* pChart, HWND hDlg, UINT uMsg, WPARAM wParam,
                               LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Unit_Chart(hDlg, pChart); return TRUE;
    case WM_PAINT: Paint_Team_Helmet(hDlg); return TRUE;
    case WM_SIZING:
        Clamp_Sizing_Rect((RECT*)lParam, &pChart->pLayout->rcInitial, (int)wParam,
                          SIZING_GROW_HEIGHT);
        return TRUE;
    case WM_EXITSIZEMOVE:
        Layout_List_Dialog(hDlg, pChart->pLayout, LIST_LAYOUT_FOLLOW_REPAINT);
        return TRUE;
    case WM_DESTROY: Layout_List_Dialog(hDlg, pChart->pLayout, LIST_LAYOUT_REMEMBER); return FALSE;
    case WM_COMMAND: return On_Unit_Chart_Command(hDlg, pChart, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
