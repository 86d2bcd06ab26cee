// Loading an image file into a cache slot: the name and its option letters, the choice of
// decoder by extension, and the stretch of option B to the back-buffer size.
#include "shell/shell.h"

#include <stdlib.h>
#include <string.h>
#include <strings.h>

#define BITMAP_CACHE_LOAD_NAME_SIZE 256

int Get_Dib_Row_Bytes(int nWidth, int nBitCount) {
    return (nWidth * nBitCount / 8 + 3) & ~3;
}

// Each channel moves three quarters of the way to RGB(102,102,153), truncating toward zero.
void Wash_Pixel(unsigned char* pBlue, unsigned char* pGreen, unsigned char* pRed) {
    *pRed = (unsigned char)(102 - (102 - *pRed) / 4);
    *pGreen = (unsigned char)(102 - (102 - *pGreen) / 4);
    *pBlue = (unsigned char)(153 - (153 - *pBlue) / 4);
}

HBITMAP Make_Bitmap_From_Rows(HDC hdc, const BITMAP_SLOT* pSlot, const unsigned char* pRows) {
    const BITMAPINFOHEADER* pHeader = &pSlot->bmiHeader;
    HBITMAP hBitmap = CreateCompatibleBitmap(hdc, pHeader->biWidth, pHeader->biHeight);
    if (hBitmap == NULL)
        return NULL;
    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    info.bmiHeader = *pHeader;
    int nLines = SetDIBits(hdc, hBitmap, 0, (UINT)pHeader->biHeight, pRows, &info, DIB_RGB_COLORS);
    if (nLines != pHeader->biHeight) {
        DeleteObject(hBitmap);
        return NULL;
    }
    return hBitmap;
}

int Store_Loaded_Rows(HDC hdc, BITMAP_SLOT* pSlot, unsigned char* pRows, int bMakeBitmap) {
    if (bMakeBitmap) {
        pSlot->hBitmap = Make_Bitmap_From_Rows(hdc, pSlot, pRows);
        if (pSlot->hBitmap == NULL) {
            free(pRows);
            return 0;
        }
    }
    if (Has_Image_Option(pSlot, 'L'))
        pSlot->pBits = pRows;
    else
        free(pRows);
    return 1;
}

// Option B: the bitmap stretched (HALFTONE) to the back-buffer size replaces the loaded one.
static void Bitmap_Cache_Stretch_To_Back_Buffer(HDC hdc, BITMAP_SLOT* pSlot) {
    if (Get_Main_Window() == NULL || pSlot->hBitmap == NULL)
        return;
    RECT rcBuffer;
    Get_Back_Buffer_Rect(&rcBuffer);
    int nWidth = rcBuffer.right - rcBuffer.left;
    int nHeight = rcBuffer.bottom - rcBuffer.top;
    HBITMAP hStretched = CreateCompatibleBitmap(hdc, nWidth, nHeight);
    if (hStretched == NULL)
        return;
    HDC hSource = CreateCompatibleDC(hdc);
    HDC hTarget = CreateCompatibleDC(hdc);
    HGDIOBJ hOldSource = SelectObject(hSource, pSlot->hBitmap);
    HGDIOBJ hOldTarget = SelectObject(hTarget, hStretched);
    SetStretchBltMode(hTarget, HALFTONE);
    BOOL bDone = StretchBlt(hTarget, 0, 0, nWidth, nHeight, hSource, 0, 0, pSlot->nWidth,
                            pSlot->nHeight, SRCCOPY);
    SelectObject(hSource, hOldSource);
    SelectObject(hTarget, hOldTarget);
    DeleteDC(hSource);
    DeleteDC(hTarget);
    if (!bDone) {
        DeleteObject(hStretched);
        return;
    }
    DeleteObject(pSlot->hBitmap);
    if (Has_Image_Option(pSlot, 'D'))
        pSlot->pBits = NULL;  // the rows went with the DIB section
    pSlot->hBitmap = hStretched;
    pSlot->nWidth = nWidth;
    pSlot->nHeight = nHeight;
}

int Load_File_Into_Bitmap_Cache(HDC hdc, const char* szName, BITMAP_SLOT* pSlot) {
    if (pSlot == NULL)
        return 0;
    Empty_Bitmap_Slot(pSlot);
    if (!gBitmapCacheReady || szName == NULL)
        return 0;

    char szFile[BITMAP_CACHE_LOAD_NAME_SIZE];
    safe_strncpy(szFile, szName, sizeof szFile);
    char* pColon = strchr(szFile, ':');
    if (pColon != NULL) {
        *pColon = 0;
        safe_strncpy(pSlot->szOptions, pColon + 1, BITMAP_OPTIONS_KEPT + 1);
    }
    Make_Lower_Case(szFile);
    if (strncasecmp(szFile, "MEMORY=", 7) == 0)
        return 0;

    FILE* pFile = Platform_Open_File(szFile, "rb");
    if (pFile == NULL) {
        Empty_Bitmap_Slot(pSlot);
        return 0;
    }
    int nLoaded;
    if (Has_File_Extension(szFile, "jpg") || Has_File_Extension(szFile, "dat")) {
        nLoaded = Load_JPEG_Into_Slot(hdc, pFile, pSlot);
    } else if (Has_File_Extension(szFile, "png") || Has_File_Extension(szFile, "gz")) {
        fclose(pFile);
        nLoaded = Load_PNG_Into_Slot(hdc, szFile, pSlot);
        if (nLoaded && Has_Image_Option(pSlot, 'I'))
            return 1;
    } else {
        nLoaded = Load_BMP_Into_Slot(hdc, pFile, pSlot);
    }
    if (!nLoaded) {
        Empty_Bitmap_Slot(pSlot);
        return 0;
    }
    safe_strncpy(pSlot->szName, szName, BITMAP_NAME_SIZE);
    pSlot->nWidth = pSlot->bmiHeader.biWidth;
    pSlot->nHeight = pSlot->bmiHeader.biHeight;
    if (Has_Image_Option(pSlot, 'B'))
        Bitmap_Cache_Stretch_To_Back_Buffer(hdc, pSlot);
    return 1;
}
