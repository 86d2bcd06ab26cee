// Career season lines: one line of 20 statistics per season and team, kept in a shared pool.
// Each player links up to 30 lines, packed at the front, and caches the line of the current
// season so that the statistics of a game do not scan the pool.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "database/player_internal.h"

// Attempts and makes alternate over four distance bands.
#define FIRST_FIELD_GOALS_TRIED KICK_FG_ATTEMPTS_UNDER_30
#define FIRST_FIELD_GOALS_MADE KICK_FG_MADE_UNDER_30
#define FIELD_GOAL_BANDS 4
#define ERASE_ALL_ROUNDS (SEASON_LINK_COUNT + 1)

static uint8_t gLineMarks[SEASON_LINE_COUNT];

static int Is_Line_Index(int nLine) {
    return nLine >= 0 && nLine < SEASON_LINE_COUNT;
}

static SEASON_LINE* Get_Line(int nLine) {
    return Is_Line_Index(nLine) ? &gSeasonLines[nLine] : NULL;
}

// ---- line fields -------------------------------------------------------------------------------

static int Sum_Field_Goal_Bands(int nLine, int nFirstStat) {
    int nSum = 0;
    for (int nBand = 0; nBand < FIELD_GOAL_BANDS; nBand++)
        nSum += gSeasonLines[nLine].anStats[nFirstStat + 2 * nBand];
    return nSum;
}

int Get_Season_Line_Stat(int nLine, int iStat) {
    int bFieldGoals =
        iStat == SEASON_LINE_FIELD_GOALS_MADE || iStat == SEASON_LINE_FIELD_GOALS_TRIED;
    if (!bFieldGoals && (iStat < 0 || iStat >= SEASON_STAT_STORED)) {
        Report_Error("Unhandled 'iStat' in Get_Season_Line_Stat(nLine = %d, [iStat = %d])", nLine,
                     iStat);
        return 0;
    }
    if (nLine == NO_SEASON_LINE)
        return 0;
    if (!Is_Line_Index(nLine)) {
        Report_Error("'nLine' out of bounds in Get_Season_Line_Stat([nLine = %d], iStat = %d)",
                     nLine, iStat);
        return 0;
    }
    if (iStat == SEASON_LINE_FIELD_GOALS_MADE)
        return Sum_Field_Goal_Bands(nLine, FIRST_FIELD_GOALS_MADE);
    if (iStat == SEASON_LINE_FIELD_GOALS_TRIED)
        return Sum_Field_Goal_Bands(nLine, FIRST_FIELD_GOALS_TRIED);
    return gSeasonLines[nLine].anStats[iStat];
}

void Set_Season_Line_Stat(int nLine, int nStat, int nValue) {
    if (Is_Line_Index(nLine) && nStat >= 0 && nStat < SEASON_STAT_STORED)
        gSeasonLines[nLine].anStats[nStat] = nValue;
}

void Add_Season_Line_Stat(int nStat, int nLine, int nValue) {
    if (Is_Line_Index(nLine) && nStat >= 0 && nStat < SEASON_STAT_STORED)
        gSeasonLines[nLine].anStats[nStat] += nValue;
}

int Get_Season_Line_Year(int nLine) {
    const SEASON_LINE* pLine = Get_Line(nLine);
    return pLine ? pLine->nYear : 0;
}

int Get_Season_Line_Team(int nLine) {
    const SEASON_LINE* pLine = Get_Line(nLine);
    return pLine ? pLine->nTeam : 0;
}

int Get_Season_Line_Flag(int nLine) {
    const SEASON_LINE* pLine = Get_Line(nLine);
    return pLine ? pLine->nFlag : 0;
}

void Set_Season_Line_Year(int nLine, int nValue) {
    SEASON_LINE* pLine = Get_Line(nLine);
    if (pLine)
        pLine->nYear = nValue;
}

void Set_Season_Line_Team(int nLine, int nValue) {
    SEASON_LINE* pLine = Get_Line(nLine);
    if (pLine)
        pLine->nTeam = (int8_t)nValue;
}

void Set_Season_Line_Flag(int nLine, int nValue) {
    SEASON_LINE* pLine = Get_Line(nLine);
    if (pLine)
        pLine->nFlag = nValue;
}

int Is_Season_Line_Blank(int nLine) {
    int bBlank = 1;
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++) {
        if (Get_Season_Line_Stat(nLine, nStat) != 0)
            bBlank = 0;
    }
    return bBlank;
}

