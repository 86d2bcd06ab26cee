// Changing the plays of a team's playbooks; the built-in tables never change.
#include "engine/engine.h"

void Set_Offensive_Play_Route(int nTeam, int nPlay, int nReceiver, int nRoute) {
    if (nReceiver < 0 || nReceiver >= PLAY_RECEIVERS) {
        Report_Error("Invalid nReceiver in Set_Offensive_Play_Route(%d, %d, [%d], %d)", nTeam,
                     nPlay, nReceiver, nRoute);
        return;
    }
    if (nPlay < 0 || nPlay >= TEAM_OFFENSIVE_PLAY_COUNT) {
        Report_Error("Invalid nPlay in Set_Offensive_Play_Route(%d, [%d], %d, %d)", nTeam, nPlay,
                     nReceiver, nRoute);
        return;
    }
    OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
    if (pBook != NULL)
        pBook->aPlays[nPlay].anRoutes[nReceiver] = nRoute;
}

// n counts from 0 (the quarterback); 0 when the play cannot be changed.
int Set_Offensive_Play_Primary_Player(int nTeam, int nPlay, int n) {
    OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
    if (pBook == NULL || nPlay < 0 || nPlay >= TEAM_OFFENSIVE_PLAY_COUNT)
        return 0;
    pBook->aPlays[nPlay].nPrimaryPlayer = n + 1;
    return 1;
}

void Set_Defensive_Play_Role(int nTeam, int nPlay, int nPlayer, int nRole) {
    if (nPlayer < 0 || nPlayer >= PLAY_DEFENDERS) {
        Report_Error("Invalid nPlayer in Set_Defensive_Play_Role(%d, %d, [%d], %d)", nTeam, nPlay,
                     nPlayer, nRole);
        return;
    }
    DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
    if (pBook != NULL && nPlay >= 0 && nPlay < DEFENSIVE_PLAY_COUNT)
        pBook->aPlays[nPlay].anRoles[nPlayer] = nRole;
}

OFFENSIVE_PLAY* Get_Editable_Offensive_Play(int nTeam, int nPlay) {
    OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
    if (pBook == NULL || nPlay < 0 || nPlay >= TEAM_OFFENSIVE_PLAY_COUNT)
        return NULL;
    return &pBook->aPlays[nPlay];
}

DEFENSIVE_PLAY* Get_Editable_Defensive_Play(int nTeam, int nPlay) {
    DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
    if (pBook == NULL || nPlay < 0 || nPlay >= DEFENSIVE_PLAY_COUNT)
        return NULL;
    return &pBook->aPlays[nPlay];
}
