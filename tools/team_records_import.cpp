// A built season's team records and personnel: each team's strength target from its record,
// and its formation and defensive scheme of the year.
#include <stdio.h>
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define TEAM_RECORD_FIELD_COUNT 10
#define SHORTEST_TEAM_RECORD_LINE 9
#define LAST_RECORD_YEAR 2020
#define PERSONNEL_FIELD_COUNT 4

typedef struct PLAYOFF_RESULT {
    const char* szText;
    int nCode;  // 0: the larger of 4 and the finish
} PLAYOFF_RESULT;

static const PLAYOFF_RESULT kPlayoffResults[] = {
    {"Won SB", 8}, {"Lost SB", 7}, {"Lost Conf", 6}, {"Lost Div", 0}, {"Lost WC", 0}};

// First place gives 5 points, second 3, third 2, fourth 1, fifth 0.
static int Get_Finish_Points(const char* szFinish) {
    return szFinish[0] == '1' ? 5 : 53 - (unsigned char)szFinish[0];
}

static int Get_Playoff_Code(const char* szResult, int nFinish) {
    for (const PLAYOFF_RESULT& result : kPlayoffResults) {
        if (strcasecmp(szResult, result.szText) == 0)
            return result.nCode != 0 ? result.nCode : Max_Int(4, nFinish);
    }
    return nFinish;
}

int Get_Team_Record_Strength(int nWins, int nLosses, int nPointsFor, int nPointsAgainst,
                             int nPlayoffCode) {
    int nStrength = 990 + 3 * (nWins - nLosses) + nPointsFor / 20 - nPointsAgainst / 20;
    if (nPlayoffCode >= 4)
        nStrength += 10 * nPlayoffCode - 30;
    return nStrength;
}

int Import_Team_Record_Line(char* szLine) {
    if ((int)strlen(szLine) <= SHORTEST_TEAM_RECORD_LINE)
        return 0;
    char aszFields[TEAM_RECORD_FIELD_COUNT][IMPORT_FIELD_SIZE];
    Split_Import_Fields(szLine, aszFields, TEAM_RECORD_FIELD_COUNT);
    int nYear = Read_Import_Int(aszFields[0]);
    if (nYear != Get_Universe_Stat(UNIVERSE_FIRST_YEAR) || nYear > LAST_RECORD_YEAR)
        return 0;
    Remove_Characters(aszFields[2], "*+");
    int nTeam = Get_Team_From_Name(aszFields[2]);
    if (!Is_Team_Active(nTeam)) {
        Report_Error("Unrecognized Team Name in 'Team_Records.csv' for %d season: %s", nYear,
                     aszFields[2]);
        return 0;
    }
    int nPlayoffCode = Get_Playoff_Code(aszFields[7], Get_Finish_Points(aszFields[6]));
    Set_Team_Stat(nTeam, TEAM_IMPORT_STRENGTH,
                  Get_Team_Record_Strength(
                      Read_Import_Int(aszFields[3]), Read_Import_Int(aszFields[4]),
                      Read_Import_Int(aszFields[8]), Read_Import_Int(aszFields[9]), nPlayoffCode));
    return 1;
}

static void Read_Team_Record_File_Line(char* szLine, int nLine, void* pContext) {
    (void)pContext;
    if (nLine > 0)
        Import_Team_Record_Line(szLine);
}

void Import_Team_Records_File(void) {
    Read_Import_File(TEAM_RECORDS_FILE_PATH, "Unable to open %s. Please re-install Football Vanto.",
                     Read_Team_Record_File_Line, NULL);
}

// ---- personnel ------------------------------------------------------------------------------------

int Import_Personnel_Line(char* szLine) {
    char aszFields[PERSONNEL_FIELD_COUNT][IMPORT_FIELD_SIZE];
    Split_Import_Fields(szLine, aszFields, PERSONNEL_FIELD_COUNT);
    for (int i = 0; i < PERSONNEL_FIELD_COUNT; i++)
        Remove_Characters(aszFields[i], "'");
    if (Read_Import_Int(aszFields[0]) != Get_Season_Year())
        return 0;
    int nTeam = Get_Team_From_Abbreviation(aszFields[1], 0);
    if (nTeam == NO_TEAM)
        nTeam = Get_Team_From_Historic_Name(aszFields[1]);
    if (nTeam == NO_TEAM)
        nTeam = Get_Team_From_Name(aszFields[1]);
    if (!Is_Team_Active(nTeam))
        return 0;
    Set_Team_Stat(nTeam, TEAM_OFFENSIVE_SYSTEM, Get_Offensive_Formation_Index(aszFields[2]));
    Set_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME, Get_Defensive_Formation_Index(aszFields[3]));
    return 1;
}

static void Read_Personnel_File_Line(char* szLine, int nLine, void* pContext) {
    (void)nLine;
    (void)pContext;
    Import_Personnel_Line(szLine);  // the header fails the year test
}

void Import_Personnel_File(void) {
    Read_Import_File(PERSONNEL_FILE_PATH, FILE_MISSING_TEXT, Read_Personnel_File_Line, NULL);
}
