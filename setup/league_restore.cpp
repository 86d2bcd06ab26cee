// A league put back in memory without a file read: the tables a load builds, built again.
#include "database/database.h"
#include "season/season.h"
#include "setup/new_game_internal.h"
#include "shell/shell.h"

void Rebuild_Tables_After_League_Change(void) {
    gLiveGame = NULL;
    gActiveTeamCount = Count_Active_Teams();
    Rebuild_Player_Name_Hash();
    Rebuild_Ostrel_ID_Hash();
    Rebuild_Player_ID_Hash();
    Set_Draft_Menu_Items(Get_Universe_Stat(UNIVERSE_FANTASY_DRAFT) >= 1);
}
