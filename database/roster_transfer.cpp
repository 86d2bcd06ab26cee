// A player moved from one roster to another, into his unit's place on the new roster.
#include "database/database.h"
#include "database/records_internal.h"

// The slot after the last player of his unit or of a unit before it; the first free slot for a
// player of no unit.
static int Find_Unit_Place(int nTeam, int nUnit, int nFree) {
    if (nUnit < 0)
        return nFree;
    int nPlace = 0;
    for (int nSlot = 0; nSlot < nFree; nSlot++) {
        if (Get_Position_Unit(Get_Roster_Position(nTeam, nSlot)) <= nUnit)
            nPlace = nSlot + 1;
    }
    return nPlace;
}

int Move_Player_To_Team(int nFromTeam, int nToTeam, int nSlot) {
    if (!Is_Valid_Team(nFromTeam) || !Is_Valid_Team(nToTeam) || nFromTeam == nToTeam ||
        !Is_Player_Slot_Used(nFromTeam, nSlot))
        return -1;
    Compact_Team_Roster(nToTeam);
    int nFree = Find_Free_Player_Slot(nToTeam);
    if (nFree >= PLAYERS_PER_TEAM)
        return -1;
    int nUnit = Get_Position_Unit(Get_Player_Vital_Stat(nFromTeam, nSlot, VITAL_POSITION));
    int nPlace = Find_Unit_Place(nToTeam, nUnit, nFree);
    Copy_Player(nToTeam, nFree, nFromTeam, nSlot);
    Remove_Player_Slot(nFromTeam, nSlot);
    for (int s = nFree; s > nPlace; s--)
        Swap_Players(nToTeam, s, nToTeam, s - 1);
    return nPlace;
}
