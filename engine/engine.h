// Game simulation engine: one game from its set-up to its result. What other subsystems may call.
#pragma once

#include "database/database.h"

// ---- the play loop ------------------------------------------------------------------------------
int Is_Game_Over(GAME* pGame);

// ---- the game clock -----------------------------------------------------------------------------
int Get_Overtime_Period_Length(GAME* pGame);  // seconds

// ---- game set-up (game_setup.cpp) ---------------------------------------------------------------
void Set_Game_Lineups(GAME* pGame);

// ---- the stadium (stadium_rating.cpp) -----------------------------------------------------------
int Get_Team_Stadium_Rating(int nTeam);

// ---- default playbooks (default_playbooks.cpp) --------------------------------------------------
void Set_Team_Default_Playbook(int nTeam);
void Reset_All_Playbooks(void);  // playbook_reset.cpp
