// The team record's plain field accessors, its fixed labels, returners, backup and clearing.
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"

int gActiveTeamCount;

// Labels of the rosters that are not league teams: abbreviation and name.
static const char* const kPseudoTeamLabels[5][2] = {
    {"\x96", "Free Agent"}, {"HOF", "Hall Of Fame"}, {"\x96", "Undrafted"},
    {"\x96", "Undrafted"},  {"\x96", "Undrafted"},
};

static const char* const kDefensiveFormationNames[] = {"4-3", "3-4"};
static const char* const kOffensiveFormationNames[] = {"Traditional", "3 Wideouts", "2 Tight Ends",
                                                       "2 Running Backs"};

static int Is_Team_Record(int nTeam) {
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS;
}

// ---- strings -----------------------------------------------------------------------------------

void Get_Team_String(char* st, int nSize, int nTeam, int nString) {
    if (nTeam < 0) {
        Report_Error("Negative nTeam in Get_Team_String(st, [%d], %d)", nTeam, nString);
        safe_strncpy(st, "OUTOFRANGE", nSize);
        return;
    }
    if (nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam >= TOTAL_NUMBER_OF_TEAMS in Get_Team_String(st, [%d], %d)", nTeam,
                     nString);
        safe_strncpy(st, "OUTOFRANGE", nSize);
        return;
    }
    if (nString < 0 || nString >= TEAM_STRING_COUNT) {
        st[0] = 0;
        return;
    }
    if (nTeam >= FREE_AGENT_TEAM) {
        const char* szLabel =
            nString < 2 ? kPseudoTeamLabels[nTeam - FREE_AGENT_TEAM][nString] : "";
        safe_strncpy(st, szLabel, nSize);
        return;
    }
    safe_strncpy(st, gTeams[nTeam].aszStrings[nString], Min_Int(nSize, TEAM_STRING_SIZE));
}

void Set_Team_String(int nTeam, int nString, const char* st) {
    if (nTeam == NO_TEAM)
        return;
    if (!Is_Team_Record(nTeam)) {
        Report_Error("nTeam out of bounds in Set_Team_String()");
        return;
    }
    if (nString < 0 || nString >= TEAM_STRING_COUNT)
        return;
    safe_strncpy(gTeams[nTeam].aszStrings[nString], st, TEAM_STRING_SIZE);
}

void Get_Team_City_Name(char* st, int nSize, int nTeam) {
    Get_Team_String(st, nSize, nTeam, TEAM_CITY);
}

void Get_Team_Home_Location(char* st, int nSize, int nTeam) {
    Get_Team_String(st, nSize, nTeam, TEAM_HOME_LOCATION);
}

void Set_Team_City_Name(int nTeam, const char* st) {
    Set_Team_String(nTeam, TEAM_CITY, st);
}

void Set_Team_Nickname(int nTeam, const char* st) {
    Set_Team_String(nTeam, TEAM_NICKNAME, st);
}

void Set_Team_Home_Location(int nTeam, const char* st) {
    Set_Team_String(nTeam, TEAM_HOME_LOCATION, st);
}

// A team without a picture name of its own (an imported team has none) shows the picture named
// after its stadium, as the installation's pictures are.
void Get_Stadium_Picture_Name(char* st, int nSize, int nTeam) {
    char szStadium[TEAM_STRING_SIZE];
    Get_Team_String(szStadium, sizeof(szStadium), nTeam, TEAM_STADIUM_NAME);
    if (szStadium[0] == '\0')
        Get_Team_String(szStadium, sizeof(szStadium), nTeam, TEAM_HOME_LOCATION);
    Format_String(st, nSize, "stadiums\\%s.jpg", szStadium);
}

// ---- stats -------------------------------------------------------------------------------------

int Get_Team_Stat(int nTeam, int nStat) {
    if (!Is_Team_Record(nTeam) || nStat < 0 || nStat >= TEAM_STAT_COUNT)
        return 0;
    return gTeams[nTeam].anStats[nStat];
}

void Set_Team_Stat(int nTeam, int nStat, int nValue) {
    if (nTeam == NO_TEAM)
        return;
    if (!Is_Team_Record(nTeam)) {
        Report_Error("nTeam out of bounds in Set_Team_Stat(<%d>,%d,%d)", nTeam, nStat, nValue);
        return;
    }
    if (nStat < 0 || nStat >= TEAM_STAT_COUNT) {
        Report_Error("nStat out of bounds in Set_Team_Stat(<%d>,%d,%d)", nTeam, nStat, nValue);
        return;
    }
    gTeams[nTeam].anStats[nStat] = nValue;
}

int Get_Team_Stadium_Stat(int nTeam, int nStat) {
    if (!Is_Team_Record(nTeam) || nStat < 0 || nStat >= TEAM_STADIUM_STAT_COUNT) {
        Report_Error("nTeam out of bounds in Get_Team_Stadium_Stat(%d,%d)", nTeam, nStat);
        return 0;
    }
    return gTeams[nTeam].anStadiumStats[nStat];
}

void Set_Team_Stadium_Stat(int nTeam, int nStat, int nValue) {
    if (nTeam == NO_TEAM)
        return;
    if (nTeam < 0 || nTeam > FREE_AGENT_TEAM || nStat < 0 || nStat >= TEAM_STADIUM_STAT_COUNT) {
        Report_Error("nTeam out of bounds in Set_Team_Stadium_Stat(%d,%d,%d)", nTeam, nStat,
                     nValue);
        return;
    }
    gTeams[nTeam].anStadiumStats[nStat] = nValue;
}

