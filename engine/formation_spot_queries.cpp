// Questions about the formation spot table, and how many starters each position has.
#include "engine/engine.h"

static int Is_Formation_Spot(int nFormation, int nSpot) {
    return nFormation >= 0 && nFormation < FORMATION_COUNT && nSpot >= 0 && nSpot < FORMATION_SPOTS;
}

// A bad formation is reported and gives the origin, where callers then draw the spot.
void Get_Formation_Coordinate(int nFormation, int nPlayer, double* pX, double* pY) {
    *pX = 0.0;
    *pY = 0.0;
    if (!Is_Formation_Spot(nFormation, nPlayer)) {
        Report_Error("Invalid nFormation in Get_Formation_Coordinate(%d,%d)", nFormation, nPlayer);
        return;
    }
    *pX = FORMATION_SPOT_TABLE[nFormation][nPlayer].x;
    *pY = FORMATION_SPOT_TABLE[nFormation][nPlayer].y;
}

// Field SPOT_FIELD_POSITION: the position code; SPOT_FIELD_DEPTH: the depth counted from 0.
// -1 for a spot or field out of range.
int Get_Formation_Spot_Position(int nFormation, int nSpot, int nField) {
    if (!Is_Formation_Spot(nFormation, nSpot))
        return -1;
    const FORMATION_SPOT* pSpot = &FORMATION_SPOT_TABLE[nFormation][nSpot];
    if (nField == SPOT_FIELD_POSITION)
        return pSpot->nPosition;
    if (nField == SPOT_FIELD_DEPTH)
        return pSpot->nDepth - 1;
    return -1;
}

// A 3-4 team starts one defensive tackle and four linebackers.
int Get_Position_Starter_Count(int nTeam, int nPosition) {
    static const int kStarters[POSITION_COUNT] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 0, 0};
    if (nPosition < 0 || nPosition >= POSITION_COUNT)
        return 0;
    if (Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME) == 1) {
        if (nPosition == POS_DT)
            return 1;
        if (nPosition == POS_LB)
            return 4;
    }
    return kStarters[nPosition];
}
