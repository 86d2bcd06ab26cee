// The Other Team dialog: the team the team dialogs and pages show, picked from the team list.
#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define OTHER_TEAM_LIST 1132

// Makes the selected team the dialog team and repaints what shows it.
static void Take_Other_Team(HWND hDlg) {
    int nSelected = (int)SendDlgItemMessageA(hDlg, OTHER_TEAM_LIST, LB_GETCURSEL, 0, 0);
    if (nSelected >= 0)
        Set_Dialog_Team(nSelected);
    Repaint_Bars();
    EndDialog(hDlg, 1);
    if (gCurrentPage == CALENDAR_PAGE) {
        gLastPaintedPage = -1;
        Redraw_Main_Window();
    }
}

static INT_PTR On_Other_Team_Command(HWND hDlg, int nId, int nCode) {
    if (nId == IDOK || (nId == OTHER_TEAM_LIST && nCode == LBN_DBLCLK)) {
        Take_Other_Team(hDlg);
        return TRUE;
    }
    if (nId == IDCANCEL) {
        EndDialog(hDlg, 1);
        return TRUE;
    }
    return FALSE;
}

INT_PTR Other_Team_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        Set_Dialog_Font(hDlg);
        Fill_Team_List(hDlg);
        Center_Window(hDlg, GetParent(hDlg));
        return TRUE;
    case WM_DRAWITEM:
        Draw_Team_List_Item((const DRAWITEMSTRUCT*)lParam);
        return TRUE;
    case WM_COMMAND: return On_Other_Team_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
