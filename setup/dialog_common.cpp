// The messages the setup dialogs answer alike.
#include "setup/setup_internal.h"
#include "shell/shell.h"

INT_PTR Answer_Common_Setup_Message(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_DESTROY: EnableWindow(Get_Main_Window(), TRUE); return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
