// Player ratings read back from a ratings CSV file: the season's prepared file, a user's file
// from the Advanced Tools, or a database build's.
#include <math.h>
#include <stdio.h>
#include <strings.h>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"

#define RATING_LINE_LIMIT 2048
#define RATING_FIELD_SIZE 64
#define RATING_LINES_PER_STEP 20
#define VITAL_LOADED_MARK 27  // while a file is read: 1 once the player's line was read

int Find_Player_By_Ostrel_Text(int* pTeam, int* pSlot, const char* szText) {
    *pTeam = NO_TEAM;
    *pSlot = -1;
    if (szText == NULL || szText[0] == 0)
        return 0;
    for (int nTeam = 0; nTeam < TOTAL_NUMBER_OF_TEAMS; nTeam++) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot) &&
                strcasecmp(Get_Player_Ostrel_ID(nTeam, nSlot), szText) == 0) {
                *pTeam = nTeam;
                *pSlot = nSlot;
                return 1;
            }
        }
    }
    return 0;
}

void Store_Bounded_Rating(int nTeam, int nSlot, int nRating, float fValue) {
    if (nTeam > LAST_DRAFT_POOL_TEAM || nSlot >= PLAYERS_PER_TEAM)
        return;
    if (fabsf(fValue) > RATING_BOUND) {
        Report_Error("fValue out of bounds in Set_Player_Rating(%d,%d,%d,[%1f])", nTeam, nSlot,
                     nRating, (double)fValue);
        fValue = fValue > 0 ? RATING_BOUND : -RATING_BOUND;
    }
    Set_Player_Rating(nTeam, nSlot, fValue, nRating);
}

int Get_Ratings_CSV_Column_Rating(int nColumn) {
    return nColumn == RATINGS_CSV_RATING_COLUMNS - 1 ? RATING_DURABILITY
                                                     : RATING_ACCURACY + nColumn;
}

typedef struct RATINGS_READ {
    int bCheckDuplicates;
} RATINGS_READ;

// A player listed twice asks whether to go on asking; the later line's ratings win either way.
static void Check_Duplicate_Rating_Line(RATINGS_READ* pRead, int nTeam, int nSlot,
                                        const char* szIdText) {
    if (!pRead->bCheckDuplicates)
        return;
    if (Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_LOADED_MARK) != 0) {
        char szText[256];
        int nId = Read_Int_Field("", szIdText);
        if (nId >= 1)
            Format_String(szText, sizeof(szText),
                          "Warning: Duplicate Player ID found in Player Rating file:\n\n%d", nId);
        else
            Format_String(szText, sizeof(szText),
                          "Warning: Duplicate Player ID found in Player Rating file:\n\n%s",
                          szIdText);
        int nAnswer =
            User_Message_Dialog("Player Rating File", szText, "", "OK", "Ignore Duplicate IDs", "");
        if (nAnswer != IDOK && nAnswer != IDYES)
            pRead->bCheckDuplicates = 0;
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_LOADED_MARK, 1);
}

static int Find_Rated_Player(int* pTeam, int* pSlot, const char* szIdText) {
    int nId = 0;
    Parse_Int_Field(szIdText, &nId);
    if (nId >= 1 && Get_Player_By_ID(pTeam, pSlot, nId))
        return 1;
    return Find_Player_By_Ostrel_Text(pTeam, pSlot, szIdText);
}

static void Read_Player_Rating_Fields(RATINGS_READ* pRead, char* szLine) {
    char szField[RATING_FIELD_SIZE];
    Pop_Field(szField, sizeof(szField), szLine, ',');
    int nTeam, nSlot;
    if (!Find_Rated_Player(&nTeam, &nSlot, szField))
        return;
    Check_Duplicate_Rating_Line(pRead, nTeam, nSlot, szField);
    for (int nColumn = 1; nColumn < RATINGS_CSV_FIRST_RATING_COLUMN; nColumn++)
        Pop_Field(szField, sizeof(szField), szLine, ',');
    for (int nColumn = 0; nColumn < RATINGS_CSV_RATING_COLUMNS; nColumn++) {
        Pop_Field(szField, sizeof(szField), szLine, ',');
        double fValue = 0;
        Parse_Decimal_Field(szField, &fValue);
        Store_Bounded_Rating(nTeam, nSlot, Get_Ratings_CSV_Column_Rating(nColumn), (float)fValue);
    }
}

static int Read_Player_Rating_Line(RATINGS_READ* pRead, FILE* pFile, const char* szPath) {
    char szLine[RATING_LINE_LIMIT];
    int bEnd = Read_Line_Limit(szPath, szLine, pFile, RATING_LINE_LIMIT);
    if (szLine[0] != 0)
        Read_Player_Rating_Fields(pRead, szLine);
    return bEnd;
}

int Load_Player_Ratings_CSV(int bReport, const char* szPath) {
    FILE* pFile = Platform_Open_File(szPath, "rt");
    if (pFile == NULL)
        return 0;
    int bProgress = Open_Progress_Window("Loading Player Ratings",
                                         Count_File_Lines(szPath) / RATING_LINES_PER_STEP);
    RATINGS_READ read = {1};
    Clear_Player_Moved_Flags();
    Rebuild_Player_ID_Hash();
    int nLine = 0;
    if (!Skip_Line(pFile)) {
        while (!Read_Player_Rating_Line(&read, pFile, szPath)) {
            if (++nLine % RATING_LINES_PER_STEP == 0 && bProgress)
                Step_Progress_Window(1);
        }
    }
    fclose(pFile);
    Close_Progress_Window();
    if (bReport)
        Show_Message_Box("Load Player Ratings", "Player ratings loaded from %s.", szPath);
    return 1;
}

// A league in replay mode plays a historical season on the ratings its players earned that year;
// any other season takes the Simulation folder's file.
void Get_Season_Ratings_CSV_Path(char* szPath, int nSize) {
    int nYear = Get_Season_Year();
    int bReplay = gReplayMode && nYear <= LAST_REPLAY_RATINGS_YEAR;
    Format_String(szPath, nSize,
                  bReplay ? REPLAY_RATINGS_FILE_FORMAT : SIMULATION_RATINGS_FILE_FORMAT, nYear);
}

int Load_Season_Player_Ratings(int bReport) {
    char szPath[RATING_FIELD_SIZE * 2];
    Get_Season_Ratings_CSV_Path(szPath, sizeof(szPath));
    return Load_Player_Ratings_CSV(bReport, szPath);
}
