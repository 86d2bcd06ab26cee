// The import files of a season written from the league in memory: a fictional set, from a
// league the game played, that the season database builder reads like any other.
#include <stdio.h>
#include <string.h>

#include <string>

#include "core/core.h"
#include "database/database.h"
#include "personnel/personnel.h"
#include "tools/tools.h"

#define TEAM_RECORDS_HEADER "Year,Lg,Team,W,L,T,Div. Finish,Playoffs,PF,PA,PD,MoV,SoS,SRS,OSRS,DSRS"
#define VITAL_CAP_HIT 7
#define COMBINE_EXPERIENCE 1
#define FORTY_AT_NO_SPEED 5.88f
#define FORTY_PER_SPEED 0.0166f
#define SC_SACKS 42
#define SC_FGA 60
#define SC_FGM 61
#define SC_FGM_SHORT 81
#define SC_FGA_SHORT 86
#define SC_YAC 91
#define SC_RETURN_TD 52
#define LINE_MADE_SHORT 11
#define LINE_TRIED_SHORT 10

// ---- one line of text -----------------------------------------------------------------------------

static void Write_Line(FILE* pFile, const std::string& stLine) {
    fputs(stLine.c_str(), pFile);
    fputc('\n', pFile);
}

static std::string Team_Abbreviation(int nTeam) {
    char szText[TEAM_STRING_SIZE] = "";
    if (Is_Valid_Team(nTeam))
        Get_Team_String(szText, sizeof(szText), nTeam, TEAM_ABBREVIATION);
    return szText;
}

static std::string Team_Full_Name(int nTeam) {
    char szCity[TEAM_STRING_SIZE], szNickname[TEAM_STRING_SIZE];
    Get_Team_String(szCity, sizeof(szCity), nTeam, TEAM_CITY);
    Get_Team_String(szNickname, sizeof(szNickname), nTeam, TEAM_NICKNAME);
    return std::string(szCity) + " " + szNickname;
}

static std::string Detailed_Position_Text(int nTeam, int nSlot) {
    char szText[POSITION_NAME_SIZE];
    Get_Position_Abbreviation(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_POSITION), szText,
                              sizeof(szText));
    return szText;
}

static std::string Field(int nValue) {
    return std::to_string(nValue);
}

// Names and texts of the league never hold a comma, but a file field must not either.
static std::string Text(const char* szText) {
    std::string st = szText;
    for (char& ch : st) {
        if (ch == ',')
            ch = ' ';
    }
    return st;
}

static FILE* Create_Import_File(const char* szPath) {
    FILE* pFile = Platform_Open_File(szPath, "wt");
    if (pFile == NULL)
        Report_Error("Can't create %s: %s", szPath, Get_Errno_Text());
    return pFile;
}

typedef void (*PLAYER_ROW_WRITER)(FILE* pFile, int nTeam, int nSlot);

// The file with its header and one call per player of the league teams and the free agents; 0
// when it could not be made.
static int Write_Player_File(const char* szPath, const std::string& stHeader,
                             PLAYER_ROW_WRITER pfnWrite) {
    FILE* pFile = Create_Import_File(szPath);
    if (pFile == NULL)
        return 0;
    Write_Line(pFile, stHeader);
    for (int nTeam = 0; nTeam <= FREE_AGENT_TEAM; nTeam++) {
        if (nTeam < FREE_AGENT_TEAM && !Is_Team_Active(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (Is_Player_Slot_Used(nTeam, nSlot))
                pfnWrite(pFile, nTeam, nSlot);
        }
    }
    return fclose(pFile) == 0;
}

// A player of the game's own making has no outside id: he is given one made of his player id.
static std::string Ostrel_Id(int nTeam, int nSlot) {
    const char* szId = Get_Player_Ostrel_ID(nTeam, nSlot);
    if (szId[0] != 0)
        return Text(szId);
    char szMade[PLAYER_OUTSIDE_ID_SIZE];
    Format_String(szMade, sizeof(szMade), "V%08d",
                  Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_PLAYER_ID));
    return szMade;
}

static std::string Player_Ids(int nTeam, int nSlot) {
    return Ostrel_Id(nTeam, nSlot) + "," +
           Field(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_PLAYER_ID));
}

