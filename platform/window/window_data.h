// The window manager's record of one window, shared by the modules of window/.
#pragma once

#include "../platform_internal.h"

#include <stdint.h>

#include <string>
#include <vector>

struct WINDOW_DATA {
    HWND hWnd;
    std::string stClass;
    WNDPROC pProc;
    UINT uClassStyle;
    HCURSOR hClassCursor;
    HBRUSH hClassBackground;      // the class background brush
    HWND hParent;                 // the parent of a child window, the owner of a top-level one
    std::vector<HWND> aChildren;  // child and owned windows, back to front
    std::string stText;
    DWORD dwStyle;
    DWORD dwExStyle;
    RECT
        rcWindow;  // screen coordinates for a top-level window, the parent's client area's for a child
    RECT rcNormal;           // where a minimized or maximized window goes back to
    bool bRestoreMaximized;  // a minimized window that was maximized before
    int nId;
    LONG_PTR nUserData;
    std::vector<uint8_t> aExtra;  // cbWndExtra bytes; dialogs keep DWLP_* values here
    bool bInvalid;                // a WM_PAINT is due
    // The update area: the union of the invalidated rectangles (client coordinates) and the
    // erase flag, kept until BeginPaint takes it or the window is validated.
    bool bHasUpdate;
    RECT rcUpdate;
    bool bErase;
    bool bFrameInvalid;  // the frame and caption need drawing (WM_NCPAINT) at the next paint
    bool bDestroying;
};

// The window's record, or null when the handle is not a window.
WINDOW_DATA* Window_Find(HWND hWnd);
// Top-level windows, back to front.
std::vector<HWND>& Window_Z_Order();
bool Window_Is_Child(const WINDOW_DATA* w);
// The window's client-area size (zero for a minimized window).
SIZE Window_Client_Size(const WINDOW_DATA* w);
// The sibling list the window's stacking order lives in: its parent's children for a child
// window, the top-level order otherwise.
std::vector<HWND>& Window_Siblings(const WINDOW_DATA* w);
// The oldest visible window waiting for WM_PAINT, or null.
HWND Window_Find_Oldest_Invalid(void);
// DefWindowProcA's WM_SETCURSOR: the parent may set it first; in the client area the class
// cursor is set. True when the cursor was set.
bool Window_Default_Set_Cursor(HWND hWnd, WPARAM wParam, LPARAM lParam);
// Drops a window that is going from the activation state (null: all of it).
void Window_Forget_Activation(HWND hWnd);
// With no active window left, activates hOwner when it is visible and enabled, else the topmost
// top-level window that is.
void Window_Activate_Successor(HWND hOwner);
// Marks a rectangle of the window's client area (null: all of it) as waiting for WM_PAINT.
void Window_Invalidate(WINDOW_DATA* w, const RECT* pRect, bool bErase, bool bChildren);
// The deepest visible, enabled child of hWnd under a point on the screen; hWnd itself when none.
HWND Window_Child_At(HWND hWnd, POINT ptScreen);
// Moves the window in its siblings' stacking order: HWND_TOP, HWND_BOTTOM, HWND_TOPMOST,
// HWND_NOTOPMOST or right below a sibling.
void Window_Place_In_Order(HWND hWnd, HWND hInsertAfter);
// Sends WM_NCPAINT when the window's frame waits for drawing and it has one.
void Window_Paint_Frame_If_Needed(HWND hWnd);
// DefWindowProcA's WM_NCPAINT: the classic frame, caption bar with the title and client edge.
void Window_Draw_Nonclient(HWND hWnd);
