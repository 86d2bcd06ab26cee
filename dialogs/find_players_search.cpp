// Find Players' search: every roster of the league, the free agents and (while the draft runs)
// the college pool, for players within a position, age, salary, ratings and a part of the name.
#include <ctype.h>
#include <string.h>

#include "database/database.h"
#include "dialogs/dialogs.h"
#include "pages/pages.h"

#define FANTASY_MODE_OFF 0

static void Upper_Case(char* szText) {
    for (char* p = szText; *p; p++)
        *p = (char)toupper((unsigned char)*p);
}

// The rosters searched: league teams in use, the free agents, the college pool while the draft
// runs; never the Hall of Fame.
static int Is_Searched_Roster(int nTeam) {
    if (nTeam == HALL_OF_FAME_TEAM)
        return 0;
    if (Is_Draft_Pool_Team(nTeam))
        return gDraftRound < DRAFT_ROUNDS;
    return Is_Team_Active(nTeam) || nTeam == FREE_AGENT_TEAM;
}

static int Has_Key_Ratings(int nTeam, int nSlot, const FIND_PLAYERS_LIMITS* pLimits) {
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    for (int i = 0; i < FIND_PLAYERS_RATINGS; i++) {
        int nRating = Get_Position_Rating_Index(nPosition, i);
        if (nRating >= 0 && (int)Get_Player_Rating(nTeam, nSlot, nRating) < pLimits->anRatings[i])
            return 0;
    }
    return 1;
}

int Is_Found_Player(int nTeam, int nSlot, const FIND_PLAYERS_LIMITS* pLimits) {
    int bAnyPosition = pLimits->nPosition < 0 || pLimits->nPosition >= POSITION_COUNT;
    if (!bAnyPosition && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) != pLimits->nPosition)
        return 0;
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) > pLimits->nMaxSalary ||
        Get_Player_Exact_Age(nTeam, nSlot) >= pLimits->nMaxAge ||
        Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, PEAK_GRADE) < pLimits->nMinPeak ||
        Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, OVERALL_GRADE) < pLimits->nMinOverall)
        return 0;
    if (pLimits->szName[0]) {
        char szFull[PLAYER_NAME_TEXT_SIZE];
        char szWanted[FIND_PLAYERS_NAME_SIZE];
        Get_Player_Full_Name(nTeam, nSlot, szFull, sizeof szFull);
        safe_strncpy(szWanted, pLimits->szName, sizeof szWanted);
        Upper_Case(szFull);
        Upper_Case(szWanted);
        if (!strstr(szFull, szWanted))
            return 0;
    }
    if (Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) != FANTASY_MODE_OFF &&
        Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_TO) != NO_TEAM)
        return 0;
    return bAnyPosition || Has_Key_Ratings(nTeam, nSlot, pLimits);
}

int Find_Players(const FIND_PLAYERS_LIMITS* pLimits, SORTABLE_LISTVIEW* pList) {
    if (gDraftRound < DRAFT_ROUNDS && Count_Draft_Pool_Players() == 0)
        End_Draft_Empty_Pool();
    Clear_Listview_Players(pList);
    int nFound = 0;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (!Is_Searched_Roster(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            if (Is_Player_Slot_Used(nTeam, nSlot) && Is_Found_Player(nTeam, nSlot, pLimits))
                nFound += Add_Listview_Player(pList, nTeam, nSlot);
    }
    return nFound;
}
