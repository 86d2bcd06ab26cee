// The Play menu.
#include "shell/shell.h"

// STAND-IN(shell): rebuilds the Play menu for the game shown and whether a simulation runs.
void Set_Game_Menu(HMENU hMenu) {
    (void)hMenu;
}
