// A new college draft pool in place of the old one.
#include "personnel/personnel.h"

// The pool stays as it is.
// STAND-IN(personnel): empties the draft-pool rosters and generates and ranks a new college class.
void Reset_Draft_Pool(void) {}
