// Player statistics: the four stored season kinds of the record and the linked career lines,
// their accessors, the one read path for stored and derived statistics and the cache of
// predicted derived values used during a week's games.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "database/player_stats_internal.h"

#define PREDICTED_LONGEST_FIELD_GOAL_LIMIT 67
#define LAST_CACHED_STAT 146  // ids 147..154 are looked up but never stored
// Derived ids served elsewhere: grades, summaries and card-game values.
#define FIRST_GRIDIRON_SKILL_STAT 400
#define LAST_GRIDIRON_SKILL_STAT 410
#define GRIDIRON_SALARY_STAT 411
#define GRIDIRON_VALUE_STAT 412
#define EARLY_SEASON_PROGRESS 120  // per mille: before this the previous season's games count

int gDerivedStatCache[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM][DERIVED_STAT_CACHE_SIZE];
int gDerivedStatCache2[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM][DERIVED_STAT_CACHE2_SIZE];
int gDerivedStatCacheOn;

static int Is_Record_Kind(int nSeason) {
    return nSeason >= SEASON_CURRENT && nSeason < SEASON_FIRST_LINE;
}

static int Is_Line_Kind(int nSeason) {
    return nSeason >= SEASON_FIRST_LINE && nSeason < SEASON_KIND_COUNT;
}

static int Get_Linked_Line(int nTeam, int nSlot, int nSeason) {
    return Get_Player_Season_Line(nTeam, nSlot, nSeason - SEASON_FIRST_LINE);
}

// ---- stored statistics -------------------------------------------------------------------------

// A kicker's or punter's career longest is the longest of his stored career value, last season
// and every career line; it is written back.
static int Get_Career_Longest(int nTeam, int nSlot, int nStat) {
    int32_t* pStats = gTeams[nTeam].aPlayers[nSlot].aanSeasonStats[SEASON_CAREER];
    int nLongest = Max_Int(pStats[nStat], 0);
    nLongest = Max_Int(nLongest, Get_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat));
    for (int nLink = 0; nLink < SEASON_LINK_COUNT; nLink++) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, nLink);
        if (nLine >= 0)
            nLongest = Max_Int(nLongest, Get_Season_Line_Stat(nLine, nStat));
    }
    pStats[nStat] = nLongest;
    return nLongest;
}

// Stored statistic 0..19 of a used slot and a kind 0..33.
static int Get_Stored_Stat(int nTeam, int nSlot, int nSeason, int nStat) {
    if (Is_Line_Kind(nSeason)) {
        int nLine = Get_Linked_Line(nTeam, nSlot, nSeason);
        return nLine < 0 ? 0 : Get_Season_Line_Stat(nLine, nStat);
    }
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nSeason == SEASON_CAREER && Get_Position_Side(nPosition) == SIDE_KICKING &&
        (nStat == KICK_LONGEST_PUNT || nStat == KICK_LONGEST_FIELD_GOAL))
        return Get_Career_Longest(nTeam, nSlot, nStat);
    int nValue = gTeams[nTeam].aPlayers[nSlot].aanSeasonStats[nSeason][nStat];
    if (nSeason == SEASON_PREDICTED && nStat == KICK_LONGEST_FIELD_GOAL &&
        Get_Position_Group(nPosition) == GROUP_KICKERS)
        nValue = Min_Int(nValue, PREDICTED_LONGEST_FIELD_GOAL_LIMIT);
    return nValue;
}

// Reports a bad index with the setter's message; 1 when the indexes are good.
static int Check_Stat_Indexes(int nTeam, int nSlot, int nSeason, int nStat, int nValue) {
    const char* szWhat = NULL;
    if (nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        szWhat = "nSlot";
    else if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        szWhat = "nTeam";
    else if (nStat < 0 || nStat >= SEASON_STAT_STORED)
        szWhat = "nStat";
    if (szWhat == NULL)
        return 1;
    Report_Error(
        "Invalid %s in Set_Player_Stat(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, "
        "nValue = %d)",
        szWhat, nTeam, nSlot, nSeason, nStat, nValue);
    return 0;
}

// A kind outside 0..33 is ignored: it would write past the record.
void Set_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat, int nValue) {
    if (!Check_Stat_Indexes(nTeam, nSlot, nSeason, nStat, nValue))
        return;
    if (Is_Record_Kind(nSeason)) {
        gTeams[nTeam].aPlayers[nSlot].aanSeasonStats[nSeason][nStat] = nValue;
    } else if (Is_Line_Kind(nSeason)) {
        int nLine = Get_Linked_Line(nTeam, nSlot, nSeason);
        if (nLine >= 0)
            Set_Season_Line_Stat(nLine, nStat, nValue);
    }
}

