// Kickoffs and onside kicks: the kick's length, the touchback, the return and its tackle, and who
// recovers a short kick.
#include "engine/engine.h"

#define SQUIB_KICK_CALL 1
#define STAT_KICK_RETURNS 14
#define TEAM_STAT_KICK_RETURNS 5

#define EVENT_RECOVERY_CALL 31

static void Add_Play_Seconds(GAME* pGame, int nSeconds) {
    pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + nSeconds);
}

// The blocker worth telling of on a long return, the returner himself not counted.
static void Narrate_Return_Block(GAME* pGame, int bSide, uint8_t nReturner, int nYards) {
    uint8_t nBlocker = Get_On_Field_Slot(pGame, bSide, 1 + Random_Below(FORMATION_SPOTS - 1));
    int nSpot = nYards / (4 + Random_Below(3));
    if (nBlocker != nReturner)
        Narrate_Play_Event(pGame, KICK_EVENT_BLOCK, nSpot, 0, 0,
                           Get_Play_Player_Id(pGame, bSide, nBlocker), -1);
}

static void Narrate_Kickoff_Return(GAME* pGame, int nDistance, int nReturn, uint8_t nReturner,
                                   int nTackler) {
    int bSide = Get_Offensive_Side(pGame);
    int nReturnerId = Get_Play_Player_Id(pGame, bSide, nReturner);
    if (Random_Below(100) < 10 * nReturn - 150)
        Narrate_Return_Block(pGame, bSide, nReturner, nDistance - nReturn);
    Narrate_Play_Event(pGame, KICK_EVENT_RUN_DIRECTION, nDistance - nReturn, 0, 0, nReturnerId, -1);
    if (Random_Below(100) < 10 * nReturn - 350)
        Narrate_Play_Event(pGame, KICK_EVENT_LONG_RUN, nDistance - 15, nReturn, 0, nReturnerId, -1);
    if (Get_Play_Result(&pGame->currentPlay) == RESULT_KICKOFF_RETURN_TOUCHDOWN)
        Narrate_Play_Event(pGame, KICK_EVENT_TOUCHDOWN, 0, 0, 0, nReturnerId, -1);
    else
        Narrate_Play_Event(pGame, KICK_EVENT_TACKLED, nDistance - nReturn, 0, 0, nReturnerId,
                           Get_Play_Player_Id(pGame, 1 - bSide, (uint8_t)nTackler));
}

void Kick_Off(GAME* pGame) {
    if (pGame == NULL)
        return;
    int bKicking = Get_Offensive_Side(pGame);
    int bShort = pGame->currentPlay.nOffensiveCall == SQUIB_KICK_CALL;
    int nKickerId = Get_Play_Player_Id(pGame, bKicking, Get_On_Field_Slot(pGame, bKicking, 0));
    uint8_t nReturner = Get_On_Field_Slot(pGame, 1 - bKicking, 0);
    int nReturnerId = Get_Play_Player_Id(pGame, 1 - bKicking, nReturner);
    int nSpread = bShort ? 10 : 15;
    int nDistance = (bShort ? 40 : 50) + Random_Below(nSpread);
    nDistance += Random_Below(nSpread);
    pGame->nYardLine = (int8_t)(pGame->nYardLine - nDistance);
    Set_Play_Result(&pGame->currentPlay, RESULT_KICKOFF_RETURNED);
    Change_Possession(pGame);
    pGame->currentPlay.nPlayer1 = nReturnerId;
    Narrate_Play_Event(pGame, KICK_EVENT_RETURNER_BACK, 0, 0, 0, nReturnerId, -1);
    Narrate_Play_Event(pGame, KICK_EVENT_KICK_AWAY, nDistance, bKicking, 1 - bKicking, nKickerId,
                       nReturnerId);
    if (pGame->nYardLine >= 100) {
        Stop_Play_Clock(pGame);
        pGame->nYardLine = (int8_t)Get_Touchback_Yard_Line();
        Set_Play_Result(&pGame->currentPlay, RESULT_KICKOFF_TOUCHBACK);
        Set_Play_Yards(pGame, 0);
        pGame->currentPlay.nYard2 = pGame->nYardLine;
        Add_Play_Seconds(pGame, 5 + Random_Below(4));
        Narrate_Play_Event(pGame, KICK_EVENT_KICK_FIELDED, nDistance, 0, 0, nReturnerId, -1);
        return;
    }
    Narrate_Play_Event(pGame, KICK_EVENT_KICK_FIELDED, nDistance, 0, 0, nReturnerId, -1);
    static const RETURN_CREDITS KICKOFF_RETURN = {STAT_KICK_RETURNS, TEAM_STAT_KICK_RETURNS,
                                                  GAME_TOTAL_KICK_RETURN_YARDS,
                                                  RESULT_KICKOFF_RETURN_TOUCHDOWN, 1};
    int nTackler = NO_SLOT_BYTE;
    int nReturn = Finish_Return(pGame, nReturner,
                                Get_Kick_Return_Yards(Get_Offensive_Team(pGame), nReturner, bShort),
                                &KICKOFF_RETURN, &nTackler);
    pGame->currentPlay.nYard2 = (int8_t)(pGame->nYardLine - pGame->nPlayYards);
    Add_Play_Seconds(pGame, nReturn / 7 + 7 + Random_Below(4));
    Narrate_Kickoff_Return(pGame, nDistance, nReturn, nReturner, nTackler);
}

