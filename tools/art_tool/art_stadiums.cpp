// A stadium's picture: its bowl of stands round the field under a day, dusk or night sky, light
// towers over an open bowl, a roof over a domed one, a roof with its panels drawn back over a
// convertible one, and the stadium's name along the bottom.
#include <math.h>

#include "art_generators.h"

namespace {

const ART_COLOUR kArtSkies[][2] = {
    {{70, 130, 210, 255}, {196, 222, 246, 255}},  // day
    {{44, 40, 96, 255}, {244, 150, 84, 255}},     // dusk
    {{8, 12, 30, 255}, {40, 52, 96, 255}},        // night
};

uint32_t Art_Stadium_Hash(const std::string& sName) {
    uint32_t nHash = 2166136261u;
    for (char c : sName)
        nHash = (nHash ^ static_cast<uint8_t>(c)) * 16777619u;
    return nHash;
}

void Art_Field(ART_IMAGE* pImage, double s) {
    agg::path_storage field;
    const double aField[] = {58 * s, 108 * s, 142 * s, 108 * s, 160 * s, 136 * s, 40 * s, 136 * s};
    Art_Add_Polygon(&field, aField, 4);
    Art_Fill_Linear(pImage, field, 0, 108 * s, 0, 136 * s, Art_Rgb(40, 110, 44),
                    Art_Rgb(64, 150, 60));
    for (int i = 0; i <= 10; i++) {
        double t = i / 10.0;
        const double aLine[] = {(62 + 76 * t) * s, 108 * s, (46 + 108 * t) * s, 136 * s};
        Art_Stroke_Line(pImage, aLine, 2, 0.6 * s, Art_Rgb(255, 255, 255, 170));
    }
}

void Art_Roof(ART_IMAGE* pImage, double s, bool bOpen) {
    agg::path_storage roof;
    roof.move_to(6 * s, 116 * s);
    roof.curve4(20 * s, 50 * s, 180 * s, 50 * s, 194 * s, 116 * s);
    roof.curve3(100 * s, 100 * s, 6 * s, 116 * s);
    roof.close_polygon();
    Art_Shadow(pImage, roof, 0, 3 * s, static_cast<int>(3 * s) + 1, Art_Rgb(0, 0, 0, 120));
    Art_Fill_Linear(pImage, roof, 0, 66 * s, 0, 116 * s, Art_Rgb(240, 242, 246, bOpen ? 200 : 255),
                    Art_Rgb(160, 168, 182, bOpen ? 200 : 255));
    agg::path_storage ribs;
    for (int i = 1; i < 8; i++) {
        double x = 6 + 188 * i / 8.0;
        ribs.move_to(x * s, 112 * s);
        ribs.line_to((100 + (x - 100) * 0.6) * s, 68 * s);
    }
    Art_Stroke(pImage, ribs, 0.8 * s, Art_Rgb(110, 118, 134, 160));
    if (bOpen) {
        // The panels drawn back: the middle of the roof shows the field below.
        agg::path_storage opening;
        Art_Add_Ellipse(&opening, 100 * s, 92 * s, 44 * s, 12 * s);
        Art_Fill(pImage, opening, Art_Rgb(30, 40, 60, 200));
        Art_Stroke(pImage, opening, 1.2 * s, Art_Rgb(90, 96, 110));
    }
}

void Art_Light_Towers(ART_IMAGE* pImage, double s, bool bLit) {
    for (double x : {14.0, 52.0, 148.0, 186.0}) {
        double dTop = x < 30 || x > 170 ? 62 : 52;
        const double aPole[] = {x * s, 112 * s, x * s, dTop * s};
        Art_Stroke_Line(pImage, aPole, 2, 1.6 * s, Art_Rgb(70, 74, 84));
        agg::path_storage lamp;
        Art_Add_Rounded_Rect(&lamp, (x - 6) * s, (dTop - 5) * s, (x + 6) * s, dTop * s, 1 * s);
        Art_Fill(pImage, lamp, bLit ? Art_Rgb(255, 250, 220) : Art_Rgb(200, 204, 210));
        if (bLit) {
            agg::path_storage glow;
            Art_Add_Ellipse(&glow, x * s, (dTop - 2) * s, 18 * s, 14 * s);
            Art_Fill_Radial(pImage, glow, x * s, (dTop - 2) * s, 18 * s,
                            Art_Rgb(255, 250, 220, 150), Art_Rgb(255, 250, 220, 0));
        }
    }
}

}  // namespace

