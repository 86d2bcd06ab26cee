// Helpers shared by the game-record, team-record and roster modules of the database.
#pragma once

#include "database/database.h"

// A record whose two team bytes are different league teams.
int Is_Valid_Game_Record(const GAME* pGame);
