// The game-day screen's animation of a watched play.
#include "pages/pages.h"

// STAND-IN(pages): paints one animation frame of the watched play on the game-day screen.
int Draw_Play_By_Play_Text(HDC hDC, int nFrame, int bFinal) {
    (void)hDC;
    (void)nFrame;
    (void)bFinal;
    return 0;
}
