// What a pass outcome does: yards, clock, possession, returns and the statistics of the passer,
// the receiver and the defenders.
#include "engine/engine.h"

// Statistics: offence (group 0) and defence (group 2).
#define STAT_PASS_ATTEMPT 2
#define STAT_COMPLETION 3
#define STAT_INTERCEPTION_THROWN 4
#define STAT_PASSING_YARDS 5
#define STAT_PASSING_TD 6
#define STAT_YARDS_AFTER_CATCH 6
#define STAT_RECEPTION 10
#define STAT_RECEIVING_YARDS 11
#define STAT_RECEIVING_TD 12
#define STAT_FUMBLE_LOST 13
#define STAT_TACKLE 2
#define STAT_SACK_HALF 4
#define STAT_FORCED_FUMBLE 5
#define STAT_PASS_DEFENSED 6
#define STAT_INTERCEPTION 7
#define STAT_FUMBLE_RECOVERY 8
#define STAT_DEFENSIVE_TD 9
// Game team counters.
#define TEAM_STAT_FUMBLES 7
#define TEAM_STAT_FUMBLES_LOST 8
// Narration events.
#define EVENT_ROOM_TO_RUN 20
#define EVENT_TACKLED 21
#define EVENT_INTERCEPTION 22
#define EVENT_FAKE 24
#define EVENT_BITES 25
#define EVENT_LONG_RUN 28
#define EVENT_FUMBLE 29
#define EVENT_POSSESSION 31
#define EVENT_PICKED_UP 32
#define EVENT_TOUCHDOWN 34
#define EVENT_TURNOVER_ON_DOWNS 49
#define HURRY_SIDELINE_CHANCE 30
#define MAX_RETURN 110

typedef struct PASS {
    int bSide;  // the passing side, fixed before any change of possession
    int nOffence;
    int nDefence;
    int nPasser;
    int nReceiver;
    int nCatch;
    int nTotal;
} PASS;

static int Passer_Id(GAME* pGame, const PASS* p) {
    return Get_Play_Player_Id(pGame, p->bSide, p->nPasser);
}

static int Receiver_Id(GAME* pGame, const PASS* p) {
    return Get_Play_Player_Id(pGame, p->bSide, p->nReceiver);
}

static int Defender_Id(GAME* pGame, const PASS* p, int nSlot) {
    return Get_Play_Player_Id(pGame, 1 - p->bSide, nSlot);
}

static void Credit_Passer(GAME* pGame, const PASS* p, int nStat, int nAmount) {
    if (Is_Valid_Player_Index(p->nOffence, p->nPasser) &&
        Is_Player_Quarterback(p->nOffence, p->nPasser))
        Credit_Player_Game_Event(p->nOffence, pGame, p->nPasser, GROUP_SKILL, nStat, nAmount);
}

// Receiving statistics go to receivers of the skill group (not to a quarterback).
static void Credit_Receiver(GAME* pGame, const PASS* p, int nStat, int nAmount) {
    if (Is_Valid_Player_Index(p->nOffence, p->nReceiver) &&
        Get_Player_Position_Group(p->nOffence, p->nReceiver) == GROUP_SKILL)
        Credit_Player_Game_Event(p->nOffence, pGame, p->nReceiver, GROUP_SKILL, nStat, nAmount);
}

static void Credit_Defender(GAME* pGame, const PASS* p, int nSlot, int nStat, int nAmount) {
    Credit_Player_Game_Event(p->nDefence, pGame, nSlot, GROUP_DEFENCE, nStat, nAmount);
}

static void Add_Seconds(GAME* pGame, int nSeconds) {
    pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + nSeconds);
}

static int Is_Fourth_Down(GAME* pGame) {
    return (pGame->nFlags & GAME_FLAG_DOWN_MASK) == FOURTH_DOWN;
}

static void Fall_Incomplete(GAME* pGame, const PASS* p, int nOutcome) {
    Set_Play_Yards(pGame, 0);
    pGame->nFlags &= ~(GAME_FLAG_OTHER_STOP | GAME_FLAG_POSSESSION_CHANGED);
    pGame->nFlags |= GAME_FLAG_TIMEOUT_STOP;
    Add_Seconds(pGame, p->nTotal / 10 + 4 + Random_Below(5));
    Credit_Passer(pGame, p, STAT_PASS_ATTEMPT, 1);
    Increment_Game_Team_Total(pGame, p->bSide, GAME_TOTAL_PASS_ATTEMPTS, 1);
    pGame->currentPlay.nPlayer1 = Receiver_Id(pGame, p);
    pGame->currentPlay.nPlayer2 = Passer_Id(pGame, p);
    int nDefender = NO_SLOT_BYTE;
    if (nOutcome == PASS_KNOCKED_DOWN) {
        nDefender = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_PASS_DEFENSED, 0);
        Credit_Defender(pGame, p, nDefender, STAT_PASS_DEFENSED, 1);
        pGame->currentPlay.nPlayer1 = Defender_Id(pGame, p, nDefender);
        pGame->currentPlay.nPlayer2 = Receiver_Id(pGame, p);
    }
    Narrate_Incomplete_Pass(pGame, p->nReceiver, nDefender, p->nCatch);
    if (Is_Fourth_Down(pGame) && !Does_Play_End_Half(pGame))
        Narrate_Play_Event(pGame, EVENT_TURNOVER_ON_DOWNS, 0, 0, 0, -1, -1);
}

