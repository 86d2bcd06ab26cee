// The teams' weekly schedule rows: checked field access, the queries built on the opponent code,
// clearing games, and the calendar's play-by-play flag, which only the home team's row keeps.
//
// Opponent code: 0 no game, visitor + 1 in the home team's row, -1 - home in the visitor's row.
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"

static int Is_Schedule_Team(int nTeam) {
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS;
}

static int Is_Schedule_Week(int nWeek) {
    return nWeek >= 0 && nWeek < SCHEDULE_WEEKS;
}

int Get_Team_Schedule_Stat(int nTeam, int nWeek, int nField) {
    if (!Is_Schedule_Team(nTeam)) {
        Log_Debug_Line("Invalid nTeam in Get_Team_Schedule_Stat(%d,%d,%d)", nTeam, nWeek, nField);
        return 0;
    }
    if (!Is_Schedule_Week(nWeek)) {
        Log_Debug_Line("Invalid nWeek in Get_Team_Schedule_Stat(%d,%d,%d)", nTeam, nWeek, nField);
        return 0;
    }
    if (nField < 0 || nField >= SCHEDULE_FIELDS)
        return 0;
    return gTeams[nTeam].aanSchedule[nWeek][nField];
}

void Set_Team_Schedule_Stat(int nTeam, int nWeek, int nField, int nValue) {
    if (!Is_Schedule_Team(nTeam)) {
        Log_Debug_Line("Invalid nTeam in Set_Team_Schedule_Stat(%d,%d,%d)", nTeam, nWeek, nField);
        return;
    }
    if (!Is_Schedule_Week(nWeek)) {
        Log_Debug_Line("Invalid nWeek in Set_Team_Schedule_Stat(%d,%d,%d,%d)", nTeam, nWeek, nField,
                       nValue);
        return;
    }
    if (nField >= 0 && nField < SCHEDULE_FIELDS)
        gTeams[nTeam].aanSchedule[nWeek][nField] = nValue;
}

// The opponent code of a week, 0 outside weeks 0..21 or teams 0..40.
static int Get_Opponent_Code(int nTeam, int nWeek) {
    if (!Is_Schedule_Team(nTeam) || !Is_Schedule_Week(nWeek))
        return 0;
    return gTeams[nTeam].aanSchedule[nWeek][SCHEDULE_OPPONENT];
}

int Get_Team_Home_Away(int nTeam, int nWeek) {
    if (!Is_Schedule_Week(nWeek))
        return 0;
    int nCode = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
    if (nCode > 0)
        return 1;
    return nCode < 0 ? 2 : 0;
}

int Get_Team_Opponent(int nTeam, int nWeek) {
    if (nWeek >= SCHEDULE_WEEKS)
        return NO_TEAM;
    int nCode = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
    return nCode == 0 ? NO_TEAM : abs(nCode) - 1;
}

// ---- counts over the regular weeks --------------------------------------------------------------

// Weeks 0..nWeeks - 1 whose opponent code passes the test against nValue.
static int Count_Weeks(int nTeam, int nWeeks, int (*pTest)(int nCode, int nValue), int nValue) {
    int nCount = 0;
    for (int nWeek = 0; nWeek < nWeeks && nWeek < SCHEDULE_WEEKS; nWeek++)
        nCount += pTest(Get_Opponent_Code(nTeam, nWeek), nValue);
    return nCount;
}

static int Is_Home_Code(int nCode, int nValue) {
    (void)nValue;
    return nCode > 0;
}

static int Is_Away_Code(int nCode, int nValue) {
    (void)nValue;
    return nCode < 0;
}

static int Is_Any_Game_Code(int nCode, int nValue) {
    (void)nValue;
    return nCode != 0;
}

static int Is_Code(int nCode, int nValue) {
    return nCode == nValue;
}

int Count_Team_Home_Games(int nTeam) {
    return Count_Weeks(nTeam, REGULAR_SCHEDULE_WEEKS, Is_Home_Code, 0);
}

int Count_Team_Away_Games(int nTeam) {
    return Count_Weeks(nTeam, REGULAR_SCHEDULE_WEEKS, Is_Away_Code, 0);
}

int Count_Team_Home_Games_Against(int nTeam, int nOther) {
    return Count_Weeks(nTeam, REGULAR_SCHEDULE_WEEKS, Is_Code, nOther + 1);
}

int Count_Team_Away_Games_At(int nTeam, int nOther) {
    return Count_Weeks(nTeam, REGULAR_SCHEDULE_WEEKS, Is_Code, -1 - nOther);
}

int Count_Team_Games_Against(int nTeam, int nOther) {
    return Count_Team_Home_Games_Against(nTeam, nOther) + Count_Team_Away_Games_At(nTeam, nOther);
}

int Count_Team_Weeks_With_Game(int nTeam, int nWeeks) {
    return Count_Weeks(nTeam, nWeeks, Is_Any_Game_Code, 0);
}

