// The play loop and the game clock.
#include "engine/engine.h"

// A game is over once regulation has been played.
int Is_Game_Over(GAME* pGame) {
    return pGame != NULL && pGame->nClock >= 3600;
}

// 900 seconds in the postseason, the overtime preference's minutes in the regular season.
int Get_Overtime_Period_Length(GAME* pGame) {
    int nWeek = pGame != NULL ? pGame->anInfo[GAME_INFO_WEEK] : gCurrentWeek;
    if (nWeek >= gPostseasonWeeks[0])
        return QUARTER_SECONDS;
    return gOvertimePeriodLength * 60;
}
