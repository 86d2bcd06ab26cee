// Moving a player from a roster to the free agents.
#include "database/database.h"
#include "personnel/personnel.h"

// The player goes to the first free slot of the free agents (a full list first drops its least
// valuable player); the roster closes the gap, keeping its order. When no free-agent slot can be
// emptied the player stays, so that no free agent is overwritten.
void Release_Player_To_Free_Agents(int nTeam, int nSlot) {
    if (nTeam == FREE_AGENT_TEAM || nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nSlot < 0 ||
        nSlot >= PLAYERS_PER_TEAM)
        return;
    int nFreeSlot = Find_Free_Player_Slot(FREE_AGENT_TEAM);
    if (nFreeSlot >= PLAYERS_PER_TEAM) {
        Release_Surplus_Player(FREE_AGENT_TEAM);
        nFreeSlot = PLAYERS_PER_TEAM - 1;
        if (Is_Player_Slot_Used(FREE_AGENT_TEAM, nFreeSlot))
            return;
    }
    Swap_Players(FREE_AGENT_TEAM, nFreeSlot, nTeam, nSlot);
    Clear_Player(nTeam, nSlot);
    for (int s = nSlot; s < PLAYERS_PER_TEAM - 1; s++)
        Swap_Players(nTeam, s, nTeam, s + 1);
    Sort_Free_Agent_Pool();
}
