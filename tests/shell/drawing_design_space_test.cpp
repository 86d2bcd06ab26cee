#include "drawing_test_fixture.h"

namespace {

class DrawingDesignSpaceTest : public DrawingTest {};

RECT Client(int nWidth, int nHeight) {
    return RECT{0, 0, nWidth, nHeight};
}

TEST_F(DrawingDesignSpaceTest, EachAxisScalesUpOnly) {
    struct {
        int nWidth, nHeight, nDesign, nX, nY;
    } aCases[] = {
        {700, 500, 100, 100, 100},   // under the design size: unchanged
        {768, 507, 507, 507, 507},   // the design size itself
        {1024, 676, 384, 512, 512},  // the reference size scales like any other
        {1024, 676, 100, 133, 133},  // 133.3 both ways, rounded
        {1536, 1014, 100, 200, 200}, {1536, 1014, 507, 1014, 1014},
        {2560, 600, 384, 1280, 454},  // a wide window: the axes differ
        {1025, 676, 3, 4, 4},         // 4.004 and 4.0
    };
    for (const auto& c : aCases) {
        RECT client = Client(c.nWidth, c.nHeight);
        EXPECT_EQ(Scale_Design_X(&client, c.nDesign), c.nX) << c.nWidth;
        EXPECT_EQ(Scale_Design_Y(&client, c.nDesign), c.nY) << c.nHeight;
    }
}

TEST_F(DrawingDesignSpaceTest, UnscaleIsTheInverse) {
    RECT client = Client(1536, 1014);
    EXPECT_EQ(Unscale_Design_Y(&client, 40), 20);
    EXPECT_EQ(Unscale_Design_Y(&client, 1014), 507);
    RECT small = Client(700, 500);
    EXPECT_EQ(Unscale_Design_Y(&small, 40), 40);
}

// The window's forms measure the client less the bars of a news page.
TEST_F(DrawingDesignSpaceTest, WindowFormsAtTheMinimumAndWideSizes) {
    Make_Main_Window(1024, 736);  // the page area of a news page with both bars: 1024 x 676
    gCurrentPage = 40030;
    gShowNewsTicker = 1;
    RECT rect = {0, 0, 768, 507};
    Scale_Design_Rect(&rect);
    EXPECT_EQ(rect.right, 1024);
    EXPECT_EQ(rect.bottom, 676);
    EXPECT_EQ(Scale_Design_X_To_Window(384), 512);
    EXPECT_EQ(Scale_Design_Y_To_Window(507), 676);
    POINT point = {768, 507};  // the whole client, bars included
    Scale_Design_Point(&point);
    EXPECT_EQ(point.x, 1024);
    EXPECT_EQ(point.y, 736);
    DestroyWindow(gMainWindow);
    gMainWindow = NULL;

    Make_Main_Window(1920, 736);
    RECT wide = {100, 10, 200, 20};
    Scale_Design_Rect(&wide);
    EXPECT_EQ(wide.left, 250);
    EXPECT_EQ(wide.right, 500);
    EXPECT_EQ(wide.top, 13);
    EXPECT_EQ(wide.bottom, 27);
    Scale_Client_Rect_To_Design(&wide);
    EXPECT_EQ(wide.left, 100);
    EXPECT_EQ(wide.right, 200);
    EXPECT_EQ(wide.top, 10);
    EXPECT_EQ(wide.bottom, 20);
}

TEST_F(DrawingDesignSpaceTest, AnInvertedRectangleIsReported) {
    Make_Main_Window(1536, 1014);
    RECT source = {50, 40, 10, 60};
    RECT scaled;
    EXPECT_EQ(Copy_Enlarged_Rectangle(&source, &scaled), -1);
    EXPECT_TRUE(
        Error_Reported("Invalid rectangle generated in "
                       "Copy_Enlarged_Rectangle(80,120,100,20 -> 40,60,50,10)"));
    RECT good = {10, 10, 20, 30};
    EXPECT_EQ(Copy_Enlarged_Rectangle(&good, &scaled), 40);
}

// ---- text in the design space -------------------------------------------------------------------

class DrawingDesignTextTest : public DrawingTest {
protected:
    HDC hSurface = NULL;
    HBITMAP hBitmap = NULL;
    HGDIOBJ hOldBitmap = NULL;

    void Make_Surface(int nWidth, int nHeight) {
        HDC hScreen = GetDC(NULL);
        hSurface = CreateCompatibleDC(hScreen);
        hBitmap = CreateCompatibleBitmap(hScreen, nWidth, nHeight);
        ReleaseDC(NULL, hScreen);
        hOldBitmap = SelectObject(hSurface, hBitmap);
        Fill_Rectangle(hSurface, 0, 0, nWidth, nHeight, RGB(255, 255, 255));
        SetBkMode(hSurface, TRANSPARENT);
        SetTextColor(hSurface, RGB(0, 0, 0));
    }

