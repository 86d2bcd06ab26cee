// The outcome of a pass from weighted chances: incomplete, complete, intercepted, sacked or
// knocked down, from the passer, the receiver, the unit strengths, the matchup of the calls and
// the league's rates.
#include <math.h>

#include "engine/engine.h"

#define HISTORICAL_COMPLETION_RATE 101
#define HISTORICAL_INTERCEPTION_RATE 107
#define HISTORICAL_YARDS_PER_COMPLETION 109
#define LOW_RATING_LINE 60.0f

// A quarterback below 60 counts as a third of the way from his rating to 60.
static float Get_Passer_Rating(int nTeam, int nSlot, int nRating) {
    float x = Get_Player_Rating(nTeam, nSlot, nRating);
    if (Is_Valid_Player_Index(nTeam, nSlot) && Is_Player_Quarterback(nTeam, nSlot) &&
        x < LOW_RATING_LINE)
        x = (x + 120.0f) / 3.0f;
    return x;
}

// A team that passes far more than it runs this game makes the defence read the pass.
static float Get_Pass_Balance_Factor(GAME* pGame) {
    int bSide = Get_Offensive_Side(pGame);
    int nPasses = pGame->aanTeamTotals[bSide][GAME_TOTAL_PASS_ATTEMPTS];
    int nPlays = nPasses + pGame->aanTeamTotals[bSide][GAME_TOTAL_RUSHES];
    if (nPlays <= 0)
        return 1.0f;
    float p = (float)nPasses / nPlays;
    float f = 1.0f;
    if (p > 0.65f)
        f = 2.0f - (1.0f - p) / 0.35f;
    else if (p < 0.55f)
        f = p / 0.55f;
    return fminf(fmaxf(f, 1.0f - nPlays / 10.0f), 1.0f + nPlays / 10.0f);
}

static float Limit(float x, float fLow, float fHigh) {
    return fminf(fmaxf(x, fLow), fHigh);
}

