// The debug keys Ctrl+F1..Ctrl+F12: the live game's scores, ball position, clock, yards to go and
// down, one step each way, after which the computer's pending play calls are made again.

#include "database/database.h"
#include "engine/engine.h"
#include "shell/shell.h"

#define DEBUG_YARD_STEP 10
#define DEBUG_CLOCK_STEP 10
#define DEBUG_MAX_SCORE 99
#define DEBUG_MAX_YARD_LINE 99
#define DEBUG_MAX_CLOCK 3600

enum DEBUG_KEY_FIELD {
    DEBUG_VISITOR_SCORE,
    DEBUG_HOME_SCORE,
    DEBUG_BALL_HOME_KEY,     // the yard line, toward the goal while the home side has the ball
    DEBUG_BALL_VISITOR_KEY,  // the yard line, toward the goal while the visitors have the ball
    DEBUG_CLOCK,
    DEBUG_YARDS_TO_GO,
    DEBUG_DOWN
};

typedef struct {
    int idCommand;
    DEBUG_KEY_FIELD nField;
    int nStep;
} DEBUG_KEY;

static const DEBUG_KEY kDebugKeys[] = {
    {40140, DEBUG_VISITOR_SCORE, -1},
    {40141, DEBUG_VISITOR_SCORE, +1},
    {40142, DEBUG_HOME_SCORE, -1},
    {40143, DEBUG_HOME_SCORE, +1},
    {40144, DEBUG_BALL_HOME_KEY, DEBUG_YARD_STEP},
    {40145, DEBUG_BALL_VISITOR_KEY, DEBUG_YARD_STEP},
    {40146, DEBUG_CLOCK, +DEBUG_CLOCK_STEP},
    {40147, DEBUG_CLOCK, -DEBUG_CLOCK_STEP},
    {40148, DEBUG_YARDS_TO_GO, -1},
    {40149, DEBUG_YARDS_TO_GO, +1},
    {40150, DEBUG_DOWN, -1},
    {40151, DEBUG_DOWN, +1},
};

static int Clamp_Debug_Value(int nValue, int nLow, int nHigh) {
    if (nValue < nLow)
        return nLow;
    return nValue > nHigh ? nHigh : nValue;
}

// The yard line is yards to the goal: toward it is down by the step.
static void Move_Ball(GAME* pGame, int nKeySide, int nStep) {
    int nYards = Get_Offensive_Side(pGame) == nKeySide ? -nStep : nStep;
    pGame->nYardLine = (int8_t)Clamp_Debug_Value(pGame->nYardLine + nYards, 1, DEBUG_MAX_YARD_LINE);
}

static void Apply_Key_To_Game(GAME* pGame, const DEBUG_KEY& key) {
    switch (key.nField) {
    case DEBUG_VISITOR_SCORE:
    case DEBUG_HOME_SCORE: {
        int nSide = key.nField == DEBUG_HOME_SCORE ? HOME_SIDE : VISITOR_SIDE;
        pGame->anScores[nSide] =
            Clamp_Debug_Value(pGame->anScores[nSide] + key.nStep, 0, DEBUG_MAX_SCORE);
        break;
    }
    case DEBUG_BALL_HOME_KEY: Move_Ball(pGame, HOME_SIDE, key.nStep); break;
    case DEBUG_BALL_VISITOR_KEY: Move_Ball(pGame, VISITOR_SIDE, key.nStep); break;
    case DEBUG_CLOCK:
        pGame->nClock = (int16_t)Clamp_Debug_Value(pGame->nClock + key.nStep, 0, DEBUG_MAX_CLOCK);
        break;
    case DEBUG_YARDS_TO_GO: {
        int nMost = pGame->nYardLine > 1 ? pGame->nYardLine : 1;
        pGame->nYardsToGo = (int8_t)Clamp_Debug_Value(pGame->nYardsToGo + key.nStep, 1, nMost);
        break;
    }
    case DEBUG_DOWN: {
        int nDown = Clamp_Debug_Value((pGame->nFlags & GAME_FLAG_DOWN_MASK) + key.nStep, FIRST_DOWN,
                                      FOURTH_DOWN);
        pGame->nFlags = (pGame->nFlags & ~GAME_FLAG_DOWN_MASK) | nDown;
        break;
    }
    }
}

int Apply_Debug_Key(int idCommand) {
    if (!gLiveGame)
        return 0;
    for (const DEBUG_KEY& key : kDebugKeys) {
        if (key.idCommand != idCommand)
            continue;
        Apply_Key_To_Game(gLiveGame, key);
        Make_Computer_Play_Calls();
        return 1;
    }
    return 0;
}
