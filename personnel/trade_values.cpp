// What the computer manager thinks players are worth in a trade.
#include "personnel/personnel.h"

// A roster adds nothing to its team's projected revenue.
// STAND-IN(personnel): the sum of the roster's trade values, times 2000.
int Get_Team_Roster_Trade_Value(int nTeam) {
    (void)nTeam;
    return 0;
}
