// A team found by the name a file gives it.
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define TEAM_NAME_SIZE 80

// Commas read as blanks; any case.
int Find_Team_By_Full_Name(const char* szName) {
    if (!szName)
        return NO_TEAM;
    char szText[TEAM_NAME_SIZE];
    safe_strncpy(szText, szName, sizeof szText);
    for (char* p = szText; *p; p++) {
        if (*p == ',')
            *p = ' ';
    }
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        char szCity[TEAM_NAME_SIZE], szNickname[TEAM_NAME_SIZE], szFull[2 * TEAM_NAME_SIZE];
        Get_Team_String(szCity, sizeof szCity, nTeam, TEAM_CITY);
        Get_Team_String(szNickname, sizeof szNickname, nTeam, TEAM_NICKNAME);
        Format_String(szFull, sizeof szFull, "%s %s", szCity, szNickname);
        if (strcasecmp(szText, szFull) == 0)
            return nTeam;
    }
    return NO_TEAM;
}

// The full name, the nickname's last word, then the pseudo-teams; NO_TEAM when nothing matches.
// STAND-IN(personnel): also maps one former franchise name to its later one.
int Get_Team_From_Name(const char* szName) {
    if (!szName)
        return NO_TEAM;
    char szText[TEAM_NAME_SIZE];
    safe_strncpy(szText, szName, sizeof szText);
    for (char* p = szText; *p; p++) {
        if (*p == ',')
            *p = ' ';
    }
    int nFound = Find_Team_By_Full_Name(szText);
    if (nFound != NO_TEAM)
        return nFound;
    if (strcasecmp(szText, "Free Agents") == 0)
        return FREE_AGENT_TEAM;
    if (strcasecmp(szText, "Retired") == 0)
        return RETIRED_TEAM;
    const char* szLast = strrchr(szText, ' ');
    szLast = szLast ? szLast + 1 : szText;
    if (!szLast[0])
        return NO_TEAM;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        char szNickname[TEAM_NAME_SIZE];
        Get_Team_String(szNickname, sizeof szNickname, nTeam, TEAM_NICKNAME);
        if (strcasecmp(szLast, szNickname) == 0)
            return nTeam;
    }
    return NO_TEAM;
}
