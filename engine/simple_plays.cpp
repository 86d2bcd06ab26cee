// Kicks and returns. Until the rating-based models exist, each kick draws a plausible outcome from
// the one generator and reports it as the real plays do: yards, seconds, result, possession, and
// the credits of its players.
#include "engine/engine.h"

#define STAT_EXTRA_POINTS_TRIED 8
#define STAT_EXTRA_POINTS_MADE 9
#define STAT_KICK_RETURNS 14
#define STAT_KICK_RETURN_YARDS 15
#define TEAM_STAT_KICK_RETURNS 5
#define TEAM_STAT_PUNT_RETURNS 4
#define TEAM_STAT_PUNTS 6
#define TOTAL_PUNT_YARDS 1
#define TOTAL_KICK_RETURN_YARDS 3
#define TOTAL_PUNT_RETURN_YARDS 2
#define FIELD_GOAL_POINTS 3
#define EXTRA_POINT_POINTS 1
#define PUNT_TOUCHBACK_LINE 20
#define RETURN_GROUP 4

// The n-th healthy player of a position on the roster; the first of any kind when there is none.
static int Find_Position_Player(int nTeam, int nPosition, int n) {
    int nFirst = NO_PLAYER;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot) ||
            Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) != nPosition ||
            Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) > 0)
            continue;
        if (nFirst == NO_PLAYER)
            nFirst = nSlot;
        if (n-- == 0)
            return nSlot;
    }
    return nFirst;
}

static void Set_Result(GAME* pGame, int nResult, int nYards, int nSeconds) {
    Set_Play_Result(&pGame->currentPlay, nResult);
    pGame->nPlayYards = (int8_t)nYards;
    pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + nSeconds);
    pGame->currentPlay.nYard1 = (int8_t)nYards;
}

static void Stop_Clock(GAME* pGame) {
    pGame->nFlags |= GAME_FLAG_TIMEOUT_STOP;
}

// STAND-IN(engine): a kickoff by the kicker's distance and the returner's ratings; this one kicks
// 55..74 yards and returns 10..39 yards, a touchback from the end zone.
void Kick_Off(GAME* pGame) {
    int nDistance = 55 + Random_Below(20);
    pGame->nYardLine = (int8_t)(pGame->nYardLine - nDistance);
    Change_Possession(pGame);
    Stop_Clock(pGame);
    if (pGame->nYardLine >= 100) {
        pGame->nYardLine = (int8_t)Get_Touchback_Yard_Line();
        Set_Result(pGame, RESULT_KICKOFF_TOUCHBACK, 0, 5);
        return;
    }
    int nTeam = Get_Offensive_Team(pGame);
    int nReturner = Find_Position_Player(nTeam, POS_WR, 2);
    int nReturn = Min_Int(10 + Random_Below(30) + (Random_Below(50) == 0 ? 70 : 0),
                          pGame->nYardLine);
    int bTouchdown = nReturn >= pGame->nYardLine;
    Set_Result(pGame, bTouchdown ? RESULT_KICKOFF_RETURN_TOUCHDOWN : RESULT_KICKOFF_RETURNED,
               nReturn, nReturn / 7 + 7);
    pGame->currentPlay.nPlayer2 = Get_Player_ID(nTeam, nReturner);
    Credit_Player_Game_Event(nTeam, pGame, nReturner, RETURN_GROUP, STAT_KICK_RETURNS, 1);
    Credit_Player_Game_Event(nTeam, pGame, nReturner, RETURN_GROUP, STAT_KICK_RETURN_YARDS,
                             nReturn);
    Increment_Game_Team_Stat(pGame, Get_Offensive_Side(pGame), TEAM_STAT_KICK_RETURNS);
    Increment_Game_Team_Total(pGame, Get_Offensive_Side(pGame), TOTAL_KICK_RETURN_YARDS, nReturn);
}

// STAND-IN(engine): a short kick the kicking team may recover; this one kicks off normally.
void Onside_Kick(GAME* pGame) {
    Kick_Off(pGame);
}

// STAND-IN(engine): a punt by the punter's distance and accuracy, the weather and the return;
// this one punts 35..49 yards with a short return.
void Punt(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    int nDistance = 35 + Random_Below(15);
    pGame->nFlags = (pGame->nFlags & ~GAME_FLAG_DOWN_MASK) | CHANGED_HANDS_BY_KICK;
    Increment_Game_Team_Stat(pGame, bSide, TEAM_STAT_PUNTS);
    Increment_Game_Team_Total(pGame, bSide, TOTAL_PUNT_YARDS,
                              Min_Int(nDistance, pGame->nYardLine));
    int nLanding = pGame->nYardLine - nDistance;
    if (nLanding <= 0) {
        pGame->nYardLine = PUNT_TOUCHBACK_LINE;
        Change_Possession(pGame);
        Stop_Clock(pGame);
        Set_Result(pGame, RESULT_PUNT_TOUCHBACK, 0, 8);
        return;
    }
    pGame->nYardLine = (int8_t)nLanding;
    Change_Possession(pGame);
    int nReturn = Min_Int(Random_Below(13), pGame->nYardLine);
    Set_Result(pGame, nReturn >= pGame->nYardLine ? RESULT_PUNT_RETURN_TOUCHDOWN
                                                  : RESULT_PUNT_RETURNED,
               nReturn, nReturn / 7 + 9);
    Increment_Game_Team_Stat(pGame, 1 - bSide, TEAM_STAT_PUNT_RETURNS);
    Increment_Game_Team_Total(pGame, 1 - bSide, TOTAL_PUNT_RETURN_YARDS, nReturn);
}

// STAND-IN(engine): a field goal by the kicker's range and accuracy and the weather; this one
// makes it more often the shorter it is, and a miss gives the ball over at the spot.
void Kick_Field_Goal(GAME* pGame) {
    int nDistance = pGame->nYardLine + 17;
    int nChance = nDistance < 30 ? 97 : nDistance < 40 ? 88 : nDistance < 50 ? 70 : 40;
    if (Random_Below(100) < nChance) {
        Add_Game_Score(pGame, Get_Offensive_Side(pGame), FIELD_GOAL_POINTS);
        Set_Result(pGame, RESULT_FIELD_GOAL_GOOD, 0, 5);
        return;
    }
    Set_Result(pGame, RESULT_FIELD_GOAL_MISSED, 0, 5);
    pGame->nFlags = (pGame->nFlags & ~GAME_FLAG_DOWN_MASK) | CHANGED_HANDS_BY_KICK;
    Change_Possession(pGame);
    Stop_Clock(pGame);
}

// STAND-IN(engine): a kicked try by the kicker's accuracy and the extra-point line; this one is
// good 19 times in 20.
void Kick_Extra_Point(GAME* pGame) {
    int nTeam = Get_Offensive_Team(pGame);
    int nKicker = Find_Position_Player(nTeam, POS_K, 0);
    pGame->currentPlay.nPlayer1 = Get_Player_ID(nTeam, nKicker);
    Credit_Player_Game_Event(nTeam, pGame, nKicker, GROUP_KICKERS, STAT_EXTRA_POINTS_TRIED, 1);
    if (Random_Below(20) == 0) {
        Set_Result(pGame, RESULT_EXTRA_POINT_MISSED, 0, 0);
        return;
    }
    Credit_Player_Game_Event(nTeam, pGame, nKicker, GROUP_KICKERS, STAT_EXTRA_POINTS_MADE, 1);
    Add_Game_Score(pGame, Get_Offensive_Side(pGame), EXTRA_POINT_POINTS);
    Set_Result(pGame, RESULT_EXTRA_POINT_GOOD, 0, 0);
}
