// The host services: what the league's code asks of the program around it (a progress window,
// the user interface's turn, notices and questions, a repaint, a dialog, the game-day screen's
// turn in a watched game). The code below the user interface calls only this table; the shell
// installs its own at start-up. Until then, and in tests and tools that install nothing, the quiet
// defaults serve: they show nothing, never wait and answer each question with its default button.
#pragma once

#include <stdint.h>

#include "platform/windows_base.h"  // the message boxes' types and answers

struct GAME;
struct USER_MESSAGE;

// ---- what changed for the screen (Host_League_Changed, flags combined) --------------------------
#define HOST_REPAINT 0x0001         // the main window is painted again when its turn comes
#define HOST_REPAINT_NOW 0x0002     // the main window is painted again at once
#define HOST_REDRAW_PAGE 0x0004     // the shown page is drawn anew, not copied from before
#define HOST_REPAINT_BARS 0x0008    // the button bar and the news bar are painted again
#define HOST_TITLE 0x0010           // the window title follows the league's phase and week
#define HOST_PLAY_MENU 0x0020       // the Play menu is built for the phase
#define HOST_DRAFT_MENU_ON 0x0040   // the draft items of the menus name the fantasy draft's
#define HOST_DRAFT_MENU_OFF 0x0080  // the draft items name the college draft's again
#define HOST_BARS_DOWN 0x0100       // the news ticker stops and both bars go (the draft)
#define HOST_BARS_UP 0x0200         // both bars come back, the news ticker with them
#define HOST_TICKER_SCORES 0x0400   // the news bar shows the scores while games are played
#define HOST_TICKER_LINES 0x0800    // the ticker restarts on the lines of the season as it stands
#define HOST_NEXT_FANTASY_PICK 0x1000  // the fantasy draft's next turn, once the person's pick is done

// ---- a watched game's steps on the game-day screen (Host_Watch_Game) ----------------------------
enum HOST_WATCH_STEP {
    HOST_WATCH_PLAY_CALLS = 0,  // wait while the person's play calls are open
    HOST_WATCH_ANIMATE,         // the play's animation, frame by frame
    HOST_WATCH_NEXT_PLAY,       // wait for the click that starts the next play
    HOST_WATCH_FINAL_FRAME      // the play's last picture
};

typedef struct HOST_SERVICES {
    int (*pOpenProgress)(const char* szCaption, int nSteps);  // 1 when a window opened
    void (*pStepProgress)(int nSteps);
    void (*pCloseProgress)(void);
    int (*pPump)(void);  // the user interface handles what is waiting, then returns
    // A question or notice: the answer (IDOK, IDYES, ...) for the type's buttons.
    int (*pAsk)(const char* szText, const char* szCaption, unsigned uType);
    // The same in the system's own box, never the program's dialogs: the error reporter's, which
    // must not run anything that could report an error again.
    int (*pAskSystem)(const char* szText, const char* szCaption, unsigned uType);
    // The message dialog with up to three captioned buttons: IDYES, IDNO or IDCANCEL by button.
    int (*pUserMessage)(const struct USER_MESSAGE* pMessage);
    void (*pLeagueChanged)(unsigned uWhat);  // HOST_* flags
    void (*pShowPage)(int nPage);            // the main window shows the page
    void (*pShowScore)(struct GAME* pGame);  // the news pages' live-score box shows the game's score
    // A dialog opened for the league by its template id, with the two values it is about (a team
    // and a slot, home and visitor, ...): what the dialog answered.
    int (*pOpenDialog)(int idDialog, int nFirst, int nSecond);
    void (*pEndDialog)(HWND hDialog, int nResult);  // a dialog that waited on the league's work
    void (*pWatchGame)(int nStep, struct GAME* pGame);
} HOST_SERVICES;

// Installs a table; an entry left null takes the quiet default, and a null table puts the quiet
// defaults back.
void Set_Host_Services(const HOST_SERVICES* pServices);
const HOST_SERVICES* Host(void);
int Is_Quiet_Host(void);  // 1 while the quiet defaults serve

// ---- the calls the league's code makes ----------------------------------------------------------
int Open_Progress_Window(const char* szCaption, int nSteps);  // 1 when a window opened
void Step_Progress_Window(int nSteps);
void Close_Progress_Window(void);
int Pump_Messages(void);
void Host_League_Changed(unsigned uWhat);
void Host_Show_Page(int nPage);
void Host_Show_Score(struct GAME* pGame);
int Host_Open_Dialog(int idDialog, int nFirst, int nSecond);
void Host_End_Dialog(HWND hDialog, int nResult);
void Host_Watch_Game(int nStep, struct GAME* pGame);
