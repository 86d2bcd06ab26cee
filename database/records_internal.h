// Helpers shared by the game-record, team-record and roster modules of the database.
#pragma once

#include "database/database.h"

// The position 0..14 of the player in a slot (a depth-chart role translated); -1 for an empty
// slot or one outside teams 0..40 and slots 0..99.
int Get_Roster_Position(int nTeam, int nSlot);

// A record whose two team bytes are different league teams.
int Is_Valid_Game_Record(const GAME* pGame);
