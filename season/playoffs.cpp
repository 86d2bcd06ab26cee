// The playoffs.
#include "database/database.h"
#include "season/season.h"

// Leaves the bracket as it stands.
// STAND-IN(season): builds the playoff bracket from the current standings.
void Seed_Playoff_Teams(void) {}

void Refresh_Standings(void) {
    Update_Standings();
    if (gCurrentWeek < Get_Regular_Season_Week_Count())
        Seed_Playoff_Teams();
}
