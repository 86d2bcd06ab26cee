// Which backend the layer runs on: headless unless the program asks for SDL and a display is
// there.
#include "../platform_internal.h"

#include <stdlib.h>
#include <string.h>

namespace {

const PLATFORM_BACKEND* gBackend = &kHeadlessBackend;

bool Display_Present(void) {
    const char* szX = getenv("DISPLAY");
    const char* szWayland = getenv("WAYLAND_DISPLAY");
    return (szX && *szX) || (szWayland && *szWayland);
}

}  // namespace

const PLATFORM_BACKEND* Backend(void) { return gBackend; }

void Backend_Use_Headless(void) {
    if (gBackend != &kHeadlessBackend) gBackend->Close();
    gBackend = &kHeadlessBackend;
}

BOOL Platform_Select_Backend(LPCSTR szName) {
    if (!szName) return FALSE;
    if (strcmp(szName, kHeadlessBackend.szName) == 0) {
        Backend_Use_Headless();
        return TRUE;
    }
    if (strcmp(szName, kSdlBackend.szName) != 0) return FALSE;
    if (gBackend == &kSdlBackend) return TRUE;
    if (!Display_Present() || !kSdlBackend.Open()) {
        Backend_Use_Headless();
        return FALSE;
    }
    gBackend = &kSdlBackend;
    // Windows made before the switch get their real windows now.
    for (HWND hWnd : Window_Top_Levels())
        if (Window_Is_Host(hWnd)) gBackend->Window_Created(hWnd);
    return TRUE;
}

LPCSTR Platform_Backend_Name(void) { return gBackend->szName; }

void Backend_Present_All(void) {
    for (HWND hWnd : Window_Top_Levels())
        if (Window_Is_Host(hWnd) && IsWindowVisible(hWnd)) gBackend->Present(hWnd);
}

BOOL Platform_Save_Screenshot(HWND hWnd, LPCSTR szPngPath) {
    HWND hHost = Window_Get_Host(hWnd);
    if (!hHost || !szPngPath) return FALSE;
    Backend_Present_All();
    return gBackend->Save_Screenshot(hHost, szPngPath) ? TRUE : FALSE;
}
