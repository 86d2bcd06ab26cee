// The players of a build: one player made from each players-file line whose player is on the
// roster table, on the team the roster gives.
#include <stdio.h>
#include <string.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define PLAYER_FIELD_COUNT 27
#define PLAYER_LINES_PER_STEP 2700
#define PLAYER_FILE_STEPS 10
#define FIRST_ROSTER_OVERRIDE_YEAR 2017
#define ROOKIE_AGE_AT_DRAFT 22
#define CORNERBACK_NUMBERS_FIRST 20
#define CORNERBACK_NUMBERS_LAST 29
#define FULLBACK_NUMBERS_FIRST 40
#define FULLBACK_NUMBERS_LAST 49
#define DETAILED_CB 11
#define DETAILED_S 12

enum PLAYER_COLUMN {
    COL_VANTO_ID = 0,
    COL_OSTREL_ID = 1,
    COL_PLAYER_ID = 2,
    COL_UNIFORM = 4,
    COL_FIRST_NAME = 5,
    COL_LAST_NAME = 6,
    COL_POSITION = 8,
    COL_HEIGHT = 10,
    COL_WEIGHT = 11,
    COL_COLLEGE = 12,
    COL_SEASONS = 13,
    COL_DRAFT_TEAM = 17,
    COL_DRAFT_YEAR = 18,
    COL_DRAFT_ROUND = 19,
    COL_OVERALL_PICK = 20,
    COL_UNDRAFTED = 21,
    COL_BIRTH_MONTH = 24,
    COL_BIRTH_DAY = 25,
    COL_BIRTH_YEAR = 26
};

void Set_Imported_Position(int nTeam, int nSlot, const char* szText) {
    int nUniform = Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER);
    int nDetailed;
    if (strcasecmp(szText, "DB") == 0) {
        nDetailed = nUniform >= CORNERBACK_NUMBERS_FIRST && nUniform <= CORNERBACK_NUMBERS_LAST
                        ? DETAILED_CB
                        : DETAILED_S;
    } else {
        nDetailed = Parse_Position_Abbreviation(szText);
        if (nDetailed == POS_RB && nUniform >= FULLBACK_NUMBERS_FIRST &&
            nUniform <= FULLBACK_NUMBERS_LAST)
            nDetailed = POS_FB;
    }
    char szFullName[64];
    Get_Player_Full_Name_Plain(nTeam, nSlot, szFullName, sizeof(szFullName));
    if (szText[0] != 0 && nDetailed < 0)
        nDetailed = Get_Known_Player_Position(szFullName);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION,
                          nDetailed < 0 ? -1 : Translate_Expanded_Position(nDetailed));
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION, nDetailed);
    if (szText[0] != 0 && nDetailed < 0) {
        Report_Error("Unrecognized position abbreviation (\"%s\") in \"%s\" file for %s.", szText,
                     "Players.csv", szFullName);
        Clear_Player(nTeam, nSlot);
    }
}

// 6'2" is 74 inches.
static int Read_Height_Inches(const char* szText) {
    const char* pApostrophe = strchr(szText, '\'');
    if (pApostrophe == NULL)
        return 0;
    return Read_Import_Int(szText) * 12 + Read_Import_Int(pApostrophe + 1);
}

// The text without its HTML tags.
static void Remove_Tags(char* szText) {
    char* pOut = szText;
    int bInTag = 0;
    for (const char* p = szText; *p; p++) {
        if (*p == '<')
            bInTag = 1;
        else if (*p == '>' && bInTag)
            bInTag = 0;
        else if (!bInTag)
            *pOut++ = *p;
    }
    *pOut = 0;
}

static void Set_Imported_Draft_Record(int nTeam, int nSlot, char (*aszFields)[IMPORT_FIELD_SIZE]) {
    int nDraftTeam = Get_Team_From_Abbreviation(aszFields[COL_DRAFT_TEAM], 0);
    if (nDraftTeam == NO_TEAM)
        nDraftTeam = Get_Team_From_Historic_Name(aszFields[COL_DRAFT_TEAM]);
    int nDraftYear = Read_Import_Int(aszFields[COL_DRAFT_YEAR]);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_RECORD, (nDraftTeam + 1) * 10000 + nDraftYear);
    int nPick = strcasecmp(aszFields[COL_UNDRAFTED], "TRUE") == 0
                    ? -1
                    : Read_Import_Int(aszFields[COL_DRAFT_ROUND]) * 100000 +
                          Read_Import_Int(aszFields[COL_OVERALL_PICK]);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK, nPick);

    int nMonth = Read_Import_Int(aszFields[COL_BIRTH_MONTH]);
    int nDay = Read_Import_Int(aszFields[COL_BIRTH_DAY]);
    int nYear = Read_Import_Int(aszFields[COL_BIRTH_YEAR]);
    if (nMonth == 0 && nDay == 0 && nYear == 0 && nDraftYear > 0) {
        nYear = nDraftYear - ROOKIE_AGE_AT_DRAFT;
        nMonth = 1;
        nDay = 1;
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE, nYear * 10000 + nMonth * 100 + nDay);
}

