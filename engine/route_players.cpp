// Players of the play being run, picked by their routes or defensive roles. The offence's
// on-field spots 1..5 hold receivers 0..4.
#include "engine/engine.h"

#define PASS_BLOCK_RECEIVER 4
#define RUSHER_SPOT_STEP 5

static uint8_t Get_Receiver_Player(GAME* pGame, int nReceiver) {
    return pGame->aabOnField[Get_Offensive_Side(pGame)][nReceiver + 1];
}

static int Get_Receiver_Route(GAME* pGame, int nReceiver) {
    return Get_Offensive_Play_Route(Get_Offensive_Team(pGame), pGame->currentPlay.nOffensiveCall,
                                    nReceiver);
}

uint8_t Find_Play_Action_Back(GAME* pGame) {
    if (pGame == NULL)
        return NO_SLOT_BYTE;
    for (int nReceiver = 0; nReceiver < PLAY_RECEIVERS; nReceiver++) {
        if (Is_Play_Action_Route(Get_Receiver_Route(pGame, nReceiver)))
            return Get_Receiver_Player(pGame, nReceiver);
    }
    return NO_SLOT_BYTE;
}

// Half the time the first receiver told to pass-block, else only the last receiver if he is.
uint8_t Pick_Pass_Blocker(GAME* pGame) {
    if (pGame == NULL)
        return NO_SLOT_BYTE;
    int nFirst = Random_Below(2) == 0 ? 0 : PASS_BLOCK_RECEIVER;
    for (int nReceiver = nFirst; nReceiver < PLAY_RECEIVERS; nReceiver++) {
        if (Get_Receiver_Route(pGame, nReceiver) == ROUTE_PASS_BLOCK)
            return Get_Receiver_Player(pGame, nReceiver);
    }
    return NO_SLOT_BYTE;
}

// A rusher of the defensive call, looked for from a random spot in steps of five spots.
uint8_t Pick_Random_Rusher(GAME* pGame) {
    if (pGame == NULL)
        return NO_SLOT_BYTE;
    int nDefenceSide = Get_Defensive_Side(pGame);
    int nTeam = pGame->anTeams[nDefenceSide];
    int nSpot = Random_Below(PLAY_DEFENDERS);
    for (int nTry = 0; nTry < PLAY_DEFENDERS; nTry++) {
        int nDefender = nSpot % PLAY_DEFENDERS;
        int nRole = Get_Defensive_Play_Role(nTeam, pGame->currentPlay.nDefensiveCall, nDefender);
        if (nRole >= 0 && nRole <= LAST_RUSHING_ROLE)
            return pGame->aabOnField[nDefenceSide][nDefender];
        nSpot += RUSHER_SPOT_STEP;
    }
    return NO_SLOT_BYTE;
}

// No defensive role reacts to a play fake.
uint8_t Find_Defensive_Play_Action_Player(GAME* pGame) {
    (void)pGame;
    return NO_SLOT_BYTE;
}
