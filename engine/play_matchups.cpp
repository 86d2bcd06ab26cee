// What play calling tells a play about the two calls: how often each was repeated this game and
// how well the defensive call fits the offensive one, in coverage, pass rush and run defence.
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include "engine/engine.h"

#define LEAST_MODIFIER 500
#define OFFENSIVE_REPEAT_SCALE 20000
#define OFFENSIVE_REPEAT_BASE 20
#define DEFENSIVE_REPEAT_SCALE 50000
#define DEFENSIVE_REPEAT_BASE 50
#define DIFFICULTY_MODIFIER_STEP 25
#define LEAST_MULTIPLIER 0.1f
#define NEUTRAL_FOCUS 1000
#define NEUTRAL_RATING 1000
#define LEAST_HOLE_RATING 100
#define RUN_DEFENCE_LIMIT 1.42f
#define RUN_DEFENCE_FLOOR 0.70422536f
#define LAST_DEFENSIVE_ROLE 18

enum DEFENSIVE_ROLE {
    ROLE_PASS_RUSH = 0,
    ROLE_OUTSIDE_RUSH,
    ROLE_INSIDE_RUSH,
    ROLE_CORNER_BLITZ,
    ROLE_STRONGSIDE_STUNT,
    ROLE_WEAKSIDE_STUNT,
    ROLE_PLUG_THE_GAP,
    ROLE_RUSH_CONTAIN,
    ROLE_DEEP_ZONE,
    ROLE_SHORT_ZONE,
    ROLE_INSIDE_ZONE,
    ROLE_OUTSIDE_ZONE,
    ROLE_BUMP_AND_RUN,
    ROLE_MAN_TO_MAN,
    ROLE_OUTSIDE_MAN,
    ROLE_INSIDE_MAN,
    ROLE_BEHIND_MAN,
    ROLE_UNDERNEATH_MAN,
    ROLE_DOUBLE_TEAM
};

int gPlayMatchupTable[OFFENSIVE_PLAY_COUNT][DEFENSIVE_PLAY_COUNT];

// ---- repetition ----------------------------------------------------------------------------------

static int Is_Human_Run_Team(int nTeam) {
    return nTeam >= 0 && nTeam <= LAST_DRAFT_POOL_TEAM && !gAllTeamsComputer &&
           Get_Team_Stat(nTeam, TEAM_CONTROL) == 1;
}

// Fewer points the more often the offence has made the call this game. In a watched game the
// difficulty level tilts it against the human side.
int Get_Offensive_Play_Redundancy_Modifier(GAME* pGame, int nPlay) {
    return Get_Offensive_Repeat_Modifier(pGame, nPlay, pGame != NULL && Is_Game_Watched(pGame));
}

#define KEPT_REPEAT_COUNTS 256

// Mul_Div(OFFENSIVE_REPEAT_SCALE, 1, n + OFFENSIVE_REPEAT_BASE), kept for the counts a game
// reaches: the play draw reads it for every play it weighs.
static int Get_Repeat_Points(int n) {
    static int s_anKept[KEPT_REPEAT_COUNTS];
    static int s_bKept = 0;
    if (n < 0 || n >= KEPT_REPEAT_COUNTS)
        return Mul_Div(OFFENSIVE_REPEAT_SCALE, 1, n + OFFENSIVE_REPEAT_BASE);
    if (!s_bKept) {
        for (int k = 0; k < KEPT_REPEAT_COUNTS; k++)
            s_anKept[k] = Mul_Div(OFFENSIVE_REPEAT_SCALE, 1, k + OFFENSIVE_REPEAT_BASE);
        s_bKept = 1;
    }
    return s_anKept[n];
}

// The same, told whether the game is watched.
int Get_Offensive_Repeat_Modifier(GAME* pGame, int nPlay, int bWatched) {
    int nSide = pGame != NULL ? Get_Offensive_Side(pGame) : VISITOR_SIDE;
    int n = nPlay >= 0 && nPlay < OFFENSIVE_PLAY_COUNT ? gGameOffensivePlayUses[nSide][nPlay] : 0;
    int nModifier = Get_Repeat_Points(n);
    if (pGame != NULL && bWatched) {
        int nStep = DIFFICULTY_MODIFIER_STEP * gDifficulty;
        nModifier += Is_Human_Run_Team(Get_Offensive_Team(pGame)) ? -nStep : nStep;
    }
    if (nModifier < 0)
        Report_Error("Negative nModifier calculated by Get_Offensive_Play_Redundancy_Modifier()");
    return Max_Int(nModifier, LEAST_MODIFIER);
}

