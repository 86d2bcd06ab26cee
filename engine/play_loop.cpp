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

// A game is watched while games are being played and either team's calendar asks for it.
int Is_Game_Watched(GAME* pGame) {
    if (pGame == NULL || !gSimulationRunning)
        return 0;
    return Get_Calendar_PBP_Flag(pGame->anTeams[VISITOR_SIDE], gCurrentWeek) ||
           Get_Calendar_PBP_Flag(pGame->anTeams[HOME_SIDE], gCurrentWeek);
}

// STAND-IN(engine): regulation seconds left, and in overtime the seconds left in the period; the
// real clock gives 9000 in an untimed overtime.
int Get_Game_Seconds_Left(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    if (pGame->nClock < REGULATION_SECONDS)
        return REGULATION_SECONDS - pGame->nClock;
    int nLength = Get_Overtime_Period_Length(pGame);
    if (nLength <= 0)
        return 0;
    return nLength - (pGame->nClock - REGULATION_SECONDS) % nLength;
}

// STAND-IN(engine): never hurries; the real clock hurries at the end of the half and when
// behind late in the game.
int Is_Offense_Hurrying(GAME* pGame) {
    (void)pGame;
    return 0;
}
