// The Trading Block: the user puts players and picks on the block, says what he wants back, and
// collects the best legal offer of every other team; an offer opens in the Trades dialog.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define BLOCK_USER_LABEL 1121
#define BLOCK_ROSTER 1424
#define BLOCK_SCOUTING 1045
#define BLOCK_ADD 1370
#define BLOCK_LIST 1126
#define BLOCK_CASH 1127
#define BLOCK_SPIN 1209
#define BLOCK_CASH_LABEL 1373
#define BLOCK_REQUEST 1375
#define BLOCK_GET_OFFERS 1372
#define BLOCK_OFFERS 1371
#define BLOCK_PROGRESS 1083
#define BLOCK_STATUS 1376
#define BLOCK_PERIOD 1223

#define PREF_BLOCK_REQUEST 99
#define LIVE_OFFER_ROWS 17
#define WARNING_ROSTER 53
#define BLOCK_LIST_NAME "LVD_Trading_Block"
#define BLOCK_TEXT_SIZE 256
#define SHOWN_OFFER_ITEMS 3

static const char* const kRequestNames[BLOCK_REQUEST_KINDS] = {
    "Quarterbacks", "Running Backs", "Fullbacks", "Tight Ends",     "Wide Receivers",
    "Tackles",      "Guards",        "Centers",   "Defensive Ends", "Defensive Tackles",
    "Linebackers",  "Cornerbacks",   "Safeties",  "Kickers",        "Punters",
    "Any Players",  "Prospects",     "Veterans",  "Draft Picks",    "Cash",
};

// Name, Pos, Age, Cap Impact, Years, Overall and Peak.
static const int kBlockColumns[] = {0, 2, 15, 11, 91, 3, 4};
#define BLOCK_COLUMNS ((int)(sizeof kBlockColumns / sizeof kBlockColumns[0]))

static SORTABLE_LISTVIEW sBlockList;  // the user's players, then his picks

// ---- rows ----------------------------------------------------------------------------------------

static void Format_Block_Item(int nTeam, int nItem, char* szOut, int nSize) {
    if (nItem >= Find_Free_Player_Slot(nTeam)) {
        Format_Trade_Offer_Item(nTeam, nItem, szOut, nSize);
        return;
    }
    char szName[PLAYER_NAME_TEXT_SIZE], szPosition[POSITION_NAME_SIZE];
    Get_Player_Full_Name(nTeam, nItem, szName, sizeof szName);
    Append_Injury_Status(szName, sizeof szName, nTeam, nItem);
    Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, nItem, VITAL_POSITION), szPosition,
                              sizeof szPosition);
    int nOverall = (int)Get_Player_Overall_Rating(nTeam, nItem);
    int nPeak = (int)Get_Player_Potential(nTeam, nItem);
    if (nOverall < nPeak)
        Format_String(szOut, nSize, "%s (%s) (%d/%d)", szName, szPosition, nOverall, nPeak);
    else
        Format_String(szOut, nSize, "%s (%s) (%d)", szName, szPosition, nPeak);
}

void Format_Block_Offer(const TRADE_OFFER* pOffer, int nKind, char* szOut, int nSize) {
    int nTeam = pOffer->acTeam[1];
    char szAbbreviation[TEAM_STRING_SIZE], szItem[BLOCK_TEXT_SIZE];
    Get_Team_String(szAbbreviation, sizeof szAbbreviation, nTeam, TEAM_ABBREVIATION);
    Format_String(szOut, nSize, "%s offers", szAbbreviation);
    int nCount = Count_Trade_Offer_Items(pOffer, 1);
    for (int n = 0; n < nCount && n < SHOWN_OFFER_ITEMS; n++) {
        Format_Block_Item(nTeam, pOffer->aabItems[1][n], szItem, sizeof szItem);
        int bMore = n == SHOWN_OFFER_ITEMS - 1 && nCount > SHOWN_OFFER_ITEMS;
        Append_Format_String(szOut, nSize, bMore ? "\t%s ..." : "\t%s", szItem);
    }
    if (nKind < POSITION_COUNT && nCount == 1 &&
        Is_Trade_Item_Player(pOffer, 1, pOffer->aabItems[1][0])) {
        Format_Player_Stat_Summary(nTeam, pOffer->aabItems[1][0], gStatPeriod, szItem,
                                   sizeof szItem);
        Append_Format_String(szOut, nSize, "\t%s", szItem);
    }
    if (nCount == 0) {
        Format_With_Commas(pOffer->nCash < 0 ? -pOffer->nCash : pOffer->nCash, szItem,
                           sizeof szItem);
        Append_Format_String(szOut, nSize, "\t$%s", szItem);
    }
    if (szOut[0] >= 'a' && szOut[0] <= 'z')
        szOut[0] = (char)(szOut[0] - 'a' + 'A');
}

