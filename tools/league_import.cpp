// The league frame of a built season: the two leagues with their divisions, and the teams with
// their names, stadiums, fans, ticket prices, divisions and cities.
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"
#include "tools/tools.h"

#define PATH_BUFFER_SIZE 260
#define SHORTEST_TEAM_LINE 9  // lines of this length or shorter carry no team
#define MOST_IMPORTED_TEAMS 32
#define DIVISIONS_PER_LEAGUE 4

// ---- the league file ---------------------------------------------------------------------------

// One league line: the league's name, then the names of its four divisions. A line without a
// league name changes nothing and gives 0.
static int Import_League_Line(int nLeague, char* szLine) {
    char szField[IMPORT_LINE_LIMIT];
    Pop_Field(szField, sizeof(szField), szLine, ',');
    if (szField[0] == 0)
        return 0;
    Set_League_Abbreviation(nLeague, szField);
    for (int k = 0; k < DIVISIONS_PER_LEAGUE; k++) {
        Pop_Field(szField, sizeof(szField), szLine, ',');
        Set_Division_Name(nLeague * DIVISIONS_PER_LEAGUE + k, szField);
    }
    return 1;
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
    int nImported = 0;
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        Read_Line_Limit(szPath, szLine, pFile, IMPORT_LINE_LIMIT);
        nImported += Import_League_Line(nLeague, szLine);
    }
    fclose(pFile);
    if (nImported == 0)
        Show_Message_Box("Read Error", "No league names in %s; the names are unchanged.", szPath);
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

// The whole-number columns of a team line, in file order, and the values each may hold: a team
// with a value outside them would make the finances overflow, so its line is skipped.
enum TEAM_NUMBER {
    NUMBER_CAPACITY,
    NUMBER_YEAR_BUILT,
    NUMBER_VALUE,
    NUMBER_CONVENIENCE,
    NUMBER_COMFORT,
    NUMBER_SIGHT_LINES,
    NUMBER_FAN_SUPPORT,
    NUMBER_TICKET_PRICE,
    NUMBER_DIVISION,
    TEAM_NUMBER_COUNT
};

typedef struct TEAM_NUMBER_RANGE {
    int nMin;
    int nMax;
} TEAM_NUMBER_RANGE;

static const TEAM_NUMBER_RANGE kTeamNumberRanges[TEAM_NUMBER_COUNT] = {
    {1, 200000},              // capacity
    {0, 9999},                // year built
    {0, INT32_MAX},           // value, dollars
    {0, 10000},               // convenience, per mille
    {0, 10000},               // comfort, per mille
    {0, 10000},               // sight lines, per mille
    {0, 10000},               // fan support, per mille
    {1, 100000},              // ticket price, cents
    {0, DIVISION_COUNT - 1},  // division
};
#define STRENGTH_LIMIT 10000  // per mille of the league average

