// The week loop and the season's progress.
#include "database/database.h"
#include "season/season.h"

#define CHAMPION_SLOT 30
#define LEAGUE_0_CHAMPION_SLOT 28

// The season is complete once the champion's bracket slot holds a team.
int Is_Season_Complete(void) {
    if (gCurrentWeek == 0 || gCurrentWeek == OFF_SEASON_WEEK || gCurrentWeek < gPostseasonWeeks[0])
        return 0;
    int nSlot = (gSuperBowl && Count_Active_Leagues() != 1) ? CHAMPION_SLOT : LEAGUE_0_CHAMPION_SLOT;
    return gPlayoffSlots[nSlot] != NO_TEAM;
}
