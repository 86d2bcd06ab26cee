// League structure: team classes and grouping, counts, wild-card limits, the calendar, the draft
// tables, standings lookups and a few league-wide operations.
#include <limits.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"

#define FIRST_SCORING_YEAR 1951
#define LAST_SCORING_YEAR 2020

static const char* const kTimeZoneNames[] = {"Pacific", "Mountain", "Central", "Eastern"};
static const int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Points per team per game, 1951..2020.
static const float kScoringBase[LAST_SCORING_YEAR - FIRST_SCORING_YEAR + 1] = {
    22.9f, 21.9f, 22.3f, 21.5f, 21.9f, 20.8f, 20.4f, 19.8f, 22.6f, 21.3f, 21.6f, 21.5f,
    22.3f, 22.0f, 22.0f, 23.1f, 21.7f, 21.8f, 20.5f, 20.9f, 19.3f, 19.4f, 20.3f, 19.5f,
    18.2f, 20.6f, 19.2f, 17.2f, 18.3f, 20.1f, 20.5f, 20.7f, 20.2f, 21.8f, 21.2f, 21.5f,
    20.5f, 21.6f, 20.3f, 20.6f, 20.1f, 19.0f, 18.7f, 18.7f, 20.3f, 21.5f, 20.4f, 20.7f,
    21.3f, 20.8f, 20.7f, 20.2f, 21.7f, 20.8f, 21.5f, 20.6f, 20.7f, 21.7f, 22.0f, 21.5f,
    22.0f, 22.2f, 22.8f, 23.4f, 22.6f, 22.8f, 22.7f, 22.3f, 22.8f, 22.8f,
};

static const char* const kDefaultTeamAbbreviations[32] = {
    "ARZ", "ATL", "BAL", "BUF", "CAR", "CHI", "CIN", "CLE", "DAL", "DEN", "DET",
    "GB",  "HOU", "IND", "JAC", "KC",  "LA",  "MIA", "MIN", "NE",  "NO",  "NYG",
    "NYJ", "OAK", "PHI", "PIT", "SD",  "SF",  "SEA", "TB",  "TEN", "WAS",
};

// Wild-card limits by the number of divisions in a league (1..4).
static const int kMinWildCards[4] = {0, 0, 1, 0};
static const int kMaxWildCards[4] = {0, 0, 5, 4};

// ---- team classes ------------------------------------------------------------------------------

int Is_Free_Agent_Team(int nTeam) {
    return nTeam == FREE_AGENT_TEAM;
}

int Is_Hall_Of_Fame_Team(int nTeam) {
    return nTeam == HALL_OF_FAME_TEAM;
}

int Is_Draft_Pool_Team(int nTeam) {
    return nTeam >= FIRST_DRAFT_POOL_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
}

int Get_User_Team(void) {
    return Is_Valid_Team(gUserTeam) ? gUserTeam : 0;
}

void Set_User_Team(int nTeam) {
    gUserTeam = nTeam;
}

// ---- grouping ----------------------------------------------------------------------------------

// Whether more than n teams are in use; stops counting as soon as it knows.
static int Are_More_Teams_Active_Than(int n) {
    int nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        nCount += Is_Team_Active(nTeam);
        if (nCount > n)
            return 1;
    }
    return 0;
}

// A team numbered at or above the count of teams in use has no division.
int Get_Team_Division(int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return NO_TEAM;
    if (!Are_More_Teams_Active_Than(nTeam))
        return DIVISION_COUNT;
    return Get_Team_Stat(nTeam, TEAM_DIVISION);
}

int Get_Team_League(int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return -1;
    return Get_Team_Division(nTeam) / DIVISIONS_PER_LEAGUE;
}

int Get_Division_League(int nDivision) {
    return nDivision / DIVISIONS_PER_LEAGUE;
}

