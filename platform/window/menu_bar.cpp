// The menu bar of a top-level window.
#include "../platform_internal.h"

// STAND-IN(platform): the fixed menu-bar height for a window that has a menu.
int Menu_Bar_Height(HWND /*hWnd*/) { return 0; }
