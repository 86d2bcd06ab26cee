// The question whether the league is to be saved before it is left.
#include "database/database.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define SAVE_DIALOG_SAVED 1
#define SAVE_PATH_SIZE 300

// Opened without the checks of a running advance; 1 when it saved.
// STAND-IN(setup): refuses a save while games are being played, unless a watched game is live.
int Open_Save_Game_Dialog(HWND hParent) {
    return Open_Dialog(hParent ? hParent : Get_Main_Window(), IDD_SAVE_GAME) == SAVE_DIALOG_SAVED;
}

// Saves the league as "<its save name>.vnt" and tells why when it could not. 1 when the caller
// may leave the league: it was saved, or it has no name to save under (the person is told so).
// STAND-IN(setup): the Save Game dialog lets the person choose or confirm the name first.
static int Save_Under_Game_Name(void) {
    char szName[SAVE_PATH_SIZE - 8];
    Get_Saved_Game_Name(szName, sizeof(szName));
    if (szName[0] == '\0') {
        Show_Message_Box("Game Not Saved", "%s",
                         "This game has no name yet, so it was not saved.");
        return 1;
    }
    char szPath[SAVE_PATH_SIZE];
    Format_String(szPath, sizeof(szPath), "%s.vnt", szName);
    int nResult = Save_Game_File(szPath, NULL);
    if (nResult == SAVE_NOT_CREATED)
        Do_Message_Box("Football Vanto was unable to save a game with that file name. It may "
                       "contain some invalid characters.",
                       "File Open Error", MB_OK | MB_ICONINFORMATION);
    else if (nResult == SAVE_WRITE_FAILED)
        Do_Message_Box("Football Vanto was unable to write the saved game file, probably because "
                       "of low hard drive space. You can use the 'Resume' dialog to erase old "
                       "saved game files.",
                       "File Write Error", MB_OK | MB_ICONINFORMATION);
    // A league that could not be written stays open, so that it is not lost.
    return nResult == SAVE_OK;
}

int Confirm_Save_Changes(HWND hParent) {
    (void)hParent;
    if (gTeamChecksum == Compute_Team_Table_Checksum())
        return 1;
    int nAnswer = Do_Message_Box("Save changes to current game since last save?", "Game Not Saved",
                                 MB_YESNOCANCEL | MB_ICONQUESTION);
    if (nAnswer == IDYES)
        return Save_Under_Game_Name();
    return nAnswer == IDNO;
}
