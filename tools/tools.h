// Data import, database builder and tools. What other subsystems may call.
#pragma once

#include "core/core.h"

// ---- payroll scaling (payroll_scaling.cpp) ------------------------------------------------------
int Fit_Team_Payroll(int nTeam, int nTarget);  // target in dollars; the first ratio per mille
int Scale_All_Team_Payrolls(int nTarget);      // the average first ratio per mille

// ---- the league frame of a build (league_import.cpp) --------------------------------------------
void Import_League_File(void);
void Import_Teams_File(void);
int Import_Team_Line(const char* szPath,
                     FILE* pFile);  // 1 to stop: the end of the file or 32 teams

// ---- a new league's defaults (imported_league.cpp) ----------------------------------------------
void Init_Imported_League(void);

// ---- clean-ups after a league is read (load_cleanups.cpp) ---------------------------------------
void Remove_Invalid_Position_Players(void);
void Remove_Two_Way_Specialists(void);
void Calculate_All_Player_Ratings(void);

// ---- a played league made a new one (universe_rebase.cpp) ---------------------------------------
// The current season becomes season 0 of a league whose first year is this one: the calendar at
// the season's start, the current season's statistics empty, the predicted lines completed. Team
// rows of the earlier seasons are cleared; returns how many seasons were dropped from them.
int Rebase_League_To_Current_Season(void);

// ---- the season simulator (season_simulator.cpp, simulator_report.cpp) -------------------------
#define SIMULATOR_FILE "Simulator.dat"
#define SIMULATOR_TEXT_FILE "Simulator.txt"
#define SIMULATOR_CSV_FILE "Simulator.csv"
#define SIMULATOR_TEAM_COUNT 36
#define SIMULATOR_FINISH_COUNT 9
#define SIMULATOR_RECORD_SIZE 7544
#define SIMULATOR_MAX_SEASONS 1000

// "Simulator.dat": the tallies of every simulated season, little-endian, by team number. Finish
// counters: [0] 5th or lower in the division, [1] 4th, [2] 3rd, [3] 2nd, [4] playoff team, [5]
// division winner, [6] [7] [8] the finish codes 6, 7 and 8 (champion).
typedef struct SIMULATOR_RECORD {
    int32_t nSeasons;
    int32_t aanFinishes[SIMULATOR_TEAM_COUNT][SIMULATOR_FINISH_COUNT];
    int32_t anGamesPlayed[SIMULATOR_TEAM_COUNT];
    int32_t anWins[SIMULATOR_TEAM_COUNT];
    int32_t anLosses[SIMULATOR_TEAM_COUNT];
    int32_t anPointsScored[SIMULATOR_TEAM_COUNT];
    int32_t anPointsAllowed[SIMULATOR_TEAM_COUNT];
    uint8_t abReserved[4804];
    int64_t anRevenue[SIMULATOR_TEAM_COUNT];
    int64_t anProfit[SIMULATOR_TEAM_COUNT];
    int32_t anAttendance[SIMULATOR_TEAM_COUNT];
} SIMULATOR_RECORD;

enum SIMULATOR_READ { SIMULATOR_READ_FAILED = -1, SIMULATOR_READ_RESET = 0, SIMULATOR_READ_WHOLE };
enum SIMULATOR_REPORT_KIND { SIMULATOR_REPORT_TEXT = 0, SIMULATOR_REPORT_CSV };

// The current season played to its end nSeasons times, the league put back after each.
void Run_Season_Simulator(int nSeasons);
// While the season simulator runs: 1, with the season under way (from 1) and the seasons asked for.
int Get_Season_Simulator_Progress(int* pnSeason, int* pnTarget);
int Read_Simulator_Data(SIMULATOR_RECORD* pRecord);  // a SIMULATOR_READ
int Reset_Simulator_Data(void);                      // 1 when the zeroed file was written
int Write_Simulator_Report(int nKind);               // 1 when every line was written

// ---- the all-time leaders of the record book (all_time_leaders.cpp) ------------------------------
// For the 2021 season only: the record book made anew from "input/stats/atl.txt".
void Load_All_Time_Leaders(void);
int Find_Leader_Stat_String(const char* szLabel);  // the category 0..29; -1 and a message
int Get_Leader_Stat_Position(int nCategory);

// ---- needed by the main window
void Do_Special_Tool(void);
