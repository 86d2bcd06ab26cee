// Moving a player from one roster to another: signed, released, retired or traded.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

// Where a moved player lands: after the last player of his unit, or at the top when the roster
// has nobody of that unit.
static int Get_Unit_Insert_Slot(int nTeam, int nUnit) {
    uint8_t nLast = Find_Team_Unit_Last_Player(nTeam, nUnit);
    return nLast == NO_SLOT_BYTE ? 0 : nLast + 1;
}

// The player's new slot; 0 after a release to the free agents; NO_SLOT_BYTE after a retirement
// and when he stays (a full destination, an empty or invalid source).
int Move_Player_To_Team(int nToTeam, int nFromTeam, int nSlot) {
    if (!Is_Valid_Team(nFromTeam) || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM ||
        !Is_Player_Slot_Used(nFromTeam, nSlot))
        return NO_SLOT_BYTE;
    if (nToTeam == nFromTeam)
        return nSlot;
    if (nToTeam == RETIRED_TEAM) {
        Retire_Player(nFromTeam, nSlot);
        return NO_SLOT_BYTE;
    }
    if (!Is_Valid_Team(nToTeam))
        return NO_SLOT_BYTE;
    if (nToTeam == FREE_AGENT_TEAM) {
        Release_Player_To_Free_Agents(nFromTeam, nSlot);
        return 0;
    }
    int nCount = Find_Free_Player_Slot(nToTeam);
    if (nCount >= PLAYERS_PER_TEAM)
        return NO_SLOT_BYTE;
    int nPlace = Get_Unit_Insert_Slot(nToTeam, Get_Player_Side(nFromTeam, nSlot));
    for (int k = nCount; k > nPlace; k--)
        Copy_Player(nToTeam, k, nToTeam, k - 1);
    Copy_Player(nToTeam, nPlace, nFromTeam, nSlot);
    Remove_Player_Slot(nFromTeam, nSlot);
    if (Is_Recording_Season_Lines()) {
        int nLine = Add_Player_Season_Line(nToTeam, nPlace, Get_Season_Year(), nToTeam);
        if (nLine != NO_SEASON_LINE)
            Set_Player_Season_Line_Cache(nToTeam, nPlace, nLine);
    }
    return nPlace;
}
