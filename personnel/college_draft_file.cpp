// The college draft's text log: a title, a header per round and a line per pick.
#include <stdio.h>

#include "database/database.h"
#include "personnel/personnel.h"

#define DRAFT_FILE_FOLDER "Output"
#define DRAFT_FILE_NAME "Output\\College-Draft-%d.txt"
#define DRAFT_FILE_NAME_SIZE 64
#define DRAFT_LINE_SIZE 128
#define ORDINAL_WORD_SIZE 32

static void Get_College_Draft_File_Name(char* szOut, int nSize) {
    Format_String(szOut, nSize, DRAFT_FILE_NAME, Get_Season_Year());
}

static void Append_Draft_File_Line(const char* szText) {
    char szName[DRAFT_FILE_NAME_SIZE];
    Get_College_Draft_File_Name(szName, sizeof(szName));
    if (!Append_Line_To_File(szName, szText))
        Log_Debug_Line("Cannot write %s: %s", szName, Get_Errno_Text());
}

void Start_College_Draft_File(void) {
    char szName[DRAFT_FILE_NAME_SIZE];
    Get_College_Draft_File_Name(szName, sizeof(szName));
    if (!Platform_Make_Directory(DRAFT_FILE_FOLDER)) {
        Log_Debug_Line("Cannot create the folder %s for %s", DRAFT_FILE_FOLDER, szName);
        return;
    }
    FILE* pFile = Platform_Open_File(szName, "wt");
    if (pFile == NULL) {
        Log_Debug_Line("Cannot open %s: %s", szName, Get_Errno_Text());
        return;
    }
    int bWritten = fprintf(pFile, "\n               %d COLLEGE DRAFT\n", Get_Season_Year()) > 0;
    if (fclose(pFile) != 0 || !bWritten) {
        Log_Debug_Line("Cannot write %s: %s", szName, Get_Errno_Text());
        return;
    }
    Write_College_Draft_Round_Header(0);
}

void Write_College_Draft_Round_Header(int nRound) {
    if (nRound < 0 || nRound >= DRAFT_ROUNDS)
        return;
    char szOrdinal[ORDINAL_WORD_SIZE];
    Get_Ordinal_Words(szOrdinal, sizeof(szOrdinal), nRound + 1);
    if (szOrdinal[0] >= 'a' && szOrdinal[0] <= 'z')
        szOrdinal[0] = (char)(szOrdinal[0] - 'a' + 'A');
    char szLine[DRAFT_LINE_SIZE];
    Append_Draft_File_Line("");
    Format_String(szLine, sizeof(szLine),
                  "================= %s ROUND =================", szOrdinal);
    Append_Draft_File_Line(szLine);
}

// The team's nickname, capitalised for a human-run team; nothing for the pseudo-teams above 37.
static void Get_Draft_Line_Team_Name(int nTeam, char* szOut, int nSize) {
    szOut[0] = 0;
    if (nTeam < 0 || nTeam > HALL_OF_FAME_TEAM)
        return;
    Get_Team_String(szOut, nSize, nTeam, TEAM_NICKNAME);
    if (Is_Human_Team(nTeam) && szOut[0] >= 'a' && szOut[0] <= 'z')
        szOut[0] = (char)(szOut[0] - 'a' + 'A');
}

void Write_College_Draft_Pick_Line(int nTeam, int nProspectTeam, int nProspectSlot) {
    char szTeam[TEAM_LABEL_SIZE];
    char szPlayer[DRAFT_LINE_SIZE];
    char szPosition[POSITION_NAME_SIZE];
    char szLine[DRAFT_LINE_SIZE + TEAM_LABEL_SIZE + POSITION_NAME_SIZE];
    Get_Draft_Line_Team_Name(nTeam, szTeam, sizeof(szTeam));
    Get_Player_Full_Name(nProspectTeam, nProspectSlot, szPlayer, sizeof(szPlayer));
    int nPosition = Get_Player_Vital_Stat(nProspectTeam, nProspectSlot, VITAL_POSITION);
    Get_Position_Abbreviation(nPosition, szPosition, sizeof(szPosition));
    Format_String(szLine, sizeof(szLine), " %-15s %-25s (%s)", szTeam, szPlayer, szPosition);
    Append_Draft_File_Line(szLine);
}
