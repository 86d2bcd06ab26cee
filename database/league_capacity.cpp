// Whether a league's settings can be played: a season's games, playoffs included, each need one
// of the block's game records, and each league's playoff teams must make a bracket (three teams
// cannot: two of them would wait for opponents who never come).
#include "core/core.h"
#include "database/database.h"
#include "database/saved_game_internal.h"

#define MAX_LEAGUE_SEEDS 8
#define UNSEATABLE_PLAYOFF_TEAMS 3

static int Count_Block_League_Divisions(const SAVED_STATE* pBlock, int nLeague) {
    int anTeams[DIVISIONS_PER_LEAGUE] = {0};
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        const int32_t* anStats = pBlock->aTeams[nTeam].anStats;
        int nDivision = anStats[TEAM_DIVISION];
        if (anStats[TEAM_CONTROL] != CONTROL_NOT_IN_USE &&
            nDivision / DIVISIONS_PER_LEAGUE == nLeague && nDivision >= 0 &&
            nDivision < DIVISION_COUNT)
            anTeams[nDivision % DIVISIONS_PER_LEAGUE]++;
    }
    int nDivisions = 0;
    for (int nCount : anTeams)
        nDivisions += nCount > 0;
    return nDivisions;
}

int Find_Block_League_Settings_Fault(const SAVED_STATE* pBlock, char* szWhy, int nSize) {
    int nWildCards = Max_Int(pBlock->anUniverseStats[WILD_CARD_TEAMS], 0);
    int nPostseasonGames = 1;  // the final
    for (int nLeague = 0; nLeague < LEAGUE_COUNT; nLeague++) {
        int nDivisions = Count_Block_League_Divisions(pBlock, nLeague);
        if (nDivisions == 0)
            continue;
        int nPlayoffTeams = Min_Int(nDivisions + nWildCards, MAX_LEAGUE_SEEDS);
        if (nPlayoffTeams == UNSEATABLE_PLAYOFF_TEAMS) {
            Format_String(szWhy, nSize,
                          "conference %d would send 3 teams to the playoffs (%d division winners "
                          "and %d wild cards), and 3 teams cannot make a bracket; use 2, or 4 to 8",
                          nLeague + 1, nDivisions, nWildCards);
            return 1;
        }
        nPostseasonGames += nPlayoffTeams - 1;
    }
    int nTeams = 0;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++)
        nTeams += pBlock->aTeams[nTeam].anStats[TEAM_CONTROL] != CONTROL_NOT_IN_USE;
    int nGames = Clamp(pBlock->anUniverseStats[UNIVERSE_SEASON_GAMES], 0, MAX_SEASON_GAMES);
    int nRecords = (nGames * nTeams + 1) / 2 + nPostseasonGames;
    if (nRecords > GAME_COUNT) {
        Format_String(szWhy, nSize,
                      "%d teams playing %d games and %d playoff games need %d game records, more "
                      "than the %d a league holds; use fewer teams or fewer games a season",
                      nTeams, nGames, nPostseasonGames, nRecords, GAME_COUNT);
        return 1;
    }
    return 0;
}

int Find_League_Settings_Fault(char* szWhy, int nSize) {
    return Find_Block_League_Settings_Fault(&gSavedState, szWhy, nSize);
}
