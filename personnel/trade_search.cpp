// The computer's trade search: how readily a team gives each player, building a trade between two
// computer teams from nothing, and balancing an offer a partner already accepts back with its
// own picks or cash.
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define STEEP_SIDE_VALUE 306.25  // the value of rating 65, where the value curve steepens
#define UNNEEDED_OWN_NEED 1400   // a team needing a player this much never gives him
#define SURPLUS_REFERENCE_RATING 70
#define PLAYER_TRIES 5
#define PICK_TRIES 10
#define SEARCH_TRIES 3
#define BALANCED_VERDICT 1000

// ---- the side rating ---------------------------------------------------------------------------

static int Get_Player_Trade_Quality(int nTeam, int nSlot) {
    int nOverall = (int)Get_Checked_Overall_Rating(nTeam, nSlot);
    int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
    return (nOverall + nPotential) / 2;
}

int Rate_Trade_Side_Players(const TRADE_OFFER* pOffer, int nSide) {
    int nTeam = pOffer->acTeam[nSide];
    int nCount = Count_Trade_Offer_Items(pOffer, nSide);
    int anQuality[TRADE_SIDE_ITEMS];
    int nPlayers = 0;
    int nBest = -1;
    for (int n = 0; n < nCount; n++) {
        int nSlot = pOffer->aabItems[nSide][n];
        if (!Is_Trade_Item_Player(pOffer, nSide, nSlot))
            continue;
        anQuality[nPlayers] = Get_Player_Trade_Quality(nTeam, nSlot);
        if (nBest < 0 || anQuality[nPlayers] > anQuality[nBest])
            nBest = nPlayers;
        nPlayers++;
    }
    int64_t nValue = 0;
    for (int n = 0; n < nPlayers; n++) {
        int nPlayerValue = Get_Bare_Rating_Value((float)anQuality[n]);
        nValue += n == nBest ? nPlayerValue : nPlayerValue / 5;
    }
    double dValue = (double)nValue;
    double dRating = dValue >= STEEP_SIDE_VALUE ? 65.0 + sqrt((dValue - 306.0) / 15.0)
                     : dValue >= 0.0            ? 30.0 + sqrt(4.0 * dValue)
                                                : 30.0 - sqrt(-4.0 * dValue);
    return (int)dRating;
}

// ---- surplus weights ---------------------------------------------------------------------------

// How readily the partner's offer rating lets him go: not for far more than the partner gives,
// reluctantly for more, and not, or reluctantly, for much less.
static int Weigh_Against_Partner(int nWeight, int nTeam, int nSlot, int nPartnerRating) {
    int nOverall = (int)Get_Checked_Overall_Rating(nTeam, nSlot);
    int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
    int nOwn = Get_Bare_Rating_Value((float)((nOverall + nPotential + 1) / 2));
    int nPartner = Get_Bare_Rating_Value((float)nPartnerRating);
    int nReference = Get_Bare_Rating_Value((float)SURPLUS_REFERENCE_RATING);
    if (nOwn > nReference + nPartner)
        return 0;
    if (nPartner < nOwn)
        return nWeight / 3;
    if (nOwn < nPartner / 4)
        return 0;
    if (nOwn < nPartner / 2)
        return nWeight / 3;
    return nWeight;
}

static int Get_Surplus_Weight(int nTeam, int nOtherTeam, const TEAM_NEEDS ownNeeds,
                              const TEAM_NEEDS otherNeeds, int nPartnerRating, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return 0;
    int nTheirNeed = otherNeeds[Get_Trade_Need_Kind(nOtherTeam, nTeam, nSlot)][nPosition];
    int nOwnNeed = ownNeeds[Get_Trade_Need_Kind(nTeam, nTeam, nSlot)][nPosition];
    int nWeight = Mul_Div(nTheirNeed, 1000, nOwnNeed) - 1000;
    if (nWeight < 0 || nOwnNeed >= UNNEEDED_OWN_NEED)
        return 0;
    int nAtPosition = Count_Team_Position_Players(nTeam, nPosition);
    if (nAtPosition <= POSITION_STARTERS[nPosition])
        return 0;
    if (nAtPosition <= POSITION_ROSTER_MINIMUMS[nPosition])
        nWeight /= 3;
    return Weigh_Against_Partner(nWeight, nTeam, nSlot, nPartnerRating);
}

