// The Find Players dialog: search fields kept between openings, the players found in a sortable
// list, two lines about the selected player, and Go Get: the free-agent list for a player
// outside the league's teams, a trade for one on a team, or a fantasy-draft pick.
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define FIND_PREF_OVERALL 62
#define FIND_PREF_POSITION 63
#define FIND_PREF_AGE 64
#define FIND_PREF_RATINGS 65  // 65..69
#define FIND_PREF_SALARY 70
#define FIND_PREF_PEAK 71
#define FIND_DEFAULT_LIMIT 50
#define FIND_TEXT_SIZE 512
#define FIND_CAP_PAYROLL_LINE 29999
#define FIND_CAP_PAYROLL_SHORT 4999
#define FIND_DEADLINE_WEEK 12

static const int kRatingEdits[FIND_PLAYERS_RATINGS] = {
    IDC_FIND_RATING_1, IDC_FIND_RATING_2, IDC_FIND_RATING_3, IDC_FIND_RATING_4, IDC_FIND_RATING_5};
static const int kRatingLabels[FIND_PLAYERS_RATINGS] = {
    IDC_FIND_RATING_LABEL_1, IDC_FIND_RATING_LABEL_2, IDC_FIND_RATING_LABEL_3,
    IDC_FIND_RATING_LABEL_4, IDC_FIND_RATING_LABEL_5};

static SORTABLE_LISTVIEW sFoundList;
static LIST_DIALOG_LAYOUT sFindLayout;
static int sFindLayoutKept;
static int sDepthChartsSet;
static int sStatusPlayer = -2;  // the item value the status lines describe

static int Is_Fantasy_Draft_Running(void) {
    return Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) != 0;
}

// "Quarterbacks", "Safeties", ...: a position's name in the plural.
static void Get_Plural_Position_Name(int nPosition, char* szOut, int nSize) {
    Get_Position_Name_Text(nPosition, szOut, nSize);
    int nLength = (int)strlen(szOut);
    if (nLength > 0 && szOut[nLength - 1] == 'y') {
        szOut[nLength - 1] = '\0';
        safe_strncat(szOut, "ies", nSize);
    } else {
        safe_strncat(szOut, nLength > 0 && szOut[nLength - 1] == 's' ? "es" : "s", nSize);
    }
}

static void Set_Number(HWND hDlg, int nId, int nValue) {
    SetDlgItemInt(hDlg, nId, (UINT)Max_Int(0, nValue), FALSE);
}

static int Get_Number(HWND hDlg, int nId) {
    return (int)GetDlgItemInt(hDlg, nId, NULL, FALSE);
}

static int Get_Chosen_Position(HWND hDlg) {
    int nItem = (int)SendDlgItemMessageA(hDlg, IDC_POSITION_COMBO, CB_GETCURSEL, 0, 0);
    return nItem < 0 ? POSITION_COUNT : nItem;
}

// The five rating labels name the ratings that matter for the chosen position.
static void Label_Find_Ratings(HWND hDlg) {
    int nPosition = Get_Chosen_Position(hDlg);
    for (int i = 0; i < FIND_PLAYERS_RATINGS; i++) {
        char szName[FIND_TEXT_SIZE] = "";
        int nRating = nPosition < POSITION_COUNT ? Get_Position_Rating_Index(nPosition, i) : -1;
        if (nRating >= 0)
            Get_Rating_Name(nRating, szName, sizeof szName);
        SetDlgItemTextA(hDlg, kRatingLabels[i], szName);
    }
}

static void Fill_Find_Fields(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, IDC_POSITION_COMBO);
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        char szName[FIND_TEXT_SIZE];
        Get_Plural_Position_Name(nPosition, szName, sizeof szName);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szName);
    }
    SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM) "Any Player");
    SendMessageA(hCombo, CB_SETCURSEL,
                 Clamp(Get_User_Preference(FIND_PREF_POSITION), 0, POSITION_COUNT), 0);
    int nAge = Get_User_Preference(FIND_PREF_AGE);
    nAge = nAge > 0 ? nAge : FIND_DEFAULT_LIMIT;
    Set_Number(hDlg, IDC_FIND_AGE, nAge);
    SendDlgItemMessageA(hDlg, IDC_FIND_AGE_SPIN, UDM_SETRANGE, 0, MAKELPARAM(99, 1));
    SendDlgItemMessageA(hDlg, IDC_FIND_AGE_SPIN, UDM_SETPOS, 0, nAge);
    Set_Number(hDlg, IDC_FIND_OVERALL, Get_User_Preference(FIND_PREF_OVERALL));
    Set_Number(hDlg, IDC_FIND_PEAK, Get_User_Preference(FIND_PREF_PEAK));
    int nSalary = Get_User_Preference(FIND_PREF_SALARY);
    Set_Number(hDlg, IDC_FIND_SALARY,
               nSalary > 0 ? Min_Int(nSalary, FIND_DEFAULT_LIMIT) : FIND_DEFAULT_LIMIT);
    SetDlgItemTextA(hDlg, IDC_FIND_NAME, "");
    for (int i = 0; i < FIND_PLAYERS_RATINGS; i++)
        Set_Number(hDlg, kRatingEdits[i], Get_User_Preference(FIND_PREF_RATINGS + i));
    Label_Find_Ratings(hDlg);
}

