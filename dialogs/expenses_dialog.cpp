// The Expenses dialog: a team's scouting and medical budgets (set by spin buttons), its other
// expenses, revenue and cash, each with the team's rank in the league.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

typedef struct EXPENSE_ROW {
    int nValueId;
    int nRankId;
    int nRankStat;
} EXPENSE_ROW;

static const EXPENSE_ROW kExpenseRows[] = {
    {IDC_EXPENSE_SCOUTING, IDC_EXPENSE_SCOUTING_RANK, FIN_SPENDING_A},
    {IDC_EXPENSE_MEDICAL, IDC_EXPENSE_MEDICAL_RANK, FIN_SPENDING_B},
    {IDC_EXPENSE_SALARIES, IDC_EXPENSE_SALARIES_RANK, FIN_LAST_PAYROLL_COST},
    {IDC_EXPENSE_OPERATING, IDC_EXPENSE_OPERATING_RANK, FIN_LAST_CITY_COST},
    {IDC_EXPENSE_DIVIDENDS, IDC_EXPENSE_DIVIDENDS_RANK, FIN_OPERATING_COST},
    {IDC_EXPENSE_REVENUE, IDC_EXPENSE_REVENUE_RANK, FIN_REVENUE},
    {IDC_EXPENSE_EXPENSES, IDC_EXPENSE_EXPENSES_RANK, FIN_EXPENSES},
    {IDC_EXPENSE_LAST_REVENUE, IDC_EXPENSE_LAST_REVENUE_RANK, FIN_LAST_REVENUE},
    {IDC_EXPENSE_LAST_EXPENSES, IDC_EXPENSE_LAST_EXPENSES_RANK, FIN_LAST_EXPENSES},
    {IDC_EXPENSE_CASH, IDC_EXPENSE_CASH_RANK, FIN_CASH},
};

static const int kExpenseSpins[] = {IDC_EXPENSE_SCOUTING_SPIN, IDC_EXPENSE_MEDICAL_SPIN};

// The figure a row shows: its ranked stat, but for the salaries and operating expenses.
static int Get_Expense_Row_Value(int nTeam, int nValueId) {
    switch (nValueId) {
    case IDC_EXPENSE_SALARIES: return Get_Team_Payroll_Per_Game(nTeam);
    case IDC_EXPENSE_OPERATING: return Get_Team_City_Income_Value(nTeam);
    default: break;
    }
    for (const EXPENSE_ROW& row : kExpenseRows)
        if (row.nValueId == nValueId)
            return Get_Team_Financial_Stat(nTeam, row.nRankStat);
    return 0;
}

static void Fill_Expenses(HWND hDlg) {
    int nTeam = Get_Dialog_Team();
    for (const EXPENSE_ROW& row : kExpenseRows) {
        Set_Money_Text(hDlg, row.nValueId, Get_Expense_Row_Value(nTeam, row.nValueId));
        Set_Rank_Text(hDlg, row.nRankId, nTeam, row.nRankStat);
    }
    Set_Up_Finance_Spins(hDlg, kExpenseSpins, 2);
}

static void Step_Expense_Budget(HWND hDlg, int nStat, int bUp) {
    int nTeam = Get_Dialog_Team();
    if (!Can_Change_Finances(nTeam))
        return;
    Set_Team_Financial_Stat(nTeam, nStat,
                            Step_Budget(Get_Team_Financial_Stat(nTeam, nStat), bUp,
                                        Get_Universe_Stat(UNIVERSE_INFLATION)));
    Fill_Expenses(hDlg);
}

static void On_Expenses_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); break;
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_EXPENSES); break;
    case IDC_VIEW_MY_TEAM:
        Set_Dialog_Team(Get_User_Team());
        Show_Finance_Team(hDlg, "Expenses", Fill_Expenses);
        break;
    case IDC_TEAM_COMBO:
        if (nCode == CBN_SELCHANGE && Take_Finance_Team_Choice(hDlg))
            Show_Finance_Team(hDlg, "Expenses", Fill_Expenses);
        break;
    default: break;
    }
}

INT_PTR Expenses_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    INT_PTR nResult = 0;
    if (Answer_Finance_Dialog_Message(hDlg, uMsg, wParam, lParam, &nResult))
        return nResult;
    switch (uMsg) {
    case WM_INITDIALOG: Init_Finance_Dialog(hDlg, NULL, "Expenses", Fill_Expenses); return TRUE;
    case WM_VSCROLL: {
        int nSpin = GetDlgCtrlID((HWND)lParam);
        if (nSpin == IDC_EXPENSE_SCOUTING_SPIN || nSpin == IDC_EXPENSE_MEDICAL_SPIN)
            Step_Expense_Budget(
                hDlg, nSpin == IDC_EXPENSE_SCOUTING_SPIN ? FIN_SPENDING_A : FIN_SPENDING_B,
                Is_Spin_Up(wParam));
        return TRUE;
    }
    case WM_COMMAND: On_Expenses_Command(hDlg, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
    }
}
