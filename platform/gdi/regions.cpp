// Regions as sorted lists of disjoint rectangles: combining two regions band by band, polygon
// scan conversion (pixel centres inside, ALTERNATE or WINDING), and the region calls.
#include "gdi_internal.h"

#include <math.h>

#include <algorithm>
#include <utility>

namespace {

typedef std::vector<std::pair<LONG, LONG>> INTERVALS;  // [left, right) runs in x order

bool Is_Empty(const RECT& rc) { return rc.left >= rc.right || rc.top >= rc.bottom; }

// The x runs of a region's rectangles that cover the whole band [y0, y1).
INTERVALS Runs_In_Band(const GDI_RECTS& rects, LONG y0, LONG y1) {
    INTERVALS runs;
    for (const RECT& rc : rects)
        if (rc.top <= y0 && rc.bottom >= y1) runs.push_back({rc.left, rc.right});
    std::sort(runs.begin(), runs.end());
    return runs;
}

bool Inside_Runs(const INTERVALS& runs, LONG x) {
    for (const auto& run : runs)
        if (x >= run.first && x < run.second) return true;
    return false;
}

bool Apply_Mode(bool bA, bool bB, int nMode) {
    switch (nMode) {
    case RGN_AND: return bA && bB;
    case RGN_OR: return bA || bB;
    case RGN_XOR: return bA != bB;
    case RGN_DIFF: return bA && !bB;
    default: return bA;
    }
}

INTERVALS Combine_Runs(const INTERVALS& a, const INTERVALS& b, int nMode) {
    std::vector<LONG> xs;
    for (const auto& run : a) xs.insert(xs.end(), {run.first, run.second});
    for (const auto& run : b) xs.insert(xs.end(), {run.first, run.second});
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    INTERVALS out;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        if (!Apply_Mode(Inside_Runs(a, xs[i]), Inside_Runs(b, xs[i]), nMode)) continue;
        if (!out.empty() && out.back().second == xs[i])
            out.back().second = xs[i + 1];
        else
            out.push_back({xs[i], xs[i + 1]});
    }
    return out;
}

void Add_Crossings(const POINT& p0, const POINT& p1, double py,
                   std::vector<std::pair<double, int>>* pCrossings) {
    if (p0.y == p1.y) return;
    const bool bDown = p1.y > p0.y;
    const double yTop = bDown ? p0.y : p1.y, yBottom = bDown ? p1.y : p0.y;
    if (py < yTop || py >= yBottom) return;
    double x = p0.x + (py - p0.y) * (p1.x - p0.x) / static_cast<double>(p1.y - p0.y);
    pCrossings->push_back({x, bDown ? 1 : -1});
}

}  // namespace

GDI_RECTS Region_From_Rect(const RECT& rc) {
    if (Is_Empty(rc)) return {};
    return {rc};
}

