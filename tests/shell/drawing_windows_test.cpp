#include "drawing_test_fixture.h"

namespace {

class DrawingWindowsTest : public DrawingTest {
protected:
    void TearDown() override {
        gAppFonts[APP_PROGRESS_WINDOW_SLOT] = NULL;
        DrawingTest::TearDown();
    }

    static HWND Make_Popup(int x, int y, int nWidth, int nHeight) {
        return CreateWindowExA(0, "DrawingTestWindow", "", WS_POPUP, x, y, nWidth, nHeight,
                               gMainWindow, NULL, Get_App_Instance(), NULL);
    }
};

// Centred on the main window; a progress window larger than it sits at its corner. The size
// is kept.
TEST_F(DrawingWindowsTest, TheProgressWindowIsCentredOnTheMainWindow) {
    RECT work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    struct {
        int nMainWidth, nMainHeight, nWidth, nHeight, nOffsetX, nOffsetY;
    } aCases[] = {{600, 400, 300, 100, 150, 150}, {200, 100, 300, 150, 0, 0}};
    for (const auto& c : aCases) {
        Make_Main_Window(c.nMainWidth, c.nMainHeight);
        MoveWindow(gMainWindow, work.left + 100, work.top + 50, c.nMainWidth, c.nMainHeight, FALSE);
        HWND hProgress = Make_Popup(0, 0, c.nWidth, c.nHeight);
        gAppFonts[APP_PROGRESS_WINDOW_SLOT] = hProgress;
        Centre_Progress_Window();
        RECT rect;
        GetWindowRect(hProgress, &rect);
        EXPECT_EQ(rect.left, work.left + 100 + c.nOffsetX) << c.nMainWidth;
        EXPECT_EQ(rect.top, work.top + 50 + c.nOffsetY) << c.nMainWidth;
        EXPECT_EQ(rect.right - rect.left, c.nWidth);
        DestroyWindow(hProgress);
        DestroyWindow(gMainWindow);
        gMainWindow = NULL;
    }
}

TEST_F(DrawingWindowsTest, TheDialogFontReachesEveryChild) {
    Make_Main_Window(400, 300);
    HWND hChild = CreateWindowExA(0, "STATIC", "Label", WS_CHILD, 0, 0, 80, 20, gMainWindow, NULL,
                                  Get_App_Instance(), NULL);
    HFONT hFont = Take_App_Font(2);
    EnumChildWindows(gMainWindow, Set_Child_Font_Proc, (LPARAM)hFont);
    EXPECT_EQ((HFONT)SendMessageA(hChild, WM_GETFONT, 0, 0), hFont);
    Release_App_Font(hFont);
}

TEST_F(DrawingWindowsTest, TheReportWindowClassIsRegistered) {
    UnregisterClassA("ReportWindow", GetModuleHandleA(NULL));
    EXPECT_EQ(Register_Report_Window_Class(), 1);
    EXPECT_EQ(Register_Report_Window_Class(), 0);  // once only
    UnregisterClassA("ReportWindow", GetModuleHandleA(NULL));
}

}  // namespace
