// Fresh contracts for the whole league, with every payroll brought just under the salary cap.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "setup/setup.h"
#include "tools/tools.h"

#define LOWEST_CAP_PERCENT 92
#define HIGHEST_CAP_PERCENT 97
#define BASE_CAP_PERCENT 80

void Recalculate_Contracts(void) {
    Assign_All_Initial_Contracts();
    int64_t nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    if (nCap == 0)
        return;
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        // 80 % plus nine times the payroll's share of the cap, held within 92..97 %.
        int64_t nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
        int nShare = (int)((9000 * nPayroll + nCap / 2) / nCap);
        int nPercent = Clamp(BASE_CAP_PERCENT + nShare, LOWEST_CAP_PERCENT, HIGHEST_CAP_PERCENT);
        Fit_Team_Payroll(nTeam, (int)((nPercent * nCap + 50) / 100));
    }
}
