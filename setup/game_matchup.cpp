// The matchup dialog shown before a game with a person's team.
#include "setup/setup.h"

// STAND-IN(setup): shows both teams' unit ratings and the point spread (template 181); its
// "Simulate All" skips the dialog for later games.
void Run_Game_Matchup_Dialog(int nHome, int nVisitor) {
    (void)nHome;
    (void)nVisitor;
}
