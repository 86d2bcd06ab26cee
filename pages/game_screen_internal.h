// What the game-day screen's files share: the play diagrams' chalk on the vector canvas, the
// picker's geometry and the painters' colours. Private to pages/.
#pragma once

#include "engine/engine.h"
#include "pages/pages.h"
#include "shell/shell.h"

// ---- diagram kinds and the chalk of one diagram (play_diagram_*.cpp) ----------------------------
#define DIAGRAM_OFFENCE 0
#define DIAGRAM_DEFENCE 1
#define DIAGRAM_KICKING 2
#define DIAGRAM_NO_BADGE 0x80  // added to a league team: no key badge
#define DIAGRAM_ROUTE_COLOUR 0xff45f9ffu

// The pen a diagram draws with: its colour and width, where the pen stands and the frame's floor.
typedef struct DIAGRAM_PEN {
    PATH_CANVAS* pCanvas;
    agg::rgba8 colour;
    double fWidth;
    double fPenX;
    double fPenY;
    int bPenSet;
    double fFloor;  // the frame's lowest y
} DIAGRAM_PEN;

typedef struct DIAGRAM_POINT {
    double x;
    double y;
} DIAGRAM_POINT;

// The frame in yards around the ball; returns the frame's lowest y.
double Set_Play_Diagram_Frame(PATH_CANVAS* pCanvas, int nKind, int nTeam, int nPlay);
void Draw_Line_Of_Scrimmage(PATH_CANVAS* pCanvas, int nKind);
void Open_Diagram_Path(DIAGRAM_PEN* pPen);
void Draw_Route_Segment(DIAGRAM_PEN* pPen, int nFlags, DIAGRAM_POINT start, DIAGRAM_POINT end);
void Draw_Formation_Player_Marks(PATH_CANVAS* pCanvas, int nFormation, int nSelected);
void Draw_Offensive_Routes(PATH_CANVAS* pCanvas, int nTeam, int nPlay, int nMode, double fFloor);
void Draw_Kick_Path(PATH_CANVAS* pCanvas, double fFloor);
void Draw_Defensive_Play_Markers(PATH_CANVAS* pCanvas, int nTeam, int nPlay, int nSelected);
void Draw_Deep_Zone_Circles(PATH_CANVAS* pCanvas, int nTeam, int nPlay, int nSelected);
void Draw_Defensive_Routes(PATH_CANVAS* pCanvas, int nTeam, int nPlay, double fFloor);
// A deep or short zone defender's drop point; 0 for any other role.
int Get_Zone_Drop_Point(int nTeam, int nPlay, int nDefender, DIAGRAM_POINT* pPoint);
// Where a defender stands in the diagram: a deep-zone defender set shallower than 5 yards drops
// from 11.25.
DIAGRAM_POINT Get_Defender_Diagram_Spot(int nTeam, int nPlay, int nDefender);

// ---- the whole diagram (play_diagram.cpp) -------------------------------------------------------
void Draw_Key_Badge(const RECT* pRect, HDC hdc, const char* szText);
int Is_Play_Defined_By_Kind(int nTeam, int nKind, int nPlay);
void Get_Play_Description_By_Side(int nTeam, int nKind, int nPlay, char* szOut, int nSize);
int Is_Key_Badge_Team(int nTeam);  // a human-run league team: its keys call plays

// ---- the play picker (play_picker.cpp, defensive_grades.cpp) ------------------------------------
#define PICKER_CELLS 10
#define PICKER_COLUMNS 5
#define PICKER_TOP 290
#define PICKER_LEFT 11
#define PICKER_CELL_WIDTH 150
#define PICKER_CELL_HEIGHT 99
#define PICKER_TAB_TOP 266
#define PICKER_TAB_BOTTOM 284
#define PICKER_PLAY_MARKS 60

enum PICKER_SIDE { PICKER_OFFENCE = 0, PICKER_DEFENCE = 1, PICKER_KICKING = 2, PICKER_NONE = -1 };

