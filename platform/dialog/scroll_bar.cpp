// Scroll bars: the "SCROLLBAR" window class (bars and size grips), the state of every window's
// own WS_VSCROLL / WS_HSCROLL bars, and the drawing and hit-testing the controls with scroll
// bars share.
#include "../platform_internal.h"

#include <algorithm>
#include <map>

namespace {

struct SCROLL_BAR_DATA {
    int nMin = 0;
    int nMax = 100;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
    bool bVisible = true;
    UINT uDisabledArrows = ESB_ENABLE_BOTH;
};

// SB_HORZ, SB_VERT and SB_CTL, by window.
struct WINDOW_SCROLL_BARS {
    SCROLL_BAR_DATA aBars[3];
};

std::map<HWND, WINDOW_SCROLL_BARS> gScrollBars;

// What the mouse is doing to a SCROLLBAR control.
struct SCROLL_DRAG {
    int nCode = -1;          // the SB_* code of the part pressed; -1 when the mouse is not down
    int nGrab = 0;           // where the thumb was taken, from its start
    POINT ptStart = {0, 0};  // size grips: the cursor and the top-level window when pressed
    RECT rcStart = {0, 0, 0, 0};
};

std::map<HWND, SCROLL_DRAG> gScrollDrags;

// The smallest thumb, in pixels.
const int kMinThumb = 8;

SCROLL_BAR_DATA* Find_Bar(HWND hWnd, int nBar) {
    if (!IsWindow(hWnd) || nBar < SB_HORZ || nBar > SB_CTL) return nullptr;
    return &gScrollBars[hWnd].aBars[nBar];
}

int Range_Length(const SCROLL_BAR_DATA& b) { return b.nMax - b.nMin + 1; }

// The highest position: the last page ends at nMax.
int Max_Pos(int nMin, int nMax, UINT nPage) {
    int nLast = nMax - std::max(static_cast<int>(nPage) - 1, 0);
    return std::max(nMin, nLast);
}

void Clamp(SCROLL_BAR_DATA& b) {
    if (b.nMax < b.nMin) b.nMax = b.nMin;
    b.nPage = std::min(b.nPage, static_cast<UINT>(Range_Length(b)));
    b.nPos = std::clamp(b.nPos, b.nMin, Max_Pos(b.nMin, b.nMax, b.nPage));
    b.nTrackPos = std::clamp(b.nTrackPos, b.nMin, Max_Pos(b.nMin, b.nMax, b.nPage));
}

void Redraw_Bar(HWND hWnd) { InvalidateRect(hWnd, nullptr, TRUE); }

SCROLLINFO Info_Of(const SCROLL_BAR_DATA& b) {
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, b.nMin, b.nMax, b.nPage, b.nPos, b.nTrackPos};
    return info;
}

// ---- geometry ----------------------------------------------------------------------------------

// A bar's parts along its length, in pixels from its top (left) edge.
struct BAR_LAYOUT {
    int nStart;       // the bar's first pixel
    int nEnd;         // past its last pixel
    int nArrow;       // each arrow button's length
    int nThumbStart;  // the thumb; empty when the bar cannot scroll
    int nThumbEnd;
};

BAR_LAYOUT Layout(const RECT& rc, bool bVertical, const SCROLLINFO& info) {
    BAR_LAYOUT l;
    l.nStart = bVertical ? rc.top : rc.left;
    l.nEnd = bVertical ? rc.bottom : rc.right;
    int nWidth = bVertical ? rc.right - rc.left : rc.bottom - rc.top;
    int nLength = l.nEnd - l.nStart;
    l.nArrow = std::min(nWidth, nLength / 2);
    l.nThumbStart = l.nThumbEnd = l.nStart + l.nArrow;
    int nTrack = nLength - 2 * l.nArrow;
    int nRange = info.nMax - info.nMin + 1;
    int nSpan = nRange - std::max(static_cast<int>(info.nPage), 1);
    if (nRange <= 1 || nSpan <= 0 || static_cast<int>(info.nPage) >= nRange) return l;
    int nThumb = info.nPage ? static_cast<int>(static_cast<long long>(nTrack) * info.nPage / nRange)
                            : nWidth;
    nThumb = std::max(nThumb, kMinThumb);
    if (nThumb > nTrack) return l;
    int nOffset =
        static_cast<int>(static_cast<long long>(nTrack - nThumb) *
                         (std::clamp(info.nPos, info.nMin, info.nMin + nSpan) - info.nMin) / nSpan);
    l.nThumbStart = l.nStart + l.nArrow + nOffset;
    l.nThumbEnd = l.nThumbStart + nThumb;
    return l;
}

