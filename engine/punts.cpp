// The punt: its length by the punter, the era and the weather, a coffin-corner kick, the
// touchback, the fair catch and the return.
#include <math.h>

#include "engine/engine.h"

#define STAT_PUNTS 2
#define STAT_PUNT_YARDS 3
#define STAT_LONGEST_PUNT 5
#define STAT_PUNT_TOUCHBACKS 6
#define STAT_PUNT_RETURNS 17
#define TEAM_STAT_PUNT_RETURNS 4
#define TEAM_STAT_PUNTS 6
#define PUNT_TOUCHBACK_LINE 20
#define NO_FAIR_CATCH_LINE 10
#define MAX_GAIN 120

#define EVENT_ROOM_TO_RUN 20

// The punt's length before the coffin corner: the punter's leg against the era's average, the
// weather, the room to the goal line and now and then a roll.
static int Get_Punt_Distance(GAME* pGame, int nTeam, uint8_t nPunter, int nAverage) {
    float w = Get_Kick_Weather_Factor(pGame);
    float fLeg = Get_Player_Rating(nTeam, nPunter, RATING_PUNT_DISTANCE) / 3.0f + 70.0f;
    int u = (int)floorf(w * (fLeg * (nAverage / 10.0f) / 93.333336f));
    int v = (int)floorf(pGame->nYardLine - 2.0f);
    float t = Random_Spread_Float((float)Min_Int(u, v), 0.15f) * 1.06f;
    if (400.0 * Random_Unit() < t)
        t += (float)(15.0 * Random_Unit());
    return (int)floorf(t);
}

static void Narrate_Punt_Return(GAME* pGame, int nDistance, int nReturn, uint8_t nReturner,
                                int nTackler) {
    int bSide = Get_Offensive_Side(pGame);
    int nReturnerId = Get_Play_Player_Id(pGame, bSide, nReturner);
    if (10 * nReturn - 60 < Random_Below(100)) {
        Narrate_Play_Event(pGame, KICK_EVENT_RUN_DIRECTION, nDistance - nReturn, 0, 0, nReturnerId,
                           -1);
    } else {
        uint8_t nBlocker = Get_On_Field_Slot(pGame, bSide, 1 + Random_Below(FORMATION_SPOTS - 1));
        if (nBlocker != nReturner)
            Narrate_Play_Event(pGame, KICK_EVENT_BLOCK, 0, 0, 0,
                               Get_Play_Player_Id(pGame, bSide, nBlocker), -1);
        if (Random_Below(100) < 6 * nReturn)
            Narrate_Play_Event(pGame, KICK_EVENT_RUN_DIRECTION, nDistance - nReturn, 0, 0,
                               nReturnerId, -1);
        if (Random_Below(100) < 5 * nReturn - 100)
            Narrate_Play_Event(pGame, KICK_EVENT_LONG_RUN, nDistance - 10, nReturn - 10, 0,
                               nReturnerId, -1);
        else if (Random_Below(100) < 5 * nReturn - 50)
            Narrate_Play_Event(pGame, EVENT_ROOM_TO_RUN, 0, 0, 0, nReturnerId, -1);
    }
    if (Get_Play_Result(&pGame->currentPlay) == RESULT_PUNT_RETURN_TOUCHDOWN)
        Narrate_Play_Event(pGame, KICK_EVENT_TOUCHDOWN, 0, 0, 0, nReturnerId, -1);
    else
        Narrate_Play_Event(pGame, KICK_EVENT_TACKLED, nDistance - nReturn, 0, 0, nReturnerId,
                           Get_Play_Player_Id(pGame, 1 - bSide, (uint8_t)nTackler));
}

// The receiving team runs the punt back; returns the yards.
static int Return_Punt(GAME* pGame, int nDistance, uint8_t nReturner) {
    int nReturn = Get_Punt_Return_Yards(Get_Offensive_Team(pGame), nReturner, nDistance);
    pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + nReturn / 7 + 9 + Random_Below(4));
    static const RETURN_CREDITS PUNT_RETURN = {STAT_PUNT_RETURNS, TEAM_STAT_PUNT_RETURNS,
                                               GAME_TOTAL_PUNT_RETURN_YARDS,
                                               RESULT_PUNT_RETURN_TOUCHDOWN, 0};
    int nTackler = NO_SLOT_BYTE;
    nReturn = Finish_Return(pGame, nReturner, nReturn, &PUNT_RETURN, &nTackler);
    Narrate_Punt_Return(pGame, nDistance, nReturn, nReturner, nTackler);
    return nReturn;
}

