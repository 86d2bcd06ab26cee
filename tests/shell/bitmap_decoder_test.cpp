// The decoders: each kind of file drawn the right way up in its colours, the files that load
// nothing, premultiplied alpha and the loading option letters.
#include <stdlib.h>
#include <string.h>

#include <filesystem>

#include "bitmap_test_support.h"

namespace {

const BITMAP_TEST_RGBA BITMAP_RED = {200, 30, 40, 255};
const BITMAP_TEST_RGBA BITMAP_GREEN = {30, 200, 60, 255};
const BITMAP_TEST_RGBA BITMAP_BLUE = {20, 40, 220, 255};
const BITMAP_TEST_RGBA BITMAP_LIGHT = {240, 240, 240, 255};
const BITMAP_TEST_RGBA BITMAP_GREYS[4] = {
    {50, 50, 50, 255}, {100, 100, 100, 255}, {150, 150, 150, 255}, {200, 200, 200, 255}};

enum BITMAP_TEST_KIND { BITMAP_PNG, BITMAP_JPEG, BITMAP_BMP };

struct BITMAP_DECODER_CASE {
    const char* szFile;
    BITMAP_TEST_KIND kind;
    int nFormat;  // PNG colour type, JPEG components or BMP bit count
    int bGrey;
    int nSide;
    int nTolerance;
    int nBitCount;  // of the loaded rows
};

void Bitmap_Write_Case(const BITMAP_DECODER_CASE& c, const BITMAP_TEST_IMAGE& pixels) {
    if (c.kind == BITMAP_PNG)
        Bitmap_Test_Write_Png(c.szFile, c.nSide, c.nSide, c.nFormat, pixels);
    else if (c.kind == BITMAP_JPEG)
        Bitmap_Test_Write_Jpeg(c.szFile, c.nSide, c.nSide, c.nFormat, pixels);
    else
        Bitmap_Test_Write_Bmp(c.szFile, c.nSide, c.nSide, c.nFormat, pixels);
}

void Bitmap_Expect_Near(BITMAP_TEST_RGBA actual, BITMAP_TEST_RGBA expected, int nTolerance,
                        const char* szWhere) {
    EXPECT_NEAR(actual.r, expected.r, nTolerance) << szWhere;
    EXPECT_NEAR(actual.g, expected.g, nTolerance) << szWhere;
    EXPECT_NEAR(actual.b, expected.b, nTolerance) << szWhere;
}

TEST_F(BitmapCacheTest, EachKindOfFileDrawsUprightInItsColours) {
    // The palette PNG has one entry per pixel, so it stays at 2 x 2.
    const BITMAP_DECODER_CASE cases[] = {
        {"rgb.png", BITMAP_PNG, 2, 0, 4, 0, 24},     {"rgba.png", BITMAP_PNG, 6, 0, 4, 0, 32},
        {"palette.png", BITMAP_PNG, 3, 0, 2, 0, 24}, {"grey.png", BITMAP_PNG, 0, 1, 4, 0, 24},
        {"rgb.jpg", BITMAP_JPEG, 3, 0, 16, 12, 24},  {"bgr24.bmp", BITMAP_BMP, 24, 0, 6, 0, 24},
        {"bgr32.bmp", BITMAP_BMP, 32, 0, 4, 0, 32},
    };
    for (const BITMAP_DECODER_CASE& c : cases) {
        const BITMAP_TEST_RGBA* pQuads = c.bGrey ? BITMAP_GREYS : nullptr;
        const BITMAP_TEST_RGBA quads[4] = {
            pQuads ? pQuads[0] : BITMAP_RED, pQuads ? pQuads[1] : BITMAP_GREEN,
            pQuads ? pQuads[2] : BITMAP_BLUE, pQuads ? pQuads[3] : BITMAP_LIGHT};
        Bitmap_Write_Case(c,
                          Bitmap_Test_Quadrants(c.nSide, quads[0], quads[1], quads[2], quads[3]));
        Clear_Target(RGB(0, 0, 0));
        EXPECT_NE(Draw_Named_Image(hTarget, c.szFile, 0, 0, -1, -1), 0) << c.szFile;
        const BITMAP_SLOT* pSlot = Find_Cached_Image(c.szFile);
        ASSERT_NE(pSlot, nullptr) << c.szFile;
        EXPECT_EQ(pSlot->nWidth, c.nSide);
        EXPECT_EQ(pSlot->nHeight, c.nSide);
        EXPECT_EQ(pSlot->bmiHeader.biBitCount, c.nBitCount) << c.szFile;
        const int q = c.nSide / 4;  // inside each quadrant
        const int f = c.nSide - 1 - q;
        Bitmap_Expect_Near(Pixel(q, q), quads[0], c.nTolerance, c.szFile);
        Bitmap_Expect_Near(Pixel(f, q), quads[1], c.nTolerance, c.szFile);
        Bitmap_Expect_Near(Pixel(q, f), quads[2], c.nTolerance, c.szFile);
        Bitmap_Expect_Near(Pixel(f, f), quads[3], c.nTolerance, c.szFile);
    }
}

TEST_F(BitmapCacheTest, CmykJpegShowsAsProductsWithBlack) {
    // C, M, Y, K = 200, 100, 50, 128 -> red 200 x 128 / 255, green 100 x 128 / 255, blue 50 x ...
    Bitmap_Test_Write_Jpeg("cmyk.jpg", 16, 16, 4, Bitmap_Test_Solid(16, 16, {200, 100, 50, 128}));
    ASSERT_NE(Draw_Named_Image(hTarget, "cmyk.jpg", 0, 0, -1, -1), 0);
    Bitmap_Expect_Near(Pixel(8, 8), {100, 50, 25, 255}, 6, "cmyk");
}

TEST_F(BitmapCacheTest, FilesThatLoadNothingDrawNothing) {
    Bitmap_Test_Write_Jpeg("grey.jpg", 8, 8, 1, Bitmap_Test_Solid(8, 8, BITMAP_LIGHT));
    Bitmap_Test_Write_Bmp("eight.bmp", 4, 4, 8, Bitmap_Test_Solid(4, 4, BITMAP_LIGHT));
    Bitmap_Test_Write_Bmp("wide.bmp", MAX_BMP_SIDE + 1, 1, 24,
                          Bitmap_Test_Solid(MAX_BMP_SIDE + 1, 1, BITMAP_LIGHT));
    std::vector<uint8_t> badPng = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    badPng.insert(badPng.end(), 40, 0xAB);
    Bitmap_Test_Write_Bytes("broken.png", badPng);
    Bitmap_Test_Write_Bytes("broken.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3, 4, 5});
    Bitmap_Test_Write_Bytes("short.bmp", {'B', 'M', 1, 2, 3});
    // A header that promises more rows than the file holds.
    Bitmap_Test_Write_Bmp("cut.bmp", 8, 8, 24, Bitmap_Test_Solid(8, 8, BITMAP_LIGHT));
    std::filesystem::resize_file("cut.bmp", 80);
    // A negative height (rows top-down) is refused rather than read as a huge image.
    Bitmap_Test_Write_Bmp("topdown.bmp", 2, 2, 24, Bitmap_Test_Solid(2, 2, BITMAP_LIGHT));
    FILE* pFile = fopen("topdown.bmp", "r+b");
    ASSERT_NE(pFile, nullptr);
    fseek(pFile, 22, SEEK_SET);
    const uint8_t abMinusTwo[4] = {0xFE, 0xFF, 0xFF, 0xFF};
    fwrite(abMinusTwo, 1, 4, pFile);
    fclose(pFile);

    const char* const names[] = {"grey.jpg",    "eight.bmp",   "wide.bmp", "broken.png",
                                 "broken.jpg",  "short.bmp",   "cut.bmp",  "topdown.bmp",
                                 "missing.png", "MEMORY=12345"};
    for (const char* szName : names) {
        EXPECT_EQ(Draw_Named_Image(hTarget, szName, 0, 0, -1, -1), 0) << szName;
        EXPECT_EQ(Find_Cached_Image(szName), nullptr) << szName;
        EXPECT_EQ(Pixel(0, 0).r, 0) << szName;
    }
    for (const BITMAP_SLOT& slot : gBitmapSlots) {
        EXPECT_EQ(slot.hBitmap, nullptr);
        EXPECT_EQ(slot.pBits, nullptr);
    }
}

TEST_F(BitmapCacheTest, BmpSideLimitIsInclusive) {
    Bitmap_Test_Write_Bmp("limit.bmp", MAX_BMP_SIDE, 1, 24,
                          Bitmap_Test_Solid(MAX_BMP_SIDE, 1, BITMAP_RED));
    BITMAP_SLOT* pSlot = &gBitmapSlots[0];
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "limit.bmp", pSlot), 1);
    EXPECT_EQ(pSlot->nWidth, MAX_BMP_SIDE);
}

