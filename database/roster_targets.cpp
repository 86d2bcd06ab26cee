// How many players a team usually keeps at each position.
#include "database/database.h"

static const int kPositionMinimum[POSITION_COUNT] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};
static const int kPositionMaximum[POSITION_COUNT] = {2, 3, 1, 3, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};

// The mean of the minimum and the full count; 0 outside the 15 positions.
int Get_Position_Roster_Target(int nPosition) {
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return 0;
    return (kPositionMinimum[nPosition] + kPositionMaximum[nPosition]) / 2;
}
