// League-wide averages of team figures.
#include "season/season.h"

#define ORDINARY_LEAGUE 1000

// The teams' average cap room against the usual share of the cap; for now every league is an
// ordinary one.
int Get_League_Average_Team_Stat_Scaled(void) {
    return ORDINARY_LEAGUE;
}
