// Finding a team's players by position, by unit and by order, counting them over the league, and
// the draft picks a team still owns.
#include <limits.h>

#include "core/core.h"
#include "database/database.h"
#include "database/records_internal.h"

#define ANY_PLAYER (-1)
#define NO_INJURY_LIMIT INT_MAX
#define OFF_SEASON_INJURY_HORIZON 19
#define SEASON_END_INJURY_HORIZON 52  // minus the current week once the champion is decided

// The positions of each unit: the first and how many.
static const int kUnitFirstPosition[UNIT_COUNT] = {POS_QB, POS_DE, POS_K};
static const int kUnitPositionCount[UNIT_COUNT] = {8, 5, 2};
static const int kUnitStarters[UNIT_COUNT] = {11, 11, 2};

// Which players a query looks at.
typedef struct PLAYER_FILTER {
    int nPosition;     // a position 0..14, POS_ALL_DEFENCE, POS_ALL_LINEMEN or ANY_PLAYER
    int nUnit;         // a unit or ANY_PLAYER
    int nInjuryLimit;  // players out for this many weeks or more are skipped
} PLAYER_FILTER;

static int Is_Roster_Team(int nTeam) {
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS;
}

static int Is_Unit(int nUnit) {
    return nUnit >= 0 && nUnit < UNIT_COUNT;
}

int Get_Roster_Position(int nTeam, int nSlot) {
    if (!Is_Roster_Team(nTeam) || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return -1;
    const PLAYER* pPlayer = &gTeams[nTeam].aPlayers[nSlot];
    if (pPlayer->anVitalStats[VITAL_PLAYER_ID] == 0)
        return -1;
    int nPosition = pPlayer->anVitalStats[VITAL_POSITION];
    return nPosition < POSITION_COUNT ? nPosition : Translate_Expanded_Position(nPosition);
}

int Get_Position_Unit(int nPosition) {
    for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++) {
        if (nPosition >= kUnitFirstPosition[nUnit] &&
            nPosition < kUnitFirstPosition[nUnit] + kUnitPositionCount[nUnit])
            return nUnit;
    }
    return -1;
}

static int Does_Position_Match(int nPosition, int nWanted) {
    if (nWanted == ANY_PLAYER)
        return nPosition >= 0;
    if (nWanted == POS_ALL_DEFENCE)
        return nPosition >= POS_DE && nPosition <= POS_S;
    if (nWanted == POS_ALL_LINEMEN)
        return nPosition >= POS_T && nPosition <= POS_C;
    return nPosition >= 0 && nPosition == nWanted;
}

static int Does_Player_Pass(int nTeam, int nSlot, const PLAYER_FILTER* pFilter) {
    int nPosition = Get_Roster_Position(nTeam, nSlot);
    if (!Does_Position_Match(nPosition, pFilter->nPosition))
        return 0;
    if (pFilter->nUnit != ANY_PLAYER && Get_Position_Unit(nPosition) != pFilter->nUnit)
        return 0;
    int nInjury = gTeams[nTeam].aPlayers[nSlot].anVitalStats[VITAL_INJURY_WEEKS];
    return nInjury <= 0 || nInjury < pFilter->nInjuryLimit;
}

// The roster's size: rosters are packed from slot 0.
static int Get_Roster_Size(int nTeam) {
    return Is_Roster_Team(nTeam) ? Find_Free_Player_Slot(nTeam) : 0;
}

static int Count_Filtered_Players(int nTeam, const PLAYER_FILTER* pFilter) {
    int nCount = 0;
    int nSize = Get_Roster_Size(nTeam);
    for (int nSlot = 0; nSlot < nSize; nSlot++)
        nCount += Does_Player_Pass(nTeam, nSlot, pFilter);
    return nCount;
}

// The slot of the n-th (from 0) player in slot order that passes; NO_SLOT_BYTE when fewer do.
static uint8_t Find_Nth_Filtered_Player(int nTeam, const PLAYER_FILTER* pFilter, int n) {
    int nSize = Get_Roster_Size(nTeam);
    for (int nSlot = 0; nSlot < nSize; nSlot++) {
        if (Does_Player_Pass(nTeam, nSlot, pFilter) && n-- == 0)
            return (uint8_t)nSlot;
    }
    return NO_SLOT_BYTE;
}

static PLAYER_FILTER Make_Position_Filter(int nPosition) {
    PLAYER_FILTER filter = {nPosition, ANY_PLAYER, NO_INJURY_LIMIT};
    return filter;
}

static PLAYER_FILTER Make_Unit_Filter(int nUnit) {
    PLAYER_FILTER filter = {ANY_PLAYER, nUnit, NO_INJURY_LIMIT};
    return filter;
}