int Get_Defensive_Play_Redundancy_Modifier(GAME* pGame, int nPlay) {
    int nSide = pGame != NULL ? Get_Defensive_Side(pGame) : VISITOR_SIDE;
    int n = nPlay >= 0 && nPlay < DEFENSIVE_PLAY_COUNT ? gGameDefensivePlayUses[nSide][nPlay] : 0;
    int nModifier = Mul_Div(DEFENSIVE_REPEAT_SCALE, 1, n + DEFENSIVE_REPEAT_BASE);
    if (nModifier < 0)
        Report_Error("Negative nModifier calculated by Get_Defensive_Play_Redundancy_Modifier()");
    return Max_Int(nModifier, LEAST_MODIFIER);
}

// ---- defensive formations ------------------------------------------------------------------------

int Is_Defensive_Formation(int nFormation) {
    return nFormation >= FIRST_DEFENSIVE_FORMATION && nFormation < FIRST_SPECIAL_FORMATION;
}

// How far a defensive formation leans to pass defence, per mille.
int Get_Defensive_Formation_Pass_Focus(int nFormation) {
    static const int FOCUS[] = {975,  975,  875,  1025, 1025, 1000, 825, 925, 1125,
                                1125, 1100, 1150, 1225, 1250, 1375, 775, 675};
    if (!Is_Defensive_Formation(nFormation)) {
        Report_Error("Invalid nFormation in Get_Defensive_Formation_Pass_Focus()");
        return NEUTRAL_FOCUS;
    }
    return FOCUS[nFormation - FIRST_DEFENSIVE_FORMATION];
}

// How well a defensive formation suits the 4-3 (scheme 0) or the 3-4 (scheme 1), per mille.
int Get_Defensive_Formation_System_Match(int nScheme, int nFormation) {
    static const int MATCH[][2] = {{1000, 100}, {1000, 100}, {1000, 100}, {100, 1000}, {100, 1000},
                                   {100, 1000}, {700, 300},  {1000, 100}, {1000, 100}, {100, 1000},
                                   {100, 1000}, {100, 1000}, {1000, 100}, {100, 1000}, {300, 700},
                                   {400, 600},  {500, 500}};
    if (!Is_Defensive_Formation(nFormation)) {
        Report_Error("Invalid formation in Get_Defensive_Formation_System_Match(%d, [%d])", nScheme,
                     nFormation);
        return 500;
    }
    return MATCH[nFormation - FIRST_DEFENSIVE_FORMATION][nScheme == 1 ? 1 : 0];
}

int Get_Team_Defensive_System_Match(int nTeam, int nFormation) {
    int nScheme =
        nTeam > LAST_DRAFT_POOL_TEAM || nTeam < 0 ? 0 : Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME);
    return Get_Defensive_Formation_System_Match(nScheme, nFormation);
}

// ---- what the multipliers read of the two plays -------------------------------------------------

// Of an offensive play: the primary route's average depth and whether the throw comes out at once
// (passes), the play type and the hole (runs).
typedef struct OFFENCE_FACTS {
    int bPass;
    int bRun;
    int nDepth;
    int bQuick;
    int nType;  // -1 beyond the playbook
    int nHole;
} OFFENCE_FACTS;

// Of a defensive play: its record and where its defenders line up.
typedef struct DEFENCE_FACTS {
    const DEFENSIVE_PLAY* pPlay;  // NULL for none
    int bDefined;                 // named in the team's own playbook
    int bDoubleTeam;
    double afX[PLAY_DEFENDERS];
    double afY[PLAY_DEFENDERS];
} DEFENCE_FACTS;

