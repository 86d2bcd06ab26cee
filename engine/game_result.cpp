// A finished game's result: its box score and recap files, the post-game credits, the win, loss
// or tie of both teams, and the small live-score box of the news pages.
#include <stdio.h>
#include <string.h>

#include "engine/engine.h"

#define REPORT_FOLDER "Output"
#define REPORT_BUFFER_SIZE 81920
#define LAST_RESULT_WEEK 21
#define LAST_RESULT_TEAM 36

static char gReportBuffer[REPORT_BUFFER_SIZE];

static void Format_Report_File_Name(char* st, int nSize, const char* szKind, int nYear, int nGame) {
    Format_String(st, nSize, REPORT_FOLDER "\\%s-%02d-%03d.htm", szKind, nYear % 100, nGame);
}

void Get_Current_Game_Box_File_Name(char* st, int nSize) {
    Format_Report_File_Name(st, nSize, "Box", Get_Season_Year(), gGameNumber);
}

void Get_Current_Game_Recap_File_Name(char* st, int nSize) {
    Format_Report_File_Name(st, nSize, "Recap", Get_Season_Year(), gGameNumber);
}

// In the off-season a stored game belongs to the season just ended.
static int Get_Selected_Game_Year(void) {
    return Get_Season_Year() - (gCurrentWeek == OFF_SEASON_WEEK ? 1 : 0);
}

void Get_Selected_Game_Box_File_Name(char* st, int nSize) {
    Format_Report_File_Name(st, nSize, "Box", Get_Selected_Game_Year(), gSelectedGame);
}

void Get_Selected_Game_Recap_File_Name(char* st, int nSize) {
    Format_Report_File_Name(st, nSize, "Recap", Get_Selected_Game_Year(), gSelectedGame);
}

// Writes the head and a body as one file; a file that cannot be written logs one line.
static int Write_Report_File(const char* szName, const char* szBody, int nBodySize) {
    int nHead = (int)strnlen(gGameHtmlHead, GAME_HTML_HEAD_SIZE - 1);
    int nBody = (int)strnlen(szBody, nBodySize - 1);
    memcpy(gReportBuffer, gGameHtmlHead, nHead);
    memcpy(gReportBuffer + nHead, szBody, nBody);
    if (!Platform_Make_Directory(REPORT_FOLDER)) {
        Log_Debug_Line("Cannot create the folder %s for %s", REPORT_FOLDER, szName);
        return 0;
    }
    FILE* pFile = Platform_Open_File(szName, "w");
    if (pFile == NULL) {
        Log_Debug_Line("Cannot open %s: %s", szName, Get_Errno_Text());
        return 0;
    }
    size_t nWritten = fwrite(gReportBuffer, 1, (size_t)(nHead + nBody), pFile);
    int bClosed = fclose(pFile) == 0;
    if (nWritten != (size_t)(nHead + nBody) || !bClosed) {
        Log_Debug_Line("Cannot write %s: %s", szName, Get_Errno_Text());
        return 0;
    }
    return 1;
}

int Write_Box_Score_File(int bClear) {
    char szName[REPORT_FILE_NAME_SIZE];
    Get_Current_Game_Box_File_Name(szName, sizeof(szName));
    int bWritten = Write_Report_File(szName, gBoxScoreHtml, BOX_SCORE_HTML_SIZE);
    if (bClear)
        Publish_Box_Score_Cleared();
    return bWritten;
}

int Write_Recap_File(int bClear) {
    char szName[REPORT_FILE_NAME_SIZE];
    Get_Current_Game_Recap_File_Name(szName, sizeof(szName));
    int bWritten = Write_Report_File(szName, gRecapHtml, RECAP_HTML_SIZE);
    if (bClear)
        Clear_Game_Texts();
    return bWritten;
}

void Record_Game_Result(GAME* pGame, int nWeek) {
    if (pGame == NULL)
        return;
    if (Are_Game_Texts_Kept()) {  // a game played without its texts has no report to write
        Write_Box_Score_File(1);
        Write_Recap_File(1);
    }
    Credit_Games_Played(pGame);
    int nVisitor = pGame->anTeams[VISITOR_SIDE];
    int nHome = pGame->anTeams[HOME_SIDE];
    int nVisitorScore = pGame->anScores[VISITOR_SIDE];
    int nHomeScore = pGame->anScores[HOME_SIDE];
    if (nHomeScore > nVisitorScore) {
        Add_Team_Win(nHome, 1);
        Add_Team_Loss(nVisitor, 0);
    } else if (nVisitorScore > nHomeScore) {
        Add_Team_Win(nVisitor, 0);
        Add_Team_Loss(nHome, 1);
    } else {
        Add_Team_Tie(nVisitor, 0);
        Add_Team_Tie(nHome, 1);
    }
    // The week's play-by-play flag is cleared: later weeks are watched only when marked again.
    const int anTeams[2] = {nVisitor, nHome};
    for (int nTeam : anTeams) {
        if (nWeek >= 0 && nWeek <= LAST_RESULT_WEEK && nTeam >= 0 && nTeam <= LAST_RESULT_TEAM)
            Set_Calendar_PBP_Flag(nWeek, nTeam, 0);
    }
}

// ---- the live-score box ---------------------------------------------------------------------------

// A league game's score changed: the news pages' box is painted again.
void Draw_Live_Score_Box(GAME* pGame) {
    if (pGame == NULL)
        return;
    int nVisitor = pGame->anTeams[VISITOR_SIDE];
    int nHome = pGame->anTeams[HOME_SIDE];
    if (nHome > 35 || nVisitor > 35 || nHome == nVisitor)
        return;
    Host_Show_Score(pGame);
}
