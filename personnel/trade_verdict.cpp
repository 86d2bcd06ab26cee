// The verdict on a trade offer from the receiving side's view, in per mille: what it receives
// against what it gives, weighted by its needs, with cash normalised to the salary cap.
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define NOTHING_RECEIVED 20      // received values up to this are no trade at all
#define NOTHING_VERDICT_CAP 990  // ... and never reach acceptance
#define SMALL_CASH 1000          // dollars
#define WEAK_OFFER_SCALE 2399
#define LOWEST_NEED 400
#define STARTER_NEED_SPAN 1600
#define CASH_RESERVE_BASE 9125000  // dollars, inflated

static int Get_Need(const TEAM_NEEDS needs, int nKind, int nPosition) {
    if (nKind < 0 || nKind >= NEED_KIND_COUNT || nPosition < 0 || nPosition >= POSITION_COUNT)
        return 1000;
    return needs[nKind][nPosition];
}

static int Is_Unit_Starter(int nTeam, int nSlot) {
    int nUnit = Get_Position_Unit(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    return nUnit >= 0 && nSlot < Get_Unit_First_Reserve_Slot(nTeam, nUnit);
}

int Rate_Trade_Players_Given(const TRADE_OFFER* pOffer, const TEAM_NEEDS needs) {
    int nTeam = pOffer->acTeam[1];
    int nCount = Count_Trade_Offer_Items(pOffer, 1);
    int64_t nSum = 0;
    for (int n = 0; n < nCount; n++) {
        int nSlot = pOffer->aabItems[1][n];
        if (!Is_Trade_Item_Player(pOffer, 1, nSlot))
            continue;
        int nValue = Get_Player_Net_Trade_Value(nTeam, nSlot, 0);
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        int nNeed = Get_Need(needs, Get_Trade_Need_Kind(nTeam, nTeam, nSlot), nPosition);
        if (Is_Team_Active(nTeam) && Is_Unit_Starter(nTeam, nSlot))
            nNeed = 1000 + Mul_Div(nNeed - LOWEST_NEED, 1000, STARTER_NEED_SPAN);
        nSum += Mul_Div(nNeed, nValue, 1000);
    }
    return Saturate_To_Int(nSum);
}

// Several players filling one need count less.
int Rate_Trade_Players_Received(const TRADE_OFFER* pOffer, const TEAM_NEEDS needs) {
    int nReceiver = pOffer->acTeam[1];
    int nTeam = pOffer->acTeam[0];
    int nWeight = 450 - 50 * gDifficulty;
    int anCellCounts[NEED_KIND_COUNT][POSITION_COUNT] = {};
    int nCount = Count_Trade_Offer_Items(pOffer, 0);
    int64_t nSum = 0;
    for (int n = 0; n < nCount; n++) {
        int nSlot = pOffer->aabItems[0][n];
        if (!Is_Trade_Item_Player(pOffer, 0, nSlot))
            continue;
        int nValue = Get_Player_Contract_Adjusted_Value(nReceiver, nTeam, nSlot, nWeight);
        int nKind = Get_Trade_Need_Kind(nReceiver, nTeam, nSlot);
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        nSum += Mul_Div(Get_Need(needs, nKind, nPosition), nValue, 1000);
        if (nKind >= 0 && nKind < NEED_KIND_COUNT && nPosition >= 0 && nPosition < POSITION_COUNT)
            anCellCounts[nKind][nPosition]++;
    }
    int nDoubles = 0;
    for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++)
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
            nDoubles += Max_Int(0, anCellCounts[nKind][nPosition] - 1);
    return Mul_Div(Saturate_To_Int(nSum), 5, 5 + nDoubles);
}

int Scale_User_Cash_For_Difficulty(int nMoney) {
    if (nMoney > 0)
        return Mul_Div(nMoney, 120 - 20 * gDifficulty, 100);
    return Mul_Div(nMoney, 80 + 20 * gDifficulty, 100);
}