static void Get_Pass_Facts(int nOffence, int nPlay, OFFENCE_FACTS* pOut) {
    pOut->nDepth = Get_Route_Average_Depth(Get_Primary_Route(nOffence, nPlay));
    pOut->bQuick = Is_Quick_Pass_Play(nOffence, nPlay);
}

static void Get_Run_Facts(int nOffence, int nPlay, OFFENCE_FACTS* pOut) {
    pOut->nType = nPlay < OFFENSIVE_PLAY_COUNT ? Get_Offensive_Play_Type(nOffence, nPlay) : -1;
    pOut->nHole = Get_Offensive_Play_Hole(nOffence, nPlay);
}

static void Get_Defence_Facts(int nDefence, int nPlay, DEFENCE_FACTS* pOut) {
    pOut->pPlay = Get_Defensive_Play(nDefence, nPlay);
    pOut->bDefined = pOut->pPlay != NULL && Get_Team_Defensive_Playbook(nDefence) != NULL &&
                     Is_Defensive_Play_Defined(nDefence, nPlay);
    pOut->bDoubleTeam = pOut->pPlay != NULL && Has_Double_Team_Role(nDefence, nPlay);
    for (int i = 0; pOut->pPlay != NULL && i < PLAY_DEFENDERS; i++)
        Get_Formation_Coordinate(pOut->pPlay->nFormation, i, &pOut->afX[i], &pOut->afY[i]);
}

// ---- pass coverage and pass rush ----------------------------------------------------------------

// What one defender adds to the coverage, by his role, against a route of depth v.
static float Get_Role_Coverage(int nRole, float v, int bQuick) {
    switch (nRole) {
    case ROLE_PASS_RUSH:
    case ROLE_OUTSIDE_RUSH:
    case ROLE_INSIDE_RUSH:
    case ROLE_CORNER_BLITZ: return bQuick ? -0.105f : -0.065f;
    case ROLE_STRONGSIDE_STUNT:
    case ROLE_WEAKSIDE_STUNT: return -0.105f;
    case ROLE_PLUG_THE_GAP: return -0.175f;
    case ROLE_RUSH_CONTAIN: return bQuick ? -0.045f : -0.005f * v - 0.1f;
    case ROLE_DEEP_ZONE: return 0.022f * v - 0.11f;
    case ROLE_SHORT_ZONE: return 0.29f - 0.025f * fabsf(5.0f - v);
    case ROLE_INSIDE_ZONE: return bQuick ? 0.025f : 0.22f - 0.01f * v;
    case ROLE_OUTSIDE_ZONE: return bQuick ? 0.185f : 0.105f;
    case ROLE_BUMP_AND_RUN: return 0.25f - 0.015f * fabsf(3.0f - v);
    case ROLE_MAN_TO_MAN: return 0.18f - 0.005f * v;
    case ROLE_OUTSIDE_MAN: return 0.12f;
    case ROLE_INSIDE_MAN: return 0.17f - 0.005f * v;
    case ROLE_BEHIND_MAN: return 0.07f + 0.005f * v;
    case ROLE_UNDERNEATH_MAN: return 0.26f - 0.015f * v;
    case ROLE_DOUBLE_TEAM: return 0.08f - 0.002f * v;
    default:
        Report_Error("Unhandled defensive responsbility in Get_Pass_Coverage_Multiplier()");
        return 0.0f;
    }
}

static float Rate_Coverage(const OFFENCE_FACTS* o, const DEFENCE_FACTS* d) {
    if (d->pPlay == NULL)
        return 1.0f;
    float v = (float)o->nDepth;
    float fSum = 1.0f;
    for (int i = 0; i < PLAY_DEFENDERS; i++) {
        float fRole = Get_Role_Coverage(d->pPlay->anRoles[i], v, o->bQuick);
        fSum += 0.004f * (float)(d->afX[i] + d->afY[i]) - 0.04f + fRole;
    }
    return fmaxf(fSum, LEAST_MULTIPLIER);
}

typedef float (*PASS_DEFENCE_RATING)(const OFFENCE_FACTS* o, const DEFENCE_FACTS* d);

