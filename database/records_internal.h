// Helpers shared by the game-record, team-record and roster modules of the database.
#pragma once

#include "database/database.h"

// a x k / b rounded to the nearest, halves up; one lower when the exact quotient is negative and
// not whole. 0 when b is 0. The product is taken in 64 bits.
int Round_Ratio(int64_t a, int64_t b, int64_t k);

// A record whose two team bytes are different league teams.
int Is_Valid_Game_Record(const GAME* pGame);
