// Ratings rebuilt from a player's predicted grades.
#include "database/database.h"

// No grades are kept: nothing to answer from.
// STAND-IN(database): the rating as kept in the player's predicted grades.
float Get_Player_Base_Rating(int nTeam, int nSlot, int nRating) {
    (void)nTeam;
    (void)nSlot;
    (void)nRating;
    return 0.0f;
}
