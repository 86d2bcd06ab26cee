// PNG images through libpng: decoded to bottom-up BGR or BGRA rows padded to 4 bytes, with
// four-channel images premultiplied by their alpha, and loaded into a cache slot.
#include "shell/shell.h"

#include <png.h>
#include <stdlib.h>
#include <string.h>

#define IMAGE_PNG_SCREEN_GAMMA 2.2

// What a decode leaves for its caller to release, whether it ends or libpng jumps out of it.
typedef struct IMAGE_PNG_READ {
    png_structp pPng;
    png_infop pInfo;
    FILE* pFile;
    unsigned char** ppBits;  // null: the header only
    png_bytep* apRows;
    unsigned char* pAllocated;  // rows this decode allocated
    size_t nAllocateSize;       // set when an allocation failed
    int nWidth;
    int nHeight;
    int nChannels;
} IMAGE_PNG_READ;

static void Image_Png_Error(png_structp pPng, png_const_charp) {
    png_longjmp(pPng, 1);
}

static void Image_Png_Warning(png_structp, png_const_charp) {}

static void Image_Png_Set_Transforms(png_structp pPng, png_infop pInfo) {
    png_set_strip_16(pPng);
    png_set_expand(pPng);  // palettes and samples under 8 bits become 8-bit samples
    int nColourType = png_get_color_type(pPng, pInfo);
    if (nColourType == PNG_COLOR_TYPE_GRAY || nColourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(pPng);
    png_set_bgr(pPng);
    if (png_get_valid(pPng, pInfo, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(pPng);
    double fFileGamma = 0;
    if (png_get_gAMA(pPng, pInfo, &fFileGamma))
        png_set_gamma(pPng, IMAGE_PNG_SCREEN_GAMMA, fFileGamma);
}

// Everything libpng may jump out of. 1 when done, 0 on a decoding or allocation failure.
static int Image_Png_Decode(IMAGE_PNG_READ* pRead) {
    if (setjmp(png_jmpbuf(pRead->pPng)))
        return 0;
    png_init_io(pRead->pPng, pRead->pFile);
    png_set_sig_bytes(pRead->pPng, 8);
    png_read_info(pRead->pPng, pRead->pInfo);
    Image_Png_Set_Transforms(pRead->pPng, pRead->pInfo);
    png_read_update_info(pRead->pPng, pRead->pInfo);
    pRead->nWidth = (int)png_get_image_width(pRead->pPng, pRead->pInfo);
    pRead->nHeight = (int)png_get_image_height(pRead->pPng, pRead->pInfo);
    pRead->nChannels = png_get_channels(pRead->pPng, pRead->pInfo);
    if (pRead->ppBits == NULL)
        return 1;

    size_t nStride = (png_get_rowbytes(pRead->pPng, pRead->pInfo) + 3) & ~(size_t)3;
    size_t nHeight = (size_t)pRead->nHeight;
    pRead->apRows = (png_bytep*)malloc(nHeight * sizeof(png_bytep));
    if (pRead->apRows == NULL) {
        pRead->nAllocateSize = nHeight * sizeof(png_bytep);
        return 0;
    }
    if (*pRead->ppBits == NULL) {
        pRead->pAllocated = (unsigned char*)malloc(nStride * nHeight);
        if (pRead->pAllocated == NULL) {
            pRead->nAllocateSize = nStride * nHeight;
            return 0;
        }
    }
    unsigned char* pBase = pRead->pAllocated != NULL ? pRead->pAllocated : *pRead->ppBits;
    for (size_t i = 0; i < nHeight; i++)
        pRead->apRows[i] = pBase + nStride * (nHeight - 1 - i);
    png_read_image(pRead->pPng, pRead->apRows);
    png_read_end(pRead->pPng, NULL);
    return 1;
}

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
    IMAGE_PNG_READ read;
    memset(&read, 0, sizeof read);
    read.ppBits = ppBits;
    read.pFile = Platform_Open_File(szFile, "rb");
    if (read.pFile == NULL) {
        Report_Error("Unable to open file in Load_PNG_File(%s)", szFile);
        return 0;
    }
    unsigned char abSignature[8];
    if (fread(abSignature, 1, 8, read.pFile) != 8 || png_sig_cmp(abSignature, 0, 8) != 0) {
        fclose(read.pFile);
        Report_Error("Unable to read sig in Load_PNG_File(%s)", szFile);
        return 0;
    }
    read.pPng =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, NULL, Image_Png_Error, Image_Png_Warning);
    if (read.pPng == NULL) {
        fclose(read.pFile);
        Report_Error("Unable to png_create_read_struct in Load_PNG_File(%s)", szFile);
        return 0;
    }
    read.pInfo = png_create_info_struct(read.pPng);
    if (read.pInfo == NULL) {
        png_destroy_read_struct(&read.pPng, NULL, NULL);
        fclose(read.pFile);
        Report_Error("Unable to png_create_info_struct in Load_PNG_File(%s)", szFile);
        return 0;
    }

    int nDone = Image_Png_Decode(&read);
    png_destroy_read_struct(&read.pPng, &read.pInfo, NULL);
    free(read.apRows);
    if (fclose(read.pFile) != 0)
        Report_Error("Unable to close file in Load_PNG_File(%s)", szFile);
    if (!nDone) {
        free(read.pAllocated);
        if (read.nAllocateSize != 0)
            Report_Error("Unable to allocate %d bytes in Load_PNG_File(%s)",
                         Saturate_To_Int((int64_t)read.nAllocateSize), szFile);
        else
            Report_Error("Unable to decode file in Load_PNG_File(%s)", szFile);
        return 0;
    }
    *pnWidth = read.nWidth;
    *pnHeight = read.nHeight;
    *pnChannels = read.nChannels;
    if (ppBits == NULL)
        return 1;
    if (read.pAllocated != NULL)
        *ppBits = read.pAllocated;
    if (read.nChannels == 4 && strstr(szFile, ".png-cached.png") == NULL)
        Premultiply_Alpha(*ppBits, read.nWidth, read.nHeight, Get_Dib_Row_Bytes(read.nWidth, 32));
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
