// The season templates: 32-slot seasons as constant data, read by slot, day and kickoff.
#include "season/season_internal.h"

#define FIRST_SUNDAY 10  // the day number of week 0's Sunday; day 1 is a Friday
#define MOD_12_YEARS 12

enum TEMPLATE_DAY_OFFSET { THURSDAY = -3, SATURDAY = -1, SUNDAY = 0, MONDAY = 1 };

// Broadcast codes: no operation reads them.
#define BROADCAST_MONDAY_NIGHT 0
#define BROADCAST_LEAGUE_1 1
#define BROADCAST_LEAGUE_0 2
#define BROADCAST_SATURDAY 3
#define BROADCAST_NIGHT 4
#define BROADCAST_MORNING 5
#define BROADCAST_THANKSGIVING 6

// A run of positions of one week that share their day and kickoff.
typedef struct DAY_TIME_RUN {
    int8_t nFirst;
    int8_t nLast;
    int8_t nDay;  // TEMPLATE_DAY_OFFSET from the week's Sunday
    int16_t nKickoff;
} DAY_TIME_RUN;

#define MAX_WEEK_RUNS 9

// The days and kickoffs of the day-and-time template, week by week; positions after the last run
// hold no game.
static const DAY_TIME_RUN kDayTimes[TEMPLATE_WEEKS][MAX_WEEK_RUNS] = {
    {{0, 0, THURSDAY, 2030},
     {1, 9, SUNDAY, 1300},
     {10, 10, SUNDAY, 1605},
     {11, 12, SUNDAY, 1625},
     {13, 13, SUNDAY, 2030},
     {14, 14, MONDAY, 1910},
     {15, 15, MONDAY, 2220}},
    {{0, 0, THURSDAY, 2025},
     {1, 8, SUNDAY, 1300},
     {9, 10, SUNDAY, 1605},
     {11, 13, SUNDAY, 1625},
     {14, 14, SUNDAY, 2030},
     {15, 15, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 1, SUNDAY, 930},
     {2, 10, SUNDAY, 1300},
     {11, 11, SUNDAY, 1605},
     {12, 13, SUNDAY, 1625},
     {14, 14, SUNDAY, 2030},
     {15, 15, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 1, SUNDAY, 930},
     {2, 9, SUNDAY, 1300},
     {10, 12, SUNDAY, 1605},
     {13, 13, SUNDAY, 1625},
     {14, 14, SUNDAY, 2030},
     {15, 15, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 8, SUNDAY, 1300},
     {9, 10, SUNDAY, 1605},
     {11, 11, SUNDAY, 1625},
     {12, 12, SUNDAY, 2030},
     {13, 13, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 7, SUNDAY, 1300},
     {8, 9, SUNDAY, 1605},
     {10, 11, SUNDAY, 1625},
     {12, 12, SUNDAY, 2030},
     {13, 13, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 9, SUNDAY, 1300},
     {10, 10, SUNDAY, 1605},
     {11, 12, SUNDAY, 1625},
     {13, 13, SUNDAY, 2030},
     {14, 14, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 1, SUNDAY, 930},
     {2, 8, SUNDAY, 1300},
     {9, 9, SUNDAY, 1605},
     {10, 10, SUNDAY, 1625},
     {11, 11, SUNDAY, 2030},
     {12, 12, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 7, SUNDAY, 1300},
     {8, 9, SUNDAY, 1605},
     {10, 10, SUNDAY, 1625},
     {11, 11, SUNDAY, 2030},
     {12, 12, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 8, SUNDAY, 1300},
     {9, 9, SUNDAY, 1605},
     {10, 11, SUNDAY, 1625},
     {12, 12, SUNDAY, 2030},
     {13, 13, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 7, SUNDAY, 1300},
     {8, 8, SUNDAY, 1605},
     {9, 10, SUNDAY, 1625},
     {11, 11, SUNDAY, 2030},
     {12, 12, MONDAY, 2030}},
    {{0, 0, THURSDAY, 1230},
     {1, 1, THURSDAY, 1630},
     {2, 2, THURSDAY, 2030},
     {3, 9, SUNDAY, 1300},
     {10, 11, SUNDAY, 1605},
     {12, 13, SUNDAY, 1625},
     {14, 14, SUNDAY, 2030},
     {15, 15, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 10, SUNDAY, 1300},
     {11, 11, SUNDAY, 1605},
     {12, 13, SUNDAY, 1625},
     {14, 14, SUNDAY, 2030},
     {15, 15, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 8, SUNDAY, 1300},
     {9, 11, SUNDAY, 1605},
     {12, 13, SUNDAY, 1625},
     {14, 14, SUNDAY, 2030},
     {15, 15, MONDAY, 2030}},
    {{0, 0, THURSDAY, 2025},
     {1, 1, SATURDAY, 1630},
     {2, 2, SATURDAY, 2025},
     {3, 10, SUNDAY, 1300},
     {11, 11, SUNDAY, 1605},
     {12, 13, SUNDAY, 1625},
     {14, 14, SUNDAY, 2030},
     {15, 15, MONDAY, 2030}},
    {{0, 0, SATURDAY, 1630},
     {1, 1, SATURDAY, 2030},
     {2, 10, SUNDAY, 1300},
     {11, 11, SUNDAY, 1605},
     {12, 13, SUNDAY, 1625},
     {14, 14, MONDAY, 1630},
     {15, 15, MONDAY, 2030}},
    {{0, 11, SUNDAY, 1300}, {12, 15, SUNDAY, 1625}},
};

