// How good a team's stadium is to visit: convenience and comfort count twice, sight lines once.
#include "database/database.h"

int Get_Team_Stadium_Rating(int nTeam) {
    return (Get_Team_Stadium_Stat(nTeam, STADIUM_SIGHT_LINES) +
            2 * (Get_Team_Stadium_Stat(nTeam, STADIUM_CONVENIENCE) +
                 Get_Team_Stadium_Stat(nTeam, STADIUM_COMFORT))) /
           5;
}