TEST_F(BitmapCacheTest, FourChannelPngIsPremultipliedAndDrawsWithItsAlpha) {
    BITMAP_TEST_IMAGE pixels = {{200, 100, 50, 128}, {10, 20, 30, 0}};
    Bitmap_Test_Write_Png("half.png", 2, 1, 6, pixels);
    BITMAP_SLOT* pSlot = &gBitmapSlots[0];
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "half.png:L", pSlot), 1);
    EXPECT_STREQ(pSlot->szOptions, "LA");
    ASSERT_NE(pSlot->pBits, nullptr);
    const unsigned char expected[8] = {
        50 * 128 / 255, 100 * 128 / 255, 200 * 128 / 255, 128, 0, 0, 0, 0};
    EXPECT_EQ(memcmp(pSlot->pBits, expected, 8), 0);

    // Over white: the half-covered pixel blends, the clear one leaves the target alone.
    Clear_Target(RGB(255, 255, 255));
    ASSERT_NE(Blit_Bitmap_Slot(hTarget, pSlot, 255, 0, 0, -1, -1, 0, 0, -1, -1), 0);
    Bitmap_Expect_Near(Pixel(0, 0), {227, 177, 152, 255}, 2, "half covered");
    Bitmap_Expect_Near(Pixel(1, 0), {255, 255, 255, 255}, 0, "clear");

    // A file already stored premultiplied is taken as it is.
    Bitmap_Test_Write_Png("logo.png-cached.png", 2, 1, 6, pixels);
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "logo.png-cached.png:L", pSlot), 1);
    EXPECT_EQ(pSlot->pBits[0], 50);
    EXPECT_EQ(pSlot->pBits[2], 200);
}

