// The fantasy draft's state kept beside old saved games.
#include "database/database.h"
#include "personnel/personnel.h"

#define DRAFT_FILE_NAME_SIZE 280

// Reads "<saved game>.draft" over the fantasy-draft state; a missing or short file changes
// nothing.
void Load_Fantasy_Draft_State(void) {
    char szName[sizeof(SAVED_STATE::szSavedGameName)];
    char szPath[DRAFT_FILE_NAME_SIZE];
    Get_Saved_Game_Name(szName, sizeof(szName));
    Format_String(szPath, sizeof(szPath), "%s.draft", szName);
    FILE* pFile = Platform_Open_File(szPath, "rb");
    if (!pFile)
        return;
    uint8_t abState[FANTASY_DRAFT_STATE_SIZE];
    if (fread(abState, 1, sizeof(abState), pFile) == sizeof(abState))
        Set_Fantasy_Draft_State(abState);
    fclose(pFile);
}
