// Whether a trade offer is well formed and whether carrying it out keeps both teams within the
// roster limits and the salary cap.
#include "database/database.h"
#include "personnel/personnel.h"

#define MOST_PLAYERS PLAYERS_PER_TEAM

static int Is_Trade_Team(int nTeam) {
    return Is_Team_Active(nTeam);
}

int Count_Trade_Offer_Items(const TRADE_OFFER* pOffer, int nSide) {
    if (!pOffer || nSide < 0 || nSide >= TRADE_SIDES)
        return 0;
    int nCount = 0;
    while (nCount < TRADE_SIDE_ITEMS && pOffer->aabItems[nSide][nCount] != EMPTY_TRADE_ITEM)
        nCount++;
    return nCount;
}

// An occupied roster slot, or a draft pick the side's team owns.
static int Is_Trade_Item_Real(int nTeam, int nItem, int nPlayers) {
    if (nItem < nPlayers)
        return Is_Player_Slot_Used(nTeam, nItem);
    int nYear, nRound, nColumn;
    return Find_Team_Draft_Pick(nTeam, nItem - nPlayers, &nYear, &nRound, &nColumn);
}

int Validate_Trade_Offer(const TRADE_OFFER* pOffer) {
    if (!pOffer)
        return 0;
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        if (!Is_Trade_Team(pOffer->acTeam[nSide]))
            return 0;
    }
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        int nPlayers = Find_Free_Player_Slot(nTeam);
        int nCount = Count_Trade_Offer_Items(pOffer, nSide);
        for (int n = 0; n < nCount; n++) {
            int nItem = pOffer->aabItems[nSide][n];
            if (!Is_Trade_Item_Real(nTeam, nItem, nPlayers))
                return 0;
            if (nItem >= nPlayers)
                continue;  // picks are not compared with each other
            for (int nEarlier = 0; nEarlier < n; nEarlier++) {
                if (pOffer->aabItems[nSide][nEarlier] == nItem)
                    return 0;
            }
        }
    }
    return 1;
}

// The players and the cap charge each side gives up.
typedef struct TRADE_MOVEMENT {
    int anPlayerChange[TRADE_SIDES];
    int64_t anOutgoingSalary[TRADE_SIDES];
} TRADE_MOVEMENT;

static TRADE_MOVEMENT Count_Trade_Movement(const TRADE_OFFER* pOffer) {
    TRADE_MOVEMENT move = {{0, 0}, {0, 0}};
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        int nPlayers = Find_Free_Player_Slot(nTeam);
        int nCount = Count_Trade_Offer_Items(pOffer, nSide);
        for (int n = 0; n < nCount; n++) {
            int nItem = pOffer->aabItems[nSide][n];
            if (nItem >= nPlayers || !Is_Player_Slot_Used(nTeam, nItem))
                continue;
            move.anPlayerChange[nSide]--;
            move.anPlayerChange[1 - nSide]++;
            move.anOutgoingSalary[nSide] += Get_Player_Vital_Stat(nTeam, nItem, VITAL_CAP_IMPACT);
        }
    }
    return move;
}

static int Refuse_Trade(char* szReason, const char* szFormat, const char* szName, int nValue) {
    if (szReason)
        Format_String(szReason, TRADE_REASON_SIZE, szFormat, szName, nValue);
    return 0;
}

static int Check_Roster_Sizes(const TRADE_OFFER* pOffer, const TRADE_MOVEMENT* pMove,
                              char* szReason) {
    char szName[TEAM_STRING_SIZE];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        int nPlayers = Find_Free_Player_Slot(nTeam);
        int nChange = pMove->anPlayerChange[nSide];
        int nFloor = Get_Team_Roster_Floor(nTeam);
        if (nPlayers + nChange > MOST_PLAYERS) {
            Get_Team_Nickname(nTeam, szName, sizeof szName);
            return Refuse_Trade(szReason, "The %s do not have room for %d more players.", szName,
                                nChange);
        }
        if (nPlayers + nChange < nFloor && nChange < 0) {
            Get_Team_Short_Name(nTeam, szName, sizeof szName);
            return Refuse_Trade(szReason, "%s would have less than %d players.", szName, nFloor);
        }
    }
    return 1;
}

