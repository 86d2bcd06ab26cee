// Setting up a game: its players on the field.
#include "engine/engine.h"

// The lineups stay as they are until the formations are filled by the engine.
void Set_Game_Lineups(GAME* pGame) {
    (void)pGame;
}
