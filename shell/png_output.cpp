// PNG output: bottom-up rows of blue, green, red (and alpha) written as an 8-bit RGB or RGBA file
// with libpng, and a DC's pixels saved the same way.
#include "shell/shell.h"

#include <errno.h>
#include <png.h>
#include <stdlib.h>
#include <string.h>

namespace {

// Writes the rows through libpng; a libpng error jumps back here and gives 0. Nothing here may
// need a destructor, because of the jump.
int Png_Output_Write_Rows(FILE* pFile, const unsigned char* pBits, const char* szFile,
                          int nBytesPerPixel, int nWidth, int nHeight) {
    png_structp pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!pPng) {
        Report_Error("Unable to png_create_write_struct in Save_PNG_File(%s,*,%d,%d)", szFile,
                     nWidth, nHeight);
        return 0;
    }
    png_infop pInfo = png_create_info_struct(pPng);
    if (!pInfo) {
        png_destroy_write_struct(&pPng, nullptr);
        Report_Error("Unable to png_create_info_struct in Save_PNG_File(%s,*,%d,%d)", szFile,
                     nWidth, nHeight);
        return 0;
    }
    const int nStride = (nWidth * nBytesPerPixel + 3) / 4 * 4;
    const int nPointerBytes = nHeight * (int)sizeof(png_bytep);
    png_bytep* volatile apRows = nullptr;
    if (setjmp(png_jmpbuf(pPng))) {
        free(apRows);
        png_destroy_write_struct(&pPng, &pInfo);
        Report_Error("Unable to write PNG data in Save_PNG_File(%s,*,%d,%d)", szFile, nWidth,
                     nHeight);
        return 0;
    }
    png_init_io(pPng, pFile);
    png_set_IHDR(pPng, pInfo, (png_uint_32)nWidth, (png_uint_32)nHeight, 8,
                 nBytesPerPixel == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(pPng, pInfo);
    png_set_bgr(pPng);
    apRows = (png_bytep*)malloc((size_t)nPointerBytes);
    if (!apRows) {
        png_destroy_write_struct(&pPng, &pInfo);
        Report_Error("Unable to allocate %d bytes in Save_PNG_File(%s,*,%d,%d)", nPointerBytes,
                     szFile, nWidth, nHeight);
        return 0;
    }
    // The image's first row is the buffer's last line.
    for (int i = 0; i < nHeight; i++)
        apRows[i] = (png_bytep)(pBits + (size_t)(nHeight - 1 - i) * nStride);
    png_write_image(pPng, apRows);
    png_write_end(pPng, pInfo);
    free(apRows);
    png_destroy_write_struct(&pPng, &pInfo);
    return 1;
}

}  // namespace

int Save_PNG_File(const unsigned char* pBits, const char* szFile, int nBitsPerPixel, int nWidth,
                  int nHeight) {
    if (!szFile || !szFile[0])
        return 0;
    const int nBytesPerPixel = nBitsPerPixel / 8;
    if (!pBits || nWidth <= 0 || nHeight <= 0 || (nBytesPerPixel != 3 && nBytesPerPixel != 4)) {
        Report_Error("Invalid image in Save_PNG_File(%s,*,%d,%d)", szFile, nWidth, nHeight);
        return 0;
    }
    FILE* pFile = Platform_Open_File(szFile, "wb");
    if (!pFile) {
        Report_Error("Unable to open file in Save_PNG_File(%s,*,%d,%d)\n\nError: %s", szFile,
                     nWidth, nHeight, strerror(errno));
        return 0;
    }
    int nWritten = Png_Output_Write_Rows(pFile, pBits, szFile, nBytesPerPixel, nWidth, nHeight);
    if (fclose(pFile) != 0)
        Report_Error("Unable to close file in Save_PNG_File(%s,*,%d,%d)\n\nError: %s", szFile,
                     nWidth, nHeight, strerror(errno));
    return nWritten;
}

int Save_DC_As_PNG(const char* szFile, HDC hdc, int nWidth, int nHeight) {
    if (!hdc)
        return 0;
    DIB_SECTION_DC surface;
    if (!Create_DIB_Section_DC_24(hdc, &surface, nWidth, nHeight))
        return 0;
    int nResult = 0;
    if (BitBlt(surface.hdc, 0, 0, nWidth, nHeight, hdc, 0, 0, SRCCOPY))
        nResult = Save_PNG_File(surface.pBits, szFile, 24, nWidth, nHeight);
    Release_DIB_Section_DC(&surface);
    return nResult;
}
