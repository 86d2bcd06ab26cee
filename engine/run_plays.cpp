// Plays from scrimmage: the dispatch to a kneel-down, a designed run, a scramble or a pass, the
// kneel-down itself, the scramble test and who carries the ball.
#include "engine/engine.h"

#define TEAM_STAT_SCRIMMAGE_PLAYS 0
#define KNEEL_DOWN_LOSS (-1)
#define EVENT_TURNOVER_ON_DOWNS 49
#define EVENT_KNEEL 53
#define KNEEL_HOLE 1  // a kneel counts as a run up the middle

int Does_Play_End_Half(GAME* pGame) {
    return pGame->nPlaySeconds >= Get_Half_Seconds_Left(pGame);
}

void Run_Scrimmage_Play(GAME* pGame) {
    if (pGame == NULL)
        return;
    Narrate_Snap(pGame);
    Increment_Game_Team_Stat(pGame, Get_Offensive_Side(pGame), TEAM_STAT_SCRIMMAGE_PLAYS);
    int nTeam = Get_Offensive_Team(pGame);
    int nCall = pGame->currentPlay.nOffensiveCall;
    if (Is_Kneel_Down_Play(nTeam, nCall) && nCall < OFFENSIVE_PLAY_COUNT)
        Run_Kneel_Down(pGame);
    else if (Is_Run_Play(nTeam, nCall))
        Resolve_Run_Play(pGame, 0);
    else if (Should_Scramble(pGame))
        Resolve_Run_Play(pGame, 1);
    else
        Run_Pass_Play(pGame);
}

// The player at the call's primary spot.
static uint8_t Get_Primary_Slot(GAME* pGame) {
    int nSpot = Get_Offensive_Play_Primary_Player(Get_Offensive_Team(pGame),
                                                  pGame->currentPlay.nOffensiveCall);
    return Get_On_Field_Slot(pGame, Get_Offensive_Side(pGame), nSpot);
}

// The kneel loses a yard; from the own 1 it is a safety.
void Run_Kneel_Down(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    uint8_t nCarrier = Get_Primary_Slot(pGame);
    pGame->nFlags &= ~GAME_FLAG_POSSESSION_CHANGED;
    pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + 7 + Random_Below(3));
    int nYards = KNEEL_DOWN_LOSS;
    int nCarrierId = Get_Play_Player_Id(pGame, bSide, nCarrier);
    Narrate_Play_Event(pGame, EVENT_KNEEL, nYards, 0, 0, nCarrierId, -1);
    int nResult = RESULT_PLAIN_RUN;
    if (pGame->nYardLine + 1 >= 100) {
        nResult = RESULT_SAFETY;
        nYards = pGame->nYardLine - 100;
    }
    Set_Play_Result(&pGame->currentPlay, nResult);
    Set_Play_Yards(pGame, nYards);
    Credit_Carry(nCarrier, pGame, nYards, KNEEL_HOLE);
    pGame->currentPlay.nPlayer1 = nCarrierId;
    if (!Does_Play_End_Half(pGame) && (pGame->nFlags & GAME_FLAG_DOWN_MASK) == FOURTH_DOWN &&
        nResult != RESULT_SAFETY)
        Narrate_Play_Event(pGame, EVENT_TURNOVER_ON_DOWNS, 0, 0, 0, -1, -1);
}

// A mobile passer who runs better than he throws pulls the ball down more often, most of all on
// a rollout or bootleg.
int Should_Scramble(GAME* pGame) {
    int nTeam = Get_Offensive_Team(pGame);
    uint8_t nPasser = Get_On_Field_Slot(pGame, Get_Offensive_Side(pGame), 0);
    double r = Get_Player_Rating(nTeam, nPasser, RATING_RUSHING);
    double p = Get_Player_Rating(nTeam, nPasser, RATING_PASSING);
    double m = Get_Player_Rating(nTeam, nPasser, RATING_MOBILITY);
    double g = m / 45.0 * ((r - 30.0) * r / 10.0);
    double d = 70.0 * p;
    int x = Random_Below((int)d + (int)g);
    if (Is_Rollout_Or_Option_Play(nTeam, pGame->currentPlay.nOffensiveCall))
        return x < (int)(2.0 * g);
    return x < (int)(0.6 * g);
}

// 0 left, 1 middle, 2 right: a designed run by its hole, a scramble by a draw.
int Get_Run_Kind(GAME* pGame, int bScramble) {
    if (bScramble) {
        int r = Random_Below(100);
        return r < 25 ? 0 : r < 80 ? 2 : 1;
    }
    int h = Get_Play_Run_Hole(pGame);
    if (h <= 3)
        return 1;
    return h % 2 != 0 ? 0 : 2;
}

int Get_Scramble_Yardage_Class(int nKind) {
    if (nKind == 1)
        return Random_Below(4);
    if (nKind == 2)
        return 4 + 2 * Random_Below(3);
    return 5 + 2 * Random_Below(3);
}

// The primary, or on a read option with an odd clock-and-call sum the player of the last
// play-action route, who keeps the ball.
uint8_t Get_Ball_Carrier_Slot(GAME* pGame) {
    int nTeam = Get_Offensive_Team(pGame);
    int nCall = pGame->currentPlay.nOffensiveCall;
    if (Is_Read_Option_Play(nTeam, nCall) &&
        (pGame->nClock + pGame->currentPlay.nDefensiveCall) % 2 != 0) {
        int nKeeper = -1;
        for (int n = 0; n < PLAY_RECEIVERS; n++)
            if (Get_Offensive_Play_Route(nTeam, nCall, n) == ROUTE_PLAY_ACTION)
                nKeeper = n;
        if (nKeeper >= 0)
            return Get_On_Field_Slot(pGame, Get_Offensive_Side(pGame), nKeeper + 1);
    }
    return Get_Primary_Slot(pGame);
}

// A lineman at the hole, or a lead blocker, who makes a block worth telling.
uint8_t Find_Point_Of_Attack_Blocker(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    int nTeam = pGame->anTeams[bSide];
    int nCall = pGame->currentPlay.nOffensiveCall;
    double dHole = Get_Hole_Lateral_Offset(Get_Offensive_Play_Hole(nTeam, nCall));
    int nFormation = pGame->anFormations[bSide];
    for (int nSpot = 6; nSpot <= 10; nSpot++) {
        double x = 0.0;
        double y = 0.0;
        Get_Formation_Coordinate(nFormation, nSpot, &x, &y);
        double d = x > dHole ? x - dHole : dHole - x;
        if (d >= 2.0 || y <= -1.0 || y >= 1.0)
            continue;
        uint8_t nSlot = pGame->aabOnField[bSide][nSpot];
        int nBlocking = (int)Get_Player_Rating(nTeam, nSlot, RATING_RUN_BLOCKING);
        if (Random_Below(100) < (nBlocking - 50) * (2.0 - d))
            return nSlot;
    }
    for (int n = 0; n < PLAY_RECEIVERS; n++) {
        if (Get_Offensive_Play_Route(nTeam, nCall, n) != ROUTE_LEAD_BLOCK)
            continue;
        uint8_t nSlot = pGame->aabOnField[bSide][n + 1];
        int nBlocking = (int)Get_Player_Rating(nTeam, nSlot, RATING_RUN_BLOCKING) - 40;
        if (Random_Below(5000) < nBlocking * nBlocking)
            return nSlot;
    }
    return NO_SLOT_BYTE;
}
