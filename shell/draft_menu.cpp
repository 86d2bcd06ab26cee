// The draft items of the main menu.
#include "shell/shell.h"

// There is no menu yet, so no item to relabel.
// STAND-IN(shell): relabels the draft menu items for fantasy-draft mode.
void Set_Draft_Menu_Items(int bFantasyDraft) {
    (void)bFantasyDraft;
}
