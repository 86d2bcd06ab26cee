// The main window's procedure: painting, sizing, closing, the mouse, the private messages and
// the menu commands.

#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "setup/setup.h"
#include "shell/shell.h"

// Sends WM_SIZE to a bar, repaints it and shows it; an absent bar is skipped.
static void Refresh_Bar(HWND hBar) {
    if (!hBar)
        return;
    SendMessageA(hBar, WM_SIZE, 0, 0);
    InvalidateRect(hBar, NULL, TRUE);
    UpdateWindow(hBar);
    ShowWindow(hBar, SW_SHOW);
}

static void Refresh_Bars(void) {
    Refresh_Bar(gButtonBar);
    Refresh_Bar(gNewsBar);
}

static void Hide_Bars(void) {
    if (gButtonBar)
        ShowWindow(gButtonBar, SW_HIDE);
    if (gNewsBar)
        ShowWindow(gNewsBar, SW_HIDE);
}

static LRESULT On_Main_Window_Paint(HWND hWnd) {
    if (gSizingInProgress == 1)
        return 1;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    Paint_News_Page(hdc, &ps);
    EndPaint(hWnd, &ps);
    return 0;
}

static void On_Exit_Size_Move(HWND hWnd) {
    gSizingInProgress = 0;
    On_Main_Window_Resized();
    InvalidateRect(hWnd, NULL, TRUE);
    UpdateWindow(hWnd);
    Refresh_Bars();
}

static void On_Mouse(HWND hWnd, UINT uMsg, LPARAM lParam) {
    On_Page_Mouse(hWnd, uMsg, (int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam));
}

LRESULT Main_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE:
        if (gSizingInProgress)
            return 0;
        On_Main_Window_Resized();
        Refresh_Bars();
        return 0;
    case WM_PAINT: return On_Main_Window_Paint(hWnd);
    case WM_CLOSE: Close_Main_Window(hWnd); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: On_Mouse(hWnd, uMsg, lParam); return 0;
    case WM_SIZING:
        gSizingInProgress = 1;
        Clamp_Main_Window_Sizing((RECT*)lParam, (int)wParam);
        return 1;
    case WM_ENTERSIZEMOVE:
        gSizingInProgress = 1;
        Hide_Bars();
        return 0;
    case WM_EXITSIZEMOVE: On_Exit_Size_Move(hWnd); return 0;
    case WM_NEXT_FANTASY_PICK: Next_Fantasy_Draft_Pick(); return 0;
    case WM_STAMP_FAME_FILE_TIME:
        Set_Fame_File_Value(FAME_TIME_STAMP_INDEX, (int)(Platform_Time() / 64));
        return 0;
    case WM_COMMAND:
        if (Run_Main_Command(hWnd, (int)LOWORD(wParam)))
            return 0;
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    default: return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
