// The Stat Column Chooser: the user picks the stat columns of a sortable player list, one row
// each, or a preset group of them; the list follows every click.
#include "resources/resource.h"
#include "shell/shell.h"

#define CHOOSER_EMPTY_ROW (-1)
#define CHOOSER_TAB_STOP 60  // dialog units: room for the widest header
#define CHOOSER_HELP_BUTTON 9

static SORTABLE_LISTVIEW* gChooserList = nullptr;

struct CHOOSER_PRESET {
    int nControl;
    int nList;
};

static const CHOOSER_PRESET kChooserPresets[] = {
    {IDC_PRESET_DEFAULT_STATS, 0},    {IDC_PRESET_FREE_AGENTS, 1},
    {IDC_PRESET_COLLEGE, 2},          {IDC_PRESET_QB_STATS, 4},
    {IDC_PRESET_QB_RATINGS, 5},       {IDC_PRESET_SKILL_STATS, 6},
    {IDC_PRESET_SKILL_RATINGS, 7},    {IDC_PRESET_OFFENSIVE_LINE, 8},
    {IDC_PRESET_RETURNS, 9},          {IDC_PRESET_DEFENSE_STATS, 10},
    {IDC_PRESET_DEFENSE_RATINGS, 11}, {IDC_PRESET_KICKING, 12},
    {IDC_PRESET_PUNTING, 13},         {IDC_PRESET_SALARY, 14},
};

// The preset list of a button; -1 for a control that is no preset button.
static int Get_Chooser_Preset(int nControl) {
    for (const CHOOSER_PRESET& preset : kChooserPresets) {
        if (preset.nControl == nControl)
            return preset.nList;
    }
    return -1;
}

static HWND Get_Column_Rows(HWND hDlg) {
    return GetDlgItem(hDlg, IDC_COLUMN_LIST);
}

static int Get_Row_Id(HWND hRows, int nRow) {
    return (int)SendMessageA(hRows, LB_GETITEMDATA, (WPARAM)nRow, 0);
}

static int Is_Group_Start(const char* szDescription) {
    size_t nLength = strlen(szDescription);
    return nLength > 0 && szDescription[nLength - 1] == ' ';
}

static void Add_Row(HWND hRows, const char* szText, int nId) {
    int nRow = (int)SendMessageA(hRows, LB_ADDSTRING, 0, (LPARAM)szText);
    if (nRow >= 0)
        SendMessageA(hRows, LB_SETITEMDATA, (WPARAM)nRow, (LPARAM)nId);
}

// Every column but the first ("Name"), an empty row before each group.
static void Fill_Column_Rows(HWND hRows) {
    for (int n = 1; n < STAT_COLUMN_COUNT; n++) {
        const STAT_COLUMN& column = gStatColumns[n];
        if (Is_Group_Start(column.szDescription))
            Add_Row(hRows, "", CHOOSER_EMPTY_ROW);
        char szRow[LISTVIEW_CELL_TEXT_SIZE];
        Format_String(szRow, sizeof(szRow), "%s\t%s", column.szHeader, column.szDescription);
        Add_Row(hRows, szRow, column.nId);
    }
}

static int Is_Column_Shown(SORTABLE_LISTVIEW* pList, int nId) {
    int nColumns = (int)SendMessageA(pList->hHeader, HDM_GETITEMCOUNT, 0, 0);
    for (int n = 0; n < nColumns; n++) {
        if (Get_Listview_Column_Id(pList->hList, n) == nId)
            return 1;
    }
    return 0;
}

static void Select_Shown_Rows(HWND hDlg, SORTABLE_LISTVIEW* pList) {
    HWND hRows = Get_Column_Rows(hDlg);
    int nRows = (int)SendMessageA(hRows, LB_GETCOUNT, 0, 0);
    for (int nRow = 0; nRow < nRows; nRow++) {
        int nId = Get_Row_Id(hRows, nRow);
        SendMessageA(hRows, LB_SETSEL, nId != CHOOSER_EMPTY_ROW && Is_Column_Shown(pList, nId),
                     (LPARAM)nRow);
    }
}

static int Is_Row_Selected(HWND hRows, int nId) {
    int nRows = (int)SendMessageA(hRows, LB_GETCOUNT, 0, 0);
    for (int nRow = 0; nRow < nRows; nRow++) {
        if (Get_Row_Id(hRows, nRow) == nId)
            return SendMessageA(hRows, LB_GETSEL, (WPARAM)nRow, 0) > 0;
    }
    return 0;
}

// The object's chosen columns follow the list view's, in display order.
static void Take_Chosen_Columns(SORTABLE_LISTVIEW* pList) {
    int nColumns = Min_Int((int)SendMessageA(pList->hHeader, HDM_GETITEMCOUNT, 0, 0),
                           LISTVIEW_MAX_COLUMNS);
    for (int n = 0; n < nColumns; n++)
        pList->anChosen[n] = Get_Listview_Column_Id(pList->hList, n);
    pList->nColumnCount = nColumns;
}

