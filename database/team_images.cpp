// The images a team record carries for the engine: its two playbooks and its formation lineups.
#include "database/database.h"

uint8_t* Get_Team_Playbook_Image(int nTeam, int bDefence) {
    if (!Is_Valid_Team(nTeam))
        return NULL;
    return bDefence ? gTeams[nTeam].abDefensivePlaybook : gTeams[nTeam].abOffensivePlaybook;
}

int32_t* Get_Team_Formation_Lineup(int nTeam, int nFormation) {
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nFormation < 0 ||
        nFormation >= FORMATION_COUNT)
        return NULL;
    return gTeams[nTeam].aanFormationLineups[nFormation];
}
