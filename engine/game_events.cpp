// Penalties, injuries, timeouts and the clock after a play.
#include "engine/engine.h"

#define HALF_SECONDS (2 * QUARTER_SECONDS)
#define TOTAL_POSSESSION_SECONDS 18

// STAND-IN(engine): draws a penalty on the snap and applies it; this one never calls one.
int Check_For_Penalty(GAME* pGame) {
    (void)pGame;
    return 0;
}

// STAND-IN(engine): rolls for an injury to one player on the field; this one hurts nobody.
void Check_For_Injury(GAME* pGame) {
    (void)pGame;
}

// STAND-IN(engine): lets a trailing or hurrying team call a timeout; this one never does.
int Check_For_Timeout(GAME* pGame) {
    (void)pGame;
    return 0;
}

// STAND-IN(engine): quarter and half ends, the two-minute warning and the change of ends; this one
// only opens the next half (or an overtime period from the end of regulation) with a kickoff.
void Update_Game_Clock(GAME* pGame) {
    int nBefore = (pGame->nClock - pGame->nPlaySeconds) / HALF_SECONDS;
    if (nBefore == pGame->nClock / HALF_SECONDS)
        return;
    if ((pGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT)
        return;
    if (pGame->nClock <= REGULATION_SECONDS && !Is_Game_Over(pGame))
        Set_Up_Kickoff(pGame);
    else if (pGame->nClock == REGULATION_SECONDS)
        Write_Period_Header(pGame);  // the final whistle completes the box score
}
