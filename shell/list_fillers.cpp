// The list and combo box fillers the dialogs share: teams, percentages, grades and statistics
// periods; file lists without their extensions; tab stops that follow the dialog font's width.
#include "shell/shell.h"

#include "database/database.h"

#include <string.h>
#include <strings.h>

#define FILLER_TEAM_LIST_ID 1132
#define FILLER_STAT_PERIOD_COMBO_ID 1223
#define FILLER_WIDTH_GAUGE_ID 1356
#define FILLER_STAT_PERIOD_STRING_FIRST 143
#define FILLER_STAT_PERIOD_COUNT_COMMISSIONER 4
#define FILLER_TEAM_ITEM_DATA_BASE 1000
#define FILLER_ITEM_TEXT_SIZE 512

const char* const GRADE_NAMES[GRADE_NAME_COUNT] = {"F ", "F",  "D-", "D ", "D+", "C-", "C ",
                                                   "C+", "B-", "B ", "B+", "A-", "A ", "A+"};
int gDialogWidthFactor = 0;

namespace {

// The list box and combo box messages of one operation, so one walk serves both kinds.
struct FILLER_MESSAGES {
    UINT uReset, uAdd, uSetData, uGetData, uSetSel, uGetSel, uCount, uGetText, uGetTextLen, uDelete,
        uInsert;
};

const FILLER_MESSAGES FILLER_LIST_BOX = {
    LB_RESETCONTENT, LB_ADDSTRING, LB_SETITEMDATA, LB_GETITEMDATA,  LB_SETCURSEL,   LB_GETCURSEL,
    LB_GETCOUNT,     LB_GETTEXT,   LB_GETTEXTLEN,  LB_DELETESTRING, LB_INSERTSTRING};
const FILLER_MESSAGES FILLER_COMBO_BOX = {
    CB_RESETCONTENT, CB_ADDSTRING, CB_SETITEMDATA,  CB_GETITEMDATA,  CB_SETCURSEL,   CB_GETCURSEL,
    CB_GETCOUNT,     CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_DELETESTRING, CB_INSERTSTRING};

const char* const FILLER_STAT_PERIOD_NAMES[FILLER_STAT_PERIOD_COUNT_COMMISSIONER] = {
    "This Season", "Last Season", "Career", "Predicted"};

const int FILLER_STAT_PERIOD_BUTTONS[3] = {1097, 1098, 1111};

const FILLER_MESSAGES& Filler_Messages_Of(HWND hControl) {
    char szClass[32];
    if (GetClassNameA(hControl, szClass, (int)sizeof szClass) > 0 &&
        strcasecmp(szClass, "ListBox") == 0)
        return FILLER_LIST_BOX;
    return FILLER_COMBO_BOX;
}

int Filler_Add_Item(HWND hControl, const FILLER_MESSAGES& msg, const char* szText) {
    return (int)SendMessageA(hControl, msg.uAdd, 0, (LPARAM)szText);
}

void Strip_Item_Extensions(HWND hControl, const FILLER_MESSAGES& msg) {
    if (!hControl)
        return;
    const int nSelected = (int)SendMessageA(hControl, msg.uGetSel, 0, 0);
    const int nCount = (int)SendMessageA(hControl, msg.uCount, 0, 0);
    char szItem[FILLER_ITEM_TEXT_SIZE];
    for (int i = 0; i < nCount; i++) {
        int nLength = (int)SendMessageA(hControl, msg.uGetTextLen, i, 0);
        if (nLength < 0 || nLength >= FILLER_ITEM_TEXT_SIZE)
            continue;
        if (SendMessageA(hControl, msg.uGetText, i, (LPARAM)szItem) < 0)
            continue;
        szItem[nLength] = 0;
        if (!strrchr(szItem, '.'))
            continue;
        Strip_Extension(szItem);
        LRESULT nData = SendMessageA(hControl, msg.uGetData, i, 0);
        SendMessageA(hControl, msg.uDelete, i, 0);
        SendMessageA(hControl, msg.uInsert, i, (LPARAM)szItem);
        SendMessageA(hControl, msg.uSetData, i, nData);
    }
    if (nSelected >= 0)
        SendMessageA(hControl, msg.uSetSel, nSelected, 0);
}

}  // namespace

void Reset_List_Box(HWND hList) {
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
}

void Reset_Combo_Box(HWND hCombo) {
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
}

