// A team's totals block: 20 stored statistics per category and season kind, the ratios and sums
// derived from them, league sums, ranks and the clearing and copying done between seasons.
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "database/records_internal.h"

#define LAST_PAIRED_CATEGORY 4  // categories 0..4 are paired with category + 3
#define PAIRED_CATEGORY_OFFSET 3
#define PASSING_CATEGORY 3
#define PERCENT_LIMIT 1000
#define LEAGUE_SOURCE (-1)

// Where derived totals read their stored values: one team (with its paired categories) or the
// sum over the active teams.
typedef struct TOTALS_SOURCE {
    int nTeam;  // LEAGUE_SOURCE for the league
    int nSeason;
} TOTALS_SOURCE;

static int Is_Totals_Index(int nCategory, int nSeason, int nStat) {
    return nCategory >= 0 && nCategory < TEAM_TOTALS_CATEGORIES && nSeason >= 0 &&
           nSeason < TEAM_TOTALS_KINDS && nStat >= 0 && nStat < TEAM_TOTALS_STATS;
}

static int Is_Totals_Team(int nTeam) {
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS;
}

void Set_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat, int nValue) {
    if (nTeam == NO_TEAM)
        return;
    if (!Is_Totals_Team(nTeam)) {
        Report_Error("nTeam out of bounds in Set_Team_Totals_Stat([%d],%d,%d,%d,%d)", nTeam,
                     nCategory, nSeason, nStat, nValue);
    } else if (nCategory < 0 || nCategory >= TEAM_TOTALS_CATEGORIES) {
        Report_Error("nCategory out of bounds in Set_Team_Totals_Stat(%d,[%d],%d,%d,%d)", nTeam,
                     nCategory, nSeason, nStat, nValue);
    } else if (nSeason < 0 || nSeason >= TEAM_TOTALS_KINDS) {
        Report_Error("nSeason out of bounds in Set_Team_Totals_Stat(%d,%d,[%d],%d,%d)", nTeam,
                     nCategory, nSeason, nStat, nValue);
    } else if (nStat < 0 || nStat >= TEAM_TOTALS_STATS) {
        Report_Error("nStat out of bounds in Set_Team_Totals_Stat(%d,%d,%d,[%d],%d)", nTeam,
                     nCategory, nSeason, nStat, nValue);
    } else {
        gTeams[nTeam].aaanTotals[nCategory][nSeason][nStat] = nValue;
    }
}

static int Read_Stored_Total(const TOTALS_SOURCE* pSource, int nCategory, int nStat) {
    if (!Is_Totals_Index(nCategory, pSource->nSeason, nStat))
        return 0;
    if (pSource->nTeam != LEAGUE_SOURCE)
        return gTeams[pSource->nTeam].aaanTotals[nCategory][pSource->nSeason][nStat];
    int64_t nSum = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            nSum += gTeams[nTeam].aaanTotals[nCategory][pSource->nSeason][nStat];
    }
    return Saturate_To_Int(nSum);
}

// A team's stat with its paired category added; the league's has no pairing.
static int Read_Paired_Total(const TOTALS_SOURCE* pSource, int nCategory, int nStat) {
    int64_t nValue = Read_Stored_Total(pSource, nCategory, nStat);
    if (pSource->nTeam != LEAGUE_SOURCE && nCategory <= LAST_PAIRED_CATEGORY)
        nValue += Read_Stored_Total(pSource, nCategory + PAIRED_CATEGORY_OFFSET, nStat);
    return Saturate_To_Int(nValue);
}

static int Get_Source_Games(const TOTALS_SOURCE* pSource) {
    if (pSource->nTeam == LEAGUE_SOURCE)
        return Count_League_Games_Played();
    return Get_Team_Games_Played(pSource->nTeam);
}

