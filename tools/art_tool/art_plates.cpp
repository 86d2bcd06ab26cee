// The skinned building blocks shared by the page backgrounds, the emblems and the dialog pictures.
#include "art_plates.h"

#include <map>

namespace {

const ART_COLOUR kArtInk = {22, 16, 12, 255};

const double kArtTabEdges[] = {27, 105, 194, 276, 350, 418, 496, 553};
const char* const kArtTabLabels[] = {"Calendar", "Standings", "Finances", "Leaders",
                                     "Games",    "Playoffs",  "Draft"};

bool Art_Is_Light_Plate(ART_PLATE ePlate) {
    return ePlate == ART_PLATE_LIGHT || ePlate == ART_PLATE_TAB_LIGHT;
}

// A gloss over the upper half of a plate.
void Art_Gloss(ART_IMAGE* pImage, double x1, double y1, double x2, double y2, double dRadius,
               int nAlpha) {
    agg::path_storage gloss;
    Art_Add_Rounded_Rect(&gloss, x1 + 1, y1 + 1, x2 - 1, (y1 + y2) / 2, dRadius);
    Art_Fill_Linear(pImage, gloss, 0, y1, 0, (y1 + y2) / 2, Art_Rgb(255, 255, 255, nAlpha),
                    Art_Rgb(255, 255, 255, 0));
}

// Fine diagonal lines, like the weave of a jersey, under the faint marks of a field: yard lines
// and their hash marks.
void Art_Field_Weave(ART_IMAGE* pImage, ART_COLOUR ink, int nWeave, int nYard, int nHash) {
    double w = pImage->nWidth, h = pImage->nHeight;
    for (double x = -h; x < w; x += 14) {
        const double aLine[] = {x, h, x + h, 0};
        Art_Stroke_Line(pImage, aLine, 2, 1.0, Art_Alpha(ink, nWeave));
    }
    for (int i = 1; i < 12; i++) {
        double x = w * i / 12.0;
        const double aYard[] = {x, 0, x, h};
        Art_Stroke_Line(pImage, aYard, 2, 2.0, Art_Alpha(ink, nYard));
        for (int j = 1; j < 5; j++) {
            double xh = x + w / 60.0 * j;
            const double aHashTop[] = {xh, h * 0.33 - 6, xh, h * 0.33 + 6};
            const double aHashBottom[] = {xh, h * 0.67 - 6, xh, h * 0.67 + 6};
            Art_Stroke_Line(pImage, aHashTop, 2, 1.5, Art_Alpha(ink, nHash));
            Art_Stroke_Line(pImage, aHashBottom, 2, 1.5, Art_Alpha(ink, nHash));
        }
    }
}

// The parchment of the light skin's pages, where the pages write dark text.
ART_COLOUR Art_Paper(const ART_SKIN& skin) {
    return Art_Mix(skin.light, skin.accent, 0.25);
}

void Art_Draw_Dark_Ground(ART_IMAGE* pImage, const ART_SKIN& skin) {
    double w = pImage->nWidth, h = pImage->nHeight;
    agg::path_storage all;
    Art_Add_Rect(&all, 0, 0, w, h);
    Art_Fill_Linear(pImage, all, 0, 0, 0, h, Art_Lighter(skin.body, 0.04), skin.deep);
    Art_Field_Weave(pImage, skin.accent, 9, 16, 14);
    agg::path_storage glow;
    Art_Add_Rect(&glow, 0, 0, w, h);
    double gx = w * 0.22, gy = -h * 0.15;
    Art_Fill_Radial(pImage, glow, gx, gy, w * 0.75, Art_Alpha(skin.glow, 70),
                    Art_Alpha(skin.glow, 0));
    agg::path_storage glow2;
    Art_Add_Rect(&glow2, 0, 0, w, h);
    Art_Fill_Radial(pImage, glow2, w * 0.9, h * 1.1, w * 0.6, Art_Alpha(skin.accent, 40),
                    Art_Alpha(skin.accent, 0));
    Art_Vignette(pImage, 0.4);
}

void Art_Draw_Paper_Ground(ART_IMAGE* pImage, const ART_SKIN& skin) {
    double w = pImage->nWidth, h = pImage->nHeight;
    agg::path_storage all;
    Art_Add_Rect(&all, 0, 0, w, h);
    ART_COLOUR paper = Art_Paper(skin);
    Art_Fill_Linear(pImage, all, 0, 0, 0, h, Art_Lighter(paper, 0.1), Art_Darker(paper, 0.08));
    Art_Field_Weave(pImage, skin.panel, 7, 12, 10);
    agg::path_storage glow;
    Art_Add_Rect(&glow, 0, 0, w, h);
    Art_Fill_Radial(pImage, glow, w * 0.22, -h * 0.15, w * 0.75, Art_Rgb(255, 250, 235, 70),
                    Art_Rgb(255, 250, 235, 0));
    Art_Vignette(pImage, 0.12);
}

// A ground depends on its kind, the skin and the size alone: each is drawn once, then copied.
void Art_Cached_Ground(ART_IMAGE* pImage, const ART_SKIN& skin,
                       void (*pDraw)(ART_IMAGE*, const ART_SKIN&)) {
    static std::map<std::string, std::vector<uint8_t>> sGrounds;
    std::string sKey = std::string(pDraw == Art_Draw_Paper_Ground ? "paper " : "ground ") +
                       skin.szName + " " + std::to_string(pImage->nWidth) + "x" +
                       std::to_string(pImage->nHeight);
    auto it = sGrounds.find(sKey);
    if (it != sGrounds.end()) {
        pImage->aPixels = it->second;
        return;
    }
    pDraw(pImage, skin);
    sGrounds[sKey] = pImage->aPixels;
}

}  // namespace

