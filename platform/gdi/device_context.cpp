// Device contexts: memory DCs on bitmaps, the state SaveDC keeps (selected objects, colours,
// modes, viewport origin, clip region), and the target each drawing call resolves: the pixels,
// the clip rectangles in surface coordinates and the logical-to-surface offset.
#include "gdi_internal.h"

namespace {

HBITMAP gInitialBitmap = nullptr;

// The 1x1 one-bit bitmap every memory DC starts with; stock, so it is never deleted.
HBITMAP Initial_Bitmap() {
    if (!gInitialBitmap) {
        GDI_BITMAP* p = Gdi_New_Bitmap(1, 1, 1);
        p->bStock = true;
        gInitialBitmap = reinterpret_cast<HBITMAP>(Gdi_Add_Object(p));
    }
    return gInitialBitmap;
}

// Sets one field of a DC's state and returns its previous value (or fallback for a bad DC).
template <typename T>
T Exchange(HDC hdc, T GDI_DC_STATE::*pField, T value, T fallback) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return fallback;
    T old = pDc->st.*pField;
    pDc->st.*pField = value;
    return old;
}

template <typename T>
T Read(HDC hdc, T GDI_DC_STATE::*pField, T fallback) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    return pDc ? pDc->st.*pField : fallback;
}

}  // namespace

GDI_DC* Gdi_Find_Dc(HDC hdc) {
    GDI_OBJECT* p = Gdi_Find_Object(reinterpret_cast<HGDIOBJ>(hdc));
    return p && (p->nType == OBJ_DC || p->nType == OBJ_MEMDC) ? static_cast<GDI_DC*>(p) : nullptr;
}

GDI_DC* Gdi_New_Dc(HWND hWnd) {
    auto* p = new GDI_DC();
    p->nType = hWnd ? OBJ_DC : OBJ_MEMDC;
    p->bStock = false;
    GDI_DC_STATE& st = p->st;
    st.hPen = reinterpret_cast<HPEN>(GetStockObject(BLACK_PEN));
    st.hBrush = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    st.hFont = reinterpret_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    st.hBitmap = hWnd ? nullptr : Initial_Bitmap();
    st.crBk = RGB(255, 255, 255);
    st.crText = RGB(0, 0, 0);
    st.nBkMode = OPAQUE;
    st.uTextAlign = TA_LEFT | TA_TOP;
    st.nPolyFillMode = ALTERNATE;
    st.nStretchMode = BLACKONWHITE;
    st.ptViewport = {0, 0};
    st.ptCurrent = {0, 0};
    st.bClip = false;
    p->hWnd = hWnd;
    p->hTop = nullptr;
    p->ptOrigin = {0, 0};
    Gdi_Add_Object(p);
    return p;
}

HDC CreateCompatibleDC(HDC /*hdc*/) { return reinterpret_cast<HDC>(Gdi_New_Dc(nullptr)); }

BOOL DeleteDC(HDC hdc) {
    if (!Gdi_Find_Dc(hdc)) return FALSE;
    Gdi_Remove_Object(reinterpret_cast<HGDIOBJ>(hdc));
    return TRUE;
}

int SaveDC(HDC hdc) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return 0;
    pDc->aSaved.push_back(pDc->st);
    return static_cast<int>(pDc->aSaved.size());
}

// nSaved > 0 names a level SaveDC returned; a negative one counts back from the latest.
BOOL RestoreDC(HDC hdc, int nSaved) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc || nSaved == 0) return FALSE;
    const int nDepth = static_cast<int>(pDc->aSaved.size());
    int nLevel = nSaved > 0 ? nSaved : nDepth + 1 + nSaved;
    if (nLevel < 1 || nLevel > nDepth) return FALSE;
    pDc->st = pDc->aSaved[static_cast<size_t>(nLevel - 1)];
    pDc->aSaved.resize(static_cast<size_t>(nLevel - 1));
    return TRUE;
}

