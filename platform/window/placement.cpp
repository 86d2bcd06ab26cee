// Showing, hiding, moving and sizing windows: ShowWindow with minimize and maximize,
// SetWindowPos and MoveWindow with their messages, the saved normal placement, enabling, and
// the resizes and moves a backend's window manager makes.
#include "window_data.h"

namespace {

// Tells the window and the backend that it moved or changed size, and schedules the repaint.
void Announce_Geometry(WINDOW_DATA* w, bool bMoved, bool bSized, bool bRedraw, WPARAM uSizeKind) {
    HWND hWnd = w->hWnd;
    if (bMoved) {
        POINT pt = {0, 0};
        ClientToScreen(hWnd, &pt);
        if (Window_Is_Child(w)) ScreenToClient(w->hParent, &pt);
        SendMessageA(hWnd, WM_MOVE, 0, MAKELPARAM(pt.x, pt.y));
    }
    if (!(w = Window_Find(hWnd))) return;
    if (bSized) {
        SIZE size = Window_Client_Size(w);
        SendMessageA(hWnd, WM_SIZE, uSizeKind, MAKELPARAM(size.cx, size.cy));
    }
    if (!(w = Window_Find(hWnd))) return;
    if (bSized) w->bFrameInvalid = true;
    if (bRedraw && (bMoved || bSized)) {
        Window_Invalidate(w, nullptr, true, true);
        // What the window covered before shows its parent again.
        if (WINDOW_DATA* pParent = Window_Is_Child(w) ? Window_Find(w->hParent) : nullptr)
            Window_Invalidate(pParent, nullptr, true, false);
    }
    Backend()->Window_Changed(hWnd);
}

void Set_Visible(WINDOW_DATA* w, bool bShow) {
    HWND hWnd = w->hWnd;
    if (bShow == ((w->dwStyle & WS_VISIBLE) != 0)) return;
    SendMessageA(hWnd, WM_SHOWWINDOW, bShow ? TRUE : FALSE, 0);
    if (!(w = Window_Find(hWnd))) return;
    if (bShow) {
        w->dwStyle |= WS_VISIBLE;
        w->bFrameInvalid = true;
        Window_Invalidate(w, nullptr, true, true);
    } else {
        w->dwStyle &= ~static_cast<DWORD>(WS_VISIBLE);
        if (WINDOW_DATA* pParent = Window_Is_Child(w) ? Window_Find(w->hParent) : nullptr)
            Window_Invalidate(pParent, &w->rcWindow, true, false);
    }
    Backend()->Window_Changed(hWnd);
}

bool Is_Normal(const WINDOW_DATA* w) { return !(w->dwStyle & (WS_MINIMIZE | WS_MAXIMIZE)); }

// The rectangle a maximized window fills: its parent's client area, or for a top-level window the
// work area with the sizing frame just outside it.
RECT Maximized_Rect(const WINDOW_DATA* w) {
    if (Window_Is_Child(w)) {
        RECT rc;
        GetClientRect(w->hParent, &rc);
        return rc;
    }
    RECT rc = Backend()->Work_Area();
    int n = Window_Nonclient_Insets(w->dwStyle, w->dwExStyle, 0).left;
    return {rc.left - n, rc.top - n, rc.right + n, rc.bottom + n};
}

// Fills the maximized rectangle; the normal placement must be saved already.
void Apply_Maximized(WINDOW_DATA* w) {
    w->dwStyle = (w->dwStyle & ~static_cast<DWORD>(WS_MINIMIZE)) | WS_MAXIMIZE;
    w->bRestoreMaximized = false;
    w->rcWindow = Maximized_Rect(w);
    Announce_Geometry(w, true, true, true, SIZE_MAXIMIZED);
}

void Maximize(WINDOW_DATA* w) {
    if (w->dwStyle & WS_MAXIMIZE) return;
    if (Is_Normal(w)) w->rcNormal = w->rcWindow;
    Apply_Maximized(w);
}

void Minimize(WINDOW_DATA* w) {
    if (w->dwStyle & WS_MINIMIZE) return;
    if (Is_Normal(w)) w->rcNormal = w->rcWindow;
    w->bRestoreMaximized = (w->dwStyle & WS_MAXIMIZE) != 0;
    w->dwStyle = (w->dwStyle & ~static_cast<DWORD>(WS_MAXIMIZE)) | WS_MINIMIZE;
    if (GetFocus() && Window_Get_Top_Level(GetFocus()) == w->hWnd) SetFocus(nullptr);
    Announce_Geometry(w, false, true, false, SIZE_MINIMIZED);
}

void Restore(WINDOW_DATA* w) {
    if (Is_Normal(w)) return;
    if ((w->dwStyle & WS_MINIMIZE) && w->bRestoreMaximized) {
        Apply_Maximized(w);
        return;
    }
    w->dwStyle &= ~static_cast<DWORD>(WS_MINIMIZE | WS_MAXIMIZE);
    w->rcWindow = w->rcNormal;
    Announce_Geometry(w, true, true, true, SIZE_RESTORED);
}

bool Shows_Active(int nCmdShow) {
    return nCmdShow == SW_SHOWNORMAL || nCmdShow == SW_SHOWMAXIMIZED || nCmdShow == SW_RESTORE ||
           nCmdShow == SW_SHOWMINIMIZED;
}

}  // namespace

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    bool bWasVisible = (w->dwStyle & WS_VISIBLE) != 0;
    Set_Visible(w, nCmdShow != SW_HIDE);
    if (!(w = Window_Find(hWnd))) return bWasVisible ? TRUE : FALSE;
    switch (nCmdShow) {
    case SW_SHOWMAXIMIZED: Maximize(w); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: Minimize(w); break;
    case SW_SHOWNORMAL:
    case SW_RESTORE: Restore(w); break;
    }
    if (Window_Find(hWnd) && !Window_Is_Child(Window_Find(hWnd)) && Shows_Active(nCmdShow))
        SetActiveWindow(hWnd);
    return bWasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    // A child shows only while every window it sits in shows.
    for (; w; w = Window_Is_Child(w) ? Window_Find(w->hParent) : nullptr)
        if (!(w->dwStyle & WS_VISIBLE)) return FALSE;
    return TRUE;
}

