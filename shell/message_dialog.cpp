// The skinned message dialog behind User_Message_Dialog: a text and up to three buttons with
// the caller's captions.

#include "resources/resource.h"
#include "shell/shell.h"

static const int kMessageButtonIds[3] = {IDC_MESSAGE_BUTTON1, IDC_MESSAGE_BUTTON2,
                                         IDC_MESSAGE_BUTTON3};

static void Init_Message_Dialog(HWND hDlg, const USER_MESSAGE* pMessage) {
    SetWindowTextA(hDlg, pMessage->szCaption);
    SetDlgItemTextA(hDlg, IDC_MESSAGE_TEXT, pMessage->szText);
    for (int i = 0; i < 3; i++) {
        if (pMessage->szButton[i][0])
            SetDlgItemTextA(hDlg, kMessageButtonIds[i], pMessage->szButton[i]);
        else
            ShowWindow(GetDlgItem(hDlg, kMessageButtonIds[i]), SW_HIDE);
    }
}

// Ends with 6, 7 or 2 for the first, second and third button; OK counts as the first, closing
// it as the third.
INT_PTR User_Message_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        if (lParam)
            Init_Message_Dialog(hDlg, (const USER_MESSAGE*)lParam);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDC_MESSAGE_BUTTON1: EndDialog(hDlg, IDYES); return TRUE;
        case IDC_MESSAGE_BUTTON2: EndDialog(hDlg, IDNO); return TRUE;
        case IDC_MESSAGE_BUTTON3:
        case IDCANCEL: EndDialog(hDlg, IDCANCEL); return TRUE;
        default: return FALSE;
        }
    default: return FALSE;
    }
}
