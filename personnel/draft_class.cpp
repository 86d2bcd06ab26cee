// The real draft class of a past season, kept by the database builder.
#include "personnel/personnel.h"

// No class file is written yet, so the pool is generated in full.
// STAND-IN(personnel): fills the draft-pool rosters from "databases/rookies-%d.dat" of the coming
// season.
void Load_Draft_Class_Database(void) {}
