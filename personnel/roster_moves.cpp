// The computer manager's roster moves.

#include "database/database.h"
#include "personnel/personnel.h"

// Leaves the roster as it is: a full free-agent list then gives up the player in its last slot.
// STAND-IN(personnel): above 51 players drops the one the computer values least.
void Release_Surplus_Player(int nTeam) {
    (void)nTeam;
}

// STAND-IN(personnel): sorts the free agents by the pool's sort mode.
void Sort_Free_Agent_Pool(void) {}

#define TRIM_FIRST_SLOT 97

// Drops one surplus player for each of the last three slots that holds a player while the roster
// is above its floor; human-run teams keep theirs unless every team is run by the computer.
void Trim_Roster(int nTeam) {
    if (!Is_Team_Active(nTeam))
        return;
    if (Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN && !gAllTeamsComputer)
        return;
    for (int nSlot = TRIM_FIRST_SLOT; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot) && Count_Players(nTeam, ALL_ROSTERS) > ROSTER_FLOOR)
            Release_Surplus_Player(nTeam);
    }
}

// STAND-IN(personnel): signs nobody; the real one fills every position below its minimum from
// the free agents or with new players, and returns 1 when nothing was missing.
int Fill_Team_Position_Minimums(int nTeam) {
    (void)nTeam;
    return 0;
}