// A rating of the defensive call against the pass; 1 when the defence has no such play.
static float Rate_Pass_Call(int nOffence, int nOffensivePlay, int nDefence, int nDefensivePlay,
                            PASS_DEFENCE_RATING pfnRate) {
    DEFENCE_FACTS d;
    Get_Defence_Facts(nDefence, nDefensivePlay, &d);
    if (d.pPlay == NULL)
        return 1.0f;
    OFFENCE_FACTS o;
    Get_Pass_Facts(nOffence, nOffensivePlay, &o);
    return pfnRate(&o, &d);
}

float Get_Pass_Coverage_Multiplier(int nOffence, int nOffensivePlay, int nDefence,
                                   int nDefensivePlay) {
    return Rate_Pass_Call(nOffence, nOffensivePlay, nDefence, nDefensivePlay, Rate_Coverage);
}

static int Get_Role_Rush(int nRole, int v, int bQuick) {
    switch (nRole) {
    case ROLE_PASS_RUSH: return bQuick ? 0 : 3 * v + 90;
    case ROLE_OUTSIDE_RUSH:
    case ROLE_INSIDE_RUSH:
    case ROLE_CORNER_BLITZ: return bQuick ? 0 : 5 * v + 80;
    case ROLE_STRONGSIDE_STUNT:
    case ROLE_WEAKSIDE_STUNT: return 50;
    case ROLE_PLUG_THE_GAP:
    case ROLE_RUSH_CONTAIN: return -150;
    case ROLE_DEEP_ZONE:
    case ROLE_SHORT_ZONE:
    case ROLE_INSIDE_ZONE:
    case ROLE_OUTSIDE_ZONE: return -40;
    default:
        if (nRole >= ROLE_BUMP_AND_RUN && nRole <= LAST_DEFENSIVE_ROLE)
            return -50;
        Report_Error("Unhandled defensive responsbility in Get_Pass_Rush_Multiplier()");
        return 0;
    }
}

static float Rate_Pass_Rush(const OFFENCE_FACTS* o, const DEFENCE_FACTS* d) {
    if (d->pPlay == NULL)
        return 1.0f;
    int nSum = 1000;
    for (int i = 0; i < PLAY_DEFENDERS; i++)
        nSum += Get_Role_Rush(d->pPlay->anRoles[i], o->nDepth, o->bQuick);
    return fmaxf((float)nSum / 1000.0f, LEAST_MULTIPLIER);
}

float Get_Pass_Rush_Multiplier(int nOffence, int nOffensivePlay, int nDefence, int nDefensivePlay) {
    return Rate_Pass_Call(nOffence, nOffensivePlay, nDefence, nDefensivePlay, Rate_Pass_Rush);
}

static float Rate_Combined_Pass_Defence(const OFFENCE_FACTS* o, const DEFENCE_FACTS* d) {
    float c = Rate_Coverage(o, d);
    if (d->bDoubleTeam)
        c += 0.05f;
    float r = Rate_Pass_Rush(o, d);
    float g = (float)o->nDepth;
    float x = (3.0f * c + 3.0f * r - 1.0f) / 5.0f;
    if (g < 12.0f)
        x += 0.007f * (12.0f - g);
    return fmaxf(x, LEAST_MULTIPLIER);
}

float Get_Combined_Pass_Defence_Multiplier(int nOffence, int nOffensivePlay, int nDefence,
                                           int nDefensivePlay) {
    DEFENCE_FACTS d;
    Get_Defence_Facts(nDefence, nDefensivePlay, &d);
    OFFENCE_FACTS o;
    Get_Pass_Facts(nOffence, nOffensivePlay, &o);
    return Rate_Combined_Pass_Defence(&o, &d);
}

// ---- run defence at the hole --------------------------------------------------------------------

