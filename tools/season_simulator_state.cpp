// Where the season simulator stands, for the main window's title.
#include "tools/tools.h"

// STAND-IN(tools): while the simulator runs, 1 with the season under way (from 1) and the number
// of seasons asked for; no simulator runs here.
int Get_Season_Simulator_Progress(int* pnSeason, int* pnTarget) {
    *pnSeason = *pnTarget = 0;
    return 0;
}
