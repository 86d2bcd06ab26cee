// Contract renewal at the turn of the year.
#include "database/database.h"
#include "personnel/personnel.h"

#define STANDARD_CONTRACT_YEARS 4

// Every player wants a contract of the standard length.
// STAND-IN(personnel): the 1..7 years a player wants, by age and value.
int Get_Desired_Contract_Years(int nTeam, int nSlot) {
    return Is_Player_Slot_Used(nTeam, nSlot) ? STANDARD_CONTRACT_YEARS : 0;
}