// The 20 stored numbers of a record kind as they are, without the repairs of a read; zeros for
// an index out of range.
void Get_Player_Season_Block(int nTeam, int nSlot, int nSeason, int* anStats) {
    int bValid = Is_Valid_Player_Index(nTeam, nSlot) && Is_Record_Kind(nSeason);
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
        anStats[nStat] = bValid ? gTeams[nTeam].aPlayers[nSlot].aanSeasonStats[nSeason][nStat] : 0;
}

void Add_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat, int nValue) {
    if (Is_Record_Kind(nSeason)) {
        int nOld = 0;
        if (Is_Valid_Player_Index(nTeam, nSlot) && nStat >= 0 && nStat < SEASON_STAT_STORED)
            nOld = gTeams[nTeam].aPlayers[nSlot].aanSeasonStats[nSeason][nStat];
        Set_Player_Stat(nTeam, nSlot, nSeason, nStat, nOld + nValue);
    } else if (Is_Line_Kind(nSeason) && Is_Valid_Player_Index(nTeam, nSlot)) {
        int nLine = Get_Linked_Line(nTeam, nSlot, nSeason);
        if (nLine >= 0)
            Add_Season_Line_Stat(nStat, nLine, nValue);
    }
}

void Clear_Player_Season_Stats(int nTeam, int nSlot, int nSeason) {
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
        Set_Player_Stat(nTeam, nSlot, nSeason, nStat, 0);
}

// The predicted season is kept.
void Clear_Player_Stat_History(int nTeam, int nSlot) {
    Clear_Player_Season_Stats(nTeam, nSlot, SEASON_CURRENT);
    Clear_Player_Season_Stats(nTeam, nSlot, SEASON_PREVIOUS);
    Clear_Player_Season_Stats(nTeam, nSlot, SEASON_CAREER);
    Erase_Player_Season_Lines(nTeam, nSlot);
}

void Clear_All_Current_Season_Stats(void) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
            Clear_Player_Season_Stats(nTeam, nSlot, SEASON_CURRENT);
    }
}

void Copy_Player_Season_Stats(int nFromTeam, int nFromSlot, int nToTeam, int nToSlot, int nSeason) {
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
        Set_Player_Stat(nToTeam, nToSlot, nSeason, nStat,
                        Get_Player_Stat(nFromTeam, nFromSlot, nSeason, nStat));
}

void Copy_Player_Season_Kind(int nTeam, int nSlot, int nFromSeason, int nToSeason) {
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++)
        Set_Player_Stat(nTeam, nSlot, nToSeason, nStat,
                        Get_Player_Stat(nTeam, nSlot, nFromSeason, nStat));
}

int Has_Any_Season_Stat(int nTeam, int nSlot, int nSeason) {
    for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++) {
        if (Get_Player_Stat(nTeam, nSlot, nSeason, nStat) != 0)
            return 1;
    }
    return 0;
}

int Get_Predicted_Stat(int nTeam, int nSlot, int nStat) {
    return Get_Player_Stat(nTeam, nSlot, SEASON_PREDICTED, nStat);
}

// 1 + the number of players on the teams in use with a higher value.
int Rank_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat) {
    int nValue = Get_Player_Stat(nTeam, nSlot, nSeason, nStat);
    int nRank = 1;
    for (int nOtherTeam = 0; nOtherTeam < TOTAL_NUMBER_OF_TEAMS; nOtherTeam++) {
        int nCount = Find_Free_Player_Slot(nOtherTeam);
        for (int nOtherSlot = 0; nOtherSlot < nCount; nOtherSlot++) {
            if (Get_Player_Stat(nOtherTeam, nOtherSlot, nSeason, nStat) > nValue)
                nRank++;
        }
    }
    return nRank;
}

// Games in per mille of a 17-game season; early in a season last season's games count.
int Scale_Games_To_17(int nTeam, int nSlot) {
    int nSeason = Get_Season_Progress() < EARLY_SEASON_PROGRESS ? SEASON_PREVIOUS : SEASON_CURRENT;
    return Mul_Div(Get_Player_Stat(nTeam, nSlot, nSeason, STAT_GAMES), 1000, 17);
}

int Clamp_Tenths_To_99(int nValue) {
    return Clamp(nValue / 10, 0, 99);
}

int Blend_Root_Score(int a, int b) {
    int r = Signed_Root(Mul_Div(b, 10000, 400));
    return Min_Int(Mul_Div(a, r + 100, 200), r / 2 + 50);
}

// ---- the derived-statistic caches --------------------------------------------------------------

// The players whose cache rows were written since the caches were last emptied: emptying clears
// only their rows.
static int s_anWrittenRows[TOTAL_NUMBER_OF_TEAMS * PLAYERS_PER_TEAM];
static int s_nWrittenRows;
static uint8_t s_abRowWritten[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];

