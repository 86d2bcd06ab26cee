// Window geometry: the fixed frame metrics around the client area, coordinate conversions,
// SetWindowPos and the stacking order, frame drags with WM_SIZING, minimize and maximize with the
// saved placement, hit-testing, and the update rectangles that WM_PAINT comes from.
#include "platform/test_api.h"

#include <gtest/gtest.h>

#include <vector>

namespace window_geometry_test {

struct SEEN_MESSAGE {
    HWND hWnd;
    UINT uMsg;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<SEEN_MESSAGE> gMessages;
int gMinimumDragWidth = 0;  // WM_SIZING keeps the width at least this

LRESULT Geometry_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    gMessages.push_back({hWnd, uMsg, wParam, lParam});
    if (uMsg == WM_SIZING && gMinimumDragWidth) {
        RECT* pRect = reinterpret_cast<RECT*>(lParam);
        if (pRect->right - pRect->left < gMinimumDragWidth)
            pRect->right = pRect->left + gMinimumDragWidth;
        return TRUE;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

std::vector<UINT> Messages_Of(HWND hWnd) {
    std::vector<UINT> a;
    for (const SEEN_MESSAGE& m : gMessages)
        if (m.hWnd == hWnd)
            a.push_back(m.uMsg);
    return a;
}

const SEEN_MESSAGE* Last(HWND hWnd, UINT uMsg) {
    for (auto it = gMessages.rbegin(); it != gMessages.rend(); ++it)
        if (it->hWnd == hWnd && it->uMsg == uMsg)
            return &*it;
    return nullptr;
}

class WindowGeometryTest : public ::testing::Test {
protected:
    void SetUp() override {
        Test_Reset_Platform();
        gMessages.clear();
        gMinimumDragWidth = 0;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Geometry_Proc;
        wc.lpszClassName = "GeometryWindow";
        ASSERT_NE(RegisterClassA(&wc), 0u);
    }
    void TearDown() override {
        Test_Reset_Platform();
    }

    HWND Make(DWORD dwStyle, int x, int y, int cx, int cy, HWND hParent = nullptr,
              DWORD dwExStyle = 0) {
        HWND hWnd = CreateWindowExA(dwExStyle, "GeometryWindow", "w", dwStyle, x, y, cx, cy,
                                    hParent, nullptr, nullptr, nullptr);
        EXPECT_NE(hWnd, nullptr);
        return hWnd;
    }
};

struct FRAME_CASE {
    DWORD dwStyle;
    DWORD dwExStyle;
    RECT rcInsets;  // left, top, right, bottom
};

const FRAME_CASE kFrameCases[] = {
    {WS_OVERLAPPEDWINDOW, 0, {4, 27, 4, 4}},                 // sizing frame and caption
    {WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, {3, 26, 3, 3}},  // fixed frame and caption
    {WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, {3, 3, 3, 3}},  // border and client edge
    {WS_POPUP, WS_EX_DLGMODALFRAME, {3, 3, 3, 3}},           // dialog frame without caption
    {WS_POPUP, 0, {0, 0, 0, 0}},                             // nothing around the client
    {WS_POPUP | WS_THICKFRAME, WS_EX_STATICEDGE, {5, 5, 5, 5}},
};

TEST_F(WindowGeometryTest, FixedMetricsFrameTheClientArea) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 23);
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), 20);
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
    EXPECT_EQ(GetSystemMetrics(SM_CXDLGFRAME), 3);
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
    RECT rcWork;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0));
    EXPECT_EQ(rcWork.right - rcWork.left, 1920);

    for (const FRAME_CASE& c : kFrameCases) {
        HWND hWnd = Make(c.dwStyle, 100, 50, 400, 300, nullptr, c.dwExStyle);
        RECT rc;
        ASSERT_TRUE(GetClientRect(hWnd, &rc));
        EXPECT_EQ(rc.right, 400 - c.rcInsets.left - c.rcInsets.right) << std::hex << c.dwStyle;
        EXPECT_EQ(rc.bottom, 300 - c.rcInsets.top - c.rcInsets.bottom) << std::hex << c.dwStyle;
        POINT pt = {0, 0};
        ClientToScreen(hWnd, &pt);
        EXPECT_EQ(pt.x, 100 + c.rcInsets.left);
        EXPECT_EQ(pt.y, 50 + c.rcInsets.top);

        // The window rectangle a client size needs gives that client size back.
        RECT rcWanted = {0, 0, 640, 480};
        ASSERT_TRUE(AdjustWindowRectEx(&rcWanted, c.dwStyle, FALSE, c.dwExStyle));
        MoveWindow(hWnd, 0, 0, rcWanted.right - rcWanted.left, rcWanted.bottom - rcWanted.top,
                   TRUE);
        GetClientRect(hWnd, &rc);
        EXPECT_EQ(rc.right, 640);
        EXPECT_EQ(rc.bottom, 480);
        // A menu bar adds its height above the client area.
        RECT rcWithMenu = {0, 0, 640, 480};
        AdjustWindowRectEx(&rcWithMenu, c.dwStyle, TRUE, c.dwExStyle);
        EXPECT_EQ(rcWithMenu.top, rcWanted.top - 20);
        EXPECT_EQ(rcWithMenu.bottom, rcWanted.bottom);
    }
}

