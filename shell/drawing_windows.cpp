// Window helpers of the drawing layer: the report window's class, the dialog font's spread to
// the controls, and the progress window's place over the main window.
#include "pages/pages.h"
#include "shell/shell.h"

#define REPORT_WINDOW_CLASS "ReportWindow"

// Once at start-up; the scouting report's procedure serves the class and its dialog alike.
int Register_Report_Window_Class(void) {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = (WNDPROC)Scouting_Report_Dialog_Proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hIcon = NULL;  // the default application icon
    wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
    wc.hbrBackground = NULL;
    wc.lpszMenuName = NULL;
    wc.lpszClassName = REPORT_WINDOW_CLASS;
    return RegisterClassA(&wc) != 0;
}

// The enumeration callback of the dialog font: every child gets it, redrawn.
BOOL Set_Child_Font_Proc(HWND hChild, LPARAM lFont) {
    SendMessageA(hChild, WM_SETFONT, (WPARAM)lFont, TRUE);
    return TRUE;
}

// The offset along one axis that centres the inner span on the outer one, kept on the work
// area and then within the outer span.
static int Centre_Span(int nOuterStart, int nOuterSize, int nInnerSize, int nWorkStart,
                       int nWorkEnd) {
    int nOffset = (nOuterSize - nInnerSize) / 2;
    if (nOuterStart + nOffset < nWorkStart)
        nOffset = nWorkStart - nOuterStart;
    else if (nOuterStart + nOffset + nInnerSize > nWorkEnd)
        nOffset = nWorkEnd - nOuterStart - nInnerSize;
    if (nOffset > nOuterSize - nInnerSize)
        nOffset = nOuterSize - nInnerSize;
    if (nOffset < 0)
        nOffset = 0;
    return nOffset;
}

void Centre_Progress_Window(void) {
    HWND hProgress = (HWND)gAppFonts[APP_PROGRESS_WINDOW_SLOT];
    if (!hProgress || !gMainWindow)
        return;
    RECT rectMain, rectProgress, rectWork;
    GetWindowRect(gMainWindow, &rectMain);
    GetWindowRect(hProgress, &rectProgress);
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0))
        rectWork = rectMain;
    int x = Centre_Span(rectMain.left, rectMain.right - rectMain.left,
                        rectProgress.right - rectProgress.left, rectWork.left, rectWork.right);
    int y = Centre_Span(rectMain.top, rectMain.bottom - rectMain.top,
                        rectProgress.bottom - rectProgress.top, rectWork.top, rectWork.bottom);
    // The offsets are from the main window's corner; a top-level window moves in screen
    // coordinates, a child in its parent's.
    POINT place = {rectMain.left + x, rectMain.top + y};
    if (GetWindowLongPtrA(hProgress, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(NULL, GetParent(hProgress), &place, 1);
    SetWindowPos(hProgress, NULL, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
