// The Contract Offer dialog: the user signs a player to the contract he asks for, or lets him go.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define CONTRACT_SIGNED 1
#define CONTRACT_DECLINED 0

// OK signs the player to the contract his record holds; Cancel declines.
// STAND-IN(dialogs): shows his demand and the team's cap room, and lets the user change the years
// and the bonus before he answers.
INT_PTR Contract_Offer_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (uMsg) {
    case WM_INITDIALOG: Center_Window(hDlg, GetWindow(hDlg, GW_OWNER)); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(hDlg, CONTRACT_SIGNED);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, CONTRACT_DECLINED);
            return TRUE;
        }
        return FALSE;
    default: return FALSE;
    }
}

int Open_Contract_Offer_Dialog(HWND hWnd, int nTeam, int nSlot) {
    gScoutTeam = nTeam;
    gScoutSlot = nSlot;
    INT_PTR nResult = Open_Dialog(NULL, IDD_CONTRACT_OFFER);
    if (hWnd) {
        InvalidateRect(hWnd, NULL, TRUE);
        UpdateWindow(hWnd);
    }
    return nResult == CONTRACT_SIGNED;
}

void Show_Roster_Full_Message(int nTeam, int nSlot) {
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
    Show_Message_Box("Too Many Players",
                     "Your team is currently full. You must release a player before you add %s.",
                     szName);
}
