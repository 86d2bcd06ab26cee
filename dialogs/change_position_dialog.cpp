// The Change Position dialog: the scouted player moved to another position of his group, with his
// key ratings now and his scouts' estimates at the chosen position.
#include <stdio.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define CHANGE_POSITION_COMBO 1217
#define CHANGE_POSITION_CURRENT_NAME 1361
#define CHANGE_POSITION_HELP 9
#define CHANGE_POSITION_KEY_RATINGS 5

static const int kCurrentRatingIds[CHANGE_POSITION_KEY_RATINGS] = {1388, 1366, 1367, 1387, 1383};
static const int kEstimateIds[CHANGE_POSITION_KEY_RATINGS] = {1362, 1363, 1391, 1369, 1382};

static int Get_Shown_Position(int nTeam, int nSlot) {
    return Clamp(Get_Roster_Position(nTeam, nSlot), 0, POSITION_COUNT - 1);
}

static int Get_Chosen_Position(HWND hDlg) {
    int nFirst = Get_Conversion_Group_First(Get_Shown_Position(gScoutTeam, gScoutSlot));
    int nItem = (int)SendDlgItemMessageA(hDlg, CHANGE_POSITION_COMBO, CB_GETCURSEL, 0, 0);
    return nFirst + Max_Int(nItem, 0);
}

// "Name: value" of the i-th key rating of a position, the value as the caller works it out.
static void Show_Key_Rating(HWND hDlg, int nId, int nPosition, int i, float fValue) {
    int nRating = Get_Position_Rating_Index(nPosition, i);
    char szLine[TEXT_BUFFER_SIZE] = "";
    if (nRating >= 0) {
        char szName[TEXT_BUFFER_SIZE];
        Get_Rating_Name(nRating, szName, (int)sizeof szName);
        Format_String(szLine, (int)sizeof szLine, "%s: %d", szName, (int)fValue);
    }
    SetDlgItemTextA(hDlg, nId, szLine);
}

static void Fill_Position_Panels(HWND hDlg) {
    const int nTeam = gScoutTeam, nSlot = gScoutSlot;
    int nNow = Get_Shown_Position(nTeam, nSlot);
    int nChosen = Get_Chosen_Position(hDlg);
    for (int i = 0; i < CHANGE_POSITION_KEY_RATINGS; i++) {
        int nRating = Get_Position_Rating_Index(nNow, i);
        Show_Key_Rating(hDlg, kCurrentRatingIds[i], nNow, i,
                        nRating >= 0 ? Get_Player_Rating(nTeam, nSlot, nRating) : 0.0f);
        nRating = Get_Position_Rating_Index(nChosen, i);
        Show_Key_Rating(
            hDlg, kEstimateIds[i], nChosen, i,
            nRating >= 0 ? Estimate_Converted_Rating(nTeam, nSlot, nChosen, nRating) : 0.0f);
    }
}

static void Init_Change_Position_Dialog(HWND hDlg) {
    int nNow = Get_Shown_Position(gScoutTeam, gScoutSlot);
    int nFirst = Get_Conversion_Group_First(nNow);
    HWND hCombo = GetDlgItem(hDlg, CHANGE_POSITION_COMBO);
    for (int n = 0; n < Count_Conversion_Group(nNow); n++) {
        char szName[TEXT_BUFFER_SIZE];
        Load_String(IDS_POSITION_NAMES + nFirst + n, szName, (int)sizeof szName);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szName);
    }
    SendMessageA(hCombo, CB_SETCURSEL, nNow - nFirst, 0);
    char szName[TEXT_BUFFER_SIZE];
    Load_String(IDS_POSITION_NAMES + nNow, szName, (int)sizeof szName);
    SetDlgItemTextA(hDlg, CHANGE_POSITION_CURRENT_NAME, szName);
    Get_Player_Full_Name(gScoutTeam, gScoutSlot, szName, (int)sizeof szName);
    SetWindowTextA(hDlg, szName);
    Fill_Position_Panels(hDlg);
}

// The same position does nothing; another one is converted once the user agrees.
static void Confirm_Position_Change(HWND hDlg) {
    int nNew = Get_Chosen_Position(hDlg);
    if (nNew == Get_Shown_Position(gScoutTeam, gScoutSlot))
        return;
    char szName[TEXT_BUFFER_SIZE], szPosition[POSITION_NAME_SIZE];
    Get_Player_Full_Name(gScoutTeam, gScoutSlot, szName, (int)sizeof szName);
    Get_Position_Name(nNew, szPosition, (int)sizeof szPosition);
    char szText[TEXT_BUFFER_SIZE * 2];
    Format_String(szText, (int)sizeof szText,
                  "Converting %s to a %s will have permanent effects on his abilities. Are you "
                  "sure you want to do this?",
                  szName, szPosition);
    if (Do_Message_Box(szText, "Confirm Position Change", MB_YESNO) != IDYES)
        return;
    Convert_Player_Position(gScoutTeam, gScoutSlot, nNew);
    EndDialog(hDlg, 1);
}

static INT_PTR On_Change_Position_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK: Confirm_Position_Change(hDlg); return TRUE;
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
    case CHANGE_POSITION_HELP: Show_Help_Topic(IDD_CHANGE_POSITION); return TRUE;
    case CHANGE_POSITION_COMBO:
        if (nCode == CBN_SELCHANGE)
            Fill_Position_Panels(hDlg);
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR Change_Position_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return Dispatch_Dialog_Message(hDlg, uMsg, wParam, lParam, Init_Change_Position_Dialog,
                                   On_Change_Position_Command);
}
