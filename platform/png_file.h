// The one PNG writer and the one PNG reader (libpng), for the layer, the game, its tools and tests.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

// How pixels lie in memory: 8-bit samples in this order (X: a byte that is not written).
enum PNG_PIXEL_FORMAT {
    PNG_PIXELS_BGRA,
    PNG_PIXELS_RGBA,
    PNG_PIXELS_BGRX,
    PNG_PIXELS_BGR,
    PNG_PIXELS_RGB
};

// Pixels to write: straight (not premultiplied) samples.
struct PNG_PICTURE {
    const uint8_t* pRows;  // the first row in memory
    int nWidth;
    int nHeight;
    ptrdiff_t nStride;  // bytes from one row in memory to the next (negative: rows go up)
    PNG_PIXEL_FORMAT eFormat;
    bool bBottomUp;  // the first row in memory is the picture's last
};

enum PNG_WRITE_RESULT { PNG_WRITTEN, PNG_WRITE_NO_WRITER, PNG_WRITE_NO_INFO, PNG_WRITE_FAILED };

// Writes the picture to the open file as an 8-bit RGB file, or RGBA when the format has alpha,
// with libpng's default compression and filters.
PNG_WRITE_RESULT Png_Write_File(FILE* pFile, const PNG_PICTURE& picture);

struct PNG_READ_OPTIONS {
    bool bRedFirst = false;     // RGB(A) rows; else BGR(A)
    bool bAlwaysAlpha = false;  // four samples a pixel even when the file has no alpha (255)
    bool bBottomUp = false;     // the picture's last row first
    size_t nRowAlign = 1;       // each row padded to a multiple of this many bytes
    double fScreenGamma = 0;    // above 0: a file with a gamma is corrected to this screen gamma
    bool bHeaderOnly = false;   // the size and samples only, no pixels
};

struct PNG_DECODED {
    int nWidth = 0;
    int nHeight = 0;
    int nChannels = 0;             // 3 or 4 samples a pixel, 8 bits each
    size_t nStride = 0;            // bytes a row, padded
    uint8_t* pRows = nullptr;      // the pixels; malloc'd by the reader unless given
    size_t nFailedAllocation = 0;  // the size that could not be allocated (PNG_READ_NO_MEMORY)
};

enum PNG_READ_RESULT {
    PNG_READ_DONE,
    PNG_READ_NOT_PNG,    // no PNG signature
    PNG_READ_NO_READER,  // libpng could not start
    PNG_READ_NO_INFO,
    PNG_READ_NO_MEMORY,
    PNG_READ_FAILED  // damaged data
};

// Reads a PNG from the open file (at its start) or from memory into pInto, which must hold
// nStride * nHeight bytes (a header-only read tells both), or when it is null into rows the
// reader allocates with malloc for the caller to free. On failure nothing stays allocated.
PNG_READ_RESULT Png_Read_File(FILE* pFile, const PNG_READ_OPTIONS& options, uint8_t* pInto,
                              PNG_DECODED* pDecoded);
PNG_READ_RESULT Png_Read_Memory(const uint8_t* pData, size_t nSize, const PNG_READ_OPTIONS& options,
                                uint8_t* pInto, PNG_DECODED* pDecoded);
