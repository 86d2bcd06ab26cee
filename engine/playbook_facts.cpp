// The playbook facts of the open game's two teams, worked out on first use.
#include "engine/playbook_facts_internal.h"

#include <strings.h>

static const GAME* s_pGame = NULL;
static int s_anKeptTeams[2] = {NO_TEAM, NO_TEAM};
static PLAYBOOK_FACTS s_aKept[2];

static void Forget_Kept_Facts(void) {
    s_anKeptTeams[0] = s_anKeptTeams[1] = NO_TEAM;
}

void Open_Playbook_Facts(const GAME* pGame) {
    s_pGame = pGame;
    Forget_Kept_Facts();
}

void Close_Playbook_Facts(void) {
    s_pGame = NULL;
    Forget_Kept_Facts();
}

static int Is_Fixed_Special_Play(int nPlay) {
    return nPlay == KNEEL_DOWN_PLAY || nPlay == HARD_CODED_PUNT_PLAY ||
           nPlay == HARD_CODED_FIELD_GOAL_PLAY;
}

static void Find_Offensive_Facts(int nTeam, int nPlay, OFFENSIVE_PLAY_FACTS* pOut) {
    const OFFENSIVE_PLAY* pPlay = Get_Offensive_Play(nTeam, nPlay);
    pOut->nClass = Get_Offensive_Play_Class(pPlay->nType);
    pOut->nFormation = (int8_t)(pPlay->nFormation & 0xFF);
    pOut->nPrimarySpot = Get_Offensive_Play_Primary_Player(nTeam, nPlay);
    pOut->bHailMary = strcasecmp(pPlay->szName, "Hail Mary") == 0;
    pOut->bDrawable = pPlay->szName[0] != '\0' && !Is_Fixed_Special_Play(nPlay);
    int bCallable =
        pOut->nClass == CALL_RUN || pOut->nClass == CALL_DRAW || pOut->nClass == CALL_PASS;
    pOut->nYardage = pOut->bDrawable && bCallable ? Get_Play_Yardage(nTeam, nPlay) : 0;
}

static void Find_Playbook_Facts(int nTeam, PLAYBOOK_FACTS* pOut) {
    pOut->bInUse = Get_Team_Offensive_Playbook(nTeam) != NULL;
    for (int nPlay = 0; nPlay < OFFENSIVE_PLAY_COUNT; nPlay++)
        Find_Offensive_Facts(nTeam, nPlay, &pOut->aOffence[nPlay]);
    for (int nPlay = 0; nPlay < DEFENSIVE_PLAY_COUNT; nPlay++) {
        pOut->aDefence[nPlay].nFormation = Get_Defensive_Play_Formation(nTeam, nPlay);
        pOut->aDefence[nPlay].bDoubleTeam = Has_Double_Team_Role(nTeam, nPlay);
    }
}

const PLAYBOOK_FACTS* Get_Playbook_Facts(const GAME* pGame, int nTeam, PLAYBOOK_FACTS* pScratch) {
    if (pGame == NULL || pGame != s_pGame) {
        Find_Playbook_Facts(nTeam, pScratch);
        return pScratch;
    }
    for (int n = 0; n < 2; n++) {
        if (s_anKeptTeams[n] == nTeam)
            return &s_aKept[n];
    }
    int n = s_anKeptTeams[0] == NO_TEAM ? 0 : 1;
    Find_Playbook_Facts(nTeam, &s_aKept[n]);
    s_anKeptTeams[n] = nTeam;
    return &s_aKept[n];
}
