// The developer tools the main window's commands start.
#include "tools/tools.h"

// STAND-IN(tools): downloads the statistics pages of the outside site into CSV files.
void Do_Special_Tool(void) {}

// STAND-IN(tools): plays the chosen number of seasons over a copy of the league and reports them.
void Run_Season_Simulator(int nSeasons) {
    (void)nSeasons;
}
