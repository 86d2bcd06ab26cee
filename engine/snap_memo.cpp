// A snap's play calls (the offence's and the defence's with its guesses of the offence's) read
// a game they do not change: answers worked out from it are kept until the calls are made.
#include "engine/engine.h"

static const GAME* s_pGame = NULL;
static uint64_t s_uSerial = 0;  // 0 while no snap is open
static uint64_t s_uLastSerial = 0;

void Open_Snap_Memo(const GAME* pGame) {
    s_pGame = pGame;
    s_uSerial = ++s_uLastSerial;
}

void Close_Snap_Memo(void) {
    s_pGame = NULL;
    s_uSerial = 0;
}

uint64_t Get_Snap_Serial(const GAME* pGame) {
    return pGame != NULL && pGame == s_pGame ? s_uSerial : 0;
}

int Recall_Snap_Answer(SNAP_ANSWER* pKept, GAME* pGame, int (*pCompute)(GAME*)) {
    uint64_t uSerial = Get_Snap_Serial(pGame);
    if (uSerial != 0 && pKept->uSerial == uSerial)
        return pKept->nValue;
    int nValue = pCompute(pGame);
    pKept->uSerial = uSerial;
    pKept->nValue = nValue;
    return nValue;
}
