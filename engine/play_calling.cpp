// The computer's play calls: the offence's by situation and tendency, the defence's by how its
// plays meet the calls the offence is likely to make.
#include "engine/engine.h"
#include "engine/playbook_facts_internal.h"

#define HALF_SECONDS (2 * QUARTER_SECONDS)
#define END_OF_HALF_SECONDS 40
#define END_OF_HALF_STOPPED_SECONDS 12
#define END_OF_HALF_KICK_REACH 12
#define OVERTIME_KICK_MARGIN 10
#define HURRY_UP_SECONDS 120
#define LAST_MINUTE_SECONDS 60
#define EXTRA_LONG_GAIN 15
#define ONSIDE_KICK_CALL 2
#define SQUIB_KICK_CALL 1
#define DEEP_KICK_CALL 0
#define OFFENSIVE_GUESSES 5
#define CLOSENESS_RANGE 150

static int Get_Run_Pass_Balance(int nTeam) {
    return nTeam > LAST_DRAFT_POOL_TEAM ? 0 : Get_Team_Stat(nTeam, TEAM_RUN_PASS_BALANCE);
}

// A kick, or a pass or a run of two or three yards by the run/pass balance.
static int Choose_Conversion_Play(GAME* pGame) {
    if (!Decide_Two_Point_Try(pGame))
        return HARD_CODED_FIELD_GOAL_PLAY;
    int p = Min_Int((int)(Random_Unit() * 100.0), 99);
    if (p < 6 * Get_Run_Pass_Balance(Get_Offensive_Team(pGame)))
        return Find_Offensive_Play(CALL_PASS, pGame, 3);
    return Find_Offensive_Play(p % 10 > 7 ? CALL_DRAW : CALL_RUN, pGame, 2);
}

static int Is_End_Of_Half(GAME* pGame, int nHalfSecondsLeft) {
    int nLimit =
        pGame->nFlags & GAME_FLAG_CLOCK_STOPPED ? END_OF_HALF_STOPPED_SECONDS : END_OF_HALF_SECONDS;
    if (nHalfSecondsLeft >= nLimit)
        return 0;
    return !(pGame->nClock > REGULATION_SECONDS && Get_Game_Overtime_Rule(pGame) >= 2);
}

// Run, draw or pass by the run chance, with the hurry-up forcing a pass.
static int Choose_Play_Class(GAME* pGame, int nToGo, int nHalfSecondsLeft) {
    int r = Get_Offensive_Run_Chance(pGame);
    int c = CALL_PASS;
    if (Random_Below(1000) < r) {
        c = CALL_RUN;
        if (Random_Below(1000) >= r && Random_Below(100) <= 24 && nToGo >= 5)
            c = CALL_DRAW;
    }
    if (nHalfSecondsLeft < HURRY_UP_SECONDS && Get_Offensive_Deficit(pGame) >= 0 &&
        !Should_Rest_Starters(pGame) && !(Is_Half_Almost_Over(pGame) && pGame->nYardLine == 1))
        c = CALL_PASS;
    return c;
}

// The gain aimed at by down: often a shorter one, sometimes a shot downfield. -1 when the down
// is kicked: then *pCall holds the kick.
static int Choose_Target_By_Down(GAME* pGame, int nDown, int c, int m, int* pCall) {
    switch (nDown) {
    case FIRST_DOWN:
        if (Random_Below(1000) < 700)
            m /= 2;
        else if (c == CALL_PASS && Random_Below(1000) < 400 - 20 * m)
            m += EXTRA_LONG_GAIN;
        break;
    case SECOND_DOWN: {
        int x = Random_Below(1000);
        if (c != CALL_PASS && x < 350)
            m /= 2;
        else if (c == CALL_PASS && Random_Below(1000) < 400 - 60 * m)
            m += EXTRA_LONG_GAIN;
        break;
    }
    case THIRD_DOWN:
        if (c == CALL_PASS && Random_Below(1000) < 200)
            m *= 2;
        break;
    default:
        if (Is_Field_Goal_Situation(pGame)) {
            *pCall = HARD_CODED_FIELD_GOAL_PLAY;
            return -1;
        }
        if (Is_Punt_Situation(pGame)) {
            *pCall = HARD_CODED_PUNT_PLAY;
            return -1;
        }
        break;
    }
    return m;
}

int Choose_Offensive_Play(GAME* pGame) {
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    if (nDown == CONVERSION_ATTEMPT)
        return Choose_Conversion_Play(pGame);
    if (nDown == KICKOFF) {
        if (Is_Onside_Kick_Situation(pGame))
            return ONSIDE_KICK_CALL;
        return Is_Squib_Kick_Situation(pGame) ? SQUIB_KICK_CALL : DEEP_KICK_CALL;
    }
    if (nDown == FREE_KICK)
        return DEEP_KICK_CALL;
    int nYardLine = pGame->nYardLine;
    int bScrimmage = nDown <= FOURTH_DOWN;
    if (bScrimmage && Is_Overtime_Field_Goal_Situation(pGame) &&
        nYardLine <= Get_Field_Goal_Range(pGame) - OVERTIME_KICK_MARGIN)
        return HARD_CODED_FIELD_GOAL_PLAY;

    int m = pGame->nYardsToGo;
    int c;
    int H = Get_Half_Seconds_Left(pGame);
    if (bScrimmage && Is_End_Of_Half(pGame, H)) {
        int t = Get_Offensive_Deficit(pGame);
        if ((pGame->nClock < HALF_SECONDS || (t >= 0 && t <= 3)) &&
            nYardLine <= Get_Field_Goal_Range(pGame) + END_OF_HALF_KICK_REACH)
            return HARD_CODED_FIELD_GOAL_PLAY;
        c = CALL_RUN;
        if (pGame->nClock >= HALF_SECONDS && nYardLine >= 3 && nYardLine <= 49) {
            c = CALL_PASS;
            m = nYardLine + 3;
        }
    } else {
        if (Is_Kneel_Down_Situation(pGame))
            return KNEEL_DOWN_PLAY;
        c = Choose_Play_Class(pGame, m, H);
        int nKick = -1;
        m = Choose_Target_By_Down(pGame, nDown, c, m, &nKick);
        if (m < 0)
            return nKick;
    }
    if (H < LAST_MINUTE_SECONDS)
        m = Max_Int(m, nYardLine / (H / 10 + 1));
    return Find_Offensive_Play(c, pGame, Min_Int(m, nYardLine + 5) - 1);
}

