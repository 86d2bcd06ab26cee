// The run model: the yards of a designed run or a scramble from the carrier's ratings and the
// unit strengths, the tackle, and the fumbles the carrier's side keeps or loses.
#include <math.h>

#include "engine/engine.h"

// Statistics (group, id).
#define STAT_TACKLE 2
#define STAT_ASSIST 3
#define STAT_FORCED_FUMBLE 5
#define STAT_FUMBLE_RECOVERY 8
#define STAT_DEFENSIVE_TD 9
#define STAT_RUSHING_TD 9
#define STAT_FUMBLE_LOST 13
// Game team counters.
#define TEAM_STAT_FUMBLES 7
#define TEAM_STAT_FUMBLES_LOST 8
#define HISTORICAL_YARDS_PER_RUSH 112
// Narration events.
#define EVENT_BLOCK 3
#define EVENT_HIT 16
#define EVENT_EXTRA_YARDS 17
#define EVENT_BREAKS_TACKLE 19
#define EVENT_ROOM_TO_RUN 20
#define EVENT_TACKLED 21
#define EVENT_LONG_RUN 28
#define EVENT_FUMBLE 29
#define EVENT_PILE 30
#define EVENT_POSSESSION 31
#define EVENT_PICKED_UP 32
#define EVENT_TOUCHDOWN 34
#define EVENT_FIRST_DOWN 35
#define EVENT_TURNOVER_ON_DOWNS 49
#define EVENT_SCRAMBLE 50
#define EVENT_DROP_BACK 2
#define EVENT_COVERAGE 9
#define MAX_RUN_YARDS 100
#define MIN_RUN_YARDS (-5)
#define MAX_GAIN 120
#define MAX_RETURN 110

// The players of one run.
typedef struct RUN {
    int bScramble;
    int nKind;
    int nCarrier;
    int nTackler;
    int nFumble;  // lost fumbles per 10,000 carries
} RUN;

static int Offence_Id(GAME* pGame, int nSlot) {
    return Get_Play_Player_Id(pGame, Get_Offensive_Side(pGame), nSlot);
}

static int Defence_Id(GAME* pGame, int nSlot) {
    return Get_Play_Player_Id(pGame, Get_Defensive_Side(pGame), nSlot);
}

static void Credit_Defender(GAME* pGame, int nSlot, int nStat) {
    Credit_Player_Game_Event(Get_Defensive_Team(pGame), pGame, nSlot, GROUP_DEFENCE, nStat, 1);
}

static int Is_Kneel_Call(GAME* pGame) {
    return Get_Offensive_Play_Type(Get_Offensive_Team(pGame), pGame->currentPlay.nOffensiveCall) ==
           PLAY_KNEEL;
}

// The covering defender of the target is named before the quarterback takes off.
static void Narrate_Scramble_Start(GAME* pGame, int nPasser) {
    if (!Is_Game_Watched(pGame))
        return;
    if (Is_Drop_Back_Play(pGame))
        Narrate_Play_Event(pGame, EVENT_DROP_BACK, 0, 0, 0, Offence_Id(pGame, nPasser), -1);
    int bPrimary = 0;
    int nTarget = Choose_Pass_Target(pGame, &bPrimary);
    if (bPrimary) {
        int nDefender = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, 6, 0);
        Narrate_Play_Event(pGame, EVENT_COVERAGE, 0, 0, 0, Defence_Id(pGame, nDefender),
                           Offence_Id(pGame, Get_Receiver_Slot(pGame, nTarget)));
    }
    Narrate_Play_Event(pGame, EVENT_SCRAMBLE, 0, 0, 0, Offence_Id(pGame, nPasser), -1);
}