void Fill_Team_List(HWND hDlg) {
    HWND hControl = GetDlgItem(hDlg, FILLER_TEAM_LIST_ID);
    if (!hControl)
        return;
    const FILLER_MESSAGES& msg = Filler_Messages_Of(hControl);
    SendMessageA(hControl, msg.uReset, 0, 0);
    gActiveTeamCount = Count_Active_Teams();
    if (gActiveTeamCount == 0) {
        EnableWindow(hControl, FALSE);
        return;
    }
    const int nDialogTeam = Get_Dialog_Team();
    int nSelect = -1;
    char szLabel[TEAM_LABEL_SIZE];
    for (int nTeam = 0; nTeam < gActiveTeamCount; nTeam++) {
        Get_Team_Label(nTeam, szLabel, (int)sizeof szLabel);
        int nItem = Filler_Add_Item(hControl, msg, szLabel);
        if (nItem < 0)
            continue;
        SendMessageA(hControl, msg.uSetData, nItem, nTeam + FILLER_TEAM_ITEM_DATA_BASE);
        if (nTeam == nDialogTeam)
            nSelect = nItem;
    }
    SendMessageA(hControl, msg.uSetSel, nSelect, 0);
    EnableWindow(hControl, TRUE);
}

void Fill_Percent_Combo(HWND hCombo) {
    Reset_Combo_Box(hCombo);
    char szItem[16];
    for (int nPercent = -100; nPercent <= 100; nPercent += 10) {
        if (nPercent < 0)
            Format_String(szItem, (int)sizeof szItem, "-%d%%", -nPercent);
        else
            Format_String(szItem, (int)sizeof szItem, "+%d%%", nPercent);
        Filler_Add_Item(hCombo, FILLER_COMBO_BOX, szItem);
    }
}

void Fill_Grade_Combo(HWND hCombo) {
    Reset_Combo_Box(hCombo);
    for (int i = 0; i < GRADE_NAME_COUNT - 1; i++)
        Filler_Add_Item(hCombo, FILLER_COMBO_BOX, GRADE_NAMES[i]);
}

void Fill_Stat_Period_Combo(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, FILLER_STAT_PERIOD_COMBO_ID);
    if (!hCombo)
        return;
    Reset_Combo_Box(hCombo);
    const int nCount = gCommissionerMode ? FILLER_STAT_PERIOD_COUNT_COMMISSIONER : 3;
    char szItem[64];
    for (int i = 0; i < nCount; i++) {
        if (!Load_String(FILLER_STAT_PERIOD_STRING_FIRST + i, szItem, (int)sizeof szItem))
            safe_strncpy(szItem, FILLER_STAT_PERIOD_NAMES[i], (int)sizeof szItem);
        Filler_Add_Item(hCombo, FILLER_COMBO_BOX, szItem);
    }
    if (gStatPeriod < 0 || gStatPeriod >= nCount)
        gStatPeriod = 0;
    SendMessageA(hCombo, CB_SETCURSEL, gStatPeriod, 0);
}

void Check_Stat_Period_Button(HWND hDlg) {
    for (int i = 0; i < 3; i++) {
        if (!GetDlgItem(hDlg, FILLER_STAT_PERIOD_BUTTONS[i]))
            continue;
        CheckDlgButton(hDlg, FILLER_STAT_PERIOD_BUTTONS[i],
                       gStatPeriod == i ? BST_CHECKED : BST_UNCHECKED);
    }
}

void Cut_At_Char(char* szText, char ch) {
    char* pFound = strchr(szText, ch);
    if (pFound)
        *pFound = 0;
}

void Strip_Extension(char* szText) {
    char* pDot = strrchr(szText, '.');
    if (pDot)
        *pDot = 0;
}

void Strip_List_Box_Extensions(HWND hList) {
    Strip_Item_Extensions(hList, FILLER_LIST_BOX);
}

void Strip_Combo_Box_Extensions(HWND hCombo) {
    Strip_Item_Extensions(hCombo, FILLER_COMBO_BOX);
}

int Measure_Dialog_Width_Factor(HWND hDlg) {
    RECT rc = {0, 0, 0, 0};
    HWND hGauge = GetDlgItem(hDlg, FILLER_WIDTH_GAUGE_ID);
    if (hGauge)
        GetWindowRect(hGauge, &rc);
    gDialogWidthFactor = Mul_Div(rc.right - rc.left, 1000, 512);
    return gDialogWidthFactor;
}

int Scale_Tab_Stops(int* pTabs, int nCount) {
    if (!pTabs)
        return 0;
    for (int i = 0; i < nCount; i++)
        pTabs[i] = gDialogWidthFactor ? Mul_Div(pTabs[i], 1000, gDialogWidthFactor) : 0;
    return nCount;
}
