// Each team's finish of the season, stored in its season row.
#include "season/season.h"

void Store_Team_Yearly_Standings(void) {
    Refresh_Standings();
    int nSeason = Get_Current_Season_Index();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Set_Team_Yearly_Int(nTeam, nSeason, YEARLY_FINISH, Record_Team_Season_Finish(nTeam));
    }
}
