// The button bar's pictures (its left part at natural size, its right part stretched to the
// bar's width, both 36 high) and the overlay of the news ticker (24 high, mostly clear so that
// the yellow ticker text shows through).
#include "art_generators.h"

namespace {

// The shine along a bar's top: a gloss over its upper part and a bright edge.
void Art_Bar_Shine(ART_IMAGE* pImage, const ART_SKIN& skin, int nGloss) {
    double w = pImage->nWidth, h = pImage->nHeight;
    agg::path_storage gloss;
    Art_Add_Rect(&gloss, 0, 1, w, h * 0.45);
    Art_Fill_Linear(pImage, gloss, 0, 1, 0, h * 0.45, Art_Rgb(255, 255, 255, nGloss),
                    Art_Rgb(255, 255, 255, 0));
    agg::path_storage edge;
    Art_Add_Rect(&edge, 0, 0, w, 1.5);
    Art_Fill(pImage, edge, Art_Alpha(skin.accent, 220));
}

// The bar's ground: dark under the shine; the same in every column, so that stretching it
// sideways changes nothing.
void Art_Bar_Ground(ART_IMAGE* pImage, const ART_SKIN& skin) {
    agg::path_storage all;
    Art_Add_Rect(&all, 0, 0, pImage->nWidth, pImage->nHeight);
    Art_Fill_Linear(pImage, all, 0, 0, 0, pImage->nHeight, Art_Mix(skin.panel, skin.accent, 0.25),
                    skin.deep);
    Art_Bar_Shine(pImage, skin, 46);
}

// A sunken well for the bar's white and yellow texts.
void Art_Bar_Well(ART_IMAGE* pImage, const ART_SKIN& skin, double x1, double x2) {
    agg::path_storage well;
    Art_Add_Rounded_Rect(&well, x1, 5, x2, 33, 5);
    Art_Fill_Linear(pImage, well, 0, 5, 0, 33, Art_Rgb(0, 0, 0, 150), Art_Alpha(skin.deep, 120));
    Art_Stroke(pImage, well, 1.0, Art_Alpha(skin.accent, 120));
    agg::path_storage lip;
    Art_Add_Rect(&lip, x1 + 4, 32, x2 - 4, 33);
    Art_Fill(pImage, lip, Art_Rgb(255, 255, 255, 40));
}

}  // namespace

void Art_Draw_Bar_Left(const ART_ITEM& item, ART_IMAGE* pImage) {
    const ART_SKIN& skin = *item.pSkin;
    Art_Bar_Ground(pImage, skin);
    Art_Bar_Well(pImage, skin, 2, 80);    // the team's record
    Art_Bar_Well(pImage, skin, 88, 376);  // the current week and its opponent
    // A little football between the wells.
    Art_Draw_Football(pImage, 84, 18, 9, -0.5);
}

void Art_Draw_Bar_Right(const ART_ITEM& item, ART_IMAGE* pImage) {
    Art_Bar_Ground(pImage, *item.pSkin);
}

void Art_Draw_News_Bar(const ART_ITEM& item, ART_IMAGE* pImage) {
    const ART_SKIN& skin = *item.pSkin;
    double w = pImage->nWidth, h = pImage->nHeight;
    Art_Bar_Shine(pImage, skin, 60);
    agg::path_storage foot;
    Art_Add_Rect(&foot, 0, h - 2, w, h);
    Art_Fill_Linear(pImage, foot, 0, h - 2, 0, h, Art_Rgb(0, 0, 0, 0), Art_Rgb(0, 0, 0, 160));
    // The text comes out of a dark cap at the left edge.
    agg::path_storage cap;
    Art_Add_Rect(&cap, 0, 1.5, 40, h);
    Art_Fill_Linear(pImage, cap, 0, 0, 40, 0, Art_Alpha(skin.deep, 255), Art_Alpha(skin.deep, 0));
}
