// A player's contract demand.
#include "database/database.h"
#include "personnel/personnel.h"

// The asked bonus (never below the bonus already offered) and the fair salary, whatever the
// years offered.
// STAND-IN(personnel): the bonus and salary asked, weighed by the years offered.
void Calculate_Contract_Demand(int nTeam, int nSlot, int nWorth) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    if (nWorth == 0)
        nWorth = Get_Player_Worth(nTeam, nSlot);
    int nBonus = Max_Int(Get_Salary_Demand(nTeam, nSlot, nWorth),
                         Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nBonus);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, Get_Fair_Salary(nTeam, nSlot, nWorth));
}
