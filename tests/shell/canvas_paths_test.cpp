#include "canvas_test_support.h"

#include <math.h>

#include <string>

namespace {

using canvas_test::Canvas_Clear_Errors;
using canvas_test::Canvas_Recent_Error_Has;

struct CanvasPathsTest : ::testing::Test {
    PATH_CANVAS canvas;
    void SetUp() override {
        Test_Reset_Platform();
        Canvas_Clear_Errors();
        canvas.reset_canvas();
    }
    void TearDown() override {
        gCommandLineFlags = 0;
    }

    // A stroked straight path from (0, 0) to (fLength, 0) as the current path.
    void Add_Stroked_Line(double fLength, double fWidth) {
        canvas.set_path_flags(PATH_STROKE);
        canvas.set_stroke_colour(agg::rgba8(255, 0, 0, 255));
        canvas.set_stroke_width(fWidth);
        canvas.move_to(0, 0);
        canvas.line_to(fLength, 0);
    }
    // The commands of path nPath, up to its stop.
    int Count_Commands(int nPath, unsigned uKind) {
        int nCount = 0;
        double x, y;
        for (unsigned i = canvas.first_vertex[nPath]; i < canvas.vertices.total_vertices(); i++) {
            unsigned uCommand = canvas.vertices.vertex(i, &x, &y);
            if (agg::is_stop(uCommand))
                break;
            if ((uCommand & agg::path_cmd_mask) == uKind)
                nCount++;
        }
        return nCount;
    }
};

TEST_F(CanvasPathsTest, NewRecordsTakeTheDefaultsAndTheirOwnNumber) {
    EXPECT_EQ(canvas.path_count, 1);
    EXPECT_EQ(canvas.path_capacity, PATH_CAPACITY_STEP);
    const PATH_RECORD& record = canvas.records[0];
    EXPECT_EQ(record.line_cap, 2);
    EXPECT_EQ(record.line_join, 2);
    EXPECT_EQ(record.inner_join, 0);
    EXPECT_EQ(record.filling_rule, 0);
    EXPECT_EQ(record.comp_op, 3);
    EXPECT_EQ(record.flags, 0);
    EXPECT_EQ(record.stroke_width, 0.0);
    // An empty current path is reused; one with vertices gets a new slot numbered after it.
    EXPECT_EQ(canvas.next_path(), 0);
    canvas.move_to(1, 1);
    canvas.line_to(2, 2);
    EXPECT_EQ(canvas.next_path(), 1);
    EXPECT_EQ(canvas.records[1].path_id, 1);
    EXPECT_EQ(canvas.first_vertex[1], 3u);  // two vertices and the stop
}

TEST_F(CanvasPathsTest, SettersTakeTheScaleAndTheOverrideColour) {
    canvas.scale = 2.5;
    canvas.set_stroke_width(0.3);
    EXPECT_DOUBLE_EQ(canvas.records[0].stroke_width, 0.75);
    canvas.scale = 0;
    canvas.set_stroke_width(0.3);
    EXPECT_DOUBLE_EQ(canvas.records[0].stroke_width, 0.3);

    canvas.set_fill_colour(agg::rgba8(1, 2, 3, 255));
    EXPECT_EQ(canvas.records[0].fill_colour.b, 3);
    canvas.override_colour = 0xff2ea6aa;
    canvas.set_stroke_colour(agg::rgba8(255, 0, 0, 255));
    canvas.set_fill_colour(agg::rgba8(0, 255, 0, 255));
    for (agg::rgba8 c : {canvas.records[0].stroke_colour, canvas.records[0].fill_colour}) {
        EXPECT_EQ(c.r, 0xaa);
        EXPECT_EQ(c.g, 0xa6);
        EXPECT_EQ(c.b, 0x2e);
        EXPECT_EQ(c.a, 0xff);
    }
    canvas.override_colour = 0x00ffffff;  // no alpha: not in force
    canvas.set_stroke_colour(agg::rgba8(255, 0, 0, 255));
    EXPECT_EQ(canvas.records[0].stroke_colour.r, 255);
    EXPECT_EQ(canvas.records[0].stroke_colour.g, 0);
}

TEST_F(CanvasPathsTest, EndPathRepeatsThePreviousDrawnStyle) {
    canvas.scale = 2;
    Add_Stroked_Line(5, 2);
    canvas.records[0].line_cap = 0;
    const int nNext = canvas.end_path();
    ASSERT_EQ(nNext, 1);
    const PATH_RECORD& record = canvas.records[1];
    EXPECT_EQ(record.stroke_colour.r, 255);
    EXPECT_DOUBLE_EQ(record.stroke_width, 4.0);
    EXPECT_EQ(record.flags, PATH_STROKE);
    EXPECT_EQ(record.line_cap, 0);
    EXPECT_EQ(record.path_id, 1);  // keeps its own number
    // -2 reaches the path before the previous one.
    canvas.set_stroke_colour(agg::rgba8(0, 0, 255, 255));
    canvas.move_to(0, 0);
    canvas.line_to(1, 0);
    canvas.start_new_path(-2);
    EXPECT_EQ(canvas.records[2].stroke_colour.r, 255);
}

TEST_F(CanvasPathsTest, ArraysGrowByStepsAndKeepTheirRecords) {
    gCommandLineFlags = DTXT_AGG;
    Test_Clear_Debug_Output();
    for (int i = 0; i < 40; i++) {
        canvas.set_path_flags(PATH_STROKE);
        canvas.records[canvas.path_count - 1].unused = 100 + i;
        canvas.move_to(i, 0);
        canvas.line_to(i, 1);
        canvas.next_path();
    }
    EXPECT_EQ(canvas.path_count, 41);
    EXPECT_EQ(canvas.path_capacity, 64);
    for (int i = 0; i < 40; i++) {
        EXPECT_EQ(canvas.records[i].unused, 100 + i);
        EXPECT_EQ(canvas.first_vertex[i], (unsigned)i * 3);
    }
    EXPECT_EQ(canvas.records[40].comp_op, 3);  // a grown slot has the defaults
    const std::string& stDebug = Test_Get_Debug_Output();
    EXPECT_NE(stDebug.find("Increasing paths from 32 to 64"), std::string::npos);
    EXPECT_NE(stDebug.find("start_new_path(0) THIS=40"), std::string::npos);
    gCommandLineFlags = 0;
    Test_Clear_Debug_Output();
    canvas.next_path();
    EXPECT_EQ(Test_Get_Debug_Output(), "");  // traces only under DTXT_AGG
}

TEST_F(CanvasPathsTest, AnExtraPathBecomesADerivedPathAtTheNextStart) {
    Add_Stroked_Line(4, 1);
    canvas.extra_record.path_tag = 7;
    canvas.extra_record.flags = PATH_FILL;
    canvas.extra_record.fill_colour = agg::rgba8(9, 9, 9, 255);
    canvas.add_extra_circle(2, 2, 1);
    const int nNext = canvas.next_path();
    ASSERT_EQ(canvas.path_count, 3);
    EXPECT_EQ(nNext, 2);
    EXPECT_EQ(canvas.records[1].flags, PATH_FILL | PATH_DERIVED);
    EXPECT_EQ(canvas.records[1].path_tag, 7);
    EXPECT_EQ(Count_Commands(1, agg::path_cmd_move_to), 1);
    EXPECT_GT(Count_Commands(1, agg::path_cmd_curve4), 0);
    EXPECT_EQ(canvas.extra_vertices.total_vertices(), 0u);
    EXPECT_EQ(canvas.extra_record.path_tag, 0);
    EXPECT_EQ(canvas.extra_record.line_cap, 2);
    // The derived path does not count as the previous drawn one.
    canvas.move_to(0, 0);
    canvas.line_to(1, 1);
    canvas.end_path();
    EXPECT_EQ(canvas.records[3].flags, PATH_STROKE);
}

TEST_F(CanvasPathsTest, DotsFollowThePathAndReplaceIt) {
    Add_Stroked_Line(15, 1);
    canvas.dot_path(1.0, 1.5);
    ASSERT_EQ(canvas.path_count, 2);
    EXPECT_EQ(canvas.records[0].flags, PATH_REPLACED);
    const PATH_RECORD& dots = canvas.records[1];
    EXPECT_EQ(dots.flags, PATH_FILL);
    EXPECT_EQ(dots.fill_colour.r, 255);
    EXPECT_EQ(dots.fill_colour.a, 255);
    EXPECT_EQ(Count_Commands(1, agg::path_cmd_move_to), 11);  // n = 10, circles 0..10
    // The dots lie on the line, 1.5 apart, radius 0.5.
    RECT rc;
    agg::path_storage copy;
    copy.concat_path(canvas.vertices, canvas.first_vertex[1]);
    ASSERT_TRUE(Get_Canvas_Bounds(copy, &rc));
    EXPECT_EQ(rc.left, -1);
    EXPECT_EQ(rc.right, 16);
    EXPECT_EQ(rc.top, -1);
    EXPECT_EQ(rc.bottom, 1);
}

TEST_F(CanvasPathsTest, DottingIsRefusedWhereItCannotApply) {
    Add_Stroked_Line(15, 1);
    canvas.dot_path(1.0, 1.5);
    // The dotted path is the current one now: a filled shape.
    canvas.dot_path(1.0, 1.5);
    EXPECT_TRUE(Canvas_Recent_Error_Has("Trying to dot a filled shape!"));
    canvas.records[canvas.path_count - 1].flags = PATH_REPLACED;
    canvas.dot_path(1.0, 1.5);
    EXPECT_TRUE(Canvas_Recent_Error_Has("Trying to dot an already modified path!"));
    EXPECT_EQ(canvas.path_count, 2);

    const struct {
        double fLength, fWidth, fSpacing;
        const char* szError;
    } kCases[] = {
        {0.0, 1, 1.5, "Invalid path length for dots: 0.000000"},
        {10001.0, 1, 1.5, "Invalid path length for dots: 10001.000000"},
        {15.0, 0, 1.5, "Invalid spacing for dots: 0.000000"},
        {15.0, 1e-9, 1.5, "Invalid spacing for dots"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.szError);
        canvas.reset_canvas();
        Canvas_Clear_Errors();
        Add_Stroked_Line(c.fLength, c.fWidth);
        const unsigned nVertices = canvas.vertices.total_vertices();
        canvas.dot_path(1.0, c.fSpacing);
        EXPECT_TRUE(Canvas_Recent_Error_Has(c.szError));
        EXPECT_EQ(canvas.path_count, 1);
        EXPECT_EQ(canvas.records[0].flags, PATH_STROKE);
        EXPECT_EQ(canvas.vertices.total_vertices(), nVertices);
    }
}

TEST_F(CanvasPathsTest, SquiggleWavesEndAtThePathsEnd) {
    // 2.9 / 0.75 gives 3 half-waves, rounded up to 4 and stretched onto the path.
    Add_Stroked_Line(2.9, 0.3);
    canvas.records[0].line_cap = 0;
    canvas.squiggle_path(0.75, 0.2, 0.25);
    ASSERT_EQ(canvas.path_count, 2);
    EXPECT_EQ(canvas.records[0].flags, PATH_REPLACED);
    EXPECT_EQ(canvas.records[0].stroke_width, 0.0);
    EXPECT_EQ(canvas.records[0].stroke_colour.a, 0);
    const PATH_RECORD& wave = canvas.records[1];
    EXPECT_EQ(wave.flags, PATH_STROKE);
    EXPECT_DOUBLE_EQ(wave.stroke_width, 0.3);
    EXPECT_EQ(wave.stroke_colour.r, 255);
    EXPECT_EQ(wave.line_cap, 2);
    EXPECT_EQ(wave.inner_join, 3);
    double x, y;
    canvas.vertices.last_vertex(&x, &y);
    EXPECT_NEAR(x, 2.9, 1e-6);
    EXPECT_NEAR(y, 0.0, 1e-6);
    agg::path_storage copy;
    copy.concat_path(canvas.vertices, canvas.first_vertex[1]);
    RECT rc;
    Get_Canvas_Bounds(copy, &rc);
    EXPECT_EQ(rc.top, -1);  // the waves swing up and down
    EXPECT_EQ(rc.bottom, 1);
}

TEST_F(CanvasPathsTest, SquiggleRefusals) {
    Add_Stroked_Line(3, 1);
    canvas.records[0].flags = PATH_STROKE | PATH_REPLACED;
    canvas.squiggle_path(0.75, 0.2, 0.25);
    EXPECT_TRUE(Canvas_Recent_Error_Has("Trying to squiggle an already squiggled path!"));
    canvas.records[0].flags = PATH_FILL;
    canvas.squiggle_path(0.75, 0.2, 0.25);
    EXPECT_TRUE(Canvas_Recent_Error_Has("Trying to squiggle a filled shape!"));
    canvas.reset_canvas();
    Add_Stroked_Line(0, 1);
    canvas.squiggle_path(0.75, 0.2, 0.25);
    EXPECT_TRUE(Canvas_Recent_Error_Has("Invalid path length for squiggle: 0.000000"));
    EXPECT_EQ(canvas.path_count, 1);
}

TEST_F(CanvasPathsTest, StarPointsAndRectOutline) {
    gPathStorage.remove_all();
    Add_Star(16, 16, 12.8, 5.33, 0);
    ASSERT_EQ(gPathStorage.total_vertices(), 7u);  // six vertices and the close
    double x, y;
    gPathStorage.vertex(0, &x, &y);  // straight up at the even radius
    EXPECT_NEAR(x, 16, 1e-9);
    EXPECT_NEAR(y, 16 - 5.33, 1e-9);
    gPathStorage.vertex(1, &x, &y);  // 60 degrees on, at the odd radius
    EXPECT_NEAR(x, 16 + 12.8 * cos(-30 * agg::pi / 180), 1e-9);
    EXPECT_NEAR(y, 16 + 12.8 * sin(-30 * agg::pi / 180), 1e-9);
    EXPECT_TRUE(agg::is_close(gPathStorage.command(6)));
    gPathStorage.remove_all();

    agg::path_storage outline;
    RECT rc = {1, 2, 5, 9};
    Add_Rect_Outline(outline, &rc);
    ASSERT_EQ(outline.total_vertices(), 5u);
    outline.vertex(2, &x, &y);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 9);
    outline.vertex(4, &x, &y);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);
}

