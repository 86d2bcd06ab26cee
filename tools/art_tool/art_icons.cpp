// The small pictures: weather, the playoff bracket's slot box and seed tab, the matchup stars
// and the pictures of the concessions and negotiation dialogs.
#include <math.h>

#include "art_generators.h"
#include "art_plates.h"

namespace {

// A cloud of three puffs on a flat base, in a box of the picture's own scale s (30 units wide).
void Art_Cloud(ART_IMAGE* pImage, double s, double dx, double dy, ART_COLOUR top,
               ART_COLOUR bottom) {
    agg::path_storage cloud;
    Art_Add_Ellipse(&cloud, (dx + 9) * s, (dy + 14) * s, 6 * s, 5.5 * s);
    Art_Add_Ellipse(&cloud, (dx + 16) * s, (dy + 10) * s, 7.5 * s, 7 * s);
    Art_Add_Ellipse(&cloud, (dx + 22) * s, (dy + 14.5) * s, 5.5 * s, 5 * s);
    Art_Add_Rounded_Rect(&cloud, (dx + 4) * s, (dy + 13) * s, (dx + 27) * s, (dy + 19.5) * s,
                         3 * s);
    Art_Shadow(pImage, cloud, 0.5 * s, 1 * s, 1, Art_Rgb(0, 0, 0, 120));
    Art_Fill_Linear(pImage, cloud, 0, (dy + 3) * s, 0, (dy + 20) * s, top, bottom);
}

void Art_Sun(ART_IMAGE* pImage, double s, double cx, double cy, double r) {
    agg::path_storage rays;
    Art_Add_Star(&rays, cx * s, cy * s, r * 1.7 * s, r * 1.05 * s, 10);
    Art_Fill(pImage, rays, Art_Rgb(255, 200, 40));
    agg::path_storage disc;
    Art_Add_Ellipse(&disc, cx * s, cy * s, r * s, r * s);
    Art_Fill_Radial(pImage, disc, (cx - r * 0.3) * s, (cy - r * 0.3) * s, r * 1.3 * s,
                    Art_Rgb(255, 250, 190), Art_Rgb(255, 170, 20));
}

void Art_Drops(ART_IMAGE* pImage, double s, int nCount, ART_COLOUR colour) {
    for (int i = 0; i < nCount; i++) {
        double x = 9 + i * 6.5;
        const double aDrop[] = {x * s, 21.5 * s, (x - 2) * s, 27 * s};
        Art_Stroke_Line(pImage, aDrop, 2, 1.6 * s, colour);
    }
}

void Art_Flake(ART_IMAGE* pImage, double s, double cx, double cy, double r) {
    for (int i = 0; i < 3; i++) {
        double a = M_PI * i / 3;
        const double aArm[] = {(cx - r * cos(a)) * s, (cy - r * sin(a)) * s, (cx + r * cos(a)) * s,
                               (cy + r * sin(a)) * s};
        Art_Stroke_Line(pImage, aArm, 2, 1.1 * s, Art_Rgb(255, 255, 255));
    }
}

void Art_Pellet(ART_IMAGE* pImage, double s, double cx, double cy) {
    agg::path_storage pellet;
    Art_Add_Ellipse(&pellet, cx * s, cy * s, 1.4 * s, 1.4 * s);
    Art_Fill(pImage, pellet, Art_Rgb(220, 240, 255));
}

const ART_COLOUR kArtCloudTop = {255, 255, 255, 255};
const ART_COLOUR kArtCloudBottom = {178, 190, 206, 255};
const ART_COLOUR kArtRain = {90, 170, 255, 255};

// The picture behind a dialog picture: the skin's ground with a spot of light.
void Art_Picture_Ground(ART_IMAGE* pImage, const ART_SKIN& skin) {
    Art_Page_Ground(pImage, skin);
    agg::path_storage spot;
    Art_Add_Rect(&spot, 0, 0, pImage->nWidth, pImage->nHeight);
    Art_Fill_Radial(pImage, spot, pImage->nWidth / 2.0, pImage->nHeight * 0.45,
                    pImage->nWidth * 0.6, Art_Alpha(skin.glow, 80), Art_Alpha(skin.glow, 0));
}

void Art_Beverage(ART_IMAGE* pImage, const ART_SKIN& skin, double s) {
    agg::path_storage cup;
    const double aCup[] = {70 * s, 40 * s, 130 * s, 40 * s, 120 * s, 138 * s, 80 * s, 138 * s};
    Art_Add_Polygon(&cup, aCup, 4);
    Art_Shadow(pImage, cup, 4 * s, 5 * s, 5, Art_Rgb(0, 0, 0, 160));
    Art_Fill_Linear(pImage, cup, 70 * s, 0, 130 * s, 0, Art_Rgb(250, 250, 246),
                    Art_Rgb(196, 196, 190));
    agg::path_storage band;
    const double aBand[] = {74 * s, 72 * s, 126 * s, 72 * s, 123.5 * s, 100 * s, 76.5 * s, 100 * s};
    Art_Add_Polygon(&band, aBand, 4);
    Art_Fill_Linear(pImage, band, 74 * s, 0, 126 * s, 0, skin.accent, Art_Darker(skin.accent, 0.4));
    const double aStraw[] = {108 * s, 36 * s, 118 * s, 14 * s, 130 * s, 14 * s};
    Art_Stroke_Line(pImage, aStraw, 3, 5 * s, Art_Rgb(230, 60, 60));
    agg::path_storage lid;
    Art_Add_Rounded_Rect(&lid, 66 * s, 32 * s, 134 * s, 42 * s, 4 * s);
    Art_Fill_Linear(pImage, lid, 0, 32 * s, 0, 42 * s, Art_Rgb(255, 255, 255),
                    Art_Rgb(200, 200, 200));
}

void Art_Food(ART_IMAGE* pImage, double s) {
    agg::path_storage bun;
    Art_Add_Rounded_Rect(&bun, 30 * s, 72 * s, 170 * s, 112 * s, 20 * s);
    Art_Shadow(pImage, bun, 4 * s, 6 * s, 5, Art_Rgb(0, 0, 0, 160));
    Art_Fill_Linear(pImage, bun, 0, 72 * s, 0, 112 * s, Art_Rgb(236, 178, 96),
                    Art_Rgb(170, 104, 40));
    agg::path_storage sausage;
    Art_Add_Rounded_Rect(&sausage, 20 * s, 64 * s, 180 * s, 88 * s, 12 * s);
    Art_Fill_Linear(pImage, sausage, 0, 64 * s, 0, 88 * s, Art_Rgb(200, 92, 64),
                    Art_Rgb(120, 40, 24));
    agg::path_storage mustard;
    mustard.move_to(34 * s, 74 * s);
    for (int i = 0; i < 8; i++)
        mustard.curve3((44 + i * 17) * s, (i % 2 ? 82 : 66) * s, (51 + i * 17) * s, 74 * s);
    Art_Stroke(pImage, mustard, 4 * s, Art_Rgb(250, 214, 40));
    agg::path_storage top;
    Art_Add_Rounded_Rect(&top, 34 * s, 84 * s, 166 * s, 100 * s, 8 * s);
    Art_Fill_Linear(pImage, top, 0, 84 * s, 0, 100 * s, Art_Rgb(246, 196, 120),
                    Art_Rgb(210, 140, 64));
}

void Art_Souvenir(ART_IMAGE* pImage, const ART_SKIN& skin, double s) {
    // A cap: the crown, a button, the seams and the brim.
    agg::path_storage crown;
    crown.move_to(46 * s, 100 * s);
    crown.curve4(46 * s, 30 * s, 150 * s, 30 * s, 150 * s, 100 * s);
    crown.close_polygon();
    Art_Shadow(pImage, crown, 4 * s, 6 * s, 5, Art_Rgb(0, 0, 0, 160));
    Art_Fill_Radial(pImage, crown, 80 * s, 50 * s, 100 * s, Art_Lighter(skin.accent, 0.2),
                    Art_Darker(skin.accent, 0.5));
    agg::path_storage brim;
    brim.move_to(120 * s, 96 * s);
    brim.curve3(176 * s, 92 * s, 184 * s, 112 * s);
    brim.curve3(150 * s, 110 * s, 110 * s, 106 * s);
    brim.close_polygon();
    Art_Fill_Linear(pImage, brim, 0, 92 * s, 0, 112 * s, Art_Darker(skin.accent, 0.3),
                    Art_Darker(skin.accent, 0.7));
    agg::path_storage seams;
    seams.move_to(98 * s, 48 * s);
    seams.curve3(80 * s, 70 * s, 76 * s, 100 * s);
    seams.move_to(98 * s, 48 * s);
    seams.curve3(116 * s, 70 * s, 122 * s, 100 * s);
    Art_Stroke(pImage, seams, 1.5 * s, Art_Rgb(255, 255, 255, 120));
    agg::path_storage letter;
    Art_Add_Text(&letter, "V", 98 * s, 90 * s, 36 * s, ART_CENTRE);
    Art_Fill(pImage, letter, Art_Rgb(255, 255, 255, 230));
}

void Art_Negotiate(ART_IMAGE* pImage, double s) {
    // The page turned a little about its centre.
    agg::trans_affine tilt = agg::trans_affine_translation(-115 * s, -74 * s) *
                             agg::trans_affine_rotation(-0.12) *
                             agg::trans_affine_translation(115 * s, 74 * s);
    agg::path_storage page;
    Art_Add_Rect(&page, 68 * s, 14 * s, 162 * s, 134 * s);
    page.transform(tilt);
    Art_Shadow(pImage, page, 4 * s, 6 * s, 6, Art_Rgb(0, 0, 0, 170));
    Art_Fill_Linear(pImage, page, 0, 20 * s, 0, 160 * s, Art_Rgb(252, 250, 240),
                    Art_Rgb(226, 220, 200));
    agg::path_storage lines;
    for (int i = 0; i < 8; i++) {
        lines.move_to(78 * s, (32 + i * 12) * s);
        lines.line_to((i == 7 ? 120 : 152) * s, (32 + i * 12) * s);
    }
    lines.transform(tilt);
    Art_Stroke(pImage, lines, 1.2 * s, Art_Rgb(120, 120, 140, 180));
    agg::path_storage dollar;
    Art_Add_Text(&dollar, "$", 46 * s, 70 * s, 54 * s, ART_CENTRE);
    Art_Shadow(pImage, dollar, 2, 3, 3, Art_Rgb(0, 0, 0, 170));
    Art_Fill_Linear(pImage, dollar, 0, 30 * s, 0, 70 * s, Art_Rgb(150, 230, 130),
                    Art_Rgb(40, 140, 50));
    agg::trans_affine slant =
        agg::trans_affine_rotation(-0.75) * agg::trans_affine_translation(150 * s, 124 * s);
    agg::path_storage pen;
    Art_Add_Rounded_Rect(&pen, -6 * s, -62 * s, 6 * s, 0, 5 * s);
    pen.transform(slant);
    Art_Shadow(pImage, pen, 3 * s, 4 * s, 4, Art_Rgb(0, 0, 0, 160));
    Art_Fill_Linear(pImage, pen, 130 * s, 0, 170 * s, 0, Art_Rgb(40, 40, 60), Art_Rgb(10, 10, 20));
    agg::path_storage nib;
    const double aNib[] = {-6 * s, 0, 6 * s, 0, 0, 14 * s};
    Art_Add_Polygon(&nib, aNib, 3);
    nib.transform(slant);
    Art_Fill(pImage, nib, Art_Rgb(220, 190, 90));
}

}  // namespace

