// The league's city table: records, sorting and the Cities.txt exchange.
#include <stdio.h>
#include <string.h>

#include "core/core.h"
#include "database/database.h"

static const int32_t kDefaultCityStats[CITY_STAT_COUNT] = {
    1000000, 2500000, 20000, 25000, 0, 114000, 42000, 3, 0, 0,
};

// What each city stat may hold when it comes from a file: the economy multiplies these, so larger
// values would overflow it.
typedef struct CITY_STAT_RANGE {
    int32_t nMin;
    int32_t nMax;
} CITY_STAT_RANGE;

#define CITY_PEOPLE_LIMIT 100000000
#define CITY_INCOME_LIMIT 1000000
static const CITY_STAT_RANGE kCityStatRanges[CITY_STAT_COUNT] = {
    {-CITY_PEOPLE_LIMIT, CITY_PEOPLE_LIMIT},  // city population
    {-CITY_PEOPLE_LIMIT, CITY_PEOPLE_LIMIT},  // region population
    {-CITY_PEOPLE_LIMIT, CITY_PEOPLE_LIMIT},  // growth per year
    {-CITY_INCOME_LIMIT, CITY_INCOME_LIMIT},  // per-capita income
    {-CITY_PEOPLE_LIMIT, CITY_PEOPLE_LIMIT},  // altitude
    {-CITY_PEOPLE_LIMIT, CITY_PEOPLE_LIMIT},  // longitude x 1000
    {-CITY_PEOPLE_LIMIT, CITY_PEOPLE_LIMIT},  // latitude x 1000
    {0, 3},                                   // time zone
    {-CITY_PEOPLE_LIMIT, CITY_PEOPLE_LIMIT},
    {-CITY_PEOPLE_LIMIT, CITY_PEOPLE_LIMIT},
};

// A decimal number with a fraction, truncated; 0 for what is not a number (which is reported). A
// value outside the stat's range is skipped (0) with a line in the debug log.
static int32_t Parse_City_Stat(const char* szPath, const char* szCity, int nStat,
                               const char* szField) {
    double fValue = Read_Decimal_Field(szPath, szField);
    const CITY_STAT_RANGE* pRange = &kCityStatRanges[nStat];
    if (!(fValue > pRange->nMin - 1.0 && fValue < pRange->nMax + 1.0)) {
        char szWhere[TEXT_BUFFER_SIZE];
        Format_String(szWhere, sizeof(szWhere), "%s, city %s, stat %d", szPath, szCity, nStat);
        Log_Skipped_Field(szWhere, szField, pRange->nMin, pRange->nMax);
        return 0;
    }
    return (int32_t)fValue;
}

static int Is_City_Index(int nCity) {
    return nCity >= 0 && nCity < CITY_COUNT;
}

// ---- fields ------------------------------------------------------------------------------------

void Set_City_Name(int nCity, const char* szText) {
    if (!Is_City_Index(nCity)) {
        Report_Error("Invalid nCity in Set_City_Name()");
        return;
    }
    safe_strncpy(gCities[nCity].szName, szText, CITY_NAME_SIZE);
}

void Set_City_Photo(int nCity, const char* szText) {
    if (!Is_City_Index(nCity)) {
        Report_Error("Invalid nCity in Set_City_Photo()");
        return;
    }
    safe_strncpy(gCities[nCity].szPhoto, szText, CITY_PHOTO_SIZE);
}

void Set_City_Stat(int nCity, int nStat, int nValue) {
    if (!Is_City_Index(nCity)) {
        Report_Error("Invalid nCity in Set_City_Stat()");
        return;
    }
    if (nStat < 0 || nStat >= CITY_STAT_COUNT) {
        Report_Error("Invalid nStat in Set_City_Stat()");
        return;
    }
    gCities[nCity].anStats[nStat] = nValue;
}

void Get_City_Name(int nCity, char* szOut, int nSize) {
    safe_strncpy(szOut, Is_City_Index(nCity) ? gCities[nCity].szName : "",
                 Min_Int(nSize, CITY_NAME_SIZE));
}

