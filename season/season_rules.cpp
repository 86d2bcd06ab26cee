// The league's rules by season year: schedule length, wild cards, salary cap, inflation, overtime
// and kicking rules. Every rule is set from the season year; nothing asks the user.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "season/season.h"

#define FIRST_CAP_YEAR 1994
#define LAST_CAP_YEAR 2021
#define BASE_SALARY_CAP 182500000  // the cap of the last table year and the inflation base
#define PRE_CAP_DECLINE_PERCENT 96
#define POST_CAP_GROWTH_PERCENT 3
#define POST_CAP_GROWTH_YEARS 30
#define MIN_SANE_CAP 1000000
#define MAX_SANE_CAP 1000000000
#define SMALLEST_CAP_RAISE_DIVISOR 50  // a raise below 2 % of the cap is not made
#define PER_MILLE 1000

// The cap of each season 1994..2021, in dollars.
static const int kAnnualCap[LAST_CAP_YEAR - FIRST_CAP_YEAR + 1] = {
    34600000,  37100000,  40777000,  41450000,  52388000,  58353000,  62172000,
    67400000,  71100000,  75007000,  80582000,  85500000,  102000000, 109000000,
    116000000, 128000000, 128000000, 120000000, 123000000, 123000000, 133000000,
    143280000, 155270000, 167000000, 177200000, 188200000, 198200000, 182500000,
};

// The last age of a player's prime by position, QB .. P.
static const int kPrimeEndAge[POSITION_COUNT] = {32, 27, 29, 29, 29, 28, 30, 29,
                                                 29, 30, 29, 28, 28, 35, 35};

#define DEFAULT_CAREER_RATE 100
#define DEFAULT_PRIME_START_AGE 25
#define QUARTERBACK_AGE_BASE_YEAR 1950
#define QUARTERBACK_AGE_YEARS_PER_STEP 20

// ---- the salary cap and inflation ---------------------------------------------------------------

int Get_Season_Salary_Cap(int nYear) {
    int nCap;
    if (nYear >= FIRST_CAP_YEAR && nYear <= LAST_CAP_YEAR) {
        nCap = kAnnualCap[nYear - FIRST_CAP_YEAR];
        if (nCap == 0) {
            Show_Message_Box("Error in Get_Season_Salary_Cap()",
                             "No value for %d salary cap in nAnnualCap[]!", nYear);
            nCap = BASE_SALARY_CAP;
        }
    } else if (nYear < FIRST_CAP_YEAR) {
        // 4 % less for every year before the first cap, rounded at every step.
        nCap = kAnnualCap[0];
        for (int n = nYear; n < FIRST_CAP_YEAR; n++)
            nCap = (int)(((int64_t)nCap * PRE_CAP_DECLINE_PERCENT + 50) / 100);
    } else {
        // 3 % of the last table cap more per year, for at most 30 years.
        int64_t nYears = Min_Int(nYear - LAST_CAP_YEAR, POST_CAP_GROWTH_YEARS);
        nCap =
            (int)(((int64_t)BASE_SALARY_CAP * (100 + POST_CAP_GROWTH_PERCENT * nYears) + 50) / 100);
    }
    if (nCap < MIN_SANE_CAP || nCap > MAX_SANE_CAP)
        Report_Error("Get_Season_Salary_Cap(%d) returned %d", nYear, nCap);
    return nCap;
}

void Update_Salary_Cap(void) {
    int nYear = Get_Season_Year();
    int nCurrent = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    int nTarget = nYear < FIRST_CAP_YEAR ? 0 : Get_Season_Salary_Cap(nYear);
    int64_t nRaise = (int64_t)nTarget - nCurrent;
    if (nCurrent < nTarget && nTarget < 2 * (int64_t)nCurrent) {
        int nFactor = gOwnerMode ? Get_League_Wealth_Index() : PER_MILLE;
        nRaise = (nRaise * nFactor + 500) / PER_MILLE;
        nTarget = (int)(nCurrent + nRaise);
    }
    int nStep = Get_Price_Step(Get_Universe_Stat(UNIVERSE_INFLATION)) * 1000;
    nTarget = Round_To_Multiple(nTarget, nStep);
    // A league without a cap keeps none, and the cap never falls or creeps up by crumbs.
    if (nTarget == 0 || nCurrent == 0 || nRaise < 0 ||
        nRaise < nCurrent / SMALLEST_CAP_RAISE_DIVISOR)
        return;
    Set_Universe_Stat(UNIVERSE_SALARY_CAP, Max_Int(nCurrent, nTarget));
}

int Get_Cap_Inflation_Factor(int nCap) {
    return (int)(((int64_t)nCap * PER_MILLE + BASE_SALARY_CAP / 2) / BASE_SALARY_CAP);
}

void Update_Inflation_Factor(void) {
    int nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
    if (nCap == 0)
        nCap = Get_Season_Salary_Cap(Get_Season_Year());
    Set_Universe_Stat(UNIVERSE_INFLATION, Get_Cap_Inflation_Factor(nCap));
}

// ---- rules by year ------------------------------------------------------------------------------

int Get_Season_Games(int nYear) {
    if (nYear <= 1960)
        return 12;
    if (nYear <= 1977)
        return 14;
    if (nYear <= 2020)
        return 16;
    return 17;
}

static int Get_Season_Wild_Card_Teams(int nYear) {
    if (nYear >= 2020)
        return 3;
    if (nYear >= 2002)
        return 2;
    if (nYear >= 1990)
        return 3;
    if (nYear >= 1978)
        return 2;
    if (nYear >= 1970)
        return 1;
    return 0;
}

