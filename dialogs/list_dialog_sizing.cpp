// The resizable list dialogs' frame: the size limits, the grip in the corner and the layout
// that follows the new size.
#include "dialogs/dialogs.h"
#include "shell/shell.h"

int Answer_List_Dialog_Sizing(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam,
                              LIST_DIALOG_LAYOUT* pLayout, INT_PTR* pResult) {
    switch (uMsg) {
    case WM_SIZING: {
        Clamp_Sizing_Rect((RECT*)lParam, &pLayout->rcInitial, (int)wParam,
                          SIZING_GROW_HEIGHT | SIZING_GROW_WIDTH);
        RECT rcGrip;
        Get_Size_Grip_Rect(hDlg, &rcGrip);
        InvalidateRect(hDlg, &rcGrip, TRUE);
        *pResult = TRUE;
        return 1;
    }
    case WM_NCHITTEST: *pResult = Hit_Test_Size_Grip(hDlg, lParam); return 1;
    case WM_EXITSIZEMOVE:
        Layout_List_Dialog(hDlg, pLayout, LIST_LAYOUT_FOLLOW_REPAINT);
        *pResult = TRUE;
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC hdc = BeginPaint(hDlg, &paint);
        if (hdc)
            Draw_Size_Grip(hDlg, hdc);
        EndPaint(hDlg, &paint);
        *pResult = TRUE;
        return 1;
    }
    default: return 0;
    }
}
