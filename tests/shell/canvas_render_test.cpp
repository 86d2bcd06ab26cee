#include "canvas_test_support.h"

#include <stdlib.h>

#include <string>

namespace {

using canvas_test::CANVAS_BACK_BUFFER_SIZE;
using canvas_test::Canvas_Clear_Errors;
using canvas_test::CANVAS_PNG;
using canvas_test::Canvas_Read_Png;
using canvas_test::Canvas_Recent_Error_Has;
using canvas_test::CANVAS_TARGET;

struct CanvasRenderTest : ::testing::Test {
    PATH_CANVAS canvas;
    CANVAS_BACK_BUFFER_SIZE backBuffer{1024, 676};
    void SetUp() override {
        Test_Reset_Platform();
        Canvas_Clear_Errors();
        canvas.reset_canvas();
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    void Add_Filled_Square(double x, double y, double fSize, agg::rgba8 colour) {
        canvas.set_path_flags(PATH_FILL);
        canvas.set_fill_colour(colour);
        canvas.move_to(x, y);
        canvas.line_to(x + fSize, y);
        canvas.line_to(x + fSize, y + fSize);
        canvas.line_to(x, y + fSize);
        canvas.vertices.close_polygon();
        canvas.next_path();
    }
    void Expect_Vertex(unsigned nIndex, double x, double y) {
        double vx, vy;
        canvas.vertices.vertex(nIndex, &vx, &vy);
        EXPECT_NEAR(vx, x, 1e-9);
        EXPECT_NEAR(vy, y, 1e-9);
    }
};

// A scene of every kind of path: fills, a gradient, strokes with caps, dots, a wave, a shadow.
void Canvas_Draw_Golden_Scene(PATH_CANVAS& canvas, HDC hdc) {
    canvas.set_bounds(0, 0, 40, 30);
    canvas.shadow = 3;
    canvas.scale = 1.0;

    canvas_test::Canvas_Set_Gradient(canvas, agg::rgba8(255, 240, 120, 255),
                                     agg::rgba8(40, 90, 200, 255), 10, 10, 3);
    canvas.add_circle(10, 10, 8);
    canvas.next_path();

    canvas.set_path_flags(PATH_FILL | PATH_STROKE);
    canvas.set_fill_colour(agg::rgba8(110, 130, 50, 255));
    canvas.set_stroke_colour(agg::rgba8(0, 50, 80, 255));
    canvas.set_stroke_width(0.5);
    canvas.move_to(24, 3);
    canvas.line_to(37, 5);
    canvas.line_to(30, 14);
    canvas.vertices.close_polygon();
    canvas.next_path();

    canvas.set_path_flags(PATH_STROKE);
    canvas.set_stroke_colour(agg::rgba8(255, 0, 0, 255));
    canvas.set_stroke_width(0.6);
    canvas.set_line_cap(0);
    canvas.move_to(3, 22);
    canvas.vertices.curve4(10, 16, 16, 28, 22, 22);
    canvas.end_path();
    canvas.vertices.move_to(3, 26);
    canvas.vertices.line_to(22, 26);
    canvas.set_stroke_colour(agg::rgba8(0, 120, 0, 200));
    canvas.dot_path(1.0, 1.5);
    canvas.end_path();

    canvas.set_path_flags(PATH_STROKE);
    canvas.set_stroke_colour(agg::rgba8(69, 249, 255, 255));
    canvas.set_stroke_width(0.3);
    canvas.move_to(26, 18);
    canvas.line_to(38, 27);
    canvas.squiggle_path(0.75, 0.2, 0.25);
    canvas.render_paths(2, 2, 161, 121, 0.0, hdc);
}

TEST_F(CanvasRenderTest, SceneMatchesItsGoldenPicture) {
    CANVAS_TARGET target(164, 124, RGB(236, 230, 215));
    Canvas_Draw_Golden_Scene(canvas, target.surface.hdc);
    EXPECT_STREQ(Get_Recent_Errors(), "");
    ASSERT_EQ(Save_PNG_File(target.surface.pBits, "canvas_scene.png", 32, 164, 124), 1);

    const char* szSource = getenv("VANTO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr) << "VANTO_SOURCE_DIR is not set";
    const std::string stGolden = std::string(szSource) + "/tests/shell/golden/canvas_scene.png";
    CANVAS_PNG shot, golden;
    ASSERT_TRUE(Canvas_Read_Png("canvas_scene.png", &shot));
    ASSERT_TRUE(Canvas_Read_Png(stGolden, &golden)) << stGolden;
    ASSERT_EQ(shot.nWidth, golden.nWidth);
    ASSERT_EQ(shot.nHeight, golden.nHeight);
    size_t nDiffering = 0, nFirst = 0;
    for (size_t i = 0; i < shot.aRgba.size(); i++)
        if (abs(shot.aRgba[i] - golden.aRgba[i]) > 1 && nDiffering++ == 0)
            nFirst = i;
    EXPECT_EQ(nDiffering, 0u) << "first at (" << nFirst / 4 % 164 << ", " << nFirst / 4 / 164
                              << ")";
}

TEST_F(CanvasRenderTest, FitTheWidthScalesBothAxesAlike) {
    CANVAS_TARGET target(210, 210, RGB(255, 255, 255));
    canvas.set_path_flags(PATH_STROKE);
    canvas.move_to(0, 0);
    canvas.line_to(100, 50);
    canvas.fit_mode = 1;
    canvas.render_paths(0, 0, 200, 200, 0.0, target.surface.hdc);
    EXPECT_EQ(canvas.bounds_right, 100);  // measured and cached
    EXPECT_EQ(canvas.bounds_bottom, 50);
    Expect_Vertex(1, 200, 100);
}

TEST_F(CanvasRenderTest, MappingStretchesFlipsAndRotates) {
    const struct {
        int nFit, nFlip;
        double fAngle;
        double x, y;  // where (10, 2) of the box (-10, -2)..(10, 2) lands in 81 x 21
    } kCases[] = {
        {0, 0, 0, 80, 20},
        {0, 1, 0, 80, 0},
        {2, 0, 0, 100, 20},  // 20 / 4 on both axes
        {0, 0, 90, -20, 80},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nFit * 100 + c.nFlip * 10 + (int)c.fAngle);
        CANVAS_TARGET target(90, 90, RGB(255, 255, 255));
        canvas.reset_canvas();
        canvas.set_bounds(-10, -2, 10, 2);
        canvas.fit_mode = c.nFit;
        canvas.flip_y = c.nFlip;
        canvas.move_to(10, 2);
        canvas.line_to(-10, -2);
        canvas.render_paths(0, 0, 80, 20, c.fAngle, target.surface.hdc);
        Expect_Vertex(0, c.x, c.y);
    }
}

TEST_F(CanvasRenderTest, GradientRingsReflectOutwardFromTheCentre) {
    CANVAS_TARGET target(64, 8, RGB(0, 0, 0));
    canvas.set_bounds(0, 0, 64, 8);
    canvas_test::Canvas_Set_Gradient(canvas, agg::rgba8(255, 0, 0, 255), agg::rgba8(0, 0, 255, 255),
                                     0, 4, 16);
    canvas.move_to(0, 0);
    canvas.line_to(64, 0);
    canvas.line_to(64, 8);
    canvas.line_to(0, 8);
    canvas.render_paths(0, 0, 65, 9, 0.0, target.surface.hdc);
    auto Red = [&](int x) { return target.Pixel(x, 4)[2]; };
    auto Blue = [&](int x) { return target.Pixel(x, 4)[0]; };
    EXPECT_GT(Red(0), 240);    // the centre colour
    EXPECT_GT(Blue(16), 240);  // one ring out: the fill colour
    EXPECT_GT(Red(32), 230);   // and back again
    EXPECT_GT(Blue(48), 240);
    EXPECT_NEAR(Red(8), Blue(8), 12);  // halfway
    EXPECT_NEAR(Red(24), Red(8), 12);  // the reflection is symmetric
}

TEST_F(CanvasRenderTest, ShadowFallsTwoThirdsOfItsSizeRightAndDown) {
    CANVAS_TARGET target(60, 60, RGB(255, 255, 255));
    canvas.set_bounds(0, 0, 60, 60);
    canvas.shadow = 6;
    Add_Filled_Square(20, 20, 20, agg::rgba8(255, 255, 255, 255));
    canvas.render_paths(0, 0, 60, 60, 0.0, target.surface.hdc);
    // The square covers pixels 20..39; its blurred alpha, moved by 4, is centred on 33.5.
    EXPECT_EQ(target.Pixel(30, 30)[0], 255);
    for (int d : {15, 16}) {  // pixels either side of the square and its shadow
        SCOPED_TRACE(d);
        const int nNear = 34 - d, nFar = 33 + d;
        EXPECT_LT(target.Pixel(nFar, 33)[0], 255);
        EXPECT_NEAR(target.Pixel(nNear, 33)[0], target.Pixel(nFar, 33)[0], 1);
        EXPECT_NEAR(target.Pixel(33, nNear)[0], target.Pixel(33, nFar)[0], 1);
    }
    EXPECT_EQ(target.Pixel(10, 10)[0], 255);
}

TEST_F(CanvasRenderTest, InsanePathsAreSkippedAndTheOthersDrawn) {
    CANVAS_TARGET target(40, 40, RGB(255, 255, 255));
    canvas.set_bounds(0, 0, 1, 1);
    Add_Filled_Square(0, 0, 0.5, agg::rgba8(0, 0, 0, 255));
    canvas.set_path_flags(PATH_STROKE);
    canvas.set_stroke_width(0.1);
    canvas.move_to(0, 0);
    canvas.line_to(5000, 0);  // 155,000 pixels once mapped
    canvas.render_paths(0, 0, 31, 31, 0.0, target.surface.hdc);
    EXPECT_TRUE(Canvas_Recent_Error_Has("Path length is insane: 155000.000000"));
    EXPECT_EQ(target.Pixel(5, 5)[0], 0);     // the square
    EXPECT_EQ(target.Pixel(5, 0)[0], 0);     // inside the square still
    EXPECT_EQ(target.Pixel(25, 1)[0], 255);  // no stroke along the top
}

TEST_F(CanvasRenderTest, NothingIsDrawnBeyondTheBackBufferOrWithoutADc) {
    CANVAS_TARGET target(40, 40, RGB(255, 255, 255));
    gBackBufferWidth = 20;
    canvas.set_bounds(0, 0, 10, 10);
    Add_Filled_Square(0, 0, 10, agg::rgba8(0, 0, 0, 255));
    canvas.render_paths(0, 0, 22, 22, 0.0, target.surface.hdc);
    EXPECT_EQ(target.Pixel(5, 5)[0], 255);
    canvas.reset_canvas();
    canvas.set_bounds(0, 0, 10, 10);
    Add_Filled_Square(0, 0, 10, agg::rgba8(0, 0, 0, 255));
    canvas.render_paths(0, 0, 21, 21, 0.0, target.surface.hdc);
    EXPECT_EQ(target.Pixel(5, 5)[0], 0);

    HDC hOld = gMainWindowDC;
    gMainWindowDC = nullptr;
    canvas.render_paths(0, 0, 21, 21, 0.0, nullptr);  // no DC, no back buffer: nothing
    gMainWindowDC = hOld;
    EXPECT_STREQ(Get_Recent_Errors(), "");
}

TEST_F(CanvasRenderTest, AFlatBoxStillMapsToFiniteCoordinates) {
    CANVAS_TARGET target(40, 40, RGB(255, 255, 255));
    canvas.set_path_flags(PATH_STROKE);
    canvas.set_stroke_colour(agg::rgba8(0, 0, 0, 255));
    canvas.set_stroke_width(2);
    canvas.move_to(0, 5);
    canvas.line_to(10, 5);  // no height at all
    canvas.render_paths(0, 0, 31, 31, 0.0, target.surface.hdc);
    Expect_Vertex(1, 31, 0);
    EXPECT_LT(target.Pixel(15, 0)[0], 128);
}

}  // namespace
