// User preferences: 240 ints then 120 shorts inside the saved state block.
#include "core/core.h"
#include "database/database.h"

int Get_User_Preference(int nPreference) {
    if (nPreference >= 0 && nPreference < PREFERENCE_INT_COUNT)
        return gSavedState.anPreferenceInts[nPreference];
    if (nPreference >= PREFERENCE_INT_COUNT && nPreference < PREFERENCE_COUNT)
        return gSavedState.anPreferenceShorts[nPreference - PREFERENCE_INT_COUNT];
    Report_Error("nPreference out of bounds in Get_User_Preference([%d])", nPreference);
    return 0;
}

void Set_User_Preference(int nPreference, int nValue) {
    if (nPreference >= 0 && nPreference < PREFERENCE_INT_COUNT)
        gSavedState.anPreferenceInts[nPreference] = nValue;
    else if (nPreference >= PREFERENCE_INT_COUNT && nPreference < PREFERENCE_COUNT)
        gSavedState.anPreferenceShorts[nPreference - PREFERENCE_INT_COUNT] = (int16_t)nValue;
}
