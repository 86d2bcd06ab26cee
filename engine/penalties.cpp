// Flags on a play from scrimmage: whether one is thrown and of which kind, the player charged, the
// yards enforced (half the distance to the goal at most) and the statistics and telling of it.
#include "engine/engine.h"

#define PENALTY_SECONDS_LEFT 120  // no flags in the last two minutes of a half
#define STAT_TACKLES 2
#define STAT_PENALTIES 10
#define STAT_PENALTY_YARDS 11
#define MAX_INTERFERENCE_YARDS 120
#define UNDRAWN_PASS_DISTANCE 10
#define PENALTY_EVENT_FLAG 41

enum PENALTY_KIND {
    PENALTY_ENCROACHMENT = 0,
    PENALTY_ILLEGAL_CONTACT,
    PENALTY_DEFENSIVE_HOLDING,
    PENALTY_ROUGHING_PASSER,
    PENALTY_ROUGHING_KICKER,
    PENALTY_DEFENSIVE_ROUGHNESS,
    PENALTY_PASS_INTERFERENCE,
    PENALTY_OFFSIDES,
    PENALTY_FALSE_START,
    PENALTY_ILLEGAL_MOTION,
    PENALTY_OFFENSIVE_INTERFERENCE,
    PENALTY_OFFENSIVE_HOLDING,
    PENALTY_GROUNDING,
    PENALTY_CLIPPING,
    PENALTY_BLOCK_IN_BACK,
    PENALTY_OFFENSIVE_ROUGHNESS
};

static const char* const PENALTY_NAMES[PENALTY_KIND_COUNT] = {"Encroachment",
                                                              "Illegal Contact",
                                                              "Defensive Holding",
                                                              "Roughing The Passer",
                                                              "Roughing The Kicker",
                                                              "Unnecessary Roughness",
                                                              "Pass Interference",
                                                              "Offensive Offsides",
                                                              "False Start",
                                                              "Illegal Motion",
                                                              "Offensive Pass Interference",
                                                              "Offensive Holding",
                                                              "Intentional Grounding",
                                                              "Clipping",
                                                              "Block In The Back",
                                                              "Unnecessary Roughness"};

void Get_Penalty_Name(int nKind, char* st, int nSize) {
    if (st == NULL || nSize <= 0)
        return;
    if (nKind < 0 || nKind >= PENALTY_KIND_COUNT) {
        st[0] = 0;
        return;
    }
    safe_strncpy(st, PENALTY_NAMES[nKind], nSize);
}

// The flag as drawn: its kind, the player charged (a roster slot), the signed yards, the automatic
// first down, and the receiver and pass distance of a coverage foul (-1 when not drawn).
typedef struct PENALTY_CALL {
    int nKind;
    int nSlot;
    int nYards;
    int bFirstDown;
    int nTarget;
    int nDistance;
} PENALTY_CALL;

static int Is_Offensive_Foul(int nKind) {
    return nKind >= PENALTY_OFFSIDES;
}

static void Set_Call(PENALTY_CALL* pCall, int nKind, int nSlot, int nYards, int bFirstDown) {
    pCall->nKind = nKind;
    pCall->nSlot = nSlot;
    pCall->nYards = nYards;
    pCall->bFirstDown = bFirstDown;
}

// A fresh chance in 0..999.
static int Draw_Chance(void) {
    return Random_Below(1000);
}

// A defender in coverage on the receiver the pass would have gone to, and how deep it was.
static void Draw_Coverage_Foul(GAME* pGame, PENALTY_CALL* pCall) {
    int bPrimary = 0;
    pCall->nTarget = Choose_Pass_Target(pGame, &bPrimary);
    int nRoute = Get_Offensive_Play_Route(Get_Offensive_Team(pGame),
                                          pGame->currentPlay.nOffensiveCall, pCall->nTarget);
    int nDistance = Random_Range(Get_Route_Min_Depth(nRoute), Get_Route_Max_Depth(nRoute));
    pCall->nDistance = Min_Int(nDistance, pGame->nYardLine);
    pCall->nSlot = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, 6 + Random_Below(2), 1);
}

// A disciplined line avoids some of its procedure and holding fouls.
static int Line_Avoids_Flag(float fDiscipline) {
    return fDiscipline > Random_Float(2.0f);
}

static int Charge_Lineman(GAME* pGame) {
    return Choose_Game_Event_Player(pGame, GROUP_LINE, STAT_PENALTIES, 1);
}

