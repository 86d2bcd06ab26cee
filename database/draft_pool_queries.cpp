// The college draft pool: the prospects on rosters 38..40 counted and found by index.
#include "database/database.h"

int Count_Draft_Pool_Players(void) {
    int nCount = 0;
    for (int nTeam = FIRST_DRAFT_POOL_TEAM; nTeam <= LAST_DRAFT_POOL_TEAM; nTeam++)
        nCount += Find_Free_Player_Slot(nTeam);
    return nCount;
}

void Get_Draft_Pool_Player(int n, int* pTeam, int* pSlot) {
    for (int nTeam = FIRST_DRAFT_POOL_TEAM; nTeam <= LAST_DRAFT_POOL_TEAM && n >= 0; nTeam++) {
        int nCount = Find_Free_Player_Slot(nTeam);
        if (n < nCount) {
            *pTeam = nTeam;
            *pSlot = n;
            return;
        }
        n -= nCount;
    }
}
