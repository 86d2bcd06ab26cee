// The player card's stat panel: a column set chosen by position (STAT_PANEL_LAYOUT), one row per
// season line from the newest, then the career row.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

#define STAT_PANEL_MAX_COLUMNS 19
#define STAT_PANEL_LEFT 7
#define STAT_PANEL_HEADING_TOP 197
#define STAT_PANEL_HEADING_BOTTOM 212
#define STAT_PANEL_FIRST_ROW 213
#define STAT_PANEL_ROW_HEIGHT 15
#define STAT_PANEL_ROW_STEP 14
#define STAT_PANEL_HEADING_FONT 2
#define STAT_PANEL_HINT_FONT 1

typedef struct STAT_PANEL_COLUMNS {
    int nCount;
    int anWidths[STAT_PANEL_MAX_COLUMNS];
    const char* aszHeadings[STAT_PANEL_MAX_COLUMNS];  // "" draws nothing
    int anFields[STAT_PANEL_MAX_COLUMNS];             // columns 2 on; -1 for columns 0 and 1
} STAT_PANEL_COLUMNS;

static const STAT_PANEL_COLUMNS kStatPanelLayouts[STAT_PANEL_LAYOUT_COUNT] = {
    {17,
     {50, 30, 24, 24, 33, 33, 34, 34, 40, 23, 23, 40, 34, 34, 24, 40, 38},
     {"", "Team", "G", "GS", "Att", "Comp", "Pct", "Yards", "Yds/Att", "TD", "Int", "Rating",
      "Rush", "Yds", "TD", "Sacks", "SkYds"},
     {-1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 12, 13}},
    {9,
     {50, 30, 24, 24, 60, 84, 66, 54, 0},
     {"", "Team", "G", "GS", "Yds/Rush", "Sacks Allowed", "Penalties", "Pen-Yds", "Snaps"},
     {-1, -1, 0, 1, 14, 15, 16, 17, 61}},
    {16,
     {50, 30, 24, 24, 36, 33, 29, 23, 29, 28, 29, 34, 29, 32, 28, 22},
     {"", "Team", "G", "GS", "Rush", "Yards", "Avg", "TD", "Fum", "Tgts", "Rec", "Yards", "Avg",
      "YAC", "1st", "TD"},
     {-1, -1, 0, 1, 10, 11, 14, 18, 50, 20, 21, 22, 23, 51, 52, 24}},
    {19,
     {50, 30, 24, 24, 36, 33, 29, 23, 29, 28, 29, 34, 29, 32, 28, 22, 31, 31, 20},
     {"", "Team", "G", "GS", "Rush", "Yards", "Avg", "TD", "Fum", "Tgts", "Rec", "Yards", "Avg",
      "YAC", "1st", "TD", "PRet", "KRet", "TD"},
     {-1, -1, 0, 1, 10, 11, 14, 18, 50, 20, 21, 22, 23, 51, 52, 24, 25, 26, 27}},
    {13,
     {50, 30, 24, 24, 46, 30, 30, 30, 34, 24, 24, 24, 24},
     {"", "Team", "G", "GS", "Tackles", "Tk/G", "Solo", "Asst", "Sacks", "FF", "PD", "Int", "TD"},
     {-1, -1, 0, 1, 28, 29, 30, 31, 32, 33, 34, 35, 36}},
    {16,
     {50, 30, 24, 24, 46, 30, 30, 30, 34, 24, 24, 24, 24, 34, 34, 25},
     {"", "Team", "G", "GS", "Tackles", "Tk/G", "Solo", "Asst", "Sacks", "FF", "PD", "Int", "TD",
      "PRet", "KRet", "TD"},
     {-1, -1, 0, 1, 28, 29, 30, 31, 32, 33, 34, 35, 36, 25, 26, 27}},
    {9,
     {50, 30, 24, 42, 42, 42, 30, 34, 42},
     {"", "Team", "G", "Punts", "Yards", "Avg", "LG", "TB", "(FG%)"},
     {-1, -1, 0, 37, 38, 39, 40, 41, 42}},
    {11,
     {50, 30, 24, 48, 48, 48, 48, 48, 34, 30, 30},
     {"", "Team", "G", "PAT", "FG<30", "30-39", "40-49", "50+", "FG%", "LG", "Pts"},
     {-1, -1, 0, 43, 44, 45, 46, 47, 42, 48, 49}},
};

int Get_Stat_Panel_Layout(int nTeam, int nSlot) {
    int nPosition = Get_Roster_Position(nTeam, nSlot);
    int nGroup = Get_Position_Group(nPosition);
    int bReturner = Get_Player_Stat(nTeam, nSlot, SEASON_CAREER, STAT_RETURNS) != 0;
    if (nPosition == POS_QB)
        return STAT_PANEL_QUARTERBACK;
    if (nGroup == GROUP_LINE)
        return STAT_PANEL_LINEMAN;
    if (nPosition == POS_P)
        return STAT_PANEL_PUNTER;
    if (nPosition == POS_K)
        return STAT_PANEL_KICKER;
    if (nGroup == GROUP_DEFENCE)
        return bReturner ? STAT_PANEL_DEFENDER_RETURNER : STAT_PANEL_DEFENDER;
    return bReturner ? STAT_PANEL_OFFENCE_RETURNER : STAT_PANEL_OFFENCE;
}

