// What the player lists show: the rows of a list key and position, the caption, the cap text,
// the roster note, the player count and the fantasy-draft picks of a team.
#include "database/database.h"
#include "dialogs/dialogs.h"
#include "resources/resource.h"
#include "shell/shell.h"

#define FANTASY_MODE_PICKING 1
#define PLAYER_LIST_LEAGUES 2
#define ROSTER_NOTE_CROWDED 90

// Whether the list shows who the fantasy draft has dealt where (the draft under way, a person
// picking) rather than the rosters as they stand.
static int Is_Fantasy_List(void) {
    return Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) == FANTASY_MODE_PICKING;
}

// The team a row counts for: his drafted team in a fantasy draft, else his own.
static int Get_Row_Team(int nTeam, int nSlot) {
    if (!Is_Fantasy_List())
        return nTeam;
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO);
}

static int Is_Row_Wanted(int nKey, int nTeam, int nSlot) {
    int nRowTeam = Get_Row_Team(nTeam, nSlot);
    if (nKey >= 0 && nKey < LEAGUE_TEAM_COUNT)
        return nRowTeam == nKey;
    switch (nKey) {
    case LIST_KEY_ALL_ACTIVE:
        return Is_Fantasy_List() || Is_Team_Active(nTeam) || nTeam == FREE_AGENT_TEAM;
    case LIST_KEY_LEAGUE:
    case LIST_KEY_LEAGUE + 1:
        return Is_Team_Active(nRowTeam) && Get_Team_League(nRowTeam) == nKey - LIST_KEY_LEAGUE;
    case LIST_KEY_DRAFTED: return nRowTeam != NO_TEAM;
    case LIST_KEY_UNDRAFTED: return nRowTeam == NO_TEAM;
    case LIST_KEY_FREE_AGENTS: return nTeam == FREE_AGENT_TEAM;
    case LIST_KEY_DRAFT_POOL: return Is_Draft_Pool_Team(nTeam);
    default: return 0;
    }
}

int Is_Known_List_Key(int nKey) {
    if (nKey >= 0 && nKey < LEAGUE_TEAM_COUNT)
        return 1;
    switch (nKey) {
    case LIST_KEY_ALL_ACTIVE:
    case LIST_KEY_LEAGUE:
    case LIST_KEY_LEAGUE + 1:
    case LIST_KEY_DRAFTED:
    case LIST_KEY_UNDRAFTED:
    case LIST_KEY_FREE_AGENTS:
    case LIST_KEY_DRAFT_POOL: return 1;
    default: return 0;
    }
}

// The rosters a key can draw from: in a fantasy draft every dealt roster, else the league teams,
// the free agents and the draft pool (never the Hall of Fame).
static int Is_Listed_Roster(int nTeam) {
    if (Is_Fantasy_List())
        return Is_Fantasy_Draft_Roster(nTeam);
    return Is_Team_Active(nTeam) || nTeam == FREE_AGENT_TEAM || Is_Draft_Pool_Team(nTeam);
}

int Fill_Player_List_Rows(SORTABLE_LISTVIEW* pList, int nKey, int nPosition) {
    if (!Is_Known_List_Key(nKey)) {
        Report_Error("Unknown team identifier %d", nKey);
        return 0;
    }
    Clear_Listview_Players(pList);
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (!Is_Listed_Roster(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot) || !Is_Row_Wanted(nKey, nTeam, nSlot))
                continue;
            if (nPosition >= 0 && nPosition < POSITION_COUNT &&
                Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) != nPosition)
                continue;
            Add_Listview_Player(pList, nTeam, nSlot);
        }
    }
    return 1;
}

void Format_Player_List_Caption(int nKey, char* szOut, int nSize) {
    char szName[TEAM_LABEL_SIZE];
    if (nKey >= 0 && nKey < LEAGUE_TEAM_COUNT) {
        Get_Team_Label(nKey, szName, sizeof szName);
        Format_String(szOut, nSize, "Sortable Stats: %s", szName);
        return;
    }
    switch (nKey) {
    case LIST_KEY_LEAGUE:
    case LIST_KEY_LEAGUE + 1:
        Get_League_Name(nKey - LIST_KEY_LEAGUE, szName, sizeof szName);
        Format_String(szOut, nSize, "Sortable Stats: %s", szName);
        break;
    case LIST_KEY_ALL_ACTIVE:
        safe_strncpy(szOut, "Sortable Stats: All Active Players", nSize);
        break;
    case LIST_KEY_DRAFTED: safe_strncpy(szOut, "Sortable Stats: Drafted Players", nSize); break;
    case LIST_KEY_UNDRAFTED: safe_strncpy(szOut, "Sortable Stats: Undrafted Players", nSize); break;
    case LIST_KEY_FREE_AGENTS: safe_strncpy(szOut, "Free Agents", nSize); break;
    case LIST_KEY_DRAFT_POOL: safe_strncpy(szOut, "College Draft", nSize); break;
    default: safe_strncpy(szOut, "Sortable Stats", nSize); break;
    }
}

