// Classic bevels: which system colour each ring of an edge or a frame control takes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi_test_canvas.h"

namespace {

// The colours along the diagonal from the top-left corner and from the bottom-right one.
struct DIAGONALS {
    std::vector<COLORREF> fromTopLeft;
    std::vector<COLORREF> fromBottomRight;
};

DIAGONALS Diagonals(HDC hdc, int nSize, int nSteps) {
    DIAGONALS d;
    for (int i = 0; i < nSteps; ++i) {
        d.fromTopLeft.push_back(GetPixel(hdc, i, i));
        d.fromBottomRight.push_back(GetPixel(hdc, nSize - 1 - i, nSize - 1 - i));
    }
    return d;
}

TEST(GdiFrameTest, EdgesBevelWithTheClassicColours) {
    const COLORREF crLight = GetSysColor(COLOR_3DLIGHT), crDark = GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF crHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = GetSysColor(COLOR_BTNSHADOW), crFace = GetSysColor(COLOR_BTNFACE);
    const COLORREF crWhite = RGB(255, 255, 255);
    struct CASE {
        UINT uEdge;
        UINT uFlags;
        DIAGONALS expected;
    };
    const CASE aCases[] = {
        {EDGE_RAISED, BF_RECT, {{crLight, crHighlight, crWhite}, {crDark, crShadow, crWhite}}},
        {EDGE_SUNKEN, BF_RECT, {{crShadow, crDark, crWhite}, {crHighlight, crLight, crWhite}}},
        {EDGE_RAISED,
         BF_RECT | BF_MIDDLE,
         {{crLight, crHighlight, crFace}, {crDark, crShadow, crFace}}},
        {EDGE_SUNKEN, BF_TOP | BF_LEFT, {{crShadow, crDark, crWhite}, {crWhite, crWhite, crWhite}}},
    };
    for (const CASE& c : aCases) {
        GDI_CANVAS canvas(8, 8);
        RECT rc = {0, 0, 8, 8};
        EXPECT_TRUE(DrawEdge(canvas.hdc, &rc, c.uEdge, c.uFlags));
        const DIAGONALS d = Diagonals(canvas.hdc, 8, 3);
        EXPECT_EQ(d.fromTopLeft, c.expected.fromTopLeft) << c.uEdge << " " << c.uFlags;
        EXPECT_EQ(d.fromBottomRight, c.expected.fromBottomRight) << c.uEdge << " " << c.uFlags;
    }
    // BF_ADJUST leaves the rectangle inside the edge.
    GDI_CANVAS canvas(8, 8);
    RECT rc = {0, 0, 8, 8};
    DrawEdge(canvas.hdc, &rc, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(rc.left, 2);
    EXPECT_EQ(rc.bottom, 6);
}

TEST(GdiFrameTest, PushButtonsAndCaptionButtons) {
    const COLORREF crDark = GetSysColor(COLOR_3DDKSHADOW), crFace = GetSysColor(COLOR_BTNFACE);
    const COLORREF crText = GetSysColor(COLOR_BTNTEXT);
    GDI_CANVAS canvas(16, 14);
    RECT rc = {0, 0, 16, 14};
    // Raised: light top-left, dark bottom-right. Pushed: dark all round.
    DrawFrameControl(canvas.hdc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH);
    EXPECT_EQ(GetPixel(canvas.hdc, 0, 0), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(GetPixel(canvas.hdc, 15, 13), crDark);
    EXPECT_EQ(GetPixel(canvas.hdc, 8, 7), crFace);
    DrawFrameControl(canvas.hdc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    EXPECT_EQ(GetPixel(canvas.hdc, 0, 0), crDark);
    EXPECT_EQ(GetPixel(canvas.hdc, 15, 13), crDark);

    // The close button's cross runs through the face's centre; the corners of the face stay.
    DrawFrameControl(canvas.hdc, &rc, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    EXPECT_EQ(GetPixel(canvas.hdc, 7, 7), crText);
    EXPECT_EQ(GetPixel(canvas.hdc, 2, 2), crFace);
    DrawFrameControl(canvas.hdc, &rc, DFC_CAPTION, DFCS_CAPTIONMIN);
    EXPECT_EQ(GetPixel(canvas.hdc, 7, 7), crFace);
    EXPECT_FALSE(DrawFrameControl(canvas.hdc, &rc, 99, 0));
}

TEST(GdiFrameTest, SizeGripRidgesStayInTheBottomRightTriangle) {
    GDI_CANVAS canvas(13, 13);
    RECT rc = {0, 0, 13, 13};
    DrawFrameControl(canvas.hdc, &rc, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    const COLORREF crFace = GetSysColor(COLOR_BTNFACE);
    int nRidgePixels = 0;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x) {
            if (GetPixel(canvas.hdc, x, y) == crFace)
                continue;
            ++nRidgePixels;
            EXPECT_GE(x + y, 12) << x << "," << y;  // on or below the anti-diagonal
        }
    EXPECT_GT(nRidgePixels, 12);
}

}  // namespace