static void Complete(GAME* pGame, const PASS* p, int nRoute) {
    int bHurry = Is_Offense_Hurrying(pGame);
    int nChance = Get_Route_Out_Of_Bounds_Chance(nRoute) + (bHurry ? HURRY_SIDELINE_CHANCE : 0);
    int bOutOfBounds = Random_Below(100) < nChance;
    if (bOutOfBounds)
        Set_Out_Of_Bounds(pGame);
    int nYardLine = pGame->nYardLine;
    int nYards = Min_Int(p->nTotal, 120);
    Add_Seconds(pGame, p->nTotal / 5 + Random_Below(6) + 5);
    if (p->nCatch > p->nTotal)
        Report_Error("nCatchLocation [%d] exceeds nDistance [%d] in Implement_Pass_Result()",
                     p->nCatch, p->nTotal);
    int nResult = RESULT_COMPLETE;
    if (nYards < nYardLine) {
        if (nYardLine - nYards >= 100) {
            nResult = RESULT_SAFETY;
            nYards = nYardLine - 100;
        }
        Set_Play_Yards(pGame, nYards);
        if (!(bOutOfBounds && bHurry)) {
            int nTackler = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_TACKLE, 0);
            Credit_Defender(pGame, p, nTackler, STAT_TACKLE, 1);
        }
    } else {
        nYards = nYardLine;
        if (Is_Try_Play(pGame)) {
            nResult = RESULT_TWO_POINT_GOOD;
        } else {
            nResult = RESULT_TOUCHDOWN_PASS;
            Credit_Passer(pGame, p, STAT_PASSING_TD, 1);
            Credit_Receiver(pGame, p, STAT_RECEIVING_TD, 1);
        }
    }
    Set_Play_Result(&pGame->currentPlay, nResult);
    Set_Play_Yards(pGame, nYards);
    // The statistics count the ball's travel on the field, never past the goal line.
    Credit_Passer(pGame, p, STAT_PASS_ATTEMPT, 1);
    Credit_Passer(pGame, p, STAT_COMPLETION, 1);
    Credit_Passer(pGame, p, STAT_PASSING_YARDS, nYards);
    Credit_Receiver(pGame, p, STAT_RECEPTION, 1);
    Credit_Receiver(pGame, p, STAT_RECEIVING_YARDS, nYards);
    Credit_Receiver(pGame, p, STAT_YARDS_AFTER_CATCH, Max_Int(nYards - p->nCatch, 0));
    Increment_Game_Team_Total(pGame, p->bSide, GAME_TOTAL_PASS_ATTEMPTS, 1);
    Increment_Game_Team_Total(pGame, p->bSide, GAME_TOTAL_COMPLETIONS, 1);
    Increment_Game_Team_Total(pGame, p->bSide, GAME_TOTAL_PASSING_YARDS, nYards);
    pGame->currentPlay.nPlayer1 = Receiver_Id(pGame, p);
    pGame->currentPlay.nPlayer2 = Passer_Id(pGame, p);
    if (Is_Game_Watched(pGame) &&
        Is_Play_Action_Play(p->nOffence, pGame->currentPlay.nOffensiveCall) &&
        Random_Below(2) == 0) {
        if (Random_Below(100) < 30)
            Narrate_Play_Event(pGame, EVENT_FAKE, 0, 0, 0, Passer_Id(pGame, p), -1);
        else if (Random_Below(2) == 0)
            Narrate_Play_Event(pGame, EVENT_BITES, 0, 0, 0, -1, -1);
    }
    Narrate_Completed_Pass(pGame, p->nReceiver, nYards - p->nCatch, p->nCatch);
}

