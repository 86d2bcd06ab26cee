// The Standings page: one league's division tables with each team's record and five statistics
// columns of the user's choice, a league-average row, the league switch in the heading, the
// column tabs that open the chooser and the team names that open the team's Calendar page.
#include "database/database.h"
#include "engine/engine.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "season/season.h"
#include "shell/shell.h"

#define STANDINGS_HINT_LEFT 400
#define STANDINGS_TEXT_FONT 5
#define STANDINGS_CHOSEN_COLUMNS 5
#define STANDINGS_CELL_COLUMNS 10
#define STANDINGS_FIRST_STAT_CELL 5
#define STANDINGS_STAT_LEFT 300
#define STANDINGS_STAT_WIDTH 84
#define STANDINGS_EARTH_SHIFT 4  // per chosen column after the first
#define STANDINGS_TABLE_TOP 101
#define STANDINGS_DIVISION_GAP 20  // the division bar and the space under its table
#define STANDINGS_ROW_HEIGHT 14
#define STANDINGS_BAR_HEIGHT 16
#define STANDINGS_BAR_RIGHT 297
#define STANDINGS_FIRST_ROW_OFFSET 17
#define STANDINGS_AVERAGE_ROW_OFFSET 25
#define STANDINGS_TAB_TOP 72
#define STANDINGS_TAB_BOTTOM 91
#define STANDINGS_DIVISIONS_PER_LEAGUE 4
#define STANDINGS_HOVER_HAND 1

static const RECT kStandingsHeadingBand = {0, 12, 768, 66};

// The fixed cells: the city, then W, L, T and Pct. in 39-unit cells.
static const int kStandingsCellLeft[STANDINGS_FIRST_STAT_CELL] = {15, 130, 169, 208, 247};
static const int kStandingsCellWidth[STANDINGS_FIRST_STAT_CELL] = {115, 39, 39, 39, 39};

int Get_Standings_Column_X(int nChosen) {
    int x = STANDINGS_STAT_LEFT + STANDINGS_STAT_WIDTH * nChosen;
    return Is_Skin_Earth() ? x + STANDINGS_EARTH_SHIFT * nChosen : x;
}

static int Get_Shown_League(void) {
    return Get_User_Preference(PREF_SHOWN_LEAGUE) == 1 ? 1 : 0;
}

static int Get_First_Division(int nLeague) {
    return nLeague * STANDINGS_DIVISIONS_PER_LEAGUE;
}

static int Get_Last_Division(int nLeague) {
    return Get_First_Division(nLeague) + Count_League_Divisions(nLeague) - 1;
}

int Get_Division_Table_Y(int nDivision) {
    int y = STANDINGS_TABLE_TOP;
    int nFirst = Get_First_Division(Get_Division_League(nDivision));
    for (int nEarlier = nFirst; nEarlier < nDivision; nEarlier++)
        y += STANDINGS_DIVISION_GAP + STANDINGS_ROW_HEIGHT * Count_Division_Teams(nEarlier);
    return y;
}

static void Get_Standings_Cell_Rect(int nColumn, int y, RECT* pRect) {
    if (nColumn < STANDINGS_FIRST_STAT_CELL) {
        pRect->left = kStandingsCellLeft[nColumn];
        pRect->right = pRect->left + kStandingsCellWidth[nColumn];
    } else {
        pRect->left = Get_Standings_Column_X(nColumn - STANDINGS_FIRST_STAT_CELL);
        pRect->right = pRect->left + STANDINGS_STAT_WIDTH;
    }
    pRect->top = y;
    pRect->bottom = y + STANDINGS_ROW_HEIGHT;
}

static void Draw_Standings_Row_Cell(HDC hdc, int nColumn, int y, const char* szText) {
    RECT rect;
    Get_Standings_Cell_Rect(nColumn, y, &rect);
    UINT uAlign = nColumn == 0 ? DT_LEFT : DT_CENTER;
    Draw_Design_Text_Scaled(hdc, szText, &rect, uAlign | DT_VCENTER | DT_SINGLELINE);
}

