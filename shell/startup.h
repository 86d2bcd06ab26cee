// The process frame: start-up, the message loop, shut-down and the crash dump; the command-line
// flags and the start-up lines of debug.txt; the Welcome screen; the pages' column names and the
// preferences a new game starts with.
#pragma once

#include "core/core.h"
#include "platform/windows.h"

// ---- the version ----------------------------------------------------------------------------------
#define PROGRAM_TITLE "Football Vanto"
#define PRODUCT_YEAR 2022
#define EDITION_LABEL "22"
#define EDITION_NUMBER 22
#define PROGRAM_VERSION 1904  // 19.04
#define PROGRAM_VERSION_MAJOR 19
#define PROGRAM_VERSION_MINOR 4
#define INSTALL_TYPE "CD"
#define BUILD_SUFFIX "    "

#define MAIN_ACCELERATOR_TABLE 101
#define APP_ICON_RESOURCE 208
#define APP_DIALOG_FONT 17  // the application font of the Welcome and About buttons

// ---- the program (startup.cpp) --------------------------------------------------------------------
// The program's entry: the backend chosen by the display, the arguments as the command line.
int Run_Application(int argc, char** argv);
// Start-up in order, the message loop and shut-down. The quit message's code, or
// STARTUP_FAILED_EXIT_CODE when the program could not start.
#define STARTUP_FAILED_EXIT_CODE 1
int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);
// The Welcome screen until a game is started or resumed (1), or the user quits (0).
int Do_Splash_Screen(void);

// ---- the command-line flags (startup_flags.cpp) ---------------------------------------------------
#define COMMAND_LINE_FILE "CommandLine.txt"

extern char gCommandLineFlagNames[TEXT_BUFFER_SIZE];  // each flag found, once, with one blank

void Parse_Command_Line_Flags(const char* szText);
void Read_Command_Line_File(void);  // a missing file is no error
// The arguments after the program's name as one text, separated by blanks.
void Join_Command_Line_Arguments(int argc, char** argv, char* szOut, int nSize);
int Get_Command_Line_Flags(void);

// ---- debug.txt and the installation values (startup_log.cpp, install_values.cpp) -------------------
#define INSTALL_VALUES_FILE "InstallValues.txt"

void Start_Debug_Log(void);
void Log_Video_Information(void);
// Writes the installation values; the first-run values only when the store is new.
void Update_Install_Registry(void);
// Set by Update_Install_Registry when this run found no installation values: the first start.
extern int gFirstStart;
// One value of the store ("" when absent); 1 when it is there.
int Read_Install_Value(const char* szName, char* szOut, int nSize);

// ---- the debug timer and quick messages (debug_timer.cpp) -----------------------------------------
#define DEBUG_TIMER_START 1
#define DEBUG_TIMER_STOP 2
#define DEBUG_TIMER_LOG 3

extern char gDebugTimerName[TEXT_BUFFER_SIZE];
extern DWORD gDebugTimerStart;
extern DWORD gDebugTimerStop;
extern DWORD gDebugTimerElapsed;

DWORD Debug_Timer(const char* szName, int nMode);
void Quick_Message(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));

// ---- shut-down and the crash dump (shutdown.cpp, crash_dump.cpp) -----------------------------------
void Free_Application_Resources(void);

// What a crash handler knows of the fault.
typedef struct CRASH_INFO {
    int nSignal;
    const void* pAddress;
} CRASH_INFO;

// The fatal signals go to Write_Crash_Dump; the installation folder is the current one.
void Install_Crash_Handler(void);
// Writes "Crash-Football-Vanto-1904-nnn.dmp" (a text dump: the version, the fault, the recent
// errors and a backtrace) in the installation folder. Safe inside a signal handler; always 0.
int Write_Crash_Dump(const CRASH_INFO* pCrash);

// ---- the main window (main_window.cpp) ---------------------------------------------------------
HWND Create_Main_Window(HINSTANCE hInstance, int nShow);

// ---- the pages' column names (column_names.cpp) ---------------------------------------------------
#define PREF_LEAGUE_SHOWN 42  // the league whose name the pages show: 0 or 1
#define STANDINGS_COLUMN_COUNT 48

// Each writes the header text of a column ("\n" breaks a line), or "" outside its list.
void Get_Team_Stat_Column_Name(char* szOut, int nSize, int nIndex);      // Calendar
void Get_Player_Leader_Column_Name(char* szOut, int nSize, int nIndex);  // Leaders
void Get_Team_Info_Column_Name(char* szOut, int nSize, int nIndex);      // Finances
void Get_Standings_Column_Name(char* szOut, int nSize, int nIndex);      // Standings
void Fill_Standings_Column_Combo(HWND hCombo);

// ---- a new game's preferences (new_game_defaults.cpp) ---------------------------------------------
// The page columns, ticker, period, user's team, manager, skin and save name of a new game. Runs
// when a game is started and for files old enough to lack them, never on an ordinary load.
void Set_New_Game_Defaults(void);
