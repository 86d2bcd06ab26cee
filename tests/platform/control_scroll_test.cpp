// Scroll bars (controls and windows' own bars), size grips and up-down arrows: the scroll state
// and its clamping, and the scroll messages clicks and drags send.
#include "platform/control_fixture.h"

namespace {

using namespace control_fixture;

class ControlScrollTest : public ControlTest {
protected:
    static SCROLLINFO Info(HWND h, int nBar) {
        SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        EXPECT_TRUE(GetScrollInfo(h, nBar, &info));
        return info;
    }
    // The scroll codes (and positions) the parent got, in order.
    static std::vector<std::pair<int, int>> Scrolls(UINT uMsg, HWND hFrom) {
        std::vector<std::pair<int, int>> a;
        for (const PARENT_MESSAGE& m : Received(uMsg)) {
            EXPECT_EQ(m.lParam, reinterpret_cast<LPARAM>(hFrom));
            a.push_back({LOWORD(m.wParam), static_cast<short>(HIWORD(m.wParam))});
        }
        return a;
    }
};

TEST_F(ControlScrollTest, ScrollInfoIsClampedToRangeAndPage) {
    struct CASE {
        UINT fMask;
        int nMin, nMax;
        UINT nPage;
        int nPos;
        int nExpectedPos;
        UINT nExpectedPage;
    };
    const CASE kCases[] = {
        {SIF_ALL, 0, 100, 10, 50, 50, 10},
        {SIF_ALL, 0, 100, 10, 200, 91, 10},  // the last page ends at the maximum
        {SIF_ALL, 0, 100, 0, 200, 100, 0},
        {SIF_ALL, 10, 20, 0, -5, 10, 0},
        {SIF_ALL, 0, 9, 50, 3, 0, 10},   // the page is at most the range
        {SIF_POS, 0, 0, 0, 95, 91, 10},  // the range and page kept from before
    };
    HWND h = Create("SCROLLBAR", "", SBS_VERT, 10, 10, 17, 120);
    for (const CASE& c : kCases) {
        SCROLLINFO in = {sizeof(SCROLLINFO), c.fMask, c.nMin, c.nMax, c.nPage, c.nPos, 0};
        if (c.fMask == SIF_POS) {
            SCROLLINFO setup = {sizeof(SCROLLINFO), SIF_ALL, 0, 100, 10, 0, 0};
            SetScrollInfo(h, SB_CTL, &setup, TRUE);
        }
        EXPECT_EQ(SetScrollInfo(h, SB_CTL, &in, TRUE), c.nExpectedPos) << c.nPos;
        SCROLLINFO out = Info(h, SB_CTL);
        EXPECT_EQ(out.nPos, c.nExpectedPos);
        EXPECT_EQ(out.nPage, c.nExpectedPage);
    }
}

TEST_F(ControlScrollTest, WindowBarsAndControlKeepTheirOwnState) {
    HWND h = Create("SCROLLBAR", "", SBS_HORZ, 10, 10, 100, 17);
    int nMin = -1, nMax = -1;
    GetScrollRange(h, SB_CTL, &nMin, &nMax);
    EXPECT_EQ(nMax, 0);  // a control starts empty
    GetScrollRange(hParent, SB_VERT, &nMin, &nMax);
    EXPECT_EQ(nMax, 100);  // a window's bar starts at 0..100
    SetScrollRange(hParent, SB_VERT, 0, 50, FALSE);
    EXPECT_EQ(SetScrollPos(hParent, SB_VERT, 30, FALSE), 0);
    EXPECT_EQ(SetScrollPos(hParent, SB_VERT, 80, FALSE), 30);
    EXPECT_EQ(GetScrollPos(hParent, SB_VERT), 50);
    EXPECT_EQ(GetScrollPos(hParent, SB_HORZ), 0);
    EXPECT_EQ(SendMessageA(h, SBM_GETPOS, 0, 0), 0);
    SendMessageA(h, SBM_SETRANGE, 0, 10);
    SendMessageA(h, SBM_SETPOS, 7, TRUE);
    EXPECT_EQ(GetScrollPos(h, SB_CTL), 7);

    ShowScrollBar(hParent, SB_VERT, FALSE);
    EXPECT_FALSE(GetWindowLongPtrA(hParent, GWL_STYLE) & WS_VSCROLL);
    ShowScrollBar(hParent, SB_BOTH, TRUE);
    EXPECT_TRUE(GetWindowLongPtrA(hParent, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(GetWindowLongPtrA(hParent, GWL_STYLE) & WS_HSCROLL);
}

TEST_F(ControlScrollTest, ArrowAndPageClicksSendScrollCodes) {
    struct CASE {
        DWORD dwStyle;
        int nWidth, nHeight;
        int x, y;
        UINT uMsg;
        int nCode;
    };
    // Range 0..100, page 20, position 0: the thumb sits at the top (left) of the track.
    const CASE kCases[] = {
        {SBS_VERT, 17, 120, 8, 3, WM_VSCROLL, SB_LINEUP},
        {SBS_VERT, 17, 120, 8, 116, WM_VSCROLL, SB_LINEDOWN},
        {SBS_VERT, 17, 120, 8, 90, WM_VSCROLL, SB_PAGEDOWN},
        {SBS_HORZ, 120, 17, 3, 8, WM_HSCROLL, SB_LINELEFT},
        {SBS_HORZ, 120, 17, 90, 8, WM_HSCROLL, SB_PAGERIGHT},
    };
    for (const CASE& c : kCases) {
        SCOPED_TRACE(c.nCode);
        Parent().aReceived.clear();
        HWND h = Create("SCROLLBAR", "", c.dwStyle, 10, 10, c.nWidth, c.nHeight);
        SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 100, 20, 0, 0};
        SetScrollInfo(h, SB_CTL, &info, TRUE);
        Click(h, c.x, c.y);
        std::vector<std::pair<int, int>> a = Scrolls(c.uMsg, h);
        ASSERT_EQ(a.size(), 2u);
        EXPECT_EQ(a[0].first, c.nCode);
        EXPECT_EQ(a[1].first, SB_ENDSCROLL);
        DestroyWindow(h);
    }
    // The page above the thumb once it has moved down.
    Parent().aReceived.clear();
    HWND h = Create("SCROLLBAR", "", SBS_VERT, 10, 10, 17, 120);
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 100, 20, 81, 0};
    SetScrollInfo(h, SB_CTL, &info, TRUE);
    Click(h, 8, 25);
    ASSERT_FALSE(Scrolls(WM_VSCROLL, h).empty());
    EXPECT_EQ(Scrolls(WM_VSCROLL, h)[0].first, SB_PAGEUP);
}

TEST_F(ControlScrollTest, DisabledBarIgnoresClicks) {
    HWND h = Create("SCROLLBAR", "", SBS_VERT, 10, 10, 17, 120);
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 100, 20, 0, 0};
    SetScrollInfo(h, SB_CTL, &info, TRUE);
    EXPECT_TRUE(EnableScrollBar(h, SB_CTL, ESB_DISABLE_BOTH));
    Click(h, 8, 3);
    EXPECT_TRUE(Received(WM_VSCROLL).empty());
    EnableScrollBar(h, SB_CTL, ESB_ENABLE_BOTH);
    EnableWindow(h, FALSE);
    Click(h, 8, 3);
    EXPECT_TRUE(Received(WM_VSCROLL).empty());
    EnableWindow(h, TRUE);
    Click(h, 8, 3);
    EXPECT_EQ(Received(WM_VSCROLL).size(), 2u);
}

