// The saved state block and its clearing.
#include <string.h>

#include "core/core.h"
#include "database/database.h"

SAVED_STATE gSavedState;

void Clear_League_Database(void) {
    memset(&gSavedState, 0, sizeof(gSavedState));
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        Set_Team_Stat(nTeam, TEAM_DIVISION, -1);
        Set_Team_Stat(nTeam, TEAM_TIME_ZONE, -1);
        Set_Team_Stat(nTeam, TEAM_CONTROL, -1);
        Set_Team_Stat(nTeam, TEAM_CITY_INDEX, -1);
    }
}

void Set_Fantasy_Draft_State(const uint8_t* pBytes) {
    memcpy(reinterpret_cast<uint8_t*>(&gSavedState) + FANTASY_DRAFT_STATE_OFFSET, pBytes,
           FANTASY_DRAFT_STATE_SIZE);
}

void Set_Shuffling_Players(int bOn) {
    gSavedState.nShufflingPlayers = (int16_t)bOn;
}

int Is_Recording_Season_Lines(void) {
    return gSavedState.nShufflingPlayers != 0;
}
