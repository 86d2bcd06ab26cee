// What the computer manager thinks draft picks and contracts are worth in a trade, and what a
// receiving team needs.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

// ---- the draft-pick table ----------------------------------------------------------------------
static const int kPickFirstValue[DRAFT_ROUNDS] = {3000, 580, 265, 112, 43, 27, 14};
static const int kPickMiddleValue[DRAFT_ROUNDS] = {975, 415, 187, 67, 33, 21, 8};
static const int kPickLastValue[DRAFT_ROUNDS] = {580, 265, 112, 43, 27, 14, 2};
#define PICK_TABLE_SCALE 3000
#define PICK_VALUE_SCALE 14800
#define PICK_YEAR_DISCOUNT 800

// ---- draft picks -------------------------------------------------------------------------------

int Get_Draft_Pick_Trade_Value(int nYearsAhead, int nRound, int nPlace) {
    if (nRound < 0 || nRound >= DRAFT_ROUNDS)
        return 0;
    int nHalf = Count_Active_Teams() / 2;
    int nFirst = kPickFirstValue[nRound];
    int nMiddle = kPickMiddleValue[nRound];
    int nLast = kPickLastValue[nRound];
    int nValue = nPlace < nHalf ? nFirst - Mul_Div(nFirst - nMiddle, nPlace, nHalf)
                                : nMiddle - Mul_Div(nMiddle - nLast, nPlace - nHalf, nHalf);
    nValue = Mul_Div(nValue, PICK_VALUE_SCALE, PICK_TABLE_SCALE);
    for (int nYear = 0; nYear < nYearsAhead; nYear++)
        nValue = Mul_Div(nValue, PICK_YEAR_DISCOUNT, 1000);
    return nValue;
}

// The draft order the picks are valued by: the real one once the season's results are in.
static void Update_Draft_Order_For_Values(void) {
    if (Is_College_Draft_On() || gCurrentWeek == OFF_SEASON_WEEK)
        Compute_Draft_Order();
    else
        Project_Draft_Order();
}

static int Find_Draft_Order_Place(int nColumn) {
    for (int nPlace = 0; nPlace < DRAFT_COLUMNS; nPlace++) {
        if (Get_Draft_Order_Team(nPlace) == nColumn)
            return nPlace;
    }
    return DRAFT_COLUMNS - 1;
}

int Get_Trade_Side_Pick_Value(const TRADE_OFFER* pOffer, int nSide) {
    if (nSide < 0 || nSide >= TRADE_SIDES)
        return 0;
    int nTeam = pOffer->acTeam[nSide];
    int nPlayers = Find_Free_Player_Slot(nTeam);
    int nCount = Count_Trade_Offer_Items(pOffer, nSide);
    int bOrderKnown = 0;
    int64_t nSum = 0;
    int nPicks = 0;
    for (int n = 0; n < nCount; n++) {
        int nItem = pOffer->aabItems[nSide][n];
        if (nItem < nPlayers)
            continue;
        if (!bOrderKnown) {
            Update_Draft_Order_For_Values();
            bOrderKnown = 1;
        }
        int nYear, nRound, nColumn;
        if (!Find_Team_Draft_Pick(nTeam, nItem - nPlayers, &nYear, &nRound, &nColumn))
            continue;
        nSum += Get_Draft_Pick_Trade_Value(nYear, nRound, Find_Draft_Order_Place(nColumn));
        nPicks++;
    }
    int nValue = Saturate_To_Int(nSum);
    if (Is_Human_Team(nTeam)) {
        int nTraded = Get_Team_Stat(nTeam, TEAM_TRADE_MODIFIER);
        int nDiscount = Min_Int(700, Saturate_To_Int(200LL * nTraded + 100LL * nPicks - 100));
        nValue = Mul_Div(nValue, 1000 - nDiscount, 1000);
    } else if (nPicks >= 2) {
        nValue = Mul_Div(nValue, 200 * nPicks + 800, 1000);
    }
    return nValue;
}

// Rookie money of the picks the team holds in the coming draft, by the order the season gives:
// for each pick its rookie salary plus a quarter of its draft-slot value, in thousands.
// The team's picks still to be made, each worth its slot value and, with bSalaries, the rookie
// salary plus a quarter of the slot value; in the draft order as it stands.
static int Sum_Team_Picks(int nTeam, int bSalaries) {
    int nPlaces = Min_Int(Count_Active_Teams(), DRAFT_COLUMNS);
    int bDraftOn = Is_College_Draft_On();
    int64_t nSum = 0;
    for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++) {
        for (int nPlace = 0; nPlace < nPlaces; nPlace++) {
            if (bDraftOn &&
                (nRound < gDraftRound || (nRound == gDraftRound && nPlace < gDraftPick)))
                continue;  // already made
            if (Get_Draft_Pick_Owner(0, nRound, Get_Draft_Order_Team(nPlace)) != nTeam)
                continue;
            nSum += bSalaries ? Get_Rookie_Salary(nRound, nPlace) +
                                    Get_Draft_Slot_Value(nRound, nPlace) / 4
                              : Get_Draft_Slot_Value(nRound, nPlace);
        }
    }
    return Saturate_To_Int(nSum);
}

int Get_Team_Draft_Picks_Value(int nTeam) {
    if (Is_Season_Complete())
        Compute_Draft_Order();
    else
        Update_Draft_Order_For_Values();
    return Sum_Team_Picks(nTeam, 1);
}

int Sum_Team_Draft_Slot_Values(int nTeam) {
    return Sum_Team_Picks(nTeam, 0);
}

int Get_Trade_Need_Kind(int nReceivingTeam, int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    uint8_t nStarter = Get_Position_Last_Starter(nReceivingTeam, nPosition);
    if (nStarter == NO_SLOT_BYTE ||
        Get_Player_Worth(nTeam, nSlot) > Get_Player_Worth(nReceivingTeam, nStarter))
        return NEED_STARTER;
    if (Get_Player_Age(nTeam, nSlot) < Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START))
        return NEED_AGE;
    return NEED_DEPTH;
}

// ---- contract money ----------------------------------------------------------------------------
#define MOST_CONTRACT_WORTH 1000000

// Thousandths of a year of the contract still to be paid.
static int Get_Contract_Time_Left(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) * 1000 -
           Get_Season_Progress();
}

int Get_Remaining_Contract_Money(int nTeam, int nSlot) {
    return Mul_Div(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY),
                   Get_Contract_Time_Left(nTeam, nSlot), 1000);
}

int Get_Contract_Value(int nTeam, int nSlot) {
    int nWorth = Get_Player_Worth(nTeam, nSlot);
    if (nWorth > MOST_CONTRACT_WORTH) {
        Report_Error("Get_Contract_Value exceeded $1 billion. (%d)", nWorth);
        nWorth = MOST_CONTRACT_WORTH;
    }
    int nTime = Get_Contract_Time_Left(nTeam, nSlot);
    int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    int nBeyond = Get_Player_Age(nTeam, nSlot) + nYears -
                  Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_END);
    if (nBeyond > 0) {
        int nLate = Min_Int(nYears, nBeyond);
        nTime -= 30 * nLate * (nLate + 1);
    }
    return Mul_Div(nWorth, nTime, 1000);
}
