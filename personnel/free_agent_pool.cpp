// The free-agent pool: its order and the least it keeps at every position.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define SORT_BY_PREDICTED_VALUE 2
#define PREDICTED_VALUE_STAT 225
#define POSITION_KEY_STEP 100000
#define POOL_CROWDED_SLOT 96  // a new free agent needs a free slot at or below this one

int gFreeAgentSortMode = 0;

// Free agents the pool keeps at each position, QB..P.
static const int kPoolMinimums[POSITION_COUNT] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};

static int Get_Pool_Sort_Key(int nSlot, int nMode) {
    if (nMode == 0)
        return Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SALARY);
    if (nMode == SORT_BY_PREDICTED_VALUE)
        return Get_Player_Stat(FREE_AGENT_TEAM, nSlot, SEASON_PREDICTED, PREDICTED_VALUE_STAT);
    int nPosition = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_POSITION);
    return (POSITION_COUNT - nPosition) * POSITION_KEY_STEP +
           Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SALARY);
}

// Best first by the mode's key; equal keys keep their order.
static void Sort_Free_Agents_By_Mode(int nMode) {
    int nCount = Find_Free_Player_Slot(FREE_AGENT_TEAM);
    int anKeys[PLAYERS_PER_TEAM];
    for (int nSlot = 0; nSlot < nCount; nSlot++)
        anKeys[nSlot] = Get_Pool_Sort_Key(nSlot, nMode);
    for (int nPass = 0; nPass < nCount; nPass++) {
        for (int nSlot = 0; nSlot + 1 < nCount; nSlot++) {
            if (anKeys[nSlot] >= anKeys[nSlot + 1])
                continue;
            Swap_Players(FREE_AGENT_TEAM, nSlot, FREE_AGENT_TEAM, nSlot + 1);
            int nKey = anKeys[nSlot];
            anKeys[nSlot] = anKeys[nSlot + 1];
            anKeys[nSlot + 1] = nKey;
        }
    }
}

void Sort_Free_Agent_Pool(void) {
    Sort_Free_Agents_By_Mode(gFreeAgentSortMode);
    Replenish_Free_Agent_Pool();
}

void Replenish_Free_Agent_Pool(void) {
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        while (Count_Team_Position_Players(FREE_AGENT_TEAM, nPosition) < kPoolMinimums[nPosition]) {
            int nSlot = Find_Free_Player_Slot(FREE_AGENT_TEAM);
            while (nSlot > POOL_CROWDED_SLOT && Release_Surplus_Player(FREE_AGENT_TEAM))
                nSlot = Find_Free_Player_Slot(FREE_AGENT_TEAM);
            if (nSlot >= PLAYERS_PER_TEAM)
                return;
            Create_Player_Of_Quality(FREE_AGENT_TEAM, nSlot, 1.0f, nPosition);
            if (!Is_Player_Slot_Used(FREE_AGENT_TEAM, nSlot))
                return;
        }
    }
}
