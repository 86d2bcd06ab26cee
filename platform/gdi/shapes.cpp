// Lines, rectangles, ellipses, rounded rectangles, polygons, pixels and region fills. Outlines
// use the DC's pen and interiors its brush; right and bottom edges are exclusive, and without a
// pen a shape's fill is one pixel smaller in width and height, as Windows draws them.
#include "gdi_internal.h"

#include <math.h>
#include <stdlib.h>

#include <algorithm>
#include <utility>

namespace {

// The DC's pen as a pixel and a width; false for a null pen.
bool Pen_Of(const GDI_DC* pDc, uint32_t* pPixel, int* pWidth) {
    GDI_PEN* p = Gdi_Find<GDI_PEN>(pDc->st.hPen, OBJ_PEN);
    if (!p || p->log.lopnStyle == PS_NULL) return false;
    *pPixel = Gdi_Pixel_From_Color(p->log.lopnColor);
    *pWidth = std::max<LONG>(1, p->log.lopnWidth.x);
    return true;
}

// The pen's square centred on a point (surface coordinates).
RECT Pen_Dot(int x, int y, int nWidth) {
    const int nHalf = nWidth / 2;
    return {x - nHalf, y - nHalf, x - nHalf + nWidth, y - nHalf + nWidth};
}

// A line in surface coordinates without its last point: one rectangle when it is horizontal or
// vertical, else Bresenham's pixels.
void Draw_Line(GDI_TARGET& t, POINT a, POINT b, uint32_t nPixel, int nWidth) {
    if (a.y == b.y || a.x == b.x) {
        if (a.x == b.x && a.y == b.y) return;
        // Grow the pen's dot along the line, stopping one pixel before b.
        RECT rcA = Pen_Dot(a.x, a.y, nWidth);
        const int sx = b.x > a.x ? 1 : (b.x < a.x ? -1 : 0),
                  sy = b.y > a.y ? 1 : (b.y < a.y ? -1 : 0);
        RECT rcB = Pen_Dot(b.x - sx, b.y - sy, nWidth);
        Raster_Fill(t,
                    {std::min(rcA.left, rcB.left), std::min(rcA.top, rcB.top),
                     std::max(rcA.right, rcB.right), std::max(rcA.bottom, rcB.bottom)},
                    nPixel);
        return;
    }
    const int dx = abs(b.x - a.x), dy = abs(b.y - a.y);
    const int sx = b.x > a.x ? 1 : -1, sy = b.y > a.y ? 1 : -1;
    int x = a.x, y = a.y, nError = dx - dy;
    while (x != b.x || y != b.y) {
        Raster_Fill(t, Pen_Dot(x, y, nWidth), nPixel);
        const int e2 = 2 * nError;
        if (e2 > -dy) {
            nError -= dy;
            x += sx;
        }
        if (e2 < dx) {
            nError += dx;
            y += sy;
        }
    }
}

// Spans of a rectangle with rounded corners (corner ellipse nEllipseW x nEllipseH): the pixels
// whose centres lie inside. An ellipse is the case whose corner ellipse is the whole rectangle.
std::vector<GDI_SPAN> Rounded_Spans(const RECT& rc, int nEllipseW, int nEllipseH) {
    std::vector<GDI_SPAN> spans;
    const double a = std::min<double>(nEllipseW, rc.right - rc.left) / 2.0;
    const double b = std::min<double>(nEllipseH, rc.bottom - rc.top) / 2.0;
    for (LONG y = rc.top; y < rc.bottom; ++y) {
        const double py = y + 0.5;
        double dy = 0;
        if (b > 0 && py < rc.top + b) dy = (rc.top + b - py) / b;
        if (b > 0 && py > rc.bottom - b) dy = (py - (rc.bottom - b)) / b;
        if (dy > 1) continue;
        const double nInset = a > 0 ? a * (1.0 - sqrt(1.0 - dy * dy)) : 0.0;
        const int x0 = static_cast<int>(ceil(rc.left + nInset - 0.5));
        const int x1 = static_cast<int>(floor(rc.right - nInset - 0.5)) + 1;
        if (x0 < x1) spans.push_back({static_cast<int>(y), x0, x1});
    }
    return spans;
}

GDI_RECTS Spans_To_Region(const std::vector<GDI_SPAN>& spans) {
    GDI_RECTS rows;
    for (const GDI_SPAN& s : spans) rows.push_back({s.x0, s.y, s.x1, s.y + 1});
    return rows;
}

// Ellipse and RoundRect: the brush inside, the pen's ring on the outer pixels.
BOOL Draw_Rounded(HDC hdc, int left, int top, int right, int bottom, int nEllipseW, int nEllipseH) {
    GDI_TARGET t(hdc);
    if (!t.Valid()) return FALSE;
    RECT rc = Gdi_To_Surface(t, Gdi_Normalized(left, top, right, bottom));
    uint32_t nPen = 0, nBrush = 0;
    int nWidth = 1;
    const bool bPen = Pen_Of(t.pDc, &nPen, &nWidth);
    const bool bBrush = Gdi_Brush_Pixel(t.pDc->st.hBrush, &nBrush);
    if (!bPen) {
        if (bBrush)
            Raster_Spans(t,
                         Rounded_Spans({rc.left, rc.top, rc.right - 1, rc.bottom - 1},
                                       nEllipseW - 1, nEllipseH - 1),
                         nBrush);
        return TRUE;
    }
    std::vector<GDI_SPAN> inner =
        Rounded_Spans({rc.left + nWidth, rc.top + nWidth, rc.right - nWidth, rc.bottom - nWidth},
                      nEllipseW - 2 * nWidth, nEllipseH - 2 * nWidth);
    if (bBrush) Raster_Spans(t, inner, nBrush);
    GDI_RECTS ring = Region_Combine(Spans_To_Region(Rounded_Spans(rc, nEllipseW, nEllipseH)),
                                    Spans_To_Region(inner), RGN_DIFF);
    Raster_Rects(t, ring, nPen);
    return TRUE;
}

// The pen's outline through the points (closed: back to the first).
void Draw_Outline(GDI_TARGET& t, const POINT* pPoints, int nCount, bool bClosed) {
    uint32_t nPen = 0;
    int nWidth = 1;
    if (!Pen_Of(t.pDc, &nPen, &nWidth)) return;
    const int nSegments = bClosed ? nCount : nCount - 1;
    for (int i = 0; i < nSegments; ++i) {
        const POINT& p = pPoints[i];
        const POINT& q = pPoints[(i + 1) % nCount];
        Draw_Line(t, {p.x + t.nDx, p.y + t.nDy}, {q.x + t.nDx, q.y + t.nDy}, nPen, nWidth);
    }
}

}  // namespace

