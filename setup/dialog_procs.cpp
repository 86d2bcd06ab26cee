// The game setup, editor and tool dialogs.

#include "database/database.h"
#include "pages/pages.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

// STAND-IN(setup): chooses what to print and prints it.
INT_PTR Print_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(setup): the start-up tips, one at a time.
INT_PTR Did_You_Know_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(setup): adds, removes, edits, imports and exports the cities.
INT_PTR City_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(setup): renames a city.
INT_PTR Rename_City_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(setup): the commissioner's league-wide tools.
INT_PTR Advanced_Tools_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(setup): both teams' unit ratings and the point spread before a game, with Simulate All.
INT_PTR Game_Matchup_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(setup): chooses the folder exports are written to.
INT_PTR Choose_Export_Folder_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(setup): edits a team's playbooks and formation lineups.
INT_PTR Playbook_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

