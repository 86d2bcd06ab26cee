// The game-day screen's turns in a watched game: the wait for the person's play calls, the
// animation of each play, the wait for the click that starts the next one and the play's last
// picture. Every wait for the person goes through the platform, which refuses it when nobody can
// answer.
#include "engine/engine.h"
#include "pages/pages.h"
#include "shell/shell.h"

#define ANIMATION_FRAMES 11
#define FINAL_FRAME (-1)

static void Wait_For_Play_Calls(GAME* pGame) {
    if (!Is_Waiting_For_Play_Calls(pGame) || !Platform_Begin_User_Wait("play calls"))
        return;
    while (Is_Waiting_For_Play_Calls(pGame)) {
        Redraw_Main_Window();
        MSG msg;
        if (!GetMessageA(&msg, NULL, 0, 0))
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
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

static void Animate_Play(void) {
    HDC hDC = gMainWindowDC;
    DWORD nFrameTime = (DWORD)Get_Animation_Frame_Time();
    for (int nFrame = 0; nFrame < ANIMATION_FRAMES; nFrame++) {
        if (Draw_Play_By_Play_Text(hDC, nFrame, 0)) {
            UpdateWindow(gMainWindow);
            Hold_Frame(nFrameTime);
        }
    }
}

// Waits on the normal message loop until the person clicks on, the page changes or fast-forward
// starts.
static void Wait_For_Click(void) {
    if (!Platform_Begin_User_Wait("next play"))
        return;
    gWaitingForClick = 1;
    int nPage = gCurrentPage;
    MSG msg;
    while (gWaitingForClick && gCurrentPage == nPage && !Is_Fast_Forwarding() &&
           GetMessageA(&msg, NULL, 0, 0)) {
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
    case HOST_WATCH_FINAL_FRAME: Draw_Play_By_Play_Text(gMainWindowDC, FINAL_FRAME, 1); break;
    default: break;
    }
}
