// The game-day screen's turns in a watched game: the wait for the person's play calls, the
// animation of each play, the wait for the click that starts the next one and the play's last
// picture. Every wait for the person goes through the platform, which refuses it when nobody can
// answer.
#include "pages/game_screen_internal.h"

#define ANIMATION_FRAMES 11
#define FINAL_FRAME (-1)

// The screen shows the play as it now stands: drawn anew, not copied from the last paint.
static void Show_Screen_Anew(void) {
    gLastPaintedPage = -1;
    Redraw_Main_Window();
}

// The program is ending: the run stops with the game, and the program's own loop gets the quit.
static void End_Run_For_Quit(int nExitCode) {
    gSimulationRunning = 0;
    PostQuitMessage(nExitCode);
}

// The keys of the accelerator table reach the picker: digits call plays, letters turn pages. The
// screen is drawn once; a call or a page turn draws it again, and the other side's call opens
// with the cell under the mouse previewed.
static void Wait_For_Play_Calls(GAME* pGame) {
    Remember_Snap_Down(pGame);
    int nStage = Get_Play_Call_Stage();
    Hover_Picker_Again();
    Show_Screen_Anew();
    if (!Is_Waiting_For_Play_Calls(pGame) || !Platform_Begin_User_Wait("play calls"))
        return;
    while (Is_Waiting_For_Play_Calls(pGame)) {
        if (Get_Play_Call_Stage() != nStage) {
            nStage = Get_Play_Call_Stage();
            Hover_Picker_Again();
        }
        MSG msg;
        if (!GetMessageA(&msg, NULL, 0, 0)) {
            End_Run_For_Quit((int)msg.wParam);
            break;
        }
        if (!TranslateAcceleratorA(gMainWindow, gMainAccelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

// Holds one drawn frame for the frame time; a clock that runs backwards ends the hold.
static void Hold_Frame(DWORD nFrameTime) {
    DWORD nStart = GetTickCount();
    for (;;) {
        Pump_Messages();
        DWORD nNow = GetTickCount();
        if (nNow < nStart || nNow - nStart >= nFrameTime)
            break;
        Sleep(1);
    }
}

// Each frame takes the back buffer anew: a resize while a frame is held may replace it.
static void Animate_Play(void) {
    Show_Screen_Anew();
    DWORD nFrameTime = (DWORD)Get_Animation_Frame_Time();
    for (int nFrame = 0; nFrame < ANIMATION_FRAMES && gSimulationRunning; nFrame++) {
        HDC hDC = Get_Main_Window_DC();
        if (!hDC)
            return;
        int bDrawn = Draw_Play_By_Play_Text(hDC, nFrame, 0);
        Release_Main_Window_DC(hDC);
        if (bDrawn) {
            UpdateWindow(gMainWindow);
            Hold_Frame(nFrameTime);
        }
    }
}

// Waits on the normal message loop until the person clicks on, the Games page is left,
// fast-forward starts or the run is stopped.
static void Wait_For_Click(void) {
    gWaitingForClick = 1;
    if (!Is_Waiting_For_Click() || !Platform_Begin_User_Wait("next play")) {
        gWaitingForClick = 0;
        return;
    }
    MSG msg;
    while (Is_Waiting_For_Click() && gSimulationRunning) {
        if (!GetMessageA(&msg, NULL, 0, 0)) {
            End_Run_For_Quit((int)msg.wParam);
            break;
        }
        if (!TranslateAcceleratorA(gMainWindow, gMainAccelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    gWaitingForClick = 0;
}

void Run_Watched_Game_Step(int nStep, GAME* pGame) {
    switch (nStep) {
    case HOST_WATCH_PLAY_CALLS: Wait_For_Play_Calls(pGame); break;
    case HOST_WATCH_ANIMATE: Animate_Play(); break;
    case HOST_WATCH_NEXT_PLAY: Wait_For_Click(); break;
    case HOST_WATCH_FINAL_FRAME:
        Remember_Snap_Down(NULL);
        if (gMainWindowDC)
            Draw_Play_By_Play_Text(gMainWindowDC, FINAL_FRAME, 1);
        break;
    default: break;
    }
}
