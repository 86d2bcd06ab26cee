// The random schedule: each week's teams paired greedily in random order, with draws weighted so
// that rivals meet more often, rematches and repeated venues are rare and home and away games stay
// close to even. From 1990 on the season has one week more than games, for every team's bye.
#include "core/core.h"
#include "database/database.h"
#include "season/season.h"

#define BYE_WEEK_YEAR 1990
#define SPLIT_LEAGUES_YEAR 1970
#define MAX_PAIRING_DRAWS 2000  // draws for one game, or one bye, before the attempt fails
#define MAX_HOME_REDRAWS 100
#define MAX_VISITOR_REDRAWS 10000
#define NO_WEEK (-1)

// The league's teams in use, in number order; a drawn team is one of them.
static int gDrawTeams[LEAGUE_TEAM_COUNT];
static int gDrawTeamCount;

static void Collect_Draw_Teams(void) {
    gDrawTeamCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            gDrawTeams[gDrawTeamCount++] = nTeam;
    }
}

static int Draw_Team(void) {
    if (gDrawTeamCount <= 0)
        return NO_TEAM;
    return gDrawTeams[Min_Int(Draw_Random(gDrawTeamCount), gDrawTeamCount - 1)];
}

static int Draw_Percent(void) {
    return Min_Int(Draw_Random(100), 99);
}

static int Get_Schedule_League(int nTeam) {
    return Is_Team_Active(nTeam) ? Get_Team_Division(nTeam) / 4 : -1;
}

int Is_Home_Team_Rejected(int nTeam) {
    int nHome = Count_Team_Home_Games(nTeam);
    int nAway = Count_Team_Away_Games(nTeam);
    if (nHome > nAway && Draw_Percent() < 70)
        return 1;
    if (nHome > nAway + 1 && Draw_Percent() < 80)
        return 1;
    return nHome > nAway + 2 && Draw_Percent() < 90;
}

int Is_Visitor_Rejected(int nTeam, int nHome) {
    int bOtherLeague = Get_Schedule_League(nTeam) != Get_Schedule_League(nHome);
    int bOtherDivision = Get_Team_Division(nTeam) != Get_Team_Division(nHome);
    int bMet = Count_Team_Games_Against(nTeam, nHome) > 0;
    int nHomeGames = Count_Team_Home_Games(nTeam);
    int nAwayGames = Count_Team_Away_Games(nTeam);
    if (bOtherLeague && Get_Season_Year() < SPLIT_LEAGUES_YEAR && Draw_Percent() < 85)
        return 1;
    if (bOtherLeague && Draw_Percent() < 75)
        return 1;
    if (bOtherLeague && bMet && Draw_Percent() < 95)
        return 1;
    if (bOtherDivision && Draw_Percent() < 66)
        return 1;
    if (bOtherDivision && bMet && Draw_Percent() < 95)
        return 1;
    if (nAwayGames > nHomeGames && Draw_Percent() < 70)
        return 1;
    if (nAwayGames > nHomeGames + 1 && Draw_Percent() < 80)
        return 1;
    if (nAwayGames > nHomeGames + 2 && Draw_Percent() < 90)
        return 1;
    return Count_Team_Away_Games_At(nTeam, nHome) > 0 && Draw_Percent() < 98;
}

int Pick_Home_Team(void) {
    Collect_Draw_Teams();
    int nTeam = Draw_Team();
    for (int n = 0; n < MAX_HOME_REDRAWS && Is_Home_Team_Rejected(nTeam); n++)
        nTeam = Draw_Team();
    return nTeam;
}

int Pick_Visiting_Team(int nHome) {
    Collect_Draw_Teams();
    int nTeam = Draw_Team();
    for (int n = 0; n < MAX_VISITOR_REDRAWS && Is_Visitor_Rejected(nTeam, nHome); n++)
        nTeam = Draw_Team();
    return nTeam;
}

static void Repaint_Main_Window(void) {
    Host_League_Changed(HOST_REDRAW_PAGE | HOST_REPAINT | HOST_REPAINT_NOW);
}

// A team free for a game of the week: in use, not paired yet and not on its bye.
static int Is_Team_Free(int nTeam, const int* anPaired, const int* anByeWeek, int nWeek) {
    return Is_Team_Active(nTeam) && !anPaired[nTeam] && anByeWeek[nTeam] != nWeek;
}

