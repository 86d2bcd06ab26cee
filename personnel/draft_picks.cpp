// Who owns which draft pick, and the draft order the standings would give.
#include "database/database.h"
#include "personnel/personnel.h"

void Reset_Draft_Pick_Ownership(void) {
    for (int nYear = 0; nYear < DRAFT_YEARS; nYear++)
        for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
            for (int nColumn = 0; nColumn < DRAFT_COLUMNS; nColumn++)
                Set_Draft_Pick_Owner(nYear, nRound, nColumn, nColumn);
}

void Reset_Team_Draft_Picks(int nTeam) {
    if (nTeam < 0 || nTeam >= DRAFT_COLUMNS)
        return;
    for (int nYear = 0; nYear < DRAFT_YEARS; nYear++)
        for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++)
            Set_Draft_Pick_Owner(nYear, nRound, nTeam, nTeam);
}

// The teams pick in team-number order.
// STAND-IN(personnel): the draft order the standings would give, the champion last.
void Project_Draft_Order(void) {
    int nTeams = Count_Active_Teams();
    for (int nPick = 0; nPick < DRAFT_COLUMNS; nPick++)
        gDraftOrder[nPick] = (uint8_t)(nPick < nTeams ? nPick : 0);
}
