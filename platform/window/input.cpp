// Mouse and keyboard input as a backend (or a test) delivers it: the menus see it first, then the
// mouse goes to the capture window or the window under the pointer and keys go to the focus. The
// messages are posted, as real input is. Also the mouse capture and the keys' state.
#include "window_data.h"

#include <string.h>

namespace {

HWND gCapture = nullptr;
BYTE gKeyState[256];  // bit 0x80: down; bit 0x01: toggled by each press
POINT gCursorPos = {0, 0};

bool Key_Down(int nVirtualKey) { return (gKeyState[nVirtualKey & 0xFF] & 0x80) != 0; }

// The topmost visible window among the host and the windows it owns (drawn inside it) that
// contains the point; the host when none does.
HWND Top_Level_At(HWND hHost, POINT pt) {
    std::vector<HWND> aOrder = Window_Top_Levels();
    for (auto it = aOrder.rbegin(); it != aOrder.rend(); ++it) {
        RECT rc;
        if (Window_Get_Host(*it) != hHost || !IsWindowVisible(*it) || !GetWindowRect(*it, &rc))
            continue;
        if (pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom) return *it;
    }
    return hHost;
}

// A window disabled itself or inside a disabled top-level window takes no input.
bool Takes_Input(HWND hWnd) {
    return IsWindowEnabled(hWnd) && IsWindowEnabled(Window_Get_Top_Level(hWnd));
}

void Post_At(HWND hWnd, UINT uMsg, WPARAM wParam, POINT ptScreen) {
    POINT pt = ptScreen;
    ScreenToClient(hWnd, &pt);
    PostMessageA(hWnd, uMsg, wParam, MAKELPARAM(pt.x, pt.y));
}

// A double click counts only for a window whose class asks for them.
UINT Click_Message(HWND hWnd, UINT uMsg) {
    WINDOW_DATA* w = Window_Find(hWnd);
    bool bDouble = uMsg == WM_LBUTTONDBLCLK || uMsg == WM_RBUTTONDBLCLK;
    if (!bDouble || (w && (w->uClassStyle & CS_DBLCLKS))) return uMsg;
    return uMsg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
}

}  // namespace

// ---- capture ----------------------------------------------------------------------------------

