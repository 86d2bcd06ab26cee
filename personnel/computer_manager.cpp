// The computer manager's league-wide steps around each week: free-agent signings, roster upkeep
// and trades between computer teams.
#include "database/database.h"
#include "personnel/personnel.h"

// STAND-IN(personnel): fills every position of a computer-run team below its minimum with the
// best fitting free agent or a new player, then rebuilds its depth chart.
void Auto_Sign_Free_Agents(void) {}

// STAND-IN(personnel): signs free agents rated above 70 for computer-run teams, in pool order, as
// cap room and need allow.
void Distribute_Free_Agents(int nFlag) {
    (void)nFlag;
}

// STAND-IN(personnel): the weekly roster upkeep of computer-run teams: signings, holdouts,
// position minimums and up to three roster moves with new ticket prices.
void Manage_Computer_Rosters(void) {}

// STAND-IN(personnel): one trade attempt between two random computer-run teams, made only when
// both sides value it.
void Run_Computer_Trades(void) {}
