// Uniform numbers: a new player draws numbers usual for his position until one is free on his
// team.
#include "database/database.h"
#include "personnel/personnel.h"

#define UNIFORM_NUMBER_DRAWS 101

int Is_Uniform_Number_Taken(int nTeam, int nNumber) {
    if (!Is_Valid_Team(nTeam))
        return 0;
    for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Is_Player_Slot_Used(nTeam, nSlot) &&
            Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER) == nNumber)
            return 1;
    }
    return 0;
}

// Prospects get their numbers when they are drafted. After 101 taken draws the last one is kept.
void Assign_Uniform_Number(int nTeam, int nSlot) {
    if (Is_Draft_Pool_Team(nTeam))
        return;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    int nNumber = 0;
    for (int nDraw = 0; nDraw < UNIFORM_NUMBER_DRAWS; nDraw++) {
        nNumber = Draw_Uniform_Number(nPosition);
        if (!Is_Uniform_Number_Taken(nTeam, nNumber))
            break;
    }
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER, nNumber);
}
