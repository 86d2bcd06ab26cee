// BMP images from an open file: uncompressed bottom-up rows of 16 bits or more, at most 2,048
// pixels a side, copied as they lie in the file.
#include "shell/shell.h"

#include <stdlib.h>
#include <string.h>

#define IMAGE_BMP_FILE_HEADER_SIZE 14
#define IMAGE_BMP_INFO_SIZE 44  // the 40-byte header and the four bytes after it

static uint32_t Image_Bmp_Read32(const unsigned char* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static uint16_t Image_Bmp_Read16(const unsigned char* p) {
    return (uint16_t)(p[0] | (p[1] << 8));
}

// The header and the extra int as they lie in the file; 0 when the file is too short.
static int Image_Bmp_Read_Header(FILE* pFile, BITMAP_SLOT* pSlot, uint32_t* pnPixelOffset) {
    unsigned char abFile[IMAGE_BMP_FILE_HEADER_SIZE];
    unsigned char abInfo[IMAGE_BMP_INFO_SIZE];
    if (fread(abFile, 1, sizeof abFile, pFile) != sizeof abFile ||
        fread(abInfo, 1, sizeof abInfo, pFile) != sizeof abInfo)
        return 0;
    *pnPixelOffset = Image_Bmp_Read32(abFile + 10);
    BITMAPINFOHEADER* pHeader = &pSlot->bmiHeader;
    pHeader->biSize = Image_Bmp_Read32(abInfo);
    pHeader->biWidth = (LONG)Image_Bmp_Read32(abInfo + 4);
    pHeader->biHeight = (LONG)Image_Bmp_Read32(abInfo + 8);
    pHeader->biPlanes = Image_Bmp_Read16(abInfo + 12);
    pHeader->biBitCount = Image_Bmp_Read16(abInfo + 14);
    pHeader->biCompression = Image_Bmp_Read32(abInfo + 16);
    pHeader->biSizeImage = Image_Bmp_Read32(abInfo + 20);
    pHeader->biXPelsPerMeter = (LONG)Image_Bmp_Read32(abInfo + 24);
    pHeader->biYPelsPerMeter = (LONG)Image_Bmp_Read32(abInfo + 28);
    pHeader->biClrUsed = Image_Bmp_Read32(abInfo + 32);
    pHeader->biClrImportant = Image_Bmp_Read32(abInfo + 36);
    pSlot->nExtra = (int)Image_Bmp_Read32(abInfo + 40);
    return 1;
}

// Sizes below 1 and depths over 32 bits are refused too: they describe no rows to read.
static int Image_Bmp_Header_Accepted(const BITMAPINFOHEADER* pHeader) {
    return pHeader->biBitCount >= 16 && pHeader->biBitCount <= 32 && pHeader->biWidth >= 1 &&
           pHeader->biWidth <= MAX_BMP_SIDE && pHeader->biHeight >= 1 &&
           pHeader->biHeight <= MAX_BMP_SIDE;
}

// The wash pixel by pixel within each row, so that row padding never shifts the channels.
static void Image_Bmp_Wash(unsigned char* pRows, const BITMAPINFOHEADER* pHeader, int nRowBytes) {
    const int nPixelBytes = pHeader->biBitCount / 8;
    if (nPixelBytes < 3)
        return;
    for (int y = 0; y < pHeader->biHeight; y++) {
        unsigned char* p = pRows + (size_t)nRowBytes * y;
        for (int x = 0; x < pHeader->biWidth; x++, p += nPixelBytes)
            Wash_Pixel(&p[0], &p[1], &p[2]);
    }
}

int Load_BMP_Into_Slot(HDC hdc, FILE* pFile, BITMAP_SLOT* pSlot) {
    uint32_t nPixelOffset = 0;
    if (!Image_Bmp_Read_Header(pFile, pSlot, &nPixelOffset) ||
        !Image_Bmp_Header_Accepted(&pSlot->bmiHeader)) {
        fclose(pFile);
        return 0;
    }
    const BITMAPINFOHEADER* pHeader = &pSlot->bmiHeader;
    const int nRowBytes = Get_Dib_Row_Bytes(pHeader->biWidth, pHeader->biBitCount);
    const size_t nSize = (size_t)nRowBytes * (size_t)pHeader->biHeight;
    unsigned char* pRows = (unsigned char*)malloc(nSize);
    int bRead = pRows != NULL && fseek(pFile, (long)nPixelOffset, SEEK_SET) == 0 &&
                fread(pRows, 1, nSize, pFile) == nSize;
    fclose(pFile);
    if (bRead && Has_Image_Option(pSlot, 'X'))
        Image_Bmp_Wash(pRows, pHeader, nRowBytes);
    if (bRead)
        pSlot->hBitmap = Make_Bitmap_From_Rows(hdc, pSlot, pRows);
    free(pRows);
    return bRead && pSlot->hBitmap != NULL;
}
