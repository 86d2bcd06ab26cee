#include "canvas_test_support.h"

#include <stdio.h>

#include <string>
#include <vector>

namespace {

using canvas_test::Canvas_Clear_Errors;
using canvas_test::CANVAS_PNG;
using canvas_test::Canvas_Read_Png;
using canvas_test::Canvas_Recent_Error_Has;

struct CanvasSurfaceTest : ::testing::Test {
    HDC hReference = nullptr;
    void SetUp() override {
        Test_Reset_Platform();
        Canvas_Clear_Errors();
        hReference = CreateCompatibleDC(nullptr);
    }
    void TearDown() override {
        DeleteDC(hReference);
        Test_Reset_Platform();
    }
};

TEST_F(CanvasSurfaceTest, RowsArePaddedToFourBytesAndReleaseClearsTheSurface) {
    const struct {
        int nBytesPerPixel, nWidth, nPadding, nStride;
    } kCases[] = {{3, 10, 2, 32}, {3, 4, 0, 12}, {3, 1, 1, 4}, {4, 10, 0, 40}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nWidth);
        DIB_SECTION_DC surface;
        ASSERT_EQ(SimpleCreateDIBSectionDC(hReference, &surface, c.nBytesPerPixel, c.nWidth, 3), 1);
        EXPECT_NE(surface.pBits, nullptr);
        EXPECT_NE(surface.hdc, nullptr);
        EXPECT_EQ(surface.bmi.bmiHeader.biSize, 40u);
        EXPECT_EQ(surface.bmi.bmiHeader.biHeight, 3);  // bottom-up
        EXPECT_EQ(surface.bmi.bmiHeader.biBitCount, c.nBytesPerPixel * 8);
        EXPECT_EQ(surface.nPadding, c.nPadding);
        EXPECT_EQ(surface.nStride, c.nStride);
        EXPECT_TRUE(Release_DIB_Section_DC(&surface));
        EXPECT_EQ(surface.hdc, nullptr);
        EXPECT_EQ(surface.pBits, nullptr);
    }
}

TEST_F(CanvasSurfaceTest, RefusesWithoutReferenceAndReportsABadSize) {
    DIB_SECTION_DC surface;
    surface.nStride = 99;
    EXPECT_EQ(SimpleCreateDIBSectionDC(nullptr, &surface, 4, 10, 10), 0);
    EXPECT_EQ(surface.nStride, 0);  // cleared
    EXPECT_EQ(Create_DIB_Section_DC_32(hReference, &surface, 0, 10), 0);
    EXPECT_TRUE(
        Canvas_Recent_Error_Has("Unable to create bitmap in SimpleCreateDIBSectionDC(0,10)"));
    EXPECT_EQ(surface.hdc, nullptr);
}

TEST_F(CanvasSurfaceTest, BlurSpreadsTheColoursOfA24BitSurface) {
    DIB_SECTION_DC surface;
    ASSERT_EQ(Create_DIB_Section_DC_24(hReference, &surface, 9, 9), 1);
    uint8_t* pCentre = surface.pBits + 4 * surface.nStride + 4 * 3;
    pCentre[0] = 255;  // a blue dot
    Blur_DIB_Section(&surface, 2, 2);
    auto At = [&](int x, int y) { return surface.pBits + y * surface.nStride + x * 3; };
    EXPECT_LT(At(4, 4)[0], 255);
    EXPECT_GT(At(4, 4)[0], At(5, 4)[0]);
    EXPECT_GT(At(5, 4)[0], 0);
    EXPECT_EQ(At(5, 4)[0], At(3, 4)[0]);  // symmetric
    EXPECT_EQ(At(4, 5)[0], At(4, 3)[0]);
    EXPECT_EQ(At(4, 2)[0], At(2, 4)[0]);  // the same on both axes
    EXPECT_EQ(At(0, 0)[0], 0);            // beyond the radius
    int nSum = 0;
    for (int y = 0; y < 9; y++)
        for (int x = 0; x < 9; x++) {
            nSum += At(x, y)[0];
            EXPECT_EQ(At(x, y)[1], 0);
            EXPECT_EQ(At(x, y)[2], 0);
        }
    EXPECT_NEAR(nSum, 255, 20);  // the blur keeps the amount of colour
    Release_DIB_Section_DC(&surface);
}

TEST_F(CanvasSurfaceTest, BlurOfA32BitSurfaceTouchesOnlyItsAlpha) {
    DIB_SECTION_DC surface;
    ASSERT_EQ(Create_DIB_Section_DC_32(hReference, &surface, 9, 9), 1);
    for (int i = 0; i < 9 * 9; i++)
        surface.pBits[i * 4] = 77;  // blue everywhere
    surface.pBits[(4 * 9 + 4) * 4 + 3] = 255;
    Blur_DIB_Section(&surface, 2, 0);  // rows only
    auto At = [&](int x, int y) { return surface.pBits + (y * 9 + x) * 4; };
    EXPECT_GT(At(5, 4)[3], 0);
    EXPECT_EQ(At(5, 4)[3], At(3, 4)[3]);
    EXPECT_EQ(At(4, 5)[3], 0);  // no blur across rows
    for (int i = 0; i < 9 * 9; i++) {
        EXPECT_EQ(surface.pBits[i * 4], 77);
        EXPECT_EQ(surface.pBits[i * 4 + 1], 0);
    }
    uint8_t aBefore[9 * 9 * 4];
    memcpy(aBefore, surface.pBits, sizeof aBefore);
    Blur_DIB_Section(&surface, 0, 0);
    EXPECT_EQ(memcmp(aBefore, surface.pBits, sizeof aBefore), 0);
    Release_DIB_Section_DC(&surface);
}

