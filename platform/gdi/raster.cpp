// The clipped pixel writes every shape goes through: each operation walks the clip rectangles
// once and fills rows with pointer arithmetic.
#include "gdi_internal.h"

#include <algorithm>

namespace {

// Applies fn(uint32_t* pRow, int nCount) to the part of rc inside each clip rectangle.
template <typename FN>
void For_Clipped_Rows(GDI_TARGET& t, const RECT& rc, FN fn) {
    for (const RECT& c : t.clip) {
        const LONG left = std::max(rc.left, c.left), right = std::min(rc.right, c.right);
        const LONG top = std::max(rc.top, c.top), bottom = std::min(rc.bottom, c.bottom);
        if (left >= right || top >= bottom) continue;
        for (LONG y = top; y < bottom; ++y) fn(t.px.Row(y) + left, static_cast<int>(right - left));
    }
}

}  // namespace

void Raster_Fill(GDI_TARGET& t, const RECT& rc, uint32_t nPixel) {
    For_Clipped_Rows(t, rc, [nPixel](uint32_t* p, int n) { std::fill(p, p + n, nPixel); });
}

void Raster_Invert(GDI_TARGET& t, const RECT& rc) {
    For_Clipped_Rows(t, rc, [](uint32_t* p, int n) {
        for (int i = 0; i < n; ++i) p[i] ^= 0xFFFFFF;
    });
}

void Raster_Spans(GDI_TARGET& t, const std::vector<GDI_SPAN>& spans, uint32_t nPixel) {
    for (const GDI_SPAN& s : spans) Raster_Fill(t, {s.x0, s.y, s.x1, s.y + 1}, nPixel);
}

void Raster_Rects(GDI_TARGET& t, const GDI_RECTS& rects, uint32_t nPixel) {
    for (const RECT& rc : rects) Raster_Fill(t, rc, nPixel);
}

bool Raster_Inside_Clip(const GDI_TARGET& t, int x, int y) {
    for (const RECT& c : t.clip)
        if (x >= c.left && x < c.right && y >= c.top && y < c.bottom) return true;
    return false;
}
