// Cursor files: a directory of images, each with its size, hot spot and place in the file; the
// image is a BMP without its file header (the colour rows and then a one-bit transparency mask,
// both bottom-up, with the height counting both) or a whole PNG file.
#include "cursor_file.h"

#include <string.h>

#include "png_file.h"

namespace {

const size_t kDirectorySize = 6;
const size_t kEntrySize = 16;
const size_t kInfoHeaderSize = 40;
const int kMaxCursorSide = 256;

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool Read_Png(const uint8_t* pData, size_t nSize, CURSOR_IMAGE* pImage) {
    PNG_READ_OPTIONS options;
    options.bAlwaysAlpha = true;
    options.bHeaderOnly = true;
    PNG_DECODED decoded;
    if (Png_Read_Memory(pData, nSize, options, nullptr, &decoded) != PNG_READ_DONE) return false;
    if (decoded.nWidth == 0 || decoded.nHeight == 0 || decoded.nWidth > kMaxCursorSide ||
        decoded.nHeight > kMaxCursorSide)
        return false;
    std::vector<uint32_t> aPixels(static_cast<size_t>(decoded.nWidth) * decoded.nHeight);
    options.bHeaderOnly = false;
    if (Png_Read_Memory(pData, nSize, options, reinterpret_cast<uint8_t*>(aPixels.data()),
                        &decoded) != PNG_READ_DONE)
        return false;
    pImage->nWidth = decoded.nWidth;
    pImage->nHeight = decoded.nHeight;
    pImage->aPixels = std::move(aPixels);
    return true;
}

// Bit nBit of a row of packed pixels, nBits wide each.
uint32_t Packed_Index(const uint8_t* pRow, int x, int nBits) {
    int nBit = x * nBits;
    int nShift = 8 - nBits - (nBit % 8);
    return (pRow[nBit / 8] >> nShift) & ((1u << nBits) - 1);
}

bool Read_Bmp(const uint8_t* pData, size_t nSize, CURSOR_IMAGE* pImage) {
    if (nSize < kInfoHeaderSize) return false;
    uint32_t nHeaderSize = Read32(pData);
    int32_t nWidth = static_cast<int32_t>(Read32(pData + 4));
    int32_t nHeight = static_cast<int32_t>(Read32(pData + 8)) / 2;  // colour rows and mask rows
    int nBits = Read16(pData + 14);
    uint32_t nCompression = Read32(pData + 16);
    uint32_t nColoursUsed = Read32(pData + 32);
    if (nHeaderSize < kInfoHeaderSize || nHeaderSize > nSize || nWidth <= 0 || nHeight <= 0 ||
        nWidth > kMaxCursorSide || nHeight > kMaxCursorSide || nCompression != 0)
        return false;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24 && nBits != 32) return false;
    size_t nPalette = nBits <= 8 ? (nColoursUsed ? nColoursUsed : (1u << nBits)) : 0;
    if (nPalette > 256) return false;
    size_t nColourStride = ((static_cast<size_t>(nWidth) * nBits + 31) / 32) * 4;
    size_t nMaskStride = ((static_cast<size_t>(nWidth) + 31) / 32) * 4;
    size_t nNeeded = nHeaderSize + nPalette * 4 + (nColourStride + nMaskStride) * nHeight;
    if (nNeeded > nSize) return false;
    const uint8_t* pPalette = pData + nHeaderSize;
    const uint8_t* pColour = pPalette + nPalette * 4;
    const uint8_t* pMask = pColour + nColourStride * nHeight;

    pImage->nWidth = nWidth;
    pImage->nHeight = nHeight;
    pImage->aPixels.assign(static_cast<size_t>(nWidth) * nHeight, 0);
    bool bAnyAlpha = false;
    for (int y = 0; y < nHeight; y++) {
        const uint8_t* pRow = pColour + nColourStride * (nHeight - 1 - y);
        const uint8_t* pMaskRow = pMask + nMaskStride * (nHeight - 1 - y);
        for (int x = 0; x < nWidth; x++) {
            uint32_t nPixel;
            if (nBits == 32) {
                nPixel = Read32(pRow + x * 4);
                bAnyAlpha = bAnyAlpha || (nPixel >> 24) != 0;
            } else if (nBits == 24) {
                const uint8_t* p = pRow + x * 3;
                nPixel = static_cast<uint32_t>(p[0]) | (p[1] << 8) | (p[2] << 16);
            } else {
                uint32_t nIndex = Packed_Index(pRow, x, nBits);
                if (nIndex >= nPalette) return false;
                nPixel = Read32(pPalette + nIndex * 4) & 0xFFFFFF;
            }
            if (nBits != 32) {
                bool bClear = Packed_Index(pMaskRow, x, 1) != 0;
                nPixel = bClear ? 0 : (nPixel | 0xFF000000u);
            }
            pImage->aPixels[static_cast<size_t>(y) * nWidth + x] = nPixel;
        }
    }
    // A 32-bit image without alpha leaves its transparency to the mask.
    if (nBits == 32 && !bAnyAlpha) {
        for (int y = 0; y < nHeight; y++) {
            const uint8_t* pMaskRow = pMask + nMaskStride * (nHeight - 1 - y);
            for (int x = 0; x < nWidth; x++) {
                uint32_t& nPixel = pImage->aPixels[static_cast<size_t>(y) * nWidth + x];
                nPixel = Packed_Index(pMaskRow, x, 1) ? 0 : (nPixel | 0xFF000000u);
            }
        }
    }
    return true;
}

}  // namespace

bool Cursor_File_Read(const std::vector<uint8_t>& aData, CURSOR_IMAGE* pImage) {
    if (!pImage || aData.size() < kDirectorySize) return false;
    const uint8_t* p = aData.data();
    uint16_t nType = Read16(p + 2), nCount = Read16(p + 4);
    if (Read16(p) != 0 || (nType != 1 && nType != 2) || nCount == 0 ||
        kDirectorySize + kEntrySize * nCount > aData.size())
        return false;
    // The largest image; an entry's size byte 0 means 256.
    size_t nBest = 0;
    int nBestArea = -1;
    for (size_t i = 0; i < nCount; i++) {
        const uint8_t* e = p + kDirectorySize + kEntrySize * i;
        int nArea = (e[0] ? e[0] : 256) * (e[1] ? e[1] : 256);
        if (nArea > nBestArea) {
            nBestArea = nArea;
            nBest = i;
        }
    }
    const uint8_t* e = p + kDirectorySize + kEntrySize * nBest;
    uint32_t nBytes = Read32(e + 8), nOffset = Read32(e + 12);
    if (nOffset > aData.size() || nBytes > aData.size() - nOffset || nBytes < 8) return false;
    const uint8_t* pImageData = p + nOffset;
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    bool bRead = memcmp(pImageData, kPngSignature, 8) == 0 ? Read_Png(pImageData, nBytes, pImage)
                                                           : Read_Bmp(pImageData, nBytes, pImage);
    if (!bRead) return false;
    // Icons have no hot spot; cursors keep theirs inside the picture.
    pImage->nHotX = nType == 2 ? Read16(e + 4) : 0;
    pImage->nHotY = nType == 2 ? Read16(e + 6) : 0;
    if (pImage->nHotX >= pImage->nWidth) pImage->nHotX = pImage->nWidth - 1;
    if (pImage->nHotY >= pImage->nHeight) pImage->nHotY = pImage->nHeight - 1;
    return true;
}
