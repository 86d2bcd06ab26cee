// Scaling a team's salaries and signing bonuses until its payroll meets a target.
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define PER_MILLE 1000
#define MAX_SCALING_PASSES 20
#define RATIO_TOLERANCE 2  // per mille: close enough to the target

// The ratio per mille that takes a payroll of nPayroll thousands to nTarget dollars; 0 for an
// empty payroll, which then pushes every salary to the minimum.
static int Get_Payroll_Ratio(int64_t nTarget, int nPayroll) {
    return (int)Round_Div(nTarget * PER_MILLE, (int64_t)nPayroll * 1000);
}

// Scales every salary that is not at the league minimum, and its bonus, by nRatio per mille.
static void Scale_Team_Salaries(int nTeam, int nRatio) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        int nMinimum = Get_League_Minimum_Salary(
            Max_Int(0, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE)));
        int nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY);
        if (nSalary == nMinimum)
            continue;
        int nScaled = (int)Round_Div((int64_t)nSalary * nRatio, PER_MILLE);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, Max_Int(nMinimum, nScaled));
        int nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS,
                              (int)Round_Div((int64_t)nBonus * nRatio, PER_MILLE));
    }
}

int Fit_Team_Payroll(int nTeam, int nTarget) {
    if (!Is_Valid_Team(nTeam))
        return 0;
    int nFirstRatio = Get_Payroll_Ratio(nTarget, Get_Team_Financial_Stat(nTeam, FIN_PAYROLL));
    for (int nPass = 0; nPass < MAX_SCALING_PASSES; nPass++) {
        int nRatio = Get_Payroll_Ratio(nTarget, Get_Team_Financial_Stat(nTeam, FIN_PAYROLL));
        Scale_Team_Salaries(nTeam, nRatio);
        if (abs(nRatio - PER_MILLE) <= RATIO_TOLERANCE)
            break;
    }
    return nFirstRatio;
}

int Scale_All_Team_Payrolls(int nTarget) {
    int nTeams = Count_Active_Teams();
    if (nTeams <= 0)
        return 0;
    int64_t nSum = 0;
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        nSum += Fit_Team_Payroll(nTeam, nTarget);
    return (int)(nSum / nTeams);
}
