// The scouting report window.
#include "database/database.h"
#include "pages/pages.h"
#include "resources/resource.h"
#include "shell/shell.h"

// STAND-IN(pages): remembers the player and runs the report dialog; the real one walks a list,
// reports a missing player and empties the window-background slot afterwards.
int Open_Scouting_Report(int nTeam, int nSlot, HWND hParent, SORTABLE_LISTVIEW* pList) {
    (void)pList;
    gScoutTeam = nTeam;
    gScoutSlot = nSlot;
    return (int)Do_Dialog(hParent, IDD_SCOUTING_REPORT, 0);
}
