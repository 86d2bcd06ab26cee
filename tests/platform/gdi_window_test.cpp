// Window device contexts and painting: what a window's DC may draw over in its top-level
// surface, BeginPaint's clip and erase, and PNG pictures of windows read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi_test_canvas.h"
#include "platform/test_api.h"

namespace {

typedef std::vector<std::string> PICTURE;

struct PAINT_LOG {
    int nErase = 0;
    int nPaint = 0;
    PAINTSTRUCT last = {};
    LRESULT nEraseResult = 0;
};
PAINT_LOG gPaintLog;

// Paints the whole client area and far around it black, through BeginPaint.
LRESULT CALLBACK Black_Painter_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_ERASEBKGND) {
        ++gPaintLog.nErase;
        return gPaintLog.nEraseResult;
    }
    if (uMsg != WM_PAINT)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    ++gPaintLog.nPaint;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    RECT rc = {-50, -50, 100, 100};
    FillRect(hdc, &rc, (HBRUSH)GetStockObject(BLACK_BRUSH));
    gPaintLog.last = ps;
    EndPaint(hWnd, &ps);
    return 0;
}

class GdiWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        gPaintLog = PAINT_LOG();
        WNDCLASSA cls = {};
        cls.lpfnWndProc = Black_Painter_Proc;
        cls.lpszClassName = "GdiBlackPainter";
        RegisterClassA(&cls);
        // Windows that draw nothing themselves.
        WNDCLASSA plain = {};
        plain.lpfnWndProc = DefWindowProcA;
        plain.lpszClassName = "GdiPlainWindow";
        RegisterClassA(&plain);
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    // The window as a picture, through a PNG file.
    PICTURE Snapshot(HWND hWnd, bool bWhole) {
        const std::string stPath = "window.png";
        EXPECT_TRUE(Test_Snapshot_Window(hWnd, bWhole, stPath));
        int nWidth = 0, nHeight = 0;
        std::vector<uint32_t> pixels;
        EXPECT_TRUE(Test_Read_Png(stPath, &nWidth, &nHeight, &pixels));
        return GDI_CANVAS::Picture_Of(pixels, nWidth, nHeight);
    }

    // Fills the window's client area and its surroundings with the colour through GetDC.
    static void Fill_Through_Get_Dc(HWND hWnd, COLORREF cr) {
        HDC hdc = GetDC(hWnd);
        ASSERT_NE(hdc, nullptr);
        HBRUSH hBrush = CreateSolidBrush(cr);
        RECT rc = {-50, -50, 100, 100};
        FillRect(hdc, &rc, hBrush);
        DeleteObject(hBrush);
        EXPECT_EQ(ReleaseDC(hWnd, hdc), 1);
    }
};

TEST_F(GdiWindowTest, ClipChildrenKeepsTheParentsDrawingOffItsChildren) {
    struct CASE {
        DWORD dwStyle;
        PICTURE expected;
    };
    const CASE aCases[] = {
        {WS_CLIPCHILDREN, {"########", "##..####", "##..####", "########"}},
        {0, {"########", "########", "########", "########"}},
    };
    for (const CASE& c : aCases) {
        HWND hParent = CreateWindowExA(0, "GdiPlainWindow", "", WS_POPUP | c.dwStyle, 0, 0, 8, 4,
                                       nullptr, nullptr, nullptr, nullptr);
        HWND hChild = CreateWindowExA(0, "GdiPlainWindow", "", WS_CHILD | WS_VISIBLE, 2, 1, 2, 2,
                                      hParent, nullptr, nullptr, nullptr);
        ASSERT_TRUE(hParent && hChild);
        Fill_Through_Get_Dc(hParent, RGB(255, 255, 255));
        Fill_Through_Get_Dc(hChild, RGB(255, 255, 255));
        Fill_Through_Get_Dc(hParent, RGB(0, 0, 0));
        EXPECT_EQ(Snapshot(hParent, true), c.expected) << c.dwStyle;
        DestroyWindow(hParent);
    }
}

TEST_F(GdiWindowTest, ChildDcDrawsOnlyInsideTheChildOnTheTopLevelSurface) {
    HWND hParent = CreateWindowExA(0, "GdiPlainWindow", "", WS_POPUP, 0, 0, 6, 4, nullptr, nullptr,
                                   nullptr, nullptr);
    HWND hChild = CreateWindowExA(0, "GdiPlainWindow", "", WS_CHILD | WS_VISIBLE, 3, 2, 5, 5,
                                  hParent, nullptr, nullptr, nullptr);
    Fill_Through_Get_Dc(hParent, RGB(255, 255, 255));
    Fill_Through_Get_Dc(hChild, RGB(255, 0, 0));
    // The child pokes out of its parent; only the part inside is drawn.
    EXPECT_EQ(Snapshot(hParent, true), PICTURE({"......", "......", "...rrr", "...rrr"}));
    EXPECT_EQ(Snapshot(hChild, false), PICTURE({"rrr", "rrr"}));
}

TEST_F(GdiWindowTest, BeginPaintClipsToTheWindowAndErasesOnce) {
    HWND hParent = CreateWindowExA(0, "GdiPlainWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 6, 4,
                                   nullptr, nullptr, nullptr, nullptr);
    Fill_Through_Get_Dc(hParent, RGB(255, 255, 255));
    HWND hChild = CreateWindowExA(0, "GdiBlackPainter", "", WS_CHILD | WS_VISIBLE, 1, 1, 3, 2,
                                  hParent, nullptr, nullptr, nullptr);
    ASSERT_NE(hChild, nullptr);
    EXPECT_EQ(Snapshot(hParent, true), PICTURE({"......", ".###..", ".###..", "......"}));
    EXPECT_EQ(gPaintLog.nPaint, 1);
    EXPECT_EQ(gPaintLog.nErase, 1);
    EXPECT_TRUE(gPaintLog.last.fErase);  // the procedure did not erase
    EXPECT_EQ(gPaintLog.last.rcPaint.right, 3);
    EXPECT_EQ(gPaintLog.last.rcPaint.bottom, 2);

    // Nothing waits now: a paint gets an empty update area and draws nothing.
    Fill_Through_Get_Dc(hChild, RGB(255, 255, 255));
    gPaintLog.nEraseResult = 1;
    SendMessageA(hChild, WM_PAINT, 0, 0);
    EXPECT_EQ(gPaintLog.nErase, 1);
    EXPECT_EQ(gPaintLog.last.rcPaint.right, 0);
    EXPECT_EQ(Snapshot(hParent, true)[1], "......");

    // Invalidated again, the erase is the procedure's, so fErase is false.
    InvalidateRect(hChild, nullptr, TRUE);
    EXPECT_EQ(Snapshot(hParent, true)[1], ".###..");
    EXPECT_EQ(gPaintLog.nErase, 2);
    EXPECT_FALSE(gPaintLog.last.fErase);
}

TEST_F(GdiWindowTest, SnapshotsNeedAWindowAndAFile) {
    HWND hWnd = CreateWindowExA(0, "GdiPlainWindow", "", WS_POPUP, 0, 0, 3, 2, nullptr, nullptr,
                                nullptr, nullptr);
    Fill_Through_Get_Dc(hWnd, RGB(0, 0, 255));
    EXPECT_EQ(Snapshot(hWnd, false), PICTURE({"bbb", "bbb"}));
    EXPECT_FALSE(Test_Snapshot_Window(nullptr, false, "none.png"));
    EXPECT_FALSE(Test_Read_Png("missing.png", nullptr, nullptr, nullptr));
}

}  // namespace
