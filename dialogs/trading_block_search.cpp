// The Trading Block's search: what the user wants for his block, each team's best offer for it
// (players, picks or cash), and the offers of all teams ordered, repeats and illegal ones cleared.
#include <limits.h>
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"

#define PLAYER_ATTEMPTS 10
#define USER_VERDICT_FLOOR 250
#define WANTS_RAISE_NUMERATOR 4
#define WANTS_RAISE_DENOMINATOR 3

TRADE_OFFER gTradingBlockOffers[TRADING_BLOCK_OFFERS];

// The user's verdict on an offer: the offering side seen from the user's chair.
static int Evaluate_For_User(const TRADE_OFFER* pOffer, const TEAM_NEEDS wants) {
    TRADE_OFFER reversed = *pOffer;
    Reverse_Trade_Offer(&reversed);
    return Evaluate_Trade_Offer_Frozen(&reversed, wants);
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
    return Evaluate_Trade_Offer_Frozen(pWork, needs) >= TRADE_ACCEPTED_VERDICT;
}

// The largest payment, in whole price steps up to the team's cash rounded down to a step, that
// the team still accepts: what stepping down one step at a time from the top finds first. From one
// step up a larger payment only adds to what the team gives, so its verdict never rises: the
// accepted payments are 1..K steps, and a bisection finds K with about log2(steps) verdicts.
// Nothing paid (where the small-cash rule of the verdict may apply) is tried last, as stepping
// down would.
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
        if (Evaluate_Trade_Offer_Frozen(pWork, needs) >= TRADE_ACCEPTED_VERDICT &&
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
int Find_Team_Best_Offer(int nTeam, int nKind, const TEAM_NEEDS wants, TRADE_OFFER* pBest) {
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
    for (int n = 0; n < TRADING_BLOCK_OFFERS; n++) {
        for (int nEarlier = 0; nEarlier < n; nEarlier++) {
            if (!Is_Empty_Offer(&gTradingBlockOffers[n]) &&
                Is_Same_Offer(&gTradingBlockOffers[n], &gTradingBlockOffers[nEarlier])) {
                Init_Trade_Offer(&gTradingBlockOffers[n]);
                break;
            }
        }
    }
    int anKeys[TRADING_BLOCK_OFFERS];
    int nLegal = 0;
    for (int n = 0; n < TRADING_BLOCK_OFFERS; n++) {
        TRADE_OFFER* pOffer = &gTradingBlockOffers[n];
        if (!Check_Trade_Legality(pOffer, NULL)) {
            Init_Trade_Offer(pOffer);
            anKeys[n] = INT_MAX;
            continue;
        }
        nLegal++;
        anKeys[n] = nKind == BLOCK_WANTS_CASH ? pOffer->nCash
                                              : Evaluate_Trade_Offer_Frozen(pOffer, userNeeds);
    }
    for (int nPass = 0; nPass < TRADING_BLOCK_OFFERS; nPass++) {
        for (int n = 0; n + 1 < TRADING_BLOCK_OFFERS; n++) {
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

void Clear_Trading_Block_Offers(void) {
    for (int n = 0; n < TRADING_BLOCK_OFFERS; n++)
        Init_Trade_Offer(&gTradingBlockOffers[n]);
}
