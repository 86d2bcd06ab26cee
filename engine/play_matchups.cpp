// What play calling tells a play about the two calls: how often each was repeated this game and
// how well the defensive call fits the offensive one. Every factor is neutral until play calling
// rates the calls.
#include "engine/engine.h"

#define NEUTRAL_MODIFIER 1000
#define NEUTRAL_MULTIPLIER 1.0f

// STAND-IN(engine): 20000 / (this game's calls of the play + 20), lowered or raised by the
// difficulty level in a watched game, never below 500; this one is neutral.
int Get_Offensive_Play_Redundancy_Modifier(GAME*, int) {
    return NEUTRAL_MODIFIER;
}

// STAND-IN(engine): 50000 / (this game's calls of the play + 50), never below 500; this one is
// neutral.
int Get_Defensive_Play_Redundancy_Modifier(GAME*, int) {
    return NEUTRAL_MODIFIER;
}

// STAND-IN(engine): the defenders' roles and spots against the depth of the primary route; this
// one is neutral.
float Get_Pass_Coverage_Multiplier(int, int, int, int) {
    return NEUTRAL_MULTIPLIER;
}

// STAND-IN(engine): the rushers of the defensive call against the depth of the primary route;
// this one is neutral.
float Get_Pass_Rush_Multiplier(int, int, int, int) {
    return NEUTRAL_MULTIPLIER;
}

// STAND-IN(engine): the defenders at the run's hole and the repetition of both calls, limited to
// 0.704..1.42; this one is neutral.
float Get_Run_Defence_Multiplier(GAME*, int, int) {
    return NEUTRAL_MULTIPLIER;
}
