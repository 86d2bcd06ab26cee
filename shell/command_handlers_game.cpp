// The commands that start, stop and leave games and seasons: saving, loading, a new game, exit
// and retirement, the Play menu, the watched game's commands and the tools that play seasons.

#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/command_handlers.h"
#include "tools/tools.h"

#define LAST_TRADING_WEEK 11
#define FINISH_GAME_QUARTERS 10  // past any overtime: the game is played to its end
#define DIALOG_CANCELLED 2

GAME* Get_Watched_Displayed_Game(void) {
    GAME* pGame = Get_Displayed_Game();
    return pGame && Is_Game_Watched(pGame) ? pGame : NULL;
}

int Refuse_While_Simulating(const char* szCaption, const char* szText) {
    if (!gSimulationRunning || (gLiveGame && Is_Game_Watched(gLiveGame)))
        return 0;
    Stop_Play_With_Message(szCaption, szText);
    return 1;
}

void Command_Save_Game(HWND hWnd, int nUnused) {
    (void)nUnused;
    Open_Save_Game_Dialog(hWnd);
}

void Command_Resume_Game(HWND hWnd, int nUnused) {
    (void)nUnused;
    if (Refuse_While_Simulating("Resume Game", "Can't load a file while simulating games."))
        return;
    if (!Confirm_Save_Changes(hWnd))
        return;
    Stop_Simulation();
    Open_Dialog(hWnd, IDD_RESUME_GAME);
    if (!Is_Database_Loaded())
        Do_Splash_Screen();
}

void Command_New_Game(HWND hWnd, int nUnused) {
    (void)nUnused;
    if (Refuse_While_Simulating("New Game", "Can't start a new game while simulating games."))
        return;
    if ((gSeasonNumber != 0 || gCurrentWeek != 0) && !Confirm_Save_Changes(hWnd))
        return;
    // Cancel puts back the game that was being played; without one the Welcome screen comes back.
    if (Open_Dialog(hWnd, IDD_NEW_GAME) == DIALOG_CANCELLED && !gButtonBar)
        Do_Splash_Screen();
}

// The notice that a command must wait for the week's games, and the run stopped after them.
static void Refuse_During_Week(const char* szCaption, const char* szText) {
    Show_Message_Box(szCaption, "%s", szText);
    Stop_Simulation();
}

static void Leave_Main_Window(HWND hWnd) {
    Save_Window_Placement(hWnd);
    DestroyWindow(hWnd);
}

static int bCloseAfterAdvance = 0;

// During a watched game the window is inside the advance's call chain: the game and the advance
// are stopped first, and the window is left only once the advance has returned.
void Close_Main_Window(HWND hWnd) {
    if (gSimulationRunning && !Get_Watched_Displayed_Game()) {
        Refuse_During_Week("Exit Game",
                           "Can't exit while simulations are in progress.\n\nPlease try again once "
                           "this week's games are completed.");
        return;
    }
    if (!Confirm_Save_Changes(hWnd))
        return;
    gWaitingForClick = 0;
    if (gAdvanceInProgress) {
        Stop_Simulation();
        gSimulationRunning = 0;
        bCloseAfterAdvance = 1;
        return;
    }
    gSimulationRunning = 0;
    Leave_Main_Window(hWnd);
}

void Close_Main_Window_After_Advance(void) {
    if (!bCloseAfterAdvance || gAdvanceInProgress)
        return;
    bCloseAfterAdvance = 0;
    if (gMainWindow && IsWindow(gMainWindow))
        Leave_Main_Window(gMainWindow);
}

void Command_Exit(HWND hWnd, int nUnused) {
    (void)nUnused;
    Close_Main_Window(hWnd);
}

void Command_Retire(HWND hWnd, int nUnused) {
    (void)nUnused;
    if (gSimulationRunning)
        Refuse_During_Week("Retiring",
                           "Can't retire while simulations are in progress.\n\nPlease try again "
                           "once this week's games are completed.");
    else if (Confirm_Retirement())
        Leave_Main_Window(hWnd);
}

void Command_Advance_Weeks(HWND hWnd, int nWeeks) {
    (void)hWnd;
    Advance_Weeks(nWeeks);
}

// Past the deadline there is nothing to play up to: a count below one would make the advance
// run the off-season hand-over of a finished season instead.
void Command_Through_Trading_Deadline(HWND hWnd, int nUnused) {
    (void)hWnd;
    (void)nUnused;
    int nWeeks = LAST_TRADING_WEEK - gCurrentWeek;
    if (nWeeks >= 1)
        Advance_Weeks(nWeeks);
}

