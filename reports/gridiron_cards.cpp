// The card-game export's skill, salary and value of a player.
#include "reports/reports.h"

// No card values yet.
int Get_Gridiron_Skill(int nTeam, int nSlot, int nSkill)
{
    (void)nTeam;
    (void)nSlot;
    (void)nSkill;
    return 0;
}

int Get_Gridiron_Salary(int nTeam, int nSlot)
{
    (void)nTeam;
    (void)nSlot;
    return 0;
}

int Get_Gridiron_Value(int nTeam, int nSlot)
{
    (void)nTeam;
    (void)nSlot;
    return 0;
}