void Get_City_Photo(int nCity, char* szOut, int nSize) {
    safe_strncpy(szOut, Is_City_Index(nCity) ? gCities[nCity].szPhoto : "",
                 Min_Int(nSize, CITY_PHOTO_SIZE));
}

int Get_City_Stat(int nCity, int nStat) {
    if (!Is_City_Index(nCity) || nStat < 0 || nStat >= CITY_STAT_COUNT)
        return 0;
    return gCities[nCity].anStats[nStat];
}

int Is_City_Used(int nCity) {
    return Is_City_Index(nCity) && gCities[nCity].szName[0] != 0;
}

void Clear_City(int nCity) {
    if (Is_City_Index(nCity))
        memset(&gCities[nCity], 0, sizeof(CITY));
}

void Set_Default_City_Stats(int nCity) {
    for (int nStat = 0; nStat < CITY_STAT_COUNT; nStat++)
        Set_City_Stat(nCity, nStat, kDefaultCityStats[nStat]);
}

// ---- order -------------------------------------------------------------------------------------

// Exchanges two records; the teams and the editor's current city follow their cities.
void Swap_Cities(int nCityA, int nCityB) {
    if (!Is_City_Index(nCityA) || !Is_City_Index(nCityB) || nCityA == nCityB)
        return;
    CITY city = gCities[nCityA];
    gCities[nCityA] = gCities[nCityB];
    gCities[nCityB] = city;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        int nCity = Get_Team_Stat(nTeam, TEAM_CITY_INDEX);
        if (nCity == nCityA)
            Set_Team_Stat(nTeam, TEAM_CITY_INDEX, nCityB);
        else if (nCity == nCityB)
            Set_Team_Stat(nTeam, TEAM_CITY_INDEX, nCityA);
    }
    if (gCurrentCity == nCityA)
        gCurrentCity = nCityB;
    else if (gCurrentCity == nCityB)
        gCurrentCity = nCityA;
}

// Used records close up at the front in their order. An empty record only trades places with a
// used one, so an erased city (and the editor's current city with it) stops right after them.
void Compact_Cities(void) {
    for (int nPass = 0; nPass < CITY_COUNT; nPass++) {
        for (int nCity = 0; nCity + 1 < CITY_COUNT; nCity++) {
            if (!Is_City_Used(nCity) && Is_City_Used(nCity + 1))
                Swap_Cities(nCity, nCity + 1);
        }
    }
}

void Sort_Cities(void) {
    int nCities = Count_Cities();
    for (int nPass = 0; nPass < nCities; nPass++) {
        for (int nCity = 0; nCity + 1 < nCities; nCity++) {
            if (strcmp(gCities[nCity].szName, gCities[nCity + 1].szName) > 0)
                Swap_Cities(nCity, nCity + 1);
        }
    }
}

int Count_Cities(void) {
    int nCity = 0;
    while (nCity < CITY_COUNT && gCities[nCity].szName[0] != 0)
        nCity++;
    return nCity;
}

int Find_City_By_Name(const char* szName) {
    int nCities = Count_Cities();
    for (int nCity = 0; nCity < nCities; nCity++) {
        if (strcasecmp(gCities[nCity].szName, szName) == 0)
            return nCity;
    }
    return -1;
}

int Add_City(void) {
    int nCity = Count_Cities();
    if (nCity >= CITY_COUNT)
        return -1;
    Set_City_Name(nCity, "New City");
    Set_City_Photo(nCity, "Default");
    Set_Default_City_Stats(nCity);
    gCurrentCity = nCity;
    return nCity;
}

void Erase_City(void) {
    if (!Is_City_Index(gCurrentCity))
        return;
    Clear_City(gCurrentCity);
    Compact_Cities();
    if (gCurrentCity >= Count_Cities())
        gCurrentCity--;
}

// ---- Cities.txt --------------------------------------------------------------------------------

