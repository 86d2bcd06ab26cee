// The vector canvas's rendering: the recorded paths mapped onto a target rectangle, filled (in a
// colour or a reflected radial gradient) and stroked anti-aliased into a 32-bit surface, given a
// soft shadow, and composed onto the DC with per-pixel alpha.
#include "shell/shell.h"

#include <math.h>

#include <agg_conv_curve.h>
#include <agg_conv_stroke.h>
#include <agg_path_length.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_scanline_u.h>
#include <agg_span_allocator.h>
#include <agg_span_gradient.h>
#include <agg_span_interpolator_linear.h>
#include <agg_trans_affine.h>
#include <agg_trans_perspective.h>

#define PATH_RENDER_LENGTH_LIMIT 100000.0
#define PATH_RENDER_DEGREES_TO_RADIANS 0.017453292519943295
#define PATH_RENDER_GRADIENT_COLOURS 256
#define PATH_RENDER_RANDOM_RADIUS 2400  // in AGG's sub-pixel units

agg::rasterizer_scanline_aa<> gRasterizer;
agg::scanline_u8 gScanline;

// A gradient function chosen at run time: the colour index of a point relative to the centre.
class gradient_polymorphic_wrapper_base {
public:
    virtual ~gradient_polymorphic_wrapper_base() {}
    virtual int calculate(int x, int y, int d) const = 0;
};

// The reflected distance: rings of width d running 0 -> d -> 0 outward from the centre.
template <class GradientF>
class gradient_polymorphic_wrapper : public gradient_polymorphic_wrapper_base {
public:
    int calculate(int x, int y, int d) const override {
        if (d <= 0)
            return 0;
        int r = m_gradient.calculate(x, y, d);
        int v = r % (2 * d);
        return v < d ? v : 2 * d - v;
    }

private:
    GradientF m_gradient;
};

