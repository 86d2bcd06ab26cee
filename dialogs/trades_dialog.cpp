// The Trades dialog: the user's roster and picks on top, a partner's below, the offer between
// them, cash in Owner Mode; the offer is submitted, countered, balanced or forced.
#include <math.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define TRADES_USER_LABEL 1121
#define TRADES_USER_ROSTER 1124
#define TRADES_USER_SCOUTING 1084
#define TRADES_USER_ADD 1046
#define TRADES_PARTNER_COMBO 1123
#define TRADES_PARTNER_ROSTER 1125
#define TRADES_PARTNER_SCOUTING 1042
#define TRADES_PARTNER_ADD 1044
#define TRADES_USER_OFFER 1126
#define TRADES_PARTNER_OFFER 1032
#define TRADES_USER_CASH 1127
#define TRADES_USER_SPIN 1209
#define TRADES_USER_CASH_LABEL 1461
#define TRADES_PARTNER_CASH 1022
#define TRADES_PARTNER_SPIN 1138
#define TRADES_PARTNER_CASH_LABEL 1462
#define TRADES_SUBMIT 1128
#define TRADES_COUNTER 1130
#define TRADES_CLEAR 1129
#define TRADES_BALANCE_PICKS 1132
#define TRADES_BALANCE_CASH 1455
#define TRADES_USER_CAP 1368
#define TRADES_PARTNER_CAP 1369
#define TRADES_LEGALITY 1381
#define TRADES_USER_MONEY 1452
#define TRADES_PARTNER_MONEY 1453

#define MOST_TRADE_CASH 100000000
#define GOODWILL_STEP 150
#define COUNTER_TRIES 1000
#define WORTH_LIMIT 1000000000
#define TRADES_TEXT_SIZE 320

// The controls of one side: 0 the user's, 1 the partner's.
typedef struct TRADES_HALF {
    int nRoster, nScouting, nAdd, nOffer, nCash, nSpin, nCap, nMoney;
} TRADES_HALF;

static const TRADES_HALF kHalves[TRADE_SIDES] = {
    {TRADES_USER_ROSTER, TRADES_USER_SCOUTING, TRADES_USER_ADD, TRADES_USER_OFFER, TRADES_USER_CASH,
     TRADES_USER_SPIN, TRADES_USER_CAP, TRADES_USER_MONEY},
    {TRADES_PARTNER_ROSTER, TRADES_PARTNER_SCOUTING, TRADES_PARTNER_ADD, TRADES_PARTNER_OFFER,
     TRADES_PARTNER_CASH, TRADES_PARTNER_SPIN, TRADES_PARTNER_CAP, TRADES_PARTNER_MONEY},
};

// The user's side: the dialog team in Commissioner Mode, else the user's team.
int Get_Trades_User_Team(void) {
    return gCommissionerMode ? Get_Dialog_Team() : Get_User_Team();
}

int Get_Trade_Team(HWND hDlg) {
    HWND hCombo = GetDlgItem(hDlg, TRADES_PARTNER_COMBO);
    int nIndex = 0;
    if (!hCombo)
        Report_Error("NULL hTeamList window handle in Get_Trade_Team()");
    else
        nIndex = Max_Int(0, (int)SendMessageA(hCombo, CB_GETCURSEL, 0, 0));
    return nIndex < Get_Trades_User_Team() ? nIndex : nIndex + 1;
}

static int Get_Trade_Step(void) {
    return Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION)) * 1000;
}

// ---- filling -------------------------------------------------------------------------------------

static void Fill_Partner_Combo(HWND hDlg, int nUser) {
    HWND hCombo = GetDlgItem(hDlg, TRADES_PARTNER_COMBO);
    SendMessageA(hCombo, CB_RESETCONTENT, 0, 0);
    int nTeams = Count_Active_Teams();
    char szLabel[TEAM_LABEL_SIZE];
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (nTeam == nUser)
            continue;
        Get_Team_Label(nTeam, szLabel, sizeof szLabel);
        SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)szLabel);
    }
    int nPartner = gTradePartner;
    if (nPartner == nUser)
        nPartner++;
    nPartner = Clamp(nPartner, 0, nTeams - 1);
    if (nPartner == nUser)
        nPartner = nUser == 0 ? 1 : 0;
    int nIndex = nPartner < nUser ? nPartner : nPartner - 1;
    SendMessageA(hCombo, CB_SETCURSEL, Max_Int(0, nIndex), 0);
}

