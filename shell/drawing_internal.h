// What the drawing layer's modules share inside the shell, and what its tests reach.
#pragma once

#include "shell/drawing.h"

// One channel's range: each pixel's value runs from nFrom (grain 0) to nTo (grain 255).
typedef struct NOISE_CHANNEL {
    int nFrom;
    int nTo;
} NOISE_CHANNEL;

// Fills 24-bit rows (blue, green, red, each row nStride bytes) with grain from the drawing
// layer's own generator: one draw a pixel, shared by its three channels.
void Fill_Noise_Pixels(unsigned char* pBits, int nWidth, int nHeight, int nStride,
                       const NOISE_CHANNEL aChannels[3]);  // red, green, blue