static void Store_Find_Fields(HWND hDlg) {
    Set_User_Preference(FIND_PREF_POSITION, Get_Chosen_Position(hDlg));
    Set_User_Preference(FIND_PREF_AGE, Get_Number(hDlg, IDC_FIND_AGE));
    Set_User_Preference(FIND_PREF_OVERALL, Get_Number(hDlg, IDC_FIND_OVERALL));
    Set_User_Preference(FIND_PREF_PEAK, Get_Number(hDlg, IDC_FIND_PEAK));
    Set_User_Preference(FIND_PREF_SALARY, Get_Number(hDlg, IDC_FIND_SALARY));
    for (int i = 0; i < FIND_PLAYERS_RATINGS; i++)
        Set_User_Preference(FIND_PREF_RATINGS + i, Get_Number(hDlg, kRatingEdits[i]));
}

static void Read_Find_Limits(HWND hDlg, FIND_PLAYERS_LIMITS* pLimits) {
    memset(pLimits, 0, sizeof *pLimits);
    pLimits->nPosition = Get_Chosen_Position(hDlg);
    pLimits->nMaxAge = Get_Number(hDlg, IDC_FIND_AGE);
    pLimits->nMaxSalary = Saturate_To_Int((int64_t)Get_Number(hDlg, IDC_FIND_SALARY) * 1000);
    pLimits->nMinOverall = Get_Number(hDlg, IDC_FIND_OVERALL);
    pLimits->nMinPeak = Get_Number(hDlg, IDC_FIND_PEAK);
    GetDlgItemTextA(hDlg, IDC_FIND_NAME, pLimits->szName, sizeof pLimits->szName);
    for (int i = 0; i < FIND_PLAYERS_RATINGS; i++)
        pLimits->anRatings[i] = Get_Number(hDlg, kRatingEdits[i]);
}

// A team's cap position for the status lines, with or without the closing full stop.
static void Format_Find_Cap_Line(int nTeam, int bFullStop, char* szOut, int nSize) {
    char szName[TEAM_LABEL_SIZE];
    char szAmount[FIND_TEXT_SIZE];
    Get_Team_Nickname(nTeam, szName, sizeof szName);
    int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    int nRoom = Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000 - nPayroll;
    const char* szStop = bFullStop ? "." : "";
    if (nRoom < 0) {
        Format_String(szOut, nSize, "The %s are exceeding the salary cap%s", szName, szStop);
    } else if (nRoom > (bFullStop ? FIND_CAP_PAYROLL_LINE : FIND_CAP_PAYROLL_SHORT)) {
        Format_With_Commas(nPayroll, szAmount, sizeof szAmount);
        Format_String(szOut, nSize, "The %s currently have a $%s,000 total payroll%s", szName,
                      szAmount, szStop);
    } else {
        Format_With_Commas(nRoom, szAmount, sizeof szAmount);
        Format_String(szOut, nSize, "The %s are $%s,000 under the salary cap%s", szName, szAmount,
                      szStop);
    }
}

