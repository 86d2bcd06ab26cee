// What the main window asks of the pages: the painter of the shown page and the game screen's
// command keys.
#include "pages/pages.h"

// Nothing is drawn: the window keeps its class background.
// STAND-IN(pages): repaints the shown page into the back buffer when it changed and copies it.
void Paint_News_Page(HWND hWnd) {
    (void)hWnd;
}

// STAND-IN(pages): picks plays and picker pages by the game screen's keys; 1 when it acted.
int Handle_Game_Screen_Command(int idCommand) {
    (void)idCommand;
    return 0;
}
