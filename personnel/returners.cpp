// A team's kick and punt returners: the best return man by his return rating, speed and
// quickness, an offensive starter counting three quarters.
#include <math.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define FALLBACK_RETURNER_SLOT 5
#define LAST_OFFENSIVE_STARTER_SLOT 10
#define STARTER_RETURN_PERCENT 75

static float Get_Return_Score(int nTeam, int nSlot, int nReturnRating) {
    float fSpeed = Get_Player_Rating(nTeam, nSlot, RATING_SPEED);
    float fQuickness = Get_Player_Rating(nTeam, nSlot, RATING_QUICKNESS);
    float fScore =
        5.0f * Get_Player_Rating(nTeam, nSlot, nReturnRating) + 2.0f * fSpeed + fQuickness;
    if (nSlot <= LAST_OFFENSIVE_STARTER_SLOT)
        fScore = roundf(fScore * STARTER_RETURN_PERCENT / 100.0f);
    return fScore;
}

int Choose_Team_Returner(int nTeam, int nKind) {
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return NO_SLOT_BYTE;
    int nReturnRating = nKind == PUNT_RETURNER ? RATING_PUNT_RETURNS : RATING_KICK_RETURNS;
    int nChoice = FALLBACK_RETURNER_SLOT;
    float fBest = 0.0f;
    int bFound = 0;
    int nCount = Find_Free_Player_Slot(nTeam);
    for (int nSlot = 0; nSlot < nCount; nSlot++) {
        if (!Is_Player_Slot_Used(nTeam, nSlot))
            continue;
        float fScore = Get_Return_Score(nTeam, nSlot, nReturnRating);
        if (!Is_Returning_Position(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)))
            continue;
        if (!bFound || fScore > fBest) {
            nChoice = nSlot;
            fBest = fScore;
            bFound = 1;
        }
    }
    Set_Team_Returner(nTeam, nKind, nChoice);
    return nChoice;
}

// A stored returner who no longer plays a returning position is replaced by the computer's choice.
uint8_t Get_Team_Returner(int nTeam, int nKind) {
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in Get_Team_Returner(%d,%d)", nTeam, nKind);
        return 0;
    }
    if (nKind != KICK_RETURNER && nKind != PUNT_RETURNER)
        return NO_SLOT_BYTE;
    uint8_t nSlot = Get_Stored_Team_Returner(nTeam, nKind);
    if (nSlot != NO_SLOT_BYTE)
        return nSlot;
    return (uint8_t)Choose_Team_Returner(nTeam, nKind);
}

void Choose_Team_Returners(int nTeam) {
    Choose_Team_Returner(nTeam, KICK_RETURNER);
    Choose_Team_Returner(nTeam, PUNT_RETURNER);
}

// A stored returner who still plays a returning position stays; Get_Team_Returner chooses anew
// otherwise.
void Check_Team_Returners(int nTeam) {
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT)
        return;
    Get_Team_Returner(nTeam, KICK_RETURNER);
    Get_Team_Returner(nTeam, PUNT_RETURNER);
}
