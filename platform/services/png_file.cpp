// The one PNG writer and reader. libpng reports errors by a long jump back into the function
// that set it up, so nothing there may need a destructor.
#include "png_file.h"

#include <png.h>
#include <stdlib.h>
#include <string.h>

namespace {

bool Png_Format_Has_Alpha(PNG_PIXEL_FORMAT eFormat) {
    return eFormat == PNG_PIXELS_BGRA || eFormat == PNG_PIXELS_RGBA;
}

PNG_WRITE_RESULT Png_Write_Rows(png_structp pPng, png_infop pInfo, FILE* pFile,
                                const PNG_PICTURE& picture) {
    if (setjmp(png_jmpbuf(pPng))) return PNG_WRITE_FAILED;
    png_init_io(pPng, pFile);
    png_set_IHDR(
        pPng, pInfo, static_cast<png_uint_32>(picture.nWidth),
        static_cast<png_uint_32>(picture.nHeight), 8,
        Png_Format_Has_Alpha(picture.eFormat) ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
        PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(pPng, pInfo);
    if (picture.eFormat == PNG_PIXELS_BGRA || picture.eFormat == PNG_PIXELS_BGRX ||
        picture.eFormat == PNG_PIXELS_BGR)
        png_set_bgr(pPng);
    if (picture.eFormat == PNG_PIXELS_BGRX) png_set_filler(pPng, 0, PNG_FILLER_AFTER);
    for (int i = 0; i < picture.nHeight; i++) {
        const int nRow = picture.bBottomUp ? picture.nHeight - 1 - i : i;
        png_write_row(pPng, picture.pRows + picture.nStride * nRow);
    }
    png_write_end(pPng, pInfo);
    return PNG_WRITTEN;
}

// Where the reader's bytes come from when they are in memory.
struct PNG_MEMORY_SOURCE {
    const uint8_t* pData;
    size_t nSize;
    size_t nAt;
};

void Png_Read_From_Memory(png_structp pPng, png_bytep pOut, png_size_t nBytes) {
    PNG_MEMORY_SOURCE* pSource = static_cast<PNG_MEMORY_SOURCE*>(png_get_io_ptr(pPng));
    if (nBytes > pSource->nSize - pSource->nAt) png_error(pPng, "read past the end");
    memcpy(pOut, pSource->pData + pSource->nAt, nBytes);
    pSource->nAt += nBytes;
}

void Png_Read_Error(png_structp pPng, png_const_charp) { png_longjmp(pPng, 1); }

void Png_Read_Warning(png_structp, png_const_charp) {}

void Png_Set_Read_Transforms(png_structp pPng, png_infop pInfo, const PNG_READ_OPTIONS& options) {
    png_set_strip_16(pPng);
    png_set_expand(pPng);  // palettes and samples under 8 bits become 8-bit samples
    int nColourType = png_get_color_type(pPng, pInfo);
    if (nColourType == PNG_COLOR_TYPE_GRAY || nColourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(pPng);
    if (!options.bRedFirst) png_set_bgr(pPng);
    if (png_get_valid(pPng, pInfo, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(pPng);
    if (options.bAlwaysAlpha) png_set_add_alpha(pPng, 0xFF, PNG_FILLER_AFTER);
    double fFileGamma = 0;
    if (options.fScreenGamma > 0 && png_get_gAMA(pPng, pInfo, &fFileGamma))
        png_set_gamma(pPng, options.fScreenGamma, fFileGamma);
}

// What a read leaves to release, whether it ends or libpng jumps out of it.
struct PNG_READ_STATE {
    png_structp pPng;
    png_infop pInfo;
    png_bytep* apRows;
    uint8_t* pAllocated;
};

PNG_READ_RESULT Png_Decode(PNG_READ_STATE* pState, const PNG_READ_OPTIONS& options, uint8_t* pInto,
                           PNG_DECODED* pDecoded) {
    png_structp pPng = pState->pPng;
    png_infop pInfo = pState->pInfo;
    if (setjmp(png_jmpbuf(pPng))) return PNG_READ_FAILED;
    png_set_sig_bytes(pPng, 8);
    png_read_info(pPng, pInfo);
    Png_Set_Read_Transforms(pPng, pInfo, options);
    png_read_update_info(pPng, pInfo);
    const size_t nAlign = options.nRowAlign ? options.nRowAlign : 1;
    const size_t nHeight = png_get_image_height(pPng, pInfo);
    pDecoded->nWidth = static_cast<int>(png_get_image_width(pPng, pInfo));
    pDecoded->nHeight = static_cast<int>(nHeight);
    pDecoded->nChannels = png_get_channels(pPng, pInfo);
    pDecoded->nStride = (png_get_rowbytes(pPng, pInfo) + nAlign - 1) / nAlign * nAlign;
    if (options.bHeaderOnly) return PNG_READ_DONE;

    pState->apRows = static_cast<png_bytep*>(malloc(nHeight * sizeof(png_bytep)));
    if (!pState->apRows) {
        pDecoded->nFailedAllocation = nHeight * sizeof(png_bytep);
        return PNG_READ_NO_MEMORY;
    }
    if (!pInto) {
        pState->pAllocated = static_cast<uint8_t*>(malloc(pDecoded->nStride * nHeight));
        if (!pState->pAllocated) {
            pDecoded->nFailedAllocation = pDecoded->nStride * nHeight;
            return PNG_READ_NO_MEMORY;
        }
    }
    uint8_t* pBase = pState->pAllocated ? pState->pAllocated : pInto;
    for (size_t i = 0; i < nHeight; i++)
        pState->apRows[i] = pBase + pDecoded->nStride * (options.bBottomUp ? nHeight - 1 - i : i);
    png_read_image(pPng, pState->apRows);
    png_read_end(pPng, nullptr);
    return PNG_READ_DONE;
}

// The read after the signature: from the file, or from memory when pFile is null.
PNG_READ_RESULT Png_Read(FILE* pFile, PNG_MEMORY_SOURCE* pMemory, const PNG_READ_OPTIONS& options,
                         uint8_t* pInto, PNG_DECODED* pDecoded) {
    PNG_READ_STATE state = {};
    state.pPng =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Png_Read_Error, Png_Read_Warning);
    if (!state.pPng) return PNG_READ_NO_READER;
    state.pInfo = png_create_info_struct(state.pPng);
    if (!state.pInfo) {
        png_destroy_read_struct(&state.pPng, nullptr, nullptr);
        return PNG_READ_NO_INFO;
    }
    if (pFile)
        png_init_io(state.pPng, pFile);
    else
        png_set_read_fn(state.pPng, pMemory, Png_Read_From_Memory);
    PNG_READ_RESULT eResult = Png_Decode(&state, options, pInto, pDecoded);
    png_destroy_read_struct(&state.pPng, &state.pInfo, nullptr);
    free(state.apRows);
    if (eResult != PNG_READ_DONE)
        free(state.pAllocated);
    else if (state.pAllocated)
        pDecoded->pRows = state.pAllocated;
    else
        pDecoded->pRows = pInto;
    return eResult;
}

}  // namespace

PNG_WRITE_RESULT Png_Write_File(FILE* pFile, const PNG_PICTURE& picture) {
    png_structp pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!pPng) return PNG_WRITE_NO_WRITER;
    png_infop pInfo = png_create_info_struct(pPng);
    if (!pInfo) {
        png_destroy_write_struct(&pPng, nullptr);
        return PNG_WRITE_NO_INFO;
    }
    PNG_WRITE_RESULT eResult = Png_Write_Rows(pPng, pInfo, pFile, picture);
    png_destroy_write_struct(&pPng, &pInfo);
    return eResult;
}

PNG_READ_RESULT Png_Read_File(FILE* pFile, const PNG_READ_OPTIONS& options, uint8_t* pInto,
                              PNG_DECODED* pDecoded) {
    uint8_t abSignature[8];
    if (fread(abSignature, 1, 8, pFile) != 8 || png_sig_cmp(abSignature, 0, 8) != 0)
        return PNG_READ_NOT_PNG;
    return Png_Read(pFile, nullptr, options, pInto, pDecoded);
}

PNG_READ_RESULT Png_Read_Memory(const uint8_t* pData, size_t nSize, const PNG_READ_OPTIONS& options,
                                uint8_t* pInto, PNG_DECODED* pDecoded) {
    if (nSize < 8 || png_sig_cmp(pData, 0, 8) != 0) return PNG_READ_NOT_PNG;
    PNG_MEMORY_SOURCE source = {pData, nSize, 8};
    return Png_Read(nullptr, &source, options, pInto, pDecoded);
}
