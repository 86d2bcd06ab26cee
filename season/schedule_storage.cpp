// The season's games in the teams' schedule rows: putting a game in with its weekday and kickoff,
// clearing every row, and the calendar queries built on the rows.
#include <stdlib.h>

#include "core/core.h"
#include "database/database.h"
#include "season/season.h"

#define DEFAULT_KICKOFF 1300
#define LATE_KICKOFF 1630
#define WEEKDAY_SATURDAY 5
#define WEEKDAY_SUNDAY 6
#define FIRST_LATE_WEEK 17  // weeks from here on take no template
#define FULL_LEAGUE_TEAMS 32
#define SHORT_SEASON_GAMES 12  // seasons this short read the template's days two weeks on
#define SHORT_SEASON_WEEK_SHIFT 2
#define MATCHUP_SLOT_MODULUS 37
#define EARLY_PHASE_END 150
#define MIDDLE_PHASE_END 850

int Get_Schedule_Games_Setting(void) {
    int nGames = Get_Universe_Stat(UNIVERSE_SEASON_GAMES);
    if (nGames > MAX_SEASON_GAMES) {
        nGames = MAX_SEASON_GAMES;
        Set_Universe_Stat(UNIVERSE_SEASON_GAMES, nGames);
    }
    return nGames;
}

// The weekday and kickoff of a game by its week and its place in the week's source.
static void Get_Game_Day_And_Time(int nWeek, int nSlot, int* pWeekday, int* pKickoff) {
    if (nWeek >= FIRST_LATE_WEEK) {
        *pWeekday = (nWeek == FIRST_LATE_WEEK && (nSlot == 0 || nSlot == 1)) ? WEEKDAY_SATURDAY
                                                                             : WEEKDAY_SUNDAY;
        *pKickoff = nSlot % 2 == 0 ? LATE_KICKOFF : DEFAULT_KICKOFF;
        return;
    }
    if (Count_Active_Teams() < FULL_LEAGUE_TEAMS)
        nSlot = (nSlot + 2) % TEMPLATE_POSITIONS;
    int nDayWeek = nWeek;
    if (Get_Schedule_Games_Setting() <= SHORT_SEASON_GAMES)
        nDayWeek += SHORT_SEASON_WEEK_SHIFT;
    int nDay = Get_Schedule_Opponent(DAY_TIME_TEMPLATE, nDayWeek, nSlot, TEMPLATE_DAY);
    if (nDay <= 0) {
        *pWeekday = WEEKDAY_SUNDAY;
        *pKickoff = DEFAULT_KICKOFF;
        return;
    }
    *pWeekday = Get_Schedule_Day_Of_Week(nDay);
    *pKickoff = Get_Schedule_Opponent(DAY_TIME_TEMPLATE, nWeek, nSlot, TEMPLATE_KICKOFF);
}

int Schedule_Game(int nHome, int nVisitor, int nWeek, int nSlot) {
    if (nHome == NO_TEAM || nVisitor == NO_TEAM)
        return 0;
    if (!Is_Team_Active(nHome)) {
        Report_Error("Invalid TNUM in Schedule_Game([%d],%d,%d,%d)", nHome, nVisitor, nWeek, nSlot);
        return 0;
    }
    if (!Is_Team_Active(nVisitor)) {
        Report_Error("Invalid TNUM in Schedule_Game(%d,[%d],%d,%d)", nHome, nVisitor, nWeek, nSlot);
        return 0;
    }
    if (nWeek < 0 || nWeek >= SCHEDULE_WEEKS) {
        Report_Error("Invalid nWeek in Schedule_Game(%d,%d,%d,%d)", nHome, nVisitor, nWeek, nSlot);
        return 0;
    }
    // A team plays once a week; a game against itself would be two games in one row.
    if (nHome == nVisitor || Get_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT) != 0 ||
        Get_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT) != 0)
        return 0;
    int nWeekday = WEEKDAY_SUNDAY;
    int nKickoff = DEFAULT_KICKOFF;
    Get_Game_Day_And_Time(nWeek, nSlot, &nWeekday, &nKickoff);
    if (nWeekday < 0 || nWeekday > WEEKDAY_SUNDAY)
        nWeekday = WEEKDAY_SUNDAY;
    if (nKickoff == 0)
        nKickoff = DEFAULT_KICKOFF;
    Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT, nVisitor + 1);
    Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT, -1 - nHome);
    const int anTeams[2] = {nHome, nVisitor};
    for (int nTeam : anTeams) {
        Set_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_WEEKDAY, nWeekday);
        Set_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_KICKOFF, nKickoff);
    }
    return 1;
}

int Schedule_Matchup(int nVisitor, int nHome, int nWeek) {
    int nSlot = ((nVisitor * nHome) % MATCHUP_SLOT_MODULUS) % TEMPLATE_POSITIONS;
    return Schedule_Game(nHome, nVisitor, nWeek, nSlot);
}

// Every league team's rows, in use or not, so that no game of an earlier season survives in the
// rows of a team numbered above the count of active teams.
void Clear_All_Schedules(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        Clear_Scheduled_Games(nTeam);
}

static int Is_Week_Played_By_Any_Team(int nWeek) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam) && Game_Scheduled_Today(nTeam, nWeek))
            return 1;
    }
    return 0;
}

int Find_First_Postseason_Week(void) {
    for (int nWeek = SCHEDULE_WEEKS - 1; nWeek >= 0; nWeek--) {
        if (Is_Week_Played_By_Any_Team(nWeek))
            return nWeek + 1;
    }
    return 0;
}

int Get_First_Postseason_Week(void) {
    return Get_Postseason_Week(0);
}

int Get_Season_Phase(void) {
    int nProgress = Get_Season_Progress();
    if (nProgress < EARLY_PHASE_END)
        return SCHEDULE_PHASE_EARLY;
    return nProgress < MIDDLE_PHASE_END ? SCHEDULE_PHASE_MIDDLE : SCHEDULE_PHASE_LATE;
}

// Day 1 is a Friday.
int Get_Schedule_Day_Of_Week(int nDay) {
    return nDay > 0 ? (nDay + 3) % 7 : WEEKDAY_SUNDAY;
}

int Get_Last_Opponent(int nTeam, int nWeek) {
    if (nWeek >= SCHEDULE_WEEKS)
        nWeek = SCHEDULE_WEEKS - 1;  // weeks past the rows hold no game
    for (; nWeek >= 0; nWeek--) {
        int nCode = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_OPPONENT);
        if (nCode == 0)
            continue;
        int nOpponent = abs(nCode) - 1;
        if (Is_Valid_Team(nOpponent))
            return nOpponent;
    }
    return NO_TEAM;
}

int Is_First_Season_Or_Year(int nYear) {
    return Get_Season_Number() == 0 || nYear == Get_Season_Year();
}
