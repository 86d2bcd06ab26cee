// Putting a game into the teams' schedule rows.
#include "core/core.h"
#include "database/database.h"

#define DEFAULT_KICKOFF 1300
#define SUNDAY 6

// Both rows of the game; every game kicks off on Sunday at 1:00 pm.
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
    if (Get_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT) != 0 ||
        Get_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT) != 0)
        return 0;
    Set_Team_Schedule_Stat(nHome, nWeek, SCHEDULE_OPPONENT, nVisitor + 1);
    Set_Team_Schedule_Stat(nVisitor, nWeek, SCHEDULE_OPPONENT, -1 - nHome);
    const int anTeams[2] = {nHome, nVisitor};
    for (int nTeam : anTeams) {
        Set_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_KICKOFF, DEFAULT_KICKOFF);
        Set_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_WEEKDAY, SUNDAY);
    }
    return 1;
}
