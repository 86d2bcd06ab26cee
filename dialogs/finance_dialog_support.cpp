// What the three finance dialogs share: the spin steps of budgets and prices, the team combo and
// caption, money and rank texts, and who may change the figures.
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define BUDGET_STEP_FACTOR 100
#define BUDGET_LIMIT 50000000
#define CONCESSION_PRICE_LIMIT 10000
#define TICKET_PRICE_LIMIT 50000

int Step_Budget(int nBudget, int bUp, int nInflation) {
    int nStep = Get_Price_Step(nInflation) * BUDGET_STEP_FACTOR;
    if (nStep <= 0)
        return Clamp(nBudget, 0, BUDGET_LIMIT);
    int64_t nNew = (int64_t)nBudget + (bUp ? nStep : -nStep);
    nNew = nNew < 0 ? 0 : (nNew > BUDGET_LIMIT ? BUDGET_LIMIT : nNew);
    return (int)(nNew - nNew % nStep);
}

int Step_Concession_Price(int nPrice, int bUp, int nInflation) {
    int nStep = Get_Price_Step(nInflation / 4);
    return Clamp(nPrice + (bUp ? nStep : -nStep), 0, CONCESSION_PRICE_LIMIT);
}

int Step_Ticket_Price(int nPrice, int bUp, int nInflation) {
    int nStep = Max_Int(1, Get_Price_Step(nInflation));
    int nNew = nPrice + (bUp ? nStep : -nStep);
    return Clamp(nNew - nNew % nStep, 0, TICKET_PRICE_LIMIT);
}

int Can_Change_Finances(int nTeam) {
    int nUser = Get_User_Team();
    if (!Is_Team_Active(nUser))
        nUser = 0;
    return gCommissionerMode || nTeam == nUser;
}

// Each spin steps between 0 (down) and 1 (up); enabled only where the figures may change.
void Set_Up_Finance_Spins(HWND hDlg, const int* pnSpins, int nCount) {
    int bEnable = Can_Change_Finances(Get_Dialog_Team());
    for (int n = 0; n < nCount; n++) {
        SendDlgItemMessageA(hDlg, pnSpins[n], UDM_SETRANGE, 0, MAKELPARAM(1, 0));
        EnableWindow(GetDlgItem(hDlg, pnSpins[n]), bEnable);
    }
}

int Is_Spin_Up(WPARAM wParam) {
    return HIWORD(wParam) == 1;
}

void Set_Money_Text(HWND hDlg, int nId, int nDollars) {
    char szAmount[TEXT_BUFFER_SIZE];
    char szText[TEXT_BUFFER_SIZE];
    Format_With_Commas(nDollars < 0 ? -nDollars : nDollars, szAmount, sizeof szAmount);
    Format_String(szText, sizeof szText, nDollars < 0 ? "-$%s" : "$%s", szAmount);
    SetDlgItemTextA(hDlg, nId, szText);
}

void Set_Cents_Text(HWND hDlg, int nId, int nCents) {
    char szText[TEXT_BUFFER_SIZE];
    Format_String(szText, sizeof szText, "%d.%02d", nCents / 100, nCents % 100);
    SetDlgItemTextA(hDlg, nId, szText);
}

void Restore_Cents_Text(HWND hDlg, int nId, int nCents) {
    char szShown[TEXT_BUFFER_SIZE];
    char szStored[TEXT_BUFFER_SIZE];
    GetDlgItemTextA(hDlg, nId, szShown, sizeof szShown);
    Format_String(szStored, sizeof szStored, "%d.%02d", nCents / 100, nCents % 100);
    if (strcmp(szShown, szStored) != 0)
        SetDlgItemTextA(hDlg, nId, szStored);
}

void Set_Rank_Text(HWND hDlg, int nId, int nTeam, int nStat) {
    char szOrdinal[TEXT_BUFFER_SIZE];
    char szText[TEXT_BUFFER_SIZE];
    Format_Ordinal_Number(szOrdinal, sizeof szOrdinal, Get_Team_Financial_Rank(nTeam, nStat) + 1);
    Format_String(szText, sizeof szText, "(%s)", szOrdinal);
    SetDlgItemTextA(hDlg, nId, szText);
}

// The caption anew: the dialog's name with the season and the dialog team.
void Set_Finance_Caption(HWND hDlg, const char* szName) {
    SetWindowTextA(hDlg, szName);
    Add_Season_To_Caption(hDlg);
}

void Show_Finance_Team(HWND hDlg, const char* szName, void (*pFill)(HWND hDlg)) {
    Set_Finance_Caption(hDlg, szName);
    Fill_Team_List(hDlg);
    pFill(hDlg);
}

void Init_Finance_Dialog(HWND hDlg, const char* szSound, const char* szName,
                         void (*pFill)(HWND hDlg)) {
    if (szSound)
        Play_Sound(szSound);
    Set_Dialog_Font(hDlg);
    Show_Finance_Team(hDlg, szName, pFill);
    Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
}

// The team combo's choice becomes the dialog team; 1 when it changed.
int Take_Finance_Team_Choice(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, IDC_TEAM_COMBO);
    int nItem = (int)SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    int nTeam = (int)SendMessageA(hCombo, CB_GETITEMDATA, nItem, 0) - LIST_KEY_TEAM_ITEM;
    if (!Is_Team_Active(nTeam) || nTeam == Get_Dialog_Team())
        return 0;
    Set_Dialog_Team(nTeam);
    return 1;
}

// The colour, owner-drawn team rows and sizing messages every finance dialog answers alike;
// 1 with *pResult set when the message was one of them.
int Answer_Finance_Dialog_Message(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                  INT_PTR* pResult) {
    switch (uMsg) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        *pResult = (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
        return 1;
    case WM_MEASUREITEM:
        Set_List_Item_Height(hDlg, (MEASUREITEMSTRUCT*)lParam);
        *pResult = TRUE;
        return 1;
    case WM_DRAWITEM:
        if (wParam != IDC_TEAM_COMBO)
            return 0;
        Draw_Team_Combo_Item((const DRAWITEMSTRUCT*)lParam);
        *pResult = TRUE;
        return 1;
    default: return 0;
    }
}
