// The game-day screen's figures and the animation of a watched play.
#include "pages/pages.h"

// STAND-IN(pages): the point spread from both teams' unit strengths and home field.
int Compute_Point_Spread(int nVisitor, int nHome) {
    (void)nVisitor;
    (void)nHome;
    return 0;
}

// STAND-IN(pages): the expected total points of the matchup.
int Compute_Over_Under(int nVisitor, int nHome) {
    (void)nVisitor;
    (void)nHome;
    return 0;
}

// STAND-IN(pages): paints one animation frame of the watched play on the game-day screen.
int Draw_Play_By_Play_Text(HDC hDC, int nFrame, int bFinal) {
    (void)hDC;
    (void)nFrame;
    (void)bFinal;
    return 0;
}
