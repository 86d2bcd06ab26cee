// Standings and ranking.
#include <stdint.h>

#include "database/database.h"

// Leaves the division table as it stands.
// STAND-IN(database): ranks every team and rebuilds the division standings.
void Update_Standings(void) {}

// Nobody is eliminated and nobody has clinched.
// STAND-IN(database): the wins that clinch the division; the lowest int once eliminated.
int Get_Team_Magic_Number(int nTeam) {
    (void)nTeam;
    return 1;
}

#define ELIMINATED INT32_MIN
#define CONTENTION_RECORD 450

// STAND-IN(database): a team has clinched when its magic number is 0; the real test also asks
// that a team other than its division's leader be the league's best runner-up.
int Has_Team_Clinched(int nTeam) {
    return Get_Team_Magic_Number(nTeam) == 0;
}

// Every team is in it during the postseason; before, a team with a record of at least .450 that
// has neither clinched nor been eliminated.
int Is_Team_In_Contention(int nTeam) {
    if (gCurrentWeek >= gPostseasonWeeks[0])
        return 1;
    return Get_Team_Winning_Percentage(nTeam) >= CONTENTION_RECORD && !Has_Team_Clinched(nTeam) &&
           Get_Team_Magic_Number(nTeam) != ELIMINATED;
}
