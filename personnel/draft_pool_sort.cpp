// Sorting the college draft pool by one key, highest first, with the named prospects optionally
// ahead of the generated ones.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define DRAFT_POOL_CAPACITY ((LAST_DRAFT_POOL_TEAM - FIRST_DRAFT_POOL_TEAM + 1) * PLAYERS_PER_TEAM)
#define NAMED_PROSPECT_BONUS 1000000
#define OTHER_KEY_BASE 15000
#define OTHER_KEY_POSITION_STEP 1000
#define BROKEN_OVERALL 25.0f
#define SORT_PROGRESS_STEPS 100
#define SORT_PASSES_PER_STEP 3

static int Get_Draft_Pool_Sort_Key(int nTeam, int nSlot, int bNamedFirst, int nKey) {
    int nValue;
    switch (nKey) {
    case DRAFT_POOL_KEY_SALARY:
        nValue = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT);
        break;
    case DRAFT_POOL_KEY_DRAFT_VALUE:
        nValue = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE);
        break;
    case DRAFT_POOL_KEY_PROJECTED_RATING: {
        int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
        float fRating = Compute_Position_Rating(nTeam, nSlot, nPosition);
        if (fRating < BROKEN_OVERALL) {
            Generate_Player_Ratings(nTeam, nSlot);
            fRating = Compute_Position_Rating(nTeam, nSlot, nPosition);
        }
        nValue = (int)fRating;
        break;
    }
    case DRAFT_POOL_KEY_POTENTIAL: nValue = (int)Get_Player_Potential(nTeam, nSlot); break;
    default:
        nValue = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SCOUTING_SCORE) + OTHER_KEY_BASE -
                 Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) * OTHER_KEY_POSITION_STEP;
        break;
    }
    if (bNamedFirst && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_RANDOM_PROSPECT) == 0)
        nValue += NAMED_PROSPECT_BONUS;
    return nValue;
}

// An exchange sort over neighbouring pool players; each key is taken once and moves with its
// player.
void Sort_Draft_Pool_Players(int bNamedFirst, int nKey) {
    static int anKeys[DRAFT_POOL_CAPACITY];
    int nCount = Count_Draft_Pool_Players();
    for (int n = 0; n < nCount; n++) {
        int nTeam = NO_TEAM;
        int nSlot = NO_PLAYER;
        Get_Draft_Pool_Player(n, &nTeam, &nSlot);
        anKeys[n] = Get_Draft_Pool_Sort_Key(nTeam, nSlot, bNamedFirst, nKey);
    }
    Open_Progress_Window("Sorting College Players...", SORT_PROGRESS_STEPS);
    int nPasses = 0;
    for (int bSwapped = 1; bSwapped;) {
        bSwapped = 0;
        for (int n = 0; n + 1 < nCount; n++) {
            if (anKeys[n] >= anKeys[n + 1])
                continue;
            int nTeamA, nSlotA, nTeamB, nSlotB;
            Get_Draft_Pool_Player(n, &nTeamA, &nSlotA);
            Get_Draft_Pool_Player(n + 1, &nTeamB, &nSlotB);
            Swap_Players(nTeamA, nSlotA, nTeamB, nSlotB);
            Swap_Ints(&anKeys[n], &anKeys[n + 1]);
            bSwapped = 1;
        }
        if (++nPasses % SORT_PASSES_PER_STEP == 0)
            Step_Progress_Window(1);
    }
    Step_Progress_Window(SORT_PROGRESS_STEPS - nPasses / SORT_PASSES_PER_STEP);
    Close_Progress_Window();
    Pump_Messages();
}
