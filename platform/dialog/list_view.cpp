// The "SysListView32" window class: report-mode list views. The columns' texts, widths and order
// live in a header child (dialog/header.cpp) whose notifications come back here; items are in
// dialog/list_view_items.cpp, input in dialog/list_view_input.cpp, drawing in
// dialog/list_view_paint.cpp.
#include "list_view_internal.h"

#include <algorithm>
#include <map>

namespace list_view_layout {
namespace {

std::map<HWND, LIST_VIEW_STATE> gListViews;

const int kCellPadding = 12;  // the texts' margins inside a column, both sides together

// Row and header heights follow the font.
void Measure(HWND hWnd, LIST_VIEW_STATE* pState) {
    int nLine = Control_Line_Height(hWnd, pState->hFont);
    pState->nRowHeight = nLine + 3;
    pState->nHeaderHeight = nLine + 8;
}

void Place_Header(HWND hWnd, const LIST_VIEW_STATE& state) {
    if (!state.hHeader) return;
    bool bShown = !(GetWindowLongPtrA(hWnd, GWL_STYLE) & LVS_NOCOLUMNHEADER);
    RECT rcRows = List_View_Rows_Rect(hWnd, state);
    RECT rcWant = {-state.nScrollX, 0, rcRows.right, state.nHeaderHeight};
    RECT rcNow;
    GetWindowRect(state.hHeader, &rcNow);
    MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&rcNow), 2);
    if (rcNow.left != rcWant.left || rcNow.top != rcWant.top || rcNow.right != rcWant.right ||
        rcNow.bottom != rcWant.bottom)
        MoveWindow(state.hHeader, rcWant.left, rcWant.top, rcWant.right - rcWant.left,
                   rcWant.bottom - rcWant.top, TRUE);
    if (bShown != (IsWindowVisible(state.hHeader) != FALSE))
        ShowWindow(state.hHeader, bShown ? SW_SHOWNA : SW_HIDE);
}

void Create_Header(HWND hWnd, LIST_VIEW_STATE* pState) {
    DWORD dwStyle = WS_CHILD | HDS_HORZ | HDS_DRAGDROP | HDS_FULLDRAG;
    if (!(GetWindowLongPtrA(hWnd, GWL_STYLE) & LVS_NOSORTHEADER)) dwStyle |= HDS_BUTTONS;
    if (!(GetWindowLongPtrA(hWnd, GWL_STYLE) & LVS_NOCOLUMNHEADER)) dwStyle |= WS_VISIBLE;
    pState->hHeader =
        CreateWindowExA(0, WC_HEADERA, "", dwStyle, 0, 0, 0, 0, hWnd, nullptr, nullptr, nullptr);
    Measure(hWnd, pState);
}

int Column_Count(const LIST_VIEW_STATE& state) { return static_cast<int>(state.aColumns.size()); }

int Header_Width(const LIST_VIEW_STATE& state, int nColumn) {
    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    SendMessageA(state.hHeader, HDM_GETITEMA, nColumn, reinterpret_cast<LPARAM>(&item));
    return item.cxy;
}

std::string Header_Text(const LIST_VIEW_STATE& state, int nColumn) {
    char szText[260] = "";
    HDITEMA item = {};
    item.mask = HDI_TEXT;
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    SendMessageA(state.hHeader, HDM_GETITEMA, nColumn, reinterpret_cast<LPARAM>(&item));
    return szText;
}

// The header item that matches the LVCOLUMNA's fields.
HDITEMA Header_Item_Of(const LVCOLUMNA& column) {
    HDITEMA item = {};
    if (column.mask & LVCF_WIDTH) {
        item.mask |= HDI_WIDTH;
        item.cxy = column.cx;
    }
    if ((column.mask & LVCF_TEXT) && column.pszText) {
        item.mask |= HDI_TEXT;
        item.pszText = column.pszText;
    }
    if (column.mask & LVCF_FMT) {
        item.mask |= HDI_FORMAT;
        item.fmt = (column.fmt & LVCFMT_JUSTIFYMASK) | HDF_STRING;
    }
    if (column.mask & LVCF_ORDER) {
        item.mask |= HDI_ORDER;
        item.iOrder = column.iOrder;
    }
    return item;
}

