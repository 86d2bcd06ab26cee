// The small box of the news pages at the top right: the live score while a game is played, else
// the two lines of the season's phase.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

#define SCORE_BOX_LEFT 668
#define SCORE_BOX_RIGHT 760
#define SCORE_BOX_TOP 25
#define SCORE_BOX_BOTTOM 54
#define LEADERS_BOX_SHIFT 11
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

// STAND-IN(pages): restores the page's background under the box and prints the live game's two
// score lines in the skin's colours; this one has the box repainted.
void Repaint_Live_Score_Box(void) {
    if (!Is_Score_Box_Page())
        return;
    RECT rect = Get_Score_Box();
    InvalidateRect(Get_Main_Window(), &rect, FALSE);
}

// The shell's two season-phase labels, one a line of the box, the second in the highlight colour.
// STAND-IN(pages): restores the page's background image under the box before printing; this one
// prints over what is there.
void Draw_Season_Phase_Box(void) {
    if (!Is_Score_Box_Page())
        return;
    RECT rect = Get_Score_Box();
    char aszLabels[2][SEASON_PHASE_LABEL_SIZE];
    Get_Season_Phase_Labels(aszLabels[0], aszLabels[1]);
    HDC hDC = Get_Main_Window_DC();
    if (hDC) {
        HFONT hFont = Take_App_Font(PHASE_BOX_FONT);
        SelectObject(hDC, hFont);
        SetBkMode(hDC, TRANSPARENT);
        int nMiddle = (rect.top + rect.bottom) / 2;
        RECT aLines[2] = {{rect.left, rect.top, rect.right, nMiddle},
                          {rect.left, nMiddle, rect.right, rect.bottom}};
        const int anKinds[2] = {PAGE_PLAIN_TEXT, PAGE_HIGHLIGHT_TEXT};
        for (int nLine = 0; nLine < 2; nLine++)
            Draw_Design_Text_Colour(aszLabels[nLine], hDC,
                                    Get_Page_Text_Colour(anKinds[nLine], gDarkText), &aLines[nLine],
                                    DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        Release_Main_Window_DC(hDC);
        Release_App_Font(hFont);
    }
    Invalidate_Design_Rect(Get_Main_Window(), &rect);
}