// The lineman at the hole is looked for first; the yards he must spring are drawn only for him.
static void Narrate_Block(GAME* pGame, const RUN* pRun, int nYards, int nLeast, int nRange) {
    uint8_t nBlocker = Find_Point_Of_Attack_Blocker(pGame);
    if (nBlocker == NO_SLOT_BYTE || nBlocker == pRun->nCarrier || pRun->bScramble)
        return;
    if (nYards > nLeast + Random_Below(nRange))
        Narrate_Play_Event(pGame, EVENT_BLOCK, 0, 0, 0, Offence_Id(pGame, nBlocker), -1);
}

static void Narrate_Long_Run(GAME* pGame, int nYards, int nStart) {
    if (nYards > 9 + Random_Below(5) && nYards > 24 + Random_Below(5))
        Narrate_Play_Event(pGame, EVENT_LONG_RUN, nStart, nYards - nStart, 0, -1, -1);
}

// Told only while the game is watched; broken tackles and long runs are kept by no statistic.
static void Narrate_Run(GAME* pGame, const RUN* pRun, int nYards, int bClockRan) {
    if (!Is_Game_Watched(pGame))
        return;
    int nCarrierId = Offence_Id(pGame, pRun->nCarrier);
    int nTacklerId = Defence_Id(pGame, pRun->nTackler);
    if (nYards < 0 && bClockRan) {
        Narrate_Play_Event(pGame, EVENT_HIT, 0, 0, 0, nTacklerId, -1);
        return;
    }
    if (Random_Below(100) > 9) {
        if (nYards < 2 + Random_Below(7)) {
            if (Random_Below(2) == 0)
                return;
            Narrate_Play_Event(pGame, EVENT_HIT, 0, 0, 0, nTacklerId, -1);
            if (nYards > 4 + Random_Below(10))
                Narrate_Play_Event(pGame, EVENT_EXTRA_YARDS, 0, 0, 0, nTacklerId, nCarrierId);
            return;
        }
        Narrate_Block(pGame, pRun, nYards, 5, 12);
        if (Random_Below(100) < 35 && nYards > 5) {
            int nDefender = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, EVENT_ANY_PLAYER, 0);
            Narrate_Play_Event(pGame, EVENT_HIT, 0, 0, 0, Defence_Id(pGame, nDefender), -1);
            if (Random_Below(100) < 15 && nYards < 20)
                Narrate_Play_Event(pGame, EVENT_EXTRA_YARDS, 0, 0, 0, nTacklerId, nCarrierId);
            Narrate_Play_Event(pGame, EVENT_BREAKS_TACKLE, 0, 0, 0, nCarrierId,
                               Defence_Id(pGame, nDefender));
        }
        Narrate_Long_Run(pGame, nYards, 10);
        return;
    }
    uint8_t nFront = Get_On_Field_Slot(pGame, Get_Defensive_Side(pGame), Random_Below(4));
    if (nFront != pRun->nTackler && nYards > 5)
        Narrate_Play_Event(pGame, EVENT_HIT, 0, 0, 0, Defence_Id(pGame, nFront), -1);
    Narrate_Block(pGame, pRun, nYards, 3, 20);
    Narrate_Long_Run(pGame, nYards, 15);
}

