// The Hall of Fame dialog: the league's retired greats with their induction year and vote, and
// the scouting report of the one chosen.
#include "database/database.h"
#include "resources/resource.h"
#include "pages/pages.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define FAME_LIST 1210
#define FAME_SCOUTING 1045
#define FAME_ROW_SIZE 160

static const int kFameTabs[] = {106, 152, 193};
static LIST_DIALOG_LAYOUT gFameLayout;

// One row per member inducted before this season; each row keeps its slot.
static void Fill_Fame_List(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, FAME_LIST);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    int nYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(HALL_OF_FAME_TEAM, nSlot))
            continue;
        int nInducted = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_HALL_OF_FAME_YEAR);
        if (nInducted >= nYear)
            continue;
        int nPosition = Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_POSITION);
        char szName[PLAYER_NAME_TEXT_SIZE], szPosition[16], szRow[FAME_ROW_SIZE];
        Get_Player_Full_Name(HALL_OF_FAME_TEAM, nSlot, szName, sizeof szName);
        if (nPosition == POS_ANY)
            safe_strncpy(szPosition, "Any", sizeof szPosition);
        else
            Get_Position_Abbreviation(nPosition, szPosition, sizeof szPosition);
        Format_String(szRow, sizeof szRow, "%s\t%s\t%d\t%d%%\t", szName, szPosition, nInducted,
                      Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_POTENTIAL));
        LRESULT nItem = SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szRow);
        if (nItem >= 0)
            SendMessageA(hList, LB_SETITEMDATA, (WPARAM)nItem, nSlot);
    }
}

static void Enable_Fame_Scouting(HWND hDlg) {
    int nSelected = (int)SendDlgItemMessageA(hDlg, FAME_LIST, LB_GETCURSEL, 0, 0);
    EnableWindow(GetDlgItem(hDlg, FAME_SCOUTING), nSelected >= 0);
}

static void Open_Fame_Scouting(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, FAME_LIST);
    int nSelected = (int)SendMessageA(hList, LB_GETCURSEL, 0, 0);
    if (nSelected < 0)
        return;
    int nSlot = (int)SendMessageA(hList, LB_GETITEMDATA, (WPARAM)nSelected, 0);
    Open_Scouting_Report_At(HALL_OF_FAME_TEAM, nSlot, hDlg);
}

static void Init_Fame_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    int anTabs[3] = {kFameTabs[0], kFameTabs[1], kFameTabs[2]};
    SendDlgItemMessageA(hDlg, FAME_LIST, LB_SETTABSTOPS, 3, (LPARAM)anTabs);
    Fill_Fame_List(hDlg);
    Enable_Fame_Scouting(hDlg);
    Layout_List_Dialog(hDlg, &gFameLayout, LIST_LAYOUT_RESET);
    gFameLayout.nControls = 3;
    gFameLayout.anControlIds[0] = FAME_SCOUTING;
    gFameLayout.anControlIds[1] = IDOK;
    gFameLayout.anControlIds[2] = IDC_DIALOG_HELP;
    gFameLayout.nListId = FAME_LIST;
    Layout_List_Dialog(hDlg, &gFameLayout, LIST_LAYOUT_RECORD);
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
    Layout_List_Dialog(hDlg, &gFameLayout, LIST_LAYOUT_FIT_LIST);
}

static INT_PTR On_Fame_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case FAME_LIST:
        if (nCode == LBN_DBLCLK)
            Open_Fame_Scouting(hDlg);
        else if (nCode == LBN_SELCHANGE)
            Enable_Fame_Scouting(hDlg);
        return TRUE;
    case FAME_SCOUTING: Open_Fame_Scouting(hDlg); return TRUE;
    case IDC_DIALOG_HELP: Open_Help_Page("halloffame"); return TRUE;
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, IDOK); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Hall_Of_Fame_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Fame_Dialog(hDlg); return TRUE;
    case WM_COMMAND: return On_Fame_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_SIZING:
        Clamp_Sizing_Rect((RECT*)lParam, &gFameLayout.rcInitial, (int)wParam, SIZING_GROW_HEIGHT);
        return TRUE;
    case WM_SIZE: Layout_List_Dialog(hDlg, &gFameLayout, LIST_LAYOUT_FOLLOW_REPAINT); return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
