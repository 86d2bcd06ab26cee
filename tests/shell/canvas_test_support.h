// Helpers of the canvas tests: a memory surface to draw on, and PNG files read back with libpng.
#pragma once

#include "platform/test_api.h"
#include "shell/shell.h"

#include <gtest/gtest.h>
#include <png.h>

#include <string.h>

#include <string>
#include <vector>

namespace canvas_test {

// A PNG read back as 8-bit RGBA rows, top-down.
struct CANVAS_PNG {
    int nWidth = 0;
    int nHeight = 0;
    int nColourType = -1;
    std::vector<uint8_t> aRgba;
    const uint8_t* Pixel(int x, int y) const {
        return &aRgba[((size_t)y * nWidth + x) * 4];
    }
};

inline bool Canvas_Read_Png(const std::string& stPath, CANVAS_PNG* pPng) {
    FILE* pFile = fopen(stPath.c_str(), "rb");
    if (!pFile)
        return false;
    png_structp pRead = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop pInfo = png_create_info_struct(pRead);
    if (setjmp(png_jmpbuf(pRead))) {
        png_destroy_read_struct(&pRead, &pInfo, nullptr);
        fclose(pFile);
        return false;
    }
    png_init_io(pRead, pFile);
    png_read_info(pRead, pInfo);
    pPng->nWidth = (int)png_get_image_width(pRead, pInfo);
    pPng->nHeight = (int)png_get_image_height(pRead, pInfo);
    pPng->nColourType = png_get_color_type(pRead, pInfo);
    if (pPng->nColourType == PNG_COLOR_TYPE_RGB)
        png_set_filler(pRead, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(pRead, pInfo);
    pPng->aRgba.assign((size_t)pPng->nWidth * pPng->nHeight * 4, 0);
    std::vector<png_bytep> apRows((size_t)pPng->nHeight);
    for (int y = 0; y < pPng->nHeight; y++)
        apRows[y] = &pPng->aRgba[(size_t)y * pPng->nWidth * 4];
    png_read_image(pRead, apRows.data());
    png_read_end(pRead, nullptr);
    png_destroy_read_struct(&pRead, &pInfo, nullptr);
    fclose(pFile);
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