// A span along the bar as a rectangle across its whole width.
RECT Span_Rect(const RECT& rc, bool bVertical, int nFrom, int nTo) {
    if (bVertical) return {rc.left, nFrom, rc.right, nTo};
    return {nFrom, rc.top, nTo, rc.bottom};
}

HWND Parent_Or_Self(HWND hWnd) {
    HWND hParent = GetParent(hWnd);
    return hParent ? hParent : hWnd;
}

bool Is_Size_Grip(HWND hWnd) {
    return (GetWindowLongPtrA(hWnd, GWL_STYLE) & (SBS_SIZEGRIP | SBS_SIZEBOX)) != 0;
}

bool Is_Vertical(HWND hWnd) { return (GetWindowLongPtrA(hWnd, GWL_STYLE) & SBS_VERT) != 0; }

void Send_Scroll(HWND hWnd, int nCode, int nPos) {
    SendMessageA(Parent_Or_Self(hWnd), Is_Vertical(hWnd) ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(nCode, nPos), reinterpret_cast<LPARAM>(hWnd));
}

// ---- the SCROLLBAR control -----------------------------------------------------------------------

void Control_Paint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    RECT rc;
    GetClientRect(hWnd, &rc);
    if (Is_Size_Grip(hWnd)) {
        FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
        DrawFrameControl(hdc, &rc, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    } else {
        const SCROLL_BAR_DATA& b = gScrollBars[hWnd].aBars[SB_CTL];
        Scroll_Bar_Draw(hdc, rc, Is_Vertical(hWnd), Info_Of(b),
                        IsWindowEnabled(hWnd) && b.uDisabledArrows != ESB_DISABLE_BOTH);
    }
    EndPaint(hWnd, &ps);
}

POINT Screen_Point(HWND hWnd, LPARAM lParam) {
    POINT pt = Control_Mouse_Point(lParam);
    ClientToScreen(hWnd, &pt);
    return pt;
}

void Bar_Mouse(HWND hWnd, UINT uMsg, LPARAM lParam) {
    SCROLL_DRAG& d = gScrollDrags[hWnd];
    SCROLL_BAR_DATA& b = gScrollBars[hWnd].aBars[SB_CTL];
    RECT rc;
    GetClientRect(hWnd, &rc);
    bool bVertical = Is_Vertical(hWnd);
    POINT pt = Control_Mouse_Point(lParam);
    SCROLLINFO info = Info_Of(b);
    if (uMsg == WM_LBUTTONDOWN) {
        if (!IsWindowEnabled(hWnd) || b.uDisabledArrows == ESB_DISABLE_BOTH) return;
        int nCode = Scroll_Bar_Hit(rc, bVertical, info, pt);
        if (nCode < 0) return;
        d.nCode = nCode;
        SetCapture(hWnd);
        if (nCode == SB_THUMBTRACK) {
            BAR_LAYOUT l = Layout(rc, bVertical, info);
            d.nGrab = (bVertical ? pt.y : pt.x) - l.nThumbStart;
            b.nTrackPos = b.nPos;
        } else {
            Send_Scroll(hWnd, nCode, 0);
        }
        return;
    }
    if (d.nCode < 0) return;
    if (uMsg == WM_MOUSEMOVE && d.nCode == SB_THUMBTRACK) {
        b.nTrackPos = Scroll_Bar_Track_Pos(rc, bVertical, info, pt, d.nGrab);
        Send_Scroll(hWnd, SB_THUMBTRACK, b.nTrackPos);
    } else if (uMsg == WM_LBUTTONUP) {
        if (d.nCode == SB_THUMBTRACK) {
            b.nTrackPos = Scroll_Bar_Track_Pos(rc, bVertical, info, pt, d.nGrab);
            Send_Scroll(hWnd, SB_THUMBPOSITION, b.nTrackPos);
        }
        d.nCode = -1;
        if (GetCapture() == hWnd) ReleaseCapture();
        Send_Scroll(hWnd, SB_ENDSCROLL, 0);
    }
}

