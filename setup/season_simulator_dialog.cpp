// The Simulation Tool dialog: how many seasons to simulate, and the tallies reset or shown.
#include "database/database.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

#define SIMULATOR_SEASONS_EDIT 1297
#define SIMULATOR_RESET_BUTTON 1263
#define SIMULATOR_TEXT_BUTTON 1296
#define SIMULATOR_CSV_BUTTON 1298
#define SIMULATOR_BUTTON_FONT 17

static void Init_Season_Simulator_Dialog(HWND hDlg) {
    static const int kButtons[] = {IDOK,         IDCANCEL,           SIMULATOR_RESET_BUTTON,
                                   SIMULATOR_TEXT_BUTTON, SIMULATOR_CSV_BUTTON, IDC_DIALOG_HELP};
    Set_Dialog_Font(hDlg);
    HFONT hFont = Take_App_Font(SIMULATOR_BUTTON_FONT);
    for (int nId : kButtons) {
        HWND hButton = GetDlgItem(hDlg, nId);
        if (hButton)
            SendMessageA(hButton, WM_SETFONT, (WPARAM)hFont, TRUE);
    }
    Release_App_Font(hFont);
    Center_Window(hDlg, GetParent(hDlg));
}

// 1..1000 ends the dialog with the number; anything else says why and keeps it open.
static void Take_Season_Count(HWND hDlg) {
    BOOL bNumber = FALSE;
    int nSeasons = (int)GetDlgItemInt(hDlg, SIMULATOR_SEASONS_EDIT, &bNumber, TRUE);
    if (bNumber && nSeasons > SIMULATOR_MAX_SEASONS)
        Show_Message_Box("Season Simulator", "You cannot simulate more than %d seasons.",
                         SIMULATOR_MAX_SEASONS);
    else if (!bNumber || nSeasons < 1)
        Show_Message_Box("Season Simulator", "You must simulate at least %d season.", 1);
    else
        EndDialog(hDlg, nSeasons);
}

static void View_Simulator_Report(HWND hDlg, int nKind) {
    if (!Write_Simulator_Report(nKind)) {
        Show_Message_Box("File Error", "Couldn't write \"%s\".",
                         nKind == SIMULATOR_REPORT_CSV ? SIMULATOR_CSV_FILE : SIMULATOR_TEXT_FILE);
        return;
    }
    Open_With_Shell(hDlg, nKind == SIMULATOR_REPORT_CSV ? SIMULATOR_CSV_FILE : SIMULATOR_TEXT_FILE);
}

static INT_PTR On_Season_Simulator_Command(HWND hDlg, int nId) {
    switch (nId) {
    case IDOK: Take_Season_Count(hDlg); return TRUE;
    case IDCANCEL: EndDialog(hDlg, -1); return TRUE;
    case SIMULATOR_RESET_BUTTON:
        if (!Reset_Simulator_Data())
            Show_Message_Box("File Error", "Couldn't open \"%s\" for writing.", SIMULATOR_FILE);
        return TRUE;
    case SIMULATOR_TEXT_BUTTON: View_Simulator_Report(hDlg, SIMULATOR_REPORT_TEXT); return TRUE;
    case SIMULATOR_CSV_BUTTON: View_Simulator_Report(hDlg, SIMULATOR_REPORT_CSV); return TRUE;
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_SIMULATION_TOOL); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Season_Simulator_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Season_Simulator_Dialog(hDlg); return TRUE;
    case WM_COMMAND: return On_Season_Simulator_Command(hDlg, LOWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
