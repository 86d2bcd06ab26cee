// Game setup, editors and tools dialogs: new, saved and resumed games, options, cities,
// playbooks and the other tools. What other subsystems may call.
#pragma once

#include "core/core.h"

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

// ---- season rules by year (season_rules.cpp) ------------------------------------------------------
// Overtime rules of gOvertimeRule and gPlayoffOvertimeRule.
#define OVERTIME_SUDDEN_DEATH 0
#define OVERTIME_SIX_POINT_THRESHOLD 1
#define OVERTIME_SUDDEN_DEATH_NO_TIES 2
#define OVERTIME_SIX_POINT_THRESHOLD_NO_TIES 3
// gKickoffLocation: the kickoff line.
#define KICKOFF_FROM_30 0
#define KICKOFF_FROM_35 1
#define KICKOFF_FROM_40 2
// gMissedFieldGoalSpot: where the ball goes after a missed field goal.
#define MISSED_FIELD_GOAL_AT_KICK 0
#define MISSED_FIELD_GOAL_AT_SCRIMMAGE 1
#define MISSED_FIELD_GOAL_AT_20 2

int Get_Season_Salary_Cap(int nYear);  // dollars
void Update_Salary_Cap(void);
int Get_Cap_Inflation_Factor(int nCap);  // the cap per mille of the base cap, rounded
void Update_Inflation_Factor(void);
int Get_Season_Games(int nYear);
void Update_Season_Games(void);
void Update_Wild_Card_Teams(void);
int Set_Overtime_Period_Length(void);  // the season year
int Set_Missed_Field_Goal_Spot(void);  // the season year
void Set_Kickoff_Location(void);
void Set_Kickoff_Touchback_Line(void);
void Set_Extra_Point_Line(void);
void Set_Two_Point_Conversions(void);
void Set_Overtime_Rules(void);
int Apply_Season_Rules(void);  // the weekly league revenue
void Reset_Player_Career_Curves(void);
int Set_All_Teams_Computer(void);  // the number of teams in use

// ---- contract recalculation (contract_recalculation.cpp) ---------------------------------------
void Recalculate_Contracts(void);

// ---- the users' Hall of Fame file (fame_file.cpp) -----------------------------------------------
#define FAME_FILE_SIZE 23552

int Read_Fame_File(void* pRecord);  // 1 when read; the record is zeroed otherwise
int Write_Fame_File(const void* pRecord);

// ---- leaving an unsaved league (save_prompt.cpp) ------------------------------------------------
int Open_Save_Game_Dialog(HWND hParent);
int Confirm_Save_Changes(HWND hParent);  // 1 when the caller may go on

// ---- the game matchup dialog --------------------------------------------------------------------
void Run_Game_Matchup_Dialog(int nHome, int nVisitor);

// ---- human-run teams (human_team.cpp) -----------------------------------------------------------
int Is_Human_Team(int nTeam);

// ---- playbook files (playbook_files.cpp) --------------------------------------------------------
#define PLAYBOOK_FILE_OFFENCE 0
#define PLAYBOOK_FILE_DEFENCE 1

// "playbooks/<name>.opb" or ".dpb" into the team's image; 1 on success, 0 with the image unchanged
// when the file is missing or short.
int Read_Playbook_File(int nTeam, int nFlag, const char* szName);
