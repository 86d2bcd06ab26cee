// The roster lists' two status lines about the user's team (its cap room and its player count)
// and the sentence on a team's cap position.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

void Show_Roster_Cap_Room(HWND hDlg) {
    int nTeam = Get_Cap_Text_Team(Get_User_Team());
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000;
    int nRoom = nCap == 0 ? 0 : nCap - Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    char szText[TEXT_BUFFER_SIZE];
    Format_Cap_Room_Text(szText, sizeof szText, nTeam, nRoom, 0);
    SetDlgItemTextA(hDlg, IDC_LIST_CAP_TEXT, szText);
}

void Show_Roster_Count(HWND hDlg) {
    int nTeam = Get_Cap_Text_Team(Get_User_Team());
    char szLabel[TEAM_LABEL_SIZE];
    char szText[TEXT_BUFFER_SIZE];
    Get_Team_Label(nTeam, szLabel, sizeof szLabel);
    Format_String(szText, sizeof szText, "The %s have %d roster players, out of a maximum of %d.",
                  szLabel, Find_Free_Player_Slot(nTeam), PLAYERS_PER_TEAM);
    SetDlgItemTextA(hDlg, IDC_LIST_ROSTER_NOTE, szText);
}

void Format_Team_Cap_Sentence(char* szOut, int nSize, int nTeam) {
    char szName[TEAM_LABEL_SIZE] = "";
    if (nTeam <= HALL_OF_FAME_TEAM)
        Get_Team_Nickname(nTeam, szName, sizeof szName);
    char szAmount[TEXT_BUFFER_SIZE];
    int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    if (nCap != 0) {
        int nRoom = nCap / 1000 - nPayroll;
        Format_With_Commas(nRoom > 0 ? nRoom : -nRoom, szAmount, sizeof szAmount);
        Format_String(szOut, nSize,
                      nRoom > 0 ? "The %s are $%s,000 under the salary cap"
                                : "The %s are exceeding the salary cap by $%s,000",
                      szName, szAmount);
        return;
    }
    char szBudget[TEXT_BUFFER_SIZE];
    int64_t nDollars = (int64_t)nPayroll * 1000;
    int nBudget = Get_Team_Payroll_Budget(nTeam);
    Format_With_Commas(Saturate_To_Int(nDollars < 0 ? -nDollars : nDollars), szAmount,
                       sizeof szAmount);
    Format_With_Commas(nBudget < 0 ? -nBudget : nBudget, szBudget, sizeof szBudget);
    Format_String(szOut, nSize, "The %s have a team payroll of $%s (budget: $%s)", szName, szAmount,
                  szBudget);
}