COLORREF SetBkColor(HDC hdc, COLORREF cr) {
    return Exchange<COLORREF>(hdc, &GDI_DC_STATE::crBk, cr & 0xFFFFFF, CLR_INVALID);
}
COLORREF GetBkColor(HDC hdc) { return Read<COLORREF>(hdc, &GDI_DC_STATE::crBk, CLR_INVALID); }
COLORREF SetTextColor(HDC hdc, COLORREF cr) {
    return Exchange<COLORREF>(hdc, &GDI_DC_STATE::crText, cr & 0xFFFFFF, CLR_INVALID);
}
COLORREF GetTextColor(HDC hdc) { return Read<COLORREF>(hdc, &GDI_DC_STATE::crText, CLR_INVALID); }

int SetBkMode(HDC hdc, int nMode) {
    if (nMode != TRANSPARENT && nMode != OPAQUE) return 0;
    return Exchange(hdc, &GDI_DC_STATE::nBkMode, nMode, 0);
}
int GetBkMode(HDC hdc) { return Read(hdc, &GDI_DC_STATE::nBkMode, 0); }

UINT SetTextAlign(HDC hdc, UINT uAlign) {
    return Exchange<UINT>(hdc, &GDI_DC_STATE::uTextAlign, uAlign, GDI_ERROR);
}
UINT GetTextAlign(HDC hdc) { return Read<UINT>(hdc, &GDI_DC_STATE::uTextAlign, GDI_ERROR); }

int SetPolyFillMode(HDC hdc, int nMode) {
    if (nMode != ALTERNATE && nMode != WINDING) return 0;
    return Exchange(hdc, &GDI_DC_STATE::nPolyFillMode, nMode, 0);
}
int GetPolyFillMode(HDC hdc) { return Read(hdc, &GDI_DC_STATE::nPolyFillMode, 0); }

int SetStretchBltMode(HDC hdc, int nMode) {
    if (nMode < BLACKONWHITE || nMode > HALFTONE) return 0;
    return Exchange(hdc, &GDI_DC_STATE::nStretchMode, nMode, 0);
}
int GetStretchBltMode(HDC hdc) { return Read(hdc, &GDI_DC_STATE::nStretchMode, 0); }

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* pOld) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return FALSE;
    if (pOld) *pOld = pDc->st.ptViewport;
    pDc->st.ptViewport = {x, y};
    return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, POINT* pOrigin) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc || !pOrigin) return FALSE;
    *pOrigin = pDc->st.ptViewport;
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* pOld) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return FALSE;
    if (pOld) *pOld = pDc->st.ptViewport;
    pDc->st.ptViewport.x += dx;
    pDc->st.ptViewport.y += dy;
    return TRUE;
}

// ---- the target of one drawing call ------------------------------------------------------------

GDI_TARGET::GDI_TARGET(HDC hdc)
    : pDc(Gdi_Find_Dc(hdc)), px{nullptr, 0, 0, 0}, nDx(0), nDy(0), pBitmap(nullptr) {
    if (!pDc) return;
    RECT rcSurface;
    if (pDc->hTop) {
        px = Gdi_Window_Pixels(pDc->hTop, false);
        rcSurface = {0, 0, px.nWidth, px.nHeight};
        clip = Region_Combine(pDc->visible, Region_From_Rect(rcSurface), RGN_AND);
    } else {
        pBitmap = Gdi_Find<GDI_BITMAP>(pDc->st.hBitmap, OBJ_BITMAP);
        if (!pBitmap) {
            pDc = nullptr;
            return;
        }
        px = Gdi_Bitmap_Begin(pBitmap);
        clip = Region_From_Rect({0, 0, px.nWidth, px.nHeight});
    }
    if (pDc->st.bClip) {
        GDI_RECTS app = pDc->st.clip;
        Region_Offset(&app, pDc->ptOrigin.x, pDc->ptOrigin.y);
        clip = Region_Combine(clip, app, RGN_AND);
    }
    nDx = pDc->ptOrigin.x + pDc->st.ptViewport.x;
    nDy = pDc->ptOrigin.y + pDc->st.ptViewport.y;
    // A drawing call reaches no pixel outside its clip: that is all a window may show anew.
    if (pDc->hTop) Gdi_Damage_Window(pDc->hTop, Region_Bounds(clip));
}

GDI_TARGET::~GDI_TARGET() {
    if (pBitmap) Gdi_Bitmap_End(pBitmap);
}

RECT Gdi_To_Surface(const GDI_TARGET& t, const RECT& rc) {
    return {rc.left + t.nDx, rc.top + t.nDy, rc.right + t.nDx, rc.bottom + t.nDy};
}
