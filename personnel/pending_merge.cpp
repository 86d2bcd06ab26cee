// Roster-order and team-need functions the trade code calls, kept least until the depth-chart
// and team-needs modules join this branch; this file goes when they do.
#include "database/database.h"
#include "personnel/personnel.h"

const int POSITION_ROSTER_MINIMUMS[POSITION_COUNT] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};
const int POSITION_STARTERS[POSITION_COUNT] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};

// STAND-IN(personnel): the team's starter, depth and age needs against the league averages.
void Get_Team_Needs(int nTeam, TEAM_NEEDS needs) {
    (void)nTeam;
    for (int nKind = 0; nKind < NEED_KIND_COUNT; nKind++)
        for (int nPosition = 0; nPosition < POSITION_COUNT; nPosition++)
            needs[nKind][nPosition] = 1000;
}

// STAND-IN(personnel): the last starter of the position in the depth chart.
uint8_t Get_Position_Last_Starter(int nTeam, int nPosition) {
    if (!Is_Valid_Team(nTeam) || nPosition < 0 || nPosition >= POSITION_COUNT)
        return NO_SLOT_BYTE;
    return Get_Team_Position_Player(nTeam, nPosition, POSITION_STARTERS[nPosition] - 1);
}

// STAND-IN(personnel): the first backup of the position in the depth chart.
uint8_t Get_Position_First_Backup(int nTeam, int nPosition) {
    if (!Is_Valid_Team(nTeam) || nPosition < 0 || nPosition >= POSITION_COUNT)
        return NO_SLOT_BYTE;
    return Get_Team_Position_Player(nTeam, nPosition, POSITION_STARTERS[nPosition]);
}

// STAND-IN(personnel): groups the roster by unit, keeping the order within each unit.
void Sort_Roster_By_Position(int nTeam) {
    if (!Is_Valid_Team(nTeam))
        return;
    int nPlayers = Find_Free_Player_Slot(nTeam);
    for (int nPass = 0; nPass < nPlayers; nPass++) {
        for (int nSlot = 0; nSlot + 1 < nPlayers; nSlot++) {
            int nUnit = Get_Position_Unit(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
            int nNext = Get_Position_Unit(Get_Player_Vital_Stat(nTeam, nSlot + 1, VITAL_POSITION));
            if (nNext < nUnit)
                Swap_Players(nTeam, nSlot, nTeam, nSlot + 1);
        }
    }
}

// STAND-IN(personnel): the whole automatic depth chart of one league team.
void Set_Team_Depth_Chart(int nTeam) {
    if (!Is_Team_Active(nTeam))
        return;
    Trim_Roster(nTeam);
    Sort_Roster_By_Position(nTeam);
    for (int nUnit = 0; nUnit < UNIT_COUNT; nUnit++)
        Fill_Depth_Chart_Unit(nUnit, nTeam, 0);
    Choose_Team_Returners(nTeam);
    Sort_Team_Roster_Units(nTeam);
    Compact_Team_Roster(nTeam);
}
