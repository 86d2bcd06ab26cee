// The playoffs.
#include "season/season.h"

// Leaves the bracket as it stands.
void Seed_Playoff_Teams(void) {}
