// The fantasy draft's two dialogs: Start Fantasy Draft (the pick order of the first and the
// later rounds, announcements) and Fantasy Draft Order (every pick, filtered by team and
// position, with the card of a drafted player).
#include <stdlib.h>
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define FANTASY_ORDER_ROUNDS 65
#define FANTASY_ROW_SIZE 256
#define FANTASY_FIRST_BY_CASH 2
#define FANTASY_FIRST_BY_REVENUE 3

typedef struct ORDER_CHOICE {
    int nButton;
    int nCode;
} ORDER_CHOICE;

static const ORDER_CHOICE kFirstRoundChoices[] = {
    {IDC_FANTASY_FIRST_RANDOM, 1},
    {IDC_FANTASY_FIRST_CASH, FANTASY_FIRST_BY_CASH},
    {IDC_FANTASY_FIRST_REVENUE, FANTASY_FIRST_BY_REVENUE},
    {IDC_FANTASY_FIRST_ALPHABETICAL, 4},
};
static const ORDER_CHOICE kLaterRoundChoices[] = {
    {IDC_FANTASY_LATER_REVERSE, 7},
    {IDC_FANTASY_LATER_REPEAT, 6},
    {IDC_FANTASY_LATER_SNAKE, 5},
    {IDC_FANTASY_LATER_RANDOM, 1},
};

static int Read_Order_Choice(HWND hDlg, const ORDER_CHOICE* pChoices, int nCount, int nNone) {
    for (int n = 0; n < nCount; n++)
        if (IsDlgButtonChecked(hDlg, pChoices[n].nButton) == BST_CHECKED)
            return pChoices[n].nCode;
    return nNone;
}

// A click on one choice of a table checks it alone.
static void Check_Order_Choice(HWND hDlg, const ORDER_CHOICE* pChoices, int nCount, int nId) {
    int bInTable = 0;
    for (int n = 0; n < nCount; n++)
        bInTable |= pChoices[n].nButton == nId;
    if (!bInTable)
        return;
    for (int n = 0; n < nCount; n++)
        CheckDlgButton(hDlg, pChoices[n].nButton,
                       pChoices[n].nButton == nId ? BST_CHECKED : BST_UNCHECKED);
}

int Read_Fantasy_First_Round_Order(HWND hDlg) {
    return Read_Order_Choice(hDlg, kFirstRoundChoices, 4, 1);
}

int Read_Fantasy_Later_Round_Order(HWND hDlg) {
    return Read_Order_Choice(hDlg, kLaterRoundChoices, 4, 7);
}

static int sOrderStat;

// Lowest first; equal figures keep team order.
static int Compare_Teams_By_Stat(const void* pA, const void* pB) {
    int nA = *(const int*)pA;
    int nB = *(const int*)pB;
    int nValueA = Get_Team_Financial_Stat(nA, sOrderStat);
    int nValueB = Get_Team_Financial_Stat(nB, sOrderStat);
    if (nValueA != nValueB)
        return nValueA < nValueB ? -1 : 1;
    return nA - nB;
}

// The first round by cash or by last season's revenue, lowest first.
static void Fill_First_Round_By_Money(int nCode) {
    int anTeams[LEAGUE_TEAM_COUNT];
    int nTeams = Count_Active_Teams();
    for (int n = 0; n < nTeams; n++)
        anTeams[n] = n;
    sOrderStat = nCode == FANTASY_FIRST_BY_CASH ? FIN_CASH : FIN_LAST_REVENUE;
    qsort(anTeams, (size_t)nTeams, sizeof anTeams[0], Compare_Teams_By_Stat);
    for (int n = 0; n < nTeams; n++)
        Set_Fantasy_Order_Team(0, n, anTeams[n]);
}

static void Begin_Fantasy_Draft(HWND hDlg) {
    int nFirst = Read_Fantasy_First_Round_Order(hDlg);
    int nLater = Read_Fantasy_Later_Round_Order(hDlg);
    Set_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS,
                      IsDlgButtonChecked(hDlg, IDC_FANTASY_ANNOUNCE) == BST_CHECKED);
    if (nFirst == FANTASY_FIRST_BY_CASH || nFirst == FANTASY_FIRST_BY_REVENUE)
        Fill_First_Round_By_Money(nFirst);
    EndDialog(hDlg, IDOK);
    Start_Fantasy_Draft(nFirst, nLater);
}

