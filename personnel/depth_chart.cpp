// The computer's depth charts and returners.

#include "database/database.h"
#include "personnel/personnel.h"

// The first player in slot order who plays a returning position; stored as the team's returner.
int Choose_Team_Returner(int nTeam, int nKind) {
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return NO_SLOT_BYTE;
    int nChoice = NO_SLOT_BYTE;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        const PLAYER* pPlayer = &gTeams[nTeam].aPlayers[nSlot];
        if (pPlayer->anVitalStats[0] != 0 &&
            Is_Returning_Position(pPlayer->anVitalStats[VITAL_POSITION])) {
            nChoice = nSlot;
            break;
        }
    }
    Set_Team_Returner(nTeam, nKind, nChoice);
    return nChoice;
}

void Fill_Depth_Chart_Unit(int nUnit, int nTeam, int bKeepInjured) {
    (void)nUnit;
    (void)nTeam;
    (void)bKeepInjured;
}

void Sort_Depth_Chart_Unit(int nTeam, int nUnit) {
    (void)nTeam;
    (void)nUnit;
}

void Set_All_Depth_Charts(int nFlag) {
    (void)nFlag;
}

// Stand-ins until the automatic depth chart is built: each returner by the plain choice above,
// and each unit's reserves as Sort_Depth_Chart_Unit leaves them.
void Choose_Team_Returners(int nTeam) {
    Choose_Team_Returner(nTeam, KICK_RETURNER);
    Choose_Team_Returner(nTeam, PUNT_RETURNER);
}

void Sort_Team_Roster_Units(int nTeam) {
    for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++)
        Sort_Depth_Chart_Unit(nTeam, nUnit);
}