// The interceptor's return from the catch point; an end-zone pick not brought out is spotted
// 1 to 10 yards out.
static void Intercept(GAME* pGame, const PASS* p) {
    pGame->nFlags &= ~GAME_FLAG_CLOCK_STOPPED;
    Add_Seconds(pGame, p->nTotal / 10 + Random_Below(10) + 6);
    int nInterceptor = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_INTERCEPTION, 0);
    float fSpeed = Get_Player_Rating(p->nDefence, nInterceptor, RATING_SPEED);
    int k = p->nCatch < 4 ? 5 - p->nCatch : 1;
    int l = Random_Below_Float(fSpeed / 6.0f + k);
    l *= Random_Below(13);
    l -= Random_Below(80);
    if (Random_Below(100) <= 29)
        l /= 5;
    l = Clamp(l, 0, MAX_RETURN);
    int nYards = Clamp(l - p->nCatch, -120, 120);
    int nDefender = NO_SLOT_BYTE;
    if (Random_Below(100) < 25)
        nDefender = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_PASS_DEFENSED, 0);
    else if (Random_Below(100) <= 32)
        nDefender = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_SACK_HALF, 0);
    Narrate_Incomplete_Pass(pGame, p->nReceiver, nDefender, p->nCatch);
    int nInterceptorId = Defender_Id(pGame, p, nInterceptor);
    Narrate_Play_Event(pGame, EVENT_INTERCEPTION, 0, 0, 0, nInterceptorId, -1);
    Credit_Passer(pGame, p, STAT_PASS_ATTEMPT, 1);
    Credit_Passer(pGame, p, STAT_INTERCEPTION_THROWN, 1);
    Credit_Defender(pGame, p, nInterceptor, STAT_INTERCEPTION, 1);
    Increment_Game_Team_Total(pGame, p->bSide, GAME_TOTAL_PASS_ATTEMPTS, 1);
    Increment_Game_Team_Total(pGame, p->bSide, GAME_TOTAL_TURNOVERS, 1);
    Turn_Ball_Over(pGame);
    int bTouchdown = nYards >= pGame->nYardLine;
    if (bTouchdown) {
        nYards = pGame->nYardLine;
        Credit_Defender(pGame, p, nInterceptor, STAT_DEFENSIVE_TD, 1);
        Increment_Universe_Stat(UNIVERSE_INT_RETURN_TDS);
        Set_Play_Result(&pGame->currentPlay, RESULT_INTERCEPTION_TOUCHDOWN);
    } else if (pGame->nYardLine - nYards >= 100) {
        nYards = pGame->nYardLine - (99 - Random_Below(10));
    }
    Set_Play_Yards(pGame, nYards);
    if (l > 30 + Random_Below(20)) {
        if (Random_Below(2) == 0)
            Narrate_Play_Event(pGame, EVENT_ROOM_TO_RUN, 0, 0, 0, nInterceptorId, -1);
        Narrate_Play_Event(pGame, EVENT_LONG_RUN, 0, l, 0, nInterceptorId, -1);
    }
    pGame->currentPlay.nPlayer1 = nInterceptorId;
    pGame->currentPlay.nPlayer2 = Receiver_Id(pGame, p);
    if (bTouchdown) {
        Narrate_Play_Event(pGame, EVENT_TOUCHDOWN, 0, 0, 0, nInterceptorId, -1);
        return;
    }
    int nTackler;
    if (p->nCatch < 2 && p->nTotal > 10)
        nTackler = Get_On_Field_Slot(pGame, p->bSide, 3 + Random_Below(4));
    else
        nTackler = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, EVENT_ANY_PLAYER, 0);
    Narrate_Play_Event(pGame, EVENT_TACKLED, nYards, 0, 0,
                       Get_Play_Player_Id(pGame, p->bSide, nTackler), -1);
}

// The loss of a sack; one that reaches the own end zone is a safety.
static int Get_Sack_Loss(GAME* pGame, const PASS* p, int* pbSafety) {
    int h = 5 + Random_Below(5);
    int nLoss = Max_Int(Min_Int(h, (h + p->nTotal) / 2), 0);
    *pbSafety = pGame->nYardLine + nLoss >= 100;
    if (*pbSafety)
        nLoss = 100 - pGame->nYardLine;
    return nLoss;
}

static void Sack(GAME* pGame, const PASS* p) {
    int bSafety = 0;
    int nLoss = Get_Sack_Loss(pGame, p, &bSafety);
    pGame->nFlags &= ~GAME_FLAG_POSSESSION_CHANGED;
    Set_Play_Result(&pGame->currentPlay, bSafety ? RESULT_SAFETY : RESULT_SACK);
    Set_Play_Yards(pGame, -nLoss);
    Add_Seconds(pGame, 5 + Random_Below(5));
    int nSacker = Credit_Sack(pGame, p->nPasser);
    pGame->currentPlay.nPlayer1 = Passer_Id(pGame, p);
    pGame->currentPlay.nPlayer2 = Defender_Id(pGame, p, nSacker);
    Narrate_Sack(pGame, nSacker);
    if (Is_Fourth_Down(pGame) && !Does_Play_End_Half(pGame) && !bSafety)
        Narrate_Play_Event(pGame, EVENT_TURNOVER_ON_DOWNS, 0, 0, 0, -1, -1);
}

