// Formation names and the shotgun set.
#include "engine/engine.h"

// Special-teams formations have no name.
static const char* const kFormationNames[FORMATION_COUNT] = {
    "'I' Formation",
    "Strong 'I'",
    "Three-Back",
    "Pro Set",
    "Ace (Lone Setback)",
    "Spread",
    "'H-Back'",
    "Double Tight End",
    "Shotgun",
    "Shotgun Four",
    "Shotgun Five",
    "Shotgun Protect",
    "Shotgun Trips",
    "Trips",
    "Trips Strong",
    "Shotgun Bunch",
    "Five Wide",
    "Shotgun Two Tight Ends",
    "Pistol",
    "Shotgun [3rd Down]",
    "Goal Line",
    "Wildcat",
    "4-3",
    "4-3 [3rd Down]",
    "6-1",
    "3-4",
    "3-4 [3rd Down]",
    "3-4 Eagle",
    "5-2",
    "Forty-Six",
    "Nickel",
    "3-3-5",
    "33 Stack",
    "3-5-3",
    "Dime",
    "3-4 Dime",
    "Prevent",
    "4-4",
    "Goal Line",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
};

// A number out of range is taken as the nearest formation.
void Get_Formation_Name(int nFormation, char* st, int nSize) {
    nFormation = Clamp(nFormation, 0, LAST_FORMATION);
    safe_strncpy(st, kFormationNames[nFormation], nSize);
}

// No quarterback under centre.
int Is_Shotgun_Formation(int nFormation) {
    return (nFormation >= 8 && nFormation <= 12) || nFormation == 15 ||
           (nFormation >= 17 && nFormation <= 19) || nFormation == 21 ||
           (nFormation >= FORMATION_PUNT && nFormation <= FORMATION_EXTRA_POINT);
}
