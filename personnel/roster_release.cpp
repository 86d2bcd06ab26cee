// Moving a player from a roster to the free agents, and erasing a team whose players go there.
#include "core/core.h"
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

// Asks whether the free agents may lose their least valuable players; 1 to go on.
static int Confirm_Free_Agent_Overflow(int nPlayers, int nFreeSlot) {
    if (nFreeSlot + nPlayers <= PLAYERS_PER_TEAM)
        return 1;
    char szText[TEXT_BUFFER_SIZE];
    Format_String(szText, sizeof(szText),
                  "There is not enough room for %d players on the Free Agent list. The least "
                  "valuable %d players will be eliminated.",
                  nPlayers, nFreeSlot + nPlayers - PLAYERS_PER_TEAM);
    int nAnswer = User_Message_Dialog("Not Enough Room", szText, "", "OK", "Cancel", "");
    return nAnswer == IDYES || nAnswer == IDOK;
}

int Erase_Team(int nTeam, int bDiscardPlayers) {
    if (!Is_Team_Active(nTeam)) {
        Report_Error("Invalid nTeam passed to Erase_Team().");
        return 0;
    }
    if (!bDiscardPlayers) {
        int nPlayers = Find_Free_Player_Slot(nTeam);
        if (!Confirm_Free_Agent_Overflow(nPlayers, Find_Free_Player_Slot(FREE_AGENT_TEAM)))
            return 0;
        for (int nSlot = PLAYERS_PER_TEAM - 1; nSlot >= 0; nSlot--) {
            if (Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_PLAYER_ID) != 0)
                Release_Player_To_Free_Agents(nTeam, nSlot);
        }
    }
    Remove_Team_Record(nTeam);
    return 1;
}