// ---- players, rosters, salaries, combine ----------------------------------------------------------

static void Write_Players_Row(FILE* pFile, int nTeam, int nSlot) {
    int nHeight = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_HEIGHT);
    int nBirth = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_BIRTH_DATE);
    int nDraft = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_DRAFT_RECORD);
    int nPick = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_DRAFT_PICK);
    char szCollege[PLAYER_COLLEGE_SIZE];
    Get_Player_College_Name(nTeam, nSlot, szCollege, sizeof(szCollege));
    std::string stHeight = Field(nHeight / 12) + "'" + Field(nHeight % 12) + "\"";
    Write_Line(
        pFile,
        "," + Player_Ids(nTeam, nSlot) + "," + Team_Abbreviation(nTeam) + "," +
            Field(Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER)) + "," +
            Text(Get_Player_First_Name_Ptr(nTeam, nSlot)) + "," +
            Text(Get_Player_Last_Name_Ptr(nTeam, nSlot)) + ",," +
            Detailed_Position_Text(nTeam, nSlot) + ",," + stHeight + "," +
            Field(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_WEIGHT)) + "," + Text(szCollege) +
            "," + Field(Max_Int(0, Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_EXPERIENCE))) +
            ",,,," + Team_Abbreviation(nDraft / 10000 - 1) + "," + Field(nDraft % 10000) + "," +
            Field(nPick > 0 ? nPick / 100000 : 0) + "," + Field(nPick > 0 ? nPick % 1000 : 0) +
            "," + (nPick < 0 ? "TRUE" : "") + ",,," + Field(nBirth / 100 % 100) + "," +
            Field(nBirth % 100) + "," + Field(nBirth / 10000));
}

// The free agents are rostered by the name of their pool.
static void Write_Rosters_Row(FILE* pFile, int nTeam, int nSlot) {
    Write_Line(pFile,
               Player_Ids(nTeam, nSlot) + "," + Text(Get_Player_First_Name_Ptr(nTeam, nSlot)) +
                   "," + Text(Get_Player_Last_Name_Ptr(nTeam, nSlot)) + "," +
                   (nTeam == FREE_AGENT_TEAM ? "Free Agents" : Team_Abbreviation(nTeam)) + "," +
                   Detailed_Position_Text(nTeam, nSlot) + ",,,,,," +
                   Field(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_INJURY_WEEKS)) + ",,");
}

static void Write_Salaries_Row(FILE* pFile, int nTeam, int nSlot) {
    if (nTeam >= LEAGUE_TEAM_COUNT)
        return;
    int nCapImpact = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CAP_IMPACT);
    Write_Line(pFile,
               Player_Ids(nTeam, nSlot) + "," + Team_Abbreviation(nTeam) + "," +
                   Field(Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER)) + "," +
                   Text(Get_Player_First_Name_Ptr(nTeam, nSlot)) + "," +
                   Text(Get_Player_Last_Name_Ptr(nTeam, nSlot)) + "," +
                   Detailed_Position_Text(nTeam, nSlot) + ",,,," +
                   Field(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT)) +
                   ",$" + Field(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SALARY) * 1000) +
                   ",$" +
                   Field(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_SIGNING_BONUS) * 1000) +
                   "," + Field(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_CONTRACT_LENGTH)) +
                   ",$" + Field(nCapImpact * 1000));
}

// The league's young players ran at the combine: a stored forty time, or the one their Speed
// gives.
static void Write_Combine_Row(FILE* pFile, int nTeam, int nSlot) {
    if (Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_EXPERIENCE) > COMBINE_EXPERIENCE)
        return;
    int nForty = Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_FORTY_TIME);
    if (nForty <= 0)
        nForty = (int)((FORTY_AT_NO_SPEED - Get_Player_Rating(nTeam, nSlot, RATING_SPEED) *
                                                FORTY_PER_SPEED) *
                       100.0f);
    char szDash[16];
    Format_String(szDash, sizeof(szDash), "%d.%02d", nForty / 100, nForty % 100);
    Write_Line(pFile, Player_Ids(nTeam, nSlot) + ",,,,,," + szDash + ",,,,,");
}