static void Show_Legality_Line(HWND hDlg) {
    char szReason[TRADE_REASON_SIZE] = "";
    char szLine[TRADES_TEXT_SIZE];
    if (Check_Trade_Legality(&gTradeOffer, szReason))
        safe_strncpy(szLine, "Double-click players to add them to trade.", sizeof szLine);
    else
        Format_String(szLine, sizeof szLine, "Illegal Trade: %s", szReason);
    SetDlgItemTextA(hDlg, TRADES_LEGALITY, szLine);
}

static int Get_Selected_Row(HWND hDlg, int nList) {
    return (int)SendDlgItemMessageA(hDlg, nList, LB_GETCURSEL, 0, 0);
}

static void Set_Trades_Buttons(HWND hDlg) {
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        const TRADES_HALF* pHalf = &kHalves[nSide];
        int nRow = Get_Selected_Row(hDlg, pHalf->nRoster);
        EnableWindow(GetDlgItem(hDlg, pHalf->nAdd),
                     nRow >= 0 && Can_Add_Trade_Item(&gTradeOffer, nSide, nRow));
        EnableWindow(GetDlgItem(hDlg, pHalf->nScouting),
                     nRow >= 0 && Is_Trade_Item_Player(&gTradeOffer, nSide, nRow));
    }
}

static void Fill_Cap_And_Cash_Lines(HWND hDlg) {
    char szLine[TRADES_TEXT_SIZE];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = gTradeOffer.acTeam[nSide];
        Format_Trade_Cap_Line(nTeam, szLine, sizeof szLine);
        SetDlgItemTextA(hDlg, kHalves[nSide].nCap, szLine);
        szLine[0] = 0;
        if (gOwnerMode == 1)
            Format_Team_Cash_Label(nTeam, szLine, sizeof szLine);
        SetDlgItemTextA(hDlg, kHalves[nSide].nMoney, szLine);
    }
}

// A computer partner's roster is ordered before it is listed, unless his players are already
// part of the offer: reordering would make its items name other players.
static void Fill_Roster_Lists(HWND hDlg) {
    int nPartner = gTradeOffer.acTeam[1];
    if (!Is_Human_Team(nPartner) && Count_Trade_Offer_Items(&gTradeOffer, 1) == 0)
        Set_Team_Depth_Chart(nPartner);
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        Fill_Trade_Roster_List(GetDlgItem(hDlg, kHalves[nSide].nRoster), gTradeOffer.acTeam[nSide]);
}

static void Fill_Offer_Lists(HWND hDlg) {
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        Fill_Trade_Offer_List(GetDlgItem(hDlg, kHalves[nSide].nOffer), &gTradeOffer, nSide);
    Set_Trades_Buttons(hDlg);
    Show_Legality_Line(hDlg);
}

static void Show_Cash_Edits(HWND hDlg) {
    char szAmount[TRADE_ROW_SIZE];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nPaid = nSide == 0 ? gTradeOffer.nCash : -gTradeOffer.nCash;
        Format_With_Commas(Max_Int(0, nPaid), szAmount, sizeof szAmount);
        SetDlgItemTextA(hDlg, kHalves[nSide].nCash, nPaid > 0 ? szAmount : "0");
    }
}

static void Refresh_Trades_Dialog(HWND hDlg) {
    int nUser = Get_Trades_User_Team();
    Set_Trade_Team_Heading(hDlg, TRADES_USER_LABEL, nUser);
    Fill_Partner_Combo(hDlg, nUser);
    gTradeOffer.acTeam[0] = (int8_t)nUser;
    gTradeOffer.acTeam[1] = (int8_t)Get_Trade_Team(hDlg);
    gTradePartner = gTradeOffer.acTeam[1];
    Fill_Roster_Lists(hDlg);
    Fill_Offer_Lists(hDlg);
    Fill_Cap_And_Cash_Lines(hDlg);
}

static void Warn_If_Over_Cap(void) {
    if (gCommissionerMode ||
        !Are_Trade_Teams_Over_Cap(gTradeOffer.acTeam[0], gTradeOffer.acTeam[1]))
        return;
    char szUser[TEAM_STRING_SIZE], szPartner[TEAM_STRING_SIZE];
    Get_Team_Short_Name(gTradeOffer.acTeam[0], szUser, sizeof szUser);
    Get_Team_Short_Name(gTradeOffer.acTeam[1], szPartner, sizeof szPartner);
    Show_Message_Box("Salary Cap",
                     "A trade cannot be constructed between %s and %s that would satify the league "
                     "salary cap.",
                     szUser, szPartner);
}

