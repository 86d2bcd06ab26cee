// New player ids.
#include "core/core.h"
#include "database/database.h"

#define ID_BASE_OFFSET 10101
#define SHORT_ROUND_TRIES 1000
#define SHORT_ROUND_BITS 8
#define LONG_ROUND_TRIES 10000
#define LONG_ROUND_BITS 12
#define LAST_RESORT_MASK 0x0FFFFFFF

// Tries nTries ids made of the base shifted left and nBits random low bits; 0 when all are used.
static int Try_Player_Ids(uint32_t uBase, int nBits, int nTries) {
    for (int nTry = 0; nTry < nTries; nTry++) {
        int nId = (int)(((uBase << nBits) + (Random_Number() & ((1u << nBits) - 1))) & 0x7FFFFFFF);
        if (nId > 0 && !Find_Player_ID(NULL, nId))
            return nId;
    }
    return 0;
}

// An id no player has, built from the team, slot and season with random low bits.
int Make_Unique_Player_Id(int nTeam, int nSlot) {
    uint32_t uBase = (uint32_t)(nTeam * 100 + gSeasonNumber * 10000 + nSlot + ID_BASE_OFFSET);
    int nId = Try_Player_Ids(uBase, SHORT_ROUND_BITS, SHORT_ROUND_TRIES);
    if (nId == 0)
        nId = Try_Player_Ids(uBase, LONG_ROUND_BITS, LONG_ROUND_TRIES);
    if (nId == 0)
        nId = (int)(Random_Number() & LAST_RESORT_MASK);
    return nId;
}

void Assign_New_Player_Id(int nTeam, int nSlot) {
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, Make_Unique_Player_Id(nTeam, nSlot));
}
