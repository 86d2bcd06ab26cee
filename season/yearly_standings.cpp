// Each team's finish of the season, stored in its season row.
#include "season/season.h"

void Store_Team_Yearly_Standings(void) {
    Refresh_Standings();
    for (int nTeam = 0; nTeam < LEAGUE_TEAM_COUNT; nTeam++) {
        if (Is_Team_Active(nTeam))
            Store_Team_Season_Finish(nTeam);
    }
}

void Store_Team_Season_Finish(int nTeam) {
    Set_Team_Yearly_Int(nTeam, Get_Current_Season_Index(), YEARLY_FINISH,
                        Record_Team_Season_Finish(nTeam));
}
