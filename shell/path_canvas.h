// The vector canvas, 32-bit DIB-section surfaces with the stack blur, and PNG output.
#pragma once

#include "core/core.h"

typedef struct DIB_SECTION_DC {
    HDC hdc;
    HBITMAP hBitmap;
    HBITMAP hOldBitmap;
    unsigned char* pBits;
    int nWidth;
    int nHeight;
    int nBytesPerPixel;
    int nStride;
} DIB_SECTION_DC;

int SimpleCreateDIBSectionDC(HDC hReference, DIB_SECTION_DC* pSurface, int nBytesPerPixel,
                             int nWidth, int nHeight);
bool Release_DIB_Section_DC(DIB_SECTION_DC* pSurface);
void Blur_DIB_Section(DIB_SECTION_DC* pSurface, int nRadiusX, int nRadiusY);
int Save_PNG_File(const unsigned char* pBits, const char* szFile, int nBitsPerPixel, int nWidth,
                  int nHeight);
int Save_DC_As_PNG(const char* szFile, HDC hdc, int nWidth, int nHeight);
