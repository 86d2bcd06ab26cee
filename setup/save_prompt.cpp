// The question whether the league is to be saved before it is left.
#include "database/database.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define SAVE_DIALOG_SAVED 1

// Opened without the checks of a running advance; 1 when it saved.
// STAND-IN(setup): refuses a save while games are being played, unless a watched game is live.
int Open_Save_Game_Dialog(HWND hParent) {
    return Open_Dialog(hParent ? hParent : Get_Main_Window(), IDD_SAVE_GAME) == SAVE_DIALOG_SAVED;
}

int Confirm_Save_Changes(HWND hParent) {
    if (gTeamChecksum == Compute_Team_Table_Checksum())
        return 1;
    int nAnswer = Do_Message_Box("Save changes to current game since last save?", "Game Not Saved",
                                 MB_YESNOCANCEL | MB_ICONQUESTION);
    if (nAnswer == IDYES)
        return Open_Save_Game_Dialog(hParent);
    return nAnswer == IDNO;
}
