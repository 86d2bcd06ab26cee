// A unit's block of roster slots: its first player, its reserves and a move within it. A unit
// without players gets a created one at a random position of the unit in the first empty slot.
#include "database/database.h"
#include "personnel/personnel.h"

#define NEW_UNIT_PLAYER_QUALITY 1.1f

uint8_t Find_Or_Create_Team_Unit_Player(int nTeam, int nUnit) {
    int nEmptySlot;
    uint8_t nFirst = Find_Team_Unit_Player(nTeam, nUnit, &nEmptySlot);
    if (nFirst != NO_SLOT_BYTE || nEmptySlot < 0)
        return nFirst;
    Create_Player_Of_Quality(nTeam, nEmptySlot, NEW_UNIT_PLAYER_QUALITY, Draw_Unit_Position(nUnit));
    if (Get_Position_Unit(Get_Roster_Position(nTeam, nEmptySlot)) != nUnit)
        return NO_SLOT_BYTE;
    return (uint8_t)nEmptySlot;
}

// PLAYERS_PER_TEAM when the unit has no player.
int Get_Unit_First_Reserve_Slot(int nTeam, int nUnit) {
    uint8_t nFirst = Find_Or_Create_Team_Unit_Player(nTeam, nUnit);
    if (nFirst == NO_SLOT_BYTE)
        return PLAYERS_PER_TEAM;
    return nFirst + Get_Unit_Starter_Count(nUnit);
}

int Is_Unit_Reserve(int nTeam, int nSlot) {
    int nUnit = Get_Position_Unit(Get_Roster_Position(nTeam, nSlot));
    if (nUnit < 0)
        return 0;
    return nSlot >= Get_Unit_First_Reserve_Slot(nTeam, nUnit);
}

// Puts the player in slot nSlot at place nPlace of his unit's block of slots.
void Move_Player_Within_Unit(int nUnit, int nTeam, int nPlace, int nSlot) {
    uint8_t nFirst = Find_Or_Create_Team_Unit_Player(nTeam, nUnit);
    if (nFirst == NO_SLOT_BYTE)
        return;
    int nTarget = nFirst + nPlace;
    if (nTarget != nSlot && nTarget >= 0 && nTarget < PLAYERS_PER_TEAM)
        Swap_Players(nTeam, nSlot, nTeam, nTarget);
}

// Whether the player's slot lies among as many slots as his unit has starters, counted from the
// unit's first slot.
int Is_Player_In_Unit_Window(int nTeam, int nSlot) {
    if (nTeam < 0 || nTeam >= LEAGUE_TEAM_COUNT || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nUnit = Get_Player_Side(nTeam, nSlot);
    if (nUnit < 0)
        return 0;
    int nFirst = Find_Or_Create_Team_Unit_Player(nTeam, nUnit);
    return nSlot >= nFirst && nSlot < nFirst + Get_Unit_Starter_Count(nUnit);
}
