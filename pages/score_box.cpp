// The small box of the news pages at the top right: the live score while a game is played, else
// the two lines of the season's phase, drawn over the page's own picture.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

#define SCORE_BOX_LEFT 668
#define SCORE_BOX_RIGHT 760
#define SCORE_BOX_TOP 25
#define SCORE_BOX_BOTTOM 54
#define LEADERS_BOX_SHIFT 11
#define SCORE_NAME_SIZE 64
#define PHASE_BOX_FONT 2

static int Is_Score_Box_Page(void) {
    return gCurrentPage == STANDINGS_PAGE || gCurrentPage == LEADERS_PAGE ||
           gCurrentPage == FINANCES_PAGE || gCurrentPage == CALENDAR_PAGE;
}

static RECT Get_Score_Box(void) {
    int nShift = gCurrentPage == LEADERS_PAGE ? LEADERS_BOX_SHIFT : 0;
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

void Draw_Live_Score_Lines(GAME* pGame) {
    if (pGame == NULL || !Is_Score_Box_Page())
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
