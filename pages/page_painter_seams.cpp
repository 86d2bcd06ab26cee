// Least painters, hover tests and clicks of the news pages that are not built yet: each painter
// draws its page's background picture, the hover tests find no hot spot and clicks do nothing.
#include "pages/pages.h"

// STAND-IN(pages): paints the four leader lists of the chosen categories.
void Paint_Leaders_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "news\\leaders.jpg");
}
// STAND-IN(pages): the leaders page's category headings and the season switch.
int Is_Leaders_Page_Hot_Spot(int x, int y) {
    (void)x;
    (void)y;
    return 0;
}
// STAND-IN(pages): a heading opens its category chooser.
void Click_Leaders_Page(int x, int y) {
    (void)x;
    (void)y;
}

// STAND-IN(pages): paints the shown team's schedule with its results and lines.
void Paint_Calendar_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "News\\Calendar.jpg");
}
// STAND-IN(pages): the calendar's column tabs, heading band and game rows.
int Is_Calendar_Page_Hot_Spot(int x, int y) {
    (void)x;
    (void)y;
    return 0;
}
// STAND-IN(pages): a week row with a played game opens the Games page.
void Click_Calendar_Page(int x, int y) {
    (void)x;
    (void)y;
}

// STAND-IN(pages): paints the users' Hall of Fame table chosen by its tab.
void Paint_Hall_Of_Fame_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "News\\Vnthof.jpg");
}

// STAND-IN(pages): paints the playoff bracket.
void Draw_Playoffs_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "news\\playoffs.jpg");
}
// STAND-IN(pages): the bracket's games and links.
int Is_Playoffs_Page_Point_Active(int x, int y) {
    (void)x;
    (void)y;
    return 0;
}
// STAND-IN(pages): a bracket game opens the Games page.
void Handle_Playoffs_Page_Click(int x, int y) {
    (void)x;
    (void)y;
}

// STAND-IN(pages): paints the draft board of the shown round and year.
void Paint_Draft_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "News\\Draft.jpg");
}
// STAND-IN(pages): the draft board's round and year arrows.
int Get_Draft_Page_Hot_Spot(int x, int y) {
    (void)x;
    (void)y;
    return 0;
}
// STAND-IN(pages): an arrow changes the round or the year shown.
void Click_Draft_Page(int x, int y) {
    (void)x;
    (void)y;
}

// STAND-IN(pages): paints the game-day screen of the displayed game.
void Paint_Games_Page(HDC hdc) {
    Draw_Named_Page_Background(hdc, "news\\games.jpg");
}
// STAND-IN(pages): the play picker's hover cursor.
int Click_Play_Selector(int x, int y) {
    (void)x;
    (void)y;
    return 0;
}
// STAND-IN(pages): a click on the game-day screen picks a play or goes on.
void Click_Game_Screen(int x, int y) {
    (void)x;
    (void)y;
}
