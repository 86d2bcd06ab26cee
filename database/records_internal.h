// Helpers shared by the game-record, team-record and roster modules of the database.
#pragma once

#include "database/database.h"

// a x k / b rounded to the nearest, halves up; one lower when the exact quotient is negative and
// not whole. 0 when b is 0. The product is taken in 64 bits.
int Round_Ratio(int64_t a, int64_t b, int64_t k);

// The position 0..14 of the player in a slot (a depth-chart role translated); -1 for an empty
// slot or one outside teams 0..40 and slots 0..99.
int Get_Roster_Position(int nTeam, int nSlot);

// A record whose two team bytes are different league teams.
int Is_Valid_Game_Record(const GAME* pGame);
