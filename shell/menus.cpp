// The main menu's page-help item, greying the whole menu bar during long work, and the main
// window's title.
#include "resources/resource.h"
#include "shell/shell.h"

struct PAGE_HELP_LABEL {
    int nPage;
    const char* szText;
};

static const PAGE_HELP_LABEL kPageHelpLabels[] = {
    {ID_NEWS_STANDINGS, "&Help on Standings Page"},
    {ID_NEWS_LEADERS, "&Help on Leaders Page"},
    {ID_NEWS_FINANCES, "&Help on Financial Page"},
    {ID_NEWS_CALENDAR, "&Help on Calendar Page"},
    {ID_NEWS_HALL_OF_FAME, "&Help on Vanto Hall Of Fame"},
    {ID_NEWS_HALL_OF_FAME_TABS, "&Help on Vanto Hall Of Fame"},
    {ID_NEWS_PLAYOFFS, "&Help on Playoffs Page"},
    {ID_NEWS_DRAFT, "&Help on Draft Page"},
    {ID_NEWS_GAMES, "&Help on Games Page"},
};

// Pages without a label of their own leave the item as it is.
void Set_Page_Help_Menu_Item(int nPage) {
    HWND hMain = Get_Main_Window();
    HMENU hMenu = hMain ? GetMenu(hMain) : NULL;
    if (!hMenu)
        return;
    for (const PAGE_HELP_LABEL& label : kPageHelpLabels) {
        if (label.nPage == nPage) {
            ModifyMenuA(hMenu, ID_HELP_PAGE, MF_BYCOMMAND | MF_STRING, ID_HELP_PAGE, label.szText);
            return;
        }
    }
}

void Enable_Main_Menu(int bEnable) {
    HWND hMain = Get_Main_Window();
    HMENU hMenu = hMain ? GetMenu(hMain) : NULL;
    if (!hMenu)
        return;
    UINT uState = MF_BYPOSITION | (bEnable ? MF_ENABLED : MF_GRAYED);
    UINT uPosition = 0;
    while (EnableMenuItem(hMenu, uPosition, uState) != -1)
        uPosition++;
    DrawMenuBar(hMain);
}

void Update_Main_Window_Title(void) {
    HWND hMain = Get_Main_Window();
    if (!hMain)
        return;
    char szTitle[TEXT_BUFFER_SIZE];
    Build_Main_Window_Title(szTitle, sizeof(szTitle));
    SetWindowTextA(hMain, szTitle);
}
