// The card-game export's skill, salary and value of a player.
#include "reports/reports.h"

// STAND-IN(reports): the card-game skill computed from the player's ratings by position.
int Get_Gridiron_Skill(int nTeam, int nSlot, int nSkill) {
    (void)nTeam;
    (void)nSlot;
    (void)nSkill;
    return 0;
}

// STAND-IN(reports): the card-game salary tier 0..20.
int Get_Gridiron_Salary(int nTeam, int nSlot) {
    (void)nTeam;
    (void)nSlot;
    return 0;
}

// STAND-IN(reports): the player's combined card-game value.
int Get_Gridiron_Value(int nTeam, int nSlot) {
    (void)nTeam;
    (void)nSlot;
    return 0;
}
