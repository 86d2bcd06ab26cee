// Returns of kickoffs and punts: how far a returner runs, the era's chance of a return all the
// way, the tackle that ends a return and the best marks a kicker's season keeps.
#include <math.h>

#include "engine/engine.h"

#define LAST_MODERN_YEAR 2016
#define BREAKAWAY_SPEED 60
#define RETURN_SPREAD 0.6f
#define TACKLER_DRAWS 10
#define RETURN_TACKLE_STAT 2
#define MAX_RETURN_GAIN 120

static float Get_Era_Rate(float fModern, float fCap) {
    int nYear = Get_Season_Year();
    if (nYear > LAST_MODERN_YEAR)
        return fModern;
    float fRate = (LAST_MODERN_YEAR + 1 - nYear) * 0.001f + fModern;
    return fRate < fCap ? fRate : fCap;
}

float Get_Kick_Return_Breakaway_Rate(void) {
    return Get_Era_Rate(0.006f, 0.014f);
}

float Get_Punt_Return_Breakaway_Rate(void) {
    return Get_Era_Rate(0.011f, 0.015f);
}

// The spread return of expected length h, or KICK_RETURN_ALL_THE_WAY when the breakaway draw
// comes up; at least 1 yard.
static int Spread_Return(float h, float fBreakaway) {
    int nReturn = (int)floorf(Random_Spread_Float(h, RETURN_SPREAD));
    if (fBreakaway > Random_Unit())
        nReturn = KICK_RETURN_ALL_THE_WAY;
    return Max_Int(nReturn, 1);
}

int Get_Kick_Return_Yards(int nTeam, int nSlot, int bShort) {
    float fSpeed = Get_Player_Rating(nTeam, nSlot, RATING_SPEED);
    float fReturns = Get_Player_Rating(nTeam, nSlot, RATING_KICK_RETURNS);
    float fVision = Get_Player_Rating(nTeam, nSlot, RATING_VISION);
    float h =
        (5.0f * fReturns + fVision + Get_Player_Rating(nTeam, nSlot, RATING_QUICKNESS) - 270.0f) *
        25.0f / 360.0f;
    float fBreakaway = 0.0f;
    if (fSpeed >= BREAKAWAY_SPEED)
        fBreakaway =
            (fSpeed + fReturns + fVision - 180.0f) / 90.0f * Get_Kick_Return_Breakaway_Rate();
    if (bShort) {
        h *= 0.7f;
        fBreakaway *= 0.5f;
    }
    return Spread_Return(h, fBreakaway);
}

int Get_Punt_Return_Yards(int nTeam, int nSlot, int nPuntDistance) {
    float fSpeed = Get_Player_Rating(nTeam, nSlot, RATING_SPEED);
    float fReturns = Get_Player_Rating(nTeam, nSlot, RATING_PUNT_RETURNS);
    float fAverage = Get_Historical_Average_Stat(STAT_PUNT_AVERAGE, Get_Season_Year()) / 10.0f;
    float m = 0.0f;
    if (fAverage > 0.0f)
        m = nPuntDistance / fAverage *
            ((4.0f * fReturns + Get_Player_Rating(nTeam, nSlot, RATING_QUICKNESS) - 170.0f) * 8.0f /
             255.0f);
    float fBreakaway = 0.0f;
    if (fSpeed >= BREAKAWAY_SPEED)
        fBreakaway = (fSpeed + fReturns + Get_Player_Rating(nTeam, nSlot, RATING_VISION) - 160.0f) /
                     80.0f * Get_Punt_Return_Breakaway_Rate();
    return Spread_Return(m, fBreakaway);
}

// The receiving team (now the offence) runs the kick back: the return stops at the goal line, a
// defender of the kicking team makes the tackle short of it (on a kickoff the kicker is passed
// over while another can be drawn), and the returner and his team are credited. Returns the yards;
// *pTackler gets the tackler's roster slot, NO_SLOT_BYTE after a touchdown.
int Finish_Return(GAME* pGame, uint8_t nReturner, int nReturn, const RETURN_CREDITS* pCredits,
                  int* pTackler) {
    int nTeam = Get_Offensive_Team(pGame);
    int bSide = Get_Offensive_Side(pGame);
    int bTouchdown = nReturn >= pGame->nYardLine;
    nReturn = Min_Int(nReturn, pGame->nYardLine);
    Set_Play_Yards(pGame, Min_Int(nReturn, MAX_RETURN_GAIN));
    *pTackler = NO_SLOT_BYTE;
    if (!bTouchdown) {
        uint8_t nKicker = Get_On_Field_Slot(pGame, 1 - bSide, 0);
        int nTackler = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, RETURN_TACKLE_STAT, 0);
        for (int k = 1; pCredits->bSkipKicker && nTackler == nKicker && k < TACKLER_DRAWS; k++)
            nTackler = Choose_Game_Event_Player(pGame, GROUP_DEFENCE, RETURN_TACKLE_STAT, 0);
        Credit_Player_Game_Event(pGame->anTeams[1 - bSide], pGame, nTackler, GROUP_DEFENCE,
                                 RETURN_TACKLE_STAT, 1);
        *pTackler = nTackler;
    } else {
        Set_Play_Result(&pGame->currentPlay, pCredits->nTouchdownResult);
        Credit_Player_Game_Event(nTeam, pGame, nReturner, RETURN_GROUP, pCredits->nReturns + 2, 1);
    }
    Credit_Player_Game_Event(nTeam, pGame, nReturner, RETURN_GROUP, pCredits->nReturns, 1);
    Credit_Player_Game_Event(nTeam, pGame, nReturner, RETURN_GROUP, pCredits->nReturns + 1,
                             nReturn);
    if (!Is_Try_Play(pGame)) {
        Increment_Game_Team_Stat(pGame, bSide, pCredits->nTeamStat);
        Increment_Game_Team_Total(pGame, bSide, pCredits->nTeamTotal, nReturn);
    }
    return nReturn;
}

// A season best (longest punt, longest field goal) raised to n in the current season line, the
// current season and the career.
void Raise_Season_Best(int nTeam, int nSlot, int nStat, int n) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    if (Get_Current_Season_Line_Stat(nTeam, nSlot, nStat) < n)
        Set_Current_Season_Line_Stat(nTeam, nSlot, nStat, n);
    static const int SEASONS[2] = {SEASON_CURRENT, SEASON_CAREER};
    for (int nSeason : SEASONS)
        if (Get_Player_Stat(nTeam, nSlot, nSeason, nStat) < n)
            Set_Player_Stat(nTeam, nSlot, nSeason, nStat, n);
}
