// The season database builder as the Advanced Tools run it: the game in progress is left only
// when the user agrees (with its changes saved first when he wants), the years are built and
// saved, and the last one built becomes a new game with team 0 run by the user.
#include "database/database.h"
#include "pages/pages.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "shell/startup.h"
#include "tools/tools.h"

#define BUILD_CAPTION "Create Database"
#define FIRST_BUILT_PAGE 40030

// 1 when nothing is in progress or the user lets the build replace it.
static int Agree_To_Replace_Game(HWND hOwner) {
    if (!Is_Database_Loaded())
        return 1;
    if (Do_Message_Box("Building a database replaces the game in progress.\n\nContinue?",
                       BUILD_CAPTION, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return 0;
    return Confirm_Save_Changes(hOwner);
}

void Start_Built_Game(void) {
    Set_New_Game_Defaults();
    int nKeepRatings = Get_Universe_Stat(UNIVERSE_KEEP_RATINGS);
    Set_Universe_Stat(UNIVERSE_KEEP_RATINGS, 1);
    Start_Game(0);
    Set_Universe_Stat(UNIVERSE_KEEP_RATINGS, nKeepRatings);
    gCurrentPage = FIRST_BUILT_PAGE;
    gLastPaintedPage = -1;
    Show_News_Page(FIRST_BUILT_PAGE);
}

int Build_Modern_Universe(HWND hOwner) {
    if (!Agree_To_Replace_Game(hOwner))
        return 0;
    if (Create_Universe_For_Year(MODERN_UNIVERSE_YEAR) != BUILD_OK)
        return 0;
    Start_Built_Game();
    return 1;
}

int Build_Historical_Universes(HWND hOwner, int nFirstYear, int nLastYear) {
    if (!Agree_To_Replace_Game(hOwner))
        return 0;
    int nBuilt = Create_Historical_Universes(nFirstYear, nLastYear);
    if (nBuilt > 0)
        Start_Built_Game();
    return nBuilt;
}
