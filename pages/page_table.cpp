// The page table of the main window: each news page's id with its painter, hover test and click.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

static const MAIN_PAGE kMainPages[] = {
    {STANDINGS_PAGE, Paint_Standings_Page, Is_Standings_Page_Hot_Spot, Click_Standings_Page},
    {LEADERS_PAGE, Paint_Leaders_Page, Is_Leaders_Page_Hot_Spot, Click_Leaders_Page},
    {FINANCES_PAGE, Paint_Finances_Page, Is_Finances_Page_Hot_Spot, Click_Finances_Page},
    {CALENDAR_PAGE, Paint_Calendar_Page, Is_Calendar_Page_Hot_Spot, Click_Calendar_Page},
    {HALL_OF_FAME_PAGE, Paint_Hall_Of_Fame_Page, Is_Hall_Of_Fame_Page_Hot_Spot,
     Click_Hall_Of_Fame_Page},
    {PLAYOFFS_PAGE, Draw_Playoffs_Page, Is_Playoffs_Page_Point_Active, Handle_Playoffs_Page_Click},
    {DRAFT_PAGE, Paint_Draft_Page, Get_Draft_Page_Hot_Spot, Click_Draft_Page},
    {CHAMPIONS_PAGE, Paint_Champions_Page, NULL, NULL},
    {GAMES_PAGE, Paint_Games_Page, Click_Play_Selector, Click_Game_Screen},
};

const MAIN_PAGE* Find_Main_Page(int nPage) {
    for (const MAIN_PAGE& page : kMainPages) {
        if (page.nId == nPage)
            return &page;
    }
    return NULL;
}

int Is_News_Page_Shown(void) {
    return Find_Main_Page(gCurrentPage) != NULL;
}
