// The list view's input: hit-testing, clicks on rows (NM_CLICK, NM_DBLCLK, NM_RCLICK), the
// keyboard moving the selection (LVN_KEYDOWN first), the wheel and the scroll bar.
#include "list_view_internal.h"

#include <algorithm>
#include <climits>

namespace list_view_input {
namespace {

const int kWheelRows = 3;

POINT Point_Of(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// LVM_HITTEST / LVM_SUBITEMHITTEST: the item (and column) under the point, -1 when none. Without
// LVS_EX_FULLROWSELECT only the first column's cell counts as the item.
int Hit_Test(HWND hWnd, const LIST_VIEW_STATE& state, LVHITTESTINFO* pInfo) {
    pInfo->iItem = -1;
    pInfo->iSubItem = -1;
    RECT rcRows = List_View_Rows_Rect(hWnd, state);
    POINT pt = pInfo->pt;
    if (pt.y < rcRows.top) {
        pInfo->flags = LVHT_ABOVE;
        return -1;
    }
    if (pt.y >= rcRows.bottom || pt.x >= rcRows.right) {
        pInfo->flags = pt.y >= rcRows.bottom ? LVHT_BELOW : LVHT_TORIGHT;
        return -1;
    }
    pInfo->flags = LVHT_NOWHERE;
    int nItem = state.nTop + (pt.y - rcRows.top) / std::max(1, state.nRowHeight);
    if (nItem >= static_cast<int>(state.aItems.size())) return -1;
    for (size_t i = 0; i < state.aColumns.size(); i++) {
        int nLeft = 0, nRight = 0;
        List_View_Column_Span(state, static_cast<int>(i), &nLeft, &nRight);
        if (pt.x >= nLeft && pt.x < nRight) pInfo->iSubItem = static_cast<int>(i);
    }
    if (pInfo->iSubItem < 0 || (pInfo->iSubItem != 0 && !(state.dwExStyle & LVS_EX_FULLROWSELECT)))
        return -1;
    pInfo->flags = LVHT_ONITEMLABEL;
    pInfo->iItem = nItem;
    return nItem;
}

void Notify_Click(HWND hWnd, UINT uCode, const LVHITTESTINFO& hit) {
    NMITEMACTIVATE nm = {};
    nm.iItem = hit.iItem;
    nm.iSubItem = hit.iSubItem < 0 ? 0 : hit.iSubItem;
    nm.ptAction = hit.pt;
    Control_Notify_Parent(hWnd, uCode, &nm.hdr);
}

const int kColumnStep = 16;  // pixels a horizontal arrow scrolls

// A scroll request, from a bar or from WM_VSCROLL / WM_HSCROLL: rows down, pixels across.
void Scroll_By_Code(HWND hWnd, bool bHorizontal, int nCode, int nThumbPos) {
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState) return;
    RECT rcRows = List_View_Rows_Rect(hWnd, *pState);
    int nLine = bHorizontal ? kColumnStep : 1;
    int nPage = bHorizontal ? static_cast<int>(rcRows.right - rcRows.left)
                            : List_View_Rows_Per_Page(hWnd, *pState);
    int nPos = bHorizontal ? pState->nScrollX : pState->nTop;
    switch (nCode) {
    case SB_LINEUP: nPos -= nLine; break;
    case SB_LINEDOWN: nPos += nLine; break;
    case SB_PAGEUP: nPos -= nPage; break;
    case SB_PAGEDOWN: nPos += nPage; break;
    case SB_TOP: nPos = 0; break;
    case SB_BOTTOM: nPos = INT_MAX / 2; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: nPos = nThumbPos; break;
    default: return;
    }
    if (bHorizontal)
        List_View_Set_Scroll_X(hWnd, nPos);
    else
        List_View_Set_Top(hWnd, nPos);
}

// A press on a scroll bar; false when the point is on neither.
bool Scroll_Bar_Down(HWND hWnd, LIST_VIEW_STATE* pState, POINT pt) {
    for (bool bHorizontal : {false, true}) {
        LIST_SCROLL bar;
        if (!List_View_Scroll_Bar(hWnd, *pState, bHorizontal, &bar)) continue;
        int nCode = List_Scroll_Hit(bar, pt);
        if (nCode < 0) continue;
        if (nCode == SB_THUMBTRACK) {
            RECT rcThumb = List_Scroll_Thumb(bar);
            pState->nThumbGrab = bHorizontal ? pt.x - rcThumb.left : pt.y - rcThumb.top;
            pState->bThumbHorizontal = bHorizontal;
            SetCapture(hWnd);
        } else {
            Scroll_By_Code(hWnd, bHorizontal, nCode, 0);
        }
        return true;
    }
    return false;
}

void Thumb_Drag(HWND hWnd, const LIST_VIEW_STATE& state, POINT pt) {
    LIST_SCROLL bar;
    bool bHorizontal = state.bThumbHorizontal;
    if (!List_View_Scroll_Bar(hWnd, state, bHorizontal, &bar)) return;
    int nAlong = (bHorizontal ? pt.x : pt.y) - state.nThumbGrab;
    Scroll_By_Code(hWnd, bHorizontal, SB_THUMBTRACK, List_Scroll_Pos_At(bar, nAlong));
}

void Button_Down(HWND hWnd, UINT uMsg, POINT pt) {
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState || Scroll_Bar_Down(hWnd, pState, pt)) return;
    if (GetFocus() != hWnd) SetFocus(hWnd);
    pState = List_View_Find(hWnd);
    if (!pState) return;
    LVHITTESTINFO hit = {};
    hit.pt = pt;
    Hit_Test(hWnd, *pState, &hit);
    bool bRight = uMsg == WM_RBUTTONDOWN;
    bool bKeepOthers = !bRight && (GetKeyState(VK_CONTROL) < 0) &&
                       !(GetWindowLongPtrA(hWnd, GWL_STYLE) & LVS_SINGLESEL);
    if (bKeepOthers && hit.iItem >= 0) {
        bool bSelected = pState->aItems[hit.iItem].uState & LVIS_SELECTED;
        List_View_Set_Item_State(hWnd, hit.iItem, (bSelected ? 0 : LVIS_SELECTED) | LVIS_FOCUSED,
                                 LVIS_SELECTED | LVIS_FOCUSED);
    } else if (!(bRight && hit.iItem >= 0 && (pState->aItems[hit.iItem].uState & LVIS_SELECTED))) {
        List_View_Select_Only(hWnd, hit.iItem);
    }
    if (uMsg == WM_LBUTTONDOWN)
        Notify_Click(hWnd, NM_CLICK, hit);
    else if (uMsg == WM_LBUTTONDBLCLK)
        Notify_Click(hWnd, NM_DBLCLK, hit);
}

void Right_Button_Up(HWND hWnd, POINT pt) {
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState) return;
    LVHITTESTINFO hit = {};
    hit.pt = pt;
    Hit_Test(hWnd, *pState, &hit);
    Notify_Click(hWnd, NM_RCLICK, hit);
}