namespace {

typedef agg::pixfmt_custom_blend_rgba<agg::comp_op_adaptor_rgba<agg::rgba8, agg::order_bgra>,
                                      agg::rendering_buffer>
    PATH_RENDER_PIXELS;
typedef agg::renderer_base<PATH_RENDER_PIXELS> PATH_RENDER_BASE;
typedef agg::conv_curve<agg::path_storage> PATH_RENDER_CURVE;
typedef agg::pod_auto_array<agg::rgba8, PATH_RENDER_GRADIENT_COLOURS> PATH_RENDER_GRADIENT_LUT;

// How the canvas's units map onto the target surface.
struct PATH_RENDER_MAPPING {
    double sx, sy;
    agg::trans_affine mtx;  // translation, scale and rotation
};

int Path_Render_Valid_Or(int nValue, int nHigh, int nDefault) {
    return nValue >= 0 && nValue <= nHigh ? nValue : nDefault;
}

// Scales that fit the bounds into the rectangle; a flat axis takes the other axis's scale.
void Path_Render_Scales(const PATH_CANVAS& canvas, int nWidth, int nHeight,
                        PATH_RENDER_MAPPING* pMap) {
    const double fBoundsWidth = canvas.bounds_right - canvas.bounds_left;
    const double fBoundsHeight = canvas.bounds_bottom - canvas.bounds_top;
    double sx = fBoundsWidth != 0 ? nWidth / fBoundsWidth : 0.0;
    double sy = fBoundsHeight != 0 ? nHeight / fBoundsHeight : 0.0;
    if (canvas.fit_mode == 1)
        sy = sx;
    else if (canvas.fit_mode == 2)
        sx = sy;
    if (sx == 0.0)
        sx = sy;
    if (sy == 0.0)
        sy = sx;
    if (sx == 0.0)
        sx = sy = 1.0;
    pMap->sx = sx;
    pMap->sy = sy;
}

void Path_Render_Build_Mapping(PATH_CANVAS& canvas, int nWidth, int nHeight, double fAngle,
                               PATH_RENDER_MAPPING* pMap) {
    if (canvas.bounds_left == 0 && canvas.bounds_top == 0 && canvas.bounds_right == 0 &&
        canvas.bounds_bottom == 0) {
        RECT rcBounds;
        Get_Canvas_Bounds(canvas.vertices, &rcBounds);
        canvas.set_bounds(rcBounds.left, rcBounds.top, rcBounds.right, rcBounds.bottom);
    }
    Path_Render_Scales(canvas, nWidth, nHeight, pMap);
    pMap->mtx.reset();
    if (canvas.flip_y) {
        pMap->mtx *= agg::trans_affine_scaling(1.0, -1.0);
        pMap->mtx *= agg::trans_affine_translation(-canvas.bounds_left, canvas.bounds_bottom);
    } else {
        pMap->mtx *= agg::trans_affine_translation(-canvas.bounds_left, -canvas.bounds_top);
    }
    pMap->mtx *= agg::trans_affine_scaling(pMap->sx, pMap->sy);
    pMap->mtx *= agg::trans_affine_rotation(fAngle * PATH_RENDER_DEGREES_TO_RADIANS);
}

// Renders what the rasterizer holds in rings of width d pixels around (cx, cy), from the inner
// colour at the centre to the outer one and back.
void Path_Render_Reflected_Gradient(PATH_RENDER_BASE& renderer, agg::rgba8 inner, agg::rgba8 outer,
                                    double cx, double cy, double d) {
    PATH_RENDER_GRADIENT_LUT lut;
    for (int i = 0; i < PATH_RENDER_GRADIENT_COLOURS; i++) {
        const int nLast = PATH_RENDER_GRADIENT_COLOURS - 1;
        lut[i] = agg::rgba8(inner.r + (outer.r - inner.r) * i / nLast,
                            inner.g + (outer.g - inner.g) * i / nLast,
                            inner.b + (outer.b - inner.b) * i / nLast, 255);
    }
    agg::trans_affine gradient_mtx = agg::trans_affine_translation(cx, cy);
    gradient_mtx.invert();
    agg::span_interpolator_linear<> interpolator(gradient_mtx);
    gradient_polymorphic_wrapper<agg::gradient_radial> reflected;
    agg::span_allocator<agg::rgba8> allocator;
    agg::span_gradient<agg::rgba8, agg::span_interpolator_linear<>,
                       gradient_polymorphic_wrapper_base, PATH_RENDER_GRADIENT_LUT>
        gradient(interpolator, reflected, lut, 0.0, d);
    agg::render_scanlines_aa(gRasterizer, gScanline, renderer, allocator, gradient);
}

// A record's gradient, its centre mapped by the canvas's translation and scale.
void Path_Render_Gradient(const PATH_RECORD& record, const PATH_CANVAS& canvas,
                          const PATH_RENDER_MAPPING& map, PATH_RENDER_BASE& renderer) {
    const double cx = (record.centre_x - canvas.bounds_left) * map.sx;
    const double cy = canvas.flip_y ? (canvas.bounds_bottom - record.centre_y) * map.sy
                                    : (record.centre_y - canvas.bounds_top) * map.sy;
    Path_Render_Reflected_Gradient(renderer, record.centre_colour, record.fill_colour, cx, cy,
                                   record.radius * fabs(map.sx));
}

void Path_Render_One(PATH_CANVAS& canvas, int nPath, const PATH_RENDER_MAPPING& map,
                     PATH_RENDER_PIXELS& pixf, PATH_RENDER_BASE& renderer) {
    const PATH_RECORD& record = canvas.records[nPath];
    if (record.flags & PATH_REPLACED)
        return;
    const unsigned nFirst = canvas.first_vertex[nPath];
    PATH_RENDER_CURVE curve(canvas.vertices);
    const double fLength = agg::path_length(curve, nFirst);
    if (!(fLength <= PATH_RENDER_LENGTH_LIMIT)) {
        Report_Error("Path length is insane: %f", fLength);
        return;
    }
    pixf.comp_op(
        Path_Render_Valid_Or(record.comp_op, agg::end_of_comp_op_e - 1, PATH_DEFAULT_COMP_OP));
    if (record.flags & PATH_FILL) {
        gRasterizer.reset();
        gRasterizer.filling_rule(record.filling_rule == 1 ? agg::fill_even_odd
                                                          : agg::fill_non_zero);
        gRasterizer.add_path(curve, nFirst);
        if (record.flags & PATH_GRADIENT)
            Path_Render_Gradient(record, canvas, map, renderer);
        else
            agg::render_scanlines_aa_solid(gRasterizer, gScanline, renderer, record.fill_colour);
    }
    if (record.flags & PATH_STROKE) {
        agg::conv_stroke<PATH_RENDER_CURVE> stroke(curve);
        stroke.width(record.stroke_width * map.sx);
        stroke.line_cap((agg::line_cap_e)Path_Render_Valid_Or(record.line_cap, agg::round_cap,
                                                              PATH_DEFAULT_LINE_CAP));
        stroke.line_join((agg::line_join_e)Path_Render_Valid_Or(record.line_join, agg::bevel_join,
                                                                PATH_DEFAULT_LINE_JOIN));
        stroke.inner_join((agg::inner_join_e)Path_Render_Valid_Or(
            record.inner_join, agg::inner_round, PATH_DEFAULT_INNER_JOIN));
        gRasterizer.reset();
        gRasterizer.filling_rule(agg::fill_non_zero);
        gRasterizer.add_path(stroke, nFirst);
        agg::render_scanlines_aa_solid(gRasterizer, gScanline, renderer, record.stroke_colour);
        Print_Debug_Message(DTXT_AGG, "Stroking #%d with %d,%d,%d %f", nPath,
                            record.stroke_colour.r, record.stroke_colour.g, record.stroke_colour.b,
                            fLength);
    }
}

void Path_Render_Compose(HDC hdc, int x, int y, int nWidth, int nHeight, HDC hSource) {
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(hdc, x, y, nWidth, nHeight, hSource, 0, 0, nWidth, nHeight, blend);
}

// The rendered surface's alpha as a black, blurred shadow composed below and right of it.
void Path_Render_Shadow(HDC hdc, int x, int y, const DIB_SECTION_DC& surface, int nShadow) {
    DIB_SECTION_DC shade;
    if (!Create_DIB_Section_DC_32(hdc, &shade, surface.nWidth, surface.nHeight))
        return;
    const size_t nBytes = (size_t)surface.nStride * surface.nHeight;
    for (size_t i = 3; i < nBytes; i += 4)
        shade.pBits[i] = surface.pBits[i];
    Blur_DIB_Section(&shade, nShadow, nShadow);
    const int k = 2 * nShadow / 3;
    if (surface.nWidth > k && surface.nHeight > k)
        Path_Render_Compose(hdc, x + k, y + k, surface.nWidth - k, surface.nHeight - k, shade.hdc);
    Release_DIB_Section_DC(&shade);
}

void Path_Render_To_DC(PATH_CANVAS& canvas, int x, int y, int nWidth, int nHeight, double fAngle,
                       HDC hdc) {
    PATH_RENDER_MAPPING map;
    Path_Render_Build_Mapping(canvas, nWidth, nHeight, fAngle, &map);
    agg::trans_perspective perspective(map.mtx);
    canvas.vertices.transform_all_paths(perspective);

    const int nSurfaceWidth = nWidth - 1;
    const int nSurfaceHeight = nHeight - 1;
    if (nSurfaceWidth > gBackBufferWidth || nSurfaceHeight > gBackBufferHeight)
        return;
    if (nSurfaceWidth <= 0 || nSurfaceHeight <= 0)
        return;
    DIB_SECTION_DC surface;
    if (!Create_DIB_Section_DC_32(hdc, &surface, nSurfaceWidth, nSurfaceHeight))
        return;

    // AGG walks the rows top-down: a negative stride starts it at the section's last line.
    agg::rendering_buffer rbuf(surface.pBits, nSurfaceWidth, nSurfaceHeight, -surface.nStride);
    PATH_RENDER_PIXELS pixf(rbuf);
    PATH_RENDER_BASE renderer(pixf);
    gRasterizer.reset();
    gRasterizer.clip_box(0, 0, nSurfaceWidth, nSurfaceHeight);
    for (int i = 0; i < canvas.path_count; i++)
        Path_Render_One(canvas, i, map, pixf, renderer);
    gRasterizer.reset_clipping();
    gRasterizer.reset();

    if (canvas.shadow > 0)
        Path_Render_Shadow(hdc, x, y, surface, canvas.shadow);
    Path_Render_Compose(hdc, x, y, nSurfaceWidth, nSurfaceHeight, surface.hdc);
    Release_DIB_Section_DC(&surface);
}

}  // namespace

