// The "SysHeader32" window class: list-view column headers. Items are kept by index; the order
// array says where each shows, left to right. A drag on a divider sizes the item on its left, a
// drag of an item (HDS_DRAGDROP) moves it, a click (HDS_BUTTONS) reports HDN_ITEMCLICK.
#include "list_view_internal.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

namespace header_control {
namespace {

struct HEADER_ITEM {
    std::string stText;
    int nWidth = 0;
    int nFormat = HDF_LEFT | HDF_STRING;
    LPARAM lParam = 0;
};

enum HEADER_MODE { MODE_IDLE, MODE_PRESSED, MODE_DRAGGING, MODE_TRACKING };

struct HEADER_STATE {
    std::vector<HEADER_ITEM> aItems;
    std::vector<int> aOrder;  // item indexes, left to right
    HFONT hFont = nullptr;
    HEADER_MODE eMode = MODE_IDLE;
    int nActive = -1;  // the item pressed, dragged or sized
    POINT ptDown = {};
    int nStartWidth = 0;
};

const int kDividerSlop = 4;  // pixels either side of a divider that grab it
const int kDragThreshold = 5;

std::map<HWND, HEADER_STATE> gHeaders;

HEADER_STATE* Find_State(HWND hWnd) {
    auto it = gHeaders.find(hWnd);
    return it == gHeaders.end() ? nullptr : &it->second;
}

bool Valid_Index(const HEADER_STATE& state, int nIndex) {
    return nIndex >= 0 && nIndex < static_cast<int>(state.aItems.size());
}

// The item's rectangle: its place in the order, the window's full height.
RECT Item_Rect(HWND hWnd, const HEADER_STATE& state, int nIndex) {
    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    RECT rc = {0, 0, 0, rcClient.bottom};
    for (int nItem : state.aOrder) {
        rc.right = rc.left + state.aItems[nItem].nWidth;
        if (nItem == nIndex) return rc;
        rc.left = rc.right;
    }
    return RECT{0, 0, 0, 0};
}

// The item under x and whether x is on the divider at its right edge; -1 when none.
int Hit_Test(HWND hWnd, const HEADER_STATE& state, int x, bool* pbDivider) {
    *pbDivider = false;
    // Dividers first, right to left, so that a zero-width item can still be widened.
    for (auto it = state.aOrder.rbegin(); it != state.aOrder.rend(); ++it) {
        RECT rc = Item_Rect(hWnd, state, *it);
        if (std::abs(x - rc.right) <= kDividerSlop) {
            *pbDivider = true;
            return *it;
        }
    }
    for (int nItem : state.aOrder) {
        RECT rc = Item_Rect(hWnd, state, nItem);
        if (x >= rc.left && x < rc.right) return nItem;
    }
    return -1;
}

// Sends an HDN_* notification about an item; the parent's answer.
LRESULT Notify(HWND hWnd, UINT uCode, int nItem, HDITEMA* pItem) {
    NMHEADERA nm = {};
    nm.iItem = nItem;
    nm.pitem = pItem;
    return Control_Notify_Parent(hWnd, uCode, &nm.hdr);
}

// Changes an item's width with HDN_ITEMCHANGING (which may refuse) and HDN_ITEMCHANGED.
void Change_Width(HWND hWnd, int nItem, int nWidth) {
    HDITEMA change = {};
    change.mask = HDI_WIDTH;
    change.cxy = std::max(0, nWidth);
    if (Notify(hWnd, HDN_ITEMCHANGINGA, nItem, &change)) return;
    HEADER_STATE* pState = Find_State(hWnd);
    if (!pState || !Valid_Index(*pState, nItem)) return;
    pState->aItems[nItem].nWidth = change.cxy;
    InvalidateRect(hWnd, nullptr, TRUE);
    Notify(hWnd, HDN_ITEMCHANGEDA, nItem, &change);
}

void Copy_Into_Item(HEADER_ITEM* pItem, const HDITEMA& from) {
    if (from.mask & HDI_WIDTH) pItem->nWidth = std::max(0, from.cxy);
    if ((from.mask & HDI_TEXT) && from.pszText) pItem->stText = from.pszText;
    if (from.mask & HDI_FORMAT) pItem->nFormat = from.fmt;
    if (from.mask & HDI_LPARAM) pItem->lParam = from.lParam;
}

// Moves the item to position nOrder of the order array.
void Move_To_Order(HEADER_STATE* pState, int nItem, int nOrder) {
    auto it = std::find(pState->aOrder.begin(), pState->aOrder.end(), nItem);
    if (it == pState->aOrder.end()) return;
    pState->aOrder.erase(it);
    nOrder = std::clamp(nOrder, 0, static_cast<int>(pState->aOrder.size()));
    pState->aOrder.insert(pState->aOrder.begin() + nOrder, nItem);
}

LRESULT Insert_Item(HEADER_STATE* pState, int nIndex, const HDITEMA* pFrom) {
    if (!pFrom) return -1;
    nIndex = std::clamp(nIndex, 0, static_cast<int>(pState->aItems.size()));
    HEADER_ITEM item;
    Copy_Into_Item(&item, *pFrom);
    pState->aItems.insert(pState->aItems.begin() + nIndex, item);
    for (int& nItem : pState->aOrder)
        if (nItem >= nIndex) nItem++;
    pState->aOrder.push_back(nIndex);
    Move_To_Order(pState, nIndex, (pFrom->mask & HDI_ORDER) ? pFrom->iOrder : nIndex);
    return nIndex;
}

LRESULT Delete_Item(HEADER_STATE* pState, int nIndex) {
    if (!Valid_Index(*pState, nIndex)) return FALSE;
    pState->aItems.erase(pState->aItems.begin() + nIndex);
    pState->aOrder.erase(std::find(pState->aOrder.begin(), pState->aOrder.end(), nIndex));
    for (int& nItem : pState->aOrder)
        if (nItem > nIndex) nItem--;
    return TRUE;
}

LRESULT Get_Item(const HEADER_STATE& state, int nIndex, HDITEMA* pOut) {
    if (!pOut || !Valid_Index(state, nIndex)) return FALSE;
    const HEADER_ITEM& item = state.aItems[nIndex];
    if (pOut->mask & HDI_WIDTH) pOut->cxy = item.nWidth;
    if (pOut->mask & HDI_TEXT) Control_Copy_Text(item.stText, pOut->pszText, pOut->cchTextMax);
    if (pOut->mask & HDI_FORMAT) pOut->fmt = item.nFormat;
    if (pOut->mask & HDI_LPARAM) pOut->lParam = item.lParam;
    if (pOut->mask & HDI_ORDER)
        pOut->iOrder = static_cast<int>(
            std::find(state.aOrder.begin(), state.aOrder.end(), nIndex) - state.aOrder.begin());
    return TRUE;
}

LRESULT Set_Item(HWND hWnd, int nIndex, const HDITEMA* pFrom) {
    HEADER_STATE* pState = Find_State(hWnd);
    if (!pFrom || !pState || !Valid_Index(*pState, nIndex)) return FALSE;
    HDITEMA change = *pFrom;
    if (Notify(hWnd, HDN_ITEMCHANGINGA, nIndex, &change)) return FALSE;
    pState = Find_State(hWnd);
    if (!pState || !Valid_Index(*pState, nIndex)) return FALSE;
    Copy_Into_Item(&pState->aItems[nIndex], *pFrom);
    if (pFrom->mask & HDI_ORDER) Move_To_Order(pState, nIndex, pFrom->iOrder);
    InvalidateRect(hWnd, nullptr, TRUE);
    Notify(hWnd, HDN_ITEMCHANGEDA, nIndex, &change);
    return TRUE;
}

// A new order must name every item once.
LRESULT Set_Order(HWND hWnd, HEADER_STATE* pState, int nCount, const int* pOrder) {
    if (!pOrder || nCount != static_cast<int>(pState->aItems.size())) return FALSE;
    std::vector<int> aOrder(pOrder, pOrder + nCount);
    std::vector<int> aSorted = aOrder;
    std::sort(aSorted.begin(), aSorted.end());
    for (int i = 0; i < nCount; i++)
        if (aSorted[i] != i) return FALSE;
    pState->aOrder = aOrder;
    InvalidateRect(hWnd, nullptr, TRUE);
    return TRUE;
}

void Paint(HWND hWnd, const HEADER_STATE& state) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    FillRect(hdc, &rcClient, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ hOldFont = SelectObject(hdc, Font_Or_Default(state.hFont));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    int xEnd = 0;
    for (int nItem : state.aOrder) {
        RECT rc = Item_Rect(hWnd, state, nItem);
        xEnd = rc.right;
        if (rc.right <= rc.left) continue;
        bool bPressed = state.eMode == MODE_PRESSED && state.nActive == nItem;
        DrawFrameControl(hdc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (bPressed ? DFCS_PUSHED : 0));
        RECT rcText = {rc.left + 6, rc.top, rc.right - 6, rc.bottom};
        if (bPressed) {
            rcText.left++;
            rcText.right++;
            rcText.top++;
            rcText.bottom++;
        }
        const HEADER_ITEM& item = state.aItems[nItem];
        UINT uAlign = (item.nFormat & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                      : (item.nFormat & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                                       : DT_LEFT;
        DrawTextA(hdc, item.stText.c_str(), -1, &rcText,
                  uAlign | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (xEnd < rcClient.right) {
        RECT rcRest = {xEnd, 0, rcClient.right, rcClient.bottom};
        DrawEdge(hdc, &rcRest, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    SelectObject(hdc, hOldFont);
    EndPaint(hWnd, &ps);
}

void Button_Down(HWND hWnd, HEADER_STATE* pState, POINT pt, bool bDouble) {
    bool bDivider = false;
    int nItem = Hit_Test(hWnd, *pState, pt.x, &bDivider);
    if (nItem < 0) return;
    if (bDivider) {
        if (bDouble) {
            Notify(hWnd, HDN_DIVIDERDBLCLICKA, nItem, nullptr);
            return;
        }
        if (Notify(hWnd, HDN_BEGINTRACKA, nItem, nullptr)) return;
        pState = Find_State(hWnd);
        if (!pState || !Valid_Index(*pState, nItem)) return;
        pState->eMode = MODE_TRACKING;
        pState->nStartWidth = pState->aItems[nItem].nWidth;
    } else {
        if (!(GetWindowLongPtrA(hWnd, GWL_STYLE) & (HDS_BUTTONS | HDS_DRAGDROP))) return;
        if (bDouble) Notify(hWnd, HDN_ITEMDBLCLICKA, nItem, nullptr);
        pState = Find_State(hWnd);
        if (!pState) return;
        pState->eMode = MODE_PRESSED;
        InvalidateRect(hWnd, nullptr, TRUE);
    }
    pState->nActive = nItem;
    pState->ptDown = pt;
    SetCapture(hWnd);
}

void Mouse_Move(HWND hWnd, HEADER_STATE* pState, POINT pt) {
    int nItem = pState->nActive;
    if (pState->eMode == MODE_TRACKING) {
        Change_Width(hWnd, nItem, pState->nStartWidth + pt.x - pState->ptDown.x);
        return;
    }
    bool bFarEnough = std::abs(pt.x - pState->ptDown.x) >= kDragThreshold;
    if (pState->eMode != MODE_PRESSED || !bFarEnough ||
        !(GetWindowLongPtrA(hWnd, GWL_STYLE) & HDS_DRAGDROP))
        return;
    if (Notify(hWnd, HDN_BEGINDRAG, nItem, nullptr)) return;
    pState = Find_State(hWnd);
    if (pState && pState->eMode == MODE_PRESSED) {
        pState->eMode = MODE_DRAGGING;
        InvalidateRect(hWnd, nullptr, TRUE);
    }
}

// The place in the order an item dropped at x goes to.
int Drop_Order(HWND hWnd, const HEADER_STATE& state, int x) {
    for (size_t i = 0; i < state.aOrder.size(); i++) {
        RECT rc = Item_Rect(hWnd, state, state.aOrder[i]);
        if (x < rc.right) return static_cast<int>(i);
    }
    return static_cast<int>(state.aOrder.size()) - 1;
}

void Button_Up(HWND hWnd, HEADER_STATE* pState, POINT pt) {
    HEADER_MODE eMode = pState->eMode;
    int nItem = pState->nActive;
    pState->eMode = MODE_IDLE;
    pState->nActive = -1;
    if (GetCapture() == hWnd) ReleaseCapture();
    InvalidateRect(hWnd, nullptr, TRUE);
    if (eMode == MODE_TRACKING) {
        Notify(hWnd, HDN_ENDTRACKA, nItem, nullptr);
    } else if (eMode == MODE_DRAGGING) {
        HDITEMA drop = {};
        drop.mask = HDI_ORDER;
        drop.iOrder = Drop_Order(hWnd, *pState, pt.x);
        if (Notify(hWnd, HDN_ENDDRAG, nItem, &drop)) return;
        pState = Find_State(hWnd);
        if (!pState || !Valid_Index(*pState, nItem)) return;
        Move_To_Order(pState, nItem, drop.iOrder);
        // The owner draws its columns in the header's order.
        if (HWND hParent = GetParent(hWnd)) InvalidateRect(hParent, nullptr, TRUE);
    } else if (eMode == MODE_PRESSED) {
        bool bDivider = false;
        if (Hit_Test(hWnd, *pState, pt.x, &bDivider) == nItem && !bDivider &&
            (GetWindowLongPtrA(hWnd, GWL_STYLE) & HDS_BUTTONS))
            Notify(hWnd, HDN_ITEMCLICKA, nItem, nullptr);
    }
}

bool Set_Divider_Cursor(HWND hWnd, const HEADER_STATE& state) {
    POINT pt = Input_Cursor_Pos();
    ScreenToClient(hWnd, &pt);
    bool bDivider = false;
    if (Hit_Test(hWnd, state, pt.x, &bDivider) < 0 || !bDivider) return false;
    SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
    return true;
}

POINT Point_Of(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace
}  // namespace header_control

LRESULT Header_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    using namespace header_control;
    if (uMsg == WM_NCDESTROY) {
        gHeaders.erase(hWnd);
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
    HEADER_STATE* pState = &gHeaders[hWnd];
    int nIndex = static_cast<int>(wParam);
    switch (uMsg) {
    case HDM_GETITEMCOUNT: return static_cast<LRESULT>(pState->aItems.size());
    case HDM_INSERTITEMA: {
        LRESULT nResult = Insert_Item(pState, nIndex, reinterpret_cast<const HDITEMA*>(lParam));
        InvalidateRect(hWnd, nullptr, TRUE);
        return nResult;
    }
    case HDM_DELETEITEM: InvalidateRect(hWnd, nullptr, TRUE); return Delete_Item(pState, nIndex);
    case HDM_GETITEMA: return Get_Item(*pState, nIndex, reinterpret_cast<HDITEMA*>(lParam));
    case HDM_SETITEMA: return Set_Item(hWnd, nIndex, reinterpret_cast<const HDITEMA*>(lParam));
    case HDM_GETITEMRECT: {
        RECT* pRect = reinterpret_cast<RECT*>(lParam);
        if (!pRect || !Valid_Index(*pState, nIndex)) return FALSE;
        *pRect = Item_Rect(hWnd, *pState, nIndex);
        return TRUE;
    }
    case HDM_HITTEST: {
        HDHITTESTINFO* pInfo = reinterpret_cast<HDHITTESTINFO*>(lParam);
        if (!pInfo) return -1;
        bool bDivider = false;
        pInfo->iItem = Hit_Test(hWnd, *pState, pInfo->pt.x, &bDivider);
        pInfo->flags = pInfo->iItem < 0 ? HHT_NOWHERE : bDivider ? HHT_ONDIVIDER : HHT_ONHEADER;
        return pInfo->iItem;
    }
    case HDM_ORDERTOINDEX:
        return nIndex >= 0 && nIndex < static_cast<int>(pState->aOrder.size())
                   ? pState->aOrder[nIndex]
                   : nIndex;
    case HDM_GETORDERARRAY: {
        int* pOut = reinterpret_cast<int*>(lParam);
        if (!pOut || nIndex < static_cast<int>(pState->aOrder.size())) return FALSE;
        std::copy(pState->aOrder.begin(), pState->aOrder.end(), pOut);
        return TRUE;
    }
    case HDM_SETORDERARRAY:
        return Set_Order(hWnd, pState, nIndex, reinterpret_cast<const int*>(lParam));
    case WM_SETFONT:
        pState->hFont = reinterpret_cast<HFONT>(wParam);
        if (lParam) InvalidateRect(hWnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(pState->hFont);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hWnd, *pState); return 0;
    case WM_SETCURSOR:
        if (Set_Divider_Cursor(hWnd, *pState)) return TRUE;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Button_Down(hWnd, pState, Point_Of(lParam), uMsg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        if (pState->eMode != MODE_IDLE) Mouse_Move(hWnd, pState, Point_Of(lParam));
        return 0;
    case WM_LBUTTONUP:
        if (pState->eMode != MODE_IDLE) Button_Up(hWnd, pState, Point_Of(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (pState->eMode != MODE_IDLE && reinterpret_cast<HWND>(lParam) != hWnd) {
            pState->eMode = MODE_IDLE;
            InvalidateRect(hWnd, nullptr, TRUE);
        }
        return 0;
    case WM_RBUTTONUP: {
        NMHDR nm = {};
        Control_Notify_Parent(hWnd, NM_RCLICK, &nm);
        return 0;
    }
    default: break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
