// A device context's clip region: kept in device coordinates, combined with the window's
// visible area when drawing; the calls take logical coordinates (the viewport origin applied).
#include "gdi_internal.h"

namespace {

// Where the DC can draw at all, in device coordinates.
GDI_RECTS Dc_Area(const GDI_DC* pDc) {
    if (pDc->hTop) {
        GDI_RECTS area = pDc->visible;
        Region_Offset(&area, -pDc->ptOrigin.x, -pDc->ptOrigin.y);
        return area;
    }
    GDI_BITMAP* p = Gdi_Find<GDI_BITMAP>(pDc->st.hBitmap, OBJ_BITMAP);
    return p ? Region_From_Rect({0, 0, p->nWidth, p->nHeight}) : GDI_RECTS();
}

// The clip region the DC draws through, in device coordinates.
GDI_RECTS Effective_Clip(const GDI_DC* pDc) {
    GDI_RECTS area = Dc_Area(pDc);
    return pDc->st.bClip ? Region_Combine(area, pDc->st.clip, RGN_AND) : area;
}

int Combine_Clip_Rect(HDC hdc, int left, int top, int right, int bottom, int nMode) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return ERROR;
    const POINT& o = pDc->st.ptViewport;
    GDI_RECTS rect = Region_From_Rect({left + o.x, top + o.y, right + o.x, bottom + o.y});
    GDI_RECTS base = pDc->st.bClip ? pDc->st.clip : Dc_Area(pDc);
    pDc->st.clip = Region_Combine(base, rect, nMode);
    pDc->st.bClip = true;
    return Region_Kind(Effective_Clip(pDc));
}

}  // namespace

// The region is copied (device coordinates); null removes the clip region.
int SelectClipRgn(HDC hdc, HRGN hRgn) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return ERROR;
    if (!hRgn) {
        pDc->st.bClip = false;
        pDc->st.clip.clear();
        return Region_Kind(Effective_Clip(pDc));
    }
    GDI_REGION* pRgn = Gdi_Find<GDI_REGION>(hRgn, OBJ_REGION);
    if (!pRgn) return ERROR;
    pDc->st.clip = pRgn->rects;
    pDc->st.bClip = true;
    return Region_Kind(Effective_Clip(pDc));
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    return Combine_Clip_Rect(hdc, left, top, right, bottom, RGN_AND);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    return Combine_Clip_Rect(hdc, left, top, right, bottom, RGN_DIFF);
}

int GetClipBox(HDC hdc, RECT* pRect) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc || !pRect) return ERROR;
    GDI_RECTS clip = Effective_Clip(pDc);
    Region_Offset(&clip, -pDc->st.ptViewport.x, -pDc->st.ptViewport.y);
    *pRect = Region_Bounds(clip);
    return Region_Kind(clip);
}
