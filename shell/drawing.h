// The back buffer, the application fonts, drawing primitives, skins and the design space that
// every page is drawn in.
#pragma once

#include "core/core.h"

#define DESIGN_WIDTH 768
#define DESIGN_HEIGHT 507
#define MIN_CLIENT_WIDTH 1024
#define MIN_CLIENT_HEIGHT 676
#define APP_FONT_COUNT 36

extern int gBackBufferWidth;
extern int gBackBufferHeight;

// ---- the back buffer ----------------------------------------------------------------------------
int Create_Back_Buffer(HWND hMainWindow);
void Destroy_Back_Buffer(void);
HDC Get_Main_Window_DC(void);
void Get_Back_Buffer_Rect(RECT* pRect);
int On_Main_Window_Resized(void);

// ---- fonts --------------------------------------------------------------------------------------
int Load_App_Fonts(void);
int Free_App_Fonts(int bAll);
HFONT Take_App_Font(int nFont);
void Release_App_Font(HFONT hFont);

// ---- primitives ---------------------------------------------------------------------------------
void Fill_Design_Rectangle(const RECT* pRect, HDC hdc, COLORREF colour);
void Draw_Design_Line(HDC hdc, int x1, int y1, int x2, int y2);
void Draw_Noise_Around_Colour(const RECT* pRect, HDC hdc, COLORREF colour, int nBlurX, int nBlurY);
int Draw_Text_Best_Font(HDC hdc, RECT* pRect, const char* szText, UINT uFormat, int nPreferred);

// ---- skins and the design space ------------------------------------------------------------------
int Is_Skin_Earth(void);
int Is_Skin_Fire(void);
int Is_Skin_Ice(void);
int Is_Skin_Ice_Or_Fire(void);
void Copy_Skin_File_Name(char* szOut, int nSize, const char* szName);
COLORREF Get_Skin_Dialog_Colour(void);
int Scale_Design_X_To_Window(int x);
int Scale_Design_Y_To_Window(int y);
void Scale_Design_Rect(RECT* pRect);
void Scale_Client_Rect_To_Design(RECT* pRect);
int Draw_Design_Text(HDC hdc, const char* szText, RECT* pRect, UINT uFlags, int bScale);
int Draw_Design_Text_Colour(const char* szText, HDC hdc, COLORREF colour, RECT* pRect, UINT uFlags);
void Get_Season_Phase_Labels(char* szFirst, char* szSecond);
// ---- needed by the progress window
// Places the progress window over the main window, inside the work area, at its own size.
void Centre_Progress_Window(void);
