// Main-window pages: the news pages and their painters, the game-day screen and the scouting
// report. What other subsystems may call.
#pragma once

#include "core/core.h"
#include "platform/windows.h"

// ---- state kept between paints ------------------------------------------------------------------
#define FIELD_PLAYER_ROWS 34  // game-day side-panel rows, 17 a side

extern int gLastPaintedPage;
extern int gFieldPlayerIds[FIELD_PLAYER_ROWS];
extern int gFieldPlayerRatings[FIELD_PLAYER_ROWS];

void Clear_Field_Player_Tables(void);

// ---- dialog procedures --------------------------------------------------------------------------
INT_PTR Scouting_Report_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// ---- the game-day screen ------------------------------------------------------------------------
int Draw_Play_By_Play_Text(HDC hDC, int nFrame, int bFinal);  // 1 when the frame was drawn
// A watched game's step on the screen (HOST_WATCH_*): the host services' watched-game turn.
void Run_Watched_Game_Step(int nStep, struct GAME* pGame);

// ---- the news pages' score box (score_box.cpp) --------------------------------------------------
void Draw_Live_Score_Lines(struct GAME* pGame);  // the host services' live score
void Draw_Season_Phase_Box(void);

// ---- page dispatch (page_table.cpp, page_dispatch.cpp, page_colours.cpp) -----------------------
#define STANDINGS_PAGE 40030
#define LEADERS_PAGE 40032
#define FINANCES_PAGE 40034
#define CALENDAR_PAGE 40036
#define HALL_OF_FAME_PAGE 40037
#define PLAYOFFS_PAGE 40069
#define DRAFT_PAGE 40070
#define CHAMPIONS_PAGE 40074
#define GAMES_PAGE 40086
#define STARTUP_PAGE 0
#define PAGE_BACKGROUND_NAME_SIZE 2048
#define PAGE_AREA_BARS_HEIGHT 36       // the button bar
#define PAGE_AREA_BARS_HEIGHT_NEWS 60  // the button bar and the news bar

// A page of the main window: its id (the menu command that opens it), its painter, and its hover
// test (0 or a cursor code) and click, which get the point in the 768 x 507 design space.
typedef struct MAIN_PAGE {
    int nId;
    void (*pPaint)(HDC hdc);
    int (*pHover)(int x, int y);
    void (*pClick)(int x, int y);
} MAIN_PAGE;

extern char gPageBackgroundName[PAGE_BACKGROUND_NAME_SIZE];

// The page's row of the table; null for an id outside it (the start-up picture).
const MAIN_PAGE* Find_Main_Page(int nPage);
int Is_News_Page_Shown(void);
// Repaints the shown page into the back buffer when the page changed or a repaint was forced,
// then copies the paint's update rectangle to the window.
void Paint_News_Page(HDC hdc, const PAINTSTRUCT* pPaint);
void Show_News_Page(int nPage);  // the page kept in the league, then shown
void Show_Page_On_Screen(int nPage);  // the screen's part alone: the host services' page
// The page area (the client less the bars while a news page is shown) as the back buffer's size.
void Record_News_Page_Area(void);
// Puts the skin path of a picture in gPageBackgroundName and draws it as the page background.
void Draw_Named_Page_Background(HDC hdc, const char* szPicture);

// The page text colours; each has a second value under the Dark Text option.
enum PAGE_TEXT_COLOUR {
    PAGE_COLOUR_PRIMARY = 0,
    PAGE_COLOUR_HIGHLIGHT,
    PAGE_COLOUR_DARK_SKIN_HEADING,
    PAGE_COLOUR_GREY,
    PAGE_COLOUR_AVERAGE_ROW,
    PAGE_COLOUR_FAINT,
    PAGE_COLOUR_COUNT
};
COLORREF Get_News_Page_Colour(int nColour);
// The heading colour: white on the dark skins, else the highlight.
COLORREF Get_Page_Heading_Colour(void);

