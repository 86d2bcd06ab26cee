#include "drawing_test_fixture.h"
#include "shell/drawing_internal.h"

#include <vector>

namespace {

class DrawingNoiseTest : public DrawingTest {};

// Painting grain leaves the game's generator where it was, so a seeded league is the same.
TEST_F(DrawingNoiseTest, TheGamesRandomNumbersAreUntouched) {
    Seed_Random(12345);
    uint32_t uExpected = Random_Number();
    Seed_Random(12345);
    Make_Main_Window(1024, 676);
    Create_Back_Buffer(gMainWindow);
    HDC hDC = Get_Main_Window_DC();
    RECT rect = {10, 10, 60, 40};
    Draw_Noise_Around_Colour(&rect, hDC, RGB(100, 150, 200), 2, 2);
    Draw_Button_Noise(&rect, hDC, 0, 255, 0, 255, 0, 255, 1.5, 0.0);
    std::vector<unsigned char> aRows(30 * 12);
    const NOISE_CHANNEL aChannels[3] = {{0, 255}, {0, 255}, {0, 255}};
    Fill_Noise_Pixels(aRows.data(), 10, 10, 32, aChannels);
    Release_Main_Window_DC(hDC);
    EXPECT_EQ(Random_Number(), uExpected);
}

// Each pixel's channels lie on their ranges at one shared grain, written blue, green, red.
TEST_F(DrawingNoiseTest, PixelsFollowTheirRanges) {
    const int nWidth = 10, nHeight = 8, nStride = 32;
    std::vector<unsigned char> aRows(nStride * nHeight, 0xEE);
    const NOISE_CHANNEL aChannels[3] = {{115, 85}, {0, 255}, {200, 200}};  // red falls
    Seed_Cosmetic_Random(7);
    Fill_Noise_Pixels(aRows.data(), nWidth, nHeight, nStride, aChannels);
    bool bVaried = false;
    for (int y = 0; y < nHeight; y++) {
        for (int x = 0; x < nWidth; x++) {
            const unsigned char* p = &aRows[y * nStride + x * 3];
            int nGrain = p[1];  // green runs 0..255, so it is the grain itself
            EXPECT_EQ(p[0], 200);
            EXPECT_EQ(p[2], 115 + (85 - 115) * nGrain / 255);
            bVaried = bVaried || nGrain != aRows[1];
        }
        EXPECT_EQ(aRows[y * nStride + 30], 0xEE);  // the row's padding is left alone
    }
    EXPECT_TRUE(bVaried);
}

TEST_F(DrawingNoiseTest, TheSameSeedGivesTheSameGrain) {
    std::vector<unsigned char> aFirst(12 * 4), aSecond(12 * 4);
    const NOISE_CHANNEL aChannels[3] = {{0, 255}, {0, 255}, {0, 255}};
    Seed_Cosmetic_Random(99);
    Fill_Noise_Pixels(aFirst.data(), 4, 4, 12, aChannels);
    Seed_Cosmetic_Random(99);
    Fill_Noise_Pixels(aSecond.data(), 4, 4, 12, aChannels);
    EXPECT_EQ(aFirst, aSecond);
}

// ---- primitives ---------------------------------------------------------------------------------

class DrawingPrimitivesTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        Make_Main_Window(700, 500);  // under the design size: design units are pixels
        Create_Back_Buffer(gMainWindow);
        hDC = Get_Main_Window_DC();
        Fill_Rectangle(hDC, 0, 0, 700, 500, RGB(255, 255, 255));
    }
    void TearDown() override {
        Release_Main_Window_DC(hDC);
        DrawingTest::TearDown();
    }
    HDC hDC = NULL;
};

// Fill_Rectangle(0, 0, 9, 9) is Rectangle(0, 0, 10, 10); Fill_Solid_Rect starts one pixel out.
// Without a pen the layer's Rectangle leaves its right and bottom edges.
TEST_F(DrawingPrimitivesTest, FillsAndTheirEdges) {
    Fill_Rectangle(hDC, 0, 0, 9, 9, RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(hDC, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(hDC, 8, 8), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(hDC, 9, 9), RGB(255, 255, 255));
    RECT rect = {20, 20, 29, 29};
    Fill_Solid_Rect(&rect, hDC, RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(hDC, 19, 19), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(hDC, 28, 28), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(hDC, 29, 29), RGB(255, 255, 255));
    RECT oval = {40, 40, 60, 60};
    Fill_Ellipse(hDC, &oval, RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(hDC, 50, 50), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(hDC, 41, 41), RGB(255, 255, 255));
    EXPECT_STREQ(gRecentErrors, "");
}

TEST_F(DrawingPrimitivesTest, FramesAndLinesInTheDesignSpace) {
    RECT frame = {20, 20, 40, 30};
    Draw_Design_Rect_Frame_Colour(&frame, hDC, RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(hDC, 20, 25), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(hDC, 30, 20), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(hDC, 30, 25), RGB(255, 255, 255));  // the inside stays
    RECT inverted = {40, 20, 20, 30};
    Draw_Design_Rect_Frame(hDC, &inverted);
    EXPECT_TRUE(Error_Reported("Invalid rectangle generated in Copy_Enlarged_Rectangle"));
    RECT fill = {100, 100, 110, 110};
    Fill_Design_Rectangle(&fill, hDC, RGB(0, 128, 0));
    EXPECT_EQ(GetPixel(hDC, 100, 100), RGB(0, 128, 0));
    EXPECT_EQ(GetPixel(hDC, 109, 109), RGB(0, 128, 0));
    POINT aTriangle[3] = {{200, 200}, {240, 200}, {200, 240}};
    Fill_Polygon(aTriangle, hDC, 3, RGB(9, 9, 9));
    EXPECT_EQ(GetPixel(hDC, 205, 205), RGB(9, 9, 9));
    EXPECT_EQ(GetPixel(hDC, 238, 238), RGB(255, 255, 255));
}

}  // namespace
