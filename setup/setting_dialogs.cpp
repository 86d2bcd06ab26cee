// The small setting dialogs: the notes saved with a game, the seasons to play unattended and when
// an injury stops play.
#include <stdlib.h>
#include <string.h>

#include "database/database.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define NOTES_EDIT 1331
#define NOTES_LIMIT 500
#define SEASONS_CURRENT_DATE 1020
#define SEASONS_PLAY_THROUGH 1078
#define SEASONS_ARROWS 1138
#define SEASONS_DEFAULT 5
#define SEASONS_MAX 100
#define SEASONS_SHOWN_AT_OPENING 50
#define INJURY_CHECK 1022
#define INJURY_WEEKS 1021
#define INJURY_DEFAULT_WEEKS 4
#define SETTING_TEXT_SIZE 64

static INT_PTR Answer_Setting_Colour(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
}

static int Is_Setting_Colour_Message(UINT uMsg) {
    return uMsg == WM_CTLCOLORDLG || uMsg == WM_CTLCOLORSTATIC || uMsg == WM_CTLCOLORBTN;
}

// ---- Database Notes ------------------------------------------------------------------------------

// Done stores what the edit holds (at most 499 characters); Escape keeps the notes.
INT_PTR Database_Notes_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (Is_Setting_Colour_Message(uMsg))
        return Answer_Setting_Colour(hDlg, uMsg, wParam, lParam);
    if (uMsg == WM_INITDIALOG) {
        Set_Dialog_Font(hDlg);
        SendDlgItemMessageA(hDlg, NOTES_EDIT, EM_LIMITTEXT, NOTES_LIMIT, 0);
        char szNotes[NOTES_LIMIT + 12];
        Get_Database_Notes(szNotes, sizeof szNotes);
        SetDlgItemTextA(hDlg, NOTES_EDIT, szNotes);
        Center_Window(hDlg, GetParent(hDlg));
        return TRUE;
    }
    if (uMsg != WM_COMMAND)
        return FALSE;
    if (LOWORD(wParam) == IDOK) {
        char szNotes[NOTES_LIMIT];
        GetDlgItemTextA(hDlg, NOTES_EDIT, szNotes, sizeof szNotes);
        Set_Database_Notes(szNotes);
        EndDialog(hDlg, 1);
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(hDlg, 0);
        return TRUE;
    }
    return FALSE;
}

// ---- Play Multiple Seasons -----------------------------------------------------------------------

static int Get_Seasons_To_Play(void) {
    return Get_User_Preference(PREF_SEASONS_TO_SIMULATE);
}

static void Show_Last_Season(HWND hDlg, int nSeasons) {
    char szYear[SETTING_TEXT_SIZE];
    Format_String(szYear, sizeof szYear, "%d", Get_Season_Year() + nSeasons - 1);
    SetDlgItemTextA(hDlg, SEASONS_PLAY_THROUGH, szYear);
}

static void Init_Play_Seasons_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    Set_User_Preference(PREF_SEASONS_TO_SIMULATE, SEASONS_DEFAULT);
    SendDlgItemMessageA(hDlg, SEASONS_ARROWS, UDM_SETRANGE, 0, MAKELPARAM(1, 0));
    char szYear[SETTING_TEXT_SIZE];
    Format_String(szYear, sizeof szYear, "%d", Get_Season_Year());
    SetDlgItemTextA(hDlg, SEASONS_CURRENT_DATE, szYear);
    Show_Last_Season(hDlg, Min_Int(SEASONS_DEFAULT, SEASONS_SHOWN_AT_OPENING));
    Center_Window(hDlg, GetParent(hDlg));
}

// The arrows report 1 for up and 0 for down; the count stays within 1..100.
static void Step_Seasons(HWND hDlg, int nPosition) {
    int nSeasons = Clamp(Get_Seasons_To_Play() + (nPosition > 0 ? 1 : -1), 1, SEASONS_MAX);
    Set_User_Preference(PREF_SEASONS_TO_SIMULATE, nSeasons);
    Show_Last_Season(hDlg, nSeasons);
}

