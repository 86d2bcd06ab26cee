// The player lists on one template: a team's roster (Release), the free agents (Sign) and the
// college draft pool (Draft), each a sortable list with its own columns, a team and position
// filter, the cap text and the roster notes.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define FANTASY_MODE_PICKING 1
#define LIST_TEXT_SIZE 512
#define ROSTER_FULL PLAYERS_PER_TEAM
#define MOVE_REFUSED 255

static SORTABLE_LISTVIEW sPlayerList;
static LIST_DIALOG_LAYOUT sListLayout;
static int sListLayoutKept;
static HWND sListDialog;
static int sListKey = 0;  // kept between openings

static int Get_Position_Filter(void) {
    return Clamp(Get_User_Preference(PREF_LIST_POSITION), 0, LIST_ANY_POSITION);
}

static int Is_Fantasy_Picking(void) {
    return Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) == FANTASY_MODE_PICKING;
}

// The team the cap text speaks of: the dialog team, or with none and one human team, that one.
static int Get_List_Cap_Team(void) {
    int nTeam = gDialogTeam;
    if (!Is_Valid_Team(nTeam) && Count_Human_Teams() == 1)
        nTeam = Get_User_Team();
    return nTeam;
}

static int Get_Draft_Pick_On_The_Clock_Owner(void) {
    return Get_Draft_Pick_Owner(0, gDraftRound, Get_Draft_Order_Team(gDraftPick));
}

// The college draft waits for a person's pick.
static int Is_Person_Drafting(void) {
    return Is_College_Draft_On() && Is_Human_Team(Get_Draft_Pick_On_The_Clock_Owner());
}

static int Get_Selected_Player(int* pTeam, int* pSlot) {
    return Get_Listview_Selected_Player(&sPlayerList, pTeam, pSlot) >= 0 &&
           Is_Player_Slot_Used(*pTeam, *pSlot);
}

static void Enable_List_Button(HWND hDlg, int nId, int bEnable) {
    EnableWindow(GetDlgItem(hDlg, nId), bEnable);
}

static void Show_Player_Count(HWND hDlg) {
    int nRows = ListView_GetItemCount(sPlayerList.hList);
    int nSelected = ListView_GetNextItem(sPlayerList.hList, -1, LVNI_SELECTED);
    char szText[LIST_TEXT_SIZE];
    if (nSelected >= 0)
        Format_String(szText, sizeof szText, "Player #%d of %d", nSelected + 1, nRows);
    else
        Format_String(szText, sizeof szText, "%d Players", nRows);
    SetDlgItemTextA(hDlg, IDC_LIST_PLAYER_COUNT, szText);
}

// The buttons and notes after every change.
static void Update_List_Buttons(HWND hDlg) {
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    int bSelected = Get_Selected_Player(&nTeam, &nSlot);
    Enable_List_Button(hDlg, IDC_SCOUTING, bSelected);
    char szText[LIST_TEXT_SIZE];
    switch (gListKind) {
    case LIST_KIND_FREE_AGENTS:
        Enable_List_Button(hDlg, IDC_LIST_ACTION, bSelected);
        Show_Roster_Cap_Room(hDlg);
        Show_Roster_Count(hDlg);
        break;
    case LIST_KIND_COLLEGE_DRAFT:
        Enable_List_Button(hDlg, IDC_LIST_ACTION, bSelected && Is_Person_Drafting());
        Show_Roster_Cap_Room(hDlg);
        Show_Roster_Count(hDlg);
        break;
    default:
        if (Is_Fantasy_Picking()) {
            SetDlgItemTextA(hDlg, IDC_LIST_ACTION, "Draft");
            Enable_List_Button(
                hDlg, IDC_LIST_ACTION,
                bSelected && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO) == NO_TEAM);
        } else {
            Enable_List_Button(hDlg, IDC_LIST_ACTION,
                               bSelected && Is_Team_Active(nTeam) && Is_Human_Team(nTeam) &&
                                   Find_Free_Player_Slot(nTeam) > Get_Team_Roster_Floor(nTeam));
        }
        Format_Roster_Note(sListKey, szText, sizeof szText);
        SetDlgItemTextA(hDlg, IDC_LIST_ROSTER_NOTE, szText);
        Show_Player_Count(hDlg);
        break;
    }
}