LRESULT Insert_Column(HWND hWnd, LIST_VIEW_STATE* pState, int nIndex, const LVCOLUMNA* pColumn) {
    if (!pColumn || !pState->hHeader || nIndex < 0) return -1;
    nIndex = std::min(nIndex, Column_Count(*pState));
    // Every column gets a format and a width; the first one is always left-aligned.
    LVCOLUMNA column = *pColumn;
    column.mask |= LVCF_FMT | LVCF_WIDTH;
    column.fmt = nIndex == 0 || !(pColumn->mask & LVCF_FMT) ? LVCFMT_LEFT : pColumn->fmt;
    column.cx = pColumn->mask & LVCF_WIDTH ? pColumn->cx : 0;
    HDITEMA item = Header_Item_Of(column);
    if (SendMessageA(pState->hHeader, HDM_INSERTITEMA, nIndex, reinterpret_cast<LPARAM>(&item)) < 0)
        return -1;
    LIST_VIEW_COLUMN added;
    added.nFormat = item.fmt & LVCFMT_JUSTIFYMASK;
    added.nSubItem = column.mask & LVCF_SUBITEM ? column.iSubItem : nIndex;
    pState->aColumns.insert(pState->aColumns.begin() + nIndex, added);
    for (LIST_VIEW_ITEM& row : pState->aItems)
        if (static_cast<int>(row.aText.size()) > nIndex)
            row.aText.insert(row.aText.begin() + nIndex, std::string());
    List_View_Invalidate(hWnd);
    return nIndex;
}

LRESULT Delete_Column(HWND hWnd, LIST_VIEW_STATE* pState, int nIndex) {
    if (nIndex < 0 || nIndex >= Column_Count(*pState)) return FALSE;
    SendMessageA(pState->hHeader, HDM_DELETEITEM, nIndex, 0);
    pState->aColumns.erase(pState->aColumns.begin() + nIndex);
    for (LIST_VIEW_ITEM& row : pState->aItems)
        if (static_cast<int>(row.aText.size()) > nIndex)
            row.aText.erase(row.aText.begin() + nIndex);
    List_View_Invalidate(hWnd);
    return TRUE;
}

LRESULT Get_Column(const LIST_VIEW_STATE& state, int nIndex, LVCOLUMNA* pOut) {
    if (!pOut || nIndex < 0 || nIndex >= Column_Count(state)) return FALSE;
    if (pOut->mask & LVCF_FMT) pOut->fmt = state.aColumns[nIndex].nFormat;
    if (pOut->mask & LVCF_WIDTH) pOut->cx = Header_Width(state, nIndex);
    if (pOut->mask & LVCF_TEXT)
        Control_Copy_Text(Header_Text(state, nIndex), pOut->pszText, pOut->cchTextMax);
    if (pOut->mask & LVCF_SUBITEM) pOut->iSubItem = state.aColumns[nIndex].nSubItem;
    if (pOut->mask & LVCF_ORDER) {
        HDITEMA item = {};
        item.mask = HDI_ORDER;
        SendMessageA(state.hHeader, HDM_GETITEMA, nIndex, reinterpret_cast<LPARAM>(&item));
        pOut->iOrder = item.iOrder;
    }
    return TRUE;
}

LRESULT Set_Column(HWND hWnd, LIST_VIEW_STATE* pState, int nIndex, const LVCOLUMNA* pColumn) {
    if (!pColumn || nIndex < 0 || nIndex >= Column_Count(*pState)) return FALSE;
    if (pColumn->mask & LVCF_FMT)
        pState->aColumns[nIndex].nFormat = pColumn->fmt & LVCFMT_JUSTIFYMASK;
    if (pColumn->mask & LVCF_SUBITEM) pState->aColumns[nIndex].nSubItem = pColumn->iSubItem;
    HDITEMA item = Header_Item_Of(*pColumn);
    if (item.mask)
        SendMessageA(pState->hHeader, HDM_SETITEMA, nIndex, reinterpret_cast<LPARAM>(&item));
    List_View_Invalidate(hWnd);
    return TRUE;
}

// The width a column needs for its cells' texts (and its header's with bUseHeader).
int Needed_Width(HWND hWnd, const LIST_VIEW_STATE& state, int nColumn, bool bUseHeader) {
    std::vector<std::string> aTexts;
    if (bUseHeader) aTexts.push_back(Header_Text(state, nColumn));
    for (const LIST_VIEW_ITEM& row : state.aItems)
        if (nColumn < static_cast<int>(row.aText.size())) aTexts.push_back(row.aText[nColumn]);
    return Control_Widest_Text(hWnd, state.hFont, aTexts) + kCellPadding;
}

