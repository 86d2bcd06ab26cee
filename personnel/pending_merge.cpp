// Team needs and the need kind of a player, until their own modules are merged.
#include "database/database.h"
#include "personnel/personnel.h"

#define AVERAGE_NEED 1000

// STAND-IN(personnel): each position's starter, depth and age need against the league average.
void Get_Team_Needs(int nTeam, TEAM_NEEDS needs) {
    (void)nTeam;
    for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++)
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
            needs[nKind][nPosition] = AVERAGE_NEED;
}

// STAND-IN(personnel): 0 when the player is worth more than the receiving team's last starter at
// his position; otherwise 2 for a player before his prime, else 1.
int Get_Trade_Need_Kind(int nReceivingTeam, int nTeam, int nSlot) {
    (void)nReceivingTeam;
    return Get_Player_Age(nTeam, nSlot) < Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START)
               ? NEED_AGE
               : NEED_DEPTH;
}
