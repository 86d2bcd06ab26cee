// After the season lines: careers cut at the base year and summed again, experience from the
// seasons played, ratings fitted to age and draft slot, and the league's yearly figures.
#include <stdio.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define FIRST_HISTORY_YEAR 1951
#define LAST_HISTORY_YEAR 2020
#define HISTORY_YEARS (LAST_HISTORY_YEAR - FIRST_HISTORY_YEAR + 1)
#define HISTORICAL_STATS_PATH "HistoricalStats.txt"
#define LAST_BUILD_YEAR 2021
#define YOUNG_AGE 25
#define REGENERATE_BELOW 25.0f

enum HISTORY_FIGURE {
    HF_PASS_ATTEMPTS,
    HF_COMPLETIONS,
    HF_INTERCEPTIONS,
    HF_PASS_YARDS,
    HF_TOUCHDOWN_PASSES,
    HF_RUSHES,
    HF_RUSH_YARDS,
    HF_RECEPTIONS,
    HF_YAC,
    HF_TACKLES,
    HF_ASSISTS,
    HF_SACKS,
    HF_KNOCKDOWNS,
    HISTORY_FIGURE_COUNT
};

static int64_t gHistoricalTotals[HISTORY_YEARS][HISTORY_FIGURE_COUNT];

static int Get_Base_Year(void) {
    return Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
}

static void Erase_Player_Future_Lines(int nTeam, int nSlot) {
    for (int n = SEASON_LINK_COUNT - 1; n >= 0; n--) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        if (Is_Season_Line_Index(nLine) && Get_Season_Line_Year(nLine) >= Get_Base_Year())
            Erase_Player_Season_Line(nTeam, nSlot, n);
    }
}

void Erase_Future_Season_Lines(void) {
    For_Each_Roster_Player(Erase_Player_Future_Lines);
}

static void Rebuild_Player_Career(int nTeam, int nSlot) {
    const int anKinds[] = {SEASON_CAREER, SEASON_CURRENT, SEASON_PREVIOUS};
    for (int nKind : anKinds)
        Clear_Player_Season_Stats(nTeam, nSlot, nKind);
    for (int n = 0; n < SEASON_LINK_COUNT; n++) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        if (!Is_Season_Line_Index(nLine))
            break;
        int nYear = Get_Season_Line_Year(nLine);
        for (int nStat = 0; nStat < SEASON_STAT_STORED; nStat++) {
            int nValue = Get_Season_Line_Stat(nLine, nStat);
            if (nValue == 0)
                continue;
            Add_Player_Stat(nTeam, nSlot, SEASON_CAREER, nStat, nValue);
            Accumulate_Historical_Totals(nTeam, nSlot, nYear, nStat, nValue);
            if (nYear == Get_Base_Year())
                Add_Player_Stat(nTeam, nSlot, SEASON_CURRENT, nStat, nValue);
            else if (nYear == Get_Base_Year() - 1)
                Add_Player_Stat(nTeam, nSlot, SEASON_PREVIOUS, nStat, nValue);
        }
    }
}

void Rebuild_Career_Totals(void) {
    For_Each_Roster_Player(Rebuild_Player_Career);
}

