// Team numbers from the texts outside files give: abbreviations (current and historic), labels,
// full names, nicknames.
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define TEAM_NAME_SIZE 80
#define ABBREVIATION_LIMIT 5  // an abbreviation this long or longer is no abbreviation
#define NAME_KEY_WORDS 3

// Former and current abbreviations of the real league the database follows, tried in order.
static const char* const kHistoricAbbreviations[][2] = {
    {"BAL", "IND"}, {"STL", "PHX"},  {"RAM", "STL"}, {"LARI", "OAK"}, {"CLE", "BAL"},
    {"HOU", "TEN"}, {"LA", "STL"},   {"LA", "LAR"},  {"STL", "LAR"},  {"LARM", "LAR"},
    {"LARM", "LA"}, {"LARM", "STL"}, {"RAM", "LA"},  {"SL", "STL"},   {"RAI", "OAK"},
    {"OAK", "LVR"}, {"CHIB", "CHI"}, {"BOS", "NE"},  {"NY", "NYG"},   {"CHIC", "STL"},
    {"CRD", "STL"}, {"STL", "ARI"},  {"ARZ", "ARI"}, {"PHX", "ARI"},  {"PHO", "ARI"},
    {"PHO", "PHX"}, {"NOR", "NO"},   {"NWE", "NE"},  {"GNB", "GB"},   {"SFO", "SF"},
    {"SDG", "SD"},  {"TAM", "TB"},   {"JAX", "JAC"}, {"KAN", "KC"},   {"CLV", "CLE"},
    {"HST", "HOU"}, {"BLT", "BAL"},  {"SD", "LAC"},  {"SDG", "LAC"},  {"CHH", "CRA"},
    {"BUF", "BBA"}, {"NYT", "NYJ"},
};

// Teams of another league that outside files list; their rows are to be ignored.
static const char* const kOtherLeagueAbbreviations[] = {
    "BCL", "BDA", "BOS", "BUF", "CHR", "CHH", "DTX", "LAD", "MIA", "NYY",
};

// Former team names and the names the league knows them by now.
static const char* const kHistoricNames[][2] = {
    {"Houston Oilers", "Tennessee Titans"},
    {"Tennessee Oilers", "Tennessee Titans"},
    {"Oilers", "Titans"},
    {"Washington Redskins", "Washington Football Team"},
    {"Redskins", "Football Team"},
};

#define COUNT_OF(a) ((int)(sizeof(a) / sizeof((a)[0])))

static int Find_Team_With_Abbreviation(const char* szAbbreviation) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        char szText[TEAM_NAME_SIZE];
        Get_Team_String(szText, sizeof szText, nTeam, TEAM_ABBREVIATION);
        if (strcmp(szText, szAbbreviation) == 0)
            return nTeam;
    }
    return NO_TEAM;
}

int Get_Team_From_Abbreviation(const char* szText, int bReport) {
    if (!szText || !szText[0] || strlen(szText) >= ABBREVIATION_LIMIT)
        return NO_TEAM;
    if (strcasecmp(szText, "FA") == 0 || strcasecmp(szText, "FREE AGENT") == 0 ||
        strcasecmp(szText, "FREE AGENTS") == 0)
        return FREE_AGENT_TEAM;
    int nTeam = Find_Team_With_Abbreviation(szText);
    if (nTeam != NO_TEAM)
        return nTeam;
    for (int n = 0; n < COUNT_OF(kHistoricAbbreviations); n++) {
        const char* szOld = kHistoricAbbreviations[n][0];
        const char* szNow = kHistoricAbbreviations[n][1];
        if (strcasecmp(szText, szOld) == 0)
            nTeam = Find_Team_With_Abbreviation(szNow);
        if (nTeam == NO_TEAM && strcasecmp(szText, szNow) == 0)
            nTeam = Find_Team_With_Abbreviation(szOld);
        if (nTeam != NO_TEAM)
            return nTeam;
    }
    for (int n = 0; n < COUNT_OF(kOtherLeagueAbbreviations); n++) {
        if (strcasecmp(szText, kOtherLeagueAbbreviations[n]) == 0)
            return OTHER_LEAGUE_TEAM;
    }
    if (bReport)
        Report_Error("Unrecognized Team Abbreviation: %s", szText);
    return NO_TEAM;
}

