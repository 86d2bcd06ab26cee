// The roster lists' two status lines about the user's team: its cap room and its player count.
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
