// The "EDIT" window class: single and multi-line edit controls.
#include "../platform_internal.h"

// STAND-IN(platform): draws the control and answers its messages and notifications.
LRESULT Edit_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