int Get_Team_City_Stat(int nTeam, int nStat) {
    if (!Is_Team_Record(nTeam) || nStat < 0 || nStat >= CITY_STAT_COUNT)
        return 0;
    int nCity = gTeams[nTeam].anStats[TEAM_CITY_INDEX];
    if (nCity < 0 || nCity >= CITY_COUNT)
        return 0;
    return gCities[nCity].anStats[nStat];
}

void Set_All_Teams_Control(int nValue) {
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Set_Team_Stat(nTeam, TEAM_CONTROL, nValue);
}

// ---- returners ---------------------------------------------------------------------------------

int Is_Returning_Position(int nPosition) {
    return (nPosition >= POS_RB && nPosition <= POS_WR) || nPosition == POS_CB ||
           nPosition == POS_S;
}

void Set_Team_Returner(int nTeam, int nKind, int nSlot) {
    if (nTeam == NO_TEAM)
        return;
    if (!Is_Team_Record(nTeam)) {
        Report_Error("nTeam out of bounds in Set_Team_Returner(%d,%d,%d)", nTeam, nKind, nSlot);
        return;
    }
    if (nKind == KICK_RETURNER || nKind == PUNT_RETURNER)
        gTeams[nTeam].abReturners[nKind] = (uint8_t)nSlot;
}

uint8_t Get_Stored_Team_Returner(int nTeam, int nKind) {
    if (!Is_Team_Record(nTeam) || (nKind != KICK_RETURNER && nKind != PUNT_RETURNER))
        return NO_SLOT_BYTE;
    int nSlot = gTeams[nTeam].abReturners[nKind];
    if (nSlot < PLAYERS_PER_TEAM) {
        const PLAYER* pPlayer = &gTeams[nTeam].aPlayers[nSlot];
        if (Is_Returning_Position(pPlayer->anVitalStats[VITAL_POSITION]))
            return (uint8_t)nSlot;
    }
    return NO_SLOT_BYTE;
}

// ---- whole records -----------------------------------------------------------------------------

int Backup_Team_Structure(TEAM* pBuffer, int nTeam) {
    if (nTeam < 0)
        return Report_Error("Negative team in Backup_Team_Structure()"), 0;
    if (nTeam > FREE_AGENT_TEAM)
        return Report_Error("nTeam too large in Backup_Team_Structure()"), 0;
    memcpy(pBuffer, &gTeams[nTeam], sizeof(TEAM));
    return 1;
}

int Restore_Team_Structure(int nTeam, const TEAM* pBuffer) {
    if (nTeam < 0)
        return Report_Error("Negative team in Restore_Team_Structure()"), 0;
    if (nTeam > FREE_AGENT_TEAM)
        return Report_Error("nTeam too large in Restore_Team_Structure()"), 0;
    memcpy(&gTeams[nTeam], pBuffer, sizeof(TEAM));
    return 1;
}

void Clear_Team(int nTeam) {
    if (!Is_Team_Record(nTeam))
        return;
    memset(&gTeams[nTeam], 0, sizeof(TEAM));
    gTeams[nTeam].anStats[TEAM_CONTROL] = CONTROL_NOT_IN_USE;
}

void Clear_League_Teams(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        Clear_Team(nTeam);
}

void Clear_All_Teams(void) {
    memset(gTeams, 0, sizeof(gTeams));
}

void Clear_All_Team_Nicknames(void) {
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++)
        gTeams[nTeam].aszStrings[TEAM_NICKNAME][0] = 0;
}

// Plain sum of the int32 words of the team records and the city table that follows them.
uint32_t Get_Teams_And_Cities_Sum(void) {
    const uint8_t* pBytes = reinterpret_cast<const uint8_t*>(gTeams);
    const size_t nBytes = sizeof(gTeams) + sizeof(gCities);
    uint32_t uSum = 0;
    for (size_t i = 0; i < nBytes; i += 4) {
        uint32_t uWord;
        memcpy(&uWord, pBytes + i, 4);
        uSum += uWord;
    }
    return uSum;
}

// ---- scheme and formation names ----------------------------------------------------------------

static int Find_Name_Index(const char* const* pNames, int nCount, const char* szName) {
    for (int i = 0; i < nCount; i++) {
        if (strcasecmp(pNames[i], szName) == 0)
            return i;
    }
    return 0;
}

static void Copy_Name_At(const char* const* pNames, int nCount, int nIndex, char* szOut,
                         int nSize) {
    safe_strncpy(szOut, nIndex >= 0 && nIndex < nCount ? pNames[nIndex] : "", nSize);
}

int Get_Defensive_Formation_Index(const char* szName) {
    return Find_Name_Index(kDefensiveFormationNames, 2, szName);
}

int Get_Offensive_Formation_Index(const char* szName) {
    return Find_Name_Index(kOffensiveFormationNames, 4, szName);
}

void Set_Team_Defensive_Formation(int nTeam, const char* szName) {
    Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, Get_Defensive_Formation_Index(szName));
}

void Set_Team_Offensive_Formation(int nTeam, const char* szName) {
    Set_Team_Stat(nTeam, TEAM_OFFENSIVE_SYSTEM, Get_Offensive_Formation_Index(szName));
}

void Get_Defensive_Formation_Name(int nIndex, char* szOut, int nSize) {
    Copy_Name_At(kDefensiveFormationNames, 2, nIndex, szOut, nSize);
}

void Get_Offensive_Formation_Name(int nIndex, char* szOut, int nSize) {
    Copy_Name_At(kOffensiveFormationNames, 4, nIndex, szOut, nSize);
}