// The ball changes hands where the punt comes down, before the return, so that the kicking team
// is the defence that tackles.
void Punt(GAME* pGame) {
    if (pGame == NULL)
        return;
    int bKicking = Get_Offensive_Side(pGame);
    int nKickingTeam = pGame->anTeams[bKicking];
    uint8_t nPunter = Get_On_Field_Slot(pGame, bKicking, 0);
    uint8_t nReturner = Get_On_Field_Slot(pGame, 1 - bKicking, 0);
    int nPunterId = Get_Play_Player_Id(pGame, bKicking, nPunter);
    int nReturnerId = Get_Play_Player_Id(pGame, 1 - bKicking, nReturner);
    if (pGame->nClock > REGULATION_SECONDS)
        Set_Overtime_Possession(pGame, bKicking == HOME_SIDE);
    pGame->nFlags = (pGame->nFlags & ~GAME_FLAG_DOWN_MASK) | CHANGED_HANDS_BY_KICK;
    int nAverage = Get_Historical_Average_Stat(STAT_PUNT_AVERAGE, Get_Season_Year());
    int L = pGame->nYardLine;
    int n = Get_Punt_Distance(pGame, nKickingTeam, nPunter, nAverage);
    if (n >= L && Get_Player_Rating(nKickingTeam, nPunter, RATING_PUNT_ACCURACY) >
                      50.0 + 50.0 * Random_Unit())
        n = L - Random_Below(9) - 1;
    int nLanding = L - n;
    Set_Play_Result(&pGame->currentPlay, RESULT_PUNT_RETURNED);
    pGame->currentPlay.nPlayer2 = nPunterId;
    Narrate_Play_Event(pGame, KICK_EVENT_RETURNER_BACK, 0, 0, 0, nReturnerId, -1);
    Narrate_Play_Event(pGame, KICK_EVENT_KICK_AWAY, n, 0, 0, nPunterId, nReturnerId);
    int nReturn = 0;
    if (nLanding <= 0) {
        n = L;
        pGame->nYardLine = (int8_t)PUNT_TOUCHBACK_LINE;  // flipped to the receiver's own 20
        Change_Possession(pGame);
        Stop_Play_Clock(pGame);
        pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + 7 + Random_Below(4));
        Set_Play_Result(&pGame->currentPlay, RESULT_PUNT_TOUCHBACK);
        Credit_Player_Game_Event(nKickingTeam, pGame, nPunter, GROUP_KICKERS, STAT_PUNT_TOUCHBACKS,
                                 1);
        Narrate_Play_Event(pGame, KICK_EVENT_KICK_FIELDED, n, 0, 0, -1, -1);
    } else {
        pGame->nYardLine = (int8_t)nLanding;
        Change_Possession(pGame);
        pGame->currentPlay.nPlayer1 = nReturnerId;
        int nFairCatch = nLanding < NO_FAIR_CATCH_LINE ? 0 : (nAverage / 10 - n) * 2 + 30;
        if (Random_Below(100) < nFairCatch) {
            Stop_Play_Clock(pGame);
            pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + 7 + Random_Below(4));
            Narrate_Play_Event(pGame, KICK_EVENT_KICK_FIELDED, n, 0, 0, nReturnerId, -1);
        } else {
            Narrate_Play_Event(pGame, KICK_EVENT_KICK_FIELDED, n, 0, 0, nReturnerId, -1);
            nReturn = Return_Punt(pGame, n, nReturner);
        }
    }
    pGame->currentPlay.nYard1 = (int8_t)n;
    pGame->currentPlay.nYard2 = (int8_t)Min_Int(nReturn, MAX_GAIN);
    if (!Is_Try_Play(pGame)) {
        Increment_Game_Team_Stat(pGame, bKicking, TEAM_STAT_PUNTS);
        Increment_Game_Team_Total(pGame, bKicking, GAME_TOTAL_PUNT_YARDS, n);
    }
    Credit_Player_Game_Event(nKickingTeam, pGame, nPunter, GROUP_KICKERS, STAT_PUNTS, 1);
    Credit_Player_Game_Event(nKickingTeam, pGame, nPunter, GROUP_KICKERS, STAT_PUNT_YARDS, n);
    if (Is_Valid_Player_Index(nKickingTeam, nPunter) &&
        Get_Player_Position_Group(nKickingTeam, nPunter) == GROUP_KICKERS)
        Raise_Season_Best(nKickingTeam, nPunter, STAT_LONGEST_PUNT, n);
    Reset_Drive_Counters(pGame);
}