// Pops a whole-number field within nMin..nMax; a bad one is logged with the team's abbreviation.
static int Pop_Team_Number(char* szLine, const char* szPath, const char* szTeam, int nMin, int nMax,
                           int* pValue) {
    char szField[IMPORT_LINE_LIMIT];
    Pop_Field(szField, sizeof(szField), szLine, ',');
    char szWhere[IMPORT_LINE_LIMIT];
    Format_String(szWhere, sizeof(szWhere), "%s, team %.20s", szPath, szTeam);
    return Read_Int_Field_In_Range(szWhere, szField, nMin, nMax, pValue);
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

// The fields of one team line, read before any of them is stored.
typedef struct TEAM_LINE {
    char aszStrings[TEAM_HOME_LOCATION + 1][IMPORT_LINE_LIMIT];
    char szStructure[IMPORT_LINE_LIMIT];
    char szSurface[IMPORT_LINE_LIMIT];
    char szCity[IMPORT_LINE_LIMIT];
    int anNumbers[TEAM_NUMBER_COUNT];
    int nStrength;
} TEAM_LINE;

// Pops the whole-number columns nFirst..nLast; 0 at the first bad one.
static int Pop_Team_Numbers(char* szLine, const char* szPath, TEAM_LINE* pTeam, int nFirst,
                            int nLast) {
    for (int nNumber = nFirst; nNumber <= nLast; nNumber++) {
        const TEAM_NUMBER_RANGE* pRange = &kTeamNumberRanges[nNumber];
        if (!Pop_Team_Number(szLine, szPath, pTeam->aszStrings[TEAM_ABBREVIATION], pRange->nMin,
                             pRange->nMax, &pTeam->anNumbers[nNumber]))
            return 0;
    }
    return 1;
}

// Splits the line after the abbreviation into its fields; 0 when a number is bad (logged), and
// the line makes no team.
static int Split_Team_Line(char* szLine, const char* szPath, TEAM_LINE* pTeam) {
    for (int nString = TEAM_CITY; nString <= TEAM_HOME_LOCATION; nString++)
        Pop_Field(pTeam->aszStrings[nString], sizeof(pTeam->aszStrings[nString]), szLine, ',');
    if (!Pop_Team_Numbers(szLine, szPath, pTeam, NUMBER_CAPACITY, NUMBER_CAPACITY))
        return 0;
    Pop_Field(pTeam->szStructure, sizeof(pTeam->szStructure), szLine, ',');
    Pop_Field(pTeam->szSurface, sizeof(pTeam->szSurface), szLine, ',');
    if (!Pop_Team_Numbers(szLine, szPath, pTeam, NUMBER_YEAR_BUILT, NUMBER_DIVISION))
        return 0;
    Pop_Field(pTeam->szCity, sizeof(pTeam->szCity), szLine, ',');
    // The strength target is optional: an empty or bad one means none.
    pTeam->nStrength = 0;
    if (szLine[0] != 0)
        Pop_Team_Number(szLine, szPath, pTeam->aszStrings[TEAM_ABBREVIATION], 0, STRENGTH_LIMIT,
                        &pTeam->nStrength);
    return 1;
}

static void Store_Team_Line(int nTeam, const TEAM_LINE* pTeam) {
    Set_Team_String(nTeam, TEAM_ABBREVIATION, pTeam->aszStrings[TEAM_ABBREVIATION]);
    Set_Team_Stat(nTeam, TEAM_CONTROL, CONTROL_COMPUTER);
    Set_Team_Financial_Stat(nTeam, FIN_CASH, Get_Base_Team_Cash());
    for (int nString = TEAM_CITY; nString <= TEAM_HOME_LOCATION; nString++)
        Set_Team_String(nTeam, nString, pTeam->aszStrings[nString]);

    const int* anNumbers = pTeam->anNumbers;
    Set_Team_Stadium_Stat(nTeam, STADIUM_CAPACITY, anNumbers[NUMBER_CAPACITY]);
    Set_Team_Stadium_Stat(nTeam, STADIUM_STRUCTURE, Get_Stadium_Structure_Code(pTeam->szStructure));
    Set_Team_Stadium_Stat(nTeam, STADIUM_SURFACE, Get_Stadium_Surface_Code(pTeam->szSurface));
    for (int nStat = STADIUM_YEAR_BUILT; nStat <= STADIUM_SIGHT_LINES; nStat++)
        Set_Team_Stadium_Stat(nTeam, nStat,
                              anNumbers[NUMBER_YEAR_BUILT + nStat - STADIUM_YEAR_BUILT]);
    Set_Team_Financial_Stat(nTeam, FIN_FAN_SUPPORT, anNumbers[NUMBER_FAN_SUPPORT]);
    Set_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE,
                            Round_To_Price_Step(Apply_Inflation(anNumbers[NUMBER_TICKET_PRICE])));
    Set_Team_Stat(nTeam, TEAM_DIVISION, anNumbers[NUMBER_DIVISION]);
    Import_Team_City(nTeam, pTeam->szCity);
    if (pTeam->nStrength > 0)
        Set_Team_Stat(nTeam, TEAM_IMPORT_STRENGTH, pTeam->nStrength);
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

    static TEAM_LINE team;
    char* szAbbreviation = team.aszStrings[TEAM_ABBREVIATION];
    Pop_Field(szAbbreviation, IMPORT_LINE_LIMIT, szLine, ',');
    if (!isalpha((unsigned char)szAbbreviation[0]))
        return bEnd;
    if (Split_Team_Line(szLine, szPath, &team))
        Store_Team_Line(nTeam, &team);
    return bEnd;
}

void Import_Teams_File(void) {
    char szPath[PATH_BUFFER_SIZE];
    Format_String(szPath, sizeof(szPath), TEAMS_FILE_FORMAT,
                  Get_Universe_Stat(UNIVERSE_FIRST_YEAR));
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