static void Show_Owner_Controls(HWND hDlg) {
    static const int kOwnerControls[] = {
        TRADES_USER_CASH,    TRADES_USER_SPIN,          TRADES_USER_CASH_LABEL, TRADES_PARTNER_CASH,
        TRADES_PARTNER_SPIN, TRADES_PARTNER_CASH_LABEL, TRADES_BALANCE_CASH};
    for (int nId : kOwnerControls)
        ShowWindow(GetDlgItem(hDlg, nId), gOwnerMode == 1 ? SW_SHOW : SW_HIDE);
    SendDlgItemMessageA(hDlg, TRADES_USER_SPIN, UDM_SETRANGE, 0, MAKELONG(1, 0));
    SendDlgItemMessageA(hDlg, TRADES_PARTNER_SPIN, UDM_SETRANGE, 0, MAKELONG(1, 0));
}

static void Init_Trades_Dialog(HWND hDlg) {
    Set_Dialog_Font(hDlg);
    if (gTradePartner == NO_TEAM)
        gTradePartner = gTradeOffer.acTeam[1];
    else
        Init_Trade_Offer(&gTradeOffer);
    SetDlgItemTextA(hDlg, TRADES_SUBMIT, gCommissionerMode ? "&Force Trade" : "&Submit Offer");
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        Set_Trade_Roster_Tab_Stops(GetDlgItem(hDlg, kHalves[nSide].nRoster));
    Show_Owner_Controls(hDlg);
    Refresh_Trades_Dialog(hDlg);
    Show_Cash_Edits(hDlg);
    Warn_If_Over_Cap();
    Center_Window(hDlg, GetParent(hDlg));
}

// ---- adding and removing items -------------------------------------------------------------------

void Explain_Cannot_Add_Trade_Item(const TRADE_OFFER* pOffer, int nSide, int nItem) {
    int bPlayer = Is_Trade_Item_Player(pOffer, nSide, nItem);
    if (Count_Trade_Offer_Items(pOffer, nSide) >= TRADE_SIDE_ITEMS)
        Show_Message_Box(bPlayer ? "Can't add player to deal" : "Can't draft pick add to deal",
                         "No more than %d items (players or draft picks) per team may be offered "
                         "in a trade.",
                         TRADE_SIDE_ITEMS);
    else if (Is_Trade_Item_Listed(pOffer, nSide, nItem))
        Show_Message_Box(bPlayer ? "Can't add player to deal" : "Can't add draft pick to deal",
                         "%s",
                         bPlayer ? "That player is already part of the trade offer."
                                 : "That draft pick is already part of the trade offer.");
}

static void Add_Selected_Row(HWND hDlg, int nSide, int bExplain) {
    int nRow = Get_Selected_Row(hDlg, kHalves[nSide].nRoster);
    if (nRow < 0)
        return;
    if (!Can_Add_Trade_Item(&gTradeOffer, nSide, nRow)) {
        if (bExplain)
            Explain_Cannot_Add_Trade_Item(&gTradeOffer, nSide, nRow);
        return;
    }
    Add_Trade_Item(&gTradeOffer, nSide, nRow);
    Fill_Offer_Lists(hDlg);
}

static void Remove_Selected_Item(HWND hDlg, int nSide) {
    int nEntry = Get_Selected_Row(hDlg, kHalves[nSide].nOffer);
    if (nEntry < 0)
        return;
    Remove_Trade_Item(&gTradeOffer, nSide, nEntry);
    Fill_Offer_Lists(hDlg);
}

// The item chosen in an offer list is selected in its roster list: the row is the item itself.
static void Select_Offered_Row(HWND hDlg, int nSide) {
    int nEntry = Get_Selected_Row(hDlg, kHalves[nSide].nOffer);
    if (nEntry < 0 || nEntry >= Count_Trade_Offer_Items(&gTradeOffer, nSide))
        return;
    SendDlgItemMessageA(hDlg, kHalves[nSide].nRoster, LB_SETCURSEL,
                        gTradeOffer.aabItems[nSide][nEntry], 0);
    Set_Trades_Buttons(hDlg);
}

