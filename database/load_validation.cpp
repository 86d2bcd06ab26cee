// The checks a saved block passes before it replaces the league. A league that cannot be played
// (no teams, teams outside the divisions, a division fuller than its standings row, a calendar
// that starts in no sensible year) is refused. Every other field that serves as an index, a count,
// a year, money or a rating is kept in its range: a value outside becomes its nearest bound or
// its "none", and each kind of repair is logged once with its count.
#include <math.h>
#include <string.h>
#include <strings.h>

#include "database/database.h"
#include "database/saved_game_internal.h"

#define FIRST_YEAR_MIN 1900
#define FIRST_YEAR_MAX 2200
#define CALENDAR_SEASON_MIN 1998  // season numbers from here to +99 hold a calendar year
#define SEASON_NUMBER_ENTRY 22
#define CURRENT_WEEK_ENTRY 23
#define SIMULATION_RUNNING_ENTRY 33
#define LAST_SEASON (YEARLY_ROWS - 1)
#define LAST_SCHEDULE_WEEK (SCHEDULE_WEEKS - 1)
#define LAST_DIVISION (DIVISION_COUNT - 1)
#define NO_SEASON_LINE (-1)
#define LISTVIEW_FIRST_ENTRY 240
#define LISTVIEW_ENTRIES_PER_KIND 20
#define LISTVIEW_MAX_COLUMNS 18
#define LAST_OVERTIME_RULE 3
#define MAX_OVERTIME_MINUTES 15
#define MAX_DIFFICULTY 3
#define LAST_LINE_CHOICE 2
#define NEAREST_BOUND INT32_MIN
#define MAX_EXPANDED_POSITION 42
#define DATE_YEAR_FACTOR 10000  // a date is yyyymmdd; 0 is a missing date, filled in when read
#define EARLIEST_YEAR 1800      // of a birth or a season line
#define LATEST_YEAR (FIRST_YEAR_MAX + LAST_SEASON + 1)
#define LAST_MONTH_DAY 1231
#define FIRST_OF_JANUARY 101
#define MENDED_AGE 22        // a birth date that cannot be is that of a player this old
#define MAX_AGE_VALUE 60     // prime start and end, in years
#define MIN_EXPERIENCE (-3)  // a draft prospect who leaves college two years early
#define MAX_EXPERIENCE 30
#define MAX_CONTRACT_YEARS 30
#define MAX_INJURY_WEEKS 500
#define MAX_SALARY 10000000   // thousands
#define MAX_BODY_VALUE 10000  // height, weight and forty time
#define DRAFT_RECORD_MAX ((TOTAL_NUMBER_OF_TEAMS + 1) * 10000 - 1)
#define STAT_LIMIT 100000000    // a statistic or a total
#define MONEY_LIMIT 1000000000  // dollars
#define RATING_LIMIT 1000.0f
#define MAX_STADIUM_CAPACITY 1000000
#define LAST_STADIUM_STRUCTURE 2  // 1 dome, 2 retractable roof
#define MAX_STADIUM_RATING 100000
#define MAX_SCORE 999
#define MAX_PLAY_COUNT PLAY_LOG_SIZE
#define GAME_SIDES 2
#define LAST_FANTASY_ROUND (FANTASY_DRAFT_ROUNDS - 1)
#define LAST_DRAFT_COLUMN (DRAFT_COLUMNS - 1)
#define PERCENT_SETTING_MIN (-100)
#define PERCENT_SETTING_MAX 1000
#define MAX_POPULATION 100000000
#define MAX_CITY_MEASURE 10000000  // growth, income, altitude
#define MAX_DEGREES 360000         // thousandths
#define MESSAGE_SIZE 256

// ---- the kinds of repair ------------------------------------------------------------------------

enum REPAIR_KIND {
    REPAIR_TEXT,
    REPAIR_TEAM_CONTROL,
    REPAIR_TEAM_SETTING,
    REPAIR_TEAM_CITY,
    REPAIR_RETURNER,
    REPAIR_SCHEDULE_OPPONENT,
    REPAIR_SCHEDULE_GAME,
    REPAIR_CALENDAR,
    REPAIR_PREFERENCE,
    REPAIR_LEAGUE_SETTING,
    REPAIR_DRAFT_PICK,
    REPAIR_STANDINGS,
    REPAIR_POSITION,
    REPAIR_PLAYER_VITAL,
    REPAIR_SEASON_LINK,
    REPAIR_RATING,
    REPAIR_STATISTIC,
    REPAIR_MONEY,
    REPAIR_GAME,
    REPAIR_FANTASY_DRAFT,
    REPAIR_CITY,
    REPAIR_KIND_COUNT
};

