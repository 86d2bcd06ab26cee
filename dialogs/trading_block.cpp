// The Trading Block: the user puts players and picks on the block, says what he wants back, and
// collects the best legal offer of every other team; an offer opens in the Trades dialog.
#include <limits.h>
#include <string.h>

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
#define BLOCK_OFFER_TABLE 36
#define LIVE_OFFER_ROWS 17
#define PLAYER_ATTEMPTS 10
#define USER_VERDICT_FLOOR 250
#define WANTS_RAISE_NUMERATOR 4
#define WANTS_RAISE_DENOMINATOR 3
#define WARNING_ROSTER 53
#define BLOCK_TEXT_SIZE 256
#define SHOWN_OFFER_ITEMS 3

TRADE_OFFER gTradingBlockOffers[BLOCK_OFFER_TABLE];

static const char* const kRequestNames[BLOCK_REQUEST_KINDS] = {
    "Quarterbacks", "Running Backs", "Fullbacks", "Tight Ends",     "Wide Receivers",
    "Tackles",      "Guards",        "Centers",   "Defensive Ends", "Defensive Tackles",
    "Linebackers",  "Cornerbacks",   "Safeties",  "Kickers",        "Punters",
    "Any Players",  "Prospects",     "Veterans",  "Draft Picks",    "Cash",
};

static TRADE_OFFER sSavedBlock;  // the block as it stood before an offer was opened

static int Evaluate_As_Commissioner(const TRADE_OFFER* pOffer, const TEAM_NEEDS needs) {
    return Evaluate_Trade_Offer_Frozen(pOffer, needs);
}

// The user's verdict on an offer: the offering side seen from the user's chair.
static int Evaluate_For_User(const TRADE_OFFER* pOffer, const TEAM_NEEDS wants) {
    TRADE_OFFER reversed = *pOffer;
    Reverse_Trade_Offer(&reversed);
    return Evaluate_As_Commissioner(&reversed, wants);
}

// ---- what the user wants -------------------------------------------------------------------------

static int Raise_Want(int nNeed) {
    return nNeed * WANTS_RAISE_NUMERATOR / WANTS_RAISE_DENOMINATOR;
}

void Get_Trading_Block_Wants(int nTeam, int nKind, TEAM_NEEDS wants) {
    Get_Team_Needs(nTeam, wants);
    for (int nKindOfNeed = 0; nKindOfNeed < NEED_KIND_COUNT; nKindOfNeed++) {
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
            int* pWant = &wants[nKindOfNeed][nPosition];
            if (nKind < POSITION_COUNT)
                *pWant = nPosition == nKind ? Raise_Want(*pWant) : 0;
            else if (nKind == BLOCK_WANTS_PROSPECTS)
                *pWant = nKindOfNeed == NEED_AGE ? Raise_Want(*pWant) : 0;
            else if (nKind == BLOCK_WANTS_VETERANS)
                *pWant = nKindOfNeed == NEED_AGE ? 0 : Raise_Want(*pWant);
        }
    }
}

// ---- one team's offer ----------------------------------------------------------------------------

// The team's verdict as the cash it pays goes from nothing up: 1 at or above acceptance.
static int Accepts_Payment(TRADE_OFFER* pWork, const TEAM_NEEDS needs, int nSteps, int nStep) {
    pWork->nCash = -nSteps * nStep;
    return Evaluate_As_Commissioner(pWork, needs) >= TRADE_ACCEPTED_VERDICT;
}

