// The scouting report's dialog.

#include "pages/pages.h"
#include "shell/shell.h"

// STAND-IN(pages): the scouting report of a player.
INT_PTR Scouting_Report_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}
