// The session's driver: a thread timer that acts as the person at the screen. It answers the
// Welcome screen with New Game and each dialog after it with its default button, plays one week
// through the Play menu's command, visits the news pages, then opens the menu bar's ten menus one after the other with
// the keyboard. Its timer fires inside the dialogs' and menus' own loops, so every step goes
// through the program's real code; the steps reach it as the display's key events would. Each step
// starts only once the last one shows on the screen.
#include "app_session.h"

#include "database/database.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "season/season.h"
#include "shell/shell.h"

#include <SDL.h>
#include <stdio.h>

#include <string>

namespace {

// The driver looks at the screen this often; each step waits for the state it needs (the dialog
// it answered gone, the week advanced, the menu's popup shown), never for time alone. A step that
// does not come within the limit fails with what the screen shows.
#define SESSION_TICK_MS 100
#define SESSION_STEP_LIMIT_MS 120000
#define SESSION_DIALOG_LIMIT 8  // dialogs answered on the way into the league or after the week

enum SESSION_PHASE {
    SESSION_WELCOME,
    SESSION_INTO_LEAGUE,
    SESSION_WEEK,
    SESSION_PAGES,
    SESSION_MENU_OPEN,
    SESSION_MENU_SHOT,
    SESSION_CLOSE,
    SESSION_OVER
};

const char* const kSessionPhaseNames[] = {
    "the Welcome screen", "the way into the league", "the week's games", "the news page",
    "opening a menu",     "the menu's popup",        "closing",          "over"};

// The news pages visited after the week (the Standings page shows after it), through their menu
// commands, with the file name of each one's picture.
struct SESSION_PAGE {
    int nCommand;
    const char* szStep;
};
const SESSION_PAGE kSessionPages[] = {
    {FINANCES_PAGE, "finances"}, {LEADERS_PAGE, "leaders"},   {CALENDAR_PAGE, "calendar"},
    {DRAFT_PAGE, "draft"},       {PLAYOFFS_PAGE, "playoffs"},
};
#define SESSION_PAGE_COUNT (int)(sizeof kSessionPages / sizeof kSessionPages[0])

struct SESSION_STATE {
    std::string stFolder;
    SESSION_PHASE ePhase;
    DWORD nPhaseTick;  // when the running step began
    int nShots;
    int nDialogs;
    HWND hAnswered;  // the dialog last answered, until it has gone
    int nWeekBefore;
    int nPage;  // the entry of kSessionPages the running page step waits for
    int nMenu;
    HMENU hPopupWanted;     // the drop-down the running menu step opens
    HMENU hPopupInitiated;  // the last drop-down the main window was told of
    WNDPROC pMainProc;      // the main window's own procedure, while the driver listens
    std::string stLastShot;
    int nResult;
};
SESSION_STATE gSession = {};

void Session_Enter(SESSION_PHASE ePhase) {
    gSession.ePhase = ePhase;
    gSession.nPhaseTick = GetTickCount();
}

void Session_Fail(const std::string& stWhy) {
    fprintf(stderr, "app_session: FAILED: %s\n", stWhy.c_str());
    gSession.nResult = 1;
    gSession.ePhase = SESSION_OVER;
    PostQuitMessage(0);
}

std::string Session_Shot_Path(const char* szStep) {
    char szPath[1024];
    snprintf(szPath, sizeof szPath, "%s/%02d-%s.png", gSession.stFolder.c_str(),
             gSession.nShots + 1, szStep);
    return szPath;
}

// Saves what the display shows of the main window as NN-step.png and lists it.
bool Session_Shot(const char* szStep) {
    std::string stPath = Session_Shot_Path(szStep);
    if (!Platform_Save_Screenshot(gMainWindow, stPath.c_str())) {
        Session_Fail("the screenshot " + stPath + " could not be saved");
        return false;
    }
    gSession.nShots++;
    printf("app_session: %s\n", stPath.c_str());
    fflush(stdout);
    gSession.stLastShot = stPath;
    return true;
}

// The picture of a step that changes the screen: taken again until it differs from the last one
// (the display shows the change). True once it is kept.
bool Session_Shot_Of_Change(const char* szStep) {
    std::string stPath = Session_Shot_Path(szStep);
    if (!Platform_Save_Screenshot(gMainWindow, stPath.c_str())) {
        Session_Fail("the screenshot " + stPath + " could not be saved");
        return false;
    }
    if (!Session_Files_Differ(gSession.stLastShot, stPath))
        return false;  // not on the display yet
    gSession.nShots++;
    gSession.stLastShot = stPath;
    printf("app_session: %s\n", stPath.c_str());
    fflush(stdout);
    return true;
}

// A key pressed and released on the display; with bAlt, while Alt is held.
void Session_Press_Key(SDL_Keycode nKey, bool bAlt) {
    SDL_Event e = {};
    e.key.state = SDL_PRESSED;
    e.key.type = SDL_KEYDOWN;
    if (bAlt) {
        e.key.keysym.sym = SDLK_LALT;
        SDL_PushEvent(&e);
    }
    e.key.keysym.sym = nKey;
    SDL_PushEvent(&e);
    e.key.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    SDL_PushEvent(&e);
    if (bAlt) {
        e.key.keysym.sym = SDLK_LALT;
        SDL_PushEvent(&e);
    }
}

// The dialog or message box up over the main window, or null.
// The dialog answered last is still on the screen: its answer has not been taken yet.
bool Session_Answer_Pending(void) {
    if (gSession.hAnswered && IsWindow(gSession.hAnswered) && IsWindowVisible(gSession.hAnswered))
        return true;
    gSession.hAnswered = nullptr;
    return false;
}

// A dialog that follows a step gets its default answer (Enter), the game matchup "Simulate This
// Game"; false after too many.
bool Session_Answer_Dialog(HWND hDlg) {
    if (Session_Is_Progress_Window(hDlg))
        return true;
    char szCaption[128] = "";
    GetWindowTextA(hDlg, szCaption, sizeof szCaption);
    if (++gSession.nDialogs > SESSION_DIALOG_LIMIT) {
        Session_Fail(std::string("dialogs keep coming; the last is \"") + szCaption + "\"");
        return false;
    }
    if (!Session_Shot("dialog"))
        return false;
    if (Session_Is_Game_Matchup(hDlg)) {
        Session_Choose_Matchup(hDlg, false);  // the week runs unwatched here
    } else {
        printf("app_session: dialog \"%s\" gets its default answer\n", szCaption);
        Session_Press_Key(SDLK_RETURN, false);
    }
    gSession.hAnswered = hDlg;
    return true;
}

// What the screen shows, for a failure: the active window's caption and its controls' texts.
std::string Session_Describe_Screen(void) {
    HWND hActive = GetActiveWindow();
    if (!hActive || !IsWindow(hActive))
        return "no window is active";
    char szText[256] = "";
    GetWindowTextA(hActive, szText, sizeof szText);
    std::string stShown = std::string(hActive == gMainWindow ? "the main window" : "the window") +
                          " \"" + szText + "\" is active";
    for (HWND hChild = GetWindow(hActive, GW_CHILD); hChild;
         hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        szText[0] = 0;
        GetWindowTextA(hChild, szText, sizeof szText);
        if (szText[0] && IsWindowVisible(hChild))
            stShown += std::string(", \"") + szText + "\"";
    }
    return stShown;
}

void Session_Fail_Step(void) {
    std::string stShown = Session_Describe_Screen();
    Session_Shot("timeout");
    Session_Fail(std::string(kSessionPhaseNames[gSession.ePhase]) + " did not come within " +
                 std::to_string(SESSION_STEP_LIMIT_MS / 1000) + " s; " + stShown +
                 " (the screen is " + gSession.stLastShot + ")");
}

void Session_Welcome(void) {
    HWND hDlg = Session_Dialog_Up();
    HWND hButton = hDlg ? GetDlgItem(hDlg, IDC_NEW_GAME) : nullptr;
    if (!hButton)
        return;  // not up yet
    if (!Session_Shot("welcome"))
        return;
    // Enter on the focused New Game button; else its click, as the button tells its dialog.
    if (GetFocus() == hButton)
        Session_Press_Key(SDLK_RETURN, false);
    else
        PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_NEW_GAME, BN_CLICKED), (LPARAM)hButton);
    gSession.hAnswered = hDlg;
    Session_Enter(SESSION_INTO_LEAGUE);
}

