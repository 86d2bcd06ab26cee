// The New Version Available dialog: the splash picture, and Learn More opening the installation's
// own page about updates.
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/bitmap_cache.h"
#include "shell/drawing.h"
#include "shell/shell.h"

#define NEW_VERSION_PICTURE_ITEM 1116
#define NEW_VERSION_LEARN_MORE 1117
#define NEW_VERSION_PICTURE "dialogs/splash/NewVersion.jpg"
#define NEW_VERSION_PAGE "Help/update.htm"

static void Paint_New_Version_Dialog(HWND hDlg) {
    PAINTSTRUCT paint;
    HDC hdc = BeginPaint(hDlg, &paint);
    if (hdc) {
        char szPicture[TEXT_BUFFER_SIZE];
        Copy_Skin_File_Name(szPicture, sizeof szPicture, NEW_VERSION_PICTURE);
        Draw_Image_In_Dialog_Item(hDlg, hdc, NEW_VERSION_PICTURE_ITEM, szPicture);
    }
    EndPaint(hDlg, &paint);
}

INT_PTR New_Version_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        Set_Dialog_Font(hDlg);
        Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
        return TRUE;
    case WM_PAINT: Paint_New_Version_Dialog(hDlg); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == NEW_VERSION_LEARN_MORE)
            Open_Web_Page(hDlg, NEW_VERSION_PAGE);
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(hDlg, 0);
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
