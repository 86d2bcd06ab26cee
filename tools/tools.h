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

// ---- needed by gfx-drawing
// While the season simulator runs: 1, with the season under way (from 1) and the seasons asked for.
int Get_Season_Simulator_Progress(int* pnSeason, int* pnTarget);
// ---- needed by the main window
void Do_Special_Tool(void);
void Run_Season_Simulator(int nSeasons);
