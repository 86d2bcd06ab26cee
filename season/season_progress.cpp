// How far the regular season has gone.
#include "core/core.h"
#include "database/database.h"
#include "season/season.h"

// Per mille of the regular season played, rounded; 0 before a schedule exists, 1000 from the
// first postseason week on.
int Get_Season_Progress(void)
{
    int nWeeks = gPostseasonWeeks[0];
    if (nWeeks <= 0)
        return 0;
    return Min_Int((gCurrentWeek * 1000 + nWeeks / 2) / nWeeks, 1000);
}
