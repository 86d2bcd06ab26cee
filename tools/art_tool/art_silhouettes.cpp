// The positions' photos, shown for players without their own: a silhouette in the pose of the
// position (the passer throwing, the kicker kicking, the linemen in their stance) on a light
// studio ground.
#include "art_generators.h"

namespace {

// A pose in a 100 x 150 box: the head, the shoulders, elbows, hands, hips, knees and feet (left
// of the picture first), the limb and torso widths, and where a ball is held (x < 0: none).
struct ART_POSE {
    double aHead[2];
    double aShoulders[4], aElbows[4], aHands[4];
    double aHips[4], aKnees[4], aFeet[4];
    double dLimb;
    double dTorso;
    double aBall[2];
};

const ART_POSE kArtStand = {{50, 22},
                            {36, 38, 64, 38},
                            {30, 60, 70, 60},
                            {28, 80, 72, 80},
                            {42, 82, 58, 82},
                            {40, 110, 60, 110},
                            {38, 140, 62, 140},
                            10,
                            30,
                            {-1, -1}};

ART_POSE Art_Pose_Of(int nPosition) {
    ART_POSE pose = kArtStand;
    auto set = [](double* p, double a, double b, double c, double d) {
        p[0] = a;
        p[1] = b;
        p[2] = c;
        p[3] = d;
    };
    switch (nPosition) {
    case 0:  // QB: the throwing arm up and back, the other across
        set(pose.aElbows, 34, 54, 76, 30);
        set(pose.aHands, 46, 58, 80, 14);
        pose.aBall[0] = 82, pose.aBall[1] = 10;
        break;
    case 1:  // RB: running, the ball tucked
    case 2:  // FB
        set(pose.aElbows, 28, 50, 70, 56);
        set(pose.aHands, 24, 36, 60, 62);
        set(pose.aKnees, 34, 104, 64, 112);
        set(pose.aFeet, 22, 130, 70, 140);
        pose.aBall[0] = 60, pose.aBall[1] = 60;
        pose.dLimb = nPosition == 2 ? 12 : 10;
        pose.dTorso = nPosition == 2 ? 34 : 30;
        break;
    case 3:  // TE: reaching up for a catch
    case 4:  // WR
        set(pose.aElbows, 38, 28, 62, 28);
        set(pose.aHands, 42, 13, 58, 13);
        set(pose.aKnees, 38, 108, 64, 100);
        set(pose.aFeet, 36, 140, 58, 124);
        pose.aBall[0] = 50, pose.aBall[1] = 8;
        pose.dLimb = nPosition == 3 ? 11 : 8.5;
        pose.dTorso = nPosition == 3 ? 32 : 27;
        break;
    case 5:  // T, G, C, DT: the linemen's stance, low and wide
    case 6:
    case 7:
    case 9:
        pose.aHead[1] = 40;
        set(pose.aShoulders, 32, 54, 68, 54);
        set(pose.aElbows, 20, 76, 80, 76);
        set(pose.aHands, 26, nPosition == 7 ? 138 : 102, 74, 102);
        set(pose.aHips, 38, 96, 62, 96);
        set(pose.aKnees, 26, 118, 74, 118);
        set(pose.aFeet, 24, 142, 76, 142);
        pose.dLimb = 13.5;
        pose.dTorso = 42;
        if (nPosition == 7)
            pose.aBall[0] = 36, pose.aBall[1] = 142;
        break;
    case 8:  // DE: rushing, one arm swiping
        pose.aHead[1] = 32;
        set(pose.aShoulders, 34, 46, 66, 46);
        set(pose.aElbows, 26, 40, 72, 66);
        set(pose.aHands, 22, 22, 70, 86);
        set(pose.aHips, 40, 90, 60, 90);
        set(pose.aKnees, 32, 112, 68, 116);
        set(pose.aFeet, 26, 140, 78, 138);
        pose.dLimb = 12.5;
        pose.dTorso = 38;
        break;
    case 10:  // LB: ready, arms out
    case 11:  // CB
    case 12:  // S
        pose.aHead[1] = 28;
        set(pose.aShoulders, 35, 44, 65, 44);
        set(pose.aElbows, 24, 60, 76, 60);
        set(pose.aHands, 26, 78, 74, 78);
        set(pose.aHips, 41, 88, 59, 88);
        set(pose.aKnees, 32, 112, 68, 112);
        set(pose.aFeet, 30, 140, 70, 140);
        pose.dLimb = nPosition == 10 ? 11.5 : 9;
        pose.dTorso = nPosition == 10 ? 34 : 28;
        break;
    default:  // K and P: the kicking leg swung high, arms out for balance
        set(pose.aElbows, 22, 46, 78, 46);
        set(pose.aHands, 12, 52, 88, 52);
        set(pose.aKnees, 42, 112, 68, 98);
        set(pose.aFeet, 40, 142, nPosition == 13 ? 84 : 88, nPosition == 13 ? 84 : 66);
        pose.dLimb = 9;
        pose.dTorso = 27;
        if (nPosition == 14)
            pose.aBall[0] = 86, pose.aBall[1] = 56;
        else
            pose.aBall[0] = 88, pose.aBall[1] = 80;
        break;
    }
    return pose;
}

// A limb of two segments, the upper one thicker, ending in a hand or a foot.
void Art_Limb(ART_IMAGE* pImage, double s, const double* pA, const double* pB, const double* pC,
              int nSide, double dUpper, double dLower, ART_COLOUR colour) {
    const double* a = pA + 2 * nSide;
    const double* b = pB + 2 * nSide;
    const double* c = pC + 2 * nSide;
    const double aUpper[] = {a[0] * s, a[1] * s, b[0] * s, b[1] * s};
    const double aLower[] = {b[0] * s, b[1] * s, c[0] * s, c[1] * s};
    Art_Stroke_Line(pImage, aUpper, 2, dUpper * s, colour);
    Art_Stroke_Line(pImage, aLower, 2, dLower * s, colour);
}

// The trunk: wide shoulders narrowing to the waist, then the hips.
void Art_Torso(ART_IMAGE* pImage, const ART_POSE& pose, double s, ART_COLOUR body) {
    const double* sh = pose.aShoulders;
    const double* hp = pose.aHips;
    double dPad = pose.dTorso * 0.22;
    agg::path_storage torso;
    torso.move_to((sh[0] - dPad) * s, (sh[1] - 2) * s);
    torso.line_to((sh[2] + dPad) * s, (sh[3] - 2) * s);
    torso.curve3((sh[2] + dPad * 0.3) * s, (sh[3] + hp[3]) / 2 * s, (hp[2] + 2) * s,
                 (hp[3] - 6) * s);
    torso.line_to((hp[2] + 5) * s, (hp[3] + 5) * s);
    torso.line_to((hp[0] - 5) * s, (hp[1] + 5) * s);
    torso.line_to((hp[0] - 2) * s, (hp[1] - 6) * s);
    torso.curve3((sh[0] - dPad * 0.3) * s, (sh[1] + hp[1]) / 2 * s, (sh[0] - dPad) * s,
                 (sh[1] - 2) * s);
    torso.close_polygon();
    Art_Fill(pImage, torso, body);
    for (int nSide = 0; nSide < 2; nSide++) {
        agg::path_storage pad;
        Art_Add_Ellipse(&pad, sh[2 * nSide] * s, (sh[2 * nSide + 1] - 1) * s, pose.dTorso * 0.3 * s,
                        pose.dTorso * 0.2 * s);
        Art_Fill(pImage, pad, body);
    }
}

void Art_Figure(ART_IMAGE* pImage, const ART_POSE& pose, double s, ART_COLOUR body) {
    double dLimb = pose.dLimb;
    for (int nSide = 0; nSide < 2; nSide++) {
        Art_Limb(pImage, s, pose.aHips, pose.aKnees, pose.aFeet, nSide, dLimb * 1.55, dLimb * 1.1,
                 body);
        agg::path_storage foot;
        double dOut = nSide ? 2.5 : -2.5;
        Art_Add_Ellipse(&foot, (pose.aFeet[2 * nSide] + dOut) * s,
                        (pose.aFeet[2 * nSide + 1] + 1) * s, dLimb * 0.6 * s, dLimb * 0.35 * s);
        Art_Fill(pImage, foot, body);
    }
    Art_Torso(pImage, pose, s, body);
    for (int nSide = 0; nSide < 2; nSide++) {
        Art_Limb(pImage, s, pose.aShoulders, pose.aElbows, pose.aHands, nSide, dLimb * 1.1,
                 dLimb * 0.9, body);
        agg::path_storage hand;
        Art_Add_Ellipse(&hand, pose.aHands[2 * nSide] * s, pose.aHands[2 * nSide + 1] * s,
                        dLimb * 0.55 * s, dLimb * 0.55 * s);
        Art_Fill(pImage, hand, body);
    }
    double hx = pose.aHead[0] * s, hy = pose.aHead[1] * s;
    const double aNeck[] = {hx, hy, (pose.aShoulders[0] + pose.aShoulders[2]) / 2 * s,
                            (pose.aShoulders[1] + pose.aShoulders[3]) / 2 * s};
    Art_Stroke_Line(pImage, aNeck, 2, 9 * s, body);
    agg::path_storage helmet;
    Art_Add_Ellipse(&helmet, hx, hy, 10 * s, 10.5 * s);
    Art_Fill(pImage, helmet, body);
    agg::path_storage shine;
    Art_Add_Ellipse(&shine, hx - 3 * s, hy - 5.5 * s, 4.5 * s, 2 * s);
    Art_Fill(pImage, shine, Art_Rgb(255, 255, 255, 45));
    // The face mask's bars.
    agg::path_storage mask;
    mask.move_to(hx - 7 * s, hy + 2.5 * s);
    mask.line_to(hx + 7 * s, hy + 2.5 * s);
    mask.move_to(hx - 6 * s, hy + 6 * s);
    mask.line_to(hx + 6 * s, hy + 6 * s);
    mask.move_to(hx, hy + 1 * s);
    mask.line_to(hx, hy + 8.5 * s);
    Art_Stroke(pImage, mask, 1.3 * s, Art_Rgb(128, 134, 146));
}

}  // namespace