static void Show_List_Caption(HWND hDlg) {
    char szCaption[LIST_TEXT_SIZE];
    Format_Player_List_Caption(sListKey, szCaption, sizeof szCaption);
    SetWindowTextA(hDlg, szCaption);
}

static void Show_List_Cap_Text(HWND hDlg) {
    char szText[LIST_TEXT_SIZE];
    Format_Player_List_Cap_Text(Get_List_Cap_Team(), szText, sizeof szText);
    SetDlgItemTextA(hDlg, IDC_LIST_CAP_TEXT, szText);
    if (Is_Fantasy_Picking() && gListKind == LIST_KIND_ROSTER) {
        Format_Fantasy_Picks_Text(Get_Fantasy_Pick_Owner(), szText, sizeof szText);
        SetDlgItemTextA(hDlg, IDC_LIST_PICKS_TEXT, szText);
    }
}

static void Refresh_Player_List(HWND hDlg) {
    Show_List_Cap_Text(hDlg);
    if (Fill_Player_List_Rows(&sPlayerList, sListKey, Get_Position_Filter())) {
        Fill_Listview(&sPlayerList, GetDlgItem(hDlg, LISTVIEW_PROGRESS_ID));
        Sort_Listview(&sPlayerList);
        Clear_Listview_Selection(&sPlayerList);
    }
    Layout_List_Dialog(hDlg, &sListLayout, LIST_LAYOUT_FIT_LIST);
    Update_List_Buttons(hDlg);
}

void Refresh_Sortable_Stats_List(void) {
    if (sListDialog && IsWindow(sListDialog))
        Refresh_Player_List(sListDialog);
}

// Back to the rows shown before a change.
static void Refresh_And_Scroll_Back(HWND hDlg) {
    int nTop = Get_Listview_Top_Item(&sPlayerList);
    Refresh_Player_List(hDlg);
    ListView_EnsureVisible(sPlayerList.hList,
                           Min_Int(nTop + Count_Listview_Visible_Rows(&sPlayerList) - 1,
                                   ListView_GetItemCount(sPlayerList.hList) - 1),
                           FALSE);
}

static void Fill_Position_Combo(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, IDC_POSITION_COMBO);
    for (int nPosition = 0; nPosition <= LIST_ANY_POSITION; nPosition++) {
        char szName[LIST_TEXT_SIZE];
        Get_Position_Name_Text(nPosition, szName, sizeof szName);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szName);
    }
    SendMessageA(hCombo, CB_SETCURSEL, Get_Position_Filter(), 0);
}

// Selects the team combo's item for the key (none found: the first team).
static void Select_Team_Item(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, IDC_TEAM_COMBO);
    int nCount = (int)SendMessageA(hCombo, CB_GETCOUNT, 0, 0);
    for (int nItem = 0; nItem < nCount; nItem++) {
        if (Get_Player_List_Item_Key((int)SendMessageA(hCombo, CB_GETITEMDATA, nItem, 0)) ==
            sListKey) {
            SendMessageA(hCombo, CB_SETCURSEL, nItem, 0);
            return;
        }
    }
    sListKey = 0;
    SendMessageA(hCombo, CB_SETCURSEL, 0, 0);
}

// Every free agent's wish (years, demand, no bonus yet), then the pool in its order.
static void Price_Free_Agents(void) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot))
            continue;
        int nYears = Get_Desired_Contract_Years(FREE_AGENT_TEAM, nSlot);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_CONTRACT_LENGTH, nYears);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SIGNING_BONUS, 0);
        Calculate_Contract_Demand(FREE_AGENT_TEAM, nSlot, 0);
    }
    Sort_Free_Agent_Pool();
}