// A year's rule that would leave a league it cannot play (too many games for the game records,
// three playoff teams in a conference) is not applied; the user is told why.
static void Apply_League_Rule(int nStat, int nValue) {
    int nOld = Get_Universe_Stat(nStat);
    Set_Universe_Stat(nStat, nValue);
    char szWhy[TEXT_BUFFER_SIZE];
    if (!Find_League_Settings_Fault(szWhy, sizeof(szWhy)))
        return;
    Set_Universe_Stat(nStat, nOld);
    Show_Message_Box("Season Rules",
                     "The %d season's %s (%d) were not applied to this league: %s. It keeps %d.",
                     Get_Season_Year(), nStat == WILD_CARD_TEAMS ? "wild card teams" : "games",
                     nValue, szWhy, nOld);
}

void Update_Season_Games(void) {
    if (gUniverseStats[UNIVERSE_SEASON_GAMES] > MAX_SEASON_GAMES)
        gUniverseStats[UNIVERSE_SEASON_GAMES] = MAX_SEASON_GAMES;
    Apply_League_Rule(UNIVERSE_SEASON_GAMES, Get_Season_Games(Get_Season_Year()));
}

void Update_Wild_Card_Teams(void) {
    Apply_League_Rule(WILD_CARD_TEAMS, Get_Season_Wild_Card_Teams(Get_Season_Year()));
}

int Set_Overtime_Period_Length(void) {
    int nYear = Get_Season_Year();
    gOvertimePeriodLength = nYear <= 2016 ? 15 : 10;
    return nYear;
}

int Set_Missed_Field_Goal_Spot(void) {
    int nYear = Get_Season_Year();
    if (nYear < 1974)
        gMissedFieldGoalSpot = MISSED_FIELD_GOAL_AT_20;
    else if (nYear <= 1993)
        gMissedFieldGoalSpot = MISSED_FIELD_GOAL_AT_SCRIMMAGE;
    else
        gMissedFieldGoalSpot = MISSED_FIELD_GOAL_AT_KICK;
    return nYear;
}

void Set_Kickoff_Location(void) {
    int nYear = Get_Season_Year();
    if (nYear < 1974)
        gKickoffLocation = KICKOFF_FROM_40;
    else if (nYear <= 1993)
        gKickoffLocation = KICKOFF_FROM_35;
    else if (nYear <= 2010)
        gKickoffLocation = KICKOFF_FROM_30;
    else
        gKickoffLocation = KICKOFF_FROM_35;
}

void Set_Kickoff_Touchback_Line(void) {
    gKickoffTouchbackLine = Get_Season_Year() >= 2016 ? 1 : 0;
}

void Set_Extra_Point_Line(void) {
    gExtraPointLine = Get_Season_Year() >= 2015 ? 1 : 0;
}

void Set_Two_Point_Conversions(void) {
    gTwoPointConversions = Get_Season_Year() >= 1994 ? 1 : 0;
}

void Set_Overtime_Rules(void) {
    int nYear = Get_Season_Year();
    gOvertimeGames = nYear >= 1974 ? 1 : 0;
    gOvertimeRule = nYear >= 2013 ? OVERTIME_SIX_POINT_THRESHOLD : OVERTIME_SUDDEN_DEATH;
    gPlayoffOvertimeRule =
        nYear >= 2010 ? OVERTIME_SIX_POINT_THRESHOLD_NO_TIES : OVERTIME_SUDDEN_DEATH_NO_TIES;
}

int Apply_Season_Rules(void) {
    int nFirstYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR);
    int nYear = Get_Season_Year();
    if (gSeasonNumber == 0) {
        gSuperBowl = nFirstYear >= 1966;
        gNoSameDivisionDivisionalRound = nFirstYear < 1990;
    }
    // In other years these two keep what the League Editor set.
    if (nYear == 1966)
        gSuperBowl = 1;
    if (nYear == 1990)
        gNoSameDivisionDivisionalRound = 0;
    if (gSeasonNumber > 0) {
        Update_Salary_Cap();
        if (nYear == 1970)
            Swap_Leagues();
    }
    Update_Inflation_Factor();
    Set_Overtime_Rules();
    Set_Two_Point_Conversions();
    Set_Extra_Point_Line();
    Set_Overtime_Period_Length();
    Set_Kickoff_Touchback_Line();
    Set_Kickoff_Location();
    Set_Missed_Field_Goal_Spot();
    Update_Season_Games();
    Update_Wild_Card_Teams();
    Compute_League_Wealth_Index();
    return Compute_Weekly_League_Revenue();
}

// ---- players and teams --------------------------------------------------------------------------

static void Reset_Player_Career_Curve(int nTeam, int nSlot, int nYear) {
    int nPosition =
        Clamp(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), 0, POSITION_COUNT - 1);
    int nPrimeEnd = kPrimeEndAge[nPosition];
    int nQuarterbackYears = (nYear - QUARTERBACK_AGE_BASE_YEAR) / QUARTERBACK_AGE_YEARS_PER_STEP;
    if (nPosition == POS_QB && nQuarterbackYears >= 0)
        nPrimeEnd += nQuarterbackYears;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DECLINE_RATE, DEFAULT_CAREER_RATE);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_GROWTH_RATE, DEFAULT_CAREER_RATE);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START, DEFAULT_PRIME_START_AGE);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_END, nPrimeEnd);
}

void Reset_Player_Career_Curves(void) {
    int nYear = Get_Season_Year();
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (nTeam < LEAGUE_TEAM_COUNT && !Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                Reset_Player_Career_Curve(nTeam, nSlot, nYear);
        }
    }
}

int Set_All_Teams_Computer(void) {
    int nTeams = Count_Active_Teams();
    gActiveTeamCount = nTeams;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        Set_Team_Stat(nTeam, TEAM_CONTROL, nTeam < nTeams ? CONTROL_COMPUTER : CONTROL_NOT_IN_USE);
    return nTeams;
}