    // A main window and a surface of its size, with an application font selected.
    HFONT Prepare(int nWidth, int nHeight, int nFont) {
        Make_Main_Window(nWidth, nHeight);
        Make_Surface(nWidth, nHeight);
        HFONT hFont = Take_App_Font(nFont);
        SelectObject(hSurface, hFont);
        return hFont;
    }

    void TearDown() override {
        if (hSurface) {
            SelectObject(hSurface, hOldBitmap);
            DeleteObject(hBitmap);
            DeleteDC(hSurface);
        }
        DrawingTest::TearDown();
    }

    // The rightmost column holding a dark pixel, -1 for none.
    int Rightmost_Ink(int nWidth, int nHeight) {
        for (int x = nWidth - 1; x >= 0; x--)
            for (int y = 0; y < nHeight; y++)
                if (GetRValue(GetPixel(hSurface, x, y)) < 128)
                    return x;
        return -1;
    }
};

// At exactly 1024 x 676 the rectangle scales too, so right-aligned text ends near the window's
// right edge; unscaled it ends at the design rectangle's.
TEST_F(DrawingDesignTextTest, TextScalesAtTheReferenceSize) {
    HFONT hFont = Prepare(1024, 676, 5);
    RECT rect = {0, 0, 768, 30};
    Draw_Design_Text(hSurface, "Week 5", &rect, DT_RIGHT | DT_SINGLELINE, 1);
    EXPECT_GT(Rightmost_Ink(1024, 676), 1000);
    EXPECT_EQ(rect.right, 768);  // the caller's rectangle is left as it was
    Fill_Rectangle(hSurface, 0, 0, 1024, 676, RGB(255, 255, 255));
    Draw_Design_Text(hSurface, "Week 5", &rect, DT_RIGHT | DT_SINGLELINE, 0);
    int nRight = Rightmost_Ink(1024, 676);
    EXPECT_LT(nRight, 768);
    EXPECT_GT(nRight, 740);
    Release_App_Font(hFont);
}

// Scaled, the height drawn comes back in design units: half the pixels at twice the size.
TEST_F(DrawingDesignTextTest, HeightComesBackInDesignUnits) {
    HFONT hFont = Prepare(1536, 1014, 12);
    RECT rect = {0, 0, 300, 100};
    int nPixels = Draw_Design_Text(hSurface, "Standings", &rect, DT_LEFT | DT_SINGLELINE, 0);
    ASSERT_GT(nPixels, 10);
    EXPECT_EQ(Draw_Design_Text_Scaled(hSurface, "Standings", &rect, DT_LEFT | DT_SINGLELINE),
              (nPixels + 1) / 2);
    Release_App_Font(hFont);
}

TEST_F(DrawingDesignTextTest, ShadowIsBlackAndTheTextKeepsItsColour) {
    Make_Main_Window(700, 500);  // unscaled
    Make_Surface(200, 60);
    HFONT hFont = Take_App_Font(12);
    SelectObject(hSurface, hFont);
    SetTextColor(hSurface, RGB(255, 0, 0));
    RECT rect = {0, 0, 200, 60};
    Draw_Shadowed_Design_Text(hSurface, "I", &rect, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(GetTextColor(hSurface), RGB(255, 0, 0));
    bool bRed = false, bBlack = false;
    for (int x = 0; x < 60; x++)
        for (int y = 0; y < 60; y++) {
            COLORREF c = GetPixel(hSurface, x, y);
            bRed = bRed || c == RGB(255, 0, 0);
            bBlack = bBlack || c == RGB(0, 0, 0);
        }
    EXPECT_TRUE(bRed);
    EXPECT_TRUE(bBlack);
    Release_App_Font(hFont);
}

TEST_F(DrawingDesignTextTest, BestFontFitsTheRectangle) {
    Make_Main_Window(1024, 676);
    Make_Surface(400, 200);
    RECT large = {0, 0, 400, 200};
    EXPECT_EQ(Draw_Text_Best_Font(hSurface, &large, "Go", DT_CENTER, -1), 11);
    EXPECT_EQ(Draw_Text_Best_Font(hSurface, &large, "Go", DT_CENTER, 15), 15);
    EXPECT_EQ(Draw_Text_Best_Font(hSurface, &large, "Go", DT_CENTER, 9), 9);
    RECT tiny = {0, 0, 10, 5};
    EXPECT_EQ(Draw_Text_Best_Font(hSurface, &tiny, "A long line of text", DT_CENTER, -1), 1);
    RECT medium = {0, 0, 120, 200};
    int nFont = Draw_Text_Best_Font(hSurface, &medium, "Conference", DT_SINGLELINE, 15);
    EXPECT_NE(nFont, 15);
    EXPECT_NE(nFont, 1);
    for (int n = 0; n < APP_FONT_COUNT; n++)
        EXPECT_EQ(Get_App_Font_Use_Count(n), 0) << n;
}

}  // namespace
