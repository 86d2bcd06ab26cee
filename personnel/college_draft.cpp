// The college draft.

#include "database/database.h"
#include "personnel/personnel.h"

// STAND-IN(personnel): the college draft order from the season's results, worst first.
void Compute_Draft_Order(void) {}

// STAND-IN(personnel): starts the draft's text file, written round by round.
void Start_College_Draft_File(void) {}

// STAND-IN(personnel): the computer picks until a human-run team is on the clock.
void Run_College_Draft(void) {}