void Command_Finish_Quarter(HWND hWnd, int nUnused) {
    (void)hWnd;
    (void)nUnused;
    if (gLiveGame)
        gSkipToQuarter = Get_Game_Quarter(gLiveGame) + 1;
}

void Command_Finish_Game(HWND hWnd, int nUnused) {
    (void)hWnd;
    (void)nUnused;
    GAME* pGame = Get_Watched_Displayed_Game();
    if (!pGame)
        return;
    if (Do_Message_Box("Simulate the remainder of this game?", "Finish Game",
                       MB_TASKMODAL | MB_ICONQUESTION | MB_OKCANCEL) == IDOK)
        gSkipToQuarter = Get_Game_Quarter(pGame) + FINISH_GAME_QUARTERS;
}

// Opens a report of the current game. Only while that game is played is its file written first:
// afterwards the file is whole and the texts in memory are already cleared for the next game.
static void Show_Current_Game_File(HWND hWnd, int (*pWrite)(int), void (*pGetName)(char*, int)) {
    char szFile[TEXT_BUFFER_SIZE];
    if (gLiveGame != NULL)
        pWrite(0);
    pGetName(szFile, sizeof(szFile));
    Open_With_Shell(hWnd, szFile);
}

void Command_View_Recap(HWND hWnd, int nUnused) {
    (void)nUnused;
    Show_Current_Game_File(hWnd, Write_Recap_File, Get_Current_Game_Recap_File_Name);
}

void Command_View_Box_Score(HWND hWnd, int nUnused) {
    (void)nUnused;
    Show_Current_Game_File(hWnd, Write_Box_Score_File, Get_Current_Game_Box_File_Name);
}

// The timeout message by the count of timeouts before the call.
static void Announce_Timeout(const char* szNickname, int nBefore) {
    if (nBefore == 1)
        Show_Message_Box("Timeout Called", "The %s have called their final timeout.", szNickname);
    else if (nBefore == 2)
        Show_Message_Box("Timeout Called", "The %s call timeout. They have one timeout remaining.",
                         szNickname);
    else
        Show_Message_Box("Timeout Called", "The %s call timeout. They have %d timeouts remaining.",
                         szNickname, nBefore - 1);
}

void Command_Timeout(HWND hWnd, int nUnused) {
    (void)hWnd;
    (void)nUnused;
    GAME* pGame = Get_Watched_Displayed_Game();
    if (!pGame)
        return;
    if (pGame->nFlags & (GAME_FLAG_TIMEOUT_STOP | GAME_FLAG_OTHER_STOP)) {
        Show_Message_Box("No Timeout Needed", "%s", "The clock is already stopped.");
        return;
    }
    int nSide = Choose_Timeout_Team(pGame);
    if (nSide != 0 && nSide != 1)
        return;
    char szNickname[TEXT_BUFFER_SIZE];
    Get_Team_Nickname(pGame->anTeams[nSide], szNickname, sizeof(szNickname));
    int nBefore = pGame->anTimeouts[nSide];
    if (nBefore < 1) {
        Show_Message_Box("No Timeouts",
                         "The %s do not have any more timeouts remaining in this half.",
                         szNickname);
        return;
    }
    pGame->nFlags = (pGame->nFlags | GAME_FLAG_TIMEOUT_STOP) & ~GAME_FLAG_OTHER_STOP;
    pGame->anTimeouts[nSide] = nBefore - 1;
    Announce_Timeout(szNickname, nBefore);
}

void Command_Game_Screen_Key(HWND hWnd, int idCommand) {
    (void)hWnd;
    if (Get_Watched_Displayed_Game() && Handle_Game_Screen_Command(idCommand))
        Play_Sound("button.wav");
}

void Command_Play_Seasons(HWND hWnd, int idDialog) {
    int nSeasons = (int)Open_Dialog(hWnd, idDialog);
    if (nSeasons < 1)
        return;
    Debug_Timer("ID_PLAY_SEASONS", 1);
    Simulate_Seasons(nSeasons);
    Debug_Timer(NULL, 2);
}

void Command_Season_Simulator(HWND hWnd, int idDialog) {
    int nChoice = (int)Open_Dialog(hWnd, idDialog);
    if (nChoice != -1)
        Run_Season_Simulator(nChoice);
    Build_Play_Menu();
}

void Command_Show_Debug_Timer(HWND hWnd, int nUnused) {
    (void)hWnd;
    (void)nUnused;
    Debug_Timer(NULL, 0);
}

void Command_Debug_Key(HWND hWnd, int idCommand) {
    (void)hWnd;
    Apply_Debug_Key(idCommand);
}
