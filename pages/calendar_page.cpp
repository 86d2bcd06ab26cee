// The Calendar page: the shown team's season week by week (opponent, result or weekday, score or
// kick-off time) and five game-statistics columns the user picks, the betting lines among them.
// A future week's row plays up to it; a played week's row opens its game on the Games page.
#include <strings.h>

#include "pages/pages.h"
#include "shell/shell.h"

#define CALENDAR_ROW_FONT 7
#define CALENDAR_HEADING_FONT 13
#define CALENDAR_NOTE_FONT 5
#define CALENDAR_FIRST_ROW_TOP 106
#define CALENDAR_ROW_HEIGHT 16
#define CALENDAR_POSTSEASON_GAP 3
#define CALENDAR_ROW_LEFT 2
#define CALENDAR_ROW_RIGHT 638
#define CALENDAR_TAB_TOP 68
#define CALENDAR_TAB_BOTTOM 101
#define CALENDAR_NOTE_LAST_WEEK 18  // the hint shows while the rows end by this week
#define CALENDAR_WEEKDAY_STRING 21  // string resources 21..27: Monday .. Sunday
#define CALENDAR_LAST_WEEKDAY 6
#define CALENDAR_FIRST_SEASON 1960  // its weeks 0 and 1 were no bye weeks
#define OVERTIME_CLOCK 3600
#define CALENDAR_HAND_CURSOR 1
#define CALENDAR_NOTE_RIGHT 680  // left of the team logo that the shell draws at the bottom right

static const RECT kCalendarHeadingBand = {0, 12, 768, 66};

int Get_Calendar_Column_X(int k) {
    return Is_Skin_Ice_Or_Fire() ? 381 + 72 * k : 371 + 77 * k;
}

int Get_Calendar_Week_Top(int nWeek) {
    int y = CALENDAR_FIRST_ROW_TOP + CALENDAR_ROW_HEIGHT * nWeek;
    if (nWeek >= gPostseasonWeeks[0])
        y += CALENDAR_POSTSEASON_GAP;
    return y;
}

int Get_Calendar_Week_At_Point(int x, int y) {
    CALENDAR_GAME game;
    for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++) {
        int nTop = Get_Calendar_Week_Top(nWeek);
        RECT row = {CALENDAR_ROW_LEFT, nTop, CALENDAR_ROW_RIGHT, nTop + CALENDAR_ROW_HEIGHT};
        if (Is_Point_In(&row, x, y))
            return Find_Calendar_Game(Get_Dialog_Team(), nWeek, &game) ? nWeek : -1;
    }
    return -1;
}

// A row's cell: the x range of column 0..8 at the week's height.
static RECT Get_Calendar_Cell(int nWeek, int nColumn) {
    static const int kFixedEdges[] = {5, 110, 220, 295};
    int nTop = Get_Calendar_Week_Top(nWeek);
    int nLeft = nColumn < 4 ? kFixedEdges[nColumn] : Get_Calendar_Column_X(nColumn - 4);
    int nRight = nColumn < 3 ? kFixedEdges[nColumn + 1] : Get_Calendar_Column_X(nColumn - 3);
    RECT cell = {nLeft, nTop, nRight, nTop + CALENDAR_ROW_HEIGHT};
    return cell;
}

static void Draw_Calendar_Cell(HDC hdc, int nWeek, int nColumn, const char* szText,
                               COLORREF colour, UINT uAlign) {
    RECT cell = Get_Calendar_Cell(nWeek, nColumn);
    Draw_Design_Text_Colour(szText, hdc, colour, &cell, uAlign | DT_VCENTER | DT_SINGLELINE);
}

// The week's short name; the title games carry the team's league name.
static void Get_Calendar_Week_Name(int nTeam, int nWeek, char* szOut, int nSize) {
    Get_Week_Short_Name(nWeek, szOut, nSize);
    if (strcasecmp(szOut, "conference") == 0 || strcasecmp(szOut, "title game") == 0) {
        char szLeague[TEXT_BUFFER_SIZE] = "";
        Get_League_Name(Get_Team_League(nTeam), szLeague, sizeof szLeague);
        Format_String(szOut, nSize, "%s Title", szLeague);
    }
}

static void Format_Calendar_Result(int nTeam, int nWeek, const CALENDAR_GAME* pGame, char* szOut,
                                   int nSize) {
    int nOwn = pGame->pRecord->anScores[pGame->bHome ? HOME_SIDE : VISITOR_SIDE];
    int nOpp = pGame->pRecord->anScores[pGame->bHome ? VISITOR_SIDE : HOME_SIDE];
    char szRecord[TEXT_BUFFER_SIZE] = "";
    Format_Team_Schedule_Record(nTeam, nWeek + 1, szRecord, sizeof szRecord);
    if (strcmp(szRecord, "0-0") == 0)
        Format_Team_Record(szRecord, sizeof szRecord, nTeam);
    const char* szLetter = nOwn > nOpp ? "W" : nOwn < nOpp ? "L" : "T";
    Format_String(szOut, nSize, "%s (%s)", szLetter, szRecord);
}

