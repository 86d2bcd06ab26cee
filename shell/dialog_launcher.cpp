// The one launcher of every modal dialog: template id to dialog procedure, the run, and the
// repaint of the main window afterwards.

#include "dialogs/dialogs.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "setup/setup.h"
#include "shell/shell.h"

int gChooseStatDialogId = 0;

typedef struct {
    int idDialog;
    DLGPROC pProc;
} DIALOG_ENTRY;

static const DIALOG_ENTRY kDialogTable[] = {
    {IDD_ABOUT, About_Dialog_Proc},
    {IDD_SIMULATION_TOOL, Season_Simulator_Dialog_Proc},
    {IDD_NEW_GAME, New_Game_Dialog_Proc},
    {IDD_WELCOME, Welcome_Dialog_Proc},
    {IDD_TRADES, Trades_Dialog_Proc},
    {IDD_SORTABLE_STATS, Sortable_Stats_Dialog_Proc},
    {IDD_EXPENSES, Expenses_Dialog_Proc},
    {IDD_RESUME_GAME, Resume_Game_Dialog_Proc},
    {IDD_OFFENSE, Offense_Depth_Chart_Dialog_Proc},
    {IDD_SAVE_GAME, Save_Game_Dialog_Proc},
    {IDD_SCOUTING_REPORT, Scouting_Report_Dialog_Proc},
    {IDD_DEFENSE, Defense_Depth_Chart_Dialog_Proc},
    {IDD_FREE_AGENTS, Sortable_Stats_Dialog_Proc},
    {IDD_OTHER_TEAM, Other_Team_Dialog_Proc},
    {IDD_CONTRACT_OFFER, Contract_Offer_Dialog_Proc},
    {IDD_CONCESSIONS, Concessions_Dialog_Proc},
    {IDD_TICKETS, Tickets_Dialog_Proc},
    {IDD_CHANGE_POSITION, Change_Position_Dialog_Proc},
    {IDD_TRADE_OFFER_RESPONSE, Trade_Offer_Response_Dialog_Proc},
    {IDD_HALL_OF_FAME, Hall_Of_Fame_Dialog_Proc},
    {IDD_FIND_PLAYERS, Find_Players_Dialog_Proc},
    {IDD_CHOOSE_STAT, Choose_Stat_Dialog_Proc},
    {IDD_LEADER_HEADING, Choose_Stat_Dialog_Proc},
    {IDD_CHOOSE_STAT_B, Choose_Stat_Dialog_Proc},
    {IDD_STADIUM_EDITOR, Stadium_Editor_Dialog_Proc},
    {IDD_OPTIONS, Options_Dialog_Proc},
    {IDD_TRADE_HINT, Trade_Hint_Dialog_Proc},
    {IDD_EDIT_PLAYER, Edit_Player_Dialog_Proc},
    {IDD_TRADE_OFFER, Trade_Offer_Dialog_Proc},
    {IDD_PRINT, Print_Dialog_Proc},
    {IDD_DID_YOU_KNOW, Did_You_Know_Dialog_Proc},
    {IDD_INJURY_CONTINGENCY, Injury_Contingency_Dialog_Proc},
    {IDD_LEAGUE_EDITOR, League_Editor_Dialog_Proc},
    {IDD_CITY_EDITOR, City_Editor_Dialog_Proc},
    {IDD_RENAME_CITY, Rename_City_Dialog_Proc},
    {IDD_SPECIAL_TEAMS, Special_Teams_Dialog_Proc},
    {IDD_CHOOSE_STAT_C, Choose_Stat_Dialog_Proc},
    {IDD_DATABASE_NOTES, Database_Notes_Dialog_Proc},
    {IDD_START_FANTASY_DRAFT, Start_Fantasy_Draft_Dialog_Proc},
    {IDD_FANTASY_DRAFT_ORDER, Fantasy_Draft_Order_Dialog_Proc},
    {IDD_COLLEGE_DRAFT, Sortable_Stats_Dialog_Proc},
    {IDD_STAT_COLUMN_CHOOSER, Stat_Column_Chooser_Dialog_Proc},
    {IDD_TRADING_BLOCK, Trading_Block_Dialog_Proc},
    {IDD_HISTORY, History_Dialog_Proc},
    {IDD_ADVANCED_TOOLS, Advanced_Tools_Dialog_Proc},
    {IDD_PLAY_MULTIPLE_SEASONS, Play_Multiple_Seasons_Dialog_Proc},
    {IDD_GAME_MATCHUP, Game_Matchup_Dialog_Proc},
    {IDD_VIEW_ENCYCLOPEDIA, View_Encyclopedia_Dialog_Proc},
    {IDD_CHOOSE_EXPORT_FOLDER, Choose_Export_Folder_Dialog_Proc},
    {IDD_PLAYBOOK_EDITOR, Playbook_Editor_Dialog_Proc},
    {IDD_SAVE_PLAYBOOK, Save_Playbook_Dialog_Proc},
    {IDD_LOAD_PLAYBOOK, Load_Playbook_Dialog_Proc},
    {IDD_NEW_VERSION, New_Version_Dialog_Proc},
    {IDD_EDIT_RATINGS, Edit_Ratings_Dialog_Proc},
    {IDD_USER_MESSAGE, User_Message_Dialog_Proc},
};

