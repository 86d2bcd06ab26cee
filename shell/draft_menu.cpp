// The draft items of the main menu and the commands that start and continue the draft.
#include "database/database.h"
#include "personnel/personnel.h"
#include "shell/shell.h"

// There is no menu yet, so no item to relabel.
// STAND-IN(shell): relabels the draft menu items for fantasy-draft mode.
void Set_Draft_Menu_Items(int bFantasyDraft) {
    (void)bFantasyDraft;
}

// The menu command that ends the off-season and opens the college draft.
void End_Off_Season(void) {
    Log_Timestamp("Off-Season Finished");
    Compute_Draft_Order();
    Close_Progress_Window();
    gDraftRound = 0;
    gDraftPick = 0;
    Start_College_Draft_File();
    Load_Draft_Strategy();
    Run_College_Draft();
}

// The menu command that lets the draft go on, with the main window repainted around it.
void Resume_College_Draft(void) {
    HWND hMain = Get_Main_Window();
    InvalidateRect(hMain, NULL, FALSE);
    UpdateWindow(hMain);
    Run_College_Draft();
    InvalidateRect(hMain, NULL, FALSE);
    UpdateWindow(hMain);
}
