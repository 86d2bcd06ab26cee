// Least versions of the drawing layer's entry points, so that the start-up, the main window and
// the bars build before the drawing layer itself. Each group goes when its module lands.

#include "pages/pages.h"
#include "shell/shell.h"

#include <string.h>


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

// ---- needed by bitmap cache ---------------------------------------------------------------------
// STAND-IN(shell): draws the user's team logo above the button bar and remembers its rectangle.
void Draw_Team_Logo_Above_Bar(HDC) {}
// The shown page's background file: page dispatch owns it, its painters write it.
char gPageBackgroundName[PAGE_BACKGROUND_NAME_SIZE];
