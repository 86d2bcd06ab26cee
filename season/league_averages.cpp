// League-wide averages of team figures.
#include "season/season.h"

#define ORDINARY_LEAGUE 1000

// Every league counts as an ordinary one.
// STAND-IN(season): the league's average cap room against the usual share, in thousandths.
int Get_League_Average_Team_Stat_Scaled(void) {
    return ORDINARY_LEAGUE;
}
