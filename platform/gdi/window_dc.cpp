// Window surfaces and window device contexts: each top-level window owns a surface the size of
// its whole rectangle, made or resized when a DC for it (or a child) is taken; GetDC,
// GetWindowDC, BeginPaint and EndPaint hand out DCs clipped to the window's visible area.
#include "gdi_internal.h"

#include <string.h>

#include <algorithm>
#include <map>

namespace {

struct WINDOW_SURFACE {
    int nWidth;
    int nHeight;
    std::vector<uint32_t> aPixels;
    RECT rcDamage;  // what may have been drawn since the backend last took it; empty: nothing
};

// The smallest rectangle holding both; an empty one adds nothing.
RECT Union_Rects(const RECT& a, const RECT& b) {
    if (a.right <= a.left || a.bottom <= a.top) return b;
    if (b.right <= b.left || b.bottom <= b.top) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

std::map<HWND, WINDOW_SURFACE> gSurfaces;

// Resizes a surface keeping the pixels where old and new sizes overlap.
void Resize(WINDOW_SURFACE* pSurface, int nWidth, int nHeight) {
    if (pSurface->nWidth == nWidth && pSurface->nHeight == nHeight) return;
    std::vector<uint32_t> aPixels(static_cast<size_t>(nWidth) * nHeight, 0);
    const int nKeepW = std::min(nWidth, pSurface->nWidth);
    const int nKeepH = std::min(nHeight, pSurface->nHeight);
    for (int y = 0; y < nKeepH; ++y)
        memcpy(&aPixels[static_cast<size_t>(y) * nWidth],
               &pSurface->aPixels[static_cast<size_t>(y) * pSurface->nWidth],
               static_cast<size_t>(nKeepW) * 4);
    *pSurface = {nWidth, nHeight, std::move(aPixels), {0, 0, nWidth, nHeight}};
}

// The window's area inside every ancestor's client area, in the surface.
GDI_RECTS Inside_Ancestors(HWND hWnd, const RECT& rc) {
    GDI_RECTS area = Region_From_Rect(rc);
    const HWND hTop = Window_Get_Top_Level(hWnd);
    for (HWND h = hWnd; h && h != hTop;) {
        h = GetParent(h);
        if (!h) break;
        area = Region_Combine(area, Region_From_Rect(Window_Client_In_Surface(h)), RGN_AND);
    }
    return area;
}

// A DC on the window's client area (or with bWhole its whole rectangle).
HDC New_Window_Dc(HWND hWnd, bool bWhole) {
    const HWND hTop = Window_Get_Top_Level(hWnd);
    if (!hTop) return nullptr;
    Gdi_Window_Pixels(hTop, true);
    const RECT rc = bWhole ? Window_Frame_In_Surface(hWnd) : Window_Client_In_Surface(hWnd);
    GDI_DC* pDc = Gdi_New_Dc(hWnd);
    pDc->hTop = hTop;
    pDc->ptOrigin = {rc.left, rc.top};
    pDc->visible = Inside_Ancestors(hWnd, rc);
    if (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CLIPCHILDREN)
        for (HWND hChild : Window_Visible_Children(hWnd))
            pDc->visible = Region_Combine(
                pDc->visible, Region_From_Rect(Window_Frame_In_Surface(hChild)), RGN_DIFF);
    return reinterpret_cast<HDC>(pDc);
}

}  // namespace

GDI_PIXELS Gdi_Window_Pixels(HWND hTop, bool bResize) {
    if (bResize) {
        const RECT rc = Window_Frame_In_Surface(hTop);
        Resize(&gSurfaces[hTop], std::max<LONG>(0, rc.right - rc.left),
               std::max<LONG>(0, rc.bottom - rc.top));
    }
    auto it = gSurfaces.find(hTop);
    if (it == gSurfaces.end()) return {nullptr, 0, 0, 0};
    WINDOW_SURFACE& s = it->second;
    return {s.aPixels.data(), s.nWidth, s.nHeight, s.nWidth};
}

void Gdi_Damage_Window(HWND hTop, const RECT& rc) {
    auto it = gSurfaces.find(hTop);
    if (it == gSurfaces.end()) return;
    WINDOW_SURFACE& s = it->second;
    const RECT rcInside = {std::max<LONG>(rc.left, 0), std::max<LONG>(rc.top, 0),
                           std::min<LONG>(rc.right, s.nWidth), std::min<LONG>(rc.bottom, s.nHeight)};
    s.rcDamage = Union_Rects(s.rcDamage, rcInside);
}

RECT Gdi_Take_Window_Damage(HWND hTop) {
    auto it = gSurfaces.find(hTop);
    if (it == gSurfaces.end()) return {0, 0, 0, 0};
    const RECT rc = it->second.rcDamage;
    it->second.rcDamage = {0, 0, 0, 0};
    return rc;
}

void Gdi_Reset_Windows(void) { gSurfaces.clear(); }

bool Gdi_Get_Window_Surface(HWND hTop, SURFACE_VIEW* pView) {
    auto it = gSurfaces.find(hTop);
    if (it == gSurfaces.end() || !pView || Window_Get_Top_Level(hTop) != hTop) return false;
    *pView = {it->second.aPixels.data(), it->second.nWidth, it->second.nHeight, it->second.nWidth};
    return true;
}

// Without a window: a DC to measure with, on a memory DC's 1x1 bitmap.
HDC GetDC(HWND hWnd) {
    if (!hWnd) return reinterpret_cast<HDC>(Gdi_New_Dc(nullptr));
    return IsWindow(hWnd) ? New_Window_Dc(hWnd, false) : nullptr;
}

HDC GetWindowDC(HWND hWnd) { return IsWindow(hWnd) ? New_Window_Dc(hWnd, true) : nullptr; }

int ReleaseDC(HWND /*hWnd*/, HDC hdc) { return DeleteDC(hdc) ? 1 : 0; }

HDC BeginPaint(HWND hWnd, PAINTSTRUCT* pPaint) {
    if (!pPaint || !IsWindow(hWnd)) return nullptr;
    bool bErase = false;
    const RECT rcUpdate = Window_Take_Update_Rect(hWnd, &bErase);
    HDC hdc = New_Window_Dc(hWnd, false);
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return nullptr;
    // The update area limits the visible area itself, so SelectClipRgn cannot widen it.
    const RECT rcSurface = {rcUpdate.left + pDc->ptOrigin.x, rcUpdate.top + pDc->ptOrigin.y,
                            rcUpdate.right + pDc->ptOrigin.x, rcUpdate.bottom + pDc->ptOrigin.y};
    pDc->visible = Region_Combine(pDc->visible, Region_From_Rect(rcSurface), RGN_AND);
    memset(pPaint, 0, sizeof(*pPaint));
    pPaint->hdc = hdc;
    pPaint->rcPaint = rcUpdate;
    pPaint->fErase = bErase ? TRUE : FALSE;
    if (bErase && SendMessageA(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0))
        pPaint->fErase = FALSE;
    return hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* pPaint) {
    if (!pPaint) return FALSE;
    ReleaseDC(hWnd, pPaint->hdc);
    return TRUE;
}

LRESULT Gdi_Default_Paint(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM /*lParam*/) {
    if (uMsg == WM_PAINT) {
        PAINTSTRUCT ps;
        if (BeginPaint(hWnd, &ps)) EndPaint(hWnd, &ps);
        return 0;
    }
    if (uMsg != WM_ERASEBKGND) return 0;
    HDC hdc = reinterpret_cast<HDC>(wParam);
    HBRUSH hBrush = Window_Class_Background(hWnd);
    RECT rc;
    if (!hBrush || GetClipBox(hdc, &rc) == ERROR) return 0;
    return FillRect(hdc, &rc, hBrush) ? 1 : 0;
}
