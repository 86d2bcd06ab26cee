// The sortable player list that opened the scouting report, as the card walks it.
#include "database/database.h"
#include "pages/pages.h"

// STAND-IN(pages): the list's selected row and its neighbours from the sortable list view; this
// one knows no list, so a card opened from one shows nobody.
int Get_Scouting_List_Player(SORTABLE_LISTVIEW* pList, int* pTeam, int* pSlot) {
    (void)pList;
    *pTeam = NO_TEAM;
    *pSlot = NO_PLAYER;
    return -1;
}

// STAND-IN(pages): the row nStep on in the list, wrapping; this one stays on the player.
void Step_Scouting_List_Player(SORTABLE_LISTVIEW* pList, int nStep, int* pTeam, int* pSlot) {
    (void)pList;
    (void)nStep;
    (void)pTeam;
    (void)pSlot;
}

// STAND-IN(pages): whether the list is the Trades dialog's other roster; this one says no.
int Is_Trade_Other_List(SORTABLE_LISTVIEW* pList) {
    (void)pList;
    return 0;
}