static void Open_Selected_Scouting(HWND hDlg, int nSide) {
    int nRow = Get_Selected_Row(hDlg, kHalves[nSide].nRoster);
    if (nRow >= 0 && Is_Trade_Item_Player(&gTradeOffer, nSide, nRow))
        Open_Scouting_Report_At(gTradeOffer.acTeam[nSide], nRow, hDlg);
}

static void Change_Partner(HWND hDlg) {
    gTradeOffer.acTeam[1] = (int8_t)Get_Trade_Team(hDlg);
    Warn_If_Over_Cap();
    Clear_Trade_Offer_Side(&gTradeOffer, 1);
    gTradePartner = gTradeOffer.acTeam[1];
    Fill_Roster_Lists(hDlg);
    Fill_Offer_Lists(hDlg);
    Fill_Cap_And_Cash_Lines(hDlg);
}

// ---- cash ----------------------------------------------------------------------------------------

static int Read_Cash_Edit(HWND hDlg, int nId) {
    char szText[TRADE_ROW_SIZE];
    GetDlgItemTextA(hDlg, nId, szText, sizeof szText);
    return Parse_Money(szText);
}

int Step_Trade_Cash(int nAmount, int bUp, int nTeamCash, int nStep) {
    if (nStep <= 0)
        return Clamp(nAmount, 0, MOST_TRADE_CASH);
    int64_t nNext = (int64_t)nAmount + (bUp ? nStep : -nStep);
    int64_t nMost = (int64_t)nTeamCash / nStep * nStep;
    if (nNext > nMost)
        nNext = nMost;
    if (nNext > MOST_TRADE_CASH)
        nNext = MOST_TRADE_CASH;
    return nNext < 0 ? 0 : (int)nNext;
}

static void On_Cash_Spin(HWND hDlg, int nSide, int nPosition) {
    int nTeam = gTradeOffer.acTeam[nSide];
    int nStep = Get_Trade_Step();
    int nTeamCash = Get_Team_Financial_Stat(nTeam, FIN_CASH);
    int nAmount = Step_Trade_Cash(Read_Cash_Edit(hDlg, kHalves[nSide].nCash), nPosition != 0,
                                  nTeamCash, nStep);
    char szAmount[TRADE_ROW_SIZE], szText[TRADE_ROW_SIZE + 1];
    Format_With_Commas(nAmount, szAmount, sizeof szAmount);
    Format_String(szText, sizeof szText, "$%s", szAmount);
    SetDlgItemTextA(hDlg, kHalves[nSide].nCash, szText);
    if (nStep > 0 && nTeamCash / nStep * nStep > 0) {
        gTradeOffer.nCash = nSide == 0 ? nAmount : -nAmount;
        SetDlgItemTextA(hDlg, kHalves[1 - nSide].nCash, "0");
    }
}

// ---- carrying the trade out ----------------------------------------------------------------------

static int Show_Illegal_Trade(void) {
    char szReason[TRADE_REASON_SIZE] = "";
    if (Check_Trade_Legality(&gTradeOffer, szReason))
        return 0;
    Show_Message_Box("Illegal Trade", "%s", szReason);
    return 1;
}

// An offer that is no longer legal (a human partner's permission asks no rules) is refused with
// its reason.
static void Complete_Trade(HWND hDlg) {
    if (Show_Illegal_Trade() || !Implement_Trade(&gTradeOffer))
        return;
    Clear_Trade_Offer_Items(&gTradeOffer);
    Show_Cash_Edits(hDlg);
    gTradeOffer.nDone = 1;
    Host_League_Changed(HOST_REPAINT | HOST_REDRAW_PAGE);
    if (Is_College_Draft_On()) {
        EndDialog(hDlg, 1);
        Run_College_Draft();
        gTradeOffer.nDone = 1;  // the draft starts a fresh offer; the trade stays done
        return;
    }
    Refresh_Trades_Dialog(hDlg);
}

