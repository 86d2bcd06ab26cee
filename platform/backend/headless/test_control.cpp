// What tests drive the headless layer with beyond scripts: the reset, input as a backend would
// deliver it, frame drags, and running the virtual clock with its timers.
#include "headless.h"

namespace {

bool Tick_After(DWORD a, DWORD b) { return static_cast<int32_t>(a - b) > 0; }

// The mouse buttons' key state follows the button messages.
void Track_Buttons(UINT uMsg) {
    switch (uMsg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Input_Set_Key_State(VK_LBUTTON, true); break;
    case WM_LBUTTONUP: Input_Set_Key_State(VK_LBUTTON, false); break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: Input_Set_Key_State(VK_RBUTTON, true); break;
    case WM_RBUTTONUP: Input_Set_Key_State(VK_RBUTTON, false); break;
    }
}

}  // namespace

void Test_Reset_Platform() {
    Backend_Use_Headless();
    Dialog_Reset();
    Menu_Loop_Reset();
    Menu_Reset();
    Accelerator_Reset();
    Queue_Reset();
    Window_Reset();
    Gdi_Reset();
    Script_Reset();
    Debug_Reset();
    Clock_Reset();
    Input_Reset();
    Cursor_Reset();
    Scroll_Reset();
    Clipboard_Reset();
    Sound_Reset();
}

void Test_Pump_Messages() { Queue_Pump(); }

void Test_Send_Mouse(HWND hWnd, UINT uMsg, int x, int y, WPARAM wKeys) {
    POINT pt = {x, y};
    if (!ClientToScreen(hWnd, &pt)) return;
    Track_Buttons(uMsg);
    Input_Mouse(Window_Get_Host(hWnd), uMsg, pt, wKeys);
    Queue_Pump();
}

void Test_Send_Key(HWND hTarget, UINT uVirtualKey, bool bAlt, bool bCtrl, bool bShift) {
    const struct {
        bool bHeld;
        UINT uKey;
    } kModifiers[] = {{bAlt, VK_MENU}, {bCtrl, VK_CONTROL}, {bShift, VK_SHIFT}};
    for (const auto& m : kModifiers)
        if (m.bHeld) Input_Set_Key_State(m.uKey, true);
    Input_Key(hTarget, uVirtualKey, true);
    Queue_Pump();
    Input_Key(hTarget, uVirtualKey, false);
    Queue_Pump();
    for (const auto& m : kModifiers)
        if (m.bHeld) Input_Set_Key_State(m.uKey, false);
}

void Test_Hold_Key(UINT uVirtualKey, bool bDown) { Input_Set_Key_State(uVirtualKey, bDown); }

RECT Test_Drag_Window_Frame(HWND hWnd, int nEdge, RECT rcProposed) {
    return Window_User_Resize(hWnd, nEdge, rcProposed);
}

void Test_Advance_Clock_And_Run(DWORD nMilliseconds) {
    if (!Clock_Is_Virtual()) Test_Use_Virtual_Clock(Platform_Time(), GetTickCount());
    DWORD nEnd = GetTickCount() + nMilliseconds;
    for (;;) {
        Queue_Pump();
        DWORD nDue;
        if (!Queue_Next_Timer_Due(&nDue) || Tick_After(nDue, nEnd)) break;
        DWORD nNow = GetTickCount();
        // A timer still due after the pump is held back (by WM_QUIT): stop rather than spin.
        if (!Tick_After(nDue, nNow)) break;
        Test_Advance_Clock(nDue - nNow);
    }
    DWORD nNow = GetTickCount();
    if (Tick_After(nEnd, nNow)) Test_Advance_Clock(nEnd - nNow);
    Queue_Pump();
}
