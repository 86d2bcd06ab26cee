// Player photos and team logos: the pictures that come with the installation under Input/Stats,
// copied under the names the pages ask for into Photos/Downloads and Logos/Downloads.
#include <string.h>
#include <strings.h>

#include "database/database.h"

#define PHOTO_PARENT "Photos"
#define PHOTO_FOLDER PHOTO_PARENT "/Downloads"
#define LOGO_PARENT "Logos"
#define LOGO_FOLDER LOGO_PARENT "/Downloads"
#define LAST_LOGO_YEAR 2021
#define LAST_HISTORICAL_YEAR 2020
#define FIRST_MERGED_LEAGUE_YEAR 1963
#define INSTALL_PATH_SIZE 160
#define PHOTO_PROGRESS_TEAMS 35

// The team keys of the pictures, by nickname, from 2021.
static const char* const kModernKeys[] = {
    "Cardinals", "Falcons", "Ravens",  "Bills",    "Panthers", "Bears",     "Bengals", "Browns",
    "Cowboys",   "Broncos", "Lions",   "Packers",  "Texans",   "Colts",     "Jaguars", "Chiefs",
    "Raiders",   "Chargers", "Rams",   "Dolphins", "Vikings",  "Patriots",  "Saints",  "Giants",
    "Jets",      "Eagles",  "Steelers", "49ers",   "Seahawks", "Buccaneers", "Titans", "Football Team"};
// Up to 2020 the Raiders come after the Jets.
static const char* const kHistoricalKeys[] = {
    "Cardinals", "Falcons",  "Ravens",  "Bills",    "Panthers", "Bears",      "Bengals", "Browns",
    "Cowboys",   "Broncos",  "Lions",   "Packers",  "Texans",   "Colts",      "Jaguars", "Chiefs",
    "Chargers",  "Rams",     "Dolphins", "Vikings", "Patriots", "Saints",     "Giants",  "Jets",
    "Raiders",   "Eagles",   "Steelers", "49ers",   "Seahawks", "Buccaneers", "Titans",  "Football Team"};
#define TEAM_KEY_COUNT (int)(sizeof kModernKeys / sizeof kModernKeys[0])

static int Find_Team_Key(const char* const* pKeys, const char* szNickname) {
    for (int nKey = 0; nKey < TEAM_KEY_COUNT; nKey++) {
        if (strcasecmp(pKeys[nKey], szNickname) == 0)
            return nKey;
    }
    return -1;
}

static int Read_Key_Nickname(int nTeam, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nTeam < 0 || nTeam > HALL_OF_FAME_TEAM)
        return 0;
    Get_Team_String(szOut, nSize, nTeam, TEAM_NICKNAME);
    return 1;
}

int Get_Modern_Team_Key(int nTeam) {
    char szNickname[TEAM_STRING_SIZE];
    if (!Read_Key_Nickname(nTeam, szNickname, sizeof szNickname))
        return -1;
    return Find_Team_Key(kModernKeys, szNickname);
}

int Get_Historical_Team_Key(int nTeam, int nYear) {
    char szNickname[TEAM_STRING_SIZE];
    if (!Read_Key_Nickname(nTeam, szNickname, sizeof szNickname))
        return -1;
    const char* szKey = szNickname;
    if (strcasecmp(szKey, "Oilers") == 0)
        szKey = "Titans";
    else if (strcasecmp(szKey, "Redskins") == 0)
        szKey = "Football Team";
    if (nYear < FIRST_MERGED_LEAGUE_YEAR) {
        if (strcasecmp(szKey, "Texans") == 0)
            szKey = "Chiefs";
        else if (strcasecmp(szKey, "Titans") == 0)
            szKey = "Jets";
    }
    return Find_Team_Key(kHistoricalKeys, szKey);
}

static int Get_Logo_Year(void) {
    int nYear = Get_Season_Year();
    return nYear < LAST_LOGO_YEAR ? nYear : LAST_LOGO_YEAR;
}

