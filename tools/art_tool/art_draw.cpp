// Painting with Anti-Grain Geometry on premultiplied RGBA pictures.
#include "art_draw.h"

#include <math.h>

#include <agg_bounding_rect.h>
#include <agg_conv_curve.h>
#include <agg_conv_stroke.h>
#include <agg_conv_transform.h>
#include <agg_pixfmt_gray.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_rounded_rect.h>
#include <agg_scanline_u.h>
#include <agg_span_allocator.h>
#include <agg_span_gradient.h>
#include <agg_span_interpolator_linear.h>

namespace {

typedef agg::pixfmt_rgba32_pre ART_PIXFMT;
typedef agg::renderer_base<ART_PIXFMT> ART_BASE;
typedef agg::conv_curve<agg::path_storage> ART_CURVE;
typedef agg::span_interpolator_linear<> ART_INTERPOLATOR;

// The renderer over one picture.
struct ART_TARGET {
    agg::rendering_buffer buffer;
    ART_PIXFMT pixfmt;
    ART_BASE base;
    explicit ART_TARGET(ART_IMAGE* pImage)
        : buffer(pImage->aPixels.data(), pImage->nWidth, pImage->nHeight, pImage->nWidth * 4),
          pixfmt(buffer),
          base(pixfmt) {}
};

// The rasterizer, scanline, span and mask buffers, kept for the whole run so that each shape
// reuses their memory.
struct ART_RENDERING {
    agg::rasterizer_scanline_aa<> rasterizer;
    agg::scanline_u8 scanline;
    agg::span_allocator<ART_COLOUR> spans;
    std::vector<uint8_t> aMask;
};

ART_RENDERING& Art_Rendering(void) {
    static ART_RENDERING rendering;
    return rendering;
}

// 256 premultiplied colours from one end of a gradient to the other.
struct ART_RAMP {
    ART_COLOUR aColours[256];
    ART_RAMP(ART_COLOUR from, ART_COLOUR to) {
        for (int i = 0; i < 256; i++) {
            aColours[i] = Art_Mix(from, to, i / 255.0);
            aColours[i].premultiply();
        }
    }
    static unsigned size() {
        return 256;
    }
    const ART_COLOUR& operator[](unsigned i) const {
        return aColours[i];
    }
};

uint8_t Art_Clamp_Byte(double d) {
    return static_cast<uint8_t>(d < 0 ? 0 : d > 255 ? 255 : d);
}

template <class GRADIENT>
void Art_Fill_Gradient(ART_IMAGE* pImage, agg::path_storage& path, const agg::trans_affine& toImage,
                       double dLength, ART_COLOUR from, ART_COLOUR to) {
    ART_TARGET target(pImage);
    agg::trans_affine toGradient = toImage;
    toGradient.invert();
    ART_INTERPOLATOR interpolator(toGradient);
    GRADIENT shape;
    ART_RAMP ramp(from, to);
    agg::span_gradient<ART_COLOUR, ART_INTERPOLATOR, GRADIENT, ART_RAMP> span(interpolator, shape,
                                                                              ramp, 0, dLength);
    ART_RENDERING& rendering = Art_Rendering();
    agg::span_allocator<ART_COLOUR>& allocator = rendering.spans;
    agg::rasterizer_scanline_aa<>& rasterizer = rendering.rasterizer;
    agg::scanline_u8& scanline = rendering.scanline;
    ART_CURVE curve(path);
    rasterizer.reset();
    rasterizer.add_path(curve);
    agg::render_scanlines_aa(rasterizer, scanline, target.base, allocator, span);
}

// Source over destination, both premultiplied, with an extra coverage 0..255.
void Art_Blend_Pixel(uint8_t* p, ART_COLOUR pre, unsigned nCover) {
    unsigned a = pre.a * nCover / 255;
    if (a == 0)
        return;
    unsigned nKeep = 255 - a;
    p[0] = static_cast<uint8_t>((pre.r * nCover / 255) + p[0] * nKeep / 255);
    p[1] = static_cast<uint8_t>((pre.g * nCover / 255) + p[1] * nKeep / 255);
    p[2] = static_cast<uint8_t>((pre.b * nCover / 255) + p[2] * nKeep / 255);
    p[3] = static_cast<uint8_t>(a + p[3] * nKeep / 255);
}

// One pass of a running box average over a row or column of interleaved channels; the line is
// padded with its end values so that the running sum needs no tests.
void Art_Box_Pass(uint8_t* p, int nCount, int nStride, int nRadius, std::vector<int>* pLine) {
    pLine->resize(static_cast<size_t>(nCount + 2 * nRadius + 1));
    int* pPadded = pLine->data();
    for (int i = 0; i < nRadius; i++)
        pPadded[i] = p[0];
    for (int i = 0; i < nCount; i++)
        pPadded[nRadius + i] = p[static_cast<size_t>(i) * nStride];
    for (int i = 0; i <= nRadius; i++)
        pPadded[nRadius + nCount + i] = p[static_cast<size_t>(nCount - 1) * nStride];
    int nSpan = 2 * nRadius + 1, nSum = 0;
    for (int i = 0; i < nSpan; i++)
        nSum += pPadded[i];
    for (int i = 0; i < nCount; i++) {
        p[static_cast<size_t>(i) * nStride] = static_cast<uint8_t>(nSum / nSpan);
        nSum += pPadded[i + nSpan] - pPadded[i];
    }
}

// Three box passes each way come close to a gaussian blur of the radius.
void Art_Blur_Channels(uint8_t* pData, int nWidth, int nHeight, int nChannels, int nRadius) {
    if (nRadius <= 0)
        return;
    int nBox = nRadius / 2 > 0 ? nRadius / 2 : 1;
    std::vector<int> aLine;
    for (int nPass = 0; nPass < 3; nPass++)
        for (int c = 0; c < nChannels; c++) {
            for (int y = 0; y < nHeight; y++)
                Art_Box_Pass(pData + static_cast<size_t>(y) * nWidth * nChannels + c, nWidth,
                             nChannels, nBox, &aLine);
            for (int x = 0; x < nWidth; x++)
                Art_Box_Pass(pData + static_cast<size_t>(x) * nChannels + c, nHeight,
                             nWidth * nChannels, nBox, &aLine);
        }
}

}  // namespace