static int Get_Request_Kind(HWND hDlg) {
    int nKind = hDlg ? (int)SendDlgItemMessageA(hDlg, BLOCK_REQUEST, CB_GETCURSEL, 0, 0)
                     : Get_User_Preference(PREF_BLOCK_REQUEST);
    return Clamp(nKind, 0, BLOCK_REQUEST_KINDS - 1);
}

static void Fill_Offers_List(HWND hDlg) {
    if (!hDlg)
        return;
    HWND hList = GetDlgItem(hDlg, BLOCK_OFFERS);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    char szRow[BLOCK_TEXT_SIZE * 2];
    int nKind = Get_Request_Kind(hDlg);
    for (int n = 0; n < TRADING_BLOCK_OFFERS; n++) {
        if (!Validate_Trade_Offer(&gTradingBlockOffers[n]))
            continue;
        Format_Block_Offer(&gTradingBlockOffers[n], nKind, szRow, sizeof szRow);
        int nRow = (int)SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)szRow);
        SendMessageA(hList, LB_SETITEMDATA, nRow, n);
    }
}

// ---- the search ----------------------------------------------------------------------------------

static int Count_Block_Players(void) {
    int nPlayers = 0;
    int nCount = Count_Trade_Offer_Items(&gTradeOffer, 0);
    for (int n = 0; n < nCount; n++)
        nPlayers += Is_Trade_Item_Player(&gTradeOffer, 0, gTradeOffer.aabItems[0][n]);
    return nPlayers;
}

static void Show_Search_Progress(HWND hDlg, int bSearching) {
    if (!hDlg)
        return;
    HWND hBar = GetDlgItem(hDlg, BLOCK_PROGRESS);
    if (bSearching) {
        SendMessageA(hBar, PBM_SETRANGE, 0, MAKELPARAM(0, Count_Active_Teams()));
        SendMessageA(hBar, PBM_SETSTEP, 1, 0);
        SendMessageA(hBar, PBM_SETPOS, 0, 0);
        SetDlgItemTextA(hDlg, BLOCK_STATUS, "Getting Trade Offers...    (Please Wait)");
    }
    ShowWindow(hBar, bSearching ? SW_SHOW : SW_HIDE);
    EnableWindow(hDlg, !bSearching);
}

int Get_Trading_Block_Offers(HWND hDlg) {
    Clear_Trading_Block_Offers();
    Fill_Offers_List(hDlg);
    int nUser = gTradeOffer.acTeam[0];
    int nKind = Get_Request_Kind(hDlg);
    int nFloor = Get_Team_Roster_Floor(nUser);
    if (Find_Free_Player_Slot(nUser) - Count_Block_Players() < nFloor &&
        (nKind == BLOCK_WANTS_PICKS || nKind == BLOCK_WANTS_CASH)) {
        char szName[TEAM_STRING_SIZE];
        Get_Team_Short_Name(nUser, szName, sizeof szName);
        Show_Message_Box("Illegal Trading Block Offer", "%s would have less than %d players.",
                         szName, nFloor);
        return -1;
    }
    Show_Search_Progress(hDlg, 1);
    TEAM_NEEDS wants, userNeeds;
    Get_Trading_Block_Wants(nUser, nKind, wants);
    Get_Team_Needs(nUser, userNeeds);
    int nStored = 0;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        if (nTeam == nUser)
            continue;
        if (hDlg)
            SendDlgItemMessageA(hDlg, BLOCK_PROGRESS, PBM_STEPIT, 0, 0);
        Pump_Messages();
        if (nStored >= TRADING_BLOCK_OFFERS ||
            !Find_Team_Best_Offer(nTeam, nKind, wants, &gTradingBlockOffers[nStored]))
            continue;
        Sort_Trade_Offer_Items(&gTradingBlockOffers[nStored]);
        nStored++;
        if (nStored <= LIVE_OFFER_ROWS)
            Fill_Offers_List(hDlg);
    }
    int nLegal = Order_Trading_Block_Offers(nKind, userNeeds);
    Fill_Offers_List(hDlg);
    Show_Search_Progress(hDlg, 0);
    return nLegal;
}

