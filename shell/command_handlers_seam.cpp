// The page mouse handler the main window passes its mouse messages to.
#include "shell/shell.h"

// STAND-IN(shell): the page's hover cursor and click handlers in design space.
void On_Page_Mouse(HWND hWnd, UINT uMsg, int x, int y) {
    (void)hWnd;
    (void)uMsg;
    (void)x;
    (void)y;
}
