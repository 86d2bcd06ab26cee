// The defensive playbook's fit to the team's scheme.
#include "dialogs/dialogs.h"

// Keeps the playbook as it is.
void Check_Defensive_Playbook_Scheme(int nTeam) {
    (void)nTeam;
}
