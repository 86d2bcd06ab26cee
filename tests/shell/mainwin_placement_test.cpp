// The main window's minimum size and proportion, and its placement kept in the fame file.
#include <stdlib.h>

#include "shell/mainwin_fixture.h"

namespace {

int Width(const RECT& rc) {
    return (int)(rc.right - rc.left);
}

int Height(const RECT& rc) {
    return (int)(rc.bottom - rc.top);
}

// Within a pixel of the minimum window's proportion.
void Expect_Minimum_Proportion(const RECT& rc) {
    int nMinWidth, nMinHeight;
    Get_Main_Window_Min_Size(&nMinWidth, &nMinHeight);
    EXPECT_LE(std::abs(Width(rc) * nMinHeight - Height(rc) * nMinWidth), nMinWidth)
        << Width(rc) << " x " << Height(rc);
}

bool Inside(const RECT& rcInner, const RECT& rcOuter) {
    return rcInner.left >= rcOuter.left && rcInner.top >= rcOuter.top &&
           rcInner.right <= rcOuter.right && rcInner.bottom <= rcOuter.bottom;
}

using MainwinPlacementTest = MainwinTest;

TEST_F(MainwinPlacementTest, MinimumWindowHasTheMinimumClientArea) {
    Write_Fame_Rect(100, 80, 300, 200);
    HWND hWnd = Create_Window();
    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    EXPECT_EQ(Width(rcClient), MIN_CLIENT_WIDTH);
    // The minimum counts the main menu's bar, which a program without its menu resource lacks.
    EXPECT_EQ(Height(rcClient),
              MIN_CLIENT_HEIGHT + (GetMenu(hWnd) ? 0 : GetSystemMetrics(SM_CYMENU)));
    EXPECT_FALSE(IsZoomed(hWnd));
    RECT rcWindow;
    GetWindowRect(hWnd, &rcWindow);
    EXPECT_EQ(rcWindow.left, 100);
    EXPECT_EQ(rcWindow.top, 80);
}

TEST_F(MainwinPlacementTest, NoStoredRectangleOpensMaximised) {
    Write_Fame_Rect(0, 0, 0, 0);
    EXPECT_TRUE(IsZoomed(Create_Window()));
}

TEST_F(MainwinPlacementTest, MissingFameFileOpensMaximisedAndWritesNothing) {
    EXPECT_TRUE(IsZoomed(Create_Window()));
    Save_Window_Placement(gMainWindow);
    FILE* pFile = fopen("VntFame.dat", "rb");
    EXPECT_EQ(pFile, (FILE*)NULL);
    if (pFile)
        fclose(pFile);
}

TEST_F(MainwinPlacementTest, LowStoredRectangleIsEnlargedAndMadeProportional) {
    Write_Fame_Rect(50, 60, 1650, 360);
    HWND hWnd = Create_Window();
    RECT rc;
    GetWindowRect(hWnd, &rc);
    int nMinWidth, nMinHeight;
    Get_Main_Window_Min_Size(&nMinWidth, &nMinHeight);
    EXPECT_EQ(rc.left, 50);
    EXPECT_EQ(rc.top, 60);
    EXPECT_EQ(Height(rc), nMinHeight);
    Expect_Minimum_Proportion(rc);
}

// Rectangles of another screen layout or a damaged file come back whole on the work area.
TEST_F(MainwinPlacementTest, StoredRectangleOffTheWorkAreaIsMovedOntoIt) {
    const RECT aStored[] = {
        {5000, 3000, 6200, 3900},   // beyond the right and bottom
        {-3000, 200, -1800, 1000},  // left of the screen: right below 1 opens maximised
        {1700, -900, 2900, 0},      // above the top: bottom below 1 opens maximised
        {300, 200, 100000, 90000},  // larger than the screen
        {900, 500, 400, 100},       // right and bottom before left and top
    };
    for (const RECT& rcStored : aStored) {
        SCOPED_TRACE(testing::Message() << rcStored.left << "," << rcStored.top);
        Write_Fame_Rect(rcStored.left, rcStored.top, rcStored.right, rcStored.bottom);
        HWND hWnd = Create_Window();
        RECT rcWork;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
        if (!IsZoomed(hWnd)) {
            RECT rc;
            GetWindowRect(hWnd, &rc);
            EXPECT_TRUE(Inside(rc, rcWork))
                << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
            Expect_Minimum_Proportion(rc);
        }
        DestroyWindow(hWnd);
        gMainWindow = NULL;
    }
}

TEST_F(MainwinPlacementTest, SavedPlacementComesBackOnTheNextStart) {
    Write_Fame_Rect(120, 90, 1400, 1000);
    HWND hWnd = Create_Window();
    RECT rcBefore;
    GetWindowRect(hWnd, &rcBefore);
    MoveWindow(hWnd, 200, 150, Width(rcBefore), Height(rcBefore), TRUE);
    Save_Window_Placement(hWnd);
    RECT rcStored = Read_Fame_Rect();
    EXPECT_EQ(rcStored.left, 200);
    EXPECT_EQ(rcStored.top, 150);
    EXPECT_EQ(Width(rcStored), Width(rcBefore));
    DestroyWindow(hWnd);

    RECT rcLoaded;
    ASSERT_TRUE(Load_Window_Placement(&rcLoaded));
    EXPECT_EQ(memcmp(&rcLoaded, &rcStored, sizeof(RECT)), 0);
}

TEST_F(MainwinPlacementTest, MaximisedStoresZerosAndMinimisedStoresNothing) {
    Write_Fame_Rect(120, 90, 1400, 1000);
    HWND hWnd = Create_Window();
    ShowWindow(hWnd, SW_MINIMIZE);
    Save_Window_Placement(hWnd);
    EXPECT_EQ(Read_Fame_Rect().right, 1400);

    ShowWindow(hWnd, SW_SHOWMAXIMIZED);
    Save_Window_Placement(hWnd);
    RECT rc = Read_Fame_Rect();
    EXPECT_EQ(rc.left | rc.top | rc.right | rc.bottom, 0);
}

TEST_F(MainwinPlacementTest, SavingKeepsTheRestOfTheFameFile) {
    std::vector<uint8_t> abRecord(FAME_FILE_SIZE, 0x5A);
    memset(abRecord.data() + MAINWIN_PLACEMENT_OFFSET, 0, 16);
    ASSERT_TRUE(Write_Fame_File(abRecord.data()));

    HWND hWnd = Create_Window();
    ShowWindow(hWnd, SW_SHOWNORMAL);
    Save_Window_Placement(hWnd);
    std::vector<uint8_t> abAfter(FAME_FILE_SIZE, 0);
    ASSERT_TRUE(Read_Fame_File(abAfter.data()));
    EXPECT_EQ(memcmp(abAfter.data(), abRecord.data(), MAINWIN_PLACEMENT_OFFSET), 0);
}

struct MAINWIN_SIZING_CASE {
    int nEdge;
    bool bLeftFixed;  // else the right edge stays
    bool bTopFixed;   // else the bottom edge stays
};

// A rectangle dragged far below the minimum at each edge keeps the edges opposite the drag,
// reaches the minimum size and keeps the proportion.
TEST_F(MainwinPlacementTest, SizingKeepsMinimumAndProportionAtEveryEdge) {
    const MAINWIN_SIZING_CASE aCases[] = {
        {WMSZ_LEFT, false, true},       {WMSZ_RIGHT, true, true},       {WMSZ_TOP, true, false},
        {WMSZ_TOPLEFT, false, false},   {WMSZ_TOPRIGHT, true, false},   {WMSZ_BOTTOM, true, true},
        {WMSZ_BOTTOMLEFT, false, true}, {WMSZ_BOTTOMRIGHT, true, true},
    };
    Create_Window();
    int nMinWidth, nMinHeight;
    Get_Main_Window_Min_Size(&nMinWidth, &nMinHeight);
    for (const MAINWIN_SIZING_CASE& c : aCases) {
        SCOPED_TRACE(c.nEdge);
        const RECT rcDragged = {400, 300, 700, 500};
        RECT rc = rcDragged;
        EXPECT_TRUE(Clamp_Main_Window_Sizing(&rc, c.nEdge));
        EXPECT_EQ(c.bLeftFixed ? rc.left : rc.right,
                  c.bLeftFixed ? rcDragged.left : rcDragged.right);
        EXPECT_EQ(c.bTopFixed ? rc.top : rc.bottom, c.bTopFixed ? rcDragged.top : rcDragged.bottom);
        EXPECT_GE(Width(rc), nMinWidth - 1);
        EXPECT_GE(Height(rc), nMinHeight - 1);
        Expect_Minimum_Proportion(rc);
    }
}

TEST_F(MainwinPlacementTest, DraggingTheLeftEdgeRecomputesTheHeightFromTheWidth) {
    Create_Window();
    RECT rc = {100, 100, 2100, 900};
    Clamp_Main_Window_Sizing(&rc, WMSZ_LEFT);
    EXPECT_EQ(rc.right, 2100);
    EXPECT_EQ(rc.left, 100);
    EXPECT_EQ(rc.top, 100);
    Expect_Minimum_Proportion(rc);
    EXPECT_GT(Height(rc), 800);
}

TEST_F(MainwinPlacementTest, SizingWithoutMainWindowChangesNothing) {
    RECT rc = {0, 0, 10, 10};
    EXPECT_FALSE(Clamp_Main_Window_Sizing(&rc, WMSZ_BOTTOMRIGHT));
    EXPECT_EQ(rc.right, 10);
}

// A drag of the frame through the platform: the window procedure clamps the rectangle, and
// painting and resizing wait until the drag ends.
TEST_F(MainwinPlacementTest, FrameDragIsClampedAndEndsTheSizingState) {
    Write_Fame_Rect(100, 80, 1300, 1000);
    HWND hWnd = Create_Window();
    RECT rcApplied = Test_Drag_Window_Frame(hWnd, WMSZ_BOTTOMRIGHT, {100, 80, 500, 400});
    int nMinWidth, nMinHeight;
    Get_Main_Window_Min_Size(&nMinWidth, &nMinHeight);
    EXPECT_GE(Height(rcApplied), nMinHeight);
    Expect_Minimum_Proportion(rcApplied);
    EXPECT_EQ(gSizingInProgress, 0);
    RECT rcWindow;
    GetWindowRect(hWnd, &rcWindow);
    EXPECT_EQ(memcmp(&rcWindow, &rcApplied, sizeof(RECT)), 0);
}

int gMainwinBarSizes = 0;

LRESULT Mainwin_Bar_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_SIZE)
        gMainwinBarSizes++;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// The bars hide while the frame is dragged and come back sized and shown at its end; a resize