// What the log line of each kind calls the values it changed.
static const char* const kRepairNames[REPAIR_KIND_COUNT] = {
    "texts without an end, cut to their field",
    "team control words, set to computer control",
    "team settings (time zone, scheme, formations, balance), kept in their range",
    "team cities, set to the city of the team's name or the first city",
    "returner slots, set to none",
    "schedule opponents, set to no game",
    "schedule game indexes, set to none",
    "calendar values (season, week, postseason weeks), kept in their range",
    "user preferences, set to their default or kept in their range",
    "league settings, kept in their range",
    "draft picks and draft order, given back to their own team",
    "standings and playoff slots, set to no team",
    "player positions, the players removed",
    "player vital stats, kept in their range",
    "season lines of no possible year, freed, and the links to them set to none",
    "player ratings, not a number set to their mean or kept in their range",
    "statistics beyond their limit, set to 0",
    "money beyond its limit set to 0, stadium values kept in their range",
    "game record fields, kept in their range",
    "fantasy draft fields, kept in their range",
    "city values, kept in their range",
};

typedef struct REPAIR_TALLY {
    int anCounts[REPAIR_KIND_COUNT];
} REPAIR_TALLY;

// A value outside nMin..nMax becomes nSafe; one that is nSafe already (a "none") is left.
template <typename T>
static void Reset_Out_Of_Range(T* pValue, int64_t nMin, int64_t nMax, int64_t nSafe,
                               REPAIR_KIND nKind, REPAIR_TALLY* pTally) {
    int64_t nValue = *pValue;
    if ((nValue >= nMin && nValue <= nMax) || nValue == nSafe)
        return;
    *pValue = (T)nSafe;
    pTally->anCounts[nKind]++;
}

// A value outside nMin..nMax becomes the nearer bound.
template <typename T>
static void Clamp_Into_Range(T* pValue, int64_t nMin, int64_t nMax, REPAIR_KIND nKind,
                             REPAIR_TALLY* pTally) {
    int64_t nValue = *pValue;
    Reset_Out_Of_Range(pValue, nMin, nMax, nValue < nMin ? nMin : nMax, nKind, pTally);
}

template <typename T, size_t N>
static void Clamp_All(T (&aValues)[N], int64_t nLimit, REPAIR_KIND nKind, REPAIR_TALLY* pTally) {
    for (T& value : aValues)
        Clamp_Into_Range(&value, -nLimit, nLimit, nKind, pTally);
}

// A count or a sum beyond the limit is damage with no nearer truth, and play adds to it: it
// starts again from 0, so that the league saved after play holds it in range.
template <typename T, size_t N>
static void Zero_All_Beyond(T (&aValues)[N], int64_t nLimit, REPAIR_KIND nKind,
                            REPAIR_TALLY* pTally) {
    for (T& value : aValues)
        Reset_Out_Of_Range(&value, -nLimit, nLimit, 0, nKind, pTally);
}

// An entry of an array of ints with its range: index, lowest, highest.
typedef struct FIELD_RANGE {
    int nIndex;
    int nMin;
    int nMax;
} FIELD_RANGE;

// Each entry of the table keeps its value within its range (the nearer bound outside it).
template <size_t N>
static void Clamp_Entries(int32_t* pValues, const FIELD_RANGE (&aRanges)[N], REPAIR_KIND nKind,
                          REPAIR_TALLY* pTally) {
    for (const FIELD_RANGE& range : aRanges)
        Clamp_Into_Range(&pValues[range.nIndex], range.nMin, range.nMax, nKind, pTally);
}

// A text that fills its field without a terminator ends at the field's last byte.
static void End_Text(char* szText, size_t nSize, REPAIR_TALLY* pTally) {
    if (memchr(szText, 0, nSize))
        return;
    szText[nSize - 1] = 0;
    pTally->anCounts[REPAIR_TEXT]++;
}

template <size_t N>
static void End_Text(char (&szText)[N], REPAIR_TALLY* pTally) {
    End_Text(szText, N, pTally);
}

// ---- what refuses the file ----------------------------------------------------------------------

static int Is_Block_Team_Active(const SAVED_STATE* pBlock, int nTeam) {
    return pBlock->aTeams[nTeam].anStats[TEAM_CONTROL] != CONTROL_NOT_IN_USE;
}

static int Count_Block_Active_Teams(const SAVED_STATE* pBlock) {
    int nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        nCount += Is_Block_Team_Active(pBlock, nTeam);
    return nCount;
}

static int Is_Block_City_Used(const SAVED_STATE* pBlock, int nCity) {
    return nCity >= 0 && nCity < CITY_COUNT && pBlock->aCities[nCity].szName[0] != 0;
}