int Key_Code(WPARAM wKey) {
    switch (wKey) {
    case VK_UP:
    case VK_LEFT: return SB_LINEUP;
    case VK_DOWN:
    case VK_RIGHT: return SB_LINEDOWN;
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_HOME: return SB_TOP;
    case VK_END: return SB_BOTTOM;
    default: return -1;
    }
}

}  // namespace

// ---- shared drawing and hit-testing --------------------------------------------------------------

void Scroll_Bar_Draw(HDC hdc, const RECT& rc, bool bVertical, const SCROLLINFO& info,
                     bool bEnabled) {
    SCROLLINFO shown = info;
    if (!bEnabled) shown.nPage = static_cast<UINT>(shown.nMax - shown.nMin + 1);
    BAR_LAYOUT l = Layout(rc, bVertical, shown);
    UINT uInactive = bEnabled ? 0 : DFCS_INACTIVE;
    RECT rcTrack = Span_Rect(rc, bVertical, l.nStart + l.nArrow, l.nEnd - l.nArrow);
    FillRect(hdc, &rcTrack, GetSysColorBrush(COLOR_SCROLLBAR));
    RECT rcUp = Span_Rect(rc, bVertical, l.nStart, l.nStart + l.nArrow);
    RECT rcDown = Span_Rect(rc, bVertical, l.nEnd - l.nArrow, l.nEnd);
    DrawFrameControl(hdc, &rcUp, DFC_SCROLL,
                     (bVertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | uInactive);
    DrawFrameControl(hdc, &rcDown, DFC_SCROLL,
                     (bVertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | uInactive);
    if (l.nThumbEnd > l.nThumbStart) {
        RECT rcThumb = Span_Rect(rc, bVertical, l.nThumbStart, l.nThumbEnd);
        DrawFrameControl(hdc, &rcThumb, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

int Scroll_Bar_Hit(const RECT& rc, bool bVertical, const SCROLLINFO& info, POINT pt) {
    if (!Rect_Contains(rc, pt)) return -1;
    BAR_LAYOUT l = Layout(rc, bVertical, info);
    int n = bVertical ? pt.y : pt.x;
    if (n < l.nStart + l.nArrow) return SB_LINEUP;
    if (n >= l.nEnd - l.nArrow) return SB_LINEDOWN;
    if (l.nThumbEnd <= l.nThumbStart) return -1;
    if (n < l.nThumbStart) return SB_PAGEUP;
    if (n >= l.nThumbEnd) return SB_PAGEDOWN;
    return SB_THUMBTRACK;
}

RECT Scroll_Bar_Thumb(const RECT& rc, bool bVertical, const SCROLLINFO& info) {
    BAR_LAYOUT l = Layout(rc, bVertical, info);
    return Span_Rect(rc, bVertical, l.nThumbStart, l.nThumbEnd);
}

int Scroll_Bar_Track_Pos(const RECT& rc, bool bVertical, const SCROLLINFO& info, POINT pt,
                         int nGrab) {
    BAR_LAYOUT l = Layout(rc, bVertical, info);
    int nThumb = l.nThumbEnd - l.nThumbStart;
    int nTravel = (l.nEnd - l.nStart) - 2 * l.nArrow - nThumb;
    int nMaxPos = Max_Pos(info.nMin, info.nMax, info.nPage);
    if (nThumb <= 0 || nTravel <= 0) return info.nPos;
    int nOffset = (bVertical ? pt.y : pt.x) - nGrab - (l.nStart + l.nArrow);
    long long nPos =
        info.nMin +
        (static_cast<long long>(nOffset) * (nMaxPos - info.nMin) + nTravel / 2) / nTravel;
    return static_cast<int>(std::clamp<long long>(nPos, info.nMin, nMaxPos));
}

void Size_Grip_Mouse(HWND hGrip, UINT uMsg, LPARAM lParam) {
    SCROLL_DRAG& d = gScrollDrags[hGrip];
    HWND hTop = Window_Get_Top_Level(hGrip);
    if (uMsg == WM_LBUTTONDOWN) {
        d.nCode = SB_THUMBTRACK;
        d.ptStart = Screen_Point(hGrip, lParam);
        GetWindowRect(hTop, &d.rcStart);
        SetCapture(hGrip);
        return;
    }
    if (d.nCode < 0) return;
    if (uMsg == WM_MOUSEMOVE) {
        POINT pt = Screen_Point(hGrip, lParam);
        RECT rc = d.rcStart;
        rc.right += pt.x - d.ptStart.x;
        rc.bottom += pt.y - d.ptStart.y;
        Window_User_Resize(hTop, WMSZ_BOTTOMRIGHT, rc);
    } else if (uMsg == WM_LBUTTONUP) {
        d.nCode = -1;
        if (GetCapture() == hGrip) ReleaseCapture();
    }
}

void Scroll_Forget_Window(HWND hWnd) {
    gScrollBars.erase(hWnd);
    gScrollDrags.erase(hWnd);
}

void Scroll_Reset(void) {
    gScrollBars.clear();
    gScrollDrags.clear();
}

// ---- the scroll bar interfaces ----------------------------------------------------------------------

int SetScrollInfo(HWND hWnd, int nBar, const SCROLLINFO* pInfo, BOOL bRedraw) {
    SCROLL_BAR_DATA* b = Find_Bar(hWnd, nBar);
    if (!b || !pInfo) return 0;
    if (pInfo->fMask & SIF_RANGE) {
        b->nMin = pInfo->nMin;
        b->nMax = pInfo->nMax;
    }
    if (pInfo->fMask & SIF_PAGE) b->nPage = pInfo->nPage;
    if (pInfo->fMask & SIF_POS) b->nPos = pInfo->nPos;
    if (pInfo->fMask & SIF_TRACKPOS) b->nTrackPos = pInfo->nTrackPos;
    Clamp(*b);
    if (bRedraw) Redraw_Bar(hWnd);
    return b->nPos;
}

BOOL GetScrollInfo(HWND hWnd, int nBar, SCROLLINFO* pInfo) {
    SCROLL_BAR_DATA* b = Find_Bar(hWnd, nBar);
    if (!b || !pInfo || !(pInfo->fMask & SIF_ALL)) return FALSE;
    if (pInfo->fMask & SIF_RANGE) {
        pInfo->nMin = b->nMin;
        pInfo->nMax = b->nMax;
    }
    if (pInfo->fMask & SIF_PAGE) pInfo->nPage = b->nPage;
    if (pInfo->fMask & SIF_POS) pInfo->nPos = b->nPos;
    if (pInfo->fMask & SIF_TRACKPOS) pInfo->nTrackPos = b->nTrackPos;
    return TRUE;
}

int SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw) {
    SCROLL_BAR_DATA* b = Find_Bar(hWnd, nBar);
    if (!b) return 0;
    int nOld = b->nPos;
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, nPos, 0};
    SetScrollInfo(hWnd, nBar, &info, bRedraw);
    return nOld;
}

int GetScrollPos(HWND hWnd, int nBar) {
    SCROLL_BAR_DATA* b = Find_Bar(hWnd, nBar);
    return b ? b->nPos : 0;
}

BOOL SetScrollRange(HWND hWnd, int nBar, int nMin, int nMax, BOOL bRedraw) {
    if (!Find_Bar(hWnd, nBar)) return FALSE;
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE, nMin, nMax, 0, 0, 0};
    SetScrollInfo(hWnd, nBar, &info, bRedraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hWnd, int nBar, int* pnMin, int* pnMax) {
    SCROLL_BAR_DATA* b = Find_Bar(hWnd, nBar);
    if (!b || !pnMin || !pnMax) return FALSE;
    *pnMin = b->nMin;
    *pnMax = b->nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND hWnd, int nBar, BOOL bShow) {
    if (!IsWindow(hWnd)) return FALSE;
    if (nBar == SB_CTL) {
        ShowWindow(hWnd, bShow ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    if (nBar != SB_HORZ && nBar != SB_VERT && nBar != SB_BOTH) return FALSE;
    DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_STYLE));
    DWORD dwBits = 0;
    if (nBar != SB_HORZ) dwBits |= WS_VSCROLL;
    if (nBar != SB_VERT) dwBits |= WS_HSCROLL;
    for (int n : {SB_HORZ, SB_VERT})
        if (nBar == n || nBar == SB_BOTH) gScrollBars[hWnd].aBars[n].bVisible = bShow != FALSE;
    dwStyle = bShow ? (dwStyle | dwBits) : (dwStyle & ~dwBits);
    SetWindowLongPtrA(hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwStyle));
    Redraw_Bar(hWnd);
    return TRUE;
}

BOOL EnableScrollBar(HWND hWnd, UINT nBar, UINT uArrows) {
    if (!IsWindow(hWnd) || nBar > SB_BOTH || uArrows > ESB_DISABLE_BOTH) return FALSE;
    for (int n : {SB_HORZ, SB_VERT, SB_CTL}) {
        bool bMatch = static_cast<int>(nBar) == n || (nBar == SB_BOTH && n != SB_CTL);
        if (bMatch) gScrollBars[hWnd].aBars[n].uDisabledArrows = uArrows;
    }
    Redraw_Bar(hWnd);
    return TRUE;
}

LRESULT Scroll_Bar_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE: {
        // A scroll bar control starts with an empty range.
        SCROLL_BAR_DATA& b = gScrollBars[hWnd].aBars[SB_CTL];
        b = SCROLL_BAR_DATA();
        b.nMax = 0;
        gScrollDrags[hWnd] = SCROLL_DRAG();
        return 0;
    }
    case WM_PAINT: Control_Paint(hWnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: Redraw_Bar(hWnd); return 0;
    case WM_NCHITTEST: return Is_Size_Grip(hWnd) ? HTBOTTOMRIGHT : HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
        UINT uDown = uMsg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : uMsg;
        if (Is_Size_Grip(hWnd))
            Size_Grip_Mouse(hWnd, uDown, lParam);
        else
            Bar_Mouse(hWnd, uDown, lParam);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hWnd) gScrollDrags[hWnd].nCode = -1;
        return 0;
    case WM_KEYDOWN: {
        int nCode = Key_Code(wParam);
        if (nCode >= 0 && !Is_Size_Grip(hWnd)) {
            Send_Scroll(hWnd, nCode, 0);
            Send_Scroll(hWnd, SB_ENDSCROLL, 0);
        }
        return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case SBM_SETPOS: return SetScrollPos(hWnd, SB_CTL, static_cast<int>(wParam), lParam != 0);
    case SBM_GETPOS: return GetScrollPos(hWnd, SB_CTL);
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        int nOld = GetScrollPos(hWnd, SB_CTL);
        SetScrollRange(hWnd, SB_CTL, static_cast<int>(wParam), static_cast<int>(lParam),
                       uMsg == SBM_SETRANGEREDRAW);
        return nOld;
    }
    case SBM_GETRANGE:
        return GetScrollRange(hWnd, SB_CTL, reinterpret_cast<int*>(wParam),
                              reinterpret_cast<int*>(lParam));
    case SBM_ENABLE_ARROWS: return EnableScrollBar(hWnd, SB_CTL, static_cast<UINT>(wParam));
    case SBM_SETSCROLLINFO:
        return SetScrollInfo(hWnd, SB_CTL, reinterpret_cast<const SCROLLINFO*>(lParam),
                             wParam != 0);
    case SBM_GETSCROLLINFO:
        return GetScrollInfo(hWnd, SB_CTL, reinterpret_cast<SCROLLINFO*>(lParam));
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
