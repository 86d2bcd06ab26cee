// The show pictures: the start-up page, the three champions pages and the splash pictures, built
// from a football, a trophy, a pennant, a shield and the word mark.
#include <math.h>

#include "art_generators.h"
#include "art_plates.h"

namespace {

// Light rays from a point, fading outward.
void Art_Rays(ART_IMAGE* pImage, double cx, double cy, double dRadius, ART_COLOUR colour,
              int nRays) {
    agg::path_storage rays;
    for (int i = 0; i < nRays; i++) {
        double a1 = 2 * M_PI * i / nRays, a2 = a1 + M_PI / nRays;
        const double aRay[] = {cx,
                               cy,
                               cx + dRadius * cos(a1),
                               cy + dRadius * sin(a1),
                               cx + dRadius * cos(a2),
                               cy + dRadius * sin(a2)};
        Art_Add_Polygon(&rays, aRay, 3);
    }
    Art_Fill_Radial(pImage, rays, cx, cy, dRadius, colour, Art_Alpha(colour, 0));
}

// A field seen from the stands: converging yard lines on grass along the bottom.
void Art_Field_View(ART_IMAGE* pImage, double dTop) {
    double w = pImage->nWidth, h = pImage->nHeight;
    agg::path_storage grass;
    const double aGrass[] = {w * 0.18, dTop, w * 0.82, dTop, w * 1.3, h, -w * 0.3, h};
    Art_Add_Polygon(&grass, aGrass, 4);
    Art_Fill_Linear(pImage, grass, 0, dTop, 0, h, Art_Rgb(24, 70, 28), Art_Rgb(46, 118, 44));
    for (int i = 0; i <= 10; i++) {
        double t = i / 10.0;
        const double aLine[] = {w * (0.18 + 0.64 * t), dTop, w * (-0.3 + 1.6 * t), h};
        Art_Stroke_Line(pImage, aLine, 2, 2.0, Art_Rgb(255, 255, 255, 90));
    }
}

void Art_Title(ART_IMAGE* pImage, const ART_SKIN& skin, const char* szText, double cx,
               double dBaseline, double dSize) {
    agg::path_storage text;
    Art_Add_Text(&text, szText, cx, dBaseline, dSize, ART_CENTRE);
    Art_Shadow(pImage, text, dSize * 0.04, dSize * 0.07, static_cast<int>(dSize * 0.08) + 1,
               Art_Rgb(0, 0, 0, 200));
    Art_Fill_Linear(pImage, text, 0, dBaseline - dSize * 0.75, 0, dBaseline,
                    Art_Lighter(skin.glow, 0.6), skin.accent);
    Art_Stroke(pImage, text, dSize * 0.025, Art_Alpha(Art_Darker(skin.accent, 0.6), 220));
}

// A cup on a stem and a two-step base, with a football on top.
void Art_Trophy(ART_IMAGE* pImage, double cx, double dTop, double dHeight) {
    double s = dHeight / 100.0;
    ART_COLOUR gold = Art_Rgb(250, 214, 96), deep = Art_Rgb(150, 96, 20);
    agg::path_storage cup;
    cup.move_to(cx - 26 * s, dTop + 22 * s);
    cup.line_to(cx + 26 * s, dTop + 22 * s);
    cup.curve3(cx + 26 * s, dTop + 58 * s, cx + 5 * s, dTop + 64 * s);
    cup.line_to(cx + 5 * s, dTop + 80 * s);
    cup.line_to(cx + 18 * s, dTop + 86 * s);
    cup.line_to(cx - 18 * s, dTop + 86 * s);
    cup.line_to(cx - 5 * s, dTop + 80 * s);
    cup.line_to(cx - 5 * s, dTop + 64 * s);
    cup.curve3(cx - 26 * s, dTop + 58 * s, cx - 26 * s, dTop + 22 * s);
    cup.close_polygon();
    Art_Add_Rounded_Rect(&cup, cx - 28 * s, dTop + 86 * s, cx + 28 * s, dTop + 100 * s, 2 * s);
    Art_Shadow(pImage, cup, 4 * s, 6 * s, static_cast<int>(6 * s) + 1, Art_Rgb(0, 0, 0, 170));
    // The handles, their inner ends hidden by the cup.
    agg::path_storage handles;
    for (int nSide = -1; nSide <= 1; nSide += 2) {
        handles.move_to(cx + nSide * 22 * s, dTop + 28 * s);
        handles.curve4(cx + nSide * 44 * s, dTop + 26 * s, cx + nSide * 44 * s, dTop + 54 * s,
                       cx + nSide * 14 * s, dTop + 60 * s);
    }
    Art_Stroke(pImage, handles, 6 * s, Art_Darker(deep, 0.3));
    Art_Stroke(pImage, handles, 3.6 * s, gold);
    Art_Fill_Linear(pImage, cup, cx - 28 * s, 0, cx + 28 * s, 0, deep, gold);
    agg::path_storage shine;
    Art_Add_Ellipse(&shine, cx - 10 * s, dTop + 40 * s, 5 * s, 14 * s);
    Art_Fill(pImage, shine, Art_Rgb(255, 255, 230, 120));
    Art_Stroke(pImage, cup, 1.5 * s, Art_Alpha(Art_Darker(deep, 0.4), 200));
    Art_Draw_Football(pImage, cx, dTop + 12 * s, 40 * s, -0.35);
}

// A pennant on its staff.
void Art_Pennant(ART_IMAGE* pImage, const ART_SKIN& skin, double x, double y, double dLength) {
    double s = dLength / 100.0;
    const double aStaff[] = {x, y - 6 * s, x, y + 70 * s};
    Art_Stroke_Line(pImage, aStaff, 2, 4 * s, Art_Rgb(120, 90, 60));
    agg::path_storage flag;
    flag.move_to(x, y);
    flag.curve3(x + 50 * s, y + 4 * s, x + 100 * s, y + 20 * s);
    flag.curve3(x + 50 * s, y + 32 * s, x, y + 40 * s);
    flag.close_polygon();
    Art_Shadow(pImage, flag, 3 * s, 5 * s, static_cast<int>(5 * s) + 1, Art_Rgb(0, 0, 0, 160));
    Art_Fill_Linear(pImage, flag, x, y, x + 100 * s, y + 20 * s, skin.accent,
                    Art_Darker(skin.accent, 0.4));
    Art_Stroke(pImage, flag, 1.5 * s, Art_Lighter(skin.glow, 0.4));
    agg::path_storage star;
    Art_Add_Star(&star, x + 30 * s, y + 19 * s, 9 * s, 3.8 * s, 5);
    Art_Fill(pImage, star, Art_Rgb(255, 250, 230));
}

// A shield with three stars.
void Art_Shield(ART_IMAGE* pImage, const ART_SKIN& skin, double cx, double dTop, double dHeight) {
    double s = dHeight / 100.0;
    agg::path_storage shield;
    shield.move_to(cx - 40 * s, dTop);
    shield.line_to(cx + 40 * s, dTop);
    shield.curve3(cx + 42 * s, dTop + 60 * s, cx, dTop + 100 * s);
    shield.curve3(cx - 42 * s, dTop + 60 * s, cx - 40 * s, dTop);
    shield.close_polygon();
    Art_Shadow(pImage, shield, 4 * s, 6 * s, static_cast<int>(6 * s) + 1, Art_Rgb(0, 0, 0, 170));
    Art_Fill_Linear(pImage, shield, 0, dTop, 0, dTop + 100 * s, Art_Lighter(skin.accent, 0.2),
                    Art_Darker(skin.accent, 0.5));
    Art_Stroke(pImage, shield, 3 * s, Art_Lighter(skin.glow, 0.5));
    agg::path_storage stars;
    for (int i = -1; i <= 1; i++)
        Art_Add_Star(&stars, cx + i * 22 * s, dTop + 34 * s - (i == 0) * 8 * s, 10 * s, 4.2 * s, 5);
    Art_Fill(pImage, stars, Art_Rgb(255, 246, 210));
}

void Art_Confetti(ART_IMAGE* pImage, const ART_SKIN& skin, uint32_t nSeed, int nPieces) {
    ART_RANDOM random(nSeed);
    for (int i = 0; i < nPieces; i++) {
        double x = random.Range(0, pImage->nWidth), y = random.Range(0, pImage->nHeight * 0.8);
        double a = random.Range(0, M_PI), r = random.Range(3, 7);
        ART_COLOUR colour = i % 3 == 0   ? skin.glow
                            : i % 3 == 1 ? Art_Rgb(255, 255, 255)
                                         : skin.accent;
        const double aPiece[] = {
            x + r * cos(a), y + r * sin(a), x + r * 0.4 * cos(a + 1.6), y + r * 0.4 * sin(a + 1.6),
            x - r * cos(a), y - r * sin(a)};
        agg::path_storage piece;
        Art_Add_Polygon(&piece, aPiece, 3);
        Art_Fill(pImage, piece, Art_Alpha(colour, 200));
    }
}

// The show scene: rays behind a football over a field, the word mark below it; the heights are
// fractions of the picture's.
void Art_Show_Scene(ART_IMAGE* pImage, const ART_SKIN& skin, double dBall, double dField,
                    double dTitle) {
    Art_Page_Ground(pImage, skin);
    double w = pImage->nWidth, h = pImage->nHeight;
    Art_Rays(pImage, w / 2, h * dBall, w * 0.75, Art_Alpha(skin.glow, 60), 18);
    Art_Field_View(pImage, h * dField);
    Art_Draw_Football(pImage, w / 2, h * dBall, h * 0.41, -0.45);
    Art_Title(pImage, skin, "FOOTBALL VANTO", w / 2, h * dTitle, h * 0.115);
}

}  // namespace