static void Ask_Computer_Partner(HWND hDlg, int nPartner) {
    if (Show_Illegal_Trade())
        return;
    if (Is_Trade_Refused_For_Debt(&gTradeOffer)) {
        Show_Message_Box("Debt", "%s",
                         "While in debt, you cannot offer a trade that increases your payroll.");
        return;
    }
    TEAM_NEEDS needs;
    Get_Team_Needs(nPartner, needs);
    int nVerdict = Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs);
    EnableWindow(hDlg, FALSE);
    int bFirstButton = Show_Trade_Offer_Response(hDlg, nPartner, nVerdict);
    EnableWindow(hDlg, TRUE);
    if (nVerdict >= TRADE_ACCEPTED_VERDICT) {
        if (!bFirstButton) {
            Adjust_Trade_Goodwill(-GOODWILL_STEP * gDifficulty);
        } else if (Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs) >= TRADE_ACCEPTED_VERDICT) {
            Adjust_Trade_Goodwill(GOODWILL_STEP * gDifficulty);
            Complete_Trade(hDlg);
            return;
        } else {
            Show_Message_Box("Confused", "%s",
                             "I don't think that's the trade that I agreed to. Please try again.");
            Adjust_Trade_Goodwill(-GOODWILL_STEP * gDifficulty);
        }
    } else if (bFirstButton) {
        EnableWindow(hDlg, FALSE);
        Open_Dialog(hDlg, IDD_TRADE_HINT);
        EnableWindow(hDlg, TRUE);
    }
    Fill_Roster_Lists(hDlg);
}

static void Submit_Trade_Offer(HWND hDlg) {
    gTradeOffer.nCash =
        Read_Cash_Edit(hDlg, TRADES_USER_CASH) - Read_Cash_Edit(hDlg, TRADES_PARTNER_CASH);
    int nPartner = gTradeOffer.acTeam[1];
    if (gCommissionerMode) {
        Complete_Trade(hDlg);
        return;
    }
    if (Is_Human_Team(nPartner)) {
        char szManager[TEAM_STRING_SIZE];
        Get_Team_String(szManager, sizeof szManager, nPartner, TEAM_MANAGER_NAME);
        char szQuestion[TRADES_TEXT_SIZE];
        Format_String(szQuestion, sizeof szQuestion, "Does %s give permission for this trade?",
                      szManager);
        if (Do_Message_Box(szQuestion, "Permission Needed", MB_YESNO) == IDYES)
            Complete_Trade(hDlg);
        return;
    }
    Ask_Computer_Partner(hDlg, nPartner);
}

// ---- counter offers and balancing ----------------------------------------------------------------

// The user's players the partner would take, weighted by how readily the user parts with them
// and by their worth.
static void Rate_User_Players_For_Counter(const TEAM_NEEDS userNeeds, const TEAM_NEEDS partnerNeeds,
                                          int* pnWeights) {
    int nUser = gTradeOffer.acTeam[0];
    Rate_Team_Players_For_Trade(nUser, gTradeOffer.acTeam[1], userNeeds, partnerNeeds,
                                Rate_Trade_Side_Players(&gTradeOffer, 0), pnWeights);
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(nUser, nSlot))
            continue;
        double dWorth = Clamp(Get_Player_Worth(nUser, nSlot), -WORTH_LIMIT, WORTH_LIMIT);
        double dRoot = dWorth < 0 ? -sqrt(-dWorth) : sqrt(dWorth);
        pnWeights[nSlot] = Max_Int(0, pnWeights[nSlot] + 10 * (int)lround(dRoot));
    }
}

static int Partner_Verdict(const TEAM_NEEDS partnerNeeds) {
    return Evaluate_Trade_Offer_Frozen(&gTradeOffer, partnerNeeds);
}

int Build_Counter_Offer(void) {
    TEAM_NEEDS userNeeds, partnerNeeds;
    Get_Team_Needs(gTradeOffer.acTeam[0], userNeeds);
    Get_Team_Needs(gTradeOffer.acTeam[1], partnerNeeds);
    int anWeights[PLAYERS_PER_TEAM];
    Rate_User_Players_For_Counter(userNeeds, partnerNeeds, anWeights);
    TRADE_OFFER saved = gTradeOffer;
    while (Partner_Verdict(partnerNeeds) < TRADE_ACCEPTED_VERDICT) {
        int nFailures = 0;
        while (!Add_Needed_Player_To_Trade_Offer(&gTradeOffer, 1, anWeights)) {
            if (++nFailures >= COUNTER_TRIES) {
                gTradeOffer = saved;
                return 0;
            }
        }
    }
    return 1;
}

static void Get_Counter_Offer(HWND hDlg) {
    if (!Build_Counter_Offer()) {
        Show_Message_Box("Nope", "%s", "I can't make a suitable trade out of that.");
        return;
    }
    gTradePartner = gTradeOffer.acTeam[1];
    Fill_Offer_Lists(hDlg);
}