void Rate_Team_Players_For_Trade(int nTeam, int nOtherTeam, const TEAM_NEEDS ownNeeds,
                                 const TEAM_NEEDS otherNeeds, int nPartnerRating,
                                 int anWeights[PLAYERS_PER_TEAM]) {
    int bUsable = Is_Team_Active(nTeam) && Is_Team_Active(nOtherTeam);
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        anWeights[nSlot] =
            bUsable && Is_Player_Slot_Used(nTeam, nSlot)
                ? Get_Surplus_Weight(nTeam, nOtherTeam, ownNeeds, otherNeeds, nPartnerRating, nSlot)
                : 0;
    }
}

int Pick_Weighted_Random_Index(const int anWeights[PLAYERS_PER_TEAM]) {
    int64_t nTotal = 0;
    for (int n = 0; n < PLAYERS_PER_TEAM; n++)
        nTotal += Max_Int(0, anWeights[n]);
    if (nTotal == 0)
        return NO_WEIGHTED_INDEX;
    int64_t nDraw = (int64_t)(((uint64_t)Random_Number() * (uint64_t)nTotal) >> 32);
    int64_t nRunning = 0;
    for (int n = 0; n < PLAYERS_PER_TEAM; n++) {
        nRunning += Max_Int(0, anWeights[n]);
        if (nRunning > nDraw)
            return n;
    }
    return NO_WEIGHTED_INDEX;
}

// ---- adding to an offer ------------------------------------------------------------------------

static int Is_Position_Listed(const TRADE_OFFER* pOffer, int nSide, int nPosition) {
    int nTeam = pOffer->acTeam[nSide];
    int nCount = Count_Trade_Offer_Items(pOffer, nSide);
    for (int n = 0; n < nCount; n++) {
        int nItem = pOffer->aabItems[nSide][n];
        if (Is_Trade_Item_Player(pOffer, nSide, nItem) &&
            Get_Player_Vital_Stat(nTeam, nItem, VITAL_POSITION) == nPosition)
            return 1;
    }
    return 0;
}

// The other side (1 - nSide) gives one more player, chosen by its weights.
int Add_Needed_Player_To_Trade_Offer(TRADE_OFFER* pOffer, int nSide,
                                     int anWeights[PLAYERS_PER_TEAM]) {
    if (nSide < 0 || nSide >= TRADE_SIDES)
        return 0;
    int nGiver = 1 - nSide;
    int nTeam = pOffer->acTeam[nGiver];
    for (int nTry = 0; nTry < PLAYER_TRIES; nTry++) {
        int nSlot = Pick_Weighted_Random_Index(anWeights);
        if (nSlot == NO_WEIGHTED_INDEX)
            return 0;
        if (Is_Trade_Item_Listed(pOffer, nGiver, nSlot) ||
            Count_Trade_Offer_Items(pOffer, nGiver) >= TRADE_SIDE_ITEMS)
            continue;
        if (Is_Position_Listed(pOffer, nGiver,
                               Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION))) {
            anWeights[nSlot] = 0;
            continue;
        }
        TRADE_OFFER entry = *pOffer;
        Append_Trade_Offer_Item(pOffer, nGiver, nSlot);
        if (Check_Trade_Legality(pOffer, NULL))
            return 1;
        anWeights[nSlot] = 0;
        *pOffer = entry;
        return 0;
    }
    return 0;
}

int Pick_Random_Draft_Pick_Item(int nTeam) {
    int nPicks = Count_Team_Draft_Picks_Three_Years(nTeam);
    if (nPicks <= 0)
        return EMPTY_TRADE_ITEM;
    int nItem =
        Find_Free_Player_Slot(nTeam) + (int)(((uint64_t)Random_Number() * (uint64_t)nPicks) >> 32);
    return nItem < EMPTY_TRADE_ITEM ? nItem : EMPTY_TRADE_ITEM;
}

int Add_Random_Draft_Pick_To_Trade_Offer(TRADE_OFFER* pOffer) {
    for (int nTry = 0; nTry < PICK_TRIES; nTry++) {
        if (Count_Team_Draft_Picks_Three_Years(pOffer->acTeam[1]) <= 0)
            return 0;
        int nItem = Pick_Random_Draft_Pick_Item(pOffer->acTeam[1]);
        if (nItem == EMPTY_TRADE_ITEM || Is_Trade_Item_Listed(pOffer, 1, nItem) ||
            Count_Trade_Offer_Items(pOffer, 1) >= TRADE_SIDE_ITEMS)
            continue;
        TRADE_OFFER entry = *pOffer;
        Append_Trade_Offer_Item(pOffer, 1, nItem);
        if (Check_Trade_Legality(pOffer, NULL))
            return 1;
        *pOffer = entry;
        return 0;
    }
    return 0;
}

