// Reading a team's offensive plays. Team DEFAULT_PLAYBOOK, a team without playbooks and the fixed
// plays 54..59 read the built-in table; a play out of range reads as no play.
#include <string.h>

#include "engine/engine.h"

#define FIELD_GOAL_SPOT_YARDS 17
#define OLD_GOALPOST_SPOT_YARDS 7  // goalposts stood on the goal line before 1974
#define GOALPOSTS_MOVED_YEAR 1974

const OFFENSIVE_PLAY* Get_Offensive_Play(int nTeam, int nPlay) {
    if (nPlay < 0 || nPlay >= OFFENSIVE_PLAY_COUNT)
        return NULL;
    const OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
    if (pBook == NULL || nPlay >= TEAM_OFFENSIVE_PLAY_COUNT)
        return &gDefaultOffensivePlays[nPlay];
    return &pBook->aPlays[nPlay];
}

void Get_Offensive_Play_Name(int nTeam, int nPlay, char* st, int nSize) {
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    safe_strncpy(st, pPlay != NULL ? pPlay->szName : "", Min_Int(nSize, PLAY_NAME_SIZE));
}

// The field goal describes the kick of the live game.
void Get_Offensive_Play_Description(int nTeam, int nPlay, char* st, int nSize) {
    if (nSize < 1)
        return;
    st[0] = 0;
    if (nPlay == HARD_CODED_FIELD_GOAL_PLAY) {
        if (gLiveGame != NULL) {
            int nSpot = Get_Season_Year() < GOALPOSTS_MOVED_YEAR ? OLD_GOALPOST_SPOT_YARDS
                                                                 : FIELD_GOAL_SPOT_YARDS;
            Format_String(st, Min_Int(nSize, PLAY_DESCRIPTION_SIZE), "%d-Yard Field Goal Attempt",
                          gLiveGame->nYardLine + nSpot);
        }
        return;
    }
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    int nCopied = Min_Int(nSize, PLAY_DESCRIPTION_SIZE) - 1;
    if (pPlay != NULL)
        memcpy(st, pPlay->szDescription, (size_t)nCopied);
    st[nCopied] = 0;
}

// The low byte, signed; -1 for no play.
int Get_Offensive_Play_Formation(int nTeam, int nPlay) {
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    return pPlay != NULL ? (int8_t)(pPlay->nFormation & 0xFF) : -1;
}

int Get_Offensive_Play_Fake_Hole(int nTeam, int nPlay) {
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    return pPlay != NULL ? (pPlay->nFormation >> 8) & 0xFF : 0;
}

int Get_Offensive_Play_Type(int nTeam, int nPlay) {
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    return pPlay != NULL ? pPlay->nType : -1;
}

// 0 the quarterback, 1..5 receivers 0..4, -2 none.
int Get_Offensive_Play_Primary_Player(int nTeam, int nPlay) {
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    return pPlay != NULL ? pPlay->nPrimaryPlayer - 1 : -2;
}

int Get_Offensive_Play_Hole(int nTeam, int nPlay) {
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    return pPlay != NULL ? pPlay->nHole : -1;
}

int Get_Offensive_Play_Route(int nTeam, int nPlay, int nReceiver) {
    if (nReceiver < 0 || nReceiver >= PLAY_RECEIVERS) {
        Report_Error("Invalid nReceiver in Get_Offensive_Play_Route(%d, %d, [%d])", nTeam, nPlay,
                     nReceiver);
        return NO_ROUTE;
    }
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    return pPlay != NULL ? pPlay->anRoutes[nReceiver] : NO_ROUTE;
}

// Draws, inside and outside runs by the hole; passes by the depth of the primary receiver's route.
int Get_Offensive_Play_Depth_Class(int nTeam, int nPlay) {
    int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    if (nType == PLAY_DRAW)
        return CLASS_DRAW;
    if (Is_Run_Play(nTeam, nPlay))
        return Get_Offensive_Play_Hole(nTeam, nPlay) > 3 ? CLASS_OUTSIDE_RUN : CLASS_INSIDE_RUN;
    int nRoute =
        Get_Offensive_Play_Route(nTeam, nPlay, Get_Offensive_Play_Primary_Player(nTeam, nPlay) - 1);
    if (nRoute < 0 || nRoute >= PASS_ROUTE_COUNT)
        return CLASS_SHORT_PASS;
    int nDepth = Get_Route_Average_Depth(nRoute);
    if (nDepth <= 4)
        return CLASS_SHORT_PASS;
    return nDepth > 12 ? CLASS_LONG_PASS : CLASS_MEDIUM_PASS;
}