// ---- games of a week ----------------------------------------------------------------------------

int Game_Scheduled_Today(int nTeam, int nWeek) {
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT) {
        Report_Error("Invalid nTeam in Game_Scheduled_Today(%d,%d)", nTeam, nWeek);
        return 0;
    }
    if (!Is_Schedule_Week(nWeek)) {
        Report_Error("Invalid date in Game_Scheduled_Today(%d,%d)", nTeam, nWeek);
        return 0;
    }
    return Get_Opponent_Code(nTeam, nWeek) != 0;
}

static int Is_Schedulable_Team(int nTeam) {
    return nTeam >= 0 && nTeam <= FREE_AGENT_TEAM;
}

int Clear_Scheduled_Game(int nTeamA, int nTeamB, int nWeek) {
    if (!Is_Schedulable_Team(nTeamA) || !Is_Schedulable_Team(nTeamB)) {
        Report_Error("nTeam out of bounds in Clear_Scheduled_Game(%d,%d,%d)", nTeamA, nTeamB,
                     nWeek);
        return 0;
    }
    if (!Is_Schedule_Week(nWeek)) {
        Report_Error("Invalid date in Clear_Scheduled_Game(%d,%d,%d)", nTeamA, nTeamB, nWeek);
        return 0;
    }
    gTeams[nTeamA].aanSchedule[nWeek][SCHEDULE_OPPONENT] = 0;
    gTeams[nTeamB].aanSchedule[nWeek][SCHEDULE_OPPONENT] = 0;
    return 1;
}

// Every row becomes (0, 0, 0, -1, 0).
void Clear_Scheduled_Games(int nTeam) {
    if (!Is_Schedulable_Team(nTeam)) {
        Report_Error("nTeam out of bounds in Clear_Scheduled_Games(%d,%d,%d)", nTeam, 0,
                     SCHEDULE_WEEKS);
        return;
    }
    for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++) {
        int32_t* pRow = gTeams[nTeam].aanSchedule[nWeek];
        for (int nField = 0; nField < SCHEDULE_FIELDS; nField++)
            pRow[nField] = 0;
        pRow[SCHEDULE_GAME_INDEX] = NO_GAME_INDEX;
    }
}

// ---- the calendar's play-by-play flag ----------------------------------------------------------

int Get_Team_Raw_PBP_Flag(int nTeam, int nWeek) {
    if (!Is_Valid_Team(nTeam) || !Is_Schedule_Week(nWeek))
        return 0;
    return gTeams[nTeam].aanSchedule[nWeek][SCHEDULE_PLAY_BY_PLAY];
}

// The team whose row keeps the flag of the team's game of the week: the home team; -1 when the
// team has no game that week.
static int Get_PBP_Flag_Holder(int nTeam, int nWeek) {
    int nCode = Get_Opponent_Code(nTeam, nWeek);
    if (nCode > 0)
        return nTeam;
    return nCode < 0 ? -1 - nCode : -1;
}

int Get_Calendar_PBP_Flag(int nTeam, int nWeek) {
    int nHolder = Get_PBP_Flag_Holder(nTeam, nWeek);
    if (nHolder >= 0 && (Is_Team_Active(nHolder) || nHolder == FREE_AGENT_TEAM))
        return gTeams[nHolder].aanSchedule[nWeek][SCHEDULE_PLAY_BY_PLAY];
    if (nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM)
        return Get_Team_Raw_PBP_Flag(nTeam, nWeek);
    return 0;
}

void Set_Calendar_PBP_Flag(int nWeek, int nTeam, int nValue) {
    if (!Is_Schedulable_Team(nTeam))
        return;
    int nHolder = Get_PBP_Flag_Holder(nTeam, nWeek);
    if (Is_Schedule_Team(nHolder))
        gTeams[nHolder].aanSchedule[nWeek][SCHEDULE_PLAY_BY_PLAY] = nValue;
}

void Toggle_Calendar_PBP_Flag(int nTeam, int nWeek) {
    if (!Is_Schedule_Team(nTeam)) {
        Report_Error("Invalid nTeam in Toggle_Calendar_PBP_Flag(%d,%d)", nTeam, nWeek);
        return;
    }
    if (!Is_Schedule_Week(nWeek)) {
        Report_Error("Invalid nWeek in Toggle_Calendar_PBP_Flag(%d,%d)", nTeam, nWeek);
        return;
    }
    int nHolder = Get_PBP_Flag_Holder(nTeam, nWeek);
    if (!Is_Schedule_Team(nHolder))
        return;
    int nFlag = gTeams[nHolder].aanSchedule[nWeek][SCHEDULE_PLAY_BY_PLAY];
    Set_Calendar_PBP_Flag(nWeek, nTeam, nFlag == 0 ? 1 : 0);
}