void Get_Play_Picker_Cell_Rect(int nColumn, int nRow, RECT* pRect);
int Get_Picker_Cell_At(int x, int y);  // 0..9, or -1 outside the cells
int Get_Picker_Side(void);             // by the call stage; PICKER_NONE when no call is pending
int Get_Picker_Team(int nSide);
int Get_Picker_Page(int nSide);
int Get_Picker_Page_Count(int nSide);
int Get_Shown_Play_Call(int bDefence);
int Is_Play_Call_Shown(int nPlay);
void Clear_Play_Picker_Marks(void);
void Draw_Game_Screen_Centre(HDC hdc, int bRestore);
void Draw_Playbook_Page_Tabs(HDC hdc);
int Call_Picker_Play(int n);
int Show_Picker_Page(int n);
int Click_Play_Calling_Area(GAME* pGame, int x, int y);
void Redraw_Game_Side_Panels(void);
// A new call opens with the previews cleared: the cell under a mouse that has not moved is
// previewed again, as lit as it is drawn.
void Hover_Picker_Again(void);
// The down the calls were made for, kept until the play's last picture: while the play is
// narrated the game already shows the next down. NULL forgets it.
void Remember_Snap_Down(GAME* pGame);
// The down and the side with the ball of the play on show: the snap's while it is narrated.
int Get_Shown_Down(GAME* pGame);
int Get_Shown_Offence_Side(GAME* pGame);
// The call a side panel lights, from that side's own playbook; -1 for none.
int Get_Side_Shown_Call(int bDefence);
// The defensive play's grade against an offence kind 0..5; with a label "Inside: B" or the long
// label. Returns 1 when the long label was used.
int Get_Defensive_Play_Grade_Text(char* szOut, int nSize, int nKind, int nTeam, int nPlay,
                                  int bLabel, int bLong);
void Format_Primary_Player_Text(char* szOut, int nSize, int nTeam, int nPlay);

// ---- the game-day painters (game_screen_paint.cpp, game_screen_panels.cpp) ----------------------
int Is_Watched_Game_Shown(void);  // the displayed game is the live, watched one
void Draw_Game_Side_Panels(HDC hdc);
void Get_Game_Screen_Background(char* szOut, int nSize);
COLORREF Get_Side_Colour(int nSide);  // the home/visitor text rule of the screen
int Get_Player_Row_Origin(int nSide, int nRow, POINT* pPoint);
// A stored game's side-panel listing: players with a game score of 36 or more in position order.
int List_Stored_Game_Players(GAME* pGame, int nSide, int* anIndexes, int nMax);

// ---- texts of the screen (game_screen_texts.cpp) ------------------------------------------------
void Format_Player_Game_Line(char* szOut, int nSize, GAME* pGame, int nSide, int nIndex);
void Format_Player_Of_The_Game(GAME* pGame, int nSide, char* szOut, int nSize, int bLastName);
void Format_Ball_Position(char* szOut, int nSize, GAME* pGame);
void Format_Game_Period(char* szOut, int nSize, GAME* pGame);
void Format_Game_Situation(char* szOut, int nSize, GAME* pGame);
void Get_Weather_Text(char* szOut, int nSize, GAME* pGame);
void Get_Weather_Image_Name(char* szOut, int nSize, GAME* pGame);
void Format_Team_Stat_Cell(char* szOut, int nSize, GAME* pGame, int nSide, int nRow);
int Get_Game_Player_Ref(GAME* pGame, int nSide, int nIndex, int* pTeam, int* pSlot);

// ---- the Games page (games_page.cpp) ------------------------------------------------------------
void Draw_Game_Screen_Tabs(HDC hdc);
void Draw_Game_Tiles(HDC hdc);
int Click_Game_Tile(int bSelect, int x, int y);
int Click_Score_Week_Tab(int x, int y);
void Step_Selected_Game_To_Week(int nWeek);
int Click_Team_Name(int bClick, int x, int y);
int Is_Point_In_Player_Row(int nRow, int x, int y);
void Open_Game_Player_Report(int nRow);
int Is_Point_In_File_Button(int x, int y);
