// The situations the offensive play caller tests before choosing a class of play: kicks, punts,
// field goals, the kneel-down and the end of a half.
#include "engine/engine.h"
#include "personnel/personnel.h"

#define HALF_SECONDS (2 * QUARTER_SECONDS)
#define LATE_KICK_SECONDS 120
#define BALL_BACK_SECONDS 180
#define BALL_BACK_TIMEOUT_SECONDS 35
#define PUNT_LINE 30
#define PUNT_REACH 45
#define PUNT_REACH_PER_YARD 5
#define PUNT_TRAILING_SECONDS 480
#define PUNT_TRAILING_PER_YARD 60
#define KNEEL_SECONDS_PER_DOWN 38
#define FIRST_HALF_LAST_SECONDS 1790
#define SECOND_HALF_LAST_SECONDS 10
#define BOTH_HAD_BALL (OVERTIME_VISITOR_HAD_BALL | OVERTIME_HOME_HAD_BALL)

static int Get_Down(GAME* pGame) {
    return pGame->nFlags & GAME_FLAG_DOWN_MASK;
}

int Get_Offensive_Deficit(GAME* pGame) {
    int nSide = Get_Offensive_Side(pGame);
    return pGame->anScores[1 - nSide] - pGame->anScores[nSide];
}

static int Is_Late_Fourth_Quarter(GAME* pGame) {
    return Get_Game_Quarter(pGame) == 4 && Get_Game_Seconds_Left(pGame) <= LATE_KICK_SECONDS;
}

int Is_Onside_Kick_Situation(GAME* pGame) {
    int t = Get_Offensive_Deficit(pGame);
    return Is_Late_Fourth_Quarter(pGame) && t >= 1 && t <= 8;
}

int Is_Squib_Kick_Situation(GAME* pGame) {
    int t = Get_Offensive_Deficit(pGame);
    return Is_Late_Fourth_Quarter(pGame) && t >= -8 && t <= -4;
}

int Has_Time_To_Get_Ball_Back(GAME* pGame) {
    if (Is_Game_In_Overtime(pGame) && Get_Offensive_Deficit(pGame) != 0)
        return 0;
    int nTimeouts = pGame->anTimeouts[Get_Offensive_Side(pGame)];
    return BALL_BACK_SECONDS - BALL_BACK_TIMEOUT_SECONDS * nTimeouts < Get_Game_Seconds_Left(pGame);
}

int Is_Punt_Situation(GAME* pGame) {
    int nToGo = pGame->nYardsToGo;
    int nYardLine = pGame->nYardLine;
    if (Get_Down(pGame) != FOURTH_DOWN || nYardLine <= PUNT_LINE ||
        nYardLine <= PUNT_REACH - PUNT_REACH_PER_YARD * nToGo)
        return 0;
    return Get_Offensive_Deficit(pGame) <= 0 ||
           (Get_Game_Seconds_Left(pGame) >=
                PUNT_TRAILING_SECONDS - PUNT_TRAILING_PER_YARD * nToGo &&
            Has_Time_To_Get_Ball_Back(pGame));
}

// A trailing or slightly leading team with a strong running game goes for a short fourth down
// instead of kicking.
static int Compute_Field_Goal_Situation(GAME* pGame) {
    if (Get_Down(pGame) != FOURTH_DOWN || pGame->nYardLine > Get_Field_Goal_Range(pGame))
        return 0;
    int t = Get_Offensive_Deficit(pGame);
    int nToGo = pGame->nYardsToGo;
    int T = Get_Game_Seconds_Left(pGame);
    int bTime = Has_Time_To_Get_Ball_Back(pGame);
    if (t > 3) {
        if (!bTime || (t <= 7 && T < LATE_KICK_SECONDS) || (t > 11 && T < 300))
            return 0;
        int d = t + (Rate_Running_Unit(Get_Offensive_Team(pGame)) - 700) / 10;
        int k = d < 0 ? 1 : d / 7 + 1;
        return k < nToGo;
    }
    if (t == -4 || t == -5) {
        int d = (Rate_Running_Unit(Get_Offensive_Team(pGame)) - 630) / 50;
        int k = d < 0 ? 1 : d + 1;
        return k < nToGo;
    }
    return 1;
}

int Is_Field_Goal_Situation(GAME* pGame) {
    static SNAP_ANSWER kept;
    return Recall_Snap_Answer(&kept, pGame, Compute_Field_Goal_Situation);
}

int Is_Kneel_Down_Situation(GAME* pGame) {
    int nDown = Get_Down(pGame);
    return nDown <= THIRD_DOWN && pGame->anTimeouts[Get_Defensive_Side(pGame)] == 0 &&
           Get_Game_Seconds_Left(pGame) < KNEEL_SECONDS_PER_DOWN * (3 - nDown) &&
           Get_Offensive_Deficit(pGame) < 0 && Should_Rest_Starters(pGame);
}

int Is_Overtime_Field_Goal_Situation(GAME* pGame) {
    if (pGame->nClock <= REGULATION_SECONDS)
        return 0;
    int nRule = Get_Game_Overtime_Rule(pGame);
    return nRule == 0 || nRule == 2 ||
           (Get_Game_Info(pGame, GAME_INFO_OVERTIME_BITS) & BOTH_HAD_BALL) == BOTH_HAD_BALL;
}

int Is_Half_Almost_Over(GAME* pGame) {
    if (pGame->nClock < HALF_SECONDS)
        return pGame->nClock > FIRST_HALF_LAST_SECONDS;
    return Get_Game_Seconds_Left(pGame) < SECOND_HALF_LAST_SECONDS;
}

int Is_Last_Ten_Seconds_Of_Second_Half(GAME* pGame) {
    return pGame->nClock >= HALF_SECONDS && pGame->nClock < REGULATION_SECONDS &&
           Get_Half_Seconds_Left(pGame) < SECOND_HALF_LAST_SECONDS;
}

int Is_Game_In_Overtime(GAME* pGame) {
    return pGame->nClock > REGULATION_SECONDS;
}
