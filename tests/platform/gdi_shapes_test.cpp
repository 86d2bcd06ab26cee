// Shapes at their edges: which pixels rectangles, ellipses, polygons and lines touch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi_test_canvas.h"
#include "platform/test_api.h"

namespace {

typedef std::vector<std::string> PICTURE;

TEST(GdiShapesTest, RectangleWithoutPenFillsOnePixelLess) {
    struct CASE {
        RECT rc;
        PICTURE expected;
    };
    const CASE aCases[] = {
        {{0, 0, 9, 9},
         {"########..", "########..", "########..", "########..", "########..", "########..",
          "########..", "########..", "..........", ".........."}},
        {{-1, -1, 10, 10},
         {"#########.", "#########.", "#########.", "#########.", "#########.", "#########.",
          "#########.", "#########.", "#########.", ".........."}},
        {{3, 3, 3, 6},
         {"..........", "..........", "..........", "..........", "..........", "..........",
          "..........", "..........", "..........", ".........."}},
    };
    for (const CASE& c : aCases) {
        GDI_CANVAS canvas(10, 10);
        SelectObject(canvas.hdc, GetStockObject(NULL_PEN));
        SelectObject(canvas.hdc, GetStockObject(BLACK_BRUSH));
        Rectangle(canvas.hdc, c.rc.left, c.rc.top, c.rc.right, c.rc.bottom);
        EXPECT_EQ(canvas.Picture(), c.expected) << c.rc.left << "," << c.rc.top;
    }
}

TEST(GdiShapesTest, OutlinedRectangleKeepsTheBrushInside) {
    GDI_CANVAS canvas(7, 6);
    HPEN hPen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HBRUSH hBrush = CreateSolidBrush(RGB(0, 0, 255));
    SelectObject(canvas.hdc, hPen);
    SelectObject(canvas.hdc, hBrush);
    Rectangle(canvas.hdc, 1, 1, 6, 5);
    EXPECT_EQ(canvas.Picture(),
              PICTURE({".......", ".rrrrr.", ".rbbbr.", ".rbbbr.", ".rrrrr.", "......."}));
    // With the hollow brush only the frame is drawn.
    SelectObject(canvas.hdc, GetStockObject(HOLLOW_BRUSH));
    SelectObject(canvas.hdc, GetStockObject(BLACK_PEN));
    Rectangle(canvas.hdc, 0, 0, 3, 3);
    EXPECT_EQ(canvas.Picture()[1], "#r#rrr.");
    SelectObject(canvas.hdc, GetStockObject(BLACK_PEN));
    SelectObject(canvas.hdc, GetStockObject(WHITE_BRUSH));
    DeleteObject(hPen);
    DeleteObject(hBrush);
}

TEST(GdiShapesTest, EllipseTouchesEachSideOfItsBoxAndNoMore) {
    GDI_CANVAS canvas(12, 10);
    SelectObject(canvas.hdc, GetStockObject(BLACK_PEN));
    SelectObject(canvas.hdc, GetStockObject(WHITE_BRUSH));
    Ellipse(canvas.hdc, 1, 1, 11, 9);
    const PICTURE picture = canvas.Picture();
    auto column_has = [&](int x) {
        for (const std::string& row : picture)
            if (row[x] == '#')
                return true;
        return false;
    };
    EXPECT_EQ(picture[0], "............");
    EXPECT_EQ(picture[9], "............");
    EXPECT_NE(picture[1].find('#'), std::string::npos);
    EXPECT_NE(picture[8].find('#'), std::string::npos);
    EXPECT_FALSE(column_has(0));
    EXPECT_TRUE(column_has(1));
    EXPECT_TRUE(column_has(10));
    EXPECT_FALSE(column_has(11));
    // The corners of the box stay clear and the centre holds the brush, not the pen.
    EXPECT_EQ(picture[1][1], '.');
    EXPECT_EQ(picture[8][10], '.');
    EXPECT_EQ(picture[4][5], '.');
    EXPECT_EQ(picture[4][1], '#');
}

TEST(GdiShapesTest, StarIsHollowInTheMiddleOnlyWithAlternateFill) {
    // A five-pointed star drawn as one crossing polygon.
    const POINT aStar[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    struct CASE {
        int nMode;
        char cCentre;
    };
    for (const CASE& c : {CASE{ALTERNATE, '.'}, CASE{WINDING, '#'}}) {
        GDI_CANVAS canvas(21, 21);
        SelectObject(canvas.hdc, GetStockObject(NULL_PEN));
        SelectObject(canvas.hdc, GetStockObject(BLACK_BRUSH));
        if (c.nMode == WINDING) {
            EXPECT_EQ(SetPolyFillMode(canvas.hdc, WINDING), ALTERNATE);
        }
        Polygon(canvas.hdc, aStar, 5);
        const PICTURE picture = canvas.Picture();
        EXPECT_EQ(picture[10][10], c.cCentre) << c.nMode;
        EXPECT_EQ(picture[3][10], '#') << c.nMode;   // the top point
        EXPECT_EQ(picture[7][1], '#') << c.nMode;    // the left point
        EXPECT_EQ(picture[17][14], '#') << c.nMode;  // the lower right point
        EXPECT_EQ(picture[2][3], '.') << c.nMode;    // outside
    }
}

TEST(GdiShapesTest, LineToLeavesOutItsLastPixel) {
    struct CASE {
        POINT from;
        POINT to;
        PICTURE expected;
    };
    const CASE aCases[] = {
        {{0, 1}, {4, 1}, {".....", "####.", ".....", ".....", "....."}},
        {{4, 3}, {0, 3}, {".....", ".....", ".....", ".####", "....."}},
        {{2, 0}, {2, 4}, {"..#..", "..#..", "..#..", "..#..", "....."}},
        {{0, 0}, {4, 4}, {"#....", ".#...", "..#..", "...#.", "....."}},
        {{4, 0}, {0, 4}, {"....#", "...#.", "..#..", ".#...", "....."}},
    };
    for (const CASE& c : aCases) {
        GDI_CANVAS canvas(5, 5);
        MoveToEx(canvas.hdc, c.from.x, c.from.y, nullptr);
        LineTo(canvas.hdc, c.to.x, c.to.y);
        EXPECT_EQ(canvas.Picture(), c.expected) << c.from.x << "," << c.from.y;
    }
}

TEST(GdiShapesTest, SaveAndRestoreNestAndCountBackFromTheLatest) {
    GDI_CANVAS canvas(4, 4);
    HDC hdc = canvas.hdc;
    SetTextColor(hdc, RGB(1, 1, 1));
    EXPECT_EQ(SaveDC(hdc), 1);
    SetTextColor(hdc, RGB(2, 2, 2));
    SetViewportOrgEx(hdc, 1, 1, nullptr);
    IntersectClipRect(hdc, 0, 0, 1, 1);
    EXPECT_EQ(SaveDC(hdc), 2);
    SetTextColor(hdc, RGB(3, 3, 3));
    EXPECT_EQ(SaveDC(hdc), 3);
    SetTextColor(hdc, RGB(4, 4, 4));

    EXPECT_TRUE(RestoreDC(hdc, -1));  // back to level 3's state
    EXPECT_EQ(GetTextColor(hdc), RGB(3, 3, 3));
    EXPECT_TRUE(RestoreDC(hdc, 2));
    EXPECT_EQ(GetTextColor(hdc), RGB(2, 2, 2));
    // Level 2 kept the viewport and the clip: only device pixel (1,1) can be drawn.
    RECT rcAll = {-1, -1, 3, 3};
    FillRect(hdc, &rcAll, (HBRUSH)GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(canvas.Picture(), PICTURE({"....", ".#..", "....", "...."}));
    EXPECT_FALSE(RestoreDC(hdc, 2));  // used up
    EXPECT_TRUE(RestoreDC(hdc, -1));
    EXPECT_EQ(GetTextColor(hdc), RGB(1, 1, 1));
    POINT pt;
    GetViewportOrgEx(hdc, &pt);
    EXPECT_EQ(pt.x, 0);
    EXPECT_FALSE(RestoreDC(hdc, -1));
}

TEST(GdiShapesTest, SelectedObjectsCannotBeDeletedAndStockOnesSurvive) {
    Test_Reset_Platform();
    GDI_CANVAS canvas(2, 2);
    HPEN hPen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ hOld = SelectObject(canvas.hdc, hPen);
    EXPECT_EQ(hOld, GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(canvas.hdc, OBJ_PEN), hPen);
    EXPECT_FALSE(DeleteObject(hPen));
    SelectObject(canvas.hdc, hOld);
    LOGPEN log;
    EXPECT_EQ(GetObject(hPen, sizeof(log), &log), static_cast<int>(sizeof(log)));
    EXPECT_EQ(log.lopnColor, RGB(255, 0, 0));
    EXPECT_TRUE(DeleteObject(hPen));
    EXPECT_EQ(GetObjectType(hPen), 0u);
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), static_cast<DWORD>(OBJ_PEN));
}

}  // namespace