INT_PTR Start_Fantasy_Draft_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        Set_Dialog_Font(hDlg);
        CheckDlgButton(hDlg, IDC_FANTASY_FIRST_RANDOM, BST_CHECKED);
        CheckDlgButton(hDlg, IDC_FANTASY_LATER_REVERSE, BST_CHECKED);
        CheckDlgButton(hDlg, IDC_FANTASY_ANNOUNCE,
                       Get_Universe_Stat(UNIVERSE_ANNOUNCE_PICKS) ? BST_CHECKED : BST_UNCHECKED);
        Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: Begin_Fantasy_Draft(hDlg); return TRUE;
        case IDCANCEL: EndDialog(hDlg, IDCANCEL); return TRUE;
        case IDC_DIALOG_HELP: Open_Help_Page("fantasyDraft"); return TRUE;
        default:
            Check_Order_Choice(hDlg, kFirstRoundChoices, 4, LOWORD(wParam));
            Check_Order_Choice(hDlg, kLaterRoundChoices, 4, LOWORD(wParam));
            return TRUE;
        }
    default: return FALSE;
    }
}

// ---- Fantasy Draft Order --------------------------------------------------------------------------

// The made pick's player: his team and slot, 0 when the pick is not made or he is gone.
static int Find_Pick_Player(int nPick, int* pTeam, int* pSlot) {
    int nTeams = Count_Active_Teams();
    int nRound = nPick / nTeams;
    int nPlace = nPick % nTeams;
    int bMade = nRound < Get_Fantasy_Draft_Round() ||
                (nRound == Get_Fantasy_Draft_Round() && nPlace < Get_Fantasy_Draft_Place());
    return bMade && Get_Player_By_ID(pTeam, pSlot, Get_Fantasy_Draft_Pick_Player(nRound, nPlace));
}

// "round<tab>Last, First<tab>position<tab>", or the owner in brackets for a pick not made.
static void Format_Pick_Row(int nPick, int nTeam, int nSlot, int bMade, char* szOut, int nSize) {
    int nTeams = Count_Active_Teams();
    char szRound[16];
    char szWho[FANTASY_ROW_SIZE];
    char szPosition[32] = "";
    Format_String(szRound, sizeof szRound, "%d", nPick / nTeams + 1);
    Pad_Left_Double(szRound, sizeof szRound, 2);
    if (bMade) {
        char szLast[PLAYER_NAME_TEXT_SIZE];
        char szFull[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Last_Name(nTeam, nSlot, szLast, sizeof szLast);
        Get_Player_Full_Name(nTeam, nSlot, szFull, sizeof szFull);
        const char* szFirst = strchr(szFull, ' ');
        Format_String(szWho, sizeof szWho, "%s, %.*s", szLast,
                      szFirst ? (int)(szFirst - szFull) : (int)strlen(szFull), szFull);
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        if (nPosition >= 0 && nPosition < POSITION_COUNT)
            Load_String(IDS_POSITION_ABBREVIATIONS + (UINT)nPosition, szPosition,
                        sizeof szPosition);
        else
            safe_strncpy(szPosition, "Any", sizeof szPosition);
        Pad_Left_Double(szPosition, sizeof szPosition, 2);
    } else {
        char szLabel[TEAM_LABEL_SIZE];
        Get_Team_Label(Get_Fantasy_Order_Team(nPick / nTeams, nPick % nTeams), szLabel,
                       sizeof szLabel);
        Format_String(szWho, sizeof szWho, "[%s]", szLabel);
    }
    Format_String(szOut, nSize, "%s\t%s\t%s\t", szRound, szWho, szPosition);
}

static void Fill_Pick_List(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, IDC_FANTASY_PICK_LIST);
    int nSelected = (int)SendMessageA(hList, LB_GETCURSEL, 0, 0);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    int nTeams = Count_Active_Teams();
    for (int nPick = 0; nPick < nTeams * FANTASY_ORDER_ROUNDS; nPick++) {
        int nOwner = Get_Fantasy_Order_Team(nPick / nTeams, nPick % nTeams);
        if (gFantasyOrderTeamFilter < nTeams && gFantasyOrderTeamFilter != nOwner)
            continue;
        int nTeam = NO_TEAM, nSlot = NO_PLAYER;
        int bMade = Find_Pick_Player(nPick, &nTeam, &nSlot);
        if (gFantasyOrderPositionFilter < POSITION_COUNT &&
            (!bMade ||
             Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) != gFantasyOrderPositionFilter))
            continue;
        char szRow[FANTASY_ROW_SIZE];
        Format_Pick_Row(nPick, nTeam, nSlot, bMade, szRow, sizeof szRow);
        int nItem = (int)SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szRow);
        SendMessageA(hList, LB_SETITEMDATA, nItem, nPick);
    }
    if (nSelected >= 0)
        SendMessageA(hList, LB_SETCURSEL, nSelected, 0);
}

