// The league's money scales and minimum salaries: built-in money tables are written for a
// 55,000,000 cap and scaled to the league's money.
#include "core/core.h"
#include "database/database.h"

#define BASE_SALARY_CAP 55000000
#define LEAGUE_BASE_CAP 182500000  // the base cap in the league's money, before inflation
#define MINIMUM_TABLE_FIRST_YEAR 2015
#define MINIMUM_TABLE_LAST_YEAR 2022
#define MINIMUM_TABLE_DEFAULT_YEAR 2021
#define MAX_MINIMUM_EXPERIENCE 10
#define PER_MILLE 1000

// Thousands, by season 2015..2022 and years of experience 0..10.
static const int kMinimumSalaries[MINIMUM_TABLE_LAST_YEAR - MINIMUM_TABLE_FIRST_YEAR + 1]
                                 [MAX_MINIMUM_EXPERIENCE + 1] = {
                                     {435, 510, 585, 660, 745, 745, 745, 870, 870, 870, 970},
                                     {450, 525, 600, 675, 760, 760, 760, 885, 885, 885, 985},
                                     {465, 540, 615, 690, 775, 775, 775, 900, 900, 900, 1000},
                                     {480, 555, 630, 705, 790, 790, 790, 915, 915, 915, 1015},
                                     {495, 570, 645, 720, 805, 805, 805, 930, 930, 930, 1030},
                                     {610, 675, 750, 825, 910, 910, 910, 1050, 1050, 1050, 1050},
                                     {660, 780, 850, 920, 990, 990, 990, 1075, 1075, 1075, 1075},
                                     {705, 825, 895, 965, 1035, 1035, 1035, 1120, 1120, 1120, 1120},
};

// ---- money scales ------------------------------------------------------------------------------

int Scale_To_Base_Cap(int nAmount) {
    return Apply_Inflation(Mul_Div(nAmount, LEAGUE_BASE_CAP, BASE_SALARY_CAP));
}

// The inflated base cap in dollars.
static int Get_Inflated_Base_Cap(void) {
    return Mul_Div(Get_Universe_Stat(UNIVERSE_INFLATION), LEAGUE_BASE_CAP, PER_MILLE);
}

// The amount as it would be under the 55,000,000 cap. A league without a cap counts with the
// inflated base cap.
int Normalize_Money_To_Cap(int nAmount) {
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    if (nCap <= 0)
        nCap = Get_Inflated_Base_Cap();
    return Mul_Div(nAmount, BASE_SALARY_CAP, nCap);
}

// A third of the inflated base cap, in thousands: no sound salary is larger.
int Get_Salary_Sanity_Limit(void) {
    return Mul_Div(Get_Inflated_Base_Cap(), 1, 3 * PER_MILLE);
}

// ---- minimum salaries --------------------------------------------------------------------------

// The table row of the season year; other years take the 2021 row, inflated.
int Get_League_Minimum_Salary(int nExperience) {
    int nColumn = Clamp(nExperience, 0, MAX_MINIMUM_EXPERIENCE);
    int nYear = Get_Season_Year();
    if (nYear >= MINIMUM_TABLE_FIRST_YEAR && nYear <= MINIMUM_TABLE_LAST_YEAR)
        return kMinimumSalaries[nYear - MINIMUM_TABLE_FIRST_YEAR][nColumn];
    return Apply_Inflation(
        kMinimumSalaries[MINIMUM_TABLE_DEFAULT_YEAR - MINIMUM_TABLE_FIRST_YEAR][nColumn]);
}

int Get_Player_Minimum_Salary(int nTeam, int nSlot) {
    return Get_League_Minimum_Salary(
        Max_Int(0, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE)));
}
