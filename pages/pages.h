// Main-window pages: the news pages and their painters, the game-day screen and the scouting
// report. What other subsystems may call.
#pragma once

#include "core/core.h"
#include "database/database.h"
#include "platform/windows.h"

// ---- state kept between paints ------------------------------------------------------------------
#define FIELD_PLAYER_ROWS 34  // game-day side-panel rows, 17 a side

extern int gLastPaintedPage;
extern int gAutoPlayNoticeShown;  // the Playbook button's notice came in this run
extern int gFieldPlayerIds[FIELD_PLAYER_ROWS];
extern int gFieldPlayerRatings[FIELD_PLAYER_ROWS];

void Clear_Field_Player_Tables(void);

// ---- dialog procedures --------------------------------------------------------------------------
INT_PTR Scouting_Report_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// ---- news text substitution (news_text.cpp) -----------------------------------------------------
#define NEWS_TEXT_SIZE 2048

// NEWS_TOKEN: the names in braces, by slot; NEWS_TOKEN_COUNT is "not a token".
enum NEWS_TOKEN {
    NEWS_PLAYER_NAME = 0,
    NEWS_PLAYER_LAST_NAME,
    NEWS_PLAYER_FIRST_NAME,
    NEWS_AGE,
    NEWS_POSITION,
    NEWS_POSITIONS,
    NEWS_EXPERIENCE,
    NEWS_PLAYER_INJURY,
    NEWS_PLAYER_DISABLED_DAYS,  // not filled
    NEWS_PLAYER_DISABLED_WEEKS,
    NEWS_PERMANENT_DAMAGE,  // not filled
    NEWS_SALARY,
    NEWS_CONTRACT,
    NEWS_CONTRACT_MILLIONS,
    NEWS_CONTRACT_LENGTH,
    NEWS_YEAR_CONTRACT_ENDS,
    NEWS_GAMES_PLAYED,
    NEWS_EMPTY_NAME,  // 17..19: empty names; "{}" gives the games played
    NEWS_TEAM_CITY = 20,
    NEWS_TEAM_NAME,
    NEWS_TEAM_GAMES,
    NEWS_TEAM_LEAGUE,
    NEWS_TEAM_LEAGUE_ABBR,
    NEWS_TEAM_CASH,
    NEWS_TEAM_PAYROLL,
    NEWS_TEAM_DIVISION_ABBR,
    NEWS_TEAM_DIVISION,
    NEWS_TEAM_DIVISION_LEADER_NAME,
    NEWS_TEAM_DIVISION_LEADER_CITY,
    NEWS_TEAM_STANDING,  // the place in the division in words: "first", "second", ...
    NEWS_TEAM_WINS,
    NEWS_TEAM_LOSSES,
    NEWS_TEAM_WINNING_PERCENTAGE,
    NEWS_TOKEN_COUNT
};

// Fills every "{NAME}" of the text in place with the player's or his team's text; a name that is
// not a token becomes "[NAME]". What was put in is never scanned again, so a name holding braces
// shows as typed. The text is at most NEWS_TEXT_SIZE bytes.
void Substitute_News_Strings(int nTeam, int nSlot, char* szText, int nSize);
int Find_News_Token(const char* szName);  // any case, the whole name; NEWS_TOKEN_COUNT for none
void Get_News_Token_Value(int nTeam, int nSlot, const char* szName, char* szOut, int nSize);
void Get_Team_League_Name(int nTeam, char* szOut, int nSize);
void Get_Team_Division_Name(int nTeam, char* szOut, int nSize);
void Get_Division_Leader_Text(int nTeam, int bCity, char* szOut, int nSize);
void Format_Team_Winning_Percentage(int nTeam, char* szOut, int nSize);  // ".625", "1.000"
void Format_Thousands_As_Dollars(int nThousands, char* szOut, int nSize);  // 1250: "$1,250,000"
// A quantity in hundredths in words: 280 "almost three", 345 "three and a half".
void Format_Number_Phrase(int nHundredths, char* szOut, int nSize);
void Format_Score_Text(int nFirst, int nSecond, char* szOut, int nSize);  // the larger first
void Get_Team_Home_Location_Text(const uint8_t* pRecord, char* szOut, int nSize);  // team: byte 1
void Get_Player_Stat_News_Sentence(int nTeam, int nSlot, char* szOut, int nSize);
void Get_Team_News_Sentence(int nTeam, int nSlot, char* szOut, int nSize);  // draws one number

// ---- player evaluation sentences (evaluation_text.cpp, evaluation_sentences.cpp) ---------------
#define EVALUATION_STAGES 3
#define EVALUATION_LEVELS 10
#define EVALUATION_VARIANTS 10
#define EVALUATION_SENTENCE_COUNT (EVALUATION_STAGES * EVALUATION_LEVELS * EVALUATION_VARIANTS)