HWND SetCapture(HWND hWnd) {
    HWND hOld = gCapture;
    if (hWnd && !IsWindow(hWnd)) return hOld;
    gCapture = hWnd;
    if (hOld && hOld != hWnd)
        SendMessageA(hOld, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return hOld;
}

BOOL ReleaseCapture(void) {
    SetCapture(nullptr);
    return TRUE;
}

HWND GetCapture(void) { return IsWindow(gCapture) ? gCapture : nullptr; }

// ---- key state ----------------------------------------------------------------------------------

short GetKeyState(int nVirtualKey) {
    BYTE b = gKeyState[nVirtualKey & 0xFF];
    return static_cast<short>(((b & 0x80) ? 0x8000 : 0) | (b & 0x01));
}

short GetAsyncKeyState(int nVirtualKey) {
    return static_cast<short>(Key_Down(nVirtualKey) ? 0x8000 : 0);
}

void Input_Set_Key_State(UINT uVirtualKey, bool bDown) {
    BYTE& b = gKeyState[uVirtualKey & 0xFF];
    if (bDown && !(b & 0x80)) b ^= 0x01;
    b = static_cast<BYTE>(bDown ? (b | 0x80) : (b & ~0x80));
    // The left and right keys count as the plain modifier too.
    struct SIDES {
        UINT uLeft, uRight, uBoth;
    };
    static const SIDES kSides[] = {{VK_LSHIFT, VK_RSHIFT, VK_SHIFT},
                                   {VK_LCONTROL, VK_RCONTROL, VK_CONTROL},
                                   {VK_LMENU, VK_RMENU, VK_MENU}};
    for (const SIDES& s : kSides)
        if (uVirtualKey == s.uLeft || uVirtualKey == s.uRight)
            Input_Set_Key_State(s.uBoth, Key_Down(static_cast<int>(s.uLeft)) ||
                                             Key_Down(static_cast<int>(s.uRight)));
}

WPARAM Input_Modifier_Flags(void) {
    WPARAM w = 0;
    if (Key_Down(VK_LBUTTON)) w |= MK_LBUTTON;
    if (Key_Down(VK_RBUTTON)) w |= MK_RBUTTON;
    if (Key_Down(VK_SHIFT)) w |= MK_SHIFT;
    if (Key_Down(VK_CONTROL)) w |= MK_CONTROL;
    return w;
}

POINT Input_Cursor_Pos(void) { return gCursorPos; }

BOOL GetCursorPos(POINT* pPoint) {
    if (!pPoint) return FALSE;
    *pPoint = gCursorPos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    gCursorPos = {x, y};
    Backend()->Set_Cursor_Pos(gCursorPos);
    return TRUE;
}

void Input_Reset(void) {
    gCapture = nullptr;
    memset(gKeyState, 0, sizeof(gKeyState));
    gCursorPos = {0, 0};
}

// ---- delivery -------------------------------------------------------------------------------------

void Input_Mouse(HWND hHost, UINT uMsg, POINT ptScreen, WPARAM wKeys) {
    gCursorPos = ptScreen;
    HWND hTop = Top_Level_At(hHost, ptScreen);
    if (!IsWindow(hTop)) return;
    RECT rcTop;
    GetWindowRect(hTop, &rcTop);
    if (Menu_Handle_Mouse(hTop, uMsg, ptScreen.x - rcTop.left, ptScreen.y - rcTop.top)) return;

    HWND hTarget = GetCapture();
    if (!hTarget) {
        hTarget = Window_Child_At(hTop, ptScreen);
        if (!Takes_Input(hTarget)) return;
        if (uMsg == WM_MOUSEMOVE)
            SendMessageA(hTarget, WM_SETCURSOR, reinterpret_cast<WPARAM>(hTarget),
                         MAKELPARAM(HTCLIENT, uMsg));
    }
    bool bPress = uMsg == WM_LBUTTONDOWN || uMsg == WM_RBUTTONDOWN || uMsg == WM_LBUTTONDBLCLK ||
                  uMsg == WM_RBUTTONDBLCLK;
    if (bPress && GetActiveWindow() != Window_Get_Top_Level(hTarget)) SetActiveWindow(hTarget);
    if (IsWindow(hTarget)) Post_At(hTarget, Click_Message(hTarget, uMsg), wKeys, ptScreen);
}

void Input_Key(HWND hTarget, UINT uVirtualKey, bool bDown) {
    Input_Set_Key_State(uVirtualKey, bDown);
    // Alt held (or Alt itself, or F10) makes it a system key, which the menus use.
    bool bSystem = Key_Down(VK_MENU) || uVirtualKey == VK_F10 || (uVirtualKey == VK_MENU && !bDown);
    UINT uMsg = bSystem ? (bDown ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (bDown ? WM_KEYDOWN : WM_KEYUP);
    // Bit 29 says Alt is down; bits 30 and 31 that the key was down and is going up.
    LPARAM lParam = 1 | (Key_Down(VK_MENU) ? (1L << 29) : 0) | (bDown ? 0 : (3L << 30));
    HWND hTo = hTarget ? hTarget : (GetFocus() ? GetFocus() : GetActiveWindow());
    // The menus of the window the key is in: a dialog up over a window keeps its menus still.
    HWND hTop = Window_Get_Top_Level(hTo);
    if (hTop && Menu_Handle_Key(hTop, uMsg, uVirtualKey, lParam)) return;
    if (hTo) PostMessageA(hTo, uMsg, uVirtualKey, lParam);
}

void Input_Char(HWND hTarget, BYTE chTyped) {
    HWND hTo = hTarget ? hTarget : (GetFocus() ? GetFocus() : GetActiveWindow());
    if (hTo) PostMessageA(hTo, WM_CHAR, chTyped, 1);
}