// ---- the dialog ----------------------------------------------------------------------------------

static void Set_Offer_Tab_Stops(HWND hList) {
    int anTabs[] = {80, 220, 360, 500};
    int nTabs = (int)(sizeof anTabs / sizeof anTabs[0]);
    SendMessageA(hList, LB_SETTABSTOPS, nTabs, (LPARAM)anTabs);
}

static void Show_Roster_Warning(HWND hDlg) {
    int nUser = gTradeOffer.acTeam[0];
    int nPlayers = Find_Free_Player_Slot(nUser);
    char szText[BLOCK_TEXT_SIZE] = "";
    if (nPlayers <= WARNING_ROSTER) {
        char szLabel[TEAM_LABEL_SIZE];
        Get_Team_Label(nUser, szLabel, sizeof szLabel);
        Format_String(szText, sizeof szText,
                      "Warning: The %s only have %d players.\n(The minimum roster size is %d "
                      "players.)",
                      szLabel, nPlayers, ROSTER_FLOOR);
    }
    SetDlgItemTextA(hDlg, BLOCK_STATUS, szText);
}

// ---- the roster list: players and picks ----------------------------------------------------------

// A pick's row has an item value past every league roster's: active teams x 100 + n + 1.
static int Get_Pick_Row_Value(int nPick) {
    return Count_Active_Teams() * PLAYERS_PER_TEAM + nPick + 1;
}

static int Find_Block_Row(int nValue) {
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = nValue;
    return (int)SendMessageA(sBlockList.hList, LVM_FINDITEMA, (WPARAM)-1, (LPARAM)&find);
}

// The pick's text goes in the Name column; its other cells stay empty.
static void Write_Pick_Row(int nTeam, int nPick) {
    int nRow = Find_Block_Row(Get_Pick_Row_Value(nPick));
    if (nRow < 0)
        return;
    char szPick[TRADE_ROW_SIZE * 2];
    Format_Trade_Pick_Row(nTeam, nPick, "  %s Round Pick (%d) (%s)", szPick, sizeof szPick);
    HWND hHeader = ListView_GetHeader(sBlockList.hList);
    int nColumns = hHeader ? (int)SendMessageA(hHeader, HDM_GETITEMCOUNT, 0, 0) : 0;
    for (int nColumn = 0; nColumn < nColumns; nColumn++) {
        LVITEMA item = {};
        item.iSubItem = nColumn;
        item.pszText =
            (LPSTR)(Get_Listview_Column_Id(sBlockList.hList, nColumn) == 0 ? szPick : "");
        SendMessageA(sBlockList.hList, LVM_SETITEMTEXTA, (WPARAM)nRow, (LPARAM)&item);
    }
}

static void Fill_Block_Roster(void) {
    int nUser = gTradeOffer.acTeam[0];
    Clear_Listview_Players(&sBlockList);
    int nPlayers = Find_Free_Player_Slot(nUser);
    for (int nSlot = 0; nSlot < nPlayers; nSlot++)
        Add_Listview_Player(&sBlockList, nUser, nSlot);
    int nPicks = Count_Team_Draft_Picks_Three_Years(nUser);
    int nPickTeam = Count_Active_Teams();
    for (int nPick = 0; nPick < nPicks; nPick++)
        Add_Listview_Player(&sBlockList, nPickTeam, nPick + 1);
    Fill_Listview(&sBlockList, NULL);
    for (int nPick = 0; nPick < nPicks; nPick++)
        Write_Pick_Row(nUser, nPick);
    Autosize_Listview_Columns(sBlockList.hList);  // the picks' names are the widest
    if (sBlockList.nSort != 0)
        Sort_Listview(&sBlockList);
}

static void Set_Block_Columns(void) {
    sBlockList.nColumnCount = BLOCK_COLUMNS;
    for (int n = 0; n < BLOCK_COLUMNS; n++)
        sBlockList.anChosen[n] = kBlockColumns[n];
    Rebuild_Listview_Columns(&sBlockList);
}