TEST_F(WindowGeometryTest, ChildCoordinatesGoThroughEveryFrame) {
    HWND hTop = Make(WS_OVERLAPPEDWINDOW, 100, 50, 500, 400);
    HWND hChild = Make(WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 20, 200, 100, hTop);
    HWND hInner = Make(WS_CHILD | WS_VISIBLE, 5, 6, 50, 40, hChild);

    POINT pt = {0, 0};
    ClientToScreen(hChild, &pt);
    EXPECT_EQ(pt.x, 100 + 4 + 10 + 1);
    EXPECT_EQ(pt.y, 50 + 27 + 20 + 1);
    POINT ptBack = pt;
    ScreenToClient(hChild, &ptBack);
    EXPECT_EQ(ptBack.x, 0);
    EXPECT_EQ(ptBack.y, 0);

    RECT rc;
    GetWindowRect(hInner, &rc);
    EXPECT_EQ(rc.left, pt.x + 5);
    EXPECT_EQ(rc.top, pt.y + 6);
    EXPECT_EQ(rc.right - rc.left, 50);

    POINT aPoints[2] = {{0, 0}, {3, 4}};
    int nOffset = MapWindowPoints(hInner, hTop, aPoints, 2);
    EXPECT_EQ(aPoints[0].x, 10 + 1 + 5);
    EXPECT_EQ(aPoints[1].y, 20 + 1 + 6 + 4);
    EXPECT_EQ(LOWORD(nOffset), 16);
    POINT ptScreen = {0, 0};
    MapWindowPoints(hInner, nullptr, &ptScreen, 1);  // null: the screen
    EXPECT_EQ(ptScreen.x, rc.left);

    // Hit-testing finds the deepest visible child; a hidden one lets the point through.
    POINT ptInner = {rc.left + 1, rc.top + 1};
    EXPECT_EQ(WindowFromPoint(ptInner), nullptr);  // its top-level window is hidden
    ShowWindow(hTop, SW_SHOW);
    EXPECT_EQ(WindowFromPoint(ptInner), hInner);
    ShowWindow(hInner, SW_HIDE);
    EXPECT_EQ(WindowFromPoint(ptInner), hChild);
    EXPECT_EQ(ChildWindowFromPoint(hTop, {11, 21}), hChild);
    EXPECT_EQ(ChildWindowFromPoint(hTop, {300, 300}), hTop);
    EXPECT_EQ(ChildWindowFromPoint(hTop, {-1, 0}), nullptr);
}

