// Blurred random grain for buttons and panels. The grain comes from a generator of its own, so
// that a seeded run of the game makes the same league whatever was painted.
#include "shell/drawing_internal.h"
#include "shell/shell.h"

#include <math.h>

#define NOISE_DEFAULT_SEED 0x9E3779B97F4A7C15ull
#define NOISE_AROUND_SPREAD 15

static uint64_t uCosmeticState = NOISE_DEFAULT_SEED;

void Seed_Cosmetic_Random(uint64_t uSeed) {
    uCosmeticState = uSeed ? uSeed : NOISE_DEFAULT_SEED;
}

// xorshift64*: the top 32 bits of each step.
static uint32_t Next_Cosmetic_Random(void) {
    uCosmeticState ^= uCosmeticState >> 12;
    uCosmeticState ^= uCosmeticState << 25;
    uCosmeticState ^= uCosmeticState >> 27;
    return (uint32_t)((uCosmeticState * 0x2545F4914F6CDD1Dull) >> 32);
}

int Cosmetic_Random_Below(int n) {
    if (n < 1)
        return 0;
    return (int)(((uint64_t)Next_Cosmetic_Random() * (uint32_t)n) >> 32);
}

void Fill_Noise_Pixels(unsigned char* pBits, int nWidth, int nHeight, int nStride,
                       const NOISE_CHANNEL aChannels[3]) {
    for (int y = 0; y < nHeight; y++) {
        unsigned char* pPixel = pBits + (size_t)y * nStride;
        for (int x = 0; x < nWidth; x++, pPixel += 3) {
            int nGrain = (int)(Next_Cosmetic_Random() >> 24);  // 0..255
            for (int nChannel = 0; nChannel < 3; nChannel++) {
                const NOISE_CHANNEL* pRange = &aChannels[nChannel];
                int nValue = pRange->nFrom + (pRange->nTo - pRange->nFrom) * nGrain / 255;
                pPixel[2 - nChannel] = (unsigned char)Clamp(nValue, 0, 255);  // rows hold B, G, R
            }
        }
    }
}

void Draw_Button_Noise(const RECT* pRect, HDC hdc, int nRedA, int nRedB, int nGreenA, int nGreenB,
                       int nBlueA, int nBlueB, double dBlurX, double dBlurY) {
    int nWidth = pRect->right - pRect->left;
    int nHeight = pRect->bottom - pRect->top;
    if (nWidth <= 0 || nHeight <= 0)
        return;
    DIB_SECTION_DC surface;
    if (!SimpleCreateDIBSectionDC(hdc, &surface, 3, nWidth, nHeight))
        return;
    const NOISE_CHANNEL aChannels[3] = {{nRedA, nRedB}, {nGreenA, nGreenB}, {nBlueA, nBlueB}};
    Fill_Noise_Pixels(surface.pBits, nWidth, nHeight, surface.nStride, aChannels);
    Blur_DIB_Section(&surface, (int)lround(dBlurX), (int)lround(dBlurY));
    BitBlt(hdc, pRect->left, pRect->top, nWidth, nHeight, surface.hdc, 0, 0, SRCCOPY);
    Release_DIB_Section_DC(&surface);
}

// Each channel runs from 15 above the colour's value down to 15 below it, kept within 0..255.
void Draw_Noise_Around_Colour(const RECT* pRect, HDC hdc, COLORREF colour, int nBlurX, int nBlurY) {
    int anValues[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    int anFrom[3], anTo[3];
    for (int n = 0; n < 3; n++) {
        anFrom[n] = Clamp(anValues[n] + NOISE_AROUND_SPREAD, 0, 255);
        anTo[n] = Clamp(anValues[n] - NOISE_AROUND_SPREAD, 0, 255);
    }
    Draw_Button_Noise(pRect, hdc, anFrom[0], anTo[0], anFrom[1], anTo[1], anFrom[2], anTo[2],
                      nBlurX, nBlurY);
}