void Art_Draw_Football(ART_IMAGE* pImage, double cx, double cy, double dLength, double dAngle) {
    double l = dLength / 2, hh = dLength * 0.62;
    agg::trans_affine place =
        agg::trans_affine_rotation(dAngle) * agg::trans_affine_translation(cx, cy);
    agg::path_storage ball;
    ball.move_to(-l, 0);
    ball.curve3(0, -hh, l, 0);
    ball.curve3(0, hh, -l, 0);
    ball.close_polygon();
    ball.transform(place);
    Art_Shadow(pImage, ball, dLength * 0.04, dLength * 0.06, static_cast<int>(dLength * 0.05) + 1,
               Art_Rgb(0, 0, 0, 170));
    double lx = cx - dLength * 0.12, ly = cy - dLength * 0.14;
    Art_Fill_Radial(pImage, ball, lx, ly, dLength * 0.62, Art_Rgb(176, 98, 52),
                    Art_Rgb(70, 30, 12));
    Art_Stroke(pImage, ball, dLength * 0.012, Art_Rgb(40, 16, 6, 220));
    // The stripes near the ends and the laces along the top.
    for (int nEnd = -1; nEnd <= 1; nEnd += 2) {
        double x = nEnd * l * 0.62, t = (x / l + 1) / 2, h = 2 * t * (1 - t) * hh * 0.86;
        agg::path_storage stripe;
        stripe.move_to(x - nEnd * dLength * 0.02, -h);
        stripe.curve3(x + nEnd * dLength * 0.03, 0, x - nEnd * dLength * 0.02, h);
        stripe.transform(place);
        Art_Stroke(pImage, stripe, dLength * 0.035, Art_Rgb(245, 240, 230, 230));
    }
    agg::path_storage laces;
    laces.move_to(-l * 0.3, -hh * 0.12);
    laces.line_to(l * 0.3, -hh * 0.12);
    for (int i = -3; i <= 3; i++) {
        laces.move_to(i * l * 0.09, -hh * 0.2);
        laces.line_to(i * l * 0.09, -hh * 0.04);
    }
    laces.transform(place);
    Art_Stroke(pImage, laces, dLength * 0.022, Art_Rgb(250, 248, 240));
}

