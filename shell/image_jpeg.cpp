// JPEG images through libjpeg from an open file: colour and CMYK files become bottom-up 24-bit
// rows padded to 4 bytes; grey-scale files are not loaded.
#include "shell/shell.h"

#include <jpeglib.h>
#include <setjmp.h>
#include <stdlib.h>
#include <string.h>

// The standard error manager whose error_exit jumps back to the decode.
typedef struct IMAGE_JPEG_ERROR {
    struct jpeg_error_mgr manager;
    jmp_buf jump;
} IMAGE_JPEG_ERROR;

// What a decode leaves for its caller to release, whether it ends or libjpeg jumps out of it.
typedef struct IMAGE_JPEG_READ {
    struct jpeg_decompress_struct decompressor;
    IMAGE_JPEG_ERROR error;
    FILE* pFile;
    BITMAP_SLOT* pSlot;
    unsigned char* pRows;
    unsigned char* pScanline;
} IMAGE_JPEG_READ;

static void Image_Jpeg_Error_Exit(j_common_ptr pInfo) {
    IMAGE_JPEG_ERROR* pError = (IMAGE_JPEG_ERROR*)pInfo->err;
    longjmp(pError->jump, 1);
}

static void Image_Jpeg_Output_Message(j_common_ptr) {}

// One decoded scanline stored as blue, green, red.
static void Image_Jpeg_Store_Scanline(const IMAGE_JPEG_READ* pRead, unsigned char* pOut) {
    const unsigned char* pIn = pRead->pScanline;
    const int nComponents = pRead->decompressor.output_components;
    const int bCmyk = pRead->decompressor.out_color_space == JCS_CMYK;
    const int bWash = Has_Image_Option(pRead->pSlot, 'X');
    for (JDIMENSION x = 0; x < pRead->decompressor.output_width; x++, pIn += nComponents) {
        unsigned char* pPixel = pOut + 3 * x;
        if (bCmyk) {
            pPixel[2] = (unsigned char)(pIn[0] * pIn[3] / 255);
            pPixel[1] = (unsigned char)(pIn[1] * pIn[3] / 255);
            pPixel[0] = (unsigned char)(pIn[2] * pIn[3] / 255);
        } else {
            pPixel[2] = pIn[0];
            pPixel[1] = pIn[1];
            pPixel[0] = pIn[2];
        }
        if (bWash)
            Wash_Pixel(&pPixel[0], &pPixel[1], &pPixel[2]);
    }
}

// Everything libjpeg may jump out of. 1 when the rows are decoded, 0 otherwise.
static int Image_Jpeg_Decode(IMAGE_JPEG_READ* pRead) {
    j_decompress_ptr pJpeg = &pRead->decompressor;
    if (setjmp(pRead->error.jump))
        return 0;
    jpeg_create_decompress(pJpeg);
    jpeg_stdio_src(pJpeg, pRead->pFile);
    jpeg_read_header(pJpeg, TRUE);
    if (pJpeg->jpeg_color_space == JCS_CMYK || pJpeg->jpeg_color_space == JCS_YCCK)
        pJpeg->out_color_space = JCS_CMYK;
    jpeg_start_decompress(pJpeg);
    if (pJpeg->output_components != 3 && pJpeg->output_components != 4)
        return 0;  // grey-scale images are not loaded

    const int nWidth = (int)pJpeg->output_width;
    const int nHeight = (int)pJpeg->output_height;
    BITMAPINFOHEADER* pHeader = &pRead->pSlot->bmiHeader;
    pHeader->biSize = sizeof(BITMAPINFOHEADER);
    pHeader->biWidth = nWidth;
    pHeader->biHeight = nHeight;
    pHeader->biPlanes = 1;
    pHeader->biBitCount = 24;
    pHeader->biCompression = BI_RGB;
    pHeader->biXPelsPerMeter = pHeader->biYPelsPerMeter = 100;
    const size_t nRowBytes = (size_t)(3 * nWidth + nWidth % 4);
    pRead->pRows = (unsigned char*)calloc(nRowBytes, (size_t)nHeight);
    if (pRead->pRows == NULL)
        return 0;
    const size_t nScanlineBytes = (size_t)(pJpeg->output_components * nWidth + nWidth % 4);
    pRead->pScanline = (unsigned char*)malloc(nScanlineBytes);
    if (pRead->pScanline == NULL) {
        Report_Error("Unable to allocate %d bytes in Load_File_Into_Bitmap_Cache()",
                     Saturate_To_Int((int64_t)nScanlineBytes));
        return 0;
    }
    for (int nLine = 0; nLine < nHeight; nLine++) {
        JSAMPROW pLine = pRead->pScanline;
        if (jpeg_read_scanlines(pJpeg, &pLine, 1) != 1)
            memset(pRead->pScanline, 0, nScanlineBytes);
        Image_Jpeg_Store_Scanline(pRead, pRead->pRows + nRowBytes * (size_t)(nHeight - 1 - nLine));
    }
    jpeg_finish_decompress(pJpeg);
    return 1;
}

int Load_JPEG_Into_Slot(HDC hdc, FILE* pFile, BITMAP_SLOT* pSlot) {
    IMAGE_JPEG_READ* pRead = (IMAGE_JPEG_READ*)calloc(1, sizeof(IMAGE_JPEG_READ));
    if (pRead == NULL) {
        fclose(pFile);
        return 0;
    }
    pRead->pFile = pFile;
    pRead->pSlot = pSlot;
    pRead->decompressor.err = jpeg_std_error(&pRead->error.manager);
    pRead->error.manager.error_exit = Image_Jpeg_Error_Exit;
    pRead->error.manager.output_message = Image_Jpeg_Output_Message;

    int nDone = Image_Jpeg_Decode(pRead);
    jpeg_destroy_decompress(&pRead->decompressor);
    fclose(pFile);
    free(pRead->pScanline);
    unsigned char* pRows = pRead->pRows;
    free(pRead);
    if (!nDone) {
        free(pRows);
        return 0;
    }
    return Store_Loaded_Rows(hdc, pSlot, pRows, 1);
}
