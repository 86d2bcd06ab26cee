// The roster table of a build: one entry per rostered player of the base year, read from the
// rosters file before the players file creates the players it names.
#include <stdio.h>
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

ROSTER_TABLE gRosterTable;

static void Clear_Roster_Entry(ROSTER_ENTRY* pEntry) {
    memset(pEntry, 0, sizeof(*pEntry));
    pEntry->nTeam = NO_TEAM;
    pEntry->nPosition = -1;
    pEntry->nDetailedPosition = -1;
}

void Clear_Roster_Table(void) {
    for (int i = 0; i < ROSTER_TABLE_SIZE; i++)
        Clear_Roster_Entry(&gRosterTable.aEntries[i]);
    gRosterTable.nCount = 0;
    gRosterTable.nSkipped = 0;
}

// An abbreviation first, then a team name; NO_TEAM when neither is known.
static int Get_Roster_Team(const char* szText) {
    int nTeam = Get_Team_From_Abbreviation(szText, 1);
    if (nTeam == NO_TEAM)
        nTeam = Get_Team_From_Name(szText);
    return nTeam;
}

// Reads the fields of one ROSTERS_CSV line into *pEntry; 0 when the line names no known team.
static int Parse_Roster_Line(char* szLine, ROSTER_ENTRY* pEntry) {
    char aszFields[ROSTER_FIELD_COUNT][IMPORT_FIELD_SIZE];
    Split_Import_Fields(szLine, aszFields, ROSTER_FIELD_COUNT);
    int nTeam = Get_Roster_Team(aszFields[4]);
    if (nTeam == NO_TEAM)
        return 0;
    Clear_Roster_Entry(pEntry);
    Keep_Safe_File_Characters(aszFields[0]);
    safe_strncpy(pEntry->szOstrelId, aszFields[0], sizeof(pEntry->szOstrelId));
    Parse_Int_Field(aszFields[1], &pEntry->nPlayerId);
    pEntry->nTeam = (int8_t)nTeam;
    pEntry->nDetailedPosition = Parse_Position_Abbreviation(aszFields[5]);
    pEntry->nPosition =
        pEntry->nDetailedPosition < 0 ? -1 : Translate_Expanded_Position(pEntry->nDetailedPosition);
    Parse_Int_Field(aszFields[11], &pEntry->nWeeksOut);
    pEntry->nInjury = Find_Injury_Code(aszFields[12]);
    if (aszFields[14][0] != 0)
        safe_strncpy(pEntry->szFullName, aszFields[14], sizeof(pEntry->szFullName));
    else
        Format_String(pEntry->szFullName, sizeof(pEntry->szFullName), "%s %s", aszFields[2],
                      aszFields[3]);
    return 1;
}

// One line into the next free entry. A full table counts the line as skipped.
static void Read_Roster_Line(char* szLine, int nLine, void* pContext) {
    (void)pContext;
    if (nLine == 0)
        return;  // the header
    ROSTER_ENTRY entry;
    if (!Parse_Roster_Line(szLine, &entry))
        return;
    if (gRosterTable.nCount >= ROSTER_TABLE_SIZE) {
        gRosterTable.nSkipped++;
        return;
    }
    gRosterTable.aEntries[gRosterTable.nCount++] = entry;
}

void Load_Rosters_File(int nYear) {
    char szPath[IMPORT_PATH_SIZE];
    Format_String(szPath, sizeof(szPath), ROSTERS_FILE_FORMAT, nYear);
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (pFile == NULL) {
        Show_Message_Box("Read Error", "Unable to open %s.", szPath);
        return;
    }
    Clear_Roster_Table();
    For_Each_Import_Line(szPath, pFile, Read_Roster_Line, NULL);
    fclose(pFile);
    if (gRosterTable.nSkipped > 0)
        Show_Message_Box("Roster Overflow",
                         "%s lists more than %d players; the last %d were skipped.", szPath,
                         ROSTER_TABLE_SIZE, gRosterTable.nSkipped);
}

int Find_Roster_Entry_By_Ostrel_ID(const char* szId) {
    if (szId == NULL || szId[0] == 0)
        return -1;
    for (int i = 0; i < gRosterTable.nCount; i++) {
        if (strcasecmp(gRosterTable.aEntries[i].szOstrelId, szId) == 0)
            return i;
    }
    return -1;
}

int Find_Roster_Entry_By_ID(int nId) {
    if (nId <= 0)
        return -1;
    for (int i = 0; i < gRosterTable.nCount; i++) {
        if (gRosterTable.aEntries[i].nPlayerId == nId)
            return i;
    }
    return -1;
}

int Find_Roster_Entry(int nId, const char* szId) {
    return nId >= 1 ? Find_Roster_Entry_By_ID(nId) : Find_Roster_Entry_By_Ostrel_ID(szId);
}
