// Game setup, editors and tools dialogs: new, saved and resumed games, options, cities,
// playbooks and the other tools. What other subsystems may call.
#pragma once

#include <stddef.h>
#include <stdint.h>

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

// ---- the city editor (city_editor_dialog.cpp) ----------------------------------------------------
void Format_City_Degrees(int nThousandths, char* szOut, int nSize);  // -74006: "-74.006"
int Parse_City_Degrees(const char* szText, int* pThousandths);      // 0 when not a number

// ---- the export folder (export_folder_dialog.cpp) -----------------------------------------------
#define EXPORT_FOLDER_SIZE 2048
extern char gEncyclopediaFolder[EXPORT_FOLDER_SIZE];  // where the encyclopedia is exported
extern char gBrowseFolder[EXPORT_FOLDER_SIZE];        // the folder Choose Export Folder shows
void Build_Folder_Path(const char* szEntry, char* szOut, int nSize);

// ---- Advanced Tools (advanced_tools_dialog.cpp) --------------------------------------------------
void Do_Clear_Injuries(void);   // and tells how many
int Clear_Output_Folder(void);  // the files removed from "Output"

// ---- a season database build run from Advanced Tools (database_build_run.cpp) -----------------
enum DATABASE_BUILD_KIND {
    DATABASE_BUILD_MODERN,          // Create_Universe_For_Year of the year
    DATABASE_BUILD_HISTORICAL,      // Create_Historical_Universes of that one year
    DATABASE_BUILD_ALL_HISTORICAL,  // Create_All_Historical_Universes; the year is not used
};
// Asks before it replaces an open game and offers it for saving (0 when the user declines or
// cancels), builds, and starts the built league as a new game; when no playable league was built
// the open game is put back. The databases built.
int Run_Database_Build(int nKind, int nYear);
// A built league in memory made a game as a New Game makes one, its ratings kept as built, on the
// Standings page.
void Start_Built_Game(void);

// ---- the users' Hall of Fame file (fame_table.cpp) ----------------------------------------------
#define FAME_LEVELS 4  // one table a difficulty level: "Fan", "Coach", "Head Coach", "Vanto"
#define FAME_ROWS 10
#define FAME_TEXT_SIZE 256
#define FAME_VALUE_COUNT 300
#define FAME_REMINDER_COUNTDOWN 235  // value index: starts left until the reminder opens again
#define FAME_NEVER_REMIND 236        // value index: FAME_NEVER_REMIND_WORD stops the reminder
#define FAME_NEVER_REMIND_WORD 117
#define FAME_CLASS_GREY 0
#define FAME_CLASS_WHITE 1
#define FAME_CLASS_DEFAULT 2

struct FAME_ENTRY {
    char szCoach[FAME_TEXT_SIZE];
    char szTeam[FAME_TEXT_SIZE];
    int32_t nFirstSeason;
    int32_t nLastSeason;
    int32_t nWins;
    int32_t nLosses;
    int32_t nTies;
    int32_t nPlayoffWins;
    int32_t nPlayoffLosses;
    int32_t nRating;  // x 10
    int32_t nDisplayClass;
    int32_t nRevenueIndex;  // the team's financial stat 74 at entry
};
static_assert(sizeof(FAME_ENTRY) == 552);

// The whole file "VntFame.dat", as it lies on disk.
struct FAME_RECORD {
    FAME_ENTRY aaTables[FAME_LEVELS][FAME_ROWS];
    int32_t anValues[FAME_VALUE_COUNT];
    char szUserName[FAME_TEXT_SIZE];
    int32_t anWindowRect[4];
};
static_assert(offsetof(FAME_RECORD, anValues) == 22080);
static_assert(offsetof(FAME_RECORD, szUserName) == 23280);
static_assert(offsetof(FAME_RECORD, anWindowRect) == 23536);
static_assert(sizeof(FAME_RECORD) == 23552);

#define FAME_READ_OK 1
#define FAME_READ_MISSING 0   // no file, or nothing in it: read as zeros after the notice
#define FAME_READ_DAMAGED -1  // the wrong size or rows out of order: never to be written over

int Read_Checked_Fame_File(FAME_RECORD* pRecord);  // FAME_READ_*
void Rebuild_Fame_File(void);
int Get_Fame_File_Value(int nIndex);  // 0 when the file cannot be read
int Get_Best_Human_Team(void);        // NO_TEAM when no team is run by a person
int Get_Best_Rated_Team(void);
int Get_Team_Fame_Rating(int nTeam);  // x 10; 0 for NO_TEAM
void Enter_User_Into_Fame_Table(FAME_RECORD* pRecord);

// ---- the game start (game_start.cpp) ------------------------------------------------------------
// The loaded universe made a new game at season 0, week 0 with its schedule; bShowDownload also
// installs the photos and logos under a progress window of its own.
void Start_Game(int bShowDownload);

// ---- the developer tools' batch exports of the ratings CSV (ratings_batch_exports.cpp) ---------
// No command runs them. Each loads every built universe of 1951..2021 there is and writes a
// ratings CSV: of its season as built, or of the season before with the ratings made from that
// season's statistics (offensive linemen as loaded). The universes exported; the last stays loaded.
int Export_Every_Season_Player_Ratings(void);
int Export_Replay_Mode_Player_Ratings(void);

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

// ---- the game matchup dialog (game_matchup.cpp) ------------------------------------------------
#define MATCHUP_UNITS 5  // Running, Passing, Run Defense, Pass Defense, Special Teams

// ---- the game matchup dialog --------------------------------------------------------------------
void Run_Game_Matchup_Dialog(int nHome, int nVisitor);
int Get_Unit_Stars(int nBetterTeams, int nTeams);  // 5 for the best unit .. 1 for the worst
void Compute_Unit_Stars(uint8_t* pStars, int nTeam);
// "... favored by ..." or "Vegas Line: Pick 'em" of a spread in tenths (positive: the visitor).
void Format_Point_Spread(int nVisitor, int nHome, int nSpread, char* szOut, int nSize);

// ---- needed by app-startup (startup_services.cpp) ------------------------------------------------
int Ensure_Fame_File(void);        // "VntFame.dat" rebuilt when it does not exist: 1
int Import_Old_Saved_Games(void);  // non-zero when saved games of earlier editions were found
void Show_Update_Reminder(void);   // the start-up reminder to look for a newer version
void Show_Build_Date(HWND hDlg);   // the program file's date in the About box
int Open_Web_Page(HWND hWnd, const char* szAddress);
int Get_Human_Team(int n);  // the n-th human-run league team; -1 when there are fewer
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
