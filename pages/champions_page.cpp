// The champions page, shown when a season is complete: the best title of the user's teams (a
// division lead, a league title or the championship) with its picture, the year and a sound.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

#define CHAMPIONS_YEAR_FONT 11

typedef struct CHAMPIONS_LEVEL {
    int nLevel;
    const char* szPicture;
    COLORREF yearColour;
    const char* szSound;
} CHAMPIONS_LEVEL;

static const CHAMPIONS_LEVEL kChampionsLevels[] = {
    {TITLE_LEVEL_DIVISION, "news\\divchamp.jpg", RGB(0, 0, 0), "celeb1.wav"},
    {TITLE_LEVEL_LEAGUE, "news\\conferen.jpg", RGB(128, 0, 0), "celeb2.wav"},
    {TITLE_LEVEL_CHAMPION, "news\\champs.jpg", RGB(0, 0, 128), "celeb3.wav"},
};

int Get_Team_Title_Level(int nTeam) {
    int nFinish = Record_Team_Season_Finish(nTeam);
    if (nFinish == TITLE_LEVEL_CHAMPION || nFinish == TITLE_LEVEL_LEAGUE)
        return nFinish;
    return Get_Team_Division_Standing(nTeam) == 0 ? TITLE_LEVEL_DIVISION : TITLE_LEVEL_NONE;
}

// The first of the human-run teams with the highest title level; a level of 0 never counts.
static int Find_Best_Title_Team(int* pnLevel) {
    int nBest = NO_TEAM, nBestLevel = TITLE_LEVEL_NONE;
    for (int nTeam = 0; nTeam < Count_Active_Teams(); nTeam++) {
        if (!Is_Human_Team(nTeam))
            continue;
        int nLevel = Get_Team_Title_Level(nTeam);
        if (nLevel > nBestLevel) {
            nBest = nTeam;
            nBestLevel = nLevel;
        }
    }
    *pnLevel = nBestLevel;
    return nBest;
}

int Get_Best_Title_Team(void) {
    int nLevel;
    return Find_Best_Title_Team(&nLevel);
}

void Get_Champions_View(CHAMPIONS_VIEW* pView) {
    Find_Best_Title_Team(&pView->nLevel);
    pView->szPicture = NULL;
    pView->yearColour = RGB(0, 0, 0);
    pView->szSound = NULL;
    for (const CHAMPIONS_LEVEL& level : kChampionsLevels) {
        if (level.nLevel == pView->nLevel) {
            pView->szPicture = level.szPicture;
            pView->yearColour = level.yearColour;
            pView->szSound = level.szSound;
        }
    }
    // Once the off-season has begun the season just completed is a year back.
    int nYear = Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber;
    if (gCurrentWeek == OFF_SEASON_WEEK)
        nYear--;
    Format_String(pView->szYear, sizeof pView->szYear, "%d", nYear);
}

void Paint_Champions_Page(HDC hdc) {
    CHAMPIONS_VIEW view;
    Get_Champions_View(&view);
    if (view.szPicture)
        Draw_Named_Page_Background(hdc, view.szPicture);
    HFONT hFont = Take_App_Font(CHAMPIONS_YEAR_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SetBkMode(hdc, TRANSPARENT);
    RECT rc = {190, 95, 570, 155};
    Draw_Design_Text_Colour(view.szYear, hdc, view.yearColour, &rc,
                            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

void Play_Champion_Sound(void) {
    CHAMPIONS_VIEW view;
    Get_Champions_View(&view);
    if (view.szSound)
        Play_Sound(view.szSound);
}
