// What the main window asks of the pages: the game screen's command keys.
#include "pages/pages.h"

// STAND-IN(pages): picks plays and picker pages by the game screen's keys; 1 when it acted.
int Handle_Game_Screen_Command(int idCommand) {
    (void)idCommand;
    return 0;
}