void PATH_CANVAS::render_paths(int x, int y, int nWidth, int nHeight, double fAngle, HDC hdc) {
    HDC hTaken = nullptr;
    if (!hdc) {
        hdc = hTaken = Get_Main_Window_DC();
        if (!hdc)
            return;
    }
    if (path_count > 0)
        Path_Render_To_DC(*this, x, y, nWidth, nHeight, fAngle, hdc);
    if (hTaken)
        Release_Main_Window_DC(hTaken);
}

void PATH_CANVAS::render_paths_at(HDC hdc, int x, int y, int nWidth, int nHeight, double fAngle) {
    render_paths(x, y, nWidth, nHeight, fAngle, hdc);
}

void PATH_CANVAS::render_paths_in_rect(HDC hdc, const RECT* pRect) {
    if (!pRect)
        return;
    render_paths(pRect->left, pRect->top, pRect->right - pRect->left + 1,
                 pRect->bottom - pRect->top + 1, 0.0, hdc);
}

void Draw_Star_Icon(unsigned char* pBits, int nStride) {
    if (!pBits)
        return;
    agg::rendering_buffer rbuf(pBits, STAR_ICON_SIZE, STAR_ICON_SIZE, nStride);
    PATH_RENDER_PIXELS pixf(rbuf);
    PATH_RENDER_BASE renderer(pixf);
    gPathStorage.remove_all();
    Add_Star(16, 16, 12.8, 5.33, 0);
    gRasterizer.reset();
    gRasterizer.filling_rule(agg::fill_non_zero);
    gRasterizer.add_path(gPathStorage);
    agg::render_scanlines_aa_solid(gRasterizer, gScanline, renderer, agg::rgba8(110, 130, 50, 255));
    agg::conv_stroke<agg::path_storage> stroke(gPathStorage);
    gRasterizer.reset();
    gRasterizer.add_path(stroke);
    agg::render_scanlines_aa_solid(gRasterizer, gScanline, renderer, agg::rgba8(0, 50, 80, 255));
    gRasterizer.reset();
    gPathStorage.remove_all();
}

void Draw_Random_Radial_Gradient(unsigned char* pBits, int nWidth, int nHeight, int nStride) {
    if (!pBits || nWidth <= 0 || nHeight <= 0)
        return;
    agg::rendering_buffer rbuf(pBits, nWidth, nHeight, nStride);
    PATH_RENDER_PIXELS pixf(rbuf);
    PATH_RENDER_BASE renderer(pixf);
    uint32_t uInner = Random_Number();
    uint32_t uOuter = Random_Number();
    agg::path_storage box;
    box.move_to(0, 0);
    box.line_to(nWidth, 0);
    box.line_to(nWidth, nHeight);
    box.line_to(0, nHeight);
    box.close_polygon();
    gRasterizer.reset();
    gRasterizer.filling_rule(agg::fill_non_zero);
    gRasterizer.add_path(box);
    Path_Render_Reflected_Gradient(
        renderer, Rgba8_From_Word(uInner), Rgba8_From_Word(uOuter), nWidth / 2.0, nHeight / 2.0,
        PATH_RENDER_RANDOM_RADIUS / (double)agg::gradient_subpixel_scale);
    gRasterizer.reset();
}