// outside a drag sizes them too.
TEST_F(MainwinPlacementTest, BarsHideDuringADragAndReturnAfterIt) {
    Write_Fame_Rect(100, 80, 1300, 1000);
    HWND hWnd = Create_Window();
    WNDCLASSA wc;
    memset(&wc, 0, sizeof(wc));
    wc.lpfnWndProc = Mainwin_Bar_Proc;
    wc.lpszClassName = "MainwinTestBar";
    ASSERT_NE(RegisterClassA(&wc), 0u);
    gButtonBar = CreateWindowExA(0, "MainwinTestBar", "", WS_CHILD | WS_VISIBLE, 0, 600, 1024, 36,
                                 hWnd, NULL, NULL, NULL);
    gNewsBar = CreateWindowExA(0, "MainwinTestBar", "", WS_CHILD | WS_VISIBLE, 0, 636, 1024, 24,
                               hWnd, NULL, NULL, NULL);
    gMainwinBarSizes = 0;

    SendMessageA(hWnd, WM_ENTERSIZEMOVE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(gButtonBar));
    EXPECT_FALSE(IsWindowVisible(gNewsBar));
    SendMessageA(hWnd, WM_SIZE, SIZE_RESTORED, 0);
    EXPECT_EQ(gMainwinBarSizes, 0);
    SendMessageA(hWnd, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(gButtonBar));
    EXPECT_TRUE(IsWindowVisible(gNewsBar));
    EXPECT_EQ(gMainwinBarSizes, 2);

    MoveWindow(hWnd, 100, 80, 1400, 1000, TRUE);
    EXPECT_GE(gMainwinBarSizes, 4);
}

TEST_F(MainwinPlacementTest, PaintWaitsWhileSizing) {
    HWND hWnd = Create_Window();
    gSizingInProgress = 1;
    EXPECT_EQ(SendMessageA(hWnd, WM_PAINT, 0, 0), 1);
    gSizingInProgress = 0;
    EXPECT_EQ(SendMessageA(hWnd, WM_PAINT, 0, 0), 0);
}

TEST_F(MainwinPlacementTest, TimeStampMessageWritesFameValue100) {
    Write_Fame_Rect(0, 0, 0, 0);
    Test_Use_Virtual_Clock(1700000000, 0);
    HWND hWnd = Create_Window();
    SendMessageA(hWnd, WM_STAMP_FAME_FILE_TIME, 0, 0);
    std::vector<uint8_t> abRecord(FAME_FILE_SIZE, 0);
    ASSERT_TRUE(Read_Fame_File(abRecord.data()));
    int32_t nValue;
    memcpy(&nValue, abRecord.data() + MAINWIN_VALUES_OFFSET + 100 * 4, sizeof(nValue));
    EXPECT_EQ(nValue, 1700000000 / 64);
}

}  // namespace
