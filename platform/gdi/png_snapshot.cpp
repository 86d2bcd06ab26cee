// PNG pictures of window surfaces for tests, and reading PNG files back to compare them.
#include "gdi_internal.h"

#include <png.h>
#include <stdio.h>

#include <algorithm>
#include <memory>

namespace {

struct FILE_CLOSER {
    void operator()(FILE* p) const { fclose(p); }
};
typedef std::unique_ptr<FILE, FILE_CLOSER> FILE_PTR;

// Windows waiting for WM_PAINT get it (BeginPaint takes the update area); one that does not
// validate itself is validated after its paint, and none can keep this looping.
void Paint_Waiting_Windows() {
    for (int nRound = 0; nRound < 1000; ++nRound) {
        HWND hWnd = Window_Find_Invalid(nullptr);
        if (!hWnd) return;
        SendMessageA(hWnd, WM_PAINT, 0, 0);
        Window_Validate(hWnd);
    }
}

bool Write_Png(const std::string& stPath, const GDI_PIXELS& px, const RECT& rc) {
    FILE_PTR pFile(fopen(stPath.c_str(), "wb"));
    if (!pFile) return false;
    png_structp pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop pInfo = pPng ? png_create_info_struct(pPng) : nullptr;
    if (!pInfo) {
        png_destroy_write_struct(&pPng, nullptr);
        return false;
    }
    const int nWidth = rc.right - rc.left, nHeight = rc.bottom - rc.top;
    std::vector<png_byte> row(static_cast<size_t>(nWidth) * 3);
    if (setjmp(png_jmpbuf(pPng))) {
        png_destroy_write_struct(&pPng, &pInfo);
        return false;
    }
    png_init_io(pPng, pFile.get());
    png_set_IHDR(pPng, pInfo, static_cast<png_uint_32>(nWidth), static_cast<png_uint_32>(nHeight),
                 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(pPng, pInfo);
    for (int y = 0; y < nHeight; ++y) {
        const uint32_t* pIn = px.Row(rc.top + y) + rc.left;
        for (int x = 0; x < nWidth; ++x) {
            row[3 * x] = static_cast<png_byte>(pIn[x] >> 16);
            row[3 * x + 1] = static_cast<png_byte>(pIn[x] >> 8);
            row[3 * x + 2] = static_cast<png_byte>(pIn[x]);
        }
        png_write_row(pPng, row.data());
    }
    png_write_end(pPng, nullptr);
    png_destroy_write_struct(&pPng, &pInfo);
    return true;
}

}  // namespace

bool Test_Snapshot_Window(HWND hWnd, bool bWholeWindow, const std::string& stPngPath) {
    if (!IsWindow(hWnd)) return false;
    Paint_Waiting_Windows();
    const HWND hTop = Window_Get_Top_Level(hWnd);
    GDI_PIXELS px = Gdi_Window_Pixels(hTop, false);
    if (!px.pTop) return false;
    RECT rc = bWholeWindow ? Window_Frame_In_Surface(hWnd) : Window_Client_In_Surface(hWnd);
    rc = {std::max<LONG>(rc.left, 0), std::max<LONG>(rc.top, 0),
          std::min<LONG>(rc.right, px.nWidth), std::min<LONG>(rc.bottom, px.nHeight)};
    if (rc.left >= rc.right || rc.top >= rc.bottom) return false;
    return Write_Png(stPngPath, px, rc);
}

bool Test_Read_Png(const std::string& stPath, int* pnWidth, int* pnHeight,
                   std::vector<uint32_t>* pPixels) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, stPath.c_str())) return false;
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint32_t> pixels(static_cast<size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    for (uint32_t& px : pixels) px &= 0xFFFFFF;
    if (pnWidth) *pnWidth = static_cast<int>(image.width);
    if (pnHeight) *pnHeight = static_cast<int>(image.height);
    if (pPixels) *pPixels = std::move(pixels);
    return true;
}