// ---- season lines ---------------------------------------------------------------------------------

static void Write_Season_Line(FILE* pFile, int nTeam, int nSlot, int nLine) {
    std::string astFields[SEASONS_CSV_COLUMNS];
    char szName[64];
    Get_Player_Full_Name_Plain(nTeam, nSlot, szName, sizeof(szName));
    astFields[0] = Ostrel_Id(nTeam, nSlot);
    astFields[1] = Field(Get_Player_Vital_Stat_Raw(nTeam, nSlot, VITAL_PLAYER_ID));
    astFields[3] = Field(Get_Season_Line_Year(nLine));
    astFields[4] = Team_Abbreviation(Get_Season_Line_Team(nLine));
    astFields[5] = Field(Get_Player_Byte_Stat(nTeam, nSlot, BYTE_UNIFORM_NUMBER));
    astFields[6] = Text(szName);
    astFields[7] = Detailed_Position_Text(nTeam, nSlot);
    int nCount;
    const SEASON_COLUMN_STAT* pColumns = Get_Season_Columns(&nCount);
    for (int i = 0; i < nCount; i++) {
        if (Is_In_Season_Group(nTeam, nSlot, pColumns[i].nGroup))
            astFields[pColumns[i].nColumn] = Field(Get_Season_Line_Stat(nLine, pColumns[i].nStat));
    }
    if (Is_In_Season_Group(nTeam, nSlot, SG_DEFENCE)) {
        int nHalfSacks = Get_Season_Line_Stat(nLine, 4);
        astFields[SC_SACKS] = Field(nHalfSacks / 2) + (nHalfSacks % 2 ? ".5" : "");
        astFields[SC_RETURN_TD] = Field(Get_Season_Line_Stat(nLine, 9));
    }
    if (Is_In_Season_Group(nTeam, nSlot, SG_KICKER)) {
        int nMade = 0, nTried = 0;
        for (int nStat = LINE_TRIED_SHORT; nStat <= LINE_MADE_SHORT + 6; nStat += 2) {
            nTried += Get_Season_Line_Stat(nLine, nStat);
            nMade += Get_Season_Line_Stat(nLine, nStat + 1);
        }
        astFields[SC_FGA] = Field(nTried);
        astFields[SC_FGM] = Field(nMade);
        astFields[SC_FGM_SHORT] = Field(Get_Season_Line_Stat(nLine, LINE_MADE_SHORT));
        astFields[SC_FGA_SHORT] = Field(Get_Season_Line_Stat(nLine, LINE_TRIED_SHORT));
    }
    if (Is_In_Season_Group(nTeam, nSlot, SG_RECEIVER)) {
        int nReceptions = Get_Season_Line_Stat(nLine, 10);
        char szYac[32];
        Format_String(szYac, sizeof(szYac), "%.2f",
                      nReceptions > 0 ? (double)Get_Season_Line_Stat(nLine, 6) / nReceptions : 0.0);
        astFields[SC_YAC] = szYac;
    }
    std::string stLine = astFields[0];
    for (int i = 1; i < SEASONS_CSV_COLUMNS; i++)
        stLine += "," + astFields[i];
    Write_Line(pFile, stLine);
}

static void Write_Seasons_Rows(FILE* pFile, int nTeam, int nSlot) {
    for (int n = 0; n < SEASON_LINK_COUNT; n++) {
        int nLine = Get_Player_Season_Line(nTeam, nSlot, n);
        if (!Is_Season_Line_Index(nLine))
            break;
        if (Is_Valid_Team(Get_Season_Line_Team(nLine)))
            Write_Season_Line(pFile, nTeam, nSlot, nLine);
    }
}

// ---- teams ----------------------------------------------------------------------------------------

