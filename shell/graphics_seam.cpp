// Least versions of the drawing layer's entry points, so that the start-up, the main window and
// the bars build before the drawing layer itself. Each group goes when its module lands.

#include "shell/shell.h"

#include <string.h>

// ---- the bitmap cache -----------------------------------------------------------------------------
// STAND-IN(shell): creates the three slot pools.
void Init_Bitmap_Cache(void) {}
// STAND-IN(shell): empties every cached image.
void Flush_Bitmap_Cache(void) {}
// STAND-IN(shell): draws a cached image.
int Draw_Named_Image(HDC, const char*, int, int, int, int) {
    return 0;
}
// STAND-IN(shell): draws an image centred on a design point.
int Draw_Image_Centered_Scaled(HDC, const char*, int, int) {
    return 0;
}
// STAND-IN(shell): draws an image over a design rectangle.
int Draw_Image_In_Design_Rect(HDC, const char*, int, int, int, int, int) {
    return 0;
}
// STAND-IN(shell): draws an image over a dialog control.
int Draw_Image_In_Dialog_Item(HWND, HDC, int, const char*) {
    return 0;
}
// STAND-IN(shell): draws an image centred on a dialog control.
int Draw_Image_In_Dialog_Item_Centered(HWND, HDC, int, const char*) {
    return 0;
}
// STAND-IN(shell): stretches a window's background picture over it.
void Draw_Window_Background(HWND, HDC, const char*) {}
// STAND-IN(shell): draws the current page's background.
void Draw_Page_Background(HDC) {}
// STAND-IN(shell): the size of a cached image.
int Get_Cached_Image_Size(const char*, int* pnWidth, int* pnHeight) {
    *pnWidth = *pnHeight = 0;
    return 0;
}
// STAND-IN(shell): the team's logo file or the filler.
void Get_Team_Logo_File(char* szOut, int nSize, int) {
    safe_strncpy(szOut, "", nSize);
}

// ---- the back buffer, fonts, primitives, skins and design space -----------------------------------
int gBackBufferWidth = 0;
int gBackBufferHeight = 0;
// STAND-IN(shell): makes the back buffer of the main window.
int Create_Back_Buffer(HWND) {
    return 0;
}
// STAND-IN(shell): deletes the back buffer.
void Destroy_Back_Buffer(void) {}
// STAND-IN(shell): takes the back buffer's DC.
HDC Get_Main_Window_DC(void) {
    return gMainWindowDC;
}
// STAND-IN(shell): the back buffer's rectangle.
void Get_Back_Buffer_Rect(RECT* pRect) {
    pRect->left = pRect->top = 0;
    pRect->right = gBackBufferWidth;
    pRect->bottom = gBackBufferHeight;
}
// STAND-IN(shell): rebuilds the back buffer and the scaled fonts at the new size.
int On_Main_Window_Resized(void) {
    return 1;
}
// STAND-IN(shell): makes the 36 application fonts.
int Load_App_Fonts(void) {
    return 1;
}
// STAND-IN(shell): deletes the application fonts.
int Free_App_Fonts(int) {
    return 0;
}
// STAND-IN(shell): a use-counted application font.
HFONT Take_App_Font(int) {
    return (HFONT)GetStockObject(DEFAULT_GUI_FONT);
}
// STAND-IN(shell): gives an application font back.
void Release_App_Font(HFONT) {}
// STAND-IN(shell): fills a design rectangle.
void Fill_Design_Rectangle(const RECT*, HDC, COLORREF) {}
// STAND-IN(shell): draws a line between design points.
void Draw_Design_Line(HDC, int, int, int, int) {}
// STAND-IN(shell): blurred noise around a colour.
void Draw_Noise_Around_Colour(const RECT*, HDC, COLORREF, int, int) {}
// STAND-IN(shell): draws text in the largest font that fits.
int Draw_Text_Best_Font(HDC, RECT*, const char*, UINT, int nPreferred) {
    return nPreferred;
}
// STAND-IN(shell): whether the skin is earth.
int Is_Skin_Earth(void) {
    return 1;
}
// STAND-IN(shell): whether the skin is fire.
int Is_Skin_Fire(void) {
    return 0;
}
// STAND-IN(shell): whether the skin is ice.
int Is_Skin_Ice(void) {
    return 0;
}
// STAND-IN(shell): whether the skin is a dark one.
int Is_Skin_Ice_Or_Fire(void) {
    return 0;
}
// STAND-IN(shell): the skin's file of a name.
void Copy_Skin_File_Name(char* szOut, int nSize, const char* szName) {
    safe_strncpy(szOut, szName, nSize);
}
// STAND-IN(shell): the skin's dialog colour.
COLORREF Get_Skin_Dialog_Colour(void) {
    return RGB(226, 200, 150);
}
// STAND-IN(shell): a design x scaled to the window.
int Scale_Design_X_To_Window(int x) {
    return x;
}
// STAND-IN(shell): a design y scaled to the window.
int Scale_Design_Y_To_Window(int y) {
    return y;
}
// STAND-IN(shell): a design rectangle scaled to the window.
void Scale_Design_Rect(RECT*) {}
// STAND-IN(shell): a client rectangle mapped back to the design space.
void Scale_Client_Rect_To_Design(RECT*) {}
// STAND-IN(shell): text in a design rectangle.
int Draw_Design_Text(HDC hdc, const char* szText, RECT* pRect, UINT uFlags, int) {
    return DrawTextA(hdc, szText, -1, pRect, uFlags);
}
// STAND-IN(shell): coloured text in a design rectangle.
int Draw_Design_Text_Colour(const char* szText, HDC hdc, COLORREF colour, RECT* pRect,
                            UINT uFlags) {
    SetTextColor(hdc, colour);
    return Draw_Design_Text(hdc, szText, pRect, uFlags, 1);
}
// STAND-IN(shell): the two lines of the season-phase box.
void Get_Season_Phase_Labels(char* szFirst, char* szSecond) {
    szFirst[0] = szSecond[0] = 0;
}

// ---- surfaces and PNG output ---------------------------------------------------------------------
// STAND-IN(shell): a 32-bit or 24-bit DIB section selected into a memory DC.
int SimpleCreateDIBSectionDC(HDC, DIB_SECTION_DC* pSurface, int, int, int) {
    memset(pSurface, 0, sizeof *pSurface);
    return 0;
}
// STAND-IN(shell): deletes a DIB-section surface.
bool Release_DIB_Section_DC(DIB_SECTION_DC* pSurface) {
    memset(pSurface, 0, sizeof *pSurface);
    return true;
}
// STAND-IN(shell): stack-blurs a surface.
void Blur_DIB_Section(DIB_SECTION_DC*, int, int) {}
// STAND-IN(shell): writes rows as a PNG file.
int Save_PNG_File(const unsigned char*, const char*, int, int, int) {
    return 0;
}
// STAND-IN(shell): writes a DC's pixels as a PNG file.
int Save_DC_As_PNG(const char*, HDC, int, int) {
    return 0;
}

// ---- needed by the progress window -----------------------------------------------------------------
// STAND-IN(shell): centres the progress window on the main window inside the work area.
void Centre_Progress_Window(void) {}
