// What the drawing layer's modules share: the objects behind the handles, regions, device
// contexts and the clipped pixel writes every drawing call goes through. Pixels are 32-bit BGRA
// (0xAARRGGBB in a uint32_t, blue in the low byte); GDI drawing leaves the alpha byte 0.
#pragma once

#include "../platform_internal.h"

#include <stddef.h>
#include <stdint.h>

#include <vector>

// ---- pixels ------------------------------------------------------------------------------------
inline uint32_t Gdi_Pixel_From_Color(COLORREF cr) {
    return ((cr & 0xFF) << 16) | (cr & 0xFF00) | ((cr >> 16) & 0xFF);
}
inline COLORREF Gdi_Color_From_Pixel(uint32_t px) {
    return ((px >> 16) & 0xFF) | (px & 0xFF00) | ((px & 0xFF) << 16);
}

// A block of pixels: rows nStride pixels apart (negative for a bottom-up DIB's memory).
struct GDI_PIXELS {
    uint32_t* pTop;
    int nWidth;
    int nHeight;
    ptrdiff_t nStride;
    uint32_t* Row(int y) const { return pTop + y * nStride; }
};

// A rectangle from two corners in any order.
inline RECT Gdi_Normalized(int left, int top, int right, int bottom) {
    return {left < right ? left : right, top < bottom ? top : bottom, left < right ? right : left,
            top < bottom ? bottom : top};
}

// ---- regions (regions.cpp) ---------------------------------------------------------------------
// A region is a list of disjoint rectangles sorted by rows of equal extent ("bands"), then by x.
typedef std::vector<RECT> GDI_RECTS;

GDI_RECTS Region_From_Rect(const RECT& rc);
// The combination nMode (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF) of two regions.
GDI_RECTS Region_Combine(const GDI_RECTS& a, const GDI_RECTS& b, int nMode);
GDI_RECTS Region_From_Polygon(const POINT* pPoints, int nCount, int nFillMode);
void Region_Offset(GDI_RECTS* pRects, int dx, int dy);
RECT Region_Bounds(const GDI_RECTS& rects);
// NULLREGION, SIMPLEREGION or COMPLEXREGION.
int Region_Kind(const GDI_RECTS& rects);

// Pixel spans of a filled polygon, one row at a time, pixel centres inside (ALTERNATE or WINDING).
struct GDI_SPAN {
    int y;
    int x0;  // first pixel
    int x1;  // one past the last
};
std::vector<GDI_SPAN> Polygon_Spans(const POINT* pPoints, int nCount, int nFillMode);

// ---- objects (objects.cpp) ---------------------------------------------------------------------
struct GDI_OBJECT {
    DWORD nType;  // OBJ_PEN, OBJ_BRUSH, ...
    bool bStock;  // never deleted
    virtual ~GDI_OBJECT() = default;
};

struct GDI_PEN : GDI_OBJECT {
    LOGPEN log;
};

struct GDI_BRUSH : GDI_OBJECT {
    LOGBRUSH log;
};

struct GDI_FONT : GDI_OBJECT {
    LOGFONTA log;
};

struct GDI_REGION : GDI_OBJECT {
    GDI_RECTS rects;
};

// A bitmap keeps its pixels top-down in aPixels, except a 32-bit DIB section, whose own memory is
// addressed directly. A 24-bit DIB section's memory is copied into aPixels before a drawing call
// and back after it.
struct GDI_BITMAP : GDI_OBJECT {
    int nWidth;
    int nHeight;
    int nBitsPixel;  // 1 for the memory DC's initial bitmap, 24 or 32
    std::vector<uint32_t> aPixels;
    std::vector<uint8_t> aDibMemory;
    uint8_t* pDibBits;  // the DIB section's memory (aDibMemory's data), or null
    bool bDibBottomUp;
    int nDibRowBytes;
};

struct GDI_DC;