// Whether a city is named by the text, letter case aside; either may lack its terminator.
static int Is_City_Named(const CITY* pCity, const char* szText, size_t nTextSize) {
    size_t nLength = strnlen(pCity->szName, sizeof(pCity->szName));
    return nLength > 0 && nLength == strnlen(szText, nTextSize) &&
           strncasecmp(pCity->szName, szText, nLength) == 0;
}

// The team's city: its own when that is a city in use, else the city its name or home names,
// else the first city in use; -1 when no city is in use.
static int Find_Team_City(const SAVED_STATE* pBlock, int nTeam) {
    const TEAM* pTeam = &pBlock->aTeams[nTeam];
    if (Is_Block_City_Used(pBlock, pTeam->anStats[TEAM_CITY_INDEX]))
        return pTeam->anStats[TEAM_CITY_INDEX];
    static const int kNamingStrings[] = {TEAM_CITY, TEAM_HOME_LOCATION};
    for (int nString : kNamingStrings) {
        for (int nCity = 0; nCity < CITY_COUNT; nCity++) {
            if (Is_City_Named(&pBlock->aCities[nCity], pTeam->aszStrings[nString],
                              TEAM_STRING_SIZE))
                return nCity;
        }
    }
    for (int nCity = 0; nCity < CITY_COUNT; nCity++) {
        if (Is_Block_City_Used(pBlock, nCity))
            return nCity;
    }
    return -1;
}

// Why the league cannot be played, in szWhy; 0 when it can.
static int Find_League_Shape_Fault(const SAVED_STATE* pBlock, char* szWhy, int nSize) {
    int nTeams = Count_Block_Active_Teams(pBlock);
    if (nTeams == 0) {
        Format_String(szWhy, nSize, "it has no teams");
        return 1;
    }
    int anDivisionTeams[DIVISION_COUNT] = {0};
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Block_Team_Active(pBlock, nTeam))
            continue;
        if (nTeam >= nTeams) {
            Format_String(szWhy, nSize, "its teams in use do not fill the first %d team slots",
                          nTeams);
            return 1;
        }
        int nDivision = pBlock->aTeams[nTeam].anStats[TEAM_DIVISION];
        if (nDivision < 0 || nDivision > LAST_DIVISION) {
            Format_String(szWhy, nSize, "team %d is in division %d", nTeam + 1, nDivision);
            return 1;
        }
        if (++anDivisionTeams[nDivision] > DIVISION_PLACES) {
            Format_String(szWhy, nSize, "division %d has more than %d teams", nDivision + 1,
                          DIVISION_PLACES);
            return 1;
        }
    }
    int nFirstYear = pBlock->anUniverseStats[UNIVERSE_FIRST_YEAR];
    if (nFirstYear < FIRST_YEAR_MIN || nFirstYear > FIRST_YEAR_MAX) {
        Format_String(szWhy, nSize, "its first season year %d is not between %d and %d", nFirstYear,
                      FIRST_YEAR_MIN, FIRST_YEAR_MAX);
        return 1;
    }
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        if (Find_Team_City(pBlock, nTeam) < 0) {
            Format_String(szWhy, nSize, "team %d has no city", nTeam + 1);
            return 1;
        }
    }
    return 0;
}

// ---- the league and its settings ---------------------------------------------------------------

static void Repair_Head_Texts(SAVED_STATE* pBlock, REPAIR_TALLY* pTally) {
    End_Text(pBlock->szSavedGameName, pTally);
    End_Text(pBlock->szManagerName, pTally);
    End_Text(pBlock->szDatabaseNotes, pTally);
    End_Text(pBlock->szSkinName, pTally);
    for (auto& szName : pBlock->aszLeagueNames)
        End_Text(szName, pTally);
    for (auto& szName : pBlock->aszDivisionNames)
        End_Text(szName, pTally);
    End_Text(pBlock->szGameHtmlHead, pTally);
    End_Text(pBlock->szRecapHtml, pTally);
    End_Text(pBlock->szBoxScoreHtml, pTally);
}

// League settings with a range.
static const FIELD_RANGE kUniverseStatRanges[] = {
    {UNIVERSE_SEASON_GAMES, 0, MAX_SEASON_GAMES},
    {WILD_CARD_TEAMS, 0, MAX_WILD_CARD_TEAMS + 1},  // a league of three divisions may have 5
    {UNIVERSE_SALARY_CAP, 0, MONEY_LIMIT},
    {UNIVERSE_FANTASY_DRAFT, 0, 2},
    {UNIVERSE_TRADE_GOODWILL, -TRADE_GOODWILL_LIMIT, TRADE_GOODWILL_LIMIT},
    {UNIVERSE_INFLATION, 0, MONEY_LIMIT / 1000},
    {UNIVERSE_LEAGUE_REVENUE, -MONEY_LIMIT, MONEY_LIMIT},
    {UNIVERSE_WEALTH, 0, 2000},
    {UNIVERSE_AGING, PERCENT_SETTING_MIN, PERCENT_SETTING_MAX},
    {UNIVERSE_SALARY_DEMANDS, PERCENT_SETTING_MIN, PERCENT_SETTING_MAX},
    {UNIVERSE_REVENUE_SETTING, PERCENT_SETTING_MIN, PERCENT_SETTING_MAX},
    {UNIVERSE_INJURY_FREQUENCY, PERCENT_SETTING_MIN, PERCENT_SETTING_MAX},
    {UNIVERSE_INJURY_SEVERITY, PERCENT_SETTING_MIN, PERCENT_SETTING_MAX},
    {UNIVERSE_DRAFT_TALENT, PERCENT_SETTING_MIN, PERCENT_SETTING_MAX},
};

