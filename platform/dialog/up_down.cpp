// The "msctls_updown32" window class without a buddy: two arrow buttons that step a position
// within a range and report each click to the parent with SB_THUMBPOSITION.
#include "../platform_internal.h"

#include <algorithm>
#include <map>

namespace {

struct UP_DOWN_STATE {
    int nLower = 100;  // the position the down arrow goes towards
    int nUpper = 0;    // the position the up arrow goes towards
    int nPos = 0;
    int nPressed = 0;  // +1 while the up arrow is held, -1 for the down arrow, 0 for neither
};

std::map<HWND, UP_DOWN_STATE> gUpDowns;

bool Is_Horizontal(HWND hWnd) { return (GetWindowLongPtrA(hWnd, GWL_STYLE) & UDS_HORZ) != 0; }

int Clamped(const UP_DOWN_STATE& s, int nPos) {
    return std::clamp(nPos, std::min(s.nLower, s.nUpper), std::max(s.nLower, s.nUpper));
}

// The up (right) arrow's half and the down (left) arrow's half of the control.
RECT Arrow_Rect(HWND hWnd, bool bUp) {
    RECT rc;
    GetClientRect(hWnd, &rc);
    if (Is_Horizontal(hWnd)) {
        int nMiddle = (rc.left + rc.right) / 2;
        return bUp ? RECT{nMiddle, rc.top, rc.right, rc.bottom}
                   : RECT{rc.left, rc.top, nMiddle, rc.bottom};
    }
    int nMiddle = (rc.top + rc.bottom) / 2;
    return bUp ? RECT{rc.left, rc.top, rc.right, nMiddle}
               : RECT{rc.left, nMiddle, rc.right, rc.bottom};
}

void Up_Down_Paint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    const UP_DOWN_STATE& s = gUpDowns[hWnd];
    bool bHorizontal = Is_Horizontal(hWnd);
    UINT uInactive = IsWindowEnabled(hWnd) ? 0 : DFCS_INACTIVE;
    RECT rcUp = Arrow_Rect(hWnd, true);
    RECT rcDown = Arrow_Rect(hWnd, false);
    DrawFrameControl(hdc, &rcUp, DFC_SCROLL,
                     (bHorizontal ? DFCS_SCROLLRIGHT : DFCS_SCROLLUP) | uInactive |
                         (s.nPressed > 0 ? DFCS_PUSHED : 0));
    DrawFrameControl(hdc, &rcDown, DFC_SCROLL,
                     (bHorizontal ? DFCS_SCROLLLEFT : DFCS_SCROLLDOWN) | uInactive |
                         (s.nPressed < 0 ? DFCS_PUSHED : 0));
    EndPaint(hWnd, &ps);
}

// One click on an arrow: the position steps towards that arrow's end of the range, is clamped,
// and the parent hears it with SB_THUMBPOSITION.
void Step(HWND hWnd, bool bUp) {
    UP_DOWN_STATE& s = gUpDowns[hWnd];
    int nTowards = bUp ? s.nUpper : s.nLower;
    int nAway = bUp ? s.nLower : s.nUpper;
    int nStep = nTowards >= nAway ? 1 : -1;
    s.nPos = Clamped(s, s.nPos + nStep);
    HWND hParent = GetParent(hWnd);
    if (!hParent) return;
    SendMessageA(hParent, Is_Horizontal(hWnd) ? WM_HSCROLL : WM_VSCROLL,
                 MAKEWPARAM(SB_THUMBPOSITION, s.nPos), reinterpret_cast<LPARAM>(hWnd));
}

void Set_Pressed(HWND hWnd, int nPressed) {
    UP_DOWN_STATE& s = gUpDowns[hWnd];
    if (s.nPressed == nPressed) return;
    s.nPressed = nPressed;
    InvalidateRect(hWnd, nullptr, TRUE);
}

LRESULT Set_Position(HWND hWnd, int nPos) {
    UP_DOWN_STATE& s = gUpDowns[hWnd];
    int nOld = s.nPos;
    s.nPos = Clamped(s, nPos);
    return nOld;
}

}  // namespace

LRESULT Up_Down_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE: gUpDowns[hWnd] = UP_DOWN_STATE(); return 0;
    case WM_NCDESTROY: gUpDowns.erase(hWnd); return 0;
    case WM_PAINT: Up_Down_Paint(hWnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: InvalidateRect(hWnd, nullptr, TRUE); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (!IsWindowEnabled(hWnd)) return 0;
        bool bUp = Rect_Contains(Arrow_Rect(hWnd, true), Control_Mouse_Point(lParam));
        SetCapture(hWnd);
        Set_Pressed(hWnd, bUp ? 1 : -1);
        Step(hWnd, bUp);
        return 0;
    }
    case WM_LBUTTONUP:
        Set_Pressed(hWnd, 0);
        if (GetCapture() == hWnd) ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hWnd) Set_Pressed(hWnd, 0);
        return 0;
    case UDM_SETRANGE: {
        UP_DOWN_STATE& s = gUpDowns[hWnd];
        s.nUpper = static_cast<short>(LOWORD(lParam));
        s.nLower = static_cast<short>(HIWORD(lParam));
        return 0;
    }
    case UDM_GETRANGE: {
        const UP_DOWN_STATE& s = gUpDowns[hWnd];
        return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(s.nUpper, s.nLower)));
    }
    case UDM_SETRANGE32: {
        UP_DOWN_STATE& s = gUpDowns[hWnd];
        s.nLower = static_cast<int>(wParam);
        s.nUpper = static_cast<int>(lParam);
        return 0;
    }
    case UDM_GETRANGE32: {
        const UP_DOWN_STATE& s = gUpDowns[hWnd];
        if (int* pLower = reinterpret_cast<int*>(wParam)) *pLower = s.nLower;
        if (int* pUpper = reinterpret_cast<int*>(lParam)) *pUpper = s.nUpper;
        return 0;
    }
    case UDM_SETPOS: return Set_Position(hWnd, static_cast<short>(LOWORD(lParam)));
    case UDM_SETPOS32: return Set_Position(hWnd, static_cast<int>(lParam));
    case UDM_GETPOS: return LOWORD(gUpDowns[hWnd].nPos);
    case UDM_GETPOS32:
        if (BOOL* pbError = reinterpret_cast<BOOL*>(lParam)) *pbError = FALSE;
        return gUpDowns[hWnd].nPos;
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