int Erase_Season_Line(int nLine) {
    SEASON_LINE* pLine = Get_Line(nLine);
    if (!pLine)
        return 0;
    memset(pLine, 0, sizeof(SEASON_LINE));
    return 1;
}

void Clear_All_Season_Lines(void) {
    memset(gSeasonLines, 0, sizeof(gSeasonLines));
}

int Find_Free_Season_Line(void) {
    for (int nLine = 0; nLine < SEASON_LINE_COUNT; nLine++) {
        if (gSeasonLines[nLine].nYear == 0)
            return nLine;
    }
    return NO_SEASON_LINE;
}

int Is_Season_Line_Linked(int nLine) {
    if (!Is_Line_Index(nLine))
        return 0;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            for (int n = 0; n < SEASON_LINK_COUNT; n++) {
                if (Get_Player_Season_Line(nTeam, nSlot, n) == nLine)
                    return 1;
            }
        }
    }
    return 0;
}

// ---- a player's links --------------------------------------------------------------------------

// An empty slot links no line: the zeros of a cleared block must not read as line 0.
int Get_Player_Season_Line(int nTeam, int nSlot, int n) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer || pPlayer->anVitalStats[VITAL_PLAYER_ID] == 0 || n < 0 || n >= SEASON_LINK_COUNT)
        return NO_SEASON_LINE;
    int nLine = pPlayer->anSeasonLinks[n];
    return Is_Line_Index(nLine) ? nLine : NO_SEASON_LINE;
}

void Set_Player_Season_Link(int nTeam, int nSlot, int n, int nLine) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer && n >= 0 && n < SEASON_LINK_COUNT)
        pPlayer->anSeasonLinks[n] = nLine;
}

int Count_Player_Season_Links(int nTeam, int nSlot) {
    int n = 0;
    while (n < SEASON_LINK_COUNT && Get_Player_Season_Line(nTeam, nSlot, n) != NO_SEASON_LINE)
        n++;
    return n;
}

int Find_Free_Season_Link(int nTeam, int nSlot) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    for (int n = 0; pPlayer && n < SEASON_LINK_COUNT; n++) {
        if (pPlayer->anSeasonLinks[n] == NO_SEASON_LINE)
            return n;
    }
    return -1;
}

// The linked line with the latest year; among equal years the first link wins.
int Get_Latest_Season_Line(int nTeam, int nSlot) {
    int nLatest = NO_SEASON_LINE;
    for (int n = 0; n < SEASON_LINK_COUNT; n++) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        if (nLine != NO_SEASON_LINE &&
            (nLatest == NO_SEASON_LINE || gSeasonLines[nLine].nYear > gSeasonLines[nLatest].nYear))
            nLatest = nLine;
    }
    return nLatest;
}

void Recompute_Current_Season_Line(int nTeam, int nSlot) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer)
        pPlayer->nCurrentSeasonLine = Get_Latest_Season_Line(nTeam, nSlot);
}

// Later links move down one place; the cache follows the latest line left.
void Remove_Player_Season_Link(int nTeam, int nSlot, int n) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer || n < 0 || n >= SEASON_LINK_COUNT)
        return;
    int32_t* pLinks = pPlayer->anSeasonLinks;
    memmove(pLinks + n, pLinks + n + 1, (SEASON_LINK_COUNT - 1 - n) * sizeof(pLinks[0]));
    pLinks[SEASON_LINK_COUNT - 1] = NO_SEASON_LINE;
    Recompute_Current_Season_Line(nTeam, nSlot);
}

int Erase_Player_Season_Line(int nTeam, int nSlot, int n) {
    int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
    if (nLine == NO_SEASON_LINE)
        return 0;
    Erase_Season_Line(nLine);
    Remove_Player_Season_Link(nTeam, nSlot, n);
    return 1;
}

void Erase_Player_Season_Lines(int nTeam, int nSlot) {
    for (int nRound = 0; nRound < ERASE_ALL_ROUNDS; nRound++) {
        if (!Erase_Player_Season_Line(nTeam, nSlot, 0))
            break;
    }
}

void Clear_Player_Season_Links(int nTeam, int nSlot) {
    PLAYER* pPlayer = Get_Used_Player_Record(nTeam, nSlot);
    for (int n = 0; pPlayer && n < SEASON_LINK_COUNT; n++)
        pPlayer->anSeasonLinks[n] = NO_SEASON_LINE;
}

void Clear_Team_Season_Links(int nTeam) {
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        Clear_Player_Season_Links(nTeam, nSlot);
}

