// STATIC controls: text alignment and wrapping, the parent's colours, rectangles and etched
// lines, bitmaps, owner drawing and the click notifications of SS_NOTIFY.
#include "platform/control_fixture.h"

namespace {

using namespace control_fixture;

class ControlStaticTest : public ControlTest {
protected:
    const uint32_t kFace = Pixel_Of(GetSysColor(COLOR_BTNFACE));
    const RECT kAll = {0, 0, 1000, 1000};
};

TEST_F(ControlStaticTest, TextIsAlignedByStyle) {
    struct CASE {
        DWORD dwStyle;
        int nMinLeft, nMaxLeft;    // where the ink may start
        int nMinRight, nMaxRight;  // and end
    };
    const CASE kCases[] = {
        {SS_LEFT, 0, 3, 0, 60},         {SS_LEFTNOWORDWRAP, 0, 3, 0, 60}, {SS_SIMPLE, 0, 3, 0, 60},
        {SS_CENTER, 60, 100, 100, 140}, {SS_RIGHT, 140, 199, 196, 199},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.dwStyle);
        HWND h = Create("STATIC", "Mid", c.dwStyle, 10, 10, 200, 20);
        std::pair<int, int> ink = Snapshot(h).Ink(kFace, kAll, true);
        EXPECT_GE(ink.first, c.nMinLeft);
        EXPECT_LE(ink.first, c.nMaxLeft);
        EXPECT_GE(ink.second, c.nMinRight);
        EXPECT_LE(ink.second, c.nMaxRight);
        DestroyWindow(h);
    }
}

TEST_F(ControlStaticTest, LongTextWrapsUnlessNoWordWrap) {
    const char* szText = "one two three four five six seven";
    HWND hWrap = Create("STATIC", szText, SS_LEFT, 10, 10, 60, 80);
    HWND hNoWrap = Create("STATIC", szText, SS_LEFTNOWORDWRAP, 100, 10, 60, 80);
    std::pair<int, int> rowsWrap = Snapshot(hWrap).Ink(kFace, kAll, false);
    std::pair<int, int> rowsNoWrap = Snapshot(hNoWrap).Ink(kFace, kAll, false);
    EXPECT_LT(rowsNoWrap.second, 16);
    EXPECT_GT(rowsWrap.second, 30);
}

TEST_F(ControlStaticTest, ParentBrushAndTextColourAreUsed) {
    Parent().hColorBrush = CreateSolidBrush(RGB(255, 0, 0));
    Parent().crText = RGB(0, 0, 255);
    Parent().nBkMode = TRANSPARENT;
    HWND h = Create("STATIC", "WWW", SS_LEFT, 10, 10, 100, 20);
    PIXELS px = Snapshot(h);
    EXPECT_EQ(px.At(99, 19), 0xFF0000u);
    EXPECT_TRUE(px.Has(0x0000FFu));
    EXPECT_FALSE(px.Has(kFace));
    std::vector<PARENT_MESSAGE> a = Received(WM_CTLCOLORSTATIC);
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a.back().lParam, reinterpret_cast<LPARAM>(h));
    EXPECT_NE(a.back().wParam, 0u);
}

TEST_F(ControlStaticTest, RectanglesFramesAndEtchedLines) {
    struct CASE {
        DWORD dwStyle;
        int x, y;
        int nColor;
    };
    const CASE kCases[] = {
        {SS_BLACKRECT, 10, 5, COLOR_WINDOWFRAME}, {SS_GRAYRECT, 10, 5, COLOR_BTNSHADOW},
        {SS_WHITERECT, 10, 5, COLOR_WINDOW},      {SS_BLACKFRAME, 0, 5, COLOR_WINDOWFRAME},
        {SS_ETCHEDHORZ, 10, 0, COLOR_BTNSHADOW},  {SS_ETCHEDHORZ, 10, 1, COLOR_BTNHIGHLIGHT},
        {SS_ETCHEDFRAME, 0, 5, COLOR_BTNSHADOW},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.dwStyle);
        HWND h = Create("STATIC", "", c.dwStyle, 10, 10, 40, 12);
        EXPECT_EQ(Snapshot(h).At(c.x, c.y), Pixel_Of(GetSysColor(c.nColor)));
        DestroyWindow(h);
    }
}

TEST_F(ControlStaticTest, BitmapIsSetReadBackAndDrawn) {
    HWND h = Create("STATIC", "", SS_BITMAP, 10, 10, 20, 20);
    const uint32_t aRed[16] = {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000,
                               0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000,
                               0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000};
    HBITMAP hBitmap = CreateBitmap(4, 4, 1, 32, aRed);
    ASSERT_NE(hBitmap, nullptr);
    EXPECT_EQ(SendMessageA(h, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)), 0);
    EXPECT_EQ(SendMessageA(h, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(hBitmap));
    EXPECT_EQ(SendMessageA(h, STM_GETIMAGE, IMAGE_ICON, 0), 0);
    PIXELS px = Snapshot(h);
    EXPECT_EQ(px.At(2, 2), 0xFF0000u);
    EXPECT_EQ(px.At(10, 10), kFace);
    DestroyWindow(h);
    DeleteObject(hBitmap);
}

TEST_F(ControlStaticTest, OwnerDrawnStaticAsksTheParent) {
    HWND h = Create("STATIC", "", SS_OWNERDRAW, 10, 10, 30, 10, 12);
    EXPECT_EQ(Snapshot(h).At(15, 5), 0x00FF00u);
    std::vector<PARENT_MESSAGE> a = Received(WM_DRAWITEM);
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(a.back().drawItem.CtlType, static_cast<UINT>(ODT_STATIC));
    EXPECT_EQ(a.back().drawItem.CtlID, 12u);
    EXPECT_EQ(a.back().drawItem.hwndItem, h);
}

TEST_F(ControlStaticTest, ClicksNotifyOnlyWithSsNotify) {
    HWND hQuiet = Create("STATIC", "quiet", SS_LEFT, 10, 10, 60, 20, 21);
    HWND hNotify = Create("STATIC", "loud", SS_LEFT | SS_NOTIFY, 10, 40, 60, 20, 22);
    Click(hQuiet, 5, 5);
    Click(hNotify, 5, 5);
    Test_Send_Mouse(hNotify, WM_LBUTTONDBLCLK, 5, 5, MK_LBUTTON);
    Test_Send_Mouse(hNotify, WM_LBUTTONUP, 5, 5, 0);
    EXPECT_EQ(Commands(21, STN_CLICKED), 0);
    EXPECT_EQ(Commands(22, STN_CLICKED), 1);
    EXPECT_EQ(Commands(22, STN_DBLCLK), 1);
}

TEST_F(ControlStaticTest, PrefixUnderlinesUnlessNoPrefix) {
    HWND hPrefix = Create("STATIC", "&Ab", SS_LEFT, 10, 10, 60, 20);
    HWND hNoPrefix = Create("STATIC", "&Ab", SS_LEFT | SS_NOPREFIX, 10, 40, 60, 20);
    std::pair<int, int> prefix = Snapshot(hPrefix).Ink(kFace, kAll, true);
    std::pair<int, int> noPrefix = Snapshot(hNoPrefix).Ink(kFace, kAll, true);
    // Shown, the '&' widens the text.
    EXPECT_GT(noPrefix.second - noPrefix.first, prefix.second - prefix.first);
}

}  // namespace
