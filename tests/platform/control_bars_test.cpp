// Progress bars (range, position, steps, colours and how far they fill) and status bars (parts,
// texts, their place along the parent's bottom, the minimum height, subclassing).
#include "platform/control_fixture.h"

namespace {

using namespace control_fixture;

class ControlBarsTest : public ControlTest {};

TEST_F(ControlBarsTest, ProgressFillsInProportionToThePosition) {
    struct CASE {
        DWORD dwStyle;
        int nPos;
        int nFill;  // pixels of bar colour along the middle row, inside the frame
    };
    // 104 pixels wide: 100 inside the frame. Blocks leave gaps, so only where the fill ends is
    // checked for them.
    const CASE kCases[] = {
        {PBS_SMOOTH, 0, 0},     {PBS_SMOOTH, 25, 25}, {PBS_SMOOTH, 50, 50},
        {PBS_SMOOTH, 100, 100}, {0, 50, 50},          {0, 100, 100},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.nPos);
        HWND h = Create("msctls_progress32", "", c.dwStyle, 10, 10, 104, 16);
        SendMessageA(h, PBM_SETBARCOLOR, 0, RGB(255, 0, 0));
        SendMessageA(h, PBM_SETPOS, static_cast<WPARAM>(c.nPos), 0);
        PIXELS px = Snapshot(h);
        int nCount = 0, nLast = -1;
        for (int x = 0; x < px.nWidth; x++) {
            if (px.At(x, 8) != 0xFF0000u)
                continue;
            nCount++;
            nLast = x;
        }
        int nEnd = c.nFill ? 2 + c.nFill - 1 : -1;
        if (c.dwStyle & PBS_SMOOTH) {
            EXPECT_EQ(nCount, c.nFill);
            EXPECT_EQ(nLast, nEnd);
        } else {
            // The last block may end in the gap before the fill's end.
            EXPECT_LE(nLast, nEnd);
            EXPECT_GE(nLast, nEnd - 2);
        }
        DestroyWindow(h);
    }
}

TEST_F(ControlBarsTest, ProgressRangeStepsAndClamping) {
    HWND h = Create("msctls_progress32", "", PBS_SMOOTH, 10, 10, 104, 16);
    EXPECT_EQ(SendMessageA(h, PBM_SETRANGE, 0, MAKELPARAM(0, 50)), MAKELONG(0, 100));
    EXPECT_EQ(SendMessageA(h, PBM_SETRANGE32, 10, 60), MAKELONG(0, 50));
    PBRANGE range = {};
    EXPECT_EQ(SendMessageA(h, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 10);
    EXPECT_EQ(range.iHigh, 60);
    EXPECT_EQ(SendMessageA(h, PBM_GETPOS, 0, 0), 10);  // moved into the new range
    EXPECT_EQ(SendMessageA(h, PBM_SETPOS, 100, 0), 10);
    EXPECT_EQ(SendMessageA(h, PBM_GETPOS, 0, 0), 60);
    EXPECT_EQ(SendMessageA(h, PBM_DELTAPOS, static_cast<WPARAM>(-20), 0), 60);
    EXPECT_EQ(SendMessageA(h, PBM_SETSTEP, 15, 0), 10);
    SendMessageA(h, PBM_STEPIT, 0, 0);
    EXPECT_EQ(SendMessageA(h, PBM_GETPOS, 0, 0), 55);
    // Past the end, stepping starts over.
    SendMessageA(h, PBM_STEPIT, 0, 0);
    EXPECT_EQ(SendMessageA(h, PBM_GETPOS, 0, 0), 20);
}

TEST_F(ControlBarsTest, ProgressBackgroundColour) {
    HWND h = Create("msctls_progress32", "", PBS_SMOOTH, 10, 10, 104, 16);
    EXPECT_EQ(SendMessageA(h, PBM_SETBKCOLOR, 0, RGB(0, 0, 255)),
              static_cast<LRESULT>(CLR_DEFAULT));
    EXPECT_EQ(Snapshot(h).At(50, 8), 0x0000FFu);
}

TEST_F(ControlBarsTest, StatusPartsAndTexts) {
    HWND h = Create("msctls_statusbar32", "", 0, 0, 0, 0, 0);
    const int aRights[] = {100, 200, -1};
    EXPECT_TRUE(SendMessageA(h, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(aRights)));
    int aOut[3] = {};
    EXPECT_EQ(SendMessageA(h, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(aOut)), 3);
    EXPECT_EQ(aOut[1], 200);
    EXPECT_EQ(aOut[2], -1);
    EXPECT_TRUE(SendMessageA(h, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("Week 3")));
    EXPECT_TRUE(SendMessageA(h, SB_SETTEXTA, 2 | SBT_NOBORDERS, reinterpret_cast<LPARAM>("x")));
    EXPECT_FALSE(SendMessageA(h, SB_SETTEXTA, 3, reinterpret_cast<LPARAM>("none")));
    char sz[32] = {};
    EXPECT_EQ(SendMessageA(h, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(sz)), MAKELONG(6, 0));
    EXPECT_STREQ(sz, "Week 3");
    EXPECT_EQ(SendMessageA(h, SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(sz)),
              MAKELONG(1, SBT_NOBORDERS));
    RECT rc = {};
    EXPECT_TRUE(SendMessageA(h, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&rc)));
    EXPECT_EQ(rc.right, 200);
    EXPECT_GT(rc.left, 100);

    // The text is drawn inside its part only.
    const uint32_t kFace = Pixel_Of(GetSysColor(COLOR_BTNFACE));
    PIXELS px = Snapshot(h);
    std::pair<int, int> ink =
        px.Ink(kFace, {rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2}, true);
    EXPECT_GE(ink.first, rc.left);
    EXPECT_LT(ink.second, 160);
}

