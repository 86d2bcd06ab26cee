// Draws one play of a class from the offence's playbook: plays near the wanted gain, seldom
// repeated, suiting the team's system and its players' loads weigh most.
#include <stdlib.h>

#include "engine/engine.h"
#include "personnel/personnel.h"
#include "engine/playbook_facts_internal.h"

#define BASE_PLAY_WEIGHT 4096
#define HAIL_MARY_REACH 29
#define HAIL_MARY_LAST_SECONDS 15
#define LEAST_SYSTEM_MATCH 100
#define SPECIAL_FORMATION_MATCH 750
#define RECEIVER_THREAT_FLOOR 120
#define PREDICTED_CARRIES_STAT 7

// ---- how a formation suits the offensive system -------------------------------------------------

// Per mille, by formation 0..21 and system (Default, West Coast, Double Tight End, Two Back).
static const int16_t OFFENSIVE_SYSTEM_MATCH[FIRST_DEFENSIVE_FORMATION][4] = {
    {1500, 500, 600, 700},  {1750, 500, 600, 600}, {700, 200, 200, 1800},  {700, 400, 400, 2000},
    {700, 1000, 800, 600},  {500, 900, 700, 500},  {750, 750, 1000, 600},  {700, 750, 1000, 600},
    {700, 1000, 800, 600},  {500, 900, 700, 400},  {250, 850, 500, 200},   {800, 1000, 800, 600},
    {700, 1000, 800, 600},  {700, 1000, 800, 600}, {700, 1000, 800, 600},  {700, 1000, 800, 600},
    {500, 850, 700, 450},   {700, 750, 1000, 600}, {1000, 500, 600, 2000}, {700, 750, 700, 2000},
    {850, 500, 1200, 1000}, {550, 750, 1200, 400}};

int Get_Offensive_Formation_System_Match(int nSystem, int nFormation) {
    if (nFormation >= FORMATION_PUNT && nFormation <= FORMATION_EXTRA_POINT)
        return SPECIAL_FORMATION_MATCH;
    if (nFormation < 0 || nFormation >= FIRST_DEFENSIVE_FORMATION || nSystem < 0 || nSystem > 3) {
        Report_Error("Invalid formation in Get_Offensive_Formation_System_Match(%d, [%d])", nSystem,
                     nFormation);
        return SPECIAL_FORMATION_MATCH;
    }
    return OFFENSIVE_SYSTEM_MATCH[nFormation][nSystem];
}

static int Get_Team_Offensive_System(int nTeam) {
    return nTeam < 0 || nTeam > LAST_DRAFT_POOL_TEAM ? SYSTEM_DEFAULT
                                                     : Get_Team_Stat(nTeam, TEAM_OFFENSIVE_SYSTEM);
}

static int Get_System_Match(int nSystem, int nFormation) {
    int nMatch = Get_Offensive_Formation_System_Match(nSystem, nFormation);
    if (nMatch < 0)
        Report_Error("Negative nMatch calculated by Get_Team_Offensive_System_Match()");
    return Max_Int(nMatch, LEAST_SYSTEM_MATCH);
}

int Get_Team_Offensive_System_Match(int nTeam, int nFormation) {
    return Get_System_Match(Get_Team_Offensive_System(nTeam), nFormation);
}

// ---- play classes and the top receiver ----------------------------------------------------------

// Runs, draws and passes; any other type is a class of its own that is never asked for.
int Get_Offensive_Play_Class(int nType) {
    switch (nType) {
    case 0:
    case 1:
    case 2:
    case 4:
    case 10:
    case 15:
    case 22: return CALL_RUN;
    case 6:
    case 7:
    case 8:
    case 9:
    case 11:
    case 12:
    case 13:
    case 14: return CALL_PASS;
    default: return nType;
    }
}

static int Compute_Top_Receiver_Threat(GAME* pGame) {
    int nSide = Get_Offensive_Side(pGame);
    int nTeam = pGame->anTeams[nSide];
    uint8_t nFirst = Get_Team_Position_Player(nTeam, POS_WR, 0);
    uint8_t nSecond = Get_Team_Position_Player(nTeam, POS_WR, 1);
    int nFirstRating = nFirst != NO_SLOT_BYTE ? (int)Get_Checked_Overall_Rating(nTeam, nFirst) : 0;
    int nSecondRating =
        nSecond != NO_SLOT_BYTE ? (int)Get_Checked_Overall_Rating(nTeam, nSecond) : 0;
    int u = 0;
    if (nFirst < GAME_ROSTER_SLOTS) {
        const int16_t* pCounters = pGame->aaanPlayerCounters[nSide][nFirst];
        u = pCounters[3] + 5 * pCounters[2] + 25 * pCounters[4];
    }
    int v = Mul_Div(u, 2700, pGame->nClock + 900) + 10 * (nFirstRating - nSecondRating);
    return v < RECEIVER_THREAT_FLOOR ? 0 : (v - 100) / 5 + 1;
}

