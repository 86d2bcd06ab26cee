// The "SysListView32" window class: report-mode list views.
#include "../platform_internal.h"

// STAND-IN(platform): draws the control and answers its messages and notifications.
LRESULT List_View_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}
