// The program's cursors (a pointing hand over links, the same hand with a plus over a pick to
// make, an arrow with a forward mark over the season's timeline) and the program's icon.
#include "art_generators.h"

namespace {

// Shapes outlined in black and filled white, the outlines between touching shapes hidden.
void Art_Outlined(ART_IMAGE* pImage, agg::path_storage& path, double s) {
    Art_Shadow(pImage, path, 1 * s, 1.5 * s, 1, Art_Rgb(0, 0, 0, 90));
    Art_Stroke(pImage, path, 2.6 * s, Art_Rgb(0, 0, 0));
    Art_Fill(pImage, path, Art_Rgb(255, 255, 255));
}

// A hand pointing up with its index finger; its tip is at (12, 1) of 32.
void Art_Pointing_Hand(ART_IMAGE* pImage, double s) {
    agg::path_storage hand;
    Art_Add_Rounded_Rect(&hand, 9.5 * s, 1.5 * s, 14.5 * s, 19 * s, 2.5 * s);
    Art_Add_Rounded_Rect(&hand, 14 * s, 10 * s, 18.5 * s, 19 * s, 2.2 * s);
    Art_Add_Rounded_Rect(&hand, 18 * s, 11 * s, 22.5 * s, 20 * s, 2.2 * s);
    Art_Add_Rounded_Rect(&hand, 22 * s, 12.5 * s, 26 * s, 21 * s, 2 * s);
    Art_Add_Rounded_Rect(&hand, 9.5 * s, 15 * s, 26 * s, 29 * s, 5 * s);
    const double aThumb[] = {4 * s, 16 * s, 7 * s, 14 * s, 12 * s, 21 * s, 10 * s, 24 * s};
    Art_Add_Polygon(&hand, aThumb, 4);
    Art_Outlined(pImage, hand, s);
}

}  // namespace

void Art_Draw_Cursor(const ART_ITEM& item, ART_IMAGE* pImage) {
    double s = pImage->nWidth / 32.0;
    if (item.nParam == 2) {
        agg::path_storage arrow;
        const double aArrow[] = {1 * s,  1 * s,  1 * s,  22 * s,  6 * s,  17 * s, 10 * s,
                                 26 * s, 13 * s, 25 * s, 9.5 * s, 16 * s, 16 * s, 16 * s};
        Art_Add_Polygon(&arrow, aArrow, 7);
        Art_Outlined(pImage, arrow, s);
        agg::path_storage forward;
        const double aFirst[] = {17 * s, 18 * s, 24 * s, 24 * s, 17 * s, 30 * s};
        const double aSecond[] = {23 * s, 18 * s, 30 * s, 24 * s, 23 * s, 30 * s};
        Art_Add_Polygon(&forward, aFirst, 3);
        Art_Add_Polygon(&forward, aSecond, 3);
        Art_Stroke(pImage, forward, 1.6 * s, Art_Rgb(0, 0, 0));
        Art_Fill(pImage, forward, Art_Rgb(255, 214, 40));
        pImage->nHotX = 1;
        pImage->nHotY = 1;
        return;
    }
    Art_Pointing_Hand(pImage, s);
    if (item.nParam == 1) {
        agg::path_storage badge;
        Art_Add_Ellipse(&badge, 25 * s, 25 * s, 6 * s, 6 * s);
        Art_Stroke(pImage, badge, 1.6 * s, Art_Rgb(0, 0, 0));
        Art_Fill(pImage, badge, Art_Rgb(40, 170, 70));
        const double aAcross[] = {21.5 * s, 25 * s, 28.5 * s, 25 * s};
        const double aDown[] = {25 * s, 21.5 * s, 25 * s, 28.5 * s};
        Art_Stroke_Line(pImage, aAcross, 2, 2 * s, Art_Rgb(255, 255, 255));
        Art_Stroke_Line(pImage, aDown, 2, 2 * s, Art_Rgb(255, 255, 255));
    }
    pImage->nHotX = 12;
    pImage->nHotY = 1;
}

void Art_Draw_Program_Icon(const ART_ITEM&, ART_IMAGE* pImage) {
    double w = pImage->nWidth, c = w / 2;
    agg::path_storage badge;
    Art_Add_Ellipse(&badge, c, c, w * 0.47, w * 0.47);
    Art_Fill_Radial(pImage, badge, c * 0.8, c * 0.7, w * 0.6, Art_Rgb(70, 140, 70),
                    Art_Rgb(16, 60, 24));
    Art_Stroke(pImage, badge, w * 0.05, Art_Rgb(230, 196, 110));
    Art_Draw_Football(pImage, c, c, w * 0.7, -0.55);
}