LRESULT Set_Column_Width(HWND hWnd, LIST_VIEW_STATE* pState, int nColumn, int nWidth) {
    if (nColumn < 0 || nColumn >= Column_Count(*pState)) return FALSE;
    if (nWidth == LVSCW_AUTOSIZE || nWidth == LVSCW_AUTOSIZE_USEHEADER) {
        bool bUseHeader = nWidth == LVSCW_AUTOSIZE_USEHEADER;
        nWidth = Needed_Width(hWnd, *pState, nColumn, bUseHeader);
        std::vector<int> aOrder = List_View_Column_Order(*pState);
        if (bUseHeader && aOrder.back() == nColumn) {
            // The last column takes what is left of the client width.
            int nLeft = 0, nRight = 0;
            List_View_Column_Span(*pState, nColumn, &nLeft, &nRight);
            RECT rcRows = List_View_Rows_Rect(hWnd, *pState);
            nWidth = std::max(nWidth, static_cast<int>(rcRows.right) - nLeft);
        }
    }
    HDITEMA item = {};
    item.mask = HDI_WIDTH;
    item.cxy = std::max(0, nWidth);
    return SendMessageA(pState->hHeader, HDM_SETITEMA, nColumn, reinterpret_cast<LPARAM>(&item));
}

LRESULT Set_Extended_Style(HWND hWnd, LIST_VIEW_STATE* pState, DWORD dwMask, DWORD dwStyle) {
    DWORD dwOld = pState->dwExStyle;
    if (!dwMask) dwMask = 0xFFFFFFFF;
    pState->dwExStyle = (dwOld & ~dwMask) | (dwStyle & dwMask);
    List_View_Invalidate(hWnd);
    return static_cast<LRESULT>(dwOld);
}

// Passes the header's notification on to the list view's parent as it is; the parent's answer.
LRESULT Forward_To_Parent(HWND hWnd, NMHDR* pNotify) {
    HWND hParent = GetParent(hWnd);
    return hParent ? SendMessageA(hParent, WM_NOTIFY, pNotify->idFrom,
                                  reinterpret_cast<LPARAM>(pNotify))
                   : 0;
}

// What the header reports: clicks become LVN_COLUMNCLICK, the rest goes on to the parent.
LRESULT Header_Notification(HWND hWnd, LIST_VIEW_STATE* pState, NMHDR* pNotify) {
    NMHEADERA* pHeader = reinterpret_cast<NMHEADERA*>(pNotify);
    switch (pNotify->code) {
    case HDN_ITEMCLICKA: {
        NMLISTVIEW nm = {};
        nm.iItem = -1;
        nm.iSubItem = pHeader->iItem;
        Control_Notify_Parent(hWnd, LVN_COLUMNCLICK, &nm.hdr);
        return 0;
    }
    case HDN_BEGINDRAG:
        if (!(pState->dwExStyle & LVS_EX_HEADERDRAGDROP)) return TRUE;
        break;
    case HDN_ITEMCHANGEDA: List_View_Invalidate(hWnd); break;
    case HDN_DIVIDERDBLCLICKA: {
        LRESULT nResult = Forward_To_Parent(hWnd, pNotify);
        if ((pState = List_View_Find(hWnd)) != nullptr)
            Set_Column_Width(hWnd, pState, pHeader->iItem, LVSCW_AUTOSIZE_USEHEADER);
        return nResult;
    }
    default: break;
    }
    return Forward_To_Parent(hWnd, pNotify);
}

LRESULT Set_Color(HWND hWnd, COLORREF* pColor, LPARAM lParam) {
    *pColor = static_cast<COLORREF>(lParam);
    List_View_Invalidate(hWnd);
    return TRUE;
}

// LVM_GETITEMRECT and LVM_GETSUBITEMRECT: the part asked for in pRect->left.
LRESULT Item_Rect(HWND hWnd, const LIST_VIEW_STATE& state, int nItem, int nSubItem, RECT* pRect) {
    if (!pRect || nItem < 0 || nItem >= static_cast<int>(state.aItems.size()) || nSubItem < 0 ||
        nSubItem >= std::max(1, Column_Count(state)))
        return FALSE;
    int nCode = pRect->left;
    RECT rcRow = List_View_Row_Rect(hWnd, state, nItem);
    if (nCode == LVIR_BOUNDS && nSubItem == 0 && pRect->top == 0) {
        *pRect = rcRow;
        return TRUE;
    }
    int nLeft = 0, nRight = 0;
    List_View_Column_Span(state, nSubItem, &nLeft, &nRight);
    if (nCode == LVIR_ICON) nRight = nLeft;
    *pRect = RECT{nLeft, rcRow.top, nRight, rcRow.bottom};
    return TRUE;
}