static void Draw_Standings_Heading(HDC hdc, int nLeague) {
    char szLeague[64], szTitle[96];
    Get_League_Name(nLeague, szLeague, sizeof szLeague);
    if (Is_College_Draft_On())
        Format_String(szTitle, sizeof szTitle, "%s (%d)", szLeague,
                      Get_Universe_Stat(UNIVERSE_FIRST_YEAR) + gSeasonNumber - 1);
    else
        Format_String(szTitle, sizeof szTitle, "%s Standings", szLeague);
    Draw_League_Page_Heading(hdc, nLeague, szTitle, STANDINGS_HINT_LEFT);
}

static void Draw_Division_Headers(HDC hdc, int nLeague) {
    static const char* const kRecordHeads[] = {"W", "L", "T", "Pct."};
    COLORREF bar = nLeague == 0 ? RGB(96, 16, 16) : RGB(0, 48, 112);
    SetTextColor(hdc, gDarkText ? RGB(255, 255, 255) : RGB(255, 249, 69));
    for (int nDivision = Get_First_Division(nLeague); nDivision <= Get_Last_Division(nLeague);
         nDivision++) {
        int y = Get_Division_Table_Y(nDivision);
        RECT rcBar = {0, y, STANDINGS_BAR_RIGHT, y + STANDINGS_BAR_HEIGHT};
        Fill_Design_Rectangle(&rcBar, hdc, bar);
        char szName[64];
        Get_Division_Name(nDivision, szName, sizeof szName);
        RECT rcName = {15, y - 1, 130, y + 18};
        Draw_Shadowed_Design_Text(hdc, szName, &rcName, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        for (int n = 0; n < 4; n++) {
            RECT rcHead;
            Get_Standings_Cell_Rect(n + 1, y, &rcHead);
            rcHead.bottom = y + STANDINGS_BAR_HEIGHT;
            Draw_Shadowed_Design_Text(hdc, kRecordHeads[n], &rcHead,
                                      DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
}

static void Draw_Standings_Column_Headers(HDC hdc) {
    SetTextColor(hdc, Is_Skin_Earth() ? RGB(0, 0, 0) : RGB(255, 255, 255));
    for (int n = 0; n < STANDINGS_CHOSEN_COLUMNS; n++) {
        char szName[64];
        Get_Standings_Column_Name(szName, sizeof szName,
                                  Get_User_Preference(PREF_STANDINGS_COLUMNS + n));
        int x = Get_Standings_Column_X(n);
        RECT rect = {x + 3, 75, x + 81, 94};
        Draw_Design_Text_Centered(hdc, &rect, szName, STANDINGS_TEXT_FONT);
    }
}

static void Draw_Division_Rows(HDC hdc, int nLeague) {
    for (int nDivision = Get_First_Division(nLeague); nDivision <= Get_Last_Division(nLeague);
         nDivision++) {
        int nTeams = Count_Division_Teams(nDivision);
        for (int nPlace = 0; nPlace < nTeams; nPlace++) {
            int nTeam = Get_Division_Standings_Team(nDivision, nPlace);
            int y = Get_Division_Table_Y(nDivision) + STANDINGS_FIRST_ROW_OFFSET +
                    STANDINGS_ROW_HEIGHT * nPlace;
            SetTextColor(hdc, Get_News_Page_Colour(Is_Human_Team(nTeam) ? PAGE_COLOUR_HIGHLIGHT
                                                                        : PAGE_COLOUR_PRIMARY));
            for (int nColumn = 0; nColumn < STANDINGS_CELL_COLUMNS; nColumn++) {
                char szCell[64];
                Get_Standings_Cell_Text(nDivision, nPlace, nColumn, szCell, sizeof szCell);
                Draw_Standings_Row_Cell(hdc, nColumn, y, szCell);
            }
        }
    }
}

static void Draw_League_Average_Row(HDC hdc, int nLeague) {
    int nLast = Get_Last_Division(nLeague);
    int y = Get_Division_Table_Y(nLast) + STANDINGS_ROW_HEIGHT * Count_Division_Teams(nLast) +
            STANDINGS_AVERAGE_ROW_OFFSET;
    SetTextColor(hdc, Get_News_Page_Colour(PAGE_COLOUR_AVERAGE_ROW));
    Draw_Standings_Row_Cell(hdc, 0, y, "NFL Average");
    for (int n = 0; n < STANDINGS_CHOSEN_COLUMNS; n++) {
        char szCell[64];
        Get_League_Average_Stat_Text(Get_User_Preference(PREF_STANDINGS_COLUMNS + n), szCell,
                                     sizeof szCell);
        Draw_Standings_Row_Cell(hdc, STANDINGS_FIRST_STAT_CELL + n, y, szCell);
    }
}

void Paint_Standings_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "news\\standing.jpg");
    int nLeague = Get_Shown_League();
    SetBkMode(hdc, TRANSPARENT);
    Draw_Standings_Heading(hdc, nLeague);
    HFONT hFont = Take_App_Font(STANDINGS_TEXT_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    Draw_Division_Headers(hdc, nLeague);
    Draw_Standings_Column_Headers(hdc);
    Draw_Division_Rows(hdc, nLeague);
    if (Count_League_Divisions(nLeague) > 0)
        Draw_League_Average_Row(hdc, nLeague);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

// ---- the mouse: hover and click share these places ---------------------------------------------

static int Is_League_Switch_Point(int x, int y) {
    return Count_Active_Leagues() > 1 && Is_Point_In(&kStandingsHeadingBand, x, y);
}

// The chosen column whose tab is under the point, or -1.
static int Find_Standings_Tab(int x, int y) {
    for (int n = 0; n < STANDINGS_CHOSEN_COLUMNS; n++) {
        int nLeft = Get_Standings_Column_X(n);
        RECT tab = {nLeft, STANDINGS_TAB_TOP, nLeft + STANDINGS_STAT_WIDTH, STANDINGS_TAB_BOTTOM};
        if (Is_Point_In(&tab, x, y))
            return n;
    }
    return -1;
}

// The team whose name cell is under the point, or NO_TEAM.
static int Find_Standings_Team(int x, int y) {
    int nLeague = Get_Shown_League();
    for (int nDivision = Get_First_Division(nLeague); nDivision <= Get_Last_Division(nLeague);
         nDivision++) {
        int nTeams = Count_Division_Teams(nDivision);
        for (int nPlace = 0; nPlace < nTeams; nPlace++) {
            RECT cell;
            Get_Standings_Cell_Rect(0, Get_Division_Table_Y(nDivision) + STANDINGS_FIRST_ROW_OFFSET +
                                           STANDINGS_ROW_HEIGHT * nPlace,
                                    &cell);
            int nTeam = Get_Division_Standings_Team(nDivision, nPlace);
            if (Is_Point_In(&cell, x, y) && Is_Team_Active(nTeam))
                return nTeam;
        }
    }
    return NO_TEAM;
}

int Is_Standings_Page_Hot_Spot(int x, int y) {
    if (Is_League_Switch_Point(x, y) || Find_Standings_Tab(x, y) >= 0 ||
        Find_Standings_Team(x, y) != NO_TEAM)
        return STANDINGS_HOVER_HAND;
    return 0;
}

static void Repaint_Standings_In_Full(void) {
    gLastPaintedPage = -1;
    Redraw_Main_Window();
}

void Click_Standings_Page(int x, int y) {
    if (Is_League_Switch_Point(x, y)) {
        Play_Sound("button.wav");
        Set_User_Preference(PREF_SHOWN_LEAGUE, (Get_Shown_League() + 1) % 2);
        Repaint_Standings_In_Full();
        return;
    }
    int nTab = Find_Standings_Tab(x, y);
    if (nTab >= 0) {
        Choose_Page_Column(gMainWindow, PREF_STANDINGS_COLUMNS + nTab, STANDINGS_STAT_COLUMNS,
                           IDD_CHOOSE_STAT);
        Repaint_Standings_In_Full();
        return;
    }
    int nTeam = Find_Standings_Team(x, y);
    if (nTeam == NO_TEAM)
        return;
    Play_Sound("button.wav");
    gDialogTeam = nTeam;
    if (Is_Human_Team(nTeam))
        Set_User_Team(nTeam);
    Show_News_Page(CALENDAR_PAGE);
}
