// The predicted numbers of an offensive lineman that follow from his blocking figures.
#include "tools/tools.h"

// Leaves the predicted line as it is.
void Derive_Lineman_Stats(int nTeam, int nSlot) {
    (void)nTeam;
    (void)nSlot;
}
