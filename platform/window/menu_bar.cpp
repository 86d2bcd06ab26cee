// The menu bar of a top-level window.
#include "../platform_internal.h"

// STAND-IN(platform): the fixed menu-bar height for a window that has a menu.
int Menu_Bar_Height(HWND /*hWnd*/) { return 0; }

// STAND-IN(platform): opens, tracks and chooses from the menu bar with the mouse.
bool Menu_Handle_Mouse(HWND /*hTop*/, UINT /*uMsg*/, int /*x*/, int /*y*/) { return false; }

// STAND-IN(platform): Alt, F10, mnemonics and arrows in the menu bar and its drop-downs.
bool Menu_Handle_Key(HWND /*hTop*/, UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return false;
}