TEST_F(CanvasPathsTest, ReleaseLeavesACanvasThatCanStartAgain) {
    Add_Stroked_Line(3, 1);
    canvas.release_paths();
    EXPECT_EQ(canvas.path_count, 0);
    EXPECT_EQ(canvas.records, nullptr);
    EXPECT_EQ(canvas.start_new_path(0), 0);  // grows afresh
    EXPECT_EQ(canvas.path_capacity, PATH_CAPACITY_STEP);
}

}  // namespace

namespace {

TEST(CanvasTextTest, PathTextOpensColouredPathsWithCommands) {
    PATH_CANVAS canvas;
    canvas.reset_canvas();
    const char* szText =
        "#FF8000\n"
        "W 50\n"
        "M 1,2 L 3 4 C 5 6 7 8 9 10 z\r\n"
        "#0000ff\n"
        "M -1.5 0 A 2 2 0 0 1 2.5 0\n";
    EXPECT_EQ(Parse_Path_Text(&canvas, szText), 2);
    ASSERT_EQ(canvas.path_count, 2);
    const PATH_RECORD& first = canvas.records[0];
    EXPECT_EQ(first.flags, PATH_FILL | PATH_STROKE);
    EXPECT_EQ(first.fill_colour.r, 255);
    EXPECT_EQ(first.fill_colour.g, 128);
    EXPECT_EQ(first.fill_colour.b, 0);
    EXPECT_EQ(first.stroke_colour.a, 255);
    EXPECT_EQ(first.stroke_colour.r, 0);
    EXPECT_DOUBLE_EQ(first.stroke_width, 0.5);
    EXPECT_EQ(canvas.records[1].fill_colour.b, 255);
    double x, y;
    EXPECT_EQ(canvas.vertices.vertex(0, &x, &y), (unsigned)agg::path_cmd_move_to);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);
    EXPECT_EQ(canvas.vertices.vertex(4, &x, &y), (unsigned)agg::path_cmd_curve4);
    EXPECT_EQ(x, 9);  // the curve's end point
    EXPECT_TRUE(agg::is_end_poly(canvas.vertices.command(5)));
    canvas.vertices.vertex(canvas.first_vertex[1], &x, &y);
    EXPECT_EQ(x, -1.5);
    canvas.vertices.last_vertex(&x, &y);
    EXPECT_DOUBLE_EQ(x, 2.5);
    EXPECT_TRUE(Is_Number_Char('-'));
    EXPECT_FALSE(Is_Number_Char(','));
}