void Art_Page_Ground(ART_IMAGE* pImage, const ART_SKIN& skin) {
    Art_Cached_Ground(pImage, skin, Art_Draw_Dark_Ground);
}

void Art_Text_Ground(ART_IMAGE* pImage, const ART_SKIN& skin) {
    Art_Cached_Ground(pImage, skin, skin.bDark ? Art_Draw_Dark_Ground : Art_Draw_Paper_Ground);
}

void Art_Page_Finish(ART_IMAGE* pImage, uint32_t nSeed) {
    Art_Grain(pImage, 3, nSeed);
}

void Art_Page_Frame(ART_IMAGE* pImage, const ART_SKIN& skin) {
    double w = pImage->nWidth, h = pImage->nHeight;
    agg::path_storage outer;
    Art_Add_Rounded_Rect(&outer, 2.5, 2.5, w - 2.5, h - 2.5, 6);
    Art_Stroke(pImage, outer, 1.6, Art_Alpha(skin.accent, 150));
    agg::path_storage inner;
    Art_Add_Rounded_Rect(&inner, 6, 6, w - 6, h - 6, 4);
    Art_Stroke(pImage, inner, 1.0, Art_Alpha(skin.accent, 60));
}

void Art_Plate(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin, double x1,
               double y1, double x2, double y2, ART_PLATE ePlate) {
    double px1 = space.X(x1), py1 = space.Y(y1), px2 = space.X(x2), py2 = space.Y(y2);
    double dRadius = ePlate == ART_PLATE_TAB || ePlate == ART_PLATE_TAB_LIGHT ? 5 : 4;
    agg::path_storage shape;
    Art_Add_Rounded_Rect(&shape, px1, py1, px2, py2, dRadius);
    Art_Shadow(pImage, shape, 2, 3, 5, Art_Rgb(0, 0, 0, 150));
    switch (ePlate) {
    case ART_PLATE_PANEL:
        if (!skin.bDark) {
            ART_COLOUR paper = Art_Paper(skin);
            Art_Fill_Linear(pImage, shape, 0, py1, 0, py2, Art_Alpha(Art_Lighter(paper, 0.3), 215),
                            Art_Alpha(Art_Lighter(paper, 0.15), 225));
            Art_Stroke(pImage, shape, 1.0, Art_Alpha(skin.panel, 110));
            break;
        }
        Art_Fill_Linear(pImage, shape, 0, py1, 0, py2,
                        Art_Alpha(Art_Lighter(skin.panel, 0.06), 225), Art_Alpha(skin.panel, 240));
        Art_Stroke(pImage, shape, 1.0, Art_Alpha(skin.accent, 80));
        break;
    case ART_PLATE_HEADING:
        if (!skin.bDark) {
            ART_COLOUR paper = Art_Paper(skin);
            Art_Fill_Linear(pImage, shape, px1, 0, px2, 0, Art_Lighter(paper, 0.35), paper);
            Art_Stroke(pImage, shape, 1.2, Art_Alpha(Art_Darker(skin.accent, 0.35), 200));
            Art_Gloss(pImage, px1, py1, px2, py2, dRadius, 40);
            break;
        }
        Art_Fill_Linear(pImage, shape, px1, 0, px2, 0, Art_Darker(skin.accent, 0.55),
                        Art_Alpha(skin.panel, 230));
        Art_Stroke(pImage, shape, 1.2, Art_Alpha(skin.accent, 140));
        Art_Gloss(pImage, px1, py1, px2, py2, dRadius, 30);
        break;
    case ART_PLATE_TAB:
        Art_Fill_Linear(pImage, shape, 0, py1, 0, py2, Art_Lighter(skin.panel, 0.22),
                        Art_Darker(skin.panel, 0.15));
        Art_Stroke(pImage, shape, 1.0, Art_Alpha(skin.accent, 150));
        Art_Gloss(pImage, px1, py1, px2, py2, dRadius, 36);
        break;
    case ART_PLATE_LIGHT:
    case ART_PLATE_TAB_LIGHT:
        Art_Fill_Linear(pImage, shape, 0, py1, 0, py2, Art_Lighter(skin.light, 0.3),
                        Art_Darker(skin.light, 0.1));
        Art_Stroke(pImage, shape, 1.2, Art_Darker(skin.accent, 0.35));
        Art_Gloss(pImage, px1, py1, px2, py2, dRadius, 60);
        break;
    }
}

