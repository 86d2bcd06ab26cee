// SDL events as the layer's input: mouse, keys, typed text, and the desktop's moves, resizes,
// minimizing, maximizing, closing and focus changes of the real windows.
#include "sdl_backend.h"

namespace {

HWND gFocusBeforeDeactivation = nullptr;

UINT Button_Message(Uint8 nButton, bool bDown, int nClicks) {
    if (nButton == SDL_BUTTON_LEFT)
        return bDown ? (nClicks == 2 ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
    if (nButton == SDL_BUTTON_RIGHT)
        return bDown ? (nClicks == 2 ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN) : WM_RBUTTONUP;
    return 0;
}

void Handle_Mouse_Button(const SDL_MouseButtonEvent& e) {
    HWND hHost = Sdl_Host_Of(e.windowID);
    bool bDown = e.type == SDL_MOUSEBUTTONDOWN;
    UINT uMsg = Button_Message(e.button, bDown, e.clicks);
    if (!hHost || !uMsg) return;
    Input_Set_Key_State(e.button == SDL_BUTTON_LEFT ? VK_LBUTTON : VK_RBUTTON, bDown);
    Input_Mouse(hHost, uMsg, Sdl_Window_To_Screen(hHost, e.x, e.y), Input_Modifier_Flags());
}

void Handle_Key(const SDL_KeyboardEvent& e) {
    UINT uKey = Sdl_Key_To_Virtual_Key(e.keysym.sym);
    if (uKey) Input_Key(nullptr, uKey, e.type == SDL_KEYDOWN);
}

void Handle_Text(const SDL_TextInputEvent& e) {
    // With Alt held the key is a menu key: TranslateMessage gives its WM_SYSCHAR.
    if (GetKeyState(VK_MENU) < 0) return;
    for (char ch : Sdl_Utf8_To_1252(e.text)) Input_Char(nullptr, static_cast<BYTE>(ch));
}

// The window a host's activation goes to: the topmost visible window it owns (a dialog up over
// it), else the host itself.
HWND Window_To_Activate(HWND hHost) {
    std::vector<HWND> aOrder = Window_Top_Levels();
    for (auto it = aOrder.rbegin(); it != aOrder.rend(); ++it)
        if (Window_Get_Host(*it) == hHost && IsWindowVisible(*it)) return *it;
    return hHost;
}

void Handle_Window_Event(const SDL_WindowEvent& e) {
    HWND hHost = Sdl_Host_Of(e.windowID);
    if (!hHost) return;
    gSdlApplyingEvent = true;
    switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE: PostMessageA(hHost, WM_CLOSE, 0, 0); break;
    case SDL_WINDOWEVENT_MOVED: {
        POINT ptNow = Sdl_Window_To_Screen(hHost, 0, 0);
        RECT rc;
        GetWindowRect(hHost, &rc);
        Window_User_Move(hHost, rc.left + e.data1 - ptNow.x, rc.top + e.data2 - ptNow.y);
        break;
    }
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
        Sdl_Forget_Shown(hHost);  // a new surface, with nothing on it yet
        RECT rcProposed = Sdl_Window_Rect_For(hHost, e.data1, e.data2);
        if (IsZoomed(hHost))
            SetWindowPos(hHost, nullptr, 0, 0, rcProposed.right - rcProposed.left,
                         rcProposed.bottom - rcProposed.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        else
            Window_User_Resize(hHost, WMSZ_BOTTOMRIGHT, rcProposed);
        break;
    }
    case SDL_WINDOWEVENT_MINIMIZED: ShowWindow(hHost, SW_MINIMIZE); break;
    case SDL_WINDOWEVENT_MAXIMIZED: ShowWindow(hHost, SW_SHOWMAXIMIZED); break;
    case SDL_WINDOWEVENT_RESTORED: ShowWindow(hHost, SW_RESTORE); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: {
        HWND hSaved = gFocusBeforeDeactivation;
        SetActiveWindow(Window_To_Activate(hHost));
        if (IsWindow(hSaved) && Window_Get_Host(hSaved) == hHost) SetFocus(hSaved);
        break;
    }
    case SDL_WINDOWEVENT_FOCUS_LOST:
        gFocusBeforeDeactivation = GetFocus();
        SetActiveWindow(nullptr);
        SetFocus(nullptr);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        Sdl_Forget_Shown(hHost);
        Sdl_Present(hHost);
        break;
    }
    gSdlApplyingEvent = false;
    // The layer may have refused the size (WM_SIZING): the real window follows the layer's.
    if (e.event == SDL_WINDOWEVENT_SIZE_CHANGED) Sdl_Resize_To_Host(hHost);
}

}  // namespace

void Sdl_Handle_Event(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION: {
        HWND hHost = Sdl_Host_Of(event.motion.windowID);
        if (hHost)
            Input_Mouse(hHost, WM_MOUSEMOVE,
                        Sdl_Window_To_Screen(hHost, event.motion.x, event.motion.y),
                        Input_Modifier_Flags());
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: Handle_Mouse_Button(event.button); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: Handle_Key(event.key); break;
    case SDL_TEXTINPUT: Handle_Text(event.text); break;
    case SDL_WINDOWEVENT: Handle_Window_Event(event.window); break;
    }
}
