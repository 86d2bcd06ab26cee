// What the play calls read of the two teams' playbooks that stays fixed while a game is played,
// worked out once per game (playbook_facts.cpp).
#pragma once

#include "engine/engine.h"

typedef struct OFFENSIVE_PLAY_FACTS {
    int bDrawable;     // named, and not the fixed kneel-down, punt or field goal
    int nClass;        // Get_Offensive_Play_Class of its type
    int nFormation;    // the formation's low byte, signed
    int nPrimarySpot;  // Get_Offensive_Play_Primary_Player
    int bHailMary;
    int nYardage;  // Get_Play_Yardage; worked out only for drawable runs, draws and passes
} OFFENSIVE_PLAY_FACTS;

typedef struct DEFENSIVE_PLAY_FACTS {
    int nFormation;
    int bDoubleTeam;  // Has_Double_Team_Role
} DEFENSIVE_PLAY_FACTS;

typedef struct PLAYBOOK_FACTS {
    int bInUse;  // the team has playbooks
    OFFENSIVE_PLAY_FACTS aOffence[OFFENSIVE_PLAY_COUNT];
    DEFENSIVE_PLAY_FACTS aDefence[DEFENSIVE_PLAY_COUNT];
} PLAYBOOK_FACTS;

// Begin_Game opens the facts for its game and closes them when it returns, so a playbook edited
// between games, or while a stopped game waits, is read anew.
void Open_Playbook_Facts(const GAME* pGame);
void Close_Playbook_Facts(void);

// The team's facts: kept for the open game's teams, else worked out into *pScratch.
const PLAYBOOK_FACTS* Get_Playbook_Facts(const GAME* pGame, int nTeam, PLAYBOOK_FACTS* pScratch);