// The expected gain in yards: carrier, blocking against run defence and pursuit, the matchup of
// the calls, the designed gain, near the goal line less, calibrated to the league's season.
static double Get_Expected_Run_Yards(GAME* pGame, const RUN* pRun, int nDesigned) {
    int nTeam = Get_Offensive_Team(pGame);
    int nCarrier = pRun->nCarrier;
    double fSpeed = Get_Player_Rating(nTeam, nCarrier, RATING_SPEED);
    double fPower = Get_Player_Rating(nTeam, nCarrier, RATING_POWER);
    double fQuickness = Get_Player_Rating(nTeam, nCarrier, RATING_QUICKNESS);
    double fVision = Get_Player_Rating(nTeam, nCarrier, RATING_VISION);
    double a =
        (0.2 * fPower + 0.25 * fSpeed + 0.25 * fQuickness + 0.3 * fVision + 100.0) / 185.0 - 1.0;
    int nYear = Get_Season_Year();
    if (nYear > 1995)
        a = (50 - Max_Int(0, Min_Int(2015 - nYear, 20))) / 50.0 * a;
    double l = Get_Historical_Average_Stat(HISTORICAL_YARDS_PER_RUSH, nYear) / 100.0;
    double k1 = Get_Run_Blocking_Strength(pGame);
    double k2 = Get_Run_Defense_Strength(pGame);
    double k3 = Get_Tackling_Strength(pGame);
    double m = Get_Run_Defence_Multiplier(pGame, pGame->currentPlay.nOffensiveCall,
                                          pGame->currentPlay.nDefensiveCall);
    double k4 = Get_Skill_Position_Strength(pGame);
    if (m <= 0.0)
        m = 1.0;
    double i =
        (0.8 * k4 + 0.2) * ((a + 1.0) * l * ((k1 + 9.0) / 10.0) * (2.5 - k2 - 0.5 * k3) / m) - 0.3 +
        nDesigned / 20.0;
    i = Scale_Near_Goal_2(pGame, (float)i);
    if (gCurrentWeek >= 3) {
        double q = l / fmax(Get_League_Average(0) / 100.0, 2.0);
        i *= pow(q, gCurrentWeek / 3);
    }
    return i;
}

// The run's yards, before the breakaway, in tenths and then whole yards.
static int Get_Run_Yards(GAME* pGame, const RUN* pRun, int nDesigned, int* pBase) {
    int nTeam = Get_Offensive_Team(pGame);
    int nCarrier = pRun->nCarrier;
    double i = Get_Expected_Run_Yards(pGame, pRun, nDesigned);
    int nBase = Min_Int((int)(0.8 * i * Get_Run_Weather_Factor(pGame)), 15);
    *pBase = nBase;
    int k = Random_Spread(10 * nBase, 700);
    int nSpread = 6 * nDesigned + 10;
    k += Random_Below(nSpread);
    k -= Random_Below(nSpread);
    int bQuarterback = Get_Player_Vital_Stat(nTeam, nCarrier, VITAL_POSITION) == POS_QB;
    if (nDesigned < 4) {
        float fPower = Get_Player_Rating(nTeam, nCarrier, RATING_POWER);
        if (bQuarterback)
            fPower = (fPower + 90.0f) / 2.0f;
        k += ((int)fPower - 70) * (4 - nDesigned) / 6;
    }
    k -= Random_Below(11);
    if (k / 10 >= pGame->nYardLine - 3) {
        if (bQuarterback)
            k += Random_Below(21);
        else
            k += (int)(((int)Get_Player_Rating(nTeam, nCarrier, RATING_RED_ZONE) - 75) * 0.5);
    }
    return Clamp((k + 5) / 10, MIN_RUN_YARDS, MAX_RUN_YARDS);
}

// Now and then a fast, elusive carrier breaks away.
static int Add_Breakaway(GAME* pGame, const RUN* pRun, int nYards, int nBase) {
    if (Random_Unit() >= fmin(nBase / 200.0, 0.05))
        return nYards;
    int nTeam = Get_Offensive_Team(pGame);
    auto Over_50 = [&](int nRating) {
        return fmax(Get_Player_Rating(nTeam, pRun->nCarrier, nRating) - 50.0, 0.0) / 5.0;
    };
    double fRange = Over_50(RATING_RED_ZONE) * Over_50(RATING_SPEED) * Over_50(RATING_QUICKNESS);
    return Min_Int(nYards + Random_Below_Float(fRange + 5.0), MAX_GAIN);
}

