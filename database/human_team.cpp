// Whether a person or the computer runs a team.
#include "database/database.h"

// A league team in use that a human runs, unless the computer runs every team.
int Is_Human_Team(int nTeam) {
    return Is_Team_Active(nTeam) && Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN &&
           !gAllTeamsComputer;
}

int Is_Computer_Team(int nTeam) {
    return Is_Team_Active(nTeam) &&
           (gAllTeamsComputer || Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_COMPUTER);
}

int Count_Human_Teams(void) {
    int nCount = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Human_Team(nTeam))
            nCount++;
    }
    return nCount;
}

int Has_Several_Human_Teams(void) {
    return Count_Human_Teams() > 1;
}
