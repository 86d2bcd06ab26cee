// Moving players between rosters: signing a player to another team, and placing a retiring
// player in the Hall of Fame roster, whose inductees stand in order of their voting share.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "personnel/personnel.h"

int Move_Player_To_Team(int nFromTeam, int nToTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nFromTeam, nSlot) || !Is_Valid_Team(nToTeam))
        return -1;
    if (nToTeam == nFromTeam)
        return nSlot;
    if (nToTeam == FREE_AGENT_TEAM) {
        int nId = Get_Player_ID(nFromTeam, nSlot);
        Release_Player_To_Free_Agents(nFromTeam, nSlot);
        return Get_Player_ID(nFromTeam, nSlot) == nId ? -1 : 0;
    }
    int nCount = Find_Free_Player_Slot(nToTeam);
    if (nCount >= PLAYERS_PER_TEAM)
        return -1;

    // He joins the end of his unit; the later units move down one slot, the free slot up.
    uint8_t nLast = Find_Team_Unit_Last_Player(nToTeam, Get_Player_Side(nFromTeam, nSlot));
    int nPlace = nLast == NO_SLOT_BYTE ? 0 : nLast + 1;
    for (int k = nCount; k > nPlace; k--)
        Swap_Players(nToTeam, k, nToTeam, k - 1);
    Copy_Player(nToTeam, nPlace, nFromTeam, nSlot);
    Remove_Player_Slot(nFromTeam, nSlot);
    return nPlace;
}

// The slot of the first inductee with a lower share than nVote (an empty slot counts 0); -1 when
// every slot holds a higher or equal share.
static int Find_Induction_Slot(int nVote) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        int nShare = Is_Player_Slot_Used(HALL_OF_FAME_TEAM, nSlot)
                         ? Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VITAL_POTENTIAL)
                         : 0;
        if (nShare < nVote)
            return nSlot;
    }
    return -1;
}

int Induct_Player_Into_Hall_Of_Fame(int nTeam, int nSlot, int nVote) {
    if (!Is_Player_Slot_Used(nTeam, nSlot) || nTeam == HALL_OF_FAME_TEAM)
        return 0;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_HALL_OF_FAME_YEAR, Get_Season_Year());
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POTENTIAL, nVote);
    int nPlace = Find_Induction_Slot(nVote);
    if (nPlace < 0)
        return 0;

    // The lowest share drops out with its season lines; the rest move down one slot.
    Delete_Player_In_Place(HALL_OF_FAME_TEAM, PLAYERS_PER_TEAM - 1);
    for (int nFrom = PLAYERS_PER_TEAM - 2; nFrom >= nPlace; nFrom--)
        Swap_Players(HALL_OF_FAME_TEAM, nFrom, HALL_OF_FAME_TEAM, nFrom + 1);
    Copy_Player(HALL_OF_FAME_TEAM, nPlace, nTeam, nSlot);
    return 1;
}
