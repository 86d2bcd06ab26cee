// The ratings steps of a new game: the free agents' pool brought to its average and the young
// players held below a ceiling for their experience.
#include "database/database.h"
#include "personnel/personnel.h"

#define FREE_AGENT_TARGET_OVERALL 62
#define OVERALL_BASE 50
#define BROKEN_NEW_GAME_OVERALL 25  // an overall below this one is rolled anew before it is used
#define YOUNG_PLAYER_AGE 24
#define YOUNG_CAP_BASE 78
#define YOUNG_CAP_PER_SEASON 6

// The overall at his own position; a broken one is rolled anew first.
static float Own_Position_Overall(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    float fOverall = Compute_Position_Rating(nTeam, nSlot, nPosition);
    if (fOverall < BROKEN_NEW_GAME_OVERALL) {
        Generate_Player_Ratings(nTeam, nSlot);
        fOverall = Compute_Position_Rating(nTeam, nSlot, nPosition);
    }
    return fOverall;
}

void Normalize_Free_Agent_Ratings(void) {
    float afOverall[PLAYERS_PER_TEAM];
    float fSum = 0;
    int nCount = 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot))
            continue;
        afOverall[nSlot] = Own_Position_Overall(FREE_AGENT_TEAM, nSlot);
        fSum += afOverall[nSlot];
        nCount++;
    }
    if (nCount == 0)
        return;
    float fMean = fSum / nCount;
    if (fMean <= FREE_AGENT_TARGET_OVERALL)
        return;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot))
            continue;
        float fTarget = (afOverall[nSlot] - OVERALL_BASE) *
                            (FREE_AGENT_TARGET_OVERALL - OVERALL_BASE) / (fMean - OVERALL_BASE) +
                        OVERALL_BASE;
        Scale_Player_Ratings_To_Overall(FREE_AGENT_TEAM, nSlot, fTarget);
    }
}

void Cap_Young_Player_Overall(void) {
    int nYear = Get_Season_Year();
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nAge = nYear - Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
            if (nAge > YOUNG_PLAYER_AGE)
                continue;
            int nCap = YOUNG_CAP_BASE +
                       YOUNG_CAP_PER_SEASON * Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE);
            int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
            if (nCap >= (int)Compute_Position_Rating(nTeam, nSlot, nPosition))
                continue;
            int nPotential = (int)Get_Player_Potential(nTeam, nSlot);
            Scale_Player_Ratings_To_Overall(nTeam, nSlot, (float)nCap);
            Set_Player_Potential_For_Overall(nTeam, nSlot, nPotential);
        }
    }
}