// ---- by position --------------------------------------------------------------------------------

uint8_t Get_Team_Position_Player(int nTeam, int nPosition, int n) {
    PLAYER_FILTER filter = Make_Position_Filter(nPosition);
    return Find_Nth_Filtered_Player(nTeam, &filter, n);
}

uint8_t Get_N_Team_Position_Player(int nTeam, int nPosition, int n) {
    return Get_Team_Position_Player(nTeam, nPosition, n);
}

static PLAYER_FILTER Make_Uninjured_Position_Filter(int nPosition) {
    PLAYER_FILTER filter = {nPosition, ANY_PLAYER, 1};
    return filter;
}

uint8_t Get_Team_Uninjured_Position_Player(int nTeam, int nPosition, int n) {
    PLAYER_FILTER filter = Make_Uninjured_Position_Filter(nPosition);
    uint8_t nSlot = Find_Nth_Filtered_Player(nTeam, &filter, n);
    if (nSlot == NO_SLOT_BYTE) {
        char szTeam[TEAM_STRING_SIZE] = "";
        char szPosition[POSITION_NAME_SIZE] = "";
        if (Is_Roster_Team(nTeam))
            Get_Team_String(szTeam, sizeof(szTeam), nTeam, TEAM_ABBREVIATION);
        if (nPosition >= 0 && nPosition <= POS_ANY)
            Get_Position_Abbreviation(nPosition, szPosition, sizeof(szPosition));
        Log_Debug_Line(
            "Warning: nIndex too high in Get_Team_Uninjured_Position_Player(%s, %s, [%d]) [%d]",
            szTeam, szPosition, n, Get_Season_Year());
    }
    return nSlot;
}

int Count_Team_Position_Players(int nTeam, int nPosition) {
    PLAYER_FILTER filter = Make_Position_Filter(nPosition);
    return Count_Filtered_Players(nTeam, &filter);
}

// Out-of-action players still count when they will be back within the horizon: a week in the
// season, the rest of the year once the champion is decided, 19 weeks in the off-season.
int Get_Injury_Horizon(void) {
    if (gCurrentWeek == OFF_SEASON_WEEK)
        return OFF_SEASON_INJURY_HORIZON;
    if (Is_Season_Complete())
        return SEASON_END_INJURY_HORIZON - gCurrentWeek;
    return 1;
}

// The slots of the position's uninjured players in slot order, at most nMax of them; returns how
// many there are.
int List_Team_Uninjured_Position_Players(int nTeam, int nPosition, uint8_t* pSlots, int nMax) {
    PLAYER_FILTER filter = Make_Uninjured_Position_Filter(nPosition);
    int nSize = Get_Roster_Size(nTeam);
    int nCount = 0;
    for (int nSlot = 0; nSlot < nSize; nSlot++) {
        if (!Does_Player_Pass(nTeam, nSlot, &filter))
            continue;
        if (nCount < nMax)
            pSlots[nCount] = (uint8_t)nSlot;
        nCount++;
    }
    return nCount;
}

int Count_Team_Uninjured_Position_Players(int nTeam, int nPosition) {
    PLAYER_FILTER filter = Make_Uninjured_Position_Filter(nPosition);
    return Count_Filtered_Players(nTeam, &filter);
}

int Count_Team_Available_Position_Players(int nTeam, int nPosition) {
    PLAYER_FILTER filter = {nPosition, ANY_PLAYER, Get_Injury_Horizon()};
    return Count_Filtered_Players(nTeam, &filter);
}

// ---- by unit ------------------------------------------------------------------------------------

int Count_Team_Unit_Players(int nTeam, int nUnit) {
    PLAYER_FILTER filter = Make_Unit_Filter(nUnit);
    return Count_Filtered_Players(nTeam, &filter);
}

uint8_t Get_N_Team_Unit_Player(int nUnit, int nTeam, int n) {
    PLAYER_FILTER filter = Make_Unit_Filter(nUnit);
    return Find_Nth_Filtered_Player(nTeam, &filter, n);
}

uint8_t Find_Team_Unit_Player(int nTeam, int nUnit, int* pEmptySlot) {
    *pEmptySlot = -1;
    if (!Is_Roster_Team(nTeam) || !Is_Unit(nUnit))
        return NO_SLOT_BYTE;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        int nPosition = Get_Roster_Position(nTeam, nSlot);
        if (nPosition >= 0 && Get_Position_Unit(nPosition) == nUnit)
            return (uint8_t)nSlot;
        if (gTeams[nTeam].aPlayers[nSlot].anVitalStats[VITAL_PLAYER_ID] == 0 && *pEmptySlot < 0)
            *pEmptySlot = nSlot;
    }
    return NO_SLOT_BYTE;
}