static int Ask_City_File_Question(const char* szFormat, const char* szCaption) {
    char szText[TEXT_BUFFER_SIZE];
    Format_String(szText, sizeof(szText), szFormat, CITIES_FILE_NAME);
    return Do_Message_Box(szText, szCaption, MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

void Export_Cities_File(void) {
    if (!Ask_City_File_Question("Do you want to export the current cities to the file \"%s\"?",
                                "Confirm City Export"))
        return;
    FILE* pFile = Platform_Open_File(CITIES_FILE_NAME, "wt");
    if (pFile == NULL)
        return;
    int nCities = Count_Cities();
    for (int nCity = 0; nCity < nCities; nCity++) {
        fputs(gCities[nCity].szName, pFile);
        for (int nStat = 0; nStat < CITY_STAT_COUNT; nStat++)
            fprintf(pFile, ",%d", gCities[nCity].anStats[nStat]);
        fputc('\n', pFile);
    }
    fclose(pFile);
    Show_Message_Box("City Export Complete", "%d cities exported to \"%s\"", nCities,
                     CITIES_FILE_NAME);
}

// Reads one record from a line of the file; 1 when the line named a city.
static int Read_City_Line(const char* szPath, int nCity, char* szLine) {
    char szField[TEXT_BUFFER_SIZE];
    Pop_Field(szField, sizeof(szField), szLine, ',');
    if (szField[0] == 0)
        return 0;
    Set_City_Name(nCity, szField);
    for (int nStat = 0; nStat < CITY_STAT_COUNT && szLine[0] != 0; nStat++) {
        Pop_Field(szField, sizeof(szField), szLine, ',');
        gCities[nCity].anStats[nStat] =
            Parse_City_Stat(szPath, gCities[nCity].szName, nStat, szField);
    }
    return 1;
}

// A team whose city index points past the cities now in use moves to city 0.
static void Repoint_Homeless_Teams(void) {
    int nCities = Count_Cities();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        int nCity = Get_Team_Stat(nTeam, TEAM_CITY_INDEX);
        if (!Is_Team_Active(nTeam) || (nCity >= 0 && nCity < nCities))
            continue;
        Log_Debug_Line("Team %d had city %d of %d after the city import; it now has city 0.", nTeam,
                       nCity, nCities);
        Set_Team_Stat(nTeam, TEAM_CITY_INDEX, 0);
    }
}

// A file without a single named city leaves the table as it was and gives 0.
int Read_Cities_File(const char* szPath) {
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (pFile == NULL)
        return -1;
    static CITY aBefore[CITY_COUNT];
    memcpy(aBefore, gCities, sizeof(aBefore));
    int nRead = 0;
    for (int nCity = 0; nCity < CITY_COUNT; nCity++) {
        char szLine[TEXT_BUFFER_SIZE] = "";
        Clear_City(nCity);
        Read_Line(szLine, sizeof(szLine), pFile);
        nRead += Read_City_Line(szPath, nCity, szLine);
    }
    fclose(pFile);
    if (nRead == 0) {
        memcpy(gCities, aBefore, sizeof(aBefore));
        return 0;
    }
    Compact_Cities();
    Sort_Cities();
    Repoint_Homeless_Teams();
    gCurrentCity = 0;
    return nRead;
}

void Import_Cities_File(void) {
    if (!Ask_City_File_Question("Do you want to import the current cities to the file "
                                "\"%s\"?\n\nThis will erase all current cities and stats.",
                                "Confirm City Import"))
        return;
    int nRead = Read_Cities_File(CITIES_FILE_NAME);
    if (nRead < 0) {
        Show_Message_Box("Import City Error", "Unable to open the city import file \"%s\".",
                         CITIES_FILE_NAME);
        return;
    }
    if (nRead == 0) {
        Show_Message_Box("Import City Error",
                         "No cities found in \"%s\"; the current cities are unchanged.",
                         CITIES_FILE_NAME);
        return;
    }
    Show_Message_Box("City Import Complete", "%d cities imported from \"%s\"", nRead,
                     CITIES_FILE_NAME);
}
