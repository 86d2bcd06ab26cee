// Application shell and graphics: the main window and its bars, start-up, the skinned message
// dialog and the shell's own dialogs. What other subsystems may call.
#pragma once

#include "core/core.h"

// ---- the main window and its bars -------------------------------------------------------------
extern HWND gMainWindow;
extern HDC gMainWindowDC;        // the back buffer; null until the main window has one
extern HWND gButtonBar;          // null when absent
extern HWND gNewsBar;            // null when absent
extern HACCEL gMainAccelerators;
extern HICON gAppIcon;

// ---- message routines ---------------------------------------------------------------------------
void Show_System_Error(int nErrorCode, const char* szCaption, const char* szFormat, ...)
    __attribute__((format(printf, 3, 4)));

// ---- dialog procedures --------------------------------------------------------------------------
INT_PTR About_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Welcome_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Stat_Column_Chooser_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR User_Message_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// ---- the dialog team and the window title --------------------------------------------------------
int Get_Dialog_Team(void);
void Build_Main_Window_Title(char* szOut);

// ---- debugger output (debug_output.cpp) ----------------------------------------------------------
void Debug_Print(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));

// ---- the progress window (progress_window.cpp) --------------------------------------------------
int Open_Progress_Window(const char* szCaption, int nSteps);  // 1 when a window opened
void Step_Progress_Window(int nSteps);
void Close_Progress_Window(void);

// ---- the sortable list view's columns (listview_columns.cpp) ------------------------------------
void Reset_Listview_Column_Preferences(void);

// ---- a new game's preferences (new_game_defaults.cpp) -------------------------------------------
void Set_New_Game_Defaults(void);

// ---- the main menu and the pages (draft_menu.cpp, news_page_switch.cpp) -------------------------
void Set_Draft_Menu_Items(int bFantasyDraft);
void Show_News_Page(int nPage);

// ---- start-up (startup_random.cpp) -------------------------------------------------------------
// Seeds the generator once: the fixed seed with IS_NOT_RANDOM, else the time XOR the tick count.
void Seed_Startup_Random(void);

// ---- the Play menu ------------------------------------------------------------------------------
void Set_Game_Menu(HMENU hMenu);
