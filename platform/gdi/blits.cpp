// Copying pixels between device contexts: BitBlt with its raster operations, StretchBlt
// (nearest pixel or area average), StretchDIBits from packed DIBs and TransparentBlt. Every blit
// samples its source into a block of the destination's size first, so a DC may blit onto itself.
#include "gdi_internal.h"

#include <stdlib.h>

#include <algorithm>

namespace {

// Where the interval [d*nSrc, (d+1)*nSrc) (in units of 1/nDest source pixels) overlaps source
// pixel s, in the same units.
int Overlap(int d, int s, int nSrc, int nDest) {
    const int nLow = std::max(d * nSrc, s * nDest),
              nHigh = std::min((d + 1) * nSrc, (s + 1) * nDest);
    return nHigh > nLow ? nHigh - nLow : 0;
}

uint32_t Source_Pixel(const GDI_PIXELS& src, int x, int y) {
    if (x < 0 || y < 0 || x >= src.nWidth || y >= src.nHeight) return 0;
    return src.Row(y)[x];
}

uint32_t Average_Pixel(const GDI_PIXELS& src, const RECT& rcSrc, int dx, int dy, int nWidth,
                       int nHeight) {
    const int sw = rcSrc.right - rcSrc.left, sh = rcSrc.bottom - rcSrc.top;
    const int sx0 = dx * sw / nWidth, sx1 = ((dx + 1) * sw - 1) / nWidth;
    const int sy0 = dy * sh / nHeight, sy1 = ((dy + 1) * sh - 1) / nHeight;
    uint64_t aSum[4] = {0, 0, 0, 0};
    for (int sy = sy0; sy <= sy1; ++sy) {
        const int wy = Overlap(dy, sy, sh, nHeight);
        for (int sx = sx0; sx <= sx1; ++sx) {
            const uint64_t nWeight = static_cast<uint64_t>(wy) * Overlap(dx, sx, sw, nWidth);
            const uint32_t px = Source_Pixel(src, rcSrc.left + sx, rcSrc.top + sy);
            for (int c = 0; c < 4; ++c) aSum[c] += ((px >> (8 * c)) & 0xFF) * nWeight;
        }
    }
    const uint64_t nTotal = static_cast<uint64_t>(sw) * sh;
    uint32_t nOut = 0;
    for (int c = 0; c < 4; ++c)
        nOut |= static_cast<uint32_t>((aSum[c] + nTotal / 2) / nTotal) << (8 * c);
    return nOut;
}

void Mirror(std::vector<uint32_t>* pBlock, int nWidth, int nHeight, bool bX, bool bY) {
    if (bX)
        for (int y = 0; y < nHeight; ++y) {
            auto itRow = pBlock->begin() + static_cast<ptrdiff_t>(y) * nWidth;
            std::reverse(itRow, itRow + nWidth);
        }
    if (bY)
        for (int y = 0; y < nHeight / 2; ++y)
            std::swap_ranges(pBlock->begin() + static_cast<ptrdiff_t>(y) * nWidth,
                             pBlock->begin() + static_cast<ptrdiff_t>(y + 1) * nWidth,
                             pBlock->begin() + static_cast<ptrdiff_t>(nHeight - 1 - y) * nWidth);
}

// The first pixel of a run of nLength pixels from x; a negative length runs leftward and
// includes x itself (x + nLength + 1 .. x).
int Span_Start(int x, int nLength) { return nLength < 0 ? x + nLength + 1 : x; }

bool Is_Average_Mode(HDC hdc) { return GetStretchBltMode(hdc) == HALFTONE; }

bool Uses_Source(DWORD dwRop) {
    return dwRop != PATCOPY && dwRop != PATINVERT && dwRop != BLACKNESS && dwRop != WHITENESS &&
           dwRop != DSTINVERT;
}

// The raster operations as functions of destination, source and pattern.
bool Apply_Rop(GDI_TARGET& t, const RECT& rc, const std::vector<uint32_t>& block, DWORD dwRop) {
    uint32_t nPattern = 0;
    Gdi_Brush_Pixel(t.pDc->st.hBrush, &nPattern);
    switch (dwRop) {
    case SRCCOPY: Blit_Compose(t, rc, block, [](uint32_t, uint32_t s) { return s; }); return true;
    case SRCPAINT:
        Blit_Compose(t, rc, block, [](uint32_t d, uint32_t s) { return d | s; });
        return true;
    case SRCAND:
        Blit_Compose(t, rc, block, [](uint32_t d, uint32_t s) { return d & s; });
        return true;
    case SRCINVERT:
        Blit_Compose(t, rc, block, [](uint32_t d, uint32_t s) { return d ^ s; });
        return true;
    case NOTSRCCOPY:
        Blit_Compose(t, rc, block, [](uint32_t, uint32_t s) { return (s ^ 0xFFFFFF) & 0xFFFFFF; });
        return true;
    case DSTINVERT:
        Blit_Compose(t, rc, block, [](uint32_t d, uint32_t) { return (d ^ 0xFFFFFF) & 0xFFFFFF; });
        return true;
    case PATCOPY:
        Blit_Compose(t, rc, block, [nPattern](uint32_t, uint32_t) { return nPattern; });
        return true;
    case PATINVERT:
        Blit_Compose(t, rc, block,
                     [nPattern](uint32_t d, uint32_t) { return (d ^ nPattern) & 0xFFFFFF; });
        return true;
    case BLACKNESS: Blit_Compose(t, rc, block, [](uint32_t, uint32_t) { return 0u; }); return true;
    case WHITENESS:
        Blit_Compose(t, rc, block, [](uint32_t, uint32_t) { return 0xFFFFFFu; });
        return true;
    default: return false;
    }
}

// A blit from a DC (or, with hdcSrc null, a raster operation without a source).
BOOL Blit(HDC hdcDest, const BLIT_GEOMETRY& g, HDC hdcSrc, DWORD dwRop) {
    GDI_TARGET t(hdcDest);
    if (!t.Valid()) return FALSE;
    const RECT rc = Gdi_To_Surface(t, g.rcDest);
    std::vector<uint32_t> block;
    if (Uses_Source(dwRop)) {
        if (!Blit_Source_Block(hdcSrc, g, Is_Average_Mode(hdcDest), &block)) return FALSE;
    } else {
        block.assign(static_cast<size_t>(rc.right - rc.left) * (rc.bottom - rc.top), 0);
    }
    return Apply_Rop(t, rc, block, dwRop) ? TRUE : FALSE;
}

}  // namespace