void Session_Open_Page(int nPage) {
    gSession.nPage = nPage;
    PostMessageA(gMainWindow, WM_COMMAND, MAKEWPARAM(kSessionPages[nPage].nCommand, 0), 0);
    Session_Enter(SESSION_PAGES);
}

// A news page opened through its menu command: its picture once the page is the shown one and
// the display shows the change, then the next page.
void Session_Page(void) {
    const SESSION_PAGE& page = kSessionPages[gSession.nPage];
    if (gCurrentPage != page.nCommand)
        return;
    if (!Session_Shot_Of_Change(page.szStep))
        return;
    if (gSession.nPage + 1 < SESSION_PAGE_COUNT)
        Session_Open_Page(gSession.nPage + 1);
    else
        Session_Enter(SESSION_MENU_OPEN);
}

// The main window's checks once the league shows, then the Play menu's One Week.
void Session_Into_League(void) {
    if (Session_Answer_Pending())
        return;
    if (HWND hDlg = Session_Dialog_Up()) {
        // New Game that leads back to the Welcome screen started no game.
        if (GetDlgItem(hDlg, IDC_NEW_GAME)) {
            Session_Shot("welcome-again");
            Session_Fail(
                "the New Game dialog ended without starting a game and the Welcome "
                "screen came back: nothing leads into the league");
            return;
        }
        Session_Answer_Dialog(hDlg);
        return;
    }
    if (!gButtonBar || !Is_News_Page_Shown())
        return;
    if (!Session_Shot("league"))
        return;
    std::string stWhy;
    if (!Session_Check_Client_Size(&stWhy) || !Session_Check_Menu_Bar(&stWhy) ||
        !Session_Check_Bars(&stWhy)) {
        Session_Fail(stWhy);
        return;
    }
    gSession.nWeekBefore = gCurrentWeek;
    gSession.nDialogs = 0;
    PostMessageA(gMainWindow, WM_COMMAND, MAKEWPARAM(ID_PLAY_ONE_WEEK, 0), 0);
    Session_Enter(SESSION_WEEK);
}