void Art_Draw_Stadium(const ART_ITEM& item, ART_IMAGE* pImage) {
    double w = pImage->nWidth, h = pImage->nHeight, s = w / 200.0;
    uint32_t nHash = Art_Stadium_Hash(item.sName);
    int nSky = static_cast<int>(nHash % 3);
    agg::path_storage sky;
    Art_Add_Rect(&sky, 0, 0, w, h);
    Art_Fill_Linear(pImage, sky, 0, 0, 0, 118 * s, kArtSkies[nSky][0], kArtSkies[nSky][1]);
    if (nSky == 2) {
        ART_RANDOM random(nHash);
        for (int i = 0; i < 40; i++) {
            agg::path_storage star;
            Art_Add_Ellipse(&star, random.Range(0, w), random.Range(0, 70 * s), 0.6 * s, 0.6 * s);
            Art_Fill(pImage, star, Art_Rgb(255, 255, 255, 200));
        }
    }
    agg::path_storage ground;
    Art_Add_Rect(&ground, 0, 116 * s, w, h);
    Art_Fill_Linear(pImage, ground, 0, 116 * s, 0, h, Art_Rgb(70, 96, 60), Art_Rgb(36, 52, 32));
    ART_COLOUR seats, trim;
    Art_Franchise_Colours(static_cast<int>(nHash / 3 % ART_FRANCHISE_COUNT), &seats, &trim);
    bool bOpen = item.nIndex == ART_OPEN;
    if (bOpen)
        Art_Light_Towers(pImage, s, nSky != 0);
    agg::path_storage bowl;
    Art_Add_Ellipse(&bowl, 100 * s, 122 * s, 96 * s, 40 * s);
    Art_Shadow(pImage, bowl, 0, 4 * s, static_cast<int>(4 * s) + 1, Art_Rgb(0, 0, 0, 150));
    Art_Fill_Linear(pImage, bowl, 0, 82 * s, 0, 162 * s, Art_Rgb(196, 198, 204),
                    Art_Rgb(110, 114, 124));
    agg::path_storage stands;
    Art_Add_Ellipse(&stands, 100 * s, 122 * s, 86 * s, 32 * s);
    Art_Fill_Linear(pImage, stands, 0, 90 * s, 0, 154 * s, Art_Lighter(seats, 0.2),
                    Art_Darker(seats, 0.4));
    for (int nTier = 1; nTier < 4; nTier++) {
        agg::path_storage tier;
        Art_Add_Ellipse(&tier, 100 * s, 122 * s, (86 - 6 * nTier) * s, (32 - 4 * nTier) * s);
        Art_Stroke(pImage, tier, 0.8 * s, Art_Alpha(trim, 150));
    }
    Art_Field(pImage, s);
    if (!bOpen)
        Art_Roof(pImage, s, item.nIndex == ART_CONVERTIBLE);
    agg::path_storage band;
    Art_Add_Rect(&band, 0, 172 * s, w, h);
    Art_Fill_Linear(pImage, band, 0, 172 * s, 0, h, Art_Rgb(0, 0, 0, 150), Art_Rgb(0, 0, 0, 210));
    Art_Label(pImage, item.sName.c_str(), 4 * s, 172 * s, w - 4 * s, h, 13 * s,
              Art_Rgb(250, 250, 250), true);
    Art_Grain(pImage, 2, nHash);
}
