// Penalties of a play.
#include "engine/engine.h"

// STAND-IN(engine): draws a penalty on the snap and applies it; this one never calls one.
int Check_For_Penalty(GAME* pGame) {
    (void)pGame;
    return 0;
}