void Art_Draw_Weather(const ART_ITEM& item, ART_IMAGE* pImage) {
    double s = pImage->nWidth / 30.0;
    switch (item.nIndex) {
    case 0:  // clouds
        Art_Cloud(pImage, s, 4, 0, Art_Rgb(210, 216, 226), Art_Rgb(130, 140, 156));
        Art_Cloud(pImage, s, -2, 6, kArtCloudTop, kArtCloudBottom);
        break;
    case 1:  // flurries
        Art_Cloud(pImage, s, 0, -2, kArtCloudTop, kArtCloudBottom);
        Art_Flake(pImage, s, 10, 24, 2.6);
        Art_Flake(pImage, s, 21, 25.5, 2.6);
        break;
    case 2:  // mixed
        Art_Cloud(pImage, s, 0, -2, kArtCloudTop, kArtCloudBottom);
        Art_Drops(pImage, s, 2, kArtRain);
        Art_Flake(pImage, s, 24, 24.5, 2.6);
        break;
    case 3:  // rain
        Art_Cloud(pImage, s, 0, -2, Art_Rgb(226, 230, 238), Art_Rgb(140, 150, 168));
        Art_Drops(pImage, s, 3, kArtRain);
        break;
    case 4:  // sleet
        Art_Cloud(pImage, s, 0, -2, Art_Rgb(226, 230, 238), Art_Rgb(140, 150, 168));
        Art_Drops(pImage, s, 2, kArtRain);
        Art_Pellet(pImage, s, 24, 23);
        Art_Pellet(pImage, s, 21, 27);
        break;
    case 5:  // snow
        Art_Cloud(pImage, s, 0, -2, kArtCloudTop, kArtCloudBottom);
        Art_Flake(pImage, s, 8, 24, 2.4);
        Art_Flake(pImage, s, 15.5, 26.5, 2.4);
        Art_Flake(pImage, s, 23, 24, 2.4);
        break;
    case 6: {  // storms
        Art_Cloud(pImage, s, 0, -2, Art_Rgb(150, 156, 170), Art_Rgb(70, 76, 92));
        agg::path_storage bolt;
        const double aBolt[] = {17 * s, 16 * s, 11 * s, 24 * s, 15 * s, 24 * s, 12 * s,
                                30 * s, 21 * s, 21 * s, 17 * s, 21 * s, 20 * s, 16 * s};
        Art_Add_Polygon(&bolt, aBolt, 7);
        Art_Fill(pImage, bolt, Art_Rgb(255, 226, 60));
        break;
    }
    default:  // sunny
        Art_Sun(pImage, s, 15, 15, 7);
        break;
    }
}