// Stored stats 0..19 as stored; the derived ids from 100 combine stored stats of category c (and
// of its pair), the ratios rounded as the winning percentage is.
static int Get_Totals_Value(const TOTALS_SOURCE* pSource, int c, int nStat) {
    if (nStat >= 0 && nStat < TEAM_TOTALS_STATS)
        return Read_Stored_Total(pSource, c, nStat);
    const TOTALS_SOURCE* p = pSource;
    switch (nStat) {
    case STAT_COMPLETION_RATE:
        return Round_Ratio(Read_Stored_Total(p, c, OFF_COMPLETIONS),
                           Read_Stored_Total(p, c, OFF_PASS_ATTEMPTS), 1000);
    case STAT_YARDS_PER_ATTEMPT:
        return Round_Ratio(Read_Stored_Total(p, PASSING_CATEGORY, OFF_PASSING_YARDS),
                           Read_Stored_Total(p, PASSING_CATEGORY, OFF_PASS_ATTEMPTS), 10);
    case STAT_YARDS_PER_RUSH:
        return Round_Ratio(Read_Paired_Total(p, c, OFF_RUSHING_YARDS),
                           Read_Paired_Total(p, c, OFF_RUSHES), 100);
    case STAT_YARDS_PER_RECEPTION:
        return Round_Ratio(Read_Stored_Total(p, c, OFF_RECEIVING_YARDS),
                           Read_Stored_Total(p, c, OFF_RECEPTIONS), 10);
    case STAT_SCRIMMAGE_YARDS:
        return Read_Paired_Total(p, c, OFF_RUSHING_YARDS) +
               Read_Stored_Total(p, c, OFF_RECEIVING_YARDS);
    case STAT_SCRIMMAGE_TOUCHDOWNS:
        return Read_Stored_Total(p, c, OFF_RECEIVING_TOUCHDOWNS) +
               Read_Paired_Total(p, c, OFF_RUSHING_TOUCHDOWNS);
    case STAT_SCRIMMAGE_YARDS_PER_GAME:
        return Round_Ratio(Read_Paired_Total(p, c, OFF_RUSHING_YARDS) +
                               Read_Stored_Total(p, c, OFF_RECEIVING_YARDS),
                           Get_Source_Games(p), 10);
    case STAT_RUSHING_YARDS_PER_GAME:
        return Round_Ratio(Read_Paired_Total(p, c, OFF_RUSHING_YARDS), Get_Source_Games(p), 10);
    case STAT_RECEIVING_YARDS_PER_GAME:
        return Round_Ratio(Read_Stored_Total(p, c, OFF_RECEIVING_YARDS), Get_Source_Games(p), 10);
    case STAT_SACK_TENTHS: return 5 * Read_Stored_Total(p, c, DEF_SACKS);
    case STAT_TACKLES:
        return Read_Stored_Total(p, c, DEF_SOLO_TACKLES) +
               Read_Stored_Total(p, c, DEF_TACKLE_ASSISTS);
    case STAT_RECEPTION_RATE:
        return Min_Int(PERCENT_LIMIT, Round_Ratio(Read_Stored_Total(p, c, OFF_RECEPTIONS),
                                                  Read_Stored_Total(p, c, OFF_TARGETS), 1000));
    case STAT_COVERAGE_COMPLETION_RATE:
        return Round_Ratio(Read_Stored_Total(p, c, DEF_COMPLETIONS_ALLOWED),
                           Read_Stored_Total(p, c, DEF_PASSES_THROWN_AT), 1000);
    default: return 0;
    }
}

int Get_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat) {
    if (!Is_Totals_Team(nTeam) || nCategory < 0 || nCategory >= TEAM_TOTALS_CATEGORIES ||
        nSeason < 0 || nSeason >= TEAM_TOTALS_KINDS)
        return 0;
    TOTALS_SOURCE source = {nTeam, nSeason};
    return Get_Totals_Value(&source, nCategory, nStat);
}

// Adds to one stored total; the setter reports a bad index.
void Add_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat, int nAmount) {
    int nOld = 0;
    if (Is_Totals_Team(nTeam) && Is_Totals_Index(nCategory, nSeason, nStat))
        nOld = gTeams[nTeam].aaanTotals[nCategory][nSeason][nStat];
    Set_Team_Totals_Stat(nTeam, nCategory, nSeason, nStat, nOld + nAmount);
}

int Get_League_Totals_Stat(int nCategory, int nSeason, int nStat) {
    if (nCategory < 0 || nCategory >= TEAM_TOTALS_CATEGORIES || nSeason < 0 ||
        nSeason >= TEAM_TOTALS_KINDS)
        return 0;
    TOTALS_SOURCE source = {LEAGUE_SOURCE, nSeason};
    return Get_Totals_Value(&source, nCategory, nStat);
}

// The number of active teams with a greater current-season value: 0 = the leader.
int Get_Team_Totals_Rank(int nTeam, int nCategory, int nStat) {
    int nValue = Get_Team_Totals_Stat(nTeam, nCategory, TOTALS_CURRENT, nStat);
    int nRank = 0;
    for (int nOther = 0; nOther < LEAGUE_TEAM_COUNT; nOther++) {
        if (Is_Team_Active(nOther))
            nRank += Get_Team_Totals_Stat(nOther, nCategory, TOTALS_CURRENT, nStat) > nValue;
    }
    return nRank;
}

// ---- clearing and copying ----------------------------------------------------------------------

// Sets one season kind of every category to zero or to another kind's values.
static void Fill_Totals_Kind(int nTeam, int nSeason, int nFromSeason) {
    for (int nCategory = 0; nCategory < TEAM_TOTALS_CATEGORIES; nCategory++) {
        int32_t* pTo = gTeams[nTeam].aaanTotals[nCategory][nSeason];
        if (nFromSeason < 0)
            memset(pTo, 0, sizeof(int32_t) * TEAM_TOTALS_STATS);
        else
            memcpy(pTo, gTeams[nTeam].aaanTotals[nCategory][nFromSeason],
                   sizeof(int32_t) * TEAM_TOTALS_STATS);
    }
}

void Clear_Team_Current_Totals(int nTeam) {
    if (Is_Totals_Team(nTeam))
        Fill_Totals_Kind(nTeam, TOTALS_CURRENT, -1);
}

void Copy_Team_Totals_To_Previous(int nTeam) {
    if (Is_Totals_Team(nTeam))
        Fill_Totals_Kind(nTeam, TOTALS_PREVIOUS, TOTALS_CURRENT);
}

void Clear_Team_Totals(int nTeam) {
    if (nTeam == NO_TEAM) {
        Report_Error("'NO_TEAM' passed to Clear_Team_Totals()");
        return;
    }
    if (!Is_Totals_Team(nTeam)) {
        Report_Error("nTeam out of bounds in Clear_Team_Totals(%d)", nTeam);
        return;
    }
    memset(gTeams[nTeam].aaanTotals, 0, sizeof(gTeams[nTeam].aaanTotals));
}

void Clear_All_Team_Totals(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Clear_Team_Totals(nTeam);
    }
}
