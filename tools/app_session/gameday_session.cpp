// The game-day session: the real game on a display, where a person starts a New Game, plays the
// first week and chooses "Play This Game" on his team's game matchup, calls plays by hand on the
// game-day screen with the number keys, clicks through the narration, lets the game run to the
// fourth quarter and to its end with Finish Quarter and Finish Game, and opens the Games page of
// the played week. Its timer fires inside the game's own waits, so every step goes through the
// program's real loops; each waits for the screen state it needs, never for time alone.
#include "app_session.h"

#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "season/season.h"
#include "shell/shell.h"

#include <SDL.h>
#include <stdio.h>

#include <string>

namespace {

#define GAMEDAY_TICK_MS 100
#define GAMEDAY_STALL_MS 120000  // no progress for this long fails the session
#define GAMEDAY_DIALOG_LIMIT 40  // two-minute warnings, the two-point question, Finish Game
#define KEY_CALLS_WANTED 3
#define CLICKS_WANTED 3
#define HOVER_X 240  // a picker cell, in the design space
#define HOVER_Y 330
#define NARRATION_X 385  // the narration column
#define NARRATION_Y 400
#define STAGE_OFFENCE 1
#define STAGE_KICKOFF 3
#define STAGE_CALLED 4
#define FOURTH_QUARTER 4
#define VERY_FAST_TEXT 100  // the Options dialog's "Very Fast": each line held 200 ms

enum GAMEDAY_PHASE {
    GAMEDAY_WELCOME,
    GAMEDAY_INTO_LEAGUE,
    GAMEDAY_GAME,
    GAMEDAY_GAMES_PAGE,
    GAMEDAY_OVER
};

struct GAMEDAY_STATE {
    std::string stFolder;
    GAMEDAY_PHASE ePhase;
    DWORD nProgressTick;  // the last step that did something
    int nShots;
    int nDialogs;
    int nWeekBefore;
    int nKeyCalls;  // calls that the number keys made
    int nKeyPresses;
    int nClicks;
    int bKeyPending;  // a number key went to the picker on the last tick
    int nPressPlayCount;
    int bOwnCallRunning;  // a number key went in since the last click: the narrated play is its call
    int bKickoffShot, bKickoffCallShot, bPickerShot, bHovered, bAnimationShot, bFourthShot;
    int bFinishAsked;
    int bGamesPageShown;
    int bMatchupShot, bWatchChosen;
    int nResult;
};
GAMEDAY_STATE gDay = {};

void Gameday_Progress(void) {
    gDay.nProgressTick = GetTickCount();
}

void Gameday_Fail(const std::string& stWhy) {
    fprintf(stderr, "app_session (game day): FAILED: %s\n", stWhy.c_str());
    gDay.nResult = 1;
    gDay.ePhase = GAMEDAY_OVER;
    PostQuitMessage(0);
}

// What the display shows of the main window, kept as NN-gameday-step.png.
bool Gameday_Shot(const char* szStep) {
    char szPath[1024];
    snprintf(szPath, sizeof szPath, "%s/%02d-%s.png", gDay.stFolder.c_str(), gDay.nShots + 1,
             szStep);
    if (!Platform_Save_Screenshot(gMainWindow, szPath)) {
        Gameday_Fail(std::string("the screenshot ") + szPath + " could not be saved");
        return false;
    }
    gDay.nShots++;
    printf("app_session (game day): %s\n", szPath);
    fflush(stdout);
    Gameday_Progress();
    return true;
}

// A key as the display gives it: down, then up.
void Gameday_Key(SDL_Keycode nKey) {
    SDL_Event down = {};
    down.type = SDL_KEYDOWN;
    down.key.state = SDL_PRESSED;
    down.key.keysym.sym = nKey;
    SDL_Event up = down;
    up.type = SDL_KEYUP;
    up.key.state = SDL_RELEASED;
    SDL_PushEvent(&down);
    SDL_PushEvent(&up);
    Gameday_Progress();
}

// The mouse at a design point of the page: a move, or a click.
void Gameday_Mouse(UINT uMessage, int x, int y) {
    LPARAM lPoint = MAKELPARAM(Scale_Design_X_To_Window(x), Scale_Design_Y_To_Window(y));
    PostMessageA(gMainWindow, uMessage, uMessage == WM_LBUTTONDOWN ? MK_LBUTTON : 0, lPoint);
    if (uMessage == WM_LBUTTONDOWN)
        PostMessageA(gMainWindow, WM_LBUTTONUP, 0, lPoint);
    Gameday_Progress();
}

void Gameday_Command(int idCommand) {
    PostMessageA(gMainWindow, WM_COMMAND, MAKEWPARAM(idCommand, 0), 0);
    Gameday_Progress();
}

// The game matchup before the week's game is answered "Play This Game": the person watches it.
// Every other box or dialog on the way gets its default answer.
bool Gameday_Answer(HWND hDlg) {
    if (Session_Is_Progress_Window(hDlg))
        return true;
    char szCaption[128] = "";
    GetWindowTextA(hDlg, szCaption, sizeof szCaption);
    if (++gDay.nDialogs > GAMEDAY_DIALOG_LIMIT) {
        Gameday_Fail(std::string("boxes keep coming; the last is \"") + szCaption + "\"");
        return false;
    }
    if (Session_Is_Game_Matchup(hDlg)) {
        if (!gDay.bMatchupShot) {
            gDay.bMatchupShot = Gameday_Shot("game-matchup");
            return gDay.bMatchupShot;
        }
        Session_Choose_Matchup(hDlg, true);
        gDay.bWatchChosen = 1;
        Gameday_Progress();
        return true;
    }
    printf("app_session (game day): \"%s\" gets its default answer\n", szCaption);
    Gameday_Key(SDLK_RETURN);
    return true;
}

void Gameday_Welcome(void) {
    HWND hDlg = Session_Dialog_Up();
    HWND hNewGame = hDlg ? GetDlgItem(hDlg, IDC_NEW_GAME) : nullptr;
    if (!hNewGame)
        return;
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_NEW_GAME, BN_CLICKED), (LPARAM)hNewGame);
    Gameday_Progress();
    gDay.ePhase = GAMEDAY_INTO_LEAGUE;
}