void Accumulate_Historical_Totals(int nTeam, int nSlot, int nYear, int nStat, int nValue) {
    if (nYear != Get_Base_Year() - 1 || nYear < FIRST_HISTORY_YEAR || nYear > LAST_HISTORY_YEAR)
        return;
    int64_t* pTotals = gHistoricalTotals[nYear - FIRST_HISTORY_YEAR];
    int nPosition = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION);
    int bQuarterback = nPosition == POS_QB;
    int bSkill = Get_Position_Group(nPosition) == GROUP_SKILL;
    int bReceiver = bSkill && !bQuarterback;
    int bDefender = Get_Position_Group(nPosition) == GROUP_DEFENCE;
    switch (nStat) {
    case 2:
        pTotals[bQuarterback ? HF_PASS_ATTEMPTS : HF_TACKLES] +=
            bQuarterback || bDefender ? nValue : 0;
        break;
    case 3:
        pTotals[bQuarterback ? HF_COMPLETIONS : HF_ASSISTS] +=
            bQuarterback || bDefender ? nValue : 0;
        break;
    case 4:
        if (bQuarterback)
            pTotals[HF_INTERCEPTIONS] += nValue;
        else if (bDefender)
            pTotals[HF_SACKS] += nValue / 2;
        break;
    case 5:
        if (bQuarterback)
            pTotals[HF_PASS_YARDS] += nValue;
        break;
    case 6:
        if (bQuarterback)
            pTotals[HF_TOUCHDOWN_PASSES] += nValue;
        else if (bReceiver)
            pTotals[HF_YAC] += nValue;
        else if (bDefender)
            pTotals[HF_KNOCKDOWNS] += nValue;
        break;
    case 7:
    case 8:
        if (bSkill)
            pTotals[nStat == 7 ? HF_RUSHES : HF_RUSH_YARDS] += nValue;
        break;
    case 10:
        if (bReceiver)
            pTotals[HF_RECEPTIONS] += nValue;
        break;
    }
}

int Get_League_Team_Count(int nYear) {
    if (nYear > 2001)
        return 32;
    if (nYear >= 1996)
        return 31;
    if (nYear == 1995)
        return 30;
    if (nYear >= 1976)
        return 28;
    if (nYear >= 1968)
        return 26;
    if (nYear == 1967)
        return 25;
    if (nYear == 1966)
        return 24;
    if (nYear >= 1961)
        return 22;
    if (nYear == 1960)
        return 13;
    return 12;
}

typedef struct HISTORY_SECTION {
    const char* szHeading;
    int nFigure;
    int nDivisor;  // a figure, or -1 for the year's team count
    int nScale;
} HISTORY_SECTION;

static const HISTORY_SECTION kHistorySections[] = {
    {"\nPASS_YARDS per team\n", HF_PASS_YARDS, -1, 1},
    {"\nRUSH_YARDS per team\n", HF_RUSH_YARDS, -1, 1},
    {"\nPASS_YARDS divided by RUSH_YARDS\n", HF_PASS_YARDS, HF_RUSH_YARDS, 1000},
    {"\nYARDS_PER_RUSH\n", HF_RUSH_YARDS, HF_RUSHES, 100},
    {"\nYARDS_PER_COMPLETION\n", HF_PASS_YARDS, HF_COMPLETIONS, 1000},
    {"\nTOUCHDOWN_PERCENTAGE\n", HF_TOUCHDOWN_PASSES, HF_PASS_ATTEMPTS, 1000},
    {"\nCOMPLETION_PERCENTAGE\n", HF_COMPLETIONS, HF_PASS_ATTEMPTS, 1000},
    {"\nINTERCEPTION_PERCENTAGE\n", HF_INTERCEPTIONS, HF_PASS_ATTEMPTS, 1000},
    {"\nYARDS_AFTER_CATCH\n", HF_YAC, HF_RECEPTIONS, 100},
    {"\nTACKLES per team\n", HF_TACKLES, -1, 1},
    {"\nASSISTS per team\n", HF_ASSISTS, -1, 1},
    {"\nSACKS per team\n", HF_SACKS, -1, 1},
    {"\nKNOCKDOWNS per team\n", HF_KNOCKDOWNS, -1, 1}};

void Write_Historical_Stats_File(void) {
    FILE* pFile = Platform_Open_File(HISTORICAL_STATS_PATH, "wt");
    if (pFile == NULL)
        return;
    for (const HISTORY_SECTION& section : kHistorySections) {
        fputs(section.szHeading, pFile);
        for (int nYear = FIRST_HISTORY_YEAR; nYear <= LAST_HISTORY_YEAR; nYear++) {
            const int64_t* pTotals = gHistoricalTotals[nYear - FIRST_HISTORY_YEAR];
            int64_t nDivisor =
                section.nDivisor < 0 ? Get_League_Team_Count(nYear) : pTotals[section.nDivisor];
            int64_t nValue =
                nDivisor == 0 ? 0 : Round_Div(pTotals[section.nFigure] * section.nScale, nDivisor);
            fprintf(pFile, "%d, // %d\n", (int)nValue, nYear);
        }
    }
    fclose(pFile);
}

