// The art tool's drawing helpers: an RGBA picture and the shapes, gradients, shadows, grain and
// text the generators paint on it with Anti-Grain Geometry.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include <agg_color_rgba.h>
#include <agg_path_storage.h>
#include <agg_trans_affine.h>

typedef agg::rgba8 ART_COLOUR;

// A picture: premultiplied RGBA rows, top row first. Cursors carry their hot spot.
struct ART_IMAGE {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint8_t> aPixels;
    int nHotX = 0;
    int nHotY = 0;
};

// Deterministic numbers for the generators: the same seed always paints the same picture.
struct ART_RANDOM {
    uint32_t nState;
    explicit ART_RANDOM(uint32_t nSeed) : nState(nSeed * 2654435761u + 12345u) {}
    uint32_t Next();
    double Unit();  // 0 .. 1
    double Range(double dLow, double dHigh);
};

void Art_Image_Init(ART_IMAGE* pImage, int nWidth, int nHeight, ART_COLOUR colour);
ART_COLOUR Art_Rgb(int r, int g, int b, int a = 255);
ART_COLOUR Art_Mix(ART_COLOUR a, ART_COLOUR b, double dT);  // a at 0, b at 1
ART_COLOUR Art_Lighter(ART_COLOUR c, double dT);            // toward white
ART_COLOUR Art_Darker(ART_COLOUR c, double dT);             // toward black
ART_COLOUR Art_Alpha(ART_COLOUR c, int nAlpha);

// Shapes added to a path (curves are flattened when the path is painted).
void Art_Add_Rect(agg::path_storage* pPath, double x1, double y1, double x2, double y2);
void Art_Add_Rounded_Rect(agg::path_storage* pPath, double x1, double y1, double x2, double y2,
                          double dRadius);
void Art_Add_Ellipse(agg::path_storage* pPath, double cx, double cy, double rx, double ry);
void Art_Add_Polygon(agg::path_storage* pPath, const double* pXY, int nPoints);
void Art_Add_Star(agg::path_storage* pPath, double cx, double cy, double dOuter, double dInner,
                  int nPoints);

// Painting a path: solid, linear gradient from (x1, y1) to (x2, y2), radial gradient from the
// centre outward, an outline, and a soft blurred shadow of the shape moved by (dx, dy).
void Art_Fill(ART_IMAGE* pImage, agg::path_storage& path, ART_COLOUR colour);
void Art_Fill_Linear(ART_IMAGE* pImage, agg::path_storage& path, double x1, double y1, double x2,
                     double y2, ART_COLOUR from, ART_COLOUR to);
void Art_Fill_Radial(ART_IMAGE* pImage, agg::path_storage& path, double cx, double cy,
                     double dRadius, ART_COLOUR inner, ART_COLOUR outer);
void Art_Stroke(ART_IMAGE* pImage, agg::path_storage& path, double dWidth, ART_COLOUR colour);
void Art_Shadow(ART_IMAGE* pImage, agg::path_storage& path, double dx, double dy, int nBlur,
                ART_COLOUR colour);
// A line of round-capped strokes through the points (limbs, ropes, marks).
void Art_Stroke_Line(ART_IMAGE* pImage, const double* pXY, int nPoints, double dWidth,
                     ART_COLOUR colour);

// Whole-picture effects: fine grain of +-nAmount, a darkening toward the edges, a blur.
void Art_Grain(ART_IMAGE* pImage, int nAmount, uint32_t nSeed);
void Art_Vignette(ART_IMAGE* pImage, double dStrength);
void Art_Blur(ART_IMAGE* pImage, int nRadius);
// One picture drawn over another at (x, y), mirrored left to right on request.
void Art_Draw_Image(ART_IMAGE* pTarget, const ART_IMAGE& source, int x, int y, bool bMirror);

// Text as outlines of the bold sans face, for filling with any of the paints above.
enum ART_ALIGN { ART_LEFT, ART_CENTRE, ART_RIGHT };
bool Art_Text_Ready(void);
// Lets go of the face and of fontconfig at the end of the run.
void Art_Text_Release(void);
double Art_Text_Width(const char* szText, double dSize);
void Art_Add_Text(agg::path_storage* pPath, const char* szText, double x, double dBaseline,
                  double dSize, ART_ALIGN eAlign);
// A label centred in a box: its shadow, then the text in the colour.
void Art_Label(ART_IMAGE* pImage, const char* szText, double x1, double y1, double x2, double y2,
               double dSize, ART_COLOUR colour, bool bShadow);
