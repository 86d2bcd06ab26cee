// Derived player grades: rating-like grades, summaries and card-game values drawn from a
// player's statistics.
#include "database/database.h"
#include "database/player_stats_internal.h"

// No grade is computed yet.
int Get_Player_Grade_Stat(int nTeam, int nSlot, int nSeason, int nStat)
{
    (void)nTeam;
    (void)nSlot;
    (void)nSeason;
    (void)nStat;
    return 0;
}

int Get_Career_Reception_Rate(int nTeam, int nSlot)
{
    (void)nTeam;
    (void)nSlot;
    return 0;
}

// No blocking grade is computed yet: nobody counts as a run blocker.
int Get_Player_Run_Block_Grade(int nTeam, int nSlot)
{
    (void)nTeam;
    (void)nSlot;
    return 0;
}
