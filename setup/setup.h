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

// ---- playbook files (playbook_load_dialog.cpp, playbook_save_dialog.cpp, playbook_plays_csv.cpp)
// The dialogs work on the dialog team's playbook of side gPlaybookSide.
void Fill_Playbook_File_List(HWND hDlg);
int Load_Selected_Playbook(HWND hDlg, int nTeam);  // the reader's result; 0 when none is selected
void Show_Playbook_Analysis(HWND hDlg);
void Clear_Playbook_Analyzer(HWND hDlg);
void Set_Playbook_Name(const char* szName);  // at most 37 characters kept
int Is_Bare_Playbook_Name(const char* szName);  // a file name with no folder part and no ".."
// Closes hDlg (when given) with 1 once the file is open; PLAYBOOK_WRITE_RESULT.
int Write_Playbook_File(const char* szPath, HWND hDlg);
int Export_Playbook_Plays_CSV(const char* szFile);  // 1 when written
void Export_And_Open_Playbook_Plays(HWND hWnd);

// ---- the Options dialog (options_dialog.cpp) ----------------------------------------------------
void Load_Options_Controls(HWND hDlg);
void Store_Options_Controls(HWND hDlg);
void Show_Options_Texts(HWND hDlg);
void Fill_Skin_List(HWND hCombo);  // "Skin: <folder>" per folder under "Skins"
void Apply_Skin_Choice(HWND hDlg);
void Fill_Difficulty_List(HWND hDlg);  // combo 1008, the stored level selected
void Fill_Reversion_List(HWND hDlg);   // combo 1011
void Show_Special_Tool_Button(HWND hDlg);  // button 10 only in builds tagged for the tools

// ---- the trade-response dialog's frame (trade_response_frame.cpp) ------------------------------
void Draw_Trade_Response_Frame(HWND hDlg, HDC hdc);  // 10 x 10 corners around control 1362

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
