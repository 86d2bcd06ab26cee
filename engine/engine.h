// Game simulation engine: one game from its set-up to its result. What other subsystems may call.
#pragma once

#include "database/database.h"

// ---- the play loop ------------------------------------------------------------------------------
int Is_Game_Over(GAME* pGame);

// ---- the game clock -----------------------------------------------------------------------------
int Get_Overtime_Period_Length(GAME* pGame);  // seconds

// ---- game set-up (game_setup.cpp) ---------------------------------------------------------------
void Set_Game_Lineups(GAME* pGame);

// ---- the stadium (stadium_rating.cpp) -----------------------------------------------------------
int Get_Team_Stadium_Rating(int nTeam);

// ---- default playbooks (default_playbooks.cpp) --------------------------------------------------
void Set_Team_Default_Playbook(int nTeam);
void Reset_All_Playbooks(void);  // playbook_reset.cpp

// ==== one game: set-up, play loop, clock, downs and statistics ====================================
#define VITAL_ON_FIELD 27  // set when a player is put on the field in the current game
#define HARD_CODED_PUNT_PLAY 58
#define HARD_CODED_FIELD_GOAL_PLAY 59
#define GAME_FLAG_TIMEOUT_STOP 0x100  // flags bit 8: the clock stopped before the snap
#define GAME_FLAG_OTHER_STOP 0x200    // flags bit 9: its companion

// ---- game set-up (game_setup.cpp, game_weather.cpp, game_attendance.cpp) ------------------------
int Play_Game(int nHome, int nVisitor, int nWeek, GAME* pGame);  // 1 when the game is over
void Prepare_Game(GAME* pGame);
void Snapshot_Game_Player_Ids(GAME* pGame);
void Clear_On_Field_Markers(GAME* pGame);
void Set_Side_Lineups(GAME* pGame, int nSide);
void Credit_Game_Starters(GAME* pGame);
void Set_Game_Weather(GAME* pGame);
int Roll_Precipitation(int nHome, int nMonth);
int Roll_Temperature(int nHome, int nMonth, int nFlag, int nPrecipitation);
void Set_Game_Attendance(GAME* pGame);
int Get_Game_Weather(GAME* pGame);  // weather kind 0..7

// ---- the play loop (play_loop.cpp, play_runner.cpp, watched_game.cpp) ---------------------------
extern int gGameOffensivePlayUses[2][60];
extern int gGameDefensivePlayUses[2][30];
extern int gLastOffensiveCall;
extern int gLastDefensiveCall;

int Begin_Game(GAME* pGame);  // 1 when played to its end, 0 when the advance stopped inside it
void Run_Game_Plays(GAME* pGame);
void Run_Play(GAME* pGame);
int Is_Offense_Hurrying(GAME* pGame);
int Is_Game_Watched(GAME* pGame);
int Is_Human_Team(int nTeam);  // a league team in use run by a person
GAME* Get_Displayed_Game(void);
int Get_Play_Call_Stage(void);
void Make_Computer_Play_Calls(void);
int Choose_Timeout_Team(GAME* pGame);
void Set_Fast_Forward(int n);
int Is_Fast_Forwarding(void);
int Is_Waiting_For_Play_Calls(GAME* pGame);
void Take_Watched_Play_Calls(GAME* pGame, int nOffenceCall, int nDefenceCall);
void Show_Watched_Play(GAME* pGame);
void Wait_For_Next_Play(void);
int Get_Animation_Frame_Time(void);
int Is_Touchdown_Result(int nResult);
int Get_Extra_Point_Line(void);
int Get_Touchback_Yard_Line(void);
int Get_Coin_Toss_Bit(GAME* pGame);

// ---- the game clock (game_clock.cpp) -----------------------------------------------------------
int Get_Period_Length(GAME* pGame);
int Get_Period_Seconds_Left(GAME* pGame);
int Get_Half_Seconds_Left(GAME* pGame);
int Get_Game_Seconds_Left(GAME* pGame);
int Get_Game_Half(GAME* pGame);  // 0 first half, 1 second, 2 overtime
int Is_Postseason_Week(int nWeek);

// ---- down, distance and scoring (downs.cpp) ------------------------------------------------------
void Advance_Down_And_Distance(GAME* pGame);
void Update_Red_Zone_Entry(GAME* pGame);
int Get_Kickoff_Yard_Line(void);
void Change_Possession(GAME* pGame);
void Reset_Drive_Counters(GAME* pGame);
void Set_Up_Kickoff(GAME* pGame);

// ---- game statistics (game_stats.cpp, game_credits.cpp) ----------------------------------------
void Increment_Game_Team_Stat(GAME* pGame, int bTeam, int nStat);
void Set_Game_Team_Stat(GAME* pGame, int bTeam, int nStat, int nValue);
void Increment_Game_Team_Total(GAME* pGame, int bTeam, int nStat, int nAmount);
void Increment_Player_Stat(int nTeam, int nSlot, int nStat, int nAmount);
void Credit_Player_Game_Event(int nTeam, GAME* pGame, int nSlot, int nGroup, int nStat,
                              int nAmount);
void Add_Player_Game_Counter(GAME* pGame, int bTeam, int nSlot, int nCounter, int nAmount);
void Credit_Rushing_Play(int nSlot, GAME* pGame, int nYards, int nHole);
void Charge_Sack_Allowed(GAME* pGame);
void Credit_Sack(GAME* pGame, int nQuarterbackSlot);
void Credit_Games_Played(GAME* pGame);
void Reset_Current_Play(GAME* pGame);
void Add_Game_Score(GAME* pGame, int bTeam, int nPoints);
void Set_Overtime_Possession(GAME* pGame, int bHome);
int Get_Player_Game_Score(GAME* pGame, int bTeam, int nIndex);
void Mark_Play_Log_Entry(GAME* pGame);
void Append_Play_To_Log(GAME* pGame);
int Get_Play_Result(const PLAY* pPlay);
void Set_Play_Result(PLAY* pPlay, int nResult);

// ---- points by play (game_points.cpp) ------------------------------------------------------------
void Add_Play_Points(int bHome, int nResult, int anScore[2]);
int Get_Game_Period_Points(GAME* pGame, int nPeriod, int bTeam);
void Get_Title_Game_Name(GAME* pGame, char* st);

// ---- later parts of the engine: play calling, play resolution, injuries, reports ----------------
int Choose_Offensive_Play(GAME* pGame);
int Choose_Defensive_Play(GAME* pGame);
void Fill_Play_Matchup_Table(GAME* pGame);
int Check_For_Penalty(GAME* pGame);  // 1 when a penalty ended the play
void Check_For_Injury(GAME* pGame);
int Check_For_Timeout(GAME* pGame);
void Update_Game_Clock(GAME* pGame);
void Run_Scrimmage_Play(GAME* pGame);
void Kick_Off(GAME* pGame);
void Onside_Kick(GAME* pGame);
void Punt(GAME* pGame);
void Kick_Field_Goal(GAME* pGame);
void Kick_Extra_Point(GAME* pGame);
int Choose_Game_Event_Player(GAME* pGame, int nGroup, int nStat, int bPenalty);
void Write_Game_Html_Head(GAME* pGame);
void Write_Period_Header(GAME* pGame);
void Format_Play_Line(char* st, GAME* pGame, int bHtml);
void Append_Play_Result(GAME* pGame);
void Queue_Period_End_Event(GAME* pGame);
void Draw_Live_Score_Box(GAME* pGame);
