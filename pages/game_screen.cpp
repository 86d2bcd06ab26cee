// The game-day screen's narration of a watched play: the description lines one frame at a time,
// then the summary sentence and "Click to continue...". A repaint draws the lines again up to the
// last frame shown.
#include "pages/game_screen_internal.h"

#define NARRATION_FONT 2
#define SUMMARY_FRAME 10
#define REDRAW_FRAME (-1)
#define NARRATION_LINE_SIZE 2048

static int nLastPlayByPlayFrame = -1;
static const RECT kPlayByPlayColumn = {293, 294, 478, 507};

// Text word-wrapped at the column's top; the top moves down by its height and 2 more.
static void Draw_Column_Text(HDC hdc, RECT* pColumn, const char* szText, COLORREF colour) {
    RECT rect = *pColumn;
    SetTextColor(hdc, colour);
    int nHeight = Draw_Design_Text(hdc, szText, &rect, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX, 1);
    pColumn->top += nHeight + 2;
}

// The background part is given by its last column and row: the column ends at the page's bottom,
// and one row more would make the copy squeeze into the page.
static void Restore_Column(HDC hdc) {
    RECT rect = kPlayByPlayColumn;
    char szBackground[PAGE_BACKGROUND_NAME_SIZE];
    Get_Game_Screen_Background(szBackground, sizeof(szBackground));
    Scale_Design_Rect(&rect);
    Draw_Page_Background_Part(hdc, szBackground, 255, rect.left, rect.top, rect.right - 1,
                              rect.bottom - 1);
    if (gMainWindow)
        InvalidateRect(gMainWindow, &rect, FALSE);
}

int Draw_Play_By_Play_Text(HDC hDC, int nFrame, int bReset) {
    GAME* pGame = Get_Displayed_Game();
    if (pGame == NULL || hDC == NULL)
        return 0;
    if (bReset)
        nLastPlayByPlayFrame = -1;
    if (nFrame >= 0)
        nLastPlayByPlayFrame = Min_Int(nFrame, SUMMARY_FRAME);
    else if (nFrame < REDRAW_FRAME && nLastPlayByPlayFrame >= 0)
        Restore_Column(hDC);
    const int nLast = nFrame >= 0 ? nLastPlayByPlayFrame
                      : nFrame == REDRAW_FRAME ? nLastPlayByPlayFrame
                                               : -1;
    if (nLast < 0)
        return 0;
    HFONT hFont = Take_App_Font(NARRATION_FONT);
    HGDIOBJ hOld = SelectObject(hDC, hFont);
    SetBkMode(hDC, TRANSPARENT);
    RECT column = kPlayByPlayColumn;
    Restore_Column(hDC);
    int bDrawn = 0;
    for (int i = 0; i <= nLast; i++) {
        if (i < SUMMARY_FRAME) {
            bDrawn = pGame->currentPlay.aabNarration[i][0] != NARRATION_ENTRY_EMPTY;
            if (!bDrawn)
                continue;
            char szLine[NARRATION_LINE_SIZE];
            Get_Narration_Line(i, szLine, sizeof(szLine));
            Draw_Column_Text(hDC, &column, szLine, gDarkText ? RGB(0, 0, 0) : RGB(255, 255, 255));
        } else {
            char szSummary[NARRATION_LINE_SIZE];
            Write_Play_Summary_Sentence(pGame, &pGame->currentPlay, szSummary, sizeof(szSummary));
            Draw_Column_Text(hDC, &column, szSummary,
                             gDarkText ? RGB(130, 30, 30) : RGB(255, 249, 69));
            Draw_Column_Text(hDC, &column, "Click to continue...",
                             gDarkText ? RGB(30, 30, 130) : RGB(255, 215, 215));
            bDrawn = 0;
        }
    }
    SelectObject(hDC, hOld);
    Release_App_Font(hFont);
    return bDrawn;
}