static void Set_Up_List_Kind(HWND hDlg) {
    switch (gListKind) {
    case LIST_KIND_FREE_AGENTS:
        DestroyWindow(GetDlgItem(hDlg, IDC_TEAM_COMBO));
        DestroyWindow(GetDlgItem(hDlg, IDC_VIEW_MY_TEAM));
        SetDlgItemTextA(hDlg, IDC_LIST_ACTION, "Sign");
        Price_Free_Agents();
        sListKey = LIST_KEY_FREE_AGENTS;
        break;
    case LIST_KIND_COLLEGE_DRAFT:
        DestroyWindow(GetDlgItem(hDlg, IDC_TEAM_COMBO));
        DestroyWindow(GetDlgItem(hDlg, IDC_VIEW_MY_TEAM));
        DestroyWindow(GetDlgItem(hDlg, IDC_PERIOD_COMBO));
        SetDlgItemTextA(hDlg, IDC_LIST_ACTION, "Draft");
        sListKey = LIST_KEY_DRAFT_POOL;
        break;
    default:
        if (sListKey == LIST_KEY_FREE_AGENTS || sListKey == LIST_KEY_DRAFT_POOL ||
            !Is_Known_List_Key(sListKey))
            sListKey = 0;
        if (sListKey >= 0 && sListKey < LEAGUE_TEAM_COUNT && sListKey != Get_Dialog_Team() &&
            Is_Team_Active(Get_Dialog_Team()))
            sListKey = Get_Dialog_Team();
        Select_Team_Item(hDlg);
        break;
    }
}

static void Record_List_Layout(HWND hDlg) {
    static const int anBottomIds[] = {IDC_LIST_CAP_TEXT,   IDC_LIST_ROSTER_NOTE,
                                      IDC_LIST_PICKS_TEXT, LISTVIEW_PROGRESS_ID,
                                      IDC_SCOUTING,        IDC_LIST_ACTION,
                                      IDC_EDIT_COLUMNS,    IDC_AUTOSIZE_COLUMNS,
                                      IDC_DIALOG_HELP,     IDOK};
    if (!sListLayoutKept) {
        Layout_List_Dialog(hDlg, &sListLayout, LIST_LAYOUT_RESET);
        sListLayout.nControls = (int)(sizeof anBottomIds / sizeof anBottomIds[0]);
        for (int n = 0; n < sListLayout.nControls; n++)
            sListLayout.anControlIds[n] = anBottomIds[n];
        sListLayout.nListId = IDC_PLAYER_LIST;
        sListLayoutKept = 1;
    }
    Layout_List_Dialog(hDlg, &sListLayout, LIST_LAYOUT_RECORD);
}

static void Init_Sortable_Stats(HWND hDlg, LPARAM lParam) {
    gListKind = Clamp((int)lParam, LIST_KIND_ROSTER, LIST_KIND_COLLEGE_DRAFT);
    sListDialog = hDlg;
    Set_Dialog_Font(hDlg);
    Fill_Player_List_Team_Combo(hDlg);
    Fill_Position_Combo(hDlg);
    Set_Up_List_Kind(hDlg);
    Init_Listview(&sPlayerList, hDlg, GetDlgItem(hDlg, IDC_PLAYER_LIST));
    Fill_Stat_Period_Combo(hDlg);
    Load_Listview_Columns(&sPlayerList);
    Rebuild_Listview_Columns(&sPlayerList);
    Record_List_Layout(hDlg);
    Refresh_Player_List(hDlg);
    Autosize_Listview_Columns(sPlayerList.hList);
    Show_List_Caption(hDlg);
    Center_Window(hDlg, Get_Main_Window());
}

static int Is_Transaction_Refused(void) {
    if (!Are_Trades_Allowed()) {
        Show_Message_Box("Trading Deadline",
                         "You cannot sign a free agent after the transaction "
                         "deadline. Please wait until the off-season.");
        return 1;
    }
    if (gOwnerMode == 1 && Get_Team_Financial_Stat(Get_User_Team(), FIN_CASH) < 0) {
        Show_Message_Box("Debt",
                         "Because you are currently in debt, you are not allowed to sign "
                         "free agents or increase your payroll.");
        return 1;
    }
    return 0;
}