// Preferences that index something, count or scale: entry, lowest, highest, the value outside
// them (NEAREST_BOUND: the nearer of the two).
static const struct {
    int nEntry;
    int nMin;
    int nMax;
    int nSafe;
} kPreferenceRanges[] = {
    {25, 0, MAX_DIFFICULTY, NEAREST_BOUND},   // the difficulty
    {28, 0, LAST_DRAFT_POOL_TEAM, 0},         // the dialog team
    {29, 0, LAST_DRAFT_POOL_TEAM, 0},         // the scouted player's team
    {30, 0, PLAYERS_PER_TEAM - 1, 0},         // and slot
    {31, 0, LAST_DRAFT_POOL_TEAM, 0},         // the trade partner
    {32, 0, LAST_DRAFT_POOL_TEAM, 0},         // the user's team
    {34, -1, GAME_COUNT - 1, -1},             // the selected game
    {36, 0, NO_DRAFT_ROUND, NO_DRAFT_ROUND},  // the draft round
    {37, 0, LAST_DRAFT_COLUMN, 0},            // the pick in the round
    {42, 0, LEAGUE_COUNT - 1, 0},             // the league shown
    {43, 0, CITY_COUNT - 1, 0},               // the city in the editor
    {45, 0, LAST_OVERTIME_RULE, 0},           // the overtime rules
    {46, 0, LAST_OVERTIME_RULE, 0},
    {88, 0, MAX_OVERTIME_MINUTES, NEAREST_BOUND},  // overtime period length
    {198, 0, LAST_LINE_CHOICE, 0},                 // kickoff, extra point, missed kick lines
    {199, 0, LAST_LINE_CHOICE, 0},
    {200, 0, LAST_LINE_CHOICE, 0},
    {202, 0, LAST_LINE_CHOICE, 0},
};

static void Repair_League_Settings(SAVED_STATE* pBlock, REPAIR_TALLY* pTally) {
    Clamp_Entries(pBlock->anUniverseStats, kUniverseStatRanges, REPAIR_LEAGUE_SETTING, pTally);
    for (const auto& range : kPreferenceRanges) {
        int32_t* pEntry = &pBlock->anPreferenceInts[range.nEntry];
        if (range.nSafe == NEAREST_BOUND)
            Clamp_Into_Range(pEntry, range.nMin, range.nMax, REPAIR_PREFERENCE, pTally);
        else
            Reset_Out_Of_Range(pEntry, range.nMin, range.nMax, range.nSafe, REPAIR_PREFERENCE,
                               pTally);
    }
    // Each list layout's column count bounds the loop over its columns.
    for (int nEntry = LISTVIEW_FIRST_ENTRY - PREFERENCE_INT_COUNT; nEntry < PREFERENCE_SHORT_COUNT;
         nEntry += LISTVIEW_ENTRIES_PER_KIND)
        Clamp_Into_Range(&pBlock->anPreferenceShorts[nEntry], 0, LISTVIEW_MAX_COLUMNS,
                         REPAIR_PREFERENCE, pTally);
}

static int Is_Season_Number(int nSeason) {
    return (nSeason >= 0 && nSeason <= LAST_SEASON) ||
           (nSeason >= CALENDAR_SEASON_MIN && nSeason <= CALENDAR_SEASON_MIN + LAST_SEASON);
}

// The postseason weeks follow one another: a later one is never before an earlier one, nor more
// weeks after the first than its round. Out of that order they are counted anew from the first.
static void Repair_Postseason_Weeks(int32_t* pWeeks, REPAIR_TALLY* pTally) {
    Clamp_Into_Range(&pWeeks[0], 0, SCHEDULE_WEEKS, REPAIR_CALENDAR, pTally);
    int bInOrder = 1;
    for (int n = 1; n < POSTSEASON_WEEK_COUNT; n++)
        bInOrder &= pWeeks[n] >= pWeeks[n - 1] && pWeeks[n] <= pWeeks[0] + n;
    if (bInOrder)
        return;
    for (int n = 1; n < POSTSEASON_WEEK_COUNT; n++)
        pWeeks[n] = pWeeks[0] + n;
    pTally->anCounts[REPAIR_CALENDAR]++;
}

