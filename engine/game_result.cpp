// A finished game's result: its box score and recap files, the post-game credits, the win, loss
// or tie of both teams, and the small live-score box of the news pages.
#include <stdio.h>
#include <string.h>

#include "engine/engine.h"
#include "reports/reports.h"
#include "shell/shell.h"

#define REPORT_FOLDER "Output"
#define REPORT_BUFFER_SIZE 81920
#define LAST_RESULT_WEEK 21
#define LAST_RESULT_TEAM 36
#define PAGE_STANDINGS 40030
#define PAGE_LEADERS 40032
#define PAGE_FINANCES 40034
#define PAGE_CALENDAR 40036
#define SCORE_BOX_LEFT 668
#define SCORE_BOX_RIGHT 760
#define SCORE_BOX_TOP 25
#define SCORE_BOX_BOTTOM 54
#define LEADERS_BOX_SHIFT 11
#define SCORE_NAME_SIZE 64
#define PHASE_BOX_FONT 2

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
        Reset_Box_Score_Html();
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

// ---- the live-score and season-phase box ---------------------------------------------------------

static int Is_Score_Box_Page(void) {
    return gCurrentPage == PAGE_STANDINGS || gCurrentPage == PAGE_LEADERS ||
           gCurrentPage == PAGE_FINANCES || gCurrentPage == PAGE_CALENDAR;
}

static RECT Get_Score_Box(void) {
    int nShift = gCurrentPage == PAGE_LEADERS ? LEADERS_BOX_SHIFT : 0;
    RECT rect = {SCORE_BOX_LEFT, SCORE_BOX_TOP - nShift, SCORE_BOX_RIGHT,
                 SCORE_BOX_BOTTOM - nShift};
    return rect;
}

// The name a score line shows: the nickname, or the city of a club called only "Football Team".
static void Get_Score_Box_Name(int nTeam, char* st, int nSize) {
    Get_Team_Short_Name(nTeam, st, nSize);
}

// The box's window rectangle over the page's pixels; an inverted one is reported and used.
static RECT Scale_Score_Box(const RECT* pDesign) {
    RECT rect = *pDesign;
    Scale_Design_Rect(&rect);
    if (rect.right < rect.left || rect.bottom < rect.top)
        Report_Error(
            "Invalid rectangle generated in Copy_Enlarged_Rectangle(%d,%d,%d,%d -> "
            "%d,%d,%d,%d)",
            pDesign->left, pDesign->top, pDesign->right, pDesign->bottom, rect.left, rect.top,
            rect.right, rect.bottom);
    return rect;
}

// The page's own picture under the box, or a plain box when the picture is missing.
static void Clear_Score_Box(HDC hDC, const RECT* pDesign) {
    RECT rect = Scale_Score_Box(pDesign);
    if (Restore_Page_Background(hDC, &rect))
        return;
    HBRUSH hBrush = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(hDC, &rect, hBrush);
    if (!DeleteObject(hBrush))
        Report_Error("DeleteObject failed in Clear_Score_Box()");
}

// Two lines in the box over the restored background, the first in the page's plain colour, the
// second in its highlight; each line's left text is aligned by uFormat, its right text (when
// given) to the right edge. The box is then repainted on the window.
static void Draw_Score_Box_Lines(const char* const aszLeft[2], const char* const aszRight[2],
                                 UINT uFormat) {
    RECT box = Get_Score_Box();
    HDC hDC = Get_Main_Window_DC();
    if (hDC) {
        Clear_Score_Box(hDC, &box);
        HFONT hFont = Take_App_Font(PHASE_BOX_FONT);
        HGDIOBJ hOld = SelectObject(hDC, hFont);
        SetBkMode(hDC, TRANSPARENT);
        int nMiddle = (box.top + box.bottom) / 2;
        const int anTops[2] = {box.top, nMiddle};
        const int anBottoms[2] = {nMiddle, box.bottom};
        const int anKinds[2] = {PAGE_PLAIN_TEXT, PAGE_HIGHLIGHT_TEXT};
        for (int nLine = 0; nLine < 2; nLine++) {
            COLORREF colour = Get_Page_Text_Colour(anKinds[nLine], gDarkText);
            RECT line = {box.left, anTops[nLine], box.right, anBottoms[nLine]};
            Draw_Design_Text_Colour(aszLeft[nLine], hDC, colour, &line,
                                    uFormat | DT_SINGLELINE | DT_VCENTER);
            RECT right = {box.left, anTops[nLine], box.right, anBottoms[nLine]};
            if (aszRight[nLine])
                Draw_Design_Text_Colour(aszRight[nLine], hDC, colour, &right,
                                        DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
        }
        SelectObject(hDC, hOld);
        Release_App_Font(hFont);
        Release_Main_Window_DC(hDC);
    }
    Invalidate_Design_Rect(Get_Main_Window(), &box);
}

void Draw_Live_Score_Box(GAME* pGame) {
    if (pGame == NULL || !Is_Score_Box_Page())
        return;
    int nVisitor = pGame->anTeams[VISITOR_SIDE];
    int nHome = pGame->anTeams[HOME_SIDE];
    if (nHome > 35 || nVisitor > 35 || nHome == nVisitor)
        return;
    char aszNames[2][SCORE_NAME_SIZE];
    char aszScores[2][16];
    for (int bSide = 0; bSide < 2; bSide++) {
        Get_Score_Box_Name(pGame->anTeams[bSide], aszNames[bSide], sizeof(aszNames[bSide]));
        Format_String(aszScores[bSide], sizeof(aszScores[bSide]), "%d", pGame->anScores[bSide]);
    }
    const char* const aszLeft[2] = {aszNames[VISITOR_SIDE], aszNames[HOME_SIDE]};
    const char* const aszRight[2] = {aszScores[VISITOR_SIDE], aszScores[HOME_SIDE]};
    Draw_Score_Box_Lines(aszLeft, aszRight, DT_LEFT);
}

// The shell's two season-phase labels, one a line of the box.
void Draw_Season_Phase_Box(void) {
    if (!Is_Score_Box_Page())
        return;
    char aszLabels[2][SEASON_PHASE_LABEL_SIZE];
    Get_Season_Phase_Labels(aszLabels[0], aszLabels[1]);
    const char* const aszLeft[2] = {aszLabels[0], aszLabels[1]};
    const char* const aszRight[2] = {NULL, NULL};
    Draw_Score_Box_Lines(aszLeft, aszRight, DT_CENTER);
}
