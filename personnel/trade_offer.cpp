// The trade offer record, its operations, and carrying a trade out.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

TRADE_OFFER gTradeOffer;

void Init_Trade_Offer(TRADE_OFFER* pOffer) {
    pOffer->acTeam[0] = NO_TEAM;
    pOffer->acTeam[1] = NO_TEAM;
    Clear_Trade_Offer_Items(pOffer);
    pOffer->nDone = 0;
}

void Clear_Trade_Offer_Items(TRADE_OFFER* pOffer) {
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        Clear_Trade_Offer_Side(pOffer, nSide);
    pOffer->nCash = 0;
}

void Clear_Trade_Offer_Side(TRADE_OFFER* pOffer, int nSide) {
    if (nSide >= 0 && nSide < TRADE_SIDES)
        memset(pOffer->aabItems[nSide], EMPTY_TRADE_ITEM, TRADE_SIDE_ITEMS);
}

void Reverse_Trade_Offer(TRADE_OFFER* pOffer) {
    int8_t cTeam = pOffer->acTeam[0];
    pOffer->acTeam[0] = pOffer->acTeam[1];
    pOffer->acTeam[1] = cTeam;
    uint8_t abItems[TRADE_SIDE_ITEMS];
    memcpy(abItems, pOffer->aabItems[0], TRADE_SIDE_ITEMS);
    memcpy(pOffer->aabItems[0], pOffer->aabItems[1], TRADE_SIDE_ITEMS);
    memcpy(pOffer->aabItems[1], abItems, TRADE_SIDE_ITEMS);
    // The most negative cash has no opposite; it becomes the largest payment the other way.
    pOffer->nCash = pOffer->nCash == INT32_MIN ? INT32_MAX : -pOffer->nCash;
    pOffer->nDone = 0;
}

int Is_Trade_Item_Player(const TRADE_OFFER* pOffer, int nSide, int nItem) {
    if (nSide < 0 || nSide >= TRADE_SIDES || nItem == EMPTY_TRADE_ITEM)
        return 0;
    int nTeam = pOffer->acTeam[nSide];
    return nItem < Find_Free_Player_Slot(nTeam) && Is_Player_Slot_Used(nTeam, nItem);
}

int Is_Trade_Item_Listed(const TRADE_OFFER* pOffer, int nSide, int nItem) {
    int nCount = Count_Trade_Offer_Items(pOffer, nSide);
    for (int n = 0; n < nCount; n++) {
        if (pOffer->aabItems[nSide][n] == nItem)
            return 1;
    }
    return 0;
}

int Append_Trade_Offer_Item(TRADE_OFFER* pOffer, int nSide, int nItem) {
    int nCount = Count_Trade_Offer_Items(pOffer, nSide);
    if (nCount >= TRADE_SIDE_ITEMS || nItem < 0 || nItem >= EMPTY_TRADE_ITEM)
        return 0;
    pOffer->aabItems[nSide][nCount] = (uint8_t)nItem;
    return 1;
}

int Sum_Trade_Offer_Player_Ids(const TRADE_OFFER* pOffer) {
    int64_t nSum = 0;
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nCount = Count_Trade_Offer_Items(pOffer, nSide);
        for (int n = 0; n < nCount; n++) {
            int nItem = pOffer->aabItems[nSide][n];
            if (Is_Trade_Item_Player(pOffer, nSide, nItem))
                nSum += Get_Player_ID(pOffer->acTeam[nSide], nItem);
        }
    }
    return Saturate_To_Int(nSum);
}

// ---- carrying a trade out ----------------------------------------------------------------------

// One pick of an offer: which draft, round and issuing team.
typedef struct TRADED_PICK {
    int nYear;
    int nRound;
    int nColumn;
} TRADED_PICK;

// Every pick is found before any owner changes, since a change renumbers the other side's picks.
static void Transfer_Trade_Offer_Picks(const TRADE_OFFER* pOffer) {
    TRADED_PICK aPicks[TRADE_SIDES][TRADE_SIDE_ITEMS];
    int anPicks[TRADE_SIDES] = {0, 0};
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        int nPlayers = Find_Free_Player_Slot(nTeam);
        int nCount = Count_Trade_Offer_Items(pOffer, nSide);
        for (int n = 0; n < nCount; n++) {
            int nItem = pOffer->aabItems[nSide][n];
            TRADED_PICK* pPick = &aPicks[nSide][anPicks[nSide]];
            if (nItem >= nPlayers && Find_Team_Draft_Pick(nTeam, nItem - nPlayers, &pPick->nYear,
                                                          &pPick->nRound, &pPick->nColumn))
                anPicks[nSide]++;
        }
    }
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        for (int n = 0; n < anPicks[nSide]; n++) {
            const TRADED_PICK* pPick = &aPicks[nSide][n];
            Set_Draft_Pick_Owner(pPick->nYear, pPick->nRound, pPick->nColumn,
                                 pOffer->acTeam[1 - nSide]);
        }
        if (Is_Human_Team(nTeam) && anPicks[nSide] > 0)
            Set_Team_Stat(nTeam, TEAM_TRADE_MODIFIER,
                          Get_Team_Stat(nTeam, TEAM_TRADE_MODIFIER) + anPicks[nSide]);
    }
}

