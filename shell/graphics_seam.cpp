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
