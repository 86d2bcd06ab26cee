// Main-window pages: the news pages and their painters, the game-day screen and the scouting
// report. What other subsystems may call.
#pragma once

#include "core/core.h"

// ---- state kept between paints ------------------------------------------------------------------
#define FIELD_PLAYER_ROWS 34  // game-day side-panel rows, 17 a side

extern int gLastPaintedPage;
extern int gFieldPlayerIds[FIELD_PLAYER_ROWS];
extern int gFieldPlayerRatings[FIELD_PLAYER_ROWS];

void Clear_Field_Player_Tables(void);

// ---- dialog procedures --------------------------------------------------------------------------
INT_PTR Scouting_Report_Dialog_Proc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// ---- the game-day screen ------------------------------------------------------------------------
int Compute_Point_Spread(int nVisitor, int nHome);  // tenths of a point, positive: visitor favoured
int Compute_Over_Under(int nVisitor, int nHome);    // tenths of a point
int Draw_Play_By_Play_Text(HDC hDC, int nFrame, int bFinal);  // 1 when the frame was drawn

// ---- needed by the main window
void Paint_News_Page(HWND hWnd);
int Handle_Game_Screen_Command(int idCommand);  // 1 when the game screen took the command
