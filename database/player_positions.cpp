// Positions: depth-chart roles and the positions they stand for, position groups and sides,
// names, roster quotas and the small position predicates.
#include "core/core.h"
#include "database/database.h"
#include "database/player_internal.h"

// The position of each depth-chart role, ROLE_WR1 first.
static const int8_t kRolePositions[EXPANDED_POSITION_LIMIT - ROLE_WR1] = {
    POS_WR, POS_WR, POS_WR, POS_WR, POS_WR, POS_WR,  // WR1, WR2, SWR, RS, ST, OE
    POS_T,  POS_G,  POS_G,  POS_T,  POS_C,           // LT, LG, RG, RT, LS
    POS_DE, POS_DT, POS_DT, POS_DT, POS_DE,          // LDE, LDT, NT, RDT, RDE
    POS_LB, POS_LB, POS_LB, POS_LB, POS_LB, POS_LB, POS_LB, POS_CB, POS_CB, POS_CB,  // LCB, RCB, NB
    POS_S,  POS_S,                                                                   // SS, FS
};

// Group (skill players, linemen, defence, kickers) and side of each position.
static const int8_t kPositionGroups[POSITION_COUNT] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3};
static const int8_t kPositionSides[POSITION_COUNT] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2};

// Players of a position who count as the team's regular players, in slot order.
static const int kPositionQuotas[POSITION_COUNT] = {2, 3, 1, 3, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};

#define POSITION_FILTER_DEFENCE 16
#define POSITION_FILTER_LINEMEN 17

static int Get_Player_Position(int nTeam, int nSlot) {
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
}

// ---- roles, groups and sides -------------------------------------------------------------------

int Translate_Expanded_Position(int nCode) {
    if (nCode < ROLE_WR1)
        return nCode;
    if (nCode >= EXPANDED_POSITION_LIMIT) {
        Show_Message_Box("Unhandled Parameter",
                         "Unhandled nExpandedPosition in Translate_Expanded_Position([%d])", nCode);
        return -1;
    }
    return kRolePositions[nCode - ROLE_WR1];
}

int Is_Position_Code_Valid(int nCode) {
    return nCode >= 0 && nCode < POSITION_COUNT;
}

int Is_Expanded_Position_Valid(int nCode) {
    return nCode >= 0 && nCode < EXPANDED_POSITION_LIMIT;
}

// Roles count as their positions.
int Get_Position_Group(int nCode) {
    if (nCode >= ROLE_WR1 && nCode < EXPANDED_POSITION_LIMIT)
        nCode = Translate_Expanded_Position(nCode);
    return Is_Position_Code_Valid(nCode) ? kPositionGroups[nCode] : -1;
}

int Get_Position_Group_QB4(int nCode) {
    return nCode == POS_QB ? GROUP_QUARTERBACK : Get_Position_Group(nCode);
}

int Get_Player_Position_Group(int nTeam, int nSlot) {
    return Get_Position_Group_QB4(Get_Player_Position(nTeam, nSlot));
}

// Quarterbacks, and no player at all, count with the kickers.
int Get_Player_Position_Group_QB3(int nTeam, int nSlot) {
    if (nTeam == NO_TEAM || nSlot == NO_PLAYER)
        return GROUP_KICKERS;
    int nPosition = Get_Player_Position(nTeam, nSlot);
    return nPosition == POS_QB ? GROUP_KICKERS : Get_Position_Group(nPosition);
}

int Get_Position_Side(int nCode) {
    return Is_Position_Code_Valid(nCode) ? kPositionSides[nCode] : -1;
}

int Get_Player_Side(int nTeam, int nSlot) {
    return Get_Position_Side(Get_Player_Position(nTeam, nSlot));
}

int Is_Returner_Position(int nTeam, int nSlot) {
    return Is_Returning_Position(Get_Player_Position(nTeam, nSlot));
}

// The position filter a player matches besides his own position: all defence or all linemen.
int Get_Player_Position_Filter(int nTeam, int nSlot) {
    switch (Get_Position_Group(Get_Player_Position(nTeam, nSlot))) {
    case GROUP_DEFENCE: return POSITION_FILTER_DEFENCE;
    case GROUP_LINE: return POSITION_FILTER_LINEMEN;
    default: return -1;
    }
}

// ---- names -------------------------------------------------------------------------------------

int Get_Player_Position_Name(char* szOut, int nSize, int nTeam, int nSlot) {
    int nPosition = Get_Player_Position(nTeam, nSlot);
    if (szOut)
        Get_Position_Abbreviation(nPosition, szOut, nSize);
    return nPosition;
}

char* Get_Player_Position_Text(char* szOut, int nSize, int nTeam, int nSlot) {
    Get_Player_Position_Name(szOut, nSize, nTeam, nSlot);
    return szOut;
}

// ---- roster shape ------------------------------------------------------------------------------

// Whether the player is among the first players of his position, as many as the quota allows.
int Is_Player_Within_Position_Quota(int nTeam, int nSlot) {
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nPosition = Get_Player_Position(nTeam, nSlot);
    if (!Is_Position_Code_Valid(nPosition))
        return 0;
    int nCount = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; s++) {
        if (gTeams[nTeam].aPlayers[s].anVitalStats[VITAL_PLAYER_ID] != 0 &&
            Get_Player_Position(nTeam, s) == nPosition)
            nCount++;
        if (nCount > kPositionQuotas[nPosition])
            return 0;
        if (s == nSlot)
            return 1;
    }
    return 0;
}

// ---- predicates --------------------------------------------------------------------------------

int Is_Secondary_Position(int nCode) {
    return nCode == POS_CB || nCode == POS_S;
}

int Is_Player_Secondary_Position(int nTeam, int nSlot) {
    return Is_Secondary_Position(Get_Player_Position(nTeam, nSlot));
}

int Is_Offensive_Skill_Position(int nCode) {
    return nCode >= 0 && nCode <= POS_WR;
}

int Is_Player_Offensive_Skill_Position(int nTeam, int nSlot) {
    return Is_Offensive_Skill_Position(Get_Player_Position(nTeam, nSlot));
}

int Is_Player_Quarterback(int nTeam, int nSlot) {
    return Get_Player_Position(nTeam, nSlot) == POS_QB;
}