static void Format_Calendar_Score(const GAME* pRecord, char* szOut, int nSize) {
    int nHigh = pRecord->anScores[0] > pRecord->anScores[1] ? pRecord->anScores[0]
                                                             : pRecord->anScores[1];
    int nLow = pRecord->anScores[0] + pRecord->anScores[1] - nHigh;
    Format_String(szOut, nSize, "%d-%d", nHigh, nLow);
    if (pRecord->nClock > OVERTIME_CLOCK)
        Append_Format_String(szOut, nSize, " (OT)");
}

static void Format_Weekday(int nTeam, int nWeek, char* szOut, int nSize) {
    int nDay = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_WEEKDAY);
    if (nDay < 0 || nDay > CALENDAR_LAST_WEEKDAY ||
        !Load_String(CALENDAR_WEEKDAY_STRING + nDay, szOut, nSize))
        Format_String(szOut, nSize, "ERROR");
}

static void Format_Kickoff_Time(int nTeam, int nWeek, char* szOut, int nSize) {
    int t = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_KICKOFF);
    Format_String(szOut, nSize, "%d:%02d", ((t - 100) / 100) % 12 + 1, t % 100);
}

static void Draw_Calendar_Game_Row(HDC hdc, int nTeam, int nWeek, const CALENDAR_GAME* pGame) {
    COLORREF primary = Get_News_Page_Colour(PAGE_COLOUR_PRIMARY);
    COLORREF highlight = Get_News_Page_Colour(PAGE_COLOUR_HIGHLIGHT);
    COLORREF nameColour = pGame->bHome ? highlight : primary;
    COLORREF colour = pGame->bHome ? primary : highlight;
    char szText[TEXT_BUFFER_SIZE];

    Get_Calendar_Week_Name(nTeam, nWeek, szText, sizeof szText);
    Draw_Calendar_Cell(hdc, nWeek, 0, szText, nameColour, DT_CENTER);

    char szOpponent[TEXT_BUFFER_SIZE] = "";
    Get_Team_Short_Name(pGame->nOpponent, szOpponent, sizeof szOpponent);
    Format_String(szText, sizeof szText, pGame->bHome ? "%s" : "at %s", szOpponent);
    if (Get_Calendar_PBP_Flag(nTeam, nWeek) && nWeek >= gCurrentWeek)
        Append_Format_String(szText, sizeof szText, " (LIVE)");
    Draw_Calendar_Cell(hdc, nWeek, 1, szText, colour, DT_LEFT);

    if (pGame->bPlayed)
        Format_Calendar_Result(nTeam, nWeek, pGame, szText, sizeof szText);
    else
        Format_Weekday(nTeam, nWeek, szText, sizeof szText);
    Draw_Calendar_Cell(hdc, nWeek, 2, szText, colour, DT_CENTER);

    if (pGame->bPlayed)
        Format_Calendar_Score(pGame->pRecord, szText, sizeof szText);
    else
        Format_Kickoff_Time(nTeam, nWeek, szText, sizeof szText);
    Draw_Calendar_Cell(hdc, nWeek, 3, szText, colour, DT_CENTER);

    for (int k = 0; k < CALENDAR_SHOWN_COLUMNS; k++) {
        int nColumn = Get_User_Preference(PREF_CALENDAR_COLUMNS + k);
        if (!pGame->bPlayed && nColumn != CALENDAR_POINT_SPREAD && nColumn != CALENDAR_OVER_UNDER)
            continue;
        Get_Calendar_Stat_Text(nTeam, nWeek, nColumn, szText, sizeof szText);
        Draw_Calendar_Cell(hdc, nWeek, 4 + k, szText, colour, DT_CENTER);
    }
}

// 1 when the week's row took its place on the page (a game or a bye week).
static int Draw_Calendar_Week_Row(HDC hdc, int nTeam, int nWeek) {
    CALENDAR_GAME game;
    if (Find_Calendar_Game(nTeam, nWeek, &game)) {
        Draw_Calendar_Game_Row(hdc, nTeam, nWeek, &game);
        return 1;
    }
    int nRegularWeeks = Get_Regular_Season_Week_Count();
    if (nWeek >= nRegularWeeks)
        return 0;
    int bQuiet = nWeek == nRegularWeeks - 1 ||
                 (nWeek <= 1 && Get_Season_Year() == CALENDAR_FIRST_SEASON);
    if (!bQuiet) {
        char szName[TEXT_BUFFER_SIZE];
        COLORREF grey = Get_News_Page_Colour(PAGE_COLOUR_GREY);
        Get_Calendar_Week_Name(nTeam, nWeek, szName, sizeof szName);
        Draw_Calendar_Cell(hdc, nWeek, 0, szName, grey, DT_CENTER);
        Draw_Calendar_Cell(hdc, nWeek, 1, "Bye Week", grey, DT_LEFT);
    }
    return 1;
}

