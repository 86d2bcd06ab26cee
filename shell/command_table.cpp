// The main window's menu vocabulary: every command id with its action and the action's argument.
// Menu commands and accelerators come here through WM_COMMAND.

#include "resources/resource.h"
#include "personnel/personnel.h"
#include "season/season.h"
#include "shell/command_handlers.h"
#include "tools/tools.h"

// The menu commands' ids.
enum {
    ID_UNUSED_40019 = 40019,
};

#define GAME_KEY(n) \
    { ID_GAME_KEY_PLAY_FIRST + (n), Command_Game_Screen_Key, ID_GAME_KEY_PLAY_FIRST + (n), NULL }
#define DEBUG_KEY(n) \
    { ID_DEBUG_KEY_FIRST + (n), Command_Debug_Key, ID_DEBUG_KEY_FIRST + (n), NULL }

static const MAIN_COMMAND kMainCommands[] = {
    {ID_GAME_SAVE, Command_Save_Game, 0, NULL},
    {IDC_UPDATE_PAGE, Command_Open_Web_Page, IDC_UPDATE_PAGE, NULL},
    {IDC_HOME_PAGE, Command_Open_Web_Page, IDC_HOME_PAGE, NULL},
    {ID_GAME_RESUME, Command_Resume_Game, 0, NULL},
    {ID_GAME_EXIT, Command_Exit, 0, NULL},
    {ID_PLAYERS_TRADES, Command_Trades, IDD_TRADES, NULL},
    {ID_HELP_CONTENTS, Command_Help_Topic, 0, NULL},
    {ID_HELP_ABOUT, Command_Open_Dialog, IDD_ABOUT, NULL},
    {ID_GAME_NEW, Command_New_Game, 0, NULL},
    {ID_UNUSED_40019, Command_Nothing, 0, NULL},
    {ID_TEAM_DEFENSE, Command_Open_Dialog, IDD_DEFENSE, NULL},
    {ID_BUDGET_CONCESSIONS, Command_Budget_Dialog, IDD_CONCESSIONS, NULL},
    {ID_BUDGET_EXPENSES, Command_Budget_Dialog, IDD_EXPENSES, NULL},
    {ID_NEWS_STANDINGS, Command_Switch_Page, ID_NEWS_STANDINGS, NULL},
    {ID_NEWS_LEADERS, Command_Switch_Page, ID_NEWS_LEADERS, NULL},
    {ID_NEWS_FINANCES, Command_Switch_Page, ID_NEWS_FINANCES, NULL},
    {ID_NEWS_CALENDAR, Command_Switch_Page, ID_NEWS_CALENDAR, NULL},
    {ID_NEWS_HALL_OF_FAME, Command_Switch_Page, ID_NEWS_HALL_OF_FAME, NULL},
    {ID_PLAYERS_FREE_AGENTS, Command_Open_Dialog, IDD_FREE_AGENTS, NULL},
    {ID_BUDGET_TICKETS, Command_Budget_Dialog, IDD_TICKETS, NULL},
    {ID_TEAM_VIEW_OTHER, Command_Open_Dialog, IDD_OTHER_TEAM, NULL},
    {ID_BUDGET_BROADCAST, Command_Budget_Dialog, IDD_BROADCAST, NULL},
    {ID_HISTORY_PLAYER_HALL_OF_FAME, Command_Open_Dialog, IDD_HALL_OF_FAME, NULL},
    {ID_GAME_RETIRE, Command_Retire, 0, NULL},
    {ID_PLAY_TRADING_DEADLINE, Command_Through_Trading_Deadline, 0, NULL},
    {ID_PLAY_ONE_WEEK, Command_Advance_Weeks, 1, "ID_PLAY_ONE_WEEK"},
    {ID_PLAY_ONE_MONTH, Command_Advance_Weeks, 4, "ID_PLAY_ONE_MONTH"},
    {ID_PLAY_HALF_SEASON, Command_Advance_Weeks, 8, "ID_PLAY_HALF_SEASON"},
    {ID_PLAY_REST_OF_SEASON, Command_Advance_Weeks, 22, "ID_PLAY_REST_OF_SEASON"},
    {ID_PLAY_END_DRAFT, NULL, 0, "ID_PLAY_END_DRAFT", End_College_Draft_Command},
    {ID_PLAY_START_DRAFT, NULL, 0, "ID_PLAY_START_DRAFT", End_Off_Season},
    {ID_LEAGUE_STADIUM_EDITOR, Command_Open_Dialog, IDD_STADIUM_EDITOR, NULL},
    {ID_PLAYERS_FIND, Command_Open_Dialog, IDD_FIND_PLAYERS, NULL},
    {ID_HELP_PAGE, Command_Help_On_Page, 0, NULL},
    {ID_PLAY_STOP, NULL, 0, NULL, Stop_Simulation},
    {ID_PLAY_FINISH_QUARTER, Command_Finish_Quarter, 0, NULL},
    {ID_PLAY_FINISH_GAME, Command_Finish_Game, 0, NULL},
    {ID_GAME_OPTIONS, Command_Open_Dialog, IDD_OPTIONS, NULL},
    {ID_PLAY_VIEW_RECAP, Command_View_Recap, 0, NULL},
    {ID_PLAY_CONTINUE_DRAFT, NULL, 0, NULL, Resume_College_Draft},
    {ID_PLAY_TIMEOUT, Command_Timeout, 0, NULL},
    {ID_GAME_PRINT, Command_Open_Dialog, IDD_PRINT, NULL},
    {ID_PLAY_VIEW_BOX_SCORE, Command_View_Box_Score, 0, NULL},
    {ID_NEWS_PLAYOFFS, Command_Switch_Page, ID_NEWS_PLAYOFFS, NULL},
    {ID_NEWS_DRAFT, Command_Switch_Page, ID_NEWS_DRAFT, NULL},
    {ID_TOOLS_SPECIAL, NULL, 0, NULL, Do_Special_Tool},
    {ID_PLAY_INJURY_CONTINGENCY, Command_Open_Dialog, IDD_INJURY_CONTINGENCY,
     "ID_PLAY_INJURY_CONTINGENCY"},
    {ID_LEAGUE_CITY_EDITOR, Command_Open_Dialog, IDD_CITY_EDITOR, NULL},
    {ID_LEAGUE_EDITOR, Command_League_Editor, IDD_LEAGUE_EDITOR, NULL},
    {ID_TOOLS_OUTPUT_ROSTERS, Command_Output_Rosters, 0, NULL},
    {ID_TEAM_OFFENSE, Command_Open_Dialog, IDD_OFFENSE, NULL},
    {ID_TEAM_SPECIAL_TEAMS, Command_Open_Dialog, IDD_SPECIAL_TEAMS, NULL},
    {ID_PLAYERS_COLLEGE_DRAFT, Command_College_Draft, 0, NULL},
    {ID_NEWS_GAMES, Command_Switch_Page, ID_NEWS_GAMES, NULL},
    {ID_LEAGUE_DATABASE_NOTES, Command_Open_Dialog, IDD_DATABASE_NOTES, NULL},
    {ID_TOOLS_FANTASY_DRAFT, Command_Fantasy_Draft, 0, NULL},
    {ID_PLAYERS_TRADING_BLOCK, Command_Trades, IDD_TRADING_BLOCK, NULL},
    {ID_HISTORY_TEAM, Command_Open_Dialog, IDD_HISTORY, NULL},
    {ID_TOOLS_ADVANCED, Command_Open_Dialog, IDD_ADVANCED_TOOLS, NULL},
    {ID_PLAYERS_SORTABLE_STATS, Command_Open_Dialog, IDD_SORTABLE_STATS, NULL},
    {ID_PLAY_SEASONS, Command_Play_Seasons, IDD_PLAY_MULTIPLE_SEASONS, NULL},
    {ID_TOOLS_DEBUG_TIMING, Command_Show_Debug_Timer, 0, NULL},
    {ID_HISTORY_ENCYCLOPEDIA, Command_Open_Dialog, IDD_VIEW_ENCYCLOPEDIA, NULL},
    {ID_TOOLS_DEBUG_LOG, Command_View_Debug_Log, 0, NULL},
    {ID_TEAM_PLAYBOOK, Command_Open_Dialog, IDD_PLAYBOOK_EDITOR, NULL},
    GAME_KEY(0),
    GAME_KEY(1),
    GAME_KEY(2),
    GAME_KEY(3),
    GAME_KEY(4),
    GAME_KEY(5),
    GAME_KEY(6),
    GAME_KEY(7),
    GAME_KEY(8),
    GAME_KEY(9),
    GAME_KEY(10),
    GAME_KEY(11),
    GAME_KEY(12),
    GAME_KEY(13),
    GAME_KEY(14),
    GAME_KEY(15),
    {ID_GAME_KEY_TIMEOUT, Command_Timeout, 0, NULL},
    {ID_GAME_KEY_ENTER, Command_Game_Screen_Key, ID_GAME_KEY_ENTER, NULL},
    {ID_GAME_KEY_SPACE, Command_Game_Screen_Key, ID_GAME_KEY_SPACE, NULL},
    {ID_TOOLS_SEASON_SIMULATOR, Command_Season_Simulator, IDD_SIMULATION_TOOL, NULL},
    {ID_GAME_OPEN_FOLDER, Command_Open_Game_Folder, 0, NULL},
    DEBUG_KEY(0),
    DEBUG_KEY(1),
    DEBUG_KEY(2),
    DEBUG_KEY(3),
    DEBUG_KEY(4),
    DEBUG_KEY(5),
    DEBUG_KEY(6),
    DEBUG_KEY(7),
    DEBUG_KEY(8),
    DEBUG_KEY(9),
    DEBUG_KEY(10),
    DEBUG_KEY(11),
};

const MAIN_COMMAND* Find_Main_Command(int idCommand) {
    for (const MAIN_COMMAND& command : kMainCommands)
        if (command.idCommand == idCommand)
            return &command;
    return NULL;
}

int Count_Main_Commands(void) {
    return (int)(sizeof(kMainCommands) / sizeof(kMainCommands[0]));
}

const MAIN_COMMAND* Get_Main_Command(int nRow) {
    if (nRow < 0 || nRow >= Count_Main_Commands())
        return NULL;
    return &kMainCommands[nRow];
}

int Run_Main_Command(HWND hWnd, int idCommand) {
    const MAIN_COMMAND* pCommand = Find_Main_Command(idCommand);
    if (!pCommand)
        return 0;
    if (pCommand->szTimerName)
        Debug_Timer(pCommand->szTimerName, 1);
    if (pCommand->pHandler)
        pCommand->pHandler(hWnd, pCommand->nArgument);
    else if (pCommand->pAction)
        pCommand->pAction();
    if (pCommand->szTimerName)
        Debug_Timer(NULL, 2);
    return 1;
}