// The largest payment, in whole price steps up to the team's cash, that the team still accepts.
// The verdict falls as the payment grows (from one step up), so a bisection over the steps finds
// the amount that stepping down from the top would find first; nothing paid is tried last, as
// stepping down would.
int Find_Trading_Block_Cash(TRADE_OFFER* pWork, const TEAM_NEEDS needs) {
    int nStep = Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION)) * 1000;
    int nCash = Get_Team_Financial_Stat(pWork->acTeam[1], FIN_CASH);
    if (nStep <= 0 || !Validate_Trade_Offer(pWork))
        return 0;
    int nTop = Max_Int(0, nCash / nStep);
    if (nTop >= 1 && Accepts_Payment(pWork, needs, 1, nStep)) {
        int nLow = 1, nHigh = nTop;  // nLow is accepted; the answer lies in nLow..nHigh
        while (nLow < nHigh) {
            int nMiddle = nLow + (nHigh - nLow + 1) / 2;
            if (Accepts_Payment(pWork, needs, nMiddle, nStep))
                nLow = nMiddle;
            else
                nHigh = nMiddle - 1;
        }
        pWork->nCash = -nLow * nStep;
        return 1;
    }
    return Accepts_Payment(pWork, needs, 0, nStep);
}

// Adds items to the offering side until the team accepts and the user's verdict is above 250.
static int Complete_Offering_Side(TRADE_OFFER* pWork, const TEAM_NEEDS needs,
                                  const TEAM_NEEDS wants, int bPicks, int* pnWeights) {
    for (;;) {
        int bAdded = bPicks ? Add_Random_Draft_Pick_To_Trade_Offer(pWork)
                            : Add_Needed_Player_To_Trade_Offer(pWork, 0, pnWeights);
        if (!bAdded || !Validate_Trade_Offer(pWork))
            return 0;
        if (Evaluate_As_Commissioner(pWork, needs) >= TRADE_ACCEPTED_VERDICT &&
            Evaluate_For_User(pWork, wants) > USER_VERDICT_FLOOR)
            return 1;
    }
}

int Build_Trading_Block_Offer(TRADE_OFFER* pWork, const TEAM_NEEDS wants, int nKind) {
    int nTeam = pWork->acTeam[1];
    TEAM_NEEDS needs;
    Get_Team_Needs(nTeam, needs);
    if (nKind == BLOCK_WANTS_CASH)
        return Find_Trading_Block_Cash(pWork, needs);
    if (nKind == BLOCK_WANTS_PICKS)
        return Complete_Offering_Side(pWork, needs, wants, 1, NULL);
    int anWeights[PLAYERS_PER_TEAM];
    Rate_Team_Players_For_Trade(nTeam, pWork->acTeam[0], needs, wants,
                                Rate_Trade_Side_Players(pWork, 0), anWeights);
    return Complete_Offering_Side(pWork, needs, wants, 0, anWeights);
}

// ---- the offers of every team --------------------------------------------------------------------

static int Get_Item_Trade_Value(int nTeam, int nItem) {
    if (nItem == EMPTY_TRADE_ITEM)
        return 0;
    int nPlayers = Find_Free_Player_Slot(nTeam);
    if (nItem < nPlayers)
        return Get_Player_Trade_Value(nTeam, nItem);
    int nDraft, nRound, nColumn;
    if (!Find_Team_Draft_Pick(nTeam, nItem - nPlayers, &nDraft, &nRound, &nColumn))
        return 0;
    int bActual = Is_College_Draft_On() || Get_Current_Week() == OFF_SEASON_WEEK;
    int nPlace =
        bActual ? Get_Team_Draft_Position(nColumn) : Get_Team_Projected_Draft_Position(nColumn);
    return Get_Draft_Pick_Trade_Value(nDraft, nRound, nPlace);
}

// Each side's items by value, the most valuable first; empty entries stay last.
void Sort_Trade_Offer_Items(TRADE_OFFER* pOffer) {
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        int anValues[TRADE_SIDE_ITEMS];
        for (int n = 0; n < TRADE_SIDE_ITEMS; n++)
            anValues[n] = Get_Item_Trade_Value(nTeam, pOffer->aabItems[nSide][n]);
        for (int n = 1; n < TRADE_SIDE_ITEMS; n++) {
            for (int m = n; m > 0 && anValues[m] > anValues[m - 1]; m--) {
                int nValue = anValues[m];
                anValues[m] = anValues[m - 1];
                anValues[m - 1] = nValue;
                uint8_t bItem = pOffer->aabItems[nSide][m];
                pOffer->aabItems[nSide][m] = pOffer->aabItems[nSide][m - 1];
                pOffer->aabItems[nSide][m - 1] = bItem;
            }
        }
    }
}