// Whether the team has room for one more; tells the user when it has not. Asked before any
// bonus is paid, so a full roster never costs money.
static int Has_Roster_Room(int nTeam, int nTeamOfPlayer, int nSlot) {
    if (Find_Free_Player_Slot(nTeam) < ROSTER_FULL)
        return 1;
    Show_Roster_Full_Message(nTeamOfPlayer, nSlot);
    return 0;
}

static void Sign_Free_Agent(HWND hDlg, int nSlot) {
    int nUserTeam = Get_User_Team();
    if (Is_Transaction_Refused() || !Is_Team_Active(nUserTeam) ||
        !Has_Roster_Room(nUserTeam, FREE_AGENT_TEAM, nSlot))
        return;
    if (!Open_Contract_Offer_Dialog(hDlg, FREE_AGENT_TEAM, nSlot))
        return;
    if (Move_Player_To_Team(nUserTeam, FREE_AGENT_TEAM, nSlot) == MOVE_REFUSED) {
        Show_Roster_Full_Message(FREE_AGENT_TEAM, nSlot);
        return;
    }
    Refresh_And_Scroll_Back(hDlg);
}

// The person's pick: the rookie contract, the offer, the pick; then the computer picks until a
// person is on the clock again.
static void Draft_Prospect(HWND hDlg, int nTeam, int nSlot) {
    int nDrafter = Get_Draft_Pick_On_The_Clock_Owner();
    if (!Is_Person_Drafting() || !Has_Roster_Room(nDrafter, nTeam, nSlot))
        return;
    Set_Draft_Pick_Contract(nTeam, nSlot);
    if (!Open_Contract_Offer_Dialog(hDlg, nTeam, nSlot))
        return;
    Record_Draft_Pick(nDrafter, nTeam, nSlot);
    Advance_Draft_Pick();
    SetWindowPos(hDlg, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Run_College_Draft();
    SetWindowPos(hDlg, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Refresh_Player_List(hDlg);
}

static void Take_List_Action(HWND hDlg) {
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    if (!Get_Selected_Player(&nTeam, &nSlot))
        return;
    switch (gListKind) {
    case LIST_KIND_FREE_AGENTS: Sign_Free_Agent(hDlg, nSlot); break;
    case LIST_KIND_COLLEGE_DRAFT: Draft_Prospect(hDlg, nTeam, nSlot); break;
    default:
        if (Is_Fantasy_Picking()) {
            Record_Fantasy_Draft_Pick(nTeam, nSlot, Get_Fantasy_Pick_Owner());
            Show_List_Cap_Text(hDlg);
        } else if (Find_Free_Player_Slot(nTeam) > Get_Team_Roster_Floor(nTeam) &&
                   Confirm_Release_Player(nTeam, nSlot)) {
            Refresh_And_Scroll_Back(hDlg);
        }
        break;
    }
}

// The card of the selected player; when it changed him (signed, moved, edited) the list is
// filled anew with him selected.
static void Scout_Selected_Player(HWND hDlg) {
    int nTeam = NO_TEAM, nSlot = NO_PLAYER;
    if (!Get_Selected_Player(&nTeam, &nSlot))
        return;
    if (gListKind == LIST_KIND_COLLEGE_DRAFT && Is_College_Draft_On())
        Set_Draft_Pick_Contract(nTeam, nSlot);
    int nId = Get_Player_ID(nTeam, nSlot);
    uint32_t uBefore = Get_Player_Record_Checksum(nId);
    Open_Scouting_Report(nTeam, nSlot, hDlg, &sPlayerList);
    if (Get_Player_Record_Checksum(nId) == uBefore)
        return;
    Refresh_Player_List(hDlg);
    if (Get_Player_By_ID(&nTeam, &nSlot, nId))
        Select_Listview_Player(&sPlayerList, nTeam, nSlot);
}

static void Choose_List_Team(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, IDC_TEAM_COMBO);
    int nItem = (int)SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
    int nKey = Get_Player_List_Item_Key((int)SendMessageA(hCombo, CB_GETITEMDATA, nItem, 0));
    if (nKey == LIST_KEY_SEPARATOR) {
        SendMessageA(hCombo, CB_SETCURSEL, nItem + 1, 0);
        nKey = Get_Player_List_Item_Key((int)SendMessageA(hCombo, CB_GETITEMDATA, nItem + 1, 0));
    }
    sListKey = nKey;
    Set_Dialog_Team(nKey >= 0 && nKey < LEAGUE_TEAM_COUNT ? nKey : -1);
    Refresh_Player_List(hDlg);
    Show_List_Caption(hDlg);
}

static void View_User_Team(HWND hDlg) {
    if (sListKey == Get_User_Team()) {
        Show_Message_Box("Sortable Stats", "The team you control is already being displayed.");
        return;
    }
    sListKey = Get_User_Team();
    Select_Team_Item(hDlg);
    Set_Dialog_Team(sListKey);
    Refresh_Player_List(hDlg);
    Show_List_Caption(hDlg);
}

static void On_Sortable_Stats_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); return;
    case IDC_LIST_ACTION: Take_List_Action(hDlg); break;
    case IDC_SCOUTING: Scout_Selected_Player(hDlg); break;
    case IDC_VIEW_MY_TEAM: View_User_Team(hDlg); break;
    case IDC_EDIT_COLUMNS: Open_Stat_Column_Chooser(&sPlayerList); break;
    case IDC_AUTOSIZE_COLUMNS: Autosize_Listview_Columns(sPlayerList.hList); break;
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_SORTABLE_STATS); break;
    case IDC_TEAM_COMBO:
        if (nCode == CBN_SELCHANGE)
            Choose_List_Team(hDlg);
        break;
    case IDC_POSITION_COMBO:
        if (nCode == CBN_SELCHANGE) {
            Set_User_Preference(
                PREF_LIST_POSITION,
                (int)SendDlgItemMessageA(hDlg, IDC_POSITION_COMBO, CB_GETCURSEL, 0, 0));
            Refresh_Player_List(hDlg);
        }
        break;
    case IDC_PERIOD_COMBO:
        if (nCode == CBN_SELCHANGE) {
            gStatPeriod = (int)SendDlgItemMessageA(hDlg, IDC_PERIOD_COMBO, CB_GETCURSEL, 0, 0);
            Refresh_Listview_Cells(&sPlayerList);
        }
        break;
    default: return;
    }
    Update_List_Buttons(hDlg);
}