// LVM_SCROLL: dx in pixels, dy in pixels turned into whole rows.
LRESULT Scroll(HWND hWnd, LIST_VIEW_STATE* pState, int dx, int dy) {
    int nRows = dy / std::max(1, pState->nRowHeight);
    if (dy != 0 && nRows == 0) nRows = dy > 0 ? 1 : -1;
    int nTop = pState->nTop;
    List_View_Set_Scroll_X(hWnd, pState->nScrollX + dx);
    List_View_Set_Top(hWnd, nTop + nRows);
    return TRUE;
}

LRESULT Set_Redraw(HWND hWnd, LIST_VIEW_STATE* pState, bool bRedraw) {
    pState->bRedraw = bRedraw;
    if (bRedraw) List_View_Invalidate(hWnd);
    return 0;
}

LRESULT Set_Font(HWND hWnd, LIST_VIEW_STATE* pState, HFONT hFont, bool bRepaint) {
    pState->hFont = hFont;
    Measure(hWnd, pState);
    if (pState->hHeader)
        SendMessageA(pState->hHeader, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRepaint);
    List_View_Invalidate(hWnd);
    return 0;
}

// The layout messages: columns, colours, scrolling and geometry. False for any other message.
bool Layout_Message(HWND hWnd, LIST_VIEW_STATE* pState, UINT uMsg, WPARAM wParam, LPARAM lParam,
                    LRESULT* pResult) {
    int nIndex = static_cast<int>(wParam);
    switch (uMsg) {
    case LVM_INSERTCOLUMNA:
        *pResult = Insert_Column(hWnd, pState, nIndex, reinterpret_cast<LVCOLUMNA*>(lParam));
        return true;
    case LVM_DELETECOLUMN: *pResult = Delete_Column(hWnd, pState, nIndex); return true;
    case LVM_GETCOLUMNA:
        *pResult = Get_Column(*pState, nIndex, reinterpret_cast<LVCOLUMNA*>(lParam));
        return true;
    case LVM_SETCOLUMNA:
        *pResult = Set_Column(hWnd, pState, nIndex, reinterpret_cast<LVCOLUMNA*>(lParam));
        return true;
    case LVM_GETCOLUMNWIDTH:
        *pResult =
            nIndex >= 0 && nIndex < Column_Count(*pState) ? Header_Width(*pState, nIndex) : 0;
        return true;
    case LVM_SETCOLUMNWIDTH:
        *pResult = Set_Column_Width(hWnd, pState, nIndex, static_cast<short>(LOWORD(lParam)));
        return true;
    case LVM_GETCOLUMNORDERARRAY:
        *pResult = SendMessageA(pState->hHeader, HDM_GETORDERARRAY, wParam, lParam);
        return true;
    case LVM_SETCOLUMNORDERARRAY:
        *pResult = SendMessageA(pState->hHeader, HDM_SETORDERARRAY, wParam, lParam);
        List_View_Invalidate(hWnd);
        return true;
    case LVM_GETHEADER: *pResult = reinterpret_cast<LRESULT>(pState->hHeader); return true;
    case LVM_GETEXTENDEDLISTVIEWSTYLE: *pResult = pState->dwExStyle; return true;
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        *pResult = Set_Extended_Style(hWnd, pState, static_cast<DWORD>(wParam),
                                      static_cast<DWORD>(lParam));
        return true;
    case LVM_GETBKCOLOR: *pResult = pState->crBack; return true;
    case LVM_SETBKCOLOR: *pResult = Set_Color(hWnd, &pState->crBack, lParam); return true;
    case LVM_GETTEXTCOLOR: *pResult = pState->crText; return true;
    case LVM_SETTEXTCOLOR: *pResult = Set_Color(hWnd, &pState->crText, lParam); return true;
    case LVM_GETTEXTBKCOLOR: *pResult = pState->crTextBack; return true;
    case LVM_SETTEXTBKCOLOR: *pResult = Set_Color(hWnd, &pState->crTextBack, lParam); return true;
    case LVM_GETIMAGELIST:
    case LVM_SETIMAGELIST: *pResult = 0; return true;  // report mode draws no images
    case LVM_GETSTRINGWIDTHA:
        *pResult = lParam
                       ? Control_Widest_Text(hWnd, pState->hFont,
                                             {std::string(reinterpret_cast<const char*>(lParam))})
                       : 0;
        return true;
    case LVM_GETITEMRECT:
        *pResult = Item_Rect(hWnd, *pState, nIndex, 0, reinterpret_cast<RECT*>(lParam));
        return true;
    case LVM_GETSUBITEMRECT: {
        RECT* pRect = reinterpret_cast<RECT*>(lParam);
        *pResult = pRect ? Item_Rect(hWnd, *pState, nIndex, pRect->top, pRect) : FALSE;
        return true;
    }
    case LVM_ENSUREVISIBLE: *pResult = List_View_Ensure_Visible(hWnd, nIndex); return true;
    case LVM_GETTOPINDEX: *pResult = pState->nTop; return true;
    case LVM_GETCOUNTPERPAGE: *pResult = List_View_Rows_Per_Page(hWnd, *pState); return true;
    case LVM_SCROLL:
        *pResult = Scroll(hWnd, pState, static_cast<int>(wParam), static_cast<int>(lParam));
        return true;
    case LVM_REDRAWITEMS:
    case LVM_UPDATE:
        List_View_Invalidate(hWnd);
        *pResult = TRUE;
        return true;
    default: return false;
    }
}

}  // namespace
}  // namespace list_view_layout