// The week runs from 0 to the week after the last postseason week, or is the off-season's.
static void Repair_Calendar(SAVED_STATE* pBlock, REPAIR_TALLY* pTally) {
    int32_t* pSeason = &pBlock->anPreferenceInts[SEASON_NUMBER_ENTRY];
    if (!Is_Season_Number(*pSeason))
        Clamp_Into_Range(pSeason, 0, LAST_SEASON, REPAIR_CALENDAR, pTally);
    Repair_Postseason_Weeks(pBlock->anPostseasonWeeks, pTally);
    int nLastWeek =
        Max_Int(LAST_SCHEDULE_WEEK, pBlock->anPostseasonWeeks[POSTSEASON_WEEK_COUNT - 1] + 1);
    int32_t* pWeek = &pBlock->anPreferenceInts[CURRENT_WEEK_ENTRY];
    if (*pWeek != OFF_SEASON_WEEK)
        Clamp_Into_Range(pWeek, 0, nLastWeek, REPAIR_CALENDAR, pTally);
}

static int Get_Block_Season_Year(const SAVED_STATE* pBlock) {
    int nSeason = pBlock->anPreferenceInts[SEASON_NUMBER_ENTRY];
    return nSeason >= CALENDAR_SEASON_MIN ? nSeason
                                          : pBlock->anUniverseStats[UNIVERSE_FIRST_YEAR] + nSeason;
}

// A saved game holds no advance: one that was running when the file was written (every auto-save
// is written inside one) is over, and the next advance starts afresh.
static void Clear_Running_Advance(SAVED_STATE* pBlock) {
    pBlock->nAdvanceInProgress = 0;
    pBlock->nRunTargetWeek = 0;
    pBlock->anPreferenceInts[SIMULATION_RUNNING_ENTRY] = 0;
}

// City values with a range.
static const FIELD_RANGE kCityStatRanges[] = {
    {CITY_POPULATION, 0, MAX_POPULATION},
    {CITY_REGION_POPULATION, 0, MAX_POPULATION},
    {CITY_GROWTH, -MAX_CITY_MEASURE, MAX_CITY_MEASURE},
    {CITY_INCOME, 0, MAX_CITY_MEASURE},
    {CITY_ALTITUDE, -MAX_CITY_MEASURE, MAX_CITY_MEASURE},
    {CITY_LONGITUDE, -MAX_DEGREES, MAX_DEGREES},
    {CITY_LATITUDE, -MAX_DEGREES, MAX_DEGREES},
    {CITY_TIME_ZONE, 0, 3},
};

static void Repair_Cities(SAVED_STATE* pBlock, REPAIR_TALLY* pTally) {
    for (CITY& city : pBlock->aCities) {
        End_Text(city.szName, pTally);
        End_Text(city.szPhoto, pTally);
        Clamp_Entries(city.anStats, kCityStatRanges, REPAIR_CITY, pTally);
    }
}

// A pick owned by no team stays with the team it was issued to; a draft position out of range
// drafts with its own column.
static void Repair_Draft_Tables(SAVED_STATE* pBlock, REPAIR_TALLY* pTally) {
    for (auto& aaYear : pBlock->aaabDraftPickOwners) {
        for (auto& aRound : aaYear) {
            for (int nColumn = 0; nColumn < DRAFT_COLUMNS; nColumn++)
                Reset_Out_Of_Range(&aRound[nColumn], 0, LAST_DRAFT_COLUMN, nColumn,
                                   REPAIR_DRAFT_PICK, pTally);
        }
    }
    for (auto& aTalents : pBlock->aanDraftTalent)
        Clamp_All(aTalents, DRAFT_INPUT_LIMIT, REPAIR_LEAGUE_SETTING, pTally);
    Clamp_All(pBlock->anDraftStrategy, DRAFT_INPUT_LIMIT, REPAIR_LEAGUE_SETTING, pTally);
    for (int nPick = 0; nPick < DRAFT_COLUMNS; nPick++)
        Reset_Out_Of_Range(&pBlock->abDraftOrder[nPick], 0, LAST_DRAFT_COLUMN, nPick,
                           REPAIR_DRAFT_PICK, pTally);
    Clamp_Into_Range(&pBlock->nFantasyDraftRound, 0, LAST_FANTASY_ROUND, REPAIR_FANTASY_DRAFT,
                     pTally);
    Clamp_Into_Range(&pBlock->nFantasyDraftPick, 0, LAST_DRAFT_COLUMN, REPAIR_FANTASY_DRAFT,
                     pTally);
    for (auto& aRound : pBlock->aanFantasyDraftOrder) {
        for (int8_t& nTeam : aRound)
            Reset_Out_Of_Range(&nTeam, 0, LAST_DRAFT_COLUMN, 0, REPAIR_FANTASY_DRAFT, pTally);
    }
}

