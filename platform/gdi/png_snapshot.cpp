// PNG pictures of window surfaces for tests, and reading PNG files back to compare them.
#include "gdi_internal.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "png_file.h"

namespace {

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
    FILE* pFile = fopen(stPath.c_str(), "wb");
    if (!pFile) return false;
    PNG_PICTURE picture = {reinterpret_cast<const uint8_t*>(px.Row(rc.top) + rc.left),
                           rc.right - rc.left,
                           rc.bottom - rc.top,
                           px.nStride * static_cast<ptrdiff_t>(sizeof(uint32_t)),
                           PNG_PIXELS_BGRX,
                           false};
    const bool bWritten = Png_Write_File(pFile, picture) == PNG_WRITTEN;
    return fclose(pFile) == 0 && bWritten;
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
    FILE* pFile = fopen(stPath.c_str(), "rb");
    if (!pFile) return false;
    PNG_READ_OPTIONS options;
    options.bAlwaysAlpha = true;
    PNG_DECODED decoded;
    const bool bRead = Png_Read_File(pFile, options, nullptr, &decoded) == PNG_READ_DONE;
    fclose(pFile);
    if (!bRead) return false;
    std::vector<uint32_t> pixels(static_cast<size_t>(decoded.nWidth) * decoded.nHeight);
    memcpy(pixels.data(), decoded.pRows, pixels.size() * sizeof(uint32_t));
    free(decoded.pRows);
    for (uint32_t& px : pixels) px &= 0xFFFFFF;
    if (pnWidth) *pnWidth = decoded.nWidth;
    if (pnHeight) *pnHeight = decoded.nHeight;
    if (pPixels) *pPixels = std::move(pixels);
    return true;
}