TEST_F(BitmapCacheTest, LoadingOptionsShapeTheSlot) {
    Bitmap_Test_Write_Png("pic.png", 6, 3, 2, Bitmap_Test_Solid(6, 3, BITMAP_RED));
    BITMAP_SLOT* pSlot = &gBitmapSlots[0];

    // I: the size only.
    EXPECT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "pic.png:I", pSlot), 1);
    EXPECT_EQ(pSlot->nWidth, 6);
    EXPECT_EQ(pSlot->nHeight, 3);
    EXPECT_EQ(pSlot->hBitmap, nullptr);
    EXPECT_STREQ(pSlot->szName, "");

    // D: a DIB section whose rows are the kept bits.
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "pic.png:D", pSlot), 1);
    EXPECT_EQ(GetObjectType(pSlot->hBitmap), (DWORD)OBJ_BITMAP);
    ASSERT_NE(pSlot->pBits, nullptr);
    EXPECT_EQ(pSlot->pBits[2], BITMAP_RED.r);
    EXPECT_TRUE(Slot_Has_Kept_Bits(pSlot));

    // O with L: rows without a bitmap; without L nothing is kept.
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "pic.png:OL", pSlot), 1);
    EXPECT_EQ(pSlot->hBitmap, nullptr);
    EXPECT_NE(pSlot->pBits, nullptr);
    EXPECT_FALSE(Is_Bitmap_Slot_Empty(pSlot));
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "pic.png:O", pSlot), 1);
    EXPECT_TRUE(Is_Bitmap_Slot_Empty(pSlot));

    // L: a bitmap and the rows; the stored name keeps its options.
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "PIC.png:L", pSlot), 1);
    EXPECT_NE(pSlot->hBitmap, nullptr);
    EXPECT_NE(pSlot->pBits, nullptr);
    EXPECT_STREQ(pSlot->szName, "PIC.png:L");
    EXPECT_STREQ(pSlot->szOptions, "L");
}

