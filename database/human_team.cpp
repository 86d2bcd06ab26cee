// Whether a person runs a team.
#include "database/database.h"

// A league team in use that a human runs, unless the computer runs every team.
int Is_Human_Team(int nTeam) {
    return Is_Team_Active(nTeam) && Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN &&
           !gAllTeamsComputer;
}