// ---- the pages' painters, hover tests and clicks -------------------------------------------------
// The Finances and Hall of Fame pages' hot spots are the page mouse's (shell/shell.h).
void Paint_Standings_Page(HDC hdc);
int Is_Standings_Page_Hot_Spot(int x, int y);  // the same places as the clicks
void Click_Standings_Page(int x, int y);
int Get_Division_Table_Y(int nDivision);  // the top of a division's bar, in design units
int Get_Standings_Column_X(int nChosen);  // the left edge of chosen column 0..4
int Get_Heading_Right_Edge(void);         // of the pages' headings
// A league page's title in the heading box and, with two leagues, "Click for" the other one from
// nHintLeft.
void Draw_League_Page_Heading(HDC hdc, int nLeague, const char* szTitle, int nHintLeft);
// While the Standings or Finances page is shown, reads every team figure they show, so that the
// repairs reading makes (a low rating lifted, a broken player rolled anew, a returner chosen)
// happen here, at the page switch, after each game and after a dialog, and a paint only reads.
void Prepare_Shown_Page_Figures(void);
void Paint_Leaders_Page(HDC hdc);
int Is_Leaders_Page_Hot_Spot(int x, int y);
void Click_Leaders_Page(int x, int y);
void Paint_Finances_Page(HDC hdc);
// The Finances page's columns (user preferences 105..112 choose eight of the 50).
enum FINANCE_COLUMN {
    FINANCE_RATING = 0,
    FINANCE_TITLES = 1,
    FINANCE_LEAGUE_TITLES = 2,
    FINANCE_PLAYOFFS = 3,
    FINANCE_LOYALTY = 4,
    FINANCE_ATTENDANCE = 5,
    FINANCE_TICKET_PRICE = 6,
    FINANCE_CAP_ROOM = 17,
    FINANCE_MEDICAL = 18,
    FINANCE_SCOUTING = 19,
    FINANCE_UNIT_GRADES = 24,  // 24..35: quarterbacks .. punters
    FINANCE_POWER_RANK = 46,
    FINANCE_OFFENSE = 47,
    FINANCE_DEFENSE = 48,
    FINANCE_OVERALL = 49,
    FINANCE_COLUMN_COUNT = 50  // also the column of a chooser that is open: no text
};
// A column's text for a team or LEAGUE_AVERAGE_TEAM; 0 and an empty text for no text.
int Get_Team_Info_Cell_Text(int nColumn, int nTeam, char* szOut, int nSize);
// Cell 0 the city ("NFL Average" for the average row), cells 1..8 the chosen columns.
int Get_Finances_Cell_Text(int nTeam, int nColumn, char* szOut, int nSize);
void Paint_Calendar_Page(HDC hdc);
int Is_Calendar_Page_Hot_Spot(int x, int y);
void Click_Calendar_Page(int x, int y);
void Paint_Hall_Of_Fame_Page(HDC hdc);
void Draw_Playoffs_Page(HDC hdc);
int Is_Playoffs_Page_Point_Active(int x, int y);
void Handle_Playoffs_Page_Click(int x, int y);
void Paint_Draft_Page(HDC hdc);
int Get_Draft_Page_Hot_Spot(int x, int y);
void Click_Draft_Page(int x, int y);
void Paint_Games_Page(HDC hdc);
int Click_Play_Selector(int x, int y);
void Click_Game_Screen(int x, int y);

// ---- the start-up and champions pages (startup_page.cpp, champions_page.cpp) ------------------
#define TITLE_LEVEL_NONE 0
#define TITLE_LEVEL_DIVISION 5
#define TITLE_LEVEL_LEAGUE 7
#define TITLE_LEVEL_CHAMPION 8
#define WIDESCREEN_RATIO 1.6662723f

// What the champions page shows for the best user team's title level.
typedef struct CHAMPIONS_VIEW {
    int nLevel;
    const char* szPicture;  // null: no picture
    COLORREF yearColour;
    const char* szSound;  // null: no sound
    char szYear[16];
} CHAMPIONS_VIEW;

void Paint_Startup_Picture(HDC hdc);
int Is_Widescreen_Window(void);
int Is_Widescreen_Size(int nWidth, int nHeight);
void Paint_Champions_Page(HDC hdc);
int Get_Team_Title_Level(int nTeam);
// The human-run league team with the highest title level (the first of equals), or NO_TEAM.
int Get_Best_Title_Team(void);
void Get_Champions_View(CHAMPIONS_VIEW* pView);
void Play_Champion_Sound(void);

// ---- needed by the main window
int Handle_Game_Screen_Command(int idCommand);  // 1 when the game screen took the command
