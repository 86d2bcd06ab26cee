// The session's checks of what the main window shows (its size, its menu bar, its bars) and the
// answers every driver gives alike.
#include "app_session.h"

#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/drawing.h"
#include "shell/shell.h"

#include <stdio.h>
#include <string.h>

#include <fstream>
#include <iterator>

namespace {

const char* const kSessionMenuCaptions[SESSION_MENU_COUNT] = {
    "&Game", "&Team",    "&Players", "&Budget", "&News",
    "Pla&y", "&History", "&League",  "&Tools",  "&Help"};

// A bar's rectangle in the main window's client coordinates.
RECT Session_Bar_Rect(HWND hBar) {
    RECT rc;
    GetWindowRect(hBar, &rc);
    POINT ptTopLeft = {rc.left, rc.top};
    POINT ptBottomRight = {rc.right, rc.bottom};
    ScreenToClient(gMainWindow, &ptTopLeft);
    ScreenToClient(gMainWindow, &ptBottomRight);
    return {ptTopLeft.x, ptTopLeft.y, ptBottomRight.x, ptBottomRight.y};
}

// A bar's top must be nHeight above nBottom, and the bar must reach nBottom across the client
// width (a status bar may run on below the client area, where nothing shows).
bool Session_Check_Bar(const char* szName, HWND hBar, int nBottom, int nHeight, int nWidth,
                       std::string* pWhy) {
    if (!hBar || !IsWindowVisible(hBar)) {
        *pWhy = std::string("the ") + szName + " is missing or hidden";
        return false;
    }
    RECT rc = Session_Bar_Rect(hBar);
    if (rc.top != nBottom - nHeight || rc.bottom < nBottom || rc.left != 0 || rc.right != nWidth) {
        char szWhy[256];
        snprintf(szWhy, sizeof szWhy,
                 "the %s is at (%ld,%ld)-(%ld,%ld); expected (0,%d)-(%d,%d), %d high in the "
                 "client area",
                 szName, (long)rc.left, (long)rc.top, (long)rc.right, (long)rc.bottom,
                 nBottom - nHeight, nWidth, nBottom, nHeight);
        *pWhy = szWhy;
        return false;
    }
    return true;
}

}  // namespace

const char* Session_Menu_Caption(int nIndex) {
    return nIndex >= 0 && nIndex < SESSION_MENU_COUNT ? kSessionMenuCaptions[nIndex] : "";
}

bool Session_Check_Client_Size(std::string* pWhy) {
    RECT rc;
    if (!GetClientRect(gMainWindow, &rc)) {
        *pWhy = "the main window is missing";
        return false;
    }
    if (rc.right - rc.left >= 1024 && rc.bottom - rc.top >= 676)
        return true;
    char szWhy[128];
    snprintf(szWhy, sizeof szWhy, "the client area is %ld x %ld, below 1024 x 676",
             (long)(rc.right - rc.left), (long)(rc.bottom - rc.top));
    *pWhy = szWhy;
    return false;
}

bool Session_Check_Menu_Bar(std::string* pWhy) {
    HMENU hMenu = GetMenu(gMainWindow);
    int nCount = GetMenuItemCount(hMenu);
    if (nCount != SESSION_MENU_COUNT) {
        *pWhy = "the menu bar holds " + std::to_string(nCount) + " menus, not 10";
        return false;
    }
    for (int i = 0; i < SESSION_MENU_COUNT; i++) {
        char szText[64] = "";
        GetMenuStringA(hMenu, (UINT)i, szText, sizeof szText, MF_BYPOSITION);
        if (strcmp(szText, kSessionMenuCaptions[i]) != 0) {
            *pWhy = "menu " + std::to_string(i) + " reads \"" + szText + "\", not \"" +
                    kSessionMenuCaptions[i] + "\"";
            return false;
        }
    }
    return true;
}

bool Session_Check_Bars(std::string* pWhy) {
    if (!Is_News_Page_Shown()) {
        *pWhy = "no news page is shown";
        return false;
    }
    RECT rcClient;
    GetClientRect(gMainWindow, &rcClient);
    int nWidth = rcClient.right;
    int nNewsHeight = gNewsBar ? NEWS_BAR_HEIGHT : 0;
    if (gNewsBar &&
        !Session_Check_Bar("news bar", gNewsBar, rcClient.bottom, NEWS_BAR_HEIGHT, nWidth, pWhy))
        return false;
    return Session_Check_Bar("button bar", gButtonBar, rcClient.bottom - nNewsHeight,
                             BUTTON_BAR_HEIGHT, nWidth, pWhy);
}

bool Session_Files_Differ(const std::string& stA, const std::string& stB) {
    std::ifstream a(stA, std::ios::binary), b(stB, std::ios::binary);
    std::string stDataA((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
    std::string stDataB((std::istreambuf_iterator<char>(b)), std::istreambuf_iterator<char>());
    return stDataA != stDataB;
}

HWND Session_Dialog_Up(void) {
    HWND hActive = GetActiveWindow();
    if (!hActive || hActive == gMainWindow || Session_Is_Progress_Window(hActive))
        return nullptr;
    return IsWindow(hActive) && IsWindowVisible(hActive) ? hActive : nullptr;
}

// The matchup dialog's buttons (its template's ids): the person plays the game, or lets the
// computer simulate it.
#define MATCHUP_PLAY_BUTTON 1391
#define MATCHUP_SIMULATE_BUTTON 1393

bool Session_Is_Game_Matchup(HWND hDlg) {
    char szText[64] = "";
    HWND hSimulate = hDlg ? GetDlgItem(hDlg, MATCHUP_SIMULATE_BUTTON) : nullptr;
    if (hSimulate)
        GetWindowTextA(hSimulate, szText, sizeof szText);
    return strcmp(szText, "Simulate This Game") == 0;
}

void Session_Choose_Matchup(HWND hDlg, bool bPlay) {
    const int nButton = bPlay ? MATCHUP_PLAY_BUTTON : MATCHUP_SIMULATE_BUTTON;
    printf("app_session: the game matchup gets \"%s\"\n",
           bPlay ? "Play This Game" : "Simulate This Game");
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), (LPARAM)GetDlgItem(hDlg, nButton));
}

bool Session_Is_Progress_Window(HWND hDlg) {
    return hDlg && GetDlgItem(hDlg, IDC_PROGRESS_TEXT) != nullptr;
}
