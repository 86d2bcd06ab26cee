// Least versions of the formation, line-up and playbook functions the game calls.
#include "engine/pending_13a.h"

#define PRO_SET_FORMATION 3
#define BASE_DEFENCE_FORMATION 22
#define KICKOFF_FORMATION 39
#define PUNT_FORMATION 41
#define FIELD_GOAL_FORMATION 42
#define EXTRA_POINT_FORMATION 43
#define KICKOFF_RETURN_FORMATION 44
#define PUNT_RETURN_FORMATION 46
#define FIELD_GOAL_BLOCK_FORMATION 47
#define PUNT_PLAY_TYPE 16
#define FIELD_GOAL_PLAY_TYPE 17

// STAND-IN(engine): fills every formation's 11 spots from the depth chart by the spot table.
int Fill_Team_Formation_Lineups(int nTeam, int nMode) {
    (void)nTeam;
    (void)nMode;
    return 0;
}

// STAND-IN(engine): puts the lineup of the side's formation on the field and marks the players.
void Fill_On_Field_Players(GAME* pGame, int nSide) {
    (void)pGame;
    (void)nSide;
}

// STAND-IN(engine): the formations of both calls from the playbooks.
void Set_Play_Formations(GAME* pGame) {
    int bOffence = Get_Offensive_Side(pGame);
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    int nCall = pGame->currentPlay.nOffensiveCall;
    int nOffence = PRO_SET_FORMATION;
    int nDefence = BASE_DEFENCE_FORMATION;
    if (nDown == KICKOFF || nDown == FREE_KICK) {
        nOffence = KICKOFF_FORMATION;
        nDefence = KICKOFF_RETURN_FORMATION;
    } else if (nCall == HARD_CODED_FIELD_GOAL_PLAY) {
        nOffence = nDown == CONVERSION_ATTEMPT ? EXTRA_POINT_FORMATION : FIELD_GOAL_FORMATION;
        nDefence = FIELD_GOAL_BLOCK_FORMATION;
    } else if (nCall == HARD_CODED_PUNT_PLAY) {
        nOffence = PUNT_FORMATION;
        nDefence = PUNT_RETURN_FORMATION;
    }
    pGame->anFormations[bOffence] = nOffence;
    pGame->anFormations[1 - bOffence] = nDefence;
}

// STAND-IN(engine): the base formations of both sides, then their players on the field.
void Set_Default_Formations(GAME* pGame) {
    int bOffence = Get_Offensive_Side(pGame);
    pGame->anFormations[bOffence] = PRO_SET_FORMATION;
    pGame->anFormations[1 - bOffence] = BASE_DEFENCE_FORMATION;
}

// STAND-IN(engine): goes for two by the score when the two-point rule is on.
int Decide_Two_Point_Try(GAME* pGame) {
    (void)pGame;
    return 0;
}

// STAND-IN(engine): asks a human offence "Go For Two?", else the computer's decision.
int Ask_Two_Point_Try(GAME* pGame) {
    return Decide_Two_Point_Try(pGame);
}

// STAND-IN(engine): backups take over once the game is decided.
int Should_Rest_Starters(GAME* pGame) {
    (void)pGame;
    return 0;
}

// STAND-IN(engine): counts the result of the called plays in both playbooks.
void Record_Play_Result_Counts(GAME* pGame) {
    (void)pGame;
}

// STAND-IN(engine): the play type of a team's offensive play.
int Get_Offensive_Play_Type(int nTeam, int nPlay) {
    (void)nTeam;
    if (nPlay == HARD_CODED_PUNT_PLAY)
        return PUNT_PLAY_TYPE;
    if (nPlay == HARD_CODED_FIELD_GOAL_PLAY)
        return FIELD_GOAL_PLAY_TYPE;
    return nPlay >= 0 && nPlay < 60 ? 0 : -1;
}

// STAND-IN(engine): the play type of a default kicking play.
int Get_Kicking_Play_Type(int n) {
    (void)n;
    return 18;
}

// STAND-IN(engine): the n-th player of a position on the team's depth chart.
int Get_Team_Position_Player_Checked(int nTeam, int nPosition, int n) {
    (void)nTeam;
    (void)nPosition;
    (void)n;
    return NO_PLAYER;
}
