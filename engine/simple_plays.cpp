// Play resolution: runs, passes, kicks and returns. Until the rating-based models exist, each play
// draws a plausible outcome from the one generator and reports it as the real plays do: yards,
// seconds, result, possession, and the credits of its players.
#include "engine/engine.h"

#define STAT_RUSHES 7
#define STAT_RUSH_YARDS 8
#define STAT_RUSH_TDS 9
#define STAT_PASS_ATTEMPTS 2
#define STAT_COMPLETIONS 3
#define STAT_INTERCEPTIONS 4
#define STAT_PASS_YARDS 5
#define STAT_PASS_TDS 6
#define STAT_RECEPTIONS 10
#define STAT_RECEIVING_YARDS 11
#define STAT_RECEIVING_TDS 12
#define STAT_TACKLES 2
#define STAT_EXTRA_POINTS_TRIED 8
#define STAT_EXTRA_POINTS_MADE 9
#define STAT_KICK_RETURNS 14
#define STAT_KICK_RETURN_YARDS 15
#define TOTAL_PASS_ATTEMPTS 7
#define TOTAL_COMPLETIONS 8
#define TOTAL_PASS_YARDS 9
#define TEAM_STAT_KICK_RETURNS 5
#define TEAM_STAT_PUNT_RETURNS 4
#define TEAM_STAT_PUNTS 6
#define TOTAL_PUNT_YARDS 1
#define TOTAL_KICK_RETURN_YARDS 3
#define TOTAL_PUNT_RETURN_YARDS 2
#define FIELD_GOAL_POINTS 3
#define EXTRA_POINT_POINTS 1
#define PUNT_TOUCHBACK_LINE 20
#define RUNNING_HOLES 3
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

// A gain that would leave the field at the back of the own end zone is a safety.
static int Is_Safety(GAME* pGame, int nYards) {
    return pGame->nYardLine - nYards >= 100;
}

static void Run_Ball(GAME* pGame) {
    int nTeam = Get_Offensive_Team(pGame);
    int nCarrier = Find_Position_Player(nTeam, POS_RB, Random_Below(2));
    int nYards = Random_Range(-3, 9);
    if (Random_Below(20) == 0)
        nYards += Random_Below(40);
    nYards = Min_Int(nYards, pGame->nYardLine);
    pGame->currentPlay.nPlayer1 = Get_Player_ID(nTeam, nCarrier);
    if (Random_Below(70) == 0) {
        Set_Result(pGame, RESULT_FUMBLE_LOST, 0, 5);
        Change_Possession(pGame);
        return;
    }
    if (Is_Safety(pGame, nYards)) {
        Set_Result(pGame, RESULT_SAFETY, nYards, 5);
        return;
    }
    int bTouchdown = nYards >= pGame->nYardLine;
    Set_Result(pGame, bTouchdown ? RESULT_TOUCHDOWN_RUN : RESULT_RUN, nYards, 5);
    Credit_Rushing_Play(nCarrier, pGame, nYards, Random_Below(RUNNING_HOLES));
    if (bTouchdown)
        Credit_Player_Game_Event(nTeam, pGame, nCarrier, GROUP_SKILL, STAT_RUSH_TDS, 1);
    else
        Credit_Player_Game_Event(Get_Defensive_Team(pGame), pGame,
                                 Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_TACKLES, 0),
                                 GROUP_DEFENCE, STAT_TACKLES, 1);
}

static void Credit_Pass(GAME* pGame, int nPasser, int nStat, int nAmount) {
    Credit_Player_Game_Event(Get_Offensive_Team(pGame), pGame, nPasser, GROUP_SKILL, nStat,
                             nAmount);
}

static void Throw_Ball(GAME* pGame) {
    int nTeam = Get_Offensive_Team(pGame);
    int bSide = Get_Offensive_Side(pGame);
    int nPasser = Find_Position_Player(nTeam, POS_QB, 0);
    int nTarget = Find_Position_Player(nTeam, Random_Below(3) ? POS_WR : POS_TE, Random_Below(3));
    pGame->currentPlay.nPlayer1 = Get_Player_ID(nTeam, nPasser);
    int r = Random_Below(100);
    if (r < 7) {
        int nLoss = Random_Range(1, 9);
        if (Is_Safety(pGame, -nLoss)) {
            Set_Result(pGame, RESULT_SAFETY, -nLoss, 5);
            return;
        }
        Set_Result(pGame, RESULT_SACK, -nLoss, 5);
        Credit_Sack(pGame, nPasser);
        return;
    }
    Credit_Pass(pGame, nPasser, STAT_PASS_ATTEMPTS, 1);
    Increment_Game_Team_Total(pGame, bSide, TOTAL_PASS_ATTEMPTS, 1);
    if (r < 10) {
        Credit_Pass(pGame, nPasser, STAT_INTERCEPTIONS, 1);
        Set_Result(pGame, RESULT_INTERCEPTED, 0, 6);
        Change_Possession(pGame);
        int nReturn = Random_Below(25);
        if (nReturn >= pGame->nYardLine)
            Set_Result(pGame, RESULT_INTERCEPTION_TOUCHDOWN, pGame->nYardLine, 0);
        else
            Set_Result(pGame, RESULT_INTERCEPTED, nReturn, 0);
        return;
    }
    if (r < 42) {
        Set_Result(pGame, RESULT_INCOMPLETE, 0, 5);
        Stop_Clock(pGame);
        return;
    }
    int nYards = Min_Int(Random_Range(-2, 18) + (Random_Below(8) == 0 ? Random_Below(40) : 0),
                         pGame->nYardLine);
    if (Is_Safety(pGame, nYards)) {
        Set_Result(pGame, RESULT_SAFETY, nYards, 5);
        return;
    }
    int bTouchdown = nYards >= pGame->nYardLine;
    Set_Result(pGame, bTouchdown ? RESULT_TOUCHDOWN_PASS : RESULT_COMPLETE, nYards, 6);
    pGame->currentPlay.nPlayer2 = Get_Player_ID(nTeam, nTarget);
    Credit_Pass(pGame, nPasser, STAT_COMPLETIONS, 1);
    Credit_Pass(pGame, nPasser, STAT_PASS_YARDS, nYards);
    Credit_Pass(pGame, nTarget, STAT_RECEPTIONS, 1);
    Credit_Pass(pGame, nTarget, STAT_RECEIVING_YARDS, nYards);
    if (bTouchdown) {
        Credit_Pass(pGame, nPasser, STAT_PASS_TDS, 1);
        Credit_Pass(pGame, nTarget, STAT_RECEIVING_TDS, 1);
    }
    Increment_Game_Team_Total(pGame, bSide, TOTAL_COMPLETIONS, 1);
    Increment_Game_Team_Total(pGame, bSide, TOTAL_PASS_YARDS, nYards);
}

// STAND-IN(engine): a play from scrimmage sent to a kneel-down, a designed run, a scramble or a
// pass resolved against the ratings; this one draws a run or a pass of random yardage.
void Run_Scrimmage_Play(GAME* pGame) {
    if (Random_Below(100) < 45)
        Run_Ball(pGame);
    else
        Throw_Ball(pGame);
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
