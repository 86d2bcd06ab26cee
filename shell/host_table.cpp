// The shell's table of the host services: the progress window, the message pump, the skinned
// message boxes, the repaints, title, menus and bars, the pages and the live-score box, the
// dialogs the league's code opens and the game-day screen's turns. Installed at start-up.
#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

static void Repaint_Window(HWND hWnd) {
    if (hWnd != NULL)
        InvalidateRect(hWnd, NULL, FALSE);
}

// The changes in a fixed order: what is rebuilt first, then what is painted.
static void Follow_League_Change(unsigned uWhat) {
    if (uWhat & HOST_REDRAW_PAGE) {
        Prepare_Shown_Page_Figures();
        gLastPaintedPage = -1;
    }
    if (uWhat & HOST_PLAY_MENU)
        Set_Game_Menu(NULL);
    if (uWhat & HOST_DRAFT_MENU_ON)
        Set_Draft_Menu_Items(1);
    if (uWhat & HOST_DRAFT_MENU_OFF)
        Set_Draft_Menu_Items(0);
    if (uWhat & HOST_BARS_DOWN)
        Take_Down_Bars_For_Draft();
    if (uWhat & HOST_BARS_UP)
        Create_Button_Bar();
    if (uWhat & HOST_TICKER_SCORES)
        Refresh_News_Ticker(0);
    if (uWhat & HOST_TICKER_LINES)
        Refresh_News_Ticker(1);
    if (uWhat & HOST_TITLE)
        Update_Main_Window_Title();
    if (uWhat & HOST_REPAINT)
        Repaint_Window(gMainWindow);
    if (uWhat & HOST_REPAINT_BARS) {
        Repaint_Window(gButtonBar);
        Repaint_Window(gNewsBar);
    }
    if ((uWhat & HOST_REPAINT_NOW) && gMainWindow != NULL)
        UpdateWindow(gMainWindow);
    if (uWhat & HOST_NEXT_FANTASY_PICK) {
        // The main window takes the next turn once the dialog that made the pick has returned.
        if (gMainWindow == NULL || !PostMessageA(gMainWindow, WM_NEXT_FANTASY_PICK, 0, 0))
            Next_Fantasy_Draft_Pick();
    }
}

// The dialogs the league's code opens: a human team's Contract Offer (team, slot; IDOK when the
// player signed, else IDCANCEL), the game
// matchup before a person's game (home, visitor); any other template opens with no values (the
// offence depth chart of the dialog team).
static int Open_League_Dialog(int idDialog, int nFirst, int nSecond) {
    switch (idDialog) {
    case IDD_CONTRACT_OFFER:
        return Open_Contract_Offer_Dialog(NULL, nFirst, nSecond) ? IDOK : IDCANCEL;
    case IDD_GAME_MATCHUP: Run_Game_Matchup_Dialog(nFirst, nSecond); return IDOK;
    default: return (int)Do_Dialog(NULL, idDialog, 0);
    }
}

static int Ask_System_Box(const char* szText, const char* szCaption, unsigned uType) {
    return MessageBoxA(NULL, szText, szCaption, uType);
}

static void End_League_Dialog(HWND hDialog, int nResult) {
    EndDialog(hDialog, nResult);
}

static const HOST_SERVICES kShellHost = {
    .pOpenProgress = Open_Shell_Progress_Window,
    .pStepProgress = Step_Shell_Progress_Window,
    .pCloseProgress = Close_Shell_Progress_Window,
    .pPump = Pump_Shell_Messages,
    .pAsk = Ask_Shell_Message_Box,
    .pAskSystem = Ask_System_Box,
    .pUserMessage = Run_User_Message_Dialog,
    .pLeagueChanged = Follow_League_Change,
    .pShowPage = Show_Page_On_Screen,
    .pShowScore = Draw_Live_Score_Lines,
    .pOpenDialog = Open_League_Dialog,
    .pEndDialog = End_League_Dialog,
    .pWatchGame = Run_Watched_Game_Step,
};

const HOST_SERVICES* Get_Shell_Host_Services(void) {
    return &kShellHost;
}

void Install_Shell_Host_Services(void) {
    Set_Host_Services(&kShellHost);
}
