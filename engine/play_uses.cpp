// How often each side has made each call in the game being played, and the previous calls.
#include <string.h>

#include "engine/engine.h"

int gGameOffensivePlayUses[2][OFFENSIVE_PLAY_COUNT];
int gGameDefensivePlayUses[2][DEFENSIVE_PLAY_COUNT];
int gLastOffensiveCall = -1;
int gLastDefensiveCall = -1;

void Reset_Game_Play_Uses(void) {
    memset(gGameOffensivePlayUses, 0, sizeof gGameOffensivePlayUses);
    memset(gGameDefensivePlayUses, 0, sizeof gGameDefensivePlayUses);
    gLastOffensiveCall = -1;
    gLastDefensiveCall = -1;
}

static int Is_Side(int nSide) {
    return nSide == VISITOR_SIDE || nSide == HOME_SIDE;
}

void Record_Offensive_Play_Use(int nSide, int nCall) {
    gLastOffensiveCall = nCall;
    if (Is_Side(nSide) && nCall >= 0 && nCall < OFFENSIVE_PLAY_COUNT)
        gGameOffensivePlayUses[nSide][nCall]++;
}

void Record_Defensive_Play_Use(int nSide, int nCall) {
    gLastDefensiveCall = nCall;
    if (Is_Side(nSide) && nCall >= 0 && nCall < DEFENSIVE_PLAY_COUNT)
        gGameDefensivePlayUses[nSide][nCall]++;
}