static void Set_Player_Experience_From_Seasons(int nTeam, int nSlot) {
    if (nTeam < LEAGUE_TEAM_COUNT)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE,
                              Min_Int(Count_NFL_Seasons(nTeam, nSlot), MAX_EXPERIENCE));
}

void Set_Experience_From_Seasons(void) {
    For_Each_Roster_Player(Set_Player_Experience_From_Seasons);
}

// ---- ratings by age and draft slot ---------------------------------------------------------------

static const int kPeakAges[POSITION_COUNT] = {32, 27, 29, 29, 29, 28, 30, 29,
                                              29, 30, 29, 28, 28, 35, 35};

static int Get_Build_Age(int nTeam, int nSlot) {
    return Get_Season_Year() - Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
}

// The overall at his position; a player rated below 25 is drawn anew first.
static float Get_Regenerated_Overall(int nTeam, int nSlot) {
    int nPosition = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION);
    float x = Compute_Position_Rating(nTeam, nSlot, nPosition);
    if (x < REGENERATE_BELOW) {
        Generate_Player_Ratings(nTeam, nSlot);
        x = Compute_Position_Rating(nTeam, nSlot, nPosition);
    }
    return x;
}

static void Age_Imported_Player(int nTeam, int nSlot) {
    Modify_Player_Ratings(nTeam, nSlot, 0.03f, 0);
    int nAge = Get_Build_Age(nTeam, nSlot);
    int nYear = Get_Season_Year();
    int nPosition =
        Clamp(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION), 0, POSITION_COUNT - 1);
    int nPeak = kPeakAges[nPosition];
    if (nPosition == POS_QB && nYear >= 1950)
        nPeak += (nYear - 1950) / 20;
    if (nAge < YOUNG_AGE) {
        int nYearsLeft = LAST_BUILD_YEAR - nYear;
        int nShort = Min_Int(YOUNG_AGE - nAge, nYearsLeft);
        float x = Get_Regenerated_Overall(nTeam, nSlot);
        if (nYearsLeft + nAge < YOUNG_AGE)
            x += YOUNG_AGE - nAge - nYearsLeft;
        Scale_Player_Ratings_To_Overall(nTeam, nSlot, x - 2 * nShort);
        Set_Player_Potential_For_Overall(nTeam, nSlot, (int)x);
    } else if (nAge > nPeak) {
        int d = nAge - nPeak;
        int nDecline = d * (d + 1) / 2;
        Modify_Player_Ratings(nTeam, nSlot, 2.5f / (d + 4) * (-nDecline / 100.0f), 1);
    }
}

void Age_Imported_Players(void) {
    For_Each_Roster_Player(Age_Imported_Player);
}

static void Adjust_Flagged_Player(int nTeam, int nSlot) {
    if (Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_RANDOM_PROSPECT) == 0)
        return;
    float x = Get_Regenerated_Overall(nTeam, nSlot);
    Scale_Player_Ratings_To_Overall(nTeam, nSlot, x > 60 ? (x + 120) / 3 : x);
}

void Adjust_Flagged_Player_Overall(void) {
    For_Each_Roster_Player(Adjust_Flagged_Player);
}

// The base year's first-round pick is rated 81 with room to 88; pick 33 77 and 84.
static void Set_Drafted_Rookie_Rating(int nTeam, int nSlot) {
    int nDraft = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_DRAFT_PICK);
    if (nTeam >= LEAGUE_TEAM_COUNT || nDraft / 100000 <= 0)
        return;
    int nPick = nDraft % 1000;
    int nTarget = 80 - nPick / 10 + (nPick < 3 ? (4 - nPick) / 2 : 0);
    if (Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_DRAFT_RECORD) % 10000 != Get_Base_Year())
        return;
    Scale_Player_Ratings_To_Overall(nTeam, nSlot, (float)nTarget);
    Set_Player_Potential_For_Overall(nTeam, nSlot, nTarget + 7);
}

void Set_Drafted_Rookie_Ratings(void) {
    For_Each_Roster_Player(Set_Drafted_Rookie_Rating);
}
