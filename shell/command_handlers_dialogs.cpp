// The commands that open dialogs, switch pages, open help and open files, folders and web pages
// with the shell.

#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"
#include "resources/resource.h"
#include "season/season.h"
#include "setup/setup.h"
#include "shell/command_handlers.h"

#define OWNER_MODE_HELP_TOPIC 1010
#define LAST_TRADING_WEEK_SHOWN 12
#define FOLDER_PATH_SIZE 4096
#define PAGE_STANDINGS 40030
#define PAGE_PLAYOFFS 40069

void Command_Open_Dialog(HWND hWnd, int idDialog) {
    Open_Dialog(hWnd, idDialog);
}

void Command_Nothing(HWND hWnd, int nUnused) {
    (void)hWnd;
    (void)nUnused;
}

// Unless Owner Mode is on, tells the user the budget is run automatically and offers to read
// about Owner Mode or to turn it on; 1 when the budget dialog may open.
static int Check_Owner_Mode(void) {
    if (gOwnerMode == 1)
        return 1;
    int nAnswer = User_Message_Dialog(
        "General Manager Mode",
        "You are currently in 'General Manager Mode'; all budget items are controlled "
        "automatically.\n\nTo access the Budget Menu, turn on Owner Mode.",
        "", "&OK", "&Read About Owner Mode", "&Turn On Owner Mode");
    if (nAnswer == IDYES)
        return 0;
    if (nAnswer == IDNO) {
        Show_Help_Topic(OWNER_MODE_HELP_TOPIC);
        return 0;
    }
    gOwnerMode = 1;
    return 1;
}

void Command_Budget_Dialog(HWND hWnd, int idDialog) {
    if (Check_Owner_Mode())
        Open_Dialog(hWnd, idDialog);
}

void Command_Trades(HWND hWnd, int idDialog) {
    if (!Are_Trades_Allowed())
        Show_Message_Box("Trading Deadline", "No trades are allowed after week %d of the season.",
                         LAST_TRADING_WEEK_SHOWN);
    else if (Is_Simulation_Running())
        Show_Message_Box("Game In Progress", "%s", "No trades are allowed during game simulation.");
    else
        Open_Dialog(hWnd, idDialog);
}

// The page shown already: nothing. A watched game that is not over may only be left by
// simulating the rest of the week.
void Command_Switch_Page(HWND hWnd, int nPage) {
    (void)hWnd;
    if (nPage == gCurrentPage)
        return;
    GAME* pWatched = Get_Watched_Displayed_Game();
    if (pWatched && !Is_Game_Over(pWatched)) {
        int nAnswer = Do_Message_Box(
            "Can't leave this screen during play-by-play mode. Simulate the remainder of this "
            "week?",
            "Exit Game", MB_TASKMODAL | MB_ICONQUESTION | MB_YESNO);
        if (nAnswer != IDYES)
            return;
        Stop_Simulation();
    }
    Show_News_Page(nPage);
}

void Command_Help_Topic(HWND hWnd, int nTopic) {
    (void)hWnd;
    Show_Help_Topic(nTopic);
}

void Command_Help_On_Page(HWND hWnd, int nUnused) {
    (void)hWnd;
    (void)nUnused;
    Show_Help_Topic(gCurrentPage);
}

// After an edit by the commissioner the standings shown are computed and painted again.
void Command_League_Editor(HWND hWnd, int idDialog) {
    if (Is_College_Draft_On()) {
        Show_Message_Box("College Draft", "%s",
                         "The League Editor is disabled during the College Draft.");
        return;
    }
    Open_Dialog(hWnd, idDialog);
    if (gCommissionerMode && (gCurrentPage == PAGE_STANDINGS || gCurrentPage == PAGE_PLAYOFFS)) {
        Refresh_Standings();
        Redraw_Main_Window();
    }
}

void Command_College_Draft(HWND hWnd, int nUnused) {
    (void)nUnused;
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= FANTASY_DRAFT_UNDER_WAY)
        Open_Dialog(hWnd, IDD_FANTASY_DRAFT_ORDER);
    else if (gCurrentWeek < Get_Postseason_Week(0))
        Show_Message_Box("College Draft", "%s",
                         "College players are not available to be viewed until after the end of "
                         "the regular season.");
    else
        Open_Dialog(hWnd, IDD_COLLEGE_DRAFT);
}

void Command_Fantasy_Draft(HWND hWnd, int nUnused) {
    (void)nUnused;
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) == FANTASY_DRAFT_UNDER_WAY)
        End_Fantasy_Draft_Command();
    else
        Open_Dialog(hWnd, IDD_START_FANTASY_DRAFT);
}

void Command_Output_Rosters(HWND hWnd, int nUnused) {
    (void)hWnd;
    (void)nUnused;
    Show_Message_Box("Output Rosters", "%s",
                     "This will create a ROSTERS.TXT file in your 'Output' directory. After you "
                     "have edited this file (such as for a draft league), move the file to your "
                     "'Input' directory and then check 'Roster File' in the New Game dialog.");
    Write_Rosters_Text_File();
}

// Our own pages: the update page and the store edition's page. A failing open is not reported.
void Command_Open_Web_Page(HWND hWnd, int nPage) {
    const char* szAddress = nPage == IDC_UPDATE_PAGE ? "https://footballvanto.example/update"
                                                     : "https://footballvanto.example/store";
    Open_With_Shell(hWnd, szAddress);
}

void Command_View_Debug_Log(HWND hWnd, int nUnused) {
    (void)nUnused;
    Open_With_Shell(hWnd, "debug.txt");
}

void Command_Open_Game_Folder(HWND hWnd, int nUnused) {
    (void)nUnused;
    char szFolder[FOLDER_PATH_SIZE];
    DWORD nLength = GetCurrentDirectoryA(sizeof(szFolder), szFolder);
    if (nLength == 0 || nLength >= sizeof(szFolder))
        return;
    ShellExecuteA(hWnd, "open", szFolder, "", szFolder, SW_SHOWNORMAL);
}