static void Sack_Fumble(GAME* pGame, const PASS* p) {
    int bSafety = 0;
    int nLoss = Get_Sack_Loss(pGame, p, &bSafety);
    Set_Play_Result(&pGame->currentPlay, RESULT_FUMBLE_LOST);
    Add_Seconds(pGame, 7 + Random_Below(7));
    int nSacker = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_SACK_HALF, 0);
    int nRecoverer = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_FUMBLE_RECOVERY, 0);
    int nRecovererId = Defender_Id(pGame, p, nRecoverer);
    Narrate_Play_Event(pGame, EVENT_FUMBLE, 0, 0, 0, Passer_Id(pGame, p), -1);
    Increment_Game_Team_Total(pGame, p->bSide, GAME_TOTAL_TURNOVERS, 1);
    Increment_Game_Team_Stat(pGame, p->bSide, TEAM_STAT_FUMBLES);
    Increment_Game_Team_Stat(pGame, p->bSide, TEAM_STAT_FUMBLES_LOST);
    Credit_Defender(pGame, p, nSacker, STAT_FORCED_FUMBLE, 1);
    Credit_Defender(pGame, p, nSacker, STAT_SACK_HALF, 2);
    Credit_Defender(pGame, p, nSacker, STAT_TACKLE, 1);
    Credit_Defender(pGame, p, nRecoverer, STAT_FUMBLE_RECOVERY, 1);
    Credit_Player_Game_Event(p->nOffence, pGame, p->nPasser, GROUP_SKILL, STAT_FUMBLE_LOST, 1);
    Set_Play_Yards(pGame, -nLoss);
    Record_Sack(pGame, p->nPasser);
    pGame->currentPlay.nPlayer1 = nRecovererId;
    pGame->currentPlay.nPlayer2 = Passer_Id(pGame, p);
    float fSpeed = Get_Player_Rating(p->nDefence, nRecoverer, RATING_SPEED) / 6.0f;
    Turn_Ball_Over(pGame);
    int r = Random_Below_Float(fSpeed);
    r *= Random_Below_Float(fSpeed);
    r -= Random_Below(50);
    r = Clamp(r, 0, MAX_RETURN);
    int nYards = nLoss + r;
    int bTouchdown = nYards >= pGame->nYardLine;
    if (bTouchdown) {
        nYards = pGame->nYardLine;
        Credit_Defender(pGame, p, nRecoverer, STAT_DEFENSIVE_TD, 1);
        Increment_Universe_Stat(UNIVERSE_FUMBLE_RETURN_TDS);
        Stop_Play_Clock(pGame);
        Set_Play_Result(&pGame->currentPlay, RESULT_FUMBLE_TOUCHDOWN);
    }
    Set_Play_Yards(pGame, nYards);
    if (r <= 4) {
        Narrate_Play_Event(pGame, EVENT_POSSESSION, 0, 0, 0, nRecovererId, -1);
        return;
    }
    Narrate_Play_Event(pGame, EVENT_PICKED_UP, 0, 0, 0, nRecovererId, -1);
    if (r >= 31)
        Narrate_Play_Event(pGame, EVENT_LONG_RUN, 0, r, 0, nRecovererId, -1);
    else if (r >= 13)
        Narrate_Play_Event(pGame, EVENT_ROOM_TO_RUN, 0, 0, 0, nRecovererId, -1);
    if (!bTouchdown) {
        int nTackler = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, EVENT_ANY_PLAYER, 0);
        Narrate_Play_Event(pGame, EVENT_TACKLED, nYards, 0, 0,
                           Get_Play_Player_Id(pGame, p->bSide, nTackler), -1);
    }
}

void Implement_Pass_Result(GAME* pGame, int nReceiver, int nOutcome, int nRoute, int nCatch,
                           int nTotal) {
    PASS pass;
    pass.bSide = Get_Offensive_Side(pGame);
    pass.nOffence = pGame->anTeams[pass.bSide];
    pass.nDefence = Get_Defensive_Team(pGame);
    pass.nPasser = Get_On_Field_Slot(pGame, pass.bSide, 0);
    pass.nReceiver = nReceiver;
    pass.nCatch = nCatch;
    pass.nTotal = nTotal;
    Set_Play_Result(&pGame->currentPlay, nOutcome);
    switch (nOutcome) {
    case PASS_INCOMPLETE:
    case PASS_KNOCKED_DOWN: Fall_Incomplete(pGame, &pass, nOutcome); break;
    case PASS_COMPLETE: Complete(pGame, &pass, nRoute); break;
    case PASS_INTERCEPTED: Intercept(pGame, &pass); break;
    case PASS_SACKED: Sack(pGame, &pass); break;
    case PASS_SACK_FUMBLE: Sack_Fumble(pGame, &pass); break;
    default: Report_Error("Invalid value in Implement_Pass_Result()"); break;
    }
}
