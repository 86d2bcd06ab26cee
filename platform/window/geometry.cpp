// Where windows are: the frame, caption and menu bar around the client area (fixed metrics, see
// windows.h), conversions between screen, window and client coordinates, hit-testing and the
// system metrics.
#include <strings.h>

#include "window_data.h"

namespace {

// The frame's thickness on each side: sizing frame, fixed frame, border or none, with the edges
// inside it.
int Frame_Thickness(DWORD dwStyle, DWORD dwExStyle) {
    int n = 0;
    if (dwStyle & WS_THICKFRAME)
        n = METRIC_SIZING_FRAME;
    else if ((dwStyle & WS_DLGFRAME) || (dwExStyle & WS_EX_DLGMODALFRAME))
        n = METRIC_FIXED_FRAME;
    else if (dwStyle & WS_BORDER)
        n = METRIC_BORDER;
    if (dwExStyle & WS_EX_CLIENTEDGE) n += METRIC_EDGE;
    if (dwExStyle & WS_EX_STATICEDGE) n += METRIC_BORDER;
    return n;
}

int Menu_Height_Of(const WINDOW_DATA* w) {
    return Window_Is_Child(w) ? 0 : Menu_Bar_Height(w->hWnd);
}

// The window's top-left corner on the screen.
POINT Window_Origin(const WINDOW_DATA* w) {
    POINT pt = {w->rcWindow.left, w->rcWindow.top};
    if (!Window_Is_Child(w)) return pt;
    POINT ptParent = {0, 0};
    ClientToScreen(w->hParent, &ptParent);
    return {pt.x + ptParent.x, pt.y + ptParent.y};
}

// The client area's top-left corner on the screen.
POINT Client_Origin(const WINDOW_DATA* w) {
    POINT pt = Window_Origin(w);
    RECT rcInsets = Window_Nonclient_Insets(w->dwStyle, w->dwExStyle, Menu_Height_Of(w));
    return {pt.x + rcInsets.left, pt.y + rcInsets.top};
}

bool Point_In(const RECT& rc, POINT pt) {
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

}  // namespace

// A group box lets the mouse through to the controls it frames, as its hit test says.
static bool Is_Group_Box(const WINDOW_DATA* w) {
    return strcasecmp(w->stClass.c_str(), "Button") == 0 && (w->dwStyle & 0x0F) == BS_GROUPBOX;
}

HWND Window_Child_At(HWND hWnd, POINT pt) {
    for (HWND hChild : Window_Visible_Children(hWnd)) {
        WINDOW_DATA* c = Window_Find(hChild);
        if (!c || !Window_Is_Child(c) || (c->dwStyle & WS_DISABLED) || Is_Group_Box(c)) continue;
        RECT rc;
        GetWindowRect(hChild, &rc);
        if (Point_In(rc, pt)) return Window_Child_At(hChild, pt);
    }
    return hWnd;
}

bool Window_Is_Child(const WINDOW_DATA* w) {
    return (w->dwStyle & WS_CHILD) && Window_Find(w->hParent);
}

RECT Window_Nonclient_Insets(DWORD dwStyle, DWORD dwExStyle, int nMenuHeight) {
    int n = Frame_Thickness(dwStyle, dwExStyle);
    int nTop = n + nMenuHeight;
    if ((dwStyle & WS_CAPTION) == WS_CAPTION) nTop += METRIC_CAPTION;
    return {n, nTop, n, n};
}

SIZE Window_Client_Size(const WINDOW_DATA* w) {
    if (w->dwStyle & WS_MINIMIZE) return {0, 0};
    RECT rcInsets = Window_Nonclient_Insets(w->dwStyle, w->dwExStyle, Menu_Height_Of(w));
    LONG cx = w->rcWindow.right - w->rcWindow.left - rcInsets.left - rcInsets.right;
    LONG cy = w->rcWindow.bottom - w->rcWindow.top - rcInsets.top - rcInsets.bottom;
    return {cx > 0 ? cx : 0, cy > 0 ? cy : 0};
}

// ---- what the drawing layer and the backends ask ---------------------------------------------------

HWND Window_Get_Top_Level(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    while (w && Window_Is_Child(w)) w = Window_Find(w->hParent);
    return w ? w->hWnd : nullptr;
}

HWND Window_Get_Host(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(Window_Get_Top_Level(hWnd));
    while (w && Window_Find(w->hParent)) w = Window_Find(Window_Get_Top_Level(w->hParent));
    return w ? w->hWnd : nullptr;
}

bool Window_Is_Host(HWND hWnd) { return hWnd && Window_Get_Host(hWnd) == hWnd; }

RECT Window_Frame_In_Surface(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    WINDOW_DATA* pTop = Window_Find(Window_Get_Top_Level(hWnd));
    if (!w || !pTop) return {0, 0, 0, 0};
    POINT pt = Window_Origin(w);
    int x = pt.x - pTop->rcWindow.left, y = pt.y - pTop->rcWindow.top;
    return {x, y, x + w->rcWindow.right - w->rcWindow.left,
            y + w->rcWindow.bottom - w->rcWindow.top};
}

RECT Window_Client_In_Surface(HWND hWnd) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w) return {0, 0, 0, 0};
    RECT rcFrame = Window_Frame_In_Surface(hWnd);
    RECT rcInsets = Window_Nonclient_Insets(w->dwStyle, w->dwExStyle, Menu_Height_Of(w));
    SIZE size = Window_Client_Size(w);
    int x = rcFrame.left + rcInsets.left, y = rcFrame.top + rcInsets.top;
    return {x, y, x + size.cx, y + size.cy};
}