// The person's choices before the week, as the Options dialog holds them: plays called by hand,
// the narration very fast. The game matchup that the week opens marks the game to watch.
void Gameday_Into_League(void) {
    if (HWND hDlg = Session_Dialog_Up()) {
        if (GetDlgItem(hDlg, IDC_NEW_GAME))
            return;  // the Welcome screen has not taken the click yet
        Gameday_Answer(hDlg);
        return;
    }
    if (!gButtonBar || !Is_News_Page_Shown())
        return;
    gAutomaticOffensivePlays = 0;
    gAutomaticDefensivePlays = 0;
    gTextDisplaySpeed = VERY_FAST_TEXT;
    gDay.nWeekBefore = gCurrentWeek;
    gDay.nDialogs = 0;
    Gameday_Command(ID_PLAY_ONE_WEEK);
    gDay.ePhase = GAMEDAY_GAME;
}

// A key pressed while the picker waited made a call when, a tick later, that play no longer
// waits: the engine has taken the call and gone on.
void Gameday_Count_Key_Call(GAME* pGame) {
    if (!gDay.bKeyPending)
        return;
    gDay.bKeyPending = 0;
    if (pGame->nPlayCount != gDay.nPressPlayCount || !Is_Waiting_For_Play_Calls(pGame))
        gDay.nKeyCalls++;
}

// The picker waits: pictures of the person's kickoff call, of the picker under the mouse and of
// the fourth quarter; a number key while calls are wanted, else the game is moved on. The game is
// played by keys until the person's team has kicked off once (after a score, or at the half).
void Gameday_Call(GAME* pGame) {
    const int nQuarter = Get_Game_Quarter(pGame);
    if (Get_Play_Call_Stage() == STAGE_KICKOFF && !gDay.bKickoffCallShot) {
        gDay.bKickoffCallShot = Gameday_Shot("gameday-kickoff-call");
        return;
    }
    if (nQuarter >= FOURTH_QUARTER && !gDay.bFourthShot) {
        gDay.bFourthShot = Gameday_Shot("gameday-fourth-quarter");
        return;
    }
    if (gDay.nKeyCalls >= 2 && !gDay.bPickerShot && Get_Play_Call_Stage() == STAGE_OFFENCE) {
        if (!gDay.bHovered) {
            gDay.bHovered = 1;
            Gameday_Mouse(WM_MOUSEMOVE, HOVER_X, HOVER_Y);
            return;
        }
        gDay.bPickerShot = Gameday_Shot("gameday-picker");
        return;
    }
    if (gDay.nKeyCalls < KEY_CALLS_WANTED || !gDay.bPickerShot || !gDay.bAnimationShot ||
        !gDay.bKickoffCallShot || nQuarter >= FOURTH_QUARTER) {
        static const SDL_Keycode kDigits[10] = {SDLK_1, SDLK_2, SDLK_3, SDLK_4, SDLK_5,
                                                SDLK_6, SDLK_7, SDLK_8, SDLK_9, SDLK_0};
        Gameday_Key(kDigits[gDay.nKeyPresses++ % 10]);
        gDay.bKeyPending = 1;
        gDay.bOwnCallRunning = 1;
        gDay.nPressPlayCount = pGame->nPlayCount;
        if (nQuarter >= FOURTH_QUARTER && gDay.bFourthShot && !gDay.bFinishAsked) {
            gDay.bFinishAsked = 1;
            Gameday_Command(ID_PLAY_FINISH_GAME);
        }
        return;
    }
    Gameday_Command(ID_PLAY_FINISH_QUARTER);
}