uint32_t ART_RANDOM::Next() {
    nState ^= nState << 13;
    nState ^= nState >> 17;
    nState ^= nState << 5;
    return nState;
}

double ART_RANDOM::Unit() {
    return Next() / 4294967295.0;
}

double ART_RANDOM::Range(double dLow, double dHigh) {
    return dLow + (dHigh - dLow) * Unit();
}

void Art_Image_Init(ART_IMAGE* pImage, int nWidth, int nHeight, ART_COLOUR colour) {
    pImage->nWidth = nWidth;
    pImage->nHeight = nHeight;
    pImage->aPixels.assign(static_cast<size_t>(nWidth) * nHeight * 4, 0);
    ART_COLOUR pre = colour;
    pre.premultiply();
    for (size_t i = 0; i < pImage->aPixels.size(); i += 4) {
        pImage->aPixels[i] = pre.r;
        pImage->aPixels[i + 1] = pre.g;
        pImage->aPixels[i + 2] = pre.b;
        pImage->aPixels[i + 3] = pre.a;
    }
}

ART_COLOUR Art_Rgb(int r, int g, int b, int a) {
    return ART_COLOUR(static_cast<unsigned>(r), static_cast<unsigned>(g), static_cast<unsigned>(b),
                      static_cast<unsigned>(a));
}

ART_COLOUR Art_Mix(ART_COLOUR a, ART_COLOUR b, double dT) {
    return ART_COLOUR(
        Art_Clamp_Byte(a.r + (b.r - a.r) * dT), Art_Clamp_Byte(a.g + (b.g - a.g) * dT),
        Art_Clamp_Byte(a.b + (b.b - a.b) * dT), Art_Clamp_Byte(a.a + (b.a - a.a) * dT));
}

ART_COLOUR Art_Lighter(ART_COLOUR c, double dT) {
    return Art_Mix(c, ART_COLOUR(255, 255, 255, c.a), dT);
}

ART_COLOUR Art_Darker(ART_COLOUR c, double dT) {
    return Art_Mix(c, ART_COLOUR(0, 0, 0, c.a), dT);
}

ART_COLOUR Art_Alpha(ART_COLOUR c, int nAlpha) {
    c.a = static_cast<uint8_t>(nAlpha);
    return c;
}

void Art_Add_Rect(agg::path_storage* pPath, double x1, double y1, double x2, double y2) {
    const double aXY[] = {x1, y1, x2, y1, x2, y2, x1, y2};
    Art_Add_Polygon(pPath, aXY, 4);
}

void Art_Add_Rounded_Rect(agg::path_storage* pPath, double x1, double y1, double x2, double y2,
                          double dRadius) {
    agg::rounded_rect shape(x1, y1, x2, y2, dRadius);
    shape.normalize_radius();
    pPath->concat_path(shape);
}

