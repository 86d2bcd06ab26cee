// The defensive formation the computer wants for the down, distance, field position and score.
#include "engine/engine.h"

#define PASS_HEAVY_SHARE 0.65
#define RUN_HEAVY_SHARE 0.55
#define PREVENT_SECONDS 120
#define PREVENT_FIELD 30
#define PREVENT_CLOSE_FIELD 20
#define CLOSE_LEAD 3
#define HURRY_EXTRA_YARDS 3

// How much the offence has passed this game: 1 with no plays, towards 2 for passing, towards 0
// for running, and kept within n / 10 of 1 after n plays.
static double Get_Pass_Tendency(GAME* pGame) {
    int nSide = Get_Offensive_Side(pGame);
    int nPasses = pGame->aanTeamTotals[nSide][GAME_TOTAL_PASS_ATTEMPTS];
    int nRuns = pGame->aanTeamTotals[nSide][GAME_TOTAL_RUSHES];
    int nPlays = nPasses + nRuns;
    double fShare = (double)nPasses / Max_Int(1, nPlays);
    double fTendency = 1.0;
    if (fShare > PASS_HEAVY_SHARE)
        fTendency = 2.0 - (1.0 - fShare) / (1.0 - PASS_HEAVY_SHARE);
    else if (fShare < RUN_HEAVY_SHARE)
        fTendency = fShare / RUN_HEAVY_SHARE;
    double fReach = nPlays / 10.0;
    if (fTendency < 1.0 - fReach)
        fTendency = 1.0 - fReach;
    if (fTendency > 1.0 + fReach)
        fTendency = 1.0 + fReach;
    return fTendency;
}

static int Choose_By_Down(int nDown, int m) {
    switch (nDown) {
    case FIRST_DOWN:
        return m > 10 ? FORMATION_3_4_EAGLE : m > 5 ? FORMATION_4_3 : FORMATION_FORTY_SIX;
    case SECOND_DOWN: return m > 6 ? FORMATION_3_4 : m > 3 ? FORMATION_4_3 : FORMATION_FORTY_SIX;
    case THIRD_DOWN:
    case FOURTH_DOWN:
        if (m >= 22)
            return FORMATION_PREVENT;
        if (m >= 15)
            return FORMATION_3_4_DIME;
        if (m >= 10)
            return FORMATION_DIME;
        if (m > 6)
            return FORMATION_NICKEL;
        if (m > 3)
            return FORMATION_3_4;
        return m > 1 ? FORMATION_5_2 : FORMATION_4_4;
    case KICKOFF:
    case FREE_KICK: return FORMATION_KICKOFF_RETURN;
    case CONVERSION_ATTEMPT: return FORMATION_4_4;
    default:
        Show_Message_Box("Set_Team_Formations()", "Unrecognized Down Flag: %d", nDown);
        return -1;
    }
}

int Set_Team_Formations(GAME* pGame) {
    if (pGame == NULL)
        return -1;
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    int nToGo = pGame->nYardsToGo;
    int nYardLine = pGame->nYardLine;
    int nOffenceSide = Get_Offensive_Side(pGame);
    int nLead = pGame->anScores[1 - nOffenceSide] - pGame->anScores[nOffenceSide];
    int bClose = nLead <= CLOSE_LEAD || pGame->nClock < 2 * QUARTER_SECONDS;
    if (pGame->nClock >= REGULATION_SECONDS && nDown <= FOURTH_DOWN &&
        nYardLine < Get_Field_Goal_Range(pGame) / 2)
        return FORMATION_FIELD_GOAL_BLOCK;
    if (nYardLine == 1)
        return FORMATION_4_4;
    if (nYardLine == 2)
        return FORMATION_5_2;
    if (Get_Game_Seconds_Left(pGame) < PREVENT_SECONDS && Get_Game_Quarter(pGame) == 4 &&
        nLead > 0 && nYardLine >= PREVENT_FIELD + PREVENT_CLOSE_FIELD * bClose)
        return FORMATION_PREVENT;
    int m = Min_Int(nToGo, nYardLine);
    if (Is_Offense_Hurrying(pGame) && nYardLine > 10)
        m += HURRY_EXTRA_YARDS;
    m += ((int)(Get_Pass_Tendency(pGame) * 10) - 10) / 2;
    return Choose_By_Down(nDown, m);
}
