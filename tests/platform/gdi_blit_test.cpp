// Blits: raster operations, both stretch modes growing and shrinking, mirroring, packed DIBs
// and alpha blending, on tiny bitmaps with exact expected pixels.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi_test_canvas.h"

namespace {

void Set_Pixels(HDC hdc, int nWidth, const std::vector<COLORREF>& colors) {
    for (size_t i = 0; i < colors.size(); ++i)
        SetPixel(hdc, static_cast<int>(i) % nWidth, static_cast<int>(i) / nWidth, colors[i]);
}

std::vector<COLORREF> Get_Pixels(HDC hdc, int nWidth, int nHeight) {
    std::vector<COLORREF> colors;
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            colors.push_back(GetPixel(hdc, x, y));
    return colors;
}

COLORREF Grey(int n) {
    return RGB(n, n, n);
}

TEST(GdiBlitTest, RasterOperationsCombineSourceDestinationAndPattern) {
    struct CASE {
        DWORD dwRop;
        COLORREF crExpected;
    };
    const COLORREF crDest = RGB(0xF0, 0x0F, 0x33), crSrc = RGB(0x3C, 0x3C, 0x55);
    const CASE aCases[] = {
        {SRCCOPY, RGB(0x3C, 0x3C, 0x55)},   {SRCPAINT, RGB(0xFC, 0x3F, 0x77)},
        {SRCAND, RGB(0x30, 0x0C, 0x11)},    {SRCINVERT, RGB(0xCC, 0x33, 0x66)},
        {PATCOPY, RGB(0x00, 0x00, 0xFF)},   {BLACKNESS, RGB(0, 0, 0)},
        {WHITENESS, RGB(255, 255, 255)},    {NOTSRCCOPY, RGB(0xC3, 0xC3, 0xAA)},
        {DSTINVERT, RGB(0x0F, 0xF0, 0xCC)},
    };
    GDI_CANVAS source(1, 1, crSrc);
    for (const CASE& c : aCases) {
        GDI_CANVAS dest(3, 1, crDest);
        HBRUSH hBrush = CreateSolidBrush(RGB(0, 0, 255));
        HGDIOBJ hOld = SelectObject(dest.hdc, hBrush);
        EXPECT_TRUE(BitBlt(dest.hdc, 1, 0, 1, 1, source.hdc, 0, 0, c.dwRop)) << c.dwRop;
        EXPECT_EQ(Get_Pixels(dest.hdc, 3, 1), std::vector<COLORREF>({crDest, c.crExpected, crDest}))
            << std::hex << c.dwRop;
        SelectObject(dest.hdc, hOld);
        DeleteObject(hBrush);
    }
}

TEST(GdiBlitTest, StretchModesGrowAndShrinkTinyBitmaps) {
    struct CASE {
        int nMode;
        int nSrcSize;
        int nDestSize;
        std::vector<COLORREF> expected;
    };
    // A 2x2 source of four greys; a 4x4 source whose 2x2 blocks average to whole numbers.
    const std::vector<COLORREF> aSmall = {Grey(10), Grey(20), Grey(30), Grey(40)};
    const std::vector<COLORREF> aLarge = {
        Grey(0),   Grey(40),  Grey(100), Grey(104), Grey(80),  Grey(120), Grey(108), Grey(112),
        Grey(200), Grey(200), Grey(1),   Grey(3),   Grey(200), Grey(204), Grey(5),   Grey(7)};
    const std::vector<COLORREF> aGrown = {
        Grey(10), Grey(10), Grey(20), Grey(20), Grey(10), Grey(10), Grey(20), Grey(20),
        Grey(30), Grey(30), Grey(40), Grey(40), Grey(30), Grey(30), Grey(40), Grey(40)};
    const CASE aCases[] = {
        {COLORONCOLOR, 2, 4, aGrown},
        {HALFTONE, 2, 4, aGrown},
        // Each destination pixel centre lands on the lower right pixel of its 2x2 block.
        {COLORONCOLOR, 4, 2, {Grey(120), Grey(112), Grey(204), Grey(7)}},
        {HALFTONE, 4, 2, {Grey(60), Grey(106), Grey(201), Grey(4)}},
    };
    for (const CASE& c : aCases) {
        GDI_CANVAS source(c.nSrcSize, c.nSrcSize);
        Set_Pixels(source.hdc, c.nSrcSize, c.nSrcSize == 2 ? aSmall : aLarge);
        GDI_CANVAS dest(c.nDestSize, c.nDestSize);
        SetStretchBltMode(dest.hdc, c.nMode);
        EXPECT_TRUE(StretchBlt(dest.hdc, 0, 0, c.nDestSize, c.nDestSize, source.hdc, 0, 0,
                               c.nSrcSize, c.nSrcSize, SRCCOPY));
        EXPECT_EQ(Get_Pixels(dest.hdc, c.nDestSize, c.nDestSize), c.expected)
            << c.nMode << " " << c.nSrcSize << "->" << c.nDestSize;
    }
}

TEST(GdiBlitTest, NegativeWidthMirrors) {
    GDI_CANVAS source(3, 1);
    Set_Pixels(source.hdc, 3, {Grey(1), Grey(2), Grey(3)});
    GDI_CANVAS dest(3, 1);
    StretchBlt(dest.hdc, 2, 0, -3, 1, source.hdc, 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(Get_Pixels(dest.hdc, 3, 1), std::vector<COLORREF>({Grey(3), Grey(2), Grey(1)}));
}

TEST(GdiBlitTest, StretchDibitsReadsBottomUpAndTopDownRows) {
    // Two rows of two 24-bit pixels, each row padded to 8 bytes: red green, then blue black.
    const uint8_t aBits[16] = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0};
    for (LONG nHeight : {2, -2}) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, nHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        GDI_CANVAS dest(2, 2);
        EXPECT_EQ(
            StretchDIBits(dest.hdc, 0, 0, 2, 2, 0, 0, 2, 2, aBits, &info, DIB_RGB_COLORS, SRCCOPY),
            2);
        const std::vector<std::string> expected = nHeight > 0
                                                      ? std::vector<std::string>{"b#", "rg"}
                                                      : std::vector<std::string>{"rg", "b#"};
        EXPECT_EQ(dest.Picture(), expected) << nHeight;
    }
}

