// Where the list view's rows, columns and scroll bar are, and how they are drawn: the rows in the
// window colour, the selection in the highlight colours (the button face when the list has no
// focus and LVS_SHOWSELALWAYS keeps it), grid lines, texts cut with an ellipsis.
#include "list_view_internal.h"

#include <algorithm>

namespace list_view_paint {
namespace {

RECT Client_Rect(HWND hWnd) {
    RECT rc = {};
    GetClientRect(hWnd, &rc);
    return rc;
}

int Header_Height(HWND hWnd, const LIST_VIEW_STATE& state) {
    return (GetWindowLongPtrA(hWnd, GWL_STYLE) & LVS_NOCOLUMNHEADER) ? 0 : state.nHeaderHeight;
}

// Which scroll bars show: the vertical one when the rows need more height than the client area
// leaves under the header, the horizontal one when the columns need more width; each bar takes
// room the other may then need.
void Bars_Needed(HWND hWnd, const LIST_VIEW_STATE& state, bool* pbVertical, bool* pbHorizontal) {
    RECT rc = Client_Rect(hWnd);
    int nHeight = rc.bottom - Header_Height(hWnd, state);
    long long nRowsHeight = static_cast<long long>(state.aItems.size()) * state.nRowHeight;
    int nColumnsWidth = List_View_Columns_Width(state);
    *pbVertical = nRowsHeight > nHeight;
    *pbHorizontal = nColumnsWidth > rc.right - (*pbVertical ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    if (*pbHorizontal && !*pbVertical) {
        *pbVertical = nRowsHeight > nHeight - GetSystemMetrics(SM_CYHSCROLL);
        *pbHorizontal =
            nColumnsWidth > rc.right - (*pbVertical ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    }
}

COLORREF Or_Default(COLORREF crSet, int nSysColor) {
    return crSet == CLR_DEFAULT || crSet == CLR_NONE ? GetSysColor(nSysColor) : crSet;
}

UINT Text_Align(int nFormat) {
    switch (nFormat & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return DT_LEFT;
    }
}

struct ROW_COLOURS {
    COLORREF crText;
    COLORREF crBack;
    bool bFill;
};

// The colours of an item's selected cells, or of its plain ones.
ROW_COLOURS Cell_Colours(HWND hWnd, const LIST_VIEW_STATE& state, bool bSelected) {
    if (bSelected && GetFocus() == hWnd)
        return {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT), true};
    if (bSelected && (GetWindowLongPtrA(hWnd, GWL_STYLE) & LVS_SHOWSELALWAYS))
        return {GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE), true};
    COLORREF crBack = Or_Default(state.crTextBack, COLOR_WINDOW);
    bool bFill = state.crTextBack != CLR_DEFAULT && state.crTextBack != CLR_NONE;
    return {Or_Default(state.crText, COLOR_WINDOWTEXT), crBack, bFill};
}

void Fill_Color(HDC hdc, const RECT& rc, COLORREF cr) {
    HBRUSH hBrush = CreateSolidBrush(cr);
    FillRect(hdc, &rc, hBrush);
    DeleteObject(hBrush);
}

void Paint_Row(HWND hWnd, HDC hdc, const LIST_VIEW_STATE& state, int nItem,
               const std::vector<int>& aOrder) {
    const LIST_VIEW_ITEM& item = state.aItems[nItem];
    RECT rcRow = List_View_Row_Rect(hWnd, state, nItem);
    bool bSelected = (item.uState & LVIS_SELECTED) != 0;
    bool bFullRow = (state.dwExStyle & LVS_EX_FULLROWSELECT) != 0;
    RECT rcFocus = rcRow;
    for (int nColumn : aOrder) {
        int nLeft = 0, nRight = 0;
        List_View_Column_Span(state, nColumn, &nLeft, &nRight);
        RECT rcCell = {nLeft, rcRow.top, nRight, rcRow.bottom};
        bool bHighlight = bSelected && (bFullRow || nColumn == 0);
        ROW_COLOURS colours = Cell_Colours(hWnd, state, bHighlight);
        if (colours.bFill) Fill_Color(hdc, rcCell, colours.crBack);
        if (nColumn == 0 && !bFullRow) rcFocus = rcCell;
        SetTextColor(hdc, colours.crText);
        const std::string stText =
            nColumn < static_cast<int>(item.aText.size()) ? item.aText[nColumn] : std::string();
        RECT rcText = {rcCell.left + (nColumn == 0 ? 2 : 6), rcCell.top, rcCell.right - 6,
                       rcCell.bottom};
        if (rcText.right > rcText.left)
            DrawTextA(hdc, stText.c_str(), -1, &rcText,
                      Text_Align(state.aColumns[nColumn].nFormat) | DT_SINGLELINE | DT_VCENTER |
                          DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((item.uState & LVIS_FOCUSED) && GetFocus() == hWnd) DrawFocusRect(hdc, &rcFocus);
}

void Paint_Grid(HDC hdc, const LIST_VIEW_STATE& state, const RECT& rcRows,
                const std::vector<int>& aOrder) {
    HPEN hPen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    HGDIOBJ hOld = SelectObject(hdc, hPen);
    for (int y = rcRows.top + state.nRowHeight - 1; y < rcRows.bottom; y += state.nRowHeight) {
        MoveToEx(hdc, rcRows.left, y, nullptr);
        LineTo(hdc, rcRows.right, y);
    }
    for (int nColumn : aOrder) {
        int nLeft = 0, nRight = 0;
        List_View_Column_Span(state, nColumn, &nLeft, &nRight);
        MoveToEx(hdc, nRight - 1, rcRows.top, nullptr);
        LineTo(hdc, nRight - 1, rcRows.bottom);
    }
    SelectObject(hdc, hOld);
    DeleteObject(hPen);
}

}  // namespace
}  // namespace list_view_paint

RECT List_View_Rows_Rect(HWND hWnd, const LIST_VIEW_STATE& state) {
    using namespace list_view_paint;
    RECT rc = Client_Rect(hWnd);
    rc.top = std::min(rc.bottom, static_cast<LONG>(Header_Height(hWnd, state)));
    bool bVertical = false, bHorizontal = false;
    Bars_Needed(hWnd, state, &bVertical, &bHorizontal);
    if (bVertical) rc.right = std::max(rc.left, rc.right - GetSystemMetrics(SM_CXVSCROLL));
    if (bHorizontal) rc.bottom = std::max(rc.top, rc.bottom - GetSystemMetrics(SM_CYHSCROLL));
    return rc;
}

bool List_View_Scroll_Bar(HWND hWnd, const LIST_VIEW_STATE& state, bool bHorizontal,
                          LIST_SCROLL* pBar) {
    using namespace list_view_paint;
    bool bVertical = false, bHorizontalShown = false;
    Bars_Needed(hWnd, state, &bVertical, &bHorizontalShown);
    if (!(bHorizontal ? bHorizontalShown : bVertical)) return false;
    RECT rc = Client_Rect(hWnd);
    RECT rcRows = List_View_Rows_Rect(hWnd, state);
    pBar->bHorizontal = bHorizontal;
    if (bHorizontal) {
        pBar->rcBar = {rc.left, rcRows.bottom, rcRows.right, rc.bottom};
        pBar->nPos = state.nScrollX;
        pBar->nPage = rcRows.right - rcRows.left;
        pBar->nCount = List_View_Columns_Width(state);
    } else {
        pBar->rcBar = {rcRows.right, rc.top, rc.right, rcRows.bottom};
        pBar->nPos = state.nTop;
        pBar->nPage = List_View_Rows_Per_Page(hWnd, state);
        pBar->nCount = static_cast<int>(state.aItems.size());
    }
    return true;
}

int List_View_Columns_Width(const LIST_VIEW_STATE& state) {
    int nRight = 0;
    for (size_t i = 0; i < state.aColumns.size(); i++) {
        RECT rc = {};
        if (state.hHeader &&
            SendMessageA(state.hHeader, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rc)))
            nRight = std::max(nRight, static_cast<int>(rc.right));
    }
    return nRight;
}

int List_View_Rows_Per_Page(HWND hWnd, const LIST_VIEW_STATE& state) {
    using namespace list_view_paint;
    RECT rc = List_View_Rows_Rect(hWnd, state);
    return std::max(1, static_cast<int>(rc.bottom - rc.top) / std::max(1, state.nRowHeight));
}

std::vector<int> List_View_Column_Order(const LIST_VIEW_STATE& state) {
    using namespace list_view_paint;
    std::vector<int> aOrder(state.aColumns.size());
    for (size_t i = 0; i < aOrder.size(); i++) aOrder[i] = static_cast<int>(i);
    if (state.hHeader && !aOrder.empty())
        SendMessageA(state.hHeader, HDM_GETORDERARRAY, aOrder.size(),
                     reinterpret_cast<LPARAM>(aOrder.data()));
    return aOrder;
}

bool List_View_Column_Span(const LIST_VIEW_STATE& state, int nColumn, int* pLeft, int* pRight) {
    using namespace list_view_paint;
    RECT rc = {};
    if (!state.hHeader ||
        !SendMessageA(state.hHeader, HDM_GETITEMRECT, nColumn, reinterpret_cast<LPARAM>(&rc))) {
        *pLeft = *pRight = -state.nScrollX;
        return false;
    }
    *pLeft = rc.left - state.nScrollX;
    *pRight = rc.right - state.nScrollX;
    return true;
}

RECT List_View_Row_Rect(HWND hWnd, const LIST_VIEW_STATE& state, int nItem) {
    RECT rcRows = List_View_Rows_Rect(hWnd, state);
    int nTop = rcRows.top + (nItem - state.nTop) * state.nRowHeight;
    return RECT{-state.nScrollX, nTop, List_View_Columns_Width(state) - state.nScrollX,
                nTop + state.nRowHeight};
}

void List_View_Paint(HWND hWnd, const LIST_VIEW_STATE& state) {
    using namespace list_view_paint;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    if (!state.bRedraw) {
        EndPaint(hWnd, &ps);
        return;
    }
    RECT rcClient = Client_Rect(hWnd);
    if (state.hHeader && IsWindowVisible(state.hHeader)) {
        RECT rcHeader;
        GetWindowRect(state.hHeader, &rcHeader);
        MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&rcHeader), 2);
        ExcludeClipRect(hdc, rcHeader.left, rcHeader.top, rcHeader.right, rcHeader.bottom);
    }
    if (state.crBack != CLR_NONE) Fill_Color(hdc, rcClient, Or_Default(state.crBack, COLOR_WINDOW));
    RECT rcRows = List_View_Rows_Rect(hWnd, state);
    HGDIOBJ hOldFont = SelectObject(hdc, Font_Or_Default(state.hFont));
    SetBkMode(hdc, TRANSPARENT);
    int nSaved = SaveDC(hdc);
    IntersectClipRect(hdc, rcRows.left, rcRows.top, rcRows.right, rcRows.bottom);
    std::vector<int> aOrder = List_View_Column_Order(state);
    int nLast = std::min(static_cast<int>(state.aItems.size()),
                         state.nTop + List_View_Rows_Per_Page(hWnd, state) + 1);
    for (int nItem = std::max(0, state.nTop); nItem < nLast; nItem++)
        Paint_Row(hWnd, hdc, state, nItem, aOrder);
    if (state.dwExStyle & LVS_EX_GRIDLINES) Paint_Grid(hdc, state, rcRows, aOrder);
    RestoreDC(hdc, nSaved);
    LIST_SCROLL bar;
    for (bool bHorizontal : {false, true})
        if (List_View_Scroll_Bar(hWnd, state, bHorizontal, &bar)) List_Scroll_Draw(hdc, bar);
    if (rcRows.right < rcClient.right && rcRows.bottom < rcClient.bottom) {
        RECT rcCorner = {rcRows.right, rcRows.bottom, rcClient.right, rcClient.bottom};
        FillRect(hdc, &rcCorner, GetSysColorBrush(COLOR_BTNFACE));
    }
    SelectObject(hdc, hOldFont);
    EndPaint(hWnd, &ps);
}