// Typing into the year is undone: the text always shows the last season to play.
static void Undo_Typed_Year(HWND hDlg) {
    char szShown[SETTING_TEXT_SIZE], szWanted[SETTING_TEXT_SIZE];
    GetDlgItemTextA(hDlg, SEASONS_PLAY_THROUGH, szShown, sizeof szShown);
    Format_String(szWanted, sizeof szWanted, "%d", Get_Season_Year() + Get_Seasons_To_Play() - 1);
    if (strcmp(szShown, szWanted) != 0)
        SetDlgItemTextA(hDlg, SEASONS_PLAY_THROUGH, szWanted);
}

static void Confirm_Play_Seasons(HWND hDlg) {
    if (Do_Message_Box("The 'Play Multiple Seasons' tool is used to simulate multiple seasons "
                       "without any intervention by the user.\n\nDuring simulation, all teams will "
                       "be controlled by the computer.\n\nIs this OK?",
                       "Play Multiple Seasons", MB_OKCANCEL | MB_ICONHAND) == IDOK)
        EndDialog(hDlg, Get_Seasons_To_Play());
}

INT_PTR Play_Multiple_Seasons_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (Is_Setting_Colour_Message(uMsg))
        return Answer_Setting_Colour(hDlg, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_INITDIALOG: Init_Play_Seasons_Dialog(hDlg); return TRUE;
    case WM_VSCROLL:
        if (LOWORD(wParam) == SB_THUMBPOSITION)
            Step_Seasons(hDlg, (short)HIWORD(wParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case SEASONS_PLAY_THROUGH:
            if (HIWORD(wParam) == EN_CHANGE)
                Undo_Typed_Year(hDlg);
            return TRUE;
        case IDOK: Confirm_Play_Seasons(hDlg); return TRUE;
        case IDCANCEL: EndDialog(hDlg, -1); return TRUE;
        default: return FALSE;
        }
    default: return FALSE;
    }
}

// ---- Injury Contingency --------------------------------------------------------------------------

static void Enable_Injury_Weeks(HWND hDlg) {
    EnableWindow(GetDlgItem(hDlg, INJURY_WEEKS),
                 IsDlgButtonChecked(hDlg, INJURY_CHECK) == BST_CHECKED ? TRUE : FALSE);
}

// Positive weeks stop play; negative is off and remembers the weeks; 0 was never set.
static void Init_Injury_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    int nWeeks = Get_User_Preference(PREF_INJURY_CONTINGENCY);
    CheckDlgButton(hDlg, INJURY_CHECK, nWeeks > 0 ? BST_CHECKED : BST_UNCHECKED);
    if (nWeeks == 0)
        nWeeks = -INJURY_DEFAULT_WEEKS;
    SetDlgItemInt(hDlg, INJURY_WEEKS, abs(nWeeks), FALSE);
    Enable_Injury_Weeks(hDlg);
    Center_Window(hDlg, GetParent(hDlg));
}

static void Store_Injury_Contingency(HWND hDlg) {
    char szWeeks[SETTING_TEXT_SIZE];
    GetDlgItemTextA(hDlg, INJURY_WEEKS, szWeeks, sizeof szWeeks);
    int nWeeks = Max_Int(atoi(szWeeks), 1);
    int bOn = IsWindowEnabled(GetDlgItem(hDlg, INJURY_WEEKS));
    Set_User_Preference(PREF_INJURY_CONTINGENCY, bOn ? nWeeks : -nWeeks);
}

INT_PTR Injury_Contingency_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (Is_Setting_Colour_Message(uMsg))
        return Answer_Setting_Colour(hDlg, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_INITDIALOG: Init_Injury_Dialog(hDlg); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case INJURY_CHECK: Enable_Injury_Weeks(hDlg); return TRUE;
        case IDOK:
            Store_Injury_Contingency(hDlg);
            EndDialog(hDlg, 1);
            return TRUE;
        case IDCANCEL: EndDialog(hDlg, 0); return TRUE;
        default: return FALSE;
        }
    default: return FALSE;
    }
}
