// The sortable player list that opened the scouting report, as the card walks it: its rows in
// the order the list shows them, each row's item value team x 100 + slot.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

#define TRADE_OTHER_LIST_NAME "LVD_Trade_Other"
#define LIST_NAME_SIZE 32

int Get_Scouting_List_Player(SORTABLE_LISTVIEW* pList, int* pTeam, int* pSlot) {
    return Get_Listview_Selected_Player(pList, pTeam, pSlot);
}

// The item value of a row as the list shows it.
static int Get_List_Row_Value(HWND hList, int nRow) {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nRow;
    SendMessageA(hList, LVM_GETITEMA, 0, (LPARAM)&item);
    return (int)item.lParam;
}

// Rows that hold no player (a trading block's draft picks) are passed over.
void Step_Scouting_List_Player(SORTABLE_LISTVIEW* pList, int nStep, int* pTeam, int* pSlot) {
    if (!pList || !pList->hList)
        return;
    int nRows = (int)SendMessageA(pList->hList, LVM_GETITEMCOUNT, 0, 0);
    int nValue = *pTeam * PLAYERS_PER_TEAM + *pSlot;
    for (int nRow = 0; nRow < nRows; nRow++) {
        if (Get_List_Row_Value(pList->hList, nRow) != nValue)
            continue;
        for (int nMoves = 1; nMoves <= nRows; nMoves++) {
            int nNextRow = ((nRow + nMoves * (nStep % nRows)) % nRows + nRows) % nRows;
            int nNext = Get_List_Row_Value(pList->hList, nNextRow);
            if (!Is_Player_Slot_Used(nNext / PLAYERS_PER_TEAM, nNext % PLAYERS_PER_TEAM))
                continue;
            *pTeam = nNext / PLAYERS_PER_TEAM;
            *pSlot = nNext % PLAYERS_PER_TEAM;
            return;
        }
        return;
    }
}

// The Trades dialog names the list of its other team's roster.
int Is_Trade_Other_List(SORTABLE_LISTVIEW* pList) {
    char szName[LIST_NAME_SIZE] = "";
    if (pList && pList->hList)
        GetWindowTextA(pList->hList, szName, sizeof szName);
    return strcmp(szName, TRADE_OTHER_LIST_NAME) == 0;
}
