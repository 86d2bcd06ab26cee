// Device-dependent bitmaps: 32-bit pixels kept top-down (the memory DC's initial 1x1 bitmap and
// CreateBitmap's one-bit bitmaps hold black and white pixels in the same form), and how a
// drawing call reaches any bitmap's pixels, DIB sections included.
#include "gdi_internal.h"

#include <string.h>

GDI_BITMAP* Gdi_New_Bitmap(int nWidth, int nHeight, int nBitsPixel) {
    auto* p = new GDI_BITMAP();
    p->nType = OBJ_BITMAP;
    p->bStock = false;
    p->nWidth = nWidth;
    p->nHeight = nHeight;
    p->nBitsPixel = nBitsPixel;
    p->aPixels.assign(static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight), 0);
    p->pDibBits = nullptr;
    p->bDibBottomUp = false;
    p->nDibRowBytes = 0;
    return p;
}

GDI_PIXELS Gdi_Bitmap_Begin(GDI_BITMAP* p) {
    const int w = p->nWidth, h = p->nHeight;
    if (p->pDibBits && p->nBitsPixel == 32) {
        // The DIB's own memory, rows 4-byte aligned already at 32 bits.
        auto* pBits = reinterpret_cast<uint32_t*>(p->pDibBits);
        if (p->bDibBottomUp) return {pBits + static_cast<ptrdiff_t>(h - 1) * w, w, h, -w};
        return {pBits, w, h, w};
    }
    if (p->pDibBits) {
        for (int y = 0; y < h; ++y) {
            int nRow = p->bDibBottomUp ? h - 1 - y : y;
            Dib_Row_To_Pixels(p->pDibBits + static_cast<ptrdiff_t>(nRow) * p->nDibRowBytes,
                              p->nBitsPixel, w, &p->aPixels[static_cast<size_t>(y) * w]);
        }
    }
    return {p->aPixels.data(), w, h, w};
}

void Gdi_Bitmap_End(GDI_BITMAP* p) {
    if (!p->pDibBits || p->nBitsPixel == 32) return;
    const int w = p->nWidth, h = p->nHeight;
    for (int y = 0; y < h; ++y) {
        int nRow = p->bDibBottomUp ? h - 1 - y : y;
        Pixels_To_Dib_Row(&p->aPixels[static_cast<size_t>(y) * w], p->nBitsPixel, w,
                          p->pDibBits + static_cast<ptrdiff_t>(nRow) * p->nDibRowBytes);
    }
}

HBITMAP CreateCompatibleBitmap(HDC /*hdc*/, int nWidth, int nHeight) {
    if (nWidth <= 0 || nHeight <= 0 || nWidth > 32768 || nHeight > 32768) return nullptr;
    return reinterpret_cast<HBITMAP>(Gdi_Add_Object(Gdi_New_Bitmap(nWidth, nHeight, 32)));
}

// One-bit rows are padded to 16 bits, set bits white; 32-bit rows are BGRA pixels.
HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const VOID* pBits) {
    if (nWidth <= 0 || nHeight <= 0 || nWidth > 32768 || nHeight > 32768 || nPlanes != 1 ||
        (nBitCount != 1 && nBitCount != 32))
        return nullptr;
    GDI_BITMAP* p = Gdi_New_Bitmap(nWidth, nHeight, static_cast<int>(nBitCount));
    if (pBits && nBitCount == 32) {
        memcpy(p->aPixels.data(), pBits, p->aPixels.size() * sizeof(uint32_t));
    } else if (pBits) {
        const auto* pIn = static_cast<const uint8_t*>(pBits);
        const int nRowBytes = ((nWidth + 15) / 16) * 2;
        for (int y = 0; y < nHeight; ++y)
            for (int x = 0; x < nWidth; ++x) {
                bool bSet = (pIn[y * nRowBytes + x / 8] >> (7 - x % 8)) & 1;
                p->aPixels[static_cast<size_t>(y) * nWidth + x] = bSet ? 0xFFFFFF : 0;
            }
    }
    return reinterpret_cast<HBITMAP>(Gdi_Add_Object(p));
}