void Prune_Empty_Season_Links(int nTeam, int nSlot) {
    int n = 0;
    while (n < SEASON_LINK_COUNT) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        if (nLine != NO_SEASON_LINE && gSeasonLines[nLine].nYear == 0)
            Erase_Player_Season_Line(nTeam, nSlot, n);
        else
            n++;
    }
}

int Has_Season_Line_Year(int nTeam, int nSlot, int nYear) {
    int nLinks = Count_Player_Season_Links(nTeam, nSlot);
    for (int n = 0; n < nLinks; n++) {
        if (Get_Season_Line_Year(Get_Player_Season_Line(nTeam, nSlot, n)) == nYear)
            return 1;
    }
    return 0;
}

// The team of his line of that year with the most games; NO_TEAM when none has games.
int Get_Player_Main_Team_In_Year(int nTeam, int nSlot, int nYear) {
    int nMostGames = 0;
    int nMainTeam = NO_TEAM;
    for (int n = 0; n < SEASON_LINK_COUNT; n++) {
        const SEASON_LINE* pLine = Get_Line(Get_Player_Season_Line(nTeam, nSlot, n));
        if (pLine && pLine->nYear == nYear && pLine->anStats[STAT_GAMES] > nMostGames) {
            nMostGames = pLine->anStats[STAT_GAMES];
            nMainTeam = pLine->nTeam;
        }
    }
    return nMainTeam;
}

// Distinct years among his league seasons that hold any statistic; a season split between
// two teams counts once.
int Count_NFL_Seasons(int nTeam, int nSlot) {
    int anYears[SEASON_LINK_COUNT];
    int nYears = 0;
    int nLinks = Count_Player_Season_Links(nTeam, nSlot);
    for (int n = 0; n < nLinks; n++) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        int nYear = gSeasonLines[nLine].nYear;
        if (nYear == 0 || gSeasonLines[nLine].nFlag < 0 || Is_Season_Line_Blank(nLine))
            continue;
        int bSeen = 0;
        for (int i = 0; i < nYears; i++)
            bSeen |= anYears[i] == nYear;
        if (!bSeen)
            anYears[nYears++] = nYear;
    }
    return nYears;
}

// Valid links in ascending year order; invalid links stay where they are.
void Sort_Player_Season_Links(int nTeam, int nSlot) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer)
        return;
    int32_t* pLinks = pPlayer->anSeasonLinks;
    for (int nPass = 0; nPass < SEASON_LINK_COUNT - 1; nPass++) {
        for (int i = 0; i < SEASON_LINK_COUNT - 1; i++) {
            if (Is_Line_Index(pLinks[i]) && Is_Line_Index(pLinks[i + 1]) &&
                gSeasonLines[pLinks[i + 1]].nYear < gSeasonLines[pLinks[i]].nYear) {
                int32_t nLink = pLinks[i];
                pLinks[i] = pLinks[i + 1];
                pLinks[i + 1] = nLink;
            }
        }
    }
}

void Sort_All_Player_Season_Links(void) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Sort_Player_Season_Links(nTeam, nSlot);
        }
    }
}

// ---- the current season ------------------------------------------------------------------------

// The line of a season and team: the cached one when it matches, else a free line of the pool
// stamped with the year and team and linked to the player (a player whose 30 links are full gets
// a stamped line that the next purge frees). -1 when the team is not in use or the pool is full.
int Add_Player_Season_Line(int nTeam, int nSlot, int nYear, int nLineTeam) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer || !Is_Valid_Team(nLineTeam))
        return NO_SEASON_LINE;
    int nCached = pPlayer->nCurrentSeasonLine;
    if (!Is_Line_Index(nCached))
        nCached = NO_SEASON_LINE;
    if (nCached == NO_SEASON_LINE)
        Recompute_Current_Season_Line(nTeam, nSlot);
    if (Get_Season_Line_Year(nCached) == nYear && Get_Season_Line_Team(nCached) == nLineTeam)
        return nCached;
    int nLine = Find_Free_Season_Line();
    if (nLine == NO_SEASON_LINE || gSeasonLines[nLine].nYear == nYear)
        return nLine;
    gSeasonLines[nLine].nYear = nYear;
    gSeasonLines[nLine].nTeam = (int8_t)nLineTeam;
    int nLink = Find_Free_Season_Link(nTeam, nSlot);
    if (nLink >= 0)
        pPlayer->anSeasonLinks[nLink] = nLine;
    return nLine;
}

