// The bitmap cache: named images loaded from PNG, JPEG and BMP files, kept in small pools of
// slots and drawn into the back buffer, any DC or over a dialog control.
#pragma once

#include "core/core.h"

#define WINDOW_BACKGROUND_SLOT_ID 4000

void Init_Bitmap_Cache(void);
void Flush_Bitmap_Cache(void);
// Draws the named image at client pixel (x, y); a width or height of -1 means the image's own.
int Draw_Named_Image(HDC hdc, const char* szName, int x, int y, int w, int h);
// The image's natural size centred on the scaled design point; returns the image height.
int Draw_Image_Centered_Scaled(HDC hdc, const char* szName, int x, int y);
int Draw_Image_In_Design_Rect(HDC hdc, const char* szName, int x, int y, int w, int h,
                              int bKeepAspect);
int Draw_Image_In_Dialog_Item(HWND hDlg, HDC hdc, int nControlId, const char* szName);
int Draw_Image_In_Dialog_Item_Centered(HWND hDlg, HDC hdc, int nControlId, const char* szName);
void Draw_Window_Background(HWND hWnd, HDC hdc, const char* szName);
void Draw_Page_Background(HDC hdc);
// The width and height of a cached image, or 0 when it is not cached.
int Get_Cached_Image_Size(const char* szName, int* pnWidth, int* pnHeight);
// The logo file name of a team ("Logos\..." or the filler).
void Get_Team_Logo_File(char* szOut, int nSize, int nTeam);
