// The "STATIC" window class: labels, rectangles and frames, etched lines, bitmaps and
// owner-drawn statics.
#include "../platform_internal.h"

#include <map>
#include <string>

namespace {

struct STATIC_STATE {
    HANDLE hImage = nullptr;
    UINT uImageType = IMAGE_BITMAP;
};

std::map<HWND, STATIC_STATE> gStatics;

DWORD Static_Style(HWND hWnd) { return static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_STYLE)); }

UINT Text_Format(DWORD dwStyle) {
    UINT uFormat = DT_EXPANDTABS;
    switch (dwStyle & SS_TYPEMASK) {
    case SS_CENTER: uFormat |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: uFormat |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_LEFTNOWORDWRAP: uFormat |= DT_LEFT; break;
    case SS_SIMPLE: uFormat |= DT_LEFT | DT_SINGLELINE; break;
    default: uFormat |= DT_LEFT | DT_WORDBREAK; break;
    }
    if (dwStyle & SS_NOPREFIX) uFormat |= DT_NOPREFIX;
    if (dwStyle & SS_CENTERIMAGE) uFormat = (uFormat & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    return uFormat;
}

void Draw_Text(HWND hWnd, HDC hdc, const RECT& rc) {
    HBRUSH hBack = Control_Colors(hWnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE);
    FillRect(hdc, &rc, hBack);
    if (!IsWindowEnabled(hWnd)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ hOldFont = SelectObject(hdc, Control_Font(hWnd));
    std::string stText = Control_Text(hWnd);
    RECT rcText = rc;
    DrawTextA(hdc, stText.c_str(), -1, &rcText, Text_Format(Static_Style(hWnd)));
    SelectObject(hdc, hOldFont);
}

void Draw_Bitmap(HWND hWnd, HDC hdc, const RECT& rc) {
    HBRUSH hBack = Control_Colors(hWnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE);
    FillRect(hdc, &rc, hBack);
    const STATIC_STATE& s = gStatics[hWnd];
    if (!s.hImage || s.uImageType != IMAGE_BITMAP) return;
    BITMAP bm = {};
    if (!GetObjectA(s.hImage, sizeof(bm), &bm)) return;
    HDC hdcImage = CreateCompatibleDC(hdc);
    if (!hdcImage) return;
    HGDIOBJ hOld = SelectObject(hdcImage, s.hImage);
    int x = rc.left, y = rc.top;
    if (Static_Style(hWnd) & SS_CENTERIMAGE) {
        x = (rc.left + rc.right - bm.bmWidth) / 2;
        y = (rc.top + rc.bottom - bm.bmHeight) / 2;
    }
    BitBlt(hdc, x, y, bm.bmWidth, bm.bmHeight, hdcImage, 0, 0, SRCCOPY);
    SelectObject(hdcImage, hOld);
    DeleteDC(hdcImage);
}

// The layer keeps no icons and the game shows none in a static: an SS_ICON static shows its
// background only.
void Draw_Icon(HWND hWnd, HDC hdc, const RECT& rc) {
    FillRect(hdc, &rc, Control_Colors(hWnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE));
}

void Draw_Owner_Static(HWND hWnd, HDC hdc, const RECT& rc) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_STATIC;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hWnd));
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = IsWindowEnabled(hWnd) ? 0 : ODS_DISABLED;
    dis.hwndItem = hWnd;
    dis.hDC = hdc;
    dis.rcItem = rc;
    if (HWND hParent = GetParent(hWnd))
        SendMessageA(hParent, WM_DRAWITEM, static_cast<WPARAM>(dis.CtlID),
                     reinterpret_cast<LPARAM>(&dis));
}

void Draw_Frame_Or_Fill(HDC hdc, const RECT& rc, DWORD dwType) {
    switch (dwType) {
    case SS_BLACKRECT: FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
    case SS_GRAYRECT: FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNSHADOW)); break;
    case SS_WHITERECT: FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW)); break;
    case SS_BLACKFRAME: FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME)); break;
    case SS_GRAYFRAME: FrameRect(hdc, &rc, GetSysColorBrush(COLOR_BTNSHADOW)); break;
    case SS_WHITEFRAME: FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW)); break;
    default: break;
    }
}

void Draw_Etched(HDC hdc, const RECT& rc, DWORD dwType) {
    RECT rcEdge = rc;
    UINT uSides = dwType == SS_ETCHEDHORZ ? BF_TOP : dwType == SS_ETCHEDVERT ? BF_LEFT : BF_RECT;
    DrawEdge(hdc, &rcEdge, EDGE_ETCHED, uSides);
}

void Static_Paint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (!hdc) return;
    RECT rc;
    GetClientRect(hWnd, &rc);
    DWORD dwStyle = Static_Style(hWnd);
    if (dwStyle & SS_SUNKEN) {
        RECT rcEdge = rc;
        DrawEdge(hdc, &rcEdge, BDR_SUNKENOUTER, BF_RECT);
        rc = Rect_Inflated(rc, -1, -1);
    }
    DWORD dwType = dwStyle & SS_TYPEMASK;
    switch (dwType) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME: Draw_Frame_Or_Fill(hdc, rc, dwType); break;
    case SS_ETCHEDHORZ:
    case SS_ETCHEDVERT:
    case SS_ETCHEDFRAME: Draw_Etched(hdc, rc, dwType); break;
    case SS_OWNERDRAW: Draw_Owner_Static(hWnd, hdc, rc); break;
    case SS_BITMAP: Draw_Bitmap(hWnd, hdc, rc); break;
    case SS_ICON: Draw_Icon(hWnd, hdc, rc); break;
    default: Draw_Text(hWnd, hdc, rc); break;
    }
    EndPaint(hWnd, &ps);
}

LRESULT Set_Image(HWND hWnd, UINT uType, HANDLE hImage) {
    STATIC_STATE& s = gStatics[hWnd];
    HANDLE hOld = s.uImageType == uType ? s.hImage : nullptr;
    s.hImage = hImage;
    s.uImageType = uType;
    InvalidateRect(hWnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(hOld);
}

}  // namespace

LRESULT Static_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    LRESULT nResult = 0;
    if (Control_Handle_Font(hWnd, uMsg, wParam, lParam, &nResult)) return nResult;
    switch (uMsg) {
    case WM_CREATE: gStatics[hWnd] = STATIC_STATE(); return 0;
    case WM_NCDESTROY:
        gStatics.erase(hWnd);
        Control_Forget(hWnd);
        return 0;
    case WM_PAINT: Static_Paint(hWnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETTEXT:
    case WM_ENABLE: return Control_Default_And_Repaint(hWnd, uMsg, wParam, lParam);
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (Static_Style(hWnd) & SS_NOTIFY)
            Control_Notify(hWnd, uMsg == WM_LBUTTONDOWN ? STN_CLICKED : STN_DBLCLK);
        return 0;
    case STM_SETIMAGE:
        return Set_Image(hWnd, static_cast<UINT>(wParam), reinterpret_cast<HANDLE>(lParam));
    case STM_SETICON: return Set_Image(hWnd, IMAGE_ICON, reinterpret_cast<HANDLE>(wParam));
    case STM_GETIMAGE:
    case STM_GETICON: {
        const STATIC_STATE& s = gStatics[hWnd];
        UINT uWanted = uMsg == STM_GETICON ? IMAGE_ICON : static_cast<UINT>(wParam);
        return s.uImageType == uWanted ? reinterpret_cast<LRESULT>(s.hImage) : 0;
    }
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
