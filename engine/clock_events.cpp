// The clock after a play: half and quarter ends, the two-minute warning, timeouts, and the clock
// questions of play calling.
#include "engine/engine.h"

#define HALF_SECONDS (2 * QUARTER_SECONDS)
#define TWO_MINUTE_MARK 120
#define SECONDS_PER_TIMEOUT 40  // the offence spends timeouts below 40 s per timeout left
#define DEFENCE_TIMEOUT_SECONDS 120
#define SECOND_HALF 1
#define FULL_CIRCLE 360
#define LAST_PLAY_STOPPED_SECONDS 12
#define LAST_PLAY_RUNNING_SECONDS 40
#define KNEEL_DOWN_SECONDS 120

enum OVERTIME_RULE_CODE { RULE_SUDDEN_DEATH_NO_TIES = 2, RULE_THRESHOLD_NO_TIES = 3 };

static int Is_Clock_Stopped(GAME* pGame) {
    return (pGame->nFlags & (GAME_FLAG_TIMEOUT_STOP | GAME_FLAG_OTHER_STOP)) != 0;
}

static int Is_Conversion_Try(GAME* pGame) {
    return (pGame->nFlags & GAME_FLAG_DOWN_MASK) == CONVERSION_ATTEMPT;
}

// Seconds past a mark the play ran are not the offence's time with the ball.
static void Take_Back_Possession_Time(GAME* pGame, int nSeconds) {
    Increment_Game_Team_Total(pGame, Get_Offensive_Side(pGame), GAME_TOTAL_POSSESSION_SECONDS,
                              -nSeconds);
}

// ---- the end of a half, of a quarter and the two-minute warning ----------------------------------

int Check_Half_End(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    int nClock = pGame->nClock;
    if ((nClock - pGame->nPlaySeconds) / HALF_SECONDS == nClock / HALF_SECONDS)
        return 0;
    pGame->nClock = (int16_t)(nClock / HALF_SECONDS * HALF_SECONDS);
    Take_Back_Possession_Time(pGame, nClock % HALF_SECONDS);
    return !Is_Conversion_Try(pGame);
}

// The clock stops at a mark the play ran past; the seconds beyond it are not counted.
static void Stop_Clock_At(GAME* pGame, int nMark) {
    Take_Back_Possession_Time(pGame, pGame->nClock - nMark);
    pGame->nClock = (int16_t)nMark;
    Stop_Play_Clock(pGame);
}

static int Get_Two_Minute_Mark(GAME* pGame) {
    int nQuarter = Get_Game_Quarter(pGame);
    if (nQuarter <= 4)
        return nQuarter * QUARTER_SECONDS - TWO_MINUTE_MARK;
    return REGULATION_SECONDS - TWO_MINUTE_MARK +
           Get_Overtime_Period_Length(pGame) * (nQuarter - 4);
}

// The teams change ends: the wind turns round (indoors it stays -1).
static void Change_Ends(GAME* pGame) {
    int nAngle = pGame->anInfo[GAME_INFO_WIND_ANGLE];
    if (nAngle >= 0)
        pGame->anInfo[GAME_INFO_WIND_ANGLE] = (int16_t)(FULL_CIRCLE - nAngle);
}

void Update_Game_Clock(GAME* pGame) {
    if (pGame == NULL)
        return;
    int nUsed = pGame->nPlaySeconds;
    int nLeft = Get_Half_Seconds_Left(pGame);
    if (Check_Half_End(pGame)) {
        // The final whistle of regulation completes the box score here; after overtime the end
        // of the game writes it, so it is never written twice.
        if (!Is_Game_Over(pGame))
            Set_Up_Kickoff(pGame);
        else if (pGame->nClock <= REGULATION_SECONDS)
            Write_Period_Header(pGame);
        return;
    }
    if (nLeft <= TWO_MINUTE_MARK && TWO_MINUTE_MARK < nLeft + nUsed) {
        Stop_Clock_At(pGame, Get_Two_Minute_Mark(pGame));
        if (Is_Game_Watched(pGame) && !Is_Fast_Forwarding())
            Show_Message_Box("Two-Minute Warning", "Clock stopped for two-minute warning.");
    } else if (nLeft <= QUARTER_SECONDS && QUARTER_SECONDS < nLeft + nUsed) {
        Stop_Clock_At(pGame, pGame->nClock / HALF_SECONDS * HALF_SECONDS + QUARTER_SECONDS);
        if (pGame->anFormations[Get_Offensive_Side(pGame)] != FORMATION_EXTRA_POINT) {
            Write_Period_Header(pGame);
            Change_Ends(pGame);
        }
    }
}

