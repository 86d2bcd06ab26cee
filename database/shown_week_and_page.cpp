// The week and the page the league shows: set in the league, then the main window follows
// through the host services.
#include "database/database.h"

#define DRAFT_PAGE 40070
#define DRAFT_PAGE_ROUND_PREFERENCE 38
#define DRAFT_POOL_OF_NEXT_YEAR 100  // a larger pool is next year's draft class

void Set_Current_Week(int nWeek) {
    gCurrentWeek = nWeek;
    Host_League_Changed(HOST_TITLE);
}

// The Draft page opens on the round on the clock during the draft, else on the last round shown,
// and on the year whose class the pool holds.
static void Prepare_Draft_Page(void) {
    if (Is_College_Draft_On())
        Set_User_Preference(DRAFT_PAGE_ROUND_PREFERENCE, gDraftRound + 1);
    else if (Get_User_Preference(DRAFT_PAGE_ROUND_PREFERENCE) == 0)
        Set_User_Preference(DRAFT_PAGE_ROUND_PREFERENCE, 1);
    int nNextYear = Count_Draft_Pool_Players() > DRAFT_POOL_OF_NEXT_YEAR ? 1 : 0;
    gDraftYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber + nNextYear;
}

void Set_Shown_Page(int nPage) {
    gCurrentPage = nPage;
    if (nPage == DRAFT_PAGE)
        Prepare_Draft_Page();
}

void Show_League_Page(int nPage) {
    Set_Shown_Page(nPage);
    Host_Show_Page(nPage);
}
