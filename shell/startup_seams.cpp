// The least main window, so that the program starts and its tests run before the main window's
// module exists.

#include "shell/shell.h"

#define STARTUP_SEAM_CLASS "FootballVantoMain"

static LRESULT Startup_Seam_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_DESTROY) {
        if (hWnd == gMainWindow)
            gMainWindow = NULL;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// STAND-IN(shell): registers the main window class with the menu and icon and creates the main
// window with its bars at the stored placement.
HWND Create_Main_Window(HINSTANCE hInstance, int nShow) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Startup_Seam_Window_Proc;
    windowClass.hInstance = hInstance;
    windowClass.lpszClassName = STARTUP_SEAM_CLASS;
    RegisterClassA(&windowClass);
    char szTitle[TEXT_BUFFER_SIZE];
    Build_Main_Window_Title(szTitle, sizeof szTitle);
    gMainWindow = CreateWindowExA(0, STARTUP_SEAM_CLASS, szTitle, WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, MIN_CLIENT_WIDTH, MIN_CLIENT_HEIGHT,
                                  NULL, NULL, hInstance, NULL);
    if (gMainWindow)
        ShowWindow(gMainWindow, nShow);
    return gMainWindow;
}

