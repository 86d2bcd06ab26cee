// The SDL backend's nested loops: a popup menu, a message box or a modal dialog holds the window
// until it ends, while the windows' paints and timers go on and the display shows what changed.
#include "sdl_backend.h"

namespace {

// How long to wait for input before the next timer is due.
DWORD Wait_Timeout(void) {
    DWORD nDue = 0;
    if (!Queue_Next_Timer_Due(&nDue)) return INFINITE;
    DWORD nLeft = nDue - GetTickCount();
    return static_cast<int32_t>(nLeft) < 0 ? 0 : nLeft;
}

}  // namespace

bool Sdl_Run_Until(const std::function<bool()>& done) {
    while (!done()) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return false;
        Queue_Pump(done);
        if (done()) break;
        Backend_Present_All();
        if (!Sdl_Wait_Event(Wait_Timeout())) return false;
    }
    Backend_Present_All();
    return true;
}

int Sdl_Track_Popup_Menu(HMENU hMenu, UINT uFlags, HWND hWnd, POINT ptScreen) {
    if (!Menu_Popup_Begin(hMenu, uFlags, ptScreen, hWnd)) return 0;
    // A WM_QUIT (or the display going) dismisses the popup; the quit stays queued.
    if (!Sdl_Run_Until([] { return !Menu_Popup_Running(); })) Menu_Popup_End();
    return Menu_Popup_Choice();
}

bool Sdl_Run_Modal(HWND hWnd, const std::function<bool()>& done) {
    HWND hOwner = GetWindow(hWnd, GW_OWNER);
    bool bDisabledOwner = hOwner && IsWindowEnabled(hOwner);
    if (bDisabledOwner) EnableWindow(hOwner, FALSE);
    SetActiveWindow(hWnd);
    bool bEnded = Sdl_Run_Until(done);
    if (bDisabledOwner && IsWindow(hOwner)) {
        EnableWindow(hOwner, TRUE);
        SetActiveWindow(hOwner);
    }
    return bEnded;
}

int Sdl_Message_Box(HWND hOwner, const char* szText, const char* szCaption, UINT uType,
                    int nDefault) {
    HWND hBox = Message_Box_Window_Create(hOwner, szText, szCaption, uType, nDefault);
    if (!hBox) return nDefault;
    Sdl_Run_Modal(hBox, [hBox] { return Message_Box_Window_Result(hBox) != 0 || !IsWindow(hBox); });
    int nResult = Message_Box_Window_Result(hBox);
    if (IsWindow(hBox)) DestroyWindow(hBox);
    if (nResult) return nResult;
    // Ended by a WM_QUIT: what Escape gives, else the default button.
    int aIds[3];
    int nEscape = Message_Box_Escape_Result(aIds, Message_Box_Buttons(uType, aIds));
    return nEscape ? nEscape : nDefault;
}
