// A player hurt on the play: the roll, the refilled line-ups and the mark in the play log.
#include <string.h>

#include "engine/engine.h"
#include "personnel/personnel.h"

#define FULL_EVENT_QUEUE 8  // a watched play with this many events rolls no injury
#define BACK_IN_CHANCE 5    // per 1,000 plays without an injury
#define PER_MILLE 1000
#define EVENT_PLAYER_OFFSET 8  // the first player id inside a narration entry
#define EVENT_SECOND_PLAYER_OFFSET 12

static int Count_Queued_Events(GAME* pGame) {
    int nCount = 0;
    for (int n = 0; n < PLAY_NARRATION_ENTRIES; n++) {
        if (pGame->currentPlay.aabNarration[n][0] != NARRATION_ENTRY_EMPTY)
            nCount++;
    }
    return nCount;
}

// The injury is kept with the play just logged: an injury event in its first free narration
// entry, naming the player.
static void Mark_Logged_Injury(GAME* pGame, int nPlayerId) {
    if (pGame->nPlayCount <= 0 || pGame->nPlayCount > PLAY_LOG_SIZE)
        return;
    PLAY* pPlay = &pGame->aPlayLog[pGame->nPlayCount - 1];
    for (int n = 0; n < PLAY_NARRATION_ENTRIES; n++) {
        uint8_t* pEntry = pPlay->aabNarration[n];
        if (pEntry[0] != NARRATION_ENTRY_EMPTY)
            continue;
        int32_t nNone = -1;
        memset(pEntry, 0, sizeof pPlay->aabNarration[n]);
        pEntry[0] = NARRATION_EVENT_INJURED;
        memcpy(pEntry + EVENT_PLAYER_OFFSET, &nPlayerId, sizeof nPlayerId);
        memcpy(pEntry + EVENT_SECOND_PLAYER_OFFSET, &nNone, sizeof nNone);
        return;
    }
}

// When the hurt player's side cannot fill its line-ups without him, the injury is undone.
static void Settle_Injury(GAME* pGame, int bSide, int nSlot) {
    int nTeam = pGame->anTeams[bSide];
    Append_Injury_Line(nTeam, nSlot);
    if (!Set_Side_Lineups(pGame, bSide)) {
        Clear_Player_Injury(nTeam, nSlot);
        return;
    }
    int nId = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID);
    Mark_Logged_Injury(pGame, nId);
    Narrate_Play_Event(pGame, NARRATION_EVENT_HURT, 0, 0, 0, nId, -1);
    Narrate_Play_Event(pGame, NARRATION_EVENT_INJURED, 0, 0, 0, nId, -1);
    Queue_User_Injury_Report(nTeam, nSlot, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS));
}

// One player of the play, drawn from either side, may be hurt; else now and then one is shaken
// up and stays in.
void Check_For_Injury(GAME* pGame) {
    if (pGame == NULL)
        return;
    int bSide = Random_Below(2);
    int nSpot = Random_Below(FORMATION_SPOTS);
    if (Is_Game_Watched(pGame) && Count_Queued_Events(pGame) >= FULL_EVENT_QUEUE)
        return;
    uint8_t nSlot = pGame->aabOnField[bSide][nSpot];
    if (nSlot >= PLAYERS_PER_TEAM)
        return;
    if (Roll_For_Injury(pGame->anTeams[bSide], nSlot)) {
        Settle_Injury(pGame, bSide, nSlot);
    } else if (Random_Below(PER_MILLE) < BACK_IN_CHANCE) {
        int nId = Get_Player_Vital_Stat(pGame->anTeams[bSide], nSlot, VITAL_PLAYER_ID);
        Narrate_Play_Event(pGame, NARRATION_EVENT_HURT, 0, 0, 0, nId, -1);
        Narrate_Play_Event(pGame, NARRATION_EVENT_BACK_IN, 0, 0, 0, nId, -1);
    }
}
