// The parts of Get_Player_Stat that live in their own files.
#pragma once

// Ratio and sum statistics 100..199 of a used slot; an undefined id is reported and reads 0.
int Get_Ratio_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat);

// Grades 200..233, summaries 299..305 and card-game values 420..430 of a used slot.
int Get_Player_Grade_Stat(int nTeam, int nSlot, int nSeason, int nStat);

// Reports an id Get_Player_Stat does not know; reads 0.
int Report_Unknown_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat);
