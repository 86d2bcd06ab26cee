// Team unit strength ratings the play caller reads.
#include "tools/tools.h"

#define AVERAGE_RUNNING_UNIT 700

// STAND-IN(tools): the running unit from the ball carriers' rushing and position values and the
// line's run blocking, scaled by era; this one rates every team as average.
int Rate_Running_Unit(int nTeam) {
    (void)nTeam;
    return AVERAGE_RUNNING_UNIT;
}
