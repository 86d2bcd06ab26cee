// Player helpers shared inside the database.
#pragma once

#include "database/database.h"

// The record of a slot; NULL outside teams 0..40 and slots 0..99.
PLAYER* Get_Player_Record(int nTeam, int nSlot);
// The record of an occupied slot of a team in use; NULL otherwise.
PLAYER* Get_Used_Player_Record(int nTeam, int nSlot);
// An empty record: zero bytes, no season lines.
void Empty_Player_Record(PLAYER* pPlayer);
// "first last" from the stored fields, no filling.
void Format_Stored_Full_Name(const PLAYER* pPlayer, char* szOut, int nSize);
