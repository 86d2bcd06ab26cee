// Device-independent bitmaps: DIB sections whose memory drawing changes directly, and copying
// packed DIB rows (24 or 32 bits, bottom-up or top-down, rows padded to 4 bytes) into and out of
// bitmaps.
#include "gdi_internal.h"

#include <string.h>

#include <algorithm>

namespace {

bool Dib_Format_Supported(const BITMAPINFO* pInfo) {
    if (!pInfo) return false;
    const BITMAPINFOHEADER& h = pInfo->bmiHeader;
    return h.biCompression == BI_RGB && (h.biBitCount == 24 || h.biBitCount == 32) &&
           h.biWidth > 0 && h.biHeight != 0 && h.biWidth <= 32768 && h.biHeight <= 32768 &&
           h.biHeight >= -32768;
}

// The DIB row that holds scan line nScan counted from the bitmap's top.
int Dib_Row_Of(int nScan, int nHeight, bool bBottomUp) {
    return bBottomUp ? nHeight - 1 - nScan : nScan;
}

}  // namespace

void Dib_Row_To_Pixels(const uint8_t* pRow, int nBitCount, int nWidth, uint32_t* pOut) {
    if (nBitCount == 32) {
        memcpy(pOut, pRow, static_cast<size_t>(nWidth) * 4);
        return;
    }
    for (int x = 0; x < nWidth; ++x, pRow += 3)
        pOut[x] = static_cast<uint32_t>(pRow[0]) | (static_cast<uint32_t>(pRow[1]) << 8) |
                  (static_cast<uint32_t>(pRow[2]) << 16);
}

void Pixels_To_Dib_Row(const uint32_t* pIn, int nBitCount, int nWidth, uint8_t* pRow) {
    if (nBitCount == 32) {
        memcpy(pRow, pIn, static_cast<size_t>(nWidth) * 4);
        return;
    }
    for (int x = 0; x < nWidth; ++x, pRow += 3) {
        pRow[0] = static_cast<uint8_t>(pIn[x]);
        pRow[1] = static_cast<uint8_t>(pIn[x] >> 8);
        pRow[2] = static_cast<uint8_t>(pIn[x] >> 16);
    }
}

HBITMAP CreateDIBSection(HDC /*hdc*/, const BITMAPINFO* pInfo, UINT uUsage, VOID** ppBits,
                         HANDLE hSection, DWORD /*dwOffset*/) {
    if (ppBits) *ppBits = nullptr;
    if (!Dib_Format_Supported(pInfo) || uUsage != DIB_RGB_COLORS || hSection) return nullptr;
    const BITMAPINFOHEADER& h = pInfo->bmiHeader;
    const int nHeight = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    GDI_BITMAP* p = Gdi_New_Bitmap(h.biWidth, nHeight, h.biBitCount);
    if (h.biBitCount == 32) p->aPixels.clear();  // drawing addresses the DIB memory itself
    p->nDibRowBytes = Dib_Row_Bytes(h.biWidth, h.biBitCount);
    p->aDibMemory.assign(static_cast<size_t>(p->nDibRowBytes) * nHeight, 0);
    p->pDibBits = p->aDibMemory.data();
    p->bDibBottomUp = h.biHeight > 0;
    if (ppBits) *ppBits = p->pDibBits;
    return reinterpret_cast<HBITMAP>(Gdi_Add_Object(p));
}

BOOL GdiFlush(void) { return TRUE; }

int SetDIBits(HDC /*hdc*/, HBITMAP hBitmap, UINT nStart, UINT nLines, const VOID* pBits,
              const BITMAPINFO* pInfo, UINT /*uUsage*/) {
    GDI_BITMAP* p = Gdi_Find<GDI_BITMAP>(hBitmap, OBJ_BITMAP);
    if (!p || !pBits || !Dib_Format_Supported(pInfo)) return 0;
    const BITMAPINFOHEADER& h = pInfo->bmiHeader;
    const bool bBottomUp = h.biHeight > 0;
    const int nDibHeight = bBottomUp ? h.biHeight : -h.biHeight;
    const int nRowBytes = Dib_Row_Bytes(h.biWidth, h.biBitCount);
    const int nWidth = std::min<int>(h.biWidth, p->nWidth);
    const auto* pIn = static_cast<const uint8_t*>(pBits);
    GDI_PIXELS px = Gdi_Bitmap_Begin(p);
    std::vector<uint32_t> row(static_cast<size_t>(h.biWidth));
    int nDone = 0;
    // Bottom-up scan lines count from the bottom, as the rows lie in memory.
    for (UINT i = 0; i < nLines; ++i) {
        int nScan = static_cast<int>(nStart + i);
        if (nScan >= nDibHeight) break;
        int y = Dib_Row_Of(nScan, nDibHeight, bBottomUp);
        if (y < p->nHeight) {
            Dib_Row_To_Pixels(pIn + static_cast<ptrdiff_t>(i) * nRowBytes, h.biBitCount, h.biWidth,
                              row.data());
            memcpy(px.Row(y), row.data(), static_cast<size_t>(nWidth) * 4);
        }
        ++nDone;
    }
    Gdi_Bitmap_End(p);
    return nDone;
}

int GetDIBits(HDC /*hdc*/, HBITMAP hBitmap, UINT nStart, UINT nLines, LPVOID pBits,
              BITMAPINFO* pInfo, UINT /*uUsage*/) {
    GDI_BITMAP* p = Gdi_Find<GDI_BITMAP>(hBitmap, OBJ_BITMAP);
    if (!p || !pInfo) return 0;
    BITMAPINFOHEADER& h = pInfo->bmiHeader;
    if (!pBits) {
        // Describes the bitmap.
        h.biWidth = p->nWidth;
        h.biHeight = p->nHeight;
        h.biPlanes = 1;
        h.biBitCount = 32;
        h.biCompression = BI_RGB;
        h.biSizeImage = static_cast<DWORD>(Dib_Row_Bytes(p->nWidth, 32) * p->nHeight);
        return p->nHeight;
    }
    if (!Dib_Format_Supported(pInfo)) return 0;
    const bool bBottomUp = h.biHeight > 0;
    const int nDibHeight = bBottomUp ? h.biHeight : -h.biHeight;
    const int nRowBytes = Dib_Row_Bytes(h.biWidth, h.biBitCount);
    std::vector<uint32_t> row(static_cast<size_t>(h.biWidth), 0);
    auto* pOut = static_cast<uint8_t*>(pBits);
    GDI_PIXELS px = Gdi_Bitmap_Begin(p);
    const int nWidth = std::min<int>(h.biWidth, p->nWidth);
    int nDone = 0;
    for (UINT i = 0; i < nLines; ++i) {
        int nScan = static_cast<int>(nStart + i);
        if (nScan >= nDibHeight) break;
        int y = Dib_Row_Of(nScan, nDibHeight, bBottomUp);
        std::fill(row.begin(), row.end(), 0);
        if (y < p->nHeight) memcpy(row.data(), px.Row(y), static_cast<size_t>(nWidth) * 4);
        uint8_t* pRow = pOut + static_cast<ptrdiff_t>(i) * nRowBytes;
        memset(pRow, 0, static_cast<size_t>(nRowBytes));
        Pixels_To_Dib_Row(row.data(), h.biBitCount, h.biWidth, pRow);
        ++nDone;
    }
    Gdi_Bitmap_End(p);
    return nDone;
}
