// Players leaving the game: a free agent past his years retires, and a retiring player may enter
// the Hall of Fame.
#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define QUOTA_EXTRA_YEARS 3  // a player his team still counts on plays three years longer
#define RETIREMENT_WORTH_MARGIN 2000
#define RETIREMENT_WORTH_PER_YEAR 1000

int Check_Free_Agent_Retirement(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    int nThreshold = Get_Position_Peak_Age(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    if (Is_Player_Within_Position_Quota(nTeam, nSlot))
        nThreshold += QUOTA_EXTRA_YEARS;
    int nAge = Get_Player_Age(nTeam, nSlot);
    if (nAge < nThreshold)
        return 0;
    int64_t nWorth = Get_Player_Worth(nTeam, nSlot);
    if (nWorth + RETIREMENT_WORTH_MARGIN >=
        (int64_t)(nAge - nThreshold) * RETIREMENT_WORTH_PER_YEAR)
        return 0;
    Retire_Player(nTeam, nSlot);
    return 1;
}

void Retire_Player(int nTeam, int nSlot) {
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    int nAge = Get_Player_Age(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PRIME_START,
                          nAge - Get_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE));
    int bInducted = Get_Hall_Of_Fame_Vote(nTeam, nSlot);

    if (nTeam == gUserTeam && !gAllTeamsComputer) {
        char szName[PLAYER_NAME_TEXT_SIZE];
        Get_Player_Full_Name(nTeam, nSlot, szName, sizeof szName);
        Show_Message_Box("Retiring Player", "%s is retiring from football at the age of %d.",
                         szName, nAge);
    }

    // The Hall of Fame's copy shares his season lines.
    if (bInducted)
        Remove_Player_Slot(nTeam, nSlot);
    else
        Delete_Player(nTeam, nSlot);
}