static DLGPROC Find_Dialog_Proc(int idDialog) {
    for (const DIALOG_ENTRY& entry : kDialogTable)
        if (entry.idDialog == idDialog)
            return entry.pProc;
    return NULL;
}

// Invalidates a window without erasing and paints it now; no window, nothing to paint.
static void Repaint_Window(HWND hWnd) {
    if (!hWnd)
        return;
    InvalidateRect(hWnd, NULL, FALSE);
    UpdateWindow(hWnd);
}

INT_PTR Cancel_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    if (uMsg != WM_INITDIALOG)
        return FALSE;
    EndDialog(hDlg, IDCANCEL);
    return TRUE;
}

// The template and lParam an id runs with: the sortable-statistics forms share template 114,
// and the stat-choosing forms tell their shared procedure which one they are.
static int Get_Dialog_Template(int idDialog, LPARAM* pParam) {
    switch (idDialog) {
    case IDD_SORTABLE_STATS: *pParam = 0; return IDD_SORTABLE_STATS;
    case IDD_FREE_AGENTS: *pParam = 1; return IDD_SORTABLE_STATS;
    case IDD_COLLEGE_DRAFT: *pParam = 2; return IDD_SORTABLE_STATS;
    case IDD_CHOOSE_STAT:
    case IDD_LEADER_HEADING:
    case IDD_CHOOSE_STAT_B:
    case IDD_CHOOSE_STAT_C: gChooseStatDialogId = idDialog; return idDialog;
    default: return idDialog;
    }
}

INT_PTR Do_Dialog(HWND hParent, int idDialog, LPARAM lParam) {
    INT_PTR nResult = 0;
    DLGPROC pProc = Find_Dialog_Proc(idDialog);
    if (pProc) {
        int idTemplate = Get_Dialog_Template(idDialog, &lParam);
        HWND hOwner = hParent ? hParent : gMainWindow;
        nResult = DialogBoxParamA(Get_App_Instance(), MAKEINTRESOURCEA(idTemplate), hOwner, pProc,
                                  lParam);
    } else {
        Show_Message_Box("Do_Dialog()",
                         "Unrecognized idDialog in Do_Dialog(). DialogBox() call aborted.");
    }

    Clear_Field_Player_Tables();
    Prepare_Shown_Page_Figures();
    gLastPaintedPage = -1;
    Repaint_Window(gMainWindow);
    return nResult;
}

INT_PTR Open_Dialog(HWND hParent, int idDialog) {
    if (gButtonBar) {
        SendMessageA(gButtonBar, WM_SIZE, 0, 0);
        if (gNewsBar)
            SendMessageA(gNewsBar, WM_SIZE, 0, 0);
        Repaint_Window(gButtonBar);
        Repaint_Window(gNewsBar);
        ShowWindow(gButtonBar, SW_SHOW);
        if (gNewsBar)
            ShowWindow(gNewsBar, SW_SHOW);
    }
    return Do_Dialog(hParent, idDialog, 0);
}
