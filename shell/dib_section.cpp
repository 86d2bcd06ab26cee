// Memory surfaces: a 24-bit or 32-bit DIB section selected into a DC compatible with a reference
// DC, its pixels addressed directly; and their stack blur.
#include "shell/shell.h"

#include <string.h>

int SimpleCreateDIBSectionDC(HDC hReference, DIB_SECTION_DC* pSurface, int nBytesPerPixel,
                             int nWidth, int nHeight) {
    if (!pSurface)
        return 0;
    memset(pSurface, 0, sizeof *pSurface);
    if (!hReference)
        return 0;
    if (nBytesPerPixel != 3 && nBytesPerPixel != 4) {
        Report_Error("Invalid bytes per pixel in SimpleCreateDIBSectionDC(%d,%d,%d)", nWidth,
                     nHeight, nBytesPerPixel);
        return 0;
    }
    BITMAPINFOHEADER* pHeader = &pSurface->bmi.bmiHeader;
    pHeader->biSize = sizeof(BITMAPINFOHEADER);
    pHeader->biWidth = nWidth;
    pHeader->biHeight = nHeight;
    pHeader->biPlanes = 1;
    pHeader->biBitCount = (WORD)(nBytesPerPixel * 8);
    pHeader->biCompression = BI_RGB;

    HDC hdc = CreateCompatibleDC(hReference);
    if (!hdc) {
        Report_Error("Unable to create DC in SimpleCreateDIBSectionDC(%d,%d,%d)", nWidth, nHeight,
                     nBytesPerPixel);
        return 0;
    }
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hdc, &pSurface->bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hBitmap || !pBits) {
        if (hBitmap)
            DeleteObject(hBitmap);
        DeleteDC(hdc);
        Report_Error("Unable to create bitmap in SimpleCreateDIBSectionDC(%d,%d)", nWidth, nHeight);
        return 0;
    }
    HBITMAP hOld = (HBITMAP)SelectObject(hdc, hBitmap);
    if (!hOld) {
        Report_Error("Unable to select HBITMAP SimpleCreateDIBSectionDC(%d,%d)", nWidth, nHeight);
        DeleteObject(hBitmap);
        DeleteDC(hdc);
        return 0;
    }
    const int nRowBytes = nWidth * nBytesPerPixel;
    pSurface->pBits = (unsigned char*)pBits;
    pSurface->hdc = hdc;
    pSurface->hOldBitmap = hOld;
    pSurface->hBitmap = hBitmap;
    pSurface->nBytesPerPixel = nBytesPerPixel;
    pSurface->nPadding = (4 - nRowBytes % 4) % 4;
    pSurface->nStride = nRowBytes + pSurface->nPadding;
    pSurface->nWidth = nWidth;
    pSurface->nHeight = nHeight;
    return 1;
}

int Create_DIB_Section_DC_24(HDC hReference, DIB_SECTION_DC* pSurface, int nWidth, int nHeight) {
    return SimpleCreateDIBSectionDC(hReference, pSurface, 3, nWidth, nHeight);
}

int Create_DIB_Section_DC_32(HDC hReference, DIB_SECTION_DC* pSurface, int nWidth, int nHeight) {
    return SimpleCreateDIBSectionDC(hReference, pSurface, 4, nWidth, nHeight);
}

bool Release_DIB_Section_DC(DIB_SECTION_DC* pSurface) {
    if (!pSurface)
        return false;
    bool bReleased = true;
    if (pSurface->hdc) {
        if (pSurface->hOldBitmap)
            SelectObject(pSurface->hdc, pSurface->hOldBitmap);
        if (pSurface->hBitmap && !DeleteObject(pSurface->hBitmap)) {
            Report_Error("Unable to delete bitmap in Draw_Button_Noise()");
            bReleased = false;
        }
        if (!DeleteDC(pSurface->hdc)) {
            Report_Error("Unable to delete DC in Draw_Button_Noise()");
            bReleased = false;
        }
    }
    memset(pSurface, 0, sizeof *pSurface);
    return bReleased;
}

void Blur_DIB_Section(DIB_SECTION_DC* pSurface, int nRadiusX, int nRadiusY) {
    if (!pSurface || !pSurface->pBits)
        return;
    if (pSurface->nBytesPerPixel == 3)
        Stack_Blur_Pixels(pSurface->pBits, pSurface->nWidth, pSurface->nHeight, pSurface->nStride,
                          3, 3, 0, nRadiusX, nRadiusY);
    else
        Stack_Blur_Pixels(pSurface->pBits, pSurface->nWidth, pSurface->nHeight, pSurface->nStride,
                          1, 4, 3, nRadiusX, nRadiusY);
}
