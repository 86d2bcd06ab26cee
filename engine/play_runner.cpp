// One play: the clock preset, the formations and players, the play itself by the kind of
// formation, then downs, statistics, injuries and the clock.
#include "engine/engine.h"

#define HURRY_FIRST_HALF_SECONDS 120
#define HURRY_TRAILING_SECONDS 600
#define HURRY_TRAILING_MARGIN 8
#define HURRY_LEVEL_SECONDS 240

int Is_Touchdown_Result(int nResult) {
    switch (nResult) {
    case RESULT_TOUCHDOWN_PASS:
    case RESULT_INTERCEPTION_TOUCHDOWN:
    case RESULT_TOUCHDOWN_RUN:
    case RESULT_FUMBLE_TOUCHDOWN:
    case RESULT_PUNT_RETURN_TOUCHDOWN:
    case RESULT_KICKOFF_RETURN_TOUCHDOWN: return 1;
    default: return 0;
    }
}

int Is_Offense_Hurrying(GAME* pGame) {
    if (pGame == NULL || Should_Rest_Starters(pGame))
        return 0;
    if (pGame->nClock < 2 * QUARTER_SECONDS)
        return Get_Half_Seconds_Left(pGame) < HURRY_FIRST_HALF_SECONDS;
    int nSecondsLeft = Get_Game_Seconds_Left(pGame);
    int bHome = Get_Offensive_Side(pGame);
    int nDeficit = pGame->anScores[1 - bHome] - pGame->anScores[bHome];
    return (nSecondsLeft < HURRY_TRAILING_SECONDS && nDeficit > HURRY_TRAILING_MARGIN) ||
           (nSecondsLeft < HURRY_LEVEL_SECONDS && nDeficit >= 0);
}

// The seconds that run off before the snap: none after a timeout or a period start, fewer after a
// play that stopped the clock and in the hurry-up.
void Set_Play_Runoff(GAME* pGame) {
    if (Check_For_Timeout(pGame))
        Stop_Play_Clock(pGame);
    int bPreviousStopped = (pGame->nFlags & GAME_FLAG_PREVIOUS_STOPPED) != 0;
    int nSeconds;
    if (pGame->nFlags & GAME_FLAG_CLOCK_STOPPED)
        nSeconds = 0;
    else if (Is_Offense_Hurrying(pGame))
        nSeconds = bPreviousStopped ? 2 : 12;
    else
        nSeconds = bPreviousStopped ? 14 : 37;
    pGame->nPlaySeconds = (int8_t)nSeconds;
}

static void Run_Formation_Play(GAME* pGame) {
    int nTeam = Get_Offensive_Team(pGame);
    int nCall = pGame->currentPlay.nOffensiveCall;
    switch (pGame->anFormations[Get_Offensive_Side(pGame)]) {
    case FORMATION_KICKOFF:
    case FORMATION_ONSIDE_KICK:
        if (Get_Kicking_Play_Type(nCall) == PLAY_ONSIDE_KICK)
            Onside_Kick(pGame);
        else
            Kick_Off(pGame);
        break;
    case FORMATION_PUNT:
        if (Get_Offensive_Play_Type(nTeam, nCall) == PLAY_PUNT)
            Punt(pGame);
        else
            Run_Scrimmage_Play(pGame);
        break;
    case FORMATION_FIELD_GOAL:
        if (Get_Offensive_Play_Type(nTeam, nCall) == PLAY_FIELD_GOAL)
            Kick_Field_Goal(pGame);
        else
            Run_Scrimmage_Play(pGame);
        break;
    case FORMATION_EXTRA_POINT: Kick_Extra_Point(pGame); break;
    default: Run_Scrimmage_Play(pGame); break;
    }
}

// The end of a period is narrated unless a touchdown ends the second or fourth quarter (its try
// is still to come).
static void Note_Period_End(GAME* pGame) {
    if ((pGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT)
        return;
    if (pGame->nPlaySeconds < Get_Period_Seconds_Left(pGame))
        return;
    if (Is_Touchdown_Result(Get_Play_Result(&pGame->currentPlay)) &&
        Get_Game_Quarter(pGame) % 2 == 0)
        return;
    Queue_Period_End_Event(pGame);
}

// The side with the ball at the snap goes into the play's result word (bit 24), which the play's
// counters, its narration and its box-score row read.
static void Mark_Snap_Possession(GAME* pGame) {
    PLAY* pPlay = &pGame->currentPlay;
    if (Get_Offensive_Side(pGame) == HOME_SIDE)
        pPlay->nResult |= PLAY_WORD_HOME_BALL;
    else
        pPlay->nResult &= ~PLAY_WORD_HOME_BALL;
}

void Run_Play(GAME* pGame) {
    if (pGame == NULL)
        return;
    Set_Play_Runoff(pGame);
    pGame->nFlags &= ~(GAME_FLAG_CLOCK_STOPPED | GAME_FLAG_PREVIOUS_STOPPED);
    Set_Play_Formations(pGame);
    Fill_On_Field_Players(pGame, VISITOR_SIDE);
    Fill_On_Field_Players(pGame, HOME_SIDE);
    Append_Play_Lines(pGame);
    Mark_Snap_Possession(pGame);
    Mark_Play_Log_Entry(pGame);
    int bPenalty = Check_For_Penalty(pGame);
    int nOffenceFormation = pGame->anFormations[Get_Offensive_Side(pGame)];
    if (!bPenalty)
        Run_Formation_Play(pGame);
    int nResult = Get_Play_Result(&pGame->currentPlay);
    if (nResult > LAST_VALID_RESULT)
        Report_Error("Unhandled PLAY_RESULT in Is_Play_From_Scrimmage()");
    else if (nResult <= LAST_SCRIMMAGE_RESULT)
        Record_Play_Result_Counts(pGame);
    Note_Period_End(pGame);
    Advance_Down_And_Distance(pGame);
    Append_Play_Result(pGame);
    if (!bPenalty && nOffenceFormation != FORMATION_EXTRA_POINT)
        Check_For_Injury(pGame);
    Update_Game_Clock(pGame);
}