// Three times in four the receiving team falls on the short kick; the referee's call names a
// player, and the recovering player is drawn from the team that has the ball.
void Onside_Kick(GAME* pGame) {
    if (pGame == NULL)
        return;
    int bKicking = Get_Offensive_Side(pGame);
    int nKickerId = Get_Play_Player_Id(pGame, bKicking, Get_On_Field_Slot(pGame, bKicking, 0));
    int nDistance = 10 + Random_Below(8);
    nDistance += Random_Below(8);
    pGame->nYardLine = (int8_t)(pGame->nYardLine - nDistance);
    Narrate_Play_Event(pGame, KICK_EVENT_KICK_AWAY, nDistance, 0, 0, nKickerId, -1);
    if (Random_Below(4) != 0) {
        Change_Possession(pGame);
        int bSide = Get_Offensive_Side(pGame);
        int nNamed = Get_Play_Player_Id(
            pGame, bSide, Get_On_Field_Slot(pGame, bSide, Random_Below(FORMATION_SPOTS)));
        if (Random_Below(100) >= 50)
            Narrate_Play_Event(pGame, EVENT_RECOVERY_CALL, 0, bSide, 0, nNamed, -1);
        else
            Narrate_Play_Event(pGame, KICK_EVENT_KICK_FIELDED, nDistance, 0, 0, nNamed, -1);
        Set_Play_Result(&pGame->currentPlay, RESULT_ONSIDE_RECEIVING_TEAM);
    } else {
        int nNamed = Get_Play_Player_Id(
            pGame, bKicking,
            Get_On_Field_Slot(pGame, bKicking, 1 + Random_Below(FORMATION_SPOTS - 1)));
        Narrate_Play_Event(pGame, EVENT_RECOVERY_CALL, 0, bKicking, 0, nNamed, -1);
        Set_Play_Result(&pGame->currentPlay, RESULT_ONSIDE_KICKING_TEAM);
    }
    Stop_Play_Clock(pGame);
    int bSide = Get_Offensive_Side(pGame);
    pGame->currentPlay.nPlayer1 = Get_Play_Player_Id(
        pGame, bSide, Get_On_Field_Slot(pGame, bSide, Random_Below(FORMATION_SPOTS)));
    Set_Play_Yards(pGame, 0);
    pGame->currentPlay.nYard2 = pGame->nYardLine;
    Add_Play_Seconds(pGame, 7 + Random_Below(4));
    Reset_Drive_Counters(pGame);
}
