// A team's kick and punt returners.
#include "personnel/personnel.h"

// STAND-IN(personnel): makes the returners healthy players of a returning position, choosing new
// ones otherwise.
void Check_Team_Returners(int nTeam) {
    (void)nTeam;
}