static void Fill_Order_Filters(HWND hDlg) {
    HWND hTeams = GetDlgItem(hDlg, IDC_TEAM_COMBO);
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        char szLabel[TEAM_LABEL_SIZE];
        Get_Team_Label(nTeam, szLabel, sizeof szLabel);
        SendMessageA(hTeams, CB_ADDSTRING, 0, (LPARAM)szLabel);
    }
    SendMessageA(hTeams, CB_ADDSTRING, 0, (LPARAM) "ALL TEAMS");
    gFantasyOrderTeamFilter = Clamp(gFantasyOrderTeamFilter, 0, nTeams);
    SendMessageA(hTeams, CB_SETCURSEL, gFantasyOrderTeamFilter, 0);
    HWND hPositions = GetDlgItem(hDlg, IDC_POSITION_COMBO);
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        char szName[FANTASY_ROW_SIZE];
        Get_Position_Name_Text(nPosition, szName, sizeof szName);
        SendMessageA(hPositions, CB_ADDSTRING, 0, (LPARAM)szName);
    }
    SendMessageA(hPositions, CB_ADDSTRING, 0, (LPARAM) "Any");
    gFantasyOrderPositionFilter = Clamp(gFantasyOrderPositionFilter, 0, POSITION_COUNT);
    SendMessageA(hPositions, CB_SETCURSEL, gFantasyOrderPositionFilter, 0);
}

static void Scout_Selected_Pick(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, IDC_FANTASY_PICK_LIST);
    int nItem = (int)SendMessageA(hList, LB_GETCURSEL, 0, 0);
    if (nItem < 0)
        return;
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    if (Find_Pick_Player((int)SendMessageA(hList, LB_GETITEMDATA, nItem, 0), &nTeam, &nSlot))
        Open_Scouting_Report_At(nTeam, nSlot, hDlg);
}

static void On_Fantasy_Order_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); break;
    case IDC_DIALOG_HELP: Open_Help_Page("draftorder"); break;
    case IDC_SCOUTING: Scout_Selected_Pick(hDlg); break;
    case IDC_FANTASY_PICK_LIST:
        if (nCode == LBN_DBLCLK)
            Scout_Selected_Pick(hDlg);
        break;
    case IDC_TEAM_COMBO:
    case IDC_POSITION_COMBO:
        if (nCode != CBN_SELCHANGE)
            break;
        gFantasyOrderTeamFilter =
            (int)SendDlgItemMessageA(hDlg, IDC_TEAM_COMBO, CB_GETCURSEL, 0, 0);
        gFantasyOrderPositionFilter =
            (int)SendDlgItemMessageA(hDlg, IDC_POSITION_COMBO, CB_GETCURSEL, 0, 0);
        Fill_Pick_List(hDlg);
        break;
    default: break;
    }
}

INT_PTR Fantasy_Draft_Order_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: {
        Set_Dialog_Font(hDlg);
        int anTabs[] = {25, 125};
        SendDlgItemMessageA(hDlg, IDC_FANTASY_PICK_LIST, LB_SETTABSTOPS, 2, (LPARAM)anTabs);
        Fill_Order_Filters(hDlg);
        Fill_Pick_List(hDlg);
        Center_Window(hDlg, GetWindow(hDlg, GW_OWNER));
        return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    case WM_COMMAND: On_Fantasy_Order_Command(hDlg, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    default: return FALSE;
    }
}
