// The computer's play calls.
#include "engine/engine.h"

#define LAST_PLAIN_PLAY (KNEEL_DOWN_PLAY - 1)
#define FIELD_GOAL_REACH 37   // the farthest yard line a kick is tried from
#define GO_FOR_IT_LINE 45     // inside it a fourth and one is run

// STAND-IN(engine): calls from the playbook by situation, tendencies and the play history; this
// one runs a drawn plain play, kicks off with play 0, punts or kicks on fourth down and goes for
// two when the two-point decision says so.
int Choose_Offensive_Play(GAME* pGame) {
    int nDown = pGame->nFlags & GAME_FLAG_DOWN_MASK;
    if (nDown == KICKOFF || nDown == FREE_KICK)
        return 0;
    if (nDown == CONVERSION_ATTEMPT)
        return Decide_Two_Point_Try(pGame) ? Random_Below(LAST_PLAIN_PLAY + 1)
                                           : HARD_CODED_FIELD_GOAL_PLAY;
    if (nDown == FOURTH_DOWN) {
        if (pGame->nYardLine <= FIELD_GOAL_REACH)
            return HARD_CODED_FIELD_GOAL_PLAY;
        if (pGame->nYardsToGo > 1 || pGame->nYardLine > GO_FOR_IT_LINE)
            return HARD_CODED_PUNT_PLAY;
    }
    return Random_Below(LAST_PLAIN_PLAY + 1);
}

// STAND-IN(engine): picks the defensive play that best meets the expected offensive call.
int Choose_Defensive_Play(GAME* pGame) {
    (void)pGame;
    return Random_Below(DEFENSIVE_PLAY_COUNT);
}

// STAND-IN(engine): rates every offensive play of the team with the ball against every defensive
// play of the other team.
void Fill_Play_Matchup_Table(GAME* pGame) {
    (void)pGame;
}