// A team byte of the standings or the playoff slots names a team 0..40 or none.
static void Repair_Team_Byte(int8_t* pTeam, REPAIR_TALLY* pTally) {
    if (*pTeam != NO_TEAM && *pTeam != -1)
        Reset_Out_Of_Range(pTeam, 0, LAST_DRAFT_POOL_TEAM, NO_TEAM, REPAIR_STANDINGS, pTally);
}

static void Repair_Standings(SAVED_STATE* pBlock, REPAIR_TALLY* pTally) {
    for (auto& aRow : pBlock->aanDivisionStandings) {
        for (int8_t& nTeam : aRow)
            Repair_Team_Byte(&nTeam, pTally);
    }
    for (int8_t& nTeam : pBlock->anPlayoffSlots)
        Repair_Team_Byte(&nTeam, pTally);
}

// A line of a year that cannot be is freed; the load drops the links to free lines.
static void Repair_Season_Lines(SAVED_STATE* pBlock, REPAIR_TALLY* pTally) {
    for (SEASON_LINE& line : pBlock->aSeasonLines) {
        if (line.nYear != 0 && (line.nYear < EARLIEST_YEAR || line.nYear > LATEST_YEAR)) {
            memset(&line, 0, sizeof(line));
            pTally->anCounts[REPAIR_SEASON_LINK]++;
        }
        Zero_All_Beyond(line.anStats, STAT_LIMIT, REPAIR_STATISTIC, pTally);
        Repair_Team_Byte(&line.nTeam, pTally);
    }
}

static void Repair_Games(SAVED_STATE* pBlock, REPAIR_TALLY* pTally) {
    for (GAME& game : pBlock->aGames) {
        for (int nSide = 0; nSide < GAME_SIDES; nSide++) {
            Clamp_Into_Range(&game.anScores[nSide], 0, MAX_SCORE, REPAIR_GAME, pTally);
            Reset_Out_Of_Range(&game.anTeams[nSide], 0, LAST_DRAFT_POOL_TEAM, 0, REPAIR_GAME,
                               pTally);
            // Only the slots the game lists play (the engine holds the same limit).
            for (uint8_t& nSlot : game.aabOnField[nSide])
                Reset_Out_Of_Range(&nSlot, 0, GAME_ROSTER_SLOTS - 1, NO_SLOT_BYTE, REPAIR_GAME,
                                   pTally);
        }
        Clamp_Into_Range(&game.nPlayCount, 0, MAX_PLAY_COUNT, REPAIR_GAME, pTally);
    }
}

static void Repair_Record_Book(SAVED_STATE* pBlock, REPAIR_TALLY* pTally) {
    for (auto& aaTable : pBlock->aaaRecordBook) {
        for (auto& aCategory : aaTable) {
            for (RECORD_BOOK_ROW& row : aCategory) {
                End_Text(row.szLastName, pTally);
                End_Text(row.szFirstName, pTally);
                Reset_Out_Of_Range(&row.nValue, -STAT_LIMIT, STAT_LIMIT, 0, REPAIR_STATISTIC,
                                   pTally);
            }
        }
    }
}

// ---- teams and players -------------------------------------------------------------------------

// Vital stats with a range.
static const FIELD_RANGE kVitalStatRanges[] = {
    {VITAL_HEIGHT, 0, MAX_BODY_VALUE},
    {VITAL_WEIGHT, 0, MAX_BODY_VALUE},
    {VITAL_FORTY_TIME, 0, MAX_BODY_VALUE},
    {VITAL_WEEKLY_COUNTER, -STAT_LIMIT, STAT_LIMIT},
    {VITAL_EXPERIENCE, MIN_EXPERIENCE, MAX_EXPERIENCE},
    {VITAL_SIGNING_BONUS, 0, MAX_SALARY},
    {VITAL_SALARY, 0, MAX_SALARY},
    {VITAL_CONTRACT_YEARS_LEFT, 0, MAX_CONTRACT_YEARS},
    {VITAL_DRAFT_RECORD, 0, DRAFT_RECORD_MAX},
    {VITAL_INJURY_WEEKS, 0, MAX_INJURY_WEEKS},
    {VITAL_PRIME_START, 0, MAX_AGE_VALUE},
    {VITAL_PRIME_END, 0, MAX_AGE_VALUE},
    {VITAL_CONTRACT_LENGTH, 0, MAX_CONTRACT_YEARS},
};

