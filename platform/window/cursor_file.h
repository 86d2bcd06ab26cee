// The layer's own reader of cursor files (.cur, and .ico, which share the container).
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct CURSOR_IMAGE {
    int nWidth;
    int nHeight;
    int nHotX;
    int nHotY;
    std::vector<uint32_t> aPixels;  // BGRA, rows top-down
};

// Reads the largest image of the file's data: a BMP image (1, 4, 8, 24 or 32 bits with its
// transparency mask) or a PNG image, and its hot spot. False when the data is damaged.
bool Cursor_File_Read(const std::vector<uint8_t>& aData, CURSOR_IMAGE* pImage);