// By career stage x 100 + level x 10 + variant.
extern const char* const EVALUATION_SENTENCES[EVALUATION_SENTENCE_COUNT];

// 0 developing, 1 in his prime, 2 aging.
int Get_Player_Career_Stage(int nTeam, int nSlot);
int Get_Evaluation_Variant_Of_Three(int nTeam, int nSlot);
int Get_Evaluation_Level(int nPotential);  // the thresholds reached in order: 0..9
// The level the user is shown: the true level moved by the scouting error (-12..12).
int Get_Shown_Evaluation_Level(int nLevel, int nError, int nPosition);
// The scout's sentence, substituted; "" when it names the team of a player outside the league.
void Get_Player_Evaluation_Text(int nTeam, int nSlot, char* szOut, int nSize);
// Appends the evaluation to the text; nothing for a player of the Hall of Fame.
void Append_Player_Evaluation(int nTeam, int nSlot, char* szText, int nSize);

// ---- the scouting report: the player card (scouting_report*.cpp, stat_panel.cpp, player_card_*) --
#define REPORT_DESIGN_WIDTH 588
#define REPORT_DESIGN_HEIGHT 419
#define KEY_RATING_COUNT 10
#define PLAYER_CARD_FIELD_COUNT 62
#define STAT_PANEL_PAGE_ROWS 12  // season rows a page of the stat panel shows
#define STAT_PANEL_CELL_SIZE 64

// STAT_PANEL_LAYOUT: the stat panel's column set, by position.
enum STAT_PANEL_LAYOUT {
    STAT_PANEL_QUARTERBACK = 0,
    STAT_PANEL_LINEMAN,
    STAT_PANEL_OFFENCE,
    STAT_PANEL_OFFENCE_RETURNER,  // a career return statistic
    STAT_PANEL_DEFENDER,
    STAT_PANEL_DEFENDER_RETURNER,
    STAT_PANEL_PUNTER,
    STAT_PANEL_KICKER,
    STAT_PANEL_LAYOUT_COUNT
};

// The sortable player list that opened the card (shell/sortable_listview.h); null for none.
typedef struct SORTABLE_LISTVIEW SORTABLE_LISTVIEW;
extern SORTABLE_LISTVIEW* gScoutList;

// Opens the card of a player, or with a list of its selected row (-1 and nothing opened when no
// row is selected); Next and Previous then walk that list.
int Open_Scouting_Report(int nTeam, int nSlot, HWND hParent, SORTABLE_LISTVIEW* pList);
int Open_Scouting_Report_At(int nTeam, int nSlot, HWND hParent);
int Open_Scouting_Report_For_List(SORTABLE_LISTVIEW* pList, HWND hParent);
void Paint_Scouting_Report(HWND hWnd, HDC hdc);

// The list the card walks (scouting_report_list.cpp): its selected player (-1 for none) and the
// player nStep rows on, wrapping at the ends; a player not in the list stays.
int Get_Scouting_List_Player(SORTABLE_LISTVIEW* pList, int* pTeam, int* pSlot);
void Step_Scouting_List_Player(SORTABLE_LISTVIEW* pList, int nStep, int* pTeam, int* pSlot);
int Is_Trade_Other_List(SORTABLE_LISTVIEW* pList);  // the Trades dialog's other team's roster

// The action button's text and the two buttons' states for the player shown.
typedef struct REPORT_BUTTON_STATES {
    const char* szAction;
    int bActionEnabled;
    int bReleaseEnabled;
} REPORT_BUTTON_STATES;
void Get_Scouting_Report_Button_States(int nTeam, int nSlot, REPORT_BUTTON_STATES* pStates);
// The next (nStep 1) or previous (-1) player: along the list, else along the roster (the draft
// pool's three rosters as one).
void Step_Scouting_Report_Player(int nStep, int* pTeam, int* pSlot);
// The card's hot spot under a design point: 0 none, 1 the depth role, 2 the name, 3 the stats.
int Get_Scouting_Report_Hot_Spot(int x, int y);
int Get_Report_User_Team(void);  // gUserTeam in use, else team 0

