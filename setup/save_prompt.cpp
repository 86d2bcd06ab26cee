// The question whether the league is to be saved before it is left, and the refusal to save
// while the week's games are played.
#include "database/database.h"
#include "engine/engine.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

#define SAVE_DIALOG_SAVED 1

// A save during an advance is allowed only while a watched game of this week is on.
static int Is_Save_Allowed_Now(void) {
    if (!gSimulationRunning)
        return 1;
    if (!gLiveGame)
        return 0;
    return Get_Calendar_PBP_Flag(gLiveGame->anTeams[0], gCurrentWeek) ||
           Get_Calendar_PBP_Flag(gLiveGame->anTeams[1], gCurrentWeek);
}

int Open_Save_Game_Dialog(HWND hParent) {
    if (!Is_Save_Allowed_Now()) {
        Stop_Play_With_Message("Save Game", "Can't save game data while playing games.");
        return 0;
    }
    return Open_Dialog(hParent ? hParent : Get_Main_Window(), IDD_SAVE_GAME) == SAVE_DIALOG_SAVED;
}

int Confirm_Save_Changes(HWND hParent) {
    if (!Is_League_Changed())
        return 1;
    int nAnswer = Do_Message_Box("Save changes to current game since last save?", "Game Not Saved",
                                 MB_YESNOCANCEL | MB_ICONQUESTION);
    if (nAnswer == IDYES)
        return Open_Save_Game_Dialog(hParent);
    return nAnswer == IDNO;
}