LIST_VIEW_STATE* List_View_Find(HWND hWnd) {
    using namespace list_view_layout;
    auto it = gListViews.find(hWnd);
    return it == gListViews.end() ? nullptr : &it->second;
}

void List_View_Invalidate(HWND hWnd) {
    using namespace list_view_layout;
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState || !pState->bRedraw) return;
    Place_Header(hWnd, *pState);
    InvalidateRect(hWnd, nullptr, TRUE);
}

void List_View_Set_Top(HWND hWnd, int nTop) {
    using namespace list_view_layout;
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState) return;
    int nMax = std::max(
        0, static_cast<int>(pState->aItems.size()) - List_View_Rows_Per_Page(hWnd, *pState));
    nTop = std::clamp(nTop, 0, nMax);
    if (nTop == pState->nTop) return;
    pState->nTop = nTop;
    List_View_Invalidate(hWnd);
}

void List_View_Set_Scroll_X(HWND hWnd, int nScrollX) {
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState) return;
    RECT rcRows = List_View_Rows_Rect(hWnd, *pState);
    int nMax = std::max(0, List_View_Columns_Width(*pState) - static_cast<int>(rcRows.right));
    nScrollX = std::clamp(nScrollX, 0, nMax);
    if (nScrollX == pState->nScrollX) return;
    pState->nScrollX = nScrollX;
    List_View_Invalidate(hWnd);
}

BOOL List_View_Ensure_Visible(HWND hWnd, int nItem) {
    using namespace list_view_layout;
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState || nItem < 0 || nItem >= static_cast<int>(pState->aItems.size())) return FALSE;
    int nPage = List_View_Rows_Per_Page(hWnd, *pState);
    if (nItem < pState->nTop)
        List_View_Set_Top(hWnd, nItem);
    else if (nItem >= pState->nTop + nPage)
        List_View_Set_Top(hWnd, nItem - nPage + 1);
    return TRUE;
}

LRESULT List_View_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    using namespace list_view_layout;
    if (uMsg == WM_NCDESTROY) {
        gListViews.erase(hWnd);
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
    LIST_VIEW_STATE* pState = &gListViews[hWnd];
    LRESULT nResult = 0;
    if (Layout_Message(hWnd, pState, uMsg, wParam, lParam, &nResult) ||
        List_View_Item_Message(hWnd, uMsg, wParam, lParam, &nResult) ||
        List_View_Input_Message(hWnd, uMsg, wParam, lParam, &nResult))
        return nResult;
    switch (uMsg) {
    case WM_CREATE:
        Create_Header(hWnd, pState);
        if (!pState->hHeader) return -1;
        Place_Header(hWnd, *pState);
        return 0;
    case WM_SIZE: List_View_Invalidate(hWnd); return 0;
    case WM_NOTIFY: {
        NMHDR* pNotify = reinterpret_cast<NMHDR*>(lParam);
        if (pNotify && pNotify->hwndFrom == pState->hHeader)
            return Header_Notification(hWnd, pState, pNotify);
        return 0;
    }
    case WM_SETREDRAW: return Set_Redraw(hWnd, pState, wParam != 0);
    case WM_SETFONT: return Set_Font(hWnd, pState, reinterpret_cast<HFONT>(wParam), lParam != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(pState->hFont);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: List_View_Invalidate(hWnd); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: List_View_Paint(hWnd, *pState); return 0;
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
