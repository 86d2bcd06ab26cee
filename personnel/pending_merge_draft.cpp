// Functions of the year advance that the draft's hand-over calls.
#include "database/database.h"
#include "personnel/personnel.h"

// Drafted players come in with negative experience until their first season starts.
void Clear_All_Negative_Experience(void) {
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        if (nTeam < LEAGUE_TEAM_COUNT && !Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE) < 0)
                Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE, 0);
        }
    }
}