void Art_Draw_Silhouette(const ART_ITEM& item, ART_IMAGE* pImage) {
    double w = pImage->nWidth, h = pImage->nHeight, s = w / 100.0;
    agg::path_storage studio;
    Art_Add_Rect(&studio, 0, 0, w, h);
    Art_Fill_Radial(pImage, studio, w * 0.5, h * 0.35, h * 0.8, Art_Rgb(232, 236, 242),
                    Art_Rgb(138, 146, 162));
    agg::path_storage floor;
    Art_Add_Ellipse(&floor, w * 0.5, 142 * s, 34 * s, 5 * s);
    Art_Shadow(pImage, floor, 0, 0, 6, Art_Rgb(0, 0, 0, 120));
    ART_POSE pose = Art_Pose_Of(item.nIndex);
    ART_IMAGE figure;
    Art_Image_Init(&figure, pImage->nWidth, pImage->nHeight, Art_Rgb(0, 0, 0, 0));
    Art_Figure(&figure, pose, s, Art_Rgb(44, 50, 62));
    // A soft glow around the figure lifts it off the ground.
    ART_IMAGE glow = figure;
    Art_Blur(&glow, 6);
    for (size_t i = 0; i < glow.aPixels.size(); i += 4) {
        uint8_t a = glow.aPixels[i + 3];
        uint8_t nHalf = static_cast<uint8_t>(a / 2);
        glow.aPixels[i] = glow.aPixels[i + 1] = glow.aPixels[i + 2] = glow.aPixels[i + 3] = nHalf;
    }
    Art_Draw_Image(pImage, glow, 0, 0, false);
    Art_Draw_Image(pImage, figure, 0, 0, false);
    if (pose.aBall[0] >= 0)
        Art_Draw_Football(pImage, pose.aBall[0] * s, pose.aBall[1] * s, 13 * s, -0.6);
    Art_Label(pImage, item.sName.c_str(), w * 0.72, h * 0.9, w * 0.98, h * 0.99, h * 0.06,
              Art_Rgb(255, 255, 255, 200), true);
    Art_Grain(pImage, 3, static_cast<uint32_t>(700 + item.nIndex));
}
