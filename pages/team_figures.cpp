// The team figures of the Standings and Finances pages read once before painting: reading them
// may repair the league (a rating lifted to the floor, a broken player's ratings rolled anew, a
// returner chosen), and a paint must leave the league and the random numbers as they were.
#include "database/database.h"
#include "pages/pages.h"
#include "personnel/personnel.h"

void Prepare_Shown_Page_Figures(void) {
    if (gCurrentPage != STANDINGS_PAGE && gCurrentPage != FINANCES_PAGE)
        return;
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (!Is_Team_Active(nTeam))
            continue;
        Get_Team_Run_Blocking_Score(nTeam);
        Get_Team_Pass_Blocking_Score(nTeam);
        Get_Team_Overall_Strength(nTeam);  // every unit rating and the starters
    }
    Clear_Team_Unit_Scores();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        for (int nUnit = 0; nUnit < TEAM_UNIT_COUNT && Is_Team_Active(nTeam); nUnit++)
            Get_Team_Unit_Score(nTeam, nUnit);
    }
}
