// Questions about a play's routes and the hole the ball carrier runs to.
#include <string.h>

#include "engine/engine.h"

#define END_AROUND_LEFT_HOLE 8
#define END_AROUND_RIGHT_HOLE 9

// Whether any of the play's receivers runs a route the test accepts.
static int Has_Route(int nTeam, int nPlay, int (*pfnTest)(int nRoute)) {
    for (int nReceiver = 0; nReceiver < PLAY_RECEIVERS; nReceiver++) {
        if (pfnTest(Get_Offensive_Play_Route(nTeam, nPlay, nReceiver)))
            return 1;
    }
    return 0;
}

static int Is_Lead_Block_Route(int nRoute) {
    return nRoute == ROUTE_LEAD_BLOCK;
}

int Offensive_Play_Has_Lead_Block(int nTeam, int nPlay) {
    return Has_Route(nTeam, nPlay, Is_Lead_Block_Route);
}

int Is_Play_Action_Play(int nTeam, int nPlay) {
    return Has_Route(nTeam, nPlay, Is_Play_Action_Route);
}

// A play-action play named as a read or an option.
int Is_Read_Option_Play(int nTeam, int nPlay) {
    if (!Is_Play_Action_Play(nTeam, nPlay))
        return 0;
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(nTeam, nPlay, szName, sizeof(szName));
    return strstr(szName, "Read") != NULL || strstr(szName, "Option") != NULL;
}

int Is_End_Around_Play(int nTeam, int nPlay) {
    int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    return nType == PLAY_END_AROUND || nType == 15 || nType == 22;
}

// An end around goes to the side of its ball carrier's spot; a read option keeps the fake's hole
// on odd clock-and-call sums.
int Get_Play_Run_Hole(GAME* pGame) {
    if (pGame == NULL)
        return -1;
    int nTeam = Get_Offensive_Team(pGame);
    int nPlay = pGame->currentPlay.nOffensiveCall;
    if (Get_Offensive_Play_Type(nTeam, nPlay) == PLAY_END_AROUND) {
        double x = 0.0;
        double y = 0.0;
        int nSpot = Get_Offensive_Play_Primary_Player(nTeam, nPlay);
        int nFormation = pGame->anFormations[Get_Offensive_Side(pGame)];
        if (nSpot >= 0 && nSpot < FORMATION_SPOTS)
            Get_Formation_Coordinate(nFormation, nSpot, &x, &y);
        return x < 0.0 ? END_AROUND_LEFT_HOLE : END_AROUND_RIGHT_HOLE;
    }
    if (Is_Read_Option_Play(nTeam, nPlay) &&
        (pGame->nClock + pGame->currentPlay.nDefensiveCall) % 2 != 0)
        return Get_Offensive_Play_Fake_Hole(nTeam, nPlay);
    return Get_Offensive_Play_Hole(nTeam, nPlay);
}
