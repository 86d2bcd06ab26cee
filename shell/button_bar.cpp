// The button bar along the bottom of the main window: a status-bar control whose window
// procedure is replaced so that the timeline paints it and takes its mouse.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

static WNDPROC gButtonBarBaseProc = NULL;

int Get_Main_Client_Bottom(void) {
    RECT rc = {0, 0, 0, 0};
    GetClientRect(gMainWindow, &rc);
    return rc.bottom;
}

// Moving sends WM_MOVE again, so a bar already in place is left alone.
void Keep_Bar_At(HWND hBar, int y) {
    RECT rc;
    GetWindowRect(hBar, &rc);
    MapWindowPoints(NULL, GetParent(hBar), (POINT*)&rc, 2);
    if (rc.left != 0 || rc.top != y)
        SetWindowPos(hBar, NULL, 0, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Paint_Bar_Through_Bitmap(HWND hBar, void (*pPainter)(HWND hBar, HDC hdc, const RECT* pRect)) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hBar, &ps);
    if (!hdc)
        return;
    RECT rc;
    GetClientRect(hBar, &rc);
    HDC hMemory = CreateCompatibleDC(hdc);
    HBITMAP hBitmap = CreateCompatibleBitmap(hdc, Max_Int(rc.right, 1), Max_Int(rc.bottom, 1));
    if (hMemory && hBitmap) {
        HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
        pPainter(hBar, hMemory, &rc);
        BitBlt(hdc, 0, 0, rc.right, rc.bottom, hMemory, 0, 0, SRCCOPY);
        SelectObject(hMemory, hOld);
    }
    if (hBitmap && !DeleteObject(hBitmap))
        Report_Error("DeleteObject failed in Paint_Bar_Through_Bitmap()");
    if (hMemory)
        DeleteDC(hMemory);
    EndPaint(hBar, &ps);
}

HWND Create_Status_Bar(HWND hParent) {
    return CreateWindowExA(0, "msctls_statusbar32", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hParent,
                           NULL, Get_App_Instance(), NULL);
}

WNDPROC Replace_Bar_Proc(HWND hBar, WNDPROC pProc) {
    return (WNDPROC)SetWindowLongPtrA(hBar, GWLP_WNDPROC, (LONG_PTR)pProc);
}

LRESULT Call_Bar_Base_Proc(WNDPROC pBase, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (!pBase)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    return CallWindowProcA(pBase, hWnd, uMsg, wParam, lParam);
}

static void Paint_Button_Bar_Picture(HWND hBar, HDC hdc, const RECT* pRect) {
    (void)pRect;
    Layout_Timeline_Bar(hdc, hBar);
    Draw_Team_Record_On_Bar(hdc);
    Draw_Timeline_Bar(hdc);
}

// The timeline works in the bar's own pixels, where it draws.
static void Hover_Button_Bar(LPARAM lParam) {
    int nButton = Is_Timeline_Hot_Spot((short)LOWORD(lParam), (short)HIWORD(lParam));
    if (nButton >= 0 && nButton <= 4)
        Set_App_Cursor(nButton);
    gHoveredBarButton = nButton;
}

LRESULT Button_Bar_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_MOVE: Move_Button_Bar(); return 0;
    case WM_PAINT: Paint_Bar_Through_Bitmap(hWnd, Paint_Button_Bar_Picture); return 0;
    case WM_MOUSEMOVE: Hover_Button_Bar(lParam); break;
    case WM_LBUTTONDOWN:
        Click_Timeline((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    default: break;
    }
    return Call_Bar_Base_Proc(gButtonBarBaseProc, hWnd, uMsg, wParam, lParam);
}

void Move_Button_Bar(void) {
    if (gButtonBar)
        Keep_Bar_At(gButtonBar, Get_Main_Client_Bottom() - gNewsBarHeight - BUTTON_BAR_HEIGHT);
}

void Create_Button_Bar(void) {
    if (gButtonBar || !gMainWindow)
        return;
    gButtonBar = Create_Status_Bar(gMainWindow);
    if (!gButtonBar)
        return;
    if (gShowNewsTicker)
        Create_News_Bar(gMainWindow);
    SendMessageA(gButtonBar, SB_SETMINHEIGHT, BUTTON_BAR_HEIGHT, 0);
    Resize_Bars();
    gButtonBarBaseProc = Replace_Bar_Proc(gButtonBar, Button_Bar_Proc);
    Move_Button_Bar();
    ShowWindow(gButtonBar, SW_SHOW);
}

void Destroy_Button_Bar_Only(void) {
    if (!gButtonBar)
        return;
    DestroyWindow(gButtonBar);
    gButtonBar = NULL;
}

void Destroy_Button_Bar(void) {
    if (gNewsBar)
        Destroy_News_Bar();
    Destroy_Button_Bar_Only();
}

void Resize_Bars(void) {
    const HWND ahBars[] = {gButtonBar, gNewsBar};
    for (HWND hBar : ahBars) {
        if (hBar)
            SendMessageA(hBar, WM_SIZE, 0, 0);
    }
}

void Repaint_Bars(void) {
    const HWND ahBars[] = {gButtonBar, gNewsBar};
    for (HWND hBar : ahBars) {
        if (hBar) {
            InvalidateRect(hBar, NULL, FALSE);
            UpdateWindow(hBar);
        }
    }
}

int Show_Bars(int nShowCommand) {
    if (!gButtonBar)
        return 0;
    ShowWindow(gButtonBar, nShowCommand);
    if (gNewsBar)
        ShowWindow(gNewsBar, nShowCommand);
    return 1;
}

int Get_Bars_Height(void) {
    int nHeight = 0;
    const HWND ahBars[] = {gButtonBar, gNewsBar};
    for (HWND hBar : ahBars) {
        RECT rc;
        if (hBar && IsWindowVisible(hBar) && GetClientRect(hBar, &rc))
            nHeight += rc.bottom - rc.top;
    }
    return nHeight;
}

int Layout_Page_Client_Rect(RECT* pRect) {
    Get_Page_Client_Rect(pRect);
    return Is_News_Page_Shown();
}
