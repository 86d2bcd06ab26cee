// The help pages: each dialog, page and command has a topic, opened from the Help folder of the
// working folder with the desktop's browser.
#include "database/database.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define HELP_FOLDER_SIZE 260
#define HELP_PATH_SIZE 400
#define HELP_ID_OWNER_MODE 1010
#define HELP_SHELL_LAST_ERROR 32  // ShellExecuteA's answers up to this are errors

struct HELP_TOPIC {
    int nId;
    const char* szTopic;
};

static const HELP_TOPIC kHelpTopics[] = {
    {0, "contents"},
    {IDD_SIMULATION_TOOL, "simulator"},
    {IDD_NEW_GAME, "newgame"},
    {IDD_TRADES, "trades"},
    {IDD_EXPENSES, "expenses"},
    {IDD_RESUME_GAME, "resumegame"},
    {IDD_OFFENSE, "offense"},
    {IDD_SAVE_GAME, "savegame"},
    {IDD_SCOUTING_REPORT, "scouting"},
    {IDD_DEFENSE, "defense"},
    {IDD_FREE_AGENTS, "freeagents"},
    {IDD_CONCESSIONS, "concessions"},
    {IDD_TICKETS, "tickets"},
    {IDD_BROADCAST, "broadcast"},
    {IDD_CHANGE_POSITION, "changeposition"},
    {IDD_HALL_OF_FAME, "halloffame"},
    {IDD_FIND_PLAYERS, "findplayers"},
    {IDD_STADIUM_EDITOR, "stadiumeditor"},
    {IDD_OPTIONS, "options"},
    {IDD_EDIT_PLAYER, "editplayer"},
    {IDD_PRINT, "printing"},
    {IDD_LEAGUE_EDITOR, "leagueeditor"},
    {IDD_CITY_EDITOR, "cityeditor"},
    {IDD_SPECIAL_TEAMS, "specialteams"},
    {IDD_START_FANTASY_DRAFT, "fantasyDraft"},
    {IDD_FANTASY_DRAFT_ORDER, "draftorder"},
    {IDD_COLLEGE_DRAFT, "collegedraft"},
    {IDD_STAT_COLUMN_CHOOSER, "editcolumns"},
    {IDD_TRADING_BLOCK, "tradingblock"},
    {IDD_HISTORY, "history"},
    {IDD_ADVANCED_TOOLS, "advanced"},
    {IDD_PLAYBOOK_EDITOR, "playdesigner"},
    {IDD_SAVE_PLAYBOOK, "saveplaybook"},
    {IDD_LOAD_PLAYBOOK, "loadplaybook"},
    {IDD_EDIT_RATINGS, "editratings"},
    {HELP_ID_OWNER_MODE, "gamemode"},
    {ID_NEWS_STANDINGS, "standings"},
    {ID_NEWS_LEADERS, "leaders"},
    {ID_NEWS_FINANCES, "finances"},
    {ID_NEWS_CALENDAR, "calendar"},
    {ID_NEWS_HALL_OF_FAME, "object"},
    {ID_NEWS_HALL_OF_FAME_TABS, "object"},
    {ID_NEWS_PLAYOFFS, "playoffs"},
    {ID_NEWS_DRAFT, "draft"},
    {ID_NEWS_GAMES, "games"},
};

const char* Get_Help_Topic(int nId) {
    if (nId == IDD_SORTABLE_STATS) {
        if (gListKind == LIST_KIND_FREE_AGENTS)
            return "freeagents";
        return gListKind == LIST_KIND_COLLEGE_DRAFT ? "collegedraft" : "roster";
    }
    for (const HELP_TOPIC& topic : kHelpTopics) {
        if (topic.nId == nId)
            return topic.szTopic;
    }
    return "playing";
}

// A working folder too long for the path leaves the path relative to it.
void Open_Help_Page(const char* szTopic) {
    char szFolder[HELP_FOLDER_SIZE];
    char szPath[HELP_PATH_SIZE];
    DWORD nLength = GetCurrentDirectoryA(sizeof(szFolder), szFolder);
    if (nLength == 0 || nLength >= sizeof(szFolder))
        Format_String(szPath, sizeof(szPath), "Help\\%s.htm", szTopic);
    else
        Format_String(szPath, sizeof(szPath), "%s\\Help\\%s.htm", szFolder, szTopic);
    INT_PTR nResult =
        (INT_PTR)ShellExecuteA(Get_Main_Window(), "open", szPath, NULL, NULL, SW_SHOWNORMAL);
    if (nResult == SE_ERR_FNF)
        Show_Message_Box("Help", "The help page \"%s\" was not found.", szPath);
    else if (nResult <= HELP_SHELL_LAST_ERROR)
        Show_Message_Box("Help",
                         "No program to show the help pages was found. Install xdg-utils and a "
                         "web browser, or open \"%s\" yourself.",
                         szPath);
}

void Show_Help_Topic(int nId) {
    Open_Help_Page(Get_Help_Topic(nId));
}
