// The draft items of the main menu.
#include "shell/shell.h"

// Stand-in until the main menu is built: there are no items to relabel.
void Set_Draft_Menu_Items(int bFantasyDraft) {
    (void)bFantasyDraft;
}
