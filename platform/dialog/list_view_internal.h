// What the list view's modules (dialog/list_view*.cpp, dialog/header.cpp) share.
#pragma once

#include "../platform_internal.h"

#include <string>
#include <vector>

// Sends WM_NOTIFY with the header filled in (hwndFrom = hWnd, idFrom = its id, code) to hWnd's
// parent and gives the parent's answer; 0 without a parent.
LRESULT Control_Notify_Parent(HWND hWnd, UINT uCode, NMHDR* pHeader);

// The font a control draws with: the one WM_SETFONT gave, else the dialog font.
HFONT Font_Or_Default(HFONT hSet);
// The height of a line of text in the font.
int Control_Line_Height(HWND hWnd, HFONT hFont);
// The width of the widest text in the font, as GetTextExtentPoint32A measures it; 0 for none.
int Control_Widest_Text(HWND hWnd, HFONT hFont, const std::vector<std::string>& aTexts);
// Copies the text into a caller's buffer of nMax bytes (cut and zero-ended); the length copied.
int Control_Copy_Text(const std::string& stText, char* szOut, int nMax);

// A scroll bar the list view draws in its own client area: rcBar is its rectangle; nPos the first
// row (or pixel column) shown, nPage how many fit, nCount how many there are. SB_LINEUP and
// SB_PAGEUP stand for left on a horizontal bar, SB_LINEDOWN and SB_PAGEDOWN for right.
struct LIST_SCROLL {
    RECT rcBar;
    int nPos;
    int nPage;
    int nCount;
    bool bHorizontal;
};
void List_Scroll_Draw(HDC hdc, const LIST_SCROLL& bar);
// The SB_* request a click at pt makes (SB_THUMBTRACK on the thumb), -1 outside the bar.
int List_Scroll_Hit(const LIST_SCROLL& bar, POINT pt);
// The thumb's rectangle, and the position that puts the thumb's start at nAlong.
RECT List_Scroll_Thumb(const LIST_SCROLL& bar);
int List_Scroll_Pos_At(const LIST_SCROLL& bar, int nAlong);

// ---- the list view's state (dialog/list_view.cpp) ------------------------------------------------
#include <vector>

struct LIST_VIEW_ITEM {
    std::vector<std::string> aText;  // by column index; missing texts are empty
    LPARAM lParam = 0;
    UINT uState = 0;  // LVIS_*
};

struct LIST_VIEW_COLUMN {
    int nFormat = LVCFMT_LEFT;
    int nSubItem = 0;
};

struct LIST_VIEW_STATE {
    HWND hHeader = nullptr;
    std::vector<LIST_VIEW_ITEM> aItems;
    std::vector<LIST_VIEW_COLUMN> aColumns;  // text, width and order live in the header
    DWORD dwExStyle = 0;
    HFONT hFont = nullptr;
    bool bRedraw = true;
    int nTop = 0;      // the first row shown
    int nScrollX = 0;  // pixels the columns are scrolled left
    int nRowHeight = 16;
    int nHeaderHeight = 20;
    COLORREF crBack = CLR_DEFAULT;
    COLORREF crText = CLR_DEFAULT;
    COLORREF crTextBack = CLR_DEFAULT;
    int nThumbGrab = -1;  // while a thumb is dragged: the grab's offset from its start
    bool bThumbHorizontal = false;
};

LIST_VIEW_STATE* List_View_Find(HWND hWnd);
// Where things are, in client coordinates: the rows' area (under the header, inside the scroll
// bars), a scroll bar (false when everything fits that way), the rows that fit, a row's
// rectangle over all columns, and a column's left and right (in the header's order, scrolled).
RECT List_View_Rows_Rect(HWND hWnd, const LIST_VIEW_STATE& state);
bool List_View_Scroll_Bar(HWND hWnd, const LIST_VIEW_STATE& state, bool bHorizontal,
                          LIST_SCROLL* pBar);
// The width of all columns together.
int List_View_Columns_Width(const LIST_VIEW_STATE& state);
int List_View_Rows_Per_Page(HWND hWnd, const LIST_VIEW_STATE& state);
RECT List_View_Row_Rect(HWND hWnd, const LIST_VIEW_STATE& state, int nItem);
bool List_View_Column_Span(const LIST_VIEW_STATE& state, int nColumn, int* pLeft, int* pRight);
// The columns in the order shown.
std::vector<int> List_View_Column_Order(const LIST_VIEW_STATE& state);
void List_View_Paint(HWND hWnd, const LIST_VIEW_STATE& state);

// Repaints the whole list (unless WM_SETREDRAW turned painting off), first fitting the header
// to the rows' width.
void List_View_Invalidate(HWND hWnd);
// Scrolls so that nTop is the first row shown (kept within the rows), or so that the columns
// start nScrollX pixels to the left (kept within their width).
void List_View_Set_Top(HWND hWnd, int nTop);
void List_View_Set_Scroll_X(HWND hWnd, int nScrollX);
// Scrolls the item into view; FALSE for no such item.
BOOL List_View_Ensure_Visible(HWND hWnd, int nItem);

// Items (dialog/list_view_items.cpp). Changes the item's LVIS_* bits in uMask to uState with
// LVN_ITEMCHANGING (which may refuse) and LVN_ITEMCHANGED; a selected or focused item takes
// that bit from the others where only one may have it. False when refused or gone.
bool List_View_Set_Item_State(HWND hWnd, int nItem, UINT uState, UINT uMask);
// Selects and focuses the item alone (-1: clears the selection).
void List_View_Select_Only(HWND hWnd, int nItem);
// The LVM_* item messages; false for any other message.
bool List_View_Item_Message(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

// Mouse, keyboard and scrolling (dialog/list_view_input.cpp); false for any other message.
bool List_View_Input_Message(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
