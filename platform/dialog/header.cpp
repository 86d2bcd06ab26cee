// The "SysHeader32" window class: list-view column headers.
#include "../platform_internal.h"

// STAND-IN(platform): draws the control and answers its messages and notifications.
LRESULT Header_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