static const STAT_PANEL_COLUMNS* Get_Layout_Columns(int nLayout) {
    return &kStatPanelLayouts[Clamp(nLayout, 0, STAT_PANEL_LAYOUT_COUNT - 1)];
}

int Get_Stat_Panel_Column_Count(int nLayout) {
    return Get_Layout_Columns(nLayout)->nCount;
}

int Get_Stat_Panel_Column_X(int nLayout, int nColumn) {
    const STAT_PANEL_COLUMNS* pColumns = Get_Layout_Columns(nLayout);
    int x = STAT_PANEL_LEFT;
    for (int n = 0; n < nColumn && n < pColumns->nCount; n++)
        x += pColumns->anWidths[n];
    return x;
}

void Get_Stat_Panel_Heading(int nLayout, int nColumn, char* szOut, int nSize) {
    szOut[0] = 0;
    const STAT_PANEL_COLUMNS* pColumns = Get_Layout_Columns(nLayout);
    if (nColumn >= 0 && nColumn < pColumns->nCount)
        safe_strncpy(szOut, pColumns->aszHeadings[nColumn], nSize);
}

// The name of a view in column 0: the four fixed views by name, a season line by its year.
static void Get_View_Name(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    static const char* const kViewNames[SEASON_FIRST_LINE] = {"This Season", "Last Season",
                                                              "Career", "Predicted"};
    if (nSeason < SEASON_FIRST_LINE)
        safe_strncpy(szOut, kViewNames[Clamp(nSeason, 0, SEASON_FIRST_LINE - 1)], nSize);
    else
        Format_String(szOut, nSize, "%d", Get_Player_View_Year(nTeam, nSlot, nSeason));
}

// Column 1 of a season line: the team's abbreviation, or a college line's class.
static void Get_View_Team(int nTeam, int nSlot, int nSeason, char* szOut, int nSize) {
    static const char* const kClasses[4] = {"FR", "SO", "JR", "SR"};
    szOut[0] = 0;
    if (nSeason < SEASON_FIRST_LINE)
        return;
    int nLine = Get_Player_Season_Line(nTeam, nSlot, nSeason - SEASON_FIRST_LINE);
    if (nLine == NO_SEASON_LINE)
        return;
    int nClass = Get_Season_Line_Flag(nLine);
    int nLineTeam = Get_Season_Line_Team(nLine);
    if (nClass >= 0 && nLineTeam >= 0 && nLineTeam < LEAGUE_TEAM_COUNT)
        Get_Team_String(szOut, nSize, nLineTeam, TEAM_ABBREVIATION);
    else if (nClass >= -4 && nClass <= -1)
        safe_strncpy(szOut, kClasses[nClass + 4], nSize);
}

void Get_Stat_Panel_Cell_Text(int nTeam, int nSlot, int nLayout, int nSeason, int nColumn,
                              char* szOut, int nSize) {
    szOut[0] = 0;
    const STAT_PANEL_COLUMNS* pColumns = Get_Layout_Columns(nLayout);
    if (nColumn == 0)
        Get_View_Name(nTeam, nSlot, nSeason, szOut, nSize);
    else if (nColumn == 1)
        Get_View_Team(nTeam, nSlot, nSeason, szOut, nSize);
    else if (nColumn < pColumns->nCount)
        Get_Player_Card_Field_Text(nTeam, nSlot, nSeason, pColumns->anFields[nColumn], szOut,
                                   nSize);
}

COLORREF Get_Stat_Panel_Row_Color(int nTeam, int nSlot, int nSeason) {
    int bDark = gDarkText != 0;
    COLORREF plain = bDark ? RGB(0, 0, 0) : RGB(255, 255, 255);
    COLORREF olive = bDark ? RGB(160, 70, 70) : RGB(170, 166, 46);
    COLORREF pink = bDark ? RGB(80, 80, 180) : RGB(255, 170, 170);
    if (nSeason == SEASON_CURRENT || nSeason == SEASON_PREVIOUS)
        return plain;
    if (nSeason == SEASON_CAREER)
        return Get_Report_Bright_Colour();
    if (nSeason == SEASON_PREDICTED)
        return olive;
    int nLine = Get_Player_Season_Line(nTeam, nSlot, nSeason - SEASON_FIRST_LINE);
    if (nLine == NO_SEASON_LINE)
        return plain;
    int bCollege = Get_Season_Line_Flag(nLine) < 0;
    if (Is_Skin_Ice_Or_Fire())
        return bCollege ? olive : RGB(0, 0, 0);
    return bCollege ? pink : olive;
}

