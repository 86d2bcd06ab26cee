// Every team's playbooks back to the defaults, then the offensive playbook of its era and style.
#include "engine/engine.h"

void Reset_All_Playbooks(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Set_Team_Default_Playbook(nTeam);
    }
    Assign_Default_Playbooks();
}
