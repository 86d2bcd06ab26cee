// A player's contract demand: the bonus and salary he asks for the years offered.
#include "database/database.h"
#include "personnel/personnel.h"

#define PRIME_SALARY_AGE 27
#define EXTRA_YEAR_COST_PER_MILLE 20  // per year beyond his wish, per year younger than 27
#define BONUS_YEARLY_GROWTH 1120      // a bonus above his asking grows 12 % a year
#define SALARY_ROUNDING 5

// Years younger than 27 this season, at least 0.
static int Get_Years_Before_Prime_Salary(int nTeam, int nSlot) {
    int nBirthYear = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    return Max_Int(0, nBirthYear + PRIME_SALARY_AGE - Get_Season_Year());
}

// Each year beyond the years he wants costs 2 % of salary per year he is younger than 27; the
// bonus, spread over more years than he wanted, is added back per year.
static int64_t Weigh_Extra_Years(int64_t nSalary, int nYears, int nWanted, int nYouth, int nBonus) {
    int64_t nFactor = ((int64_t)(nYears - nWanted) * nYouth + 50) * EXTRA_YEAR_COST_PER_MILLE;
    if (nYouth == 0)
        nFactor = 1000;
    nSalary = (nSalary * nFactor + 500) / 1000;
    return nSalary + nBonus / nWanted - nBonus / nYears;
}

// A bonus offered above his asking, grown 12 % a year over the contract, comes off the salary.
static int64_t Take_Extra_Bonus_Off(int64_t nSalary, int nYears, int nExtra) {
    if (nExtra <= 0)
        return nSalary;
    int64_t nGrown = nExtra;
    for (int n = 0; n < nYears; n++)
        nGrown = (nGrown * BONUS_YEARLY_GROWTH + 500) / 1000;
    return nSalary - nGrown / nYears;
}

void Calculate_Contract_Demand(int nTeam, int nSlot, int nWorth) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    int nYears = Max_Int(1, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT));
    int nWanted = Max_Int(1, Get_Desired_Contract_Years(nTeam, nSlot));
    int nYouth = Get_Years_Before_Prime_Salary(nTeam, nSlot);

    int nAsking;
    int64_t nSalary;
    if (Is_Draft_Pool_Team(nTeam)) {
        nAsking = Get_Draft_Pool_Asking_Value(nTeam, nSlot);
        nSalary = Get_Rookie_Salary(gDraftRound, gDraftPick);
    } else {
        if (nWorth == 0)
            nWorth = Get_Player_Worth(nTeam, nSlot);
        nAsking = Get_Salary_Demand(nTeam, nSlot, nWorth);
        nSalary = Get_Fair_Salary(nTeam, nSlot, nWorth);
    }

    int nBonus = Max_Int(nAsking, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nBonus);
    if (nYears > nWanted)
        nSalary = Weigh_Extra_Years(nSalary, nYears, nWanted, nYouth, nBonus);
    nSalary = Take_Extra_Bonus_Off(nSalary, nYears, nBonus - nAsking);

    int nMinimum = Get_League_Minimum_Salary(
        Max_Int(0, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE)));
    int nAsked = nMinimum;
    if (nSalary > nMinimum) {
        int nUp = Saturate_To_Int(nSalary + SALARY_ROUNDING - 1);
        nAsked = nUp - nUp % SALARY_ROUNDING;
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nAsked);
}