// The card's writes, done before it paints: a forty time out of range is worked out again, a
// missing birth date given one and the scouting radius worked out once.
void Repair_Player_Card_Values(int nTeam, int nSlot);
int Get_Scouting_Radius(void);  // the half-width of the user's rating error, kept once worked out
int Get_Position_Rating_Index(int nPosition, int i);  // -1 past the position's key ratings
void Get_Player_Salary_Text(int nTeam, int nSlot, char* szOut, int nSize);
float Compute_Forty_Time(int nTeam, int nSlot);  // stores the time in hundredths
float Get_Forty_Time(int nTeam, int nSlot);
int Count_Player_Stat_Views(int nTeam, int nSlot);  // the season lines linked, 0..30
void Get_Player_Card_Name(int nTeam, int nSlot, char* szOut, int nSize);
int Is_Contract_Negotiable(int nTeam, int nSlot);
// Line 0..11 of column 0..3 of the information block; "" for nothing.
void Get_Player_Info_Line(int nColumn, int nLine, int nTeam, int nSlot, char* szOut, int nSize);
void Get_Player_Card_Field_Text(int nTeam, int nSlot, int nSeason, int nField, char* szOut,
                                int nSize);
int Get_Player_View_Year(int nTeam, int nSlot, int nSeason);  // 0 for a missing season line
void Get_Rating_Accuracy_Note(char* szOut, int nSize);  // "Ratings are ± n\n(...)"

int Get_Stat_Panel_Layout(int nTeam, int nSlot);
int Get_Stat_Panel_Column_Count(int nLayout);
int Get_Stat_Panel_Column_X(int nLayout, int nColumn);  // the left edge; the next one's is its right
void Get_Stat_Panel_Heading(int nLayout, int nColumn, char* szOut, int nSize);
void Get_Stat_Panel_Cell_Text(int nTeam, int nSlot, int nLayout, int nSeason, int nColumn,
                              char* szOut, int nSize);
COLORREF Get_Stat_Panel_Row_Color(int nTeam, int nSlot, int nSeason);
// The season kinds of the panel's rows, top down: the page's season lines, newest first and
// without empty rows, then the career; the number of rows.
int List_Stat_Panel_Rows(int nTeam, int nSlot, int* anSeasons, int nMax);
void Draw_Stat_Panel(HDC hdc, int nTeam, int nSlot);

// Drawing in the card's design area.
int Scale_Report_X(int x, int nClientWidth);
int Scale_Report_Y(int y, int nClientHeight);
void Draw_Report_Text(HDC hdc, const char* szText, const RECT* pRect, UINT uFlags);
COLORREF Get_Report_Bright_Colour(void);

// ---- the game-day screen ------------------------------------------------------------------------
int Draw_Play_By_Play_Text(HDC hDC, int nFrame, int bFinal);  // 1 when the frame was drawn
// A watched game's step on the screen (HOST_WATCH_*): the host services' watched-game turn.
void Run_Watched_Game_Step(int nStep, struct GAME* pGame);

// ---- play diagrams (play_diagram*.cpp, defensive_grades.cpp) ------------------------------------
// Kinds: 0 offence, 1 defence, 2 kicking. The team may carry 0x80: no key badge.
void Draw_Play_Diagram(const RECT* pRect, HDC hdc, int nTeam, int nPlay, int nFont, int nKind,
                       int bHighlighted, int bScale);
// The formation spot (offence) or defender the diagrams mark; -1 for none.
extern int gHighlightedSpot;
void Get_Primary_Route_Text(char* szOut, int nSize, int nTeam, int nPlay, int bNewLine);
// The defensive play's grade against an offence kind 0..5; with a label "Inside: B" or the long
// label. Returns 1 when the long label was used.
int Get_Defensive_Play_Grade_Text(char* szOut, int nSize, int nKind, int nTeam, int nPlay,
                                  int bLabel, int bLong);
void Get_Defensive_Role_Name(int nRole, char* szOut, int nSize);  // empty out of range

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

// Text in application font nFont, its rectangle in the design space (page_text.cpp).
void Draw_Page_Text_In_Font(HDC hdc, int nFont, const char* szText, COLORREF colour, RECT rect,
                            UINT uFlags);
// The shown page painted anew after a click changed what it shows.
void Force_Page_Repaint(void);

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
// The colour for text over a dark panel (the ordinary scheme) or a light one (the Dark Text one),
// whatever the Dark Text option says.
COLORREF Get_News_Page_Colour_Over(int nColour, int bDarkPanel);
COLORREF Get_Panel_Text_Colour(int nColour);  // on a page panel: light on the dark skins
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
// The leader lists (leader_lists.cpp): four lists of ten, the view in preferences 113..118.
#define LEADER_LIST_COUNT 4
#define LEADER_LIST_ROWS 10
enum LEADERS_KIND {
    LEADERS_FIRST_LEAGUE = 0,
    LEADERS_SECOND_LEAGUE = 1,
    LEADERS_BOTH_LEAGUES = 2,
    LEADERS_ALL_TIME = 3
};
// The bytes of preference 118: the season kind, the expanded all-time list (0 none, 1..4) and the
// record-book table (0 career, 1 season, 2 game).
enum LEADER_VIEW_BYTE { LEADER_VIEW_SEASON = 0, LEADER_VIEW_EXPANDED = 1, LEADER_VIEW_TABLE = 2 };
typedef struct LEADER_ROW {
    int nTeam;  // NO_TEAM for an empty row
    int nSlot;  // -1 for an empty row
    int nValue;
} LEADER_ROW;
extern LEADER_ROW gLeaderLists[LEADER_LIST_COUNT][LEADER_LIST_ROWS];

