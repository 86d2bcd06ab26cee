// The general managers' faces: head and shoulders in a suit, with the skin, hair, brows, glasses
// and moustache of each face chosen by its number, so every face is its own and always the same.
#include "art_generators.h"

namespace {

const ART_COLOUR kArtSkinTones[] = {{250, 214, 184, 255}, {236, 190, 150, 255},
                                    {214, 160, 116, 255}, {176, 118, 80, 255},
                                    {132, 86, 56, 255},   {96, 62, 42, 255}};
const ART_COLOUR kArtHairColours[] = {
    {28, 22, 20, 255},    {70, 44, 26, 255},    {112, 74, 40, 255},  {150, 70, 36, 255},
    {150, 150, 150, 255}, {220, 220, 214, 255}, {214, 176, 110, 255}};
const ART_COLOUR kArtSuitColours[] = {
    {30, 40, 70, 255}, {50, 52, 58, 255}, {74, 56, 40, 255}, {20, 20, 24, 255}, {84, 90, 100, 255}};
const ART_COLOUR kArtTieColours[] = {{170, 30, 40, 255},
                                     {30, 70, 150, 255},
                                     {200, 160, 40, 255},
                                     {40, 110, 70, 255},
                                     {110, 40, 110, 255}};

#define ART_PICK(table, random) table[(random).Next() % (sizeof(table) / sizeof((table)[0]))]

struct ART_FACE {
    ART_COLOUR skin, hair, suit, tie;
    double dWidth, dHeight;  // the head's half sizes
    int nHair;               // 0 bald, 1 short, 2 parted, 3 full
    bool bGlasses, bMoustache;
    double dSmile;
};

ART_FACE Art_Face_Of(int nIndex) {
    ART_RANDOM random(static_cast<uint32_t>(nIndex * 97 + 13));
    ART_FACE face;
    face.skin = ART_PICK(kArtSkinTones, random);
    face.hair = ART_PICK(kArtHairColours, random);
    face.suit = ART_PICK(kArtSuitColours, random);
    face.tie = ART_PICK(kArtTieColours, random);
    face.dWidth = random.Range(24, 29);
    face.dHeight = random.Range(31, 36);
    face.nHair = static_cast<int>(random.Next() % 4);
    face.bGlasses = random.Next() % 4 == 0;
    face.bMoustache = random.Next() % 5 == 0;
    face.dSmile = random.Range(-1, 4);
    return face;
}

void Art_Shoulders(ART_IMAGE* pImage, const ART_FACE& face, double s) {
    agg::path_storage suit;
    suit.move_to(6 * s, 150 * s);
    suit.curve4(8 * s, 116 * s, 30 * s, 108 * s, 60 * s, 106 * s);
    suit.curve4(90 * s, 108 * s, 112 * s, 116 * s, 114 * s, 150 * s);
    suit.close_polygon();
    Art_Fill_Linear(pImage, suit, 0, 106 * s, 0, 150 * s, Art_Lighter(face.suit, 0.15),
                    Art_Darker(face.suit, 0.3));
    agg::path_storage shirt;
    const double aShirt[] = {46 * s, 106 * s, 74 * s, 106 * s, 60 * s, 140 * s};
    Art_Add_Polygon(&shirt, aShirt, 3);
    Art_Fill(pImage, shirt, Art_Rgb(244, 244, 240));
    agg::path_storage tie;
    const double aTie[] = {57 * s,  110 * s, 63 * s,  110 * s, 66 * s,
                           136 * s, 60 * s,  146 * s, 54 * s,  136 * s};
    Art_Add_Polygon(&tie, aTie, 5);
    Art_Fill_Linear(pImage, tie, 0, 110 * s, 0, 146 * s, Art_Lighter(face.tie, 0.2),
                    Art_Darker(face.tie, 0.3));
    agg::path_storage neck;
    Art_Add_Rounded_Rect(&neck, 48 * s, 88 * s, 72 * s, 110 * s, 8 * s);
    Art_Fill(pImage, neck, Art_Darker(face.skin, 0.15));
}

void Art_Hair(ART_IMAGE* pImage, const ART_FACE& face, double s, double cy) {
    double w = face.dWidth, h = face.dHeight;
    if (face.nHair == 0)
        return;
    agg::path_storage hair;
    double dLow = face.nHair == 3 ? 0.1 : -0.25;
    hair.move_to((60 - w * 1.04) * s, (cy + h * dLow) * s);
    hair.curve4((60 - w * 1.1) * s, (cy - h * 1.25) * s, (60 + w * 1.1) * s, (cy - h * 1.25) * s,
                (60 + w * 1.04) * s, (cy + h * dLow) * s);
    if (face.nHair == 2)
        hair.curve3((60 + w * 0.2) * s, (cy - h * 0.95) * s, (60 - w * 0.9) * s,
                    (cy - h * 0.45) * s);
    else
        hair.curve3(60 * s, (cy - h * 0.78) * s, (60 - w * 1.04) * s, (cy + h * dLow) * s);
    hair.close_polygon();
    Art_Fill_Linear(pImage, hair, 0, (cy - h) * s, 0, cy * s, Art_Lighter(face.hair, 0.15),
                    face.hair);
}

void Art_Features(ART_IMAGE* pImage, const ART_FACE& face, double s, double cy) {
    ART_COLOUR line = Art_Darker(face.skin, 0.45);
    for (int nSide = -1; nSide <= 1; nSide += 2) {
        double ex = 60 + nSide * 10;
        agg::path_storage eye;
        Art_Add_Ellipse(&eye, ex * s, (cy - 2) * s, 4.5 * s, 2.6 * s);
        Art_Fill(pImage, eye, Art_Rgb(250, 250, 246));
        agg::path_storage pupil;
        Art_Add_Ellipse(&pupil, ex * s, (cy - 2) * s, 1.9 * s, 2.1 * s);
        Art_Fill(pImage, pupil, Art_Rgb(40, 30, 24));
        const double aBrow[] = {(ex - 5) * s,   (cy - 8) * s, ex * s,
                                (cy - 9.5) * s, (ex + 5) * s, (cy - 8.5) * s};
        Art_Stroke_Line(pImage, aBrow, 3, 1.8 * s, Art_Darker(face.hair, 0.1));
        if (face.bGlasses) {
            agg::path_storage lens;
            Art_Add_Rounded_Rect(&lens, (ex - 7) * s, (cy - 7) * s, (ex + 7) * s, (cy + 3.5) * s,
                                 3 * s);
            Art_Stroke(pImage, lens, 1.3 * s, Art_Rgb(30, 30, 36));
        }
    }
    if (face.bGlasses) {
        const double aBridge[] = {57 * s, (cy - 3) * s, 63 * s, (cy - 3) * s};
        Art_Stroke_Line(pImage, aBridge, 2, 1.3 * s, Art_Rgb(30, 30, 36));
    }
    const double aNose[] = {60 * s, (cy + 1) * s, 57 * s, (cy + 11) * s, 61 * s, (cy + 12) * s};
    Art_Stroke_Line(pImage, aNose, 3, 1.4 * s, line);
    if (face.bMoustache) {
        // A full moustache, wider than the mouth and drooping at its ends.
        agg::path_storage moustache;
        moustache.move_to(47 * s, (cy + 19) * s);
        moustache.curve3(52 * s, (cy + 12) * s, 60 * s, (cy + 13) * s);
        moustache.curve3(68 * s, (cy + 12) * s, 73 * s, (cy + 19) * s);
        moustache.curve3(60 * s, (cy + 16.5) * s, 47 * s, (cy + 19) * s);
        moustache.close_polygon();
        Art_Fill(pImage, moustache, face.hair);
    }
    agg::path_storage mouth;
    mouth.move_to(52 * s, (cy + 20) * s);
    mouth.curve3(60 * s, (cy + 20 + face.dSmile) * s, 68 * s, (cy + 20) * s);
    Art_Stroke(pImage, mouth, 1.6 * s, Art_Rgb(140, 60, 56));
}

}  // namespace

