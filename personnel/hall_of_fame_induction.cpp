// Placing a retiring player in the Hall of Fame roster, whose inductees stand in order of their
// voting share.
#include "database/database.h"
#include "personnel/personnel.h"

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
