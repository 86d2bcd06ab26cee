// The personnel money tables: the age factor of salaries and the money of draft slots.
#include "core/core.h"
#include "database/database.h"
#include "personnel/contracts_internal.h"
#include "personnel/personnel.h"

#define SALARY_STEP 5  // salaries above the minimum are whole multiples of this

#define AGE_FACTOR_FIRST_AGE 20
#define AGE_FACTOR_COUNT 20

#define DRAFT_TABLE_ROUNDS 7
#define ROOKIE_CONTRACT_YEARS 4

// Per cent of the amount paid by age 20..39.
static const int kAgeSalaryFactors[AGE_FACTOR_COUNT] = {
    75, 78, 80, 83, 85, 88, 90, 92, 95, 98, 100, 100, 98, 96, 94, 92, 90, 88, 86, 84,
};

// Base-cap thousands per round: the first pick, the middle pick and the last pick.
typedef struct DRAFT_ROUND_MONEY {
    int nFirst;
    int nMiddle;
    int nLast;
} DRAFT_ROUND_MONEY;

static const DRAFT_ROUND_MONEY kDraftSlotValues[DRAFT_TABLE_ROUNDS] = {
    {6675, 2195, 1200}, {1000, 680, 385}, {325, 275, 235}, {230, 205, 140},
    {100, 85, 65},      {60, 48, 38},     {32, 27, 22},
};

static const DRAFT_ROUND_MONEY kRookieSalaries[DRAFT_TABLE_ROUNDS] = {
    {833, 417, 333}, {277, 253, 243}, {208, 205, 200}, {180, 160, 140},
    {100, 100, 100}, {100, 100, 100}, {100, 100, 100},
};

// A positive amount rounded up to a multiple of 5.
int Round_Up_To_Salary_Step(int nAmount) {
    return nAmount + (SALARY_STEP - 1) - (nAmount + SALARY_STEP - 1) % SALARY_STEP;
}

// An amount above the player's minimum rounded up to a multiple of 5, else the minimum.
int Round_Salary_To_Minimum(int nTeam, int nSlot, int nAmount) {
    int nMinimum = Get_Player_Minimum_Salary(nTeam, nSlot);
    if (nAmount <= nMinimum)
        return nMinimum;
    return Round_Up_To_Salary_Step(nAmount);
}

// Younger and older players are paid less than those around 30.
int Apply_Age_Salary_Factor(int nAmount, int nAge) {
    int nIndex = Clamp(nAge - AGE_FACTOR_FIRST_AGE, 0, AGE_FACTOR_COUNT - 1);
    return Mul_Div(nAmount, kAgeSalaryFactors[nIndex], 100);
}

// ---- draft slots -------------------------------------------------------------------------------

// The amount of a pick on a table: from the round's first pick down to its middle pick over the
// first half of the round, then down to its last pick. 0 outside the rounds and the league's picks.
static int Interpolate_Draft_Money(const DRAFT_ROUND_MONEY* pTable, int nRound, int nPick) {
    int nTeams = Count_Active_Teams();
    if (nRound < 0 || nRound >= DRAFT_TABLE_ROUNDS || nPick < 0 || nPick >= nTeams)
        return 0;
    const DRAFT_ROUND_MONEY* pRound = &pTable[nRound];
    int nHalf = nTeams / 2;
    if (nPick < nHalf)
        return pRound->nFirst - Mul_Div(pRound->nFirst - pRound->nMiddle, nPick, nHalf);
    return pRound->nMiddle - Mul_Div(pRound->nMiddle - pRound->nLast, nPick - nHalf, nHalf);
}

int Get_Draft_Slot_Value(int nRound, int nPick) {
    return Scale_To_Base_Cap(Interpolate_Draft_Money(kDraftSlotValues, nRound, nPick));
}

int Get_Rookie_Salary(int nRound, int nPick) {
    int nSalary = Scale_To_Base_Cap(Interpolate_Draft_Money(kRookieSalaries, nRound, nPick));
    return Max_Int(nSalary, Get_League_Minimum_Salary(0));
}

int Get_Current_Rookie_Salary(void) {
    return Get_Rookie_Salary(gDraftRound, gDraftPick);
}

int Get_Rookie_Package_Value(int nRound, int nPick) {
    return Get_Rookie_Salary(nRound, nPick) + Mul_Div(Get_Draft_Slot_Value(nRound, nPick), 1, 4);
}

int Get_Rookie_Contract_Years(void) {
    return ROOKIE_CONTRACT_YEARS;
}

// Copies every prospect's projected draft value into his VITAL_SCOUTING_SCORE.
int Store_Draft_Pool_Values(void) {
    int nHighest = 0;
    int nCount = Count_Draft_Pool_Players();
    for (int n = 0; n < nCount; n++) {
        int nTeam = NO_TEAM;
        int nSlot = NO_PLAYER;
        Get_Draft_Pool_Player(n, &nTeam, &nSlot);
        int nValue = Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, STAT_PROSPECT_VALUE);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE, nValue);
        nHighest = Max_Int(nHighest, nValue);
    }
    return nHighest;
}

// A prospect asks the current pick's slot value in the share of his value to the pool's best.
int Get_Draft_Pool_Asking_Value(int nTeam, int nSlot) {
    int nHighest = Store_Draft_Pool_Values();
    return Mul_Div(Get_Draft_Slot_Value(gDraftRound, gDraftPick),
                   Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE), nHighest);
}
