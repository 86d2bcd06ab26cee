// The game setup, editor and tool dialogs.

#include "database/database.h"
#include "pages/pages.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/shell.h"

// The loaded universe as a new game: the first team run by the user, the new-game defaults, the
// season started and the bars up.
static void Start_Loaded_Universe(void) {
    Set_All_Teams_Computer();
    Set_Team_Stat(0, TEAM_CONTROL, CONTROL_HUMAN);
    Set_New_Game_Defaults();
    gCurrentPage = STANDINGS_PAGE;
    Start_Season(0);
    Create_Button_Bar();
    Show_News_Page(STANDINGS_PAGE);
}

// STAND-IN(setup): starts a new game from the chosen season's universe with the user's team,
// name, difficulty and options; this one offers OK, which plays the loaded universe with its first
// team run by the user, and Cancel.
INT_PTR New_Game_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    if (uMsg == WM_INITDIALOG) {
        Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
        return TRUE;
    }
    if (uMsg != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == IDOK) {
        EndDialog(hDlg, 1);
        Start_Loaded_Universe();
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

// STAND-IN(setup): picks a saved game to load.
INT_PTR Resume_Game_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

// STAND-IN(setup): saves the game under a chosen name, reporting a name that cannot be written.
INT_PTR Save_Game_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

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

// STAND-IN(setup): tells the user a newer version is available.
INT_PTR New_Version_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Cancel_Dialog_Proc(hDlg, uMsg, wParam, lParam);
}

