// The actions of the main window's commands, by the command table's rows (command_table.cpp).
// Each takes the main window and its row's argument.
#pragma once

#include "shell/shell.h"

struct GAME;

// ---- dialogs, pages, help and the shell (command_handlers_dialogs.cpp) ------------------------
void Command_Open_Dialog(HWND hWnd, int idDialog);
void Command_Budget_Dialog(HWND hWnd, int idDialog);  // after the Owner Mode check
void Command_Trades(HWND hWnd, int idDialog);         // Trades and Trading Block
void Command_Switch_Page(HWND hWnd, int nPage);
void Command_Help_Topic(HWND hWnd, int nTopic);
void Command_Help_On_Page(HWND hWnd, int nUnused);
void Command_League_Editor(HWND hWnd, int idDialog);
void Command_College_Draft(HWND hWnd, int nUnused);
void Command_Fantasy_Draft(HWND hWnd, int nUnused);
void Command_Output_Rosters(HWND hWnd, int nUnused);
void Command_Open_Web_Page(HWND hWnd, int nPage);  // the row's command id names the page
void Command_View_Debug_Log(HWND hWnd, int nUnused);
void Command_Open_Game_Folder(HWND hWnd, int nUnused);
void Command_Nothing(HWND hWnd, int nUnused);

// ---- games, seasons and leaving (command_handlers_game.cpp) ------------------------------------
// 1 when a week is being simulated without play-by-play: the text is shown and the run stopped.
int Refuse_While_Simulating(const char* szCaption, const char* szText);
GAME* Get_Watched_Displayed_Game(void);  // the displayed game while it is watched, else NULL

void Command_Save_Game(HWND hWnd, int nUnused);
void Command_Resume_Game(HWND hWnd, int nUnused);
void Command_New_Game(HWND hWnd, int nUnused);
void Command_Exit(HWND hWnd, int nUnused);
void Command_Retire(HWND hWnd, int nUnused);
void Command_Advance_Weeks(HWND hWnd, int nWeeks);
void Command_Through_Trading_Deadline(HWND hWnd, int nUnused);
void Command_Finish_Quarter(HWND hWnd, int nUnused);
void Command_Finish_Game(HWND hWnd, int nUnused);
void Command_View_Recap(HWND hWnd, int nUnused);
void Command_View_Box_Score(HWND hWnd, int nUnused);
void Command_Timeout(HWND hWnd, int nUnused);
void Command_Game_Screen_Key(HWND hWnd, int idCommand);
void Command_Play_Seasons(HWND hWnd, int idDialog);
void Command_Season_Simulator(HWND hWnd, int idDialog);
void Command_Show_Debug_Timer(HWND hWnd, int nUnused);
void Command_Debug_Key(HWND hWnd, int idCommand);
