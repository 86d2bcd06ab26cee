// The sortable player list: its players, its columns as the preferences keep them, filling,
// sorting by a primary and a secondary column, and the selection.
#include <string.h>
#include <strings.h>

#include "shell/shell.h"

#define SPACER_COLUMN_ID 0
#define INITIAL_COLUMN_WIDTH 60
#define PROGRESS_RANGE 4100
#define PROGRESS_STEPS 20
#define TOP_ITEM_MARGIN 10
#define ROW_DIALOG_UNITS 8
#define BUSY_CURSOR_ITEMS 100
#define NO_SELECTION_SLOT 255

static LRESULT CALLBACK Listview_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    SORTABLE_LISTVIEW* pList = (SORTABLE_LISTVIEW*)GetWindowLongPtrA(hWnd, GWLP_USERDATA);
    if (!pList || !pList->pPreviousProc)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_KILLFOCUS) {
        // The rows lose their focus state with the list, so no dotted row stays behind.
        LVITEMA item = {};
        item.stateMask = LVIS_FOCUSED;
        CallWindowProcA(pList->pPreviousProc, hWnd, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&item);
        return 0;
    }
    return CallWindowProcA(pList->pPreviousProc, hWnd, uMsg, wParam, lParam);
}

void Init_Listview(SORTABLE_LISTVIEW* pList, HWND hDialog, HWND hListView) {
    pList->nSort = -1;
    pList->nPreviousSort = -1;
    pList->bBusy = 0;
    pList->nColumnCount = 0;
    memcpy(pList->aColumns, gStatColumns, sizeof(pList->aColumns));
    memset(pList->aszCaptions, 0, sizeof(pList->aszCaptions));
    memset(pList->anChosen, 0, sizeof(pList->anChosen));
    pList->hDialog = hDialog;
    pList->hList = hListView;
    pList->hHeader = hListView ? ListView_GetHeader(hListView) : nullptr;
    pList->pPreviousProc = nullptr;
    if (hListView) {
        SetWindowLongPtrA(hListView, GWLP_USERDATA, (LONG_PTR)pList);
        pList->pPreviousProc =
            (WNDPROC)SetWindowLongPtrA(hListView, GWLP_WNDPROC, (LONG_PTR)Listview_Window_Proc);
        ListView_SetExtendedListViewStyle(hListView,
                                          LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
    }
    Clear_Listview_Players(pList);
}

void Clear_Listview_Players(SORTABLE_LISTVIEW* pList) {
    for (int n = 0; n < LISTVIEW_PLAYER_CAPACITY; n++) {
        pList->anPlayers[n] = -1;
        pList->anSortKeys[n] = 0;
        pList->anPreviousKeys[n] = 0;
    }
}

int Add_Listview_Player(SORTABLE_LISTVIEW* pList, int nTeam, int nSlot) {
    if (!Is_Valid_Player_Index(nTeam, nSlot))
        return 0;
    for (int n = 0; n < LISTVIEW_PLAYER_CAPACITY; n++) {
        if (pList->anPlayers[n] < 0) {
            pList->anPlayers[n] = (int16_t)(nTeam * PLAYERS_PER_TEAM + nSlot);
            return 1;
        }
    }
    return 0;
}

int Is_Player_In_Listview(const SORTABLE_LISTVIEW* pList, int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nValue = nTeam * PLAYERS_PER_TEAM + nSlot;
    for (int n = 0; n < LISTVIEW_PLAYER_CAPACITY && pList->anPlayers[n] >= 0; n++) {
        if (pList->anPlayers[n] == nValue)
            return 1;
    }
    return 0;
}

// ---- columns ----------------------------------------------------------------------------------

void Load_Listview_Columns(SORTABLE_LISTVIEW* pList) {
    Validate_Listview_Column_Preferences();
    pList->nSort = Get_Listview_Sort_Preference();
    pList->nColumnCount = Get_Listview_Column_Count_Preference();
    for (int n = 0; n < LISTVIEW_MAX_COLUMNS; n++) {
        int nId = Get_Listview_Column_Preference(n);
        pList->anChosen[n] = nId < 0 ? 0 : nId;
    }
}

int Get_Listview_Column_Id(HWND hListView, int nColumn) {
    LVCOLUMNA column = {};
    column.mask = LVCF_SUBITEM;
    if (!SendMessageA(hListView, LVM_GETCOLUMNA, (WPARAM)nColumn, (LPARAM)&column))
        return -1;
    return column.iSubItem;
}

static int Count_Listview_Columns(SORTABLE_LISTVIEW* pList) {
    if (!pList->hHeader)
        return 0;
    return (int)SendMessageA(pList->hHeader, HDM_GETITEMCOUNT, 0, 0);
}

// The shown columns' indexes in display order (after the user dragged headers about).
static int Get_Display_Order(SORTABLE_LISTVIEW* pList, int* anOrder, int nMax) {
    int nCount = Min_Int(Count_Listview_Columns(pList), nMax);
    if (nCount <= 0 ||
        !SendMessageA(pList->hList, LVM_GETCOLUMNORDERARRAY, (WPARAM)nCount, (LPARAM)anOrder)) {
        for (int n = 0; n < nCount; n++)
            anOrder[n] = n;
    }
    return nCount;
}

void Save_Listview_Columns(SORTABLE_LISTVIEW* pList) {
    int anOrder[LISTVIEW_MAX_COLUMNS];
    int anIds[LISTVIEW_MAX_COLUMNS];
    int nCount = Get_Display_Order(pList, anOrder, LISTVIEW_MAX_COLUMNS);
    for (int n = 0; n < nCount; n++)
        anIds[n] = Get_Listview_Column_Id(pList->hList, anOrder[n]);
    Set_Listview_Column_Preferences(nCount, pList->nSort, anIds);
}

int Insert_Listview_Column(SORTABLE_LISTVIEW* pList, int nPosition, int nId) {
    const STAT_COLUMN* pColumn = Get_Stat_Column(nId);
    if (!pColumn)
        return -1;
    char szCaption[STAT_COLUMN_CAPTION_SIZE];
    safe_strncpy(szCaption, pList->aszCaptions[nId][0] ? pList->aszCaptions[nId] : pColumn->szHeader,
                 sizeof(szCaption));
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = pColumn->nAlign;
    column.cx = INITIAL_COLUMN_WIDTH;
    column.pszText = szCaption;
    column.iSubItem = nId;
    return (int)SendMessageA(pList->hList, LVM_INSERTCOLUMNA, (WPARAM)nPosition, (LPARAM)&column);
}

// A spacer column goes first and is taken out at the end, so that the first real column keeps its
// own alignment (a list view's first column is always left-aligned).
void Rebuild_Listview_Columns(SORTABLE_LISTVIEW* pList) {
    char szName[LISTVIEW_CELL_TEXT_SIZE] = "";
    if (pList->hDialog)
        GetWindowTextA(pList->hDialog, szName, sizeof(szName));
    Log_Debug_Line("Rebuild_Listview_Columns(%s)", szName);
    ListView_DeleteAllItems(pList->hList);
    while (Count_Listview_Columns(pList) > 0)
        SendMessageA(pList->hList, LVM_DELETECOLUMN, 0, 0);
    Insert_Listview_Column(pList, 0, SPACER_COLUMN_ID);
    int nPosition = 1;
    for (int n = 0; n < pList->nColumnCount && n < LISTVIEW_MAX_COLUMNS; n++) {
        if (Insert_Listview_Column(pList, nPosition, pList->anChosen[n]) >= 0)
            nPosition++;
    }
    SendMessageA(pList->hList, LVM_DELETECOLUMN, 0, 0);
    Autosize_Listview_Columns(pList->hList);
}

// ---- filling ----------------------------------------------------------------------------------

static int Count_Listed_Players(const SORTABLE_LISTVIEW* pList) {
    int nCount = 0;
    while (nCount < LISTVIEW_PLAYER_CAPACITY && pList->anPlayers[nCount] >= 0)
        nCount++;
    return nCount;
}

static void Set_Row_Texts(SORTABLE_LISTVIEW* pList, int nRow, int nValue, int nColumns,
                          const int* anIds, int bRefreshOnly) {
    char szText[LISTVIEW_CELL_TEXT_SIZE];
    int nTeam = nValue / PLAYERS_PER_TEAM, nSlot = nValue % PLAYERS_PER_TEAM;
    for (int nColumn = 0; nColumn < nColumns; nColumn++) {
        const STAT_COLUMN* pColumn = Get_Stat_Column(anIds[nColumn]);
        if (bRefreshOnly && (!pColumn || !pColumn->bRefresh))
            continue;
        Get_Listview_Cell_Text(szText, sizeof(szText), anIds[nColumn], nTeam, nSlot);
        LVITEMA item = {};
        item.iSubItem = nColumn;
        item.pszText = szText;
        SendMessageA(pList->hList, LVM_SETITEMTEXTA, (WPARAM)nRow, (LPARAM)&item);
    }
}

static int Get_Column_Ids(SORTABLE_LISTVIEW* pList, int* anIds) {
    int nColumns = Min_Int(Count_Listview_Columns(pList), STAT_COLUMN_COUNT);
    for (int n = 0; n < nColumns; n++)
        anIds[n] = Get_Listview_Column_Id(pList->hList, n);
    return nColumns;
}

static int Get_Selected_Item_Value(SORTABLE_LISTVIEW* pList) {
    int nRow = ListView_GetNextItem(pList->hList, -1, LVNI_SELECTED);
    if (nRow < 0)
        return -1;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nRow;
    if (!SendMessageA(pList->hList, LVM_GETITEMA, 0, (LPARAM)&item))
        return -1;
    return (int)item.lParam;
}

static void Insert_Player_Row(SORTABLE_LISTVIEW* pList, int nRow, int nValue, int bSelected) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
    item.iItem = nRow;
    item.pszText = (LPSTR) "";
    item.lParam = nValue;
    item.state = bSelected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(pList->hList, LVM_INSERTITEMA, 0, (LPARAM)&item);
}

