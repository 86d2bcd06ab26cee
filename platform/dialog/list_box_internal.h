// What the list box modules share: the state of one list box, its layout and its painting.
#pragma once

#include "../platform_internal.h"

#include <string>
#include <vector>

struct LIST_BOX_ITEM {
    std::string stText;
    ULONG_PTR nData = 0;
    bool bSelected = false;  // multiple selection only
};

struct LIST_BOX {
    HWND hWnd = nullptr;
    // Takes the notifications and the owner-draw and colour messages: the parent, or the combo
    // box whose drop-down list this is.
    HWND hNotify = nullptr;
    std::vector<LIST_BOX_ITEM> aItems;
    int nSel = -1;    // single selection: the selected row
    int nCaret = -1;  // the row with the focus rectangle, which the keys move
    int nAnchor = -1;
    int nTop = 0;
    int nItemHeight = 13;
    std::vector<INT> aTabStops;  // pixels; empty: every 32 dialog units
    HFONT hFont = nullptr;
    bool bFocus = false;
    int nThumbDragY = -1;  // where a drag of the scroll bar's thumb began; -1: none
    int nThumbDragTop = 0;
    bool bDropDown = false;  // a combo box's list: the combo box drives its mouse and keys
};

// Where the rows and the scroll bar lie in the client area.
struct LIST_BOX_LAYOUT {
    RECT rcRows;
    RECT rcScrollBar;  // empty without a scroll bar
    int nPage;         // rows that fit whole, at least 1
};

LIST_BOX_LAYOUT List_Box_Layout(const LIST_BOX& lb);
// The row's rectangle in client coordinates; rows above the top index lie above the client area.
RECT List_Box_Item_Rect(const LIST_BOX& lb, int nIndex);
bool List_Box_Is_Selected(const LIST_BOX& lb, int nIndex);
// Paints the whole control: background, rows (or WM_DRAWITEM per visible row) and scroll bar.
void List_Box_Paint(const LIST_BOX& lb, HDC hdc);

// The vertical scroll bar the list box draws in its client area.
enum LIST_BOX_SCROLL_PART {
    LB_SCROLL_NONE,
    LB_SCROLL_LINE_UP,
    LB_SCROLL_LINE_DOWN,
    LB_SCROLL_PAGE_UP,
    LB_SCROLL_PAGE_DOWN,
    LB_SCROLL_THUMB
};
void List_Box_Draw_Scroll_Bar(HDC hdc, const RECT& rc, int nPos, int nPage, int nCount);
LIST_BOX_SCROLL_PART List_Box_Scroll_Bar_Hit(const RECT& rc, int nPos, int nPage, int nCount,
                                             POINT pt);
// The position a drag of the thumb nDeltaY pixels from where it was at nStartPos leads to.
int List_Box_Scroll_Bar_Drag(const RECT& rc, int nPage, int nCount, int nStartPos, int nDeltaY);