std::vector<uint32_t> Blit_Sample(const GDI_PIXELS& src, const RECT& rcSrc, int nWidth, int nHeight,
                                  bool bAverage) {
    std::vector<uint32_t> block(static_cast<size_t>(nWidth) * nHeight);
    const int sw = rcSrc.right - rcSrc.left, sh = rcSrc.bottom - rcSrc.top;
    for (int dy = 0; dy < nHeight; ++dy) {
        uint32_t* pOut = block.data() + static_cast<ptrdiff_t>(dy) * nWidth;
        if (bAverage && (sw != nWidth || sh != nHeight)) {
            for (int dx = 0; dx < nWidth; ++dx)
                pOut[dx] = Average_Pixel(src, rcSrc, dx, dy, nWidth, nHeight);
            continue;
        }
        // Destination pixel centres mapped into the source.
        const int sy = rcSrc.top + static_cast<int>((2LL * dy + 1) * sh / (2LL * nHeight));
        for (int dx = 0; dx < nWidth; ++dx) {
            const int sx = rcSrc.left + static_cast<int>((2LL * dx + 1) * sw / (2LL * nWidth));
            pOut[dx] = Source_Pixel(src, sx, sy);
        }
    }
    return block;
}

BLIT_GEOMETRY Blit_Geometry(int x, int y, int nWidth, int nHeight, int xSrc, int ySrc,
                            int nSrcWidth, int nSrcHeight) {
    BLIT_GEOMETRY g;
    g.rcDest = {Span_Start(x, nWidth), Span_Start(y, nHeight), 0, 0};
    g.rcDest.right = g.rcDest.left + abs(nWidth);
    g.rcDest.bottom = g.rcDest.top + abs(nHeight);
    g.rcSrc = {Span_Start(xSrc, nSrcWidth), Span_Start(ySrc, nSrcHeight), 0, 0};
    g.rcSrc.right = g.rcSrc.left + abs(nSrcWidth);
    g.rcSrc.bottom = g.rcSrc.top + abs(nSrcHeight);
    g.bMirrorX = (nWidth < 0) != (nSrcWidth < 0);
    g.bMirrorY = (nHeight < 0) != (nSrcHeight < 0);
    return g;
}