// Registers an object and returns its handle.
HGDIOBJ Gdi_Add_Object(GDI_OBJECT* pObject);
GDI_OBJECT* Gdi_Find_Object(HGDIOBJ hObject);
void Gdi_Remove_Object(HGDIOBJ hObject);
// Whether a live device context (its current or saved state) holds the object.
bool Gdi_Object_In_Use(HGDIOBJ hObject);
template <typename T>
T* Gdi_Find(HGDIOBJ hObject, DWORD nType) {
    GDI_OBJECT* p = Gdi_Find_Object(hObject);
    return p && p->nType == nType ? static_cast<T*>(p) : nullptr;
}
// The solid colour of a brush as a pixel; false for a hollow or unknown brush. A brush handle
// may be a system colour index plus one, as window classes give them.
bool Gdi_Brush_Pixel(HBRUSH hBrush, uint32_t* pPixel);
// Drops every object that is not stock, and every device context.
void Gdi_Reset_Objects(void);

// ---- bitmaps (bitmaps.cpp, dib.cpp) ------------------------------------------------------------
GDI_BITMAP* Gdi_New_Bitmap(int nWidth, int nHeight, int nBitsPixel);
// The bitmap's pixels for drawing (a 24-bit DIB section's memory loaded first).
GDI_PIXELS Gdi_Bitmap_Begin(GDI_BITMAP* pBitmap);
// After drawing: a 24-bit DIB section's memory gets the pixels back.
void Gdi_Bitmap_End(GDI_BITMAP* pBitmap);
// Rows of a packed DIB to and from pixels; nBitCount 24 or 32.
void Dib_Row_To_Pixels(const uint8_t* pRow, int nBitCount, int nWidth, uint32_t* pOut);
void Pixels_To_Dib_Row(const uint32_t* pIn, int nBitCount, int nWidth, uint8_t* pRow);
inline int Dib_Row_Bytes(int nWidth, int nBitCount) { return ((nWidth * nBitCount + 31) / 32) * 4; }

// ---- device contexts (device_context.cpp) ------------------------------------------------------
// What SaveDC keeps.
struct GDI_DC_STATE {
    HPEN hPen;
    HBRUSH hBrush;
    HFONT hFont;
    HBITMAP hBitmap;
    COLORREF crBk;
    COLORREF crText;
    int nBkMode;
    UINT uTextAlign;
    int nPolyFillMode;
    int nStretchMode;
    POINT ptViewport;
    POINT ptCurrent;
    bool bClip;
    GDI_RECTS clip;  // device coordinates
};

struct GDI_DC : GDI_OBJECT {
    GDI_DC_STATE st;
    std::vector<GDI_DC_STATE> aSaved;
    HWND hWnd;          // a window DC's window; null for a memory DC
    HWND hTop;          // the top-level window whose surface it draws into
    POINT ptOrigin;     // device (0,0) in the surface
    GDI_RECTS visible;  // a window DC's visible area in the surface
};

GDI_DC* Gdi_Find_Dc(HDC hdc);
// A new device context: a memory DC (hWnd null) starts on the 1x1 stock bitmap.
GDI_DC* Gdi_New_Dc(HWND hWnd);

// Everything one drawing call needs: the pixels, the clip as surface rectangles, and the offset
// from logical to surface coordinates. A 24-bit DIB section gets its bytes back when the target
// goes away.
class GDI_TARGET {
public:
    explicit GDI_TARGET(HDC hdc);
    ~GDI_TARGET();
    GDI_TARGET(const GDI_TARGET&) = delete;
    GDI_TARGET& operator=(const GDI_TARGET&) = delete;
    bool Valid() const { return pDc != nullptr; }

    GDI_DC* pDc;
    GDI_PIXELS px;
    GDI_RECTS clip;
    int nDx;
    int nDy;

private:
    GDI_BITMAP* pBitmap;
};

// The surface rectangle of a logical rectangle.
RECT Gdi_To_Surface(const GDI_TARGET& t, const RECT& rc);

