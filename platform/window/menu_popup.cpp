// Popup menus shown with TrackPopupMenu. Headless nobody can choose: a test's script chooses, and
// without one the menu is dismissed. Every popup menu goes into the transcript.
#include "../platform_internal.h"

#include <utility>

namespace {

std::function<int(HMENU)> gChoosePopup;

// Whether the command is an item of the menu or its submenus that can be chosen.
bool Can_Choose(HMENU hMenu, UINT uId) {
    if (!uId) return false;
    UINT uState = GetMenuState(hMenu, uId, MF_BYCOMMAND);
    return uState != static_cast<UINT>(-1) && !(uState & (MF_GRAYED | MF_DISABLED));
}

// The items' texts one a line, as the transcript shows them.
std::string Item_Texts(HMENU hMenu) {
    std::string stTexts;
    if (const std::vector<MENU_ITEM>* pItems = Menu_Get_Items(hMenu))
        for (const MENU_ITEM& item : *pItems)
            stTexts += (item.uFlags & MF_SEPARATOR ? std::string("-") : item.stText) + "\n";
    return stTexts;
}

// The chosen command, 0 when the menu was dismissed. TPM_NONOTIFY keeps the window from being told.
int Run_Popup(HMENU hMenu, UINT uFlags, HWND hWnd) {
    bool bNotify = !(uFlags & TPM_NONOTIFY);
    if (bNotify) {
        SendMessageA(hWnd, WM_ENTERMENULOOP, TRUE, 0);
        SendMessageA(hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, FALSE));
    }
    TEST_SHOWN shown = {TEST_SHOWN_POPUP_MENU, 0, "", Item_Texts(hMenu), uFlags, 0, 0, false};
    int nChosen = 0;
    if (gChoosePopup) {
        std::function<int(HMENU)> choose = std::move(gChoosePopup);
        gChoosePopup = nullptr;
        shown.bScripted = true;
        nChosen = choose(hMenu);
        if (!Can_Choose(hMenu, static_cast<UINT>(nChosen))) nChosen = 0;
    } else {
        Script_Report_Unscripted(shown);
    }
    shown.nResult = nChosen;
    Script_Record_Shown(shown);
    if (bNotify && IsWindow(hWnd)) SendMessageA(hWnd, WM_EXITMENULOOP, TRUE, 0);
    return nChosen;
}

}  // namespace

BOOL TrackPopupMenuEx(HMENU hMenu, UINT uFlags, int /*x*/, int /*y*/, HWND hWnd,
                      const TPMPARAMS* /*pParams*/) {
    if (!Menu_Get_Items(hMenu) || !IsWindow(hWnd)) return FALSE;
    int nChosen = Run_Popup(hMenu, uFlags, hWnd);
    if (uFlags & TPM_RETURNCMD) return nChosen;
    if (nChosen && IsWindow(hWnd)) PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(nChosen, 0), 0);
    return TRUE;
}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int /*nReserved*/, HWND hWnd,
                    const RECT* /*pRect*/) {
    return TrackPopupMenuEx(hMenu, uFlags, x, y, hWnd, nullptr);
}

void Test_Script_Popup_Menu(std::function<int(HMENU)> choose) { gChoosePopup = std::move(choose); }

void Menu_Popup_Reset(void) { gChoosePopup = nullptr; }
