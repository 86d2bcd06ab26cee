// What the news pages' painters and clicks share: text in one of the application fonts at a
// design-space rectangle, and a full repaint after a click changed what a page shows.
#include "pages/pages.h"
#include "shell/shell.h"

void Draw_Page_Text_In_Font(HDC hdc, int nFont, const char* szText, COLORREF colour, RECT rect,
                            UINT uFlags) {
    HFONT hFont = Take_App_Font(nFont);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    Draw_Design_Text_Colour(szText, hdc, colour, &rect, uFlags | DT_NOPREFIX);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

void Force_Page_Repaint(void) {
    gLastPaintedPage = -1;
    if (gMainWindow) {
        InvalidateRect(gMainWindow, NULL, FALSE);
        UpdateWindow(gMainWindow);
    }
}
