// A jersey per franchise index, in the franchise's colours, with striped sleeves and a number,
// for the cards of the card-game export.
#include "art_generators.h"

void Art_Draw_Jersey(const ART_ITEM& item, ART_IMAGE* pImage) {
    double s = pImage->nWidth / 100.0;
    ART_COLOUR main, trim;
    Art_Franchise_Colours(item.nIndex, &main, &trim);
    agg::path_storage shirt;
    const double aShirt[] = {30, 20, 70, 20, 86, 25, 99, 46, 87, 56, 78, 49,
                             79, 96, 21, 96, 22, 49, 13, 56, 1,  46, 14, 25};
    for (int i = 0; i < 12; i++) {
        if (i == 0)
            shirt.move_to(aShirt[0] * s, aShirt[1] * s);
        else
            shirt.line_to(aShirt[2 * i] * s, aShirt[2 * i + 1] * s);
    }
    shirt.close_polygon();
    Art_Shadow(pImage, shirt, 2 * s, 3 * s, static_cast<int>(3 * s) + 1, Art_Rgb(0, 0, 0, 150));
    Art_Fill_Radial(pImage, shirt, 40 * s, 35 * s, 80 * s, Art_Lighter(main, 0.3),
                    Art_Darker(main, 0.4));
    // Two stripes round each sleeve and the collar in the trim colour.
    for (int nSide = 0; nSide < 2; nSide++) {
        for (int nStripe = 0; nStripe < 2; nStripe++) {
            double t = 0.55 + 0.17 * nStripe;
            double x1 = nSide ? 86 + 13 * t : 14 - 13 * t, y1 = 25 + 21 * t;
            double x2 = nSide ? 78 + 9 * t : 22 - 9 * t, y2 = 49 + 7 * t - 8;
            const double aStripe[] = {x1 * s, y1 * s, x2 * s, y2 * s};
            Art_Stroke_Line(pImage, aStripe, 2, 3.2 * s, trim);
        }
    }
    agg::path_storage collar;
    collar.move_to(36 * s, 20.5 * s);
    collar.curve3(50 * s, 40 * s, 64 * s, 20.5 * s);
    Art_Stroke(pImage, collar, 4 * s, trim);
    char szNumber[8];
    snprintf(szNumber, sizeof szNumber, "%d", (item.nIndex * 37 + 12) % 89 + 1);
    agg::path_storage number;
    Art_Add_Text(&number, szNumber, 50 * s, 80 * s, 34 * s, ART_CENTRE);
    Art_Stroke(pImage, number, 3.5 * s, trim);
    Art_Fill(pImage, number, Art_Rgb(250, 250, 250));
    Art_Stroke(pImage, shirt, 1.2 * s, Art_Darker(main, 0.7));
}
