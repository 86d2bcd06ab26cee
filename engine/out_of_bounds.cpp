// A ball carrier who goes out of bounds, and how often each pass route ends at the sideline.
#include "engine/engine.h"

#define LATE_SECOND_QUARTER_SECONDS 120
#define LATE_FOURTH_QUARTER_SECONDS 300

// Out of bounds late in the second and fourth quarters (counted after the play's seconds so far)
// stops the clock.
void Set_Out_Of_Bounds(GAME* pGame) {
    pGame->nFlags |=
        Is_Offense_Hurrying(pGame) ? GAME_FLAG_OUT_OF_BOUNDS_HURRY : GAME_FLAG_OUT_OF_BOUNDS;
    int nQuarter = Get_Game_Quarter(pGame);
    int nLeft = Get_Period_Seconds_Left(pGame) - pGame->nPlaySeconds;
    if ((nQuarter == 2 && nLeft <= LATE_SECOND_QUARTER_SECONDS) ||
        (nQuarter == 4 && nLeft <= LATE_FOURTH_QUARTER_SECONDS))
        Stop_Play_Clock(pGame);
}

// Per cent.
int Get_Route_Out_Of_Bounds_Chance(int nRoute) {
    switch (nRoute) {
    case 0:
    case 6:
    case 55: return 40;
    case 1:
    case 3:
    case 5:
    case 7:
    case 13:
    case 16:
    case 17:
    case 19:
    case 23:
    case 25:
    case 29: return 70;
    case 2:
    case 4:
    case 8:
    case 14:
    case 20:
    case 28:
    case 30:
    case 31:
    case 33: return 5;
    case 10:
    case 24:
    case 26:
    case 36: return 15;
    case 11:
    case 15:
    case 21:
    case 27:
    case 32:
    case 34: return 55;
    default: return 25;
    }
}