// The player's line of this season with his own team; free agents have none.
static int Add_Own_Season_Line(int nTeam, int nSlot, int bCache) {
    if (nTeam == FREE_AGENT_TEAM)
        return NO_SEASON_LINE;
    int nLine = Add_Player_Season_Line(nTeam, nSlot, Get_Season_Year(), nTeam);
    if (bCache && nLine != NO_SEASON_LINE)
        Set_Player_Season_Line_Cache(nTeam, nSlot, nLine);
    return nLine;
}

int Get_Current_Season_Line(int nTeam, int nSlot) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (!pPlayer)
        return NO_SEASON_LINE;
    const SEASON_LINE* pCached = Get_Line(pPlayer->nCurrentSeasonLine);
    if (pCached && pCached->nYear == Get_Season_Year() && pCached->nTeam == nTeam)
        return pPlayer->nCurrentSeasonLine;
    return Add_Own_Season_Line(nTeam, nSlot, 1);
}

int Add_Current_Season_Line(int nTeam, int nSlot, int bCache) {
    return Add_Own_Season_Line(nTeam, nSlot, bCache);
}

static int Is_Stored_Stat(int nStat) {
    return nStat >= 0 && nStat < SEASON_STAT_STORED;
}

int Get_Current_Season_Line_Stat(int nTeam, int nSlot, int nStat) {
    if (!Is_Stored_Stat(nStat))
        return 0;
    int nLine = Get_Current_Season_Line(nTeam, nSlot);
    return nLine == NO_SEASON_LINE ? 0 : gSeasonLines[nLine].anStats[nStat];
}

void Set_Current_Season_Line_Stat(int nTeam, int nSlot, int nStat, int nValue) {
    if (!Is_Stored_Stat(nStat))
        return;
    int nLine = Get_Current_Season_Line(nTeam, nSlot);
    if (nLine == NO_SEASON_LINE)
        nLine = Add_Own_Season_Line(nTeam, nSlot, 1);
    Set_Season_Line_Stat(nLine, nStat, nValue);
}

void Add_Current_Season_Line_Stat(int nTeam, int nSlot, int nStat, int nValue) {
    if (!Is_Stored_Stat(nStat) || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    Add_Season_Line_Stat(nStat, Get_Current_Season_Line(nTeam, nSlot), nValue);
}

int Get_Player_Season_Line_Cache(int nTeam, int nSlot) {
    const PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    return pPlayer ? pPlayer->nCurrentSeasonLine : NO_SEASON_LINE;
}

void Set_Player_Season_Line_Cache(int nTeam, int nSlot, int nLine) {
    PLAYER* pPlayer = Get_Player_Record(nTeam, nSlot);
    if (pPlayer)
        pPlayer->nCurrentSeasonLine = nLine;
}

void Reset_Current_Season_Line_Cache(void) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            PLAYER* pPlayer = Get_Used_Player_Record(nTeam, nSlot);
            if (pPlayer)
                pPlayer->nCurrentSeasonLine = NO_SEASON_LINE;
        }
    }
}

// ---- purge -------------------------------------------------------------------------------------

// Marks the lines the player links; links to free lines are dropped.
static void Mark_Player_Season_Lines(int nTeam, int nSlot) {
    int n = 0;
    while (n < SEASON_LINK_COUNT) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        if (nLine != NO_SEASON_LINE && gSeasonLines[nLine].nYear == 0) {
            Erase_Player_Season_Line(nTeam, nSlot, n);
            continue;
        }
        if (nLine != NO_SEASON_LINE)
            gLineMarks[nLine] = 1;
        n++;
    }
}

static int Is_Line_Zero(const SEASON_LINE* pLine) {
    static const SEASON_LINE kZeroLine = {};
    return memcmp(pLine, &kZeroLine, sizeof(SEASON_LINE)) == 0;
}

// Frees every line no player of a team in use links.
void Purge_Unreferenced_Season_Lines(void) {
    memset(gLineMarks, 0, sizeof(gLineMarks));
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Mark_Player_Season_Lines(nTeam, nSlot);
        }
    }
    int nErased = 0;
    for (int nLine = 0; nLine < SEASON_LINE_COUNT; nLine++) {
        if (gLineMarks[nLine] || Is_Line_Zero(&gSeasonLines[nLine]))
            continue;
        Erase_Season_Line(nLine);
        nErased++;
    }
    if (nErased != 0)
        Log_Debug_Line("Erased %d non-empty season lines.", nErased);
}