void Art_Add_Ellipse(agg::path_storage* pPath, double cx, double cy, double rx, double ry) {
    const int nSteps = 64;
    for (int i = 0; i < nSteps; i++) {
        double a = 2 * M_PI * i / nSteps;
        double x = cx + rx * cos(a), y = cy + ry * sin(a);
        if (i == 0)
            pPath->move_to(x, y);
        else
            pPath->line_to(x, y);
    }
    pPath->close_polygon();
}

void Art_Add_Polygon(agg::path_storage* pPath, const double* pXY, int nPoints) {
    for (int i = 0; i < nPoints; i++) {
        if (i == 0)
            pPath->move_to(pXY[0], pXY[1]);
        else
            pPath->line_to(pXY[2 * i], pXY[2 * i + 1]);
    }
    pPath->close_polygon();
}

void Art_Add_Star(agg::path_storage* pPath, double cx, double cy, double dOuter, double dInner,
                  int nPoints) {
    for (int i = 0; i < nPoints * 2; i++) {
        double a = M_PI * i / nPoints - M_PI / 2;
        double r = (i % 2) ? dInner : dOuter;
        if (i == 0)
            pPath->move_to(cx + r * cos(a), cy + r * sin(a));
        else
            pPath->line_to(cx + r * cos(a), cy + r * sin(a));
    }
    pPath->close_polygon();
}

void Art_Fill(ART_IMAGE* pImage, agg::path_storage& path, ART_COLOUR colour) {
    ART_TARGET target(pImage);
    agg::rasterizer_scanline_aa<>& rasterizer = Art_Rendering().rasterizer;
    agg::scanline_u8& scanline = Art_Rendering().scanline;
    ART_CURVE curve(path);
    rasterizer.reset();
    rasterizer.add_path(curve);
    colour.premultiply();
    agg::render_scanlines_aa_solid(rasterizer, scanline, target.base, colour);
}

void Art_Fill_Linear(ART_IMAGE* pImage, agg::path_storage& path, double x1, double y1, double x2,
                     double y2, ART_COLOUR from, ART_COLOUR to) {
    double dx = x2 - x1, dy = y2 - y1;
    double dLength = sqrt(dx * dx + dy * dy);
    if (dLength < 1e-6)
        return Art_Fill(pImage, path, from);
    agg::trans_affine toImage = agg::trans_affine_rotation(atan2(dy, dx));
    toImage *= agg::trans_affine_translation(x1, y1);
    Art_Fill_Gradient<agg::gradient_x>(pImage, path, toImage, dLength, from, to);
}

void Art_Fill_Radial(ART_IMAGE* pImage, agg::path_storage& path, double cx, double cy,
                     double dRadius, ART_COLOUR inner, ART_COLOUR outer) {
    if (dRadius < 1e-6)
        return Art_Fill(pImage, path, outer);
    Art_Fill_Gradient<agg::gradient_radial_d>(pImage, path, agg::trans_affine_translation(cx, cy),
                                              dRadius, inner, outer);
}

void Art_Stroke(ART_IMAGE* pImage, agg::path_storage& path, double dWidth, ART_COLOUR colour) {
    ART_TARGET target(pImage);
    agg::rasterizer_scanline_aa<>& rasterizer = Art_Rendering().rasterizer;
    agg::scanline_u8& scanline = Art_Rendering().scanline;
    ART_CURVE curve(path);
    agg::conv_stroke<ART_CURVE> stroke(curve);
    stroke.width(dWidth);
    stroke.line_join(agg::round_join);
    stroke.line_cap(agg::round_cap);
    rasterizer.reset();
    rasterizer.add_path(stroke);
    colour.premultiply();
    agg::render_scanlines_aa_solid(rasterizer, scanline, target.base, colour);
}

void Art_Stroke_Line(ART_IMAGE* pImage, const double* pXY, int nPoints, double dWidth,
                     ART_COLOUR colour) {
    agg::path_storage path;
    for (int i = 0; i < nPoints; i++) {
        if (i == 0)
            path.move_to(pXY[0], pXY[1]);
        else
            path.line_to(pXY[2 * i], pXY[2 * i + 1]);
    }
    Art_Stroke(pImage, path, dWidth, colour);
}