static INT_PTR On_Sortable_Stats_Notify(HWND hDlg, const NMHDR* pNotify) {
    if (pNotify->idFrom == IDC_PLAYER_LIST && pNotify->code == NM_DBLCLK) {
        Scout_Selected_Player(hDlg);
        return TRUE;
    }
    if (pNotify->idFrom == IDC_PLAYER_LIST && pNotify->code == LVN_ITEMCHANGED) {
        Update_List_Buttons(hDlg);
        return TRUE;
    }
    return On_Listview_Notify(&sPlayerList, pNotify);
}

INT_PTR Sortable_Stats_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    INT_PTR nResult = 0;
    if (Answer_List_Dialog_Sizing(hDlg, uMsg, wParam, lParam, &sListLayout, &nResult))
        return nResult;
    switch (uMsg) {
    case WM_INITDIALOG: Init_Sortable_Stats(hDlg, lParam); return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    case WM_MEASUREITEM: Set_List_Item_Height(hDlg, (MEASUREITEMSTRUCT*)lParam); return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_TEAM_COMBO) {
            Draw_Team_Combo_Item((const DRAWITEMSTRUCT*)lParam);
            return TRUE;
        }
        return FALSE;
    case WM_COMMAND: On_Sortable_Stats_Command(hDlg, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return On_Sortable_Stats_Notify(hDlg, (const NMHDR*)lParam);
    case WM_DESTROY:
        Layout_List_Dialog(hDlg, &sListLayout, LIST_LAYOUT_REMEMBER);
        Save_Listview_Columns(&sPlayerList);
        sListDialog = NULL;
        return FALSE;
    default: return FALSE;
    }
}