// Whether every cell of a row is empty: such a row takes no room.
static int Is_Stat_Panel_Row_Empty(int nTeam, int nSlot, int nLayout, int nSeason) {
    char szCell[STAT_PANEL_CELL_SIZE];
    for (int nColumn = 0; nColumn < Get_Stat_Panel_Column_Count(nLayout); nColumn++) {
        Get_Stat_Panel_Cell_Text(nTeam, nSlot, nLayout, nSeason, nColumn, szCell, sizeof szCell);
        if (szCell[0])
            return 0;
    }
    return 1;
}

static void Draw_Stat_Panel_Row(HDC hdc, int nTeam, int nSlot, int nLayout, int nSeason, int y) {
    char szCell[STAT_PANEL_CELL_SIZE];
    SetTextColor(hdc, Get_Stat_Panel_Row_Color(nTeam, nSlot, nSeason));
    for (int nColumn = 0; nColumn < Get_Stat_Panel_Column_Count(nLayout); nColumn++) {
        Get_Stat_Panel_Cell_Text(nTeam, nSlot, nLayout, nSeason, nColumn, szCell, sizeof szCell);
        RECT rect = {Get_Stat_Panel_Column_X(nLayout, nColumn), y,
                     Get_Stat_Panel_Column_X(nLayout, nColumn + 1), y + STAT_PANEL_ROW_HEIGHT};
        Draw_Report_Text(hdc, szCell, &rect, nColumn < 2 ? DT_CENTER : DT_RIGHT);
    }
}

// The page hint above the headings when the lines fill more than one page.
static void Draw_Stat_Panel_Hint(HDC hdc, int nViews) {
    if (nViews < STAT_PANEL_PAGE_ROWS + 1)
        return;
    HFONT hFont = Take_App_Font(STAT_PANEL_HINT_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SetTextColor(hdc, gDarkText ? RGB(85, 85, 85) : RGB(170, 170, 170));
    RECT rect = {7, 182, 581, 196};
    Draw_Report_Text(hdc,
                     gStatPanelPage == 0 ? "Click stats (below) to see page 2"
                                         : "Click stats (below) to see page 1",
                     &rect, DT_CENTER);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

static void Draw_Stat_Panel_Headings(HDC hdc, int nLayout) {
    char szHeading[STAT_PANEL_CELL_SIZE];
    SetTextColor(hdc, Is_Skin_Ice_Or_Fire() ? RGB(255, 255, 255)
                      : gDarkText           ? RGB(30, 30, 130)
                                            : RGB(255, 215, 215));
    for (int nColumn = 0; nColumn < Get_Stat_Panel_Column_Count(nLayout); nColumn++) {
        Get_Stat_Panel_Heading(nLayout, nColumn, szHeading, sizeof szHeading);
        if (!szHeading[0])
            continue;
        RECT rect = {Get_Stat_Panel_Column_X(nLayout, nColumn), STAT_PANEL_HEADING_TOP,
                     Get_Stat_Panel_Column_X(nLayout, nColumn + 1), STAT_PANEL_HEADING_BOTTOM};
        UINT uAlign = nColumn == 0 ? DT_LEFT : nColumn == 1 ? DT_CENTER : DT_RIGHT;
        Draw_Report_Text(hdc, szHeading, &rect, uAlign);
    }
}

int List_Stat_Panel_Rows(int nTeam, int nSlot, int* anSeasons, int nMax) {
    int nLayout = Get_Stat_Panel_Layout(nTeam, nSlot);
    int nCount = 0;
    for (int nLink = Count_Player_Stat_Views(nTeam, nSlot) - 1 - gStatPanelPage;
         nLink >= 0 && nCount < Min_Int(nMax, STAT_PANEL_PAGE_ROWS); nLink--) {
        int nSeason = SEASON_FIRST_LINE + nLink;
        if (!Is_Stat_Panel_Row_Empty(nTeam, nSlot, nLayout, nSeason))
            anSeasons[nCount++] = nSeason;
    }
    if (nCount < nMax)
        anSeasons[nCount++] = SEASON_CAREER;
    return nCount;
}

void Draw_Stat_Panel(HDC hdc, int nTeam, int nSlot) {
    int nLayout = Get_Stat_Panel_Layout(nTeam, nSlot);
    Draw_Stat_Panel_Hint(hdc, Count_Player_Stat_Views(nTeam, nSlot));
    HFONT hFont = Take_App_Font(STAT_PANEL_HEADING_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    Draw_Stat_Panel_Headings(hdc, nLayout);
    int anSeasons[STAT_PANEL_PAGE_ROWS + 1];
    int nRows = List_Stat_Panel_Rows(nTeam, nSlot, anSeasons, STAT_PANEL_PAGE_ROWS + 1);
    for (int nRow = 0; nRow < nRows; nRow++)
        Draw_Stat_Panel_Row(hdc, nTeam, nSlot, nLayout, anSeasons[nRow],
                            STAT_PANEL_FIRST_ROW + nRow * STAT_PANEL_ROW_STEP);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}