void Fill_Listview(SORTABLE_LISTVIEW* pList, HWND hProgress) {
    int nPlayers = Count_Listed_Players(pList);
    if (hProgress) {
        SendMessageA(hProgress, PBM_SETRANGE32, 0, PROGRESS_RANGE);
        SendMessageA(hProgress, PBM_SETPOS, 0, 0);
        ShowWindow(hProgress, SW_SHOW);
    }
    Compute_Listview_Sort_Keys(pList);
    int nSelected = Get_Selected_Item_Value(pList);
    pList->bBusy = 1;
    SendMessageA(pList->hList, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(pList->hList);
    int anIds[STAT_COLUMN_COUNT];
    int nColumns = Get_Column_Ids(pList, anIds);
    int nStep = Max_Int(1, nPlayers / PROGRESS_STEPS);
    int nSelectedRow = -1;
    for (int nRow = 0; nRow < nPlayers; nRow++) {
        int nValue = pList->anPlayers[nRow];
        if (nValue == nSelected)
            nSelectedRow = nRow;
        Insert_Player_Row(pList, nRow, nValue, nValue == nSelected);
        Set_Row_Texts(pList, nRow, nValue, nColumns, anIds, 0);
        if (hProgress && (nRow + 1) % nStep == 0)
            SendMessageA(hProgress, PBM_SETPOS, (WPARAM)Mul_Div(PROGRESS_RANGE, nRow + 1, nPlayers),
                         0);
    }
    if (nSelectedRow >= 0)
        ListView_EnsureVisible(pList->hList, nSelectedRow, FALSE);
    if (hProgress && nPlayers < nStep)
        ShowWindow(hProgress, SW_HIDE);
    SendMessageA(pList->hList, WM_SETREDRAW, TRUE, 0);
    pList->bBusy = 0;
    Autosize_Listview_Columns(pList->hList);
}

static int Get_Row_Item_Value(SORTABLE_LISTVIEW* pList, int nRow) {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nRow;
    return SendMessageA(pList->hList, LVM_GETITEMA, 0, (LPARAM)&item) ? (int)item.lParam : -1;
}

static int Is_Refreshed_Column(int nSort) {
    const STAT_COLUMN* pColumn = Get_Stat_Column((nSort < 0 ? -nSort : nSort) - 1);
    return pColumn && pColumn->bRefresh;
}

void Refresh_Listview_Cells(SORTABLE_LISTVIEW* pList) {
    int nRows = ListView_GetItemCount(pList->hList);
    if (nRows > BUSY_CURSOR_ITEMS)
        Set_App_Cursor(LISTVIEW_CURSOR_WAIT);
    int anIds[STAT_COLUMN_COUNT];
    int nColumns = Get_Column_Ids(pList, anIds);
    for (int nRow = 0; nRow < nRows; nRow++) {
        int nValue = Get_Row_Item_Value(pList, nRow);
        if (nValue >= 0)
            Set_Row_Texts(pList, nRow, nValue, nColumns, anIds, 1);
    }
    if (Is_Refreshed_Column(pList->nSort)) {
        Compute_Listview_Sort_Keys(pList);
        Sort_Listview(pList);
    }
    if (nRows > BUSY_CURSOR_ITEMS)
        Set_App_Cursor(LISTVIEW_CURSOR_ARROW);
}

// ---- sorting ----------------------------------------------------------------------------------

void Set_Listview_Sort_Column(SORTABLE_LISTVIEW* pList, int nSort) {
    if (nSort == pList->nSort || nSort == -pList->nSort) {
        pList->nSort = -pList->nSort;
        return;
    }
    pList->nPreviousSort = pList->nSort;
    memcpy(pList->anPreviousKeys, pList->anSortKeys, sizeof(pList->anPreviousKeys));
    pList->nSort = nSort;
    Compute_Listview_Sort_Keys(pList);
}

void Compute_Listview_Sort_Keys(SORTABLE_LISTVIEW* pList) {
    int nId = (pList->nSort < 0 ? -pList->nSort : pList->nSort) - 1;
    for (int n = 0; n < LISTVIEW_PLAYER_CAPACITY && pList->anPlayers[n] >= 0; n++) {
        int nValue = pList->anPlayers[n];
        pList->anSortKeys[nValue] =
            nId <= 0 ? 0
                     : Get_Listview_Cell_Text(nullptr, 0, nId, nValue / PLAYERS_PER_TEAM,
                                              nValue % PLAYERS_PER_TEAM);
    }
}

// The columns that list smallest first on their first click: Name, Team, Pos and Peak.
static int Get_First_Direction(int nColumn) {
    return nColumn == 1 || nColumn == 2 || nColumn == 3 || nColumn == 5 ? 1 : -1;
}

static int Compare_Names(int nValueA, int nValueB) {
    int nTeamA = nValueA / PLAYERS_PER_TEAM, nSlotA = nValueA % PLAYERS_PER_TEAM;
    int nTeamB = nValueB / PLAYERS_PER_TEAM, nSlotB = nValueB % PLAYERS_PER_TEAM;
    const char* szLastA = Get_Player_Last_Name_Ptr(nTeamA, nSlotA);
    const char* szLastB = Get_Player_Last_Name_Ptr(nTeamB, nSlotB);
    const char* szFirstA = Get_Player_First_Name_Ptr(nTeamA, nSlotA);
    const char* szFirstB = Get_Player_First_Name_Ptr(nTeamB, nSlotB);
    int nResult = strcasecmp(szLastA[0] ? szLastA : szFirstA, szLastB[0] ? szLastB : szFirstB);
    return nResult != 0 ? nResult : strcasecmp(szFirstA, szFirstB);
}

static int Sign(int n) {
    return (n > 0) - (n < 0);
}

// Key set 1 is the sort column's, 2 the previous sort column's; item values break the ties of
// the second, so that the order is always the same.
static int Compare_By_Listview_Key(SORTABLE_LISTVIEW* pList, int nValueA, int nValueB, int bSecond) {
    int nSort = bSecond ? pList->nPreviousSort : pList->nSort;
    const int* anKeys = bSecond ? pList->anPreviousKeys : pList->anSortKeys;
    int nColumn = nSort < 0 ? -nSort : nSort;
    int r = nSort < 0 ? -Get_First_Direction(nColumn) : Get_First_Direction(nColumn);
    if (nColumn == 1)
        return Sign(Compare_Names(nValueA, nValueB)) * r;
    if (anKeys[nValueA] != anKeys[nValueB])
        return anKeys[nValueA] < anKeys[nValueB] ? -r : r;
    if (!bSecond || nValueA == nValueB)
        return 0;
    return nValueA < nValueB ? r : -r;
}

int Compare_Listview_Items(LPARAM a, LPARAM b, LPARAM lParamList) {
    SORTABLE_LISTVIEW* pList = (SORTABLE_LISTVIEW*)lParamList;
    int nValueA = (int)a, nValueB = (int)b;
    if (nValueA < 0 || nValueA >= LISTVIEW_PLAYER_CAPACITY || nValueB < 0 ||
        nValueB >= LISTVIEW_PLAYER_CAPACITY)
        return 0;
    int nResult = Compare_By_Listview_Key(pList, nValueA, nValueB, 0);
    return nResult != 0 ? nResult : Compare_By_Listview_Key(pList, nValueA, nValueB, 1);
}

void Sort_Listview(SORTABLE_LISTVIEW* pList) {
    SendMessageA(pList->hList, LVM_SORTITEMS, (WPARAM)pList, (LPARAM)Compare_Listview_Items);
}

// ---- selection ----------------------------------------------------------------------------------

static int Find_Row_Of_Value(SORTABLE_LISTVIEW* pList, int nValue) {
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = nValue;
    return (int)SendMessageA(pList->hList, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find);
}

static void Set_Row_State(SORTABLE_LISTVIEW* pList, int nRow, UINT uState) {
    LVITEMA item = {};
    item.state = uState;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(pList->hList, LVM_SETITEMSTATE, (WPARAM)nRow, (LPARAM)&item);
}

void Select_Listview_Player(SORTABLE_LISTVIEW* pList, int nTeam, int nSlot) {
    int nRow = Find_Row_Of_Value(pList, nTeam * PLAYERS_PER_TEAM + nSlot);
    if (nRow < 0)
        return;
    Set_Row_State(pList, -1, 0);
    Set_Row_State(pList, nRow, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(pList->hList, nRow, FALSE);
}

int Get_Listview_Selected_Player(SORTABLE_LISTVIEW* pList, int* pTeam, int* pSlot) {
    int nValue = pList ? Get_Selected_Item_Value(pList) : -1;
    if (pTeam)
        *pTeam = nValue < 0 ? -1 : nValue / PLAYERS_PER_TEAM;
    if (pSlot)
        *pSlot = nValue < 0 ? NO_SELECTION_SLOT : nValue % PLAYERS_PER_TEAM;
    return nValue;
}

void Clear_Listview_Selection(SORTABLE_LISTVIEW* pList) {
    Set_Row_State(pList, -1, 0);
}

int Get_Listview_Top_Item(SORTABLE_LISTVIEW* pList) {
    int nRows = ListView_GetItemCount(pList->hList);
    for (int nRow = 0; nRow < nRows; nRow++) {
        RECT rc = {};
        rc.left = LVIR_BOUNDS;
        if (SendMessageA(pList->hList, LVM_GETITEMRECT, (WPARAM)nRow, (LPARAM)&rc) &&
            rc.top > TOP_ITEM_MARGIN)
            return nRow;
    }
    return 0;
}

int Count_Listview_Visible_Rows(SORTABLE_LISTVIEW* pList) {
    RECT rcClient = {};
    GetClientRect(pList->hList, &rcClient);
    RECT rcRow = {0, 0, 0, ROW_DIALOG_UNITS};
    if (pList->hDialog)
        MapDialogRect(pList->hDialog, &rcRow);
    return rcRow.bottom > 0 ? (rcClient.bottom - rcClient.top) / rcRow.bottom : 0;
}