// ---- measures of an offer ----------------------------------------------------------------------

// Both verdicts: A of side 1 on the offer, B of side 0 on the offer reversed. 0 with the measure
// in *pFailure when the offer is invalid or illegal.
static int Get_Both_Verdicts(TRADE_OFFER* pOffer, const TEAM_NEEDS needs0, const TEAM_NEEDS needs1,
                             int* pA, int* pB, int* pFailure) {
    if (!Validate_Trade_Offer(pOffer)) {
        *pFailure = INVALID_TRADE_MEASURE;
        return 0;
    }
    if (!Check_Trade_Legality(pOffer, NULL)) {
        *pFailure = ILLEGAL_TRADE_MEASURE;
        return 0;
    }
    int nDone = pOffer->nDone;
    *pA = Evaluate_Trade_Offer_Frozen(pOffer, needs1);
    Reverse_Trade_Offer(pOffer);
    *pB = Evaluate_Trade_Offer_Frozen(pOffer, needs0);
    Reverse_Trade_Offer(pOffer);
    pOffer->nDone = nDone;
    return 1;
}

static void Set_Out_Side(int* pOutSide, int nSide) {
    if (pOutSide)
        *pOutSide = nSide;
}

// Both teams' verdicts on the offer and the side that likes it less; false, with the measure to
// give in *pResult, when the verdicts cannot be measured.
static bool Measure_Both_Sides(TRADE_OFFER* pOffer, int* pOutSide, const TEAM_NEEDS needs0,
                               const TEAM_NEEDS needs1, int* pA, int* pB, int* pResult) {
    Set_Out_Side(pOutSide, 0);
    if (!Get_Both_Verdicts(pOffer, needs0, needs1, pA, pB, pResult))
        return false;
    Set_Out_Side(pOutSide, *pA < *pB ? 1 : 0);
    if (*pA < 0 || *pB < 0) {
        *pResult = INVALID_TRADE_MEASURE;
        return false;
    }
    return true;
}

int Get_Trade_Offer_Balance(TRADE_OFFER* pOffer, int* pOutSide, const TEAM_NEEDS needs0,
                            const TEAM_NEEDS needs1) {
    int nA, nB, nResult;
    if (!Measure_Both_Sides(pOffer, pOutSide, needs0, needs1, &nA, &nB, &nResult))
        return nResult;
    if (nA == 0 && nB == 0)
        return -1;
    return Mul_Div(nA, nB, 1000);
}

int Get_Trade_Offer_Gap(TRADE_OFFER* pOffer, int* pOutSide, const TEAM_NEEDS needs0,
                        const TEAM_NEEDS needs1) {
    int nA, nB, nResult;
    if (!Measure_Both_Sides(pOffer, pOutSide, needs0, needs1, &nA, &nB, &nResult))
        return nResult;
    return -Saturate_To_Int(llabs((int64_t)nA - nB));
}

// ---- building a computer trade -----------------------------------------------------------------

typedef int (*TRADE_MEASURE)(TRADE_OFFER*, int*, const TEAM_NEEDS, const TEAM_NEEDS);

// Players are added for the less satisfied side while the measure improves; three failed tries in
// a row end the phase.
static int Improve_Trade_Offer(TRADE_OFFER* pOffer, TRADE_MEASURE measure, const TEAM_NEEDS needs0,
                               const TEAM_NEEDS needs1,
                               int aanWeights[TRADE_SIDES][PLAYERS_PER_TEAM]) {
    int nOutSide;
    int nBest = measure(pOffer, &nOutSide, needs0, needs1);
    int nFailures = 0;
    while (nFailures < SEARCH_TRIES) {
        TRADE_OFFER copy = *pOffer;
        int nNewOutSide;
        if (Add_Needed_Player_To_Trade_Offer(pOffer, nOutSide, aanWeights[1 - nOutSide])) {
            int nMeasure = measure(pOffer, &nNewOutSide, needs0, needs1);
            if (nMeasure > nBest) {
                nBest = nMeasure;
                nOutSide = nNewOutSide;
                nFailures = 0;
                continue;
            }
        }
        *pOffer = copy;
        nFailures++;
    }
    return nBest;
}

