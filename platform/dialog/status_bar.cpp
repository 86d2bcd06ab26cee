// The "msctls_statusbar32" window class: a bar along the bottom of its parent, split into parts
// that each show a text, or one simple text across the whole bar; an optional size grip.
#include "../platform_internal.h"

#include <string.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

struct STATUS_PART {
    int nRight = -1;  // the part's right edge; -1 runs to the bar's end
    std::string stText;
    UINT uType = 0;  // SBT_* drawing flags
};

struct STATUS_STATE {
    std::vector<STATUS_PART> aParts = std::vector<STATUS_PART>(1);
    STATUS_PART simple;
    bool bSimple = false;
    int nMinHeight = 0;
};

std::map<HWND, STATUS_STATE> gStatusBars;

// Borders: above and below the parts, and between two parts.
const int kBorderY = 2;
const int kPartGap = 2;
// The most parts a bar has.
const int kMaxParts = 256;

DWORD Status_Style(HWND hWnd) { return static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_STYLE)); }

int Bar_Height(HWND hWnd) {
    HDC hdc = GetDC(hWnd);
    int nText = 13;
    if (hdc) {
        HGDIOBJ hOld = SelectObject(hdc, Control_Font(hWnd));
        TEXTMETRICA tm;
        if (GetTextMetricsA(hdc, &tm)) nText = tm.tmHeight;
        SelectObject(hdc, hOld);
        ReleaseDC(hWnd, hdc);
    }
    return std::max(nText + 2, gStatusBars[hWnd].nMinHeight) + 2 * kBorderY + 2;
}

// Lies along the bottom of the parent's client area, across its width.
void Fit_To_Parent(HWND hWnd) {
    HWND hParent = GetParent(hWnd);
    if (!hParent || (Status_Style(hWnd) & CCS_NORESIZE)) return;
    RECT rcParent;
    GetClientRect(hParent, &rcParent);
    int nHeight = Bar_Height(hWnd);
    RECT rcNow;
    GetWindowRect(hWnd, &rcNow);
    MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rcNow), 2);
    RECT rcWanted = {0, rcParent.bottom - nHeight, rcParent.right, rcParent.bottom};
    // Moving sends the bar WM_SIZE again; a bar already in place stays.
    if (memcmp(&rcNow, &rcWanted, sizeof(RECT)) == 0) return;
    MoveWindow(hWnd, rcWanted.left, rcWanted.top, rcWanted.right, nHeight, TRUE);
}

RECT Grip_Rect(HWND hWnd) {
    RECT rc;
    GetClientRect(hWnd, &rc);
    int nSide = rc.bottom - rc.top;
    return {rc.right - nSide, rc.top, rc.right, rc.bottom};
}

bool Has_Grip(HWND hWnd) { return (Status_Style(hWnd) & SBARS_SIZEGRIP) != 0; }

RECT Part_Rect(HWND hWnd, int nPart) {
    const STATUS_STATE& s = gStatusBars[hWnd];
    RECT rc;
    GetClientRect(hWnd, &rc);
    if (s.bSimple) return {rc.left, rc.top + kBorderY, rc.right, rc.bottom};
    int nLeft = nPart == 0 ? 0 : s.aParts[static_cast<size_t>(nPart) - 1].nRight + kPartGap;
    int nRight = s.aParts[static_cast<size_t>(nPart)].nRight;
    // The last part stops at the size grip.
    int nEnd = Has_Grip(hWnd) ? Grip_Rect(hWnd).left : rc.right;
    if (nRight < 0 || nRight > nEnd) nRight = nEnd;
    return {nLeft, rc.top + kBorderY, nRight, rc.bottom};
}