int Get_Team_From_Label(const char* szText) {
    if (!szText)
        return NO_TEAM;
    char szLabel[TEAM_NAME_SIZE];
    safe_strncpy(szLabel, szText, sizeof szLabel);
    for (char* p = szLabel; *p; p++) {
        if (*p == ',')
            *p = ' ';
    }
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        char szTeamLabel[TEAM_LABEL_SIZE];
        Get_Team_Label(nTeam, szTeamLabel, sizeof szTeamLabel);
        if (strcasecmp(szLabel, szTeamLabel) == 0)
            return nTeam;
    }
    return NO_TEAM;
}

// The word of a team name that holds the nickname: the third word, else the second, else the
// first; the words of the Washington team's name stand for its two-word nickname.
static void Get_Team_Name_Key(const char* szText, char* szKey, int nSize) {
    char szWords[NAME_KEY_WORDS][TEAM_NAME_SIZE] = {{0}};
    int nWords = 0;
    const char* p = szText;
    while (*p && nWords < NAME_KEY_WORDS) {
        while (*p == ' ')
            p++;
        int nLength = 0;
        while (p[nLength] && p[nLength] != ' ')
            nLength++;
        if (nLength == 0)
            break;
        int nCopy = nLength < TEAM_NAME_SIZE - 1 ? nLength : TEAM_NAME_SIZE - 1;
        memcpy(szWords[nWords], p, (size_t)nCopy);
        szWords[nWords][nCopy] = 0;
        nWords++;
        p += nLength;
    }
    safe_strncpy(szKey, nWords > 0 ? szWords[nWords - 1] : "", nSize);
    if (strcasecmp(szKey, "Washington") == 0 || strcasecmp(szKey, "Football") == 0 ||
        strcasecmp(szKey, "Team") == 0)
        safe_strncpy(szKey, "Football Team", nSize);
}

// The first active team whose nickname equals the text, ignoring case; NO_TEAM when none.
static int Find_Team_With_Nickname(const char* szText) {
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        char szNickname[TEAM_NAME_SIZE];
        Get_Team_String(szNickname, sizeof szNickname, nTeam, TEAM_NICKNAME);
        if (strcasecmp(szText, szNickname) == 0)
            return nTeam;
    }
    return NO_TEAM;
}

int Get_Team_From_Name(const char* szName) {
    if (!szName)
        return NO_TEAM;
    int nTeam = Get_Team_From_Label(szName);
    if (nTeam != NO_TEAM)
        return nTeam;
    if (strcasecmp(szName, "Free Agents") == 0)
        return FREE_AGENT_TEAM;
    if (strcasecmp(szName, "Retired") == 0)
        return RETIRED_TEAM;
    char szKey[TEAM_NAME_SIZE];
    Get_Team_Name_Key(szName, szKey, sizeof szKey);
    if (!szKey[0])
        return NO_TEAM;
    return Find_Team_With_Nickname(szKey);
}

int Get_Team_From_Historic_Name(const char* szName) {
    if (!szName)
        return NO_TEAM;
    const char* szLookup = szName;
    for (int n = 0; n < COUNT_OF(kHistoricNames); n++) {
        if (strcasecmp(szName, kHistoricNames[n][0]) == 0) {
            szLookup = kHistoricNames[n][1];
            break;
        }
    }
    int nTeam = Get_Team_From_Name(szLookup);
    if (nTeam == NO_TEAM && szName[0])
        Log_Debug_Line("Unrecognized Team Name: %s (%d)", szName, Get_Current_Season_Year());
    return nTeam;
}

int Get_Team_From_Text(const char* szText) {
    int nTeam = Get_Team_From_Abbreviation(szText, 0);
    if (nTeam != NO_TEAM)
        return nTeam;
    return Get_Team_From_Historic_Name(szText);
}

int Find_Team_By_Nickname(const char* szText) {
    if (!szText)
        return 0;
    int nTeam = Find_Team_With_Nickname(szText);
    return nTeam == NO_TEAM ? 0 : nTeam;
}

// "City,Nickname" or "City Nickname", any case; NO_TEAM when no team has that full name.
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
