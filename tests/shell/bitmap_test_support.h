// Tiny image files written by the bitmap cache's tests, and the fixture they share: a scratch
// folder as the working folder, a ready cache and a 64 x 64 memory DC to draw into.
#pragma once

#include <gtest/gtest.h>

#include <stdint.h>

#include <string>
#include <vector>

#include "shell/shell.h"

// One pixel of a test image; alpha is used by the four-channel formats only.
struct BITMAP_TEST_RGBA {
    uint8_t r, g, b, a;
};

// Images are given top row first, nWidth pixels a row.
typedef std::vector<BITMAP_TEST_RGBA> BITMAP_TEST_IMAGE;

// PNG colour types as libpng numbers them: 0 grey, 2 RGB, 3 palette, 6 RGBA.
void Bitmap_Test_Write_Png(const std::string& stPath, int nWidth, int nHeight, int nColourType,
                           const BITMAP_TEST_IMAGE& pixels);
// nComponents 1 (grey from the red channel), 3 (RGB) or 4 (CMYK from r, g, b and a as C, M, Y, K).
void Bitmap_Test_Write_Jpeg(const std::string& stPath, int nWidth, int nHeight, int nComponents,
                            const BITMAP_TEST_IMAGE& pixels);
// nBitCount 24 or 32 (BGR rows), or 8 (a grey palette of the red channel).
void Bitmap_Test_Write_Bmp(const std::string& stPath, int nWidth, int nHeight, int nBitCount,
                           const BITMAP_TEST_IMAGE& pixels);
void Bitmap_Test_Write_Bytes(const std::string& stPath, const std::vector<uint8_t>& bytes);

// An image of four solid quadrants (top left, top right, bottom left, bottom right).
BITMAP_TEST_IMAGE Bitmap_Test_Quadrants(int nSide, BITMAP_TEST_RGBA topLeft,
                                        BITMAP_TEST_RGBA topRight, BITMAP_TEST_RGBA bottomLeft,
                                        BITMAP_TEST_RGBA bottomRight);
BITMAP_TEST_IMAGE Bitmap_Test_Solid(int nWidth, int nHeight, BITMAP_TEST_RGBA colour);

// A window of a plain class at (x, y) in its parent's client area (the screen without a parent).
HWND Bitmap_Test_Create_Window(HWND hParent, int x, int y, int nWidth, int nHeight, int nId);

class BitmapCacheTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Fills the target with one colour.
    void Clear_Target(COLORREF colour);
    // The target's pixel as r, g, b.
    BITMAP_TEST_RGBA Pixel(int x, int y) const;

    static constexpr int TARGET_SIDE = 64;
    HDC hTarget = nullptr;
    HBITMAP hTargetBitmap = nullptr;
    HGDIOBJ hOldBitmap = nullptr;
    std::string stFolder;
    std::string stOldFolder;
};
