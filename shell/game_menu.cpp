// The Play menu: rebuilt for the season's phase, and holding only what stops a run while one goes
// on.
#include "database/database.h"
#include "resources/resource.h"
#include "season/season.h"
#include "shell/shell.h"

#define GAME_MENU_MAX_DELETES 100
#define GAME_MENU_TWO_MONTHS_LAST_WEEK 8
#define GAME_MENU_DEADLINE_LAST_WEEK 10
#define GAME_MENU_LAST_MONTH_WEEKS 4
#define GAME_MENU_SMALL_DRAFT_POOL 100

HMENU Get_Main_Submenu(int nPosition) {
    HWND hMain = Get_Main_Window();
    HMENU hMenu = hMain ? GetMenu(hMain) : NULL;
    return hMenu ? GetSubMenu(hMenu, nPosition) : NULL;
}

void Empty_Menu(HMENU hMenu) {
    for (int n = 0; n < GAME_MENU_MAX_DELETES && GetMenuItemCount(hMenu) > 0; n++)
        DeleteMenu(hMenu, 0, MF_BYPOSITION);
}

static void Append_Item(HMENU hMenu, UINT uId, const char* szText) {
    AppendMenuA(hMenu, MF_STRING, uId, szText);
}

// The team on the clock is a person's: the draft waits for that pick.
static int Is_Draft_Waiting_For_Person(void) {
    int nOwner = Get_Draft_Pick_Owner(0, gDraftRound, Get_Draft_Order_Team(gDraftPick));
    return Is_Human_Team(nOwner);
}

// The regular season's advances for week w; the last item (Until Playoffs) follows.
static void Append_Regular_Season_Items(HMENU hPlay, int nWeek, int nFirstPostseasonWeek) {
    Append_Item(hPlay, ID_PLAY_ONE_WEEK, "One &Week\tCtrl+1");
    if (nWeek <= GAME_MENU_DEADLINE_LAST_WEEK) {
        Append_Item(hPlay, ID_PLAY_ONE_MONTH, "One &Month\tCtrl+4");
        if (nWeek <= GAME_MENU_TWO_MONTHS_LAST_WEEK)
            Append_Item(hPlay, ID_PLAY_HALF_SEASON, "&Two Months\tCtrl+8");
        Append_Item(hPlay, ID_PLAY_TRADING_DEADLINE, "&Until Trading Deadline\tCtrl+9");
    } else if (nWeek < nFirstPostseasonWeek - GAME_MENU_LAST_MONTH_WEEKS) {
        Append_Item(hPlay, ID_PLAY_ONE_MONTH, "One &Month\tCtrl+4");
    }
}

void Fill_Play_Menu(HMENU hPlay) {
    if (!hPlay)
        return;
    Empty_Menu(hPlay);
    UINT uLastId;
    const char* szLast;
    int nWeek = gCurrentWeek;
    int nFirstPostseasonWeek = Get_Postseason_Week(0);
    if (Is_College_Draft_On()) {
        uLastId = ID_PLAY_CONTINUE_DRAFT;
        szLast = "&Continue Draft";
        if (Is_Draft_Waiting_For_Person()) {
            Append_Item(hPlay, ID_PLAYERS_COLLEGE_DRAFT, "&Make Draft Pick");
            uLastId = ID_PLAY_END_DRAFT;
            szLast = "&End Draft";
        }
    } else if (nWeek <= Get_Postseason_Week(POSTSEASON_WEEK_COUNT - 1)) {
        uLastId = ID_PLAY_REST_OF_SEASON;
        if (nWeek < nFirstPostseasonWeek) {
            Append_Regular_Season_Items(hPlay, nWeek, nFirstPostseasonWeek);
            szLast = "Until &Playoffs\tCtrl+0";
        } else {
            Append_Item(hPlay, ID_PLAY_ONE_WEEK, "One &Week\tCtrl+1");
            szLast = "&Through Playoffs\tCtrl+0";
        }
    } else if (Count_Draft_Pool_Players() <= GAME_MENU_SMALL_DRAFT_POOL) {
        uLastId = ID_PLAY_REST_OF_SEASON;
        szLast = "&Start Next Season";
    } else if (nWeek == OFF_SEASON_WEEK) {
        uLastId = ID_PLAY_START_DRAFT;
        szLast = "&Start College Draft";
    } else {
        uLastId = ID_PLAY_REST_OF_SEASON;
        szLast = "&Renew Contracts";
    }
    Append_Item(hPlay, uLastId, szLast);
    AppendMenuA(hPlay, MF_SEPARATOR, 0, NULL);
    Append_Item(hPlay, ID_PLAY_SEASONS, "Play Multiple &Seasons...");
}

void Fill_Running_Play_Menu(HMENU hPlay) {
    if (!hPlay)
        return;
    Empty_Menu(hPlay);
    if (gLiveGame == NULL) {
        Append_Item(hPlay, ID_PLAY_STOP, "&Stop");
        return;
    }
    Append_Item(hPlay, ID_PLAY_FINISH_QUARTER, "Finish &Quarter\tCtrl+Q");
    Append_Item(hPlay, ID_PLAY_FINISH_GAME, "&Finish Game\tCtrl+G");
    Append_Item(hPlay, ID_PLAY_VIEW_RECAP, "&View Game Recap\tCtrl+R");
    Append_Item(hPlay, ID_PLAY_VIEW_BOX_SCORE, "&View Box Score");
    Append_Item(hPlay, ID_PLAY_TIMEOUT, "&Call Timeout");
}

// From the start of an advance until its last week is played, and while the week loop runs.
int Is_Play_Run_Under_Way(void) {
    return (gSimulationRunning || Is_Advance_In_Progress()) && gCurrentWeek < Get_Target_Week();
}

void Build_Play_Menu(void) {
    Fill_Play_Menu(Get_Main_Submenu(MAIN_MENU_PLAY));
    HWND hMain = Get_Main_Window();
    if (hMain)
        DrawMenuBar(hMain);
}

// The Play menu for the state the game is in: a watched game's commands or Stop while a run goes
// on, the phase's menu otherwise. hPlayMenu: the menu to fill, null for the main window's.
void Set_Game_Menu(HMENU hPlayMenu) {
    HMENU hPlay = hPlayMenu ? hPlayMenu : Get_Main_Submenu(MAIN_MENU_PLAY);
    if (gLiveGame != NULL || Is_Play_Run_Under_Way())
        Fill_Running_Play_Menu(hPlay);
    else
        Fill_Play_Menu(hPlay);
    HWND hMain = Get_Main_Window();
    if (hMain)
        DrawMenuBar(hMain);
}