void Art_Draw_Startup(const ART_ITEM& item, ART_IMAGE* pImage) {
    const ART_SKIN& skin = *item.pSkin;
    uint32_t nSeed = static_cast<uint32_t>(300 + item.nWidth + (skin.szName[0] - 'a'));
    Art_Show_Scene(pImage, skin, 0.36, 0.68, 0.72);
    double w = pImage->nWidth, h = pImage->nHeight;
    Art_Label(pImage, "RUN THE FRANCHISE", w * 0.3, h * 0.76, w * 0.7, h * 0.82, h * 0.035,
              Art_Lighter(skin.light, 0.4), true);
    Art_Page_Finish(pImage, nSeed);
}

void Art_Draw_Champions(const ART_ITEM& item, ART_IMAGE* pImage) {
    const ART_SKIN& skin = *item.pSkin;
    uint32_t nSeed = static_cast<uint32_t>(400 + item.nParam * 13 + (skin.szName[0] - 'a'));
    Art_Page_Ground(pImage, skin);
    ART_SPACE space(*pImage, ART_DESIGN_WIDTH, ART_DESIGN_HEIGHT);
    static const char* const kTitles[] = {"DIVISION CHAMPIONS", "CONFERENCE CHAMPIONS",
                                          "CHAMPIONS"};
    double cx = space.X(384);
    Art_Rays(pImage, cx, space.Y(330), space.X(520), Art_Alpha(skin.glow, 70), 24);
    if (item.nParam == ART_CHAMPIONSHIP)
        Art_Confetti(pImage, skin, nSeed, 260);
    Art_Title(pImage, skin, kTitles[item.nParam], cx, space.Y(78),
              space.Y(item.nParam == ART_CHAMPIONSHIP ? 52 : 40));
    // The season year is written in black, dark red or dark blue on this light banner.
    Art_Plate(pImage, space, skin, 186, 95, 574, 155, ART_PLATE_LIGHT);
    if (item.nParam == ART_DIVISION_TITLE) {
        Art_Pennant(pImage, skin, space.X(300), space.Y(200), space.X(190));
    } else if (item.nParam == ART_CONFERENCE_TITLE) {
        Art_Shield(pImage, skin, cx, space.Y(180), space.Y(230));
    } else {
        Art_Trophy(pImage, cx, space.Y(172), space.Y(270));
    }
    Art_Page_Finish(pImage, nSeed);
}

void Art_Draw_Splash(const ART_ITEM& item, ART_IMAGE* pImage) {
    const ART_SKIN& skin = *item.pSkin;
    uint32_t nSeed = static_cast<uint32_t>(500 + item.nParam + (skin.szName[0] - 'a'));
    Art_Show_Scene(pImage, skin, 0.38, 0.74, 0.8);
    double w = pImage->nWidth, h = pImage->nHeight;
    if (item.nParam == 1)
        Art_Label(pImage, "A NEW VERSION IS AVAILABLE", w * 0.15, h * 0.84, w * 0.85, h * 0.95,
                  h * 0.06, Art_Lighter(skin.glow, 0.5), true);
    Art_Page_Finish(pImage, nSeed);
}