int Build_Computer_Trade_Offer(TRADE_OFFER* pOffer, const TEAM_NEEDS needs0,
                               const TEAM_NEEDS needs1) {
    static int aanWeights[TRADE_SIDES][PLAYERS_PER_TEAM];
    const int(*apNeeds[TRADE_SIDES])[POSITION_COUNT] = {needs0, needs1};
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nPartnerRating = Rate_Trade_Side_Players(pOffer, 1 - nSide);
        Rate_Team_Players_For_Trade(pOffer->acTeam[nSide], pOffer->acTeam[1 - nSide],
                                    apNeeds[nSide], apNeeds[1 - nSide], nPartnerRating,
                                    aanWeights[nSide]);
    }
    Improve_Trade_Offer(pOffer, Get_Trade_Offer_Balance, needs0, needs1, aanWeights);
    return Improve_Trade_Offer(pOffer, Get_Trade_Offer_Gap, needs0, needs1, aanWeights);
}

// ---- balancing an accepted offer ---------------------------------------------------------------

// Keeps the variant the partner still accepts but likes least; the verdict must stay above 1000
// and below its verdict on entry.
typedef struct BALANCE_CHOICE {
    TRADE_OFFER best;
    int nBestVerdict;
    int bFound;
} BALANCE_CHOICE;

static void Consider_Balance_Variant(BALANCE_CHOICE* pChoice, const TRADE_OFFER* pVariant,
                                     const TEAM_NEEDS needs1, int nEntryVerdict) {
    int nVerdict = Evaluate_Trade_Offer_Frozen(pVariant, needs1);
    if (nVerdict <= BALANCED_VERDICT || nVerdict >= nEntryVerdict)
        return;
    if (pChoice->bFound && nVerdict >= pChoice->nBestVerdict)
        return;
    pChoice->best = *pVariant;
    pChoice->nBestVerdict = nVerdict;
    pChoice->bFound = 1;
}

static int Take_Balance_Choice(const BALANCE_CHOICE* pChoice, const TRADE_OFFER* pEntry) {
    gTradeOffer = pChoice->bFound ? pChoice->best : *pEntry;
    return pChoice->bFound;
}

// Appends a pick of side 1 when it is not listed yet and the list's last place is free.
static void Append_Balance_Pick(TRADE_OFFER* pOffer, int nItem) {
    if (nItem < EMPTY_TRADE_ITEM && !Is_Trade_Item_Listed(pOffer, 1, nItem) &&
        pOffer->aabItems[1][TRADE_SIDE_ITEMS - 1] == EMPTY_TRADE_ITEM)
        Append_Trade_Offer_Item(pOffer, 1, nItem);
}

int Balance_Trade_Offer_With_Picks(const TEAM_NEEDS needs1) {
    int nEntryVerdict = Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs1);
    if (nEntryVerdict < BALANCED_VERDICT)
        return 0;
    TRADE_OFFER entry = gTradeOffer;
    int nTeam = entry.acTeam[1];
    int nPicks = Count_Team_Draft_Picks_Three_Years(nTeam);
    int nPlayers = Find_Free_Player_Slot(nTeam);
    BALANCE_CHOICE choice = {};
    for (int i = 0; i < nPicks; i++) {
        for (int j = i; j < nPicks; j++) {
            TRADE_OFFER variant = entry;
            Append_Balance_Pick(&variant, nPlayers + i);
            if (i != j)
                Append_Balance_Pick(&variant, nPlayers + j);
            Consider_Balance_Variant(&choice, &variant, needs1, nEntryVerdict);
        }
    }
    return Take_Balance_Choice(&choice, &entry);
}

int Balance_Trade_Offer_With_Cash(const TEAM_NEEDS needs1) {
    int nEntryVerdict = Evaluate_Trade_Offer_Frozen(&gTradeOffer, needs1);
    if (nEntryVerdict < BALANCED_VERDICT)
        return 0;
    TRADE_OFFER entry = gTradeOffer;
    int64_t nStep = (int64_t)Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION)) * 1000;
    int64_t nHalfCash = Get_Team_Financial_Stat(entry.acTeam[1], FIN_CASH) / 2;
    BALANCE_CHOICE choice = {};
    for (int64_t nPaid = 0;; nPaid += nStep) {
        TRADE_OFFER variant = entry;
        variant.nCash = (int32_t)-nPaid;
        Consider_Balance_Variant(&choice, &variant, needs1, nEntryVerdict);
        if (nStep <= 0 || nPaid + nStep >= nHalfCash)
            break;
    }
    return Take_Balance_Choice(&choice, &entry);
}
