// The main window's handles and the windows and resources that hang off it; its class and its
// creation at the stored placement.

#include "shell/shell.h"

HWND gMainWindow = NULL;
HDC gMainWindowDC = NULL;
HWND gButtonBar = NULL;
HWND gNewsBar = NULL;
HACCEL gMainAccelerators = NULL;
HICON gAppIcon = NULL;
int gSizingInProgress = 0;

UINT_PTR Register_Main_Window_Class(HINSTANCE hInstance) {
    WNDCLASSA wc;
    memset(&wc, 0, sizeof(wc));
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = Main_Window_Proc;
    wc.hInstance = hInstance;
    wc.hIcon = gAppIcon;
    wc.hCursor = NULL;  // the page mouse handler sets the cursor
    wc.hbrBackground = (HBRUSH)(UINT_PTR)(COLOR_WINDOWFRAME + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(MAIN_WINDOW_MENU_ID);
    wc.lpszClassName = MAIN_WINDOW_CLASS;
    return RegisterClassA(&wc);
}

// The window's rectangle grown to the minimum height, then made as wide as the proportion asks.
static void Fit_Created_Window(HWND hWnd) {
    int nMinWidth, nMinHeight;
    Get_Main_Window_Min_Size(&nMinWidth, &nMinHeight);
    RECT rc;
    if (!GetWindowRect(hWnd, &rc))
        return;
    LONG nBottom = rc.bottom > rc.top + nMinHeight ? rc.bottom : rc.top + nMinHeight;
    int nHeight = (int)(nBottom - rc.top);
    int nWidth = Get_Main_Window_Proportional_Width(nHeight);
    if (nBottom != rc.bottom || rc.left + nWidth != rc.right)
        SetWindowPos(hWnd, NULL, rc.left, rc.top, nWidth, nHeight, SWP_NOZORDER);
}

HWND Create_Main_Window(HINSTANCE hInstance, int nShow) {
    RECT rcStored;
    int bStored = Load_Window_Placement(&rcStored);
    int nShowState = bStored ? SW_SHOWNORMAL : SW_SHOWMAXIMIZED;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, nWidth = CW_USEDEFAULT, nHeight = CW_USEDEFAULT;
    if (bStored) {
        x = rcStored.left;
        y = rcStored.top;
        nWidth = rcStored.right - rcStored.left;
        nHeight = rcStored.bottom - rcStored.top;
    }

    // The class menu: the menu resource, when the program has one.
    HMENU hMenu = LoadMenuA(hInstance, MAKEINTRESOURCEA(MAIN_WINDOW_MENU_ID));
    HWND hWnd = CreateWindowExA(WS_EX_LEFT, MAIN_WINDOW_CLASS, MAIN_WINDOW_TITLE,
                                WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW, x, y, nWidth, nHeight, NULL,
                                hMenu, hInstance, NULL);
    if (!hWnd) {
        if (hMenu)
            DestroyMenu(hMenu);
        Report_Error("Could not create the main window.");
        return NULL;
    }
    gMainWindow = hWnd;
    Fit_Created_Window(hWnd);
    if (nShow != SW_HIDE) {
        ShowWindow(hWnd, nShowState);
        UpdateWindow(hWnd);
    }
    return hWnd;
}

void Translate_Main_Window_Message(MSG* pMsg) {
    if (TranslateAcceleratorA(gMainWindow, gMainAccelerators, pMsg))
        return;
    TranslateMessage(pMsg);
    DispatchMessageA(pMsg);
}
