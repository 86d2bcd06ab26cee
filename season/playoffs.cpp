// The playoffs.
#include "season/season.h"

// Leaves the bracket as it stands.
// STAND-IN(season): builds the playoff bracket from the current standings.
void Seed_Playoff_Teams(void) {}
