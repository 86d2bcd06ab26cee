#include "fuzz/saved_game_mutator.h"

#include <math.h>
#include <string.h>
#include <zlib.h>

#include <random>
#include <vector>

#define HEADER_SIZE 25
#define CHUNK_COUNT 100
#define LARGEST_RAW_CHUNK 229824
#define LENGTH_SIZE 4
#define MUTATION_LEVEL 1

extern "C" size_t LLVMFuzzerMutate(uint8_t* pData, size_t nSize, size_t nMaxSize);

namespace {

typedef std::vector<uint8_t> BYTES;

struct CHUNK_SPAN {
    size_t nAt;      // of its length field
    size_t nLength;  // of its stream
};

uint32_t Read_Length(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

// The chunks of a file, or an empty list when it is not made of them.
std::vector<CHUNK_SPAN> Find_Chunks(const uint8_t* pData, size_t nSize) {
    std::vector<CHUNK_SPAN> chunks;
    size_t nAt = HEADER_SIZE;
    while (nAt + LENGTH_SIZE <= nSize && chunks.size() < CHUNK_COUNT) {
        size_t nLength = Read_Length(pData + nAt);
        if (nLength > nSize - nAt - LENGTH_SIZE)
            return {};
        chunks.push_back({nAt, nLength});
        nAt += LENGTH_SIZE + nLength;
    }
    return nSize >= HEADER_SIZE ? chunks : std::vector<CHUNK_SPAN>();
}

bool Inflate(const uint8_t* pStream, size_t nLength, BYTES* pRaw) {
    pRaw->resize(LARGEST_RAW_CHUNK);
    uLongf nRaw = LARGEST_RAW_CHUNK;
    if (uncompress(pRaw->data(), &nRaw, pStream, nLength) != Z_OK)
        return false;
    pRaw->resize(nRaw);
    return true;
}

// Values a damaged field takes: the limits of each width, small negatives, a float that is not a
// number, and values just past the ranges a loader might hold.
void Plant_Value(BYTES* pRaw, std::mt19937* pDraw) {
    static const int32_t kInts[] = {INT32_MAX, INT32_MIN, -1,   -3,        0,          1,
                                    100,       5000,      2200, 100000001, 1000000001, 32767};
    if (pRaw->size() < 4)
        return;
    size_t nAt = (*pDraw)() % (pRaw->size() - 3) & ~(size_t)3;
    uint32_t uValue;
    switch ((*pDraw)() % 3) {
    case 0: {
        float fValue = (*pDraw)() % 2 ? NAN : -INFINITY;
        memcpy(&uValue, &fValue, 4);
        break;
    }
    case 1: uValue = (uint32_t)kInts[(*pDraw)() % (sizeof(kInts) / sizeof(kInts[0]))]; break;
    default: uValue = (uint32_t)(int16_t)((*pDraw)() % 2 ? 0x7FFF : 0x8000); break;
    }
    memcpy(pRaw->data() + nAt, &uValue, 4);
}

}  // namespace

size_t Mutate_Saved_Game(uint8_t* pData, size_t nSize, size_t nMaxSize, unsigned int uSeed) {
    std::vector<CHUNK_SPAN> chunks = Find_Chunks(pData, nSize);
    std::mt19937 draw(uSeed);
    BYTES raw;
    if (chunks.empty())
        return LLVMFuzzerMutate(pData, nSize, nMaxSize);
    const CHUNK_SPAN& chunk = chunks[draw() % chunks.size()];
    if (!Inflate(pData + chunk.nAt + LENGTH_SIZE, chunk.nLength, &raw) || raw.empty())
        return LLVMFuzzerMutate(pData, nSize, nMaxSize);

    // Whole values at aligned places reach the fields; libFuzzer's byte changes do the rest.
    if (draw() % 2)
        Plant_Value(&raw, &draw);
    else
        LLVMFuzzerMutate(raw.data(), raw.size(), raw.size());

    uLongf nPacked = compressBound((uLong)raw.size());
    BYTES packed(nPacked);
    if (compress2(packed.data(), &nPacked, raw.data(), (uLong)raw.size(), MUTATION_LEVEL) != Z_OK)
        return LLVMFuzzerMutate(pData, nSize, nMaxSize);
    size_t nTailAt = chunk.nAt + LENGTH_SIZE + chunk.nLength;
    size_t nNewSize = chunk.nAt + LENGTH_SIZE + nPacked + (nSize - nTailAt);
    if (nNewSize > nMaxSize)
        return LLVMFuzzerMutate(pData, nSize, nMaxSize);
    BYTES tail(pData + nTailAt, pData + nSize);
    uint8_t* pOut = pData + chunk.nAt;
    for (int k = 0; k < LENGTH_SIZE; k++)
        pOut[k] = (uint8_t)(nPacked >> (8 * k));
    memcpy(pOut + LENGTH_SIZE, packed.data(), nPacked);
    if (!tail.empty())
        memcpy(pOut + LENGTH_SIZE + nPacked, tail.data(), tail.size());
    return nNewSize;
}