// Cash that side 1 pays weighs more the less it keeps.
static int Weigh_Cash_Paid_By_Receiver(int nTeam, int nMoney, int nCash) {
    int nReserve = Mul_Div(Get_Universe_Stat(UNIVERSE_INFLATION), CASH_RESERVE_BASE, 1000);
    int64_t nLeft = (int64_t)Get_Team_Financial_Stat(nTeam, FIN_CASH) - llabs((int64_t)nCash);
    int nRemaining = Saturate_To_Int(nLeft > nReserve / 5 ? nLeft : nReserve / 5);
    int nBaseCash = Get_Base_Team_Cash();
    if (nRemaining < nBaseCash)
        nMoney = Mul_Div(nMoney, nBaseCash, nRemaining);
    if (nRemaining < nReserve)
        nMoney = Mul_Div(nMoney, nReserve, nRemaining);
    return nMoney;
}

int Evaluate_Trade_Offer(const TRADE_OFFER* pOffer, const TEAM_NEEDS needs) {
    int nUser = gUserTeam;
    int bUserGives = pOffer->acTeam[0] == nUser;
    int bUserTakesPart = bUserGives || pOffer->acTeam[1] == nUser;

    int nPlayersGiven = Rate_Trade_Players_Given(pOffer, needs);
    int nPlayersReceived = Rate_Trade_Players_Received(pOffer, needs);
    int64_t nGiven = (int64_t)Get_Trade_Side_Pick_Value(pOffer, 1) + nPlayersGiven;
    int64_t nReceived = (int64_t)Get_Trade_Side_Pick_Value(pOffer, 0) + nPlayersReceived;

    int nMoney = Normalize_Money_To_Cap(pOffer->nCash / 1000);
    if (bUserGives)
        nMoney = Scale_User_Cash_For_Difficulty(nMoney);
    if (nMoney > 0)
        nReceived += nMoney / 3;
    else if (nMoney < 0)
        nGiven += llabs(Weigh_Cash_Paid_By_Receiver(pOffer->acTeam[1], nMoney, pOffer->nCash));

    int nVerdict;
    if (nReceived <= NOTHING_RECEIVED) {
        nVerdict = Min_Int(Saturate_To_Int(nReceived - nGiven + 950), NOTHING_VERDICT_CAP);
    } else {
        int64_t nMeasure = nReceived / 10 > nGiven ? nReceived / 10 : nGiven;
        nVerdict = Saturate_To_Int(Mul_Div_Wide(nReceived, 1000, nMeasure));
        if (bUserTakesPart) {
            int nRisk = bUserGives ? 300 * gDifficulty - 250 : 150 - 200 * gDifficulty;
            if (nPlayersGiven == 0 && nPlayersReceived == 0 &&
                llabs((int64_t)pOffer->nCash) < SMALL_CASH)
                nRisk /= 2;
            nVerdict = Saturate_To_Int((int64_t)nVerdict +
                                       Get_Universe_Stat(UNIVERSE_TRADE_GOODWILL) / 10 - nRisk);
        }
        if (nMeasure <= WEAK_OFFER_SCALE)
            nVerdict = Max_Int(nVerdict, 600 - (int)nMeasure / 4);
    }
    if (bUserGives && Count_Trade_Offer_Items(pOffer, 0) == 0 && pOffer->nCash < SMALL_CASH)
        nVerdict = NO_TRADE_VERDICT;
    return nVerdict;
}

// True ratings and no roster changes while the verdict is taken.
int Evaluate_Trade_Offer_Frozen(const TRADE_OFFER* pOffer, const TEAM_NEEDS needs) {
    int nSaved = gCommissionerMode;
    gCommissionerMode = 1;
    int nVerdict = Evaluate_Trade_Offer(pOffer, needs);
    gCommissionerMode = nSaved;
    return nVerdict;
}