GDI_RECTS Region_Combine(const GDI_RECTS& a, const GDI_RECTS& b, int nMode) {
    std::vector<LONG> ys;
    for (const GDI_RECTS* pRects : {&a, &b})
        for (const RECT& rc : *pRects)
            if (!Is_Empty(rc)) ys.insert(ys.end(), {rc.top, rc.bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    GDI_RECTS out;
    INTERVALS previous;
    size_t nPreviousStart = 0;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        INTERVALS runs = Combine_Runs(Runs_In_Band(a, ys[i], ys[i + 1]),
                                      Runs_In_Band(b, ys[i], ys[i + 1]), nMode);
        // A band that continues the one above with the same runs only grows that one.
        if (!runs.empty() && runs == previous && out.back().bottom == ys[i]) {
            for (size_t k = nPreviousStart; k < out.size(); ++k) out[k].bottom = ys[i + 1];
            continue;
        }
        nPreviousStart = out.size();
        for (const auto& run : runs) out.push_back({run.first, ys[i], run.second, ys[i + 1]});
        previous = std::move(runs);
    }
    return out;
}

std::vector<GDI_SPAN> Polygon_Spans(const POINT* pPoints, int nCount, int nFillMode) {
    std::vector<GDI_SPAN> spans;
    if (!pPoints || nCount < 3) return spans;
    LONG yMin = pPoints[0].y, yMax = pPoints[0].y;
    for (int i = 1; i < nCount; ++i) {
        yMin = std::min(yMin, pPoints[i].y);
        yMax = std::max(yMax, pPoints[i].y);
    }
    std::vector<std::pair<double, int>> crossings;
    for (LONG y = yMin; y < yMax; ++y) {
        const double py = y + 0.5;
        crossings.clear();
        for (int i = 0; i < nCount; ++i)
            Add_Crossings(pPoints[i], pPoints[(i + 1) % nCount], py, &crossings);
        std::sort(crossings.begin(), crossings.end());
        int nWinding = 0;
        for (size_t k = 0; k + 1 < crossings.size(); ++k) {
            nWinding += crossings[k].second;
            bool bInside = nFillMode == WINDING ? nWinding != 0 : k % 2 == 0;
            if (!bInside) continue;
            // Pixels whose centre lies in [xa, xb).
            int x0 = static_cast<int>(ceil(crossings[k].first - 0.5));
            int x1 = static_cast<int>(ceil(crossings[k + 1].first - 0.5));
            if (x0 >= x1) continue;
            if (!spans.empty() && spans.back().y == y && spans.back().x1 >= x0)
                spans.back().x1 = std::max(spans.back().x1, x1);
            else
                spans.push_back({static_cast<int>(y), x0, x1});
        }
    }
    return spans;
}

GDI_RECTS Region_From_Polygon(const POINT* pPoints, int nCount, int nFillMode) {
    GDI_RECTS rows;
    for (const GDI_SPAN& s : Polygon_Spans(pPoints, nCount, nFillMode))
        rows.push_back({s.x0, s.y, s.x1, s.y + 1});
    return Region_Combine(rows, {}, RGN_OR);
}

void Region_Offset(GDI_RECTS* pRects, int dx, int dy) {
    for (RECT& rc : *pRects) rc = {rc.left + dx, rc.top + dy, rc.right + dx, rc.bottom + dy};
}

RECT Region_Bounds(const GDI_RECTS& rects) {
    if (rects.empty()) return {0, 0, 0, 0};
    RECT rc = rects[0];
    for (const RECT& r : rects) {
        rc.left = std::min(rc.left, r.left);
        rc.top = std::min(rc.top, r.top);
        rc.right = std::max(rc.right, r.right);
        rc.bottom = std::max(rc.bottom, r.bottom);
    }
    return rc;
}

int Region_Kind(const GDI_RECTS& rects) {
    if (rects.empty()) return NULLREGION;
    return rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// ---- the region calls --------------------------------------------------------------------------

namespace {

GDI_REGION* Find_Region(HRGN hRgn) { return Gdi_Find<GDI_REGION>(hRgn, OBJ_REGION); }

HRGN New_Region(GDI_RECTS rects) {
    auto* p = new GDI_REGION();
    p->nType = OBJ_REGION;
    p->bStock = false;
    p->rects = std::move(rects);
    return reinterpret_cast<HRGN>(Gdi_Add_Object(p));
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return New_Region(Region_From_Rect(Gdi_Normalized(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* pRect) {
    return pRect ? CreateRectRgn(pRect->left, pRect->top, pRect->right, pRect->bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* pPoints, int nCount, int nFillMode) {
    if (!pPoints || nCount < 2) return nullptr;
    return New_Region(Region_From_Polygon(pPoints, nCount, nFillMode));
}

int CombineRgn(HRGN hDest, HRGN hSrc1, HRGN hSrc2, int nMode) {
    GDI_REGION* pDest = Find_Region(hDest);
    GDI_REGION* pA = Find_Region(hSrc1);
    if (!pDest || !pA || nMode < RGN_AND || nMode > RGN_COPY) return ERROR;
    if (nMode == RGN_COPY) {
        pDest->rects = pA->rects;
        return Region_Kind(pDest->rects);
    }
    GDI_REGION* pB = Find_Region(hSrc2);
    if (!pB) return ERROR;
    pDest->rects = Region_Combine(pA->rects, pB->rects, nMode);
    return Region_Kind(pDest->rects);
}

BOOL SetRectRgn(HRGN hRgn, int left, int top, int right, int bottom) {
    GDI_REGION* p = Find_Region(hRgn);
    if (!p) return FALSE;
    p->rects = Region_From_Rect(Gdi_Normalized(left, top, right, bottom));
    return TRUE;
}

int OffsetRgn(HRGN hRgn, int dx, int dy) {
    GDI_REGION* p = Find_Region(hRgn);
    if (!p) return ERROR;
    Region_Offset(&p->rects, dx, dy);
    return Region_Kind(p->rects);
}

BOOL PtInRegion(HRGN hRgn, int x, int y) {
    GDI_REGION* p = Find_Region(hRgn);
    if (!p) return FALSE;
    for (const RECT& rc : p->rects)
        if (x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom) return TRUE;
    return FALSE;
}

int GetRgnBox(HRGN hRgn, RECT* pRect) {
    GDI_REGION* p = Find_Region(hRgn);
    if (!p || !pRect) return ERROR;
    *pRect = Region_Bounds(p->rects);
    return Region_Kind(p->rects);
}
