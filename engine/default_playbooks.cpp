// The league's default playbooks.
#include "engine/engine.h"

// Stand-in until playbooks are built: the team keeps the playbooks it has.
void Set_Team_Default_Playbook(int nTeam) {
    (void)nTeam;
}