void Art_Labelled_Plate(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin, double x1,
                        double y1, double x2, double y2, ART_PLATE ePlate, const char* szLabel) {
    Art_Plate(pImage, space, skin, x1, y1, x2, y2, ePlate);
    bool bLight = Art_Is_Light_Plate(ePlate);
    double dSize = space.Y(y2 - y1) * 0.56;
    Art_Label(pImage, szLabel, space.X(x1), space.Y(y1), space.X(x2), space.Y(y2), dSize,
              bLight ? kArtInk : skin.light, !bLight);
}

void Art_Page_Tab_Strip(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin,
                        int nCurrent) {
    agg::path_storage rail;
    Art_Add_Rounded_Rect(&rail, space.X(21), space.Y(462), space.X(559), space.Y(497), 6);
    Art_Shadow(pImage, rail, 0, 3, 6, Art_Rgb(0, 0, 0, 170));
    Art_Fill_Linear(pImage, rail, 0, space.Y(462), 0, space.Y(497), Art_Darker(skin.deep, 0.2),
                    Art_Lighter(skin.deep, 0.08));
    Art_Stroke(pImage, rail, 1.0, Art_Alpha(skin.accent, 110));
    for (int i = 0; i < 7; i++) {
        Art_Labelled_Plate(pImage, space, skin, kArtTabEdges[i] + 1.5, 466,
                           kArtTabEdges[i + 1] - 1.5, 493,
                           i == nCurrent ? ART_PLATE_TAB_LIGHT : ART_PLATE_TAB, kArtTabLabels[i]);
    }
    // Left of the user's team logo, which the shell draws in the page's bottom-right corner.
    Art_Word_Mark(pImage, skin, space.X(624), space.Y(480), space.Y(13));
}

void Art_Word_Mark(ART_IMAGE* pImage, const ART_SKIN& skin, double cx, double cy, double dSize) {
    agg::path_storage text;
    const char* szMark = "FOOTBALL VANTO";
    Art_Add_Text(&text, szMark, cx, cy + dSize * 0.36, dSize, ART_CENTRE);
    Art_Shadow(pImage, text, dSize * 0.06, dSize * 0.1, static_cast<int>(dSize * 0.12) + 1,
               Art_Rgb(0, 0, 0, 190));
    // Gold on the dark skins' ground, deep brown on the light skin's parchment.
    ART_COLOUR top = skin.bDark ? Art_Lighter(skin.glow, 0.5) : Art_Darker(skin.accent, 0.35);
    ART_COLOUR bottom = skin.bDark ? skin.accent : Art_Darker(skin.accent, 0.6);
    Art_Fill_Linear(pImage, text, 0, cy - dSize * 0.5, 0, cy + dSize * 0.4, top, bottom);
    Art_Stroke(pImage, text, dSize * 0.03, Art_Alpha(Art_Darker(skin.accent, 0.6), 200));
}
