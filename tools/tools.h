// Data import, database builder and tools. What other subsystems may call.
#pragma once

#include "core/core.h"

// ---- team unit strength ratings (unit_ratings_pending.cpp) -------------------------------------
int Rate_Running_Unit(int nTeam);

// ---- payroll scaling (payroll_scaling.cpp) ------------------------------------------------------
int Fit_Team_Payroll(int nTeam, int nTarget);  // target in dollars; the first ratio per mille
int Scale_All_Team_Payrolls(int nTarget);      // the average first ratio per mille

// ---- the league frame of a build (league_import.cpp) --------------------------------------------
int Find_City_By_Name(const char* szName);  // the city's index, -1 when none has that name
void Import_League_File(void);
void Import_Teams_File(void);
int Import_Team_Line(const char* szPath, FILE* pFile);  // 1 to stop: the end of the file or 32 teams

// ---- a new league's defaults (imported_league.cpp) ----------------------------------------------
void Init_Imported_League(void);

// ---- clean-ups after a league is read (load_cleanups.cpp) ---------------------------------------
void Remove_Invalid_Position_Players(void);
void Remove_Two_Way_Specialists(void);
void Calculate_All_Player_Ratings(void);

// ---- downloaded photos and logos (photo_install.cpp) --------------------------------------------
void Install_Player_Photos(void);
void Install_Team_Logos(void);
