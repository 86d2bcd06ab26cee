// The computer's depth charts and returners.

#include "database/database.h"
#include "engine/engine.h"
#include "personnel/personnel.h"

#define DEFENCE_UNIT 1

// The first player in slot order who plays a returning position; stored as the team's returner.
int Choose_Team_Returner(int nTeam, int nKind) {
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return NO_SLOT_BYTE;
    int nChoice = NO_SLOT_BYTE;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_PLAYER_ID) != 0 &&
            Is_Returning_Position(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION))) {
            nChoice = nSlot;
            break;
        }
    }
    Set_Team_Returner(nTeam, nKind, nChoice);
    return nChoice;
}

// STAND-IN(personnel): puts the best-scoring player at each starter spot of the unit.
void Fill_Depth_Chart_Unit(int nUnit, int nTeam, int bKeepInjured) {
    (void)nUnit;
    (void)nTeam;
    (void)bKeepInjured;
}

// STAND-IN(personnel): orders the unit's reserves by position, then by depth-chart score.
void Sort_Depth_Chart_Unit(int nTeam, int nUnit) {
    (void)nTeam;
    (void)nUnit;
}

// STAND-IN(personnel): automatic depth charts for every league team, stepping the progress window.
void Set_All_Depth_Charts(int nFlag) {
    (void)nFlag;
}

// A new scheme: the playbook is checked against it and the defence's depth chart rebuilt.
void Set_Team_Defensive_Scheme(int nTeam, int nScheme) {
    if (nScheme == Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME))
        return;
    Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, nScheme);
    Check_Defensive_Playbook_Scheme(nTeam);
    Fill_Depth_Chart_Unit(DEFENCE_UNIT, nTeam, 0);
    Sort_Depth_Chart_Unit(nTeam, DEFENCE_UNIT);
}

// Each returner by the plain choice above.
// STAND-IN(personnel): picks the best kick and punt returners.
void Choose_Team_Returners(int nTeam) {
    Choose_Team_Returner(nTeam, KICK_RETURNER);
    Choose_Team_Returner(nTeam, PUNT_RETURNER);
}

// Each unit's reserves as Sort_Depth_Chart_Unit leaves them.
// STAND-IN(personnel): sorts the reserves of all three units.
void Sort_Team_Roster_Units(int nTeam) {
    for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++)
        Sort_Depth_Chart_Unit(nTeam, nUnit);
}

#define OWN_POSITION_BONUS 5000
#define EMPTY_SLOT_SCORE (-2147483647)

// STAND-IN(personnel): the overall at the wanted position, plus a bonus at the player's own
// position, a tenth for an injured player; the real score weighs the rating value and how well
// the player's position switches to the wanted one.
int Get_Player_Depth_Chart_Score(int nTeam, int nSlot, int nPosition, int bKeepInjured) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return EMPTY_SLOT_SCORE;
    int nOwn = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nScore;
    if (nPosition >= POSITION_COUNT)
        nScore = Is_Returning_Position(nOwn) ? (int)Compute_Position_Rating(nTeam, nSlot, nOwn) : 0;
    else if (nOwn == nPosition)
        nScore = OWN_POSITION_BONUS + (int)Compute_Position_Rating(nTeam, nSlot, nPosition);
    else
        nScore = (int)Compute_Position_Rating(nTeam, nSlot, nPosition);
    if (!bKeepInjured && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) > 0)
        nScore = Mul_Div(nScore, 100, 1000);
    return nScore;
}
