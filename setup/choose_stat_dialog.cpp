// The shared stat chooser of the page columns (templates 143, 144, 145 and 163): each choice is a
// push button, and a click stores the button's number in the preference the caller named.
#include "database/database.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define CHOOSE_STAT_FIRST_BUTTON 1242
#define CHOOSE_STAT_LAST_BUTTON 1292
#define CHOOSE_STAT_HEADING 1438
#define CHOOSE_STAT_SALARY_BUTTON 1259  // the salary cap's column of template 145
#define CHOOSE_STAT_BUTTON_FONT 17
#define CHOOSE_STAT_HELP_BUTTON 9

// The number of choices of the template being shown.
static int Count_Stat_Choices(int idTemplate) {
    switch (idTemplate) {
    case IDD_CHOOSE_STAT: return 48;
    case IDD_LEADER_HEADING: return 30;
    case IDD_CHOOSE_STAT_B: return 50;
    case IDD_CHOOSE_STAT_C: return 20;
    default: return 0;
    }
}

// Each button reads its column's name on one line (the league's name in the titles column).
static void Label_Choice_Buttons(HWND hDlg) {
    void (*pGetName)(char*, int, int) = NULL;
    switch (gChooseStatDialogId) {
    case IDD_CHOOSE_STAT: pGetName = Get_Standings_Column_Name; break;
    case IDD_LEADER_HEADING: pGetName = Get_Player_Leader_Column_Name; break;
    case IDD_CHOOSE_STAT_B: pGetName = Get_Team_Info_Column_Name; break;
    case IDD_CHOOSE_STAT_C: pGetName = Get_Team_Stat_Column_Name; break;
    default: return;
    }
    for (int n = 0; n < Count_Stat_Choices(gChooseStatDialogId); n++) {
        HWND hButton = GetDlgItem(hDlg, CHOOSE_STAT_FIRST_BUTTON + n);
        if (!hButton)
            continue;
        char szName[TEXT_BUFFER_SIZE];
        pGetName(szName, (int)sizeof szName, n);
        for (char* p = szName; *p; p++) {
            if (*p == '\n')
                *p = ' ';
        }
        SetWindowTextA(hButton, szName);
    }
}

static void Init_Choose_Stat_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    Label_Choice_Buttons(hDlg);
    HFONT hFont = Take_App_Font(CHOOSE_STAT_BUTTON_FONT);
    for (int nId = CHOOSE_STAT_FIRST_BUTTON; nId <= CHOOSE_STAT_LAST_BUTTON; nId++) {
        HWND hButton = GetDlgItem(hDlg, nId);
        if (hButton)
            SendMessageA(hButton, WM_SETFONT, (WPARAM)hFont, TRUE);
    }
    HWND hHeading = GetDlgItem(hDlg, CHOOSE_STAT_HEADING);
    if (hHeading)
        SendMessageA(hHeading, WM_SETFONT, (WPARAM)hFont, TRUE);
    Release_App_Font(hFont);
    HWND hSalary = GetDlgItem(hDlg, CHOOSE_STAT_SALARY_BUTTON);
    if (gChooseStatDialogId == IDD_CHOOSE_STAT_B && hSalary &&
        Get_Universe_Stat(UNIVERSE_SALARY_CAP) == 0)
        SetWindowTextA(hSalary, "Salary Budget");
    Center_Window(hDlg, GetParent(hDlg));
}

static INT_PTR On_Choose_Stat_Command(HWND hDlg, int nId) {
    int nChoice = nId - CHOOSE_STAT_FIRST_BUTTON;
    if (nChoice >= 0 && nChoice < Count_Stat_Choices(gChooseStatDialogId)) {
        Set_User_Preference(Get_User_Preference(PREF_CHOSEN_COLUMN), nChoice);
        EndDialog(hDlg, 1);
        return TRUE;
    }
    switch (nId) {
    case IDCANCEL: EndDialog(hDlg, 0); return TRUE;
    case CHOOSE_STAT_HELP_BUTTON: Show_Help_Topic(gChooseStatDialogId); return TRUE;
    default: return FALSE;
    }
}

INT_PTR Choose_Stat_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Choose_Stat_Dialog(hDlg); return TRUE;
    case WM_COMMAND: return On_Choose_Stat_Command(hDlg, LOWORD(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
