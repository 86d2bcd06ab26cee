// Popup menus shown with TrackPopupMenu: the backend shows the menu and tells the choice.
#include "../platform_internal.h"

namespace {

// Whether the command is an item of the menu or its submenus that can be chosen.
bool Can_Choose(HMENU hMenu, UINT uId) {
    if (!uId) return false;
    UINT uState = GetMenuState(hMenu, uId, MF_BYCOMMAND);
    return uState != static_cast<UINT>(-1) && !(uState & (MF_GRAYED | MF_DISABLED));
}

// The chosen command, 0 when the menu was dismissed. TPM_NONOTIFY keeps the window from being told.
int Run_Popup(HMENU hMenu, UINT uFlags, HWND hWnd, POINT ptScreen) {
    bool bNotify = !(uFlags & TPM_NONOTIFY);
    if (bNotify) {
        SendMessageA(hWnd, WM_ENTERMENULOOP, TRUE, 0);
        SendMessageA(hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, FALSE));
    }
    int nChosen = Backend()->Track_Popup_Menu(hMenu, uFlags, hWnd, ptScreen);
    if (!Can_Choose(hMenu, static_cast<UINT>(nChosen))) nChosen = 0;
    if (bNotify && IsWindow(hWnd)) SendMessageA(hWnd, WM_EXITMENULOOP, TRUE, 0);
    return nChosen;
}

}  // namespace

BOOL TrackPopupMenuEx(HMENU hMenu, UINT uFlags, int x, int y, HWND hWnd,
                      const TPMPARAMS* /*pParams*/) {
    if (!Menu_Get_Items(hMenu) || !IsWindow(hWnd)) return FALSE;
    int nChosen = Run_Popup(hMenu, uFlags, hWnd, {x, y});
    if (uFlags & TPM_RETURNCMD) return nChosen;
    if (nChosen && IsWindow(hWnd)) PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(nChosen, 0), 0);
    return TRUE;
}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int /*nReserved*/, HWND hWnd,
                    const RECT* /*pRect*/) {
    return TrackPopupMenuEx(hMenu, uFlags, x, y, hWnd, nullptr);
}
