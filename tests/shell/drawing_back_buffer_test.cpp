#include "drawing_test_fixture.h"
#include "pages/pages.h"

namespace {

class DrawingBackBufferTest : public DrawingTest {};

TEST_F(DrawingBackBufferTest, NoBufferGivesNoDC) {
    EXPECT_EQ(Get_Main_Window_DC(), nullptr);
    EXPECT_EQ(Get_Back_Buffer_Use_Count(), 0);
}

TEST_F(DrawingBackBufferTest, TakesAndReleasesByCount) {
    ASSERT_NE(Make_Main_Window(1024, 700), nullptr);
    ASSERT_EQ(Create_Back_Buffer(gMainWindow), 1);
    HDC hFirst = Get_Main_Window_DC();
    HDC hSecond = Get_Main_Window_DC();
    ASSERT_NE(hFirst, nullptr);
    EXPECT_EQ(hFirst, hSecond);
    EXPECT_EQ(Get_Back_Buffer_Use_Count(), 2);
    Release_Main_Window_DC(hSecond);
    Release_Main_Window_DC(hFirst);
    EXPECT_EQ(Get_Back_Buffer_Use_Count(), 0);
    EXPECT_STREQ(gRecentErrors, "");
}

// Each take saves the DC's state and each release restores it.
TEST_F(DrawingBackBufferTest, ReleaseRestoresThePaintersState) {
    Make_Main_Window(1024, 700);
    Create_Back_Buffer(gMainWindow);
    HDC hDC = Get_Main_Window_DC();
    COLORREF before = GetTextColor(hDC);
    HDC hPainter = Get_Main_Window_DC();
    SetTextColor(hPainter, RGB(1, 2, 3));
    Release_Main_Window_DC(hPainter);
    EXPECT_EQ(GetTextColor(hDC), before);
    Release_Main_Window_DC(hDC);
}

TEST_F(DrawingBackBufferTest, OverReleaseIsReportedAndTheCountStaysBelowZero) {
    Make_Main_Window(1024, 700);
    Create_Back_Buffer(gMainWindow);
    HDC hDC = Get_Main_Window_DC();
    Release_Main_Window_DC(hDC);
    Release_Main_Window_DC(hDC);
    EXPECT_TRUE(
        Error_Reported("Trying to release MainWindow DC too many times!\n\nCount is at: -1"));
    EXPECT_EQ(Get_Back_Buffer_Use_Count(), -1);
    Clear_Errors();
    Destroy_Back_Buffer();
    EXPECT_TRUE(Error_Reported("Destroying MainWindow but Count is -1!"));
    EXPECT_EQ(Get_Back_Buffer_Use_Count(), 0);
}

TEST_F(DrawingBackBufferTest, DestroyingForcesTheNextPaint) {
    Make_Main_Window(1024, 700);
    Create_Back_Buffer(gMainWindow);
    HDC hDC = Get_Main_Window_DC();  // a painter that never gives it back
    (void)hDC;
    gLastPaintedPage = 40030;
    Destroy_Back_Buffer();
    EXPECT_TRUE(Error_Reported("Destroying MainWindow but Count is 1!"));
    EXPECT_EQ(gLastPaintedPage, -1);
    EXPECT_FALSE(Has_Back_Buffer());
    EXPECT_EQ(Get_Main_Window_DC(), nullptr);
}

// The bars come off the height only while a news page is shown.
TEST_F(DrawingBackBufferTest, SizeLessTheBarsOfANewsPage) {
    Make_Main_Window(1100, 800);
    struct {
        int nPage, bNewsBar, nHeight;
    } aCases[] = {{0, 1, 800}, {40030, 0, 764}, {40030, 1, 740}, {40086, 1, 740}};
    for (const auto& c : aCases) {
        gCurrentPage = c.nPage;
        gShowNewsTicker = c.bNewsBar;
        ASSERT_EQ(Create_Back_Buffer(gMainWindow), 1);
        RECT rect;
        Get_Back_Buffer_Rect(&rect);
        EXPECT_EQ(rect.right, 1100) << c.nPage;
        EXPECT_EQ(rect.bottom, c.nHeight) << c.nPage << " " << c.bNewsBar;
    }
    EXPECT_STREQ(gRecentErrors, "");
}

TEST_F(DrawingBackBufferTest, RectBeforeTheBufferIsReportedAndMeasured) {
    Make_Main_Window(1100, 800);
    gCurrentPage = 40032;
    RECT rect;
    Get_Back_Buffer_Rect(&rect);
    EXPECT_TRUE(Error_Reported("Trying to get MainWindow dimensions before MainWindow creation!"));
    EXPECT_EQ(rect.right, 1100);
    EXPECT_EQ(rect.bottom, 764);
}

}  // namespace
