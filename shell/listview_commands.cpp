// What the user does with a sortable player list besides sorting: column widths, preset column
// lists, the header's popup menu and copying the players to the clipboard.
#include <string.h>

#include <string>

#include "shell/shell.h"

#define COLUMN_WIDTH_MARGIN 10
#define CLIPBOARD_LINE_LIMIT 2048  // a line holds at most 2,047 characters

// ---- column widths ----------------------------------------------------------------------------

static int Get_Text_Width(HWND hListView, const char* szText) {
    return (int)SendMessageA(hListView, LVM_GETSTRINGWIDTHA, 0, (LPARAM)szText);
}

static int Get_Column_Header_Text(HWND hListView, int nColumn, char* szOut, int nSize) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = szOut;
    column.cchTextMax = nSize;
    szOut[0] = 0;
    return (int)SendMessageA(hListView, LVM_GETCOLUMNA, (WPARAM)nColumn, (LPARAM)&column);
}

static void Get_Cell_Text(HWND hListView, int nRow, int nColumn, char* szOut, int nSize) {
    LVITEMA item = {};
    item.iSubItem = nColumn;
    item.pszText = szOut;
    item.cchTextMax = nSize;
    szOut[0] = 0;
    SendMessageA(hListView, LVM_GETITEMTEXTA, (WPARAM)nRow, (LPARAM)&item);
}

int Get_Listview_Column_Width(HWND hListView, int nColumn) {
    char szText[LISTVIEW_CELL_TEXT_SIZE];
    Get_Column_Header_Text(hListView, nColumn, szText, sizeof(szText));
    int nWidth = Get_Text_Width(hListView, szText);
    int nRows = ListView_GetItemCount(hListView);
    for (int nRow = 0; nRow < nRows; nRow++) {
        Get_Cell_Text(hListView, nRow, nColumn, szText, sizeof(szText));
        nWidth = Max_Int(nWidth, Get_Text_Width(hListView, szText));
    }
    return nWidth + COLUMN_WIDTH_MARGIN;
}

// Every column as wide as it needs; room to spare is shared out, the odd pixels to the first.
void Autosize_Listview_Columns(HWND hListView) {
    HWND hHeader = ListView_GetHeader(hListView);
    int nColumns = hHeader ? (int)SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0) : 0;
    if (nColumns <= 0)
        return;
    int anWidths[STAT_COLUMN_COUNT];
    nColumns = Min_Int(nColumns, STAT_COLUMN_COUNT);
    int nSum = 0;
    for (int n = 0; n < nColumns; n++) {
        anWidths[n] = Get_Listview_Column_Width(hListView, n);
        nSum += anWidths[n];
    }
    RECT rcClient = {};
    GetClientRect(hListView, &rcClient);
    int nRoom = rcClient.right - rcClient.left;
    // The rows' scroll bar stands inside the client area once the rows outgrow a page.
    if (ListView_GetItemCount(hListView) > (int)SendMessageA(hListView, LVM_GETCOUNTPERPAGE, 0, 0))
        nRoom -= GetSystemMetrics(SM_CXVSCROLL);
    int nSpare = nRoom - nSum;
    if (nSpare > 0) {
        for (int n = 0; n < nColumns; n++)
            anWidths[n] += nSpare / nColumns + (n < nSpare % nColumns ? 1 : 0);
    }
    for (int n = 0; n < nColumns; n++)
        SendMessageA(hListView, LVM_SETCOLUMNWIDTH, (WPARAM)n, MAKELPARAM(anWidths[n], 0));
}

// ---- presets and the header menu ------------------------------------------------------------------

void Set_Listview_Preset(SORTABLE_LISTVIEW* pList, int nPreset) {
    Set_App_Cursor(LISTVIEW_CURSOR_WAIT);
    int nCount = 0;
    for (int n = 0; n < LISTVIEW_MAX_COLUMNS; n++) {
        int nId = Get_Default_Listview_Column(nPreset, n);
        if (nId < 0)
            break;
        pList->anChosen[nCount++] = nId;
    }
    pList->nColumnCount = nCount;
    Rebuild_Listview_Columns(pList);
    Fill_Listview(pList, pList->hDialog ? GetDlgItem(pList->hDialog, LISTVIEW_PROGRESS_ID) : nullptr);
    Sort_Listview(pList);
    Set_App_Cursor(LISTVIEW_CURSOR_ARROW);
}

int Show_Listview_Header_Menu(SORTABLE_LISTVIEW* pList) {
    HMENU hMenu = CreatePopupMenu();
    if (!hMenu)
        return 0;
    AppendMenuA(hMenu, MF_STRING, LISTVIEW_MENU_CHOOSE_COLUMNS, "Choose Column Headings...");
    AppendMenuA(hMenu, MF_STRING, LISTVIEW_MENU_AUTOSIZE, "Auto-Size Column Headings");
    AppendMenuA(hMenu, MF_STRING, LISTVIEW_MENU_DEFAULT_COLUMNS, "Default Column Headings");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_STRING, LISTVIEW_MENU_COPY, "Copy Players to Clipboard");
    POINT pt = {};
    GetCursorPos(&pt);
    HWND hOwner = pList->hDialog ? pList->hDialog : pList->hList;
    int nCommand = (int)TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, pt.x,
                                       pt.y, 0, hOwner, nullptr);
    DestroyMenu(hMenu);
    switch (nCommand) {
    case LISTVIEW_MENU_CHOOSE_COLUMNS:
        Open_Stat_Column_Chooser(pList);
        if (!GetFocus())
            SetFocus(pList->hList);
        break;
    case LISTVIEW_MENU_AUTOSIZE: Autosize_Listview_Columns(pList->hList); break;
    case LISTVIEW_MENU_DEFAULT_COLUMNS: Set_Listview_Preset(pList, gListKind); break;
    case LISTVIEW_MENU_COPY: Copy_Listview_To_Clipboard(pList); break;
    default: break;
    }
    return nCommand;
}

