// The stored fantasy-draft state: the order kinds, the pick on the clock, the order of every
// round and the player taken at each pick.
#include "core/core.h"
#include "database/database.h"

static int Is_Fantasy_Pick(int nRound, int nPlace) {
    return nRound >= 0 && nRound < FANTASY_DRAFT_ROUNDS && nPlace >= 0 && nPlace < DRAFT_COLUMNS;
}

void Clear_Fantasy_Draft_State(void) {
    gSavedState.nFantasyDraftKind = 0;
    gSavedState.nFantasyDraftOrderMode = 0;
    gSavedState.nFantasyDraftRound = 0;
    gSavedState.nFantasyDraftPick = 0;
    for (int nRound = 0; nRound < FANTASY_DRAFT_ROUNDS; nRound++) {
        for (int nPlace = 0; nPlace < DRAFT_COLUMNS; nPlace++) {
            gSavedState.aanFantasyDraftPicks[nRound][nPlace] = NO_FANTASY_PICK_PLAYER;
            gSavedState.aanFantasyDraftOrder[nRound][nPlace] = 0;
        }
    }
}

int Get_Fantasy_Draft_Kind(int bLaterRounds) {
    return bLaterRounds ? gSavedState.nFantasyDraftOrderMode : gSavedState.nFantasyDraftKind;
}

void Set_Fantasy_Draft_Kinds(int nFirstKind, int nLaterKind) {
    gSavedState.nFantasyDraftKind = nFirstKind;
    gSavedState.nFantasyDraftOrderMode = nLaterKind;
}

int Get_Fantasy_Draft_Round(void) {
    return gSavedState.nFantasyDraftRound;
}

int Get_Fantasy_Draft_Place(void) {
    return gSavedState.nFantasyDraftPick;
}

void Set_Fantasy_Draft_Position(int nRound, int nPlace) {
    gSavedState.nFantasyDraftRound = nRound;
    gSavedState.nFantasyDraftPick = nPlace;
}

int Get_Fantasy_Order_Team(int nRound, int nPlace) {
    return Is_Fantasy_Pick(nRound, nPlace) ? gSavedState.aanFantasyDraftOrder[nRound][nPlace]
                                           : NO_TEAM;
}

void Set_Fantasy_Order_Team(int nRound, int nPlace, int nTeam) {
    if (Is_Fantasy_Pick(nRound, nPlace))
        gSavedState.aanFantasyDraftOrder[nRound][nPlace] = (int8_t)nTeam;
}

int Get_Fantasy_Pick_Owner(void) {
    return Get_Fantasy_Order_Team(Get_Fantasy_Draft_Round(), Get_Fantasy_Draft_Place());
}

int Get_Fantasy_Draft_Pick_Player(int nRound, int nPlace) {
    return Is_Fantasy_Pick(nRound, nPlace) ? gSavedState.aanFantasyDraftPicks[nRound][nPlace]
                                           : NO_FANTASY_PICK_PLAYER;
}

void Set_Fantasy_Draft_Pick_Player(int nRound, int nPlace, int nId) {
    if (Is_Fantasy_Pick(nRound, nPlace))
        gSavedState.aanFantasyDraftPicks[nRound][nPlace] = nId;
}

int Get_Fantasy_Overall_Pick_Player(int nOverall, int* pId) {
    *pId = 0;
    int nTeams = Count_Active_Teams();
    if (nOverall < 0 || nTeams <= 0)
        return 0;
    int nRound = nOverall / nTeams, nPlace = nOverall % nTeams;
    int nDone = Get_Fantasy_Draft_Round() * nTeams + Get_Fantasy_Draft_Place();
    if (nOverall >= nDone || !Is_Fantasy_Pick(nRound, nPlace))
        return 0;
    *pId = Get_Fantasy_Draft_Pick_Player(nRound, nPlace);
    return 1;
}
