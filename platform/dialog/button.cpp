// The "BUTTON" window class: push buttons, check boxes, radio buttons and group boxes.
#include "../platform_internal.h"

// STAND-IN(platform): draws the control and answers its messages and notifications.
LRESULT Button_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
