// Team logos by city: a badge in colours taken from the city's name, with the city's letters;
// the two teams of a shared city differ in colour and shape. The filler stands in for a team
// whose city has no logo.
#include <ctype.h>

#include "art_generators.h"

namespace {

enum ART_BADGE { ART_BADGE_ROUND, ART_BADGE_SHIELD, ART_BADGE_DIAMOND };

uint32_t Art_Name_Hash(const std::string& sName) {
    uint32_t nHash = 2166136261u;
    for (char c : sName)
        nHash = (nHash ^ static_cast<uint8_t>(c)) * 16777619u;
    return nHash;
}

// The city's letters: the initials of a name of several words, else its first three letters.
std::string Art_City_Letters(const std::string& sCity) {
    std::string sLetters;
    bool bWordStart = true;
    int nWords = 0;
    for (char c : sCity) {
        if (isalpha(static_cast<unsigned char>(c)) && bWordStart) {
            sLetters += static_cast<char>(toupper(static_cast<unsigned char>(c)));
            nWords++;
        }
        bWordStart = c == ' ' || c == '-';
    }
    if (nWords >= 2)
        return sLetters.substr(0, 3);
    sLetters.clear();
    for (char c : sCity)
        if (isalpha(static_cast<unsigned char>(c)) && sLetters.size() < 3)
            sLetters += static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return sLetters;
}

void Art_Badge_Shape(agg::path_storage* pPath, ART_BADGE eShape, double c, double r) {
    switch (eShape) {
    case ART_BADGE_ROUND: Art_Add_Ellipse(pPath, c, c, r, r); break;
    case ART_BADGE_SHIELD:
        pPath->move_to(c - r * 0.9, c - r * 0.92);
        pPath->line_to(c + r * 0.9, c - r * 0.92);
        pPath->curve3(c + r * 0.95, c + r * 0.45, c, c + r);
        pPath->curve3(c - r * 0.95, c + r * 0.45, c - r * 0.9, c - r * 0.92);
        pPath->close_polygon();
        break;
    case ART_BADGE_DIAMOND: {
        const double aDiamond[] = {c, c - r, c + r, c, c, c + r, c - r, c};
        Art_Add_Polygon(pPath, aDiamond, 4);
        break;
    }
    }
}

void Art_Badge(ART_IMAGE* pImage, ART_BADGE eShape, ART_COLOUR main, ART_COLOUR trim,
               const char* szLetters) {
    double w = pImage->nWidth, c = w / 2, r = w * 0.44;
    agg::path_storage outer;
    Art_Badge_Shape(&outer, eShape, c, r);
    Art_Shadow(pImage, outer, w * 0.015, w * 0.03, static_cast<int>(w * 0.03) + 1,
               Art_Rgb(0, 0, 0, 160));
    Art_Fill_Radial(pImage, outer, c - r * 0.35, c - r * 0.4, r * 1.6, Art_Lighter(main, 0.35),
                    Art_Darker(main, 0.45));
    Art_Stroke(pImage, outer, w * 0.035, Art_Rgb(250, 250, 250));
    agg::path_storage inner;
    Art_Badge_Shape(&inner, eShape, c, r * 0.8);
    Art_Stroke(pImage, inner, w * 0.02, trim);
    double dSize = w * (strlen(szLetters) > 2 ? 0.27 : 0.34);
    agg::path_storage letters;
    Art_Add_Text(&letters, szLetters, c, c + dSize * 0.36, dSize, ART_CENTRE);
    Art_Shadow(pImage, letters, w * 0.01, w * 0.02, 2, Art_Rgb(0, 0, 0, 180));
    Art_Stroke(pImage, letters, w * 0.03, Art_Darker(trim, 0.55));
    Art_Fill_Linear(pImage, letters, 0, c - dSize * 0.5, 0, c + dSize * 0.4, Art_Rgb(255, 255, 255),
                    Art_Lighter(trim, 0.3));
    agg::path_storage star;
    Art_Add_Star(&star, c, c - r * 0.52, w * 0.06, w * 0.025, 5);
    Art_Fill(pImage, star, trim);
    agg::path_storage gloss;
    Art_Add_Ellipse(&gloss, c, c - r * 0.55, r * 0.6, r * 0.25);
    Art_Fill_Linear(pImage, gloss, 0, c - r * 0.8, 0, c - r * 0.3, Art_Rgb(255, 255, 255, 70),
                    Art_Rgb(255, 255, 255, 0));
}

}  // namespace

void Art_Draw_City_Logo(const ART_ITEM& item, ART_IMAGE* pImage) {
    uint32_t nHash = Art_Name_Hash(item.sName) + static_cast<uint32_t>(item.nIndex) * 7u;
    ART_COLOUR main, trim;
    Art_Franchise_Colours(static_cast<int>(nHash % ART_FRANCHISE_COUNT), &main, &trim);
    ART_BADGE eShape = static_cast<ART_BADGE>((nHash / ART_FRANCHISE_COUNT + item.nIndex) % 3);
    Art_Badge(pImage, eShape, main, trim, Art_City_Letters(item.sName).c_str());
}

void Art_Draw_Logo_Filler(const ART_ITEM&, ART_IMAGE* pImage) {
    double w = pImage->nWidth, c = w / 2, r = w * 0.44;
    agg::path_storage shield;
    Art_Badge_Shape(&shield, ART_BADGE_SHIELD, c, r);
    Art_Shadow(pImage, shield, w * 0.015, w * 0.03, static_cast<int>(w * 0.03) + 1,
               Art_Rgb(0, 0, 0, 150));
    Art_Fill_Linear(pImage, shield, 0, c - r, 0, c + r, Art_Rgb(190, 194, 200),
                    Art_Rgb(96, 100, 110));
    Art_Stroke(pImage, shield, w * 0.035, Art_Rgb(240, 240, 240));
    Art_Draw_Football(pImage, c, c - r * 0.05, r * 1.05, -0.5);
}