void Art_Shadow(ART_IMAGE* pImage, agg::path_storage& path, double dx, double dy, int nBlur,
                ART_COLOUR colour) {
    // The shape's coverage goes into a grey mask just large enough for it and its blur.
    double x1, y1, x2, y2;
    ART_CURVE measure(path);
    if (!agg::bounding_rect_single(measure, 0, &x1, &y1, &x2, &y2))
        return;
    int nLeft = static_cast<int>(floor(x1 + dx)) - nBlur * 2 - 1;
    int nTop = static_cast<int>(floor(y1 + dy)) - nBlur * 2 - 1;
    int nWidth = static_cast<int>(ceil(x2 - x1)) + nBlur * 4 + 3;
    int nHeight = static_cast<int>(ceil(y2 - y1)) + nBlur * 4 + 3;
    if (nWidth <= 0 || nHeight <= 0)
        return;
    std::vector<uint8_t>& aMask = Art_Rendering().aMask;
    aMask.assign(static_cast<size_t>(nWidth) * nHeight, 0);
    agg::rendering_buffer buffer(aMask.data(), nWidth, nHeight, nWidth);
    agg::pixfmt_gray8 pixfmt(buffer);
    agg::renderer_base<agg::pixfmt_gray8> base(pixfmt);
    agg::rasterizer_scanline_aa<>& rasterizer = Art_Rendering().rasterizer;
    agg::scanline_u8& scanline = Art_Rendering().scanline;
    ART_CURVE curve(path);
    agg::trans_affine shift = agg::trans_affine_translation(dx - nLeft, dy - nTop);
    agg::conv_transform<ART_CURVE> moved(curve, shift);
    rasterizer.reset();
    rasterizer.add_path(moved);
    agg::render_scanlines_aa_solid(rasterizer, scanline, base, agg::gray8(255));
    Art_Blur_Channels(aMask.data(), nWidth, nHeight, 1, nBlur);

    ART_COLOUR pre = colour;
    pre.premultiply();
    for (int y = 0; y < nHeight; y++) {
        int ty = nTop + y;
        if (ty < 0 || ty >= pImage->nHeight)
            continue;
        for (int x = 0; x < nWidth; x++) {
            int tx = nLeft + x;
            if (tx < 0 || tx >= pImage->nWidth)
                continue;
            uint8_t nCover = aMask[static_cast<size_t>(y) * nWidth + x];
            if (nCover)
                Art_Blend_Pixel(
                    &pImage->aPixels[(static_cast<size_t>(ty) * pImage->nWidth + tx) * 4], pre,
                    nCover);
        }
    }
}

void Art_Grain(ART_IMAGE* pImage, int nAmount, uint32_t nSeed) {
    ART_RANDOM random(nSeed);
    for (size_t i = 0; i < pImage->aPixels.size(); i += 4) {
        int nAlpha = pImage->aPixels[i + 3];
        int nShift = static_cast<int>(random.Next() % (2 * nAmount + 1)) - nAmount;
        nShift = nShift * nAlpha / 255;
        for (int c = 0; c < 3; c++) {
            int v = pImage->aPixels[i + c] + nShift;
            pImage->aPixels[i + c] = static_cast<uint8_t>(v < 0 ? 0 : v > nAlpha ? nAlpha : v);
        }
    }
}

void Art_Vignette(ART_IMAGE* pImage, double dStrength) {
    double cx = pImage->nWidth / 2.0, cy = pImage->nHeight / 2.0;
    for (int y = 0; y < pImage->nHeight; y++) {
        for (int x = 0; x < pImage->nWidth; x++) {
            double u = (x - cx) / cx, v = (y - cy) / cy;
            double dKeep = 1.0 - dStrength * (u * u + v * v) / 2;
            uint8_t* p = &pImage->aPixels[(static_cast<size_t>(y) * pImage->nWidth + x) * 4];
            for (int c = 0; c < 3; c++)
                p[c] = Art_Clamp_Byte(p[c] * dKeep);
        }
    }
}

void Art_Blur(ART_IMAGE* pImage, int nRadius) {
    Art_Blur_Channels(pImage->aPixels.data(), pImage->nWidth, pImage->nHeight, 4, nRadius);
}

void Art_Draw_Image(ART_IMAGE* pTarget, const ART_IMAGE& source, int x, int y, bool bMirror) {
    for (int sy = 0; sy < source.nHeight; sy++) {
        int ty = y + sy;
        if (ty < 0 || ty >= pTarget->nHeight)
            continue;
        for (int sx = 0; sx < source.nWidth; sx++) {
            int tx = x + (bMirror ? source.nWidth - 1 - sx : sx);
            if (tx < 0 || tx >= pTarget->nWidth)
                continue;
            const uint8_t* s = &source.aPixels[(static_cast<size_t>(sy) * source.nWidth + sx) * 4];
            ART_COLOUR pre(s[0], s[1], s[2], s[3]);
            Art_Blend_Pixel(&pTarget->aPixels[(static_cast<size_t>(ty) * pTarget->nWidth + tx) * 4],
                            pre, 255);
        }
    }
}
