// Skinned building blocks of the larger pictures: the page ground, plates for text, tabs.
#pragma once

#include "art_catalogue.h"

// A design space laid over a picture: design units to pixels on each axis.
struct ART_SPACE {
    double dScaleX;
    double dScaleY;
    ART_SPACE(const ART_IMAGE& image, double dDesignWidth, double dDesignHeight)
        : dScaleX(image.nWidth / dDesignWidth), dScaleY(image.nHeight / dDesignHeight) {}
    double X(double x) const {
        return x * dScaleX;
    }
    double Y(double y) const {
        return y * dScaleY;
    }
};

enum ART_PLATE {
    ART_PLATE_PANEL,      // a panel behind the page's text: dark on the dark skins, else light
    ART_PLATE_LIGHT,      // a light plate behind black text
    ART_PLATE_HEADING,    // a heading band: dark on the dark skins, else light
    ART_PLATE_TAB,        // a dark tab with light text
    ART_PLATE_TAB_LIGHT,  // a light tab with black text
};

// The ground of every page: the skin's gradient, a faint pattern, a glow, darker toward the edges.
void Art_Page_Ground(ART_IMAGE* pImage, const ART_SKIN& skin);
// The ground of the pages that write text straight on it: the page ground on the dark skins, a
// light parchment on the others (whose pages write dark text).
void Art_Text_Ground(ART_IMAGE* pImage, const ART_SKIN& skin);
// The finish laid over a whole picture last: a fine grain.
void Art_Page_Finish(ART_IMAGE* pImage, uint32_t nSeed);
// A double rule around the picture's edge.
void Art_Page_Frame(ART_IMAGE* pImage, const ART_SKIN& skin);
// A plate over the design rectangle, with its soft shadow.
void Art_Plate(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin, double x1,
               double y1, double x2, double y2, ART_PLATE ePlate);
// A tab or plate of either kind that carries its own label.
void Art_Labelled_Plate(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin, double x1,
                        double y1, double x2, double y2, ART_PLATE ePlate, const char* szLabel);
// The strip of page tabs along the bottom of the news pages; nCurrent is the page's own tab, or -1.
enum ART_TAB {
    ART_TAB_CALENDAR,
    ART_TAB_STANDINGS,
    ART_TAB_FINANCES,
    ART_TAB_LEADERS,
    ART_TAB_GAMES,
    ART_TAB_PLAYOFFS,
    ART_TAB_DRAFT
};
void Art_Page_Tab_Strip(ART_IMAGE* pImage, const ART_SPACE& space, const ART_SKIN& skin,
                        int nCurrent);
// The game's word mark, centred on (cx, cy) in pixels.
void Art_Word_Mark(ART_IMAGE* pImage, const ART_SKIN& skin, double cx, double cy, double dSize);
