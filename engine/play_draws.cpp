// Small pieces the play models share: fractional draws, the league's running averages, the
// players on the field, the yards and the clock of the play.
#include <math.h>

#include "engine/engine.h"

static const int16_t LEAGUE_AVERAGE_DEFAULTS[4] = {420, 625, 1120, 2350};

int Random_Below_Float(double x) {
    double u = Random_Unit();
    if (x <= 0.0)
        return 0;
    int n = (int)floor(u * x);
    if (n > 0 && n >= x)  // only the largest output reaches x
        n--;
    return n;
}

int Get_League_Average(int n) {
    if (n < 0 || n >= 4)
        return 0;
    return gLeagueAverages[n] > 0 ? gLeagueAverages[n] : LEAGUE_AVERAGE_DEFAULTS[n];
}

uint8_t Get_On_Field_Slot(GAME* pGame, int bSide, int nSpot) {
    if (nSpot < 0 || nSpot >= FORMATION_SPOTS || bSide < VISITOR_SIDE || bSide > HOME_SIDE)
        return NO_SLOT_BYTE;
    return pGame->aabOnField[bSide][nSpot];
}

int Get_Play_Player_Id(GAME* pGame, int bSide, int nSlot) {
    if (nSlot == NO_SLOT_BYTE || bSide < VISITOR_SIDE || bSide > HOME_SIDE ||
        !Is_Player_Slot_Used(pGame->anTeams[bSide], nSlot))
        return -1;
    return Get_Player_ID(pGame->anTeams[bSide], nSlot);
}

int Is_Try_Play(GAME* pGame) {
    return (pGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT;
}

void Set_Play_Yards(GAME* pGame, int nYards) {
    nYards = Clamp(nYards, -120, 120);
    pGame->nPlayYards = (int8_t)nYards;
    pGame->currentPlay.nYard1 = (int8_t)nYards;
}

// Bit 8 stops the clock; bit 9, its companion, is cleared.
void Stop_Play_Clock(GAME* pGame) {
    pGame->nFlags = (pGame->nFlags | GAME_FLAG_TIMEOUT_STOP) & ~GAME_FLAG_OTHER_STOP;
}

// Possession passes during the play: bit 12 of the change flags set, bit 13 clear.
void Turn_Ball_Over(GAME* pGame) {
    Change_Possession(pGame);
    pGame->nFlags = (pGame->nFlags & ~GAME_FLAG_POSSESSION_CHANGED) | GAME_FLAG_TURNOVER;
}