// The week's games, numbered 0, 1, ..; 0 when a game found no free pair of teams.
static int Fill_Random_Week(int nWeek, int nGames, const int* anByeWeek) {
    int anPaired[LEAGUE_TEAM_COUNT] = {};
    for (int nGame = 0; nGame < nGames; nGame++) {
        int nHome = NO_TEAM;
        for (int n = 0; nHome == NO_TEAM; n++) {
            if (n > MAX_PAIRING_DRAWS)
                return 0;
            int nDrawn = Pick_Home_Team();
            if (Is_Team_Free(nDrawn, anPaired, anByeWeek, nWeek))
                nHome = nDrawn;
        }
        int nVisitor = NO_TEAM;
        for (int n = 0; nVisitor == NO_TEAM; n++) {
            if (n > MAX_PAIRING_DRAWS)
                return 0;
            int nDrawn = Pick_Visiting_Team(nHome);
            if (nDrawn != nHome && Is_Team_Free(nDrawn, anPaired, anByeWeek, nWeek))
                nVisitor = nDrawn;
        }
        Schedule_Game(nHome, nVisitor, nWeek, nGame);
        Step_Progress_Window(1);
        anPaired[nHome] = anPaired[nVisitor] = 1;
    }
    Repaint_Main_Window();
    return 1;
}

// How many teams sit out each week of an odd league; 0 when the byes cannot all be given out
// (more byes than teams, or more weeks than the rows hold).
int Plan_Odd_League_Byes(int nTeams, int nWeeks, int* anByes) {
    if (nWeeks < 1 || nWeeks > SCHEDULE_WEEKS)
        return 0;
    int f = (nTeams - 1) / nWeeks;
    if (f % 2 == 1)
        f++;
    int b = f >= 1 ? (nTeams - nWeeks) / f : 0;
    int s = (nWeeks - b) / 2;
    int nTotal = 0;
    for (int k = 0; k < nWeeks; k++) {
        anByes[k] = (k >= s && k < s + b) ? f + 1 : 1;
        if (b == 0 && k == s - 1) {
            int t = f >= 1 ? (nTeams - nWeeks) % f : nTeams - nWeeks;
            anByes[k] = t < 1 ? f + 1 : t;
        }
        nTotal += anByes[k];
    }
    return nTotal <= nTeams;
}

// Every week's byes to teams drawn at random, one bye week a team.
static int Give_Out_Byes(int nWeeks, const int* anByes, int* anByeWeek) {
    for (int k = 0; k < nWeeks; k++) {
        for (int nBye = 0; nBye < anByes[k]; nBye++) {
            int nTeam = NO_TEAM;
            for (int n = 0; nTeam == NO_TEAM; n++) {
                if (n > MAX_PAIRING_DRAWS)
                    return 0;
                int nDrawn = Draw_Team();
                if (nDrawn != NO_TEAM && anByeWeek[nDrawn] == NO_WEEK)
                    nTeam = nDrawn;
            }
            anByeWeek[nTeam] = k;
        }
    }
    return 1;
}

int Generate_Random_Schedule(void) {
    Collect_Draw_Teams();
    int nTeams = gDrawTeamCount;
    int nGames = Get_Schedule_Games_Setting();
    int nWeeks = Get_Season_Year() < BYE_WEEK_YEAR ? nGames : nGames + 1;
    Clear_All_Schedules();
    if (nTeams < 2 || nGames < 1 || nWeeks > SCHEDULE_WEEKS)
        return 0;
    int anByeWeek[LEAGUE_TEAM_COUNT];
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        anByeWeek[nTeam] = NO_WEEK;
    int anByes[SCHEDULE_WEEKS] = {};
    int bOdd = nTeams % 2 == 1;
    if (bOdd && !Plan_Odd_League_Byes(nTeams, nWeeks, anByes))
        return 0;

    Open_Progress_Window("Generating Schedule", nTeams * nGames / 2);
    int bMade = 1;
    if (bOdd) {
        bMade = Give_Out_Byes(nWeeks, anByes, anByeWeek);
        for (int k = 0; bMade && k < nWeeks; k++)
            bMade = Fill_Random_Week(k, (nTeams - anByes[k]) / 2, anByeWeek);
    } else {
        for (int k = 0; bMade && k < nWeeks; k++) {
            if (nWeeks != nGames && k == nWeeks / 2)
                continue;  // the whole league's bye week
            bMade = Fill_Random_Week(k, nTeams / 2, anByeWeek);
        }
    }
    Close_Progress_Window();
    return bMade;
}
