// The all-time leaders of the record book read from "input/stats/atl.txt": sections of career,
// season and game leaders per stat label, each with up to 21 rows, best first.
#include <stdlib.h>
#include <string.h>
#include <strings.h>

#include <string>

#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define ATL_SEASON_YEAR 2021
#define ATL_PROGRESS_STEPS 1500
#define ATL_LINE_LIMIT 2047  // characters a line may hold
#define ATL_FIELD_SIZE 64
#define ATL_YOUNGEST_AGE 20  // a younger "player" of that year is somebody else

struct LEADER_STAT {
    const char* szLabel;
    int nPosition;  // where to look the player up first
};

static const LEADER_STAT kLeaderStats[LEADER_CATEGORY_COUNT] = {
    {"ATTEMPTS", POS_QB},
    {"COMPLETIONS", POS_QB},
    {"PASS_YARDS", POS_QB},
    {"COMPLETION_PERCENTAGE", POS_QB},
    {"PASS_TOUCHDOWNS", POS_QB},
    {"YARDS_PER_ATTEMPT", POS_QB},
    {"PASSER_RATING", POS_QB},
    {"PASSING_PER_GAME", POS_QB},
    {"KICK_RETURN_AVERAGE", POS_CB},
    {"KICK_RETURN_TDS", POS_CB},
    {"RUSHES", POS_RB},
    {"RUSH_YARDS", POS_RB},
    {"RUSH_TOUCHDOWNS", POS_RB},
    {"YARDS_PER_RUSH", POS_RB},
    {"RECEPTIONS", POS_WR},
    {"RECEIVING_YARDS", POS_WR},
    {"RECEIVING_TOUCHDOWNS", POS_WR},
    {"YARDS_PER_RECEPTION", POS_WR},
    {"CATCH_RATE", POS_WR},
    {"PUNT_RETURN_AVERAGE", POS_CB},
    {"PUNT_RETURN_TDS", POS_CB},
    {"TACKLES", POS_LB},
    {"KNOCKDOWNS", POS_CB},
    {"FUMBLES_FORCED", POS_DE},
    {"SACKS", POS_DE},
    {"INTERCEPTIONS", POS_CB},
    {"FIELD_GOALS", POS_K},
    {"FIELD_GOAL_PERCENTAGE", POS_K},
    {"AVERAGE_PUNT", POS_P},
    {"SALARY_CAP_IMPACT", POS_QB},
};

static const char* const kSectionLabels[RECORD_BOOK_TABLES] = {
    "ALL_TIME_LEADER_CAREER", "ALL_TIME_LEADER_SEASON", "ALL_TIME_LEADER_GAME"};

const char* Get_Leader_Stat_Label(int nCategory) {
    return nCategory >= 0 && nCategory < LEADER_CATEGORY_COUNT ? kLeaderStats[nCategory].szLabel
                                                               : "";
}

const char* Get_Leader_Section_Label(int nTable) {
    return nTable >= 0 && nTable < RECORD_BOOK_TABLES ? kSectionLabels[nTable] : "";
}

int Find_Leader_Stat_String(const char* szLabel) {
    for (int n = 0; n < LEADER_CATEGORY_COUNT; n++) {
        if (strcasecmp(szLabel, kLeaderStats[n].szLabel) == 0)
            return n;
    }
    std::string stLabels;
    for (const LEADER_STAT& stat : kLeaderStats)
        stLabels += std::string(stLabels.empty() ? "" : ", ") + stat.szLabel;
    Show_Message_Box("Find_Leader_Stat_String()",
                     "Unrecognized Label: %s\nPlease use the following stat labels: %s", szLabel,
                     stLabels.c_str());
    return -1;
}

int Get_Leader_Stat_Position(int nCategory) {
    return nCategory >= 0 && nCategory < LEADER_CATEGORY_COUNT ? kLeaderStats[nCategory].nPosition
                                                                : POS_QB;
}

static int Find_Section_Table(const char* szField) {
    for (int n = 0; n < RECORD_BOOK_TABLES; n++) {
        if (strcasecmp(szField, kSectionLabels[n]) == 0)
            return n;
    }
    return -1;
}