// One tackler, or two who share it (the same one drawn twice makes it his alone).
static int Credit_Run_Tackle(GAME* pGame, int bAlone) {
    if (bAlone || Random_Below(100) < 55) {
        int nTackler = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_TACKLE, 0);
        Credit_Defender(pGame, nTackler, STAT_TACKLE);
        return nTackler;
    }
    int nFirst = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_ASSIST, 0);
    int nSecond = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_ASSIST, 0);
    if (nFirst == nSecond) {
        Credit_Defender(pGame, nFirst, STAT_TACKLE);
    } else {
        Credit_Defender(pGame, nFirst, STAT_ASSIST);
        Credit_Defender(pGame, nSecond, STAT_ASSIST);
    }
    return nFirst;
}

// The carrier fumbles but a team-mate falls on it. The fumble is the carrier's (the offence's one
// fumble statistic) unless he is the quarterback.
static void Fumble_Kept(GAME* pGame, const RUN* pRun) {
    Narrate_Play_Event(pGame, EVENT_FUMBLE, 0, 0, 0, Offence_Id(pGame, pRun->nCarrier), -1);
    int nForcer = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_FORCED_FUMBLE, 0);
    Credit_Defender(pGame, nForcer, STAT_FORCED_FUMBLE);
    int nTeam = Get_Offensive_Team(pGame);
    if (Get_Player_Vital_Stat(nTeam, pRun->nCarrier, VITAL_POSITION) != POS_QB)
        Credit_Player_Game_Event(nTeam, pGame, pRun->nCarrier, GROUP_SKILL, STAT_FUMBLE_LOST, 1);
    if (Random_Below(100) < 40)
        Narrate_Play_Event(pGame, EVENT_PILE, 0, 0, 0, -1, -1);
    int nRecoverer = Choose_Game_Event_Player(pGame, GROUP_SKILL, EVENT_ANY_PLAYER, 0);
    Narrate_Play_Event(pGame, EVENT_POSSESSION, 0, 0, 0, Offence_Id(pGame, nRecoverer), -1);
    Increment_Game_Team_Stat(pGame, Get_Offensive_Side(pGame), TEAM_STAT_FUMBLES);
}

static void Finish_Clean_Run(GAME* pGame, RUN* pRun, int nYards, int bOutOfBounds, int bHurry,
                             int bClockRan) {
    int nTeam = Get_Offensive_Team(pGame);
    int nYardLine = pGame->nYardLine;
    int nResult;
    if (nYards < nYardLine && nYardLine - nYards < 100) {
        nResult = RESULT_RUN + pRun->nKind;
        Set_Play_Yards(pGame, nYards);
        pRun->nTackler = Credit_Run_Tackle(pGame, bOutOfBounds && bHurry);
    } else if (nYards < nYardLine) {
        nResult = RESULT_SAFETY;
        nYards = nYardLine - 100;
        Set_Play_Yards(pGame, nYards);
        pRun->nTackler = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_TACKLE, 0);
        Credit_Defender(pGame, pRun->nTackler, STAT_TACKLE);
    } else {
        Stop_Play_Clock(pGame);
        nYards = nYardLine;
        nResult = Is_Try_Play(pGame) ? RESULT_TWO_POINT_GOOD : RESULT_TOUCHDOWN_RUN;
        if (nResult == RESULT_TOUCHDOWN_RUN)
            Credit_Player_Game_Event(nTeam, pGame, pRun->nCarrier, GROUP_SKILL, STAT_RUSHING_TD, 1);
    }
    Set_Play_Result(&pGame->currentPlay, nResult);
    Set_Play_Yards(pGame, nYards);
    Credit_Carry(pRun->nCarrier, pGame, nYards, pRun->nKind);
    pGame->currentPlay.nPlayer1 = Offence_Id(pGame, pRun->nCarrier);
    Narrate_Run(pGame, pRun, nYards, bClockRan);
    if (nResult == RESULT_TOUCHDOWN_RUN || nResult == RESULT_TWO_POINT_GOOD) {
        Narrate_Play_Event(pGame, EVENT_TOUCHDOWN, nYards, 0, 0, Offence_Id(pGame, pRun->nCarrier),
                           -1);
    } else {
        int bFumble = Random_Below(10000) < pRun->nFumble / 3;
        if (bFumble && !Is_Try_Play(pGame) && !Is_Kneel_Call(pGame))
            Fumble_Kept(pGame, pRun);
        else
            Narrate_Play_Event(pGame, EVENT_TACKLED, nYards, 0, 0,
                               Defence_Id(pGame, pRun->nTackler), -1);
    }
    if (Does_Play_End_Half(pGame))
        return;
    int bFailedTry = Is_Try_Play(pGame) && nResult != RESULT_TWO_POINT_GOOD;
    if (nYards >= pGame->nYardsToGo && !bFailedTry)
        Narrate_Play_Event(pGame, EVENT_FIRST_DOWN, 0, 0, 0, -1, -1);
    else if ((pGame->nFlags & GAME_FLAG_DOWN_MASK) == FOURTH_DOWN && nResult != RESULT_SAFETY)
        Narrate_Play_Event(pGame, EVENT_TURNOVER_ON_DOWNS, 0, 0, 0, -1, -1);
}