// The best of the team's attempts, as the user judges them; 0 when none came together.
static int Find_Team_Best_Offer(int nTeam, int nKind, const TEAM_NEEDS wants, TRADE_OFFER* pBest) {
    int nAttempts = nKind == BLOCK_WANTS_CASH ? 1 : PLAYER_ATTEMPTS;
    int nBestVerdict = INT_MIN;
    for (int n = 0; n < nAttempts; n++) {
        TRADE_OFFER work = gTradeOffer;
        work.acTeam[1] = (int8_t)nTeam;
        Clear_Trade_Offer_Side(&work, 1);
        work.nDone = 0;
        if (!Build_Trading_Block_Offer(&work, wants, nKind))
            continue;
        int nVerdict = Evaluate_For_User(&work, wants);
        if (nVerdict > nBestVerdict) {
            nBestVerdict = nVerdict;
            *pBest = work;
        }
    }
    return nBestVerdict != INT_MIN;
}

static int Is_Same_Offer(const TRADE_OFFER* pA, const TRADE_OFFER* pB) {
    return pA->acTeam[0] == pB->acTeam[0] && pA->acTeam[1] == pB->acTeam[1] &&
           memcmp(pA->aabItems, pB->aabItems, sizeof pA->aabItems) == 0 && pA->nCash == pB->nCash;
}

static int Is_Empty_Offer(const TRADE_OFFER* pOffer) {
    return pOffer->acTeam[0] == NO_TEAM && pOffer->acTeam[1] == NO_TEAM;
}

// Repeats are cleared; then illegal offers are cleared and the rest ordered, the best for the
// user first. Returns the number of legal offers.
int Order_Trading_Block_Offers(int nKind, const TEAM_NEEDS userNeeds) {
    for (int n = 0; n < BLOCK_OFFER_TABLE; n++) {
        for (int nEarlier = 0; nEarlier < n; nEarlier++) {
            if (!Is_Empty_Offer(&gTradingBlockOffers[n]) &&
                Is_Same_Offer(&gTradingBlockOffers[n], &gTradingBlockOffers[nEarlier])) {
                Init_Trade_Offer(&gTradingBlockOffers[n]);
                break;
            }
        }
    }
    int anKeys[BLOCK_OFFER_TABLE];
    int nLegal = 0;
    for (int n = 0; n < BLOCK_OFFER_TABLE; n++) {
        TRADE_OFFER* pOffer = &gTradingBlockOffers[n];
        if (!Check_Trade_Legality(pOffer, NULL)) {
            Init_Trade_Offer(pOffer);
            anKeys[n] = INT_MAX;
            continue;
        }
        nLegal++;
        anKeys[n] =
            nKind == BLOCK_WANTS_CASH ? pOffer->nCash : Evaluate_As_Commissioner(pOffer, userNeeds);
    }
    for (int nPass = 0; nPass < BLOCK_OFFER_TABLE; nPass++) {
        for (int n = 0; n + 1 < BLOCK_OFFER_TABLE; n++) {
            if (anKeys[n] <= anKeys[n + 1])
                continue;
            int nKey = anKeys[n];
            anKeys[n] = anKeys[n + 1];
            anKeys[n + 1] = nKey;
            TRADE_OFFER offer = gTradingBlockOffers[n];
            gTradingBlockOffers[n] = gTradingBlockOffers[n + 1];
            gTradingBlockOffers[n + 1] = offer;
        }
    }
    return nLegal;
}