static void Init_Block_Roster(HWND hDlg) {
    HWND hList = GetDlgItem(hDlg, BLOCK_ROSTER);
    SetWindowTextA(hList, BLOCK_LIST_NAME);
    Init_Listview(&sBlockList, hDlg, hList);
    // Roster order until a column is clicked, and roster order breaks that column's ties.
    sBlockList.nSort = 0;
    sBlockList.nPreviousSort = 0;
    Set_Block_Columns();
}

// The block item of the selected row: the slot of a player, player count + n for the n-th pick;
// -1 when no row is selected.
static int Get_Selected_Block_Item(void) {
    int nTeam, nSlot;
    int nValue = Get_Listview_Selected_Player(&sBlockList, &nTeam, &nSlot);
    int nUser = gTradeOffer.acTeam[0];
    if (nValue < 0)
        return -1;
    if (nTeam == nUser)
        return nSlot;
    int nPick = nValue - Get_Pick_Row_Value(0);
    return nPick >= 0 ? Find_Free_Player_Slot(nUser) + nPick : -1;
}

static void Set_Block_Buttons(HWND hDlg) {
    int nItem = Get_Selected_Block_Item();
    EnableWindow(GetDlgItem(hDlg, BLOCK_ADD),
                 nItem >= 0 && Can_Add_Trade_Item(&gTradeOffer, 0, nItem));
    EnableWindow(GetDlgItem(hDlg, BLOCK_SCOUTING),
                 nItem >= 0 && Is_Trade_Item_Player(&gTradeOffer, 0, nItem));
}

static void Fill_Block_Lists(HWND hDlg) {
    Fill_Block_Roster();
    Fill_Trade_Offer_List(GetDlgItem(hDlg, BLOCK_LIST), &gTradeOffer, 0);
    Set_Block_Buttons(hDlg);
}

static void Fill_Request_Combo(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, BLOCK_REQUEST);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    for (int n = 0; n < BLOCK_REQUEST_KINDS; n++)
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)kRequestNames[n]);
    SendMessageA(hCombo, CB_SETCURSEL,
                 Clamp(Get_User_Preference(PREF_BLOCK_REQUEST), 0, BLOCK_REQUEST_KINDS - 1), 0);
}

// The block as the dialog opens: kept during the draft when it is still a valid offer.
static void Reset_Trading_Block(HWND hDlg) {
    if (!(Is_College_Draft_On() && Validate_Trade_Offer(&gTradeOffer)))
        Init_Trade_Offer(&gTradeOffer);
    Clear_Trading_Block_Offers();
    SendDlgItemMessageA(hDlg, BLOCK_OFFERS, LB_RESETCONTENT, 0, 0);
    Fill_Request_Combo(hDlg);
    Set_Computer_Depth_Charts(0);
    int bOwner = gOwnerMode == 1;
    SendDlgItemMessageA(hDlg, BLOCK_SPIN, UDM_SETRANGE, 0, MAKELONG(1, 0));
    SetDlgItemTextA(hDlg, BLOCK_CASH, "0");
    SetDlgItemTextA(hDlg, BLOCK_CASH_LABEL, "and  $");
    static const int kOwnerControls[] = {BLOCK_SPIN, BLOCK_CASH, BLOCK_CASH_LABEL};
    for (int nId : kOwnerControls)
        ShowWindow(GetDlgItem(hDlg, nId), bOwner ? SW_SHOW : SW_HIDE);
    int nUser = Get_User_Team();
    Set_Trade_Team_Heading(hDlg, BLOCK_USER_LABEL, nUser);
    int nPartner = Get_Remembered_Trade_Partner(nUser);
    gTradeOffer.acTeam[0] = (int8_t)nUser;
    gTradeOffer.acTeam[1] = (int8_t)nPartner;
    Fill_Block_Lists(hDlg);
    ShowWindow(GetDlgItem(hDlg, BLOCK_PROGRESS), SW_HIDE);
    Show_Roster_Warning(hDlg);
    if (gCommissionerMode)
        Set_Dialog_Team(nUser);
}

static void Add_To_Block(HWND hDlg, int bExplain) {
    int nItem = Get_Selected_Block_Item();
    if (nItem < 0)
        return;
    if (!Can_Add_Trade_Item(&gTradeOffer, 0, nItem)) {
        if (bExplain)
            Explain_Cannot_Add_Trade_Item(&gTradeOffer, 0, nItem);
        return;
    }
    Add_Trade_Item(&gTradeOffer, 0, nItem);
    Fill_Trade_Offer_List(GetDlgItem(hDlg, BLOCK_LIST), &gTradeOffer, 0);
    Set_Block_Buttons(hDlg);
}

