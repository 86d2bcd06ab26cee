// The two playbook images inside a team record, seen as their records.
#include "engine/engine.h"

// Teams in use and the pseudo-teams carry playbooks. The images are 4-byte aligned within the
// team record and hold nothing but these records.
OFFENSIVE_PLAYBOOK* Get_Team_Offensive_Playbook(int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return NULL;
    return reinterpret_cast<OFFENSIVE_PLAYBOOK*>(gTeams[nTeam].abOffensivePlaybook);
}

DEFENSIVE_PLAYBOOK* Get_Team_Defensive_Playbook(int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return NULL;
    return reinterpret_cast<DEFENSIVE_PLAYBOOK*>(gTeams[nTeam].abDefensivePlaybook);
}

static_assert(offsetof(TEAM, abOffensivePlaybook) % alignof(OFFENSIVE_PLAYBOOK) == 0);
static_assert(offsetof(TEAM, abDefensivePlaybook) % alignof(DEFENSIVE_PLAYBOOK) == 0);
