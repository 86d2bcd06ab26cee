// A new college draft pool in place of the old one.
#include "personnel/personnel.h"

// Stand-in until the draft classes are built: the pool stays as it is.
void Reset_Draft_Pool(void) {}