TEST_F(ControlScrollTest, ThumbDragTracksThenSetsThePosition) {
    HWND h = Create("SCROLLBAR", "", SBS_VERT, 10, 10, 17, 134);
    // Track 100 pixels, thumb 20, positions 0..80: a pixel of travel is one position.
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 99, 20, 0, 0};
    SetScrollInfo(h, SB_CTL, &info, TRUE);
    Test_Send_Mouse(h, WM_LBUTTONDOWN, 8, 20, MK_LBUTTON);
    Test_Send_Mouse(h, WM_MOUSEMOVE, 8, 60, MK_LBUTTON);
    Test_Send_Mouse(h, WM_MOUSEMOVE, 8, 500, MK_LBUTTON);
    Test_Send_Mouse(h, WM_LBUTTONUP, 8, 500, 0);
    std::vector<std::pair<int, int>> a = Scrolls(WM_VSCROLL, h);
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0], std::make_pair(SB_THUMBTRACK, 40));
    EXPECT_EQ(a[1], std::make_pair(SB_THUMBTRACK, 80));
    EXPECT_EQ(a[2], std::make_pair(SB_THUMBPOSITION, 80));
    EXPECT_EQ(a[3].first, SB_ENDSCROLL);
    EXPECT_EQ(Info(h, SB_CTL).nTrackPos, 80);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ControlScrollTest, SizeGripHitTestsAsCornerAndResizesItsWindow) {
    HWND hGrip = Create("SCROLLBAR", "", SBS_SIZEGRIP, 383, 283, 17, 17);
    EXPECT_EQ(SendMessageA(hGrip, WM_NCHITTEST, 0, 0), HTBOTTOMRIGHT);
    RECT rcBefore;
    GetWindowRect(hParent, &rcBefore);
    Test_Send_Mouse(hGrip, WM_LBUTTONDOWN, 8, 8, MK_LBUTTON);
    Test_Send_Mouse(hGrip, WM_MOUSEMOVE, 28, 18, MK_LBUTTON);
    Test_Send_Mouse(hGrip, WM_LBUTTONUP, 28, 18, 0);
    RECT rcAfter;
    GetWindowRect(hParent, &rcAfter);
    EXPECT_EQ(rcAfter.right - rcAfter.left, rcBefore.right - rcBefore.left + 20);
    EXPECT_EQ(rcAfter.bottom - rcAfter.top, rcBefore.bottom - rcBefore.top + 10);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ControlScrollTest, UpDownClicksReportTheClampedPosition) {
    HWND h = Create("msctls_updown32", "", 0, 10, 10, 16, 24);
    SendMessageA(h, UDM_SETRANGE, 0, MAKELPARAM(1, 0));
    EXPECT_EQ(SendMessageA(h, UDM_GETRANGE, 0, 0), MAKELONG(1, 0));
    // Up always gives 1, down always 0.
    const bool kUp[] = {true, true, false, false, true, false};
    for (bool bUp : kUp)
        Click(h, 8, bUp ? 3 : 20);
    std::vector<std::pair<int, int>> a = Scrolls(WM_VSCROLL, h);
    ASSERT_EQ(a.size(), 6u);
    for (size_t i = 0; i < a.size(); i++) {
        EXPECT_EQ(a[i].first, SB_THUMBPOSITION);
        EXPECT_EQ(a[i].second, kUp[i] ? 1 : 0) << i;
    }
    EXPECT_EQ(SendMessageA(h, UDM_GETPOS32, 0, 0), 0);

    SendMessageA(h, UDM_SETRANGE32, 5, 10);
    int nLow = 0, nHigh = 0;
    SendMessageA(h, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLow),
                 reinterpret_cast<LPARAM>(&nHigh));
    EXPECT_EQ(nLow, 5);
    EXPECT_EQ(nHigh, 10);
    SendMessageA(h, UDM_SETPOS32, 0, 99);
    EXPECT_EQ(SendMessageA(h, UDM_GETPOS, 0, 0), 10);
}

}  // namespace
