// The predicted numbers of an offensive lineman that follow from his blocking figures.
#include "personnel/personnel.h"

// Leaves the predicted line as it is.
// STAND-IN(personnel): sets a lineman's predicted numbers 4, 7 and 8 from numbers 5 and 6.
void Derive_Lineman_Stats(int nTeam, int nSlot) {
    (void)nTeam;
    (void)nSlot;
}