static void Clear_Trading_Block_Offers(void) {
    for (int n = 0; n < BLOCK_OFFER_TABLE; n++)
        Init_Trade_Offer(&gTradingBlockOffers[n]);
}

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
    for (int n = 0; n < BLOCK_OFFER_TABLE; n++) {
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
        if (nStored >= BLOCK_OFFER_TABLE ||
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

static void Set_Block_Buttons(HWND hDlg) {
    int nRow = (int)SendDlgItemMessageA(hDlg, BLOCK_ROSTER, LB_GETCURSEL, 0, 0);
    EnableWindow(GetDlgItem(hDlg, BLOCK_ADD),
                 nRow >= 0 && Can_Add_Trade_Item(&gTradeOffer, 0, nRow));
    EnableWindow(GetDlgItem(hDlg, BLOCK_SCOUTING),
                 nRow >= 0 && Is_Trade_Item_Player(&gTradeOffer, 0, nRow));
}

static void Fill_Block_Lists(HWND hDlg) {
    Fill_Trade_Roster_List(GetDlgItem(hDlg, BLOCK_ROSTER), gTradeOffer.acTeam[0]);
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
    int nPartner = gTradePartner;
    if (!Is_Team_Active(nPartner) || nPartner == nUser)
        nPartner = nUser == 0 ? 1 : 0;
    gTradeOffer.acTeam[0] = (int8_t)nUser;
    gTradeOffer.acTeam[1] = (int8_t)nPartner;
    sSavedBlock = gTradeOffer;
    Fill_Block_Lists(hDlg);
    ShowWindow(GetDlgItem(hDlg, BLOCK_PROGRESS), SW_HIDE);
    Show_Roster_Warning(hDlg);
    if (gCommissionerMode)
        Set_Dialog_Team(nUser);
}

static void Add_To_Block(HWND hDlg, int bExplain) {
    int nRow = (int)SendDlgItemMessageA(hDlg, BLOCK_ROSTER, LB_GETCURSEL, 0, 0);
    if (nRow < 0)
        return;
    if (!Can_Add_Trade_Item(&gTradeOffer, 0, nRow)) {
        if (bExplain)
            Explain_Cannot_Add_Trade_Item(&gTradeOffer, 0, nRow);
        return;
    }
    Add_Trade_Item(&gTradeOffer, 0, nRow);
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

// A player whose record changed on his card (released, say) takes the block and offers with him.
static void Scout_Block_Player(HWND hDlg) {
    int nRow = (int)SendDlgItemMessageA(hDlg, BLOCK_ROSTER, LB_GETCURSEL, 0, 0);
    int nUser = gTradeOffer.acTeam[0];
    if (nRow < 0 || !Is_Trade_Item_Player(&gTradeOffer, 0, nRow))
        return;
    int nId = Get_Player_ID(nUser, nRow);
    uint32_t nBefore = Get_Player_Record_Checksum(nId);
    Open_Scouting_Report_At(nUser, nRow, hDlg);
    if (Get_Player_ID(nUser, nRow) == nId && Get_Player_Record_Checksum(nId) == nBefore)
        return;
    Clear_Trade_Offer_Side(&gTradeOffer, 0);
    Clear_Trading_Block_Offers();
    SendDlgItemMessageA(hDlg, BLOCK_OFFERS, LB_RESETCONTENT, 0, 0);
    Fill_Block_Lists(hDlg);
    SendDlgItemMessageA(hDlg, BLOCK_ROSTER, LB_SETCURSEL, nRow, 0);
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
    if (nRecord < 0 || nRecord >= BLOCK_OFFER_TABLE)
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
    case BLOCK_ROSTER:
        if (nCode == LBN_DBLCLK)
            Add_To_Block(hDlg, 1);
        else if (nCode == LBN_SELCHANGE)
            Set_Block_Buttons(hDlg);
        return TRUE;
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

INT_PTR Trading_Block_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        Set_Dialog_Font(hDlg);
        Fill_Stat_Period_Combo(hDlg);
        Set_Trade_Roster_Tab_Stops(GetDlgItem(hDlg, BLOCK_ROSTER));
        Set_Offer_Tab_Stops(GetDlgItem(hDlg, BLOCK_OFFERS));
        Reset_Trading_Block(hDlg);
        Center_Window(hDlg, Get_Main_Window());
        return TRUE;
    case WM_COMMAND: return On_Block_Command(hDlg, LOWORD(wParam), HIWORD(wParam));
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
