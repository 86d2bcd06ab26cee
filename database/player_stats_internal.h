// The parts of Get_Player_Stat that live in their own files.
#pragma once

// Ratio and sum statistics 100..199 of a used slot; an undefined id is reported and reads 0.
int Get_Ratio_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat);

#define LAST_GRADE_STAT 233
#define FIRST_SUMMARY_STAT 299
#define LAST_SUMMARY_STAT 305
#define FIRST_CARD_GRADE_STAT 420
#define LAST_CARD_GRADE_STAT 430

// Grades 200..233, summaries 299..305 and card-game values 420..430 of a used slot. *pCacheable
// is cleared for a value that must not be kept in the predicted-season cache.
int Get_Player_Grade_Stat(int nTeam, int nSlot, int nSeason, int nStat, int* pCacheable);

// Card-game values 420..430.
int Get_Card_Grade(int nTeam, int nSlot, int nSeason, int nStat);

// Reports an id Get_Player_Stat does not know; reads 0.
int Report_Unknown_Player_Stat(int nTeam, int nSlot, int nSeason, int nStat);