// ---- clipped writes (raster.cpp) ---------------------------------------------------------------
// Each takes surface coordinates; right and bottom are exclusive.
void Raster_Fill(GDI_TARGET& t, const RECT& rc, uint32_t nPixel);
void Raster_Invert(GDI_TARGET& t, const RECT& rc);
void Raster_Spans(GDI_TARGET& t, const std::vector<GDI_SPAN>& spans, uint32_t nPixel);
void Raster_Rects(GDI_TARGET& t, const GDI_RECTS& rects, uint32_t nPixel);
bool Raster_Inside_Clip(const GDI_TARGET& t, int x, int y);

// ---- window surfaces (window_dc.cpp) -----------------------------------------------------------
// A top-level window's pixels sized to its frame, made or resized (old pixels kept) on the way.
GDI_PIXELS Gdi_Window_Pixels(HWND hTop, bool bResize);
void Gdi_Reset_Windows(void);
// Adds a rectangle of a top-level window's surface to what it may show anew.
void Gdi_Damage_Window(HWND hTop, const RECT& rc);

// ---- blits (blits.cpp) -------------------------------------------------------------------------
// A source rectangle (surface coordinates) resampled to nWidth x nHeight pixels, rows top-down:
// each destination pixel centre mapped to its nearest source pixel, or with bAverage the area
// average of the source pixels it covers. Pixels outside the source are 0.
std::vector<uint32_t> Blit_Sample(const GDI_PIXELS& src, const RECT& rcSrc, int nWidth, int nHeight,
                                  bool bAverage);

// The destination and source rectangles of a blit, mirrored where a width or height is
// negative: a source that runs right to left lands left to right, mirrored.
struct BLIT_GEOMETRY {
    RECT rcDest;  // logical, normalized
    RECT rcSrc;   // logical, normalized
    bool bMirrorX;
    bool bMirrorY;
};
BLIT_GEOMETRY Blit_Geometry(int x, int y, int nWidth, int nHeight, int xSrc, int ySrc,
                            int nSrcWidth, int nSrcHeight);
// The source DC's pixels under g.rcSrc resampled to g.rcDest's size and mirrored as g says;
// false when the source DC cannot be read.
bool Blit_Source_Block(HDC hdcSrc, const BLIT_GEOMETRY& g, bool bAverage,
                       std::vector<uint32_t>* pBlock);

// Writes fn(destination pixel, block pixel) over rcDest (surface coordinates; the block is its
// size) through the target's clip.
template <typename FN>
void Blit_Compose(GDI_TARGET& t, const RECT& rcDest, const std::vector<uint32_t>& block, FN fn) {
    const int nBlockWidth = rcDest.right - rcDest.left;
    for (const RECT& c : t.clip) {
        const LONG left = rcDest.left > c.left ? rcDest.left : c.left;
        const LONG right = rcDest.right < c.right ? rcDest.right : c.right;
        const LONG top = rcDest.top > c.top ? rcDest.top : c.top;
        const LONG bottom = rcDest.bottom < c.bottom ? rcDest.bottom : c.bottom;
        for (LONG y = top; y < bottom; ++y) {
            uint32_t* pDst = t.px.Row(y);
            const uint32_t* pSrc =
                block.data() + static_cast<ptrdiff_t>(y - rcDest.top) * nBlockWidth;
            for (LONG x = left; x < right; ++x) pDst[x] = fn(pDst[x], pSrc[x - rcDest.left]);
        }
    }
}

// ---- text (text_output.cpp) --------------------------------------------------------------------
struct FONT;
// The face the DC's selected font asks for (the font module picks a substitute if needed).
FONT* Gdi_Dc_Font(const GDI_DC* pDc);
// Draws a run of Windows-1252 bytes with the pen at (x, baseline) in surface coordinates,
// blending glyph coverage with the colour through the target's clip. pOffsets (or null: the
// glyph advances) gives each byte's pen x from x. Returns the pen's advance.
int Text_Draw_Run(GDI_TARGET& t, FONT* pFont, const char* szText, int nLength, const int* pOffsets,
                  int x, int nBaseline, uint32_t nColor);
