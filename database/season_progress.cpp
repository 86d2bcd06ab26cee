// How far the season has gone.
#include "core/core.h"
#include "database/database.h"

#define CHAMPION_SLOT 30
#define LEAGUE_0_CHAMPION_SLOT 28

// Per mille of the regular season played, rounded; 0 before a schedule exists, 1000 from the
// first postseason week on.
int Get_Season_Progress(void) {
    int nWeeks = gPostseasonWeeks[0];
    if (nWeeks <= 0)
        return 0;
    return Min_Int((gCurrentWeek * 1000 + nWeeks / 2) / nWeeks, 1000);
}

// The season is complete once the champion's bracket slot holds a team.
int Is_Season_Complete(void) {
    if (gCurrentWeek == 0 || gCurrentWeek == OFF_SEASON_WEEK || gCurrentWeek < gPostseasonWeeks[0])
        return 0;
    int nSlot =
        (gSuperBowl && Count_Active_Leagues() != 1) ? CHAMPION_SLOT : LEAGUE_0_CHAMPION_SLOT;
    return gPlayoffSlots[nSlot] != NO_TEAM;
}
