// The college draft.

#include "database/database.h"
#include "personnel/personnel.h"

int Is_College_Draft_On(void) {
    return gDraftRound >= 0 && gDraftRound < NO_DRAFT_ROUND;
}

// Stand-ins until the college draft is built: no order is computed, no file written, no pick
// made.
void Compute_Draft_Order(void) {}

void Start_College_Draft_File(void) {}

void Run_College_Draft(void) {}
