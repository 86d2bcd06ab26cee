// Least versions of what start-up and its dialogs call in the main window's module and in the
// dialog routines, so the program starts and its tests run before those modules exist.

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

// STAND-IN(shell): loads the arrow, wait and the program's three cursors into the handle table.
void Load_App_Cursors(HINSTANCE hInstance) {
    (void)hInstance;
}

// STAND-IN(shell): creates the dialog brush in the skin's dialog colour.
int Create_Dialog_Brushes(void) {
    return 0;
}

// STAND-IN(shell): deletes the dialog brush.
void Delete_Dialog_Brushes(void) {}

// STAND-IN(shell): gives every control of the dialog a bold font.
void Set_Dialog_Font(HWND hDlg) {
    (void)hDlg;
}

// STAND-IN(shell): centres the window over another, inside the work area.
void Center_Window(HWND hWnd, HWND hOver) {
    (void)hWnd;
    (void)hOver;
}

// STAND-IN(shell): the skin's dialog brush for the colour messages.
HBRUSH On_Dialog_Ctl_Color(UINT uMsg, HWND hDlg, HWND hControl, HDC hdc) {
    (void)uMsg;
    (void)hDlg;
    (void)hControl;
    (void)hdc;
    return NULL;
}

// STAND-IN(shell): opens the help page of a dialog, page or topic id with the shell.
void Show_Help_Topic(int nId) {
    (void)nId;
}