TEST_F(WindowGeometryTest, SetWindowPosHonoursItsFlags) {
    HWND hWnd = Make(WS_POPUP | WS_CAPTION, 10, 20, 200, 100);
    HWND hOther = Make(WS_POPUP, 0, 0, 10, 10);
    gMessages.clear();

    SetWindowPos(hWnd, nullptr, 500, 500, 300, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rc;
    GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc.left, 10);
    EXPECT_EQ(rc.right, 310);
    const SEEN_MESSAGE* pSize = Last(hWnd, WM_SIZE);
    ASSERT_NE(pSize, nullptr);
    EXPECT_EQ(pSize->wParam, static_cast<WPARAM>(SIZE_RESTORED));
    EXPECT_EQ(LOWORD(pSize->lParam), 300 - 6);
    EXPECT_EQ(HIWORD(pSize->lParam), 150 - 29);
    EXPECT_EQ(Last(hWnd, WM_MOVE), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);

    gMessages.clear();
    SetWindowPos(hWnd, nullptr, 40, 60, 1, 1, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc.left, 40);
    EXPECT_EQ(rc.bottom - rc.top, 150);
    EXPECT_EQ(Last(hWnd, WM_SIZE), nullptr);
    ASSERT_NE(Last(hWnd, WM_MOVE), nullptr);
    EXPECT_EQ(LOWORD(Last(hWnd, WM_MOVE)->lParam), 40 + 3);  // the client area's position
    EXPECT_TRUE(IsWindowVisible(hWnd));
    EXPECT_EQ(GetActiveWindow(), hWnd);  // without SWP_NOACTIVATE

    // Stacking: the newest window is on top until another is raised; a topmost window stays
    // above windows raised after it.
    EXPECT_EQ(GetWindow(hWnd, GW_HWNDFIRST), hOther);
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(hWnd, GW_HWNDFIRST), hWnd);
    EXPECT_EQ(GetWindow(hWnd, GW_HWNDNEXT), hOther);
    SetWindowPos(hOther, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(GetWindow(hWnd, GW_HWNDFIRST), hOther);
    SetWindowPos(hOther, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(GetWindow(hWnd, GW_HWNDFIRST), hOther);  // SWP_NOZORDER ignores the order asked
    EXPECT_EQ(GetWindow(hOther, GW_HWNDPREV), nullptr);
}

TEST_F(WindowGeometryTest, FrameDragAppliesTheRectangleWmSizingLeaves) {
    HWND hWnd = Make(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300);
    gMinimumDragWidth = 350;
    gMessages.clear();
    RECT rcApplied = Test_Drag_Window_Frame(hWnd, WMSZ_RIGHT, {0, 0, 200, 320});
    EXPECT_EQ(rcApplied.right, 350);
    RECT rc;
    GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc.right, 350);
    EXPECT_EQ(rc.bottom, 320);
    std::vector<UINT> aOrder;
    for (UINT u : Messages_Of(hWnd))
        if (u == WM_ENTERSIZEMOVE || u == WM_SIZING || u == WM_SIZE || u == WM_EXITSIZEMOVE)
            aOrder.push_back(u);
    EXPECT_EQ(aOrder, (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_SIZING, WM_SIZE, WM_EXITSIZEMOVE}));
    EXPECT_EQ(Last(hWnd, WM_SIZING)->wParam, static_cast<WPARAM>(WMSZ_RIGHT));
}

TEST_F(WindowGeometryTest, MinimizeMaximizeAndThePlacement) {
    HWND hWnd = Make(WS_OVERLAPPEDWINDOW, 30, 40, 400, 300);
    ShowWindow(hWnd, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(IsZoomed(hWnd));
    EXPECT_EQ(GetActiveWindow(), hWnd);
    RECT rc;
    GetClientRect(hWnd, &rc);
    EXPECT_EQ(rc.right, 1920);  // the sizing frame falls just outside the work area
    EXPECT_EQ(rc.bottom, 1080 - 23);
    EXPECT_EQ(Last(hWnd, WM_SIZE)->wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));

    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    ASSERT_TRUE(GetWindowPlacement(hWnd, &wp));
    EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(wp.rcNormalPosition.left, 30);
    EXPECT_EQ(wp.rcNormalPosition.right, 430);

    ShowWindow(hWnd, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(hWnd));
    EXPECT_FALSE(IsZoomed(hWnd));
    GetClientRect(hWnd, &rc);
    EXPECT_EQ(rc.right, 0);
    EXPECT_EQ(Last(hWnd, WM_SIZE)->wParam, static_cast<WPARAM>(SIZE_MINIMIZED));
    ShowWindow(hWnd, SW_RESTORE);  // back to where it was before: maximized
    EXPECT_TRUE(IsZoomed(hWnd));
    ShowWindow(hWnd, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(hWnd));
    GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc.left, 30);
    EXPECT_EQ(rc.bottom, 340);

    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = {5, 6, 105, 206};
    ASSERT_TRUE(SetWindowPlacement(hWnd, &wp));
    GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc.left, 5);
    EXPECT_EQ(rc.bottom, 206);
}