static void Show_Find_Status(HWND hDlg) {
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    int nValue = Get_Listview_Selected_Player(&sFoundList, &nTeam, &nSlot);
    if (nValue == sStatusPlayer)
        return;
    sStatusPlayer = nValue;
    int bPlayer = nValue >= 0 && Is_Player_Slot_Used(nTeam, nSlot);
    int nUserTeam = Get_Cap_Text_Team(Get_User_Team());
    char szFirst[FIND_TEXT_SIZE] = "";
    char szSecond[FIND_TEXT_SIZE] = "";
    char szName[PLAYER_NAME_TEXT_SIZE];
    if (Is_Fantasy_Draft_Running()) {
        safe_strncpy(szFirst,
                     "Note: During a Fantasy Draft,\nthis screen only displays UNDRAFTED players.",
                     sizeof szFirst);
        if (bPlayer) {
            char szSalary[FIND_TEXT_SIZE];
            Get_Player_Last_Name(nTeam, nSlot, szName, sizeof szName);
            Get_Player_Salary_Text(nTeam, nSlot, szSalary, sizeof szSalary);
            Format_String(szSecond, sizeof szSecond, "%s is %d, earning %s thru %d.", szName,
                          Get_Player_Exact_Age(nTeam, nSlot), szSalary,
                          Get_Season_Year() +
                              Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) - 1);
        }
    } else if (!bPlayer) {
        Format_Find_Cap_Line(nUserTeam, 1, szFirst, sizeof szFirst);
        safe_strncpy(szSecond,
                     "To view all players at one team or position,\nchoose 'Sortable Stats' from "
                     "the Team Menu.",
                     sizeof szSecond);
    } else if (!Is_Team_Active(nTeam)) {
        char szAmount[FIND_TEXT_SIZE];
        Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
        Format_With_Commas(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY), szAmount,
                           sizeof szAmount);
        Format_String(szFirst, sizeof szFirst, "%s is seeking a $%s,000 salary", szName, szAmount);
        Format_Find_Cap_Line(nUserTeam, 0, szSecond, sizeof szSecond);
    } else {
        char szCity[TEAM_LABEL_SIZE];
        char szWish[FIND_TEXT_SIZE];
        Get_Team_String(szCity, sizeof szCity, nTeam, TEAM_CITY);
        Describe_Team_Needs(szWish, sizeof szWish, nTeam);
        Format_String(szFirst, sizeof szFirst, "%s is seeking %s...", szCity, szWish);
        Format_Find_Cap_Line(nTeam, 1, szSecond, sizeof szSecond);
    }
    SetDlgItemTextA(hDlg, IDC_FIND_STATUS_1, szFirst);
    SetDlgItemTextA(hDlg, IDC_FIND_STATUS_2, szSecond);
}

static void Run_Find_Search(HWND hDlg) {
    Set_App_Cursor(LISTVIEW_CURSOR_WAIT);
    if (!sDepthChartsSet && !(gLiveGame != NULL && Is_Game_Watched(gLiveGame))) {
        Set_Computer_Depth_Charts(0);
        sDepthChartsSet = 1;
    }
    FIND_PLAYERS_LIMITS limits;
    Read_Find_Limits(hDlg, &limits);
    if (Find_Players(&limits, &sFoundList) == 0)
        Show_Message_Box("Search Failed",
                         "Couldn't find any players with those parameters. Try broadening your "
                         "search.");
    Fill_Listview(&sFoundList, NULL);
    Sort_Listview(&sFoundList);
    Clear_Listview_Selection(&sFoundList);
    Autosize_Listview_Columns(sFoundList.hList);
    sStatusPlayer = -2;
    Show_Find_Status(hDlg);
    Set_App_Cursor(LISTVIEW_CURSOR_ARROW);
}