// One line or a wrapped block in an application font of its own.
static void Draw_Calendar_Text(HDC hdc, int nFont, const char* szText, COLORREF colour, RECT rect,
                               UINT uFlags) {
    HFONT hFont = Take_App_Font(nFont);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    Draw_Design_Text_Colour(szText, hdc, colour, &rect, uFlags);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

static void Draw_Calendar_Heading(HDC hdc, int nTeam) {
    char szName[TEXT_BUFFER_SIZE] = "", szRecord[TEXT_BUFFER_SIZE] = "", szText[TEXT_BUFFER_SIZE];
    Get_Team_Short_Name(nTeam, szName, sizeof szName);
    Format_Team_Record(szRecord, sizeof szRecord, nTeam);
    Format_String(szText, sizeof szText, "%s (%s)", szName, szRecord);
    Draw_Calendar_Text(hdc, CALENDAR_HEADING_FONT, szText, Get_Page_Heading_Colour(),
                       RECT{24, 19, 322, 59}, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    Draw_Calendar_Text(hdc, CALENDAR_NOTE_FONT, "Click to Change Team",
                       Get_News_Page_Colour(PAGE_COLOUR_HIGHLIGHT), RECT{415, 44, 561, 64},
                       DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

static void Draw_Calendar_Column_Headers(HDC hdc) {
    SetTextColor(hdc, Get_Page_Heading_Colour());
    for (int k = 0; k < CALENDAR_SHOWN_COLUMNS; k++) {
        char szName[TEXT_BUFFER_SIZE] = "";
        int nColumn = Get_User_Preference(PREF_CALENDAR_COLUMNS + k);
        if (nColumn >= 0 && nColumn < CALENDAR_COLUMN_COUNT)
            Get_Team_Stat_Column_Name(szName, sizeof szName, nColumn);
        RECT tab = {Get_Calendar_Column_X(k), CALENDAR_TAB_TOP, Get_Calendar_Column_X(k + 1),
                    CALENDAR_TAB_BOTTOM};
        Draw_Design_Text_Centered(hdc, &tab, szName, CALENDAR_NOTE_FONT);
    }
}

void Paint_Calendar_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "News\\Calendar.jpg");
    int nTeam = Get_Dialog_Team();
    if (!Is_Valid_Team(nTeam))
        return;
    SetBkMode(hdc, TRANSPARENT);
    Draw_Calendar_Heading(hdc, nTeam);
    Draw_Calendar_Column_Headers(hdc);
    HFONT hFont = Take_App_Font(CALENDAR_ROW_FONT);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    int nLastRow = -1;
    for (int nWeek = 0; nWeek < SCHEDULE_WEEKS; nWeek++)
        if (Draw_Calendar_Week_Row(hdc, nTeam, nWeek))
            nLastRow = nWeek;
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
    if (nLastRow <= CALENDAR_NOTE_LAST_WEEK)
        Draw_Calendar_Text(hdc, CALENDAR_NOTE_FONT,
                           "Click column header (e.g. \"Point Spread\") to change stat shown",
                           Get_News_Page_Colour(PAGE_COLOUR_HIGHLIGHT), RECT{376, 394, CALENDAR_NOTE_RIGHT, 458},
                           DT_CENTER | DT_VCENTER | DT_WORDBREAK);
}

int Is_Calendar_Page_Hot_Spot(int x, int y) {
    RECT tabs = {Get_Calendar_Column_X(0), CALENDAR_TAB_TOP,
                 Get_Calendar_Column_X(CALENDAR_SHOWN_COLUMNS), CALENDAR_TAB_BOTTOM};
    if (Is_Point_In(&tabs, x, y) || Is_Point_In(&kCalendarHeadingBand, x, y))
        return CALENDAR_HAND_CURSOR;
    return Get_Calendar_Week_At_Point(x, y) >= 0 ? CALENDAR_HAND_CURSOR : 0;
}

void Click_Calendar_Page(int x, int y) {
    int nWeek = Get_Calendar_Week_At_Point(x, y);
    if (nWeek < 0)
        return;
    CALENDAR_GAME game;
    Find_Calendar_Game(Get_Dialog_Team(), nWeek, &game);
    if (nWeek >= gCurrentWeek) {
        Play_Sound("button.wav");
        Play_To_Timeline_Week(gCurrentWeek, nWeek);
    } else if (game.pRecord != NULL && Is_Game_Over(game.pRecord)) {
        Play_Sound("button.wav");
        gSelectedGame = game.nIndex;
        Show_News_Page(GAMES_PAGE);
    }
}
