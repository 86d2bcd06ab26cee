// DIB sections and DIB bits: drawing changes the section's own memory and the memory changes
// what is drawn; packed rows are bottom-up or top-down and padded to 4 bytes.
#include <gtest/gtest.h>

#include <string.h>

#include <vector>

#include "platform/gdi_test_canvas.h"

namespace {

BITMAPINFO Dib_Info(LONG nWidth, LONG nHeight, WORD nBitCount) {
    BITMAPINFO info = {};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), nWidth, nHeight, 1, nBitCount, BI_RGB, 0, 0, 0, 0, 0};
    return info;
}

TEST(GdiDibTest, SectionMemoryAndDrawingAreTheSamePixels) {
    struct CASE {
        WORD nBitCount;
        int nRowBytes;
    };
    // 3 pixels wide: 24-bit rows take 9 bytes padded to 12, 32-bit rows 12 bytes.
    for (const CASE& c : {CASE{24, 12}, CASE{32, 12}}) {
        BITMAPINFO info = Dib_Info(3, 2, c.nBitCount);  // bottom-up
        void* pVoid = nullptr;
        HBITMAP hSection = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pVoid, nullptr, 0);
        ASSERT_TRUE(hSection && pVoid);
        auto* pBits = static_cast<uint8_t*>(pVoid);
        const int nPixelBytes = c.nBitCount / 8;
        HDC hdc = CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = SelectObject(hdc, hSection);

        // Drawing the top row lands in the last row of memory, blue byte first.
        RECT rcTop = {0, 0, 3, 1};
        HBRUSH hBrush = CreateSolidBrush(RGB(1, 2, 3));
        FillRect(hdc, &rcTop, hBrush);
        SetPixel(hdc, 2, 1, RGB(7, 8, 9));
        GdiFlush();
        const uint8_t* pTopRow = pBits + c.nRowBytes;
        EXPECT_EQ(pTopRow[0], 3) << c.nBitCount;
        EXPECT_EQ(pTopRow[1], 2) << c.nBitCount;
        EXPECT_EQ(pTopRow[2], 1) << c.nBitCount;
        EXPECT_EQ(pTopRow[2 * nPixelBytes + 2], 1) << c.nBitCount;
        EXPECT_EQ(pBits[2 * nPixelBytes], 9) << c.nBitCount;
        EXPECT_EQ(pBits[2 * nPixelBytes + 2], 7) << c.nBitCount;
        if (c.nBitCount == 24) {
            // The padding bytes stay untouched.
            for (int i = 9; i < 12; ++i)
                EXPECT_EQ(pBits[c.nRowBytes + i], 0) << i;
        }

        // Writing memory changes what the DC reads.
        pBits[0] = 30;
        pBits[1] = 20;
        pBits[2] = 10;
        EXPECT_EQ(GetPixel(hdc, 0, 1), RGB(10, 20, 30)) << c.nBitCount;
        EXPECT_EQ(GetPixel(hdc, 1, 0), RGB(1, 2, 3)) << c.nBitCount;

        BITMAP bm;
        ASSERT_EQ(GetObject(hSection, sizeof(bm), &bm), static_cast<int>(sizeof(bm)));
        EXPECT_EQ(bm.bmWidthBytes, c.nRowBytes);
        EXPECT_EQ(bm.bmBits, pVoid);
        SelectObject(hdc, hOld);
        DeleteDC(hdc);
        DeleteObject(hBrush);
        DeleteObject(hSection);
    }
}

TEST(GdiDibTest, SetDibitsReadsBottomUpOrTopDownAndGetDibitsWritesThemBack) {
    // Rows of two 24-bit pixels padded to 8 bytes: red green, then blue white.
    const std::vector<uint8_t> aBits = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
    struct CASE {
        LONG nHeight;
        std::vector<std::string> expected;
    };
    for (const CASE& c : {CASE{2, {"b.", "rg"}}, CASE{-2, {"rg", "b."}}}) {
        GDI_CANVAS canvas(2, 2);
        HBITMAP hBitmap = static_cast<HBITMAP>(GetCurrentObject(canvas.hdc, OBJ_BITMAP));
        BITMAPINFO info = Dib_Info(2, c.nHeight, 24);
        EXPECT_EQ(SetDIBits(canvas.hdc, hBitmap, 0, 2, aBits.data(), &info, DIB_RGB_COLORS), 2);
        EXPECT_EQ(canvas.Picture(), c.expected) << c.nHeight;

        std::vector<uint8_t> aOut(16, 0xAA);
        EXPECT_EQ(GetDIBits(canvas.hdc, hBitmap, 0, 2, aOut.data(), &info, DIB_RGB_COLORS), 2);
        EXPECT_EQ(aOut, aBits) << c.nHeight;  // same rows, padding zeroed
    }
}

}  // namespace
