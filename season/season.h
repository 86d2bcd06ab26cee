// Season cycle and schedule: the advance command, the week loop, the playoffs, the off-season,
// the record book and the schedules. What other subsystems may call.
#pragma once

// ---- the season's progress ----------------------------------------------------------------------
int Is_Season_Complete(void);

// ---- playoffs -----------------------------------------------------------------------------------
void Seed_Playoff_Teams(void);

// ---- the schedule's progress --------------------------------------------------------------------
int Get_Season_Progress(void);

// ---- schedule storage ---------------------------------------------------------------------------
int Schedule_Game(int nHome, int nVisitor, int nWeek, int nSlot);  // 1 when the game was put in
int Get_Day_Of_Month(int nDayOfYear);  // counted from 0

// ---- league averages (league_averages.cpp) ------------------------------------------------------
int Get_League_Average_Team_Stat_Scaled(void);  // 1000 = an ordinary league

// ---- the record book (record_book.cpp) ----------------------------------------------------------
void Update_Record_Book(int nKind);

// ---- the off-season (off_season.cpp) ------------------------------------------------------------
void Process_Off_Season(void);
