// The two playbook images inside a team record, seen as their records.
#include "engine/engine.h"

// Teams in use and the pseudo-teams carry playbooks. The images are 4-byte aligned within the
// team record and hold nothing but these records.
OFFENSIVE_PLAYBOOK* Get_Team_Offensive_Playbook(int nTeam) {
    return reinterpret_cast<OFFENSIVE_PLAYBOOK*>(Get_Team_Playbook_Image(nTeam, 0));
}

DEFENSIVE_PLAYBOOK* Get_Team_Defensive_Playbook(int nTeam) {
    return reinterpret_cast<DEFENSIVE_PLAYBOOK*>(Get_Team_Playbook_Image(nTeam, 1));
}

static_assert(offsetof(TEAM, abOffensivePlaybook) % alignof(OFFENSIVE_PLAYBOOK) == 0);
static_assert(offsetof(TEAM, abDefensivePlaybook) % alignof(DEFENSIVE_PLAYBOOK) == 0);
