// The hand-over from a finished season to the next.
#include "season/season.h"

// The season is not handed over.
// STAND-IN(season): hands a finished season over to the next one.
void Process_Off_Season(void) {}
