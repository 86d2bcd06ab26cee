// Season cycle and schedule: the advance command, the week loop, the playoffs, the off-season,
// the record book and the schedules. What other subsystems may call.
#pragma once

#include "database/database.h"

// ---- playoffs (playoffs.cpp) --------------------------------------------------------------------
// gPlayoffSlots: 0..15 the first round in pairs, the winner of pair k moving to 16 + k; 16..23 the
// second round, 24..27 the league title games, 28 and 29 the league champions, 30 the champion.
void Seed_Playoff_Teams(void);
void Refresh_Standings(void);  // and the playoff seeds while the regular season runs
void Clear_Playoff_Bracket(void);
int Get_Playoff_Seat(int nTeams, int nLeague, int nSeedIndex);  // -1 where there is no seat
int Get_Playoff_Seeding_Value(int nTeam);
int Get_Max_Playoff_Teams(void);
void Swap_Playoff_Slots(int a, int b);
void Reseed_Second_Round(int nLeague);
void Separate_Division_Rivals(void);
int Schedule_Next_Playoff_Round(void);  // the games scheduled for the current week's round
void Record_Playoff_Result(GAME* pGame);

// ---- league averages (league_averages.cpp) ------------------------------------------------------
int Get_League_Average_Team_Stat_Scaled(void);  // 1000 = an ordinary league
// gLeagueAverages from the league's team totals of the season, before each week's games: yards
// per rush x 100, completion rate x 1000, yards per completion x 100 and passing yards per 1000
// rushing yards; the defaults until a league game of the season has been played.
void Update_League_Averages(void);

// ---- the record book (record_book.cpp) ----------------------------------------------------------
void Update_Record_Book(int nKind);

// ---- the off-season (off_season.cpp) ------------------------------------------------------------
void Process_Off_Season(void);

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