// How much the first wide receiver is hurting the defence this game, 0 when not at all.
int Get_Top_Receiver_Threat(GAME* pGame) {
    static SNAP_ANSWER kept;
    return Recall_Snap_Answer(&kept, pGame, Compute_Top_Receiver_Threat);
}

// ---- the weight of one play ---------------------------------------------------------------------

// What every weight of one draw shares.
typedef struct DRAW_SITUATION {
    GAME* pGame;
    const PLAYBOOK_FACTS* pFacts;
    int nTeam;
    int nSide;
    int nClass;
    int nTarget;
    int nYardLine;
    int nToGo;
    int nHalfSecondsLeft;
    int bPunt;
    int bFieldGoal;
    int bHailMaryBarred;
    int nThreat;
    int nSystem;
    int bWatched;
    uint8_t nFirstReceiver;  // read only when the threat counts
    uint8_t nSecondBack;     // read only for the two-back system
} DRAW_SITUATION;

static int Is_Play_Allowed(const DRAW_SITUATION* s, const OFFENSIVE_PLAY_FACTS* pPlay, int nPlay) {
    if (!pPlay->bDrawable || nPlay == gLastOffensiveCall || pPlay->nClass != s->nClass)
        return 0;
    return (pPlay->nFormation != FORMATION_PUNT || s->bPunt) &&
           (pPlay->nFormation != FORMATION_FIELD_GOAL || s->bFieldGoal);
}

// The base weight halved once for every step the play's designed gain lies from the target.
static int Get_Distance_Weight(const DRAW_SITUATION* s, const OFFENSIVE_PLAY_FACTS* pPlay) {
    if (s->bHailMaryBarred && pPlay->bHailMary)
        return 0;
    int y = pPlay->nYardage;
    if (y > s->nYardLine + 5)
        return 0;
    int nTarget = s->nTarget;
    int d = abs(y - nTarget);
    if (nTarget > 10)
        d /= 3;
    else if (nTarget > 4)
        d /= 2;
    if (nTarget < y && y < 2 * nTarget)
        d /= Max_Int(1, (nTarget + 1) / 2);
    return d >= 31 ? 0 : BASE_PLAY_WEIGHT >> d;
}

// A quarterback run weighs by his rushing, more so in short yardage and near the goal.
static int Get_Quarterback_Run_Share(const DRAW_SITUATION* s, int nSlot) {
    int k = (int)Get_Player_Rating(s->nTeam, nSlot, RATING_RUSHING);
    int L = Max_Int(k - 55, Mul_Div(k - 5, k - 65, 20));
    int x = (int)Get_Player_Rating(s->nTeam, nSlot, RATING_POWER);
    if (s->nToGo < 3 && x > 50)
        L += (3 - s->nToGo) * (x - 50);
    if (s->nYardLine < 7)
        L = Mul_Div(L, 8, s->nYardLine + 1);
    L += Mul_Div(L, 1, 2);
    return Max_Int(0, L);
}

// What the player at a spot brings to the weight of a play he is the primary player of, worked
// out at most once per draw.
typedef struct SPOT_WEIGHT {
    int bKnown;
    int bCounts;   // a league team's player stands there
    int bDoubled;  // the two-back system's second back
    int bFirstReceiver;
    int nPosition;
    WEIGHT_SCALE scale;  // his own: a tight end's receiving pace; a back's carries
} SPOT_WEIGHT;