void Art_Draw_Bracket_Box(const ART_ITEM&, ART_IMAGE* pImage) {
    double w = pImage->nWidth, h = pImage->nHeight;
    agg::path_storage box;
    Art_Add_Rounded_Rect(&box, 1, 1, w - 1, h - 1, 6);
    Art_Fill_Linear(pImage, box, 0, 0, 0, h, Art_Rgb(48, 52, 64, 235), Art_Rgb(14, 16, 22, 235));
    agg::path_storage gloss;
    Art_Add_Rounded_Rect(&gloss, 3, 2, w - 3, h * 0.45, 5);
    Art_Fill_Linear(pImage, gloss, 0, 2, 0, h * 0.45, Art_Rgb(255, 255, 255, 50),
                    Art_Rgb(255, 255, 255, 6));
    Art_Stroke(pImage, box, 1.6, Art_Rgb(214, 184, 104));
}

void Art_Draw_Bracket_Seed(const ART_ITEM&, ART_IMAGE* pImage) {
    double w = pImage->nWidth, h = pImage->nHeight;
    agg::path_storage tab;
    Art_Add_Rounded_Rect(&tab, 1, 1, w - 1, h - 1, 5);
    Art_Fill_Linear(pImage, tab, 0, 0, 0, h, Art_Rgb(196, 44, 36), Art_Rgb(96, 12, 10));
    agg::path_storage gloss;
    Art_Add_Rounded_Rect(&gloss, 2, 2, w - 2, h * 0.45, 4);
    Art_Fill_Linear(pImage, gloss, 0, 2, 0, h * 0.45, Art_Rgb(255, 255, 255, 70),
                    Art_Rgb(255, 255, 255, 8));
    Art_Stroke(pImage, tab, 1.4, Art_Rgb(214, 184, 104));
}