static void Lose_Fumble(GAME* pGame, RUN* pRun) {
    int nYardLine = pGame->nYardLine;
    int g = Random_Below(10);
    g += Random_Below(10) - 5;
    if (g >= nYardLine)
        g = Random_Below(nYardLine);
    Set_Play_Result(&pGame->currentPlay, RESULT_FUMBLE_RECOVERED);
    pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + 7 + Random_Below(7));
    Set_Play_Yards(pGame, g);
    Credit_Rushing_Line(pRun->nCarrier, pGame, g, pRun->nKind);
    int nForcer = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_FORCED_FUMBLE, 0);
    int nRecoverer = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, STAT_FUMBLE_RECOVERY, 0);
    pRun->nTackler = nForcer;
    Narrate_Run(pGame, pRun, g, 0);
    Narrate_Play_Event(pGame, EVENT_FUMBLE, 0, 0, 0, Offence_Id(pGame, pRun->nCarrier), -1);
    int bSide = Get_Offensive_Side(pGame);
    Increment_Game_Team_Total(pGame, bSide, GAME_TOTAL_TURNOVERS, 1);
    Increment_Game_Team_Stat(pGame, bSide, TEAM_STAT_FUMBLES);
    Increment_Game_Team_Stat(pGame, bSide, TEAM_STAT_FUMBLES_LOST);
    int nDefence = Get_Defensive_Team(pGame);
    Credit_Defender(pGame, nForcer, STAT_FORCED_FUMBLE);
    Credit_Defender(pGame, nRecoverer, STAT_FUMBLE_RECOVERY);
    Credit_Player_Game_Event(Get_Offensive_Team(pGame), pGame, pRun->nCarrier, GROUP_SKILL,
                             STAT_FUMBLE_LOST, 1);
    int nRecovererId = Defence_Id(pGame, nRecoverer);
    pGame->currentPlay.nPlayer1 = Defence_Id(pGame, nForcer);
    pGame->currentPlay.nPlayer2 = Offence_Id(pGame, pRun->nCarrier);
    float fSpeed = Get_Player_Rating(nDefence, nForcer, RATING_SPEED) / 6.0f;
    Turn_Ball_Over(pGame);
    int r = Random_Below_Float(fSpeed);
    r *= Random_Below_Float(fSpeed);
    r -= Random_Below(50);
    r = Clamp(r, 0, MAX_RETURN);
    int nYards = r - g;
    int bTouchdown = nYards >= pGame->nYardLine;
    if (bTouchdown) {
        nYards = pGame->nYardLine;
        Credit_Player_Game_Event(nDefence, pGame, nRecoverer, GROUP_DEFENCE, STAT_DEFENSIVE_TD, 1);
        Increment_Universe_Stat(UNIVERSE_FUMBLE_RETURN_TDS);
        Stop_Play_Clock(pGame);
        Set_Play_Result(&pGame->currentPlay, RESULT_FUMBLE_TOUCHDOWN);
    }
    Set_Play_Yards(pGame, nYards);
    if (r > 4) {
        Narrate_Play_Event(pGame, EVENT_PICKED_UP, 0, 0, 0, nRecovererId, -1);
        if (r > 30)
            Narrate_Play_Event(pGame, EVENT_LONG_RUN, 0, r, 0, nRecovererId, -1);
        else if (r > 12)
            Narrate_Play_Event(pGame, EVENT_ROOM_TO_RUN, 0, 0, 0, nRecovererId, -1);
    }
    if (!bTouchdown) {
        int nTackler = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, EVENT_ANY_PLAYER, 0);
        Narrate_Play_Event(pGame, EVENT_TACKLED, nYards, 0, 0, Defence_Id(pGame, nTackler), -1);
    }
    if (r <= 4) {
        if (Random_Below(100) < 30)
            Narrate_Play_Event(pGame, EVENT_PILE, 0, 0, 0, -1, -1);
        Narrate_Play_Event(pGame, EVENT_POSSESSION, 0, 0, 0, nRecovererId, -1);
    }
}

