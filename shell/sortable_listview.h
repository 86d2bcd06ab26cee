// The sortable player list: a report list view with one row per player and chosen stat columns.
// Part of the shell's contract (included by shell/shell.h).
#pragma once

#include <stdint.h>

#include "core/core.h"
#include "database/database.h"
#include "platform/windows.h"

#define LISTVIEW_PLAYER_CAPACITY 4100  // 41 teams of 100 slots; an item value is team x 100 + slot
#define STAT_COLUMN_CAPTION_SIZE 32
#define STAT_COLUMN_ID_LIMIT 126  // the cell routine knows ids 0..125
#define LISTVIEW_CELL_TEXT_SIZE 256
#define LISTVIEW_PROGRESS_ID 1083  // the list dialogs' progress bar
#define LISTVIEW_CURSOR_ARROW 0     // Set_App_Cursor kinds
#define LISTVIEW_CURSOR_WAIT 4

// The header menu's commands.
#define LISTVIEW_MENU_CHOOSE_COLUMNS 1000
#define LISTVIEW_MENU_AUTOSIZE 1001
#define LISTVIEW_MENU_DEFAULT_COLUMNS 1002
#define LISTVIEW_MENU_COPY 1003

typedef struct STAT_COLUMN {
    int nId;                    // 0..112, not in table order
    const char* szHeader;       // the column's header
    const char* szDescription;  // ends in a blank: the first column of a chooser group
    int bRefresh;               // the cell changes while games are played
    int nAlign;                 // LVCFMT_LEFT or LVCFMT_CENTER
    int nNumber;                // the vital stat, season stat or rating the cell shows
} STAT_COLUMN;

// The 113 columns in the chooser's order.
extern const STAT_COLUMN gStatColumns[STAT_COLUMN_COUNT];
const STAT_COLUMN* Get_Stat_Column(int nId);  // by id; null for an id without a column

typedef struct SORTABLE_LISTVIEW {
    int anSortKeys[LISTVIEW_PLAYER_CAPACITY];      // by item value
    int anPreviousKeys[LISTVIEW_PLAYER_CAPACITY];  // the previous sort column's, by item value
    int16_t anPlayers[LISTVIEW_PLAYER_CAPACITY];   // item values in list order; -1 ends
    HWND hDialog;
    HWND hList;
    HWND hHeader;
    WNDPROC pPreviousProc;
    int bBusy;          // set while the list is filled
    int nSort;          // column id + 1, negative descending; 0 none
    int nPreviousSort;  // the secondary key, coded alike
    int nColumnCount;
    STAT_COLUMN aColumns[STAT_COLUMN_COUNT];
    char aszCaptions[STAT_COLUMN_COUNT][STAT_COLUMN_CAPTION_SIZE];  // by id; "" keeps the header
    int anChosen[STAT_COLUMN_COUNT];  // ids in display order
} SORTABLE_LISTVIEW;

// ---- the list and its rows (sortable_listview.cpp) ------------------------------------------------
void Init_Listview(SORTABLE_LISTVIEW* pList, HWND hDialog, HWND hListView);
void Clear_Listview_Players(SORTABLE_LISTVIEW* pList);
// Appends a player to the list; 0 when the list is full.
int Add_Listview_Player(SORTABLE_LISTVIEW* pList, int nTeam, int nSlot);
int Is_Player_In_Listview(const SORTABLE_LISTVIEW* pList, int nTeam, int nSlot);
void Load_Listview_Columns(SORTABLE_LISTVIEW* pList);
void Save_Listview_Columns(SORTABLE_LISTVIEW* pList);
void Rebuild_Listview_Columns(SORTABLE_LISTVIEW* pList);
void Fill_Listview(SORTABLE_LISTVIEW* pList, HWND hProgress);
void Refresh_Listview_Cells(SORTABLE_LISTVIEW* pList);
void Set_Listview_Sort_Column(SORTABLE_LISTVIEW* pList, int nSort);
void Compute_Listview_Sort_Keys(SORTABLE_LISTVIEW* pList);
void Sort_Listview(SORTABLE_LISTVIEW* pList);
int Compare_Listview_Items(LPARAM a, LPARAM b, LPARAM lParamList);
void Select_Listview_Player(SORTABLE_LISTVIEW* pList, int nTeam, int nSlot);
// The selected row's item value with its team and slot, or -1 (slot 255) when none.
int Get_Listview_Selected_Player(SORTABLE_LISTVIEW* pList, int* pTeam, int* pSlot);
void Clear_Listview_Selection(SORTABLE_LISTVIEW* pList);
int Get_Listview_Top_Item(SORTABLE_LISTVIEW* pList);
int Count_Listview_Visible_Rows(SORTABLE_LISTVIEW* pList);
// A list view column's stat column id, or -1.
int Get_Listview_Column_Id(HWND hListView, int nColumn);
int Insert_Listview_Column(SORTABLE_LISTVIEW* pList, int nPosition, int nId);

// ---- the header menu, sizes, presets and the clipboard (listview_commands.cpp) --------------------
void Autosize_Listview_Columns(HWND hListView);
int Get_Listview_Column_Width(HWND hListView, int nColumn);
void Set_Listview_Preset(SORTABLE_LISTVIEW* pList, int nPreset);
int Show_Listview_Header_Menu(SORTABLE_LISTVIEW* pList);  // the chosen command, 0 for none
// A list dialog's WM_NOTIFY: a column click sorts by that column (again: the other way), a right
// click on the header opens its menu. 1 when the notification was the list's.
int On_Listview_Notify(SORTABLE_LISTVIEW* pList, const NMHDR* pNotify);
// The clipboard text of the list: the header line and one line a row; the number of bytes
// written without the closing zero. With a null szOut, only the size it needs.
int Build_Listview_Clipboard_Text(SORTABLE_LISTVIEW* pList, char* szOut, int nSize);
void Copy_Listview_To_Clipboard(SORTABLE_LISTVIEW* pList);
// "$1.50M" as "$1500000": a money cell spelled out for a spreadsheet, in place.
void Expand_Money_Text(char* szText, int nSize);

// ---- cells (listview_cells.cpp) -------------------------------------------------------------------
// The cell text of a column (szOut may be null) and the number it sorts by; " ... " and -1 where
// the column does not apply to the player.
int Get_Listview_Cell_Text(char* szOut, int nSize, int nId, int nTeam, int nSlot);
void Format_Scaled_Number(char* szOut, int nSize, int nValue, int nScale);
// The player's absence after his name: " [3]", " [out]", " [holdout]" or " [--]".
void Append_Injury_Status(char* szName, int nSize, int nTeam, int nSlot);

// ---- the Stat Column Chooser (stat_column_chooser.cpp) ---------------------------------------------
// Opens dialog 172 on the list; the list is repainted when it closes.
INT_PTR Open_Stat_Column_Chooser(SORTABLE_LISTVIEW* pList);