TEST(GdiBlitTest, AlphaBlendWithConstantAndPerPixelAlpha) {
    struct CASE {
        const char* szWhat;
        uint32_t nSource;  // 0xAARRGGBB, premultiplied where the format says so
        BYTE nConstant;
        BYTE nFormat;
        COLORREF crDest;
        COLORREF crExpected;
    };
    const CASE aCases[] = {
        {"constant half", 0x00FF0000, 128, 0, RGB(0, 0, 255), RGB(128, 0, 127)},
        {"constant opaque", 0x00FF0000, 255, 0, RGB(0, 0, 255), RGB(255, 0, 0)},
        {"constant clear", 0x00FF0000, 0, 0, RGB(0, 0, 255), RGB(0, 0, 255)},
        {"pixel half", 0x80800000, 255, AC_SRC_ALPHA, RGB(255, 255, 255), RGB(255, 127, 127)},
        {"pixel half, constant half", 0x80800000, 128, AC_SRC_ALPHA, RGB(255, 255, 255),
         RGB(255, 191, 191)},
        {"pixel transparent", 0x00000000, 255, AC_SRC_ALPHA, RGB(1, 2, 3), RGB(1, 2, 3)},
        {"pixel opaque", 0xFF00FF00, 255, AC_SRC_ALPHA, RGB(1, 2, 3), RGB(0, 255, 0)},
    };
    for (const CASE& c : aCases) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        HBITMAP hSource = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
        ASSERT_TRUE(hSource && pBits);
        *static_cast<uint32_t*>(pBits) = c.nSource;
        HDC hdcSource = CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = SelectObject(hdcSource, hSource);
        GDI_CANVAS dest(1, 1, c.crDest);
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, c.nConstant, c.nFormat};
        EXPECT_TRUE(AlphaBlend(dest.hdc, 0, 0, 1, 1, hdcSource, 0, 0, 1, 1, blend)) << c.szWhat;
        EXPECT_EQ(GetPixel(dest.hdc, 0, 0), c.crExpected) << c.szWhat;
        SelectObject(hdcSource, hOld);
        DeleteDC(hdcSource);
        DeleteObject(hSource);
    }
}

TEST(GdiBlitTest, TransparentBltSkipsTheKeyColour) {
    GDI_CANVAS source(3, 1);
    Set_Pixels(source.hdc, 3, {RGB(255, 0, 255), RGB(1, 1, 1), RGB(255, 0, 255)});
    GDI_CANVAS dest(3, 1, RGB(9, 9, 9));
    EXPECT_TRUE(TransparentBlt(dest.hdc, 0, 0, 3, 1, source.hdc, 0, 0, 3, 1, RGB(255, 0, 255)));
    EXPECT_EQ(Get_Pixels(dest.hdc, 3, 1), std::vector<COLORREF>({Grey(9), Grey(1), Grey(9)}));
}

}  // namespace
