// Paint requests: each window keeps the union of its invalidated rectangles and whether the
// background must be erased; WM_PAINT comes while it is not empty. A parent's repaint covers its
// children's pixels, so invalidating a parent invalidates the children under the rectangle too,
// their borders included.
#include "window_data.h"

#include <algorithm>

namespace {

bool Rect_Is_Empty(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

RECT Rect_Union(const RECT& a, const RECT& b) {
    if (Rect_Is_Empty(a)) return b;
    if (Rect_Is_Empty(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

RECT Rect_Intersection(const RECT& a, const RECT& b) {
    RECT rc = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
    return Rect_Is_Empty(rc) ? RECT{0, 0, 0, 0} : rc;
}

bool Rect_Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

RECT Whole_Client(const WINDOW_DATA* w) {
    SIZE size = Window_Client_Size(w);
    return {0, 0, size.cx, size.cy};
}

// Takes rc (client coordinates) off the window's update area; a remainder that is not a
// rectangle keeps the whole area.
void Validate_Part(WINDOW_DATA* w, const RECT& rc) {
    if (!w->bHasUpdate) return;
    if (Rect_Contains(rc, w->rcUpdate)) {
        Window_Validate(w->hWnd);
        return;
    }
    RECT& u = w->rcUpdate;
    bool bSpansX = rc.left <= u.left && rc.right >= u.right;
    bool bSpansY = rc.top <= u.top && rc.bottom >= u.bottom;
    if (bSpansX && rc.top <= u.top && rc.bottom > u.top)
        u.top = rc.bottom;
    else if (bSpansX && rc.bottom >= u.bottom && rc.top < u.bottom)
        u.bottom = rc.top;
    else if (bSpansY && rc.left <= u.left && rc.right > u.left)
        u.left = rc.right;
    else if (bSpansY && rc.right >= u.right && rc.left < u.right)
        u.right = rc.left;
}

}  // namespace

void Window_Invalidate(WINDOW_DATA* w, const RECT* pRect, bool bErase, bool bChildren) {
    RECT rcClient = Whole_Client(w);
    RECT rc = pRect ? Rect_Intersection(*pRect, rcClient) : rcClient;
    // A window with no client area still gets its one WM_PAINT when all of it is invalidated.
    if (Rect_Is_Empty(rc) && pRect) return;
    w->rcUpdate = w->bHasUpdate ? Rect_Union(w->rcUpdate, rc) : rc;
    w->bHasUpdate = true;
    w->bInvalid = true;
    w->bErase = w->bErase || bErase;
    if (!bChildren) return;
    for (HWND hChild : w->aChildren) {
        WINDOW_DATA* c = Window_Find(hChild);
        if (!c || !Window_Is_Child(c) || !(c->dwStyle & WS_VISIBLE)) continue;
        // The child's client area in the parent's client coordinates.
        RECT rcInsets = Window_Nonclient_Insets(c->dwStyle, c->dwExStyle, 0);
        int dx = c->rcWindow.left + rcInsets.left, dy = c->rcWindow.top + rcInsets.top;
        RECT rcOver = Rect_Intersection(
            rc, {c->rcWindow.left, c->rcWindow.top, c->rcWindow.right, c->rcWindow.bottom});
        if (Rect_Is_Empty(rcOver)) continue;
        RECT rcInChild = {rcOver.left - dx, rcOver.top - dy, rcOver.right - dx, rcOver.bottom - dy};
        // The parent's paint covers the child's border as well as its client area.
        if (!Rect_Contains(Whole_Client(c), rcInChild)) {
            c->bFrameInvalid = true;
            c->bInvalid = true;
        }
        Window_Invalidate(c, &rcInChild, bErase, true);
    }
}

BOOL InvalidateRect(HWND hWnd, const RECT* pRect, BOOL bErase) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    Window_Invalidate(w, pRect, bErase != FALSE, true);
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* pRect) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    if (pRect)
        Validate_Part(w, *pRect);
    else
        Window_Validate(hWnd);
    return TRUE;
}

BOOL GetUpdateRect(HWND hWnd, RECT* pRect, BOOL bErase) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    RECT rc = w->bHasUpdate ? w->rcUpdate : RECT{0, 0, 0, 0};
    if (pRect) *pRect = rc;
    if (bErase && w->bHasUpdate && w->bErase) {
        w->bErase = false;
        SendMessageA(hWnd, WM_ERASEBKGND, 0, 0);
    }
    return Rect_Is_Empty(rc) ? FALSE : TRUE;
}

BOOL RedrawWindow(HWND hWnd, const RECT* pRect, HRGN /*hRegion*/, UINT uFlags) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    bool bChildren = (uFlags & RDW_ALLCHILDREN) != 0 && !(uFlags & RDW_NOCHILDREN);
    if (uFlags & (RDW_INVALIDATE | RDW_INTERNALPAINT))
        Window_Invalidate(w, pRect, (uFlags & RDW_ERASE) != 0, bChildren);
    else if (uFlags & RDW_VALIDATE)
        ValidateRect(hWnd, pRect);
    if (uFlags & RDW_UPDATENOW) {
        UpdateWindow(hWnd);
        if (bChildren)
            for (HWND hChild : Window_Visible_Children(hWnd))
                RedrawWindow(hChild, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    if (w->bInvalid && IsWindowVisible(hWnd)) {
        // The request drops before the paint: a procedure that never validates is not repainted
        // forever. The update area stays for BeginPaint.
        w->bInvalid = false;
        SendMessageA(hWnd, WM_PAINT, 0, 0);
        Menu_Paint_Open(Window_Get_Top_Level(hWnd));  // an open drop-down stays on top
    }
    return TRUE;
}

HWND Window_Find_Invalid(HWND hFilter) {
    if (!hFilter) return Window_Find_Oldest_Invalid();
    WINDOW_DATA* w = Window_Find(hFilter);
    return w && w->bInvalid && IsWindowVisible(hFilter) ? hFilter : nullptr;
}

void Window_Paint_Delivered(HWND hWnd) {
    if (WINDOW_DATA* w = Window_Find(hWnd)) w->bInvalid = false;
}

void Window_Validate(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return;
    w->bInvalid = false;
    w->bHasUpdate = false;
    w->bErase = false;
    w->rcUpdate = {0, 0, 0, 0};
}

RECT Window_Take_Update_Rect(HWND hWnd, bool* pbErase) {
    if (pbErase) *pbErase = false;
    Window_Paint_Frame_If_Needed(hWnd);
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !w->bHasUpdate) return {0, 0, 0, 0};
    RECT rc = w->rcUpdate;
    if (pbErase) *pbErase = w->bErase;
    Window_Validate(hWnd);
    return rc;
}