BOOL IsIconic(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    return w && (w->dwStyle & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    return w && (w->dwStyle & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND hWnd, HWND hInsertAfter, int x, int y, int cx, int cy, UINT uFlags) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    RECT rcOld = w->rcWindow;
    if (!(uFlags & SWP_NOMOVE)) {
        w->rcWindow.right += x - w->rcWindow.left;
        w->rcWindow.bottom += y - w->rcWindow.top;
        w->rcWindow.left = x;
        w->rcWindow.top = y;
    }
    if (!(uFlags & SWP_NOSIZE)) {
        w->rcWindow.right = w->rcWindow.left + (cx > 0 ? cx : 0);
        w->rcWindow.bottom = w->rcWindow.top + (cy > 0 ? cy : 0);
    }
    if (Is_Normal(w)) w->rcNormal = w->rcWindow;
    if (!(uFlags & SWP_NOZORDER)) Window_Place_In_Order(hWnd, hInsertAfter);
    bool bMoved = rcOld.left != w->rcWindow.left || rcOld.top != w->rcWindow.top;
    bool bSized = rcOld.right - rcOld.left != w->rcWindow.right - w->rcWindow.left ||
                  rcOld.bottom - rcOld.top != w->rcWindow.bottom - w->rcWindow.top;
    Announce_Geometry(w, bMoved, bSized || (uFlags & SWP_FRAMECHANGED), !(uFlags & SWP_NOREDRAW),
                      (w->dwStyle & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED);
    if (!(w = Window_Find(hWnd))) return TRUE;
    if (uFlags & SWP_SHOWWINDOW) Set_Visible(w, true);
    if ((w = Window_Find(hWnd)) && (uFlags & SWP_HIDEWINDOW)) Set_Visible(w, false);
    if ((w = Window_Find(hWnd)) && !Window_Is_Child(w) && !(uFlags & SWP_NOACTIVATE))
        SetActiveWindow(hWnd);
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    UINT uFlags = SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW);
    return SetWindowPos(hWnd, nullptr, x, y, nWidth, nHeight, uFlags);
}

BOOL GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* pPlacement) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !pPlacement) return FALSE;
    pPlacement->flags = 0;
    pPlacement->showCmd = (w->dwStyle & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
                          : (w->dwStyle & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                                       : SW_SHOWNORMAL;
    pPlacement->ptMinPosition = {-1, -1};
    pPlacement->ptMaxPosition = {-1, -1};
    pPlacement->rcNormalPosition = Is_Normal(w) ? w->rcWindow : w->rcNormal;
    return TRUE;
}

BOOL SetWindowPlacement(HWND hWnd, const WINDOWPLACEMENT* pPlacement) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !pPlacement) return FALSE;
    const RECT& rc = pPlacement->rcNormalPosition;
    if (Is_Normal(w))
        SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    else
        w->rcNormal = rc;
    if (Window_Find(hWnd)) ShowWindow(hWnd, static_cast<int>(pPlacement->showCmd));
    return TRUE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return FALSE;
    bool bWasDisabled = (w->dwStyle & WS_DISABLED) != 0;
    if (bWasDisabled == !bEnable) return bWasDisabled ? TRUE : FALSE;
    if (bEnable) {
        w->dwStyle &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        w->dwStyle |= WS_DISABLED;
        if (GetFocus() == hWnd) SetFocus(nullptr);
        if (GetCapture() == hWnd) ReleaseCapture();
    }
    SendMessageA(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    InvalidateRect(hWnd, nullptr, TRUE);
    return bWasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    return w && !(w->dwStyle & WS_DISABLED) ? TRUE : FALSE;
}

RECT Window_User_Resize(HWND hWnd, int nEdge, RECT rcProposed) {
    RECT rc = rcProposed;
    SendMessageA(hWnd, WM_ENTERSIZEMOVE, 0, 0);
    SendMessageA(hWnd, WM_SIZING, static_cast<WPARAM>(nEdge), reinterpret_cast<LPARAM>(&rc));
    WINDOW_DATA* w = Window_Find(hWnd);
    if (w) {
        // A user resize of a maximized window makes it a normal one again.
        w->dwStyle &= ~static_cast<DWORD>(WS_MAXIMIZE | WS_MINIMIZE);
        SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageA(hWnd, WM_EXITSIZEMOVE, 0, 0);
    return rc;
}

void Window_User_Move(HWND hWnd, int x, int y) {
    SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