static void Go_Get_Player(HWND hDlg) {
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    if (Get_Listview_Selected_Player(&sFoundList, &nTeam, &nSlot) < 0 ||
        !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    if (Is_Fantasy_Draft_Running()) {
        Record_Fantasy_Draft_Pick(nTeam, nSlot, Get_Fantasy_Pick_Owner());
        EndDialog(hDlg, 1);
        return;
    }
    if (!Are_Trades_Allowed()) {
        Show_Message_Box("Trading Deadline",
                         nTeam == FREE_AGENT_TEAM
                             ? "Free agent signings are not allowed after week %d of the season."
                             : "No trades are allowed after week %d of the season.",
                         FIND_DEADLINE_WEEK);
        return;
    }
    if (!Is_Team_Active(nTeam)) {
        gScoutTeam = nTeam;
        gScoutSlot = nSlot;
        Open_Dialog(hDlg, IDD_FREE_AGENTS);
    } else {
        Start_Trade_Offer_For_Player(nTeam, nSlot);
        Open_Dialog(hDlg, IDD_TRADES);
    }
    Run_Find_Search(hDlg);
}

// The card of the selected player; when it changed him the search runs again.
static void Scout_Found_Player(HWND hDlg) {
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    if (Get_Listview_Selected_Player(&sFoundList, &nTeam, &nSlot) < 0)
        return;
    int nId = Get_Player_ID(nTeam, nSlot);
    uint32_t uBefore = Get_Player_Record_Checksum(nId);
    Open_Scouting_Report(nTeam, nSlot, hDlg, &sFoundList);
    if (Get_Player_Record_Checksum(nId) == uBefore)
        return;
    Run_Find_Search(hDlg);
    if (Get_Player_By_ID(&nTeam, &nSlot, nId) && Is_Player_In_Listview(&sFoundList, nTeam, nSlot))
        Select_Listview_Player(&sFoundList, nTeam, nSlot);
}

static void Record_Find_Layout(HWND hDlg) {
    static const int anBottomIds[] = {
        IDC_FIND_STATUS_1, IDC_FIND_STATUS_2,    IDC_SCOUTING,    IDC_FIND_GO_GET,
        IDC_EDIT_COLUMNS,  IDC_AUTOSIZE_COLUMNS, IDC_DIALOG_HELP, IDOK};
    if (!sFindLayoutKept) {
        Layout_List_Dialog(hDlg, &sFindLayout, LIST_LAYOUT_RESET);
        sFindLayout.nControls = (int)(sizeof anBottomIds / sizeof anBottomIds[0]);
        for (int n = 0; n < sFindLayout.nControls; n++)
            sFindLayout.anControlIds[n] = anBottomIds[n];
        sFindLayout.nListId = IDC_PLAYER_LIST;
        sFindLayoutKept = 1;
    }
    Layout_List_Dialog(hDlg, &sFindLayout, LIST_LAYOUT_RECORD);
}

static void Init_Find_Players(HWND hDlg) {
    gListKind = LIST_KIND_FIND_PLAYERS;
    sDepthChartsSet = 0;
    sStatusPlayer = -2;
    Set_Dialog_Font(hDlg);
    Fill_Find_Fields(hDlg);
    if (Is_Fantasy_Draft_Running())
        SetDlgItemTextA(hDlg, IDC_FIND_GO_GET, "Draft");
    Init_Listview(&sFoundList, hDlg, GetDlgItem(hDlg, IDC_PLAYER_LIST));
    Load_Listview_Columns(&sFoundList);
    Rebuild_Listview_Columns(&sFoundList);
    Record_Find_Layout(hDlg);
    Show_Find_Status(hDlg);
    Center_Window(hDlg, Get_Main_Window());
}

static void On_Find_Players_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK:
        Store_Find_Fields(hDlg);
        EndDialog(hDlg, 1);
        break;
    case IDCANCEL: EndDialog(hDlg, 0); break;
    case IDC_FIND_SEARCH: Run_Find_Search(hDlg); break;
    case IDC_FIND_GO_GET: Go_Get_Player(hDlg); break;
    case IDC_SCOUTING: Scout_Found_Player(hDlg); break;
    case IDC_EDIT_COLUMNS: Open_Stat_Column_Chooser(&sFoundList); break;
    case IDC_AUTOSIZE_COLUMNS: Autosize_Listview_Columns(sFoundList.hList); break;
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_FIND_PLAYERS); break;
    case IDC_POSITION_COMBO:
        if (nCode == CBN_SELCHANGE)
            Label_Find_Ratings(hDlg);
        break;
    default: break;
    }
}

static INT_PTR On_Find_Players_Notify(HWND hDlg, const NMHDR* pNotify) {
    if (pNotify->idFrom == IDC_PLAYER_LIST && pNotify->code == NM_DBLCLK) {
        Scout_Found_Player(hDlg);
        return TRUE;
    }
    if (pNotify->idFrom == IDC_PLAYER_LIST && pNotify->code == LVN_ITEMCHANGED) {
        Show_Find_Status(hDlg);
        return TRUE;
    }
    return On_Listview_Notify(&sFoundList, pNotify);
}

INT_PTR Find_Players_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    INT_PTR nResult = 0;
    if (Answer_List_Dialog_Sizing(hDlg, uMsg, wParam, lParam, &sFindLayout, &nResult))
        return nResult;
    switch (uMsg) {
    case WM_INITDIALOG: Init_Find_Players(hDlg); return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    case WM_COMMAND: On_Find_Players_Command(hDlg, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return On_Find_Players_Notify(hDlg, (const NMHDR*)lParam);
    case WM_VSCROLL:
        if (GetDlgCtrlID((HWND)lParam) == IDC_FIND_AGE_SPIN)
            Set_Number(hDlg, IDC_FIND_AGE, HIWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        Layout_List_Dialog(hDlg, &sFindLayout, LIST_LAYOUT_REMEMBER);
        Save_Listview_Columns(&sFoundList);
        return FALSE;
    default: return FALSE;
    }
}