int Draw_Unit_Position(int nUnit) {
    if (!Is_Unit(nUnit))
        return -1;
    return kUnitFirstPosition[nUnit] + Random_Below(kUnitPositionCount[nUnit]);
}

uint8_t Find_Team_Unit_Last_Player(int nTeam, int nUnit) {
    for (int nSlot = Get_Roster_Size(nTeam) - 1; nSlot >= 0; nSlot--) {
        if (Get_Position_Unit(Get_Roster_Position(nTeam, nSlot)) == nUnit)
            return (uint8_t)nSlot;
    }
    return NO_SLOT_BYTE;
}

int Get_Unit_Starter_Count(int nUnit) {
    return Is_Unit(nUnit) ? kUnitStarters[nUnit] : 0;
}

// ---- over the league ----------------------------------------------------------------------------

// ALL_ROSTERS as the team counts every active team; as the position, every player.
int Count_Players(int nTeam, int nPosition) {
    PLAYER_FILTER filter = Make_Position_Filter(nPosition == ALL_ROSTERS ? ANY_PLAYER : nPosition);
    if (nTeam != ALL_ROSTERS)
        return Count_Filtered_Players(nTeam, &filter);
    int nCount = 0;
    for (int nOther = 0; nOther < LEAGUE_TEAM_COUNT; nOther++) {
        if (Is_Team_Active(nOther))
            nCount += Count_Filtered_Players(nOther, &filter);
    }
    return nCount;
}

// The slot of the n-th passing player of the active teams, in team and then slot order; the
// message and slot 0 when there are fewer.
static uint8_t Find_Nth_League_Player(const PLAYER_FILTER* pFilter, int n, const char* szFunction) {
    int nRest = n;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT && nRest >= 0; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int nCount = Count_Filtered_Players(nTeam, pFilter);
        if (nRest < nCount)
            return Find_Nth_Filtered_Player(nTeam, pFilter, nRest);
        nRest -= nCount;
    }
    Report_Error("NO_PLAYER returned in %s(%d)", szFunction, n);
    return 0;
}

uint8_t Get_N_Position_Player(int nPosition, int n) {
    PLAYER_FILTER filter = Make_Position_Filter(nPosition);
    return Find_Nth_League_Player(&filter, n, "Get_N_Position_Player");
}

uint8_t Get_N_Universe_Player(int n) {
    PLAYER_FILTER filter = Make_Position_Filter(ANY_PLAYER);
    return Find_Nth_League_Player(&filter, n, "Get_N_Universe_Player");
}

int Count_League_Players_By_Initial(int ch) {
    int nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int nSize = Get_Roster_Size(nTeam);
        for (int nSlot = 0; nSlot < nSize; nSlot++)
            nCount += (uint8_t)gTeams[nTeam].aPlayers[nSlot].szLastName[0] == (uint8_t)ch;
    }
    return nCount;
}

int Has_Team_Expiring_Contract(int nTeam) {
    int nSize = Get_Roster_Size(nTeam);
    for (int nSlot = 0; nSlot < nSize; nSlot++) {
        if (gTeams[nTeam].aPlayers[nSlot].anVitalStats[VITAL_CONTRACT_YEARS_LEFT] == 1)
            return 1;
    }
    return 0;
}

// ---- draft picks --------------------------------------------------------------------------------

// Picks of the coming draft the team owns and has not used yet.
int Count_Team_Draft_Picks(int nTeam) {
    int nColumns = Min_Int(Count_Active_Teams(), DRAFT_COLUMNS);
    int bDraftOn = Is_College_Draft_On();
    int nCount = 0;
    for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++) {
        if (bDraftOn && nRound < gDraftRound)
            continue;
        for (int nColumn = 0; nColumn < nColumns; nColumn++)
            nCount += gDraftPickOwners[0][nRound][nColumn] == nTeam;
    }
    if (bDraftOn && gDraftRound >= 0 && gDraftRound < DRAFT_ROUNDS) {
        for (int nPlace = 0; nPlace < gDraftPick && nPlace < DRAFT_COLUMNS; nPlace++) {
            int nColumn = gDraftOrder[nPlace];
            if (nColumn < nColumns && gDraftPickOwners[0][gDraftRound][nColumn] == nTeam)
                nCount--;
        }
    }
    return nCount;
}

// The fewest players a roster may keep: fewer while the team still has picks to make.
int Get_Team_Roster_Floor(int nTeam) {
    if (!Is_College_Draft_On())
        return ROSTER_FLOOR;
    return ROSTER_FLOOR - Count_Team_Draft_Picks(nTeam);
}
