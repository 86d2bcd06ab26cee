// A helmet per franchise index, in the franchise's colours, seen from the side: facing right, or
// facing left for the "a" files. The franchises' colours are ours: 32 distinct pairs.
#include "art_generators.h"

namespace {

// Main colour and trim of each franchise index.
const uint8_t kArtFranchiseColours[ART_FRANCHISE_COUNT][6] = {
    {150, 20, 50, 250, 250, 250}, {40, 40, 44, 200, 30, 50},    {70, 30, 120, 220, 180, 60},
    {0, 50, 130, 200, 20, 40},    {0, 130, 160, 20, 20, 24},    {20, 30, 60, 230, 90, 20},
    {240, 100, 20, 20, 20, 24},   {120, 60, 20, 250, 120, 30},  {0, 40, 90, 180, 190, 200},
    {240, 110, 30, 0, 40, 90},    {0, 110, 180, 200, 200, 210}, {30, 70, 50, 255, 190, 40},
    {10, 30, 70, 190, 20, 40},    {0, 50, 150, 250, 250, 250},  {0, 100, 110, 210, 170, 50},
    {200, 20, 40, 255, 190, 40},  {30, 30, 34, 180, 180, 190},  {0, 60, 140, 255, 200, 30},
    {0, 80, 180, 250, 250, 250},  {0, 140, 150, 250, 120, 40},  {80, 40, 130, 255, 200, 40},
    {0, 30, 80, 200, 30, 40},     {190, 160, 90, 20, 20, 24},   {0, 40, 120, 150, 150, 160},
    {10, 30, 80, 40, 140, 70},    {0, 90, 60, 250, 250, 250},   {30, 30, 30, 255, 190, 20},
    {170, 20, 30, 200, 160, 90},  {0, 40, 80, 100, 190, 60},    {200, 20, 20, 90, 50, 30},
    {60, 80, 150, 240, 240, 240}, {110, 20, 30, 255, 190, 40},
};

// The side decal: a star, a bolt, a ring or a diamond by franchise.
void Art_Decal(ART_IMAGE* pImage, int nFranchise, double s, ART_COLOUR trim) {
    double cx = 36 * s, cy = 42 * s;
    agg::path_storage decal;
    switch (nFranchise % 4) {
    case 0: Art_Add_Star(&decal, cx, cy, 11 * s, 4.6 * s, 5); break;
    case 1: {
        const double aBolt[] = {cx + 3 * s, cy - 12 * s, cx - 7 * s, cy + 2 * s,
                                cx - 1 * s, cy + 2 * s,  cx - 4 * s, cy + 12 * s,
                                cx + 7 * s, cy - 3 * s,  cx + 1 * s, cy - 3 * s};
        Art_Add_Polygon(&decal, aBolt, 6);
        break;
    }
    case 2:
        Art_Add_Ellipse(&decal, cx, cy, 7.5 * s, 7.5 * s);
        Art_Stroke(pImage, decal, 5 * s, trim);
        return;
    default: {
        const double aDiamond[] = {cx, cy - 11 * s, cx + 9 * s, cy,
                                   cx, cy + 11 * s, cx - 9 * s, cy};
        Art_Add_Polygon(&decal, aDiamond, 4);
        break;
    }
    }
    Art_Stroke(pImage, decal, 2 * s, Art_Darker(trim, 0.6));
    Art_Fill(pImage, decal, trim);
}

// The helmet facing right, in a 100-unit box scaled by s.
void Art_Helmet_Right(ART_IMAGE* pImage, int nFranchise, double s) {
    ART_COLOUR main, trim;
    Art_Franchise_Colours(nFranchise, &main, &trim);
    agg::path_storage shell;
    shell.move_to(14 * s, 74 * s);
    shell.curve4(6 * s, 34 * s, 32 * s, 8 * s, 60 * s, 10 * s);
    shell.curve4(80 * s, 12 * s, 92 * s, 28 * s, 90 * s, 50 * s);
    shell.line_to(76 * s, 51 * s);
    shell.line_to(72 * s, 64 * s);
    shell.curve3(66 * s, 80 * s, 52 * s, 82 * s);
    shell.line_to(22 * s, 84 * s);
    shell.close_polygon();
    Art_Shadow(pImage, shell, 2 * s, 4 * s, static_cast<int>(3 * s) + 1, Art_Rgb(0, 0, 0, 150));
    Art_Fill_Radial(pImage, shell, 42 * s, 26 * s, 72 * s, Art_Lighter(main, 0.4),
                    Art_Darker(main, 0.5));
    // The centre stripe over the crown, edged in white.
    agg::path_storage stripe;
    stripe.move_to(12 * s, 52 * s);
    stripe.curve4(14 * s, 24 * s, 40 * s, 10 * s, 62 * s, 12 * s);
    stripe.curve3(80 * s, 14 * s, 88 * s, 30 * s);
    Art_Stroke(pImage, stripe, 8 * s, Art_Rgb(250, 250, 250));
    Art_Stroke(pImage, stripe, 5 * s, trim);
    Art_Decal(pImage, nFranchise, s, trim);
    agg::path_storage ear;
    Art_Add_Ellipse(&ear, 50 * s, 60 * s, 4 * s, 4 * s);
    Art_Fill(pImage, ear, Art_Darker(main, 0.7));
    agg::path_storage gloss;
    Art_Add_Ellipse(&gloss, 46 * s, 22 * s, 18 * s, 6 * s);
    Art_Fill_Linear(pImage, gloss, 0, 16 * s, 0, 28 * s, Art_Rgb(255, 255, 255, 110),
                    Art_Rgb(255, 255, 255, 0));
    Art_Stroke(pImage, shell, 1.4 * s, Art_Darker(main, 0.7));
    // The face mask: bars curving forward from the shell's edge, joined by a front upright.
    agg::path_storage mask;
    mask.move_to(76 * s, 52 * s);
    mask.curve3(88 * s, 51 * s, 97 * s, 57 * s);
    mask.move_to(73 * s, 63 * s);
    mask.curve3(86 * s, 62 * s, 97 * s, 66 * s);
    mask.move_to(68 * s, 73 * s);
    mask.curve3(82 * s, 79 * s, 93 * s, 76 * s);
    mask.move_to(97 * s, 56 * s);
    mask.curve3(99 * s, 68 * s, 92 * s, 77 * s);
    Art_Stroke(pImage, mask, 5.0 * s, Art_Rgb(40, 40, 46));
    Art_Stroke(pImage, mask, 3.0 * s, Art_Rgb(214, 216, 222));
    const double aStrap[] = {56 * s, 80 * s, 70 * s, 78 * s};
    Art_Stroke_Line(pImage, aStrap, 2, 2.5 * s, Art_Rgb(230, 230, 230));
}

}  // namespace

void Art_Franchise_Colours(int nFranchise, ART_COLOUR* pMain, ART_COLOUR* pTrim) {
    const uint8_t* p =
        kArtFranchiseColours[((nFranchise % ART_FRANCHISE_COUNT) + ART_FRANCHISE_COUNT) %
                             ART_FRANCHISE_COUNT];
    *pMain = Art_Rgb(p[0], p[1], p[2]);
    *pTrim = Art_Rgb(p[3], p[4], p[5]);
}

void Art_Draw_Helmet(const ART_ITEM& item, ART_IMAGE* pImage) {
    double s = pImage->nWidth / 100.0;
    if (item.nParam == 0) {
        Art_Helmet_Right(pImage, item.nIndex, s);
        return;
    }
    ART_IMAGE right;
    Art_Image_Init(&right, pImage->nWidth, pImage->nHeight, Art_Rgb(0, 0, 0, 0));
    Art_Helmet_Right(&right, item.nIndex, s);
    Art_Draw_Image(pImage, right, 0, 0, true);
}