// A team may take on salary only while it stays under the cap; a team already above it may
// trade when it takes on no more than it sends.
static int Check_Salary_Cap(const TRADE_OFFER* pOffer, const TRADE_MOVEMENT* pMove,
                            char* szReason) {
    int64_t nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP) / 1000;
    if (nCap <= 0)
        return 1;
    char szName[TEAM_STRING_SIZE];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nTeam = pOffer->acTeam[nSide];
        int64_t nIncoming = pMove->anOutgoingSalary[1 - nSide];
        int64_t nOutgoing = pMove->anOutgoingSalary[nSide];
        int64_t nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) + nIncoming - nOutgoing;
        if (nPayroll > nCap && nIncoming > nOutgoing) {
            Get_Team_Nickname(nTeam, szName, sizeof szName);
            return Refuse_Trade(szReason, "%s would exceed league salary cap.", szName, 0);
        }
    }
    return 1;
}

int Check_Trade_Legality(const TRADE_OFFER* pOffer, char* szReason) {
    if (!Validate_Trade_Offer(pOffer))
        return 0;
    TRADE_MOVEMENT move = Count_Trade_Movement(pOffer);
    return Check_Roster_Sizes(pOffer, &move, szReason) && Check_Salary_Cap(pOffer, &move, szReason);
}

// Counts every pick still to be made, as Find_Team_Draft_Pick numbers them: while a draft runs,
// the picks it has made are left out. Ending a draft whose pool ran dry is the draft loop's step.
int Count_Team_Draft_Picks_Three_Years(int nTeam) {
    int nCount = 0;
    int nYear, nRound, nColumn;
    while (Find_Team_Draft_Pick(nTeam, nCount, &nYear, &nRound, &nColumn))
        nCount++;
    return nCount;
}

int Can_Add_Trade_Item(const TRADE_OFFER* pOffer, int nSide, int nItem) {
    if (!pOffer || nSide < 0 || nSide >= TRADE_SIDES || nItem < 0 || nItem >= EMPTY_TRADE_ITEM)
        return 0;
    if (Is_Trade_Item_Listed(pOffer, nSide, nItem))
        return 0;
    return pOffer->aabItems[nSide][TRADE_SIDE_ITEMS - 1] == EMPTY_TRADE_ITEM;
}

void Add_Trade_Item(TRADE_OFFER* pOffer, int nSide, int nItem) {
    if (!pOffer || nSide < 0 || nSide >= TRADE_SIDES || nItem < 0 || nItem >= EMPTY_TRADE_ITEM)
        return;
    int nCount = Count_Trade_Offer_Items(pOffer, nSide);
    int nEntry = nCount < TRADE_SIDE_ITEMS ? nCount : TRADE_SIDE_ITEMS - 1;
    pOffer->aabItems[nSide][nEntry] = (uint8_t)nItem;
}

void Remove_Trade_Item(TRADE_OFFER* pOffer, int nSide, int nEntry) {
    if (!pOffer || nSide < 0 || nSide >= TRADE_SIDES || nEntry < 0 || nEntry >= TRADE_SIDE_ITEMS)
        return;
    for (int n = nEntry; n < TRADE_SIDE_ITEMS - 1; n++)
        pOffer->aabItems[nSide][n] = pOffer->aabItems[nSide][n + 1];
    pOffer->aabItems[nSide][TRADE_SIDE_ITEMS - 1] = EMPTY_TRADE_ITEM;
}

// Salaries (not cap charges) of the players one side gives.
static int64_t Sum_Side_Salaries(const TRADE_OFFER* pOffer, int nSide) {
    int64_t nSum = 0;
    int nCount = Count_Trade_Offer_Items(pOffer, nSide);
    for (int n = 0; n < nCount; n++) {
        int nItem = pOffer->aabItems[nSide][n];
        if (Is_Trade_Item_Player(pOffer, nSide, nItem))
            nSum += Get_Player_Vital_Stat(pOffer->acTeam[nSide], nItem, VITAL_SALARY);
    }
    return nSum;
}

int Is_Trade_Refused_For_Debt(const TRADE_OFFER* pOffer) {
    if (!pOffer || !Is_Trade_Team(pOffer->acTeam[0]) || !Is_Trade_Team(pOffer->acTeam[1]))
        return 0;
    if (Get_Team_Financial_Stat(pOffer->acTeam[0], FIN_CASH) >= 0)
        return 0;
    return Sum_Side_Salaries(pOffer, 1) > Sum_Side_Salaries(pOffer, 0);
}
