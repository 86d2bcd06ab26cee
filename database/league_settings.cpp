// League-wide settings: the universe stats, the block head's shorts and texts, the league and
// division names.
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"

// ---- universe stats ----------------------------------------------------------------------------

// Reading the season-games entry also repairs it: more than 17 is written back as 17.
int Get_Universe_Stat(int nStat) {
    if (nStat < 0 || nStat >= UNIVERSE_STAT_COUNT)
        return 0;
    if (nStat == UNIVERSE_SEASON_GAMES && gUniverseStats[nStat] > MAX_SEASON_GAMES)
        gUniverseStats[nStat] = MAX_SEASON_GAMES;
    return gUniverseStats[nStat];
}

void Set_Universe_Stat(int nStat, int nValue) {
    if (nStat < 0 || nStat >= UNIVERSE_STAT_COUNT)
        return;
    if (nStat == WILD_CARD_TEAMS && nValue > MAX_WILD_CARD_TEAMS)
        Report_Error("nValue too high in Set_Universe_Stat(WILD_CARD_TEAMS, %d)", nValue);
    gUniverseStats[nStat] = nValue;
}

// The value scaled by one of the percentage settings: value x (100 + setting) / 100.
int Modify_For_Universe_Stat(int nValue, int nStat) {
    if (nStat < UNIVERSE_SALARY_DEMANDS || nStat > UNIVERSE_INJURY_SEVERITY)
        Report_Error("Invalid nStat in Modify_For_Universe_Stat()");
    return Mul_Div(nValue, 100 + Get_Universe_Stat(nStat), 100);
}

void Adjust_Trade_Goodwill(int nAmount) {
    int nGoodwill = gUniverseStats[UNIVERSE_TRADE_GOODWILL] + nAmount;
    gUniverseStats[UNIVERSE_TRADE_GOODWILL] =
        Clamp(nGoodwill, -TRADE_GOODWILL_LIMIT, TRADE_GOODWILL_LIMIT);
}

// ---- the block head ----------------------------------------------------------------------------

// The shorts from block offset 1,856 are read and written one entry at a time by index.
static char* Get_Head_Short_Address(int nIndex) {
    if (nIndex < 0 || nIndex >= HEAD_SHORT_COUNT)
        return NULL;
    return reinterpret_cast<char*>(&gSavedState) + HEAD_SHORTS_OFFSET + 2 * nIndex;
}

int Get_Head_Short(int nIndex) {
    const char* pShort = Get_Head_Short_Address(nIndex);
    int16_t nValue = 0;
    if (pShort)
        memcpy(&nValue, pShort, sizeof(nValue));
    return nValue;
}

void Set_Head_Short(int nIndex, int nValue) {
    char* pShort = Get_Head_Short_Address(nIndex);
    int16_t nShort = (int16_t)nValue;
    if (pShort)
        memcpy(pShort, &nShort, sizeof(nShort));
}

void Get_Database_Notes(char* szOut, int nSize) {
    safe_strncpy(szOut, gSavedState.szDatabaseNotes,
                 Min_Int(nSize, (int)sizeof(gSavedState.szDatabaseNotes)));
}

void Set_Database_Notes(const char* szText) {
    safe_strncpy(gSavedState.szDatabaseNotes, szText, sizeof(gSavedState.szDatabaseNotes));
}

void Get_Skin_Name(char* szOut, int nSize) {
    safe_strncpy(szOut, gSkinName, Min_Int(nSize, (int)sizeof(gSkinName)));
}

void Set_Skin_Name(const char* szText) {
    safe_strncpy(gSkinName, szText, sizeof(gSkinName));
}

void Get_Saved_Game_Name(char* szOut, int nSize) {
    safe_strncpy(szOut, gSavedState.szSavedGameName,
                 Min_Int(nSize, (int)sizeof(gSavedState.szSavedGameName)));
}

void Set_Saved_Game_Name(const char* szText) {
    safe_strncpy(gSavedState.szSavedGameName, szText, sizeof(gSavedState.szSavedGameName));
}

void Get_Manager_Name(char* szOut, int nSize) {
    safe_strncpy(szOut, gSavedState.szManagerName,
                 Min_Int(nSize, (int)sizeof(gSavedState.szManagerName)));
}

void Set_Manager_Name(const char* szText) {
    safe_strncpy(gSavedState.szManagerName, szText, sizeof(gSavedState.szManagerName));
}

// ---- league and division names -----------------------------------------------------------------

// Whether the index is below the count; otherwise reports the function's message with it.
static int Is_Name_Index(int nIndex, int nCount, const char* szFunction) {
    if (nIndex >= 0 && nIndex < nCount)
        return 1;
    Report_Error("Invalid %s(%d) call.", szFunction, nIndex);
    return 0;
}

void Get_League_Name(int nLeague, char* szOut, int nSize) {
    if (Is_Name_Index(nLeague, LEAGUE_COUNT, "Get_League_Name"))
        safe_strncpy(szOut, gLeagueNames[nLeague], Min_Int(nSize, LEAGUE_NAME_SIZE));
}

void Set_League_Abbreviation(int nLeague, const char* szText) {
    if (Is_Name_Index(nLeague, LEAGUE_COUNT, "Set_League_Abbreviation"))
        safe_strncpy(gLeagueNames[nLeague], szText, LEAGUE_NAME_SIZE);
}

int Find_League_By_Name(const char* szName) {
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        if (szName && strcasecmp(gLeagueNames[nLeague], szName) == 0)
            return nLeague;
    }
    return 0;
}

void Get_Division_Name(int nDivision, char* szOut, int nSize) {
    if (Is_Name_Index(nDivision, DIVISION_COUNT, "Get_Division_Name"))
        safe_strncpy(szOut, gDivisionNames[nDivision], Min_Int(nSize, DIVISION_NAME_SIZE));
}

void Set_Division_Name(int nDivision, const char* szText) {
    if (Is_Name_Index(nDivision, DIVISION_COUNT, "Set_Division_Name"))
        safe_strncpy(gDivisionNames[nDivision], szText, DIVISION_NAME_SIZE);
}

void Clear_Unused_League_Names(void) {
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        if (Count_League_Teams(nLeague) == 0)
            gLeagueNames[nLeague][0] = 0;
    }
    for (int nDivision = 0; nDivision < DIVISION_COUNT; nDivision++) {
        if (Count_Division_Teams(nDivision) == 0)
            gDivisionNames[nDivision][0] = 0;
    }
}

// Every team changes league (division + 4 mod 8), and the league names follow.
void Swap_Leagues(void) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int nDivision = Get_Team_Stat(nTeam, TEAM_DIVISION);
        Set_Team_Stat(nTeam, TEAM_DIVISION, (nDivision + 4) % DIVISION_COUNT);
    }
    char szName[LEAGUE_NAME_SIZE];
    memcpy(szName, gLeagueNames[0], LEAGUE_NAME_SIZE);
    memcpy(gLeagueNames[0], gLeagueNames[1], LEAGUE_NAME_SIZE);
    memcpy(gLeagueNames[1], szName, LEAGUE_NAME_SIZE);
}