static void Remove_Unselected_Columns(SORTABLE_LISTVIEW* pList, HWND hRows) {
    int nColumns = (int)SendMessageA(pList->hHeader, HDM_GETITEMCOUNT, 0, 0);
    for (int n = nColumns - 1; n >= 0; n--) {
        int nId = Get_Listview_Column_Id(pList->hList, n);
        if (nId != 0 && !Is_Row_Selected(hRows, nId))
            SendMessageA(pList->hList, LVM_DELETECOLUMN, (WPARAM)n, 0);
    }
}

// 1 when a selected column was missing and is now at the end.
static int Append_Selected_Columns(SORTABLE_LISTVIEW* pList, HWND hRows) {
    int bAdded = 0;
    int nRows = (int)SendMessageA(hRows, LB_GETCOUNT, 0, 0);
    for (int nRow = 0; nRow < nRows; nRow++) {
        int nId = Get_Row_Id(hRows, nRow);
        int nColumns = (int)SendMessageA(pList->hHeader, HDM_GETITEMCOUNT, 0, 0);
        if (nId == CHOOSER_EMPTY_ROW || SendMessageA(hRows, LB_GETSEL, (WPARAM)nRow, 0) <= 0 ||
            Is_Column_Shown(pList, nId) || nColumns >= LISTVIEW_MAX_COLUMNS)
            continue;
        bAdded |= Insert_Listview_Column(pList, nColumns, nId) >= 0;
    }
    return bAdded;
}

static void Apply_Column_Selection(HWND hDlg, SORTABLE_LISTVIEW* pList) {
    HWND hRows = Get_Column_Rows(hDlg);
    ShowWindow(pList->hList, SW_HIDE);
    EnableWindow(GetDlgItem(hDlg, IDOK), FALSE);
    Remove_Unselected_Columns(pList, hRows);
    if (Append_Selected_Columns(pList, hRows)) {
        Fill_Listview(pList, GetDlgItem(hDlg, IDC_COLUMN_PROGRESS));
        Autosize_Listview_Columns(pList->hList);
        Sort_Listview(pList);
    }
    Take_Chosen_Columns(pList);
    ShowWindow(pList->hList, SW_SHOW);
    EnableWindow(GetDlgItem(hDlg, IDOK), TRUE);
}

// A click on an empty row takes nothing: the row is deselected again.
static void Deselect_Empty_Rows(HWND hRows) {
    int nRows = (int)SendMessageA(hRows, LB_GETCOUNT, 0, 0);
    for (int nRow = 0; nRow < nRows; nRow++) {
        if (Get_Row_Id(hRows, nRow) == CHOOSER_EMPTY_ROW)
            SendMessageA(hRows, LB_SETSEL, FALSE, (LPARAM)nRow);
    }
}

static void Init_Stat_Column_Chooser(HWND hDlg, SORTABLE_LISTVIEW* pList) {
    gChooserList = pList;
    HWND hRows = Get_Column_Rows(hDlg);
    Fill_Column_Rows(hRows);
    int nTabStop = CHOOSER_TAB_STOP;
    SendMessageA(hRows, LB_SETTABSTOPS, 1, (LPARAM)&nTabStop);
    if (pList)
        Select_Shown_Rows(hDlg, pList);
    ShowWindow(GetDlgItem(hDlg, IDC_COLUMN_PROGRESS), SW_HIDE);
    Set_Dialog_Font(hDlg);
    Center_Window(hDlg, GetParent(hDlg));
}

static void On_Chooser_Command(HWND hDlg, int nId, int nCode) {
    SORTABLE_LISTVIEW* pList = gChooserList;
    int nPreset = Get_Chooser_Preset(nId);
    if (nId == IDC_COLUMN_LIST && nCode == LBN_SELCHANGE && pList) {
        Deselect_Empty_Rows(Get_Column_Rows(hDlg));
        Apply_Column_Selection(hDlg, pList);
    } else if (nId == IDC_CLEAR_COLUMNS) {
        SendMessageA(Get_Column_Rows(hDlg), LB_SETSEL, FALSE, (LPARAM)-1);
    } else if (nPreset >= 0 && pList) {
        Set_Listview_Preset(pList, nPreset);
        Select_Shown_Rows(hDlg, pList);
    } else if (nId == IDOK) {
        if (pList)
            Apply_Column_Selection(hDlg, pList);
        EndDialog(hDlg, IDOK);
    } else if (nId == IDCANCEL) {
        EndDialog(hDlg, IDCANCEL);
    } else if (nId == CHOOSER_HELP_BUTTON) {
        Open_Help_Page("editcolumns");
    }
}

INT_PTR Stat_Column_Chooser_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Stat_Column_Chooser(hDlg, (SORTABLE_LISTVIEW*)lParam); return TRUE;
    case WM_COMMAND: On_Chooser_Command(hDlg, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_DESTROY:
        if (gChooserList && gChooserList->hList)
            InvalidateRect(gChooserList->hList, nullptr, TRUE);
        gChooserList = nullptr;
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}

INT_PTR Open_Stat_Column_Chooser(SORTABLE_LISTVIEW* pList) {
    HWND hParent = pList && pList->hDialog ? pList->hDialog : nullptr;
    return Do_Dialog(hParent, IDD_STAT_COLUMN_CHOOSER, (LPARAM)pList);
}
