// The game setup, editor and tool dialogs.

#include "database/database.h"
#include "pages/pages.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

// The tips box: OK (or Escape) closes it; its check box, Next Hint and list do nothing. No command
// opens it.
static INT_PTR On_Did_You_Know_Command(HWND hDlg, int nId, int nCode) {
    (void)nCode;
    if (nId != IDOK && nId != IDCANCEL)
        return TRUE;
    EndDialog(hDlg, nId);
    return TRUE;
}

INT_PTR Did_You_Know_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, NULL, On_Did_You_Know_Command);
}

