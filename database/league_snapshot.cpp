// A copy of the whole league kept aside and put back, as one block.
#include <stdlib.h>
#include <string.h>

#include "database/database.h"

SAVED_STATE* Take_League_Snapshot(void) {
    SAVED_STATE* pSnapshot = static_cast<SAVED_STATE*>(malloc(sizeof(SAVED_STATE)));
    if (pSnapshot)
        memcpy(pSnapshot, &gSavedState, sizeof(SAVED_STATE));
    return pSnapshot;
}

void Restore_League_Snapshot(const SAVED_STATE* pSnapshot) {
    memcpy(&gSavedState, pSnapshot, sizeof(SAVED_STATE));
}

void Free_League_Snapshot(SAVED_STATE* pSnapshot) {
    free(pSnapshot);
}
