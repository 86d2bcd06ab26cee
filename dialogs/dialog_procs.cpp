// The team and player management dialogs.

#include "dialogs/dialogs.h"
#include "shell/shell.h"

// STAND-IN(dialogs): moves a player to another position.
INT_PTR Change_Position_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): edits the team's stadium: capacity, features and upgrades.
INT_PTR Stadium_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): edits a player's name, vitals and contract.
INT_PTR Edit_Player_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): edits the league's structure: conferences, divisions, teams and wild cards.
INT_PTR League_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): edits a player's ratings.
INT_PTR Edit_Ratings_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}