// The chain of independent draws; the first test that passes decides. 0 when no flag is thrown.
static int Draw_Penalty(GAME* pGame, float fDiscipline, int bRun, int bPass, int nDown,
                        PENALTY_CALL* pCall) {
    int bEarlyDown = nDown < THIRD_DOWN;
    if (Draw_Chance() < 10) {
        Set_Call(pCall, PENALTY_ENCROACHMENT, Choose_Game_Event_Player(pGame, GROUP_DEFENCE, 4, 1),
                 5, 0);
        return 1;
    }
    if (Draw_Chance() < 7) {
        static const int HOLDING_STATS[3] = {6, 2, 7};
        int nStat = HOLDING_STATS[Random_Below(3)];
        Set_Call(pCall, PENALTY_DEFENSIVE_HOLDING,
                 Choose_Game_Event_Player(pGame, GROUP_DEFENCE, nStat, 1), 5, 1);
        return 1;
    }
    if (Draw_Chance() < 2 && !bRun) {
        Set_Call(pCall, PENALTY_ROUGHING_PASSER,
                 Choose_Game_Event_Player(pGame, GROUP_DEFENCE, 4, 1), 15, 1);
        return 1;
    }
    if (Draw_Chance() < 2) {
        Set_Call(pCall, PENALTY_DEFENSIVE_ROUGHNESS,
                 Choose_Game_Event_Player(pGame, GROUP_DEFENCE, 2, 1), 15, 1);
        return 1;
    }
    if (Draw_Chance() < 4 && bPass) {
        Draw_Coverage_Foul(pGame, pCall);
        Set_Call(pCall, PENALTY_ILLEGAL_CONTACT, pCall->nSlot, 5, 1);
        return 1;
    }
    if (Draw_Chance() < 6 && bPass) {
        Draw_Coverage_Foul(pGame, pCall);
        pCall->nDistance = Clamp(pCall->nDistance, 1, MAX_INTERFERENCE_YARDS);
        Set_Call(pCall, PENALTY_PASS_INTERFERENCE, pCall->nSlot, pCall->nDistance, 1);
        return 1;
    }
    if (Draw_Chance() < 17) {
        if (Line_Avoids_Flag(fDiscipline))
            return 0;
        Set_Call(pCall, PENALTY_OFFSIDES, Charge_Lineman(pGame), -5, 0);
        return 1;
    }
    if (Draw_Chance() < 15) {
        if (Line_Avoids_Flag(fDiscipline))
            return 0;
        Set_Call(pCall, PENALTY_FALSE_START, Charge_Lineman(pGame), -5, 0);
        return 1;
    }
    if (Draw_Chance() < 5 && !bRun && bEarlyDown) {
        Set_Call(pCall, PENALTY_OFFENSIVE_INTERFERENCE,
                 Choose_Game_Event_Player(pGame, GROUP_SKILL, STAT_PENALTY_YARDS, 1), -10, 0);
        return 1;
    }
    if (Draw_Chance() < 15 * (bRun ? 1 : 0) + 5 && bEarlyDown) {
        if (Line_Avoids_Flag(fDiscipline))
            return 0;
        Set_Call(pCall, PENALTY_OFFENSIVE_HOLDING, Charge_Lineman(pGame), -10, 0);
        return 1;
    }
    static const int LATE_FOULS[3][3] = {{PENALTY_CLIPPING, 1, -15},
                                         {PENALTY_BLOCK_IN_BACK, 3, -10},
                                         {PENALTY_OFFENSIVE_ROUGHNESS, 2, -15}};
    for (const int* pFoul : LATE_FOULS) {
        if (Draw_Chance() < pFoul[1] && bEarlyDown) {
            Set_Call(pCall, pFoul[0], Charge_Lineman(pGame), pFoul[2], 0);
            return 1;
        }
    }
    return 0;
}

// Half the distance to the goal at most; pass interference reaching the goal line puts the ball
// at the 1.
static int Enforce_Yards(int nKind, int nYards, int L) {
    if (nYards > 0) {
        if (nKind == PENALTY_PASS_INTERFERENCE && nYards >= L)
            return L - 1;
        return Min_Int(nYards, L / 2);
    }
    return Max_Int(nYards, (L - 100) / 2);
}

static void Credit_Penalty(GAME* pGame, const PENALTY_CALL* pCall, int bSide, int nAbsYards) {
    int nTeam = pGame->anTeams[bSide];
    int nGroup = Is_Offensive_Foul(pCall->nKind) ? GROUP_LINE : GROUP_DEFENCE;
    if (pCall->nKind != PENALTY_OFFENSIVE_INTERFERENCE &&
        Is_Valid_Player_Index(nTeam, pCall->nSlot) &&
        Get_Player_Position_Group(nTeam, pCall->nSlot) == nGroup) {
        Increment_Player_Stat(nTeam, pCall->nSlot, STAT_PENALTIES, 1);
        Increment_Player_Stat(nTeam, pCall->nSlot, STAT_PENALTY_YARDS, nAbsYards);
    }
    if (!Is_Try_Play(pGame)) {
        Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_PENALTIES, 1);
        Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_PENALTY_YARDS, nAbsYards);
    }
}

