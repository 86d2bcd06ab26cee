// The game clock of a game record: period lengths, the time left and whether the game has ended.
#include <stdlib.h>

#include "database/database.h"

#define HALF_SECONDS (2 * QUARTER_SECONDS)
#define UNTIMED_SECONDS_LEFT 9000

enum OVERTIME_RULE {
    OVERTIME_SUDDEN_DEATH = 0,
    OVERTIME_FIELD_GOAL_ANSWER,
    OVERTIME_SUDDEN_DEATH_UNTIMED,
    OVERTIME_FIELD_GOAL_ANSWER_UNTIMED
};
#define TOUCHDOWN_LEAD 6

static int Get_Game_Week(GAME* pGame) {
    return pGame != NULL ? pGame->anInfo[GAME_INFO_WEEK] : gCurrentWeek;
}

int Is_Postseason_Week(int nWeek) {
    return nWeek >= gPostseasonWeeks[0];
}

// 900 seconds in the postseason, the overtime preference's minutes in the regular season; a
// length of no minutes counts as a quarter.
int Get_Overtime_Period_Length(GAME* pGame) {
    if (Is_Postseason_Week(Get_Game_Week(pGame)) || gOvertimePeriodLength <= 0)
        return QUARTER_SECONDS;
    return gOvertimePeriodLength * 60;
}

int Get_Period_Length(GAME* pGame) {
    if (pGame != NULL && pGame->nClock >= REGULATION_SECONDS)
        return Get_Overtime_Period_Length(pGame);
    return QUARTER_SECONDS;
}

int Get_Period_Seconds_Left(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    int nQuarter = Get_Game_Quarter(pGame);
    if (nQuarter <= 4)
        return nQuarter * QUARTER_SECONDS - pGame->nClock;
    int nLength = Get_Overtime_Period_Length(pGame);
    return nLength - (pGame->nClock - REGULATION_SECONDS) % nLength;
}

// The overtime rule of the game's part of the season. No postseason game ends level: there every
// rule plays on without a time limit.
int Get_Game_Overtime_Rule(GAME* pGame) {
    if (!Is_Postseason_Week(Get_Game_Week(pGame)))
        return gOvertimeRule;
    return gPlayoffOvertimeRule == OVERTIME_FIELD_GOAL_ANSWER ||
                   gPlayoffOvertimeRule == OVERTIME_FIELD_GOAL_ANSWER_UNTIMED
               ? OVERTIME_FIELD_GOAL_ANSWER_UNTIMED
               : OVERTIME_SUDDEN_DEATH_UNTIMED;
}

static int Is_Overtime_Untimed(GAME* pGame) {
    int nRule = Get_Game_Overtime_Rule(pGame);
    return nRule == OVERTIME_SUDDEN_DEATH_UNTIMED || nRule == OVERTIME_FIELD_GOAL_ANSWER_UNTIMED;
}

int Get_Game_Seconds_Left(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    if (pGame->nClock < REGULATION_SECONDS)
        return REGULATION_SECONDS - pGame->nClock;
    return Is_Overtime_Untimed(pGame) ? UNTIMED_SECONDS_LEFT : Get_Period_Seconds_Left(pGame);
}

int Get_Half_Seconds_Left(GAME* pGame) {
    if (pGame != NULL && pGame->nClock < HALF_SECONDS)
        return HALF_SECONDS - pGame->nClock;
    return Get_Game_Seconds_Left(pGame);
}

int Get_Game_Half(GAME* pGame) {
    if (pGame == NULL || pGame->nClock < HALF_SECONDS)
        return 0;
    return pGame->nClock < REGULATION_SECONDS ? 1 : 2;
}

// Whether the team that trails has had the ball in overtime.
static int Has_Trailing_Team_Had_Ball(GAME* pGame) {
    int nBits = pGame->anInfo[GAME_INFO_OVERTIME_BITS];
    int bVisitorTrails = pGame->anScores[VISITOR_SIDE] < pGame->anScores[HOME_SIDE];
    return (nBits & (bVisitorTrails ? OVERTIME_VISITOR_HAD_BALL : OVERTIME_HOME_HAD_BALL)) != 0;
}

// A rule outside 0..3 would never end a level game; it plays sudden death without a limit.
int Is_Game_Over(GAME* pGame) {
    if (pGame == NULL || pGame->nClock < REGULATION_SECONDS)
        return 0;
    int bTryPending = (pGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT;
    int nVisitor = pGame->anScores[VISITOR_SIDE];
    int nHome = pGame->anScores[HOME_SIDE];
    int bLevel = nVisitor == nHome;
    // A try after the last play of regulation is still run; a touchdown in overtime ends the
    // game at once.
    if (pGame->nClock == REGULATION_SECONDS && !bTryPending && !bLevel)
        return 1;
    if (!Is_Postseason_Week(Get_Game_Week(pGame)) && !bTryPending && gOvertimeGames == 0)
        return 1;
    int bInOvertime = pGame->nClock > REGULATION_SECONDS;
    int bTimeUp = pGame->nClock >= REGULATION_SECONDS + Get_Overtime_Period_Length(pGame);
    int bAnswerDue = abs(nVisitor - nHome) < TOUCHDOWN_LEAD && !Has_Trailing_Team_Had_Ball(pGame);
    switch (Get_Game_Overtime_Rule(pGame)) {
    case OVERTIME_SUDDEN_DEATH: return (bInOvertime && !bLevel) || bTimeUp;
    case OVERTIME_FIELD_GOAL_ANSWER:
        if (bTimeUp)
            return 1;
        return !bAnswerDue && bInOvertime && !bLevel;
    case OVERTIME_FIELD_GOAL_ANSWER_UNTIMED: return !bAnswerDue && bInOvertime && !bLevel;
    default: return bInOvertime && !bLevel;
    }
}
