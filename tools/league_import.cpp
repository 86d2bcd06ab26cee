// The league frame of a built season: the two leagues with their divisions, and the teams with
// their names, stadiums, fans, ticket prices, divisions and cities.
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "tools/tools.h"

#define LEAGUE_FILE_FORMAT "input/stats/leagues/%d_league.csv"
#define TEAMS_FILE_FORMAT "input/stats/%d_%s.csv"
#define IMPORT_LINE_LIMIT TEXT_BUFFER_SIZE
#define PATH_BUFFER_SIZE 260
#define SHORTEST_TEAM_LINE 9  // lines of this length or shorter carry no team
#define MOST_IMPORTED_TEAMS 32
#define DIVISIONS_PER_LEAGUE 4

int Find_City_By_Name(const char* szName) {
    int nCities = Count_Cities();
    for (int nCity = 0; nCity < nCities; nCity++) {
        if (strcasecmp(gCities[nCity].szName, szName) == 0)
            return nCity;
    }
    return -1;
}

// ---- the league file ---------------------------------------------------------------------------

// One league line: the league's name, then the names of its four divisions.
static void Import_League_Line(int nLeague, char* szLine) {
    char szField[IMPORT_LINE_LIMIT];
    Pop_Field(szField, sizeof(szField), szLine, ',');
    Set_League_Abbreviation(nLeague, szField);
    for (int k = 0; k < DIVISIONS_PER_LEAGUE; k++) {
        Pop_Field(szField, sizeof(szField), szLine, ',');
        Set_Division_Name(nLeague * DIVISIONS_PER_LEAGUE + k, szField);
    }
}

void Import_League_File(void) {
    char szPath[PATH_BUFFER_SIZE];
    Format_String(szPath, sizeof(szPath), LEAGUE_FILE_FORMAT,
                  Get_Universe_Stat(UNIVERSE_FIRST_YEAR));
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (pFile == NULL) {
        Show_Message_Box("Read Error", "Unable to open %s. Please re-install Football Vanto.",
                         szPath);
        return;
    }
    char szLine[IMPORT_LINE_LIMIT];
    Skip_Line(pFile);
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        Read_Line_Limit(szPath, szLine, pFile, IMPORT_LINE_LIMIT);
        Import_League_Line(nLeague, szLine);
    }
    fclose(pFile);
}

// ---- the teams file ----------------------------------------------------------------------------

static int Get_Stadium_Structure_Code(const char* szText) {
    if (strcmp(szText, "CONVERTIBLE") == 0)
        return STADIUM_CONVERTIBLE;
    if (strcmp(szText, "DOMED") == 0)
        return STADIUM_DOMED;
    return STADIUM_OPEN;
}

// A carpet is artificial turf; everything else is grass.
static int Get_Stadium_Surface_Code(const char* szText) {
    return strcmp(szText, "CARPET") == 0 ? STADIUM_ARTIFICIAL_TURF : STADIUM_NATURAL_GRASS;
}

// The next field of a line of szPath as a whole number; a field that is not one is reported.
static int Pop_Number(const char* szPath, char* szField, int nSize, char* szLine) {
    Pop_Field(szField, nSize, szLine, ',');
    return Read_Int_Field(szPath, szField);
}

// The team's city from the city table, city 0 when the name is not there; the team takes the
// city's time zone.
static void Import_Team_City(int nTeam, const char* szName) {
    int nCity = Find_City_By_Name(szName);
    if (nCity < 0) {
        Show_Message_Box("Invalid City Name",
                         "Can't find '%s' among City Names. Using first city in list.", szName);
        nCity = 0;
    }
    Set_Team_Stat(nTeam, TEAM_CITY_INDEX, nCity);
    Set_Team_Stat(nTeam, TEAM_TIME_ZONE, Get_City_Stat(nCity, CITY_TIME_ZONE));
}

int Import_Team_Line(const char* szPath, FILE* pFile) {
    if (pFile == NULL) {
        Show_Message_Box("File Read Error", "I can't read from an input file!\n\nVanto Error #533");
        return 1;
    }
    char szLine[IMPORT_LINE_LIMIT] = "";
    int bEnd = Read_Line_Limit(szPath, szLine, pFile, IMPORT_LINE_LIMIT);
    if ((int)strlen(szLine) <= SHORTEST_TEAM_LINE)
        return bEnd;
    int nTeam = Count_Active_Teams();
    if (nTeam >= MOST_IMPORTED_TEAMS)
        return 1;

    char szField[IMPORT_LINE_LIMIT];
    Pop_Field(szField, sizeof(szField), szLine, ',');
    if (!isalpha((unsigned char)szField[0]))
        return bEnd;
    Set_Team_String(nTeam, TEAM_ABBREVIATION, szField);
    Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_COMPUTER);
    Set_Team_Financial_Stat(nTeam, FIN_CASH, Get_Base_Team_Cash());

    for (int nString = TEAM_CITY; nString <= TEAM_HOME_LOCATION; nString++) {
        Pop_Field(szField, sizeof(szField), szLine, ',');
        Set_Team_String(nTeam, nString, szField);
    }
    Set_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY,
                          Pop_Number(szPath, szField, sizeof(szField), szLine));
    Pop_Field(szField, sizeof(szField), szLine, ',');
    Set_Team_Stadium_Stat(nTeam, STADIUM_STRUCTURE, Get_Stadium_Structure_Code(szField));
    Pop_Field(szField, sizeof(szField), szLine, ',');
    Set_Team_Stadium_Stat(nTeam, STADIUM_SURFACE, Get_Stadium_Surface_Code(szField));
    for (int nStat = STADIUM_YEAR_BUILT; nStat <= STADIUM_SIGHT_LINES; nStat++)
        Set_Team_Stadium_Stat(nTeam, nStat, Pop_Number(szPath, szField, sizeof(szField), szLine));

    Set_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT,
                            Pop_Number(szPath, szField, sizeof(szField), szLine));
    int nTicketPrice = Pop_Number(szPath, szField, sizeof(szField), szLine);
    Set_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE,
                            Round_To_Price_Step(Apply_Inflation(nTicketPrice)));
    Set_Team_Stat(nTeam, TEAM_DIVISION, Pop_Number(szPath, szField, sizeof(szField), szLine));
    Pop_Field(szField, sizeof(szField), szLine, ',');
    Import_Team_City(nTeam, szField);
    int nStrength = Pop_Number(szPath, szField, sizeof(szField), szLine);
    if (nStrength > 0)
        Set_Team_Stat(nTeam, TEAM_IMPORT_STRENGTH, nStrength);
    return bEnd;
}

void Import_Teams_File(void) {
    char szPath[PATH_BUFFER_SIZE];
    Format_String(szPath, sizeof(szPath), TEAMS_FILE_FORMAT,
                  Get_Universe_Stat(UNIVERSE_FIRST_YEAR), "teams");
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (pFile == NULL) {
        Show_Message_Box("File Read Error",
                         "Can't open input file: %s\nPlease re-install Football Vanto.\n\n(Vanto "
                         "Error #535)",
                         szPath);
        return;
    }
    Skip_Line(pFile);
    while (!Import_Team_Line(szPath, pFile)) {
    }
    fclose(pFile);
}