// The item a navigation key moves the focus to, or -1 when the key does not move it.
int Key_Target(HWND hWnd, const LIST_VIEW_STATE& state, UINT uKey) {
    int nCount = static_cast<int>(state.aItems.size());
    if (nCount == 0) return -1;
    int nFocus = -1;
    for (int i = 0; i < nCount && nFocus < 0; i++)
        if (state.aItems[i].uState & LVIS_FOCUSED) nFocus = i;
    int nPage = std::max(1, List_View_Rows_Per_Page(hWnd, state) - 1);
    int nTarget;
    switch (uKey) {
    case VK_UP: nTarget = nFocus < 0 ? 0 : nFocus - 1; break;
    case VK_DOWN: nTarget = nFocus + 1; break;
    case VK_PRIOR: nTarget = std::max(0, nFocus) - nPage; break;
    case VK_NEXT: nTarget = std::max(0, nFocus) + nPage; break;
    case VK_HOME: nTarget = 0; break;
    case VK_END: nTarget = nCount - 1; break;
    case VK_SPACE: nTarget = std::max(0, nFocus); break;
    default: return -1;
    }
    return std::clamp(nTarget, 0, nCount - 1);
}

void Key_Down(HWND hWnd, UINT uKey) {
    NMLVKEYDOWN nm = {};
    nm.wVKey = static_cast<WORD>(uKey);
    Control_Notify_Parent(hWnd, LVN_KEYDOWN, &nm.hdr);
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState) return;
    int nTarget = Key_Target(hWnd, *pState, uKey);
    if (nTarget >= 0) List_View_Select_Only(hWnd, nTarget);
}

}  // namespace
}  // namespace list_view_input

bool List_View_Input_Message(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    using namespace list_view_input;
    LIST_VIEW_STATE* pState = List_View_Find(hWnd);
    if (!pState) return false;
    *pResult = 0;
    switch (uMsg) {
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST: {
        LVHITTESTINFO* pInfo = reinterpret_cast<LVHITTESTINFO*>(lParam);
        *pResult = pInfo ? Hit_Test(hWnd, *pState, pInfo) : -1;
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: Button_Down(hWnd, uMsg, Point_Of(lParam)); return true;
    case WM_RBUTTONUP: Right_Button_Up(hWnd, Point_Of(lParam)); return true;
    case WM_MOUSEMOVE:
        if (pState->nThumbGrab >= 0 && GetCapture() == hWnd)
            Thumb_Drag(hWnd, *pState, Point_Of(lParam));
        return true;
    case WM_LBUTTONUP:
        if (pState->nThumbGrab >= 0) {
            pState->nThumbGrab = -1;
            if (GetCapture() == hWnd) ReleaseCapture();
        }
        return true;
    case WM_CAPTURECHANGED: pState->nThumbGrab = -1; return true;
    case WM_MOUSEWHEEL: {
        int nDelta = static_cast<short>(HIWORD(wParam));
        List_View_Set_Top(hWnd, pState->nTop - nDelta * kWheelRows / WHEEL_DELTA);
        return true;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll_By_Code(hWnd, uMsg == WM_HSCROLL, LOWORD(wParam),
                       static_cast<short>(HIWORD(wParam)));
        return true;
    case WM_KEYDOWN: Key_Down(hWnd, static_cast<UINT>(wParam)); return true;
    default: return false;
    }
}