// The player's outside id as it names his picture files: only safe characters, so that an id
// read from a file never reaches another folder.
static int Get_Photo_Name(int nTeam, int nSlot, char* szOut, int nSize) {
    safe_strncpy(szOut, Get_Player_Ostrel_ID(nTeam, nSlot), nSize);
    Keep_Safe_File_Characters(szOut);
    return szOut[0] != 0;
}

int Get_Player_Photo_Path(int nTeam, int nSlot, char* szOut, int nSize) {
    szOut[0] = 0;
    char szName[PLAYER_OUTSIDE_ID_SIZE];
    if (!Get_Photo_Name(nTeam, nSlot, szName, sizeof szName))
        return 0;
    Format_String(szOut, nSize, PHOTO_FOLDER "/%s.jpg", szName);
    return 1;
}

void Install_Player_Photo(int nTeam, int nSlot) {
    char szName[PLAYER_OUTSIDE_ID_SIZE], szSource[INSTALL_PATH_SIZE], szCopy[INSTALL_PATH_SIZE];
    if (!Is_Player_Slot_Used(nTeam, nSlot) ||
        !Get_Player_Photo_Path(nTeam, nSlot, szCopy, sizeof szCopy))
        return;
    Get_Photo_Name(nTeam, nSlot, szName, sizeof szName);
    Format_String(szSource, sizeof szSource, "Input/Stats/Players/%s.dat", szName);
    if (!File_Exists(szSource))
        return;
    Platform_Make_Directory(PHOTO_PARENT);
    Platform_Make_Directory(PHOTO_FOLDER);
    Copy_File_If_Absent(szSource, szCopy);
}

// The logo's path; 1 when the team's abbreviation can name it.
static int Format_Team_Logo_Path(int nTeam, char* szOut, int nSize) {
    char szAbbreviation[TEAM_STRING_SIZE] = "";
    if (Is_Valid_Team(nTeam))
        Get_Team_String(szAbbreviation, sizeof szAbbreviation, nTeam, TEAM_ABBREVIATION);
    if (Has_Path_Parts(szAbbreviation))
        szAbbreviation[0] = 0;
    Format_String(szOut, nSize, LOGO_FOLDER "/%s-%d.png", szAbbreviation, Get_Logo_Year());
    return szAbbreviation[0] != 0;
}

int Get_Team_Logo_Path(int nTeam, char* szOut, int nSize) {
    return Format_Team_Logo_Path(nTeam, szOut, nSize) && File_Exists(szOut);
}

void Install_Team_Logo(int nTeam) {
    int nYear = Get_Logo_Year();
    int nKey = Get_Season_Year() > LAST_HISTORICAL_YEAR ? Get_Modern_Team_Key(nTeam)
                                                        : Get_Historical_Team_Key(nTeam, nYear);
    if (nKey < 0)
        return;
    char szSource[INSTALL_PATH_SIZE], szCopy[INSTALL_PATH_SIZE];
    if (!Format_Team_Logo_Path(nTeam, szCopy, sizeof szCopy))
        return;
    Format_String(szSource, sizeof szSource, "Input/Stats/Historical/%d%d.gz", nKey, nYear);
    Copy_File_If_Absent(szSource, szCopy);
}

void Install_Team_Logos(void) {
    Platform_Make_Directory(LOGO_PARENT);
    Platform_Make_Directory(LOGO_FOLDER);
    int nTeams = Count_Active_Teams();
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Install_Team_Logo(nTeam);
}

void Install_Player_Photos(void) {
    Platform_Make_Directory(PHOTO_PARENT);
    Platform_Make_Directory(PHOTO_FOLDER);
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (Is_Valid_Team(nTeam)) {
            for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
                Install_Player_Photo(nTeam, nSlot);
        }
        if (nTeam < PHOTO_PROGRESS_TEAMS)
            Step_Progress_Window(2);
    }
}
