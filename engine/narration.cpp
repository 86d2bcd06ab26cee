// The commentary of a watched play: the events the play models report as they happen.
#include "engine/engine.h"

// STAND-IN(engine): queues the event in the current play's first free slot with its phrase
// variant and renders it on the game-day screen while the game is watched; this one tells nothing.
void Narrate_Play_Event(GAME* pGame, int nKind, int nNumber, int nSecond, int nFlag, int nPlayer0,
                        int nPlayer1) {
    (void)pGame;
    (void)nKind;
    (void)nNumber;
    (void)nSecond;
    (void)nFlag;
    (void)nPlayer0;
    (void)nPlayer1;
}

// STAND-IN(engine): the series start, the snap and, for a rollout or bootleg, the scramble.
void Narrate_Snap(GAME* pGame) {
    (void)pGame;
}

// STAND-IN(engine): the play-action fake or a biting defender, then the hand-off.
void Narrate_Run_Start(GAME* pGame) {
    (void)pGame;
}

// STAND-IN(engine): the protection, the throw and the incompletion or knock-down.
void Narrate_Incomplete_Pass(GAME* pGame, int nTarget, int nDefender, int nDistance) {
    (void)pGame;
    (void)nTarget;
    (void)nDefender;
    (void)nDistance;
}

// STAND-IN(engine): the protection, the throw, the catch, the run after it and the tackle.
void Narrate_Completed_Pass(GAME* pGame, int nTarget, int nYardsAfterCatch, int nDistance) {
    (void)pGame;
    (void)nTarget;
    (void)nYardsAfterCatch;
    (void)nDistance;
}

// STAND-IN(engine): the pressure and the sack.
void Narrate_Sack(GAME* pGame, int nSacker) {
    (void)pGame;
    (void)nSacker;
}

// A drop back is told for a pass from under the center that is no rollout, bootleg or fake.
int Is_Drop_Back_Play(GAME* pGame) {
    int nTeam = Get_Offensive_Team(pGame);
    int nCall = pGame->currentPlay.nOffensiveCall;
    if (Is_Shotgun_Formation(pGame->anFormations[Get_Offensive_Side(pGame)]))
        return 0;
    return !Is_Rollout_Or_Option_Play(nTeam, nCall) && !Is_Play_Action_Play(nTeam, nCall);
}
