// The hand-over from a finished season to the next.
#include "season/season.h"

// Stand-in until the off-season is built: the season is not handed over.
void Process_Off_Season(void) {}