static void Balance_With_Picks(HWND hDlg) {
    TEAM_NEEDS needs;
    Get_Team_Needs(gTradeOffer.acTeam[1], needs);
    if (!Balance_Trade_Offer_With_Picks(needs))
        Show_Message_Box("Nope", "%s",
                         "I can't balance that trade with draft picks.\n\n(It may already be "
                         "balanced)");
    Fill_Offer_Lists(hDlg);
}

static void Balance_With_Cash(HWND hDlg) {
    TEAM_NEEDS needs;
    Get_Team_Needs(gTradeOffer.acTeam[1], needs);
    gTradeOffer.nCash =
        Read_Cash_Edit(hDlg, TRADES_USER_CASH) - Read_Cash_Edit(hDlg, TRADES_PARTNER_CASH);
    if (!Balance_Trade_Offer_With_Cash(needs))
        Show_Message_Box("Nope", "%s",
                         "I can't balance that trade with the cash available.\n\n(It may "
                         "already be balanced)");
    Show_Cash_Edits(hDlg);
    Show_Legality_Line(hDlg);
}

static void Clear_Offer(HWND hDlg) {
    Clear_Trade_Offer_Items(&gTradeOffer);
    Show_Cash_Edits(hDlg);
    Fill_Trade_Roster_List(GetDlgItem(hDlg, TRADES_PARTNER_ROSTER), gTradeOffer.acTeam[1]);
    Fill_Offer_Lists(hDlg);
}

// ---- messages ------------------------------------------------------------------------------------

static int Find_Half(int nId, int TRADES_HALF::*pControl) {
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        if (kHalves[nSide].*pControl == nId)
            return nSide;
    }
    return -1;
}

static INT_PTR On_Trades_Command(HWND hDlg, int nId, int nCode) {
    int nSide;
    if ((nSide = Find_Half(nId, &TRADES_HALF::nRoster)) >= 0) {
        if (nCode == LBN_DBLCLK)
            Add_Selected_Row(hDlg, nSide, 1);
        else if (nCode == LBN_SELCHANGE)
            Set_Trades_Buttons(hDlg);
        return TRUE;
    }
    if ((nSide = Find_Half(nId, &TRADES_HALF::nOffer)) >= 0) {
        if (nCode == LBN_DBLCLK)
            Remove_Selected_Item(hDlg, nSide);
        else if (nCode == LBN_SELCHANGE)
            Select_Offered_Row(hDlg, nSide);
        return TRUE;
    }
    if ((nSide = Find_Half(nId, &TRADES_HALF::nAdd)) >= 0) {
        Add_Selected_Row(hDlg, nSide, 0);
        return TRUE;
    }
    if ((nSide = Find_Half(nId, &TRADES_HALF::nScouting)) >= 0) {
        Open_Selected_Scouting(hDlg, nSide);
        return TRUE;
    }
    switch (nId) {
    case TRADES_PARTNER_COMBO:
        if (nCode == CBN_SELCHANGE)
            Change_Partner(hDlg);
        return TRUE;
    case TRADES_SUBMIT: Submit_Trade_Offer(hDlg); break;
    case TRADES_COUNTER: Get_Counter_Offer(hDlg); break;
    case TRADES_CLEAR: Clear_Offer(hDlg); break;
    case TRADES_BALANCE_PICKS: Balance_With_Picks(hDlg); break;
    case TRADES_BALANCE_CASH: Balance_With_Cash(hDlg); break;
    case IDC_DIALOG_HELP: Show_Help_Topic(IDD_TRADES); return TRUE;
    case IDOK:
    case IDCANCEL: EndDialog(hDlg, 1); return TRUE;
    default: return FALSE;
    }
    Set_Trades_Buttons(hDlg);
    return TRUE;
}

INT_PTR Trades_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: Init_Trades_Dialog(hDlg); return TRUE;
    case WM_COMMAND: return On_Trades_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
    case WM_VSCROLL:
        if (LOWORD(wParam) == SB_THUMBPOSITION) {
            int nSide = Find_Half(GetDlgCtrlID((HWND)lParam), &TRADES_HALF::nSpin);
            if (nSide >= 0)
                On_Cash_Spin(hDlg, nSide, (short)HIWORD(wParam));
        }
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return (INT_PTR)On_Dialog_Ctl_Color(uMsg, hDlg, (HWND)lParam, (HDC)wParam);
    default: return FALSE;
    }
}