TEST_F(WindowGeometryTest, UpdateRectanglesUniteAndReachChildren) {
    HWND hTop = Make(WS_POPUP | WS_VISIBLE, 0, 0, 300, 200);
    HWND hChild = Make(WS_CHILD | WS_VISIBLE, 100, 100, 50, 50, hTop);
    ValidateRect(hTop, nullptr);
    ValidateRect(hChild, nullptr);
    RECT rc;
    EXPECT_FALSE(GetUpdateRect(hTop, &rc, FALSE));

    RECT a = {10, 10, 20, 20}, b = {50, 5, 60, 15};
    InvalidateRect(hTop, &a, FALSE);
    InvalidateRect(hTop, &b, FALSE);
    ASSERT_TRUE(GetUpdateRect(hTop, &rc, FALSE));
    EXPECT_EQ(rc.left, 10);
    EXPECT_EQ(rc.top, 5);
    EXPECT_EQ(rc.right, 60);
    EXPECT_EQ(rc.bottom, 20);
    EXPECT_FALSE(GetUpdateRect(hChild, &rc, FALSE));  // not under the rectangles

    // A rectangle over the child invalidates the part of the child under it, in its coordinates.
    RECT c = {120, 90, 200, 130};
    InvalidateRect(hTop, &c, TRUE);
    ASSERT_TRUE(GetUpdateRect(hChild, &rc, FALSE));
    EXPECT_EQ(rc.left, 20);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right, 50);
    EXPECT_EQ(rc.bottom, 30);

    // Validating the top band leaves the rest; validating a corner leaves the whole rectangle.
    RECT rcTopBand = {0, 0, 50, 10};
    ValidateRect(hChild, &rcTopBand);
    GetUpdateRect(hChild, &rc, FALSE);
    EXPECT_EQ(rc.top, 10);
    RECT rcCorner = {20, 10, 25, 15};
    ValidateRect(hChild, &rcCorner);
    GetUpdateRect(hChild, &rc, FALSE);
    EXPECT_EQ(rc.left, 20);
    EXPECT_EQ(rc.top, 10);

    // The erase flag asked for by any invalidation goes with the area; GetUpdateRect erases.
    gMessages.clear();
    GetUpdateRect(hTop, &rc, TRUE);
    EXPECT_EQ(Messages_Of(hTop), (std::vector<UINT>{WM_ERASEBKGND}));

    // RedrawWindow paints now, the children too with RDW_ALLCHILDREN.
    gMessages.clear();
    RedrawWindow(hTop, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(Messages_Of(hTop), (std::vector<UINT>{WM_PAINT}));
    // The child's area still carried an erase from before; BeginPaint does it.
    EXPECT_EQ(Messages_Of(hChild), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    EXPECT_FALSE(GetUpdateRect(hTop, &rc, FALSE));  // DefWindowProc validated
}

TEST_F(WindowGeometryTest, DesktopEnablingAndOwnership) {
    HWND hDesktop = GetDesktopWindow();
    RECT rc;
    ASSERT_TRUE(GetWindowRect(hDesktop, &rc));
    EXPECT_EQ(rc.right, 1920);
    EXPECT_FALSE(DestroyWindow(hDesktop));
    EXPECT_EQ(GetDesktopWindow(), hDesktop);

    HWND hOwner = Make(WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    HWND hPopup = Make(WS_POPUP | WS_CAPTION, 0, 0, 50, 50, hOwner);
    HWND hChild = Make(WS_CHILD, 0, 0, 10, 10, hOwner);
    EXPECT_EQ(GetWindow(hPopup, GW_OWNER), hOwner);
    EXPECT_EQ(GetWindow(hChild, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindow(hOwner, GW_CHILD), hChild);  // owned windows are not children

    SetFocus(hChild);
    EXPECT_FALSE(EnableWindow(hChild, FALSE));
    EXPECT_FALSE(IsWindowEnabled(hChild));
    EXPECT_EQ(GetFocus(), nullptr);  // a disabled window loses the focus
    EXPECT_EQ(Last(hChild, WM_ENABLE)->wParam, static_cast<WPARAM>(FALSE));
    EXPECT_TRUE(EnableWindow(hChild, TRUE));
}

}  // namespace window_geometry_test