TEST_F(ControlBarsTest, StatusBarFollowsTheParentsBottomAndMinimumHeight) {
    HWND h = Create("msctls_statusbar32", "", SBARS_SIZEGRIP, 0, 0, 0, 0);
    RECT rcParent, rc;
    GetClientRect(hParent, &rcParent);
    auto Placed = [&]() {
        GetWindowRect(h, &rc);
        MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rc), 2);
    };
    Placed();
    EXPECT_EQ(rc.bottom, rcParent.bottom);
    EXPECT_EQ(rc.right, rcParent.right);
    int nHeight = rc.bottom - rc.top;
    EXPECT_GT(nHeight, 15);

    MoveWindow(hParent, 0, 0, 300, 200, TRUE);
    SendMessageA(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    GetClientRect(hParent, &rcParent);
    Placed();
    EXPECT_EQ(rc.bottom, rcParent.bottom);
    EXPECT_EQ(rc.right, 300);

    SendMessageA(h, SB_SETMINHEIGHT, 40, 0);
    SendMessageA(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    Placed();
    EXPECT_GE(rc.bottom - rc.top, 40);
    EXPECT_EQ(rc.bottom, rcParent.bottom);

    POINT ptGrip = {rc.right - 3, rc.bottom - 3};
    ClientToScreen(hParent, &ptGrip);
    EXPECT_EQ(SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(ptGrip.x, ptGrip.y)), HTBOTTOMRIGHT);
}

// A replacement procedure the game may put on a status bar.
WNDPROC gOldStatusProc = nullptr;
int gSubclassCalls = 0;
LRESULT Counting_Status_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == SB_SETTEXTA)
        gSubclassCalls++;
    return CallWindowProcA(gOldStatusProc, hWnd, uMsg, wParam, lParam);
}

TEST_F(ControlBarsTest, StatusBarCanBeSubclassed) {
    HWND h = Create("msctls_statusbar32", "", 0, 0, 0, 0, 0);
    gSubclassCalls = 0;
    gOldStatusProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Counting_Status_Proc)));
    ASSERT_NE(gOldStatusProc, nullptr);
    SendMessageA(h, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("hi"));
    EXPECT_EQ(gSubclassCalls, 1);
    char sz[8] = {};
    SendMessageA(h, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(sz));
    EXPECT_STREQ(sz, "hi");
}

TEST_F(ControlBarsTest, StatusSimpleModeShowsItsOwnText) {
    HWND h = Create("msctls_statusbar32", "", 0, 0, 0, 0, 0);
    SendMessageA(h, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("parts"));
    const uint32_t kFace = Pixel_Of(GetSysColor(COLOR_BTNFACE));
    const RECT kInside = {4, 4, 390, 16};
    std::pair<int, int> inkParts = Snapshot(h).Ink(kFace, kInside, true);
    SendMessageA(h, SB_SIMPLE, TRUE, 0);
    SendMessageA(h, SB_SETTEXTA, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>("a much longer simple text"));
    std::pair<int, int> inkSimple = Snapshot(h).Ink(kFace, kInside, true);
    EXPECT_GT(inkSimple.second, inkParts.second);
    char sz[32] = {};
    SendMessageA(h, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(sz));
    EXPECT_STREQ(sz, "parts");
}

}  // namespace