// A birth date is missing (0) or a day of a year from the earliest to the season's; one that
// cannot be is 1 January of a player of 22.
static void Repair_Birth_Date(int32_t* pDate, int nSeasonYear, REPAIR_TALLY* pTally) {
    int nYear = *pDate / DATE_YEAR_FACTOR;
    int nMonthDay = *pDate % DATE_YEAR_FACTOR;
    if (*pDate == 0 || (nYear >= EARLIEST_YEAR && nYear <= nSeasonYear + 1 && nMonthDay >= 0 &&
                        nMonthDay <= LAST_MONTH_DAY))
        return;
    *pDate = (nSeasonYear - MENDED_AGE) * DATE_YEAR_FACTOR + FIRST_OF_JANUARY;
    pTally->anCounts[REPAIR_PLAYER_VITAL]++;
}

// A rating that is not a number takes its league mean; one beyond the bound is held at it.
static void Repair_Ratings(float* pRatings, REPAIR_TALLY* pTally) {
    for (int nRating = 0; nRating < RATING_COUNT; nRating++) {
        float* pRating = &pRatings[nRating];
        if (isnan(*pRating))
            *pRating = Get_Rating_Target_Mean(nRating);
        else if (fabsf(*pRating) > RATING_LIMIT)
            *pRating = *pRating < 0 ? -RATING_LIMIT : RATING_LIMIT;
        else
            continue;
        pTally->anCounts[REPAIR_RATING]++;
    }
}

static void Repair_Player(PLAYER* pPlayer, int nSeasonYear, REPAIR_TALLY* pTally) {
    End_Text(pPlayer->szLastName, pTally);
    End_Text(pPlayer->szFirstName, pTally);
    End_Text(pPlayer->szOutsideId, pTally);
    End_Text(pPlayer->szCollege, pTally);
    if (pPlayer->anVitalStats[VITAL_PLAYER_ID] == 0)
        return;
    int32_t* pVitals = pPlayer->anVitalStats;
    // A position out of range makes the player one the loader removes.
    Reset_Out_Of_Range(&pVitals[VITAL_POSITION], 0, POSITION_COUNT - 1, POS_ANY, REPAIR_POSITION,
                       pTally);
    Reset_Out_Of_Range(&pPlayer->anByteStats[BYTE_EXPANDED_POSITION], 0, MAX_EXPANDED_POSITION,
                       pVitals[VITAL_POSITION], REPAIR_PLAYER_VITAL, pTally);
    Repair_Birth_Date(&pVitals[VITAL_BIRTH_DATE], nSeasonYear, pTally);
    Clamp_Entries(pVitals, kVitalStatRanges, REPAIR_PLAYER_VITAL, pTally);
    for (int32_t& nLine : pPlayer->anSeasonLinks)
        Reset_Out_Of_Range(&nLine, NO_SEASON_LINE, SEASON_LINE_COUNT - 1, NO_SEASON_LINE,
                           REPAIR_SEASON_LINK, pTally);
    Reset_Out_Of_Range(&pPlayer->nCurrentSeasonLine, NO_SEASON_LINE, SEASON_LINE_COUNT - 1,
                       NO_SEASON_LINE, REPAIR_SEASON_LINK, pTally);
    for (auto& aKind : pPlayer->aanSeasonStats)
        Zero_All_Beyond(aKind, STAT_LIMIT, REPAIR_STATISTIC, pTally);
    Repair_Ratings(pPlayer->afRatings, pTally);
}

// A schedule opponent names another active team, home (+) or away (-); the game index a stored
// game or none.
static void Repair_Schedule(TEAM* pTeam, int nTeam, int nTeams, REPAIR_TALLY* pTally) {
    for (auto& aRow : pTeam->aanSchedule) {
        int64_t nCode = aRow[SCHEDULE_OPPONENT];
        int64_t nOpponent = (nCode > 0 ? nCode : -nCode) - 1;
        if (nCode != 0 && (nOpponent >= nTeams || nOpponent == nTeam)) {
            aRow[SCHEDULE_OPPONENT] = 0;
            pTally->anCounts[REPAIR_SCHEDULE_OPPONENT]++;
        }
        Reset_Out_Of_Range(&aRow[SCHEDULE_GAME_INDEX], NO_GAME_INDEX, GAME_COUNT - 1, NO_GAME_INDEX,
                           REPAIR_SCHEDULE_GAME, pTally);
    }
}

// Stadium values with a range.
static const FIELD_RANGE kStadiumStatRanges[] = {
    {STADIUM_CAPACITY, 0, MAX_STADIUM_CAPACITY},
    {STADIUM_STRUCTURE, 0, LAST_STADIUM_STRUCTURE},
    {STADIUM_VALUE, 0, INT32_MAX},
    {STADIUM_CONVENIENCE, 0, MAX_STADIUM_RATING},
    {STADIUM_COMFORT, 0, MAX_STADIUM_RATING},
    {STADIUM_SIGHT_LINES, 0, MAX_STADIUM_RATING},
};

