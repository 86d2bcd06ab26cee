// PNG output: bottom-up rows of blue, green, red (and alpha) written as an 8-bit RGB or RGBA file
// by the platform's writer, and a DC's pixels saved the same way.
#include "shell/shell.h"

#include <errno.h>
#include <string.h>

#include "platform/png_file.h"

namespace {

// Writes the bottom-up rows through the platform's writer; 0 after reporting a failure.
int Png_Output_Write_Rows(FILE* pFile, const unsigned char* pBits, const char* szFile,
                          int nBytesPerPixel, int nWidth, int nHeight) {
    PNG_PICTURE picture = {pBits, nWidth, nHeight, (nWidth * nBytesPerPixel + 3) / 4 * 4,
                           nBytesPerPixel == 4 ? PNG_PIXELS_BGRA : PNG_PIXELS_BGR, true};
    switch (Png_Write_File(pFile, picture)) {
    case PNG_WRITTEN: return 1;
    case PNG_WRITE_NO_WRITER:
        Report_Error("Unable to png_create_write_struct in Save_PNG_File(%s,*,%d,%d)", szFile,
                     nWidth, nHeight);
        return 0;
    case PNG_WRITE_NO_INFO:
        Report_Error("Unable to png_create_info_struct in Save_PNG_File(%s,*,%d,%d)", szFile,
                     nWidth, nHeight);
        return 0;
    case PNG_WRITE_FAILED: break;
    }
    Report_Error("Unable to write PNG data in Save_PNG_File(%s,*,%d,%d)", szFile, nWidth,
                 nHeight);
    return 0;
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