// The run that holds a position of a week of the day-and-time table; NULL for an empty position.
// Weeks past the table (the 18-week template's last) take the table's last week.
static const DAY_TIME_RUN* Find_Day_Time_Run(int nWeek, int nPosition) {
    if (nWeek >= TEMPLATE_WEEKS)
        nWeek = TEMPLATE_WEEKS - 1;
    for (const DAY_TIME_RUN& run : kDayTimes[nWeek]) {
        if (run.nLast == 0 && run.nFirst == 0 && run.nKickoff == 0)
            break;
        if (nPosition >= run.nFirst && nPosition <= run.nLast)
            return &run;
    }
    return nullptr;
}

static int Get_Broadcast_Code(const DAY_TIME_RUN* pRun, int nHomeSlot) {
    if (pRun->nDay == MONDAY)
        return BROADCAST_MONDAY_NIGHT;
    if (pRun->nDay == SATURDAY)
        return BROADCAST_SATURDAY;
    if (pRun->nKickoff >= 2000)
        return BROADCAST_NIGHT;
    if (pRun->nDay == THURSDAY)
        return BROADCAST_THANKSGIVING;
    if (pRun->nKickoff < 1000)
        return BROADCAST_MORNING;
    return nHomeSlot < TEMPLATE_POSITIONS ? BROADCAST_LEAGUE_0 : BROADCAST_LEAGUE_1;
}

static int Get_Template_Weeks(int nTemplate) {
    return nTemplate == LONG_TEMPLATE ? LONG_TEMPLATE_WEEKS : TEMPLATE_WEEKS;
}

int Get_Schedule_Opponent(int nTemplate, int nWeek, int nPosition, int nField) {
    if (nTemplate < 0 || nTemplate >= TEMPLATE_COUNT || nWeek < 0 ||
        nWeek >= Get_Template_Weeks(nTemplate) || nPosition < 0 ||
        nPosition >= TEMPLATE_POSITIONS || nField < 0 || nField >= TEMPLATE_FIELDS)
        return NO_TEMPLATE_ENTRY;
    const int8_t* pGame = kTemplateSlots[nTemplate][nWeek][nPosition];
    if (nField == TEMPLATE_AWAY || nField == TEMPLATE_HOME)
        return pGame[nField];
    const DAY_TIME_RUN* pRun = Find_Day_Time_Run(nWeek, nPosition);
    if (pGame[TEMPLATE_HOME] == NO_TEMPLATE_ENTRY || pRun == nullptr)
        return 0;
    if (nField == TEMPLATE_DAY)
        return FIRST_SUNDAY + 7 * nWeek + pRun->nDay;
    if (nField == TEMPLATE_KICKOFF)
        return pRun->nKickoff;
    return Get_Broadcast_Code(pRun, pGame[TEMPLATE_HOME]);
}

int Get_Year_Template(int nYear) {
    if (nYear >= TEMPLATE_FIRST_SEASON && nYear <= TEMPLATE_LAST_SEASON)
        return nYear - TEMPLATE_FIRST_SEASON;
    int nMod = nYear % MOD_12_YEARS;
    if (nMod < 0)
        nMod += MOD_12_YEARS;
    return TEMPLATE_BY_YEAR_MOD_12 + nMod;
}
