// Formations, line-ups and playbook queries that the game needs before their own files exist.
#pragma once

#include "engine/engine.h"

int Fill_Team_Formation_Lineups(int nTeam, int nMode);  // 1 when every spot was filled
void Fill_On_Field_Players(GAME* pGame, int nSide);
void Set_Play_Formations(GAME* pGame);
void Set_Default_Formations(GAME* pGame);
int Decide_Two_Point_Try(GAME* pGame);
int Ask_Two_Point_Try(GAME* pGame);
int Should_Rest_Starters(GAME* pGame);
void Record_Play_Result_Counts(GAME* pGame);
int Get_Offensive_Play_Type(int nTeam, int nPlay);
int Get_Kicking_Play_Type(int n);
int Get_Team_Position_Player_Checked(int nTeam, int nPosition, int n);