int Get_Leaders_Kind(void);
int Get_Leaders_View_Byte(int nByte);
void Set_Leaders_View_Byte(int nByte, int nValue);
int Get_Leader_List_Category(int nList);  // 0..29, or 30 while its chooser is open
void Build_Leader_Lists(void);
// The value text of a category; empty for 0 in a count, INT_MAX or a category of 30 or above.
void Format_Leader_Value(int nCategory, int nValue, char* szOut, int nSize);
void Open_Leader_Scouting_Report(int nList, int nRow);
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
// The Draft page (draft_page.cpp): the year of the coming draft, the year and round shown (1..7),
// and a pick's text (place 0.. of the round) with its PAGE_TEXT_COLOUR.
int Get_Upcoming_Draft_Year(void);
int Get_Draft_Page_Year(void);
int Get_Draft_Page_Round(void);
int Get_Draft_Pick_Text(int nYear, int nRound, int nPlace, char* szOut, int nSize);
void Paint_Draft_Page(HDC hdc);
int Get_Draft_Page_Hot_Spot(int x, int y);
void Click_Draft_Page(int x, int y);
void Paint_Games_Page(HDC hdc);
int Click_Play_Selector(int x, int y);
void Click_Game_Screen(int x, int y);

// ---- the Calendar page (calendar_page.cpp, calendar_stat_text.cpp) -----------------------------
enum CALENDAR_COLUMN {
    CALENDAR_TOTAL_YARDS = 0,
    CALENDAR_YARDS_ALLOWED,
    CALENDAR_PASSING_YARDS,
    CALENDAR_RUSHING_YARDS,
    CALENDAR_PASS_DEFENSE,
    CALENDAR_RUSH_DEFENSE,
    CALENDAR_TURNOVERS,
    CALENDAR_TAKEAWAYS,
    CALENDAR_TURNOVER_MARGIN,
    CALENDAR_POSSESSION,
    CALENDAR_YARDS_PER_PLAY,
    CALENDAR_YARDS_PER_PLAY_ALLOWED,
    CALENDAR_THIRD_DOWN,
    CALENDAR_FOURTH_DOWN,
    CALENDAR_SACKS,
    CALENDAR_SACKS_ALLOWED,
    CALENDAR_RED_ZONE_SCORING,
    CALENDAR_RED_ZONE_TOUCHDOWNS,
    CALENDAR_POINT_SPREAD,
    CALENDAR_OVER_UNDER,
    CALENDAR_COLUMN_COUNT
};
#define CALENDAR_SHOWN_COLUMNS 5

// A team's game of one schedule week.
typedef struct CALENDAR_GAME {
    int nOpponent;
    int bHome;
    int nVisitor;
    int nHome;
    int nIndex;     // the game record's index, or -1
    GAME* pRecord;  // null while the week's game has no record
    int bSetUp;     // the record has been set up at a kick-off
    int bPlayed;    // over, and not after the current week
} CALENDAR_GAME;

int Find_Calendar_Game(int nTeam, int nWeek, CALENDAR_GAME* pGame);  // 0: no game that week
// The text of a stat column for the team's game of the week; empty when there is none to show.
void Get_Calendar_Stat_Text(int nTeam, int nWeek, int nColumn, char* szOut, int nSize);
int Get_Calendar_Column_X(int k);             // the left edge of stat column k (0..5)
int Get_Calendar_Week_Top(int nWeek);         // in design units
int Get_Calendar_Week_At_Point(int x, int y);  // a week whose row has a game, or -1

// ---- the Playoffs page (playoffs_page.cpp) -----------------------------------------------------
int Get_Feeder_Slots(int nSlot, int* pnFeeders);  // 2 with the two feeders; 0 in the first round
int Get_Bracket_Slot_State(int nSlot);  // 0 an empty seeded slot, 1 a seeded team, 2 fed by games
void Get_Bracket_Slot_Rect(int nSlot, RECT* pRects);  // the slot's two text rectangles
int Find_Game_Between(int nTeamA, int nTeamB);        // the last game record of the two, or -1
void Get_Roman_Numeral(int n, char* szOut, int nSize);  // of title game n

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
