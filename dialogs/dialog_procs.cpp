// The team and player management dialogs.

#include "dialogs/dialogs.h"
#include "shell/shell.h"

// STAND-IN(dialogs): the sortable player lists with their chosen stat columns.
INT_PTR Sortable_Stats_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): the team's expenses, set and shown against the budget.
INT_PTR Expenses_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): the stadium's concession prices.
INT_PTR Concessions_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): the ticket prices of each seating level.
INT_PTR Tickets_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): moves a player to another position.
INT_PTR Change_Position_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): searches the league's players by name and criteria.
INT_PTR Find_Players_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
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

// STAND-IN(dialogs): starts a fantasy draft with its settings.
INT_PTR Start_Fantasy_Draft_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): sets the order the teams pick in a fantasy draft.
INT_PTR Fantasy_Draft_Order_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(dialogs): edits a player's ratings.
INT_PTR Edit_Ratings_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}
