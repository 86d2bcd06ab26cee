// The expansion draft: the new teams take unprotected players from the other rosters.
#include "personnel/personnel.h"

int gExcludeUserFromExpansion = 0;

// STAND-IN(personnel): the new teams (TEAM_CONTROL = CONTROL_EXPANSION) choose in turns from the
// players the other rosters leave unprotected, the human team's roster left out when
// gExcludeUserFromExpansion is set; this one moves no player.
void Run_Expansion_Draft(void) {}