static int Write_Team_Files(int nYear) {
    char szPath[IMPORT_PATH_SIZE];
    Format_String(szPath, sizeof(szPath), CAP_ROOM_FILE_FORMAT, nYear);
    FILE* pCapRoom = Create_Import_File(szPath);
    FILE* pPersonnel = Create_Import_File(PERSONNEL_FILE_PATH);
    FILE* pRecords = Create_Import_File(TEAM_RECORDS_FILE_PATH);
    int bMade = pCapRoom != NULL && pPersonnel != NULL && pRecords != NULL;
    if (bMade) {
        Write_Line(pPersonnel, PERSONNEL_CSV_HEADER);
        Write_Line(pRecords, TEAM_RECORDS_HEADER);
        int64_t nCap = Get_Universe_Stat(UNIVERSE_SALARY_CAP);
        for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
            if (!Is_Team_Active(nTeam))
                continue;
            int64_t nRoom = nCap - (int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000;
            Write_Line(pCapRoom, Team_Full_Name(nTeam) + "," + std::to_string(nRoom));
            char szOffence[32], szDefence[32];
            Get_Offensive_Formation_Name(Get_Team_Stat(nTeam, TEAM_OFFENSIVE_SYSTEM), szOffence,
                                         sizeof(szOffence));
            Get_Defensive_Formation_Name(Get_Team_Stat(nTeam, TEAM_DEFENSIVE_SCHEME), szDefence,
                                         sizeof(szDefence));
            Write_Line(pPersonnel, "'" + Field(nYear) + ",'" + Team_Abbreviation(nTeam) + ",'" +
                                       szOffence + ",'" + szDefence);
        }
    }
    int bClosed = 1;
    FILE* apFiles[] = {pCapRoom, pPersonnel, pRecords};
    for (FILE* pFile : apFiles) {
        if (pFile != NULL && fclose(pFile) != 0)
            bClosed = 0;
    }
    return bMade && bClosed;
}

// ---- the all-time leaders ------------------------------------------------------------------------

// A section line per list of the record book that holds a row, then its rows: names, the year of
// a season or game row, the value.
static int Write_All_Time_Leaders_File(void) {
    FILE* pFile = Create_Import_File(ALL_TIME_LEADERS_PATH);
    if (pFile == NULL)
        return 0;
    for (int nTable = 0; nTable < RECORD_BOOK_TABLES; nTable++) {
        for (int nCategory = 0; nCategory < LEADER_CATEGORY_COUNT; nCategory++) {
            int bOpened = 0;
            for (int nRow = 0; nRow < RECORD_BOOK_ROWS; nRow++) {
                const RECORD_BOOK_ROW* pRow = Get_Record_Book_Row(nTable, nCategory, nRow);
                if (pRow == NULL || (!pRow->szFirstName[0] && !pRow->szLastName[0]))
                    continue;
                if (!bOpened)
                    Write_Line(pFile, std::string(Get_Leader_Section_Label(nTable)) + "," +
                                          Get_Leader_Stat_Label(nCategory));
                bOpened = 1;
                std::string stYear = nTable > 0 ? Field(pRow->nYear) + "," : "";
                Write_Line(pFile, Text(pRow->szFirstName) + "," + Text(pRow->szLastName) + "," +
                                      stYear + Field(pRow->nValue));
            }
        }
    }
    return fclose(pFile) == 0;
}

int Write_Import_Set(int nYear) {
    Platform_Make_Directory("Input");
    Platform_Make_Directory("Input/Stats");
    char szRosters[IMPORT_PATH_SIZE], szSalaries[IMPORT_PATH_SIZE], szRostersHeader[512];
    Format_String(szRosters, sizeof(szRosters), ROSTERS_FILE_FORMAT, nYear);
    Format_String(szSalaries, sizeof(szSalaries), SALARIES_FILE_FORMAT, nYear);
    Format_String(szRostersHeader, sizeof(szRostersHeader), ROSTERS_CSV_HEADER_FORMAT, nYear);
    return Write_Player_File(PLAYERS_FILE_PATH, PLAYERS_CSV_HEADER, Write_Players_Row) &&
           Write_Player_File(SEASONS_FILE_PATH, SEASONS_CSV_HEADER, Write_Seasons_Rows) &&
           Write_Player_File(szRosters, szRostersHeader, Write_Rosters_Row) &&
           Write_Player_File(szSalaries, SALARIES_CSV_HEADER, Write_Salaries_Row) &&
           Write_Player_File(COMBINE_FILE_PATH, COMBINE_CSV_HEADER, Write_Combine_Row) &&
           Write_Team_Files(nYear) && Write_All_Time_Leaders_File();
}