bool Blit_Source_Block(HDC hdcSrc, const BLIT_GEOMETRY& g, bool bAverage,
                       std::vector<uint32_t>* pBlock) {
    GDI_TARGET src(hdcSrc);
    if (!src.Valid()) return false;
    const int nWidth = g.rcDest.right - g.rcDest.left, nHeight = g.rcDest.bottom - g.rcDest.top;
    if (g.rcSrc.right <= g.rcSrc.left || g.rcSrc.bottom <= g.rcSrc.top) return false;
    *pBlock = Blit_Sample(src.px, Gdi_To_Surface(src, g.rcSrc), nWidth, nHeight, bAverage);
    Mirror(pBlock, nWidth, nHeight, g.bMirrorX, g.bMirrorY);
    return true;
}

BOOL BitBlt(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc, int ySrc,
            DWORD dwRop) {
    if (nWidth <= 0 || nHeight <= 0) return TRUE;
    return Blit(hdcDest, Blit_Geometry(x, y, nWidth, nHeight, xSrc, ySrc, nWidth, nHeight), hdcSrc,
                dwRop);
}

BOOL StretchBlt(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc, int ySrc,
                int nSrcWidth, int nSrcHeight, DWORD dwRop) {
    if (nWidth == 0 || nHeight == 0) return TRUE;
    return Blit(hdcDest, Blit_Geometry(x, y, nWidth, nHeight, xSrc, ySrc, nSrcWidth, nSrcHeight),
                hdcSrc, dwRop);
}

// The DIB goes through a memory DC on a bitmap holding its pixels top-down; a bottom-up DIB's
// ySrc counts from its bottom row.
int StretchDIBits(HDC hdc, int x, int y, int nWidth, int nHeight, int xSrc, int ySrc, int nSrcWidth,
                  int nSrcHeight, const VOID* pBits, const BITMAPINFO* pInfo, UINT uUsage,
                  DWORD dwRop) {
    if (!pInfo || !pBits) return 0;
    const BITMAPINFOHEADER& h = pInfo->bmiHeader;
    const int nDibHeight = abs(h.biHeight);
    HDC hdcDib = CreateCompatibleDC(nullptr);
    HBITMAP hbm = CreateCompatibleBitmap(nullptr, h.biWidth, nDibHeight);
    int nResult = 0;
    if (hdcDib && hbm &&
        SetDIBits(nullptr, hbm, 0, static_cast<UINT>(nDibHeight), pBits, pInfo, uUsage) > 0) {
        HGDIOBJ hOld = SelectObject(hdcDib, hbm);
        const int yTop = h.biHeight > 0 ? nDibHeight - ySrc - nSrcHeight : ySrc;
        if (StretchBlt(hdc, x, y, nWidth, nHeight, hdcDib, xSrc, yTop, nSrcWidth, nSrcHeight,
                       dwRop))
            nResult = abs(nSrcHeight);
        SelectObject(hdcDib, hOld);
    }
    DeleteDC(hdcDib);
    DeleteObject(hbm);
    return nResult;
}

BOOL TransparentBlt(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc,
                    int ySrc, int nSrcWidth, int nSrcHeight, UINT crTransparent) {
    if (nWidth <= 0 || nHeight <= 0 || nSrcWidth <= 0 || nSrcHeight <= 0) return FALSE;
    GDI_TARGET t(hdcDest);
    if (!t.Valid()) return FALSE;
    const BLIT_GEOMETRY g = Blit_Geometry(x, y, nWidth, nHeight, xSrc, ySrc, nSrcWidth, nSrcHeight);
    std::vector<uint32_t> block;
    if (!Blit_Source_Block(hdcSrc, g, false, &block)) return FALSE;
    const uint32_t nKey = Gdi_Pixel_From_Color(crTransparent);
    Blit_Compose(t, Gdi_To_Surface(t, g.rcDest), block,
                 [nKey](uint32_t d, uint32_t s) { return (s & 0xFFFFFF) == nKey ? d : s; });
    return TRUE;
}
