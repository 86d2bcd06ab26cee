// Least painters, hover tests and clicks of the news pages that are not built yet: each painter
// draws its page's background picture, the hover tests find no hot spot and clicks do nothing.
#include "pages/pages.h"

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
