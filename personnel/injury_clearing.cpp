// Injuries cleared league-wide by the commissioner's tool.
#include "database/database.h"
#include "personnel/personnel.h"

// The weeks out go to 0; the injury's code stays, as the player's history.
int Clear_All_Injuries(void) {
    int nHealed = 0;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (nTeam < LEAGUE_TEAM_COUNT && !Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot) ||
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) <= 0)
                continue;
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, 0);
            nHealed++;
        }
    }
    return nHealed;
}