TEST(CanvasTextTest, StarIconAndRandomGradientFillTheirBuffers) {
    uint8_t aIcon[STAR_ICON_SIZE * STAR_ICON_SIZE * 4] = {};
    Draw_Star_Icon(aIcon, STAR_ICON_SIZE * 4);
    const uint8_t* pCentre = &aIcon[(16 * STAR_ICON_SIZE + 16) * 4];
    EXPECT_EQ(pCentre[0], 50);  // blue, green, red of the fill
    EXPECT_EQ(pCentre[1], 130);
    EXPECT_EQ(pCentre[2], 110);
    EXPECT_EQ(pCentre[3], 255);
    EXPECT_EQ(aIcon[3], 0);  // a corner stays clear
    EXPECT_EQ(gPathStorage.total_vertices(), 0u);

    std::vector<uint8_t> aFirst(40 * 20 * 4), aSecond(40 * 20 * 4);
    Seed_Random(FIXED_RANDOM_SEED);
    Draw_Random_Radial_Gradient(aFirst.data(), 40, 20, 160);
    Seed_Random(FIXED_RANDOM_SEED);
    const agg::rgba8 inner = Rgba8_From_Word(Random_Number());
    Seed_Random(FIXED_RANDOM_SEED);
    Draw_Random_Radial_Gradient(aSecond.data(), 40, 20, 160);
    EXPECT_EQ(aFirst, aSecond);
    for (size_t i = 3; i < aFirst.size(); i += 4)
        ASSERT_EQ(aFirst[i], 255);
    const uint8_t* pMiddle = &aFirst[(10 * 40 + 20) * 4];
    EXPECT_NEAR(pMiddle[2], inner.r, 2);
    EXPECT_NEAR(pMiddle[1], inner.g, 2);
}

}  // namespace