static void Remove_From_Block(HWND hDlg) {
    int nEntry = (int)SendDlgItemMessageA(hDlg, BLOCK_LIST, LB_GETCURSEL, 0, 0);
    if (nEntry < 0)
        return;
    Remove_Trade_Item(&gTradeOffer, 0, nEntry);
    Fill_Trade_Offer_List(GetDlgItem(hDlg, BLOCK_LIST), &gTradeOffer, 0);
    Set_Block_Buttons(hDlg);
}

// The card walks the list. A player whose record changed on it (released, say) takes the block
// and the offers with him; the list is filled again and shows him where he now stands.
static void Scout_Block_Player(HWND hDlg) {
    int nSlot = Get_Selected_Block_Item();
    int nUser = gTradeOffer.acTeam[0];
    if (nSlot < 0 || !Is_Trade_Item_Player(&gTradeOffer, 0, nSlot))
        return;
    int nId = Get_Player_ID(nUser, nSlot);
    uint32_t nBefore = Get_Player_Record_Checksum(nId);
    Open_Scouting_Report(nUser, nSlot, hDlg, &sBlockList);
    if (Get_Player_ID(nUser, nSlot) == nId && Get_Player_Record_Checksum(nId) == nBefore)
        return;
    Clear_Trade_Offer_Side(&gTradeOffer, 0);
    Clear_Trading_Block_Offers();
    SendDlgItemMessageA(hDlg, BLOCK_OFFERS, LB_RESETCONTENT, 0, 0);
    Fill_Block_Lists(hDlg);
    int nTeam = NO_TEAM;
    if (Get_Player_By_ID(&nTeam, &nSlot, nId) && nTeam == nUser)
        Select_Listview_Player(&sBlockList, nTeam, nSlot);
    Set_Block_Buttons(hDlg);
}

static void Get_Offers(HWND hDlg) {
    if (Count_Trade_Offer_Items(&gTradeOffer, 0) == 0) {
        Show_Message_Box("Trading Block", "%s",
                         "You must add a player to the Trading Block before clicking 'Get "
                         "Offers'.");
        return;
    }
    char szCash[TRADE_ROW_SIZE];
    GetDlgItemTextA(hDlg, BLOCK_CASH, szCash, sizeof szCash);
    gTradeOffer.nCash = Parse_Money(szCash);
    SendDlgItemMessageA(hDlg, BLOCK_OFFERS, LB_RESETCONTENT, 0, 0);
    int nKind = Get_Request_Kind(hDlg);
    if (nKind == BLOCK_WANTS_CASH) {
        gTradeOffer.nCash = 0;
        SetDlgItemTextA(hDlg, BLOCK_CASH, "0");
    }
    int nFound = Get_Trading_Block_Offers(hDlg);
    if (nFound == 0)
        Show_Message_Box("No Trade Offers", "%s",
                         nKind == BLOCK_WANTS_CASH
                             ? "There are no offers for the listed player(s). Change the players "
                               "offered.\n\nHint: Teams may not have enough salary cap room for "
                               "the offered player(s)."
                             : "There are no offers for the listed player(s). Change the players "
                               "offered, or add money to your offer.");
    Fill_Offers_List(hDlg);
    Show_Roster_Warning(hDlg);
}

static void Open_Block_Offer(HWND hDlg) {
    int nRow = (int)SendDlgItemMessageA(hDlg, BLOCK_OFFERS, LB_GETCURSEL, 0, 0);
    if (nRow < 0)
        return;
    int nRecord = (int)SendDlgItemMessageA(hDlg, BLOCK_OFFERS, LB_GETITEMDATA, nRow, 0);
    if (nRecord < 0 || nRecord >= TRADING_BLOCK_OFFERS)
        return;
    TRADE_OFFER saved = gTradeOffer;
    gTradeOffer = gTradingBlockOffers[nRecord];
    gTradeOffer.nDone = 0;
    gTradePartner = NO_TEAM;
    EnableWindow(hDlg, FALSE);
    Open_Dialog(hDlg, IDD_TRADES);
    EnableWindow(hDlg, TRUE);
    if (gTradeOffer.nDone == 1) {
        Init_Trade_Offer(&gTradeOffer);
        Reset_Trading_Block(hDlg);
    } else {
        gTradeOffer = saved;
    }
}