// ---- timeouts -------------------------------------------------------------------------------------

// A side the person runs in a watched game calls its own timeouts.
static int Does_Person_Call_Timeouts(GAME* pGame, int bSide, int bOffence) {
    int nTeam = pGame->anTeams[bSide];
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT || !Is_Human_Team(nTeam) || !Is_Game_Watched(pGame))
        return 0;
    return !bOffence || gAutomaticOffensivePlays != 1;
}

static int Take_Timeout(GAME* pGame, int bSide) {
    pGame->anTimeouts[bSide]--;
    return 1;
}

// The offence saves its clock when the half runs short for its timeouts (unless it leads in the
// fourth quarter); a trailing defence late in the second half.
int Check_For_Timeout(GAME* pGame) {
    if (pGame == NULL || Is_Clock_Stopped(pGame))
        return 0;
    int nLeft = Get_Half_Seconds_Left(pGame);
    int bOffence = Get_Offensive_Side(pGame);
    int bDefence = 1 - bOffence;
    int nLead = pGame->anScores[bOffence] - pGame->anScores[bDefence];
    if (!Does_Person_Call_Timeouts(pGame, bOffence, 1) &&
        nLeft < SECONDS_PER_TIMEOUT * pGame->anTimeouts[bOffence] &&
        !(nLead > 0 && Get_Game_Quarter(pGame) == 4))
        return Take_Timeout(pGame, bOffence);
    if (!Does_Person_Call_Timeouts(pGame, bDefence, 0) && nLead > 0 &&
        nLeft < DEFENCE_TIMEOUT_SECONDS && Get_Game_Half(pGame) == SECOND_HALF &&
        pGame->anTimeouts[bDefence] > 0)
        return Take_Timeout(pGame, bDefence);
    return 0;
}

// ---- questions of play calling ------------------------------------------------------------------

int Is_Postseason_Game(GAME* pGame) {
    return pGame != NULL && Is_Postseason_Week(pGame->anInfo[GAME_INFO_WEEK]);
}

int Can_Game_End_Tied(GAME* pGame) {
    int nRule = Get_Game_Overtime_Rule(pGame);
    return nRule != RULE_SUDDEN_DEATH_NO_TIES && nRule != RULE_THRESHOLD_NO_TIES;
}

static int Is_Untimed_Overtime(GAME* pGame) {
    return pGame->nClock >= REGULATION_SECONDS && !Can_Game_End_Tied(pGame);
}

int Is_Last_Play_Of_Half(GAME* pGame) {
    if (pGame == NULL || Is_Untimed_Overtime(pGame))
        return 0;
    int nLeft = Get_Half_Seconds_Left(pGame);
    return Is_Clock_Stopped(pGame) ? nLeft < LAST_PLAY_STOPPED_SECONDS
                                   : nLeft < LAST_PLAY_RUNNING_SECONDS;
}

int Does_Period_Expire(GAME* pGame) {
    if (pGame == NULL || Is_Conversion_Try(pGame))
        return 0;
    return pGame->nPlaySeconds >= Get_Period_Seconds_Left(pGame);
}

// Late in a game the offence leads (or the game is decided), it kneels.
int Is_Kneel_Down_Time(GAME* pGame) {
    if (pGame == NULL || Get_Game_Half(pGame) < SECOND_HALF)
        return 0;
    if (Get_Game_Seconds_Left(pGame) >= KNEEL_DOWN_SECONDS)
        return 0;
    int bOffence = Get_Offensive_Side(pGame);
    return pGame->anScores[bOffence] > pGame->anScores[1 - bOffence] || Should_Rest_Starters(pGame);
}
