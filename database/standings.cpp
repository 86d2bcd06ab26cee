// Standings and ranking.
#include "database/database.h"

// Leaves the division table as it stands.
void Update_Standings(void) {}

// Nobody is eliminated and nobody has clinched.
int Get_Team_Magic_Number(int nTeam) {
    (void)nTeam;
    return 1;
}
