// Application shell and graphics: the main window and its bars, start-up, the skinned message
// dialog and the shell's own dialogs. What other subsystems may call.
#pragma once

#include "core/core.h"
#include "platform/windows.h"
#include "shell/bitmap_cache.h"
#include "shell/drawing.h"
#include "shell/menus.h"
#include "shell/main_window.h"
#include "shell/path_canvas.h"
#include "shell/startup.h"
#include "shell/bars.h"
#include "shell/sortable_listview.h"

// ---- the main window and its bars -------------------------------------------------------------
extern HWND gMainWindow;
extern HDC gMainWindowDC;  // the back buffer; null until the main window has one
extern HWND gButtonBar;    // null when absent
extern HWND gNewsBar;      // null when absent
extern HACCEL gMainAccelerators;
extern HICON gAppIcon;

HWND Get_Main_Window(void);
int Release_Main_Window_DC(HDC hDC);
void Set_Big_Icon(HWND hWnd);

// ---- the dialog launcher and the message pump ---------------------------------------------------
extern int gChooseStatDialogId;

INT_PTR Do_Dialog(HWND hParent, int idDialog, LPARAM lParam);
INT_PTR Open_Dialog(HWND hParent, int idDialog);
// A dialog procedure that ends its dialog with IDCANCEL as soon as it starts.
INT_PTR Cancel_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
int Pump_Shell_Messages(void);  // the host services' pump

// ---- dialog procedures --------------------------------------------------------------------------
INT_PTR About_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Welcome_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Stat_Column_Chooser_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR User_Message_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// ---- the window title ---------------------------------------------------------------------------
void Build_Main_Window_Title(char* szOut, int nSize);

// ---- the progress window (progress_window.cpp), behind the host services' progress calls -------
int Open_Shell_Progress_Window(const char* szCaption, int nSteps);  // 1 when a window opened
void Step_Shell_Progress_Window(int nSteps);
void Close_Shell_Progress_Window(void);

// ---- the message boxes (message_dialog.cpp), behind the host services' questions -------------
// Once the main window has its back buffer, the skinned message dialog; before that, and while a
// skinned box is already up, the system message box.
int Ask_Shell_Message_Box(const char* szText, const char* szCaption, unsigned uType);
int Run_User_Message_Dialog(const USER_MESSAGE* pMessage);

// ---- the host services (host_table.cpp) ---------------------------------------------------------
// The shell's table of the host services, installed at start-up.
const HOST_SERVICES* Get_Shell_Host_Services(void);
void Install_Shell_Host_Services(void);

// ---- the main menu and the pages (draft_menu.cpp, news_page_switch.cpp) -------------------------
void Set_Draft_Menu_Items(int bFantasyDraft);
void End_Off_Season(void);            // ends the off-season and opens the college draft
void Take_Down_Bars_For_Draft(void);  // the news ticker stopped, the news and button bars gone
void Resume_College_Draft(void);      // lets the draft go on, the main window repainted around it
void Show_News_Page(int nPage);

// ---- opening a league (universe_load.cpp) -------------------------------------------------------
// Reads a saved game or universe and runs every load step; a failed load leaves the league that
// was there, still loaded (Load_Universe) and tells the user.
int Load_Game_File(const char* szPath);
int Load_Universe(const char* szPath);
void Run_Load_Steps(int nVersion);  // the steps that follow every load, in order
// Upgrade steps by the version read (version_upgrades.cpp), in the order the load steps call them.
void Run_New_Game_Defaults_Upgrade(int nVersion);
void Run_Roster_Upgrades(int nVersion);
void Run_Version_Upgrade_Chain(int nVersion);
void Repair_Corrupted_Season_Counter(void);  // a season counter run past the year's end

// ---- start-up (startup_random.cpp) -------------------------------------------------------------
// Seeds the generator once: the fixed seed with IS_NOT_RANDOM, else the time XOR the tick count.
void Seed_Startup_Random(void);

// ---- the Play menu (game_menu.cpp) --------------------------------------------------------------
// The Play menu for the state the game is in: a watched game's commands, or Stop, while a run goes
// on; the season phase's menu otherwise. hPlayMenu: the menu to fill, null for the main window's.
void Set_Game_Menu(HMENU hPlayMenu);

// ---- the page mouse (page_mouse.cpp, page_column_tabs.cpp) --------------------------------------
// Mouse moves and left clicks on the main window in client coordinates: the hover cursor, the
// page-tab strip, the team logo and the shown page's own hot spots, in the design space.
void On_Page_Mouse(HWND hWnd, UINT uMsg, int x, int y);
// A client point taken into the design space: each axis over its design size scales down.
void Map_Page_Point_To_Design(HWND hWnd, int* px, int* py);
int Get_Page_Hover_Code(void);  // of the last move: 0 none, 1..4 a cursor kind, more: kept
// A game shown play by play: the page tabs and the team logo rest while it runs.
int Is_Page_Game_Watched(void);
// Whether a point lies in a rectangle, whose right and bottom edges lie outside it.
int Is_Point_In(const RECT* pRect, int x, int y);
int Is_Page_Tab_Strip_Point(int x, int y);
int Is_Team_Logo_Point(int x, int y);
int Click_Page_Tab(int x, int y);  // 1 when the point was on a tab and its page is shown
// A page column's chooser: the column shows nothing while dialog idDialog is open for the
// preference; 1 when a choice was made, else the old value is back.
int Choose_Page_Column(HWND hWnd, int nPreference, int nEmptyValue, int idDialog);
void Click_Calendar_Columns(HWND hWnd, int x, int y);  // the Calendar's column tabs, heading band
int Is_Finances_Page_Hot_Spot(int x, int y);
void Click_Finances_Page(int x, int y);
int Is_Hall_Of_Fame_Page_Hot_Spot(int x, int y);
void Click_Hall_Of_Fame_Page(int x, int y);
