// A team's playbooks back to the built-in plays, with cleared result counters. The playbook
// names and the play-card data stay as they are.
#include <string.h>

#include "engine/engine.h"

static const char* const kOffensiveCategories[OFFENSIVE_CATEGORY_COUNT] = {
    "Inside Runs", "Outside Runs", "Short Passes", "Medium Passes", "Long Passes", "Trick/Special",
};
static const char* const kDefensiveCategories[DEFENSIVE_CATEGORY_COUNT] = {
    "Balanced",
    "Run Defense",
    "Pass Defense",
};

static void Set_Default_Offence(OFFENSIVE_PLAYBOOK* pBook) {
    safe_strncpy(pBook->szDescription,
                 "The default offensive playbook includes 20 running plays and 34 passing plays.",
                 PLAYBOOK_DESCRIPTION_SIZE);
    for (int n = 0; n < OFFENSIVE_CATEGORY_COUNT; n++)
        safe_strncpy(pBook->aszCategories[n], kOffensiveCategories[n], PLAYBOOK_CATEGORY_SIZE);
    memcpy(pBook->aPlays, gDefaultOffensivePlays,
           TEAM_OFFENSIVE_PLAY_COUNT * sizeof(OFFENSIVE_PLAY));
}

static void Set_Default_Defence(DEFENSIVE_PLAYBOOK* pBook) {
    safe_strncpy(pBook->szDescription,
                 "The default defensive playbook is primarily built around the 4-3 formation.",
                 PLAYBOOK_DESCRIPTION_SIZE);
    for (int n = 0; n < DEFENSIVE_CATEGORY_COUNT; n++)
        safe_strncpy(pBook->aszCategories[n], kDefensiveCategories[n], PLAYBOOK_CATEGORY_SIZE);
    memcpy(pBook->aPlays, gDefaultDefensivePlays, sizeof(pBook->aPlays));
}

void Set_Team_Default_Playbook(int nTeam) {
    OFFENSIVE_PLAYBOOK* pOffence = Get_Team_Offensive_Playbook(nTeam);
    DEFENSIVE_PLAYBOOK* pDefence = Get_Team_Defensive_Playbook(nTeam);
    if (pOffence == NULL || pDefence == NULL)
        return;
    Set_Default_Offence(pOffence);
    Set_Default_Defence(pDefence);
    Reset_Playbook_Usage_Counters(nTeam, PLAYBOOK_SIDE_OFFENCE);
    Reset_Playbook_Usage_Counters(nTeam, PLAYBOOK_SIDE_DEFENCE);
}