// The snap goes off before the flag: a short run that counts as a run, or an incompletion.
static void Play_Out_Snap(GAME* pGame, const PENALTY_CALL* pCall, int bRun) {
    int bSide = Get_Offensive_Side(pGame);
    if (bRun) {
        uint8_t nCarrier = Get_Ball_Carrier_Slot(pGame);
        int nTackler = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_TACKLES, 0);
        int nGain = Min_Int(Random_Below(7) - 2, pGame->nYardLine / 2);
        Credit_Rushing_Line(nCarrier, pGame, nGain, Get_Run_Kind(pGame, 0));
        Narrate_Play_Event(pGame, KICK_EVENT_TACKLED, nGain, 0, 0,
                           Get_Play_Player_Id(pGame, bSide, nCarrier),
                           Get_Play_Player_Id(pGame, 1 - bSide, (uint8_t)nTackler));
        return;
    }
    int nDefender = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_TACKLES, 0);
    if (Is_Drop_Back_Play(pGame))
        Narrate_Play_Event(pGame, 2, 0, 0, 0,
                           Get_Play_Player_Id(pGame, bSide, Get_On_Field_Slot(pGame, bSide, 0)),
                           -1);
    int nTarget = pCall->nTarget;
    if (nTarget < 0)
        nTarget = Clamp(Get_Offensive_Play_Primary_Player(Get_Offensive_Team(pGame),
                                                          pGame->currentPlay.nOffensiveCall) -
                            1,
                        0, PLAY_RECEIVERS - 1);
    Narrate_Incomplete_Pass(pGame, nTarget, nDefender,
                            pCall->nDistance >= 0 ? pCall->nDistance : UNDRAWN_PASS_DISTANCE);
}

static int Is_Dead_Ball_Foul(int nKind) {
    return nKind == PENALTY_ENCROACHMENT || nKind == PENALTY_OFFSIDES ||
           nKind == PENALTY_FALSE_START;
}

static int Is_Untold_Foul(int nKind) {
    return nKind == PENALTY_ROUGHING_KICKER || nKind == PENALTY_ILLEGAL_MOTION ||
           nKind == PENALTY_GROUNDING || nKind == PENALTY_BLOCK_IN_BACK;
}

int Check_For_Penalty(GAME* pGame) {
    if (pGame == NULL)
        return 0;
    int nTeam = Get_Offensive_Team(pGame);
    int nCall = pGame->currentPlay.nOffensiveCall;
    int bRun = Is_Run_Play(nTeam, nCall);
    int bPass = Is_Pass_Play(nTeam, nCall);
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    if ((!bRun && !bPass) || nDown > THIRD_DOWN ||
        Get_Half_Seconds_Left(pGame) < PENALTY_SECONDS_LEFT)
        return 0;
    float fDiscipline = Get_Line_Discipline_Strength(pGame);
    PENALTY_CALL call = {-1, NO_SLOT_BYTE, 0, 0, -1, -1};
    if (!Draw_Penalty(pGame, fDiscipline, bRun, bPass, nDown, &call))
        return 0;
    int bPenalised =
        Is_Offensive_Foul(call.nKind) ? Get_Offensive_Side(pGame) : Get_Defensive_Side(pGame);
    int nYards = Enforce_Yards(call.nKind, call.nYards, pGame->nYardLine);
    int nAbsYards = nYards < 0 ? -nYards : nYards;
    Credit_Penalty(pGame, &call, bPenalised, nAbsYards);
    Narrate_Snap(pGame);
    int bSnap = !Is_Dead_Ball_Foul(call.nKind);
    if (bSnap && !Is_Untold_Foul(call.nKind))
        Play_Out_Snap(pGame, &call, bRun);
    int nPlayerId = Get_Play_Player_Id(pGame, bPenalised, (uint8_t)call.nSlot);
    Narrate_Play_Event(pGame, PENALTY_EVENT_FLAG, nYards, bPenalised, bSnap, nPlayerId, -1);
    pGame->currentPlay.nPlayer1 = nPlayerId;
    pGame->currentPlay.nYard1 = (int8_t)nAbsYards;
    pGame->currentPlay.nYard2 = (int8_t)call.nKind;
    Set_Play_Result(&pGame->currentPlay, RESULT_PENALTY);
    pGame->nPlayYards = (int8_t)nYards;
    if (call.bFirstDown)
        pGame->nYardsToGo = 0;
    pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + 5 + Random_Below(5));
    return 1;
}