// The team combo: the teams, a blank separator, then the fantasy draft's two lists or the
// leagues, then every active player. Item data: team + 1000, or the list key.
void Fill_Player_List_Team_Combo(HWND hDlg) {
    Fill_Team_List(hDlg);
    HWND hCombo = GetDlgItem(hDlg, IDC_TEAM_COMBO);
    if (!hCombo)
        return;
    struct {
        const char* szText;
        int nKey;
    } aItems[PLAYER_LIST_LEAGUES + 2];
    int nItems = 0;
    char aszLeagues[PLAYER_LIST_LEAGUES][TEAM_LABEL_SIZE + 16];
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) != 0) {
        aItems[nItems++] = {"Drafted Players", LIST_KEY_DRAFTED};
        aItems[nItems++] = {"Undrafted Players", LIST_KEY_UNDRAFTED};
    } else if (Count_Active_Leagues() >= PLAYER_LIST_LEAGUES) {
        for (int nLeague = 0; nLeague < PLAYER_LIST_LEAGUES; nLeague++) {
            char szName[TEAM_LABEL_SIZE];
            Get_League_Name(nLeague, szName, sizeof szName);
            if (nLeague > 0 && szName[0] == ' ')
                continue;
            Format_String(aszLeagues[nLeague], sizeof aszLeagues[nLeague], "%s Players", szName);
            aItems[nItems++] = {aszLeagues[nLeague], LIST_KEY_LEAGUE + nLeague};
        }
    }
    int nSeparator = (int)SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM) "       ");
    SendMessageA(hCombo, CB_SETITEMDATA, nSeparator, LIST_KEY_SEPARATOR);
    aItems[nItems++] = {"All Active Players", LIST_KEY_ALL_ACTIVE};
    for (int n = 0; n < nItems; n++) {
        int nItem = (int)SendMessageA(hCombo, CB_ADDSTRING, 0, (LPARAM)aItems[n].szText);
        SendMessageA(hCombo, CB_SETITEMDATA, nItem, aItems[n].nKey);
    }
}

// A combo item's list key: a team number for a team item, else the key itself.
int Get_Player_List_Item_Key(int nItemData) {
    if (nItemData >= LIST_KEY_TEAM_ITEM && nItemData < LIST_KEY_TEAM_ITEM + LEAGUE_TEAM_COUNT)
        return nItemData - LIST_KEY_TEAM_ITEM;
    return nItemData;
}

// The cap text of a list: the dialog team's (with none and one human team, that team's) room
// under the cap, or its payroll against the budget; empty for other rosters.
void Format_Player_List_Cap_Text(int nTeam, char* szOut, int nSize) {
    szOut[0] = '\0';
    if (!Is_Valid_Team(nTeam))
        return;
    char szAmount[TEXT_BUFFER_SIZE];
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    if (nCap != 0) {
        int nRoom = nCap / 1000 - nPayroll;
        Format_With_Commas(nRoom > 0 ? nRoom : -nRoom, szAmount, sizeof szAmount);
        Format_String(szOut, nSize,
                      nRoom > 0 ? "$%s,000 under salary cap" : "$%s,000 OVER salary cap", szAmount);
        return;
    }
    int nRoom = Saturate_To_Int((int64_t)Get_Team_Payroll_Budget(nTeam) - (int64_t)nPayroll * 1000);
    Format_With_Commas(nRoom > 0 ? nRoom : -nRoom, szAmount, sizeof szAmount);
    Format_String(szOut, nSize, nRoom > 0 ? "Under budget by $%s" : "Over budget by $%s", szAmount);
}

// The roster list's note on the team's size against the limit and the floor.
void Format_Roster_Note(int nKey, char* szOut, int nSize) {
    if (nKey < 0 || nKey >= LEAGUE_TEAM_COUNT) {
        safe_strncpy(szOut, "Drag the corner of this dialog box to make it wider as needed.",
                     nSize);
        return;
    }
    int nPlayers = Find_Free_Player_Slot(nKey);
    int nFloor = Get_Team_Roster_Floor(nKey);
    if (nPlayers > ROSTER_NOTE_CROWDED)
        safe_strncpy(szOut, "Teams may not have more than 100 players under contract.", nSize);
    else if (nPlayers > nFloor)
        safe_strncpy(szOut, "Drag the corner of this dialog box to make it wider as needed.",
                     nSize);
    else if (nPlayers == nFloor)
        Format_String(szOut, nSize, "This team is at the minimum of %d players on the roster.",
                      nFloor);
    else
        safe_strncpy(szOut, "This team is below the minimum roster size.", nSize);
}

// "Team Picks:" and a line a position with its draftees, or "None".
void Format_Fantasy_Picks_Text(int nTeam, char* szOut, int nSize) {
    char szName[TEAM_LABEL_SIZE];
    Get_Team_Short_Name(nTeam, szName, sizeof szName);
    Format_String(szOut, nSize, "%s Picks:\n", szName);
    int bAny = 0;
    for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++) {
        int nCount = Count_Team_Draftees_At_Position(nTeam, nPosition);
        if (nCount == 0)
            continue;
        char szPosition[16];
        Load_String(IDS_POSITION_ABBREVIATIONS + (UINT)nPosition, szPosition, sizeof szPosition);
        Append_Format_String(szOut, nSize, "%d %s\n", nCount, szPosition);
        bAny = 1;
    }
    if (!bAny)
        Append_Format_String(szOut, nSize, "None");
}
