// The message pump of long work, and the small accessors of the program's main window.

#include "shell/shell.h"

// Handles every waiting message: accelerators first, then translate and dispatch. A quit
// message is put back and ends the pump, so the main loop still sees it.
int Pump_Shell_Messages(void) {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage((int)msg.wParam);
            break;
        }
        if (!TranslateAcceleratorA(gMainWindow, gMainAccelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}

HWND Get_Main_Window(void) {
    return gMainWindow;
}

void Set_Big_Icon(HWND hWnd) {
    SendMessageA(hWnd, WM_SETICON, ICON_BIG, (LPARAM)gAppIcon);
}
