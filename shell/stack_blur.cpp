// The stack blur of pixel rows in memory: three colour bytes of 24-bit pixels (the button noise)
// or one byte of 4-byte pixels (the canvas shadow's alpha), both by AGG's one stack blur.
#include "shell/shell.h"

// agg_blur.h uses the renderer without including it.
#include <agg_renderer_base.h>

#include <agg_blur.h>
#include <agg_pixfmt_gray.h>
#include <agg_pixfmt_rgb.h>
#include <agg_rendering_buffer.h>

namespace {

#define STACK_BLUR_MAX_RADIUS 254

unsigned Stack_Blur_Radius(int nRadius) {
    return (unsigned)Clamp(nRadius, 0, STACK_BLUR_MAX_RADIUS);
}

// The one stack blur of every layout: rows first, then columns, through the pixel format.
template <class ColorT, class CalculatorT, class PixelFormat>
void Stack_Blur_Image(PixelFormat& pixf, unsigned rx, unsigned ry) {
    agg::stack_blur<ColorT, CalculatorT> blur;
    blur.blur_x(pixf, rx);
    blur.blur_y(pixf, ry);
}

// One byte of each Step-byte pixel as an 8-bit image.
template <unsigned Step, unsigned Offset>
void Stack_Blur_Channel(agg::rendering_buffer& rbuf, unsigned rx, unsigned ry) {
    agg::pixfmt_alpha_blend_gray<agg::blender_gray8, agg::rendering_buffer, Step, Offset> pixf(
        rbuf);
    Stack_Blur_Image<agg::gray8, agg::stack_blur_calc_gray<>>(pixf, rx, ry);
}

}  // namespace

void Stack_Blur_Pixels(unsigned char* pBits, int nWidth, int nHeight, int nStride, int nChannels,
                       int nStep, int nOffset, int nRadiusX, int nRadiusY) {
    if (!pBits || nWidth <= 0 || nHeight <= 0)
        return;
    const unsigned rx = Stack_Blur_Radius(nRadiusX);
    const unsigned ry = Stack_Blur_Radius(nRadiusY);
    if (rx == 0 && ry == 0)
        return;
    agg::rendering_buffer rbuf(pBits, (unsigned)nWidth, (unsigned)nHeight, nStride);
    if (nChannels == 3 && nStep == 3) {
        agg::pixfmt_bgr24 pixf(rbuf);
        Stack_Blur_Image<agg::rgba8, agg::stack_blur_calc_rgb<>>(pixf, rx, ry);
    } else if (nChannels == 1 && nStep == 4 && nOffset >= 0 && nOffset < 4) {
        switch (nOffset) {
        case 0: Stack_Blur_Channel<4, 0>(rbuf, rx, ry); break;
        case 1: Stack_Blur_Channel<4, 1>(rbuf, rx, ry); break;
        case 2: Stack_Blur_Channel<4, 2>(rbuf, rx, ry); break;
        default: Stack_Blur_Channel<4, 3>(rbuf, rx, ry); break;
        }
    } else if (nChannels == 1 && nStep == 1) {
        Stack_Blur_Channel<1, 0>(rbuf, rx, ry);
    } else {
        Report_Error("Unsupported pixel layout in Stack_Blur_Pixels(%d,%d,%d)", nChannels, nStep,
                     nOffset);
    }
}
