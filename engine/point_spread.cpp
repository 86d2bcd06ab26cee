// The betting line of a game: the point spread and the over-under set on the game as it starts.
#include "engine/engine.h"

// STAND-IN(engine): the point spread from both teams' unit strengths and home field.
int Compute_Point_Spread(int nVisitor, int nHome) {
    (void)nVisitor;
    (void)nHome;
    return 0;
}

// STAND-IN(engine): the expected total points of the matchup.
int Compute_Over_Under(int nVisitor, int nHome) {
    (void)nVisitor;
    (void)nHome;
    return 0;
}
