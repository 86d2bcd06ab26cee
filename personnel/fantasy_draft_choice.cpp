// The computer's fantasy-draft pick: every undrafted player scored by his trade value, the
// team's money, its remaining needs by position and what he costs against the room left.
#include "database/database.h"
#include "personnel/personnel.h"

#define LOW_ROOM_FACTOR 9125
#define TIGHT_ROOM_FACTOR 22812
#define COST_SCALE_FACTOR 3318181
#define GRADE_SCALE 3318
#define GRADE_DIVISOR 20
#define OVERALL_WEIGHT 3
#define POTENTIAL_WEIGHT 2
#define AVERAGE_GRADE 50

static const int kFantasyPositionWeights[POSITION_COUNT] = {
    1200, 1100, 1000, 1000, 1100, 1100, 1100, 1000, 1200, 1200, 1000, 1000, 900, 1000, 1000};

// The rosters a fantasy draft deals from: the league teams, the free agents and the draft pool.
int Is_Fantasy_Draft_Roster(int nTeam) {
    return Is_Valid_Team(nTeam) && nTeam != HALL_OF_FAME_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
}

int Count_Team_Draftees_At_Position(int nTeam, int nPosition) {
    int nCount = 0;
    for (int nRoster = 0; nRoster <= LAST_DRAFT_POOL_TEAM; nRoster++) {
        if (!Is_Fantasy_Draft_Roster(nRoster))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nRoster, nSlot) &&
                Get_Player_Vital_Stat(nRoster, nSlot, VITAL_DRAFTED_TO) == nTeam &&
                Get_Player_Vital_Stat(nRoster, nSlot, VITAL_POSITION) == nPosition)
                nCount++;
        }
    }
    return nCount;
}

// The spending limit in thousands less the cap charges of the players the team has drafted.
int Get_Fantasy_Cap_Room(int nTeam) {
    int64_t nRoom = Get_Team_Spending_Limit(nTeam) / 1000;
    for (int nRoster = 0; nRoster <= LAST_DRAFT_POOL_TEAM; nRoster++) {
        if (!Is_Fantasy_Draft_Roster(nRoster))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nRoster, nSlot) &&
                Get_Player_Vital_Stat(nRoster, nSlot, VITAL_DRAFTED_TO) == nTeam)
                nRoom -= Get_Player_Vital_Stat(nRoster, nSlot, VITAL_CAP_IMPACT);
        }
    }
    return Saturate_To_Int(nRoom);
}

void Get_Fantasy_Position_Needs(int nTeam, int* pNeeds) {
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        int nCeiling = POSITION_ROSTER_CEILINGS[nPosition];
        int nDrafted = Count_Team_Draftees_At_Position(nTeam, nPosition);
        pNeeds[nPosition] =
            Max_Int(0, Mul_Div(kFantasyPositionWeights[nPosition], nCeiling - nDrafted, nCeiling));
    }
}

// What the team's money says about spending: its room and the thresholds the inflation sets.
typedef struct {
    int bCap;
    int nRoom;
    int nLowRoom;    // below it, a player's score falls with his whole cost
    int nTightRoom;  // below it, with half his cost
    int nCostScale;
    int nRevenueRank;
} FANTASY_BUDGET;

static FANTASY_BUDGET Get_Fantasy_Budget(int nTeam) {
    FANTASY_BUDGET budget;
    int nInflation = Get_Universe_Stat(UNIVERSE_INFLATION);
    budget.bCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP) != 0;
    budget.nRoom = Get_Fantasy_Cap_Room(nTeam);
    budget.nLowRoom = Mul_Div(nInflation, LOW_ROOM_FACTOR, 1000);
    budget.nTightRoom = Mul_Div(nInflation, TIGHT_ROOM_FACTOR, 1000);
    budget.nCostScale = Mul_Div(nInflation, COST_SCALE_FACTOR, 1000);
    budget.nRevenueRank = Get_Team_Financial_Rank(nTeam, FIN_LAST_REVENUE);
    return budget;
}

static int Get_Fantasy_Player_Score(int nTeam, int nSlot, const FANTASY_BUDGET* pBudget,
                                    const int* pNeeds) {
    int nValue = Get_Player_Trade_Value(nTeam, nSlot);
    int nNet = Get_Player_Net_Trade_Value(nTeam, nSlot, nValue);
    nValue += Mul_Div(nNet, 2 * pBudget->nRevenueRank, 100);
    if (!pBudget->bCap || pBudget->nRoom > 2 * pBudget->nTightRoom) {
        int nOverall = (int)Get_Checked_Overall_Rating(nTeam, nSlot);
        int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
        nValue +=
            OVERALL_WEIGHT * Mul_Div(nOverall - AVERAGE_GRADE, GRADE_SCALE, GRADE_DIVISOR) +
            POTENTIAL_WEIGHT * Mul_Div(nPotential - AVERAGE_GRADE, GRADE_SCALE, GRADE_DIVISOR);
    }
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition >= 0 && nPosition < POSITION_COUNT)
        nValue = Mul_Div(nValue, pNeeds[nPosition], 1000);
    if (pBudget->bCap) {
        int nCost = Saturate_To_Int(
            (int64_t)Get_Player_Vital_Stat(nTeam, nSlot, VITAL_NORMALIZED_CAP_IMPACT) * 1000);
        if (pBudget->nRoom < pBudget->nLowRoom)
            nValue = Mul_Div(nValue, pBudget->nCostScale, nCost);
        else if (pBudget->nRoom < pBudget->nTightRoom)
            nValue = (int)Mul_Div_Wide(nValue, 2 * (int64_t)pBudget->nCostScale,
                                       (int64_t)pBudget->nCostScale + nCost);
    }
    return nValue;
}

int Choose_Fantasy_Draft_Player(int nTeam, int* pTeam, int* pSlot) {
    FANTASY_BUDGET budget = Get_Fantasy_Budget(nTeam);
    int anNeeds[POSITION_COUNT];
    Get_Fantasy_Position_Needs(nTeam, anNeeds);
    int bFound = 0, nBest = 0, nBestTeam = NO_TEAM, nBestSlot = 0;
    for (int nRoster = 0; nRoster <= LAST_DRAFT_POOL_TEAM; nRoster++) {
        if (!Is_Fantasy_Draft_Roster(nRoster))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nRoster, nSlot) ||
                Get_Player_Vital_Stat(nRoster, nSlot, VITAL_DRAFTED_TO) != NO_TEAM)
                continue;
            int nScore = Get_Fantasy_Player_Score(nRoster, nSlot, &budget, anNeeds);
            int bOddTie = nScore == nBest && (nRoster + nTeam) % 2 == 1;
            if (!bFound || nScore > nBest || bOddTie) {
                bFound = 1;
                nBest = nScore;
                nBestTeam = nRoster;
                nBestSlot = nSlot;
            }
        }
    }
    if (!bFound || !Is_Fantasy_Draft_Roster(nBestTeam) ||
        !Is_Player_Slot_Used(nBestTeam, nBestSlot))
        return 0;
    *pTeam = nBestTeam;
    *pSlot = nBestSlot;
    return 1;
}
