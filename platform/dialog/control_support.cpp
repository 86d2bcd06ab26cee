// What the control classes share: their font, notifications to the parent and the colours the
// parent chooses for them.
#include "../platform_internal.h"

#include <map>

namespace {

// Fonts given with WM_SETFONT, by control.
std::map<HWND, HFONT> gControlFonts;

COLORREF Default_Text_Color(UINT uMsg) {
    switch (uMsg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: return GetSysColor(COLOR_WINDOWTEXT);
    default: return GetSysColor(COLOR_BTNTEXT);
    }
}

}  // namespace

HFONT Control_Font(HWND hWnd) {
    auto it = gControlFonts.find(hWnd);
    if (it != gControlFonts.end() && it->second) return it->second;
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool Control_Handle_Font(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (uMsg == WM_SETFONT) {
        gControlFonts[hWnd] = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hWnd, nullptr, TRUE);
        *pResult = 0;
        return true;
    }
    if (uMsg == WM_GETFONT) {
        auto it = gControlFonts.find(hWnd);
        *pResult = it == gControlFonts.end() ? 0 : reinterpret_cast<LRESULT>(it->second);
        return true;
    }
    return false;
}

LRESULT Control_Default_And_Repaint(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    LRESULT nResult = DefWindowProcA(hWnd, uMsg, wParam, lParam);
    InvalidateRect(hWnd, nullptr, TRUE);
    return nResult;
}

void Control_Forget(HWND hWnd) { gControlFonts.erase(hWnd); }

void Control_Notify(HWND hWnd, UINT uCode) {
    HWND hParent = GetParent(hWnd);
    if (!hParent) return;
    SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hWnd), uCode),
                 reinterpret_cast<LPARAM>(hWnd));
}

HBRUSH Control_Colors(HWND hWnd, HDC hdc, UINT uMsg, int nDefault) {
    SetTextColor(hdc, Default_Text_Color(uMsg));
    SetBkColor(hdc, GetSysColor(nDefault));
    SetBkMode(hdc, OPAQUE);
    HWND hParent = GetParent(hWnd);
    HBRUSH hBrush = nullptr;
    if (hParent)
        hBrush = reinterpret_cast<HBRUSH>(SendMessageA(hParent, uMsg, reinterpret_cast<WPARAM>(hdc),
                                                       reinterpret_cast<LPARAM>(hWnd)));
    return hBrush ? hBrush : GetSysColorBrush(nDefault);
}

RECT Control_Text_Bounds(HDC hdc, const char* szText, RECT rcBox, UINT uFormat) {
    RECT rcText = rcBox;
    DrawTextA(hdc, szText, -1, &rcText, (uFormat | DT_CALCRECT) & ~(DT_VCENTER | DT_BOTTOM));
    int nWidth = rcText.right - rcText.left;
    int nHeight = rcText.bottom - rcText.top;
    RECT rc = rcBox;
    if (uFormat & DT_CENTER)
        rc.left = (rcBox.left + rcBox.right - nWidth) / 2;
    else if (uFormat & DT_RIGHT)
        rc.left = rcBox.right - nWidth;
    rc.right = rc.left + nWidth;
    if (uFormat & DT_VCENTER)
        rc.top = (rcBox.top + rcBox.bottom - nHeight) / 2;
    else if (uFormat & DT_BOTTOM)
        rc.top = rcBox.bottom - nHeight;
    rc.bottom = rc.top + nHeight;
    return rc;
}

std::string Control_Text(HWND hWnd) {
    int nLength = static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
    if (nLength <= 0) return std::string();
    std::string st(static_cast<size_t>(nLength) + 1, '\0');
    int nRead = GetWindowTextA(hWnd, st.data(), nLength + 1);
    st.resize(static_cast<size_t>(nRead > 0 ? nRead : 0));
    return st;
}

POINT Control_Mouse_Point(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

RECT Rect_Inflated(const RECT& rc, int dx, int dy) {
    return {rc.left - dx, rc.top - dy, rc.right + dx, rc.bottom + dy};
}

RECT Rect_Moved(const RECT& rc, int dx, int dy) {
    return {rc.left + dx, rc.top + dy, rc.right + dx, rc.bottom + dy};
}

bool Rect_Contains(const RECT& rc, POINT pt) {
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}