int Are_Teams_In_Same_Division(int nTeamA, int nTeamB) {
    return Get_Team_Division(nTeamA) == Get_Team_Division(nTeamB);
}

void Get_Team_Time_Zone_Name(int nTeam, char* szOut, int nSize) {
    int nZone = Clamp(Get_Team_Stat(nTeam, TEAM_TIME_ZONE), 0, 3);
    safe_strncpy(szOut, kTimeZoneNames[nZone], nSize);
}

// The n-th team, in team-number order, whose group (by the reader) equals nGroup.
static int Find_Nth_Team_In_Group(int (*pGroupOf)(int), int nGroup, int nCount, int n) {
    if (n >= nCount)
        return NO_TEAM;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam) && pGroupOf(nTeam) == nGroup && n-- == 0)
            return nTeam;
    }
    return NO_TEAM;
}

int Get_Nth_League_Team(int nLeague, int n) {
    return Find_Nth_Team_In_Group(Get_Team_League, nLeague, Count_League_Teams(nLeague), n);
}

int Get_Nth_Division_Team(int nDivision, int n) {
    return Find_Nth_Team_In_Group(Get_Team_Division, nDivision, Count_Division_Teams(nDivision), n);
}

// ---- counts ------------------------------------------------------------------------------------

int Count_Active_Teams(void) {
    int nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        nCount += Is_Team_Active(nTeam);
    return nCount;
}

int Count_Division_Teams(int nDivision) {
    int nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        nCount += Is_Team_Active(nTeam) && Get_Team_Stat(nTeam, TEAM_DIVISION) == nDivision;
    return nCount;
}

int Count_League_Teams(int nLeague) {
    int nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        nCount += Is_Team_Active(nTeam) && Get_Team_League(nTeam) == nLeague;
    return nCount;
}

int Count_League_Divisions(int nLeague) {
    int nCount = 0;
    for (int nDivision = nLeague * 4; nDivision < nLeague * 4 + 4; nDivision++)
        nCount += Count_Division_Teams(nDivision) > 0;
    return nCount;
}

int Count_Active_Leagues(void) {
    int nLeagues = 0;
    while (nLeagues < LEAGUE_COUNT && Count_League_Divisions(nLeagues) > 0)
        nLeagues++;
    return nLeagues;
}

int Get_Max_League_Team_Count(void) {
    return Max_Int(Count_League_Teams(0), Count_League_Teams(1));
}

int Get_Max_Division_Team_Count(void) {
    int nMax = 0;
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++)
        nMax = Max_Int(nMax, Count_Division_Teams(nDivision));
    return nMax;
}

// ---- wild cards --------------------------------------------------------------------------------

static int Get_League_Division_Index(int nLeague) {
    return Clamp(Count_League_Divisions(nLeague), 1, 4) - 1;
}

int Get_Min_Wild_Card_Teams(void) {
    int nMin = 1000;
    for (int nLeague = 0; nLeague < Count_Active_Leagues(); nLeague++)
        nMin = Min_Int(nMin, kMinWildCards[Get_League_Division_Index(nLeague)]);
    return nMin;
}

int Get_Max_Wild_Card_Teams(void) {
    int nMax = 0;
    for (int nLeague = 0; nLeague < Count_Active_Leagues(); nLeague++)
        nMax = Max_Int(nMax, kMaxWildCards[Get_League_Division_Index(nLeague)]);
    return nMax;
}

// ---- calendar ----------------------------------------------------------------------------------

int Get_Season_Year(void) {
    return Saturate_To_Int((int64_t)gUniverseStats[UNIVERSE_FIRST_YEAR] + gSeasonNumber);
}

int Get_Season_Number(void) {
    return gSeasonNumber;
}

int Get_Current_Week(void) {
    return gCurrentWeek;
}

int Get_Current_Day_Of_Year(void) {
    if (gCurrentWeek == OFF_SEASON_WEEK)
        return 104;
    return gCurrentWeek * 7 + 249;
}