// The player of the row, found by his full name; a career row (no year) and a player too young in
// that year stay without a player.
static void Link_Leader_Player(RECORD_BOOK_ROW* pRow, int nCategory) {
    char szName[ATL_FIELD_SIZE * 2];
    Format_String(szName, sizeof(szName), "%s %s", pRow->szFirstName, pRow->szLastName);
    int nTeam, nSlot;
    if (!Match_Roster_Player(&nTeam, &nSlot, szName) &&
        !Find_Player_By_Name(&nTeam, &nSlot, szName, NO_TEAM, Get_Leader_Stat_Position(nCategory)))
        return;
    int nAge = pRow->nYear - Get_Player_Vital_Stat(nTeam, nSlot, VITAL_BIRTH_DATE) / 10000;
    if (nAge <= ATL_YOUNGEST_AGE)
        return;
    pRow->nPlayerId = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID);
    if (pRow->nYear > 0) {
        pRow->nTeam = (int8_t)Get_Player_Main_Team_In_Year(nTeam, nSlot, pRow->nYear);
        pRow->nAge = (uint8_t)nAge;
    }
}

// One data line: first name, last name, the year for season and game rows, then the value.
static void Read_Leader_Row(char* szLine, int nTable, int nCategory, int nRow) {
    RECORD_BOOK_ROW row = {};
    char szField[ATL_FIELD_SIZE];
    Pop_Field(row.szFirstName, sizeof(row.szFirstName), szLine, ',');
    Pop_Field(row.szLastName, sizeof(row.szLastName), szLine, ',');
    if (nTable > 0) {
        Pop_Field(szField, sizeof(szField), szLine, ',');
        row.nYear = (int16_t)atoi(szField);
        row.nWeek = -1;
    }
    Pop_Field(szField, sizeof(szField), szLine, ',');
    row.nValue = atoi(szField);
    row.nTeam = NO_TEAM;
    row.nPlayerId = 0;
    Link_Leader_Player(&row, nCategory);
    Set_Record_Book_Row(nTable, nCategory, nRow, &row);
}

void Load_All_Time_Leaders(void) {
    if (Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber != ATL_SEASON_YEAR)
        return;
    Open_Progress_Window("Loading All-Time Leaders", ATL_PROGRESS_STEPS);
    Clear_Record_Book();
    FILE* pFile = Platform_Open_File(ALL_TIME_LEADERS_PATH, "rt");
    if (!pFile) {
        Show_Message_Box("Read Error", "Unable to open %s.", ALL_TIME_LEADERS_PATH);
        Close_Progress_Window();
        return;
    }
    char szLine[ATL_LINE_LIMIT + 2];
    int nTable = -1, nCategory = -1, nRow = RECORD_BOOK_ROWS, nSkipped = 0;
    for (int bAtEnd = 0; !bAtEnd;) {
        bAtEnd = Read_Line(szLine, sizeof(szLine), pFile);
        if (bAtEnd && !szLine[0])
            break;
        Step_Progress_Window(1);
        if ((int)strlen(szLine) > ATL_LINE_LIMIT) {
            nSkipped++;
            continue;
        }
        char szFirst[ATL_FIELD_SIZE];
        char szRest[sizeof(szLine)];
        safe_strncpy(szRest, szLine, sizeof(szRest));
        Pop_Field(szFirst, sizeof(szFirst), szRest, ',');
        int nSection = Find_Section_Table(szFirst);
        if (nSection >= 0) {
            char szLabel[ATL_FIELD_SIZE];
            Pop_Field(szLabel, sizeof(szLabel), szRest, ',');
            nTable = nSection;
            nCategory = Find_Leader_Stat_String(szLabel);
            nRow = 0;
        } else if (nTable >= 0 && nCategory >= 0 && nRow < RECORD_BOOK_ROWS) {
            Read_Leader_Row(szLine, nTable, nCategory, nRow++);
        }
    }
    fclose(pFile);
    Close_Progress_Window();
    if (nSkipped > 0)
        Show_Message_Box("Read Error",
                         "%d line(s) of %s were longer than %d characters and were skipped.",
                         nSkipped, ALL_TIME_LEADERS_PATH, ATL_LINE_LIMIT);
}