// A defender's base value against a run at hole h (lateral offset a); a draw finds the rushers
// upfield, so they count for less against it.
static int Get_Role_Run_Value(int nRole, int bDraw, int h, int a, int x) {
    switch (nRole) {
    case ROLE_PASS_RUSH: return bDraw ? -80 : -60;
    case ROLE_OUTSIDE_RUSH:
    case ROLE_CORNER_BLITZ: return bDraw ? -90 : -70;
    case ROLE_INSIDE_RUSH: return bDraw ? -70 : -50;
    case ROLE_STRONGSIDE_STUNT:
    case ROLE_WEAKSIDE_STUNT: return bDraw ? 50 : 25;
    case ROLE_PLUG_THE_GAP: return (bDraw ? 300 : 150) - 15 * h;
    case ROLE_RUSH_CONTAIN: return 15 * h + (bDraw ? 225 : 0);
    case ROLE_DEEP_ZONE: return -80;
    case ROLE_SHORT_ZONE:
    case ROLE_INSIDE_ZONE:
    case ROLE_INSIDE_MAN:
    case ROLE_UNDERNEATH_MAN: return -35;
    case ROLE_OUTSIDE_ZONE: return x * a < 0 ? -70 : 15 * h;
    case ROLE_BUMP_AND_RUN:
    case ROLE_MAN_TO_MAN:
    case ROLE_OUTSIDE_MAN:
    case ROLE_BEHIND_MAN:
    case ROLE_DOUBLE_TEAM: return -60;
    default:
        Report_Error("Unhandled defensive responsbility in Get_Game_Pass_Rush_Multiplier()");
        return 0;
    }
}

static int Rate_Run_Fit(const OFFENCE_FACTS* o, const DEFENCE_FACTS* d) {
    if (d->pPlay == NULL)
        return NEUTRAL_RATING;
    int h = o->nHole;
    int a = Get_Hole_Lateral_Offset(h);
    int m = 1000;
    for (int i = 0; i < PLAY_DEFENDERS; i++) {
        int x = (int)d->afX[i];
        int y = (int)d->afY[i];
        int l = Get_Role_Run_Value(d->pPlay->anRoles[i], o->nType == PLAY_DRAW, h, a, x);
        int r = abs(a - x);
        int u = 10 - y - r;
        m += Mul_Div(3 * u + l, 15, r + 10);
    }
    if (m == 0)
        return LEAST_HOLE_RATING;
    return Max_Int(Mul_Div(m, 1000, 900), LEAST_HOLE_RATING);
}

// Rates the defensive call against a run at the offensive play's hole, per mille.
int Get_Game_Pass_Rush_Multiplier(int nOffence, int nOffensivePlay, int nDefence,
                                  int nDefensivePlay) {
    DEFENCE_FACTS d;
    Get_Defence_Facts(nDefence, nDefensivePlay, &d);
    if (d.pPlay == NULL)
        return NEUTRAL_RATING;
    OFFENCE_FACTS o;
    Get_Run_Facts(nOffence, nOffensivePlay, &o);
    return Rate_Run_Fit(&o, &d);
}

// The run play divides its gain by this: the fit at the hole and the repetition of both calls.
float Get_Run_Defence_Multiplier(GAME* pGame, int nOffensiveCall, int nDefensiveCall) {
    int g = Get_Game_Pass_Rush_Multiplier(Get_Offensive_Team(pGame), nOffensiveCall,
                                          Get_Defensive_Team(pGame), nDefensiveCall);
    float fDefence = (float)Get_Defensive_Play_Redundancy_Modifier(pGame, nDefensiveCall);
    float fOffence = (float)Get_Offensive_Play_Redundancy_Modifier(pGame, nOffensiveCall);
    float m = (fDefence + 1000.0f) / (fOffence + 1000.0f) * (float)g / 1000.0f;
    if (m > RUN_DEFENCE_LIMIT)
        m = (RUN_DEFENCE_LIMIT + m) / 2.0f;
    else if (m < RUN_DEFENCE_FLOOR)
        m = (RUN_DEFENCE_FLOOR + m) / 2.0f;
    return fminf(fmaxf(m, RUN_DEFENCE_FLOOR), RUN_DEFENCE_LIMIT);
}

// ---- the matchup table --------------------------------------------------------------------------

static void Get_Offence_Facts(int nOffence, int nPlay, OFFENCE_FACTS* pOut) {
    pOut->bPass = Is_Pass_Play(nOffence, nPlay);
    pOut->bRun = !pOut->bPass && Is_Run_Play(nOffence, nPlay);
    if (pOut->bPass)
        Get_Pass_Facts(nOffence, nPlay, pOut);
    if (pOut->bRun)
        Get_Run_Facts(nOffence, nPlay, pOut);
}