int Get_Current_Month(void) {
    int nDay = Get_Current_Day_Of_Year() % 365;
    int nMonth = 0;
    while (nMonth < 11 && nDay >= kMonthLengths[nMonth])
        nDay -= kMonthLengths[nMonth++];
    return nMonth;
}

int Get_Current_Calendar_Year(void) {
    int nYear = Get_Season_Year();
    if (gCurrentWeek != OFF_SEASON_WEEK && Get_Current_Day_Of_Year() >= 365)
        nYear++;
    return nYear;
}

int Get_Postseason_Week(int n) {
    if (n < 0 || n >= POSTSEASON_WEEK_COUNT)
        return 0;
    return gPostseasonWeeks[n];
}

int Get_Regular_Season_Week_Count(void) {
    return Max_Int(2, gPostseasonWeeks[0]);
}

// The day taken modulo 365 into 0..364, so a negative day lands in the year as well.
static int Get_Day_Within_Year(int nDayOfYear) {
    int nDay = nDayOfYear % 365;
    return nDay < 0 ? nDay + 365 : nDay;
}

int Get_Month_Of_Day(int nDayOfYear) {
    int nDay = Get_Day_Within_Year(nDayOfYear);
    int nMonth = 0;
    while (nMonth < 12 && nDay >= kMonthLengths[nMonth])
        nDay -= kMonthLengths[nMonth++];
    return nMonth;
}

int Get_Day_Of_Month(int nDayOfYear) {
    int nDay = Get_Day_Within_Year(nDayOfYear);
    for (int nMonth = 0; nMonth < 12 && nDay >= kMonthLengths[nMonth]; nMonth++)
        nDay -= kMonthLengths[nMonth];
    return nDay;
}

int Get_Days_Before_Month(int nMonth) {
    int nDays = 0;
    for (int n = 0; n < nMonth && n < 12; n++)
        nDays += kMonthLengths[n];
    return nDays;
}

// ---- draft tables ------------------------------------------------------------------------------

int Is_College_Draft_On(void) {
    return gDraftRound >= 0 && gDraftRound < NO_DRAFT_ROUND;
}

static int Is_Draft_Pick_Index(int nYear, int nRound, int nColumn) {
    return nYear >= 0 && nYear < DRAFT_YEARS && nRound >= 0 && nRound < DRAFT_ROUNDS &&
           nColumn >= 0 && nColumn < DRAFT_COLUMNS;
}

int Get_Draft_Order_Team(int nPick) {
    if (nPick < 0 || nPick >= DRAFT_COLUMNS)
        return NO_TEAM;
    return gDraftOrder[nPick];
}

int Get_Draft_Pick_Owner(int nYear, int nRound, int nColumn) {
    if (!Is_Draft_Pick_Index(nYear, nRound, nColumn))
        return NO_TEAM;
    return gDraftPickOwners[nYear][nRound][nColumn];
}

void Set_Draft_Pick_Owner(int nYear, int nRound, int nColumn, int nTeam) {
    if (Is_Draft_Pick_Index(nYear, nRound, nColumn))
        gDraftPickOwners[nYear][nRound][nColumn] = (uint8_t)nTeam;
}

// The n-th (from 0) pick the team owns, in draft order; picks already made are skipped.
int Find_Team_Draft_Pick(int nTeam, int n, int* pYear, int* pRound, int* pColumn) {
    int bDraftOn = Is_College_Draft_On();
    int nPlaces = Min_Int(Count_Active_Teams(), DRAFT_COLUMNS);
    for (int nYear = 0; nYear < DRAFT_YEARS; nYear++) {
        for (int nRound = 0; nRound < DRAFT_ROUNDS; nRound++) {
            for (int nPlace = 0; nPlace < nPlaces; nPlace++) {
                if (bDraftOn && nYear == 0 &&
                    (nRound < gDraftRound || (nRound == gDraftRound && nPlace < gDraftPick)))
                    continue;
                int nColumn = gDraftOrder[nPlace];
                if (nColumn >= DRAFT_COLUMNS || gDraftPickOwners[nYear][nRound][nColumn] != nTeam)
                    continue;
                if (n-- > 0)
                    continue;
                *pYear = nYear;
                *pRound = nRound;
                *pColumn = nColumn;
                return 1;
            }
        }
    }
    return 0;
}

