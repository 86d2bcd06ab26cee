// The main window: its class, creation with the stored placement, its minimum size and
// proportion, the window procedure and the table that turns menu commands into actions.
#pragma once

#include "core/core.h"
#include "platform/windows.h"

#define MAIN_WINDOW_CLASS "Football Vanto"
#define MAIN_WINDOW_TITLE "Football Vanto"
#define MAIN_WINDOW_MENU_ID 101
#define MAIN_WINDOW_ICON_ID 208

// The main window's private messages.
#define WM_NEXT_FANTASY_PICK WM_USER           // the next pick of a running fantasy draft
#define WM_STAMP_FAME_FILE_TIME (WM_USER + 8)  // fame file value 100 = seconds since 1970 / 64
#define FAME_TIME_STAMP_INDEX 100

// 1 from the start of an interactive move or resize until its end; WM_SIZE and WM_PAINT wait.
extern int gSizingInProgress;

// ---- the class and the window (main_window.cpp) ------------------------------------------------
UINT_PTR Register_Main_Window_Class(HINSTANCE hInstance);  // the class atom, 0 on failure
// Creates the main window at its stored placement (maximised when none is stored), corrected to
// the minimum size and proportion, and shows it: nShow SW_HIDE leaves it hidden, any other value
// shows it as stored. Returns the window, or NULL when it cannot be created.
HWND Create_Main_Window(HINSTANCE hInstance, int nShow);
LRESULT Main_Window_Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// One message of a message loop: the main accelerators first, else translated and dispatched.
void Translate_Main_Window_Message(MSG* pMsg);

// ---- size and placement (main_window_placement.cpp) --------------------------------------------
// The window size whose client area is MIN_CLIENT_WIDTH x MIN_CLIENT_HEIGHT under caption and menu.
void Get_Main_Window_Min_Size(int* pnWidth, int* pnHeight);
// The width in the minimum window's proportion for a height (single precision, truncated).
int Get_Main_Window_Proportional_Width(int nHeight);
// Keeps a rectangle being dragged at the WMSZ_* edge at the minimum size and proportion; 1 when
// it changed the rectangle. Nothing happens without a main window.
int Clamp_Main_Window_Sizing(RECT* pRect, int nEdge);
// Whether a WM_SIZING edge moves the left or the top side (corners included).
int Is_Sizing_Left_Edge(int nEdge);
int Is_Sizing_Top_Edge(int nEdge);
// The stored normal rectangle; 0 when the window is to open maximised (nothing stored, or the
// file unreadable). A rectangle off the work area is moved onto it, one too small enlarged.
int Load_Window_Placement(RECT* pRect);
// Stores the window's normal rectangle (zeros when maximised); a minimised window stores nothing.
void Save_Window_Placement(HWND hWnd);

// ---- the command table (command_table.cpp) -----------------------------------------------------
// A handler gets the row's argument: a dialog id, a page id, a week count or the command id.
typedef void (*MAIN_COMMAND_HANDLER)(HWND hWnd, int nArgument);
typedef void (*MAIN_COMMAND_ACTION)(void);

// A row runs its handler, or when it has none its action, which needs neither window nor argument.
typedef struct MAIN_COMMAND {
    int idCommand;
    MAIN_COMMAND_HANDLER pHandler;
    int nArgument;
    const char* szTimerName;  // the debug timer runs around the command when set
    MAIN_COMMAND_ACTION pAction = NULL;
} MAIN_COMMAND;

// The row of a command id; NULL for an id the main window leaves to DefWindowProc.
const MAIN_COMMAND* Find_Main_Command(int idCommand);
int Count_Main_Commands(void);
const MAIN_COMMAND* Get_Main_Command(int nRow);  // NULL past the end
// Runs a command's row; 0 when the table has no such command.
int Run_Main_Command(HWND hWnd, int idCommand);

// ---- the commands' actions (command_handlers_*.cpp) ---------------------------------------------
// WM_CLOSE and Exit: refused while a week is simulated unwatched (the run is stopped), else the
// save question, then the placement is stored and the window destroyed.
void Close_Main_Window(HWND hWnd);
// A close asked for during a watched game stopped the game and the advance; the program's loop
// calls this after each message and the window goes once the advance has returned.
void Close_Main_Window_After_Advance(void);

// ---- the debug keys Ctrl+F1..Ctrl+F12 on the live game (debug_keys.cpp) ------------------------
#define ID_DEBUG_VISITOR_SCORE_DOWN 40140
#define ID_DEBUG_DOWN_UP 40151
// Changes the live game by the key's command; 0 when there is no live game or no such key.
int Apply_Debug_Key(int idCommand);
