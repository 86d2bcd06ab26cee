// What the computer manager thinks players are worth in a trade.
#include "personnel/personnel.h"

// No trade values yet: a roster adds nothing to its team's projected revenue.
int Get_Team_Roster_Trade_Value(int nTeam) {
    (void)nTeam;
    return 0;
}
