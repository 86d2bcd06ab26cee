// The progress window, the skinned message box's layout, the button bar, the news bar and its
// ticker.
#pragma once

#include "core/core.h"
#include "platform/windows.h"

// ---- the progress window (progress_window.cpp) --------------------------------------------------
#define PROGRESS_TEXT_SIZE 256

extern int gProgressDone;
extern int gProgressTotal;
extern char gProgressText[PROGRESS_TEXT_SIZE];

HWND Get_Progress_Window(void);                      // null when none is open
void Step_Progress_Window_Text(const char* szText);  // one step; null shows the percentage
void Format_Progress_Text(char* szOut, int nSize);
INT_PTR Progress_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
void Step_Progress_Bar(HWND hBar);           // one PBM_STEPIT
POINT Dialog_Units_To_Pixels(int x, int y);  // by the default GUI font's base units

// ---- the skinned message box's layout (message_layout.cpp) --------------------------------------
#define MESSAGE_BUTTON_COUNT 3

// The box's measures in pixels. In: the gap unit, the shown buttons' rectangles (dialog client
// coordinates) and label widths, the measured text, the text control's rectangle and the dialog's
// window size with its frame's width. Out: the buttons, the text control and the dialog resized.
typedef struct MESSAGE_LAYOUT {
    int nGap;
    int nButtons;
    RECT arcButtons[MESSAGE_BUTTON_COUNT];
    int anLabelWidths[MESSAGE_BUTTON_COUNT];
    int nTextWidth;
    int nTextHeight;
    RECT rcText;
    int nDialogWidth;
    int nDialogHeight;
    int nFrameWidth;  // the window's width less its client width
    int nMaxDialogWidth;  // the widest the dialog may grow (the main window's client); 0: any
} MESSAGE_LAYOUT;

// Widens the buttons to twice their labels (narrower, down to their labels, where the widest
// dialog allowed needs it), sizes the dialog around the text and the buttons and centres the
// button row in the new width.
void Layout_Message_Box(MESSAGE_LAYOUT* pLayout);
// The DrawText format of the box's text: centred unless it holds a line break.
UINT Get_Message_Text_Format(const char* szText);

// ---- the bars (button_bar.cpp, news_bar.cpp) -----------------------------------------------------

extern int gNewsBarHeight;

void Create_Button_Bar(void);
void Destroy_Button_Bar(void);
void Destroy_Button_Bar_Only(void);
void Move_Button_Bar(void);
void Create_News_Bar(HWND hMainWindow);
void Destroy_News_Bar(void);
void Resize_Bars(void);
void Repaint_Bars(void);
int Show_Bars(int nShowCommand);  // 0 when there is no button bar
int Get_Bars_Height(void);
int Layout_Page_Client_Rect(RECT* pRect);  // 1 while a news page is shown
LRESULT Button_Bar_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT News_Bar_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// A visible status-bar child at (0, 0), which places itself along the parent's bottom.
HWND Create_Status_Bar(HWND hParent);
// Replaces a bar's window procedure; returns the control's own, for what the new one leaves.
WNDPROC Replace_Bar_Proc(HWND hBar, WNDPROC pProc);
LRESULT Call_Bar_Base_Proc(WNDPROC pBase, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Paints a bar through a memory bitmap of its client size, then copies it to the window.
void Paint_Bar_Through_Bitmap(HWND hBar, void (*pPainter)(HWND hBar, HDC hdc, const RECT* pRect));
// Keeps a bar's left edge at 0 and its top at y, at its own size.
void Keep_Bar_At(HWND hBar, int y);
int Get_Main_Client_Bottom(void);
// The news bar's score cells: where cell 0..8 lies on a bar of the size, and its alignment.
void Get_Score_Cell_Rect(int nCell, int nWidth, int nHeight, RECT* pRect);
UINT Get_Score_Cell_Format(int nCell);
// Whether the news bar shows the score cells when no ticker line was drawn.
int Is_Score_Cells_Time(void);

// ---- the news ticker (news_ticker.cpp) -----------------------------------------------------------
#define NEWS_TICKER_LINE_COUNT 6
#define NEWS_TICKER_LINE_SIZE 20480
#define NEWS_TICKER_SCROLL_TIMER 1000
#define NEWS_TICKER_LINE_PAUSE_TIMER 1001
#define NEWS_TICKER_RESTART_TIMER 1002
#define NEWS_TICKER_SCROLL_PERIOD 14
#define NEWS_TICKER_PAUSE_PERIOD 1900
#define NEWS_TICKER_STOPPED_X (-100)

extern char gTickerLines[NEWS_TICKER_LINE_COUNT][NEWS_TICKER_LINE_SIZE];
extern int gTickerLine;
extern int gTickerX;
extern int gTickerPixelsLeft;
extern int gTickerSeasonKind;
extern int gTickerYear;

void Build_News_Ticker_Text(void);
void Start_News_Ticker(HWND hNewsBar);
void Stop_News_Ticker(void);
void Restart_News_Ticker_Line(void);
void Refresh_News_Ticker(int bRestart);
int Get_Ticker_Text_Width(HDC hdc, const char* szText);
void Take_News_Ticker_DC(HWND hNewsBar);
// Draws the current line at (gTickerX, 2) and arms the scroll step; 0 when no line was drawn.
int Draw_Ticker_Text(HDC hdc);
void News_Ticker_Timer_Proc(HWND hWnd, UINT uMsg, UINT_PTR idTimer, DWORD dwTime);

// ---- the season timeline on the button bar (timeline_bar.cpp) -------------------------------------
// Points and rectangles are the button bar's own pixels.
extern int gTimelineEnabled;  // 0 while the encyclopedia export runs: the bar greys and rests

// Draws the bar's two pictures and places the five boxes by the bar's width.
void Layout_Timeline_Bar(HDC hdc, HWND hBar);
void Draw_Team_Record_On_Bar(HDC hdc);
void Draw_Timeline_Bar(HDC hdc);  // the current week and the five boxes
// The current week's text: its game, its playoff round and opponent, or the off-season.
void Format_Timeline_Week_Text(char* szOut, int nSize);
// The label of box k; *pbDone is set for an off-season step done or not yet open (drawn dim).
void Format_Timeline_Box_Label(int k, char* szOut, int nSize, int* pbDone);
int Get_Timeline_Box_Left(int k);
int Find_Timeline_Box(int x, int y);  // the box whose outline holds the point, or -1
int Is_Timeline_Disabled(void);       // a game on, a run under way or the export running
int Is_Timeline_Hot_Spot(int x, int y);
void Click_Timeline(int x, int y);
// Plays from week a up to week b after the question, or takes an off-season step.
void Play_To_Timeline_Week(int a, int b);
int Confirm_Timeline_Simulation(int nWeeks);  // IDYES or IDNO
void Get_Playoff_Simulation_Message(char* szOut, int nSize);
void Get_Timeline_Phase_Name(char* szOut, int nSize, int nWeek);
// The user's team logo above the bars (client pixels), and where it was last drawn.
void Draw_Team_Logo_Above_Bar(HDC hdc);
void Get_Team_Logo_Rect(RECT* pRect);
