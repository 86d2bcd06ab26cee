// Classic 3-D edges and frame controls: DrawEdge's bevels, and push buttons, size grips, scroll
// arrows and caption buttons drawn with the system colours.
#include "gdi_internal.h"

#include <algorithm>

namespace {

uint32_t System_Pixel(int nIndex) { return Gdi_Pixel_From_Color(GetSysColor(nIndex)); }

// One bevel ring one pixel wide: the top and left sides in one colour, then the bottom and right
// ones (corners included) in the other, on the sides uFlags names.
void Bevel(GDI_TARGET& t, const RECT& rc, uint32_t nTopLeft, uint32_t nBottomRight, UINT uFlags) {
    if (rc.left >= rc.right || rc.top >= rc.bottom) return;
    if (uFlags & BF_TOP) Raster_Fill(t, {rc.left, rc.top, rc.right - 1, rc.top + 1}, nTopLeft);
    if (uFlags & BF_LEFT) Raster_Fill(t, {rc.left, rc.top, rc.left + 1, rc.bottom - 1}, nTopLeft);
    if (uFlags & BF_BOTTOM)
        Raster_Fill(t, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, nBottomRight);
    if (uFlags & BF_RIGHT)
        Raster_Fill(t, {rc.right - 1, rc.top, rc.right, rc.bottom}, nBottomRight);
}

// The rectangle inside one ring on the given sides.
RECT Inset(const RECT& rc, UINT uFlags) {
    return {rc.left + ((uFlags & BF_LEFT) ? 1 : 0), rc.top + ((uFlags & BF_TOP) ? 1 : 0),
            rc.right - ((uFlags & BF_RIGHT) ? 1 : 0), rc.bottom - ((uFlags & BF_BOTTOM) ? 1 : 0)};
}

// Draws the edge in surface coordinates; returns the rectangle inside it.
RECT Draw_Edge(GDI_TARGET& t, RECT rc, UINT uEdge, UINT uFlags) {
    if (uEdge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
        if (uEdge & BDR_RAISEDOUTER)
            Bevel(t, rc, System_Pixel(COLOR_3DLIGHT), System_Pixel(COLOR_3DDKSHADOW), uFlags);
        else
            Bevel(t, rc, System_Pixel(COLOR_BTNSHADOW), System_Pixel(COLOR_BTNHIGHLIGHT), uFlags);
        rc = Inset(rc, uFlags);
    }
    if (uEdge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
        if (uEdge & BDR_RAISEDINNER)
            Bevel(t, rc, System_Pixel(COLOR_BTNHIGHLIGHT), System_Pixel(COLOR_BTNSHADOW), uFlags);
        else
            Bevel(t, rc, System_Pixel(COLOR_3DDKSHADOW), System_Pixel(COLOR_3DLIGHT), uFlags);
        rc = Inset(rc, uFlags);
    }
    if (uFlags & BF_MIDDLE) Raster_Fill(t, rc, System_Pixel(COLOR_BTNFACE));
    return rc;
}

// A button face: raised, or pressed (a dark frame with a shadow inside it); returns its inside.
RECT Button_Face(GDI_TARGET& t, const RECT& rc, UINT uState) {
    if (!(uState & DFCS_PUSHED)) return Draw_Edge(t, rc, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    const uint32_t nDark = System_Pixel(COLOR_3DDKSHADOW), nShadow = System_Pixel(COLOR_BTNSHADOW);
    Bevel(t, rc, nDark, nDark, BF_RECT);
    const RECT rcInner = Inset(rc, BF_RECT);
    Bevel(t, rcInner, nShadow, nShadow, BF_RECT);
    const RECT rcFace = Inset(rcInner, BF_RECT);
    Raster_Fill(t, rcFace, System_Pixel(COLOR_BTNFACE));
    return rcFace;
}

// A diagonal run of pixels from (x, y) going down-left for nLength pixels.
void Diagonal(GDI_TARGET& t, int x, int y, int nLength, uint32_t nPixel) {
    for (int i = 0; i < nLength; ++i) Raster_Fill(t, {x - i, y + i, x - i + 1, y + i + 1}, nPixel);
}

// Three ridges in the bottom right corner, each a highlight line above two shadow lines.
void Size_Grip(GDI_TARGET& t, const RECT& rc) {
    Raster_Fill(t, rc, System_Pixel(COLOR_BTNFACE));
    const int nSize = std::min(rc.right - rc.left, rc.bottom - rc.top);
    for (int nRidge = 0; nRidge < 3; ++nRidge) {
        const int d = nSize - 1 - 4 * nRidge;  // distance of the ridge's highlight line
        if (d < 3) break;
        Diagonal(t, rc.right - 1, rc.bottom - d, d, System_Pixel(COLOR_BTNHIGHLIGHT));
        Diagonal(t, rc.right - 1, rc.bottom - d + 1, d - 1, System_Pixel(COLOR_BTNSHADOW));
        Diagonal(t, rc.right - 1, rc.bottom - d + 2, d - 2, System_Pixel(COLOR_BTNSHADOW));
    }
}

// A solid triangle pointing in the direction (DFCS_SCROLLUP .. DFCS_SCROLLRIGHT; a combo box
// button points down), centred.
void Arrow(GDI_TARGET& t, const RECT& rc, UINT uDirection, uint32_t nPixel) {
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    const int nDepth = std::max(1, std::min(w, h) / 4);  // rows from the tip to the base
    const int cx = rc.left + w / 2, cy = rc.top + h / 2;
    for (int i = 0; i < nDepth; ++i) {
        const int nRow = i - nDepth / 2;
        switch (uDirection) {
        case DFCS_SCROLLUP:
            Raster_Fill(t, {cx - i, cy + nRow, cx + i + 1, cy + nRow + 1}, nPixel);
            break;
        case DFCS_SCROLLDOWN:
        case DFCS_SCROLLCOMBOBOX:
            Raster_Fill(t, {cx - i, cy - nRow, cx + i + 1, cy - nRow + 1}, nPixel);
            break;
        case DFCS_SCROLLLEFT:
            Raster_Fill(t, {cx + nRow, cy - i, cx + nRow + 1, cy + i + 1}, nPixel);
            break;
        default: Raster_Fill(t, {cx - nRow, cy - i, cx - nRow + 1, cy + i + 1}, nPixel); break;
        }
    }
}

// The caption buttons' glyphs inside the face: a cross, a bar, a window, two windows.
void Caption_Glyph(GDI_TARGET& t, const RECT& rcFace, UINT uKind, uint32_t nPixel) {
    const int w = rcFace.right - rcFace.left, h = rcFace.bottom - rcFace.top;
    const int nSize = std::max(4, std::min(w, h) - 4);
    const int x = rcFace.left + (w - nSize) / 2, y = rcFace.top + (h - nSize) / 2;
    switch (uKind) {
    case DFCS_CAPTIONCLOSE:
        for (int i = 0; i + 1 < nSize; ++i) {
            Raster_Fill(t, {x + i, y + i, x + i + 2, y + i + 1}, nPixel);
            Raster_Fill(t, {x + nSize - 2 - i, y + i, x + nSize - i, y + i + 1}, nPixel);
        }
        break;
    case DFCS_CAPTIONMIN:
        Raster_Fill(t, {x, y + nSize - 2, x + nSize * 2 / 3, y + nSize}, nPixel);
        break;
    case DFCS_CAPTIONMAX:
        Raster_Fill(t, {x, y, x + nSize, y + 2}, nPixel);
        Bevel(t, {x, y, x + nSize, y + nSize}, nPixel, nPixel, BF_RECT);
        break;
    default: {  // DFCS_CAPTIONRESTORE: the window behind, then the one in front
        const int s = nSize * 2 / 3;
        Raster_Fill(t, {x + nSize - s, y, x + nSize, y + 2}, nPixel);
        Bevel(t, {x + nSize - s, y, x + nSize, y + s}, nPixel, nPixel, BF_RECT);
        Raster_Fill(t, {x, y + nSize - s, x + s, y + nSize}, System_Pixel(COLOR_BTNFACE));
        Raster_Fill(t, {x, y + nSize - s, x + s, y + nSize - s + 2}, nPixel);
        Bevel(t, {x, y + nSize - s, x + s, y + nSize}, nPixel, nPixel, BF_RECT);
        break;
    }
    }
}

}  // namespace

BOOL DrawEdge(HDC hdc, RECT* pRect, UINT uEdge, UINT uFlags) {
    GDI_TARGET t(hdc);
    if (!t.Valid() || !pRect) return FALSE;
    const RECT rcInside = Draw_Edge(t, Gdi_To_Surface(t, *pRect), uEdge, uFlags);
    if (uFlags & BF_ADJUST)
        *pRect = {rcInside.left - t.nDx, rcInside.top - t.nDy, rcInside.right - t.nDx,
                  rcInside.bottom - t.nDy};
    return TRUE;
}

BOOL DrawFrameControl(HDC hdc, RECT* pRect, UINT uType, UINT uState) {
    GDI_TARGET t(hdc);
    if (!t.Valid() || !pRect) return FALSE;
    const RECT rc = Gdi_To_Surface(t, *pRect);
    const uint32_t nGlyph = System_Pixel((uState & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    // A pressed button's glyph moves one pixel down and right.
    const int nShift = (uState & DFCS_PUSHED) ? 1 : 0;
    switch (uType) {
    case DFC_BUTTON:
        if ((uState & 0xFF) != DFCS_BUTTONPUSH) return FALSE;
        Button_Face(t, rc, uState);
        return TRUE;
    case DFC_SCROLL: {
        if ((uState & 0xFF) == DFCS_SCROLLSIZEGRIP) {
            Size_Grip(t, rc);
            return TRUE;
        }
        const RECT rcFace = Button_Face(t, rc, uState);
        Arrow(t,
              {rcFace.left + nShift, rcFace.top + nShift, rcFace.right + nShift,
               rcFace.bottom + nShift},
              uState & 0xFF, nGlyph);
        return TRUE;
    }
    case DFC_CAPTION: {
        const RECT rcFace = Button_Face(t, rc, uState);
        Caption_Glyph(t,
                      {rcFace.left + nShift, rcFace.top + nShift, rcFace.right + nShift,
                       rcFace.bottom + nShift},
                      uState & 0xFF, nGlyph);
        return TRUE;
    }
    default: return FALSE;
    }
}
