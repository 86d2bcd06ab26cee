// The game setup, editor and tool dialogs.

#include "database/database.h"
#include "pages/pages.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

// STAND-IN(setup): the start-up tips, one at a time.
INT_PTR Did_You_Know_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