void Gameday_Game(void) {
    if (HWND hDlg = Session_Dialog_Up()) {
        Gameday_Answer(hDlg);
        return;
    }
    if (gCurrentWeek != gDay.nWeekBefore && !Is_Simulation_Running()) {
        if (gDay.nKeyCalls < KEY_CALLS_WANTED || gDay.nClicks < CLICKS_WANTED ||
            !gDay.bKickoffShot || !gDay.bKickoffCallShot || !gDay.bPickerShot ||
            !gDay.bAnimationShot || !gDay.bFourthShot) {
            Gameday_Fail(std::string(gDay.bWatchChosen ? "" : "no game matchup was answered; ") +
                         "the week ended with " + std::to_string(gDay.nKeyCalls) +
                         " plays called by keys, " + std::to_string(gDay.nClicks) +
                         " clicks and " + std::to_string(gDay.nShots) + " pictures");
            return;
        }
        Gameday_Command(GAMES_PAGE);
        gDay.ePhase = GAMEDAY_GAMES_PAGE;
        return;
    }
    GAME* pGame = gLiveGame;
    if (!pGame || !Is_Game_Watched(pGame) || gCurrentPage != GAMES_PAGE)
        return;
    Gameday_Count_Key_Call(pGame);
    if (!gDay.bKickoffShot) {
        gDay.bKickoffShot = Gameday_Shot("gameday-opening-kickoff");
        return;
    }
    if (Is_Waiting_For_Play_Calls(pGame)) {
        Gameday_Call(pGame);
    } else if (gWaitingForClick) {
        gDay.bOwnCallRunning = 0;
        gDay.nClicks++;
        Gameday_Mouse(WM_LBUTTONDOWN, NARRATION_X, NARRATION_Y);
    } else if (!gDay.bAnimationShot && gDay.bPickerShot && Get_Play_Call_Stage() == STAGE_CALLED &&
               !Is_Fast_Forwarding() &&
               gDay.bOwnCallRunning) {
        gDay.bAnimationShot = Gameday_Shot("gameday-diagram-animation");
    }
}

// The Games page of the played week, once it has had a tick to show; then the session ends.
void Gameday_Games_Page(void) {
    if (gCurrentPage != GAMES_PAGE)
        return;
    if (!gDay.bGamesPageShown) {
        gDay.bGamesPageShown = 1;
        return;
    }
    if (!Gameday_Shot("games-page"))
        return;
    printf("app_session (game day): passed: %d plays called by keys, %d clicks, %d pictures\n",
           gDay.nKeyCalls, gDay.nClicks, gDay.nShots);
    gDay.ePhase = GAMEDAY_OVER;
    PostQuitMessage(0);
}

void Gameday_Timer_Proc(void) {
    if (gDay.ePhase == GAMEDAY_OVER)
        return;
    if (GetTickCount() - gDay.nProgressTick > GAMEDAY_STALL_MS) {
        Gameday_Shot("timeout");
        Gameday_Fail("nothing moved for " + std::to_string(GAMEDAY_STALL_MS / 1000) +
                     " s in phase " + std::to_string(gDay.ePhase));
        return;
    }
    switch (gDay.ePhase) {
    case GAMEDAY_WELCOME: Gameday_Welcome(); break;
    case GAMEDAY_INTO_LEAGUE: Gameday_Into_League(); break;
    case GAMEDAY_GAME: Gameday_Game(); break;
    case GAMEDAY_GAMES_PAGE: Gameday_Games_Page(); break;
    case GAMEDAY_OVER: break;
    }
}

}  // namespace

void Arm_Gameday_Session(const char* szFolder) {
    gDay = {};
    gDay.stFolder = szFolder;
    gDay.ePhase = GAMEDAY_WELCOME;
    Gameday_Progress();
    Start_Session_Timer(GAMEDAY_TICK_MS, Gameday_Timer_Proc);
}

int Gameday_Session_Result(void) {
    if (gDay.nResult == 0 && gDay.ePhase != GAMEDAY_OVER) {
        fprintf(stderr, "app_session (game day): FAILED: the program ended before the session\n");
        return 1;
    }
    return gDay.nResult;
}
