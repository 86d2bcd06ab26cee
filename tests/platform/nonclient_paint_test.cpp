// The frame the layer draws around windows: the caption bar in the active or inactive caption
// colour with its title, the raised frame and the sunken client edge, seen in whole-window
// snapshots.
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nonclient_paint_test {

struct PICTURE {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint32_t> aPixels;  // 0x00RRGGBB
    uint32_t At(int x, int y) const {
        return aPixels[static_cast<size_t>(y) * nWidth + x];
    }
};

uint32_t Rgb_Of_System_Colour(int nIndex) {
    COLORREF c = GetSysColor(nIndex);
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

const RECT kJustTheBorder = {8, 8, 12, 30};  // the child's left border and no client pixel

class NonclientPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "FramedWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    PICTURE Whole(HWND hWnd) {
        PICTURE p;
        EXPECT_TRUE(Test_Snapshot_Window(hWnd, true, "whole.png"));
        EXPECT_TRUE(Test_Read_Png("whole.png", &p.nWidth, &p.nHeight, &p.aPixels));
        return p;
    }
};

TEST_F(NonclientPaintTest, CaptionFollowsActivationAndShowsTheTitle) {
    HWND hWnd = CreateWindowExA(0, "FramedWindow", "Scores",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 200, 100,
                                nullptr, nullptr, nullptr, nullptr);
    HWND hList = CreateWindowExA(WS_EX_CLIENTEDGE, "FramedWindow", "", WS_CHILD | WS_VISIBLE, 10,
                                 10, 50, 40, hWnd, nullptr, nullptr, nullptr);
    const int nCaptionY = 3 + 2;  // inside the fixed frame, near the caption's top
    PICTURE p = Whole(hWnd);
    ASSERT_EQ(p.nWidth, 200);
    EXPECT_EQ(p.At(100, nCaptionY), Rgb_Of_System_Colour(COLOR_INACTIVECAPTION));
    // The title's letters stand out from the bar.
    int nTextPixels = 0;
    for (int y = 3; y < 3 + 23; y++)
        for (int x = 4; x < 60; x++)
            if (p.At(x, y) != Rgb_Of_System_Colour(COLOR_INACTIVECAPTION))
                nTextPixels++;
    EXPECT_GT(nTextPixels, 10);
    // The raised frame: light at the top-left, dark at the bottom-right.
    EXPECT_NE(p.At(0, 50), p.At(199, 50));

    // The child's sunken edge sits just outside its client area.
    POINT pt = {0, 0};
    MapWindowPoints(hList, hWnd, &pt, 1);
    int xEdge = 3 + pt.x - 2, yEdge = 3 + 23 + pt.y - 2;
    EXPECT_EQ(p.At(xEdge, yEdge + 10), Rgb_Of_System_Colour(COLOR_BTNSHADOW));

    SetActiveWindow(hWnd);
    p = Whole(hWnd);
    EXPECT_EQ(p.At(100, nCaptionY), Rgb_Of_System_Colour(COLOR_ACTIVECAPTION));
}

// The parent's background painted again over a child's border brings the border back too.
TEST_F(NonclientPaintTest, RepaintingTheParentRedrawsTheChildsBorder) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = "FilledWindow";
    ASSERT_NE(RegisterClassA(&wc), 0u);
    HWND hWnd = CreateWindowExA(0, "FilledWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 120, 80,
                                nullptr, nullptr, nullptr, nullptr);
    CreateWindowExA(0, "FramedWindow", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 60, 20, hWnd,
                    nullptr, nullptr, nullptr);
    const uint32_t kBorder = Rgb_Of_System_Colour(COLOR_WINDOWFRAME);
    ASSERT_NE(kBorder, Rgb_Of_System_Colour(COLOR_BTNFACE));
    EXPECT_EQ(Whole(hWnd).At(10, 20), kBorder);
    for (const RECT* pRect : {static_cast<const RECT*>(nullptr), &kJustTheBorder}) {
        InvalidateRect(hWnd, pRect, TRUE);
        EXPECT_EQ(Whole(hWnd).At(10, 20), kBorder);
    }
}

}  // namespace nonclient_paint_test
