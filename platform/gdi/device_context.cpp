// Device contexts. No context can be obtained yet (the drawing layer comes later), so there is
// never one to release.
#include "../platform_internal.h"

// STAND-IN(platform): releases a device context once the drawing layer hands them out.
int ReleaseDC(HWND /*hWnd*/, HDC /*hDC*/) { return 0; }

// STAND-IN(platform): hands the top-level window's drawn pixels to the backend.
bool Gdi_Get_Window_Surface(HWND /*hTop*/, SURFACE_VIEW* /*pView*/) { return false; }
