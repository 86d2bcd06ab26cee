#include "bitmap_test_support.h"

#include <jpeglib.h>
#include <png.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "platform/test_api.h"

namespace {

// The PNG samples of one pixel for a colour type.
void Bitmap_Test_Png_Samples(int nColourType, const BITMAP_TEST_RGBA& px, size_t nIndex,
                             std::vector<uint8_t>* pRow) {
    switch (nColourType) {
    case PNG_COLOR_TYPE_GRAY: pRow->push_back(px.r); break;
    case PNG_COLOR_TYPE_PALETTE: pRow->push_back(static_cast<uint8_t>(nIndex)); break;
    case PNG_COLOR_TYPE_RGB_ALPHA: pRow->insert(pRow->end(), {px.r, px.g, px.b, px.a}); break;
    default: pRow->insert(pRow->end(), {px.r, px.g, px.b}); break;
    }
}

}  // namespace

void Bitmap_Test_Write_Png(const std::string& stPath, int nWidth, int nHeight, int nColourType,
                           const BITMAP_TEST_IMAGE& pixels) {
    FILE* pFile = fopen(stPath.c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    png_structp pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop pInfo = png_create_info_struct(pPng);
    png_init_io(pPng, pFile);
    png_set_IHDR(pPng, pInfo, nWidth, nHeight, 8, nColourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // A palette image's entries are its own pixels, one each.
    std::vector<png_color> palette;
    if (nColourType == PNG_COLOR_TYPE_PALETTE) {
        for (const BITMAP_TEST_RGBA& px : pixels)
            palette.push_back({px.r, px.g, px.b});
        png_set_PLTE(pPng, pInfo, palette.data(), static_cast<int>(palette.size()));
    }
    png_write_info(pPng, pInfo);
    for (int y = 0; y < nHeight; ++y) {
        std::vector<uint8_t> row;
        for (int x = 0; x < nWidth; ++x) {
            size_t nIndex = static_cast<size_t>(y) * nWidth + x;
            Bitmap_Test_Png_Samples(nColourType, pixels[nIndex], nIndex, &row);
        }
        png_write_row(pPng, row.data());
    }
    png_write_end(pPng, nullptr);
    png_destroy_write_struct(&pPng, &pInfo);
    fclose(pFile);
}

void Bitmap_Test_Write_Jpeg(const std::string& stPath, int nWidth, int nHeight, int nComponents,
                            const BITMAP_TEST_IMAGE& pixels) {
    FILE* pFile = fopen(stPath.c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, pFile);
    info.image_width = static_cast<JDIMENSION>(nWidth);
    info.image_height = static_cast<JDIMENSION>(nHeight);
    info.input_components = nComponents;
    info.in_color_space = nComponents == 1 ? JCS_GRAYSCALE : nComponents == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row;
    for (int y = 0; y < nHeight; ++y) {
        row.clear();
        for (int x = 0; x < nWidth; ++x) {
            const BITMAP_TEST_RGBA& px = pixels[static_cast<size_t>(y) * nWidth + x];
            const uint8_t abAll[4] = {px.r, px.g, px.b, px.a};
            row.insert(row.end(), abAll, abAll + nComponents);
        }
        JSAMPROW pRow = row.data();
        jpeg_write_scanlines(&info, &pRow, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    fclose(pFile);
}

void Bitmap_Test_Write_Bmp(const std::string& stPath, int nWidth, int nHeight, int nBitCount,
                           const BITMAP_TEST_IMAGE& pixels) {
    const int nRowBytes = (nWidth * nBitCount / 8 + 3) & ~3;
    const int nPalette = nBitCount == 8 ? 256 * 4 : 0;
    const uint32_t nOffset = 14 + 40 + nPalette;
    std::vector<uint8_t> bytes;
    auto put16 = [&bytes](uint32_t v) { bytes.insert(bytes.end(), {uint8_t(v), uint8_t(v >> 8)}); };
    auto put32 = [&put16](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    bytes.insert(bytes.end(), {'B', 'M'});
    put32(nOffset + static_cast<uint32_t>(nRowBytes * nHeight));
    put32(0);
    put32(nOffset);
    put32(40);
    put32(static_cast<uint32_t>(nWidth));
    put32(static_cast<uint32_t>(nHeight));
    put16(1);
    put16(static_cast<uint32_t>(nBitCount));
    for (int i = 0; i < 6; ++i)
        put32(i == 1 ? static_cast<uint32_t>(nRowBytes * nHeight) : 0);
    for (int i = 0; i < nPalette / 4; ++i)
        put32(static_cast<uint32_t>(i * 0x010101));
    for (int y = nHeight - 1; y >= 0; --y) {
        size_t nStart = bytes.size();
        for (int x = 0; x < nWidth; ++x) {
            const BITMAP_TEST_RGBA& px = pixels[static_cast<size_t>(y) * nWidth + x];
            if (nBitCount == 8)
                bytes.push_back(px.r);
            else
                bytes.insert(bytes.end(), {px.b, px.g, px.r});
            if (nBitCount == 32)
                bytes.push_back(px.a);
        }
        bytes.resize(nStart + nRowBytes, 0);
    }
    Bitmap_Test_Write_Bytes(stPath, bytes);
}

void Bitmap_Test_Write_Bytes(const std::string& stPath, const std::vector<uint8_t>& bytes) {
    FILE* pFile = fopen(stPath.c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), pFile);
    fclose(pFile);
}

BITMAP_TEST_IMAGE Bitmap_Test_Quadrants(int nSide, BITMAP_TEST_RGBA topLeft,
                                        BITMAP_TEST_RGBA topRight, BITMAP_TEST_RGBA bottomLeft,
                                        BITMAP_TEST_RGBA bottomRight) {
    BITMAP_TEST_IMAGE pixels;
    const int nHalf = nSide / 2;
    for (int y = 0; y < nSide; ++y)
        for (int x = 0; x < nSide; ++x)
            pixels.push_back(y < nHalf ? (x < nHalf ? topLeft : topRight)
                                       : (x < nHalf ? bottomLeft : bottomRight));
    return pixels;
}

BITMAP_TEST_IMAGE Bitmap_Test_Solid(int nWidth, int nHeight, BITMAP_TEST_RGBA colour) {
    return BITMAP_TEST_IMAGE(static_cast<size_t>(nWidth) * nHeight, colour);
}

HWND Bitmap_Test_Create_Window(HWND hParent, int x, int y, int nWidth, int nHeight, int nId) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "BitmapCacheWindow";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "BitmapCacheWindow", "", hParent ? WS_CHILD : WS_POPUP, x, y, nWidth,
                           nHeight, hParent, (HMENU)(INT_PTR)nId, nullptr, nullptr);
}

void BitmapCacheTest::SetUp() {
    Test_Reset_Platform();
    char szOld[1024];
    ASSERT_NE(getcwd(szOld, sizeof szOld), nullptr);
    stOldFolder = szOld;
    char szTemplate[] = "/tmp/bitmap_cache_test_XXXXXX";
    ASSERT_NE(mkdtemp(szTemplate), nullptr);
    stFolder = szTemplate;
    ASSERT_EQ(chdir(stFolder.c_str()), 0);
    gMainWindow = nullptr;
    gMainWindowDC = nullptr;
    gBitmapUseCounter = 1;
    Init_Bitmap_Cache();
    gRecentErrors[0] = 0;
    hTarget = CreateCompatibleDC(nullptr);
    hTargetBitmap = CreateCompatibleBitmap(hTarget, TARGET_SIDE, TARGET_SIDE);
    hOldBitmap = SelectObject(hTarget, hTargetBitmap);
    Clear_Target(RGB(0, 0, 0));
}

void BitmapCacheTest::TearDown() {
    Flush_Bitmap_Cache();
    gMainWindow = nullptr;
    gMainWindowDC = nullptr;
    SelectObject(hTarget, hOldBitmap);
    DeleteObject(hTargetBitmap);
    DeleteDC(hTarget);
    ASSERT_EQ(chdir(stOldFolder.c_str()), 0);
    std::error_code error;
    std::filesystem::remove_all(stFolder, error);
}

void BitmapCacheTest::Clear_Target(COLORREF colour) {
    RECT rc = {0, 0, TARGET_SIDE, TARGET_SIDE};
    HBRUSH hBrush = CreateSolidBrush(colour);
    FillRect(hTarget, &rc, hBrush);
    DeleteObject(hBrush);
}

BITMAP_TEST_RGBA BitmapCacheTest::Pixel(int x, int y) const {
    COLORREF c = GetPixel(hTarget, x, y);
    return {GetRValue(c), GetGValue(c), GetBValue(c), 255};
}
