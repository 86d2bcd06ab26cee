// The "SCROLLBAR" window class: scroll bars and size grips.
#include "../platform_internal.h"

// STAND-IN(platform): draws the control and answers its messages and notifications.
LRESULT Scroll_Bar_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
