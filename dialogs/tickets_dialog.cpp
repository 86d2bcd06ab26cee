// The Tickets dialog: the ticket price (set by a spin button), the last home game's gate, this
// and last season's revenue and attendance, and the market of the team's city and stadium.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define TICKETS_HELP_TOPIC "tickets"

static void Set_Number_Text(HWND hDlg, int nId, int nValue) {
    char szText[TEXT_BUFFER_SIZE];
    Format_With_Commas(nValue, szText, sizeof szText);
    SetDlgItemTextA(hDlg, nId, szText);
}

static void Set_Year_Text(HWND hDlg, int nId, const char* szFormat, int nYear) {
    char szText[TEXT_BUFFER_SIZE];
    Format_String(szText, sizeof szText, szFormat, nYear);
    SetDlgItemTextA(hDlg, nId, szText);
}

// The last home game: the price paid on average, the crowd (a sell-out marked "*") and the gate.
static void Fill_Last_Home_Game(HWND hDlg, int nTeam) {
    int nGate = Get_Team_Financial_Stat(nTeam, FIN_LAST_GATE);
    int nCrowd = Get_Team_Financial_Stat(nTeam, FIN_LAST_ATTENDANCE);
    int nAverage = nCrowd == 0 ? 0 : (int)(((int64_t)nGate * 100 + nCrowd / 2) / nCrowd);
    char szText[TEXT_BUFFER_SIZE];
    Format_String(szText, sizeof szText, "$%d.%02d", nAverage / 100, nAverage % 100);
    SetDlgItemTextA(hDlg, IDC_TICKET_LAST_PRICE, szText);
    Format_With_Commas(nCrowd, szText, sizeof szText);
    if (nCrowd == Get_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY))
        safe_strncat(szText, "*", sizeof szText);
    SetDlgItemTextA(hDlg, IDC_TICKET_LAST_ATTENDANCE, szText);
    Set_Money_Text(hDlg, IDC_TICKET_LAST_GATE, nGate);
}

// A season's revenue and attendance per game and its attendance total.
static void Fill_Ticket_Season(HWND hDlg, int nTeam, int bLast) {
    int nGames = Get_Team_Financial_Stat(nTeam, bLast ? FIN_SEASON_HOME_GAMES : FIN_HOME_GAMES);
    int nRevenue = Get_Team_Financial_Stat(nTeam, bLast ? FIN_PROJECTED_GATE : FIN_GATE_REVENUE);
    int nCrowd =
        Get_Team_Financial_Stat(nTeam, bLast ? FIN_PROJECTED_ATTENDANCE : FIN_HOME_ATTENDANCE);
    int nYear = Get_Season_Year() - bLast;
    Set_Year_Text(hDlg, bLast ? IDC_TICKET_LAST_REVENUE_CAPTION : IDC_TICKET_REVENUE_CAPTION,
                  "%d (Per Game)", nYear);
    Set_Year_Text(hDlg, bLast ? IDC_TICKET_LAST_TOTAL_CAPTION : IDC_TICKET_TOTAL_CAPTION,
                  "%d (Total)", nYear);
    Set_Year_Text(hDlg, bLast ? IDC_TICKET_LAST_CROWD_CAPTION : IDC_TICKET_CROWD_CAPTION,
                  "%d (Per Game)", nYear);
    Set_Money_Text(hDlg, bLast ? IDC_TICKET_LAST_REVENUE : IDC_TICKET_REVENUE,
                   nGames == 0 ? 0 : nRevenue / nGames);
    Set_Number_Text(hDlg, bLast ? IDC_TICKET_LAST_TOTAL : IDC_TICKET_TOTAL, nCrowd);
    Set_Number_Text(hDlg, bLast ? IDC_TICKET_LAST_CROWD : IDC_TICKET_CROWD,
                    nGames == 0 ? nCrowd : nCrowd / nGames);
}

static void Fill_Tickets(HWND hDlg) {
    int nTeam = Get_Dialog_Team();
    Set_Cents_Text(hDlg, IDC_TICKET_PRICE, Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE));
    Fill_Last_Home_Game(hDlg, nTeam);
    Fill_Ticket_Season(hDlg, nTeam, 0);
    Fill_Ticket_Season(hDlg, nTeam, 1);
    Set_Number_Text(hDlg, IDC_TICKET_CITY_POPULATION, Get_Team_City_Stat(nTeam, CITY_POPULATION));
    Set_Number_Text(hDlg, IDC_TICKET_REGION_POPULATION,
                    Get_Team_City_Stat(nTeam, CITY_REGION_POPULATION));
    Set_Money_Text(hDlg, IDC_TICKET_CITY_INCOME, Get_Team_City_Stat(nTeam, CITY_INCOME));
    Set_Number_Text(hDlg, IDC_TICKET_CAPACITY, Get_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY));
    static const int anSpins[] = {IDC_TICKET_SPIN};
    Set_Up_Finance_Spins(hDlg, anSpins, 1);
}

static void Step_Ticket(HWND hDlg, int bUp) {
    int nTeam = Get_Dialog_Team();
    if (!Can_Change_Finances(nTeam))
        return;
    int nPrice = Step_Ticket_Price(Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE), bUp,
                                   Get_Universe_Stat(UNIVERSE_INFLATION));
    Set_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE, nPrice);
    Set_Cents_Text(hDlg, IDC_TICKET_PRICE, nPrice);
}

static void On_Tickets_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); break;
    case IDC_DIALOG_HELP: Open_Help_Page(TICKETS_HELP_TOPIC); break;
    case IDC_TEAM_COMBO:
        if (nCode == CBN_SELCHANGE && Take_Finance_Team_Choice(hDlg))
            Show_Finance_Team(hDlg, "Tickets", Fill_Tickets);
        break;
    case IDC_TICKET_PRICE:
        if (nCode == EN_CHANGE)  // typing puts the stored price back
            Restore_Cents_Text(hDlg, IDC_TICKET_PRICE,
                               Get_Team_Financial_Stat(Get_Dialog_Team(), FIN_TICKET_PRICE));
        break;
    default: break;
    }
}

INT_PTR Tickets_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    INT_PTR nResult = 0;
    if (Answer_Finance_Dialog_Message(hDlg, uMsg, wParam, lParam, &nResult))
        return nResult;
    switch (uMsg) {
    case WM_INITDIALOG: Init_Finance_Dialog(hDlg, "cash.wav", "Tickets", Fill_Tickets); return TRUE;
    case WM_VSCROLL:
        if (GetDlgCtrlID((HWND)lParam) == IDC_TICKET_SPIN)
            Step_Ticket(hDlg, Is_Spin_Up(wParam));
        return TRUE;
    case WM_COMMAND: On_Tickets_Command(hDlg, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
    }
}