TEST_F(CanvasSurfaceTest, PngHoldsRgbRowsTopDownWithoutThePadding) {
    // 10 pixels of 3 bytes: rows of 32 bytes in the buffer, bottom-up.
    std::vector<uint8_t> aBits(32 * 2, 0xEE);
    for (int x = 0; x < 10; x++) {
        uint8_t* pBottom = &aBits[x * 3];  // the image's last row
        pBottom[0] = (uint8_t)x;           // blue
        pBottom[1] = 10;
        pBottom[2] = 200;  // red
        uint8_t* pTop = &aBits[32 + x * 3];
        pTop[0] = pTop[1] = pTop[2] = 50;
    }
    ASSERT_EQ(Save_PNG_File(aBits.data(), "rgb.png", 24, 10, 2), 1);
    CANVAS_PNG png;
    ASSERT_TRUE(Canvas_Read_Png("rgb.png", &png));
    EXPECT_EQ(png.nChannels, 3);
    ASSERT_EQ(png.nWidth, 10);
    ASSERT_EQ(png.nHeight, 2);
    for (int x = 0; x < 10; x++) {
        EXPECT_EQ(png.Pixel(x, 0)[0], 50);
        EXPECT_EQ(png.Pixel(x, 1)[0], 200);  // red
        EXPECT_EQ(png.Pixel(x, 1)[1], 10);
        EXPECT_EQ(png.Pixel(x, 1)[2], x);  // blue
    }
}

TEST_F(CanvasSurfaceTest, PngOfFourBytePixelsIsRgbaWithTheStoredAlpha) {
    const uint8_t aBits[] = {1, 2, 3, 4,   5, 6, 7, 0,     // bottom row: BGRA, BGRA
                             9, 9, 9, 255, 0, 0, 0, 128};  // top row
    ASSERT_EQ(Save_PNG_File(aBits, "rgba.png", 32, 2, 2), 1);
    CANVAS_PNG png;
    ASSERT_TRUE(Canvas_Read_Png("rgba.png", &png));
    EXPECT_EQ(png.nChannels, 4);
    const uint8_t* p = png.Pixel(0, 1);
    EXPECT_EQ(p[0], 3);
    EXPECT_EQ(p[1], 2);
    EXPECT_EQ(p[2], 1);
    EXPECT_EQ(p[3], 4);
    EXPECT_EQ(png.Pixel(1, 1)[3], 0);
    EXPECT_EQ(png.Pixel(0, 0)[3], 255);
    EXPECT_EQ(png.Pixel(1, 0)[3], 128);
}

TEST_F(CanvasSurfaceTest, PngRefusalsWriteNothing) {
    const uint8_t aBits[16] = {};
    EXPECT_EQ(Save_PNG_File(aBits, "", 24, 1, 1), 0);
    EXPECT_EQ(Save_PNG_File(aBits, nullptr, 24, 1, 1), 0);
    EXPECT_EQ(Save_PNG_File(aBits, "no_such_folder/x.png", 24, 1, 1), 0);
    EXPECT_TRUE(Canvas_Recent_Error_Has(
        "Unable to open file in Save_PNG_File(no_such_folder/x.png,*,1,1)"));
    EXPECT_EQ(Save_PNG_File(aBits, "bad.png", 16, 1, 1), 0);
    EXPECT_EQ(Save_PNG_File(aBits, "bad.png", 24, 0, 1), 0);
    FILE* pFile = fopen("bad.png", "rb");
    EXPECT_EQ(pFile, nullptr);
    if (pFile)
        fclose(pFile);
}

TEST_F(CanvasSurfaceTest, DcSavedAsPngIsItsPixels) {
    DIB_SECTION_DC source;
    ASSERT_EQ(Create_DIB_Section_DC_32(hReference, &source, 6, 4), 1);
    RECT rc = {0, 0, 6, 4};
    HBRUSH hGreen = CreateSolidBrush(RGB(0, 128, 0));
    FillRect(source.hdc, &rc, hGreen);
    DeleteObject(hGreen);
    SetPixel(source.hdc, 5, 0, RGB(255, 0, 0));
    ASSERT_EQ(Save_DC_As_PNG("dc.png", source.hdc, 6, 4), 1);
    CANVAS_PNG png;
    ASSERT_TRUE(Canvas_Read_Png("dc.png", &png));
    EXPECT_EQ(png.nChannels, 3);
    EXPECT_EQ(png.nWidth, 6);
    EXPECT_EQ(png.Pixel(5, 0)[0], 255);  // top right stays top right
    EXPECT_EQ(png.Pixel(0, 3)[1], 128);
    EXPECT_EQ(png.Pixel(0, 3)[0], 0);
    EXPECT_EQ(Save_DC_As_PNG("null.png", nullptr, 6, 4), 0);
    Release_DIB_Section_DC(&source);
}

}  // namespace
