// The draft items of the main menu and the commands that start and continue the draft.
#include "database/database.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define NEWS_TICKER_FIRST_TIMER 1000
#define NEWS_TICKER_LAST_TIMER 1002

static void Relabel_Menu_Item(int nMenu, UINT uId, const char* szText) {
    HMENU hMenu = Get_Main_Submenu(nMenu);
    if (hMenu)
        ModifyMenuA(hMenu, uId, MF_BYCOMMAND | MF_STRING, uId, szText);
}

// During a fantasy draft the Tools menu ends it and the Players menu's draft item shows the picks.
void Set_Draft_Menu_Items(int bFantasyDraft) {
    Relabel_Menu_Item(MAIN_MENU_TOOLS, ID_TOOLS_FANTASY_DRAFT,
                      bFantasyDraft ? "&End Fantasy Draft..." : "&Fantasy Draft...");
    Relabel_Menu_Item(MAIN_MENU_PLAYERS, ID_PLAYERS_COLLEGE_DRAFT,
                      bFantasyDraft ? "&Draft Picks...\tCtrl+P" : "College &Draft...\tCtrl+C");
}

// The menu command that ends the off-season and opens the college draft.
void End_Off_Season(void) {
    Log_Timestamp("Off-Season Finished");
    Compute_Draft_Order();
    Close_Progress_Window();
    Open_College_Draft();
    Build_Play_Menu();  // the draft stopped at a person's pick or ended
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
    Build_Play_Menu();
    InvalidateRect(hMain, NULL, FALSE);
    UpdateWindow(hMain);
}
