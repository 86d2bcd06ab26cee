// The card-game skill, salary and value of a player, read as derived statistics.
#include "database/database.h"

// STAND-IN(database): the card-game skill computed from the player's ratings by position.
int Get_Gridiron_Skill(int nTeam, int nSlot, int nSkill) {
    (void)nTeam;
    (void)nSlot;
    (void)nSkill;
    return 0;
}

// STAND-IN(database): the card-game salary tier 0..20.
int Get_Gridiron_Salary(int nTeam, int nSlot) {
    (void)nTeam;
    (void)nSlot;
    return 0;
}

// STAND-IN(database): the player's combined card-game value.
int Get_Gridiron_Value(int nTeam, int nSlot) {
    (void)nTeam;
    (void)nSlot;
    return 0;
}
