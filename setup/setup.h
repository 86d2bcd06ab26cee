// Game setup, editors and tools dialogs: new, saved and resumed games, options, cities,
// playbooks and the other tools. What other subsystems may call.
#pragma once

#include "core/core.h"
#include "platform/windows.h"

// ---- dialog procedures --------------------------------------------------------------------------
INT_PTR New_Game_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Resume_Game_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Save_Game_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Other_Team_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Hall_Of_Fame_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Choose_Stat_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Options_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Print_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Did_You_Know_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Injury_Contingency_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR City_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Rename_City_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Database_Notes_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR History_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Advanced_Tools_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Play_Multiple_Seasons_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Game_Matchup_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR View_Encyclopedia_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Choose_Export_Folder_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Playbook_Editor_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Save_Playbook_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Load_Playbook_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR New_Version_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR Season_Simulator_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// ---- contract recalculation (contract_recalculation.cpp) ---------------------------------------
void Recalculate_Contracts(void);

// ---- leaving an unsaved league (save_prompt.cpp) ------------------------------------------------
int Open_Save_Game_Dialog(HWND hParent);
int Confirm_Save_Changes(HWND hParent);  // 1 when the caller may go on

// ---- the game matchup dialog --------------------------------------------------------------------
void Run_Game_Matchup_Dialog(int nHome, int nVisitor);

// ---- needed by app-startup (startup_services.cpp) ------------------------------------------------
void Ensure_Fame_File(void);       // "VntFame.dat" rebuilt when it does not exist
int Import_Old_Saved_Games(void);  // non-zero when saved games of earlier editions were found
void Show_Update_Reminder(void);   // the start-up reminder to look for a newer version
void Show_Build_Date(HWND hDlg);   // the program file's date in the About box
int Open_Web_Page(HWND hWnd, const char* szAddress);
int Get_Human_Team(int n);  // the n-th human-run league team; -1 when there are fewer
void Format_Saved_Game_Description(char* szOut, int nSize);
// ---- needed by the main window
int Confirm_Retirement(void);  // 1 when the user retires
// Shows the text with "Please try again once this day is completed." and stops the running
// advance after the current day.
void Stop_Play_With_Message(const char* szCaption, const char* szText);
int Open_With_Shell(HWND hWnd, const char* szFile);  // 1 when the shell accepted it
void Set_Fame_File_Value(int nIndex, int nValue);    // one int of the file's value array

// ---- the league's history and the encyclopedia (history_dialog.cpp, view_encyclopedia_dialog.cpp)
// "5th (division)" ... "Super Bowl Champion" for a season's finish code; "" for another code.
void Format_Finish_Text(int nTeam, int nCode, char* szOut, int nSize);
void Read_Encyclopedia_Settings(char* szFolder, int nFolderSize, char* szDesign, int nDesignSize);
int Save_Encyclopedia_Settings(const char* szFolder, const char* szDesign);
int Export_HTML_Encyclopedia(HWND hDlg);