// From the 2017 season on the roster knows the position, the injury and the depth best.
static void Apply_Roster_Entry(int nTeam, int nSlot, const ROSTER_ENTRY* pEntry) {
    if (Get_Universe_Stat(UNIVERSE_FIRST_YEAR) < FIRST_ROSTER_OVERRIDE_YEAR)
        return;
    if (Is_Position_Code(pEntry->nPosition))
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, pEntry->nPosition);
    if (Is_Expanded_Position_Valid(pEntry->nDetailedPosition))
        Set_Player_Byte_Stat(nTeam, nSlot, BYTE_EXPANDED_POSITION, pEntry->nDetailedPosition);
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_DEPTH_RANK, pEntry->nDepth);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, pEntry->nInjury);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, pEntry->nWeeksOut);
}

int Import_Player_Line(char* szLine) {
    char aszFields[PLAYER_FIELD_COUNT][IMPORT_FIELD_SIZE];
    Split_Import_Fields(szLine, aszFields, PLAYER_FIELD_COUNT);
    char* szIdText =
        aszFields[COL_VANTO_ID][0] != 0 ? aszFields[COL_VANTO_ID] : aszFields[COL_OSTREL_ID];
    Keep_Safe_File_Characters(szIdText);  // it names the player's photo file
    int nPlayerId = Read_Import_Int(aszFields[COL_PLAYER_ID]);
    int nEntry = Find_Roster_Entry(nPlayerId, szIdText);
    if (nEntry < 0)
        return 0;
    ROSTER_ENTRY* pEntry = &gRosterTable.aEntries[nEntry];
    int nTeam = pEntry->nTeam;
    pEntry->nTeam = NO_TEAM;  // a second line of the same player makes nobody
    if (!Is_Valid_Team(nTeam))
        return 0;
    int nSlot = Get_First_Empty_Player_Slot(nTeam);
    if (nSlot >= PLAYERS_PER_TEAM) {
        char szTeam[TEAM_STRING_SIZE];
        Get_Team_String(szTeam, sizeof(szTeam), nTeam, TEAM_ABBREVIATION);
        Report_Error("Can't find empty Player Slot on %s.", szTeam);
        return 0;
    }
    Clear_Player(nTeam, nSlot);
    Set_Player_First_Name(nTeam, nSlot, aszFields[COL_FIRST_NAME]);
    Set_Player_Last_Name(nTeam, nSlot, aszFields[COL_LAST_NAME]);
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER,
                         Read_Import_Int(aszFields[COL_UNIFORM]));
    if (nPlayerId <= 0)
        nPlayerId = Make_Unique_Player_Id(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, nPlayerId);
    Init_Empty_Player_Contract(nTeam, nSlot);
    Clear_Player_Season_Links(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_RANDOM_PROSPECT, 0);
    Set_Player_Ostrel_ID(nTeam, nSlot, szIdText);

    Set_Imported_Position(nTeam, nSlot, aszFields[COL_POSITION]);
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;  // an unknown position text
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_HEIGHT, Read_Height_Inches(aszFields[COL_HEIGHT]));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_WEIGHT, Read_Import_Int(aszFields[COL_WEIGHT]));
    Remove_Tags(aszFields[COL_COLLEGE]);
    Set_Player_College_Name(nTeam, nSlot, aszFields[COL_COLLEGE]);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_EXPERIENCE,
                          Min_Int(Read_Import_Int(aszFields[COL_SEASONS]), MAX_EXPERIENCE));
    Set_Imported_Draft_Record(nTeam, nSlot, aszFields);
    Apply_Roster_Entry(nTeam, nSlot, pEntry);
    Set_Default_Position_Ratings(nTeam, nSlot);
    return 1;
}

void Import_Players_File(void) {
    IMPORT_PROGRESS progress = {PLAYER_LINES_PER_STEP, PLAYER_FILE_STEPS, 0, Import_Player_Line};
    if (Read_Import_File(PLAYERS_FILE_PATH, REQUIRED_FILE_MISSING_TEXT, Read_Stepped_Data_Line,
                         &progress))
        Finish_Import_Progress(&progress);
}