// Players each side gives, counted before anything moves.
static int Count_Traded_Players(const TRADE_OFFER* pOffer, int nSide) {
    int nPlayers = 0;
    int nCount = Count_Trade_Offer_Items(pOffer, nSide);
    for (int n = 0; n < nCount; n++)
        nPlayers += Is_Trade_Item_Player(pOffer, nSide, pOffer->aabItems[nSide][n]);
    return nPlayers;
}

// Whether both rosters can take the players they receive.
static int Has_Roster_Room(const TRADE_OFFER* pOffer) {
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        int nAfter = Find_Free_Player_Slot(nTeam) - Count_Traded_Players(pOffer, nSide) +
                     Count_Traded_Players(pOffer, 1 - nSide);
        if (nAfter > PLAYERS_PER_TEAM)
            return 0;
    }
    return 1;
}

// A human-run team starts a better newcomer in place of its last starter at his position.
static void Start_Better_Newcomer(int nTeam, int nSlot) {
    if (!Is_Human_Team(nTeam))
        return;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    uint8_t nStarter = Get_Position_Last_Starter(nTeam, nPosition);
    if (nStarter == NO_SLOT_BYTE || nStarter == nSlot)
        return;
    if (Get_Player_Worth(nTeam, nSlot) > Get_Player_Worth(nTeam, nStarter))
        Swap_Players(nTeam, nSlot, nTeam, nStarter);
}

// The traded players leave their rosters together and join the other team's first free slots.
// All items are read before any slot is cleared, since a cleared slot changes the player count.
static void Move_Traded_Players(const TRADE_OFFER* pOffer) {
    static PLAYER aMoving[TRADE_SIDES][TRADE_SIDE_ITEMS];
    int aanSlots[TRADE_SIDES][TRADE_SIDE_ITEMS];
    int anMoving[TRADE_SIDES] = {0, 0};
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nCount = Count_Trade_Offer_Items(pOffer, nSide);
        for (int n = 0; n < nCount; n++) {
            int nItem = pOffer->aabItems[nSide][n];
            if (Is_Trade_Item_Player(pOffer, nSide, nItem))
                aanSlots[nSide][anMoving[nSide]++] = nItem;
        }
    }
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        for (int n = 0; n < anMoving[nSide]; n++) {
            Copy_Player_To_Memory(nTeam, aanSlots[nSide][n], &aMoving[nSide][n]);
            Clear_Player(nTeam, aanSlots[nSide][n]);
        }
    }
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nReceiver = pOffer->acTeam[1 - nSide];
        for (int n = 0; n < anMoving[nSide]; n++) {
            int nSlot = Find_Free_Player_Slot(nReceiver);
            if (nSlot >= PLAYERS_PER_TEAM) {
                Do_Message_Box("Unable to fit traded player onto team.", "ERROR", MB_OK);
                continue;
            }
            Copy_Player_From_Memory(nReceiver, nSlot, &aMoving[nSide][n]);
            if (nReceiver != FREE_AGENT_TEAM)
                Add_Player_Season_Line(nReceiver, nSlot, Get_Season_Year(), nReceiver);
            Start_Better_Newcomer(nReceiver, nSlot);
        }
    }
}

static void Pay_Trade_Cash(const TRADE_OFFER* pOffer, const int anCash[TRADE_SIDES]) {
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        if (nTeam == NO_TEAM)
            continue;
        int64_t nCash =
            nSide == 0 ? (int64_t)anCash[0] - pOffer->nCash : (int64_t)anCash[1] + pOffer->nCash;
        nCash = nCash < MIN_TEAM_CASH   ? MIN_TEAM_CASH
                : nCash > MAX_TEAM_CASH ? MAX_TEAM_CASH
                                        : nCash;
        Set_Team_Financial_Stat(nTeam, FIN_CASH, (int)nCash);
    }
}

int Implement_Trade(TRADE_OFFER* pOffer) {
    if (!Check_Trade_Legality(pOffer, NULL)) {
        Report_Error("Invalid TRADE_OFFER passed to Implement_Trade()");
        return 0;
    }
    if (!Has_Roster_Room(pOffer)) {
        Do_Message_Box("Unable to fit traded player onto team.", "ERROR", MB_OK);
        return 0;
    }
    int anCash[TRADE_SIDES];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        anCash[nSide] = Get_Team_Financial_Stat(pOffer->acTeam[nSide], FIN_CASH);

    Transfer_Trade_Offer_Picks(pOffer);
    Move_Traded_Players(pOffer);
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        Compact_Team_Roster(pOffer->acTeam[nSide]);
    Pay_Trade_Cash(pOffer, anCash);

    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        if (nTeam == gUserTeam || gCommissionerMode)
            Sort_Roster_By_Position(nTeam);
        else if (Is_Team_Active(nTeam))
            Set_Team_Depth_Chart(nTeam);
    }
    return 1;
}
