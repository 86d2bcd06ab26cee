// Reports and exports: box scores, season reports, the encyclopedia and the card-game export.
// What other subsystems may call.
#pragma once

// ---- card-game values ---------------------------------------------------------------------------
int Get_Gridiron_Skill(int nTeam, int nSlot, int nSkill);
int Get_Gridiron_Salary(int nTeam, int nSlot);
int Get_Gridiron_Value(int nTeam, int nSlot);

// ---- box-score tables ---------------------------------------------------------------------------
struct GAME;
void Write_Scoring_Plays_Header(struct GAME* pGame);
void Close_Box_Score_Html(void);

// ---- developer reports (red_zone_report.cpp) ----------------------------------------------------
void Write_Red_Zone_Report(void);
