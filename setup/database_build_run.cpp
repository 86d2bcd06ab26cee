// A season database build started from Advanced Tools: it replaces the league in memory, so the
// open game is offered for saving first and kept aside; a build that leaves no playable league
// puts it back, and a built league starts as a new game.
#include "database/database.h"
#include "pages/pages.h"
#include "setup/new_game_internal.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

// A league the builder left whole enough to play: teams with players.
static int Is_Built_League_Playable(void) {
    return Count_Active_Teams() >= 2 && Count_Players(ALL_ROSTERS, ALL_ROSTERS) > 0;
}

// The built league as a running game, with its ratings as the build left them.
static void Start_Built_Game(void) {
    Rebuild_Tables_After_League_Change();
    gDatabaseLoaded = 1;
    int nKeepRatings = Get_Universe_Stat(UNIVERSE_KEEP_RATINGS);
    Set_Universe_Stat(UNIVERSE_KEEP_RATINGS, 1);
    Start_Game(0);
    Set_Universe_Stat(UNIVERSE_KEEP_RATINGS, nKeepRatings);
    gCurrentPage = STANDINGS_PAGE;
    if (gButtonBar)
        Repaint_Bars();
    else
        Create_Button_Bar();
    Show_News_Page(STANDINGS_PAGE);
    Update_Main_Window_Title();
}

// How many databases the kind of build made.
static int Build_Databases(int nKind, int nYear) {
    switch (nKind) {
    case DATABASE_BUILD_MODERN: return Create_Universe_For_Year(nYear) == BUILD_OK;
    case DATABASE_BUILD_HISTORICAL: return Create_Historical_Universes(nYear, nYear);
    default: return Create_All_Historical_Universes();
    }
}

int Run_Database_Build(int nKind, int nYear) {
    int bGameOpen = gDatabaseLoaded;
    if (bGameOpen && !Confirm_Save_Changes(Get_Main_Window()))
        return 0;
    int bKept = bGameOpen && Keep_League_Copy();
    int nBuilt = Build_Databases(nKind, nYear);
    if (nBuilt > 0 && Is_Built_League_Playable()) {
        if (bKept)
            Drop_League_Copy();
        Start_Built_Game();
        return nBuilt;
    }
    if (bKept && Put_Back_League_Copy())
        Rebuild_Tables_After_League_Change();
    return 0;
}
