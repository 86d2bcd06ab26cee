// The text colours the news pages share, each with its value under the Dark Text option.
#include "database/database.h"
#include "pages/pages.h"
#include "shell/shell.h"

typedef struct PAGE_COLOUR_PAIR {
    COLORREF normal;
    COLORREF darkText;
} PAGE_COLOUR_PAIR;

static const PAGE_COLOUR_PAIR kPageColours[PAGE_COLOUR_COUNT] = {
    {RGB(255, 255, 255), RGB(0, 0, 0)},        // primary: ordinary rows
    {RGB(255, 249, 69), RGB(130, 30, 30)},     // highlight: headings, hints, human-run teams
    {RGB(255, 255, 255), RGB(255, 255, 255)},  // headings on the dark skins
    {RGB(113, 113, 113), RGB(113, 113, 113)},  // grey: bye weeks, players gone
    {RGB(255, 215, 215), RGB(30, 30, 130)},    // league-average rows
    {RGB(170, 170, 170), RGB(85, 85, 85)},     // faint
};

COLORREF Get_News_Page_Colour(int nColour) {
    return Get_News_Page_Colour_Over(nColour, !gDarkText);
}

COLORREF Get_News_Page_Colour_Over(int nColour, int bDarkPanel) {
    if (nColour < 0 || nColour >= PAGE_COLOUR_COUNT)
        nColour = PAGE_COLOUR_PRIMARY;
    return bDarkPanel ? kPageColours[nColour].normal : kPageColours[nColour].darkText;
}

// Text standing on a page's panels: the light member on the dark skins' dark panels, else the
// page's own pair.
COLORREF Get_Panel_Text_Colour(int nColour) {
    return Is_Skin_Ice_Or_Fire() ? Get_News_Page_Colour_Over(nColour, 1)
                                 : Get_News_Page_Colour(nColour);
}

COLORREF Get_Page_Heading_Colour(void) {
    return Get_News_Page_Colour(Is_Skin_Ice_Or_Fire() ? PAGE_COLOUR_DARK_SKIN_HEADING
                                                      : PAGE_COLOUR_HIGHLIGHT);
}