static void Find_Spot_Weight(const DRAW_SITUATION* s, int nSpot, SPOT_WEIGHT* pOut) {
    pOut->bKnown = 1;
    uint8_t nSlot = s->pGame->aabOnField[s->nSide][nSpot];
    pOut->bCounts = nSlot < PLAYERS_PER_TEAM && s->nTeam <= LAST_DRAFT_POOL_TEAM;
    if (!pOut->bCounts)
        return;
    pOut->bDoubled = s->nSystem == SYSTEM_TWO_BACK && nSlot == s->nSecondBack;
    pOut->bFirstReceiver = nSlot == s->nFirstReceiver;
    pOut->nPosition = Get_Player_Vital_Stat(s->nTeam, nSlot, VITAL_POSITION);
    pOut->scale = {1, 1, 0};
    if (s->nClass == CALL_PASS) {
        if (pOut->nPosition == POS_TE)
            pOut->scale = Get_Receiving_Pace_Scale(s->nTeam, nSlot);
        return;
    }
    switch (pOut->nPosition) {
    case POS_FB:
        pOut->scale = {
            Get_Player_Stat(s->nTeam, nSlot, SEASON_PREDICTED, PREDICTED_CARRIES_STAT) + 10, 35, 1};
        break;
    case POS_RB: pOut->scale = Get_Running_Back_Load_Scale(s->nTeam, nSlot); break;
    case POS_QB: pOut->scale = {Get_Quarterback_Run_Share(s, nSlot), 100, 1}; break;
    default: break;
    }
}

// Spreads the ball: fullbacks and tight ends catch less, a hot first receiver is doubled, backs
// carry by their load.
static int Weigh_Primary_Player(const DRAW_SITUATION* s, int nSpot, SPOT_WEIGHT* aSpots, int w) {
    if (nSpot < 0 || nSpot >= FORMATION_SPOTS)
        return w;
    SPOT_WEIGHT* pSpot = &aSpots[nSpot];
    if (!pSpot->bKnown)
        Find_Spot_Weight(s, nSpot, pSpot);
    if (!pSpot->bCounts)
        return w;
    if (pSpot->bDoubled)
        w *= 2;
    if (s->nClass != CALL_PASS)
        return Apply_Weight_Scale(&pSpot->scale, w);
    if (pSpot->nPosition == POS_FB) {
        w = Mul_Div(w, 35, 100);
    } else if (pSpot->nPosition == POS_TE) {
        w = Mul_Div(w, 65, 100);
        w = Apply_Weight_Scale(&pSpot->scale, w);
    }
    if (s->nThreat > 0 && pSpot->bFirstReceiver)
        w = Mul_Div(w, 8, s->nThreat + 8);
    return w;
}

static int Get_Play_Weight(const DRAW_SITUATION* s, SPOT_WEIGHT* aSpots, int nPlay) {
    const OFFENSIVE_PLAY_FACTS* pPlay = &s->pFacts->aOffence[nPlay];
    if (!Is_Play_Allowed(s, pPlay, nPlay))
        return 0;
    int f = Get_Distance_Weight(s, pPlay);
    if (f == 0)
        return 0;
    int64_t r = Get_Offensive_Repeat_Modifier(s->pGame, nPlay, s->bWatched);
    int w = (int)((f * r * r + 500000) / 1000000);
    w = Mul_Div(w, Get_System_Match(s->nSystem, pPlay->nFormation), 1000);
    w = Weigh_Primary_Player(s, pPlay->nPrimarySpot, aSpots, w);
    if (w < 0) {
        Report_Error("Negative nChance in Find_Offensive_Play()");
        return 0;
    }
    return w;
}

// The first named play of the class, for a draw in which no play weighs anything; play 0 when
// the playbook has none.
static int Find_First_Play_Of_Class(int nTeam, int nClass) {
    for (int nPlay = 0; nPlay < OFFENSIVE_PLAY_COUNT; nPlay++) {
        if (Is_Offensive_Play_Defined(nTeam, nPlay) &&
            Get_Offensive_Play_Class(Get_Offensive_Play_Type(nTeam, nPlay)) == nClass)
            return nPlay;
    }
    return 0;
}

// The weights of one draw's plays with their running sums.
typedef struct PLAY_WEIGHTS {
    uint64_t uSerial;  // the snap they were worked out in, 0 for none
    int nClass;
    int nTarget;
    int nLastCall;
    int nSum;
    int anWeights[OFFENSIVE_PLAY_COUNT];
    int anCumulative[OFFENSIVE_PLAY_COUNT];
} PLAY_WEIGHTS;

#define KEPT_DRAWS 8  // a snap makes six calls at most