int On_Listview_Notify(SORTABLE_LISTVIEW* pList, const NMHDR* pNotify) {
    if (!pList || !pNotify)
        return 0;
    if (pNotify->hwndFrom == pList->hList && pNotify->code == LVN_COLUMNCLICK) {
        const NMLISTVIEW* pColumn = (const NMLISTVIEW*)pNotify;
        int nId = Get_Listview_Column_Id(pList->hList, pColumn->iSubItem);
        if (nId < 0)
            return 0;
        Set_Listview_Sort_Column(pList, nId + 1);
        Sort_Listview(pList);
        return 1;
    }
    if (pNotify->hwndFrom == pList->hHeader && pNotify->code == NM_RCLICK) {
        Show_Listview_Header_Menu(pList);
        return 1;
    }
    return 0;
}

// ---- the clipboard ------------------------------------------------------------------------------

static void Remove_Character(char* szText, char c) {
    char* pTo = szText;
    for (const char* pFrom = szText; *pFrom; pFrom++) {
        if (*pFrom != c)
            *pTo++ = *pFrom;
    }
    *pTo = 0;
}

static int Replace_Character(char* szText, char cFrom, char cTo) {
    int nCount = 0;
    for (char* p = szText; *p; p++) {
        if (*p == cFrom) {
            *p = cTo;
            nCount++;
        }
    }
    return nCount;
}

void Expand_Money_Text(char* szText, int nSize) {
    if (szText[0] != '$')
        return;
    if (Replace_Character(szText, 'B', '0') > 0) {
        Append_Format_String(szText, nSize, "000000");
        Remove_Character(szText, '.');
    } else if (Replace_Character(szText, 'M', '0') > 0) {
        Append_Format_String(szText, nSize, "000");
        Remove_Character(szText, '.');
    } else if (Replace_Character(szText, 'K', '0') > 0) {
        Append_Format_String(szText, nSize, "00");
    }
}

// Appends a piece to a line of at most 2,047 characters; a piece that does not fit is cut and
// reported.
static void Append_To_Line(char* szLine, const char* szPiece) {
    size_t nLength = strlen(szLine);
    size_t nPiece = strlen(szPiece);
    if (nLength + nPiece >= CLIPBOARD_LINE_LIMIT) {
        Report_Error("Buffer filled in safe_strncat.  Str len %d", (int)(nLength + nPiece));
        nPiece = CLIPBOARD_LINE_LIMIT - 1 - nLength;
    }
    memcpy(szLine + nLength, szPiece, nPiece);
    szLine[nLength + nPiece] = 0;
}

static void Build_Clipboard_Line(HWND hListView, int nRow, const int* anOrder, int nColumns,
                                 char* szLine) {
    szLine[0] = 0;
    for (int n = 0; n < nColumns; n++) {
        char szCell[LISTVIEW_CELL_TEXT_SIZE];
        if (nRow < 0) {
            Get_Column_Header_Text(hListView, anOrder[n], szCell, sizeof(szCell));
        } else {
            Get_Cell_Text(hListView, nRow, anOrder[n], szCell, sizeof(szCell));
            Expand_Money_Text(szCell, sizeof(szCell));
        }
        if (n > 0)
            Append_To_Line(szLine, "\t");
        Append_To_Line(szLine, szCell);
    }
    Append_To_Line(szLine, "\r\n");
}

static std::string Build_Clipboard_String(SORTABLE_LISTVIEW* pList) {
    HWND hHeader = ListView_GetHeader(pList->hList);
    int nColumns = hHeader ? Min_Int((int)SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0),
                                     STAT_COLUMN_COUNT)
                           : 0;
    int anOrder[STAT_COLUMN_COUNT];
    if (nColumns <= 0 ||
        !SendMessageA(pList->hList, LVM_GETCOLUMNORDERARRAY, (WPARAM)nColumns, (LPARAM)anOrder)) {
        for (int n = 0; n < nColumns; n++)
            anOrder[n] = n;
    }
    std::string stText;
    char szLine[CLIPBOARD_LINE_LIMIT];
    int nRows = ListView_GetItemCount(pList->hList);
    for (int nRow = -1; nRow < nRows; nRow++) {
        Build_Clipboard_Line(pList->hList, nRow, anOrder, nColumns, szLine);
        stText += szLine;
    }
    return stText;
}

int Build_Listview_Clipboard_Text(SORTABLE_LISTVIEW* pList, char* szOut, int nSize) {
    std::string stText = Build_Clipboard_String(pList);
    if (szOut)
        safe_strncpy(szOut, stText.c_str(), nSize);
    return (int)stText.size();
}

// The block holds exactly the text and its closing zero.
void Copy_Listview_To_Clipboard(SORTABLE_LISTVIEW* pList) {
    if (ListView_GetItemCount(pList->hList) <= 0)
        return;
    std::string stText = Build_Clipboard_String(pList);
    int nLength = (int)stText.size();
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE, (size_t)nLength + 1);
    if (!hBlock) {
        Report_Error("Copy_Listview_To_Clipboard: no memory for %d bytes", nLength + 1);
        return;
    }
    char* pText = (char*)GlobalLock(hBlock);
    if (!pText) {
        GlobalFree(hBlock);
        return;
    }
    memcpy(pText, stText.c_str(), (size_t)nLength + 1);
    GlobalUnlock(hBlock);
    if (!OpenClipboard(pList->hDialog ? pList->hDialog : pList->hList)) {
        GlobalFree(hBlock);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, hBlock))
        GlobalFree(hBlock);
    CloseClipboard();
}
