// The 32 franchises of the card game and the helmet art named after them.
#include <strings.h>

#include "database/database.h"

#define FRANCHISE_ABBREVIATION_SIZE 8
#define FRANCHISE_BALTIMORE_MOVED 13  // the franchise that played as BAL before it moved
#define FRANCHISE_LOS_ANGELES 16
#define FRANCHISE_ARIZONA 0
#define FRANCHISE_UNKNOWN 26
#define BALTIMORE_LEFT_YEAR 1984
#define ST_LOUIS_LAST_YEAR 1987

static int Is_Abbreviation(const char* szAbbreviation, const char* szName) {
    return strcasecmp(szAbbreviation, szName) == 0;
}

// The moved franchises first; then the default team table; otherwise franchise 26.
int Get_Franchise_Index(const char* szAbbreviation) {
    if (!szAbbreviation)
        return FRANCHISE_UNKNOWN;
    int nYear = Get_Season_Year();
    if (Is_Abbreviation(szAbbreviation, "BAL") && nYear < BALTIMORE_LEFT_YEAR)
        return FRANCHISE_BALTIMORE_MOVED;
    if (Is_Abbreviation(szAbbreviation, "LAR") || Is_Abbreviation(szAbbreviation, "OAK"))
        return FRANCHISE_LOS_ANGELES;
    if ((Is_Abbreviation(szAbbreviation, "STL") && nYear <= ST_LOUIS_LAST_YEAR) ||
        Is_Abbreviation(szAbbreviation, "PHX"))
        return FRANCHISE_ARIZONA;
    for (int n = 0; n < FRANCHISE_COUNT; n++) {
        char szFranchise[FRANCHISE_ABBREVIATION_SIZE];
        Get_Default_Team_Abbreviation(n, szFranchise, sizeof(szFranchise));
        if (Is_Abbreviation(szAbbreviation, szFranchise))
            return n;
    }
    return FRANCHISE_UNKNOWN;
}

void Get_Helmet_Image_Path(char* szOut, int nSize, int nTeam, int bFacing) {
    char szAbbreviation[FRANCHISE_ABBREVIATION_SIZE * 4];
    Get_Team_String(szAbbreviation, sizeof(szAbbreviation), nTeam, TEAM_ABBREVIATION);
    Format_String(szOut, nSize, "Gridiron//Helmets//Helmet-%d%s.png",
                  Get_Franchise_Index(szAbbreviation), bFacing ? "a" : "");
}