int Get_Pass_Outcome(GAME* pGame, int nReceiver, float fCatch, float fTotal, int bPrimary) {
    int bSide = Get_Offensive_Side(pGame);
    int nOffence = pGame->anTeams[bSide];
    int nDefence = Get_Defensive_Team(pGame);
    int nCall = pGame->currentPlay.nOffensiveCall;
    int nDefensiveCall = pGame->currentPlay.nDefensiveCall;
    uint8_t nPasser = Get_On_Field_Slot(pGame, bSide, 0);
    int nYear = Get_Season_Year();
    int bTry = Is_Try_Play(pGame);
    float c = fCatch;
    float t = fTotal;

    // The matchup of the calls.
    float fOffenceModifier = (float)Get_Offensive_Play_Redundancy_Modifier(pGame, nCall);
    float fDefenceModifier = (float)Get_Defensive_Play_Redundancy_Modifier(pGame, nDefensiveCall);
    float x1 = (fDefenceModifier + 2000.0f) / (fOffenceModifier + 2000.0f) *
               Get_Pass_Coverage_Multiplier(nOffence, nCall, nDefence, nDefensiveCall) / 1.22f;
    float x2 = (fDefenceModifier + 1000.0f) / (fOffenceModifier + 1000.0f) *
               Get_Pass_Rush_Multiplier(nOffence, nCall, nDefence, nDefensiveCall);
    float f = Get_Pass_Balance_Factor(pGame);
    if (f > 1.0f) {
        x1 += (f - 1.0f) / 2.5f;
        x2 += (f - 1.0f) / 2.5f;
    }

    // Completion and interception bases, and the incompletion weight.
    float fLeagueCompletion =
        Get_Historical_Average_Stat(HISTORICAL_COMPLETION_RATE, nYear) / 1000.0f;
    float pc = (Get_Passer_Rating(nOffence, nPasser, RATING_ACCURACY) + 200.0f) / 270.0f *
               fLeagueCompletion;
    float pi = (125.0f - Get_Player_Rating(nOffence, nPasser, RATING_CONTROL)) / 50.0f *
               (Get_Historical_Average_Stat(HISTORICAL_INTERCEPTION_RATE, nYear) / 1000.0f);
    float i = (1.0f - pc - pi) * Get_Pass_Coverage_Strength(pGame) / 1.1f * x1;
    if (gCurrentWeek >= 3) {
        float r = fmaxf(Get_League_Average(1) / 1000.0f, 0.2f);
        float d = (fLeagueCompletion / r - 1.0f) * pc * gCurrentWeek * 0.5f;
        i -= d;
        pc += d;
    }

    // The depth the league completes its passes at.
    float y = Get_Historical_Average_Stat(HISTORICAL_YARDS_PER_COMPLETION, nYear) / 100.0f;
    float pd = 0.7f * y;
    float k = 1.0f;
    if (gCurrentWeek >= 3) {
        float fSeason = Get_League_Average(2) / 100.0f;
        k = fSeason / y;
        pd = y / fSeason * pd;
    }
    if (pd <= 0.0f)
        pd = 1.0f;

    // Throws beyond the passer's comfort depth fall incomplete more; shorter ones are completed.
    float s = (Get_Player_Rating(nOffence, nPasser, RATING_DISTANCE) / 70.0f + 1.0f) * pd * 0.5f;
    if (c > s)
        i *= (c - s) * k / 5.0f + 1.0f;
    else
        pc *= (s - c) / s + 1.0f;
    pc *= (pd - t) / 150.0f * k + 1.0f;
    float v = Get_Player_Rating(nOffence, nReceiver, RATING_SPEED);
    if (c > pd)
        i *= (100.0f - v) / 200.0f * k * (c - pd) + 1.0f;
    else
        i *= (c / pd + 1.0f) * 0.5f;
    if (c > 10.0f)
        i *= (x2 - 1.0f) * (c - 10.0f) / 20.0f + 1.0f;

    // Interception and completion weights.
    float z = bTry ? 0.0f
                   : Get_Ball_Hawking_Strength(pGame) * ((2.0f * c + pd) / (3.0f * pd) * pi) * x1 *
                         (x2 + 1.0f) / 2.0f;
    float w =
        (Get_Skill_Position_Strength(pGame) + 9.0f) / 10.0f * pc * Get_Pass_Weather_Factor(pGame);
    w = Scale_Near_Goal_20(pGame, w);
    if (bPrimary) {
        z *= 0.9f;
        w *= 1.1f;
    }
    float e;
    if (pGame->nYardLine < t + 0.1f) {
        w = (Get_Player_Rating(nOffence, nPasser, RATING_RED_ZONE) + 75.0f) / 150.0f * w;
        e = (0.2f * Get_Player_Rating(nOffence, nReceiver, RATING_POWER) + 75.0f +
             0.8f * Get_Player_Rating(nOffence, nReceiver, RATING_RED_ZONE)) /
            150.0f * w;
    } else {
        e = (Get_Player_Rating(nOffence, nReceiver, RATING_QUICKNESS) + 140.0f) / 210.0f * w;
    }
    e = (0.7f * Get_Player_Rating(nOffence, nReceiver, RATING_RECEIVING) + 140.0f +
         0.3f * Get_Player_Rating(nOffence, nReceiver, RATING_HANDS)) /
        210.0f * e;

    // Protection against the rush.
    float fProtection = Get_Pass_Protection_Strength(pGame);
    float fRush = Get_Pass_Rush_Strength(pGame);
    float wc = fmaxf(fProtection / fRush * e, 0.0f);
    float wk = 0.18f * wc;
    z = z * fRush / fProtection;
    float wi = Limit(i - wk, wc / 20.0f, 5.0f * wc);
    if ((pGame->nFlags & GAME_FLAG_DOWN_MASK) == FOURTH_DOWN && c > 10.0f) {
        wk += z;
        z /= c;
    }
    float wn = bTry ? 0.0f : Limit(z, wi / 100.0f, wi / 2.0f);
    float ws = 210.0f / (Get_Player_Rating(nOffence, nPasser, RATING_MOBILITY) + 140.0f) * 0.07f *
               (c / pd + 3.0f) * 0.25f * (2.0f * x2 - 1.0f) * fRush / fProtection;
    ws = fmaxf(ws, 0.0f);

    // The draw.
    float fSum = wi + wc + wn + ws + wk;
    double u = Random_Unit();
    int nOutcome;
    if (fSum <= 0.0f)
        nOutcome = Min_Int((int)(u * 5.0), PASS_KNOCKED_DOWN);
    else {
        double x = u * fSum;
        if (x <= wi)
            nOutcome = PASS_INCOMPLETE;
        else if (x <= wi + wc)
            nOutcome = PASS_COMPLETE;
        else if (x <= wi + wc + wn)
            nOutcome = PASS_INTERCEPTED;
        else if (x <= wi + wc + wn + ws)
            nOutcome = PASS_SACKED;
        else
            nOutcome = PASS_KNOCKED_DOWN;
    }
    if (nOutcome == PASS_SACKED && Random_Below(1000) < Get_Fumble_Factor(pGame, nPasser))
        nOutcome = PASS_SACK_FUMBLE;
    return nOutcome;
}