int Is_Run_Play(int nTeam, int nPlay) {
    int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    return (nType >= PLAY_DIVE && nType <= PLAY_END_AROUND) || nType == 10 || nType == 15 ||
           nType == 22;
}

static int Is_Pass_Type(int nType) {
    return (nType >= PLAY_PASS && nType <= 9) || (nType >= 11 && nType <= 14);
}

int Is_Pass_Play(int nTeam, int nPlay) {
    return Is_Pass_Type(Get_Offensive_Play_Type(nTeam, nPlay));
}

int Is_Rollout_Or_Option_Play(int nTeam, int nPlay) {
    int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    return nType == PLAY_ROLLOUT || nType == PLAY_OPTION;
}

int Is_Kneel_Down_Play(int nTeam, int nPlay) {
    return Get_Offensive_Play_Type(nTeam, nPlay) == PLAY_KNEEL;
}

// Only a team with playbooks defines plays.
int Is_Offensive_Play_Defined(int nTeam, int nPlay) {
    if (Get_Team_Offensive_Playbook(nTeam) == NULL)
        return 0;
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    return pPlay != NULL && pPlay->szName[0] != 0;
}

void Get_Offensive_Playbook_Description(int nTeam, char* st, int nSize) {
    const OFFENSIVE_PLAYBOOK* pBook = Get_Team_Offensive_Playbook(nTeam);
    safe_strncpy(st, pBook != NULL ? pBook->szDescription : "",
                 Min_Int(nSize, PLAYBOOK_DESCRIPTION_SIZE));
}

// The route of the play's primary receiver; NO_ROUTE when the primary is not a receiver.
int Get_Primary_Route(int nTeam, int nPlay) {
    int nReceiver = Get_Offensive_Play_Primary_Player(nTeam, nPlay) - 1;
    if (nReceiver < 0 || nReceiver >= PLAY_RECEIVERS)
        return NO_ROUTE;
    return Get_Offensive_Play_Route(nTeam, nPlay, nReceiver);
}

// The gain a play is designed for: runs by their hole and ball carrier, passes by the primary
// receiver's route.
int Get_Play_Yardage(int nTeam, int nPlay) {
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    int h = pPlay != NULL ? pPlay->nHole : -1;
    int m = h / 2;
    int nType = pPlay != NULL ? pPlay->nType : -1;
    switch (nType) {
    case PLAY_DIVE:
    case 10: {
        int nPrimary = pPlay->nPrimaryPlayer;
        int y = m + 1;
        if (nPrimary == 1)
            y = h > 3 ? m + 3 : m + 1;
        else if (nPrimary == 2)
            y = m + 3;
        else if (nPrimary == 3)
            y = m + 2;
        else if (nPrimary > 3)
            y = h < 8 ? m + 4 : m + 6;
        if (Offensive_Play_Has_Lead_Block(nTeam, nPlay))
            y -= 2;
        return Max_Int(y, 1);
    }
    case PLAY_PITCH:
    case PLAY_TRAP: return m + 3;
    case PLAY_SWEEP:
    case PLAY_END_AROUND: return m + 6;
    case PLAY_DRAW:
    case 15:
    case 22: return m + 9;
    case PLAY_PUNT:
    case PLAY_FIELD_GOAL: return -1;
    default: break;
    }
    if (Is_Pass_Type(nType)) {
        int v = Get_Route_Average_Depth(Get_Primary_Route(nTeam, nPlay));
        return v <= 0 ? v + 8 : v;
    }
    Report_Error("Unhandled nPlayType in Get_Play_Yardage()");
    return m + 1;
}

// Screens, swings, flares and the other throws that come out at once.
int Is_Quick_Pass_Play(int nTeam, int nPlay) {
    int nType = Get_Offensive_Play_Type(nTeam, nPlay);
    if (nType == 11 || nType == 12 || nType == 14)
        return 1;
    switch (Get_Primary_Route(nTeam, nPlay)) {
    case 11:
    case 12:
    case 13:
    case 27:
    case 33:
    case 34:
    case ROUTE_BACKFIELD_SCREEN: return 1;
    default: return 0;
    }
}