void Session_Week(void) {
    if (Session_Answer_Pending())
        return;
    if (HWND hDlg = Session_Dialog_Up()) {
        Session_Answer_Dialog(hDlg);
        return;
    }
    if (gCurrentWeek == gSession.nWeekBefore || Is_Simulation_Running())
        return;
    if (!Session_Shot("week"))
        return;
    std::string stWhy;
    if (gCurrentWeek != gSession.nWeekBefore + 1) {
        Session_Fail("the week went from " + std::to_string(gSession.nWeekBefore) + " to " +
                     std::to_string(gCurrentWeek) + " after One Week");
        return;
    }
    if (!Session_Check_Bars(&stWhy)) {
        Session_Fail(stWhy + " after the week");
        return;
    }
    Session_Open_Page(0);
}

// The main window's procedure while the driver listens: it notes each drop-down the menu loop
// opens, so that a menu step knows its popup is up.
LRESULT CALLBACK Session_Main_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_INITMENUPOPUP)
        gSession.hPopupInitiated = (HMENU)wParam;
    return CallWindowProcA(gSession.pMainProc, hWnd, uMsg, wParam, lParam);
}

// Alt+G opens the first menu; each next one is reached along the bar: Escape closes the
// drop-down, Right moves to the next menu and Down opens it.
void Session_Menu_Open(void) {
    if (!gSession.pMainProc)
        gSession.pMainProc = (WNDPROC)SetWindowLongPtrA(gMainWindow, GWLP_WNDPROC,
                                                        (LONG_PTR)Session_Main_Proc);
    gSession.hPopupWanted = GetSubMenu(GetMenu(gMainWindow), gSession.nMenu);
    gSession.hPopupInitiated = nullptr;
    if (gSession.nMenu == 0) {
        Session_Press_Key(SDLK_g, true);
    } else {
        Session_Press_Key(SDLK_ESCAPE, false);
        Session_Press_Key(SDLK_RIGHT, false);
        Session_Press_Key(SDLK_DOWN, false);
    }
    Session_Enter(SESSION_MENU_SHOT);
}

// Once the menu's drop-down is open, the picture is taken again until it shows the change.
void Session_Menu_Shot(void) {
    if (gSession.hPopupInitiated != gSession.hPopupWanted)
        return;
    char szStep[64];
    snprintf(szStep, sizeof szStep, "menu-%s", Session_Menu_Caption(gSession.nMenu));
    // The file name keeps the caption's letters.
    std::string stStep;
    for (const char* p = szStep; *p; p++)
        if (*p != '&')
            stStep += (char)tolower((unsigned char)*p);
    if (!Session_Shot_Of_Change(stStep.c_str()))
        return;
    gSession.nMenu++;
    Session_Enter(gSession.nMenu < SESSION_MENU_COUNT ? SESSION_MENU_OPEN : SESSION_CLOSE);
}

void Session_Close(void) {
    Session_Press_Key(SDLK_ESCAPE, false);
    Session_Press_Key(SDLK_ESCAPE, false);
    if (gSession.pMainProc)
        SetWindowLongPtrA(gMainWindow, GWLP_WNDPROC, (LONG_PTR)gSession.pMainProc);
    printf("app_session: passed: %d screenshots\n", gSession.nShots);
    gSession.ePhase = SESSION_OVER;
    PostQuitMessage(0);
}

void Session_Timer_Proc(void) {
    if (gSession.ePhase == SESSION_OVER)
        return;
    if (GetTickCount() - gSession.nPhaseTick > SESSION_STEP_LIMIT_MS) {
        Session_Fail_Step();
        return;
    }
    switch (gSession.ePhase) {
    case SESSION_WELCOME: Session_Welcome(); break;
    case SESSION_INTO_LEAGUE: Session_Into_League(); break;
    case SESSION_WEEK: Session_Week(); break;
    case SESSION_PAGES: Session_Page(); break;
    case SESSION_MENU_OPEN: Session_Menu_Open(); break;
    case SESSION_MENU_SHOT: Session_Menu_Shot(); break;
    case SESSION_CLOSE: Session_Close(); break;
    case SESSION_OVER: break;
    }
}

}  // namespace

void Arm_Session_Driver(const char* szFolder) {
    gSession = {};
    gSession.stFolder = szFolder;
    Session_Enter(SESSION_WELCOME);
    Start_Session_Timer(SESSION_TICK_MS, Session_Timer_Proc);
}

int Session_Result(void) {
    if (gSession.nResult == 0 && gSession.ePhase != SESSION_OVER) {
        fprintf(stderr, "app_session: FAILED: the program ended before the session did\n");
        return 1;
    }
    return gSession.nResult;
}