static void On_Block_Cash_Spin(HWND hDlg, int nPosition) {
    char szCash[TRADE_ROW_SIZE];
    GetDlgItemTextA(hDlg, BLOCK_CASH, szCash, sizeof szCash);
    int nStep = Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION)) * 1000;
    int nAmount = Step_Trade_Cash(Parse_Money(szCash), nPosition != 0,
                                  Get_Team_Financial_Stat(gTradeOffer.acTeam[0], FIN_CASH), nStep);
    Format_With_Commas(nAmount, szCash, sizeof szCash);
    SetDlgItemTextA(hDlg, BLOCK_CASH, szCash);
}

static INT_PTR On_Block_Command(HWND hDlg, int nId, int nCode) {
    switch (nId) {
    case BLOCK_LIST:
        if (nCode == LBN_DBLCLK)
            Remove_From_Block(hDlg);
        return TRUE;
    case BLOCK_OFFERS:
        if (nCode == LBN_DBLCLK)
            Open_Block_Offer(hDlg);
        return TRUE;
    case BLOCK_REQUEST:
        if (nCode == CBN_SELCHANGE)
            Set_User_Preference(PREF_BLOCK_REQUEST, Get_Request_Kind(hDlg));
        return TRUE;
    case BLOCK_PERIOD:
        if (nCode == CBN_SELCHANGE) {
            gStatPeriod =
                Max_Int(0, (int)SendDlgItemMessageA(hDlg, BLOCK_PERIOD, CB_GETCURSEL, 0, 0));
            Fill_Offers_List(hDlg);
        }
        return TRUE;
    case BLOCK_ADD: Add_To_Block(hDlg, 0); return TRUE;
    case BLOCK_SCOUTING: Scout_Block_Player(hDlg); return TRUE;
    case BLOCK_GET_OFFERS: Get_Offers(hDlg); return TRUE;
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_TRADING_BLOCK); return TRUE;
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
    default: return FALSE;
    }
}

// The roster list's notifications: a double click adds the row to the block, a column click
// sorts, a click or a new selection redoes the buttons, and the header's menu may change the
// columns, after which the list is filled again.
static INT_PTR On_Block_Notify(HWND hDlg, const NMHDR* pNotify) {
    if (pNotify->hwndFrom == sBlockList.hHeader && pNotify->code == NM_RCLICK) {
        int nCommand = Show_Listview_Header_Menu(&sBlockList);
        if (nCommand == LISTVIEW_MENU_DEFAULT_COLUMNS)
            Set_Block_Columns();
        if (nCommand == LISTVIEW_MENU_CHOOSE_COLUMNS || nCommand == LISTVIEW_MENU_DEFAULT_COLUMNS)
            Fill_Block_Roster();
        return TRUE;
    }
    if (pNotify->idFrom != BLOCK_ROSTER)
        return FALSE;
    switch (pNotify->code) {
    case NM_DBLCLK: Add_To_Block(hDlg, 1); return TRUE;
    case LVN_COLUMNCLICK: return On_Listview_Notify(&sBlockList, pNotify);
    case NM_CLICK:
    case LVN_ITEMCHANGED:
        if (sBlockList.bBusy)
            return TRUE;
        Set_Block_Buttons(hDlg);
        if (pNotify->code == NM_CLICK)
            InvalidateRect(sBlockList.hList, NULL, TRUE);
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR Trading_Block_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        Set_Dialog_Font(hDlg);
        Fill_Stat_Period_Combo(hDlg);
        Init_Block_Roster(hDlg);
        Set_Offer_Tab_Stops(GetDlgItem(hDlg, BLOCK_OFFERS));
        Reset_Trading_Block(hDlg);
        Center_Window(hDlg, Get_Main_Window());
        return TRUE;
    case WM_COMMAND: return On_Block_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: return On_Block_Notify(hDlg, (const NMHDR*)lParam);
    case WM_VSCROLL:
        if (LOWORD(wParam) == SB_THUMBPOSITION && GetDlgCtrlID((HWND)lParam) == BLOCK_SPIN)
            On_Block_Cash_Spin(hDlg, (short)HIWORD(wParam));
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
