// PNG images through the platform's reader: decoded to bottom-up BGR or BGRA rows padded to 4
// bytes, with four-channel images premultiplied by their alpha, and loaded into a cache slot.
#include "shell/shell.h"

#include <string.h>

#include "platform/png_file.h"

#define IMAGE_PNG_SCREEN_GAMMA 2.2

void Premultiply_Alpha(unsigned char* pRows, int nWidth, int nHeight, int nStride) {
    for (int y = 0; y < nHeight; y++) {
        unsigned char* p = pRows + (size_t)nStride * y;
        for (int x = 0; x < nWidth; x++, p += 4) {
            p[0] = (unsigned char)(p[0] * p[3] / 255);
            p[1] = (unsigned char)(p[1] * p[3] / 255);
            p[2] = (unsigned char)(p[2] * p[3] / 255);
        }
    }
}

int Load_PNG_File(unsigned char** ppBits, const char* szFile, int* pnWidth, int* pnHeight,
                  int* pnChannels) {
    FILE* pFile = Platform_Open_File(szFile, "rb");
    if (pFile == NULL) {
        Report_Error("Unable to open file in Load_PNG_File(%s)", szFile);
        return 0;
    }
    PNG_READ_OPTIONS options;
    options.bBottomUp = true;
    options.nRowAlign = 4;
    options.fScreenGamma = IMAGE_PNG_SCREEN_GAMMA;
    options.bHeaderOnly = ppBits == NULL;
    PNG_DECODED decoded;
    PNG_READ_RESULT eResult = Png_Read_File(pFile, options, ppBits ? *ppBits : NULL, &decoded);
    if (eResult == PNG_READ_NOT_PNG) {
        fclose(pFile);
        Report_Error("Unable to read sig in Load_PNG_File(%s)", szFile);
        return 0;
    }
    if (fclose(pFile) != 0)
        Report_Error("Unable to close file in Load_PNG_File(%s)", szFile);
    switch (eResult) {
    case PNG_READ_DONE: break;
    case PNG_READ_NO_READER:
        Report_Error("Unable to png_create_read_struct in Load_PNG_File(%s)", szFile);
        return 0;
    case PNG_READ_NO_INFO:
        Report_Error("Unable to png_create_info_struct in Load_PNG_File(%s)", szFile);
        return 0;
    case PNG_READ_NO_MEMORY:
        Report_Error("Unable to allocate %d bytes in Load_PNG_File(%s)",
                     Saturate_To_Int((int64_t)decoded.nFailedAllocation), szFile);
        return 0;
    default:
        Report_Error("Unable to decode file in Load_PNG_File(%s)", szFile);
        return 0;
    }
    *pnWidth = decoded.nWidth;
    *pnHeight = decoded.nHeight;
    *pnChannels = decoded.nChannels;
    if (ppBits == NULL)
        return 1;
    *ppBits = decoded.pRows;
    if (decoded.nChannels == 4 && strstr(szFile, ".png-cached.png") == NULL)
        Premultiply_Alpha(*ppBits, decoded.nWidth, decoded.nHeight,
                          Get_Dib_Row_Bytes(decoded.nWidth, 32));
    return 1;
}

int Load_PNG_Into_Slot(HDC hdc, const char* szFile, BITMAP_SLOT* pSlot) {
    int nWidth = 0, nHeight = 0, nChannels = 0;
    if (!Load_PNG_File(NULL, szFile, &nWidth, &nHeight, &nChannels))
        return 0;
    BITMAPINFOHEADER* pHeader = &pSlot->bmiHeader;
    pHeader->biSize = sizeof(BITMAPINFOHEADER);
    pHeader->biWidth = nWidth;
    pHeader->biHeight = nHeight;
    pHeader->biPlanes = 1;
    pHeader->biBitCount = (WORD)(nChannels * 8);
    pHeader->biCompression = BI_RGB;
    pHeader->biXPelsPerMeter = pHeader->biYPelsPerMeter = 100;
    if (Has_Image_Option(pSlot, 'I')) {
        pSlot->nWidth = nWidth;
        pSlot->nHeight = nHeight;
        return 1;
    }

    const int bSection = Has_Image_Option(pSlot, 'D');
    unsigned char* pRows = NULL;
    if (bSection) {
        BITMAPINFO info;
        memset(&info, 0, sizeof info);
        info.bmiHeader = *pHeader;
        void* pSectionBits = NULL;
        pSlot->hBitmap = CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &pSectionBits, NULL, 0);
        if (pSlot->hBitmap == NULL)
            return 0;
        pSlot->pBits = pRows = (unsigned char*)pSectionBits;
    }
    int nDecodedWidth = 0, nDecodedHeight = 0, nDecodedChannels = 0;
    if (!Load_PNG_File(&pRows, szFile, &nDecodedWidth, &nDecodedHeight, &nDecodedChannels))
        return 0;
    if (nDecodedWidth != nWidth || nDecodedHeight != nHeight || nDecodedChannels != nChannels) {
        if (!bSection)
            free(pRows);
        return 0;
    }
    if (nChannels == 4)
        safe_strncat(pSlot->szOptions, "A", sizeof pSlot->szOptions);
    if (bSection)
        return 1;
    return Store_Loaded_Rows(hdc, pSlot, pRows, !Has_Image_Option(pSlot, 'O'));
}
