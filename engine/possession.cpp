// Changes of possession and the kickoff that opens a half or an overtime period.
#include "engine/engine.h"

#define FULL_TIMEOUTS 3
#define OVERTIME_TIMEOUTS 2

int Get_Kickoff_Yard_Line(void) {
    switch (gKickoffLocation) {
    case 0: return 70;
    case 2: return 60;
    default: return 65;
    }
}

// The other team gets the ball; in overtime the team that had it is marked as having had a
// possession.
void Change_Possession(GAME* pGame) {
    if (pGame == NULL)
        return;
    int bSide = Get_Offensive_Side(pGame);
    if (pGame->nClock > REGULATION_SECONDS)
        Set_Overtime_Possession(pGame, bSide == HOME_SIDE);
    pGame->nPossession = pGame->anTeams[1 - bSide];
    pGame->nYardLine = (int8_t)(100 - pGame->nYardLine);
    pGame->nFlags |= GAME_FLAG_POSSESSION_CHANGED;
    Reset_Drive_Counters(pGame);
}

// The kicking side: the coin toss decides the first half, the other team kicks the second, and an
// overtime period goes to the home team or to a drawn one by the overtime setting.
static int Choose_Kicking_Side(GAME* pGame) {
    int bVisitorFirst = Get_Coin_Toss_Bit(pGame);
    if (pGame->nClock == 0)
        return bVisitorFirst ? VISITOR_SIDE : HOME_SIDE;
    if (pGame->nClock == 2 * QUARTER_SECONDS)
        return bVisitorFirst ? HOME_SIDE : VISITOR_SIDE;
    int nTimeouts =
        Is_Postseason_Week(pGame->anInfo[GAME_INFO_WEEK]) ? FULL_TIMEOUTS : OVERTIME_TIMEOUTS;
    pGame->anTimeouts[VISITOR_SIDE] = nTimeouts;
    pGame->anTimeouts[HOME_SIDE] = nTimeouts;
    if (gOvertimePossession == 1)
        return HOME_SIDE;
    return Random_Below(2);
}

void Set_Up_Kickoff(GAME* pGame) {
    if (pGame == NULL)
        return;
    pGame->anTimeouts[VISITOR_SIDE] = FULL_TIMEOUTS;
    pGame->anTimeouts[HOME_SIDE] = FULL_TIMEOUTS;
    Reset_Drive_Counters(pGame);
    pGame->nPossession = pGame->anTeams[Choose_Kicking_Side(pGame)];
    pGame->nFlags = (pGame->nFlags & ~GAME_FLAG_DOWN_MASK) | KICKOFF;
    pGame->nYardLine = (int8_t)Get_Kickoff_Yard_Line();
    pGame->nFlags = (pGame->nFlags | GAME_FLAG_TIMEOUT_STOP) & ~GAME_FLAG_OTHER_STOP;
    Write_Period_Header(pGame);
}
