// The model team whose playbook style each of the first 32 franchises follows.
#include "core/core.h"
#include "engine/engine.h"

#define MODEL_TEAM_COUNT 32

static const char* const kModelTeams[MODEL_TEAM_COUNT] = {
    "Patriots", "Patriots", "Patriots", "Vikings", "Colts",    "Colts",   "Vikings",  "Vikings",
    "Colts",    "Patriots", "Saints",   "Colts",   "Patriots", "Colts",   "Colts",    "Patriots",
    "49ers",    "Vikings",  "Patriots", "Saints",  "Patriots", "Vikings", "Redskins", "Redskins",
    "Vikings",  "Saints",   "Colts",    "49ers",   "Patriots", "Colts",   "Vikings",  "Redskins",
};

// An index without a model team gives the empty name.
void Get_Default_Playbook_Team(int nIndex, char* szOut, int nSize) {
    const char* szName = nIndex >= 0 && nIndex < MODEL_TEAM_COUNT ? kModelTeams[nIndex] : "";
    safe_strncpy(szOut, szName, nSize);
}
