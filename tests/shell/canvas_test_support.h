// Helpers of the canvas tests: a memory surface to draw on, and PNG files read back with the platform's reader.
#pragma once

#include "platform/png_file.h"
#include "platform/test_api.h"
#include "shell/shell.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

namespace canvas_test {

// A PNG read back as 8-bit RGBA rows, top-down.
struct CANVAS_PNG {
    int nWidth = 0;
    int nHeight = 0;
    int nChannels = 0;  // the file's: 3 (RGB) or 4 (RGBA)
    std::vector<uint8_t> aRgba;
    const uint8_t* Pixel(int x, int y) const {
        return &aRgba[((size_t)y * nWidth + x) * 4];
    }
};

inline bool Canvas_Read_Png(const std::string& stPath, CANVAS_PNG* pPng) {
    FILE* pFile = fopen(stPath.c_str(), "rb");
    if (!pFile)
        return false;
    PNG_READ_OPTIONS options;
    options.bRedFirst = true;
    PNG_DECODED decoded;
    const bool bRead = Png_Read_File(pFile, options, nullptr, &decoded) == PNG_READ_DONE;
    fclose(pFile);
    if (!bRead)
        return false;
    pPng->nWidth = decoded.nWidth;
    pPng->nHeight = decoded.nHeight;
    pPng->nChannels = decoded.nChannels;
    pPng->aRgba.assign((size_t)decoded.nWidth * decoded.nHeight * 4, 0xFF);
    for (int y = 0; y < decoded.nHeight; y++)
        for (int x = 0; x < decoded.nWidth; x++)
            memcpy(&pPng->aRgba[((size_t)y * decoded.nWidth + x) * 4],
                   decoded.pRows + decoded.nStride * y + (size_t)x * decoded.nChannels,
                   (size_t)decoded.nChannels);
    free(decoded.pRows);
    return true;
}

// A 32-bit memory surface the tests draw on, released at the end of the scope.
struct CANVAS_TARGET {
    HDC hReference = nullptr;
    DIB_SECTION_DC surface;
    CANVAS_TARGET(int nWidth, int nHeight, COLORREF background) {
        hReference = CreateCompatibleDC(nullptr);
        EXPECT_EQ(SimpleCreateDIBSectionDC(hReference, &surface, 4, nWidth, nHeight), 1);
        for (int y = 0; y < nHeight; y++)
            for (int x = 0; x < nWidth; x++) {
                uint8_t* p = Pixel(x, y);
                p[0] = GetBValue(background);
                p[1] = GetGValue(background);
                p[2] = GetRValue(background);
                p[3] = 255;
            }
    }
    ~CANVAS_TARGET() {
        Release_DIB_Section_DC(&surface);
        DeleteDC(hReference);
    }
    // Blue, green, red, alpha of the pixel at (x, y) counted from the top.
    uint8_t* Pixel(int x, int y) {
        return surface.pBits + (size_t)(surface.nHeight - 1 - y) * surface.nStride + x * 4;
    }
};

// The back buffer's size bounds what a canvas may render; a large one for the scope.
struct CANVAS_BACK_BUFFER_SIZE {
    int nOldWidth = gBackBufferWidth;
    int nOldHeight = gBackBufferHeight;
    CANVAS_BACK_BUFFER_SIZE(int nWidth, int nHeight) {
        gBackBufferWidth = nWidth;
        gBackBufferHeight = nHeight;
    }
    ~CANVAS_BACK_BUFFER_SIZE() {
        gBackBufferWidth = nOldWidth;
        gBackBufferHeight = nOldHeight;
    }
};

// The current path filled with a reflected radial gradient.
inline void Canvas_Set_Gradient(PATH_CANVAS& canvas, agg::rgba8 inner, agg::rgba8 outer, double cx,
                                double cy, double fRadius) {
    canvas.set_path_flags(PATH_FILL | PATH_GRADIENT);
    PATH_RECORD* pRecord = canvas.current_record();
    pRecord->centre_colour = inner;
    pRecord->fill_colour = outer;
    pRecord->centre_x = cx;
    pRecord->centre_y = cy;
    pRecord->radius = fRadius;
}

inline void Canvas_Clear_Errors() {
    gRecentErrors[0] = 0;
}

inline bool Canvas_Recent_Error_Has(const char* szText) {
    return strstr(Get_Recent_Errors(), szText) != nullptr;
}

}  // namespace canvas_test