std::vector<HWND> Window_Visible_Children(HWND hWnd) {
    std::vector<HWND> children;
    if (WINDOW_DATA* w = Window_Find(hWnd))
        for (auto it = w->aChildren.rbegin(); it != w->aChildren.rend(); ++it)
            if (WINDOW_DATA* c = Window_Find(*it);
                c && Window_Is_Child(c) && (c->dwStyle & WS_VISIBLE))
                children.push_back(*it);
    return children;
}

// ---- rectangles and points ---------------------------------------------------------------------------

BOOL GetClientRect(HWND hWnd, RECT* pRect) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !pRect) return FALSE;
    SIZE size = Window_Client_Size(w);
    *pRect = {0, 0, size.cx, size.cy};
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, RECT* pRect) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !pRect) return FALSE;
    POINT pt = Window_Origin(w);
    *pRect = {pt.x, pt.y, pt.x + w->rcWindow.right - w->rcWindow.left,
              pt.y + w->rcWindow.bottom - w->rcWindow.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, POINT* pPoint) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !pPoint) return FALSE;
    POINT ptOrigin = Client_Origin(w);
    pPoint->x += ptOrigin.x;
    pPoint->y += ptOrigin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, POINT* pPoint) {
    WINDOW_DATA* w = Window_Find(hWnd);
    if (!w || !pPoint) return FALSE;
    POINT ptOrigin = Client_Origin(w);
    pPoint->x -= ptOrigin.x;
    pPoint->y -= ptOrigin.y;
    return TRUE;
}

// A null window stands for the screen. Returns the horizontal offset in the low word and the
// vertical one in the high word, as the real call does.
int MapWindowPoints(HWND hFrom, HWND hTo, POINT* pPoints, UINT nCount) {
    POINT ptFrom = {0, 0}, ptTo = {0, 0};
    if ((hFrom && !ClientToScreen(hFrom, &ptFrom)) || (hTo && !ClientToScreen(hTo, &ptTo)))
        return 0;
    int dx = ptFrom.x - ptTo.x, dy = ptFrom.y - ptTo.y;
    for (UINT i = 0; pPoints && i < nCount; i++) {
        pPoints[i].x += dx;
        pPoints[i].y += dy;
    }
    return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

BOOL AdjustWindowRectEx(RECT* pRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (!pRect) return FALSE;
    RECT rcInsets = Window_Nonclient_Insets(dwStyle, dwExStyle, bMenu ? METRIC_MENU : 0);
    pRect->left -= rcInsets.left;
    pRect->top -= rcInsets.top;
    pRect->right += rcInsets.right;
    pRect->bottom += rcInsets.bottom;
    return TRUE;
}

// ---- hit-testing ------------------------------------------------------------------------------

HWND WindowFromPoint(POINT pt) {
    std::vector<HWND>& aOrder = Window_Z_Order();
    for (auto it = aOrder.rbegin(); it != aOrder.rend(); ++it) {
        WINDOW_DATA* w = Window_Find(*it);
        RECT rc;
        if (!w || !(w->dwStyle & WS_VISIBLE) || !GetWindowRect(*it, &rc) || !Point_In(rc, pt))
            continue;
        return Window_Child_At(*it, pt);
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND hParent, POINT pt) {
    WINDOW_DATA* w = Window_Find(hParent);
    RECT rcClient;
    if (!w || !GetClientRect(hParent, &rcClient) || !Point_In(rcClient, pt)) return nullptr;
    for (auto it = w->aChildren.rbegin(); it != w->aChildren.rend(); ++it) {
        WINDOW_DATA* c = Window_Find(*it);
        if (c && Window_Is_Child(c) && Point_In(c->rcWindow, pt)) return *it;
    }
    return hParent;
}

// ---- metrics ----------------------------------------------------------------------------------

int GetSystemMetrics(int nIndex) {
    SIZE screen = Backend()->Screen_Size();
    RECT rcWork = Backend()->Work_Area();
    switch (nIndex) {
    case SM_CXSCREEN: return screen.cx;
    case SM_CYSCREEN: return screen.cy;
    case SM_CXFULLSCREEN: return rcWork.right - rcWork.left;
    case SM_CYFULLSCREEN: return rcWork.bottom - rcWork.top - METRIC_CAPTION;
    case SM_CXMAXIMIZED: return rcWork.right - rcWork.left + 2 * METRIC_SIZING_FRAME;
    case SM_CYMAXIMIZED: return rcWork.bottom - rcWork.top + 2 * METRIC_SIZING_FRAME;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return 17;
    case SM_CYCAPTION: return METRIC_CAPTION;
    case SM_CXBORDER:
    case SM_CYBORDER: return METRIC_BORDER;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return METRIC_FIXED_FRAME;
    case SM_CXFRAME:
    case SM_CYFRAME: return METRIC_SIZING_FRAME;
    case SM_CXEDGE:
    case SM_CYEDGE: return METRIC_EDGE;
    case SM_CYMENU: return METRIC_MENU;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return METRIC_CAPTION + 2 * METRIC_SIZING_FRAME;
    case SM_CXMINTRACK: return 112;
    case SM_CYMINTRACK: return METRIC_CAPTION + 2 * METRIC_SIZING_FRAME;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    }
    return 0;
}

BOOL SystemParametersInfoA(UINT uAction, UINT /*uParam*/, LPVOID pParam, UINT /*fWinIni*/) {
    if (uAction != SPI_GETWORKAREA || !pParam) return FALSE;
    *static_cast<RECT*>(pParam) = Backend()->Work_Area();
    return TRUE;
}