static void Weigh_Plays(int nClass, GAME* pGame, int nTarget, const PLAYBOOK_FACTS* pFacts,
                        PLAY_WEIGHTS* pOut) {
    DRAW_SITUATION s;
    s.pGame = pGame;
    s.pFacts = pFacts;
    s.nSide = Get_Offensive_Side(pGame);
    s.nTeam = pGame->anTeams[s.nSide];
    s.nClass = nClass;
    s.nTarget = nTarget;
    s.nYardLine = pGame->nYardLine;
    s.nToGo = pGame->nYardsToGo;
    s.nHalfSecondsLeft = Get_Half_Seconds_Left(pGame);
    s.bPunt = Is_Punt_Situation(pGame);
    s.bFieldGoal = Is_Field_Goal_Situation(pGame);
    s.nThreat = nClass == CALL_PASS ? Get_Top_Receiver_Threat(pGame) : 0;
    s.nSystem = Get_Team_Offensive_System(s.nTeam);
    s.bWatched = Is_Game_Watched(pGame);
    s.nFirstReceiver = s.nThreat > 0 ? Get_Team_Position_Player(s.nTeam, POS_WR, 0) : NO_SLOT_BYTE;
    s.nSecondBack =
        s.nSystem == SYSTEM_TWO_BACK ? Get_Team_Position_Player(s.nTeam, POS_RB, 1) : NO_SLOT_BYTE;
    s.bHailMaryBarred =
        s.nToGo <= HAIL_MARY_REACH &&
        (s.nHalfSecondsLeft > HAIL_MARY_LAST_SECONDS || s.nYardLine <= HAIL_MARY_REACH);
    SPOT_WEIGHT aSpots[FORMATION_SPOTS] = {};
    // Weights follow the ratings, so their sum is held at the int's limit.
    int64_t nSum = 0;
    for (int nPlay = 0; nPlay < OFFENSIVE_PLAY_COUNT; nPlay++) {
        pOut->anWeights[nPlay] = pFacts->bInUse ? Get_Play_Weight(&s, aSpots, nPlay) : 0;
        nSum += pOut->anWeights[nPlay];
        pOut->anCumulative[nPlay] = Saturate_To_Int(nSum);
    }
    pOut->nSum = Saturate_To_Int(nSum);
}

// The weights of this draw: kept from an earlier draw of the snap with the same class and target,
// or worked out (and kept while there is room).
static const PLAY_WEIGHTS* Get_Play_Weights(int nClass, GAME* pGame, int nTarget,
                                            const PLAYBOOK_FACTS* pFacts, PLAY_WEIGHTS* pScratch) {
    static PLAY_WEIGHTS s_aKept[KEPT_DRAWS];
    uint64_t uSerial = Get_Snap_Serial(pGame);
    PLAY_WEIGHTS* pOut = pScratch;
    if (uSerial != 0) {
        for (PLAY_WEIGHTS& kept : s_aKept) {
            if (kept.uSerial == uSerial && kept.nClass == nClass && kept.nTarget == nTarget &&
                kept.nLastCall == gLastOffensiveCall)
                return &kept;
        }
        for (PLAY_WEIGHTS& kept : s_aKept) {
            if (kept.uSerial != uSerial) {
                pOut = &kept;
                break;
            }
        }
    }
    Weigh_Plays(nClass, pGame, nTarget, pFacts, pOut);
    pOut->uSerial = uSerial;
    pOut->nClass = nClass;
    pOut->nTarget = nTarget;
    pOut->nLastCall = gLastOffensiveCall;
    return pOut;
}

// A play of class 0 (runs), 3 (draws) or 6 (passes) drawn by weight; only plays that weigh
// something can be drawn.
int Find_Offensive_Play(int nClass, GAME* pGame, int nTarget) {
    int nTeam = pGame->anTeams[Get_Offensive_Side(pGame)];
    PLAYBOOK_FACTS facts;
    const PLAYBOOK_FACTS* pFacts = Get_Playbook_Facts(pGame, nTeam, &facts);
    int bInUse = pFacts->bInUse;
    PLAY_WEIGHTS scratch;
    const PLAY_WEIGHTS* pWeights = Get_Play_Weights(nClass, pGame, nTarget, pFacts, &scratch);
    int d = (int)(Random_Unit() * pWeights->nSum);
    int nResult = -1;
    for (int nPlay = 0; nPlay < OFFENSIVE_PLAY_COUNT && nResult < 0; nPlay++) {
        if (pWeights->anWeights[nPlay] > 0 && pWeights->anCumulative[nPlay] >= d)
            nResult = nPlay;
    }
    if (nResult < 0)
        nResult = bInUse ? Find_First_Play_Of_Class(nTeam, nClass) : 0;
    if (nResult == HARD_CODED_PUNT_PLAY)
        Report_Error("Find_Offensive_Play() returned HARD_CODED_PUNT_PLAY");
    else if (nResult == HARD_CODED_FIELD_GOAL_PLAY)
        Report_Error("Find_Offensive_Play() returned HARD_CODED_FIELD_GOAL_PLAY");
    return nResult;
}