void Art_Draw_Stars(const ART_ITEM& item, ART_IMAGE* pImage) {
    const ART_SKIN& skin = *item.pSkin;
    double dCell = pImage->nWidth / 5.0, cy = pImage->nHeight / 2.0, r = pImage->nHeight * 0.46;
    for (int i = 0; i < 5; i++) {
        agg::path_storage star;
        Art_Add_Star(&star, dCell * (i + 0.5), cy + r * 0.08, r, r * 0.42, 5);
        if (i < item.nIndex) {
            Art_Shadow(pImage, star, 0.8, 1.2, 1, Art_Rgb(0, 0, 0, 150));
            Art_Fill_Linear(pImage, star, 0, cy - r, 0, cy + r, Art_Rgb(255, 240, 150),
                            Art_Rgb(230, 150, 20));
            Art_Stroke(pImage, star, 1.0, Art_Rgb(120, 70, 0));
        } else {
            Art_Fill(pImage, star, Art_Alpha(skin.panel, 110));
            Art_Stroke(pImage, star, 1.2, Art_Alpha(skin.accent, 200));
        }
    }
}

void Art_Draw_Dialog_Picture(const ART_ITEM& item, ART_IMAGE* pImage) {
    const ART_SKIN& skin = *item.pSkin;
    uint32_t nSeed = static_cast<uint32_t>(600 + item.nParam * 5 + (skin.szName[0] - 'a'));
    Art_Picture_Ground(pImage, skin);
    // Drawn in a 200 x 150 box, scaled to fit the picture.
    double s = fmin(pImage->nWidth / 200.0, pImage->nHeight / 150.0);
    switch (item.nParam) {
    case ART_BEVERAGE: Art_Beverage(pImage, skin, s); break;
    case ART_FOOD: Art_Food(pImage, s); break;
    case ART_SOUVENIR: Art_Souvenir(pImage, skin, s); break;
    default: Art_Negotiate(pImage, s); break;
    }
    Art_Page_Finish(pImage, nSeed);
}
