// The defensive playbook's fit to the team's scheme.
#include "engine/engine.h"

// Keeps the playbook as it is.
// STAND-IN(engine): loads a default defensive playbook that fits the scheme.
void Check_Defensive_Playbook_Scheme(int nTeam) {
    (void)nTeam;
}
