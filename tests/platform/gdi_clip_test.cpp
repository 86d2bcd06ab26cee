// Regions and clipping: combining regions, and drawing only where the clip lets it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi_test_canvas.h"

namespace {

typedef std::vector<std::string> PICTURE;

void Fill_All_Black(HDC hdc) {
    RECT rc = {-10, -10, 100, 100};
    FillRect(hdc, &rc, (HBRUSH)GetStockObject(BLACK_BRUSH));
}

TEST(GdiClipTest, XorOfTwoRectanglesClipsToTheirSymmetricDifference) {
    GDI_CANVAS canvas(6, 6);
    HRGN hA = CreateRectRgn(0, 0, 4, 4);
    HRGN hB = CreateRectRgn(2, 2, 6, 6);
    HRGN hXor = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(hXor, hA, hB, RGN_XOR), COMPLEXREGION);
    EXPECT_EQ(SelectClipRgn(canvas.hdc, hXor), COMPLEXREGION);
    DeleteObject(hXor);  // the DC keeps its own copy
    Fill_All_Black(canvas.hdc);
    EXPECT_EQ(canvas.Picture(),
              PICTURE({"####..", "####..", "##..##", "##..##", "..####", "..####"}));
    RECT rcBox;
    EXPECT_EQ(GetClipBox(canvas.hdc, &rcBox), COMPLEXREGION);
    EXPECT_EQ(rcBox.left, 0);
    EXPECT_EQ(rcBox.bottom, 6);
    DeleteObject(hA);
    DeleteObject(hB);
}

TEST(GdiClipTest, CombineModesGiveTheExpectedPoints) {
    struct CASE {
        int nMode;
        int nKind;
        bool bInAOnly;  // (1,1)
        bool bInBoth;   // (3,3)
        bool bInBOnly;  // (5,5)
    };
    const CASE aCases[] = {
        {RGN_AND, SIMPLEREGION, false, true, false}, {RGN_OR, COMPLEXREGION, true, true, true},
        {RGN_XOR, COMPLEXREGION, true, false, true}, {RGN_DIFF, COMPLEXREGION, true, false, false},
        {RGN_COPY, SIMPLEREGION, true, true, false},
    };
    HRGN hA = CreateRectRgn(0, 0, 4, 4);
    HRGN hB = CreateRectRgn(2, 2, 6, 6);
    for (const CASE& c : aCases) {
        HRGN h = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(h, hA, hB, c.nMode), c.nKind) << c.nMode;
        EXPECT_EQ(PtInRegion(h, 1, 1) != 0, c.bInAOnly) << c.nMode;
        EXPECT_EQ(PtInRegion(h, 3, 3) != 0, c.bInBoth) << c.nMode;
        EXPECT_EQ(PtInRegion(h, 5, 5) != 0, c.bInBOnly) << c.nMode;
        EXPECT_FALSE(PtInRegion(h, 6, 6)) << c.nMode;  // right and bottom are outside
        DeleteObject(h);
    }
    // Moving and resetting a region.
    EXPECT_EQ(OffsetRgn(hA, 10, 0), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(hA, 13, 0));
    EXPECT_FALSE(PtInRegion(hA, 3, 0));
    SetRectRgn(hA, 5, 5, 5, 9);
    RECT rc;
    EXPECT_EQ(GetRgnBox(hA, &rc), NULLREGION);
    DeleteObject(hA);
    DeleteObject(hB);
}

TEST(GdiClipTest, PolygonRegionFillsPixelCentresInside) {
    GDI_CANVAS canvas(6, 5);
    const POINT aTriangle[] = {{0, 0}, {6, 0}, {0, 5}};
    HRGN h = CreatePolygonRgn(aTriangle, 3, ALTERNATE);
    FillRgn(canvas.hdc, h, (HBRUSH)GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(canvas.Picture(), PICTURE({"#####.", "####..", "###...", "##....", "#....."}));
    DeleteObject(h);
}

TEST(GdiClipTest, ClipRectanglesFollowTheViewportOrigin) {
    GDI_CANVAS canvas(6, 4);
    SetViewportOrgEx(canvas.hdc, 1, 1, nullptr);
    EXPECT_EQ(IntersectClipRect(canvas.hdc, 0, 0, 4, 2), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(canvas.hdc, 1, 0, 2, 1), COMPLEXREGION);
    RECT rcBox;
    GetClipBox(canvas.hdc, &rcBox);
    EXPECT_EQ(rcBox.left, 0);
    EXPECT_EQ(rcBox.right, 4);
    Fill_All_Black(canvas.hdc);
    EXPECT_EQ(canvas.Picture(), PICTURE({"......", ".#.##.", ".####.", "......"}));
    // Removing the clip region lets the whole bitmap be drawn again.
    SelectClipRgn(canvas.hdc, nullptr);
    Fill_All_Black(canvas.hdc);
    EXPECT_EQ(canvas.Picture()[0], "######");
}

}  // namespace
