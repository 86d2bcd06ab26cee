// Each team's formation lineups: the player id that fills each of the 11 spots of each of the 48
// formations, built from the spot table and the depth chart before plays are run.
#include <limits.h>

#include "engine/engine.h"
#include "personnel/personnel.h"

static int Is_Lineup_Index(int nFormation, int nSpot) {
    return nFormation >= 0 && nFormation < FORMATION_COUNT && nSpot >= 0 && nSpot < FORMATION_SPOTS;
}

// Callers check the team and the formation first.
static int32_t* Get_Lineup(int nTeam, int nFormation) {
    return Get_Team_Formation_Lineup(nTeam, nFormation);
}

// The available player for a spot; with bBackup the next quarterback takes a scrimmage spot. A
// player beyond the game record's roster slots is not dressed: the spot is left to a spare.
uint8_t Get_Formation_Spot_Player(int nFormation, int nTeam, int nSpot, int bBackup) {
    int nPosition = Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_POSITION);
    int nDepth = Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_DEPTH);
    if (nPosition < 0)
        return NO_SLOT_BYTE;
    if (bBackup && nPosition == POS_QB && nFormation < FIRST_SPECIAL_FORMATION)
        nDepth++;
    uint8_t nSlot = Get_Available_Position_Player(nTeam, nPosition, nDepth);
    return nSlot < GAME_ROSTER_SLOTS ? nSlot : NO_SLOT_BYTE;
}

int Get_Formation_Lineup_Entry(int nFormation, int nTeam, int nSpot) {
    if (!Is_Lineup_Index(nFormation, nSpot) || nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return 0;
    return Get_Lineup(nTeam, nFormation)[nSpot] > 0;
}

void Set_Formation_Lineup_Entry(int nFormation, int nTeam, int nSpot, int nId) {
    if (!Is_Lineup_Index(nFormation, nSpot) || nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return;
    Get_Lineup(nTeam, nFormation)[nSpot] = nId;
}

// The entry's player as (team, slot); an empty entry or a player who left the team gives slot 255.
PLAYER_REF Get_Formation_Lineup_Player(int nFormation, int nTeam, int nSpot) {
    PLAYER_REF nEmpty = (PLAYER_REF)((nTeam & 0xFF) | (NO_SLOT_BYTE << 8));
    if (!Is_Lineup_Index(nFormation, nSpot) || nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return nEmpty;
    int nId = Get_Lineup(nTeam, nFormation)[nSpot];
    PLAYER_REF nRef = NO_PLAYER_REF;
    if (nId <= 0 || !Find_Player_ID(&nRef, nId) || (nRef & 0xFF) != (nTeam & 0xFF))
        return nEmpty;
    return nRef;
}

static int Is_Id_In_Lineup(const int32_t* pLineup, int nId) {
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        if (pLineup[nSpot] == nId)
            return 1;
    }
    return 0;
}

int Is_In_Formation_Lineup(int nTeam, int nFormation, int nSlot) {
    if (!Is_Lineup_Index(nFormation, 0) || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    return Is_Id_In_Lineup(Get_Lineup(nTeam, nFormation), Get_Player_ID(nTeam, nSlot));
}

// The healthy player not yet in the formation who scores best for the position; ties keep the
// lower slot, and a score must be above 0. NO_SLOT_BYTE when nobody qualifies. The team is valid.
static uint8_t Find_Best_Spare_Player(int nTeam, int nFormation, int nPosition) {
    const int32_t* pLineup = Get_Lineup(nTeam, nFormation);
    HEALTHY_ROSTER scratch;
    const HEALTHY_ROSTER* pRoster = Get_Healthy_Roster(nTeam, &scratch);
    uint8_t nBest = NO_SLOT_BYTE;
    int nBestScore = 0;
    for (int n = 0; n < pRoster->nCount; n++) {
        int nSlot = pRoster->anSlots[n];
        // A kept score that cannot win skips the lineup check; a score not yet kept is worked
        // out only for a player outside the lineup, as its working out may repair his record.
        int nKept = Peek_Depth_Chart_Score(nTeam, nSlot, nPosition);
        if ((nKept != INT_MIN && nKept <= nBestScore) ||
            Is_Id_In_Lineup(pLineup, pRoster->anIds[n]))
            continue;
        int nScore =
            nKept != INT_MIN ? nKept : Get_Cached_Depth_Chart_Score(nTeam, nSlot, nPosition);
        if (nScore > nBestScore) {
            nBest = (uint8_t)nSlot;
            nBestScore = nScore;
        }
    }
    return nBest;
}

// Each spot takes the depth-chart player of its position and depth (in LINEUP_MODE_REST_QB the
// next quarterback at scrimmage); a spot left empty takes the best spare player. 0 when a spot
// stays empty.
int Fill_Formation_Lineup(int nFormation, int nTeam, int nMode) {
    if (!Is_Valid_Team(nTeam) || !Is_Lineup_Index(nFormation, 0))
        return 0;
    int32_t* pLineup = Get_Lineup(nTeam, nFormation);
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++)
        pLineup[nSpot] = LINEUP_EMPTY;
    int bRestQuarterback = nMode == LINEUP_MODE_REST_QB && nFormation < FIRST_SPECIAL_FORMATION;
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        uint8_t nSlot = Get_Formation_Spot_Player(nFormation, nTeam, nSpot, bRestQuarterback);
        if (nSlot != NO_SLOT_BYTE)
            pLineup[nSpot] = Get_Player_ID(nTeam, nSlot);
    }
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        if (pLineup[nSpot] != LINEUP_EMPTY)
            continue;
        int nPosition = Get_Formation_Spot_Position(nFormation, nSpot, SPOT_FIELD_POSITION);
        uint8_t nSlot = Find_Best_Spare_Player(nTeam, nFormation, nPosition);
        if (nSlot == NO_SLOT_BYTE)
            return 0;
        pLineup[nSpot] = Get_Player_ID(nTeam, nSlot);
    }
    return 1;
}

// Every formation is rebuilt even after one fails, so no lineup keeps players of an older fill.
int Fill_Team_Formation_Lineups(int nTeam, int nMode) {
    if (!Is_Valid_Team(nTeam))
        return 0;
    int bAllFilled = 1;
    Open_Position_Player_Cache(nTeam);
    for (int nFormation = 0; nFormation < FORMATION_COUNT; nFormation++) {
        if (!Fill_Formation_Lineup(nFormation, nTeam, nMode))
            bAllFilled = 0;
    }
    Close_Position_Player_Cache();
    return bAllFilled;
}