// A part's text: up to three pieces split by tabs, drawn left, centred and right.
void Draw_Part(HDC hdc, const STATUS_PART& part, const RECT& rcPart) {
    RECT rcEdge = rcPart;
    if (!(part.uType & SBT_NOBORDERS))
        DrawEdge(hdc, &rcEdge, (part.uType & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                 BF_RECT);
    RECT rcText = Rect_Inflated(rcPart, -2, -1);
    const UINT aAlign[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    size_t nStart = 0;
    for (int i = 0; i < 3 && nStart <= part.stText.size(); i++) {
        size_t nTab = i < 2 ? part.stText.find('\t', nStart) : std::string::npos;
        size_t nEnd = nTab == std::string::npos ? part.stText.size() : nTab;
        std::string stPiece = part.stText.substr(nStart, nEnd - nStart);
        RECT rc = rcText;
        DrawTextA(hdc, stPiece.c_str(), -1, &rc,
                  aAlign[i] | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (nTab == std::string::npos) break;
        nStart = nTab + 1;
    }
}

void Status_Paint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    const STATUS_STATE& s = gStatusBars[hWnd];
    RECT rc;
    GetClientRect(hWnd, &rc);
    FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ hOldFont = SelectObject(hdc, Control_Font(hWnd));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    if (s.bSimple) {
        Draw_Part(hdc, s.simple, Part_Rect(hWnd, 0));
    } else {
        for (size_t i = 0; i < s.aParts.size(); i++)
            Draw_Part(hdc, s.aParts[i], Part_Rect(hWnd, static_cast<int>(i)));
    }
    if (Has_Grip(hWnd)) {
        RECT rcGrip = Grip_Rect(hWnd);
        FillRect(hdc, &rcGrip, GetSysColorBrush(COLOR_BTNFACE));
        DrawFrameControl(hdc, &rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
    SelectObject(hdc, hOldFont);
    EndPaint(hWnd, &ps);
}

// The part SB_SETTEXTA / SB_GETTEXTA name; null when there is none.
STATUS_PART* Find_Part(HWND hWnd, WPARAM wParam) {
    STATUS_STATE& s = gStatusBars[hWnd];
    size_t nPart = LOBYTE(wParam);
    if (nPart == SB_SIMPLEID) return &s.simple;
    return nPart < s.aParts.size() ? &s.aParts[nPart] : nullptr;
}

LRESULT Set_Text(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    STATUS_PART* pPart = Find_Part(hWnd, wParam);
    if (!pPart) return FALSE;
    const char* szText = reinterpret_cast<const char*>(lParam);
    pPart->stText = szText ? szText : "";
    pPart->uType = static_cast<UINT>(wParam) & 0xFF00;
    InvalidateRect(hWnd, nullptr, TRUE);
    return TRUE;
}

// The text into the caller's buffer, which must hold it; MAKELONG(length, type).
LRESULT Get_Text(HWND hWnd, WPARAM wParam, LPARAM lParam, bool bLengthOnly) {
    const STATUS_PART* pPart = Find_Part(hWnd, wParam);
    if (!pPart) return 0;
    char* szOut = reinterpret_cast<char*>(lParam);
    if (!bLengthOnly && szOut) memcpy(szOut, pPart->stText.c_str(), pPart->stText.size() + 1);
    return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(pPart->stText.size(), pPart->uType)));
}

LRESULT Set_Parts(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    const int* pRights = reinterpret_cast<const int*>(lParam);
    int nCount = static_cast<int>(wParam);
    if (!pRights || nCount < 1 || nCount > kMaxParts) return FALSE;
    STATUS_STATE& s = gStatusBars[hWnd];
    s.aParts.resize(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; i++) s.aParts[static_cast<size_t>(i)].nRight = pRights[i];
    InvalidateRect(hWnd, nullptr, TRUE);
    return TRUE;
}

LRESULT Get_Parts(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    const STATUS_STATE& s = gStatusBars[hWnd];
    int* pRights = reinterpret_cast<int*>(lParam);
    size_t nWanted = std::min(static_cast<size_t>(wParam), s.aParts.size());
    for (size_t i = 0; pRights && i < nWanted; i++) pRights[i] = s.aParts[i].nRight;
    return static_cast<LRESULT>(s.aParts.size());
}

void Status_Mouse(HWND hWnd, UINT uMsg, LPARAM lParam) {
    if (uMsg == WM_LBUTTONDOWN &&
        !(Has_Grip(hWnd) && Rect_Contains(Grip_Rect(hWnd), Control_Mouse_Point(lParam))))
        return;
    Size_Grip_Mouse(hWnd, uMsg, lParam);
}

}  // namespace

LRESULT Status_Bar_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    LRESULT nResult = 0;
    if (Control_Handle_Font(hWnd, uMsg, wParam, lParam, &nResult)) return nResult;
    switch (uMsg) {
    case WM_CREATE:
        gStatusBars[hWnd] = STATUS_STATE();
        Fit_To_Parent(hWnd);
        return 0;
    case WM_NCDESTROY:
        gStatusBars.erase(hWnd);
        Control_Forget(hWnd);
        return 0;
    case WM_SIZE:
        // The parent forwards its own WM_SIZE; the bar's own resizing leaves it where it is.
        Fit_To_Parent(hWnd);
        InvalidateRect(hWnd, nullptr, TRUE);
        return 0;
    case WM_PAINT: Status_Paint(hWnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_NCHITTEST: {
        POINT pt = Control_Mouse_Point(lParam);
        ScreenToClient(hWnd, &pt);
        return Has_Grip(hWnd) && Rect_Contains(Grip_Rect(hWnd), pt) ? HTBOTTOMRIGHT : HTCLIENT;
    }
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: Status_Mouse(hWnd, uMsg, lParam); return 0;
    case WM_SETTEXT: Set_Text(hWnd, 0, lParam); return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    case SB_SETTEXTA: return Set_Text(hWnd, wParam, lParam);
    case SB_GETTEXTA: return Get_Text(hWnd, wParam, lParam, false);
    case SB_GETTEXTLENGTHA: return Get_Text(hWnd, wParam, lParam, true);
    case SB_SETPARTS: return Set_Parts(hWnd, wParam, lParam);
    case SB_GETPARTS: return Get_Parts(hWnd, wParam, lParam);
    case SB_SETMINHEIGHT: gStatusBars[hWnd].nMinHeight = static_cast<int>(wParam); return 0;
    case SB_SIMPLE:
        gStatusBars[hWnd].bSimple = wParam != 0;
        InvalidateRect(hWnd, nullptr, TRUE);
        return 0;
    case SB_GETRECT: {
        RECT* pRect = reinterpret_cast<RECT*>(lParam);
        const STATUS_STATE& s = gStatusBars[hWnd];
        size_t nPart = static_cast<size_t>(wParam);
        if (!pRect || (!s.bSimple && nPart >= s.aParts.size())) return FALSE;
        *pRect = Part_Rect(hWnd, s.bSimple ? 0 : static_cast<int>(nPart));
        return TRUE;
    }
    case SB_GETBORDERS: {
        int* pBorders = reinterpret_cast<int*>(lParam);
        if (!pBorders) return FALSE;
        pBorders[0] = 0;
        pBorders[1] = kBorderY;
        pBorders[2] = kPartGap;
        return TRUE;
    }
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