static void Note_Written_Row(int nTeam, int nSlot) {
    if (s_abRowWritten[nTeam][nSlot])
        return;
    s_abRowWritten[nTeam][nSlot] = 1;
    s_anWrittenRows[s_nWrittenRows++] = nTeam * PLAYERS_PER_TEAM + nSlot;
}

void Enable_Derived_Stat_Cache(void) {
    for (int n = 0; n < s_nWrittenRows; n++) {
        int nTeam = s_anWrittenRows[n] / PLAYERS_PER_TEAM;
        int nSlot = s_anWrittenRows[n] % PLAYERS_PER_TEAM;
        memset(gDerivedStatCache[nTeam][nSlot], 0, sizeof(gDerivedStatCache[nTeam][nSlot]));
        memset(gDerivedStatCache2[nTeam][nSlot], 0, sizeof(gDerivedStatCache2[nTeam][nSlot]));
        s_abRowWritten[nTeam][nSlot] = 0;
    }
    s_nWrittenRows = 0;
    gDerivedStatCacheOn = 1;
}

void Disable_Derived_Stat_Cache(void) {
    gDerivedStatCacheOn = 0;
}

int Is_Derived_Stat_Cache_Enabled(void) {
    return gDerivedStatCacheOn;
}

// The cache entry of a predicted derived statistic while caching is on; NULL otherwise.
static int* Find_Cache_Entry(int nTeam, int nSlot, int nSeason, int nStat) {
    if (!gDerivedStatCacheOn || nSeason != SEASON_PREDICTED)
        return NULL;
    if (nStat >= FIRST_DERIVED_STAT && nStat < FIRST_DERIVED_STAT + DERIVED_STAT_CACHE_SIZE)
        return &gDerivedStatCache[nTeam][nSlot][nStat - FIRST_DERIVED_STAT];
    if (nStat >= FIRST_GRADE_STAT && nStat < FIRST_GRADE_STAT + DERIVED_STAT_CACHE2_SIZE)
        return &gDerivedStatCache2[nTeam][nSlot][nStat - FIRST_GRADE_STAT];
    return NULL;
}

static int Is_Grade_Stat(int nStat) {
    return (nStat >= FIRST_GRADE_STAT && nStat <= LAST_GRADE_STAT) ||
           (nStat >= FIRST_SUMMARY_STAT && nStat <= LAST_SUMMARY_STAT) ||
           (nStat >= FIRST_CARD_GRADE_STAT && nStat <= LAST_CARD_GRADE_STAT);
}

int Report_Unknown_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat) {
    Report_Error("Unrecognized SEASON_STAT in Get_Player_Stat(%d,%d,%d,%d)", nTeam, nSlot, nSeason,
                 nStat);
    return 0;
}

static int Compute_Derived_Stat(int nTeam, int nSlot, int nSeason, int nStat, int* pCacheable) {
    *pCacheable = 1;
    if (nStat >= FIRST_DERIVED_STAT && nStat < FIRST_GRADE_STAT)
        return Get_Ratio_Player_Stat(nTeam, nSlot, nSeason, nStat);
    if (Is_Grade_Stat(nStat))
        return Get_Player_Grade_Stat(nTeam, nSlot, nSeason, nStat, pCacheable);
    if (nStat >= FIRST_GRIDIRON_SKILL_STAT && nStat <= LAST_GRIDIRON_SKILL_STAT)
        return Get_Gridiron_Skill(nTeam, nSlot, nStat);
    if (nStat == GRIDIRON_SALARY_STAT)
        return Get_Gridiron_Salary(nTeam, nSlot);
    if (nStat == GRIDIRON_VALUE_STAT)
        return Get_Gridiron_Value(nTeam, nSlot);
    return Report_Unknown_Player_Stat(nTeam, nSlot, nSeason, nStat);
}

// ---- the one read path -------------------------------------------------------------------------

// A kind outside 0..33 reads 0: it would read past the record.
int Get_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat) {
    if (!Is_Player_Slot_Used(nTeam, nSlot) || nSeason < 0 || nSeason >= SEASON_KIND_COUNT)
        return 0;
    if (nStat >= 0 && nStat < SEASON_STAT_STORED)
        return Get_Stored_Stat(nTeam, nSlot, nSeason, nStat);

    int* pCached = Find_Cache_Entry(nTeam, nSlot, nSeason, nStat);
    if (pCached != NULL && *pCached != 0)
        return *pCached;
    int bCacheable = 1;
    int nValue = Compute_Derived_Stat(nTeam, nSlot, nSeason, nStat, &bCacheable);
    if (pCached != NULL && bCacheable && (nStat <= LAST_CACHED_STAT || nStat >= FIRST_GRADE_STAT)) {
        *pCached = nValue;
        Note_Written_Row(nTeam, nSlot);
    }
    return nValue;
}
