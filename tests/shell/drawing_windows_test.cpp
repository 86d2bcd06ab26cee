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

TEST_F(DrawingWindowsTest, TheProgressWindowIsCentredOnTheMainWindow) {
    RECT work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    Make_Main_Window(600, 400);
    MoveWindow(gMainWindow, work.left + 100, work.top + 50, 600, 400, FALSE);
    HWND hProgress = Make_Popup(0, 0, 300, 100);
    gAppFonts[APP_PROGRESS_WINDOW_SLOT] = hProgress;
    Centre_Progress_Window();
    RECT rect;
    GetWindowRect(hProgress, &rect);
    EXPECT_EQ(rect.left, work.left + 100 + 150);
    EXPECT_EQ(rect.top, work.top + 50 + 150);
    EXPECT_EQ(rect.right - rect.left, 300);  // the size is kept
    DestroyWindow(hProgress);
}

// A progress window larger than the main window sits at its corner.
TEST_F(DrawingWindowsTest, ALargerProgressWindowKeepsToTheCorner) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    Make_Main_Window(200, 100);
    MoveWindow(gMainWindow, work.left + 10, work.top + 10, 200, 100, FALSE);
    HWND hProgress = Make_Popup(0, 0, 300, 150);
    gAppFonts[APP_PROGRESS_WINDOW_SLOT] = hProgress;
    Centre_Progress_Window();
    RECT rect;
    GetWindowRect(hProgress, &rect);
    EXPECT_EQ(rect.left, work.left + 10);
    EXPECT_EQ(rect.top, work.top + 10);
    DestroyWindow(hProgress);
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
