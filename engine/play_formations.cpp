// The two formations of the coming play and the 11 players each side puts on the field.
#include "engine/engine.h"

static int Get_Down_Flag(GAME* pGame) {
    return pGame->nFlags & GAME_FLAG_DOWN_MASK;
}

// Players out of the formation's lineup onto the field; a spot whose player left the team, or
// moved beyond the slots the game record lists, stays empty and touches no player record.
void Fill_On_Field_Players(GAME* pGame, int nSide) {
    if (pGame == NULL || (nSide != VISITOR_SIDE && nSide != HOME_SIDE))
        return;
    int nTeam = pGame->anTeams[nSide];
    int nFormation = pGame->anFormations[nSide];
    for (int nSpot = 0; nSpot < FORMATION_SPOTS; nSpot++) {
        PLAYER_REF nRef = Get_Formation_Lineup_Player(nFormation, nTeam, nSpot);
        int nSlot = nRef >> 8;
        if (nSlot >= GAME_ROSTER_SLOTS)
            nSlot = NO_SLOT_BYTE;
        pGame->aabOnField[nSide][nSpot] = (uint8_t)nSlot;
        if (nSlot != NO_SLOT_BYTE)
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_ON_FIELD, 1);
    }
}

// Pro Set against the defence's base front, with both sides on the field.
void Set_Default_Formations(GAME* pGame) {
    if (pGame == NULL)
        return;
    int nOffence = Get_Offensive_Side(pGame);
    int nDefence = Get_Defensive_Side(pGame);
    pGame->anFormations[nOffence] = FORMATION_PRO_SET;
    pGame->anFormations[nDefence] =
        Get_Team_Stat(pGame->anTeams[nDefence], TEAM_DEFENSIVE_SCHEME) == 1 ? FORMATION_3_4
                                                                            : FORMATION_4_3;
    Fill_On_Field_Players(pGame, VISITOR_SIDE);
    Fill_On_Field_Players(pGame, HOME_SIDE);
}

// The formations of the two calls: kickoffs by the kicking play; a kicked try lines up for the
// extra point against the block; a punt or a field goal from scrimmage meets its return or
// block unit; everything else takes the formations of the two plays.
void Set_Play_Formations(GAME* pGame) {
    if (pGame == NULL)
        return;
    int nOffenceSide = Get_Offensive_Side(pGame);
    int nDefenceSide = Get_Defensive_Side(pGame);
    int nOffence = pGame->anTeams[nOffenceSide];
    int nDefence = pGame->anTeams[nDefenceSide];
    int nCall = pGame->currentPlay.nOffensiveCall;
    int nDefensiveCall = pGame->currentPlay.nDefensiveCall;
    int nDown = Get_Down_Flag(pGame);
    int nOffenceFormation;
    int nDefenceFormation;
    if (nDown == KICKOFF || nDown == FREE_KICK) {
        nOffenceFormation = Get_Kicking_Play_Type(nCall) == PLAY_ONSIDE_KICK ? FORMATION_ONSIDE_KICK
                                                                             : FORMATION_KICKOFF;
        nDefenceFormation = FORMATION_KICKOFF_RETURN;
    } else if (nDown == CONVERSION_ATTEMPT &&
               Get_Offensive_Play_Type(nOffence, nCall) == PLAY_FIELD_GOAL) {
        nOffenceFormation = FORMATION_EXTRA_POINT;
        nDefenceFormation = FORMATION_FIELD_GOAL_BLOCK;
    } else {
        nOffenceFormation = Get_Offensive_Play_Formation(nOffence, nCall);
        int nType = Get_Offensive_Play_Type(nOffence, nCall);
        if (nDown != CONVERSION_ATTEMPT && nType == PLAY_PUNT)
            nDefenceFormation = FORMATION_PUNT_RETURN;
        else if (nDown != CONVERSION_ATTEMPT && nType == PLAY_FIELD_GOAL)
            nDefenceFormation = FORMATION_FIELD_GOAL_BLOCK;
        else
            nDefenceFormation = Get_Defensive_Play_Formation(nDefence, nDefensiveCall);
    }
    pGame->anFormations[nOffenceSide] = nOffenceFormation;
    pGame->anFormations[nDefenceSide] = nDefenceFormation;
}
