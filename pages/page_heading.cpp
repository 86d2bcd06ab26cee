// The heading of the league pages (Standings, Finances): the title in the heading box and, with
// two leagues, the hint that a click shows the other one.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

#define PAGE_HEADING_FONT 12
#define PAGE_HINT_FONT 5

int Get_Heading_Right_Edge(void) {
    return Is_Skin_Earth() ? 426 : 380;
}

static void Draw_Heading_Text(HDC hdc, int nFont, const char* szText, COLORREF colour, RECT rect) {
    HFONT hFont = Take_App_Font(nFont);
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    Draw_Design_Text_Colour(szText, hdc, colour, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(hdc, hOld);
    Release_App_Font(hFont);
}

void Draw_League_Page_Heading(HDC hdc, int nLeague, const char* szTitle, int nHintLeft) {
    RECT title = {100, 19, Get_Heading_Right_Edge(), 59};
    Draw_Heading_Text(hdc, PAGE_HEADING_FONT, szTitle, Get_Page_Heading_Colour(), title);
    if (Count_Active_Leagues() <= 1)
        return;
    char szLeague[64], szHint[96];
    Get_League_Name(1 - nLeague, szLeague, sizeof szLeague);
    Format_String(szHint, sizeof szHint, "Click for %s", szLeague);
    RECT hint = {nHintLeft, 44, 580, 65};
    Draw_Heading_Text(hdc, PAGE_HINT_FONT, szHint, Get_News_Page_Colour(PAGE_COLOUR_HIGHLIGHT),
                      hint);
}
