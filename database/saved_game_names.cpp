// The names games are saved under: the default one that names the game by its team and seasons,
// kept in step with the seasons while the user has not typed another, the check that a typed
// name names a file of the game folder, and the save under the game's own name.
#include <string.h>

#include "database/database.h"

#define SAVE_NAME_SIZE 256
#define SAVE_PATH_SIZE (SAVE_NAME_SIZE + 8)
#define DESCRIPTION_YEARS_TAIL 6  // "(1999)" or "-2001)": what changes as the seasons pass

void Format_Saved_Game_Description(char* szOut, int nSize) {
    int nYear = Get_Season_Year();
    int nHumans = Count_Human_Teams();
    if (nHumans > 1) {
        Format_String(szOut, nSize, "%d teams - %d players (%d)", Count_Active_Teams(), nHumans,
                      nYear);
        return;
    }
    int nTeam = gUserTeam;
    if (!Is_Valid_Team(nTeam))
        nTeam = 0;
    char szLabel[TEXT_BUFFER_SIZE];
    Get_Team_Label(nTeam, szLabel, sizeof szLabel);
    int nFirstYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    if (nFirstYear >= nYear)
        Format_String(szOut, nSize, "%s (%d)", szLabel, nYear);
    else
        Format_String(szOut, nSize, "%s (%d-%d)", szLabel, nFirstYear, nYear);
}

void Update_Default_Save_Name(void) {
    if (Get_Season_Year() <= Get_Universe_Stat(UNIVERSE_FIRST_YEAR))
        return;
    char szDescription[SAVE_NAME_SIZE], szName[SAVE_NAME_SIZE];
    Format_Saved_Game_Description(szDescription, sizeof szDescription);
    Get_Saved_Game_Name(szName, sizeof szName);
    int nKept = (int)strlen(szDescription) - DESCRIPTION_YEARS_TAIL;
    if (nKept > 0 && strncmp(szName, szDescription, nKept) == 0)
        Set_Saved_Game_Name(szDescription);
}

const char* Check_Save_Name(const char* szName) {
    if (szName[0] == 0)
        return "Please type a name for the saved game.";
    if (strlen(szName) >= SAVE_NAME_SIZE)
        return "That name is too long. Please use a name of at most 255 characters.";
    if (Has_Path_Parts(szName))
        return "A saved game's name names a file in the game folder, so it cannot hold \"/\", "
               "\"\\\" or \"..\". Please choose another name.";
    for (const char* p = szName; *p; p++) {
        if ((unsigned char)*p < ' ')
            return "A saved game's name cannot hold control characters. Please choose another "
                   "name.";
    }
    return NULL;
}

void Format_Save_Path(const char* szName, char* szPath, int nSize) {
    Format_String(szPath, nSize, "%s.vnt", szName);
}

void Tell_Save_Failure(int nResult, const char* szOpenFailure, const char* szOpenCaption) {
    if (nResult == SAVE_NOT_CREATED)
        Do_Message_Box(szOpenFailure, szOpenCaption, MB_OK | MB_ICONINFORMATION);
    else if (nResult == SAVE_WRITE_FAILED)
        Do_Message_Box("Football Vanto was unable to write the saved game file, probably because "
                       "of low hard drive space. You can use the 'Resume' dialog to erase old "
                       "saved game files.",
                       "File Write Error", MB_OK | MB_ICONINFORMATION);
}

int Auto_Save_Game(void) {
    char szName[SAVE_NAME_SIZE], szPath[SAVE_PATH_SIZE];
    Update_Default_Save_Name();
    Get_Saved_Game_Name(szName, sizeof szName);
    int nResult = SAVE_NOT_CREATED;
    if (!Check_Save_Name(szName)) {
        Format_Save_Path(szName, szPath, sizeof szPath);
        nResult = Save_Game_File(szPath, NULL);
    }
    Tell_Save_Failure(nResult, "Football Vanto was unable to automatically save the game.",
                      "File Open Error");
    return nResult == SAVE_OK;
}
