// The draft items of the main menu and the commands that start and continue the draft.
#include "database/database.h"
#include "personnel/personnel.h"
#include "shell/shell.h"

#define NEWS_TICKER_FIRST_TIMER 1000
#define NEWS_TICKER_LAST_TIMER 1002

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
    Open_College_Draft();
}

void Take_Down_Bars_For_Draft(void) {
    if (gNewsBar) {
        for (UINT_PTR idTimer = NEWS_TICKER_FIRST_TIMER; idTimer <= NEWS_TICKER_LAST_TIMER;
             idTimer++)
            KillTimer(gNewsBar, idTimer);
        DestroyWindow(gNewsBar);
        gNewsBar = NULL;
    }
    if (gButtonBar) {
        DestroyWindow(gButtonBar);
        gButtonBar = NULL;
    }
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