static int Rate_Matchup(const OFFENCE_FACTS* o, const DEFENCE_FACTS* d) {
    if (!d->bDefined)
        return 0;
    float f = (float)Get_Defensive_Formation_Pass_Focus(d->pPlay->nFormation);
    if (o->bPass) {
        float r = 1000.0f * Rate_Combined_Pass_Defence(o, d);
        if (f < NEUTRAL_FOCUS)
            r = r * f / 1000.0f;
        return (int)r;
    }
    if (o->bRun) {
        float r = (float)Rate_Run_Fit(o, d);
        if (f > NEUTRAL_FOCUS)
            r = r * 1000.0f / f;
        return (int)r;
    }
    return NEUTRAL_RATING;
}

int Get_Play_Matchup_Rating(int nOffence, int nOffensivePlay, int nDefence, int nDefensivePlay) {
    if (nDefensivePlay < 0 || nDefensivePlay >= DEFENSIVE_PLAY_COUNT)
        return 0;
    DEFENCE_FACTS d;
    Get_Defence_Facts(nDefence, nDefensivePlay, &d);
    if (!d.bDefined)
        return 0;
    OFFENCE_FACTS o;
    Get_Offence_Facts(nOffence, nOffensivePlay, &o);
    return Rate_Matchup(&o, &d);
}

// Whether two offensive plays meet every defensive play alike: Rate_Matchup reads only a pass's
// depth and quickness and a run's hole and draw type.
static int Are_Matchups_Alike(const OFFENCE_FACTS* a, const OFFENCE_FACTS* b) {
    if (a->bPass != b->bPass || a->bRun != b->bRun)
        return 0;
    if (a->bPass)
        return a->nDepth == b->nDepth && a->bQuick == b->bQuick;
    if (a->bRun)
        return a->nHole == b->nHole && (a->nType == PLAY_DRAW) == (b->nType == PLAY_DRAW);
    return 1;
}

// Rates every play of the team with the ball against every play of the other team, each column
// of the playbook's own plays scaled to average 1000. Each play's facts are read once, and a play
// that meets the defence like an earlier one takes its row.
void Fill_Play_Matchup_Table(GAME* pGame) {
    int nOffence = Get_Offensive_Team(pGame);
    int nDefence = Get_Defensive_Team(pGame);
    DEFENCE_FACTS aDefence[DEFENSIVE_PLAY_COUNT];
    for (int j = 0; j < DEFENSIVE_PLAY_COUNT; j++)
        Get_Defence_Facts(nDefence, j, &aDefence[j]);
    OFFENCE_FACTS aOffence[OFFENSIVE_PLAY_COUNT];
    for (int i = 0; i < OFFENSIVE_PLAY_COUNT; i++) {
        Get_Offence_Facts(nOffence, i, &aOffence[i]);
        int nAlike = 0;
        while (nAlike < i && !Are_Matchups_Alike(&aOffence[nAlike], &aOffence[i]))
            nAlike++;
        if (nAlike < i) {
            memcpy(gPlayMatchupTable[i], gPlayMatchupTable[nAlike], sizeof(gPlayMatchupTable[i]));
            continue;
        }
        for (int j = 0; j < DEFENSIVE_PLAY_COUNT; j++)
            gPlayMatchupTable[i][j] = Rate_Matchup(&aOffence[i], &aDefence[j]);
    }
    for (int j = 0; j < DEFENSIVE_PLAY_COUNT; j++) {
        int64_t nSum = 0;
        for (int i = 0; i < TEAM_OFFENSIVE_PLAY_COUNT; i++)
            nSum += gPlayMatchupTable[i][j];
        if (nSum == 0)
            continue;
        int k = Mul_Div(TEAM_OFFENSIVE_PLAY_COUNT * 1000000, 1, (int)nSum);
        for (int i = 0; i < TEAM_OFFENSIVE_PLAY_COUNT; i++)
            gPlayMatchupTable[i][j] = Mul_Div(gPlayMatchupTable[i][j], k, 1000);
    }
}