static void Repair_Team(SAVED_STATE* pBlock, int nTeam, int nTeams, REPAIR_TALLY* pTally) {
    TEAM* pTeam = &pBlock->aTeams[nTeam];
    for (auto& szText : pTeam->aszStrings)
        End_Text(szText, pTally);
    int nSeasonYear = Get_Block_Season_Year(pBlock);
    for (PLAYER& player : pTeam->aPlayers)
        Repair_Player(&player, nSeasonYear, pTally);
    for (uint8_t& nSlot : pTeam->abReturners)
        Reset_Out_Of_Range(&nSlot, 0, PLAYERS_PER_TEAM - 1, NO_SLOT_BYTE, REPAIR_RETURNER, pTally);
    Zero_All_Beyond(pTeam->anFinancialStats, MONEY_LIMIT, REPAIR_MONEY, pTally);
    Clamp_Entries(pTeam->anStadiumStats, kStadiumStatRanges, REPAIR_MONEY, pTally);
    for (auto& aaCategory : pTeam->aaanTotals) {
        for (auto& aKind : aaCategory)
            Zero_All_Beyond(aKind, STAT_LIMIT, REPAIR_STATISTIC, pTally);
    }
    if (nTeam >= LEAGUE_TEAM_COUNT || !Is_Block_Team_Active(pBlock, nTeam))
        return;
    int32_t* pStats = pTeam->anStats;
    Reset_Out_Of_Range(&pStats[TEAM_CONTROL], CONTROL_COMPUTER, CONTROL_HUMAN, CONTROL_COMPUTER,
                       REPAIR_TEAM_CONTROL, pTally);
    // The league's shape check made sure there is a city to find.
    int nCity = Find_Team_City(pBlock, nTeam);
    if (pStats[TEAM_CITY_INDEX] != nCity) {
        pStats[TEAM_CITY_INDEX] = nCity;
        pTally->anCounts[REPAIR_TEAM_CITY]++;
    }
    Clamp_Into_Range(&pStats[TEAM_TIME_ZONE], 0, 3, REPAIR_TEAM_SETTING, pTally);
    Clamp_Into_Range(&pStats[TEAM_DEFENSIVE_SCHEME], 0, 1, REPAIR_TEAM_SETTING, pTally);
    Clamp_Into_Range(&pStats[TEAM_OFFENSIVE_SYSTEM], 0, 3, REPAIR_TEAM_SETTING, pTally);
    Clamp_Into_Range(&pStats[TEAM_RUN_PASS_BALANCE], 0, 20, REPAIR_TEAM_SETTING, pTally);
    Repair_Schedule(pTeam, nTeam, nTeams, pTally);
}

// ---- the pass ----------------------------------------------------------------------------------

static void Log_Repairs(const REPAIR_TALLY* pTally, const char* szPath) {
    for (int nKind = 0; nKind < REPAIR_KIND_COUNT; nKind++) {
        if (pTally->anCounts[nKind] > 0)
            Log_Debug_Line("Loading %s: %d %s", szPath, pTally->anCounts[nKind],
                           kRepairNames[nKind]);
    }
}

static int Refuse_League(const char* szPath, const char* szWhy) {
    Show_Message_Box("Read Error", "The league in \"%s\" cannot be played: %s.", szPath, szWhy);
    return 0;
}

int Validate_Loaded_Block(SAVED_STATE* pBlock, const char* szPath) {
    char szWhy[MESSAGE_SIZE];
    if (Find_League_Shape_Fault(pBlock, szWhy, sizeof(szWhy)))
        return Refuse_League(szPath, szWhy);
    REPAIR_TALLY tally;
    memset(&tally, 0, sizeof(tally));
    int nTeams = Count_Block_Active_Teams(pBlock);
    Repair_Head_Texts(pBlock, &tally);
    Repair_League_Settings(pBlock, &tally);
    // Settings are judged once they are in range.
    if (Find_Block_League_Settings_Fault(pBlock, szWhy, sizeof(szWhy)))
        return Refuse_League(szPath, szWhy);
    Clear_Running_Advance(pBlock);
    Repair_Calendar(pBlock, &tally);
    Repair_Cities(pBlock, &tally);
    Repair_Draft_Tables(pBlock, &tally);
    Repair_Standings(pBlock, &tally);
    Repair_Season_Lines(pBlock, &tally);
    Repair_Games(pBlock, &tally);
    Repair_Record_Book(pBlock, &tally);
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++)
        Repair_Team(pBlock, nTeam, nTeams, &tally);
    Log_Repairs(&tally, szPath);
    return 1;
}