TEST_F(BitmapCacheTest, WashMovesColoursTowardGreyBlue) {
    // Black becomes (77, 77, 115) and white (140, 140, 178). The BMP is one pixel wide, so each
    // row carries a padding byte that the wash must not shift into the next row's colours.
    BITMAP_TEST_IMAGE column = {{0, 0, 0, 255}, {255, 255, 255, 255}, {0, 0, 0, 255}};
    Bitmap_Test_Write_Bmp("column.bmp", 1, 3, 24, column);
    ASSERT_NE(Draw_Named_Image(hTarget, "column.bmp:X", 0, 0, -1, -1), 0);
    Bitmap_Expect_Near(Pixel(0, 0), {77, 77, 115, 255}, 0, "bmp black");
    Bitmap_Expect_Near(Pixel(0, 1), {140, 140, 178, 255}, 0, "bmp white");
    Bitmap_Expect_Near(Pixel(0, 2), {77, 77, 115, 255}, 0, "bmp black again");

    Bitmap_Test_Write_Jpeg("white.jpg", 8, 8, 3, Bitmap_Test_Solid(8, 8, {255, 255, 255, 255}));
    ASSERT_NE(Draw_Named_Image(hTarget, "white.jpg:X", 10, 10, -1, -1), 0);
    Bitmap_Expect_Near(Pixel(12, 12), {140, 140, 178, 255}, 1, "jpeg white");
}

TEST_F(BitmapCacheTest, OptionBStretchesToTheBackBuffer) {
    gMainWindow = Bitmap_Test_Create_Window(nullptr, 0, 0, 40, 30, 0);
    ASSERT_NE(gMainWindow, nullptr);
    gMainWindowDC = hTarget;
    gBackBufferWidth = 40;
    gBackBufferHeight = 30;
    RECT rcBuffer;
    Get_Back_Buffer_Rect(&rcBuffer);

    Bitmap_Test_Write_Bmp(
        "small.bmp", 4, 4, 24,
        Bitmap_Test_Quadrants(4, BITMAP_RED, BITMAP_GREEN, BITMAP_BLUE, BITMAP_LIGHT));
    BITMAP_SLOT* pSlot = &gBackgroundSlots[0];
    ASSERT_EQ(Load_File_Into_Bitmap_Cache(hTarget, "small.bmp:B", pSlot), 1);
    EXPECT_EQ(pSlot->nWidth, rcBuffer.right - rcBuffer.left);
    EXPECT_EQ(pSlot->nHeight, rcBuffer.bottom - rcBuffer.top);
    ASSERT_NE(Blit_Bitmap_Slot(hTarget, pSlot, 255, 0, 0, -1, -1, 0, 0, -1, -1), 0);
    Bitmap_Expect_Near(Pixel(2, 2), BITMAP_RED, 0, "stretched top left");
    Bitmap_Expect_Near(Pixel(rcBuffer.right - 3, rcBuffer.bottom - 3), BITMAP_LIGHT, 0,
                       "stretched bottom right");
    DestroyWindow(gMainWindow);
    gBackBufferWidth = gBackBufferHeight = 0;
}

}  // namespace
