// The pixels of the menus: an open drop-down over the window in the menu colours, its highlighted
// item, grayed text and separator, and the window's own pixels back once it closes.
#include "menu_window_fixture.h"

#include <string>
#include <vector>

namespace menu_paint_test {

// Paints its client area white, so a closed drop-down's area shows whether it was repainted.
LRESULT White_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg != WM_PAINT)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    FillRect(hdc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(hWnd, &ps);
    return 0;
}

const uint32_t kWhite = 0xFFFFFF;
const uint32_t kMenu = 0xD4D0C8;       // COLOR_MENU
const uint32_t kHighlight = 0x0A246A;  // COLOR_HIGHLIGHT
const uint32_t kShadow = 0x808080;     // COLOR_BTNSHADOW

class MenuPaintTest : public ::testing::Test {
protected:
    HWND hWnd = nullptr;
    int nWidth = 0, nHeight = 0;
    std::vector<uint32_t> aPixels;

    void SetUp() override {
        Test_Reset_Platform();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = White_Window_Proc;
        wc.lpszClassName = "MenuPaintWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
        hWnd = CreateWindowExA(0, "MenuPaintWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               400, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(SetMenu(hWnd, LoadMenuA(nullptr, MAKEINTRESOURCEA(IDR_TEST_MENU))));
        Snapshot();  // the window paints itself before the menus open over it
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    void Snapshot() {
        ASSERT_TRUE(Test_Snapshot_Window(hWnd, true, "menu.png"));
        ASSERT_TRUE(Test_Read_Png("menu.png", &nWidth, &nHeight, &aPixels));
    }
    uint32_t Pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= nWidth || y >= nHeight)
            return 0xFF000000;
        return aPixels[static_cast<size_t>(y) * nWidth + x];
    }
    // The darkest pixel of a rectangle (the sum of its three channels).
    int Darkest(const RECT& rc) const {
        int nDarkest = 3 * 255;
        for (int y = rc.top; y < rc.bottom; y++)
            for (int x = rc.left; x < rc.right; x++) {
                uint32_t px = Pixel(x, y);
                nDarkest =
                    std::min<int>(nDarkest, (px >> 16 & 0xFF) + (px >> 8 & 0xFF) + (px & 0xFF));
            }
        return nDarkest;
    }
    RECT Item(int nPos) {
        RECT rc = {0, 0, 0, 0};
        EXPECT_TRUE(Test_Get_Open_Menu_Item_Rect(0, nPos, &rc));
        return rc;
    }
};

TEST_F(MenuPaintTest, AnOpenDropDownIsDrawnOverTheWindowAndGoesWhenItCloses) {
    Test_Menu_Key(hWnd, WM_SYSKEYDOWN, 'F');  // File, its first item highlighted
    RECT rcOpen = Item(0), rcSave = Item(1), rcSeparator = Item(2), rcExit = Item(4);
    Snapshot();
    int yMid = (rcOpen.top + rcOpen.bottom) / 2;
    EXPECT_EQ(Pixel(rcOpen.left + 3, yMid), kHighlight);
    EXPECT_EQ(Pixel(rcExit.left + 3, (rcExit.top + rcExit.bottom) / 2), kMenu);
    EXPECT_EQ(Pixel(rcSeparator.left + 5, (rcSeparator.top + rcSeparator.bottom) / 2 - 1), kShadow);
    EXPECT_EQ(Pixel(rcExit.right + 5, yMid), kWhite) << "the window beside the drop-down";
    // Enabled text is dark; grayed text has nothing darker than the gray.
    EXPECT_LT(Darkest(rcExit), 150);
    EXPECT_GE(Darkest(rcSave), 3 * 0x60);
    EXPECT_LT(Darkest(rcSave), 3 * 0xD0) << "but the grayed text is drawn";

    Test_Menu_Key(hWnd, WM_KEYDOWN, VK_ESCAPE);
    Snapshot();
    EXPECT_EQ(Pixel(rcOpen.left + 3, yMid), kWhite);
    EXPECT_EQ(Darkest(rcExit), 3 * 255);
}

TEST_F(MenuPaintTest, ADestroyedMenuLeavesNoDropDownBehind) {
    Test_Menu_Key(hWnd, WM_SYSKEYDOWN, 'F');
    RECT rcOpen = Item(0);
    DestroyMenu(GetMenu(hWnd));
    Snapshot();
    EXPECT_EQ(Pixel(rcOpen.left + 3, (rcOpen.top + rcOpen.bottom) / 2), kWhite);
}

TEST_F(MenuPaintTest, MovingTheHighlightRepaintsBothItems) {
    Test_Menu_Key(hWnd, WM_SYSKEYDOWN, 'F');
    Test_Menu_Key(hWnd, WM_KEYDOWN, VK_DOWN);  // past the grayed and the separator: &Recent
    RECT rcOpen = Item(0), rcRecent = Item(3);
    Snapshot();
    EXPECT_EQ(Pixel(rcOpen.left + 3, (rcOpen.top + rcOpen.bottom) / 2), kMenu);
    EXPECT_EQ(Pixel(rcRecent.left + 3, (rcRecent.top + rcRecent.bottom) / 2), kHighlight);
}

TEST_F(MenuPaintTest, APopupIsDrawnOverAWindowWithoutABarAndGoesWhenDismissed) {
    ASSERT_TRUE(SetMenu(hWnd, nullptr));
    Snapshot();
    HMENU hPopup = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(hPopup, MF_STRING, 1, "&Pass"));
    ASSERT_TRUE(AppendMenuA(hPopup, MF_STRING, 2, "&Run"));
    ASSERT_TRUE(Test_Begin_Popup_Loop(hPopup, TPM_RETURNCMD, {100, 100}, hWnd));
    Test_Menu_Key(hWnd, WM_KEYDOWN, VK_DOWN);
    RECT rcPass = Item(0), rcRun = Item(1);
    Snapshot();
    EXPECT_EQ(Pixel(rcPass.left + 3, (rcPass.top + rcPass.bottom) / 2), kHighlight);
    EXPECT_EQ(Pixel(rcRun.left + 3, (rcRun.top + rcRun.bottom) / 2), kMenu);

    Test_Menu_Key(hWnd, WM_KEYDOWN, VK_ESCAPE);
    Snapshot();
    EXPECT_EQ(Pixel(rcPass.left + 3, (rcPass.top + rcPass.bottom) / 2), kWhite);
    EXPECT_EQ(Pixel(rcRun.left + 3, (rcRun.top + rcRun.bottom) / 2), kWhite);
    DestroyMenu(hPopup);
}

}  // namespace menu_paint_test