// ---- the defensive call -------------------------------------------------------------------------

// Mul_Div(a, b, 1000) worked out without its branches, to the same result: the defensive call
// runs it for every play and guess of a snap.
static inline int Per_Mille_Of(int a, int b) {
    int64_t nProduct = (int64_t)a * b;
    int64_t nQuotient = nProduct / 1000;
    int64_t nRemainder = nProduct - nQuotient * 1000;
    int64_t nStep = nProduct < 0 ? -1 : 1;
    nQuotient += 2 * (nRemainder < 0 ? -nRemainder : nRemainder) >= 1000 ? nStep : 0;
    return (int)(uint32_t)nQuotient;
}

// How near a play's formation leans to the suggested formation's pass focus, per mille; every
// formation is near when the suggested one is no defensive formation (nSuggestedFocus < 0).
static int Get_Formation_Closeness(int nSuggestedFocus, int nFormation) {
    if (nSuggestedFocus < 0)
        return 1000;
    int nGap = nSuggestedFocus - Get_Defensive_Formation_Pass_Focus(nFormation);
    return Mul_Div(Max_Int(0, CLOSENESS_RANGE - (nGap < 0 ? -nGap : nGap)), 1000, CLOSENESS_RANGE);
}

// How each defensive play met the guesses, per mille: the product of its matchups with them.
static void Rate_Plays_Against_Guesses(const int* anGuesses, int* anMet) {
    for (int p = 0; p < DEFENSIVE_PLAY_COUNT; p++)
        anMet[p] = 1000;
    for (int i = 0; i < OFFENSIVE_GUESSES; i++) {
        int k = anGuesses[i];
        if (k < 0 || k >= OFFENSIVE_PLAY_COUNT)
            continue;
        const int* pMatchups = gPlayMatchupTable[k];
        for (int p = 0; p < DEFENSIVE_PLAY_COUNT; p++)
            anMet[p] = Per_Mille_Of(anMet[p], pMatchups[p]);
    }
}

// Weighs every defensive play by how it met five guesses of the offensive call, how near its
// formation is to the one the situation suggests and how it suits the team's scheme.
int Choose_Defensive_Play(GAME* pGame) {
    int nThreat = Get_Top_Receiver_Threat(pGame);
    int anGuesses[OFFENSIVE_GUESSES];
    for (int i = 0; i < OFFENSIVE_GUESSES; i++)
        anGuesses[i] = Choose_Offensive_Play(pGame);
    int nSuggested = Set_Team_Formations(pGame);
    int nSuggestedFocus =
        Is_Defensive_Formation(nSuggested) ? Get_Defensive_Formation_Pass_Focus(nSuggested) : -1;
    int nDefence = Get_Defensive_Team(pGame);
    int nScheme = nDefence >= 0 && nDefence <= LAST_DRAFT_POOL_TEAM
                      ? Get_Team_Stat(nDefence, TEAM_DEFENSIVE_SCHEME)
                      : 0;
    PLAYBOOK_FACTS scratch;
    const DEFENSIVE_PLAY_FACTS* aPlays = Get_Playbook_Facts(pGame, nDefence, &scratch)->aDefence;
    int anMet[DEFENSIVE_PLAY_COUNT];
    Rate_Plays_Against_Guesses(anGuesses, anMet);
    int anCumulative[DEFENSIVE_PLAY_COUNT];
    int nSum = 0;
    for (int p = 0; p < DEFENSIVE_PLAY_COUNT; p++) {
        int nFormation = aPlays[p].nFormation;
        int s = Get_Defensive_Formation_System_Match(nScheme, nFormation);
        int n = Per_Mille_Of(anMet[p], Get_Formation_Closeness(nSuggestedFocus, nFormation));
        int w = Per_Mille_Of(n, s);
        if (nThreat > 0 && aPlays[p].bDoubleTeam)
            w *= nThreat + 1;
        nSum += w;
        anCumulative[p] = nSum;
    }
    Random_Number();
    double u = Random_Unit();
    if (nSum == 0)
        return Min_Int((int)(u * DEFENSIVE_PLAY_COUNT), DEFENSIVE_PLAY_COUNT - 1);
    int d = (int)(u * nSum);
    for (int p = 0; p < DEFENSIVE_PLAY_COUNT - 1; p++) {
        if (anCumulative[p] >= d)
            return p;
    }
    return DEFENSIVE_PLAY_COUNT - 1;
}
