// The team the dialogs show.

#include "database/database.h"

// The dialog team when it is a roster in use; otherwise the user's team (or team 0), stored back.
int Get_Dialog_Team(void) {
    int nTeam = gDialogTeam;
    if (Is_Valid_Team(nTeam))
        return nTeam;
    nTeam = gUserTeam;
    if (!Is_Team_Active(nTeam)) {
        if (nTeam == FREE_AGENT_TEAM || nTeam == HALL_OF_FAME_TEAM) {
            gDialogTeam = nTeam;
            return nTeam;
        }
        if (!Is_Draft_Pool_Team(nTeam))
            nTeam = 0;
    }
    Set_Dialog_Team(nTeam);
    return nTeam;
}

// The team the dialogs show; a league team the user runs becomes the user's team as well.
void Set_Dialog_Team(int nTeam) {
    gDialogTeam = nTeam;
    if (nTeam >= 0 && nTeam < LEAGUE_TEAM_COUNT && Is_Team_Active(nTeam) && !gAllTeamsComputer &&
        Get_Team_Stat(nTeam, TEAM_CONTROL) == CONTROL_HUMAN)
        gUserTeam = nTeam;
}
