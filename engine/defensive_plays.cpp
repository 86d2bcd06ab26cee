// Reading a team's defensive plays. Team DEFAULT_PLAYBOOK and a team without playbooks read the
// built-in table; a play out of range reads as no play.
#include <string.h>

#include "engine/engine.h"

#define BLITZ_RUSHERS 4  // more rushers than this make a blitz

const DEFENSIVE_PLAY* Get_Defensive_Play(int nTeam, int nPlay) {
    if (nPlay < 0 || nPlay >= DEFENSIVE_PLAY_COUNT)
        return NULL;
    const DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
    return pBook != NULL ? &pBook->aPlays[nPlay] : &gDefaultDefensivePlays[nPlay];
}

void Get_Defensive_Play_Name(int nTeam, int nPlay, char* st, int nSize) {
    const DEFENSIVE_PLAY* pPlay = Get_Defensive_Play(nTeam, nPlay);
    safe_strncpy(st, pPlay != NULL ? pPlay->szName : "", Min_Int(nSize, PLAY_NAME_SIZE));
}

void Get_Defensive_Play_Description(int nTeam, int nPlay, char* st, int nSize) {
    const DEFENSIVE_PLAY* pPlay = Get_Defensive_Play(nTeam, nPlay);
    safe_strncpy(st, pPlay != NULL ? pPlay->szDescription : "",
                 Min_Int(nSize, PLAY_DESCRIPTION_SIZE));
}

// -1 for no play.
int Get_Defensive_Play_Formation(int nTeam, int nPlay) {
    const DEFENSIVE_PLAY* pPlay = Get_Defensive_Play(nTeam, nPlay);
    return pPlay != NULL ? pPlay->nFormation : -1;
}

// -1 for no play or a defender out of range.
int Get_Defensive_Play_Role(int nTeam, int nPlay, int nDefender) {
    const DEFENSIVE_PLAY* pPlay = Get_Defensive_Play(nTeam, nPlay);
    if (pPlay == NULL || nDefender < 0 || nDefender >= PLAY_DEFENDERS)
        return -1;
    return pPlay->anRoles[nDefender];
}

int Is_Blitz_Play(int nTeam, int nPlay) {
    int nRushers = 0;
    for (int nDefender = 0; nDefender < PLAY_DEFENDERS; nDefender++) {
        int nRole = Get_Defensive_Play_Role(nTeam, nPlay, nDefender);
        nRushers += nRole >= 0 && nRole <= LAST_RUSHING_ROLE;
    }
    return nRushers > BLITZ_RUSHERS;
}

int Is_Defensive_Play_Defined(int nTeam, int nPlay) {
    if (Get_Team_Defensive_Playbook(nTeam) == NULL)
        return 0;
    const DEFENSIVE_PLAY* pPlay = Get_Defensive_Play(nTeam, nPlay);
    return pPlay != NULL && pPlay->szName[0] != 0;
}

void Get_Defensive_Playbook_Description(int nTeam, char* st, int nSize) {
    const DEFENSIVE_PLAYBOOK* pBook = Get_Team_Defensive_Playbook(nTeam);
    safe_strncpy(st, pBook != NULL ? pBook->szDescription : "",
                 Min_Int(nSize, PLAYBOOK_DESCRIPTION_SIZE));
}

static int Count_Role(int nTeam, int nPlay, int nRole) {
    int n = 0;
    for (int nDefender = 0; nDefender < PLAY_DEFENDERS; nDefender++)
        n += Get_Defensive_Play_Role(nTeam, nPlay, nDefender) == nRole;
    return n;
}

int Has_Double_Team_Role(int nTeam, int nPlay) {
    return Count_Role(nTeam, nPlay, DOUBLE_TEAM_ROLE) > 0;
}

int Count_Deep_Zone_Defenders(int nTeam, int nPlay) {
    return Count_Role(nTeam, nPlay, DEEP_ZONE_ROLE);
}