BOOL MoveToEx(HDC hdc, int x, int y, POINT* pOld) {
    GDI_DC* pDc = Gdi_Find_Dc(hdc);
    if (!pDc) return FALSE;
    if (pOld) *pOld = pDc->st.ptCurrent;
    pDc->st.ptCurrent = {x, y};
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    GDI_TARGET t(hdc);
    if (!t.Valid()) return FALSE;
    POINT line[2] = {t.pDc->st.ptCurrent, {x, y}};
    Draw_Outline(t, line, 2, false);
    t.pDc->st.ptCurrent = {x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* pPoints, int nCount) {
    GDI_TARGET t(hdc);
    if (!t.Valid() || !pPoints || nCount < 2) return FALSE;
    Draw_Outline(t, pPoints, nCount, false);
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* pPoints, int nCount) {
    GDI_TARGET t(hdc);
    if (!t.Valid() || !pPoints || nCount < 2) return FALSE;
    uint32_t nBrush = 0;
    if (Gdi_Brush_Pixel(t.pDc->st.hBrush, &nBrush)) {
        std::vector<GDI_SPAN> spans = Polygon_Spans(pPoints, nCount, t.pDc->st.nPolyFillMode);
        for (GDI_SPAN& s : spans) s = {s.y + t.nDy, s.x0 + t.nDx, s.x1 + t.nDx};
        Raster_Spans(t, spans, nBrush);
    }
    Draw_Outline(t, pPoints, nCount, true);
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    GDI_TARGET t(hdc);
    if (!t.Valid()) return FALSE;
    const RECT rc = Gdi_To_Surface(t, Gdi_Normalized(left, top, right, bottom));
    uint32_t nPen = 0, nBrush = 0;
    int nWidth = 1;
    const bool bPen = Pen_Of(t.pDc, &nPen, &nWidth);
    if (Gdi_Brush_Pixel(t.pDc->st.hBrush, &nBrush)) {
        if (bPen)
            Raster_Fill(t, {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1}, nBrush);
        else
            Raster_Fill(t, {rc.left, rc.top, rc.right - 1, rc.bottom - 1}, nBrush);
    }
    if (!bPen) return TRUE;
    // The pen is centred on the outline through the outer pixels' centres.
    const int nHalf = nWidth / 2;
    const RECT rcOuter = {rc.left - nHalf, rc.top - nHalf, rc.right - 1 - nHalf + nWidth,
                          rc.bottom - 1 - nHalf + nWidth};
    const RECT rcInner = {rcOuter.left + nWidth, rcOuter.top + nWidth, rc.right - 1 - nHalf,
                          rc.bottom - 1 - nHalf};
    Raster_Rects(t, Region_Combine(Region_From_Rect(rcOuter), Region_From_Rect(rcInner), RGN_DIFF),
                 nPen);
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return Draw_Rounded(hdc, left, top, right, bottom, abs(right - left), abs(bottom - top));
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int nWidth, int nHeight) {
    return Draw_Rounded(hdc, left, top, right, bottom, nWidth, nHeight);
}

int FillRect(HDC hdc, const RECT* pRect, HBRUSH hBrush) {
    GDI_TARGET t(hdc);
    uint32_t nBrush = 0;
    if (!t.Valid() || !pRect || !Gdi_Brush_Pixel(hBrush, &nBrush)) return 0;
    Raster_Fill(t, Gdi_To_Surface(t, *pRect), nBrush);
    return 1;
}

int FrameRect(HDC hdc, const RECT* pRect, HBRUSH hBrush) {
    GDI_TARGET t(hdc);
    uint32_t nBrush = 0;
    if (!t.Valid() || !pRect || !Gdi_Brush_Pixel(hBrush, &nBrush)) return 0;
    const RECT rc = Gdi_To_Surface(t, *pRect);
    if (rc.left >= rc.right || rc.top >= rc.bottom) return 1;
    const RECT rcInner = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    Raster_Rects(t, Region_Combine(Region_From_Rect(rc), Region_From_Rect(rcInner), RGN_DIFF),
                 nBrush);
    return 1;
}

BOOL InvertRect(HDC hdc, const RECT* pRect) {
    GDI_TARGET t(hdc);
    if (!t.Valid() || !pRect) return FALSE;
    Raster_Invert(t, Gdi_To_Surface(t, *pRect));
    return TRUE;
}

BOOL FillRgn(HDC hdc, HRGN hRgn, HBRUSH hBrush) {
    GDI_TARGET t(hdc);
    GDI_REGION* pRgn = Gdi_Find<GDI_REGION>(hRgn, OBJ_REGION);
    uint32_t nBrush = 0;
    if (!t.Valid() || !pRgn || !Gdi_Brush_Pixel(hBrush, &nBrush)) return FALSE;
    GDI_RECTS rects = pRgn->rects;
    Region_Offset(&rects, t.nDx, t.nDy);
    Raster_Rects(t, rects, nBrush);
    return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF crColor) {
    GDI_TARGET t(hdc);
    if (!t.Valid()) return CLR_INVALID;
    const int sx = x + t.nDx, sy = y + t.nDy;
    if (!Raster_Inside_Clip(t, sx, sy)) return CLR_INVALID;
    t.px.Row(sy)[sx] = Gdi_Pixel_From_Color(crColor);
    return crColor & 0xFFFFFF;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    GDI_TARGET t(hdc);
    if (!t.Valid()) return CLR_INVALID;
    const int sx = x + t.nDx, sy = y + t.nDy;
    if (!Raster_Inside_Clip(t, sx, sy)) return CLR_INVALID;
    return Gdi_Color_From_Pixel(t.px.Row(sy)[sx]);
}