void Art_Draw_Face(const ART_ITEM& item, ART_IMAGE* pImage) {
    double s = pImage->nWidth / 120.0;
    ART_FACE face = Art_Face_Of(item.nIndex);
    agg::path_storage ground;
    Art_Add_Rect(&ground, 0, 0, pImage->nWidth, pImage->nHeight);
    ART_COLOUR backdrop =
        Art_Mix(Art_Rgb(70, 96, 130), Art_Rgb(120, 110, 100), (item.nIndex % 5) / 4.0);
    Art_Fill_Radial(pImage, ground, 60 * s, 50 * s, 110 * s, Art_Lighter(backdrop, 0.35),
                    Art_Darker(backdrop, 0.3));
    Art_Shoulders(pImage, face, s);
    double cy = 60;
    for (int nSide = -1; nSide <= 1; nSide += 2) {
        agg::path_storage ear;
        Art_Add_Ellipse(&ear, (60 + nSide * face.dWidth) * s, (cy + 2) * s, 4.5 * s, 7 * s);
        Art_Fill(pImage, ear, Art_Darker(face.skin, 0.1));
    }
    agg::path_storage head;
    Art_Add_Ellipse(&head, 60 * s, cy * s, face.dWidth * s, face.dHeight * s);
    Art_Shadow(pImage, head, 1 * s, 3 * s, 4, Art_Rgb(0, 0, 0, 90));
    Art_Fill_Radial(pImage, head, 54 * s, (cy - 10) * s, face.dHeight * 1.4 * s,
                    Art_Lighter(face.skin, 0.15), Art_Darker(face.skin, 0.2));
    Art_Hair(pImage, face, s, cy);
    Art_Features(pImage, face, s, cy);
    Art_Grain(pImage, 2, static_cast<uint32_t>(800 + item.nIndex));
}