// ---- standings and results ---------------------------------------------------------------------

int Get_Division_Standings_Team(int nDivision, int nPlace) {
    if (nDivision < 0 || nDivision >= DIVISION_COUNT || nPlace < 0 || nPlace >= DIVISION_PLACES)
        return NO_TEAM;
    return gDivisionStandings[nDivision][nPlace];
}

int Find_Team_Division_Place(int nTeam, int* pDivision) {
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++) {
            if (gDivisionStandings[nDivision][nPlace] == nTeam) {
                *pDivision = nDivision;
                return nPlace;
            }
        }
    }
    return NO_TEAM;
}

int Get_Team_Division_Standing(int nTeam) {
    int nDivision;
    int nPlace = Find_Team_Division_Place(nTeam, &nDivision);
    if (nPlace == NO_TEAM)
        Report_Error("Team not found in Get_Team_Division_Standing()");
    return nPlace;
}

int Get_Playoff_Team(int nSlot) {
    if (nSlot < 0 || nSlot >= PLAYOFF_SLOT_COUNT) {
        Report_Error("Invalid playoff slot in Get_Playoff_Team(%d)", nSlot);
        return NO_TEAM;
    }
    return gPlayoffSlots[nSlot];
}

int Has_No_Magic_Number(int nTeam) {
    return Get_Team_Magic_Number(nTeam) == INT_MIN;
}

void Format_Team_Schedule_Record(int nTeam, int nWeeks, char* szOut, int nSize) {
    int nWins = Count_Team_Wins(nTeam, nWeeks);
    int nLosses = Count_Team_Losses(nTeam, nWeeks);
    int nTies = Count_Team_Ties(nTeam, nWeeks);
    if (nTies > 0)
        Format_String(szOut, nSize, "%d-%d-%d", nWins, nLosses, nTies);
    else
        Format_String(szOut, nSize, "%d-%d", nWins, nLosses);
}

GAME* Get_Game_Record(int n) {
    if (n < 0 || n >= GAME_COUNT)
        return NULL;
    return &gGames[n];
}

int Is_Game_Index_Used(int n) {
    const GAME* pGame = Get_Game_Record(n);
    return pGame != NULL && pGame->anInfo[0] > 0;
}

int Is_Stored_Game_Over(int n) {
    GAME* pGame = Get_Game_Record(n);
    return pGame != NULL && Is_Game_Over(pGame);
}

float Get_Season_Scoring_Base(void) {
    int nYear = Clamp(Get_Season_Year(), FIRST_SCORING_YEAR, LAST_SCORING_YEAR);
    return kScoringBase[nYear - FIRST_SCORING_YEAR];
}

void Get_Default_Team_Abbreviation(int nIndex, char* szOut, int nSize) {
    safe_strncpy(szOut, nIndex >= 0 && nIndex < 32 ? kDefaultTeamAbbreviations[nIndex] : "", nSize);
}

int Find_Drafted_Player(int nYear, int nOverallPick, int* pTeam, int* pSlot) {
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Player_Slot_Used(nTeam, nSlot))
                continue;
            int nRecord = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD);
            int nPick = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK);
            if (nRecord % DRAFT_RECORD_YEAR_FACTOR == nYear &&
                nPick % DRAFT_OVERALL_PICK_FACTOR == nOverallPick) {
                *pTeam = nTeam;
                *pSlot = nSlot;
                return 1;
            }
        }
    }
    return 0;
}
