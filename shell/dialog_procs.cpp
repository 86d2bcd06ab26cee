// The shell's own dialogs: About, Welcome and the column chooser.

#include "shell/shell.h"

// STAND-IN(shell): the About box with the version.
INT_PTR About_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(shell): the first-run welcome.
INT_PTR Welcome_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(shell): chooses the stat columns of a sortable list.
INT_PTR Stat_Column_Chooser_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}
