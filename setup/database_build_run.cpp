// A season database build started from Advanced Tools: it replaces the league in memory, so it
// goes on only when the user agrees, with the open game offered for saving first and kept aside; a
// build that leaves no playable league puts it back, and a built league starts as a new game.
#include "database/database.h"
#include "pages/pages.h"
#include "setup/new_game_internal.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "tools/tools.h"

#define BUILD_CAPTION "Create Database"

// 1 when no game is open, or the user lets the build replace it (its changes saved if he wants).
static int Agree_To_Replace_Game(void) {
    if (!gDatabaseLoaded)
        return 1;
    if (Do_Message_Box("Building a database replaces the game in progress.\n\nContinue?",
                       BUILD_CAPTION, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return 0;
    return Confirm_Save_Changes(Get_Main_Window());
}

// A league the builder left whole enough to play: teams with players.
static int Is_Built_League_Playable(void) {
    return Count_Active_Teams() >= 2 && Count_Players(ALL_ROSTERS, ALL_ROSTERS) > 0;
}

void Start_Built_Game(void) {
    Rebuild_Tables_After_League_Change();
    gDatabaseLoaded = 1;
    Set_New_Game_Defaults();
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
    if (!Agree_To_Replace_Game())
        return 0;
    int bKept = gDatabaseLoaded && Keep_League_Copy();
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
