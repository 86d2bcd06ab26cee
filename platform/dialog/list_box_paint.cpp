// Painting a list box: the background and text colours its parent gives through
// WM_CTLCOLORLISTBOX, the rows drawn by the control or by the parent (WM_DRAWITEM), and the
// scroll bar.
#include "list_box_internal.h"

#include <algorithm>

namespace {

bool Has_Owner_Drawn_Rows(DWORD dwStyle) {
    return (dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

void Draw_Item_By_Owner(const LIST_BOX& lb, HDC hdc, int nIndex, const RECT& rcItem) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(lb.hWnd));
    dis.itemID = static_cast<UINT>(nIndex);
    dis.itemAction = ODA_DRAWENTIRE;
    if (List_Box_Is_Selected(lb, nIndex)) dis.itemState |= ODS_SELECTED;
    if (lb.bFocus && nIndex == lb.nCaret) dis.itemState |= ODS_FOCUS;
    if (!IsWindowEnabled(lb.hWnd)) dis.itemState |= ODS_DISABLED;
    dis.hwndItem = lb.hWnd;
    dis.hDC = hdc;
    dis.rcItem = rcItem;
    dis.itemData = lb.aItems[static_cast<size_t>(nIndex)].nData;
    SendMessageA(lb.hNotify, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void Draw_Item_Text(const LIST_BOX& lb, HDC hdc, int nIndex, const RECT& rcItem, COLORREF crText) {
    bool bSelected = List_Box_Is_Selected(lb, nIndex);
    if (bSelected) FillRect(hdc, &rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
    if (!IsWindowEnabled(lb.hWnd))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    else
        SetTextColor(hdc, bSelected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : crText);
    const std::string& st = lb.aItems[static_cast<size_t>(nIndex)].stText;
    const int nLength = static_cast<int>(st.size());
    RECT rcText = {rcItem.left + 2, rcItem.top, rcItem.right - 1, rcItem.bottom};
    if (GetWindowLongPtrA(lb.hWnd, GWL_STYLE) & LBS_USETABSTOPS) {
        TEXTMETRICA tm = {};
        GetTextMetricsA(hdc, &tm);
        const int y = rcItem.top + (rcItem.bottom - rcItem.top - tm.tmHeight) / 2;
        const INT nDefault = 32 * LOWORD(GetDialogBaseUnits()) / 4;
        const int nTabs = lb.aTabStops.empty() ? 1 : static_cast<int>(lb.aTabStops.size());
        const INT* pTabs = lb.aTabStops.empty() ? &nDefault : lb.aTabStops.data();
        SaveDC(hdc);
        IntersectClipRect(hdc, rcText.left, rcText.top, rcText.right, rcText.bottom);
        TabbedTextOutA(hdc, rcText.left, y, st.c_str(), nLength, nTabs, pTabs, rcText.left);
        RestoreDC(hdc, -1);
    } else {
        DrawTextA(hdc, st.c_str(), nLength, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (lb.bFocus && nIndex == lb.nCaret) DrawFocusRect(hdc, &rcItem);
}

}  // namespace

LIST_BOX_LAYOUT List_Box_Layout(const LIST_BOX& lb) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(lb.hWnd, &rc);
    LIST_BOX_LAYOUT layout;
    layout.rcRows = rc;
    layout.rcScrollBar = {0, 0, 0, 0};
    layout.nPage = std::max(1, static_cast<int>(rc.bottom - rc.top) / std::max(1, lb.nItemHeight));
    DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtrA(lb.hWnd, GWL_STYLE));
    bool bOverflows = static_cast<int>(lb.aItems.size()) > layout.nPage;
    if ((dwStyle & WS_VSCROLL) && (bOverflows || (dwStyle & LBS_DISABLENOSCROLL))) {
        const int nWidth = std::min(GetSystemMetrics(SM_CXVSCROLL), static_cast<int>(rc.right));
        layout.rcScrollBar = {rc.right - nWidth, rc.top, rc.right, rc.bottom};
        layout.rcRows.right = rc.right - nWidth;
    }
    return layout;
}

RECT List_Box_Item_Rect(const LIST_BOX& lb, int nIndex) {
    LIST_BOX_LAYOUT layout = List_Box_Layout(lb);
    const int nTop = layout.rcRows.top + (nIndex - lb.nTop) * lb.nItemHeight;
    return {layout.rcRows.left, nTop, layout.rcRows.right, nTop + lb.nItemHeight};
}

void List_Box_Paint(const LIST_BOX& lb, HDC hdc) {
    HGDIOBJ hOldFont = SelectObject(hdc, lb.hFont ? lb.hFont : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
    HBRUSH hBrush = reinterpret_cast<HBRUSH>(SendMessageA(lb.hNotify, WM_CTLCOLORLISTBOX,
                                                          reinterpret_cast<WPARAM>(hdc),
                                                          reinterpret_cast<LPARAM>(lb.hWnd)));
    if (!hBrush) hBrush = GetSysColorBrush(COLOR_WINDOW);
    const COLORREF crText = GetTextColor(hdc);
    SetBkMode(hdc, TRANSPARENT);

    LIST_BOX_LAYOUT layout = List_Box_Layout(lb);
    FillRect(hdc, &layout.rcRows, hBrush);
    const bool bOwnerDrawn =
        Has_Owner_Drawn_Rows(static_cast<DWORD>(GetWindowLongPtrA(lb.hWnd, GWL_STYLE)));
    const int nCount = static_cast<int>(lb.aItems.size());
    for (int i = std::max(0, lb.nTop); i < nCount; i++) {
        RECT rcItem = List_Box_Item_Rect(lb, i);
        if (rcItem.top >= layout.rcRows.bottom) break;
        if (bOwnerDrawn)
            Draw_Item_By_Owner(lb, hdc, i, rcItem);
        else
            Draw_Item_Text(lb, hdc, i, rcItem, crText);
    }
    if (layout.rcScrollBar.right > layout.rcScrollBar.left)
        List_Box_Draw_Scroll_Bar(hdc, layout.rcScrollBar, lb.nTop, layout.nPage, nCount);
    if (hOldFont) SelectObject(hdc, hOldFont);
}