void Resolve_Run_Play(GAME* pGame, int bScramble) {
    int nTeam = Get_Offensive_Team(pGame);
    int nCall = pGame->currentPlay.nOffensiveCall;
    int bClockRan = pGame->nPlaySeconds > 0;
    int bHurry = Is_Offense_Hurrying(pGame);
    int nHole = Get_Offensive_Play_Hole(nTeam, nCall);
    RUN run = {bScramble, 0, NO_SLOT_BYTE, NO_SLOT_BYTE, 0};
    int nDesigned;
    if (bScramble) {
        int nDrawnKind = Get_Run_Kind(pGame, 1);  // drawn even where a rollout fixes the kind
        run.nKind = Is_Rollout_Or_Option_Play(nTeam, nCall) ? 2 : nDrawnKind;
        nDesigned = Get_Scramble_Yardage_Class(run.nKind) / 2 * 2 + 4;
        run.nCarrier = Get_On_Field_Slot(pGame, Get_Offensive_Side(pGame), 0);
        Narrate_Scramble_Start(pGame, run.nCarrier);
    } else {
        run.nKind = Get_Run_Kind(pGame, 0);
        nDesigned = Get_Play_Yardage(nTeam, nCall);
        Narrate_Run_Start(pGame);
        run.nCarrier = Get_Ball_Carrier_Slot(pGame);
    }
    run.nFumble = Get_Fumble_Factor(pGame, run.nCarrier);
    if (pGame->nYardLine < 10)
        run.nFumble = (int)lround(run.nFumble * (pGame->nYardLine + 5) / 15.0);
    int bLost = Random_Below(10000) < run.nFumble;
    if (bLost && !Is_Try_Play(pGame) && !Is_Kneel_Call(pGame)) {
        Lose_Fumble(pGame, &run);
        return;
    }
    pGame->nFlags &= ~GAME_FLAG_POSSESSION_CHANGED;
    pGame->nPlaySeconds = (int8_t)(pGame->nPlaySeconds + 6 + Random_Below(5));
    int nBase = 0;
    int nYards = Get_Run_Yards(pGame, &run, nDesigned, &nBase);
    nYards = Add_Breakaway(pGame, &run, nYards, nBase);
    int bOutOfBounds = Random_Below(100) <
                       Min_Int(nYards, 40) * (bHurry + 1) + (nHole / 2) * (10 * bHurry + 5) - 5;
    if (bOutOfBounds)
        Set_Out_Of_Bounds(pGame);
    Finish_Clean_Run(pGame, &run, nYards, bOutOfBounds, bHurry, bClockRan);
}
