// The "msctls_progress32" window class: a sunken frame filled from its start in proportion to
// the position within the range, in blocks or (PBS_SMOOTH) as one bar.
#include "../platform_internal.h"

#include <algorithm>
#include <map>

namespace {

struct PROGRESS_STATE {
    int nLow = 0;
    int nHigh = 100;
    int nPos = 0;
    int nStep = 10;
    COLORREF crBar = CLR_DEFAULT;
    COLORREF crBack = CLR_DEFAULT;
};

std::map<HWND, PROGRESS_STATE> gProgressBars;

// The gap between blocks.
const int kBlockGap = 2;

COLORREF Chosen_Or_System(COLORREF cr, int nSystem) {
    return cr == static_cast<COLORREF>(CLR_DEFAULT) ? GetSysColor(nSystem) : cr;
}

void Fill_Color(HDC hdc, const RECT& rc, COLORREF cr) {
    HBRUSH hBrush = CreateSolidBrush(cr);
    FillRect(hdc, &rc, hBrush);
    DeleteObject(hBrush);
}

void Progress_Paint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    const PROGRESS_STATE& s = gProgressBars[hWnd];
    DWORD dwStyle = static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_STYLE));
    RECT rc;
    GetClientRect(hWnd, &rc);
    Fill_Color(hdc, rc, Chosen_Or_System(s.crBack, COLOR_BTNFACE));
    RECT rcEdge = rc;
    DrawEdge(hdc, &rcEdge, BDR_SUNKENOUTER, BF_RECT);
    RECT rcInside = Rect_Inflated(rc, -2, -2);

    bool bVertical = (dwStyle & PBS_VERTICAL) != 0;
    int nLength = bVertical ? rcInside.bottom - rcInside.top : rcInside.right - rcInside.left;
    int nRange = s.nHigh - s.nLow;
    int nFill = nRange > 0
                    ? static_cast<int>(static_cast<long long>(nLength) * (s.nPos - s.nLow) / nRange)
                    : 0;
    nFill = std::clamp(nFill, 0, nLength);
    COLORREF crBar = Chosen_Or_System(s.crBar, COLOR_HIGHLIGHT);
    // The filled span, from the start (the bottom for a vertical bar).
    RECT rcFill = rcInside;
    if (bVertical)
        rcFill.top = rcInside.bottom - nFill;
    else
        rcFill.right = rcInside.left + nFill;
    if (dwStyle & PBS_SMOOTH) {
        Fill_Color(hdc, rcFill, crBar);
    } else {
        int nAcross = bVertical ? rcInside.right - rcInside.left : rcInside.bottom - rcInside.top;
        int nBlock = std::max(2, nAcross * 2 / 3);
        for (int n = 0; n < nFill; n += nBlock + kBlockGap) {
            int nEnd = std::min(n + nBlock, nFill);
            RECT rcBlock = bVertical ? RECT{rcInside.left, rcInside.bottom - nEnd, rcInside.right,
                                            rcInside.bottom - n}
                                     : RECT{rcInside.left + n, rcInside.top, rcInside.left + nEnd,
                                            rcInside.bottom};
            Fill_Color(hdc, rcBlock, crBar);
        }
    }
    EndPaint(hWnd, &ps);
}

// Moves the position (clamped to the range) and repaints; returns the previous position.
LRESULT Set_Progress(HWND hWnd, int nPos) {
    PROGRESS_STATE& s = gProgressBars[hWnd];
    int nOld = s.nPos;
    s.nPos = std::clamp(nPos, std::min(s.nLow, s.nHigh), std::max(s.nLow, s.nHigh));
    if (s.nPos != nOld) InvalidateRect(hWnd, nullptr, TRUE);
    return nOld;
}

LRESULT Set_Range(HWND hWnd, int nLow, int nHigh) {
    PROGRESS_STATE& s = gProgressBars[hWnd];
    LRESULT nOld = static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(s.nLow, s.nHigh)));
    s.nLow = nLow;
    s.nHigh = nHigh;
    Set_Progress(hWnd, s.nPos);
    InvalidateRect(hWnd, nullptr, TRUE);
    return nOld;
}

LRESULT Set_Color(HWND hWnd, COLORREF* pColor, COLORREF crNew) {
    COLORREF crOld = *pColor;
    *pColor = crNew;
    InvalidateRect(hWnd, nullptr, TRUE);
    return static_cast<LRESULT>(crOld);
}

}  // namespace

LRESULT Progress_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE: gProgressBars[hWnd] = PROGRESS_STATE(); return 0;
    case WM_NCDESTROY: gProgressBars.erase(hWnd); return 0;
    case WM_PAINT: Progress_Paint(hWnd); return 0;
    case WM_ERASEBKGND: return 1;
    case PBM_SETRANGE: return Set_Range(hWnd, LOWORD(lParam), HIWORD(lParam));
    case PBM_SETRANGE32: return Set_Range(hWnd, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_SETPOS: return Set_Progress(hWnd, static_cast<int>(wParam));
    case PBM_DELTAPOS:
        return Set_Progress(hWnd, gProgressBars[hWnd].nPos + static_cast<int>(wParam));
    case PBM_SETSTEP: {
        PROGRESS_STATE& s = gProgressBars[hWnd];
        int nOld = s.nStep;
        s.nStep = static_cast<int>(wParam);
        return nOld;
    }
    case PBM_STEPIT: {
        // Past the end, the bar starts over from the beginning.
        const PROGRESS_STATE& s = gProgressBars[hWnd];
        int nPos = s.nPos + s.nStep;
        int nRange = s.nHigh - s.nLow;
        if (nRange > 0 && nPos > s.nHigh) nPos = s.nLow + (nPos - s.nLow) % nRange;
        if (nRange > 0 && nPos < s.nLow) nPos = s.nHigh - (s.nLow - nPos) % nRange;
        return Set_Progress(hWnd, nPos);
    }
    case PBM_GETPOS: return gProgressBars[hWnd].nPos;
    case PBM_GETRANGE: {
        const PROGRESS_STATE& s = gProgressBars[hWnd];
        if (PBRANGE* pRange = reinterpret_cast<PBRANGE*>(lParam)) *pRange = {s.nLow, s.nHigh};
        return wParam ? s.nLow : s.nHigh;
    }
    case PBM_SETBARCOLOR:
        return Set_Color(hWnd, &gProgressBars[hWnd].crBar, static_cast<COLORREF>(lParam));
    case PBM_SETBKCOLOR:
        return Set_Color(hWnd, &gProgressBars[hWnd].crBack, static_cast<COLORREF>(lParam));
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
